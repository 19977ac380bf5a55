#include "DeviceDateTime.h"
#include "models/tolvar/Tolvar4Experiment.h"
#include "models/tolvar/Tolvar4Log.h"
#include "models/tolvar/Tolvar4Results.h"
#include "models/tolvar/TolvarExperiment.h"
#include "models/tolvar/TolvarLog.h"
#include "models/tolvar/TolvarResults.h"

#include <QJsonArray>
#include <QtTest>
#include <memory>

// Pump run-list entries, samples, and the run's JSON with its flow and
// backpressure statistics.
class TestTolvarRun : public QObject
{
    Q_OBJECT

private:
    // A run with one sample per (flow, backpressure in tenths of kPa) pair.
    static std::unique_ptr<TolvarExperiment>
    runWith(const QList<QPair<QByteArray, QByteArray>> &values)
    {
        auto run = std::make_unique<TolvarExperiment>();
        run->setDeviceName("TOLVAR 3 PLUS");
        run->setResults(new TolvarResults);
        QList<QByteArray> records;
        int number = 0;
        for (const auto &value : values)
            records.append("+VFRDXP: 3," + QByteArray::number(++number) +
                           ",0,\"24/05/17,08:00:00-12\"," + value.first + ",23.4," + value.second +
                           ",1.0,98,4.05,118\n");
        if (run->parseRecords(records) != 0)
            return nullptr;
        return run;
    }

    static TolvarResults *results(Experiment *run)
    {
        return qobject_cast<TolvarResults *>(run->results());
    }

private slots:
    void listLine_data()
    {
        QTest::addColumn<bool>("tolvar4");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("status");
        const QByteArray five = "1,3,120,\"24/05/17,08:30:00-12\"";
        QTest::newRow("5 fields") << false << five << -1 << 0;
        QTest::newRow("6 fields") << false << five + ",\"RUN 3\"" << 0 << 0;
        QTest::newRow("TOLVAR 4, 6 fields") << true << five + ",\"RUN 3\"" << -1 << 0;
        QTest::newRow("TOLVAR 4, 7 fields") << true << five + ",\"RUN 3\",2" << 0 << 2;
        QTest::newRow("TOLVAR 4, status letters") << true << five + ",\"RUN 3\",x" << 0 << 0;
    }

    void listLine()
    {
        QFETCH(bool, tolvar4);
        QFETCH(QByteArray, line);
        QFETCH(int, result);
        QFETCH(int, status);
        std::unique_ptr<TolvarExperiment> run(tolvar4 ? new Tolvar4Experiment
                                                      : new TolvarExperiment);
        QCOMPARE(run->parseListEntry(line), result);
        QCOMPARE(run->index(), result == 0 ? 3 : 0);
        QCOMPARE(run->size(), result == 0 ? 120 : 0);
        QCOMPARE(run->exp_Name(), result == 0 ? QString("RUN 3") : QString());
        QCOMPARE(run->status(), status);
    }

