#pragma once

#include "CalibrationCertificate.h"
#include "SimulatedQuillonRuns.h"

#include <QDateTime>
#include <QJsonObject>
#include <QStringList>

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
    // Runs 1, 2... of `records` samples each, an hour apart from `start`,
    // one per header, as a chain (the caller owns it); null when a download
    // failed.
    static Experiment *chain(const QList<SimulatedQuillonRuns::Header> &headers, int records,
                             const QDateTime &start);
    // Gives each run of the chain its exposure time and combines the day, as
    // the exposure-time page does through Core.
    static void setExposures(Experiment *head, const QStringList &times);

    // Report options with every switch of the vibration report set, writing
    // to `fileName`.
    static QJsonObject everySection(const QString &fileName);
    // Options with only the given switches set.
    static QJsonObject only(const QString &fileName, const QStringList &switches);
    // Drives the vibration meter's printer as Core does: the print result,
    // or -1 when the PDF could not be finished.
    static int writeReport(const QJsonObject &options, Experiment *head,
                           const CalibrationCertificate &calibration = CalibrationCertificate());
};
