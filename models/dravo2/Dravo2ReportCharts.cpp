#include "Dravo2ReportCharts.h"

#include "LeqPerOctave.h"
#include "PointThinning.h"
#include "VfPrinter.h"
#include "models/dravo2/Dravo2Log.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QFontMetrics>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <cmath>
#include <iterator>
#include <limits>

using namespace QtCharts;

namespace {

// IEC 61672-1 corrections at the nominal one-third-octave centres from 10 Hz
// (position 0) to 20 kHz (position 33).
constexpr int kBandPositions = 34;
constexpr double kAWeighting[kBandPositions] = {
    -70.4, -63.4, -56.7, -50.5, -44.7, -39.4, -34.6, -30.2, -26.2, -22.5, -19.1, -16.1,
    -13.4, -10.9, -8.6,  -6.6,  -4.8,  -3.2,  -1.9,  -0.8,  0.0,   0.6,   1.0,   1.2,
    1.3,   1.2,   1.0,   0.5,   -0.1,  -1.1,  -2.5,  -4.3,  -6.6,  -9.3};
constexpr double kCWeighting[kBandPositions] = {
    -14.3, -11.2, -8.5, -6.2, -4.4, -3.0, -2.0, -1.3, -0.8, -0.5, -0.3, -0.2,
    -0.1,  0.0,   0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  -0.1, -0.2,
    -0.3,  -0.5,  -0.8, -1.3, -2.0, -3.0, -4.4, -6.2, -8.5, -11.2};

constexpr int kLabelPixels = 8;
// Room under the plot for category labels turned upright ("100-105").
constexpr int kTurnedLabelRoom = 40;
const QColor kHistogramColour(255, 127, 80);

QFont chartFont(int pixels = kLabelPixels)
{
    return VfPrinter::reportFont(QStringLiteral("FreeSans"), pixels);
}

bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1e12 <= qMin(std::abs(a), std::abs(b));
}

QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->setBackgroundRoundness(0);
    chart->setLocalizeNumbers(true);
    chart->legend()->hide();
    return chart;
}

void attach(QChart *chart, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    chart->addSeries(series);
    chart->addAxis(y, Qt::AlignLeft);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    series->attachAxis(y);
}

// Bar values printed at the bar ends, above the bars.
QBarSeries *labelledBars(QBarSet *set, const QColor &colour, int precision)
{
    set->setColor(colour);
    set->setBorderColor(Qt::transparent);
    set->setLabelColor(Qt::black);
    set->setLabelFont(chartFont(7));
    auto *series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(precision);
    return series;
}

// Room above the highest bar for its value label, in value units.
double labelRoom(double span, int plotPixels)
{
    const int labelPixels = QFontMetrics(chartFont(7)).height() + 4;
    return span * labelPixels / qMax(1, plotPixels - labelPixels);
}

// Most intervals a value axis of these small charts shows with room for
// every label.
constexpr int kMostIntervals = 6;

// The framework's tidy range, then ticks on round steps (1, 2 or 5 times a
// power of ten): the minimum goes down and the maximum up to whole steps, so
// that every tick label is a round value.
void tidyAxis(QValueAxis *axis)
{
    VfPrinter::setAxisRange(axis);
    const double lo = axis->min();
    const double hi = axis->max();
    if (!(hi > lo))
        return;
    for (int exponent = -3; exponent <= 4; ++exponent) {
        for (double mantissa : {1.0, 2.0, 5.0}) {
            const double step = mantissa * std::pow(10.0, exponent);
            const double first = std::floor(lo / step + 1e-9) * step;
            const int intervals = int(std::ceil((hi - first) / step - 1e-9));
            if (intervals > kMostIntervals)
                continue;
            axis->setRange(first, first + intervals * step);
            axis->setTickCount(intervals + 1);
            axis->setLabelFormat(QStringLiteral("%.%1f").arg(qMax(0, -exponent)));
            return;
        }
    }
}