    void record_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("result");
        QTest::addColumn<QJsonObject>("json");
        const QByteArray eleven = "3,1,0,\"24/05/17,08:00:00-12\",2.05,23.4,125,1.5,98,4.05";
        const QJsonObject read{{"date", "24/05/17,08:00:00-12"},
                               {"Flow", 2.05},
                               {"Temperature", 23.4},
                               {"BackPressure", 12.5},
                               {"Volume", 1.5},
                               {"BattSoc", "98"},
                               {"VBatt", "4.05"},
                               {"Imot", "118"}};
        QTest::newRow("12 fields") << "+VFRDXP: " + eleven + ",118\n" << 0 << read;
        QTest::newRow("13 fields") << eleven + ",118,extra" << 0 << read;
        QTest::newRow("empty and unreadable numbers")
            << QByteArray("3,1,0,\"24/05/17,08:00:00-12\",,x,---,,,,") << 0
            << QJsonObject{{"date", "24/05/17,08:00:00-12"},
                           {"Flow", QJsonValue()},
                           {"Temperature", 0.0},
                           {"BackPressure", QJsonValue()},
                           {"Volume", QJsonValue()},
                           {"BattSoc", ""},
                           {"VBatt", ""},
                           {"Imot", ""}};
        const QJsonObject untouched{{"date", ""},
                                    {"Flow", QJsonValue()},
                                    {"Temperature", QJsonValue()},
                                    {"BackPressure", QJsonValue()},
                                    {"Volume", QJsonValue()},
                                    {"BattSoc", ""},
                                    {"VBatt", ""},
                                    {"Imot", ""}};
        QTest::newRow("11 fields") << eleven << 1 << untouched;
        QTest::newRow("NUL cuts the record") << QByteArray("3,1,0,\"24/05/17,08:00:00-12\",2.05") +
                                                    '\0' + ",23.4,125,1.5,98,4.05,118"
                                             << 1 << untouched;
        QTest::newRow("empty") << QByteArray() << 1 << untouched;
    }

    void record()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, result);
        QFETCH(QJsonObject, json);
        Tolvar4Log log;
        QCOMPARE(log.parseRecord(record), result);
        QCOMPARE(log.toJson(), json);
    }

    void statistics_data()
    {
        QTest::addColumn<QList<QByteArray>>("flows");
        QTest::addColumn<QList<QByteArray>>("backpressures");
        QTest::addColumn<QJsonObject>("statistics");
        QTest::newRow("three samples")
            << QList<QByteArray>{"1.0", "3.0", "2.0"} << QList<QByteArray>{"125", "100", "150"}
            << QJsonObject{{"flowMax", 3.0},          {"flowMin", 1.0},
                           {"flowAvg", 2.0},          {"backpressureMax", 15.0},
                           {"backpressureMin", 10.0}, {"backpressureAvg", 12.5}};
        QTest::newRow("one sample")
            << QList<QByteArray>{"2.0"} << QList<QByteArray>{"20"}
            << QJsonObject{{"flowMax", 2.0},         {"flowMin", 2.0},
                           {"flowAvg", 2.0},         {"backpressureMax", 2.0},
                           {"backpressureMin", 2.0}, {"backpressureAvg", 2.0}};
        // A value the pump left empty counts neither as 0 nor as a sample.
        QTest::newRow("an empty flow")
            << QList<QByteArray>{"1.0", "", "2.0"} << QList<QByteArray>{"10", "20", ""}
            << QJsonObject{{"flowMax", 2.0},         {"flowMin", 1.0},
                           {"flowAvg", 1.5},         {"backpressureMax", 2.0},
                           {"backpressureMin", 1.0}, {"backpressureAvg", 1.5}};
        QTest::newRow("no samples")
            << QList<QByteArray>{} << QList<QByteArray>{}
            << QJsonObject{{"flowMax", QJsonValue()},         {"flowMin", QJsonValue()},
                           {"flowAvg", QJsonValue()},         {"backpressureMax", QJsonValue()},
                           {"backpressureMin", QJsonValue()}, {"backpressureAvg", QJsonValue()}};
    }

    void statistics()
    {
        QFETCH(QList<QByteArray>, flows);
        QFETCH(QList<QByteArray>, backpressures);
        QFETCH(QJsonObject, statistics);
        QList<QPair<QByteArray, QByteArray>> values;
        for (int i = 0; i < flows.size(); ++i)
            values.append({flows.at(i), backpressures.at(i)});
        auto run = runWith(values);
        QVERIFY(run);
        const QJsonObject json = run->toJson();
        QCOMPARE(json.value("logList").toArray().size(), flows.size());
        const QJsonObject written = json.value("results").toObject();
        for (auto it = statistics.begin(); it != statistics.end(); ++it)
            QVERIFY2(written.value(it.key()) == it.value(), qPrintable(it.key()));
        // The results hold what was written.
        const double average = results(run.get())->flowAvg();
        if (statistics.value("flowAvg").isNull())
            QVERIFY(qIsNaN(average));
        else
            QCOMPARE(average, statistics.value("flowAvg").toDouble());
    }

    void statisticsFollowTheSamples()
    {
        auto run = runWith({{"1.0", "10"}, {"3.0", "30"}});
        QVERIFY(run);
        QCOMPARE(run->toJson().value("results").toObject().value("flowMax"), QJsonValue(3.0));
        QCOMPARE(run->toJson().value("results").toObject().value("flowMax"), QJsonValue(3.0));
        qobject_cast<TolvarLog *>(run->logs().at(0))->setFlow(5.0);
        const QJsonObject results = run->toJson().value("results").toObject();
        QCOMPARE(results.value("flowMax"), QJsonValue(5.0));
        QCOMPARE(results.value("flowAvg"), QJsonValue(4.0));
    }

    void runJson_data()
    {
        QTest::addColumn<bool>("tolvar4");
        QTest::newRow("TOLVAR 3 PLUS") << false;
        QTest::newRow("TOLVAR 4") << true;
    }

    void runJson()
    {
        QFETCH(bool, tolvar4);
        std::unique_ptr<TolvarExperiment> head(tolvar4 ? new Tolvar4Experiment
                                                       : new TolvarExperiment);
        head->setResults(tolvar4 ? new Tolvar4Results : new TolvarResults);
        QCOMPARE(head->parseListEntry("1,3,120,\"24/05/17,08:30:00-12\",\"RUN 3\",2"), 0);
        head->setDeviceName(tolvar4 ? "TOLVAR 4" : "TOLVAR 3 PLUS");
        auto *second = new TolvarExperiment;
        head->append(second);
        std::unique_ptr<TolvarExperiment> tail(second);

        const QJsonObject json = head->toJson();
        QCOMPARE(json.value("size"), QJsonValue("120"));
        QCOMPARE(json.value("index"), QJsonValue("3"));
        QCOMPARE(json.value("date"), QJsonValue("24/05/17,08:30:00-12"));
        QCOMPARE(json.value("expName"), QJsonValue("RUN 3"));
        QCOMPARE(json.value("deviceName").toString(), head->deviceName());
        QCOMPARE(json.value("eventIndex"), QJsonValue(1));
        QCOMPARE(json.value("expStatus"),
                 tolvar4 ? QJsonValue(2) : QJsonValue(QJsonValue::Undefined));
        QCOMPARE(json.value("logList"), QJsonValue(QJsonArray()));
        QCOMPARE(json.value("results").toObject().contains("expStatus"), tolvar4);
        QCOMPARE(tail->toJson().value("eventIndex"), QJsonValue(2));
        // A run without results writes an empty results object.
        QCOMPARE(tail->toJson().value("results"), QJsonValue(QJsonObject()));
    }
};

QTEST_GUILESS_MAIN(TestTolvarRun)
#include "tst_tolvarrun.moc"
