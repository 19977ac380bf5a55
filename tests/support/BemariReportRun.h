#pragma once

#include "SimulatedBemariRuns.h"

#include <QDateTime>
#include <QJsonObject>

class Experiment;

// A sound level meter run for report tests of any length: its results are
// downloaded from a simulated "BEMARI" or "BEMARI+" (as `header.plus` says)
// as the application downloads them, header pages describing `records`
// records, while the records themselves are read from the simulated records
// directly, so that a long run is quick to make.
class BemariReportRun
{
public:
    // The run (the caller owns it), or null when the download failed.
    static Experiment *make(int records, const QDateTime &start,
                            const SimulatedBemariRuns::Header &header = {});
    // Report options with every switch of the model's report set, writing to
    // `fileName`.
    static QJsonObject everySection(const QString &fileName, bool plus);
};
