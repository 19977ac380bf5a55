#pragma once

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <QVector>

#include <atomic>
#include <memory>
#include <thread>

class Experiment;
class Log;
namespace QtCharts {
class QXYSeries;
}
class VfSampleTable;

// The samples of the run on screen, for the results pages of every model. A
// chart series is filled in one step from here and the sample table is a
// model served from here, so that the longest run an instrument holds shows
// at once; the pages never append samples one by one, nor parse them from
// JSON text. Core owns the one instance and gives it to QML as core.samples;
// it always shows Core's current run.
//
// A sample is read by the keys of its JSON object (the run's "logList"
// elements, Log::toJson). A key may go into a nested object or array with
// dots: "level", "physicalQuantitiesList.2", "enviromentalFactorsList.1.dryT".
// A value is a number (a JSON number, or a text holding one with "." as the
// decimal point) or an instrument date-time ("yy/MM/dd,hh:mm:ss" and zone),
// which is read as the instrument's own wall-clock time, never shifted by a
// zone. Anything else ("---", "OL", an empty text) is no value: it is left out
// of charts, and a table shows it as it came ("---" when empty).
//
// How a results page uses it (reading the run's other values from
// core.experimentSummary, the run with an empty sample list):
//   // The table, made once; it follows the run shown by itself.
//   property QtObject samplesModel: core.samples.newTable([
//       { "key": "date", "format": "time" },
//       { "key": "level", "format": "number", "decimals": 2 }])
//   VfTable { model: page.samplesModel; VfTableViewColumn { role: "date" } ... }
//
//   // The charts are filled by a VfSampleCharts (qml/VfSampleCharts.qml):
//   // once per run, so that new results (working hours...) do not draw the
//   // samples again, and after the page's next frame, when the device page
//   // has saved the run. The page calls sampleCharts.showRun() on every
//   // refresh (experimentUpdated, resultsUpdated) and fills its series in
//   // onFill:
//   VfSampleCharts {
//       id: sampleCharts
//       onFill: {
//           var range = core.samples.fillSeries(levelSeries, "date", "level")
//           if (range.count > 0) {
//               timeAxis.min = range.xMin; timeAxis.max = range.xMax
//               levelAxis.min = range.yMin; levelAxis.max = range.yMax
//           }
//       }
//   }
//   // Several series per chart: one fillSeries per series. The run's values
//   // for statistics of the page's own: core.samples.values(key).
//
// A line series on screen is thinned to the lowest and highest point of each
// column no wider than a pixel (thinToColumns), so no peak is lost; a scatter
// series to one point per cell no larger than a pixel (thinToCells), so every
// value between its extremes still shows. The data files always keep every
// sample.
class VfSamples : public QObject
{
    Q_OBJECT
    // Changes whenever another run (or none) is shown.
    Q_PROPERTY(int runId READ runId NOTIFY runChanged)
    // Samples of the run shown.
    Q_PROPERTY(int count READ count NOTIFY runChanged)
    // True once the samples of the run shown are read into numbers: before,
    // the first fillSeries, seriesRange or values waits for the reading.
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)

