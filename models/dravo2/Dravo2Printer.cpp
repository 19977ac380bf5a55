#include "Dravo2Printer.h"

#include "Experiment.h"
#include "VfFullPageTable.h"
#include "VfLevelCharts.h"
#include "VfNormalTable.h"
#include "VfReportText.h"
#include "VfSubSuperScript.h"
#include "models/dravo2/Dravo2Log.h"
#include "models/dravo2/Dravo2ReportCharts.h"
#include "models/dravo2/Dravo2Results.h"

#include <QChart>
#include <QFontMetrics>
#include <QJsonObject>
#include <QLocale>
#include <QPainter>

#include <memory>

namespace {

constexpr int kChartHeight = 150;
// A chart of the first page is shrunk to leave room for the notes and the
// signature, but not below this.
constexpr int kChartMinHeight = 110;
constexpr int kBelowChartsReserve = 130;
constexpr int kOctaveChartHeight = 200;
// An octave chart is shrunk to share its page, but not below this.
constexpr int kOctaveChartMinHeight = 120;

QString absent()
{
    return VfReportText::absent();
}

// Two decimals in the default locale, or "---" for a text that is not a number.
QString twoDecimals(const QString &text)
{
    return VfReportText::numberOrAbsent(text, 2);
}

QString twoDecimals(double value)
{
    return QLocale().toString(value, 'f', 2);
}

// A number of the hearing-protector evaluation, or "---" when the evaluation
// could not give it (a band level that was not known).
QString protectorNumber(const Dravo2Results &r, const QString &key, double value)
{
    return r.hearingProtectorHas(key) ? twoDecimals(value) : absent();
}

bool positive(const QString &text)
{
    const std::optional<double> value = VfReportText::number(text);
    return value && *value > 0;
}

} // namespace

Dravo2Printer::Dravo2Printer()
    : VfPrinter(QPrinter::ScreenResolution)
{
    m_reportTitle = tr("Dosimeter Noise Report");
    m_footerText = tr(" ");
    useSectionReportFonts();
}

// ------------------------------------------------------------------ options

void Dravo2Printer::setReportOptions(QString json)
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
        {"ckbChartLvl", &m_ckbChartLvl},
        {"ckbChartLeq", &m_ckbChartLeq},
        {"ckbLeqZ", &m_ckbLeqZ},
        {"ckbLeqA", &m_ckbLeqA},
        {"ckbLeqC", &m_ckbLeqC},
        {"ckbChartHisto", &m_ckbChartHisto},
        {"ckbDos2DosiCfg", &m_ckbDos2DosiCfg},
        {"ckbDos1DosiCfg", &m_ckbDos1DosiCfg},
        {"ckbDosUSERDosiCfg", &m_ckbDosUSERDosiCfg},
        {"ckbHearingProtector", &m_ckbHearingProtector},
        {"ckbImpact", &m_ckbImpact},
        {"ckbCalField", &m_ckbCalField},
        {"ckbPreCal", &m_ckbPreCal},
        {"ckbPosCal", &m_ckbPosCal},
        {"ckbCalLab", &m_ckbCalLab},
        {"ckbCalAudLab", &m_ckbCalAudLab},
    };
    for (const auto &flag : switches)
        *flag.member = options.value(QLatin1String(flag.key)).toBool();
}

Dravo2Results *Dravo2Printer::results() const
{
    return m_experiment ? qobject_cast<Dravo2Results *>(m_experiment->results()) : nullptr;
}

bool Dravo2Printer::octavePageWanted() const
{
    return m_ckbChartLeq && (m_ckbLeqZ || m_ckbLeqA || m_ckbLeqC);
}

bool Dravo2Printer::secondPageWanted() const
{
    return m_ckbHearingProtector || octavePageWanted();
}

QList<int> Dravo2Printer::selectedDosimeters() const
{
    QList<int> selected;
    const bool switches[] = {m_ckbDos1DosiCfg, m_ckbDos2DosiCfg, m_ckbDosUSERDosiCfg};
    for (int i = 0; i < 3; ++i) {
        if (switches[i])
            selected.append(i);
    }
    return selected;
}

// ------------------------------------------------------------ print sequence

