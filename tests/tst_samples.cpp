// The bulk path of the results pages: thinning a long series, filling a chart
// series from a run's samples in one step, and the sample table model.
#include "Experiment.h"
#include "Log.h"
#include "PointThinning.h"
#include "VfSamples.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QDateTimeAxis>
#include <QImage>
#include <QJsonArray>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <ctime>
#include <memory>

using namespace QtCharts;

namespace {

// A sample that is the JSON object it is given.
class JsonLog : public Log
{
public:
    explicit JsonLog(const QJsonObject &json)
        : m_json(json)
    {
    }
    QJsonObject toJson() override { return m_json; }

private:
    QJsonObject m_json;
};

std::unique_ptr<Experiment> runOf(const QList<QJsonObject> &samples)
{
    auto run = std::make_unique<Experiment>();
    QList<Log *> logs;
    for (const QJsonObject &sample : samples)
        logs.append(new JsonLog(sample));
    run->setLogs(logs);
    return run;
}

// Six samples of an instrument at UTC-3: a level, a nested pair, and the
// values an instrument leaves when it has none.
std::unique_ptr<Experiment> mixedRun()
{
    return runOf({
        {{"date", "24/05/17,08:30:00-12"}, {"level", "84.9"}, {"pair", QJsonArray{1, "2.5"}}},
        {{"date", "24/05/17,08:30:01-12"}, {"level", "---"}, {"pair", QJsonArray{2, "OL"}}},
        {{"date", "24/05/17,08:30:02-12"}, {"level", "OL"}},
        {{"date", ""}, {"level", "80"}},
        {{"date", "24/05/17,08:30:04-12"}, {"level", ""}},
        {{"date", "24/05/17,08:30:05-12"}, {"level", 91.25}},
    });
}

qint64 localMSecs(int hour, int minute, int second)
{
    return QDateTime(QDate(2024, 5, 17), QTime(hour, minute, second), Qt::LocalTime)
        .toMSecsSinceEpoch();
}

// A chart holding one line series over a date-time or a value x axis.
struct Chart
{
    QChart chart;
    QLineSeries *series = new QLineSeries;

    explicit Chart(bool timeAxis)
    {
        chart.addSeries(series);
        QAbstractAxis *x = timeAxis ? static_cast<QAbstractAxis *>(new QDateTimeAxis)
                                    : static_cast<QAbstractAxis *>(new QValueAxis);
        auto *y = new QValueAxis;
        chart.addAxis(x, Qt::AlignBottom);
        chart.addAxis(y, Qt::AlignLeft);
        series->attachAxis(x);
        series->attachAxis(y);
    }
};

// The picture of `points` as markers of one pixel on a plot of `pixels` over
// the values in `area`, mapped as a chart maps them.
QImage picture(const QVector<QPointF> &points, const QRectF &area, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const double across = pixels.width() / area.width();
    const double up = pixels.height() / area.height();
    for (const QPointF &point : points) {
        const int x = int(std::floor((point.x() - area.left()) * across));
        const int y = int(std::floor((point.y() - area.top()) * -up + pixels.height()));
        if (image.valid(x, y))
            image.setPixel(x, y, qRgb(0, 0, 255));
    }
    return image;
}

// A long pump run of one sample a second: the flow (in hundredths, as the
// pump gives it) wanders around its set-point of 2 L/min, now and then out of
// its limits either way.
QVector<QPointF> wanderingFlow(int samples)
{
    QVector<QPointF> flow;
    for (int i = 0; i < samples; ++i) {
        const int wander = (i * 7919) % 25 - 12;
        const int out = i % 97 == 0 ? 15 : i % 89 == 0 ? -14 : 0;
        flow.append(QPointF(i * 1000.0, (200 + wander + out) / 100.0));
    }
    return flow;
}

// A run whose samples hold the "flow" of `flow`, one a second from 08:00.
std::unique_ptr<Experiment> flowRun(const QVector<QPointF> &flow)
{
    QList<QJsonObject> logs;
    const QDateTime start(QDate(2024, 5, 17), QTime(8, 0));
    for (const QPointF &point : flow) {
        const QDateTime at = start.addMSecs(qint64(point.x()));
        logs.append({{"date", at.toString("yy/MM/dd,hh:mm:ss") + "+00"}, {"flow", point.y()}});
    }
    return runOf(logs);
}

// A long pump run's samples and a chart with a scatter series to show them.
struct FlowChart
{
    const QVector<QPointF> flow = wanderingFlow(20000);
    std::unique_ptr<Experiment> run = flowRun(flow);
    VfSamples samples;
    QChart chart;
    QScatterSeries *points = new QScatterSeries;

