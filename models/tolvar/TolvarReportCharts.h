#pragma once

namespace QtCharts {
class QChart;
} // namespace QtCharts

class Experiment;

// The charts of the pump report over the samples of one run: the flow with
// the lines 5 % above and below the set-point, and the backpressure in kPa or
// inH2O. A value the pump left empty is left out. The caller owns the chart.
class TolvarReportCharts
{
public:
    // `points` draws the samples as markers instead of a line, drawn when
    // the chart is (VfReportChart::setMarkers).
    static QtCharts::QChart *flowChart(Experiment *run, bool points);
    static QtCharts::QChart *backpressureChart(Experiment *run, bool inKPa, bool points);
};
