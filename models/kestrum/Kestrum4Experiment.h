#pragma once

#include "NamedExperiment.h"

// One run of a "KESTRUM 4": a run-list entry with the run's name, and once
// downloaded or opened from a file, its samples and results.
class Kestrum4Experiment : public NamedExperiment
{
    Q_OBJECT

public:
    explicit Kestrum4Experiment(QObject *parent = nullptr);

public slots:
    // The entry's date, size and index, and its run name.
    void copyHeader(const Experiment *entry) override;
    // The common run object with "expName".
    QJsonObject toJson() override;
};
