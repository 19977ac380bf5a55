#include "TolvarReportCharts.h"

#include "Experiment.h"
#include "VfPrinter.h"
#include "VfReportChart.h"
#include "models/tolvar/TolvarLog.h"
#include "models/tolvar/TolvarPrinter.h"
#include "models/tolvar/TolvarResults.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <cmath>
#include <functional>
#include <limits>

using namespace QtCharts;

namespace {

constexpr qreal kPointSize = 3.0;

QString tr(const char *text)
{
    return QCoreApplication::translate("TolvarPrinter", text);
}

QXYSeries *sampleSeries(bool points)
{
    if (!points)
        return new QLineSeries;
    auto *series = new QScatterSeries;
    series->setMarkerSize(kPointSize);
    series->setBorderColor(Qt::transparent);
    return series;
}

QLineSeries *limitSeries(const QString &name, const QColor &colour)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 1, Qt::DotLine));
    return series;
}

// A chart with a legend, the time along the bottom and the value at the left.
QChart *timeChart(const QString &title, QValueAxis **values, QDateTimeAxis **times)
{
    QChart *chart = VfReportChart::newChart(title + QStringLiteral(" x ") + tr("Time"));
    chart->legend()->show();
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    *values = new QValueAxis;
    *times = new QDateTimeAxis;
    (*times)->setTitleText(QCoreApplication::translate("TolvarPrinter", "Time", "X axis label"));
    chart->addAxis(*values, Qt::AlignLeft);
    chart->addAxis(*times, Qt::AlignBottom);
    return chart;
}

void addSeries(QChart *chart, QAbstractSeries *series)
{
    chart->addSeries(series);
    for (QAbstractAxis *axis : chart->axes())
        series->attachAxis(axis);
}

// Lowest and highest of the finite values that `value` takes over the samples
// with a valid time, and the first and last of those times on the chart.
struct Extent
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    QDateTime first;
    QDateTime last;
    bool empty() const { return !(hi >= lo); }
};

Extent plot(Experiment *run, QXYSeries *series,
            const std::function<double(const TolvarLog *)> &value)
{
    Extent extent;
    const QList<Log *> logs = run ? run->logs() : QList<Log *>();
    QVector<QPointF> points;
    points.reserve(logs.size());
    for (const Log *log : logs) {
        const auto *sample = qobject_cast<const TolvarLog *>(log);
        const double y = sample ? value(sample) : std::nan("");
        const QDateTime time = VfReportChart::chartTime(log->registerDate());
        if (!std::isfinite(y) || !time.isValid())
            continue;
        extent.lo = qMin(extent.lo, y);
        extent.hi = qMax(extent.hi, y);
        VfReportChart::widenSpan(extent.first, extent.last, time);
        points.append(QPointF(time.toMSecsSinceEpoch(), y));
    }
    // Markers are drawn when the chart is, over it.
    if (auto *markers = qobject_cast<QScatterSeries *>(series))
        VfReportChart::setMarkers(markers, points);
    else
        series->replace(points);
    return extent;
}

} // namespace

QChart *TolvarReportCharts::flowChart(Experiment *run, bool points)
{
    QValueAxis *values = nullptr;
    QDateTimeAxis *times = nullptr;
    QChart *chart = timeChart(tr("Flow"), &values, &times);
    values->setTitleText(tr("Flow") + QStringLiteral(" [L/min]"));

    QXYSeries *flow = sampleSeries(points);
    flow->setName(tr("Flow"));
    flow->setColor(Qt::blue);
    flow->setPen(QPen(Qt::blue));
    Extent extent = plot(run, flow, [](const TolvarLog *sample) { return sample->Flow(); });
    addSeries(chart, flow);

    const auto *results = run ? qobject_cast<const TolvarResults *>(run->results()) : nullptr;
    const double upper = results ? results->flowUpperLimit() : std::nan("");
    const double lower = results ? results->flowLowerLimit() : std::nan("");
    // Without a set-point there are no limits to draw.
    if (std::isfinite(upper) && std::isfinite(lower)) {
        QLineSeries *upperLine = limitSeries(tr("Upper limit"), Qt::red);
        QLineSeries *lowerLine = limitSeries(tr("Lower limit"), Qt::green);
        // Level lines from the first sample's time to the last.
        for (const QDateTime &at : {extent.first, extent.last}) {
            upperLine->append(at.toMSecsSinceEpoch(), upper);
            lowerLine->append(at.toMSecsSinceEpoch(), lower);
        }
        addSeries(chart, upperLine);
        addSeries(chart, lowerLine);
        extent.lo = qMin(extent.lo, lower);
        extent.hi = qMax(extent.hi, upper);
    }
    if (!extent.empty()) {
        values->setRange(extent.lo, extent.hi);
        VfPrinter::setAxisRange(values);
    }
    VfReportChart::tidyTimeAxis(times, extent.first, extent.last);
    return chart;
}

QChart *TolvarReportCharts::backpressureChart(Experiment *run, bool inKPa, bool points)
{
    QValueAxis *values = nullptr;
    QDateTimeAxis *times = nullptr;
    QChart *chart = timeChart(tr("Backpressure"), &values, &times);
    values->setTitleText(tr("Backpressure") +
                         (inKPa ? QStringLiteral(" [kPa]")
                                : QStringLiteral(" [") + tr("inH2O") + QStringLiteral("]")));
    values->setLabelFormat(QStringLiteral("%.1f"));

    QXYSeries *pressure = sampleSeries(points);
    pressure->setName(tr("Backpressure"));
    pressure->setColor(Qt::blue);
    const Extent extent = plot(run, pressure, [inKPa](const TolvarLog *sample) {
        const double kPa = sample->BackPressure();
        return inKPa ? kPa : TolvarPrinter::kPaToInH2O(kPa);
    });
    addSeries(chart, pressure);
    if (!extent.empty()) {
        values->setRange(extent.lo - 1.0, extent.hi + 1.0);
        VfPrinter::setAxisRange(values);
    }
    VfReportChart::tidyTimeAxis(times, extent.first, extent.last);
    return chart;
}
