#include "QuillonPrinter.h"

#include "Experiment.h"
#include "HoursMinutes.h"
#include "QuillonCsv.h"
#include "QuillonExposure.h"
#include "QuillonLog.h"
#include "QuillonReportCharts.h"
#include "QuillonResults.h"
#include "VfReportText.h"
#include "VfSubSuperScript.h"

#include <QImage>
#include <QJsonObject>
#include <QLocale>
#include <QPainter>

#include <cmath>
#include <optional>

namespace {

using Axis = QuillonResults::Axis;
constexpr int kAxes = QuillonResults::AxisCount;
// The report's lines stand this much further apart than the framework's.
constexpr int kLineGap = 5;
// Where the exponent of the VDV unit stands, right of the line's start.
constexpr int kVdvExponentX = 48;
constexpr int kVdvExpExponentX = 63;
constexpr int kVdvTitleExponentX = 40;
// Room kept under the last line of a first page so that rounding between
// the planning and the drawing never reaches the footer.
constexpr int kPlanningSlack = 2;
// A chart's height, and the least it is shrunk to when it shares a page.
constexpr int kChartHeight = 250;
constexpr int kChartLeast = 120;

const QString kColon = QStringLiteral(": ");
const QString kAcceleration = QStringLiteral(" [m/s\u00b2]");
// Four blanks after "m/s" that the exponent 1.75 is drawn over.
const QString kVdvUnit = QStringLiteral(" [m/s    ]");

QString absent()
{
    return VfReportText::absent();
}

// A value the instrument sent, with two decimals; as it stands when it is
// not a number ("---", "----"), "---" when empty.
QString value(const QString &text)
{
    return VfReportText::numberOrStored(text, 2);
}

QString value(std::optional<double> number)
{
    return number && std::isfinite(*number) ? VfPrinter::zeroPaddedNumber(*number, 1, 2) : absent();
}

QString value(double number)
{
    return value(std::optional<double>(number));
}

// The exponent of the VDV unit, 1.75, in the locale's number format.
QString vdvExponent()
{
    return VfPrinter::zeroPaddedNumber(1.75, 1, 2);
}

// The wall-clock time the instrument recorded.
QString clockTime(const QDateTime &dateTime)
{
    return dateTime.isValid() ? dateTime.time().toString(QStringLiteral("hh:mm:ss")) : absent();
}

// What one run brings to the day as the report prints it: the acceleration
// the run's switch selects, and its partial exposures over its exposure time
// T, for the working day W and the reference day of 8 h.
class RunExposure
{
public:
    explicit RunExposure(const QuillonResults *results)
        : m_results(results)
    {
        if (!results)
            return;
        const int seconds = hoursMinutesToSeconds(results->exposureTime());
        if (seconds >= 0)
            m_seconds = seconds;
        const int working = hoursMinutesToSeconds(QuillonResults::workingHours());
        if (working > 0)
            m_workingSeconds = working;
    }

    std::optional<double> acceleration() const
    {
        if (!m_results)
            return std::nullopt;
        return VfReportText::number(m_results->bArepEvaluation() ? m_results->arep()
                                                                 : m_results->amrGlobal());
    }

    std::optional<double> axisAcceleration(int axis) const
    {
        if (!m_results)
            return std::nullopt;
        const QuillonResults::AxisValues &values = m_results->axis(Axis(axis));
        return VfReportText::number(m_results->bArepEvaluation() ? values.arep : values.am);
    }

    std::optional<double> are() const { return partial(acceleration(), m_workingSeconds); }
    std::optional<double> aren() const
    {
        return partial(acceleration(), QuillonExposure::ReferenceDay);
    }
    std::optional<double> a8(int axis) const
    {
        return partial(axisAcceleration(axis), QuillonExposure::ReferenceDay);
    }

private:
    // sqrt(a^2 T / over); nothing without an exposure time or a day.
    std::optional<double> partial(std::optional<double> a, std::optional<int> over) const
    {
        if (!a || !m_seconds || !over)
            return std::nullopt;
        return std::sqrt(*a * *a * *m_seconds / *over);
    }

    const QuillonResults *m_results;
    std::optional<int> m_seconds;
    std::optional<int> m_workingSeconds;
};

// "X: ", "Y: ", "Z: " before the three values of an axis column.
QStringList axisLines(const QStringList &values)
{
    QStringList lines;
    for (int a = 0; a < kAxes; ++a)
        lines << QuillonResults::axisLetter(Axis(a)) + kColon + values.value(a);
    return lines;
}

// The run's resultant VDV from its VDV scaled to its exposure time.
double runVdvR(const QuillonResults *results)
{
    if (!results)
        return std::nan("");
    double sum = 0;
    for (int a = 0; a < kAxes; ++a)
        sum += std::pow(results->axis(Axis(a)).vdvExposure, 4.0);
    return std::pow(sum, 0.25);
}

} // namespace