public:
    explicit VfSamples(QObject *parent = nullptr);
    ~VfSamples() override;

    // The run to show, or null. The run stays the caller's; it must be shown
    // no longer (null or another run) before it is deleted.
    void setRun(const Experiment *run);

    int runId() const { return m_runId; }
    int count() const { return m_logs.size(); }
    bool isReady() const { return m_columnsRead; }

    // The JSON object of sample `row`; empty outside the run.
    QJsonObject sample(int row) const;
    // The value at `key` (dotted, as above) of a sample's JSON object.
    static QJsonValue valueAt(const QJsonObject &sample, const QString &key);
    // A sample value as a number: the number itself, an instrument date-time
    // as local milliseconds since the epoch of the same wall-clock time (what
    // a date-time axis shows as that time), NaN for anything else.
    static double number(const QJsonValue &value);

    // Replaces the points of `series` (a QtCharts XY series: line, spline or
    // scatter) with (x, y * yScale) of every sample whose two values are
    // there. On a series whose x axis is a date-time axis, x is the
    // sample's wall-clock time. Gives {count, shown} (samples drawn, points
    // kept after thinning) and, when count > 0, the range of those samples
    // as {xMin, xMax, yMin, yMax} (x as date-times on a date-time axis); an
    // empty map when `series` is no XY series.
    Q_INVOKABLE QVariantMap fillSeries(QObject *series, const QString &xKey, const QString &yKey,
                                       double yScale = 1.0);
    // What fillSeries gives but "shown", leaving the series as it is: a
    // chart sets its axes from the ranges before its series are filled, as
    // each change of an axis redraws every point of its series.
    Q_INVOKABLE QVariantMap seriesRange(QObject *series, const QString &xKey, const QString &yKey,
                                        double yScale = 1.0);

    // Ticks `axis` (a QtCharts date-time axis) on a few round times from
    // `from` to `to` (chart times, as fillSeries gives them), the ends
    // widened to whole steps, labelled with the time and, when the two are
    // on different days, the day: as the reports tick theirs. A
    // `plotWidth` (the chart's plot, in pixels) keeps the ticks few enough
    // for every label to show whole.
    Q_INVOKABLE void tidyTimeAxis(QObject *axis, const QDateTime &from, const QDateTime &to,
                                  qreal plotWidth = 0);

    // Whether the instrument date-times at `key` fall on more than one day.
    bool spansSeveralDays(const QString &key);

    // The value at `key` of every sample, in order, as number() reads it
    // (NaN where there is none).
    Q_INVOKABLE QVariantList values(const QString &key);

    // A new table model of the run shown, one row per sample, owned by this
    // object. `columns` lists one object per column: "key" (the sample key),
    // "role" (the role name a view column asks for; the key when absent),
    // "format" and "decimals":
    //  - "text" (the default): the value as it came;
    //  - "number": in the user's locale with "decimals" digits (2 when
    //    absent); a text that is no number as it came;
    //  - "time": the wall-clock time as "hh:mm:ss", with the day
    //    ("dd/MM hh:mm:ss") when the column's times fall on several days;
    //  - "dateTime": the wall-clock date and time in the locale's short
    //    format.
    // A missing or empty value is shown as "---".
    Q_INVOKABLE QObject *newTable(const QVariantList &columns);

signals:
    void runChanged();
    void readyChanged();

private:
    // The points of (x, y * yScale) with both values there, and their range.
    struct SeriesPoints
    {
        QVector<QPointF> points;
        double xMin = 0;
        double xMax = 0;
        double yMin = 0;
        double yMax = 0;

        QRectF area() const { return QRectF(xMin, yMin, xMax - xMin, yMax - yMin); }
    };

    // The samples' numbers by their dotted keys, a column per key.
    using Columns = QHash<QString, QVector<double>>;
    // Every sample of a run read once into columns, on a thread of its own.
    struct Reading
    {
        std::atomic<bool> stop{false};
        Columns columns;
        std::thread thread;
    };

    // Starts reading the samples of the run shown in the background, so
    // that a page shows while a long run is read.
    void startReading();
    // Ends the reading of the run shown, if any, without its columns.
    void stopReading();
    // The columns of the background reading, waiting for it if need be.
    void takeReading();
    // Reads every sample once into columns of numbers, one per key.
    void readColumns();
    SeriesPoints seriesPoints(const QString &xKey, const QString &yKey, double yScale);
    // {count} and, with points, {xMin, xMax, yMin, yMax} as fillSeries
    // gives them for `series`.
    static QVariantMap rangeMap(const SeriesPoints &points, QtCharts::QXYSeries *series);

    const Experiment *m_run = nullptr;
    QList<Log *> m_logs;
    int m_runId = 0;
    // No run needs no reading.
    bool m_columnsRead = true;
    Columns m_columns;
    std::unique_ptr<Reading> m_reading;
    // spansSeveralDays by key, for the run shown.
    QHash<QString, bool> m_severalDays;
    // spansSeveralDays by key as guessed from the run's ends while it was
    // still read.
    QHash<QString, bool> m_guessedDays;
    QList<VfSampleTable *> m_tables;
    // Per scatter series filled, its re-thinning on a larger plot.
    QHash<QObject *, QMetaObject::Connection> m_thinAgain;
    // The JSON of the last sample read by row: views ask for one row's cells
    // one after the other.
    mutable int m_cachedRow = -1;
    mutable QJsonObject m_cachedSample;
};
