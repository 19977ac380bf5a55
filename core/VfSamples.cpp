#include "VfSamples.h"

#include "DeviceDateTime.h"
#include "Experiment.h"
#include "Log.h"
#include "ParallelChunks.h"
#include "PointThinning.h"
#include "VfReportChart.h"
#include "VfReportText.h"
#include "VfSampleTable.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGuiApplication>
#include <QJsonArray>
#include <QQmlEngine>
#include <QScatterSeries>
#include <QScreen>
#include <QXYSeries>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using namespace QtCharts;

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// Fewer samples are read faster on one thread.
constexpr int kSamplesPerThread = 2048;
// Pixels of a thinned series' grid when no screen says better.
constexpr QSize kFewestPixels(1024, 768);
// The grid a scatter series was last thinned for, kept on the series.
constexpr char kThinnedFor[] = "valtrixThinnedFor";

double readNumber(const QJsonValue &value)
{
    if (value.isDouble())
        return std::isfinite(value.toDouble()) ? value.toDouble() : kNoValue;
    if (!value.isString())
        return kNoValue;
    const QString text = value.toString();
    QDate date;
    QTime time;
    if (readDeviceWallClock(text, &date, &time))
        return double(VfReportChart::chartMSecs(date, time));
    return VfReportText::number(text).value_or(kNoValue);
}

// Puts `value` in row `row` of `column`, leaving the rows before it that had
// no such key without a value.
void store(QVector<double> &column, int row, double value)
{
    while (column.size() < row)
        column.append(kNoValue);
    column.append(value);
}

// The samples' numbers by their dotted keys, a column per key.
using Columns = QHash<QString, QVector<double>>;

// Every leaf of `value` under its dotted key.
void storeLeaves(Columns &columns, const QString &key, const QJsonValue &value, int row)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            storeLeaves(columns, key.isEmpty() ? it.key() : key + QLatin1Char('.') + it.key(),
                        it.value(), row);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i)
            storeLeaves(columns, key + QLatin1Char('.') + QString::number(i), array.at(i), row);
    } else {
        store(columns[key], row, readNumber(value));
    }
}

// Every sample of `logs` read once into columns, on several threads, each
// into columns of its own rows (a sample's toJson only reads it), joined in
// row order. Stops early, with what it has, once `stop` is set.
Columns readSampleColumns(const QList<Log *> &logs, const std::atomic<bool> &stop)
{
    const int count = logs.size();
    std::vector<Columns> chunks(ParallelChunks::chunkCount(count, kSamplesPerThread));
    std::vector<int> chunkRows(chunks.size());
    ParallelChunks::run(count, kSamplesPerThread, [&](int chunk, int begin, int end) {
        int row = begin;
        for (; row < end && !stop; ++row)
            storeLeaves(chunks[chunk], QString(), logs.at(row)->toJson(), row - begin);
        chunkRows[chunk] = row - begin;
    });
    Columns columns;
    for (const Columns &chunk : chunks) {
        for (auto it = chunk.begin(); it != chunk.end(); ++it)
            columns[it.key()].reserve(count);
    }
    for (size_t chunk = 0; chunk < chunks.size(); ++chunk) {
        for (auto column = columns.begin(); column != columns.end(); ++column) {
            const QVector<double> part = chunks[chunk].value(column.key());
            *column += part;
            column->insert(column->size(), chunkRows[chunk] - part.size(), kNoValue);
        }
    }
    return columns;
}

bool hasDateTimeXAxis(QXYSeries *series)
{
    const QList<QAbstractAxis *> axes = series->attachedAxes();
    for (const QAbstractAxis *axis : axes) {
        if (axis->orientation() == Qt::Horizontal && qobject_cast<const QDateTimeAxis *>(axis))
            return true;
    }
    return false;
}

QSize plotPixels(const QChart *chart)
{
    const QSizeF plot = chart ? chart->plotArea().size() : QSizeF();
    return QSize(int(std::ceil(plot.width())), int(std::ceil(plot.height())));
}