    FlowChart()
    {
        samples.setRun(run.get());
        chart.addSeries(points);
    }
};

// Lets a chart lay itself out at `size`.
void layOut(QChart &chart, const QSizeF &size)
{
    chart.resize(size);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

} // namespace

class TestSamples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void thinning_data();
    void thinning();
    void thinningKeepsEveryPeakOfALongSeries();
    void thinnedMarkersDrawTheSamePicture();
    void markersThinnedToTheirFirstPointPerPixel();

    void seriesTakesTheSamplesWithBothValues();
    void seriesOverValuesFromNestedKeys();
    void scatterSeriesKeepsTheValuesBetweenItsExtremes();
    void scatterThinnedToItsPlotAndAgainWhenItGrows();
    void valuesOfEverySample();
    void valuesOfALongRunInRowOrder();
    void aLongRunIsReadInTheBackground();
    void tableCellsInTheirFormats();
    void timesOfARunOverSeveralDays_data();
    void timesOfARunOverSeveralDays();
    void timeCellsDoNotWaitForTheReading();
    void anotherRunReplacesTheRows();
};

void TestSamples::initTestCase()
{
    // Far from the instrument's UTC-3, so that a time shifted by a zone shows.
    qputenv("TZ", "Asia/Tokyo");
    tzset();
}

void TestSamples::thinning_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QVector<QPointF>>("expected");

    const QVector<QPointF> few{{0, 5}, {1, 1}, {2, 9}, {3, 3}};
    QTest::newRow("two points per column stay") << few << 2 << few;
    // Columns [0, 3.5) and [3.5, 7]: each keeps its lowest and highest.
    QTest::newRow("lowest and highest of each column")
        << QVector<QPointF>{{0, 5}, {1, 1}, {2, 9}, {3, 3}, {4, 2}, {5, 8}, {6, 4}, {7, 6}} << 2
        << QVector<QPointF>{{1, 1}, {2, 9}, {4, 2}, {5, 8}};
    QTest::newRow("highest first when it comes first")
        << QVector<QPointF>{{0, 9}, {1, 5}, {2, 5}, {3, 1}, {4, 5}} << 1
        << QVector<QPointF>{{0, 9}, {3, 1}};
    QTest::newRow("out of order comes out in time order")
        << QVector<QPointF>{{7, 6}, {1, 1}, {5, 8}, {0, 5}, {2, 9}, {4, 2}, {3, 3}, {6, 4}} << 2
        << QVector<QPointF>{{1, 1}, {2, 9}, {4, 2}, {5, 8}};
    QTest::newRow("one instant") << QVector<QPointF>{{3, 4}, {3, 7}, {3, 1}, {3, 5}, {3, 2}} << 2
                                 << QVector<QPointF>{{3, 7}, {3, 1}};
    QTest::newRow("a flat column keeps one point")
        << QVector<QPointF>{{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}} << 2
        << QVector<QPointF>{{0, 2}, {2, 2}};
}

void TestSamples::thinning()
{
    QFETCH(QVector<QPointF>, points);
    QFETCH(int, columns);
    QFETCH(QVector<QPointF>, expected);
    QCOMPARE(thinToColumns(points, columns), expected);
}

