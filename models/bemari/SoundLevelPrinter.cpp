#include "SoundLevelPrinter.h"

#include "Experiment.h"
#include "Results.h"
#include "VfReportText.h"
#include "VfSubSuperScript.h"
#include "models/bemari/SoundLevelResults.h"

#include <QPainter>

#include <cmath>
#include <optional>

namespace {

QString colon()
{
    return QStringLiteral(": ");
}

// The instrument's own wall-clock time, or "---" for a time it did not give.
QString clockText(const QDateTime &dateTime)
{
    return dateTime.isValid() ? dateTime.time().toString(QStringLiteral("hh:mm:ss"))
                              : VfReportText::absent();
}

std::optional<double> singleNumber(const QString &text)
{
    const std::optional<double> value = VfReportText::number(text);
    if (!value || !std::isfinite(float(*value)))
        return value;
    // The instrument works in single precision.
    return double(float(*value));
}

} // namespace

SoundLevelPrinter::SoundLevelPrinter()
    : VfPrinter(QPrinter::ScreenResolution)
{
    m_reportTitle = tr("Noise Report");
    m_runTablesNamed = true;
    m_footerText = tr(" ");
    const QString mono = QStringLiteral("FreeMono");
    const QString sans = QStringLiteral("FreeSans");
    m_tableBodyFont = reportFont(mono, 8);
    m_tableHeaderFont = reportFont(mono, 8);
    m_sectionTitleFont = reportFont(sans, 10, QFont::Bold);
    m_labelFont = reportFont(sans, 10);
    m_familyFont = reportFont(sans, 9);
    m_valueFont = reportFont(sans, 6);
}

bool SoundLevelPrinter::bandChartShown(char weighting) const
{
    switch (weighting) {
    case 'Z':
        return m_ckbLeqZ;
    case 'A':
        return m_ckbLeqA;
    case 'C':
        return m_ckbLeqC;
    default:
        return false;
    }
}

// ------------------------------------------------------------------ options

void SoundLevelPrinter::setReportOptions(QString json)
{
    QJsonObject options;
    if (!readCommonOptions(json, &options))
        return;
    m_audCertified = options.value(QStringLiteral("audCertified")).toString();
    const struct
    {
        const char *key;
        bool *member;
    } switches[] = {
        {"ckbChartLvl", &m_ckbChartLvl},   {"ckbLeqZ", &m_ckbLeqZ},
        {"ckbLeqA", &m_ckbLeqA},           {"ckbLeqC", &m_ckbLeqC},
        {"ckbCalField", &m_ckbCalField},   {"ckbPreChk", &m_ckbPreChk},
        {"ckbPosChk", &m_ckbPosChk},       {"ckbCalLab", &m_ckbCalLab},
        {"ckbCalAudLab", &m_ckbCalAudLab},
    };
    for (const auto &flag : switches)
        *flag.member = options.value(QLatin1String(flag.key)).toBool();
    readModelOptions(options);
}

// ------------------------------------------------------------------ texts

QString SoundLevelPrinter::levelText(const QString &text, bool single)
{
    const std::optional<double> value = single ? singleNumber(text) : VfReportText::number(text);
    if (!value)
        return text.isEmpty() ? VfReportText::absent() : text;
    return zeroPaddedNumber(*value, 2, 2);
}

QString SoundLevelPrinter::deviationText(const QString &pre, const QString &post)
{
    const std::optional<double> before = singleNumber(pre);
    const std::optional<double> after = singleNumber(post);
    if (!before || !after)
        return VfReportText::absent();
    return zeroPaddedNumber(double(float(*before) - float(*after)), 2, 2);
}

SoundLevelResults *SoundLevelPrinter::soundLevelResults(const Experiment *run)
{
    return run ? qobject_cast<SoundLevelResults *>(run->results()) : nullptr;
}

QString SoundLevelPrinter::timeWeightingText(const QString &timeWeighting) const
{
    if (timeWeighting == QLatin1String("Slow"))
        return tr("Slow");
    if (timeWeighting == QLatin1String("Fast"))
        return tr("Fast");
    if (timeWeighting == QLatin1String("Impulse"))
        return tr("Impulse");
    return QString();
}

// ------------------------------------------------------------ sequence

int SoundLevelPrinter::print()
{
    if (beginPainting() != 0)
        return -1;
    measureBottomBand();
    m_contentTop = m_cursorY = drawTopBand();
    m_sectionPages = measurePages([this] {
        layOutFirstPage();
        layOutRunPages();
    });
    createTable(m_tableEnable);

    layOutFirstPage();
    m_footerHeight = drawBottomBand();
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        startPage();
        layOutRun(run);
        m_footerHeight = drawBottomBand();
        if (m_tableEnable && printRunTable(run) != 0)
            return -1;
    }
    return 0;
}