// The pixel grid for thinning a line: at least one column per pixel of the
// series' plot, however large the user makes the window on any screen. Two
// points a column are cheap.
QSize linePixelsFor(const QXYSeries *series)
{
    QSize largest = kFewestPixels;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        largest = largest.expandedTo(screen->size());
    if (const QChart *chart = series->chart())
        largest = largest.expandedTo(plotPixels(chart));
    return largest;
}

// Markers cost a drawn item each, so a scatter is thinned to its plot as it is
// laid out (the line's grid before the chart has one) and thinned again
// whenever the plot grows past that grid.
QSize scatterPixelsFor(const QXYSeries *series)
{
    const QChart *chart = series->chart();
    const QSize plot = chart ? plotPixels(chart) : QSize();
    return plot.isEmpty() ? linePixelsFor(series) : plot;
}

void thinScatter(QXYSeries *series, const QVector<QPointF> &points, const QRectF &area)
{
    const QSize pixels = scatterPixelsFor(series);
    series->replace(thinToCells(points, area, QRectF(QPointF(), pixels)));
    series->setProperty(kThinnedFor, pixels);
}

// Thins a scatter series' `points` over `area` again once its plot has grown
// past the grid they were thinned for.
QMetaObject::Connection thinAgainWhenPlotGrows(QXYSeries *series, const QVector<QPointF> &points,
                                               const QRectF &area)
{
    QChart *chart = series->chart();
    if (!chart)
        return {};
    return QObject::connect(chart, &QChart::plotAreaChanged, series, [series, points, area] {
        const QSize thinnedFor = series->property(kThinnedFor).toSize();
        const QSize plot = plotPixels(series->chart());
        if (plot.width() > thinnedFor.width() || plot.height() > thinnedFor.height())
            thinScatter(series, points, area);
    });
}

// Whether chart times `first` and `last` (the earlier first) fall on
// different days.
bool onSeveralDays(double first, double last)
{
    return std::isfinite(first) && std::isfinite(last) && first < last &&
           QDateTime::fromMSecsSinceEpoch(qint64(first)).date() !=
               QDateTime::fromMSecsSinceEpoch(qint64(last)).date();
}

} // namespace

VfSamples::VfSamples(QObject *parent)
    : QObject(parent)
{
}

VfSamples::~VfSamples()
{
    stopReading();
}

void VfSamples::setRun(const Experiment *run)
{
    if (run == m_run)
        return;
    const int shown = m_logs.size();
    if (shown > 0) {
        for (VfSampleTable *table : qAsConst(m_tables))
            table->beginRemoveAll(shown);
        m_logs.clear();
        for (VfSampleTable *table : qAsConst(m_tables))
            table->endRemoveAll();
    }
    // The runs shown until now may be deleted once this returns.
    stopReading();
    // The points kept for thinning again belong to the run that goes.
    for (const QMetaObject::Connection &connection : qAsConst(m_thinAgain))
        QObject::disconnect(connection);
    m_thinAgain.clear();
    m_run = run;
    ++m_runId;
    const bool wasReady = m_columnsRead;
    m_columns = Columns();
    m_severalDays.clear();
    m_guessedDays.clear();
    m_cachedRow = -1;
    m_cachedSample = QJsonObject();
    const QList<Log *> logs = run ? run->logs() : QList<Log *>();
    m_columnsRead = logs.isEmpty();
    if (!logs.isEmpty()) {
        for (VfSampleTable *table : qAsConst(m_tables))
            table->beginInsertAll(logs.size());
        m_logs = logs;
        for (VfSampleTable *table : qAsConst(m_tables))
            table->endInsertAll();
    }
    // A view that asked for a time column while the rows went in has had
    // them read already.
    if (!m_columnsRead)
        startReading();
    emit runChanged();
    if (wasReady != m_columnsRead)
        emit readyChanged();
}

