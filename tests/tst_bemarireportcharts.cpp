#include "BemariReportRun.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "LeqPerOctave.h"
#include "VfLevelCharts.h"
#include "VfSubSuperScript.h"
#include "models/bemari/BemariPlusLog.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/SoundLevelReportCharts.h"
#include "models/bemari/SoundLevelReportTable.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

#include <memory>

using namespace QtCharts;

namespace {

// Bands as the instrument writes them, every level the same.
QList<LeqPerOctave *> bandsAt(const QStringList &frequencies, const QString &leq)
{
    QList<LeqPerOctave *> bands;
    for (const QString &frequency : frequencies) {
        auto *band = new LeqPerOctave;
        band->setFrequency(frequency);
        band->setLeq(leq);
        bands.append(band);
    }
    return bands;
}

const QStringList kOctaves{"31.50",   "63.00",   "125.00",  "250.00",  "500.00",
                           "1000.00", "2000.00", "4000.00", "8000.00", "16000.00"};

// A "BEMARI+" run of records one second apart from `start`, holding
// `levels` (and `intervals` when given).
Experiment *runOf(const QStringList &levels, const QString &octaveAnalysis = "1/1",
                  const QList<LeqPerOctave *> &bands = {})
{
    auto *run = new Experiment;
    auto *results = new BemariPlusResults;
    results->setFreqWeighting("A");
    results->setSampleTime("1");
    results->setOctaveAnalysis(octaveAnalysis);
    results->setLeqList(bands);
    run->setResults(results);
    const QDateTime start = parseDeviceDateTime("24/05/17,08:30:00-12");
    QList<Log *> logs;
    for (int i = 0; i < levels.size(); ++i) {
        auto *log = new BemariPlusLog;
        log->setRegisterDate(start.addSecs(i));
        log->setLevel(levels.at(i));
        logs.append(log);
    }
    run->setLogs(logs);
    return run;
}

QLineSeries *lineOf(QChart *chart)
{
    return qobject_cast<QLineSeries *>(chart->series().value(0));
}

QValueAxis *levelAxisOf(QChart *chart)
{
    return qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
}

QBarSet *barsIn(QChart *chart)
{
    auto *series = qobject_cast<QBarSeries *>(chart->series().value(0));
    return series ? series->barSets().value(0) : nullptr;
}

} // namespace

