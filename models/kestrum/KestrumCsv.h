#pragma once

#include "KestrumReadings.h"

#include <QList>
#include <QString>
#include <QStringList>

class VfCsvFile;

// The lines the heat-stress CSV exports share: a title line of "Time" and the
// five quantities with the unit, and one line per sample with the time on the
// instrument's clock ("hh:mm:ss") and the five readings with one decimal in
// the computer's locale ("---" for a reading that is no number).
class KestrumCsv
{
public:
    // The five quantity titles are given in wet, dry, globe, WBGTi, WBGTo
    // order; the line ends with ";".
    static void appendTitle(VfCsvFile &file, const QStringList &titles, const QString &unity);
    // One line per reading, without a ";" after the last cell.
    static void appendSamples(VfCsvFile &file, const QList<KestrumReading> &readings);
    // A heading line: `first` and five empty cells, ending with ";".
    static void appendHeading(VfCsvFile &file, const QString &first);

    static QString timeText(const QDateTime &time);
    static QString valueText(const QString &reading);
};
