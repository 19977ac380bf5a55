#include "TolvarPrinter.h"

#include "Experiment.h"
#include "QmlFileName.h"
#include "VfReportText.h"
#include "VfSubSuperScript.h"
#include "models/tolvar/TolvarExperiment.h"
#include "models/tolvar/TolvarLog.h"
#include "models/tolvar/TolvarReportCharts.h"
#include "models/tolvar/TolvarResults.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QPainter>

namespace {

constexpr double kInH2OPerKPa = 4.01865;
constexpr int kPictureBand = 300;
constexpr int kChartHeight = 300;

QString absent()
{
    return VfReportText::absent();
}

QString number(double value, int decimals)
{
    return VfReportText::numberOrAbsent(value, decimals);
}

// An instrument time of day as the instrument showed it.
QString timeOfDay(const QDateTime &dateTime, const QString &format = QStringLiteral("hh:mm:ss"))
{
    return dateTime.isValid() ? dateTime.time().toString(format) : QString();
}

} // namespace

TolvarPrinter::TolvarPrinter()
    : VfPrinter(QPrinter::ScreenResolution)
{
    m_reportTitle = tr("TOLVAR 3 PLUS Report");
    m_footerText = QStringLiteral(" ");
    // The table and title faces are the framework's.
    m_labelFont = reportFont(QStringLiteral("FreeSans"), 10);
    m_familyFont = reportFont(QStringLiteral("FreeSans"), 9);
}

double TolvarPrinter::kPaToInH2O(double kPa)
{
    return kPa * kInH2OPerKPa;
}

TolvarResults *TolvarPrinter::results() const
{
    return m_experiment ? qobject_cast<TolvarResults *>(m_experiment->results()) : nullptr;
}

// ------------------------------------------------------------------ options

void TolvarPrinter::setReportOptions(QString json)
{
    QJsonObject options;
    if (!readCommonOptions(json, &options))
        return;
    m_pictures.clear();
    const QJsonArray pictures = options.value(QStringLiteral("listPictures")).toArray();
    for (const QJsonValue &picture : pictures)
        m_pictures.append(picture.toString());
    const struct
    {
        const char *key;
        QString *member;
    } texts[] = {
        {"activity", &m_activity},
        {"position", &m_position},
        {"flowCalCalibration", &m_flowCalCalibration},
    };
    for (const auto &text : texts)
        *text.member = options.value(QLatin1String(text.key)).toString();
    const struct
    {
        const char *key;
        bool *member;
    } switches[] = {
        {"activityInfoEnable", &m_activityInfoEnable},
        {"positionInfoEnable", &m_positionInfoEnable},
        {"rdkPa", &m_rdkPa},
        {"ckbChartFlow", &m_ckbChartFlow},
        {"ckbChartBackPressure", &m_ckbChartBackPressure},
        {"ckbCalField", &m_ckbCalField},
        {"ckbPreCal", &m_ckbPreCal},
        {"ckbPosCal", &m_ckbPosCal},
        {"ckbCalLab", &m_ckbCalLab},
        {"ckbFlowCalLab", &m_ckbFlowCalLab},
    };
    for (const auto &flag : switches)
        *flag.member = options.value(QLatin1String(flag.key)).toBool();
    readModelOptions(options);
}

bool TolvarPrinter::chartPageWanted() const
{
    return m_ckbChartFlow || m_ckbChartBackPressure;
}

QString TolvarPrinter::pressureText(double kPa) const
{
    return number(m_rdkPa ? kPa : kPaToInH2O(kPa), 1);
}

QString TolvarPrinter::pressureUnit() const
{
    return m_rdkPa ? QStringLiteral("kPa") : tr("inH2O");
}

// ------------------------------------------------------------ print sequence

