#pragma once

#include "Experiment.h"

// One run of a "KESTRUM 2": a run-list entry, and once downloaded or opened
// from a file, its samples and results.
class Kestrum2Experiment : public Experiment
{
    Q_OBJECT

public:
    explicit Kestrum2Experiment(QObject *parent = nullptr);

public slots:
    QJsonObject toJson() override;
    // 0 taken, -1 a line of fewer than 5 fields (nothing changed).
    int parseListEntry(QByteArray line) override;
};
