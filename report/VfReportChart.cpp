#include "VfReportChart.h"

#include "PointThinning.h"
#include "VfPrinter.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QTextDocument>
#include <QValueAxis>

#include <cmath>
#include <iterator>
#include <limits>

using namespace QtCharts;

namespace {

// Most intervals a value axis of the report's small charts shows with room
// for every label.
constexpr int kMostIntervals = 6;
constexpr int kBarLabelPixels = 7;
// Room between two time labels, in pixels, so that they read as two.
constexpr int kTimeLabelGap = 12;
// The smallest title a value axis is shrunk to, in pixels.
constexpr int kSmallestTitlePixels = 5;
// The properties of a time axis that keep the span tidyTimeAxis was given.
constexpr char kTimeFrom[] = "vfTimeFrom";
constexpr char kTimeTo[] = "vfTimeTo";
// The property of a scatter series that holds its markers until its chart is
// laid out.
constexpr char kHeldMarkers[] = "vfHeldMarkers";

// The values from `min` to `max` that `axis` spans, where it is a value or a
// time axis.
bool axisSpan(const QAbstractAxis *axis, double *min, double *max)
{
    if (const auto *values = qobject_cast<const QValueAxis *>(axis)) {
        *min = values->min();
        *max = values->max();
        return true;
    }
    if (const auto *times = qobject_cast<const QDateTimeAxis *>(axis)) {
        *min = double(times->min().toMSecsSinceEpoch());
        *max = double(times->max().toMSecsSinceEpoch());
        return true;
    }
    return false;
}

// The values that the plot of `series` shows, left to right and bottom to
// top; empty when its axes are of another kind.
QRectF plottedValues(QXYSeries *series)
{
    double left = 0, right = 0, bottom = 0, top = 0;
    bool across = false;
    bool up = false;
    const QList<QAbstractAxis *> axes = series->attachedAxes();
    for (const QAbstractAxis *axis : axes) {
        if (axis->orientation() == Qt::Horizontal)
            across = axisSpan(axis, &left, &right);
        else
            up = axisSpan(axis, &bottom, &top);
    }
    return across && up ? QRectF(left, bottom, right - left, top - bottom) : QRectF();
}

// The width of an axis title (rich text: a unit's superscript) in `font`.
qreal titleWidth(const QString &title, const QFont &font)
{
    QTextDocument text;
    text.setDocumentMargin(0);
    text.setDefaultFont(font);
    text.setHtml(title);
    return text.idealWidth();
}

// `font` a pixel smaller, or a point where it is sized in points; false when
// it is already the smallest a title gets.
bool shrink(QFont &font)
{
    if (font.pixelSize() > 0) {
        if (font.pixelSize() <= kSmallestTitlePixels)
            return false;
        font.setPixelSize(font.pixelSize() - 1);
        return true;
    }
    if (font.pointSizeF() <= kSmallestTitlePixels)
        return false;
    font.setPointSizeF(font.pointSizeF() - 1);
    return true;
}

} // namespace

QFont VfReportChart::font(int pixels)
{
    return VfPrinter::reportFont(QStringLiteral("FreeSans"), pixels);
}

QChart *VfReportChart::newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    chart->setLocalizeNumbers(true);
    chart->legend()->hide();
    return chart;
}

void VfReportChart::attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *x,
                           QAbstractAxis *y)
{
    chart->addSeries(series);
    chart->addAxis(y, Qt::AlignLeft);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    series->attachAxis(y);
}

bool VfReportChart::nearlyEqual(double a, double b)
{
    return std::abs(a - b) * 1e12 <= qMin(std::abs(a), std::abs(b));
}

void VfReportChart::setValueRange(QValueAxis *axis, double lo, double hi)
{
    if (nearlyEqual(hi, lo))
        axis->setRange(lo - 1, hi + 1);
    else
        axis->setRange(lo, hi);
}

void VfReportChart::tidyValueAxis(QValueAxis *axis)
{
    VfPrinter::setAxisRange(axis);
    const double lo = axis->min();
    const double hi = axis->max();
    if (!(hi > lo))
        return;
    for (int exponent = -3; exponent <= 4; ++exponent) {
        for (double mantissa : {1.0, 2.0, 5.0}) {
            const double step = mantissa * std::pow(10.0, exponent);
            const double first = std::floor(lo / step + 1e-9) * step;
            // Counted in double: a range of far more steps than an int holds
            // is only a step too small.
            const double count = std::ceil((hi - first) / step - 1e-9);
            if (!(count <= kMostIntervals))
                continue;
            const int intervals = int(count);
            axis->setRange(first, first + intervals * step);
            axis->setTickCount(intervals + 1);
            axis->setLabelFormat(QStringLiteral("%.%1f").arg(qMax(0, -exponent)));
            return;
        }
    }
}

