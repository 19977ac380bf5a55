#include "RumoPrinter.h"

#include "Experiment.h"
#include "PointThinning.h"
#include "VfReportChart.h"
#include "VfReportText.h"
#include "VfSubSuperScript.h"
#include "models/rumo/PhysicalQuantityDescriptor.h"
#include "models/rumo/RumoExpData.h"
#include "models/rumo/RumoLog.h"
#include "models/rumo/RumoResults.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QValueAxis>

#include <cmath>
#include <limits>

using namespace QtCharts;

namespace {

constexpr int kChartHeight = 150;
// A chart row is shrunk to share the room left on its page, but not below
// this; rows that do not fit even so are left out.
constexpr int kChartMinHeight = 60;
// Items of the configuration and evaluation grids stand three to a column.
constexpr int kItemsPerColumn = 3;

QString colon()
{
    return QStringLiteral(": ");
}

QString timeText(const QDateTime &dateTime)
{
    // The instrument's own wall-clock time.
    return dateTime.isValid() ? dateTime.time().toString(QStringLiteral("hh:mm:ss")) : QString();
}

QList<int> indexList(const QJsonValue &value)
{
    QList<int> indexes;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &element : array)
        indexes.append(element.toInt(0));
    return indexes;
}

int columnsFor(int items)
{
    return (items + kItemsPerColumn - 1) / kItemsPerColumn;
}

} // namespace

RumoPrinter::RumoPrinter()
    : VfPrinter(QPrinter::ScreenResolution)
{
    m_reportTitle = tr("Rumo Report");
    m_runTablesNamed = true;
    m_footerText = QStringLiteral(" ");
    // The table and title faces are the framework's.
    m_labelFont = reportFont(QStringLiteral("FreeSans"), 10);
    m_familyFont = reportFont(QStringLiteral("FreeSans"), 9);
}

// ------------------------------------------------------------------ options

void RumoPrinter::setReportOptions(QString json)
{
    QJsonObject options;
    if (!readCommonOptions(json, &options))
        return;
    m_selectedTableColumns = indexList(options.value(QStringLiteral("selectedTableColumnsList")));
    m_ckbChart = options.value(QStringLiteral("ckbChart")).toBool();
    m_selectedCharts = indexList(options.value(QStringLiteral("selectedChartsList")));
    m_ckbMaxMin = options.value(QStringLiteral("ckbMaxMin")).toBool();
    m_ckbAvg = options.value(QStringLiteral("ckbAvg")).toBool();
    m_ckbCalibration = options.value(QStringLiteral("ckbCalibration")).toBool();
}

// ------------------------------------------------------------ helpers

RumoResults *RumoPrinter::resultsOf(const Experiment *run)
{
    return run ? qobject_cast<RumoResults *>(run->results()) : nullptr;
}

QList<int> RumoPrinter::presentQuantities(const QList<int> &selected, const Experiment *run)
{
    const RumoResults *results = resultsOf(run);
    QList<int> present;
    for (int quantity : selected) {
        if (results && results->quantity(quantity))
            present.append(quantity);
    }
    return present;
}

std::optional<double> RumoPrinter::singleValue(const QString &text)
{
    const std::optional<double> value = VfReportText::number(text);
    if (!value)
        return std::nullopt;
    // The instrument works in single precision: "1.115" is 1.12.
    const float single = float(*value);
    if (!std::isfinite(single))
        return std::nullopt;
    return double(single);
}

QString RumoPrinter::statisticText(const QString &text)
{
    const std::optional<double> value = singleValue(text);
    return value ? QLocale().toString(*value, 'f', 2) : VfReportText::absent();
}

int RumoPrinter::pairedCharts(int count)
{
    if (count <= ChartRows)
        return 0;
    for (int pairs = 1; pairs <= ChartRows; ++pairs) {
        if (ChartRows + pairs * (ChartColumns - 1) >= count)
            return pairs * ChartColumns;
    }
    return 0;
}

int RumoPrinter::drawCells(const QStringList &cells, const QList<int> &x, int width, int y)
{
    QList<Column> columns;
    for (const QString &cell : cells)
        columns.append(Column{cell});
    return drawColumnsAt(columns, x, width, y);
}

void RumoPrinter::startPage()
{
    newPage();
    m_contentTop = m_cursorY = drawTopBand();
}

// ------------------------------------------------------------ print sequence

