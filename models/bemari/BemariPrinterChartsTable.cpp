// The charts section and the sample table of the two "Noise Report"
// printers. The report sequence calls them at their places; they are kept
// apart from the other sections.
//
// A report is laid out twice, first measuring (measuring() true) to count
// its pages: a section here must then paint nothing but move m_cursorY
// exactly as when painting. renderChart, drawChart, drawParagraph,
// drawSectionFrame, openSection, closeSection and the text helpers already
// behave so.

#include "BemariPlusPrinter.h"
#include "BemariPrinter.h"

#include "Experiment.h"
#include "VfSubSuperScript.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariResults.h"
#include "models/bemari/SoundLevelReportCharts.h"
#include "models/bemari/SoundLevelReportTable.h"

namespace {

// The full height of the level chart, and of a band chart beside it on the
// run's page ("BEMARI") or on a page of charts ("BEMARI+").
constexpr int kChartHeight = 150;
constexpr int kChartsPageBandHeight = 200;
// Charts that share their page shrink, but not below this.
constexpr int kChartLeastHeight = 110;

QList<Log *> logsOf(const Experiment *run)
{
    return run ? run->logs() : QList<Log *>();
}

} // namespace

// ------------------------------------------------------------ BEMARI

// On the run's page, below the results.
void BemariPrinter::drawCharts(Experiment *run)
{
    const QList<char> weightings = m_ckbChartLeq ? bandChartWeightings() : QList<char>();
    if (!m_ckbChartLvl && weightings.isEmpty())
        return;
    layOutCharts(run, m_ckbChartLvl, weightings, kChartHeight);
}

QList<VfSubSuperScript *> BemariPrinter::tableHeader(Experiment *run)
{
    return SoundLevelReportTable::header(resultsOf<BemariResults>(run), false, this);
}

QList<VfTableRow> BemariPrinter::tableRow(Experiment *run)
{
    return SoundLevelReportTable::rows(logsOf(run), false);
}

// ------------------------------------------------------------ BEMARI+

// On a page of its own after the run's sections, when any chart is asked
// for (chartsWanted).
void BemariPlusPrinter::printCharts(Experiment *run)
{
    if (chartsWanted())
        layOutCharts(run, m_ckbChartLvl, bandChartWeightings(), kChartsPageBandHeight);
}

QList<VfSubSuperScript *> BemariPlusPrinter::tableHeader(Experiment *run)
{
    const BemariPlusResults *results = resultsOf<BemariPlusResults>(run);
    return SoundLevelReportTable::header(results, results && results->isManual(), this);
}

QList<VfTableRow> BemariPlusPrinter::tableRow(Experiment *run)
{
    const BemariPlusResults *results = resultsOf<BemariPlusResults>(run);
    return SoundLevelReportTable::rows(logsOf(run), results && results->isManual());
}

// ------------------------------------------------------------ both

// The pages a run's sample table takes in the page-count pass, laid out
// from the top of a page exactly as printRunTable draws it. A table wider
// than the page clears m_tableEnable.
int SoundLevelPrinter::tablePageCount(Experiment *run)
{
    return runTablePages(run);
}

QList<char> SoundLevelPrinter::bandChartWeightings() const
{
    QList<char> weightings;
    for (char weighting : {'Z', 'C', 'A'}) {
        if (bandChartShown(weighting))
            weightings.append(weighting);
    }
    return weightings;
}

void SoundLevelPrinter::layOutCharts(Experiment *run, bool level, const QList<char> &weightings,
                                     int bandHeight)
{
    QList<int> heights;
    if (level)
        heights.append(kChartHeight);
    for (int i = 0; i < weightings.size(); ++i)
        heights.append(bandHeight);
    if (heights.isEmpty())
        return;
    int full = 0;
    for (int height : qAsConst(heights))
        full += height;
    // The title and frame, and a gap above each chart and below the last.
    const int frame = heightOnNewPage([this] { closeSection(openSection(tr("Charts"))); }) +
                      int(heights.size()) * m_spacing;
    const auto room = [&] { return pageBottom() - m_cursorY - frame; };
    if (room() < int(heights.size()) * kChartLeastHeight && m_cursorY > m_contentTop)
        finishPage();
    // Shorter charts, in proportion, when the full ones would not fit.
    const int available = room();
    if (available < full) {
        for (int &height : heights)
            height = qMax(kChartLeastHeight, height * available / full);
    }

    // Laid out measuring, a chart only takes its room: it is not made.
    const bool paint = !measuring();
    const int top = openSection(tr("Charts"));
    int chart = 0;
    onGuiThread([&] {
        if (level) {
            m_cursorY +=
                drawChart(paint ? SoundLevelReportCharts::levelChart(run, contentWidth()) : nullptr,
                          m_cursorY, heights.at(chart++));
        }
        for (char weighting : weightings) {
            if (chart > 0)
                m_cursorY += m_spacing;
            m_cursorY +=
                drawChart(paint ? SoundLevelReportCharts::bandChart(run, weighting) : nullptr,
                          m_cursorY, heights.at(chart++));
        }
    });
    m_cursorY += m_spacing;
    closeSection(top);
}