// The time axis over [from, to] with ticks on round times of day (whole
// seconds, minutes or hours), the range widened to whole steps.
void tidyTimeAxis(QDateTimeAxis *axis, QDateTime from, QDateTime to)
{
    static const qint64 steps[] = {1,     2,     5,     10,    15,    30,    60,
                                   120,   300,   600,   900,   1800,  3600,  7200,
                                   10800, 14400, 21600, 43200, 86400, 172800};
    if (!from.isValid() || !to.isValid()) {
        axis->setFormat(QStringLiteral("hh:mm:ss"));
        return;
    }
    if (to <= from)
        to = from.addSecs(1);
    // Steps are counted in local time so that an hour tick falls on the hour.
    const qint64 offset = from.toLocalTime().offsetFromUtc();
    const qint64 begin = from.toSecsSinceEpoch() + offset;
    const qint64 end = to.toSecsSinceEpoch() + offset;
    qint64 step = steps[std::size(steps) - 1];
    for (qint64 candidate : steps) {
        const qint64 first = begin - ((begin % candidate) + candidate) % candidate;
        const qint64 intervals = (end - first + candidate - 1) / candidate;
        if (intervals <= 6) {
            step = candidate;
            break;
        }
    }
    const qint64 first = begin - ((begin % step) + step) % step;
    const qint64 intervals = qMax<qint64>(1, (end - first + step - 1) / step);
    axis->setRange(QDateTime::fromSecsSinceEpoch(first - offset),
                   QDateTime::fromSecsSinceEpoch(first + intervals * step - offset));
    axis->setTickCount(int(intervals) + 1);
    // A run that goes past midnight shows the day on each tick.
    const bool severalDays = from.toLocalTime().date() != to.toLocalTime().date();
    axis->setFormat(severalDays  ? QStringLiteral("dd/MM hh:mm")
                    : step >= 60 ? QStringLiteral("hh:mm")
                                 : QStringLiteral("hh:mm:ss"));
}

QString dbTitle(const QString &text)
{
    return text + QStringLiteral(" [dB]");
}

} // namespace

