#pragma once

#include "NamedExperiment.h"

// One run of a dosimeter: a run-list entry, and once downloaded or opened from
// a file, its samples and results. The dosimeter lists its run names in
// Latin-1.
class Dravo2Experiment : public NamedExperiment
{
    Q_OBJECT

public:
    explicit Dravo2Experiment(QObject *parent = nullptr)
        : NamedExperiment(parent)
    {
    }
};
