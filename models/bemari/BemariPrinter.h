#pragma once

#include "SoundLevelPrinter.h"

class BemariResults;

// The "Noise Report" of a chain of "BEMARI" runs. A run's page holds its
// configuration, field checks, results and charts.
class BemariPrinter : public SoundLevelPrinter
{
    Q_OBJECT

public:
    BemariPrinter();

    bool bandChartsSwitch() const { return m_ckbChartLeq; }

public slots:
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;
    QList<VfTableRow> tableRow(Experiment *run) override;

    // The report's sections, in the order print draws them.
    void drawIdentification();
    void drawMeasuringPoints();
    void drawLaboratoryCalibration();
    // Opens the run's page.
    void drawConfiguration(Experiment *run);
    void drawFieldCheck(Experiment *run);
    void drawResults(Experiment *run);
    void drawCharts(Experiment *run);

protected:
    void readModelOptions(const QJsonObject &options) override;
    void layOutMeasuringPoints() override;
    void layOutRun(Experiment *run) override;

private:
    bool m_ckbChartLeq = false;
};