int TolvarPrinter::print()
{
    if (!results() || beginPainting() != 0)
        return -1;
    // The statistics follow the samples even when the run was never written
    // out since it was downloaded.
    if (auto *run = qobject_cast<TolvarExperiment *>(m_experiment))
        run->updateStatistics();
    measureBottomBand();
    drawIdentification();
    drawExperimentSection();
    drawResults();
    drawCalibration();
    drawPictures();
    drawNotes();
    drawSignatureLine();
    createTable(m_tableEnable);
    // The chart page is begun only when it holds a chart, so that the pages
    // printed are the pages counted.
    if (chartPageWanted()) {
        finishPage();
        drawCharts();
    }
    m_footerHeight = drawBottomBand();
    if (m_tableEnable && printRunTable(m_experiment) != 0)
        return -1;
    return 0;
}

void TolvarPrinter::createTable(bool withTable)
{
    m_pageCount = chartPageWanted() ? 2 : 1;
    if (withTable && m_experiment)
        m_pageCount += runTablePages(m_experiment);
}

QList<VfSubSuperScript *> TolvarPrinter::tableHeader(Experiment *)
{
    const QString pressure =
        m_rdkPa ? tr("Backpressure") + QStringLiteral("  [kPa]")
                : tr("Backpressure") + QStringLiteral(" [") + tr("inH2O") + QStringLiteral("]");
    QList<VfSubSuperScript *> titles;
    for (const QString &text :
         {tr("Idx"), QStringLiteral(" "), tr("D/T"), tr("Flow") + QStringLiteral(" [L/min]"),
          pressure, tr("Volume") + QStringLiteral(" [L]")}) {
        auto *title = new VfSubSuperScript(text);
        // The table does not own its titles; they go with the report.
        title->setParent(this);
        titles.append(title);
    }
    return titles;
}

QList<VfTableRow> TolvarPrinter::tableRow(Experiment *run)
{
    QList<VfTableRow> rows;
    const auto *pumpResults = run ? qobject_cast<const TolvarResults *>(run->results()) : nullptr;
    if (!pumpResults)
        return rows;
    const QList<Log *> logs = run->logs();
    rows.reserve(logs.size());
    const QLatin1Char zero('0');
    qint64 n = 0;
    for (const Log *log : logs) {
        const auto *sample = qobject_cast<const TolvarLog *>(log);
        if (!sample)
            continue;
        const QDateTime at = sample->registerDate();
        const bool beyond = pumpResults->flowBeyondLimits(sample->Flow());
        rows.append(VfTableRow({QStringLiteral("%1").arg(++n, 3, 10, zero),
                                beyond ? QStringLiteral("*") : QStringLiteral(" "), timeOfDay(at),
                                number(sample->Flow(), 2), pressureText(sample->BackPressure()),
                                number(sample->volume(), 1)},
                               at.date()));
    }
    return rows;
}

// ------------------------------------------------------------------ blocks

void TolvarPrinter::drawIdentification()
{
    m_contentTop = m_cursorY = drawTopBand();
    const int top = openSection(QString());
    const QString separator = QStringLiteral(": ");
    Column left;
    const struct
    {
        bool shown;
        QString label;
        QString text;
    } lines[] = {
        {m_cmpnyInfoEnable, tr("Company evaluated"), m_cmpnyName},
        {m_siteInfoEnable, tr("Site/Area"), m_siteName},
        {m_emplInfoEnable, tr("Employee"), m_emplName},
        {m_positionInfoEnable, tr("Position"), m_position},
        {m_activityInfoEnable, tr("Activity"), m_activity},
    };
    for (const auto &line : lines) {
        if (line.shown)
            left.append(line.label + separator + line.text);
    }
    Column right;
    if (m_ownCompanyInfoEnable)
        right.append(tr("Valuation company") + separator + m_ownCompany);
    if (m_collectorInfoEnable)
        right.append(tr("Collected by") + separator + m_collectorName);
    right.append(tr("Date") + separator + dateText(QDate::currentDate()));
    m_cursorY = drawSpacedColumns({left, right}, m_cursorY) + m_spacing;
    closeSection(top);
}

