#pragma once

#include "NamedExperiment.h"

// One run of a "BEMARI": a run-list entry, and once downloaded or opened
// from a file, its level records and results. The instrument lists its run
// names in UTF-8.
class BemariExperiment : public NamedExperiment
{
    Q_OBJECT

public:
    explicit BemariExperiment(QObject *parent = nullptr)
        : NamedExperiment(TextEncoding::Utf8, parent)
    {
    }
};