QJsonObject VfSamples::sample(int row) const
{
    if (row < 0 || row >= m_logs.size())
        return QJsonObject();
    if (row != m_cachedRow) {
        m_cachedSample = m_logs.at(row)->toJson();
        m_cachedRow = row;
    }
    return m_cachedSample;
}

QJsonValue VfSamples::valueAt(const QJsonObject &sample, const QString &key)
{
    const QStringList path = key.split(QLatin1Char('.'));
    QJsonValue value = sample;
    for (const QString &step : path) {
        if (value.isObject()) {
            value = value.toObject().value(step);
        } else if (value.isArray()) {
            bool isIndex = false;
            const int index = step.toInt(&isIndex);
            value = isIndex ? value.toArray().at(index) : QJsonValue(QJsonValue::Undefined);
        } else {
            return QJsonValue(QJsonValue::Undefined);
        }
    }
    return value;
}

double VfSamples::number(const QJsonValue &value)
{
    return readNumber(value);
}

void VfSamples::startReading()
{
    m_reading = std::make_unique<Reading>();
    Reading *reading = m_reading.get();
    const QList<Log *> logs = m_logs;
    const int runId = m_runId;
    reading->thread = std::thread([this, reading, logs, runId] {
        reading->columns = readSampleColumns(logs, reading->stop);
        QMetaObject::invokeMethod(
            this,
            [this, runId] {
                // A reading of an earlier run has been stopped or taken.
                if (runId == m_runId && m_reading)
                    takeReading();
            },
            Qt::QueuedConnection);
    });
}

void VfSamples::stopReading()
{
    if (!m_reading)
        return;
    m_reading->stop = true;
    m_reading->thread.join();
    m_reading.reset();
}

void VfSamples::takeReading()
{
    m_reading->thread.join();
    m_columns = std::move(m_reading->columns);
    m_reading.reset();
    m_columnsRead = true;
    // Cells drawn from a wrong guess are drawn again.
    bool guessedWrong = false;
    for (auto guess = m_guessedDays.cbegin(); guess != m_guessedDays.cend(); ++guess)
        guessedWrong = spansSeveralDays(guess.key()) != guess.value() || guessedWrong;
    m_guessedDays.clear();
    if (guessedWrong) {
        for (VfSampleTable *table : qAsConst(m_tables))
            table->timesRead();
    }
    emit readyChanged();
}

void VfSamples::readColumns()
{
    if (m_columnsRead)
        return;
    if (m_reading) {
        takeReading();
        return;
    }
    const std::atomic<bool> never{false};
    m_columns = readSampleColumns(m_logs, never);
    m_columnsRead = true;
    emit readyChanged();
}

VfSamples::SeriesPoints VfSamples::seriesPoints(const QString &xKey, const QString &yKey,
                                                double yScale)
{
    readColumns();
    const QVector<double> xs = m_columns.value(xKey);
    const QVector<double> ys = m_columns.value(yKey);
    SeriesPoints series;
    series.points.reserve(qMin(xs.size(), ys.size()));
    double xMin = std::numeric_limits<double>::infinity();
    double xMax = -xMin;
    double yMin = xMin;
    double yMax = -xMin;
    for (int i = 0; i < xs.size() && i < ys.size(); ++i) {
        const double x = xs.at(i);
        const double y = ys.at(i) * yScale;
        if (!std::isfinite(x) || !std::isfinite(y))
            continue;
        series.points.append(QPointF(x, y));
        xMin = qMin(xMin, x);
        xMax = qMax(xMax, x);
        yMin = qMin(yMin, y);
        yMax = qMax(yMax, y);
    }
    if (!series.points.isEmpty()) {
        series.xMin = xMin;
        series.xMax = xMax;
        series.yMin = yMin;
        series.yMax = yMax;
    }
    return series;
}

