#pragma once

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

class QPainter;

namespace QtCharts {
class QAbstractAxis;
class QAbstractSeries;
class QBarSeries;
class QBarSet;
class QChart;
class QDateTimeAxis;
class QScatterSeries;
class QValueAxis;
} // namespace QtCharts

// The pieces every report chart is made of: a bare chart in the report's
// faces, series attached to a left value axis and a bottom axis, value axes
// ticked on round steps, time axes ticked on round times of day, and bars with
// their values printed above them. A chart is made new for one drawing; the
// printer renders and deletes it.
class VfReportChart
{
public:
    // The report's sans face at `pixels`, for chart labels.
    static QFont font(int pixels = 8);

    // A chart without legend, margins or rounded corners, with `title`.
    static QtCharts::QChart *newChart(const QString &title);

    // Adds `series` with `y` at the left and `x` at the bottom.
    static void attach(QtCharts::QChart *chart, QtCharts::QAbstractSeries *series,
                       QtCharts::QAbstractAxis *x, QtCharts::QAbstractAxis *y);

    // The range [lo, hi] on `axis`, widened by 1 either way when the two are
    // equal, so that a flat series still has an axis around it.
    static void setValueRange(QtCharts::QValueAxis *axis, double lo, double hi);

    // The framework's tidy range (VfPrinter::setAxisRange), then ticks on
    // round steps (1, 2 or 5 times a power of ten): the ends go out to whole
    // steps so that every tick label is a round value.
    static void tidyValueAxis(QtCharts::QValueAxis *axis);

    // An instrument's date-time as a time axis shows it: the axis labels its
    // points in this computer's local time, so the point stands at the
    // instrument's own wall-clock time read as local time.
    // The date-time carries this computer's offset at that time, so that
    // comparing it and reading its milliseconds need no zone look-up.
    static QDateTime chartTime(const QDateTime &instrumentTime);
    // The milliseconds at which a time axis shows the wall-clock `date` and
    // `time`.
    static qint64 chartMSecs(const QDate &date, const QTime &time);

    // The time axis over [from, to] (chart times) with a few ticks on round
    // times of day (whole seconds, minutes, hours or days, whatever the
    // span), the range widened to whole steps, labelled "hh:mm:ss" (with the
    // day when the span passes midnight). Invalid ends leave the axis's range
    // to its series.
    // With a `plotWidth` (pixels) the ticks are fewer where their labels
    // would not fit side by side; the span is kept on the axis, so that
    // fitTimeAxes can tick it again for the plot it is drawn on.
    static void tidyTimeAxis(QtCharts::QDateTimeAxis *axis, QDateTime from, QDateTime to,
                             qreal plotWidth = 0);
    // Ticks again, for the width of the laid-out plot of `chart`, every time
    // axis of it that tidyTimeAxis ticked; true when one changed.
    static bool fitTimeAxes(QtCharts::QChart *chart);
    // Makes the title of every value axis of the laid-out `chart` small
    // enough to stand whole beside its plot (down to a smallest size that
    // still reads); true when one changed.
    static bool fitValueTitles(QtCharts::QChart *chart);
    // The most intervals that a time axis in `format` labelled with
    // `font` has room for on a plot `plotWidth` pixels wide, each label
    // whole; at least one, at most the few a small chart shows.
    static int timeIntervalsFor(const QFont &font, const QString &format, qreal plotWidth);
    // The format of a run's times on a time axis or in a table: "hh:mm:ss",
    // with the day ("dd/MM hh:mm:ss") when they fall on `severalDays`.
    static QString timeFormat(bool severalDays);
    // Widens [from, to] to take in the chart time `at`; an invalid `at` is
    // passed over, an invalid end is replaced.
    static void widenSpan(QDateTime &from, QDateTime &to, const QDateTime &at);

    // A bar series of `set` in `colour`, each bar's value printed above it
    // with `precision` significant digits.
    static QtCharts::QBarSeries *labelledBars(QtCharts::QBarSet *set, const QColor &colour,
                                              int precision);

    // Room above the highest bar for its value label, in value units, for a
    // plot of `plotPixels` showing `span` value units.
    static double labelRoom(double span, int plotPixels);

    // The markers of `series` at `points`, left out of the chart and drawn
    // over it by paintMarkers once it is laid out: the chart would make an
    // item for each marker, which for a long run costs far more than drawing
    // them. The series keeps its look (shape, size, colours) for both and
    // for the legend.
    static void setMarkers(QtCharts::QScatterSeries *series, const QVector<QPointF> &points);
    // Draws with `painter` (in the chart's coordinates) the markers held for
    // the scatter series of `chart` (setMarkers), as laid out for drawing,
    // within its plot: one marker centred on each pixel a point falls on
    // (pixelCells), which draws the picture of a marker at every point. A
    // marker is filled in the series' colour, in its shape and size, without
    // a border (the reports' markers have none). The chart's lines are drawn
    // again over them, as they lie over the markers of a chart that draws
    // its own. The axes' ranges must be set by then.
    static void paintMarkers(QtCharts::QChart *chart, QPainter *painter);
    // Lays `chart` out on `size` and draws it with `painter` from (0, 0),
    // its held markers (setMarkers) over it. The chart stays the caller's.
    static void render(QtCharts::QChart *chart, QPainter *painter, const QSize &size);

    // Whether two values are equal but for rounding.
    static bool nearlyEqual(double a, double b);

private:
    // Draws the line series of `chart` again, over what was drawn on it.
    static void paintLinesAgain(QtCharts::QChart *chart, QPainter *painter);
};
