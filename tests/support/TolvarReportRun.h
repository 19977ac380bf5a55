#pragma once

#include "SimulatedTolvarRuns.h"

#include <QDateTime>
#include <QJsonObject>

class Experiment;

// A pump run for report tests of any length, made from the simulated pump's
// texts by the pump's own parsers (run-list line, records and header page 1),
// without a link, so that the longest run is quick to make.
class TolvarReportRun
{
public:
    // The run (the caller owns it), or null when a text was refused.
    static Experiment *make(SimulatedTolvarRuns::Model model, int records, const QDateTime &start,
                            const SimulatedTolvarRuns::Header &header = {});
    // Report options with every switch of the pump report set (pressures in
    // kPa), writing to `fileName`.
    static QJsonObject everySection(const QString &fileName);
};
