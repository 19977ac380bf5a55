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
    // The charts section itself, on the GUI thread.
    void drawCharts();
    void drawHearingProtectorSection();
    void drawOctaveBandsSection();

    // The per-band table of the hearing-protector evaluation; the caller owns
    // it. Null when the run has no dosimeter results.
    VfNormalTable *createHearingProtectorTable(Experiment *run);

private:
    Dravo2Results *results() const;
    bool octavePageWanted() const;
    bool secondPageWanted() const;
    // The selected dosimeters (1, 2, USER in that order) as indexes 0 to 2.
    QList<int> selectedDosimeters() const;

    Column configurationColumn(int dosimeter) const;
    Column evaluationColumn(int dosimeter) const;
    int drawTimes(int y);
    Column fieldCheckColumn() const;
    Column laboratoryColumn() const;
    void drawHearingProtector();
    void drawTotalSpl();

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
