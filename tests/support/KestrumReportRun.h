#pragma once

#include "SimulatedInstrument.h"

#include <QJsonObject>
#include <QString>

class Core;
class Experiment;

// Heat-stress runs for report tests of any length, read from the simulated
// instrument's texts as the download reads them, without the serial link.
class KestrumReportRun
{
public:
    // The run of "KESTRUM 2" or "KESTRUM 4" `productName` (the caller owns
    // it), or null when a text was refused.
    static Experiment *make(const QString &productName, const SimulatedInstrument::Run &texts);
    // Report options with every switch of the model's report set, writing to
    // `fileName`.
    static QJsonObject everySection(const QString &productName, const QString &fileName);
    // Report options writing to `fileName` with only the switches `on` set.
    static QJsonObject switchesOn(const QString &fileName, const QStringList &on);
    // The options as the report window hands them over.
    static QString optionsText(const QJsonObject &options);
    // Writes the report of `run` as Core drives the printer of
    // `productName` (serial "SIM0001", a calibration record): the print
    // result, or -98 when the PDF or the CSV file could not be written.
    // `pageCount`
    // receives the printer's page count.
    static int print(const QString &productName, const QJsonObject &options, Experiment *run,
                     int *pageCount = nullptr);

    // Through Core, as the pages do it: `downloaded` finds a simulated
    // instrument of `productName` holding `texts` and downloads that run,
    // saves it as `dataFile` (the model's extension appended), and `opened`
    // opens that file. False when a step failed.
    static bool downloadAndOpen(const QString &productName, const SimulatedInstrument::Run &texts,
                                const QString &dataFile, Core &downloaded, Core &opened);
};
