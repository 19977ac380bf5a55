#pragma once

#include "VfPrinter.h"

#include <QStringList>

class Dravo2Results;
class VfNormalTable;

// The "Dosimeter Noise Report" of a "DRAVO 2" run. Page 1 holds the
// identification, the configuration and evaluation results of the selected
// dosimeters, the calibration, the charts, the notes and the signature; a
// second page holds the hearing-protector evaluation and the octave-band
// charts when they are asked for; the sample table follows on pages of its
// own. Only the head of the run chain is reported.
class Dravo2Printer : public VfPrinter
{
    Q_OBJECT

public:
    Dravo2Printer();

public slots:
    // 0 painted; -1 when the PDF cannot be written or a table page break
    // went unanswered.
    int print() override;
    void setReportOptions(QString json) override;
    // One page, two with the second-page sections, plus the pages the sample
    // table takes laid out exactly as it will be drawn.
    void createTable(bool withTable) override;
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;
    QList<VfTableRow> tableRow(Experiment *run) override;

    // The report's sections, in the order print draws them.
    int drawIdentification();
    void drawConfiguration();
    void drawEvaluationResults();
    void drawCalibration();
    void drawChartsSection();
    void drawHearingProtectorSection();
    void drawOctaveBandsSection();

    // The per-band table of the hearing-protector evaluation; the caller owns
    // it. Null when the run has no dosimeter results.
    VfNormalTable *createHearingProtectorTable(Experiment *run);

private:
    // One column of texts drawn side by side with others.
    using Column = QStringList;

    Dravo2Results *results() const;
    bool octavePageWanted() const;
    bool secondPageWanted() const;
    // The selected dosimeters (1, 2, USER in that order) as indexes 0 to 2.
    QList<int> selectedDosimeters() const;

    // Section frame helpers shared by every framed section: a heading, then
    // the frame top; and the frame closed at the cursor.
    int openSection(const QString &heading);
    void closeSection(int top);

    // A line of text in the label font wrapped at `width`; its height.
    int drawLine(const QString &text, int x, int y, int width, bool bold = false);
    // Columns of lines side by side across the page from y, each line
    // wrapped in its column; a headed column's first line is bold. The
    // bottom of the longest column.
    int drawColumns(const QList<Column> &columns, int y, bool headed = true);
    int contentWidth() const;

    Column configurationColumn(int dosimeter) const;
    Column evaluationColumn(int dosimeter) const;
    int drawTimes(int y);
    Column fieldCheckColumn() const;
    Column laboratoryColumn() const;
    void drawHearingProtector();
    void drawTotalSpl();

    // The height of each of `count` charts that share what is left of the
    // page above `reserve` pixels: at most `full`, at least `least`.
    int sharedChartHeight(int count, int reserve, int full, int least) const;
    // Draws a chart at (inset, y), `height` tall across the content width.
    int drawChart(QtCharts::QChart *chart, int y, int height);

    QString checkLine(const QString &label, const QString &value, const QDateTime &date) const;
    QString timeText(const QDateTime &dateTime, bool withDate) const;

    bool m_ckbChartLvl = false;
    bool m_ckbChartLeq = false;
    bool m_ckbLeqZ = false;
    bool m_ckbLeqA = false;
    bool m_ckbLeqC = false;
    bool m_ckbChartHisto = false;
    bool m_ckbHearingProtector = false;
    bool m_ckbDos2DosiCfg = false;
    bool m_ckbDos1DosiCfg = false;
    bool m_ckbDosUSERDosiCfg = false;
    bool m_ckbImpact = false;
    bool m_ckbCalField = false;
    bool m_ckbPreCal = false;
    bool m_ckbPosCal = false;
    bool m_ckbCalLab = false;
    bool m_ckbCalAudLab = false;
    QString m_audCertified;
};
