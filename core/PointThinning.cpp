#include "PointThinning.h"

#include <QSet>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {

struct Column
{
    int lowest = -1;
    int highest = -1;
};

} // namespace

QVector<QPointF> thinToColumns(const QVector<QPointF> &points, int columns)
{
    columns = qMax(1, columns);
    if (points.size() <= 2 * columns)
        return points;

    double left = points.first().x();
    double right = left;
    for (const QPointF &point : points) {
        left = qMin(left, point.x());
        right = qMax(right, point.x());
    }
    const double width = right - left;

    QVector<Column> kept(columns);
    for (int i = 0; i < points.size(); ++i) {
        // The last column is closed on the right, so the rightmost point has
        // one; a series of one x value falls into the first.
        const int c = width > 0
                          ? qBound(0, int(std::floor((points.at(i).x() - left) / width * columns)),
                                   columns - 1)
                          : 0;
        Column &column = kept[c];
        if (column.lowest < 0 || points.at(i).y() < points.at(column.lowest).y())
            column.lowest = i;
        if (column.highest < 0 || points.at(i).y() > points.at(column.highest).y())
            column.highest = i;
    }

    // Earlier in x first; samples at one instant keep their order.
    const auto before = [&points](int a, int b) {
        return points.at(a).x() < points.at(b).x() ||
               (points.at(a).x() == points.at(b).x() && a < b);
    };
    QVector<QPointF> thinned;
    thinned.reserve(2 * columns);
    for (const Column &column : qAsConst(kept)) {
        if (column.lowest < 0)
            continue;
        const int first = before(column.highest, column.lowest) ? column.highest : column.lowest;
        const int second = first == column.lowest ? column.highest : column.lowest;
        thinned.append(points.at(first));
        if (second != first)
            thinned.append(points.at(second));
    }
    return thinned;
}

namespace {

// The pixel on which `value` falls on an axis that shows `span` values from
// `from` over `pixels` pixels from `origin`, reckoned as a chart reckons it;
// far-off values are held to a range the cell key still tells apart.
qint64 pixelOf(double value, double from, double span, double origin, double pixels)
{
    constexpr double kFarthest = 1 << 30;
    const double scale = span > 0 ? pixels / span : 0.0;
    const double pixel = std::floor(origin + (value - from) * scale);
    return qint64(qBound(-kFarthest, pixel, kFarthest));
}

} // namespace

namespace {

// Calls `keep` with the index and pixel of each point of `points` that falls
// on a pixel of `plot` no point before it fell on (see thinToCells).
template <typename Keep>
void eachNewCell(const QVector<QPointF> &points, const QRectF &values, const QRectF &plot,
                 Keep keep)
{
    QSet<quint64> taken;
    for (int i = 0; i < points.size(); ++i) {
        const QPointF &point = points.at(i);
        const qint64 column =
            pixelOf(point.x(), values.left(), values.width(), plot.left(), plot.width());
        // Upwards from the bottom of the plot.
        const qint64 row =
            pixelOf(point.y(), values.top(), values.height(), plot.bottom(), -plot.height());
        const quint64 cell = (quint64(column) << 32) | quint32(row);
        const int before = taken.size();
        taken.insert(cell);
        if (taken.size() != before)
            keep(i, QPoint(int(column), int(row)));
    }
}

} // namespace

QVector<QPointF> thinToCells(const QVector<QPointF> &points, const QRectF &values,
                             const QRectF &plot)
{
    QVector<QPointF> thinned;
    eachNewCell(points, values, plot,
                [&](int index, const QPoint &) { thinned.append(points.at(index)); });
    return thinned;
}

QVector<QPoint> pixelCells(const QVector<QPointF> &points, const QRectF &values, const QRectF &plot)
{
    QVector<QPoint> cells;
    eachNewCell(points, values, plot, [&](int, const QPoint &cell) { cells.append(cell); });
    return cells;
}
