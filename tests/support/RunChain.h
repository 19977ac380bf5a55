#pragma once

#include "Experiment.h"

#include <memory>

// Deletes a chain of runs through its head.
struct RunChainDeleter
{
    void operator()(Experiment *head) const
    {
        if (head)
            head->deleteChain();
    }
};

// A chain of runs owned by a test, held by its head.
using RunChain = std::unique_ptr<Experiment, RunChainDeleter>;
