#include "QuillonReportCharts.h"

#include "AmrPerOctave.h"
#include "QuillonLog.h"
#include "VfReportChart.h"
#include "VfReportText.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QFontMetrics>
#include <QLegend>
#include <QScatterSeries>
#include <QValueAxis>

#include <limits>

using namespace QtCharts;

namespace {

constexpr qreal kMarkerSize = 3;
// The first colour of the charts' default theme.
const QColor kBarColour(32, 159, 223);
constexpr int kThirdOctaveLabelAngle = -80;
constexpr int kBarLabelPrecision = 3;

// One series of the acceleration chart.
struct Trace
{
    const char *name;
    QString (QuillonLog::*value)() const;
    QColor colour;
    QScatterSeries::MarkerShape shape;
};

const Trace kTraces[] = {
    {"a<sub>mr</sub>", &QuillonLog::amr, Qt::blue, QScatterSeries::MarkerShapeRectangle},
    {"a<sub>wX</sub>", &QuillonLog::awX, Qt::red, QScatterSeries::MarkerShapeCircle},
    {"a<sub>wY</sub>", &QuillonLog::awY, Qt::green, QScatterSeries::MarkerShapeRectangle},
    {"a<sub>wZ</sub>", &QuillonLog::awZ, Qt::gray, QScatterSeries::MarkerShapeCircle},
};

// The lowest and highest of the values shown.
struct Extent
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double value)
    {
        lo = qMin(lo, value);
        hi = qMax(hi, value);
    }
    bool empty() const { return !(hi >= lo); }
};

} // namespace

QChart *QuillonReportCharts::acceleration(const QList<Log *> &logs)
{
    QChart *chart = VfReportChart::newChart(tr("Acceleration x Time"));
    chart->legend()->show();
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto *times = new QDateTimeAxis;
    auto *values = new QValueAxis;
    chart->addAxis(values, Qt::AlignLeft);
    chart->addAxis(times, Qt::AlignBottom);

    Extent extent;
    QDateTime first;
    QDateTime last;
    for (const Trace &trace : kTraces) {
        QVector<QPointF> points;
        points.reserve(logs.size());
        for (const Log *log : logs) {
            const auto *sample = qobject_cast<const QuillonLog *>(log);
            const QDateTime at = VfReportChart::chartTime(log->registerDate());
            const std::optional<double> value =
                sample ? VfReportText::number((sample->*trace.value)()) : std::nullopt;
            if (!value || !at.isValid())
                continue;
            extent.add(*value);
            if (!first.isValid() || at < first)
                first = at;
            if (!last.isValid() || at > last)
                last = at;
            points.append(QPointF(at.toMSecsSinceEpoch(), *value));
        }
        auto *series = new QScatterSeries;
        series->setName(QLatin1String(trace.name));
        series->setColor(trace.colour);
        series->setBorderColor(Qt::transparent);
        series->setMarkerShape(trace.shape);
        series->setMarkerSize(kMarkerSize);
        VfReportChart::setMarkers(series, points);
        chart->addSeries(series);
        series->attachAxis(times);
        series->attachAxis(values);
    }
    if (extent.empty())
        values->setRange(0, 1);
    else
        VfReportChart::setValueRange(values, extent.lo, extent.hi);
    VfReportChart::tidyValueAxis(values);
    values->setTitleText(tr("Acceleration ") + QStringLiteral(" [m/s\u00b2]"));
    VfReportChart::tidyTimeAxis(times, first, last);
    times->setTitleText(tr("Time", "X axis label"));
    return chart;
}

QChart *QuillonReportCharts::octaves(const QList<AmrPerOctave *> &bands, const QString &axis,
                                     const QString &octaveAnalysis)
{
    auto *set = new QBarSet(QString());
    QStringList categories;
    Extent extent;
    for (const AmrPerOctave *band : bands) {
        const std::optional<double> value = VfReportText::number(band->amr());
        if (!value)
            continue;
        set->append(*value);
        categories.append(VfReportText::bandLabel(band->frequency()));
        extent.add(*value);
    }

    const bool octave = octaveAnalysis == QLatin1String("1/1");
    const QString quantity = QStringLiteral("Am<sub>%1</sub>").arg(axis);
    QChart *chart = VfReportChart::newChart(
        quantity + (octave ? QStringLiteral(" x ") : QStringLiteral(" x 1/3 ")) + tr("Octave"));
    QBarSeries *series = VfReportChart::labelledBars(set, kBarColour, kBarLabelPrecision);
    auto *frequencies = new QBarCategoryAxis;
    frequencies->append(categories);
    frequencies->setTitleText(tr("Frequency ") + QStringLiteral(" [Hz]"));
    if (!octave) {
        set->setLabelFont(VfReportChart::font(6));
        frequencies->setLabelsAngle(kThirdOctaveLabelAngle);
    }
    auto *values = new QValueAxis;
    VfReportChart::attach(chart, series, frequencies, values);
    if (extent.empty()) {
        values->setRange(0, 1);
    } else {
        // Room above the highest bar for its value label.
        const int line = QFontMetrics(VfReportChart::font()).height();
        const double top = extent.hi + 3.0 * line * (extent.hi - extent.lo) / 200;
        // The bars stand on 0.
        VfReportChart::setValueRange(values, qMin(0.0, extent.lo), top);
    }
    VfReportChart::tidyValueAxis(values);
    values->setTitleText(quantity + QStringLiteral("[m/s<sup>2</sup>]"));
    return chart;
}
