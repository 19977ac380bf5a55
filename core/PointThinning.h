#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QVector>

// Thins a long series of lines for drawing without losing what the eye would see: the
// x range of `points` is cut into `columns` columns of equal width, and of
// each column only its lowest and its highest point stay (in x order), so no
// peak and no dip disappears. A series of at most two points per column
// comes back as it is. Every coordinate must be a finite number. With as many columns as the plot
// has pixels across, the thinned trace draws the same as the whole one.
//
// The screen's charts and the reports' charts both thin through here, so the
// two show the same extremes.
QVector<QPointF> thinToColumns(const QVector<QPointF> &points, int columns);

// Thins a long series of points (markers) for drawing. The plot shows the
// values in `values` (x from left() to right(), y from top() up to bottom():
// top() is the lowest value) on the pixels of `plot`, x to the right and y up
// as a chart maps them; of the points that fall on one pixel only the first
// stays, in the order given. Markers of one look drawn at the kept points
// cover the same pixels as at every point, so the picture is the same, where
// keeping a column's extremes would leave out every value between them.
// Points off the plot are thinned on its pixels continued. Every coordinate
// must be a finite number.
QVector<QPointF> thinToCells(const QVector<QPointF> &points, const QRectF &values,
                             const QRectF &plot);

// The pixels of `plot` on which `points` fall, as thinToCells reckons them
// (column and row of the pixel), each once, in the order first met: a marker
// drawn centred on each draws the picture of markers at every point, at one
// draw per pixel.
QVector<QPoint> pixelCells(const QVector<QPointF> &points, const QRectF &values,
                           const QRectF &plot);
