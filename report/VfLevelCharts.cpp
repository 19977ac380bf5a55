#include "VfLevelCharts.h"

#include "LeqPerOctave.h"
#include "Log.h"
#include "PointThinning.h"
#include "VfFrequencyWeighting.h"
#include "VfReportChart.h"
#include "VfReportText.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>
#include <limits>

using namespace QtCharts;

namespace {

// Empty charts still show a level axis of a usual span.
constexpr double kEmptyLow = 0;
constexpr double kEmptyHigh = 100;
// The bars stand on a floor this far below the lowest band, so that the
// lowest is still a bar.
constexpr double kBarFloorDb = 10;
constexpr int kLevelPlotPixels = 120;
// Third-octave labels stand upright and need more room above the bars.
constexpr double kUprightLabelRoom = 2.5;
constexpr int kTurnedBandLabelPixels = 7;

} // namespace

QChart *VfLevelCharts::levelOverTime(const QList<Log *> &logs, const LevelOf &levelOf,
                                     int plotWidth, const QString &title, const QString &levelTitle)
{
    QVector<QPointF> points;
    points.reserve(logs.size());
    QDateTime from;
    QDateTime to;
    for (const Log *log : logs) {
        const QDateTime at = VfReportChart::chartTime(log->registerDate());
        if (!at.isValid())
            continue;
        // The axis spans the samples, whatever is left out of the trace.
        if (!from.isValid() || at < from)
            from = at;
        if (!to.isValid() || at > to)
            to = at;
        const std::optional<double> value = levelOf(log);
        if (value)
            points.append(QPointF(at.toMSecsSinceEpoch(), *value));
    }

    // Several samples per pixel: the lowest and highest of each pixel's
    // samples draw the same trace with fewer points.
    points = thinToColumns(points, plotWidth);

    QChart *chart = VfReportChart::newChart(title);
    auto *series = new QLineSeries;
    series->setPen(QPen(QColor(0, 70, 160), 1.0));
    series->replace(points);
    auto *time = new QDateTimeAxis;
    auto *levels = new QValueAxis;
    VfReportChart::attach(chart, series, time, levels);

    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const QPointF &point : qAsConst(points)) {
        lo = qMin(lo, point.y());
        hi = qMax(hi, point.y());
    }
    if (points.isEmpty()) {
        lo = kEmptyLow;
        hi = kEmptyHigh;
    }
    VfReportChart::setValueRange(levels, lo, hi);
    levels->setTitleText(levelTitle);
    VfReportChart::tidyValueAxis(levels);

    VfReportChart::tidyTimeAxis(time, from, to);
    time->setTitleText(tr("Time", "X axis label"));
    return chart;
}

QList<VfLevelCharts::Bar> VfLevelCharts::bandBars(const QList<LeqPerOctave *> &bands,
                                                  char weighting)
{
    QList<Bar> bars;
    for (const LeqPerOctave *band : bands) {
        std::optional<double> value = band ? VfReportText::number(band->leq()) : std::nullopt;
        if (!value)
            continue;
        if (weighting != 'Z') {
            const std::optional<double> frequency = VfReportText::number(band->frequency());
            const std::optional<double> correction =
                frequency ? VfFrequencyWeighting::correction(*frequency, weighting) : std::nullopt;
            if (!correction)
                continue;
            *value += *correction;
        }
        bars.append({VfReportText::bandLabel(band->frequency()), std::round(*value * 10) / 10});
    }
    return bars;
}

QChart *VfLevelCharts::octaveBands(const QList<LeqPerOctave *> &bands,
                                   const QString &octaveAnalysis, char weighting)
{
    auto *set = new QBarSet(QString());
    QStringList categories;
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const Bar &bar : bandBars(bands, weighting)) {
        set->append(bar.level);
        categories.append(bar.label);
        lo = qMin(lo, bar.level);
        hi = qMax(hi, bar.level);
    }

    const QString letter = QString(QLatin1Char(weighting));
    const QString quantity = QStringLiteral("L<sub>%1eq</sub>").arg(letter);
    const bool octaves = octaveAnalysis == QLatin1String("1/1");
    QChart *chart = VfReportChart::newChart(
        quantity + (octaves ? QStringLiteral(" x ") : QStringLiteral(" x 1/3 ")) + tr("Octave"));
    const QColor colour = weighting == 'A'   ? QColor(Qt::blue)
                          : weighting == 'C' ? QColor(Qt::darkGreen)
                                             : QColor(Qt::red);
    QBarSeries *series = VfReportChart::labelledBars(set, colour, 4);
    auto *frequencies = new QBarCategoryAxis;
    frequencies->append(categories);
    if (!octaves) {
        series->setLabelsAngle(-90);
        frequencies->setLabelsAngle(-90);
        // Thirty turned band labels fit across a page only in a smaller face.
        frequencies->setLabelsFont(VfReportChart::font(kTurnedBandLabelPixels));
    }
    frequencies->setTitleText(tr("Frequency ") + QStringLiteral(" [Hz]"));
    auto *levels = new QValueAxis;
    VfReportChart::attach(chart, series, frequencies, levels);
    if (categories.isEmpty()) {
        VfReportChart::setValueRange(levels, kEmptyLow, kEmptyHigh);
    } else if (VfReportChart::nearlyEqual(lo, hi)) {
        // Equal bars: one decibel either way.
        VfReportChart::setValueRange(levels, lo, hi);
    } else {
        // Below the lowest bar a floor, above the highest room for its label.
        const double floor = lo >= 0 ? qMax(0.0, lo - kBarFloorDb) : lo - kBarFloorDb;
        const double top = hi + VfReportChart::labelRoom(hi - floor, kLevelPlotPixels) *
                                    (octaves ? 1.0 : kUprightLabelRoom);
        VfReportChart::setValueRange(levels, floor, top);
    }
    levels->setTitleText(quantity + QStringLiteral(" [dB]"));
    VfReportChart::tidyValueAxis(levels);
    return chart;
}
