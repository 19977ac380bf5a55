#include "BemariPlusPrinter.h"

#include "Experiment.h"
#include "VfReportText.h"
#include "models/bemari/BemariPlusResults.h"

#include <QJsonObject>
#include <QPainter>

namespace {

// The "BEMARI+" levels are printed from double-precision numbers.
QString level(const QString &text)
{
    return SoundLevelPrinter::levelText(text, false);
}

} // namespace

BemariPlusPrinter::BemariPlusPrinter() = default;

void BemariPlusPrinter::readModelOptions(const QJsonObject &options)
{
    const struct
    {
        const char *key;
        bool *member;
    } switches[] = {
        {"ckbResZ", &m_ckbResZ},
        {"ckbResA", &m_ckbResA},
        {"ckbResC", &m_ckbResC},
        {"ckbMaxMinZ", &m_ckbMaxMinZ},
        {"ckbMaxMinA", &m_ckbMaxMinA},
        {"ckbMaxMinC", &m_ckbMaxMinC},
        {"ckbStatistics", &m_ckbStatistics},
    };
    for (const auto &flag : switches)
        *flag.member = options.value(QLatin1String(flag.key)).toBool();
}

bool BemariPlusPrinter::chartsWanted() const
{
    return m_ckbChartLvl || m_ckbLeqZ || m_ckbLeqA || m_ckbLeqC;
}

// ------------------------------------------------------------ first page

void BemariPlusPrinter::printHeader()
{
    layOutIdentification();
}

void BemariPlusPrinter::layOutMeasuringPoints()
{
    printMeasuringPoints();
}

void BemariPlusPrinter::printMeasuringPoints()
{
    const CellRow header{Cell{tr("Event"), QString(), false}, Cell{tr("Name"), QString(), false},
                         levelTitle(QStringLiteral("Aeq")), levelTitle(QStringLiteral("AFmax")),
                         levelTitle(QStringLiteral("Cpeak"))};
    QList<CellRow> rows;
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        const BemariPlusResults *r = resultsOf<BemariPlusResults>(run);
        const QString absent = VfReportText::absent();
        const QStringList texts =
            r ? QStringList{r->label(), level(r->weightedText(QStringLiteral("LAEq"))),
                            level(r->weightedText(QStringLiteral("LAFMax"))),
                            level(r->weightedText(QStringLiteral("LCpeak")))}
              : QStringList{absent, absent, absent, absent};
        CellRow row{Cell{QString::number(run->position()), QString(), false}};
        for (const QString &text : texts)
            row.append(Cell{text, QString(), false});
        rows.append(row);
    }
    layOutRows(tr("Measuring points"), 5, header, rows);
}

void BemariPlusPrinter::printLabCalibration()
{
    layOutLaboratoryCalibration();
}

// ------------------------------------------------------------ a run's pages

void BemariPlusPrinter::layOutRun(Experiment *run)
{
    placeSection([&] { printConfiguration(run); });
    placeSection([&] { printFieldCheck(run); });
    printResults(run);
    printMaxMin(run);
    placeSection([&] { printStatistics(run); });
    if (chartsWanted()) {
        finishPage();
        printCharts(run);
    }
}

void BemariPlusPrinter::printConfiguration(Experiment *run)
{
    const BemariPlusResults *r = resultsOf<BemariPlusResults>(run);
    if (!r)
        return;
    // The weightings stand in the statistics section.
    layOutConfiguration(run, 2,
                        durationColumn(*r)
                            << tr("Octave analysis") + QStringLiteral(": ") + r->octaveAnalysis(),
                        {});
}

void BemariPlusPrinter::printFieldCheck(Experiment *run)
{
    if (resultsOf<BemariPlusResults>(run))
        layOutFieldCheck(run, true, m_spacing);
}

QList<SoundLevelPrinter::CellRow>
BemariPlusPrinter::weightingRows(bool z, bool c, bool a,
                                 const std::function<CellRow(QChar)> &row) const
{
    QList<CellRow> rows;
    if (z)
        rows.append(row(QLatin1Char('Z')));
    if (c)
        rows.append(row(QLatin1Char('C')));
    if (a)
        rows.append(row(QLatin1Char('A')));
    return rows;
}

void BemariPlusPrinter::printResults(Experiment *run)
{
    const BemariPlusResults *r = resultsOf<BemariPlusResults>(run);
    if (!r || !(m_ckbResZ || m_ckbResC || m_ckbResA))
        return;
    const auto row = [r](QChar w) {
        const QString key = QStringLiteral("L") + w;
        return CellRow{levelCell(w + QStringLiteral("eq"), level(r->weightedText(key + "Eq"))),
                       levelCell(w + QStringLiteral("E"), level(r->weightedText(key + "E"))),
                       levelCell(w + QStringLiteral("peak"), level(r->weightedText(key + "peak")))};
    };
    layOutRows(tr("Results"), 3, {}, weightingRows(m_ckbResZ, m_ckbResC, m_ckbResA, row));
}

void BemariPlusPrinter::printMaxMin(Experiment *run)
{
    const BemariPlusResults *r = resultsOf<BemariPlusResults>(run);
    if (!r || !(m_ckbMaxMinZ || m_ckbMaxMinC || m_ckbMaxMinA))
        return;
    const auto row = [r](QChar w) {
        CellRow cells;
        for (const char *time : {"I", "F", "S"}) {
            const QString name = w + QLatin1String(time);
            const QString key = QStringLiteral("L") + name;
            cells << levelCell(name + QStringLiteral("min"), level(r->weightedText(key + "Min")))
                  << levelCell(name + QStringLiteral("max"), level(r->weightedText(key + "Max")));
        }
        return cells;
    };
    layOutRows(tr("Max/Min"), 6, {}, weightingRows(m_ckbMaxMinZ, m_ckbMaxMinC, m_ckbMaxMinA, row));
}

void BemariPlusPrinter::printStatistics(Experiment *run)
{
    const BemariPlusResults *r = resultsOf<BemariPlusResults>(run);
    if (!r || !m_ckbStatistics)
        return;
    const int top = openSection(tr("Statistics"));
    const QRect area = areaOf(contentWidth());
    const QString colon = QStringLiteral(": ");
    int y = m_cursorY;
    y += drawTextAt(tr("Frequency weighting") + colon + r->freqWeighting(), m_inset, y, area);
    y += drawTextAt(tr("Time weighting") + colon + timeWeightingText(r->timeWeighting()), m_inset,
                    y, area);
    y += drawTextAt(QStringLiteral(" "), m_inset, y, area);
    const CellRow levels{levelCell(QStringLiteral("05"), level(r->l05())),
                         levelCell(QStringLiteral("10"), level(r->l10())),
                         levelCell(QStringLiteral("50"), level(r->l50())),
                         levelCell(QStringLiteral("90"), level(r->l90())),
                         levelCell(QStringLiteral("95"), level(r->l95()))};
    m_cursorY = layOutCellRow(levels, 5, y) + m_spacing;
    closeSection(top);
}
