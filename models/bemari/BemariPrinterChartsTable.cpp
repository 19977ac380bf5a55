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

// ------------------------------------------------------------ BEMARI

// On the run's page, below the results; moved to a new page as a whole when
// it does not fit below them (placeSection).
void BemariPrinter::drawCharts(Experiment *run)
{
    Q_UNUSED(run)
}

QList<VfSubSuperScript *> BemariPrinter::tableHeader(Experiment *run)
{
    Q_UNUSED(run)
    return {};
}

QList<VfTableRow> BemariPrinter::tableRow(Experiment *run)
{
    Q_UNUSED(run)
    return {};
}

// ------------------------------------------------------------ BEMARI+

// On a page of its own after the run's sections, when any chart is asked
// for (chartsWanted).
void BemariPlusPrinter::printCharts(Experiment *run)
{
    Q_UNUSED(run)
}

QList<VfSubSuperScript *> BemariPlusPrinter::tableHeader(Experiment *run)
{
    Q_UNUSED(run)
    return {};
}

QList<VfTableRow> BemariPlusPrinter::tableRow(Experiment *run)
{
    Q_UNUSED(run)
    return {};
}

// ------------------------------------------------------------ both

// The pages a run's sample table takes in the page-count pass, laid out
// from the top of a page exactly as printRunTable draws it. A table wider
// than the page clears m_tableEnable.
int SoundLevelPrinter::tablePageCount(Experiment *run)
{
    return runTablePages(run);
}