qint64 VfReportChart::chartMSecs(const QDate &date, const QTime &time)
{
    // The zone is looked up once per hour of wall-clock time: a run's samples
    // mostly share their hour, and each look-up costs a system call. Every
    // thread keeps its own hour, so that a report written in the background
    // and the pages never share it.
    thread_local qint64 hour = std::numeric_limits<qint64>::min();
    thread_local qint64 hourStart = 0;
    const qint64 thisHour = date.toJulianDay() * 24 + time.hour();
    if (thisHour != hour) {
        hour = thisHour;
        hourStart = QDateTime(date, QTime(time.hour(), 0), Qt::LocalTime).toMSecsSinceEpoch();
    }
    return hourStart + (time.minute() * 60 + time.second()) * 1000 + time.msec();
}

QDateTime VfReportChart::chartTime(const QDateTime &instrumentTime)
{
    if (!instrumentTime.isValid())
        return QDateTime();
    const QDate date = instrumentTime.date();
    const QTime time = instrumentTime.time();
    // The local offset in a fixed-offset date-time: comparing and reading it
    // back as milliseconds is then arithmetic, not a zone look-up each time.
    const QTime hour(time.hour(), 0);
    const qint64 wallHour = QDateTime(date, hour, Qt::UTC).toMSecsSinceEpoch();
    const int offset = int((wallHour - chartMSecs(date, hour)) / 1000);
    return QDateTime(date, time, Qt::OffsetFromUTC, offset);
}

void VfReportChart::widenSpan(QDateTime &from, QDateTime &to, const QDateTime &at)
{
    if (!at.isValid())
        return;
    if (!from.isValid() || at < from)
        from = at;
    if (!to.isValid() || at > to)
        to = at;
}

int VfReportChart::timeIntervalsFor(const QFont &font, const QString &format, qreal plotWidth)
{
    if (!(plotWidth > 0))
        return kMostIntervals;
    // The widest label a run can have: every digit as wide as a zero is in
    // the faces the charts use, and a 2 or 5 no wider.
    const QString widest = QDateTime(QDate(2000, 12, 28), QTime(20, 58, 58)).toString(format);
    const int labelWidth = QFontMetrics(font).horizontalAdvance(widest) + kTimeLabelGap;
    return qBound(1, int(plotWidth / labelWidth), kMostIntervals);
}

bool VfReportChart::fitValueTitles(QChart *chart)
{
    bool changed = false;
    const qreal room = chart->plotArea().height();
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Vertical);
    for (QAbstractAxis *axis : axes) {
        if (axis->titleText().isEmpty() || !axis->isTitleVisible())
            continue;
        QFont font = axis->titleFont();
        bool smaller = false;
        while (titleWidth(axis->titleText(), font) > room && shrink(font))
            smaller = true;
        if (smaller) {
            axis->setTitleFont(font);
            changed = true;
        }
    }
    return changed;
}

bool VfReportChart::fitTimeAxes(QChart *chart)
{
    bool changed = false;
    const qreal width = chart->plotArea().width();
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Horizontal);
    for (QAbstractAxis *axis : axes) {
        auto *times = qobject_cast<QDateTimeAxis *>(axis);
        if (!times || !times->property(kTimeFrom).isValid())
            continue;
        const int ticks = times->tickCount();
        const QDateTime min = times->min();
        tidyTimeAxis(times, times->property(kTimeFrom).toDateTime(),
                     times->property(kTimeTo).toDateTime(), width);
        changed = changed || ticks != times->tickCount() || min != times->min();
    }
    return changed;
}

void VfReportChart::tidyTimeAxis(QDateTimeAxis *axis, QDateTime from, QDateTime to, qreal plotWidth)
{
    static const qint64 steps[] = {1,     2,     5,     10,    15,    30,    60,
                                   120,   300,   600,   900,   1800,  3600,  7200,
                                   10800, 14400, 21600, 43200, 86400, 172800};
    constexpr qint64 kDay = 86400;
    if (!from.isValid() || !to.isValid()) {
        axis->setFormat(timeFormat(false));
        return;
    }
    axis->setProperty(kTimeFrom, from);
    axis->setProperty(kTimeTo, to);
    if (to <= from)
        to = from.addSecs(1);
    const QString format = timeFormat(from.date() != to.date());
    const int mostIntervals = timeIntervalsFor(axis->labelsFont(), format, plotWidth);
    // Steps are counted in local time so that an hour tick falls on the hour.
    const qint64 offset = from.offsetFromUtc();
    const qint64 begin = from.toSecsSinceEpoch() + offset;
    const qint64 end = to.toSecsSinceEpoch() + offset;
    const auto startOf = [begin](qint64 step) { return begin - ((begin % step) + step) % step; };
    const auto intervalsOf = [&](qint64 step) { return (end - startOf(step) + step - 1) / step; };
    qint64 step = 0;
    for (qint64 candidate : steps) {
        if (intervalsOf(candidate) <= mostIntervals) {
            step = candidate;
            break;
        }
    }
    // Beyond the listed steps (a clock reset can make a run span years),
    // whole days, as many as keep the tick count small: the first tick on
    // a whole step can take an interval more than the span alone, and a
    // step as long as twice the span takes two at most.
    const qint64 span = end - begin;
    for (qint64 days = qMax<qint64>(1, span / mostIntervals / kDay); step == 0; ++days) {
        if (intervalsOf(days * kDay) <= mostIntervals || days * kDay >= 2 * (span + kDay))
            step = days * kDay;
    }
    const qint64 first = startOf(step);
    const qint64 intervals = qMax<qint64>(1, intervalsOf(step));
    axis->setRange(QDateTime::fromSecsSinceEpoch(first - offset),
                   QDateTime::fromSecsSinceEpoch(first + intervals * step - offset));
    axis->setTickCount(int(intervals) + 1);
    // A run that goes past midnight shows the day with each time.
    axis->setFormat(format);
}