int Dravo2Printer::print()
{
    if (beginPainting() != 0)
        return -1;
    measureBottomBand();
    drawIdentification();
    drawConfiguration();
    drawEvaluationResults();
    drawCalibration();
    drawChartsSection();
    drawNotes();
    drawSignatureLine();
    createTable(m_tableEnable);
    if (secondPageWanted()) {
        finishPage();
        if (m_ckbHearingProtector)
            drawHearingProtectorSection();
        if (octavePageWanted())
            drawOctaveBandsSection();
    }
    m_footerHeight = drawBottomBand();
    if (m_tableEnable && m_experiment && printRunTable(m_experiment) != 0)
        return -1;
    return 0;
}

void Dravo2Printer::createTable(bool withTable)
{
    m_pageCount = secondPageWanted() ? 2 : 1;
    if (!withTable || !m_experiment)
        return;
    m_pageCount += runTablePages(m_experiment);
}

QList<VfSubSuperScript *> Dravo2Printer::tableHeader(Experiment *)
{
    QList<VfSubSuperScript *> titles;
    for (const QString &text : {tr("Idx"), tr("D/T"), tr("L [dB]")}) {
        auto *title = new VfSubSuperScript(text);
        // The table does not own its titles; they go with the report.
        title->setParent(this);
        titles.append(title);
    }
    return titles;
}

QList<VfTableRow> Dravo2Printer::tableRow(Experiment *run)
{
    QList<VfTableRow> rows;
    if (!run)
        return rows;
    const QList<Log *> logs = run->logs();
    rows.reserve(logs.size());
    const QLocale locale;
    const QLatin1Char zero('0');
    int number = 0;
    for (const Log *log : logs) {
        // The instrument's own wall-clock time, whatever this computer's zone.
        const QDateTime at = log->registerDate();
        const std::optional<double> level = Dravo2ReportCharts::level(log);
        rows.append(VfTableRow({QStringLiteral("%1").arg(++number, 3, 10, zero),
                                at.time().toString(QStringLiteral("hh:mm:ss")),
                                level ? locale.toString(*level, 'f', 2) : absent()},
                               at.date()));
    }
    return rows;
}

// ------------------------------------------------------------ layout helpers

QString Dravo2Printer::timeText(const QDateTime &dateTime, bool withDate) const
{
    if (!dateTime.isValid())
        return absent();
    // The instrument's own wall-clock time, whatever this computer's zone.
    const QString time = dateTime.time().toString(QStringLiteral("hh:mm:ss"));
    return withDate ? dateText(dateTime.date()) + QLatin1Char(' ') + time : time;
}

// ------------------------------------------------------------ identification

int Dravo2Printer::drawIdentification()
{
    m_contentTop = m_cursorY = drawTopBand();
    m_painter->resetTransform();
    m_painter->translate(0, m_cursorY);
    drawParagraph(tr(""));
    const int top = m_cursorY;
    m_cursorY += m_spacing;
    m_painter->setFont(m_labelFont);
    const int half = contentWidth() / 2;
    const QString colon = QStringLiteral(": ");

    int left = m_cursorY;
    const struct
    {
        bool shown;
        QString label;
        QString value;
    } leftLines[] = {
        {m_cmpnyInfoEnable, tr("Company evaluated"), m_cmpnyName},
        {m_siteInfoEnable, tr("Site/Area"), m_siteName},
        {m_emplInfoEnable, tr("Employee"), m_emplName},
    };
    for (const auto &line : leftLines) {
        if (line.shown)
            left += drawLine(line.label + colon + line.value, m_inset, left, half - m_inset);
    }
    const Dravo2Results *r = results();
    left += drawLine(tr("Working hours") + QStringLiteral(" [hh:mm]: ") +
                         (r ? r->workingHours() : absent()),
                     m_inset, left, half - m_inset);

    int right = m_cursorY;
    const int rightX = m_inset + half;
    if (m_ownCompanyInfoEnable)
        right += drawLine(tr("Valuation company") + colon + m_ownCompany, rightX, right, half);
    if (m_collectorInfoEnable)
        right += drawLine(tr("Collected by") + colon + m_collectorName, rightX, right, half);
    m_painter->setFont(m_labelFont);
    right += drawDateLine(m_experiment ? m_experiment->dateTime() : QDateTime(), rightX, right);

    m_cursorY = qMax(left, right) + m_spacing;
    closeSection(top);
    return 0;
}

// ------------------------------------------------------------ configuration

