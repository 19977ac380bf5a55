#include "BemariPrinter.h"

#include "Experiment.h"
#include "VfReportText.h"
#include "models/bemari/BemariResults.h"

#include <QJsonObject>
#include <QPainter>

namespace {

// The "BEMARI" sends its levels as single-precision numbers.
QString level(const QString &text)
{
    return SoundLevelPrinter::levelText(text, true);
}

} // namespace

BemariPrinter::BemariPrinter() = default;

void BemariPrinter::readModelOptions(const QJsonObject &options)
{
    m_ckbChartLeq = options.value(QStringLiteral("ckbChartLeq")).toBool();
}

// ------------------------------------------------------------ first page

void BemariPrinter::drawIdentification()
{
    layOutIdentification();
}

void BemariPrinter::layOutMeasuringPoints()
{
    drawMeasuringPoints();
}

void BemariPrinter::drawMeasuringPoints()
{
    const CellRow header{Cell{tr("Event"), QString(), false},
                         Cell{tr("Name"), QString(), false},
                         levelTitle(QStringLiteral("eq")),
                         levelTitle(QStringLiteral("AF") + tr("Max")),
                         levelTitle(tr("Max")),
                         levelTitle(tr("Min"))};
    QList<CellRow> rows;
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        const BemariResults *r = resultsOf<BemariResults>(run);
        const QString absent = VfReportText::absent();
        const QStringList texts = r ? QStringList{r->label(), level(r->lEq()), level(r->lFMax()),
                                                  level(r->lMax()), level(r->lMin())}
                                    : QStringList{absent, absent, absent, absent, absent};
        CellRow row{Cell{QString::number(run->position()), QString(), false}};
        for (const QString &text : texts)
            row.append(Cell{text, QString(), false});
        rows.append(row);
    }
    layOutRows(tr("Measuring points"), 6, header, rows);
}

void BemariPrinter::drawLaboratoryCalibration()
{
    layOutLaboratoryCalibration();
}

// ------------------------------------------------------------ a run's page

void BemariPrinter::layOutRun(Experiment *run)
{
    placeSection([&] { drawConfiguration(run); });
    placeSection([&] { drawFieldCheck(run); });
    placeSection([&] { drawResults(run); });
    // The charts fit themselves into the room left on the page.
    drawCharts(run);
}

void BemariPrinter::drawConfiguration(Experiment *run)
{
    const BemariResults *r = resultsOf<BemariResults>(run);
    if (!r)
        return;
    const QString colon = QStringLiteral(": ");
    layOutConfiguration(run, 3, durationColumn(*r),
                        {tr("Frequency weighting") + colon + r->freqWeighting(),
                         tr("Time weighting") + colon + timeWeightingText(r->timeWeighting()),
                         tr("Octave analysis") + colon + r->octaveAnalysis()});
}

void BemariPrinter::drawFieldCheck(Experiment *run)
{
    if (resultsOf<BemariResults>(run))
        layOutFieldCheck(run, false, 0);
}

void BemariPrinter::drawResults(Experiment *run)
{
    const BemariResults *r = resultsOf<BemariResults>(run);
    if (!r)
        return;
    const int top = openSection(tr("Results"));
    const QList<CellRow> columns{
        {levelCell(QStringLiteral("eq"), level(r->lEq())),
         levelCell(QStringLiteral("AF") + tr("Max"), level(r->lFMax())),
         Cell{tr("SEL") + QStringLiteral(" [dB]: ") + level(r->sel()), QString(), false}},
        {levelCell(tr("Max"), level(r->lMax())), levelCell(tr("Min"), level(r->lMin())),
         levelCell(tr("Peak"), level(r->lPeak()))},
        {levelCell(QStringLiteral("05"), level(r->l05())),
         levelCell(QStringLiteral("10"), level(r->l10())),
         levelCell(QStringLiteral("50"), level(r->l50()))},
        {levelCell(QStringLiteral("90"), level(r->l90())),
         levelCell(QStringLiteral("95"), level(r->l95()))}};
    m_cursorY = layOutCellColumns(columns, m_cursorY) + m_spacing;
    closeSection(top);
}