QString VfReportChart::timeFormat(bool severalDays)
{
    return severalDays ? QStringLiteral("dd/MM hh:mm:ss") : QStringLiteral("hh:mm:ss");
}

void VfReportChart::setMarkers(QScatterSeries *series, const QVector<QPointF> &points)
{
    series->setProperty(kHeldMarkers, QVariant::fromValue(points));
}

void VfReportChart::paintMarkers(QChart *chart, QPainter *painter)
{
    const QRectF plot = chart->plotArea();
    const QList<QAbstractSeries *> series = chart->series();
    bool painted = false;
    for (QAbstractSeries *each : series) {
        auto *markers = qobject_cast<QScatterSeries *>(each);
        const QVariant held = markers ? markers->property(kHeldMarkers) : QVariant();
        const QRectF values = markers ? plottedValues(markers) : QRectF();
        if (!held.isValid() || values.isNull() || !markers->isVisible())
            continue;
        const QVector<QPoint> cells = pixelCells(held.value<QVector<QPointF>>(), values, plot);
        // A marker is a dot of its size, drawn as a point of a pen that
        // wide: the page takes a point as two short commands, where an
        // outline of its own would cost many.
        QPolygonF centres;
        centres.reserve(cells.size());
        for (const QPoint &cell : cells)
            centres.append(QPointF(cell.x() + 0.5, cell.y() + 0.5));
        const bool round = markers->markerShape() == QScatterSeries::MarkerShapeCircle;
        painter->save();
        painter->setClipRect(plot, Qt::IntersectClip);
        painter->setPen(QPen(markers->brush(), markers->markerSize(), Qt::SolidLine,
                             round ? Qt::RoundCap : Qt::SquareCap));
        painter->setOpacity(painter->opacity() * markers->opacity());
        painter->drawPoints(centres);
        painter->restore();
        painted = true;
    }
    if (painted)
        paintLinesAgain(chart, painter);
}

void VfReportChart::paintLinesAgain(QChart *chart, QPainter *painter)
{
    const QList<QAbstractSeries *> series = chart->series();
    for (QAbstractSeries *each : series) {
        auto *line = qobject_cast<QLineSeries *>(each);
        if (!line || !line->isVisible() || qobject_cast<QScatterSeries *>(each))
            continue;
        const QVector<QPointF> points = line->pointsVector();
        QPolygonF positions;
        positions.reserve(points.size());
        for (const QPointF &point : points)
            positions.append(chart->mapToPosition(point, line));
        painter->save();
        painter->setClipRect(chart->plotArea(), Qt::IntersectClip);
        painter->setPen(line->pen());
        painter->setOpacity(painter->opacity() * line->opacity());
        painter->drawPolyline(positions);
        painter->restore();
    }
}

void VfReportChart::render(QChart *chart, QPainter *painter, const QSize &size)
{
    QGraphicsScene scene(0, 0, size.width(), size.height());
    scene.addItem(chart);
    chart->setGeometry(scene.sceneRect());
    if (chart->layout())
        chart->layout()->activate();
    // A legend lays its markers out on its own; without the event loop it
    // would keep the names it cut to fit the chart's size before this one.
    QLegend *legend = chart->legend();
    if (legend && legend->isVisible() && legend->layout()) {
        legend->layout()->invalidate();
        legend->layout()->activate();
    }
    // The time labels are counted, and the value titles sized, for the
    // plot as laid out on this size.
    const bool ticked = fitTimeAxes(chart);
    if ((fitValueTitles(chart) || ticked) && chart->layout()) {
        chart->layout()->invalidate();
        chart->layout()->activate();
    }
    scene.render(painter, QRectF(QPointF(), size), scene.sceneRect());
    paintMarkers(chart, painter);
    // The chart stays the caller's, laid out.
    scene.removeItem(chart);
}

QBarSeries *VfReportChart::labelledBars(QBarSet *set, const QColor &colour, int precision)
{
    set->setColor(colour);
    set->setBorderColor(Qt::transparent);
    set->setLabelColor(Qt::black);
    set->setLabelFont(font(kBarLabelPixels));
    auto *series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(precision);
    return series;
}

double VfReportChart::labelRoom(double span, int plotPixels)
{
    const int labelPixels = QFontMetrics(font(kBarLabelPixels)).height() + 4;
    return span * labelPixels / qMax(1, plotPixels - labelPixels);
}
