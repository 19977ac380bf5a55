#pragma once

#include "SimulatedQuillonRuns.h"

#include <QDateTime>
#include <QJsonObject>

class Experiment;

// Vibration runs for report tests of any length: the header sections are
// downloaded from a simulated "QUILLON" as the application downloads them,
// while the samples are read from the simulated records directly, so that a
// long run is quick to make.
class QuillonReportRun
{
public:
    // Run `index` of `records` samples (the caller owns it), or null when the
    // download failed.
    static Experiment *make(int index, int records, const QDateTime &start,
                            const SimulatedQuillonRuns::Header &header);
    static Experiment *make(int index, int records, const QDateTime &start);
    // Report options with every switch of the vibration report set, writing
    // to `fileName`.
    static QJsonObject everySection(const QString &fileName);
};
