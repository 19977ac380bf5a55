#include "Dravo2ReportCharts.h"

#include "LeqPerOctave.h"
#include "PointThinning.h"
#include "VfFrequencyWeighting.h"
#include "VfPrinter.h"
#include "VfReportChart.h"
#include "VfReportText.h"
#include "models/dravo2/Dravo2Log.h"

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

// Room under the plot for category labels turned upright.
constexpr int kTurnedLabelRoom = 40;
const QColor kHistogramColour(255, 127, 80);

QString dbTitle(const QString &text)
{
    return text + QStringLiteral(" [dB]");
}

} // namespace

std::optional<double> Dravo2ReportCharts::level(const Log *log)
{
    const auto *sample = qobject_cast<const Dravo2Log *>(log);
    return sample ? VfReportText::number(sample->level()) : std::nullopt;
}

Dravo2ReportCharts::ClassMinutes Dravo2ReportCharts::histogramMinutes(const QList<Log *> &logs,
                                                                      int sampleSeconds)
{
    std::array<qint64, HistogramClasses> seconds{};
    for (const Log *log : logs) {
        const std::optional<double> value = level(log);
        if (!value || *value < 0)
            continue;
        const double index = std::floor(*value / ClassWidthDb);
        if (index >= HistogramClasses)
            continue;
        seconds[size_t(index)] += qMax(0, sampleSeconds);
    }
    ClassMinutes minutes{};
    for (int k = 0; k < HistogramClasses; ++k)
        minutes[k] = seconds[k] / 60.0;
    return minutes;
}

QChart *Dravo2ReportCharts::levelOverTime(const QList<Log *> &logs, int plotWidth)
{
    QVector<QPointF> points;
    points.reserve(logs.size());
    for (const Log *log : logs) {
        const std::optional<double> value = level(log);
        if (value && log->registerDate().isValid())
            points.append(
                QPointF(VfReportChart::chartTime(log->registerDate()).toMSecsSinceEpoch(), *value));
    }

    // Several samples per pixel: the lowest and highest of each pixel's
    // samples draw the same trace with fewer points.
    points = thinToColumns(points, plotWidth);

    QChart *chart = VfReportChart::newChart(tr("Noise level x Time"));
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
        lo = 0;
        hi = 100;
    }
    VfReportChart::setValueRange(levels, lo, hi);
    levels->setTitleText(dbTitle(tr("Noise ").trimmed()));
    VfReportChart::tidyValueAxis(levels);

    // The axis spans the samples, whatever was left out of the trace.
    QDateTime from;
    QDateTime to;
    for (const Log *log : logs) {
        const QDateTime at = VfReportChart::chartTime(log->registerDate());
        if (!at.isValid())
            continue;
        if (!from.isValid() || at < from)
            from = at;
        if (!to.isValid() || at > to)
            to = at;
    }
    VfReportChart::tidyTimeAxis(time, from, to);
    time->setTitleText(tr("Time", "X axis label"));
    return chart;
}

QChart *Dravo2ReportCharts::histogram(const QList<Log *> &logs, int sampleSeconds)
{
    const ClassMinutes minutes = histogramMinutes(logs, sampleSeconds);
    auto *set = new QBarSet(dbTitle(tr("Level ").trimmed()));
    QStringList categories;
    double largest = 0;
    for (int k = 0; k < HistogramClasses; ++k) {
        if (!(minutes[k] > 0))
            continue;
        // A class is named by its upper edge, as on the results page: the
        // class [80, 85) dB reads "85".
        categories.append(QString::number((k + 1) * ClassWidthDb));
        const double value = std::round(minutes[k] * 100) / 100;
        set->append(value);
        largest = qMax(largest, value);
    }

    QChart *chart = VfReportChart::newChart(tr("Histogram"));
    QBarSeries *series = VfReportChart::labelledBars(set, kHistogramColour, 6);
    series->setBarWidth(0.8);
    auto *classes = new QBarCategoryAxis;
    classes->append(categories);
    if (categories.size() > 12)
        classes->setLabelsAngle(-90);
    classes->setTitleText(dbTitle(tr("Noise ").trimmed()));
    auto *time = new QValueAxis;
    VfReportChart::attach(chart, series, classes, time);
    time->setRange(0, largest > 0 ? largest + VfReportChart::labelRoom(largest, 90) : 1);
    time->setTitleText(tr("Time ").trimmed() + QStringLiteral(" [min]"));
    VfReportChart::tidyValueAxis(time);
    return chart;
}

int Dravo2ReportCharts::extraHeight(const QChart *chart)
{
    const auto axes = chart ? chart->axes(Qt::Horizontal) : QList<QAbstractAxis *>();
    for (const QAbstractAxis *axis : axes) {
        if (qobject_cast<const QBarCategoryAxis *>(axis) && axis->labelsAngle() != 0)
            return kTurnedLabelRoom;
    }
    return 0;
}

QChart *Dravo2ReportCharts::octaveBands(const QList<LeqPerOctave *> &bands,
                                        const QString &octaveAnalysis, char weighting)
{
    auto *set = new QBarSet(QString());
    QStringList categories;
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const LeqPerOctave *band : bands) {
        std::optional<double> value = VfReportText::number(band->leq());
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
        const double shown = std::round(*value * 10) / 10;
        set->append(shown);
        categories.append(VfReportText::bandLabel(band->frequency()));
        lo = qMin(lo, shown);
        hi = qMax(hi, shown);
    }

    const QString letter = QString(QLatin1Char(weighting));
    const QString quantity = QStringLiteral("L<sub>%1eq</sub>").arg(letter);
    const bool thirds = octaveAnalysis == QLatin1String("1/3");
    QChart *chart = VfReportChart::newChart(
        quantity + (thirds ? QStringLiteral(" x 1/3 ") : QStringLiteral(" x ")) + tr("Octave"));
    const QColor colour = weighting == 'A'   ? QColor(Qt::blue)
                          : weighting == 'C' ? QColor(Qt::darkGreen)
                                             : QColor(Qt::red);
    QBarSeries *series = VfReportChart::labelledBars(set, colour, 4);
    if (thirds)
        series->setLabelsAngle(-90);
    auto *frequencies = new QBarCategoryAxis;
    frequencies->append(categories);
    if (thirds)
        frequencies->setLabelsAngle(-90);
    frequencies->setTitleText(tr("Frequency ").trimmed() + QStringLiteral(" [Hz]"));
    auto *levels = new QValueAxis;
    VfReportChart::attach(chart, series, frequencies, levels);
    if (categories.isEmpty()) {
        lo = 0;
        hi = 100;
    }
    // The bars stand on a floor a little below the lowest band, so that the
    // lowest is still a bar; with label room above the highest.
    const double floor = lo >= 0 ? qMax(0.0, lo - 10) : lo - 10;
    const double top = hi + VfReportChart::labelRoom(hi - floor, 120) * (thirds ? 2.5 : 1.0);
    VfReportChart::setValueRange(levels, floor, top);
    levels->setTitleText(quantity + QStringLiteral(" [dB]"));
    VfReportChart::tidyValueAxis(levels);
    return chart;
}