void TestSamples::thinningKeepsEveryPeakOfALongSeries()
{
    // A day of one-second samples with one loud second and one quiet one.
    QVector<QPointF> day;
    for (int i = 0; i < 28800; ++i)
        day.append(QPointF(i * 1000.0, 60 + (i * 7919) % 20 / 2.0));
    day[12345].setY(131.7);
    day[20001].setY(21.3);
    const QVector<QPointF> thinned = thinToColumns(day, 800);
    QVERIFY(thinned.size() <= 1600);
    QVERIFY(thinned.contains(day.at(12345)));
    QVERIFY(thinned.contains(day.at(20001)));
    QVERIFY(std::is_sorted(thinned.begin(), thinned.end(),
                           [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); }));
}

void TestSamples::thinnedMarkersDrawTheSamePicture()
{
    const QVector<QPointF> flow = wanderingFlow(32400);
    const QRectF area(0, 1.8, 32400000, 0.4);
    for (const QSize pixels : {QSize(700, 333), QSize(1920, 1080), QSize(64, 48)}) {
        const QVector<QPointF> thinned = thinToCells(flow, area, QRectF(QPointF(), pixels));
        QVERIFY(thinned.size() < flow.size());
        QCOMPARE(picture(thinned, area, pixels), picture(flow, area, pixels));
    }
    // Each column's extremes alone draw two bands and nothing between them.
    const QSize pixels(700, 333);
    QVERIFY(picture(thinToColumns(flow, pixels.width()), area, pixels) !=
            picture(flow, area, pixels));
}

void TestSamples::markersThinnedToTheirFirstPointPerPixel()
{
    // Two by two pixels over [0, 4] x [0, 4]; points out of it on the same
    // grid continued.
    const QVector<QPointF> points{{3, 3}, {0.5, 0.5}, {1, 1}, {3, 1},     {3.5, 3.9},
                                  {0, 4}, {1, 3},     {9, 9}, {9.5, 9.5}, {-3, 1}};
    QCOMPARE(thinToCells(points, QRectF(0, 0, 4, 4), QRectF(0, 0, 2, 2)),
             (QVector<QPointF>{{3, 3}, {0.5, 0.5}, {3, 1}, {0, 4}, {9, 9}, {-3, 1}}));
    // One value on an axis: a single pixel that way.
    QCOMPARE(
        thinToCells({{1, 5}, {1.5, 5}, {2, 5}, {2.9, 5}}, QRectF(1, 5, 2, 0), QRectF(0, 0, 2, 2)),
        (QVector<QPointF>{{1, 5}, {2, 5}}));
}

void TestSamples::seriesTakesTheSamplesWithBothValues()
{
    std::unique_ptr<Experiment> run = mixedRun();
    VfSamples samples;
    samples.setRun(run.get());
    Chart chart(true);
    // The range alone leaves the series as it was.
    QVariantMap before = samples.seriesRange(chart.series, "date", "level");
    QCOMPARE(chart.series->count(), 0);
    const QVariantMap range = samples.fillSeries(chart.series, "date", "level");
    before.insert("shown", range.value("shown"));
    QCOMPARE(before, range);

    // No level ("---", "OL", empty) or no time: left out; the times are the
    // instrument's own clock.
    QCOMPARE(chart.series->pointsVector(),
             (QVector<QPointF>{{double(localMSecs(8, 30, 0)), 84.9},
                               {double(localMSecs(8, 30, 5)), 91.25}}));
    QCOMPARE(range.value("count").toInt(), 2);
    QCOMPARE(range.value("shown").toInt(), 2);
    QCOMPARE(range.value("xMin").toDateTime().time(), QTime(8, 30, 0));
    QCOMPARE(range.value("xMax").toDateTime().time(), QTime(8, 30, 5));
    QCOMPARE(range.value("yMin").toDouble(), 84.9);
    QCOMPARE(range.value("yMax").toDouble(), 91.25);

    // Filled again, the points are replaced, not added.
    samples.fillSeries(chart.series, "date", "level");
    QCOMPARE(chart.series->count(), 2);

    // A run without such samples empties the series and gives no range.
    const QVariantMap none = samples.fillSeries(chart.series, "date", "missing");
    QCOMPARE(chart.series->count(), 0);
    QCOMPARE(none.value("count").toInt(), 0);
    QVERIFY(!none.contains("yMin"));
    QObject notASeries;
    QVERIFY(samples.fillSeries(&notASeries, "date", "level").isEmpty());
}

