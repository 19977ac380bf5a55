#include "QuillonCsv.h"

#include "AmrPerOctave.h"
#include "Experiment.h"
#include "QuillonLog.h"
#include "QuillonResults.h"
#include "VfPrinter.h"
#include "VfReportText.h"

namespace {

constexpr int kSeparatorCells = 11;

// A value in the report's number format; a text that is not a number as it
// came ("---" for an empty one).
QString number(const QString &text)
{
    return VfReportText::numberOrStored(text, 2);
}

} // namespace

VfCsvFile QuillonCsv::build(Experiment *head)
{
    VfCsvFile csv;
    for (Experiment *run = head ? head->first() : nullptr; run; run = run->next())
        appendRun(csv, run);
    return csv;
}

void QuillonCsv::appendSeparator(VfCsvFile &csv)
{
    QStringList cells;
    for (int i = 0; i < kSeparatorCells; ++i)
        cells << QString();
    csv.appendCells(cells, VfCsvFile::TrailingSeparator);
}

void QuillonCsv::appendRun(VfCsvFile &csv, Experiment *run)
{
    csv.appendCells({tr("Event") + QLatin1Char(' ') + QString::number(run->position())});
    csv.appendLine(QString());
    const auto *results = qobject_cast<const QuillonResults *>(run->results());
    for (int a = 0; a < QuillonResults::AxisCount; ++a) {
        const auto axis = QuillonResults::Axis(a);
        csv.appendCells({tr("Octave") + QLatin1Char(' ') + tr("Axis") + QLatin1Char(' ') +
                         QuillonResults::axisLetter(axis)});
        QStringList values{QStringLiteral("a[m/s^2]")};
        QStringList frequencies{QStringLiteral("f[Hz]")};
        const QList<AmrPerOctave *> bands =
            results ? results->bands(axis) : QList<AmrPerOctave *>();
        for (const AmrPerOctave *band : bands) {
            values << number(band->amr());
            frequencies << number(band->frequency());
        }
        csv.appendCells(values, VfCsvFile::TrailingSeparator);
        csv.appendCells(frequencies, VfCsvFile::TrailingSeparator);
        appendSeparator(csv);
    }

    const QString acceleration = QStringLiteral(" [m/s^2]");
    const QString dose =
        QStringLiteral(" [m/s^") + VfPrinter::zeroPaddedNumber(1.75, 1, 2) + QLatin1Char(']');
    const QString none = QStringLiteral(" []");
    csv.appendCells({tr("Time"), tr("Interval") + QStringLiteral(" [s]"), tr("awX") + acceleration,
                     tr("awY") + acceleration, tr("awZ") + acceleration, tr("awV") + acceleration,
                     tr("VDVX") + dose, tr("VDVY") + dose, tr("VDVZ") + dose, tr("CFX") + none,
                     tr("CFY") + none, tr("CFZ") + none});
    const QList<Log *> logs = run->logs();
    for (const Log *log : logs) {
        const auto *sample = qobject_cast<const QuillonLog *>(log);
        const QDateTime at = log->registerDate();
        QStringList cells{at.isValid() ? at.time().toString(QStringLiteral("hh:mm:ss"))
                                       : VfReportText::absent()};
        if (sample) {
            for (const QString &text :
                 {sample->interval(), sample->awX(), sample->awY(), sample->awZ(), sample->amr(),
                  sample->vdvX(), sample->vdvY(), sample->vdvZ(), sample->fcX(), sample->fcY(),
                  sample->fcZ()})
                cells << number(text);
        }
        csv.appendCells(cells);
    }
    appendSeparator(csv);
}
