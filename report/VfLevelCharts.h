#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class LeqPerOctave;
class Log;

namespace QtCharts {
class QChart;
} // namespace QtCharts

// The charts of the sound level instruments' reports: the level over time of
// a run's samples and its octave or third-octave band levels, as stored (Z)
// or weighted (A, C). Each chart is made new for one drawing; the printer
// renders and deletes it.
//
// A level that is not a number ("---", "OL", empty) and a sample without a
// valid time are left out of every chart, never drawn at 0.
class VfLevelCharts
{
    Q_DECLARE_TR_FUNCTIONS(VfLevelCharts)

public:
    // The level of a sample, when it is a number.
    using LevelOf = std::function<std::optional<double>(const Log *)>;

    // The levels over the samples' times, titled `title`, its level axis
    // `levelTitle`, with at most about two points per pixel of `plotWidth`
    // (every extreme kept) so that a day of samples stays light. The time
    // axis spans every sample with a valid time.
    static QtCharts::QChart *levelOverTime(const QList<Log *> &logs, const LevelOf &levelOf,
                                           int plotWidth, const QString &title,
                                           const QString &levelTitle);

    // One bar of a band chart: its axis text and its level to 0.1 dB.
    struct Bar
    {
        QString label;
        double level = 0;
    };

    // The bars of `bands` in list order, weighted by 'A' or 'C' with the
    // correction of the one-third-octave band nearest each band's own
    // frequency, or as stored for 'Z'. A band whose level is not a number,
    // or (weighted) whose frequency has no correction, is left out.
    static QList<Bar> bandBars(const QList<LeqPerOctave *> &bands, char weighting);

    // The bars as a chart: octave bands for `octaveAnalysis` "1/1", else
    // third-octave bands (turned labels). Without bars the chart keeps its
    // titles and axes.
    static QtCharts::QChart *octaveBands(const QList<LeqPerOctave *> &bands,
                                         const QString &octaveAnalysis, char weighting);
};