void TestSamples::seriesOverValuesFromNestedKeys()
{
    std::unique_ptr<Experiment> run = mixedRun();
    VfSamples samples;
    samples.setRun(run.get());
    Chart chart(false);
    const QVariantMap range = samples.fillSeries(chart.series, "pair.0", "pair.1", 4.0);
    QCOMPARE(chart.series->pointsVector(), (QVector<QPointF>{{1, 10}}));
    QCOMPARE(range.value("xMin").toDouble(), 1.0);
    QCOMPARE(range.value("yMax").toDouble(), 10.0);
}

void TestSamples::scatterSeriesKeepsTheValuesBetweenItsExtremes()
{
    FlowChart pump;
    auto *line = new QLineSeries;
    pump.chart.addSeries(line);
    pump.chart.createDefaultAxes();

    pump.samples.fillSeries(pump.points, "date", "flow");
    pump.samples.fillSeries(line, "date", "flow");
    const auto inLimits = [](const QPointF &point) { return std::abs(point.y() - 2) < 0.1; };
    const QVector<QPointF> shown = pump.points->pointsVector();
    QVERIFY(shown.size() < pump.flow.size());
    QVERIFY(std::count_if(shown.begin(), shown.end(), inLimits) > shown.size() / 2);
    // A line of a few samples per pixel still keeps only each column's
    // extremes.
    const QVector<QPointF> traced = line->pointsVector();
    QVERIFY2(traced.size() < shown.size() / 2,
             qPrintable(QStringLiteral("%1 %2").arg(traced.size()).arg(shown.size())));
}

