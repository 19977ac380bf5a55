#pragma once

#include "Experiment.h"

#include <memory>

// A chain of runs held by its head, deleted whole.
struct RunChainDeleter
{
    void operator()(Experiment *head) const
    {
        if (head)
            head->deleteChain();
    }
};
using RunChain = std::unique_ptr<Experiment, RunChainDeleter>;
