#pragma once

#include "NamedExperiment.h"

// One run of a dosimeter: a run-list entry, and once downloaded or opened from
// a file, its samples and results.
class Dravo2Experiment : public NamedExperiment
{
    Q_OBJECT

public:
    explicit Dravo2Experiment(QObject *parent = nullptr);

public slots:
    QJsonObject toJson() override;
};
