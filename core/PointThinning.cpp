#include "PointThinning.h"

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