void SoundLevelPrinter::createTable(bool withTable)
{
    m_pageCount = m_sectionPages;
    if (!withTable || !m_experiment)
        return;
    int tablePages = 0;
    for (Experiment *run = m_experiment->first(); run && m_tableEnable; run = run->next())
        tablePages += tablePageCount(run);
    // The tables counted before one too wide are not printed either.
    if (m_tableEnable)
        m_pageCount += tablePages;
}

void SoundLevelPrinter::layOutFirstPage()
{
    layOutIdentification();
    layOutMeasuringPoints();
    placeSection([this] { layOutLaboratoryCalibration(); });
    placeNotes();
    placeSection([this] { drawSignatureLine(); });
}

void SoundLevelPrinter::layOutRunPages()
{
    for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run; run = run->next()) {
        startPage();
        layOutRun(run);
    }
}

void SoundLevelPrinter::makeRoom(const std::function<void()> &rows)
{
    if (m_cursorY > m_contentTop && m_cursorY + heightOnNewPage(rows) > pageBottom())
        finishPage();
}

// ------------------------------------------------------------ rows of cells

QRect SoundLevelPrinter::areaOf(int width)
{
    return QRect(0, 0, qMax(1, width), 0);
}

SoundLevelPrinter::Cell SoundLevelPrinter::levelCell(const QString &subscript, const QString &value)
{
    return Cell{QStringLiteral(" [dB]: ") + value, subscript, true};
}

SoundLevelPrinter::Cell SoundLevelPrinter::levelTitle(const QString &subscript)
{
    return Cell{QStringLiteral(" [dB]"), subscript, true};
}

int SoundLevelPrinter::layOutCell(const Cell &cell, int column, int columns, int y)
{
    const int step = contentWidth() / qMax(1, columns);
    const QRect area = areaOf(step - m_inset);
    const int x = m_inset + column * step;
    m_painter->setFont(m_labelFont);
    if (!cell.level)
        return drawTextAt(cell.text, x, y, area);
    // The index stands on the line beside its "L", half a line down, so that
    // it does not run into the row below.
    VfSubSuperScript rest(cell.text);
    VfSubSuperScript level(tr("L"), cell.subscript, QString(), &rest);
    level.setFont(m_labelFont);
    return drawLabel(level, x, y);
}

int SoundLevelPrinter::layOutCellRow(const CellRow &cells, int columns, int y)
{
    int bottom = y;
    // A cell whose text wraps pushes the next row down.
    for (int i = 0; i < cells.size(); ++i)
        bottom = qMax(bottom, y + layOutCell(cells.at(i), i, columns, y));
    return bottom;
}

int SoundLevelPrinter::layOutCellColumns(const QList<CellRow> &columns, int y)
{
    int bottom = y;
    for (int i = 0; i < columns.size(); ++i) {
        int cur = y;
        for (const Cell &cell : columns.at(i))
            cur += layOutCell(cell, i, int(columns.size()), cur);
        bottom = qMax(bottom, cur);
    }
    return bottom;
}

