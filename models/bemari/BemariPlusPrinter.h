#pragma once

#include "SoundLevelPrinter.h"

class BemariPlusResults;

// The "Noise Report" of a chain of "BEMARI+" runs. A run's page holds its
// configuration, field checks, results, maxima and minima and statistical
// levels; its charts, when any is asked for, take a page of their own.
class BemariPlusPrinter : public SoundLevelPrinter
{
    Q_OBJECT

public:
    BemariPlusPrinter();

    // Any chart asked for: each run then takes a page of charts.
    bool chartsWanted() const;

public slots:
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;
    QList<VfTableRow> tableRow(Experiment *run) override;

    // The report's sections, in the order print draws them.
    void printHeader();
    void printMeasuringPoints();
    void printLabCalibration();
    void printConfiguration(Experiment *run);
    void printFieldCheck(Experiment *run);
    void printResults(Experiment *run);
    void printMaxMin(Experiment *run);
    void printStatistics(Experiment *run);
    void printCharts(Experiment *run);

protected:
    void readModelOptions(const QJsonObject &options) override;
    void layOutMeasuringPoints() override;
    void layOutRun(Experiment *run) override;

private:
    // The rows of the weightings whose switches are set, Z, C, A in this
    // order; `row` gives the cells of one weighting ('Z', 'C' or 'A').
    QList<CellRow> weightingRows(bool z, bool c, bool a,
                                 const std::function<CellRow(QChar)> &row) const;

    bool m_ckbResZ = false;
    bool m_ckbResA = false;
    bool m_ckbResC = false;
    bool m_ckbMaxMinZ = false;
    bool m_ckbMaxMinA = false;
    bool m_ckbMaxMinC = false;
    bool m_ckbStatistics = false;
};
