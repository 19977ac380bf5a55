#pragma once

#include "TolvarPrinter.h"

// The report of one "TOLVAR 4" run ("TOLVAR 4 Report"): the pump report with
// the run's status in the "Experiment" block when asked for, and the samples
// charted as points.
class Tolvar4Printer : public TolvarPrinter
{
    Q_OBJECT

public:
    Tolvar4Printer();

    // The text of the run's status code.
    QString statusText() const;

protected:
    QString statusLine() const override;
    bool samplesAsPoints() const override { return true; }
    void readModelOptions(const QJsonObject &options) override;

private:
    bool m_ckbStatus = false;
};