QString TolvarPrinter::statusLine() const
{
    return QStringLiteral(" ");
}

void TolvarPrinter::drawExperimentSection()
{
    const TolvarResults *r = results();
    const int top = openSection(tr("Experiment"));
    const QString separator = QStringLiteral(": ");
    const Column left{
        tr("Date") + separator + dateText(m_experiment->dateTime().date()),
        tr("Duration") + separator + r->durationStr(),
        tr("Start time") + separator + timeOfDay(r->startTime()),
    };
    const Column right{
        statusLine(),
        tr("Pause time") + separator + r->pauseStr(),
        tr("Stop time") + separator + timeOfDay(r->stopTime()),
    };
    m_cursorY = drawColumns({left, right}, m_cursorY, false) + m_spacing;
    closeSection(top);
}

void TolvarPrinter::drawResults()
{
    const TolvarResults *r = results();
    const int top = openSection(tr("Experiment results"));
    const QString separator = QStringLiteral(": ");
    const QString sampler = r->samplerTypeLabel();
    const Column sampling{tr("Sampler type"),
                          sampler.isEmpty() ? QStringLiteral("-----") : sampler};
    const Column flow{
        tr("Flow") + QStringLiteral(" [L/min]"),
        tr("Max") + separator + number(r->flowMax(), 2),
        tr("Min") + separator + number(r->flowMin(), 2),
        tr("Average") + separator + number(r->flowAvg(), 2),
    };
    const Column backpressure{
        tr("Backpressure") + QStringLiteral(" [") + pressureUnit() + QStringLiteral("]"),
        tr("Max") + separator + pressureText(r->backpressureMax()),
        tr("Min") + separator + pressureText(r->backpressureMin()),
        tr("Average") + separator + pressureText(r->backpressureAvg()),
    };
    const Column volume{
        tr("Volume") + QStringLiteral(" [L]"),
        tr("Total") + separator + number(r->flowVolume(), 1),
    };
    m_cursorY = drawSpacedColumns({sampling, flow, backpressure, volume}, m_cursorY) + m_spacing;
    closeSection(top);
}

QString TolvarPrinter::flowCheckLine(const QString &label, const QString &flow,
                                     const QDateTime &time) const
{
    const QString heading = label + QStringLiteral(" [L/min]: ");
    if (flow.isEmpty())
        return heading + absent() + QStringLiteral(" ");
    const QString when = time.isValid() ? dateText(time.date()) + QStringLiteral(" ") +
                                              timeOfDay(time, QStringLiteral("hh:mm"))
                                        : QStringLiteral(" ");
    return heading + VfReportText::numberOrAbsent(flow, 2) + QStringLiteral(" (") + when +
           QStringLiteral(")");
}

