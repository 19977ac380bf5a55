#pragma once

#include "KestrumReadings.h"

#include <QList>
#include <QString>
#include <array>

namespace QtCharts {
class QChart;
}

// The "Temperature x Time" chart of the heat-stress reports: one line per
// quantity switched on, over the instrument's own clock time. A reading that
// is no number is left out of its line and of the value range; a chart with
// nothing to plot shows an empty value axis from 0 to 40.
class KestrumChart
{
public:
    using Shown = std::array<bool, KestrumReading::QuantityCount>;

    // A new chart `width` x `height` pixels (the caller renders and deletes
    // it).
    static QtCharts::QChart *temperatureChart(const QList<KestrumReading> &readings,
                                              const Shown &shown, const QString &unity, int width,
                                              int height);
    // The range the value axis starts from before it is rounded: the lowest
    // and highest plotted values (widened by 1 either way when they are
    // equal), or 0 to 40 when nothing is plotted.
    static std::pair<double, double> valueRange(const QList<KestrumReading> &readings,
                                                const Shown &shown);
    static bool anyShown(const Shown &shown);
};