void TestSamples::scatterThinnedToItsPlotAndAgainWhenItGrows()
{
    FlowChart pump;
    pump.chart.createDefaultAxes();
    layOut(pump.chart, QSizeF(300, 200));
    const QSize small = pump.chart.plotArea().size().toSize();
    QVERIFY(!small.isEmpty());

    pump.samples.fillSeries(pump.points, "date", "flow");
    const int fewest = pump.points->count();
    QVERIFY(fewest < pump.flow.size() / 4);

    // The picture at the larger size is the unthinned one's.
    layOut(pump.chart, QSizeF(1600, 1000));
    const QSize large(int(std::ceil(pump.chart.plotArea().width())),
                      int(std::ceil(pump.chart.plotArea().height())));
    QVERIFY(large.width() > small.width());
    QVERIFY(pump.points->count() > fewest);
    // The chart's x is the sample's time; the run's first sample is kept.
    QVector<QPointF> shown = pump.points->pointsVector();
    const double start = shown.first().x();
    for (QPointF &point : shown)
        point.rx() -= start;
    const auto [low, high] =
        std::minmax_element(pump.flow.begin(), pump.flow.end(),
                            [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
    const QRectF area(0, low->y(), pump.flow.last().x(), high->y() - low->y());
    QCOMPARE(picture(shown, area, large), picture(pump.flow, area, large));

    // Shrinking keeps what is there.
    const int atLarge = pump.points->count();
    layOut(pump.chart, QSizeF(300, 200));
    QCOMPARE(pump.points->count(), atLarge);
}

void TestSamples::valuesOfEverySample()
{
    std::unique_ptr<Experiment> run = mixedRun();
    VfSamples samples;
    QVERIFY(samples.values("level").isEmpty());
    samples.setRun(run.get());
    const QVariantList levels = samples.values("level");
    QCOMPARE(levels.size(), 6);
    QCOMPARE(levels.at(0).toDouble(), 84.9);
    QVERIFY(std::isnan(levels.at(1).toDouble()));
    QVERIFY(std::isnan(levels.at(2).toDouble()));
    QCOMPARE(levels.at(3).toDouble(), 80.0);
    QVERIFY(std::isnan(levels.at(4).toDouble()));
    QCOMPARE(levels.at(5).toDouble(), 91.25);
    // A key only some samples have.
    const QVariantList pairs = samples.values("pair.0");
    QCOMPARE(pairs.size(), 6);
    QCOMPARE(pairs.at(1).toDouble(), 2.0);
    QVERIFY(std::isnan(pairs.at(2).toDouble()));
    QCOMPARE(samples.values("date").at(1).toDouble(), double(localMSecs(8, 30, 1)));
}

// A full day of samples, read on several threads: every value stays in its
// row, also for keys only a stretch of the run has.
void TestSamples::valuesOfALongRunInRowOrder()
{
    const int count = 40000;
    QList<QJsonObject> samples;
    for (int row = 0; row < count; ++row) {
        QJsonObject sample{{"level", row}};
        if (row % 3 == 0)
            sample.insert("third", row);
        if (row >= count - 10)
            sample.insert("last", row);
        samples.append(sample);
    }
    std::unique_ptr<Experiment> run = runOf(samples);
    VfSamples values;
    values.setRun(run.get());
    const QVariantList levels = values.values("level");
    const QVariantList thirds = values.values("third");
    const QVariantList lasts = values.values("last");
    QCOMPARE(levels.size(), count);
    QCOMPARE(thirds.size(), count);
    QCOMPARE(lasts.size(), count);
    for (int row = 0; row < count; ++row) {
        QCOMPARE(levels.at(row).toDouble(), double(row));
        QCOMPARE(std::isnan(thirds.at(row).toDouble()), row % 3 != 0);
        QCOMPARE(std::isnan(lasts.at(row).toDouble()), row < count - 10);
    }
    QCOMPARE(lasts.last().toDouble(), double(count - 1));
}

// A run is read into numbers in the background, so that its page shows
// before; a run shown in its place stops the reading, and the earlier run can
// go at once.
void TestSamples::aLongRunIsReadInTheBackground()
{
    QList<QJsonObject> levels;
    for (int row = 0; row < 40000; ++row)
        levels.append({{"level", row}});
    std::unique_ptr<Experiment> longRun = runOf(levels);
    std::unique_ptr<Experiment> shortRun = runOf({{{"level", 7}}});
    VfSamples samples;
    QSignalSpy ready(&samples, &VfSamples::readyChanged);

    samples.setRun(longRun.get());
    QVERIFY(!samples.isReady());
    QTRY_VERIFY(samples.isReady());
    QCOMPARE(ready.count(), 2);
    QCOMPARE(samples.values("level").size(), levels.size());

    samples.setRun(nullptr);
    QVERIFY(samples.isReady());
    samples.setRun(longRun.get());
    samples.setRun(shortRun.get());
    longRun.reset();
    QTRY_VERIFY(samples.isReady());
    // Whatever the stopped reading still sends changes nothing.
    QTest::qWait(50);
    QCOMPARE(samples.values("level"), QVariantList{7.0});

    // Asked before the reading is done, the numbers are there all the same.
    samples.setRun(nullptr);
    samples.setRun(shortRun.get());
    QVERIFY(!samples.isReady());
    QCOMPARE(samples.values("level"), QVariantList{7.0});
    QVERIFY(samples.isReady());
}

void TestSamples::tableCellsInTheirFormats()
{
    std::unique_ptr<Experiment> run = mixedRun();
    VfSamples samples;
    samples.setRun(run.get());
    auto *table = qobject_cast<QAbstractItemModel *>(
        samples.newTable({QVariantMap{{"key", "date"}, {"format", "time"}},
                          QVariantMap{{"key", "level"}, {"format", "number"}, {"decimals", 1}},
                          QVariantMap{{"key", "date"}, {"role", "when"}, {"format", "dateTime"}},
                          QVariantMap{{"key", "pair.1"}, {"role", "second"}}}));
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 6);
    QCOMPARE(table->property("count").toInt(), 6);
    const QHash<int, QByteArray> roles = table->roleNames();
    QCOMPARE(roles.value(Qt::UserRole), QByteArray("date"));
    QCOMPARE(roles.value(Qt::UserRole + 1), QByteArray("level"));
    QCOMPARE(roles.value(Qt::UserRole + 2), QByteArray("when"));
    QCOMPARE(roles.value(Qt::UserRole + 3), QByteArray("second"));

    const QLocale locale;
    const auto row = [table](int r) {
        QVariantMap cells;
        QMetaObject::invokeMethod(table, "get", Q_RETURN_ARG(QVariantMap, cells), Q_ARG(int, r));
        return cells;
    };
    QCOMPARE(row(0).value("date").toString(), QString("08:30:00"));
    QCOMPARE(row(0).value("level").toString(), locale.toString(84.9, 'f', 1));
    QCOMPARE(row(0).value("when").toString(),
             locale.toString(QDateTime(QDate(2024, 5, 17), QTime(8, 30)), QLocale::ShortFormat));
    QCOMPARE(row(0).value("second").toString(), QString("2.5"));
    // What is not a number is shown as it came, what is empty as "---".
    QCOMPARE(row(1).value("level").toString(), QString("---"));
    QCOMPARE(row(1).value("second").toString(), QString("OL"));
    QCOMPARE(row(2).value("level").toString(), QString("OL"));
    QCOMPARE(row(2).value("second").toString(), QString("---"));
    QCOMPARE(row(3).value("date").toString(), QString("---"));
    QCOMPARE(row(4).value("level").toString(), QString("---"));
    QCOMPARE(row(5).value("level").toString(), locale.toString(91.25, 'f', 1));
    QVERIFY(row(6).isEmpty());
    // The view's way: by role.
    QCOMPARE(table->data(table->index(5, 0), Qt::UserRole).toString(), QString("08:30:05"));
    QVERIFY(!table->data(table->index(5, 0), Qt::UserRole + 4).isValid());
}

void TestSamples::timesOfARunOverSeveralDays_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("firstCell");
    QTest::addColumn<QString>("lastCell");
    QTest::addColumn<qint64>("step");
    QTest::newRow("an hour") << "24/05/17,08:26:47-12" << 3600 << "hh:mm:ss"
                             << "08:26:47"
                             << "09:26:47" << qint64(900);
    QTest::newRow("within a day, to its last second")
        << "24/05/17,00:00:00+00" << 86399 << "hh:mm:ss"
        << "00:00:00"
        << "23:59:59" << qint64(4 * 3600);
    QTest::newRow("past midnight") << "24/05/17,21:05:26+36" << 4 * 3600 << "dd/MM hh:mm:ss"
                                   << "17/05 21:05:26"
                                   << "18/05 01:05:26" << qint64(3600);
    QTest::newRow("500 hours") << "24/05/17,05:26:47-12" << 500 * 3600 << "dd/MM hh:mm:ss"
                               << "17/05 05:26:47"
                               << "07/06 01:26:47" << qint64(4 * 86400);
}

