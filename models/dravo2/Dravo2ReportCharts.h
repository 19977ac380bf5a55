#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class Log;

namespace QtCharts {
class QChart;
} // namespace QtCharts

// The charts of the dosimeter report and the figures behind them: the sound
// level over time and the time spent in each 5 dB class (the octave-band
// charts are the sound level instruments' shared ones, VfLevelCharts). Each chart is made new for
// one drawing; the caller renders and deletes it.
//
// A value the instrument left empty ("---") or any other text that is not a
// number is left out of every chart and class, never counted as 0.
class Dravo2ReportCharts
{
    // The chart texts belong with the report's other texts.
    Q_DECLARE_TR_FUNCTIONS(Dravo2Printer)

public:
    static constexpr int HistogramClasses = 30;
    static constexpr int ClassWidthDb = 5;
    // Minutes spent in each 5 dB class: class k holds [5k, 5k + 5) dB.
    using ClassMinutes = std::array<double, HistogramClasses>;

    // The sound level of a logged sample, when it is a number.
    static std::optional<double> level(const Log *log);

    // Each sample adds one sample interval to the class of its level; levels
    // below 0 dB or at 150 dB and above belong to no class.
    static ClassMinutes histogramMinutes(const QList<Log *> &logs, int sampleSeconds);

    // Sound level over time, with at most about two points per pixel of
    // `plotWidth` (every extreme kept) so that a day of samples stays light.
    static QtCharts::QChart *levelOverTime(const QList<Log *> &logs, int plotWidth);
    static QtCharts::QChart *histogram(const QList<Log *> &logs, int sampleSeconds);
    // Pixels a chart needs beyond its usual height: turned category labels
    // take more room under the plot than level ones.
    static int extraHeight(const QtCharts::QChart *chart);
};