QuillonPrinter::QuillonPrinter()
    : VfPrinter(QPrinter::ScreenResolution)
{
    m_reportTitle = tr("Vibration evaluation report");
    m_runTablesNamed = true;
    m_footerText = QStringLiteral(" ");
    useSectionReportFonts();
    // Chart texts are as large as the body's.
    m_familyFont = reportFont(QStringLiteral("FreeSans"), 10);
}

QString QuillonPrinter::applicationText(const QString &evaluationType)
{
    static const QStringList types{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                   QStringLiteral("3"), QStringLiteral("4")};
    switch (types.indexOf(evaluationType.trimmed())) {
    case 0:
        return tr("WBV");
    case 1:
    case 2:
        return tr("HAV");
    case 3:
        return tr("8 kHz");
    case 4:
        return tr("1 kHz");
    default:
        return absent();
    }
}

// ------------------------------------------------------------------ options

void QuillonPrinter::setReportOptions(QString json)
{
    QJsonObject options;
    if (!readCommonOptions(json, &options))
        return;
    const struct
    {
        const char *key;
        bool *member;
    } switches[] = {
        {"ckbCalibration", &m_ckbCalibration},
        {"ckbCsv", &m_ckbCsv},
        {"ckbChart", &m_ckbChart},
        {"ckbOctaves", &m_ckbOctaves},
        {"ckbAv", &m_ckbAv},
        {"ckbAre", &m_ckbAre},
        {"ckbAren", &m_ckbAren},
        {"ckbAxisVDV", &m_ckbAxisVDV},
        {"ckbA8", &m_ckbA8},
        {"ckbAreFinal", &m_ckbAreFinal},
        {"ckbArenFinal", &m_ckbArenFinal},
        {"ckbAxisA8Final", &m_ckbAxisA8Final},
        {"ckbVDVFinal", &m_ckbVDVFinal},
        {"ckbAxisVDVFinal", &m_ckbAxisVDVFinal},
        {"ckbA8Final", &m_ckbA8Final},
        {"ckbCFDetail", &m_ckbCFDetail},
        {"ckbPeakDetail", &m_ckbPeakDetail},
        {"ckbMTVVDetail", &m_ckbMTVVDetail},
        {"ckbAvgDetail", &m_ckbAvgDetail},
        {"ckbMinDetail", &m_ckbMinDetail},
        {"ckbMaxDetail", &m_ckbMaxDetail},
        {"ckbSensDetail", &m_ckbSensDetail},
        {"ckbAvgRDetail", &m_ckbAvgRDetail},
        {"ckbAxisVDVDetail", &m_ckbAxisVDVDetail},
        {"ckbAxisVDVexpDetail", &m_ckbAxisVDVexpDetail},
        {"ckbVDVRDetail", &m_ckbVDVRDetail},
        {"ckbA8Detail", &m_ckbA8Detail},
        {"ckbAreDetail", &m_ckbAreDetail},
        {"ckbArenDetail", &m_ckbArenDetail},
    };
    for (const auto &flag : switches)
        *flag.member = options.value(QLatin1String(flag.key)).toBool();
}

// ------------------------------------------------------------ print sequence

int QuillonPrinter::print()
{
    if (beginPainting() != 0)
        return -1;
    measureBottomBand();
    planSummaryPages();
    m_pageClosed = false;
    drawSummaryPages();
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        drawConfiguration(run);
        if (m_ckbSensDetail)
            drawSensor(run);
        drawLimits(run);
        drawAcceleration(run);
        drawDose(run);
        if (m_ckbChart) {
            openPage();
            drawCharts(run);
        }
        if (m_ckbOctaves && hasBands(run)) {
            openPage();
            drawOctaves(run);
        }
        closePage();
        if (m_tableEnable && printRunTable(run) != 0)
            return -1;
    }
    closePage();
    exportCsv();
    return 0;
}

void QuillonPrinter::createTable(bool withTable)
{
    m_pageCount = m_summaryPages;
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        m_pageCount += 1;
        if (m_ckbChart)
            m_pageCount += 1;
        if (m_ckbOctaves && hasBands(run))
            m_pageCount += 1;
        // A table too wide for the page clears the switch for every run.
        if (withTable && m_tableEnable)
            m_pageCount += runTablePages(run);
    }
}

