#pragma once

#include <QPointF>
#include <QVector>

// Thins a long series for drawing without losing what the eye would see: the
// x range of `points` is cut into `columns` columns of equal width, and of
// each column only its lowest and its highest point stay (in x order), so no
// peak and no dip disappears. A series of at most two points per column
// comes back as it is. Every coordinate must be a finite number. With as many columns as the plot
// has pixels across, the thinned trace draws the same as the whole one.
//
// The screen's charts and the reports' charts both thin through here, so the
// two show the same extremes.
QVector<QPointF> thinToColumns(const QVector<QPointF> &points, int columns);
