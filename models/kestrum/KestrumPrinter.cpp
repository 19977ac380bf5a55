#include "KestrumPrinter.h"

#include "KestrumRunHeader.h"
#include "VfCsvFile.h"
#include "VfFullPageTable.h"
#include "VfReportText.h"
#include "VfSubSuperScript.h"

#include <QLocale>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kChartHeight = 300;

const char *const kTableKeys[] = {"ckbWetTempTable", "ckbDryTempTable", "ckbGlobeTempTable",
                                  "ckbIBUTGiTable", "ckbIBUTGeTable"};
const char *const kChartKeys[] = {"ckbWetTempChart", "ckbDryTempChart", "ckbGlobeTempChart",
                                  "ckbIBUTGiChart", "ckbIBUTGeChart"};

// The table shows dry before wet, as the reports always did.
const int kTableOrder[] = {KestrumReading::Dry, KestrumReading::Wet, KestrumReading::Globe,
                           KestrumReading::WbgtIndoor, KestrumReading::WbgtOutdoor};

} // namespace

KestrumPrinter::KestrumPrinter(const QString &title)
    : VfPrinter(QPrinter::ScreenResolution)
{
    m_reportTitle = title;
    m_footerText = QStringLiteral(" ");
    useSectionReportFonts();
}

void KestrumPrinter::setReportOptions(QString json)
{
    QJsonObject options;
    if (!readCommonOptions(json, &options))
        return;
    for (int q = 0; q < KestrumReading::QuantityCount; ++q) {
        m_tableColumns[size_t(q)] = options.value(QLatin1String(kTableKeys[q])).toBool();
        m_chartLines[size_t(q)] = options.value(QLatin1String(kChartKeys[q])).toBool();
    }
    m_ckbChart = options.value(QStringLiteral("ckbChart")).toBool();
    m_ckbCsv = options.value(QStringLiteral("ckbCsv")).toBool();
    m_ckbCalibration = options.value(QStringLiteral("ckbCalibration")).toBool();
    readOwnOptions(options);
}

bool KestrumPrinter::tablesWanted() const
{
    return m_tableEnable && KestrumChart::anyShown(m_tableColumns);
}

QString KestrumPrinter::csvFileName() const
{
    return VfCsvFile::besidePdf(reportFileName());
}

QStringList KestrumPrinter::outputFileNames() const
{
    QStringList files = VfPrinter::outputFileNames();
    if (m_ckbCsv)
        files.append(csvFileName());
    return files;
}

QString KestrumPrinter::timeText(const QDateTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : VfReportText::absent();
}

QString KestrumPrinter::twoDecimals(double value)
{
    return std::isfinite(value) ? QLocale().toString(value, 'f', 2) : VfReportText::absent();
}

QString KestrumPrinter::storedText(const QString &text)
{
    return text.isEmpty() ? VfReportText::absent() : text;
}

void KestrumPrinter::drawIdentificationBlock(const QDateTime &date)
{
    m_painter->resetTransform();
    const int top = m_cursorY + m_spacing;
    m_cursorY = top + m_spacing;
    m_painter->setFont(m_labelFont);
    const int half = contentWidth() / 2;
    const QString colon = QStringLiteral(": ");
    int left = m_cursorY;
    if (m_cmpnyInfoEnable)
        left +=
            drawLine(tr("Company evaluated") + colon + m_cmpnyName, m_inset, left, half - m_inset);
    if (m_siteInfoEnable)
        left += drawLine(tr("Site/Area") + colon + m_siteName, m_inset, left, half - m_inset);
    const int rightX = m_inset + half;
    int right = m_cursorY;
    if (m_ownCompanyInfoEnable)
        right += drawLine(tr("Valuation company") + colon + m_ownCompany, rightX, right, half);
    if (m_collectorInfoEnable)
        right += drawLine(tr("Collected by") + colon + m_collectorName, rightX, right, half);
    if (date.isValid()) {
        m_painter->setFont(m_labelFont);
        right += drawDateLine(date, rightX, right);
    }
    m_cursorY = qMax(left, right) + m_spacing;
    closeSection(top);
}

int KestrumPrinter::drawTimes(const KestrumRunHeader &header, int y)
{
    const QString colon = QStringLiteral(": ");
    return drawColumns({Column{tr("Duration") + colon + storedText(header.duration),
                               tr("Start time") + colon + timeText(header.startTime)},
                        Column{tr("Pause time") + colon + storedText(header.pauseTime),
                               tr("Stop time") + colon + timeText(header.stopTime)}},
                       y, false);
}

