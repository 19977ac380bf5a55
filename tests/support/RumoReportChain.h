#pragma once

#include "SimulatedRumoRuns.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

class Device;
class Experiment;

// A chain of "RUMO" runs for report tests and benchmarks, downloaded from a
// simulated logger as the application downloads them: run i holds
// `records.at(i)` samples of the simulator's sensor i + 1, one day after the
// run before, unless `headers` gives its header.
class RumoReportChain
{
public:
    // The head of the chain (the caller owns it; delete it with
    // Experiment::deleteChain), or null when a download failed.
    static Experiment *download(const QList<int> &records, const QDateTime &start,
                                const QList<SimulatedRumoRuns::Header> &headers = {});
    // Report options with every block of the report on, a chart and a table
    // column of each of eight quantities, writing to `fileName`.
    static QJsonObject everySection(const QString &fileName);
};