Dravo2Printer::Column Dravo2Printer::configurationColumn(int dosimeter) const
{
    const Dravo2Results::Dosimeter &d =
        results()->dosimeter(Dravo2Results::DosimeterIndex(dosimeter));
    QString timeWeighting;
    if (d.timeWeighting == QLatin1String("Slow"))
        timeWeighting = tr("Slow");
    else if (d.timeWeighting == QLatin1String("Fast"))
        timeWeighting = tr("Fast");
    else if (d.timeWeighting == QLatin1String("Impulse"))
        timeWeighting = tr("Impulse");
    const QString db = QStringLiteral(" [dB]: ");
    return {tr("Dosimeter") + QLatin1Char(' ') + d.label,
            tr("Freq. weighting curve") + QStringLiteral(": ") + d.freqWeighting,
            tr("Time weighting") + QStringLiteral(": ") + timeWeighting,
            tr("Threshold level") + db + d.actionLevel,
            tr("Criterion level") + db + d.criterionLevel,
            tr("Exchange rate") + db + d.exchangeRate};
}

void Dravo2Printer::drawConfiguration()
{
    const QList<int> selected = selectedDosimeters();
    if (selected.isEmpty() || !results())
        return;
    const int top = openSection(tr("Configuration"));
    QList<Column> columns;
    for (int dosimeter : selected)
        columns.append(configurationColumn(dosimeter));
    m_cursorY = drawColumns(columns, m_cursorY) + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------ evaluation results

Dravo2Printer::Column Dravo2Printer::evaluationColumn(int dosimeter) const
{
    const Dravo2Results::Dosimeter &d =
        results()->dosimeter(Dravo2Results::DosimeterIndex(dosimeter));
    // The levels that come from the dose mean nothing without a dose.
    const bool hasDose = positive(d.dose);
    auto level = [&](const QString &value) { return hasDose ? twoDecimals(value) : absent(); };
    const QString db = QStringLiteral(" [dB]: ");
    const QString percent = QStringLiteral(" [%]: ");
    bool rateOk = false;
    const bool lavg = d.exchangeRate.toInt(&rateOk, 10) == 5 && rateOk;
    return {tr("Dosimeter") + QLatin1Char(' ') + d.label,
            tr("Dose") + percent + twoDecimals(d.dose),
            tr("Daily dose") + percent + twoDecimals(d.dailyDose),
            (lavg ? tr("Lavg") : tr("Leq")) + db + level(d.lavg),
            tr("EL") + db + level(d.ne),
            tr("NEL") + db + level(d.nen),
            tr("TWA") + db + level(d.twa)};
}

int Dravo2Printer::drawTimes(int y)
{
    const Dravo2Results *r = results();
    // A run past midnight shows the days of its start and stop.
    const bool severalDays = r->startTime().isValid() && r->stopTime().isValid() &&
                             r->startTime().date() != r->stopTime().date();
    const QString colon = QStringLiteral(": ");
    const QString pause = r->pauseTime().isEmpty() ? absent() : r->pauseTime();
    return drawColumns({Column{tr("Duration") + colon + r->durationStr(),
                               tr("Start time") + colon + timeText(r->startTime(), severalDays)},
                        Column{tr("Pause time") + colon + pause,
                               tr("Stop time") + colon + timeText(r->stopTime(), severalDays)}},
                       y, false);
}

void Dravo2Printer::drawEvaluationResults()
{
    const QList<int> selected = selectedDosimeters();
    const Dravo2Results *r = results();
    if (selected.isEmpty() || !r)
        return;
    const int top = openSection(tr("Evaluation results"));
    const int y0 = drawTimes(m_cursorY) + m_spacing;
    QList<Column> columns;
    for (int dosimeter : selected)
        columns.append(evaluationColumn(dosimeter));
    m_cursorY = drawColumns(columns, y0) + m_spacing;
    if (m_ckbImpact) {
        m_cursorY += drawLine(tr("115 dB peaks occurrence") + QStringLiteral(": ") + r->nPk(),
                              m_inset, m_cursorY, contentWidth()) +
                     m_spacing;
    }
    closeSection(top);
}

// ------------------------------------------------------------ calibration

QString Dravo2Printer::checkLine(const QString &label, const QString &value,
                                 const QDateTime &date) const
{
    const QString head = label + QStringLiteral(" [dB]: ");
    const std::optional<double> level = VfReportText::number(value);
    if (!date.isValid() || !level)
        return head + absent();
    return head + twoDecimals(*level) + QStringLiteral(" (") + dateText(date.date()) +
           QLatin1Char(' ') + date.time().toString(QStringLiteral("hh:mm")) + QLatin1Char(')');
}

Dravo2Printer::Column Dravo2Printer::fieldCheckColumn() const
{
    const Dravo2Results *r = results();
    if (!r || !(m_ckbPreCal || m_ckbPosCal))
        return {};
    Column lines{tr("Field cal. @ 1kHz")};
    if (m_ckbPreCal)
        lines.append(checkLine(tr("Pre check"), r->preCal(), r->preCalDate()));
    if (m_ckbPosCal)
        lines.append(checkLine(tr("Pos check"), r->posCal(), r->posCalDate()));
    const std::optional<double> pre = VfReportText::number(r->preCal());
    const std::optional<double> pos = VfReportText::number(r->posCal());
    if (m_ckbPreCal && m_ckbPosCal && pre && pos)
        lines.append(tr("Desviate") + QStringLiteral(" [dB]: ") + twoDecimals(*pre - *pos));
    return lines;
}

Dravo2Printer::Column Dravo2Printer::laboratoryColumn() const
{
    if (!(m_ckbCalLab || m_ckbCalAudLab))
        return {};
    Column lines{tr("Laboratory calibration")};
    if (m_ckbCalLab) {
        const QString certificate = m_calibration.certification().isEmpty()
                                        ? tr("invalid")
                                        : m_calibration.certification() + QLatin1Char(' ') +
                                              dateText(m_calibration.date().date());
        lines.append(tr("Dosimeter") + QStringLiteral(": ") + certificate);
    }
    if (m_ckbCalAudLab)
        lines.append(tr("Sound calibrator") + QStringLiteral(": ") + m_audCertified);
    return lines;
}

void Dravo2Printer::drawCalibration()
{
    QList<Column> columns;
    for (const Column &column : {fieldCheckColumn(), laboratoryColumn()}) {
        if (!column.isEmpty())
            columns.append(column);
    }
    if (columns.isEmpty())
        return;
    // Two columns side by side take half the width each; one takes it all.
    if (columns.size() == 1)
        columns.append(Column());
    const int top = openSection(tr("Calibration"));
    m_cursorY = drawColumns(columns, m_cursorY) + m_spacing;
    closeSection(top);
}

// ------------------------------------------------------------ charts

void Dravo2Printer::drawChartsSection()
{
    onGuiThread([this] { drawCharts(); });
}

void Dravo2Printer::drawCharts()
{
    if (!m_ckbChartLvl && !m_ckbChartHisto)
        return;
    const int top = openSection(tr("Charts"));
    const QList<Log *> logs = m_experiment ? m_experiment->logs() : QList<Log *>();
    const Dravo2Results *r = results();
    if (logs.isEmpty()) {
        m_cursorY +=
            drawLine(tr("No samples were logged in this run."), m_inset, m_cursorY, contentWidth());
    } else {
        QList<QtCharts::QChart *> charts;
        if (m_ckbChartLvl)
            charts.append(Dravo2ReportCharts::levelOverTime(logs, contentWidth()));
        if (m_ckbChartHisto) {
            bool ok = false;
            const int sampleSeconds = r ? r->sampleTime().toInt(&ok) : 0;
            charts.append(Dravo2ReportCharts::histogram(logs, ok ? sampleSeconds : 0));
        }
        int extra = 0;
        for (QtCharts::QChart *chart : qAsConst(charts))
            extra += Dravo2ReportCharts::extraHeight(chart);
        // The charts give way to the notes and the signature below them.
        const int height = sharedChartHeight(int(charts.size()), kBelowChartsReserve + extra,
                                             kChartHeight, kChartMinHeight);
        for (QtCharts::QChart *chart : qAsConst(charts)) {
            const int chartHeight = height + Dravo2ReportCharts::extraHeight(chart);
            m_cursorY += drawChart(chart, m_cursorY, chartHeight) + m_spacing;
        }
    }
    m_cursorY += m_spacing;
    closeSection(top);
}

void Dravo2Printer::drawOctaveBandsSection()
{
    const int top = openSection(tr("Octave bands"));
    const Dravo2Results *r = results();
    if (!r || r->leqList().isEmpty()) {
        m_cursorY += drawLine(tr("This run holds no octave-band levels."), m_inset, m_cursorY,
                              contentWidth()) +
                     m_spacing;
        closeSection(top);
        return;
    }
    QList<char> weightings;
    if (m_ckbLeqZ)
        weightings.append('Z');
    if (m_ckbLeqA)
        weightings.append('A');
    if (m_ckbLeqC)
        weightings.append('C');
    // The charts share the room left on the page, each at most full height.
    const int height = sharedChartHeight(int(weightings.size()), m_spacing, kOctaveChartHeight,
                                         kOctaveChartMinHeight);
    onGuiThread([&] {
        for (char weighting : weightings)
            m_cursorY +=
                drawChart(VfLevelCharts::octaveBands(r->leqList(), r->octaveAnalysis(), weighting),
                          m_cursorY, height) +
                m_spacing;
    });
    closeSection(top);
}

// ------------------------------------------------------------ hearing protector

void Dravo2Printer::drawHearingProtector()
{
    const Dravo2Results *r = results();
    const QString colon = QStringLiteral(": ");
    Column left{tr("Manufacturer") + colon + r->hearProtectMfc(),
                tr("Model") + colon + r->hearProtectModel()};
    Column right{tr("C.A.") + colon + r->hearProtectCANumber(),
                 tr("Std. applied") + colon + r->stdApplied()};
    if (r->stdNumber() == 2)
        right.append(tr("Type") + colon + r->hearingProtectorType());
    m_cursorY = drawColumns({left, right}, m_cursorY + m_spacing, false) + m_spacing;
}

void Dravo2Printer::drawTotalSpl()
{
    const Dravo2Results *r = results();
    const QString unit = QStringLiteral(" [dB(A)]: ");
    const int half = contentWidth() / 2;
    const int y = m_cursorY + 2 * m_spacing;
    const int height = drawLine(tr("Total SPL") + unit + protectorNumber(*r, "NPS", r->NPS()),
                                m_inset, y, half - m_inset);
    drawLine(tr("Total SPLp") + unit + protectorNumber(*r, "NPSp", r->NPSp()), m_inset + half, y,
             half - m_inset);
    m_cursorY = y + height + m_spacing;
}

VfNormalTable *Dravo2Printer::createHearingProtectorTable(Experiment *run)
{
    const Dravo2Results *r = run ? qobject_cast<Dravo2Results *>(run->results()) : nullptr;
    if (!r)
        return nullptr;
    auto *table = new VfNormalTable(m_painter);
    table->setBodyFont(m_tableBodyFont);
    table->setHeaderFont(m_tableHeaderFont);
    auto row = [r](const QString &title, const char *key, const Dravo2Results::BandValues &values) {
        QStringList cells{title};
        for (int band = 0; band < Dravo2Results::ProtectorBands; ++band)
            cells.append(protectorNumber(*r, Dravo2Results::protectorBandKey(key, band),
                                         values[size_t(band)]));
        return VfTableRow(cells);
    };
    table->setRows({row(tr("SPL") + QStringLiteral(" [dB(A)]"), "nps", r->nps()),
                    row(tr("Attenuation") + QStringLiteral(" [dB]"), "att", r->att()),
                    row(tr("Standard deviation") + QStringLiteral(" [dB]"), "desv", r->desv()),
                    row(tr("SPLp") + QStringLiteral(" [dB(A)]"), "npsp", r->npsp())});
    table->setHeaderTitles({tr("Frequency") + QStringLiteral(" [Hz]"), tr("125"), tr("250"),
                            tr("500"), tr("1k"), tr("2k"), tr("4k"), tr("8k")});
    return table;
}

void Dravo2Printer::drawHearingProtectorSection()
{
    const int top = openSection(tr("Hearing protector evaluation"));
    const Dravo2Results *r = results();
    if (!r || !r->hasHearingProtector()) {
        m_cursorY += drawLine(tr("No hearing protector was evaluated for this run."), m_inset,
                              m_cursorY, contentWidth()) +
                     m_spacing;
        closeSection(top);
        return;
    }
    drawHearingProtector();
    m_cursorY += m_spacing;
    std::unique_ptr<VfNormalTable> table(createHearingProtectorTable(m_experiment));
    const int below = table->draw(0, m_cursorY);
    // A table wider than the page draws nothing and leaves the cursor.
    if (below > 0)
        m_cursorY = below + m_spacing;
    drawTotalSpl();
    closeSection(top);
}