void TolvarPrinter::drawCalibration()
{
    const bool field = m_ckbPreCal || m_ckbPosCal;
    const bool laboratory = m_ckbCalLab || m_ckbFlowCalLab;
    if (!field && !laboratory)
        return;
    const TolvarResults *r = results();
    const int top = openSection(tr("Calibration"));
    QList<Column> columns;
    if (field) {
        Column lines{tr("Field calibration")};
        if (m_ckbPreCal)
            lines.append(flowCheckLine(tr("Pre check"), r->flowPreCheck(), r->preCheckTime()));
        if (m_ckbPosCal)
            lines.append(flowCheckLine(tr("Pos check"), r->flowPosCheck(), r->posCheckTime()));
        columns.append(lines);
    }
    if (laboratory) {
        const QString separator = QStringLiteral(": ");
        Column lines{tr("Laboratory calibration")};
        if (m_ckbCalLab) {
            const QString certificate = m_calibration.certification();
            lines.append(tr("Pump") + separator +
                         (certificate.isEmpty() ? tr("invalid")
                                                : certificate + QStringLiteral(" ") +
                                                      dateText(m_calibration.date().date())));
        }
        if (m_ckbFlowCalLab)
            lines.append(tr("Flow meter") + separator + m_flowCalCalibration);
        columns.append(lines);
    }
    m_cursorY = drawColumns(columns, m_cursorY, false) + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------------ pictures

QList<TolvarPrinter::PictureCell> TolvarPrinter::pictureCells(int count, int width, int spacing)
{
    QList<PictureCell> cells;
    if (count <= 0)
        return cells;
    if (count == 1) {
        cells.append({QRect(0, 0, width, kPictureBand), QSize(width, kPictureBand)});
        return cells;
    }
    const int rows = count / 2 + count % 2;
    const int half = width / 2;
    const QSize box(half, (kPictureBand - spacing * rows) / rows);
    const int centring = (kPictureBand + spacing * rows) / rows;
    const int pitch = (spacing + kPictureBand) / rows;
    for (int i = 0; i < count; ++i)
        cells.append({QRect((i % 2) * width / 2, (i / 2) * pitch, half, centring), box});
    return cells;
}

QString TolvarPrinter::pictureFile(const QString &entry)
{
    return QmlFileName::toLocalPath(entry);
}

void TolvarPrinter::drawPictures()
{
    const int count = m_pictures.size();
    if (count == 0)
        return;
    const int top = openSection(tr("Pictures"));
    const int start = m_cursorY;
    const QList<PictureCell> cells = pictureCells(count, contentWidth(), m_spacing);
    const int rows = count / 2 + count % 2;
    const int pitch = count == 1 ? kPictureBand : (m_spacing + kPictureBand) / rows;
    // A band of pairs always ends below its last full row; a picture alone in
    // its row adds its row only when it could be shown.
    int bottom = start + (count / 2) * pitch;
    for (int i = 0; i < count; ++i) {
        const PictureCell &cell = cells.at(i);
        // Images, not pixmaps: the report may be written off the GUI thread.
        QImage picture;
        if (!picture.load(pictureFile(m_pictures.at(i))))
            continue;
        const QImage scaled =
            picture.scaled(cell.box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const int dx = qAbs((cell.area.width() - scaled.width()) / 2);
        const int dy = qAbs((cell.area.height() - scaled.height()) / 2);
        m_painter->resetTransform();
        m_painter->drawImage(m_inset + cell.area.x() + dx, start + cell.area.y() + dy, scaled);
        if (count % 2 == 1 && i == count - 1)
            bottom = start + cell.area.y() + pitch;
    }
    m_cursorY = qMax(bottom, kPictureBand) + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------------ charts

void TolvarPrinter::drawCharts()
{
    if (!chartPageWanted())
        return;
    const int top = openSection(tr("Charts"));
    if (m_ckbChartFlow)
        m_cursorY += drawFlowChart(0, m_cursorY, 1.0f);
    if (m_ckbChartBackPressure)
        m_cursorY += drawBackpressureChart(0, m_cursorY, 1.0f);
    m_cursorY += m_spacing;
    closeSection(top);
}

int TolvarPrinter::drawFlowChart(int x, int y, float widthFactor)
{
    const int width = int(contentWidth() * widthFactor);
    onGuiThread([&] {
        renderChart(TolvarReportCharts::flowChart(m_experiment, samplesAsPoints()),
                    QRect(m_inset + x, y, width, kChartHeight));
    });
    return kChartHeight;
}

int TolvarPrinter::drawBackpressureChart(int x, int y, float widthFactor)
{
    const int width = int(contentWidth() * widthFactor);
    onGuiThread([&] {
        renderChart(TolvarReportCharts::backpressureChart(m_experiment, m_rdkPa, samplesAsPoints()),
                    QRect(m_inset + x, y, width, kChartHeight));
    });
    return kChartHeight;
}
