#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class AmrPerOctave;
class Log;

namespace QtCharts {
class QChart;
} // namespace QtCharts

// The charts of the vibration report: the accelerations of a run's samples
// over time, and the band values of one axis. Each chart is made new for one
// drawing; the printer renders and deletes it.
//
// A value the instrument left out ("---") or any other text that is not a
// number is left out of the charts, never drawn as 0. A chart with nothing to
// show is drawn empty, its value axis from 0 to 1.
class QuillonReportCharts
{
    // The chart texts belong with the report's other texts.
    Q_DECLARE_TR_FUNCTIONS(QuillonPrinter)

public:
    // a_mr, a_wX, a_wY and a_wZ of the samples at their wall-clock times, as
    // markers drawn when the chart is (VfReportChart::setMarkers).
    static QtCharts::QChart *acceleration(const QList<Log *> &logs);
    // The bands of one axis ("X", "Y", "Z"); third-octave bands unless
    // `octaveAnalysis` is "1/1".
    static QtCharts::QChart *octaves(const QList<AmrPerOctave *> &bands, const QString &axis,
                                     const QString &octaveAnalysis);
};
