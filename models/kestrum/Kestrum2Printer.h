#pragma once

#include "KestrumPrinter.h"

class Kestrum2Results;

// The "Kestrum 2 Report" of one run: identification, the run's times, the
// temperature extremes and WBGT means, the calibration, the "Temperature x
// Time" chart, notes and signature, then the sample table on pages of its own;
// and, when asked for, the samples as a CSV file beside the PDF.
class Kestrum2Printer : public KestrumPrinter
{
    Q_OBJECT

public:
    Kestrum2Printer();

    bool maxMinEnabled() const { return m_ckbMaxMin; }
    bool averagesEnabled() const { return m_ckbAvg; }

public slots:
    // 0 written; -1 when the options were refused, the PDF cannot be
    // written, a table page break went unanswered or the CSV file asked for
    // cannot be written.
    int print() override;
    // The pages the first-page sections take, plus the table pages when
    // `withTable` is set.
    void createTable(bool withTable) override;
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;
    QList<VfTableRow> tableRow(Experiment *run) override;

protected:
    void readOwnOptions(const QJsonObject &options) override;

private:
    Kestrum2Results *results() const;
    QString unity() const;
    void drawSections();
    void drawExperimentSection();
    void drawEvaluationResults();
    void drawCalibration();
    void writeCsv();

    bool m_ckbMaxMin = false;
    bool m_ckbAvg = false;
    int m_sectionPages = 1;
};