int RumoPrinter::print()
{
    const bool tables = m_tableEnable && !m_selectedTableColumns.isEmpty();
    if (beginPainting() != 0)
        return -1;
    measureBottomBand();
    drawHeaderInformation();
    drawSensorInformation();
    drawNotes();
    drawSignatureLine();
    createTable(tables);
    m_footerHeight = drawBottomBand();
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        drawConfiguration(run);
        drawEvaluationResults(run);
        drawLimitsAndAverage(run);
        drawCharts(run);
        m_footerHeight = drawBottomBand();
        if (m_tabledRuns.contains(run) && printRunTable(run) != 0)
            return -1;
    }
    return 0;
}

void RumoPrinter::createTable(bool withTable)
{
    m_pageCount = 1;
    m_tabledRuns.clear();
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        ++m_pageCount;
        if (!withTable || presentQuantities(m_selectedTableColumns, run).isEmpty())
            continue;
        // A table too wide for the page takes no page and is not printed.
        const int pages = runTablePages(run);
        if (pages > 0) {
            m_pageCount += pages;
            m_tabledRuns.append(run);
        }
    }
}

// ------------------------------------------------------------ first page

void RumoPrinter::drawHeaderInformation()
{
    m_contentTop = m_cursorY = drawTopBand();
    const int top = openSection(QString());
    Column left;
    if (m_cmpnyInfoEnable)
        left.append(tr("Company evaluated") + colon() + m_cmpnyName);
    if (m_siteInfoEnable)
        left.append(tr("Site/Area") + colon() + m_siteName);
    // The chain's first run tells the type and the date.
    const RumoResults *results = resultsOf(m_experiment);
    left.append(tr("Experiment type") + colon() +
                (results ? results->sensorTypeName() : QString()));
    Column right;
    if (m_ownCompanyInfoEnable)
        right.append(tr("Valuation company") + colon() + m_ownCompany);
    if (m_collectorInfoEnable)
        right.append(tr("Collected by") + colon() + m_collectorName);
    const QDateTime date = m_experiment ? m_experiment->dateTime() : QDateTime();
    right.append(tr("Date") + colon() + (date.isValid() ? dateText(date.date()) : QString()));
    m_cursorY = drawSpacedColumns({left, right}, m_cursorY) + m_spacing;
    closeSection(top);
}

void RumoPrinter::drawSensorInformation()
{
    const int top = openSection(tr("Sensor information"));
    const int columns = m_ckbCalibration ? 4 : 3;
    const QList<int> x = spacedColumnLefts(columns);
    const int width = contentWidth() / columns;
    QStringList header{tr("Event"), tr("Name"), tr("Sensor SN")};
    if (m_ckbCalibration)
        header.append(tr("Sensor certificate"));
    int y = drawCells(header, x, width, m_cursorY);
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        const RumoResults *results = resultsOf(run);
        QStringList cells{QString::number(run->position()), results ? results->label() : QString(),
                          results ? results->sensorSN() : QString()};
        if (m_ckbCalibration) {
            const QDateTime date = results ? results->sensorCalibrationDate() : QDateTime();
            cells.append((results ? results->sensorCertificate() : QString()) +
                         QStringLiteral(" (") +
                         (date.isValid() ? dateText(date.date()) : QString()) + QLatin1Char(')'));
        }
        y = drawCells(cells, x, width, y);
    }
    m_cursorY = y + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------ run page

void RumoPrinter::drawConfiguration(Experiment *run)
{
    startPage();
    const int top = openSection(tr("Configuration"));
    const RumoResults *results = resultsOf(run);
    const int usable = contentWidth();
    const int y1 = m_cursorY;
    drawLine(tr("Event") + colon() + QString::number(run->position()), m_inset, y1,
             usable / 2 - m_inset);
    const int h1 = drawLine(tr("Task name") + colon() + (results ? results->label() : QString()),
                            usable / 2 + m_inset, y1, usable / 2 - m_inset);
    // An empty line between the first row and the grid.
    const int y2 = y1 + h1 + drawLine(QStringLiteral(" "), m_inset, y1 + h1, usable);

    const QList<RumoExpData *> items = results ? results->configList() : QList<RumoExpData *>();
    const int gridColumns = columnsFor(items.size()) + 2;
    QList<QStringList> columns{
        {tr("Sample time") + QStringLiteral(" [") + tr("s") + QStringLiteral("]: ") +
             QString::number(results ? results->sampleTime() : 0),
         tr("Start time") + colon() + timeText(results ? results->startTime() : QDateTime()),
         tr("Stop time") + colon() + timeText(results ? results->stopTime() : QDateTime())},
        {tr("Duration") + colon() + (results ? results->duration() : QString()),
         tr("Pause time") + colon() + (results ? results->pauseTime() : QString())}};
    for (int i = 0; i < items.size(); ++i) {
        if (i % kItemsPerColumn == 0)
            columns.append(QStringList());
        columns.last().append(items.at(i)->line());
    }
    m_cursorY = drawColumnsAt(columns, spacedColumnLefts(gridColumns), usable / gridColumns, y2) +
                m_spacing;
    closeSection(top);
}