std::optional<double> Dravo2ReportCharts::number(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> Dravo2ReportCharts::level(const Log *log)
{
    const auto *sample = qobject_cast<const Dravo2Log *>(log);
    return sample ? number(sample->level()) : std::nullopt;
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

std::optional<double> Dravo2ReportCharts::weightingCorrection(double frequencyHz, char weighting)
{
    if (!(frequencyHz > 0))
        return std::nullopt;
    // The one-third-octave positions are a tenth of a decade apart from 10 Hz.
    const long position = std::lround(10.0 * std::log10(frequencyHz / 10.0));
    if (position < 0 || position >= kBandPositions)
        return std::nullopt;
    switch (weighting) {
    case 'A':
        return kAWeighting[position];
    case 'C':
        return kCWeighting[position];
    default:
        return 0.0;
    }
}

QString Dravo2ReportCharts::bandLabel(const QString &frequency)
{
    const std::optional<double> f = number(frequency);
    if (!f)
        return frequency;
    const QLocale locale;
    if (*f >= 1000) {
        const qint64 whole = qint64(*f);
        const int decimals = whole % 1000 == 0 ? 0 : (whole % 1000) % 100 == 0 ? 1 : 2;
        return locale.toString(*f / 1000, 'f', decimals) + QStringLiteral(" k");
    }
    return locale.toString(*f, 'f', *f >= 50 ? 0 : 1);
}

QChart *Dravo2ReportCharts::levelOverTime(const QList<Log *> &logs, int plotWidth)
{
    QVector<QPointF> points;
    points.reserve(logs.size());
    for (const Log *log : logs) {
        const std::optional<double> value = level(log);
        if (value && log->registerDate().isValid())
            points.append(QPointF(log->registerDate().toMSecsSinceEpoch(), *value));
    }

    // Several samples per pixel: the lowest and highest of each pixel's
    // samples draw the same trace with fewer points.
    points = thinToColumns(points, plotWidth);

    QChart *chart = newChart(tr("Noise level x Time"));
    auto *series = new QLineSeries;
    series->setPen(QPen(QColor(0, 70, 160), 1.0));
    series->replace(points);
    auto *time = new QDateTimeAxis;
    auto *levels = new QValueAxis;
    attach(chart, series, time, levels);

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
    if (fuzzyEqual(hi, lo))
        levels->setRange(lo - 1, hi + 1);
    else
        levels->setRange(lo, hi);
    levels->setTitleText(dbTitle(tr("Noise ").trimmed()));
    tidyAxis(levels);

    // The axis spans the samples, whatever was left out of the trace.
    QDateTime from;
    QDateTime to;
    for (const Log *log : logs) {
        const QDateTime at = log->registerDate();
        if (!at.isValid())
            continue;
        if (!from.isValid() || at < from)
            from = at;
        if (!to.isValid() || at > to)
            to = at;
    }
    tidyTimeAxis(time, from, to);
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
        // The class [80, 85) dB reads "80-85".
        categories.append(
            QStringLiteral("%1-%2").arg(k * ClassWidthDb).arg((k + 1) * ClassWidthDb));
        const double value = std::round(minutes[k] * 100) / 100;
        set->append(value);
        largest = qMax(largest, value);
    }

    QChart *chart = newChart(tr("Histogram"));
    QBarSeries *series = labelledBars(set, kHistogramColour, 6);
    series->setBarWidth(0.8);
    auto *classes = new QBarCategoryAxis;
    classes->append(categories);
    if (categories.size() > 12)
        classes->setLabelsAngle(-90);
    classes->setTitleText(dbTitle(tr("Noise ").trimmed()));
    auto *time = new QValueAxis;
    attach(chart, series, classes, time);
    time->setRange(0, largest > 0 ? largest + labelRoom(largest, 90) : 1);
    time->setTitleText(tr("Time ").trimmed() + QStringLiteral(" [min]"));
    tidyAxis(time);
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
        std::optional<double> value = number(band->leq());
        if (!value)
            continue;
        if (weighting != 'Z') {
            const std::optional<double> frequency = number(band->frequency());
            const std::optional<double> correction =
                frequency ? weightingCorrection(*frequency, weighting) : std::nullopt;
            if (!correction)
                continue;
            *value += *correction;
        }
        const double shown = std::round(*value * 10) / 10;
        set->append(shown);
        categories.append(bandLabel(band->frequency()));
        lo = qMin(lo, shown);
        hi = qMax(hi, shown);
    }

    const QString letter = QString(QLatin1Char(weighting));
    const QString quantity = QStringLiteral("L<sub>%1eq</sub>").arg(letter);
    const bool thirds = octaveAnalysis == QLatin1String("1/3");
    QChart *chart = newChart(
        quantity + (thirds ? QStringLiteral(" x 1/3 ") : QStringLiteral(" x ")) + tr("Octave"));
    const QColor colour = weighting == 'A'   ? QColor(Qt::blue)
                          : weighting == 'C' ? QColor(Qt::darkGreen)
                                             : QColor(Qt::red);
    QBarSeries *series = labelledBars(set, colour, 4);
    if (thirds)
        series->setLabelsAngle(-90);
    auto *frequencies = new QBarCategoryAxis;
    frequencies->append(categories);
    if (thirds)
        frequencies->setLabelsAngle(-90);
    frequencies->setTitleText(tr("Frequency ").trimmed() + QStringLiteral(" [Hz]"));
    auto *levels = new QValueAxis;
    attach(chart, series, frequencies, levels);
    if (categories.isEmpty()) {
        lo = 0;
        hi = 100;
    }
    // The bars stand on a floor a little below the lowest band, so that the
    // lowest is still a bar; with label room above the highest.
    const double floor = lo >= 0 ? qMax(0.0, lo - 10) : lo - 10;
    const double top = hi + labelRoom(hi - floor, 120) * (thirds ? 2.5 : 1.0);
    if (fuzzyEqual(top, floor))
        levels->setRange(floor - 1, top + 1);
    else
        levels->setRange(floor, top);
    levels->setTitleText(quantity + QStringLiteral(" [dB]"));
    tidyAxis(levels);
    return chart;
}