// The samples of a run shown in the table and along a time axis: the day
// with each time once the run goes past midnight, and ticks on round times
// of the instrument's clock.
void TestSamples::timesOfARunOverSeveralDays()
{
    QFETCH(QString, first);
    QFETCH(int, seconds);
    QFETCH(QString, format);
    QFETCH(QString, firstCell);
    QFETCH(QString, lastCell);
    QFETCH(qint64, step);
    const QString zone = first.right(3);
    const QDateTime start =
        QDateTime::fromString(first.left(17), "yy/MM/dd,hh:mm:ss").addYears(100);
    QList<QJsonObject> logs;
    for (int at : {0, seconds / 3, seconds}) {
        logs.append(
            {{"date", start.addSecs(at).toString("yy/MM/dd,hh:mm:ss") + zone}, {"level", 80}});
    }
    std::unique_ptr<Experiment> run = runOf(logs);
    VfSamples samples;
    samples.setRun(run.get());
    auto *table = qobject_cast<QAbstractItemModel *>(
        samples.newTable({QVariantMap{{"key", "date"}, {"format", "time"}}}));
    QCOMPARE(table->data(table->index(0, 0), Qt::UserRole).toString(), firstCell);
    QCOMPARE(table->data(table->index(2, 0), Qt::UserRole).toString(), lastCell);

    Chart chart(true);
    const QVariantMap range = samples.fillSeries(chart.series, "date", "level");
    auto *axis = qobject_cast<QDateTimeAxis *>(chart.chart.axes(Qt::Horizontal).value(0));
    samples.tidyTimeAxis(axis, range.value("xMin").toDateTime(), range.value("xMax").toDateTime());
    QCOMPARE(axis->format(), format);
    QVERIFY(axis->min() <= range.value("xMin").toDateTime());
    QVERIFY(axis->max() >= range.value("xMax").toDateTime());
    QVERIFY(axis->tickCount() >= 2 && axis->tickCount() <= 7);
    // Every tick on a whole step of the wall clock (the step in days from
    // midnight).
    const qint64 span = axis->min().secsTo(axis->max());
    QCOMPARE(span, step * (axis->tickCount() - 1));
    const QDateTime firstTick = axis->min();
    QCOMPARE(QDateTime(firstTick.date(), QTime(0, 0)).secsTo(firstTick) % qMin(step, qint64(86400)),
             qint64(0));
}