void RumoPrinter::drawEvaluationResults(Experiment *run)
{
    const RumoResults *results = resultsOf(run);
    const QList<RumoExpData *> items =
        results ? results->evaluationResultsList() : QList<RumoExpData *>();
    if (items.isEmpty())
        return;
    const int top = openSection(tr("Evaluation results"));
    // Columns of three items side by side, each from the block's first line.
    const int grid = columnsFor(items.size()) + 2;
    QList<Column> columns;
    for (int i = 0; i < items.size(); ++i) {
        if (i % kItemsPerColumn == 0)
            columns.append(Column());
        columns.last().append(items.at(i)->line());
    }
    // A single column may use the whole width.
    const int width = columns.size() == 1 ? contentWidth() : contentWidth() / grid;
    m_cursorY = drawColumnsAt(columns, spacedColumnLefts(grid), width, m_cursorY) + m_spacing;
    closeSection(top);
}

void RumoPrinter::drawLimitsAndAverage(Experiment *run)
{
    if (!m_ckbMaxMin && !m_ckbAvg)
        return;
    const RumoResults *results = resultsOf(run);
    const int top = openSection(tr("Limits and average"));
    QStringList header{tr("Quantity")};
    if (m_ckbMaxMin)
        header.append(tr("Min"));
    if (m_ckbAvg)
        header.append(tr("Avg"));
    if (m_ckbMaxMin)
        header.append(tr("Max"));
    const int count = int(header.size());
    const QList<int> x = spacedColumnLefts(count);
    const int width = contentWidth() / count;
    int y = drawCells(header, x, width, m_cursorY);
    const QList<PhysicalQuantityDescriptor *> quantities =
        results ? results->quantitiesInfoList() : QList<PhysicalQuantityDescriptor *>();
    for (int i = 0; i < quantities.size(); ++i) {
        // A statistics list shorter than the quantities prints "---".
        QStringList cells{quantities.at(i)->titleWithUnit()};
        if (m_ckbMaxMin)
            cells.append(statisticText(results->minList().value(i)));
        if (m_ckbAvg)
            cells.append(statisticText(results->averageList().value(i)));
        if (m_ckbMaxMin)
            cells.append(statisticText(results->maxList().value(i)));
        y = drawCells(cells, x, width, y);
    }
    m_cursorY = y + m_spacing;
    closeSection(top);
}

void RumoPrinter::drawCharts(Experiment *run)
{
    if (m_selectedCharts.size() > MaxCharts)
        return;
    const QList<int> quantities = presentQuantities(m_selectedCharts, run);
    if (quantities.isEmpty())
        return;
    const int top = openSection(tr("Charts"));
    const int count = quantities.size();
    const int paired = pairedCharts(count);
    const int rows = paired / ChartColumns + (count - paired);
    // The rows share the room left above the bottom band.
    const int bottom = m_painter->window().height() - m_footerHeight - m_spacing;
    const int room = bottom - m_cursorY - m_spacing;
    const int height = qMin(kChartHeight, room / rows - m_spacing);
    const int usable = contentWidth();
    int y = m_cursorY;
    int next = 0;
    for (int row = 0; row < rows && height >= kChartMinHeight; ++row) {
        const int inRow = next < paired ? ChartColumns : 1;
        const int width = usable / inRow;
        for (int column = 0; column < inRow && next < count; ++column, ++next)
            onGuiThread([&] {
                renderChart(quantityChart(run, quantities.at(next), width),
                            QRect(m_inset + column * width, y, width, height));
            });
        y += height + m_spacing;
    }
    if (next < count) {
        // Only when the blocks above left less than a small row per chart.
        y += drawLine(tr("The page has no room for the charts of this run."), m_inset, y, usable) +
             m_spacing;
    }
    m_cursorY = y;
    closeSection(top);
}

