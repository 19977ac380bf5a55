#include "KestrumChart.h"

#include "PointThinning.h"
#include "VfReportChart.h"
#include "VfReportText.h"

#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLineSeries>
#include <QSplineSeries>
#include <QValueAxis>

#include <limits>

using namespace QtCharts;

namespace {

constexpr double kEmptyLow = 0;
constexpr double kEmptyHigh = 40;
constexpr int kLegendPixels = 8;

QString tr(const char *text, const char *disambiguation = nullptr)
{
    return QCoreApplication::translate("KestrumPrinter", text, disambiguation);
}

struct Line
{
    Qt::PenStyle style;
    qreal width;
    const char *colour;
};

// Wet, dry, globe, WBGTi, WBGTo.
const Line kLines[KestrumReading::QuantityCount] = {
    {Qt::DotLine, 1, "#55aaff"},     {Qt::DashLine, 1, "#ff55ff"},
    {Qt::SolidLine, 2, "#aaaa00"},   {Qt::DashDotDotLine, 2, "#ff8800"},
    {Qt::DashDotLine, 2, "#008888"},
};

QString lineName(int quantity)
{
    switch (quantity) {
    case KestrumReading::Wet:
        return QStringLiteral("T<sub>") + tr("Wet") + QStringLiteral("</sub>");
    case KestrumReading::Dry:
        return QStringLiteral("T<sub>") + tr("Dry") + QStringLiteral("</sub>");
    case KestrumReading::Globe:
        return QStringLiteral("T<sub>") + tr("Globe") + QStringLiteral("</sub>");
    case KestrumReading::WbgtIndoor:
        return tr("WBGT") + QStringLiteral("<sub>") + tr("i") + QStringLiteral("</sub>");
    default:
        return tr("WBGT") + QStringLiteral("<sub>") + tr("o") + QStringLiteral("</sub>");
    }
}

// The plotted points of one quantity, on the instrument's clock.
QVector<QPointF> points(const QList<KestrumReading> &readings, int quantity)
{
    QVector<QPointF> plotted;
    plotted.reserve(readings.size());
    for (const KestrumReading &reading : readings) {
        const std::optional<double> value = VfReportText::number(reading.values[quantity]);
        if (value && reading.time.isValid())
            plotted.append(QPointF(
                double(VfReportChart::chartTime(reading.time).toMSecsSinceEpoch()), *value));
    }
    return plotted;
}

} // namespace

bool KestrumChart::anyShown(const Shown &shown)
{
    for (bool on : shown) {
        if (on)
            return true;
    }
    return false;
}

std::pair<double, double> KestrumChart::valueRange(const QList<KestrumReading> &readings,
                                                   const Shown &shown)
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const KestrumReading &reading : readings) {
        for (int q = 0; q < KestrumReading::QuantityCount; ++q) {
            if (!shown[size_t(q)] || !reading.time.isValid())
                continue;
            if (const std::optional<double> value = VfReportText::number(reading.values[q])) {
                lo = qMin(lo, *value);
                hi = qMax(hi, *value);
            }
        }
    }
    if (lo > hi)
        return {kEmptyLow, kEmptyHigh};
    if (VfReportChart::nearlyEqual(lo, hi))
        return {lo - 1, hi + 1};
    return {lo, hi};
}

QChart *KestrumChart::temperatureChart(const QList<KestrumReading> &readings, const Shown &shown,
                                       const QString &unity, int width, int height)
{
    QChart *chart = VfReportChart::newChart(tr("Temperature x Time"));
    chart->legend()->show();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->legend()->setFont(VfReportChart::font(kLegendPixels));
    auto *time = new QDateTimeAxis;
    auto *temperature = new QValueAxis;
    chart->addAxis(temperature, Qt::AlignLeft);
    chart->addAxis(time, Qt::AlignBottom);

    for (int q = 0; q < KestrumReading::QuantityCount; ++q) {
        if (!shown[size_t(q)])
            continue;
        const QVector<QPointF> plotted = points(readings, q);
        const QVector<QPointF> drawn = thinToColumns(plotted, width);
        // A smooth line through the samples; a dense run is drawn as the
        // extremes of each pixel, which a smooth line would overshoot.
        QLineSeries *series = drawn.size() == plotted.size() ? new QSplineSeries : new QLineSeries;
        series->setName(lineName(q));
        QPen pen(kLines[q].style);
        pen.setWidthF(kLines[q].width);
        pen.setColor(QColor(QLatin1String(kLines[q].colour)));
        series->setPen(pen);
        series->replace(drawn);
        chart->addSeries(series);
        series->attachAxis(time);
        series->attachAxis(temperature);
    }

    const std::pair<double, double> range = valueRange(readings, shown);
    temperature->setRange(range.first, range.second);
    VfReportChart::tidyValueAxis(temperature);
    temperature->setTitleText(tr("Temperature") + QStringLiteral(" [") + unity + QLatin1Char(']'));

    QDateTime from;
    QDateTime to;
    for (const KestrumReading &reading : readings)
        VfReportChart::widenSpan(from, to, VfReportChart::chartTime(reading.time));
    VfReportChart::tidyTimeAxis(time, from, to);
    time->setTitleText(tr("Time", "X axis label"));
    chart->resize(width, height);
    return chart;
}