void QuillonPrinter::openPage()
{
    closePage();
    newPage();
    m_contentTop = m_cursorY = drawTopBand();
    m_pageClosed = false;
}

void QuillonPrinter::closePage()
{
    if (m_pageClosed)
        return;
    m_footerHeight = drawBottomBand();
    m_pageClosed = true;
}

bool QuillonPrinter::hasBands(Experiment *run)
{
    const QuillonResults *results = resultsOf(run);
    return results && !results->bands(QuillonResults::AxisX).isEmpty();
}

// ------------------------------------------------------------ first pages

int QuillonPrinter::summaryBottom() const
{
    return m_painter->window().height() - m_footerHeight - kPlanningSlack;
}

void QuillonPrinter::planSummaryPages()
{
    const QRect window = m_painter->window();
    QImage scratch(window.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.setDotsPerMeterX(qRound(resolution() / 0.0254));
    scratch.setDotsPerMeterY(qRound(resolution() / 0.0254));
    QPainter planner(&scratch);
    QPainter *const pdf = m_painter;
    const int pageNumber = m_pageNumber;
    m_painter = &planner;
    m_planning = true;
    m_plannedBreaks.clear();
    m_summaryPages = 1;
    drawSummaryPages();
    m_planning = false;
    m_painter = pdf;
    m_pageNumber = pageNumber;
}

void QuillonPrinter::drawSummaryPages()
{
    m_blockNumber = 0;
    drawIdentification();
    // The page total is known once the first page's top band is drawn: the
    // tables are laid out from there on every page.
    if (!m_planning)
        createTable(m_tableEnable);
    drawExposureComponents();
    drawSummaryBlock([this] { drawEvaluationResults(); });
    drawSummaryBlock([this] { drawCalibration(); });
    drawNotesAndSignature();
}

void QuillonPrinter::drawSummaryBlock(const Draw &draw, const Draw &leave, const Draw &resume)
{
    const int block = m_blockNumber++;
    const auto breakPage = [&] {
        if (leave)
            leave();
        if (m_planning) {
            ++m_summaryPages;
            m_cursorY = m_contentTop;
        } else {
            openPage();
        }
        if (resume)
            resume();
    };
    if (!m_planning) {
        if (m_plannedBreaks.contains(block))
            breakPage();
        draw();
        return;
    }
    const int top = m_cursorY;
    draw();
    // A block that does not fit a page of its own either stays where it is.
    if (m_cursorY <= summaryBottom() || top <= m_contentTop)
        return;
    m_cursorY = top;
    m_plannedBreaks.insert(block);
    breakPage();
    draw();
}

void QuillonPrinter::drawNotesAndSignature()
{
    // Notes that do not fit what is left of the page start on the next one,
    // rather than being cut at the bottom of this one.
    drawSummaryBlock([this] {
        if (m_planning && notesWouldBeCut())
            m_cursorY = summaryBottom() + 1;
        else
            drawNotes();
    });
    drawSummaryBlock([this] { drawSignatureLine(); });
}

// ------------------------------------------------------------ primitives

int QuillonPrinter::drawTextAt(QString text, int x, int y, QRect area)
{
    return VfPrinter::drawTextAt(text, x, y, area) + kLineGap;
}

int QuillonPrinter::drawLabelValueAt(QString label, QString value, int x, int y, int dx, int dy,
                                     QRect area)
{
    return VfPrinter::drawLabelValueAt(label, value, x, y, dx, dy, area) + kLineGap;
}

int QuillonPrinter::drawSmallTextAt(const QString &text, int x, int y, const QRect &area)
{
    const QFont saved = m_painter->font();
    m_painter->setFont(m_valueFont);
    m_painter->resetTransform();
    m_painter->translate(x, y);
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    const QRect rect = m_painter->boundingRect(area, flags, text);
    m_painter->drawText(rect, flags, text);
    m_painter->setFont(saved);
    return rect.height() + QFontMetrics(saved).leading();
}

QRect QuillonPrinter::textArea() const
{
    QRect area = m_painter->window();
    area.setRight(area.right() - 2 * m_inset);
    return area;
}

int QuillonPrinter::columnWidth(int columns) const
{
    return contentWidth() / qMax(1, columns);
}

int QuillonPrinter::drawLines(const QStringList &lines, int x, int y)
{
    // Each line wraps within what is left of the page from x.
    QRect area = textArea();
    area.setWidth(qMax(1, area.width() - x + m_inset));
    for (const QString &line : lines)
        y += drawTextAt(line, x, y, QRect(0, 0, area.width(), 0));
    return y;
}

int QuillonPrinter::drawVdvLine(const QString &label, const QString &text, int x, int y,
                                int exponentX)
{
    drawSmallTextAt(vdvExponent(), x + exponentX, y, textArea());
    return y + drawTextAt(label + kVdvUnit + kColon + text, x, y, textArea());
}

void QuillonPrinter::drawColumnSection(const QString &heading,
                                       const QList<std::function<int(int x, int y)>> &columns,
                                       int columnCount)
{
    const int top = openSection(heading);
    const int y0 = m_cursorY;
    const int width = columnWidth(columnCount < 0 ? int(columns.size()) : columnCount);
    int bottom = y0;
    for (int k = 0; k < columns.size(); ++k)
        bottom = qMax(bottom, columns.at(k)(m_inset + k * width, y0));
    m_cursorY = bottom + m_spacing;
    closeSection(top);
}

QuillonResults *QuillonPrinter::resultsOf(Experiment *run)
{
    return run ? qobject_cast<QuillonResults *>(run->results()) : nullptr;
}

// ------------------------------------------------------------ identification

void QuillonPrinter::drawIdentification()
{
    m_contentTop = m_cursorY = drawTopBand();
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
    const int top = openSection(QString());
    const int half = m_painter->window().width() / 2;

    QStringList left;
    if (m_cmpnyInfoEnable)
        left << tr("Company evaluated") + kColon + m_cmpnyName;
    if (m_siteInfoEnable)
        left << tr("Site/Area") + kColon + m_siteName;
    if (m_emplInfoEnable)
        left << tr("Employee") + kColon + m_emplName;
    const QuillonResults *head = resultsOf(m_experiment);
    left << tr("Application") + kColon + applicationText(head ? head->evaluationType() : QString());
    const int leftBottom = drawLines(left, m_inset, m_cursorY);

    QStringList right;
    if (m_ownCompanyInfoEnable)
        right << tr("Valuation company") + kColon + m_ownCompany;
    if (m_collectorInfoEnable)
        right << tr("Collected by") + kColon + m_collectorName;
    const int rightX = half + m_inset;
    int rightBottom = drawLines(right, rightX, m_cursorY);
    rightBottom +=
        drawDateLine(m_experiment ? m_experiment->dateTime() : QDateTime(), rightX, rightBottom);
    rightBottom = drawLines(
        {tr("Working hours") + QStringLiteral(" [hh:mm]: ") + QuillonResults::workingHours()},
        rightX, rightBottom);

    m_cursorY = qMax(leftBottom, rightBottom) + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------ exposure components

void QuillonPrinter::drawExposureComponents()
{
    struct Column
    {
        bool shown;
        QString title;
        std::function<QString(Experiment *run)> cell;
        // The title is "VDV [m/s^1.75]" over this axis letter.
        bool vdvAxis = false;
    };
    const auto exposure = [](Experiment *run) { return RunExposure(resultsOf(run)); };
    const auto vdvCell = [](int axis) {
        return [axis](Experiment *run) {
            const QuillonResults *r = resultsOf(run);
            return r ? value(r->axis(Axis(axis)).vdv) : absent();
        };
    };
    const QList<Column> all{
        {true, tr("Event"), [](Experiment *run) { return QString::number(run->position()); }},
        {true, tr("Exposure"),
         [](Experiment *run) {
             const QuillonResults *r = resultsOf(run);
             return r && !r->exposureTime().isEmpty() ? r->exposureTime() : absent();
         }},
        {m_ckbAv, tr("av") + QStringLiteral("[m/s\u00b2]"),
         [&](Experiment *run) { return value(exposure(run).acceleration()); }},
        {m_ckbAre, tr("are") + QStringLiteral("[m/s\u00b2]"),
         [&](Experiment *run) { return value(exposure(run).are()); }},
        {m_ckbAren, tr("aren") + QStringLiteral("[m/s\u00b2]"),
         [&](Experiment *run) { return value(exposure(run).aren()); }},
        {m_ckbAxisVDV, QStringLiteral("X"), vdvCell(0), true},
        {m_ckbAxisVDV, QStringLiteral("Y"), vdvCell(1), true},
        {m_ckbAxisVDV, QStringLiteral("Z"), vdvCell(2), true},
        {m_ckbA8, tr("A(8)") + QStringLiteral("[m/s\u00b2]"),
         [&](Experiment *run) { return value(exposure(run).aren()); }},
    };
    QList<Column> columns;
    for (const Column &column : all) {
        if (column.shown)
            columns.append(column);
    }
    const int width = columnWidth(int(columns.size()));
    const auto columnX = [&](int k) { return m_inset + k * width; };
    const QRect area(0, 0, qMax(1, width), 0);

    int frameTop = 0;
    const auto drawTitles = [&] {
        int bottom = m_cursorY;
        for (int k = 0; k < columns.size(); ++k) {
            const QString &title = columns.at(k).title;
            int height;
            if (columns.at(k).vdvAxis) {
                drawSmallTextAt(vdvExponent(), columnX(k) + kVdvTitleExponentX, m_cursorY, area);
                height = drawLabelValueAt(QStringLiteral("VDV") + kVdvUnit, title, columnX(k),
                                          m_cursorY, 12, -3, area);
            } else {
                height = drawTextAt(title, columnX(k), m_cursorY, area);
            }
            bottom = qMax(bottom, m_cursorY + height);
        }
        m_cursorY = bottom;
    };
    const auto openFrame = [&] {
        frameTop = m_cursorY;
        m_cursorY += m_spacing;
        m_painter->setFont(m_labelFont);
        drawTitles();
    };
    const auto closeFrame = [&] {
        m_cursorY += m_spacing;
        closeSection(frameTop);
    };

    drawSummaryBlock([&] {
        m_cursorY += m_spacing;
        drawParagraph(tr("Exposure components"));
        openFrame();
    });
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        drawSummaryBlock(
            [&] {
                int height = 0;
                for (int k = 0; k < columns.size(); ++k)
                    height = drawTextAt(columns.at(k).cell(run), columnX(k), m_cursorY, area);
                m_cursorY += height;
            },
            closeFrame, openFrame);
    }
    closeFrame();
}

// ------------------------------------------------------------ evaluation results

void QuillonPrinter::drawEvaluationResults()
{
    const QuillonResults::DailyValues day = QuillonResults::daily();
    const QString acceleration = kAcceleration + kColon;
    QList<std::function<int(int, int)>> columns;
    if (m_ckbAreFinal || m_ckbArenFinal || m_ckbA8Final) {
        QStringList lines;
        if (m_ckbAreFinal)
            lines << tr("are") + acceleration + value(day.are);
        if (m_ckbArenFinal)
            lines << tr("aren") + acceleration + value(day.aren);
        if (m_ckbA8Final)
            lines << tr("A(8)") + acceleration + value(day.aren);
        columns << [this, lines](int x, int y) { return drawLines(lines, x, y); };
    }
    if (m_ckbAxisVDVFinal) {
        columns << [this, day](int x, int y) {
            const char *const names[] = {"VDVexpX", "VDVexpY", "VDVexpZ"};
            for (int a = 0; a < kAxes; ++a)
                y = drawVdvLine(tr(names[a]), value(day.vdvExposure[a]), x, y, kVdvExpExponentX);
            return y;
        };
    }
    if (m_ckbAxisA8Final) {
        columns << [this, day](int x, int y) {
            return drawLines({QStringLiteral("A(8)X [m/s\u00b2]: ") + value(day.a8[0]),
                              QStringLiteral("A(8)Y [m/s\u00b2]: ") + value(day.a8[1]),
                              QStringLiteral("A(8)Z [m/s\u00b2]: ") + value(day.a8[2])},
                             x, y);
        };
    }
    if (m_ckbVDVFinal) {
        columns << [this, day](int x, int y) {
            return drawVdvLine(tr("VDVR"), value(day.vdvR), x, y, kVdvExponentX);
        };
    }
    if (columns.isEmpty())
        return;
    drawColumnSection(tr("Evaluation results"), columns);
}

// ------------------------------------------------------------ calibration

void QuillonPrinter::drawCalibration()
{
    if (!m_ckbCalibration)
        return;
    const int top = openSection(tr("Calibration"));
    const QDate date = m_calibration.date().date();
    const QString text = tr("Calibration certificate") + kColon + m_calibration.certification() +
                         QLatin1Char(' ') + (date.isValid() ? dateText(date) : absent());
    m_cursorY += qMax(0, drawTextAt(text, m_inset, m_cursorY, m_painter->window())) + m_spacing;
    closeSection(top);
    m_cursorY += m_spacing;
    m_painter->resetTransform();
}

// ------------------------------------------------------------ a run's page

void QuillonPrinter::drawConfiguration(Experiment *run)
{
    openPage();
    const QuillonResults *r = resultsOf(run);
    const auto text = [r](QString (QuillonResults::*field)() const) {
        return r ? (r->*field)() : QString();
    };
    const int top = openSection(tr("Configuration"));
    const int y0 = m_cursorY;
    const int half = contentWidth() / 2;
    drawTextAt(tr("Event") + kColon + QString::number(run->position()), m_inset, y0, textArea());
    const int rowBottom =
        y0 + drawTextAt(tr("Task name") + kColon + text(&QuillonResults::label), half + 2 * m_inset,
                        y0, QRect(0, 0, half - 2 * m_inset, 0));
    const int y1 = drawLines({QStringLiteral(" ")}, m_inset, rowBottom);

    QString timeWeighting;
    const QString weighting = text(&QuillonResults::timeWeighting);
    if (weighting == QLatin1String("Slow"))
        timeWeighting = tr("Slow");
    else if (weighting == QLatin1String("Low-frequency"))
        timeWeighting = tr("Low-frequency");
    else if (weighting == QLatin1String("Fast"))
        timeWeighting = tr("Fast");
    const QString exposure = text(&QuillonResults::exposureTime);
    const QString sampleTime = text(&QuillonResults::sampleTime);
    const QString pause = text(&QuillonResults::pauseTime);
    const int width = columnWidth(3);
    const int end =
        drawLines({tr("Time weighting") + kColon + timeWeighting,
                   tr("Sample time") + QStringLiteral(" [s]: ") +
                       (sampleTime.isEmpty() ? absent() : sampleTime),
                   tr("Start time") + kColon + clockTime(r ? r->startTime() : QDateTime()),
                   tr("Stop time") + kColon + clockTime(r ? r->stopTime() : QDateTime()),
                   tr("Duration") + kColon + (r ? r->durationStr() : absent()),
                   tr("Exposure time") + kColon +
                       (exposure.isEmpty() ? absent() : exposure + QStringLiteral(":00")),
                   tr("Pause time") + kColon + (pause.isEmpty() ? absent() : pause)},
                  m_inset, y1);
    QStringList weightings{tr("Frequency weighting")};
    QStringList factors{tr("Multiplication factor")};
    for (int a = 0; a < kAxes; ++a) {
        const QString axis = QuillonResults::axisLetter(Axis(a)) + kColon;
        const QString frequency = r ? r->axis(Axis(a)).freqWeighting : QString();
        weightings << axis + (frequency.isEmpty() ? absent() : frequency);
        factors << axis + value(r ? r->axis(Axis(a)).factor : QString());
    }
    drawLines(weightings, m_inset + width, y1);
    drawLines(factors, m_inset + 2 * width, y1);
    // Only the first column is long enough to end the section.
    m_cursorY = end + m_spacing;
    closeSection(top);
}

void QuillonPrinter::drawSensor(Experiment *run)
{
    const QuillonResults *r = resultsOf(run);
    const QStringList left{tr("Name") + kColon + (r ? r->sensorLabel() : QString()),
                           tr("SN") + kColon + (r ? r->sensorSN() : QString())};
    QStringList sensitivities;
    for (int a = 0; a < kAxes; ++a)
        sensitivities << value(r ? r->axis(Axis(a)).sensitivity : QString());
    const QStringList right =
        QStringList{tr("Sensitivity") + QStringLiteral(" [mV/g]")} + axisLines(sensitivities);
    drawColumnSection(tr("Sensor"),
                      {[this, left](int x, int y) { return drawLines(left, x, y); },
                       [this, right](int x, int y) { return drawLines(right, x, y); }});
}
void QuillonPrinter::drawLimits(Experiment *run)
{
    const QuillonResults *r = resultsOf(run);
    const bool arep = r && r->bArepEvaluation();
    const auto axisTexts = [r](QString QuillonResults::AxisValues::*field) {
        QStringList texts;
        for (int a = 0; a < kAxes; ++a)
            texts << (r ? r->axis(Axis(a)).*field : QString());
        return texts;
    };
    const auto formatted = [](const QStringList &texts) {
        QStringList values;
        for (const QString &text : texts)
            values << value(text);
        return values;
    };
    const QString unit = kAcceleration;
    const QStringList averages =
        axisTexts(arep ? &QuillonResults::AxisValues::arep : &QuillonResults::AxisValues::am);
    const QStringList peaks = axisTexts(&QuillonResults::AxisValues::peak);
    QStringList mtvv;
    for (int a = 0; a < kAxes; ++a)
        mtvv << (r ? r->axis(Axis(a)).weighted[QuillonResults::WeightingS].maximum : QString());
    QStringList crestFactors;
    for (int a = 0; a < kAxes; ++a) {
        const std::optional<double> peak = VfReportText::number(peaks.at(a));
        const std::optional<double> average = VfReportText::number(averages.at(a));
        // No crest factor without an average to divide by.
        crestFactors << (peak && average && *average != 0 ? value(*peak / *average) : absent());
    }

    int count = 0;
    QList<std::function<int(int, int)>> columns;
    const auto add = [&](bool shown, const QString &title, const QStringList &values,
                         int titleShift, int valueShift) {
        if (!shown)
            return;
        ++count;
        columns << [this, title, values, titleShift, valueShift](int x, int y) {
            const int below = drawLines({title}, x + titleShift, y);
            return drawLines(axisLines(values), x + valueShift, below);
        };
    };
    add(m_ckbMaxDetail, tr("Maximum") + unit,
        formatted(axisTexts(&QuillonResults::AxisValues::maximum)), 0, 0);
    add(m_ckbMinDetail, tr("Minimum") + unit,
        formatted(axisTexts(&QuillonResults::AxisValues::minimum)), 0, 0);
    add(m_ckbAvgDetail, tr("Average") + unit, formatted(averages), 0, 0);
    add(m_ckbPeakDetail, tr("Peak") + unit, formatted(peaks), m_inset, m_inset);
    // The instrument leaves MTVV out of runs without a slow weighting: its
    // place stays empty.
    if (VfReportText::number(mtvv.at(0)))
        add(m_ckbMTVVDetail, tr("MTVV") + unit, formatted(mtvv), m_inset, m_inset);
    else if (m_ckbMTVVDetail)
        ++count;
    add(m_ckbCFDetail, tr("C.F."), crestFactors, m_inset, 0);
    if (count == 0)
        return;
    drawColumnSection(tr("Limits"), columns, count);
}

void QuillonPrinter::drawAcceleration(Experiment *run)
{
    const RunExposure exposure(resultsOf(run));
    const QString unit = kAcceleration + kColon;
    QList<std::function<int(int, int)>> columns;
    if (m_ckbA8Detail) {
        QStringList lines{tr("A(8)") + unit + value(exposure.aren())};
        const char *const names[] = {"A(8)X", "A(8)Y", "A(8)Z"};
        for (int a = 0; a < kAxes; ++a)
            lines << tr(names[a]) + unit + value(exposure.a8(a));
        columns << [this, lines](int x, int y) { return drawLines(lines, x, y); };
    }
    if (m_ckbAreDetail) {
        const QStringList lines{tr("are") + unit + value(exposure.are())};
        columns << [this, lines](int x, int y) { return drawLines(lines, x, y); };
    }
    if (m_ckbArenDetail) {
        const QStringList lines{tr("aren") + unit + value(exposure.aren())};
        columns << [this, lines](int x, int y) { return drawLines(lines, x, y); };
    }
    if (m_ckbAvgRDetail) {
        const QStringList lines{tr("Av") + unit + value(exposure.acceleration())};
        columns << [this, lines](int x, int y) { return drawLines(lines, x, y); };
    }
    if (columns.isEmpty())
        return;
    drawColumnSection(tr("Acceleration"), columns);
}

void QuillonPrinter::drawDose(Experiment *run)
{
    const QuillonResults *r = resultsOf(run);
    QList<std::function<int(int, int)>> columns;
    if (m_ckbVDVRDetail) {
        columns << [this, r](int x, int y) {
            return drawVdvLine(tr("VDVR"), value(runVdvR(r)), x, y, kVdvExponentX);
        };
    }
    if (m_ckbAxisVDVDetail) {
        columns << [this, r](int x, int y) {
            const char *const names[] = {"VDVX", "VDVY", "VDVZ"};
            for (int a = 0; a < kAxes; ++a)
                y = drawVdvLine(tr(names[a]), value(r ? r->axis(Axis(a)).vdv : QString()), x, y,
                                kVdvExponentX);
            return y;
        };
    }
    if (m_ckbAxisVDVexpDetail) {
        columns << [this, r](int x, int y) {
            const char *const names[] = {"VDVexpX", "VDVexpY", "VDVexpZ"};
            for (int a = 0; a < kAxes; ++a)
                y = drawVdvLine(tr(names[a]),
                                value(r ? r->axis(Axis(a)).vdvExposure : std::nan("")), x, y,
                                kVdvExpExponentX);
            return y;
        };
    }
    if (columns.isEmpty())
        return;
    drawColumnSection(tr("Dose"), columns);
}

// ------------------------------------------------------------ sample table

QList<VfSubSuperScript *> QuillonPrinter::tableHeader(Experiment *)
{
    // The table does not own its titles; they go with the report.
    const auto part = [this](const QString &text, const QString &sub = QString(),
                             const QString &sup = QString(), VfSubSuperScript *next = nullptr) {
        auto *label = new VfSubSuperScript(text, sub, sup, next);
        label->setParent(this);
        return label;
    };
    const auto unit = [&](const QString &exponent) {
        return part(QStringLiteral("[m/s"), QString(), exponent, part(QStringLiteral("]")));
    };
    const QString acceleration = QStringLiteral("2");
    const QString dose = vdvExponent();
    return {part(tr("Idx")),
            part(tr("D/T")),
            part(tr("a"), QStringLiteral("wX"), QString(), unit(acceleration)),
            part(tr("a"), QStringLiteral("wY"), QString(), unit(acceleration)),
            part(tr("a"), QStringLiteral("wZ"), QString(), unit(acceleration)),
            part(tr("VDV"), QStringLiteral("X"), QString(), unit(dose)),
            part(tr("VDV"), QStringLiteral("Y"), QString(), unit(dose)),
            part(tr("VDV"), QStringLiteral("Z"), QString(), unit(dose)),
            part(tr("CF"), QStringLiteral("X")),
            part(tr("CF"), QStringLiteral("Y")),
            part(tr("CF"), QStringLiteral("Z")),
            part(tr("a"), QStringLiteral("mr"), QString(), unit(acceleration))};
}

QList<VfTableRow> QuillonPrinter::tableRow(Experiment *run)
{
    QList<VfTableRow> rows;
    if (!run)
        return rows;
    const QList<Log *> logs = run->logs();
    rows.reserve(logs.size());
    const QLatin1Char zero('0');
    int number = 0;
    for (const Log *log : logs) {
        ++number;
        const auto *sample = qobject_cast<const QuillonLog *>(log);
        const QDateTime at = log->registerDate();
        QStringList cells{QStringLiteral("%1").arg(number, 3, 10, zero), clockTime(at)};
        const QStringList values =
            sample ? QStringList{sample->awX(),  sample->awY(),  sample->awZ(), sample->vdvX(),
                                 sample->vdvY(), sample->vdvZ(), sample->fcX(), sample->fcY(),
                                 sample->fcZ(),  sample->amr()}
                   : QStringList();
        for (int column = 0; column < 10; ++column)
            cells << value(values.value(column));
        rows.append(VfTableRow(cells, at.date()));
    }
    return rows;
}

// ------------------------------------------------------------ charts

void QuillonPrinter::drawCharts(Experiment *run)
{
    const int top = openSection(tr("Charts"));
    onGuiThread([&] {
        m_cursorY += drawChart(QuillonReportCharts::acceleration(run->logs()), m_cursorY,
                               sharedChartHeight(1, m_spacing, kChartHeight, kChartLeast)) +
                     m_spacing;
    });
    closeSection(top);
}

void QuillonPrinter::drawOctaves(Experiment *run)
{
    const QuillonResults *r = resultsOf(run);
    if (!r)
        return;
    m_cursorY += m_spacing;
    drawParagraph(tr("Octaves"));
    // Three charts, each in a frame of its own, share the page.
    const int height = sharedChartHeight(kAxes, 3 * kAxes * m_spacing, kChartHeight, kChartLeast);
    for (int a = 0; a < kAxes; ++a) {
        const auto axis = Axis(a);
        const int top = m_cursorY + m_spacing;
        onGuiThread([&] {
            m_cursorY = top + drawChart(QuillonReportCharts::octaves(
                                            r->bands(axis), QuillonResults::axisLetter(axis),
                                            r->octaveAnalysis()),
                                        top, height);
        });
        drawSectionFrame(top, m_cursorY);
        m_cursorY += 2 * m_spacing;
    }
    m_sectionEndY = m_cursorY;
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
}

// ------------------------------------------------------------ CSV

QStringList QuillonPrinter::outputFileNames() const
{
    QStringList files = VfPrinter::outputFileNames();
    if (m_ckbCsv)
        files.append(VfCsvFile::besidePdf(reportFileName()));
    return files;
}

void QuillonPrinter::exportCsv()
{
    if (m_ckbCsv)
        writeBesidePdf(VfCsvFile::besidePdf(reportFileName()),
                       QuillonCsv::build(m_experiment).bytes());
}