QChart *RumoPrinter::quantityChart(const Experiment *run, int quantity, int plotWidth)
{
    const RumoResults *results = resultsOf(run);
    const PhysicalQuantityDescriptor *descriptor = results ? results->quantity(quantity) : nullptr;
    if (!descriptor)
        return nullptr;
    QVector<QPointF> points;
    const QList<Log *> logs = run->logs();
    points.reserve(logs.size());
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    QDateTime from;
    QDateTime to;
    for (const Log *log : logs) {
        const auto *sample = qobject_cast<const RumoLog *>(log);
        const QDateTime at = VfReportChart::chartTime(log->registerDate());
        // A value the instrument left empty (or could not have measured) is
        // left out of the chart.
        const std::optional<double> value =
            sample ? singleValue(sample->value(quantity)) : std::nullopt;
        if (!value || !at.isValid())
            continue;
        points.append(QPointF(at.toMSecsSinceEpoch(), *value));
        lo = qMin(lo, *value);
        hi = qMax(hi, *value);
        VfReportChart::widenSpan(from, to, at);
    }
    if (points.isEmpty()) {
        lo = -1;
        hi = 1;
    } else if (VfReportChart::nearlyEqual(lo, hi)) {
        // A flat series stands between 0 and its value (around 0 itself).
        lo = qMin(lo, 0.0);
        hi = qMax(hi, 0.0);
        if (VfReportChart::nearlyEqual(lo, hi)) {
            lo = -1;
            hi = 1;
        }
    }

    QChart *chart =
        VfReportChart::newChart(descriptor->displayName() + QStringLiteral(" x ") + tr("Time"));
    auto *series = new QLineSeries;
    series->setPen(QPen(QColor(0, 70, 160), 1.0));
    series->replace(thinToColumns(points, plotWidth));
    auto *time = new QDateTimeAxis;
    auto *values = new QValueAxis;
    VfReportChart::attach(chart, series, time, values);
    values->setRange(lo, hi);
    values->setTitleText(descriptor->titleWithUnit());
    VfReportChart::tidyValueAxis(values);
    VfReportChart::tidyTimeAxis(time, from, to);
    time->setTitleText(tr("Time", "X axis label"));
    return chart;
}

// ------------------------------------------------------------ sample table

QList<VfSubSuperScript *> RumoPrinter::tableHeader(Experiment *run)
{
    // The table does not own its titles; they go with the report.
    const auto owned = [this](VfSubSuperScript *title) {
        title->setParent(this);
        return title;
    };
    QList<VfSubSuperScript *> titles{owned(new VfSubSuperScript(tr("Idx"))),
                                     owned(new VfSubSuperScript(tr("D/T")))};
    const RumoResults *results = resultsOf(run);
    for (int quantity : presentQuantities(m_selectedTableColumns, run)) {
        const PhysicalQuantityDescriptor *descriptor = results->quantity(quantity);
        const QString unit = descriptor->unity().isEmpty()
                                 ? QString()
                                 : QStringLiteral(" [") + descriptor->unity() + QLatin1Char(']');
        titles.append(owned(new VfSubSuperScript(descriptor->displayName(), QString(), QString(),
                                                 owned(new VfSubSuperScript(unit)))));
    }
    return titles;
}

QList<VfTableRow> RumoPrinter::tableRow(Experiment *run)
{
    QList<VfTableRow> rows;
    if (!run)
        return rows;
    const QList<int> columns = presentQuantities(m_selectedTableColumns, run);
    const QList<Log *> logs = run->logs();
    rows.reserve(logs.size());
    const QLatin1Char zero('0');
    qint64 number = 0;
    for (const Log *log : logs) {
        const auto *sample = qobject_cast<const RumoLog *>(log);
        const QDateTime at = log->registerDate();
        QStringList cells{QStringLiteral("%1").arg(++number, 3, 10, zero), timeText(at)};
        for (int quantity : columns)
            cells.append(statisticText(sample ? sample->value(quantity) : QString()));
        rows.append(VfTableRow(cells, at.date()));
    }
    return rows;
}