QVariantMap VfSamples::rangeMap(const SeriesPoints &points, QXYSeries *series)
{
    QVariantMap range{{QStringLiteral("count"), points.points.size()}};
    if (points.points.isEmpty())
        return range;
    if (hasDateTimeXAxis(series)) {
        range.insert(QStringLiteral("xMin"), QDateTime::fromMSecsSinceEpoch(qint64(points.xMin)));
        range.insert(QStringLiteral("xMax"), QDateTime::fromMSecsSinceEpoch(qint64(points.xMax)));
    } else {
        range.insert(QStringLiteral("xMin"), points.xMin);
        range.insert(QStringLiteral("xMax"), points.xMax);
    }
    range.insert(QStringLiteral("yMin"), points.yMin);
    range.insert(QStringLiteral("yMax"), points.yMax);
    return range;
}

QVariantMap VfSamples::fillSeries(QObject *series, const QString &xKey, const QString &yKey,
                                  double yScale)
{
    auto *xy = qobject_cast<QXYSeries *>(series);
    if (!xy)
        return QVariantMap();
    const SeriesPoints points = seriesPoints(xKey, yKey, yScale);
    // Markers stay wherever they fall; a line keeps each column's extremes.
    QObject::disconnect(m_thinAgain.take(xy));
    if (qobject_cast<QScatterSeries *>(xy)) {
        thinScatter(xy, points.points, points.area());
        m_thinAgain.insert(xy, thinAgainWhenPlotGrows(xy, points.points, points.area()));
    } else {
        xy->replace(thinToColumns(points.points, linePixelsFor(xy).width()));
    }
    QVariantMap range = rangeMap(points, xy);
    range.insert(QStringLiteral("shown"), xy->count());
    return range;
}

QVariantMap VfSamples::seriesRange(QObject *series, const QString &xKey, const QString &yKey,
                                   double yScale)
{
    auto *xy = qobject_cast<QXYSeries *>(series);
    return xy ? rangeMap(seriesPoints(xKey, yKey, yScale), xy) : QVariantMap();
}

void VfSamples::tidyTimeAxis(QObject *axis, const QDateTime &from, const QDateTime &to,
                             qreal plotWidth)
{
    if (auto *times = qobject_cast<QDateTimeAxis *>(axis))
        VfReportChart::tidyTimeAxis(times, from, to, plotWidth);
}

bool VfSamples::spansSeveralDays(const QString &key)
{
    const auto known = m_severalDays.constFind(key);
    if (known != m_severalDays.constEnd())
        return *known;
    // A table asks while it lays out its first rows: waiting there for the
    // reading of a long run would hold the window. The first and the last
    // sample answer for now; the tables are told again if that was wrong.
    if (!m_columnsRead) {
        const int last = m_logs.size() - 1;
        const bool guess = onSeveralDays(readNumber(valueAt(sample(0), key)),
                                         readNumber(valueAt(sample(last), key)));
        m_guessedDays.insert(key, guess);
        return guess;
    }
    const QVector<double> times = m_columns.value(key);
    double first = std::numeric_limits<double>::infinity();
    double last = -first;
    for (double time : times) {
        if (std::isfinite(time)) {
            first = qMin(first, time);
            last = qMax(last, time);
        }
    }
    const bool several = onSeveralDays(first, last);
    m_severalDays.insert(key, several);
    return several;
}

QVariantList VfSamples::values(const QString &key)
{
    readColumns();
    QVariantList list;
    const auto column = m_columns.constFind(key);
    if (column == m_columns.constEnd()) {
        for (int row = 0; row < m_logs.size(); ++row)
            list.append(kNoValue);
        return list;
    }
    list.reserve(column->size());
    for (double value : *column)
        list.append(value);
    return list;
}

QObject *VfSamples::newTable(const QVariantList &columns)
{
    auto *table = new VfSampleTable(this, columns);
    m_tables.append(table);
    connect(table, &QObject::destroyed, this, [this, table] { m_tables.removeOne(table); });
    // The table lives with this object, whatever QML's collector decides.
    QQmlEngine::setObjectOwnership(table, QQmlEngine::CppOwnership);
    return table;
}
