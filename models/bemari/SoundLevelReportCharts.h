#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

class Experiment;
class Log;

namespace QtCharts {
class QChart;
} // namespace QtCharts

// The charts of a sound level meter run in the "Noise Report": its level
// over time and its band levels with Z, C or A weighting, titled with the
// run's frequency weighting. A run without sound level results gets titles
// without a weighting letter and band charts without bars. Each chart is made
// new for one drawing; the printer renders and deletes it.
class SoundLevelReportCharts
{
    Q_DECLARE_TR_FUNCTIONS(SoundLevelReportCharts)

public:
    // The level of a record, when it is a number ("---", "OL" are not).
    static std::optional<double> level(const Log *log);

    // "L<sub>Aeq</sub> x Time" for a run weighted A, thinned to about two
    // points per pixel of `plotWidth`.
    static QtCharts::QChart *levelChart(const Experiment *run, int plotWidth);
    // The run's bands weighted by 'Z', 'C' or 'A'.
    static QtCharts::QChart *bandChart(const Experiment *run, char weighting);
};
