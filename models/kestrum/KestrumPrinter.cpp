#include "KestrumPrinter.h"

#include "KestrumRunHeader.h"
#include "ParallelChunks.h"
#include "VfCsvFile.h"
#include "VfFullPageTable.h"
#include "VfReportText.h"
#include "VfSubSuperScript.h"

#include <QLocale>
#include <QPainter>

#include <cmath>
#include <vector>

namespace {

constexpr int kChartHeight = 300;
// Fewer table rows are made faster on one thread.
constexpr int kRowsPerThread = 2048;

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
    // A full day of rows is made on several threads, each chunk's in order.
    // A reading's text repeats all day long: each is formatted once per chunk.
    const int count = readings.size();
    std::vector<QList<VfTableRow>> chunks(ParallelChunks::chunkCount(count, kRowsPerThread));
    ParallelChunks::run(count, kRowsPerThread, [&](int chunk, int begin, int end) {
        QList<VfTableRow> &rows = chunks[size_t(chunk)];
        rows.reserve(end - begin);
        QHash<QString, QString> formatted;
        const auto format = [&formatted](const QString &value) {
            auto found = formatted.constFind(value);
            if (found == formatted.constEnd())
                found = formatted.insert(value, VfReportText::numberOrAbsent(value, 1));
            return *found;
        };
        const QLatin1Char zero('0');
        for (int i = begin; i < end; ++i) {
            const KestrumReading &reading = readings.at(i);
            QStringList cells{QStringLiteral("%1").arg(i + 1, 3, 10, zero), timeText(reading.time)};
            for (int q : kTableOrder) {
                if (columns[size_t(q)])
                    cells.append(format(reading.values[q]));
            }
            rows.append(VfTableRow(cells, reading.time.date()));
        }
    });
    QList<VfTableRow> rows;
    rows.reserve(count);
    for (const QList<VfTableRow> &chunk : chunks)
        rows += chunk;
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