// A table lays out its first rows while a long run is still read in the
// background: its time cells answer from the run's ends at once, and are
// told again once the whole run is read. This run's first and last samples
// share a day, one in between (the clock set back) does not.
void TestSamples::timeCellsDoNotWaitForTheReading()
{
    QList<QJsonObject> logs;
    for (int row = 0; row < 40000; ++row)
        logs.append({{"date", "24/05/17,08:00:00+00"}, {"level", row}});
    logs[20000].insert("date", "24/05/18,09:00:00+00");
    std::unique_ptr<Experiment> run = runOf(logs);
    VfSamples samples;
    samples.setRun(run.get());
    auto *table = qobject_cast<QAbstractItemModel *>(
        samples.newTable({QVariantMap{{"key", "date"}, {"format", "time"}}}));
    QSignalSpy changed(table, &QAbstractItemModel::dataChanged);

    QVERIFY(!samples.isReady());
    QCOMPARE(table->data(table->index(0, 0), Qt::UserRole).toString(), QString("08:00:00"));
    QVERIFY(!samples.isReady());

    QTRY_VERIFY(samples.isReady());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 0);
    QCOMPARE(changed.at(0).at(1).toModelIndex().row(), logs.size() - 1);
    QCOMPARE(table->data(table->index(0, 0), Qt::UserRole).toString(), QString("17/05 08:00:00"));
}

void TestSamples::anotherRunReplacesTheRows()
{
    std::unique_ptr<Experiment> first = mixedRun();
    std::unique_ptr<Experiment> second = runOf({{{"level", "70"}}});
    VfSamples samples;
    samples.setRun(first.get());
    auto *table = qobject_cast<QAbstractItemModel *>(
        samples.newTable({QVariantMap{{"key", "level"}, {"format", "number"}}}));
    QSignalSpy removed(table, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(table, &QAbstractItemModel::rowsInserted);
    QSignalSpy count(table, SIGNAL(countChanged()));
    QSignalSpy runChanged(&samples, &VfSamples::runChanged);
    const int firstId = samples.runId();

    samples.setRun(first.get());
    QCOMPARE(removed.count() + inserted.count(), 0);
    QCOMPARE(runChanged.count(), 0);

    samples.setRun(second.get());
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).mid(1), (QList<QVariant>{0, 5}));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).mid(1), (QList<QVariant>{0, 0}));
    QCOMPARE(count.count(), 2);
    QCOMPARE(runChanged.count(), 1);
    QVERIFY(samples.runId() != firstId);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->data(table->index(0, 0), Qt::UserRole).toString(),
             QLocale().toString(70.0, 'f', 2));

    // Once no run is shown, the run can go.
    samples.setRun(nullptr);
    second.reset();
    QCOMPARE(removed.count(), 2);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(samples.count(), 0);
    QVERIFY(samples.values("level").isEmpty());
}

QTEST_MAIN(TestSamples)
#include "tst_samples.moc"