// The charts and the sample table of the sound level meters' report, against
// values worked out by hand.
class TestBemariReportCharts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    // Each band takes the correction of the nominal band nearest its own
    // frequency, whatever the list starts with and however it is written.
    void weightedBands_data()
    {
        QTest::addColumn<QStringList>("frequencies");
        QTest::addColumn<QString>("leq");
        QTest::addColumn<char>("weighting");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<double>>("levels");
        const QStringList octaveLabels{"31.5", "63",  "125", "250", "500",
                                       "1 k",  "2 k", "4 k", "8 k", "16 k"};
        QTest::newRow("A octaves")
            << kOctaves << "80.0" << 'A' << octaveLabels
            << QList<double>{40.6, 53.8, 63.9, 71.4, 76.8, 80.0, 81.2, 81.0, 78.9, 73.4};
        QTest::newRow("C octaves")
            << kOctaves << "80.0" << 'C' << octaveLabels
            << QList<double>{77.0, 79.2, 79.8, 80.0, 80.0, 80.0, 79.8, 79.2, 77.0, 71.5};
        QTest::newRow("Z octaves as stored")
            << kOctaves << "80.0" << 'Z' << octaveLabels << QVector<double>(10, 80.0).toList();
        QTest::newRow("A third-octaves from 16 Hz")
            << QStringList{"16.00", "20.00", "25.00", "40.00"} << "70.0" << 'A'
            << QStringList{"16.0", "20.0", "25.0", "40.0"} << QList<double>{13.3, 19.5, 25.3, 35.4};
        QTest::newRow("written without trailing zero")
            << QStringList{"31.5", "1250", "3150", "12500"} << "60.0" << 'A'
            << QStringList{"31.5", "1.25 k", "3.15 k", "12.5 k"}
            << QList<double>{20.6, 60.6, 61.2, 55.7};
        // Beyond 10 Hz to 20 kHz there is no correction to take.
        QTest::newRow("out of range, A") << QStringList{"8.00", "1000.00", "25000.00"} << "70.0"
                                         << 'A' << QStringList{"1 k"} << QList<double>{70.0};
        QTest::newRow("out of range, Z") << QStringList{"8.00", "25000.00"} << "70.0" << 'Z'
                                         << QStringList{"8.0", "25 k"} << QList<double>{70, 70};
        QTest::newRow("level left empty")
            << QStringList{"1000.00"} << "---" << 'A' << QStringList() << QList<double>();
        QTest::newRow("overload") << QStringList{"1000.00"} << "OL" << 'Z' << QStringList()
                                  << QList<double>();
    }

    void weightedBands()
    {
        QFETCH(QStringList, frequencies);
        QFETCH(QString, leq);
        QFETCH(char, weighting);
        QFETCH(QStringList, labels);
        QFETCH(QList<double>, levels);
        const QList<LeqPerOctave *> bands = bandsAt(frequencies, leq);
        const QList<VfLevelCharts::Bar> found = VfLevelCharts::bandBars(bands, weighting);
        qDeleteAll(bands);
        QCOMPARE(found.size(), labels.size());
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(found.at(i).label, labels.at(i));
            QVERIFY2(qAbs(found.at(i).level - levels.at(i)) < 1e-9,
                     qPrintable(QString::number(found.at(i).level)));
        }
    }

    // The band chart of a run: its bars, colours and titles; equal bars get
    // one decibel either way; a run without bands keeps its titles.
    void bandChart()
    {
        std::unique_ptr<Experiment> run(runOf({}, "1/3", bandsAt({"16.00", "40.00"}, "70.0")));
        std::unique_ptr<QChart> chart(SoundLevelReportCharts::bandChart(run.get(), 'A'));
        QCOMPARE(chart->title(), QStringLiteral("L<sub>Aeq</sub> x 1/3 Octave"));
        QBarSet *set = barsIn(chart.get());
        QVERIFY(set);
        QCOMPARE(set->count(), 2);
        QCOMPARE(set->color(), QColor(Qt::blue));
        auto *bands = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
        QCOMPARE(bands->categories(), (QStringList{"16.0", "40.0"}));
        QVERIFY(bands->titleText().startsWith("Frequency"));
        QVERIFY(bands->titleText().endsWith("[Hz]"));

        std::unique_ptr<Experiment> flat(runOf({}, "1/1", bandsAt(kOctaves.mid(4, 3), "80.0")));
        std::unique_ptr<QChart> z(SoundLevelReportCharts::bandChart(flat.get(), 'Z'));
        QCOMPARE(z->title(), QStringLiteral("L<sub>Zeq</sub> x Octave"));
        QCOMPARE(barsIn(z.get())->color(), QColor(Qt::red));
        QCOMPARE(levelAxisOf(z.get())->min(), 79.0);
        QCOMPARE(levelAxisOf(z.get())->max(), 81.0);

        std::unique_ptr<Experiment> none(runOf({}));
        std::unique_ptr<QChart> c(SoundLevelReportCharts::bandChart(none.get(), 'C'));
        QCOMPARE(c->title(), QStringLiteral("L<sub>Ceq</sub> x Octave"));
        QCOMPARE(barsIn(c.get())->count(), 0);
        QCOMPARE(barsIn(c.get())->color(), QColor(Qt::darkGreen));
        std::unique_ptr<QChart> bare(SoundLevelReportCharts::bandChart(nullptr, 'A'));
        QCOMPARE(barsIn(bare.get())->count(), 0);
    }

    // The bands of downloaded runs, as the instrument writes their
    // frequencies, labelled on the band axis.
    void downloadedBands_data()
    {
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("octaveAnalysis");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("BEMARI octaves")
            << false << "1/1" << QStringList{"31.5", "63", "125", "1 k", "16 k"};
        QTest::newRow("BEMARI+ third-octaves")
            << true << "1/3" << QStringList{"25.0", "40.0", "1.25 k", "3.15 k", "12.5 k", "20 k"};
    }

    void downloadedBands()
    {
        QFETCH(bool, plus);
        QFETCH(QString, octaveAnalysis);
        QFETCH(QStringList, labels);
        SimulatedBemariRuns::Header header;
        header.plus = plus;
        header.octaveAnalysis = octaveAnalysis.toLatin1();
        std::unique_ptr<Experiment> run(
            BemariReportRun::make(5, parseDeviceDateTime("24/05/17,08:30:00-12"), header));
        QVERIFY(run);
        for (char weighting : {'Z', 'C', 'A'}) {
            std::unique_ptr<QChart> chart(SoundLevelReportCharts::bandChart(run.get(), weighting));
            auto *axis = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
            const QStringList categories = axis->categories();
            QCOMPARE(categories.size(), octaveAnalysis == "1/1" ? 10 : 30);
            for (const QString &label : labels)
                QVERIFY2(categories.contains(label), qPrintable(label));
        }
    }

    // Levels that are not numbers, and records without a valid time, are
    // left out: the trace does not dip to 0.
    void levelChart_data()
    {
        QTest::addColumn<QStringList>("levels");
        QTest::addColumn<int>("invalidTimeAt");
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("a level left empty")
            << QStringList{"70", "---", "80"} << -1 << 2 << 70.0 << 80.0;
        QTest::newRow("overload and empty")
            << QStringList{"OL", "72.4", ""} << -1 << 1 << 71.4 << 73.4;
        QTest::newRow("all equal")
            << QStringList{"72.4", "72.4", "72.4"} << -1 << 3 << 71.4 << 73.4;
        QTest::newRow("no valid time") << QStringList{"70", "0.5", "80"} << 1 << 2 << 70.0 << 80.0;
    }

    void levelChart()
    {
        QFETCH(QStringList, levels);
        QFETCH(int, invalidTimeAt);
        QFETCH(int, points);
        QFETCH(double, low);
        QFETCH(double, high);
        std::unique_ptr<Experiment> run(runOf(levels));
        if (invalidTimeAt >= 0)
            run->logs().at(invalidTimeAt)->setRegisterDate(QDateTime());
        std::unique_ptr<QChart> chart(SoundLevelReportCharts::levelChart(run.get(), 600));
        QCOMPARE(chart->title(), QStringLiteral("L<sub>Aeq</sub> x Time"));
        QCOMPARE(lineOf(chart.get())->count(), points);
        QValueAxis *axis = levelAxisOf(chart.get());
        QCOMPARE(axis->titleText(), QStringLiteral("L<sub>Aeq</sub> [dB]"));
        QVERIFY2(axis->min() <= low && axis->max() >= high,
                 qPrintable(QStringLiteral("%1..%2").arg(axis->min()).arg(axis->max())));
        QVERIFY(axis->min() > 0);
    }

    // A long run keeps to about two points per pixel, its extremes kept; a
    // run without results or records still gives a chart.
    void levelChartOfLongRun()
    {
        QStringList levels;
        for (int i = 0; i < 32400; ++i)
            levels.append(QString::number(60 + i % 31));
        levels[20000] = "120.5";
        levels[100] = "OL";
        std::unique_ptr<Experiment> run(runOf(levels));
        std::unique_ptr<QChart> chart(SoundLevelReportCharts::levelChart(run.get(), 500));
        QLineSeries *line = lineOf(chart.get());
        QVERIFY(line->count() <= 2 * 500 + 2);
        double highest = 0;
        double lowest = 1000;
        for (const QPointF &point : line->pointsVector()) {
            highest = qMax(highest, point.y());
            lowest = qMin(lowest, point.y());
        }
        QCOMPARE(highest, 120.5);
        QCOMPARE(lowest, 60.0);

        std::unique_ptr<QChart> bare(SoundLevelReportCharts::levelChart(nullptr, 500));
        QCOMPARE(bare->title(), QStringLiteral("L<sub>eq</sub> x Time"));
        QCOMPARE(lineOf(bare.get())->count(), 0);
    }

    // The rows: numbers from 001, the record's own time of day, levels with
    // two decimals or as stored, the interval on a run measured by hand.
    void tableRows_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number") << "72.4"
                                << "72.40";
        QTest::newRow("left empty") << "---"
                                    << "---";
        QTest::newRow("overload") << "OL"
                                  << "OL";
        QTest::newRow("empty") << ""
                               << "---";
    }

    void tableRows()
    {
        QFETCH(QString, level);
        QFETCH(QString, shown);
        std::unique_ptr<Experiment> run(runOf({"70", level}));
        qobject_cast<BemariPlusLog *>(run->logs().at(1))->setInterval("12");
        const QList<VfTableRow> rows = SoundLevelReportTable::rows(run->logs(), false);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(1).cells(), (QStringList{"002", "08:30:01", shown}));
        QCOMPARE(rows.at(1).date(), QDate(2024, 5, 17));
        const QList<VfTableRow> manual = SoundLevelReportTable::rows(run->logs(), true);
        QCOMPARE(manual.at(1).cells(), (QStringList{"002", "08:30:01", shown, "12"}));
        QCOMPARE(manual.at(0).cell(3), QStringLiteral("---"));
    }

    void tableRowsOfLongRun()
    {
        std::unique_ptr<Experiment> run(runOf(QVector<QString>(1001, "72.4").toList()));
        // Across midnight the rows take the new day.
        run->logs().at(1000)->setRegisterDate(parseDeviceDateTime("24/05/18,00:00:05-12"));
        const QList<VfTableRow> rows = SoundLevelReportTable::rows(run->logs(), false);
        QCOMPARE(rows.at(998).cell(0), QStringLiteral("999"));
        QCOMPARE(rows.at(999).cell(0), QStringLiteral("1000"));
        QCOMPARE(rows.at(1000).cells(), (QStringList{"1001", "00:00:05", "72.40"}));
        QCOMPARE(rows.at(1000).date(), QDate(2024, 5, 18));

        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(SoundLevelReportTable::rows(run->logs(), false).at(0).cell(2),
                 QStringLiteral("72,40"));
        QLocale::setDefault(QLocale::c());
    }

    // Three titles, or four on a run measured by hand; the titles go with
    // their owner.
    void tableHeader_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QString>("sampleTime");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("sample time 1 s")
            << false << "1" << QStringList{"Idx", "D/T", "L|Aeq,1s|[dB]"};
        QTest::newRow("no sample time") << false << "" << QStringList{"Idx", "D/T", "L|Aeq,s|[dB]"};
        QTest::newRow("manual") << true << "---"
                                << QStringList{"Idx", "D/T", "L|Aeq,T|[dB]", "T||[s]"};
    }

    void tableHeader()
    {
        QFETCH(bool, manual);
        QFETCH(QString, sampleTime);
        QFETCH(QStringList, texts);
        BemariPlusResults results;
        results.setFreqWeighting("A");
        results.setSampleTime(sampleTime);
        QStringList found;
        {
            QObject owner;
            for (const VfSubSuperScript *title :
                 SoundLevelReportTable::header(&results, manual, &owner)) {
                QCOMPARE(title->parent(), &owner);
                QString text = title->text();
                if (!title->subText().isEmpty() || title->next())
                    text += "|" + title->subText();
                if (title->next()) {
                    QCOMPARE(title->next()->parent(), &owner);
                    text += "|" + title->next()->text();
                }
                found.append(text);
            }
        }
        QCOMPARE(found, texts);
        QObject owner;
        QCOMPARE(SoundLevelReportTable::header(nullptr, false, &owner).value(2)->subText(),
                 QStringLiteral("eq,s"));
    }
};

QTEST_MAIN(TestBemariReportCharts)
#include "tst_bemarireportcharts.moc"