KestrumPrinter::Column KestrumPrinter::extremesColumn(const QString &title, const QString &unity,
                                                      double max, double min, ValueText text)
{
    return {title + QStringLiteral(" [") + unity + QLatin1Char(']'),
            tr("Max") + QStringLiteral(": ") + text(max),
            tr("Min") + QStringLiteral(": ") + text(min)};
}

KestrumPrinter::Column KestrumPrinter::meanColumn(const QString &title, const QString &unity,
                                                  double mean, ValueText text)
{
    return {title + QStringLiteral(" [") + unity + QLatin1Char(']'),
            tr("Avg") + QStringLiteral(": ") + text(mean)};
}

void KestrumPrinter::drawColumnsSection(const QString &heading, const QList<Column> &columns,
                                        bool headed)
{
    const int top = openSection(heading);
    m_cursorY = drawColumns(columns, m_cursorY, headed) + m_spacing;
    closeSection(top);
}

void KestrumPrinter::drawChartSection(const QList<KestrumReading> &readings, const QString &unity)
{
    if (!chartWanted())
        return;
    const int top = openSection(tr("Chart"));
    // The chart's height is fixed: while measuring it is not built.
    if (measuring())
        m_cursorY += kChartHeight;
    else
        onGuiThread([&] {
            m_cursorY += drawChart(KestrumChart::temperatureChart(readings, m_chartLines, unity,
                                                                  contentWidth(), kChartHeight),
                                   m_cursorY, kChartHeight);
        });
    m_cursorY += m_spacing;
    closeSection(top);
}

QStringList KestrumPrinter::temperatureSubscripts() const
{
    return {tr("Wet"), tr("Dry"), tr("Globe")};
}

QList<VfSubSuperScript *> KestrumPrinter::readingsHeader(const QString &unity)
{
    // The table does not own its titles; they go with the report.
    auto owned = [this](VfSubSuperScript *label) {
        label->setParent(this);
        return label;
    };
    auto *unitLabel = owned(new VfSubSuperScript(QLatin1Char('[') + unity + QLatin1Char(']')));
    QList<VfSubSuperScript *> titles{owned(new VfSubSuperScript(tr("Idx"))),
                                     owned(new VfSubSuperScript(tr("D/T")))};
    const QStringList bulbs = temperatureSubscripts();
    const struct
    {
        QString text;
        QString sub;
    } labels[] = {{tr("T"), bulbs.value(KestrumReading::Wet)},
                  {tr("T"), bulbs.value(KestrumReading::Dry)},
                  {tr("T"), bulbs.value(KestrumReading::Globe)},
                  {tr("WBGT"), tr("i")},
                  {tr("WBGT"), tr("o")}};
    for (int q : kTableOrder) {
        if (m_tableColumns[size_t(q)])
            titles.append(
                owned(new VfSubSuperScript(labels[q].text, labels[q].sub, QString(), unitLabel)));
    }
    return titles;
}

QList<VfTableRow> KestrumPrinter::readingsRows(const QList<KestrumReading> &readings,
                                               const Switches &columns)
{
    QList<VfTableRow> rows;
    rows.reserve(readings.size());
    const QLatin1Char zero('0');
    int number = 0;
    for (const KestrumReading &reading : readings) {
        QStringList cells{QStringLiteral("%1").arg(++number, 3, 10, zero), timeText(reading.time)};
        for (int q : kTableOrder) {
            if (columns[size_t(q)])
                cells.append(VfReportText::numberOrAbsent(reading.values[q], 1));
        }
        rows.append(VfTableRow(cells, reading.time.date()));
    }
    return rows;
}

VfFullPageTable *KestrumPrinter::readingsTable(const QList<KestrumReading> &readings,
                                               const QString &unity)
{
    auto *table = new VfFullPageTable(m_painter);
    table->setBodyFont(m_tableBodyFont);
    table->setRows(readingsRows(readings, m_tableColumns));
    table->setHeaderFont(m_tableHeaderFont);
    table->setHeader(readingsHeader(unity));
    return table;
}

void KestrumPrinter::saveCsv(const VfCsvFile &file)
{
    if (m_ckbCsv)
        writeBesidePdf(csvFileName(), file.bytes());
}
