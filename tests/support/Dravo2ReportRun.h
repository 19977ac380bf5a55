#pragma once

#include "SimulatedDravo2Runs.h"

#include <QDateTime>
#include <QJsonObject>

class Experiment;

// A dosimeter run for report tests of any length: its results are downloaded
// from a simulated "DRAVO 2" as the application downloads them (header pages
// describing `records` samples), while the samples themselves are read from
// the simulated records directly, so that a day of samples is quick to make.
class Dravo2ReportRun
{
public:
    // The run (the caller owns it), or null when the download failed.
    static Experiment *make(int records, const QDateTime &start,
                            const SimulatedDravo2Runs::Header &header = {});
    // Report options with every switch of the dosimeter report set, writing
    // to `fileName`.
    static QJsonObject everySection(const QString &fileName);
};