void SoundLevelPrinter::layOutRows(const QString &title, int columns, const CellRow &header,
                                   const QList<CellRow> &rows)
{
    const auto headerRow = [&](int y) {
        return header.isEmpty() ? y : layOutCellRow(header, columns, y);
    };
    // The title, the header row and the first row start a page together.
    makeRoom([&] {
        openSection(title);
        int y = headerRow(m_cursorY);
        if (!rows.isEmpty())
            y = layOutCellRow(rows.first(), columns, y);
        m_cursorY = y + m_spacing;
    });
    int top = openSection(title);
    int y = headerRow(m_cursorY);
    for (const CellRow &row : rows) {
        const int height =
            heightOnNewPage([&] { m_cursorY = layOutCellRow(row, columns, m_cursorY); });
        if (y + height + m_spacing > pageBottom() && y > m_contentTop) {
            // The frame closes here and the rows go on under a repeated
            // header on the next page.
            m_cursorY = y + m_spacing;
            closeSection(top);
            finishPage();
            top = m_cursorY;
            m_cursorY += m_spacing;
            y = headerRow(m_cursorY);
        }
        y = layOutCellRow(row, columns, y);
    }
    m_cursorY = y + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------ identification

void SoundLevelPrinter::layOutIdentification()
{
    // The first page's top band is drawn; the block stands right below it.
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
    drawParagraph(QString());
    const int top = m_cursorY;
    m_cursorY += m_spacing;
    m_painter->setFont(m_labelFont);
    const int half = m_painter->window().width() / 2;
    const QRect halfArea = areaOf(half - 2 * m_inset);

    int right = m_cursorY;
    const QDateTime date = m_experiment ? m_experiment->dateTime() : QDateTime();
    m_cursorY += drawDateLine(date, m_inset, m_cursorY);
    if (m_cmpnyInfoEnable)
        m_cursorY += drawTextAt(tr("Company evaluated") + colon() + m_cmpnyName, m_inset, m_cursorY,
                                halfArea);
    if (m_siteInfoEnable)
        m_cursorY +=
            drawTextAt(tr("Site/Area") + colon() + m_siteName, m_inset, m_cursorY, halfArea);

    const int rightX = half + m_inset;
    if (m_emplInfoEnable)
        right += drawTextAt(tr("Employee") + colon() + m_emplName, rightX, right, halfArea);
    if (m_ownCompanyInfoEnable)
        right +=
            drawTextAt(tr("Valuation company") + colon() + m_ownCompany, rightX, right, halfArea);
    if (m_collectorInfoEnable)
        right +=
            drawTextAt(tr("Collected by") + colon() + m_collectorName, rightX, right, halfArea);

    m_cursorY = qMax(m_cursorY, right) + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------ calibration

void SoundLevelPrinter::layOutLaboratoryCalibration()
{
    if (!m_ckbCalLab && !m_ckbCalAudLab)
        return;
    const int top = openSection(tr("Laboratory calibration"));
    const QRect area = areaOf(contentWidth());
    int y = m_cursorY;
    if (m_ckbCalLab) {
        const QString certification = m_calibration.certification();
        const QString text = certification.isEmpty() ? tr("invalid")
                                                     : certification + QLatin1Char(' ') +
                                                           dateText(m_calibration.date().date());
        y += drawTextAt(tr("Sonometer") + colon() + text, m_inset, y, area);
    }
    if (m_ckbCalAudLab)
        y += drawTextAt(tr("Sound calibrator") + colon() + m_audCertified, m_inset, y, area);
    m_cursorY = qMax(m_cursorY, y + m_spacing);
    closeSection(top);
}

void SoundLevelPrinter::layOutFieldCheck(Experiment *run, bool absentDeviation, int spacingBelow)
{
    const SoundLevelResults *results = soundLevelResults(run);
    if (!results || (!m_ckbPreChk && !m_ckbPosChk))
        return;
    const int top = openSection(tr("Field ver. @ 1kHz"));
    const QRect area = areaOf(contentWidth());
    const QString db = QStringLiteral(" [dB]: ");
    const auto checkLine = [&](const QString &label, const QString &level, const QDateTime &date) {
        if (!date.isValid())
            return label + db + VfReportText::absent() + QLatin1Char(' ');
        // The instrument's own wall-clock time.
        return label + db + levelText(level, true) + QStringLiteral(" (") + dateText(date.date()) +
               QLatin1Char(' ') + date.time().toString(QStringLiteral("hh:mm")) + QLatin1Char(')');
    };
    int y = m_cursorY;
    if (m_ckbPreChk)
        y += drawTextAt(checkLine(tr("Pre check"), results->preChk(), results->preChkDate()),
                        m_inset, y, area);
    if (m_ckbPosChk)
        y += drawTextAt(checkLine(tr("Pos check"), results->posChk(), results->posChkDate()),
                        m_inset, y, area);
    if (m_ckbPreChk && m_ckbPosChk) {
        const QString deviation = deviationText(results->preChk(), results->posChk());
        if (deviation != VfReportText::absent())
            y += drawTextAt(tr("Desviate") + db + deviation, m_inset, y, area);
        else if (absentDeviation)
            y += drawTextAt(tr("Desviate") + db + deviation + QLatin1Char(' '), m_inset, y, area);
    }
    m_cursorY = y + spacingBelow;
    closeSection(top);
}

// ------------------------------------------------------------ configuration

SoundLevelPrinter::Column SoundLevelPrinter::durationColumn(const SoundLevelResults &results) const
{
    return {tr("Duration") + colon() + Results::durationToString(results.duration()),
            tr("Pause time") + colon() + results.pauseTime()};
}

void SoundLevelPrinter::layOutConfiguration(Experiment *run, int columns,
                                            const Column &durationColumn, const Column &settings)
{
    const SoundLevelResults *results = soundLevelResults(run);
    if (!results)
        return;
    const int top = openSection(tr("Configuration"));
    const QRect area = areaOf(contentWidth());
    const QRect halfArea = areaOf(contentWidth() / 2 - m_inset);
    const int y = m_cursorY;
    drawTextAt(tr("Event") + colon() + QString::number(run->position()), m_inset, y, halfArea);
    const int y2 = y + drawTextAt(tr("Task name") + colon() + results->label(),
                                  m_inset + contentWidth() / 2, y, halfArea);
    const int y3 = y2 + drawTextAt(QStringLiteral(" "), m_inset, y2, area);
    QList<Column> grid{{tr("Sample time") + QStringLiteral(" [") + tr("s") + QStringLiteral("]: ") +
                            results->sampleTime(),
                        tr("Start time") + colon() + clockText(results->startTime()),
                        tr("Stop time") + colon() + clockText(results->stopTime())},
                       durationColumn};
    if (columns > 2)
        grid.append(settings);
    m_cursorY = drawColumns(grid, y3, false) + m_spacing;
    closeSection(top);
}
