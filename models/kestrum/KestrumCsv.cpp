#include "KestrumCsv.h"

#include "VfCsvFile.h"
#include "VfReportText.h"

#include <QCoreApplication>

namespace {

constexpr int kCells = 1 + KestrumReading::QuantityCount;

} // namespace

QString KestrumCsv::timeText(const QDateTime &time)
{
    // The instrument's own clock, whatever zone the computer is in.
    return time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : QString();
}

QString KestrumCsv::valueText(const QString &reading)
{
    return VfReportText::numberOrAbsent(reading, 1);
}

void KestrumCsv::appendTitle(VfCsvFile &file, const QStringList &titles, const QString &unity)
{
    QStringList cells{QCoreApplication::translate("KestrumPrinter", "Time")};
    for (const QString &title : titles)
        cells.append(title + QStringLiteral(" [") + unity + QLatin1Char(']'));
    file.appendCells(cells, VfCsvFile::TrailingSeparator);
}

void KestrumCsv::appendSamples(VfCsvFile &file, const QList<KestrumReading> &readings)
{
    QStringList cells;
    cells.reserve(kCells);
    for (const KestrumReading &reading : readings) {
        cells.clear();
        cells.append(timeText(reading.time));
        for (const QString &value : reading.values)
            cells.append(valueText(value));
        file.appendCells(cells);
    }
}

void KestrumCsv::appendHeading(VfCsvFile &file, const QString &first)
{
    QStringList cells{first};
    while (cells.size() < kCells)
        cells.append(QString());
    file.appendCells(cells, VfCsvFile::TrailingSeparator);
}
