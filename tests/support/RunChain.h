#pragma once

#include "Experiment.h"

#include <memory>

// Owns a chain of runs from its head, as Core does: deleting it deletes every
// run of the chain.
struct ChainDeleter
{
    void operator()(Experiment *head) const
    {
        if (head)
            head->deleteChain();
    }
};
using Chain = std::unique_ptr<Experiment, ChainDeleter>;
