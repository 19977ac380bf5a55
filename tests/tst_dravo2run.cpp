#include "DeviceDateTime.h"
#include "models/dravo2/Dravo2Experiment.h"
#include "models/dravo2/Dravo2Log.h"
#include "models/dravo2/Dravo2Results.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

// A dosimeter run-list entry, its logged samples and the run's JSON.
class TestDravo2Run : public QObject
{
    Q_OBJECT

private slots:
    void listLineGivesIndexSizeDateAndName()
    {
        Dravo2Experiment run;
        QSignalSpy nameChanged(&run, &Dravo2Experiment::experimentNameChanged);
        QCOMPARE(run.parseListEntry("1,3,4521,\"24/05/17,08:30:00-12\",\"Caf\xe9 \"\"A\"\", B\""),
                 0);
        QCOMPARE(run.index(), 3);
        QCOMPARE(run.size(), 4521);
        QCOMPARE(run.dateTime(), parseDeviceDateTime("24/05/17,08:30:00-12"));
        QCOMPARE(run.dateTime().offsetFromUtc(), -3 * 3600);
        // Quotes go, a comma cuts the name, the bytes are Latin-1.
        QCOMPARE(run.exp_Name(), QString::fromUtf8("Café A"));
        QCOMPARE(nameChanged.count(), 0);
        run.setExp_Name("other");
        QCOMPARE(nameChanged.count(), 1);
    }

    void shortListLineIsRefused()
    {
        Dravo2Experiment run;
        QCOMPARE(run.parseListEntry("1,3,4521,\"24/05/17\",\"x\""), -1);
        QCOMPARE(run.index(), 0);
        QCOMPARE(run.size(), 0);
        QVERIFY(run.dateTime().isNull());
    }

    void recordFields_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("10 fields")
            << QByteArray("+VFRDXP: 3,1,0,\"24/05/17,08:30:01-12\",81.2,79.0,80.5,83.1,112\n") << 0
            << QStringList{"81.2", "79.0", "80.5", "83.1", "112"};
        QTest::newRow("empty averages and level")
            << QByteArray("3,1,0,\"24/05/17,08:30:01-12\",,,,,") << 0
            << QStringList{"---", "---", "---", "", ""};
        QTest::newRow("extra fields ignored")
            << QByteArray("3,1,0,\"24/05/17,08:30:01-12\",1,2,3,4,5,6,7") << 0
            << QStringList{"1", "2", "3", "4", "5"};
        QTest::newRow("9 fields") << QByteArray("3,1,0,\"24/05/17,08:30:01-12\",1,2,3,4") << 1
                                  << QStringList{"", "", "", "", ""};
        QTest::newRow("empty record") << QByteArray("") << 1 << QStringList{"", "", "", "", ""};
    }

    void recordFields()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, result);
        QFETCH(QStringList, texts);
        Dravo2Log log;
        QCOMPARE(log.parseRecord(record), result);
        QCOMPARE((QStringList{log.lavgDosimeter1(), log.lavgDosimeter2(), log.lavgDosimeter3(),
                              log.level(), log.pk()}),
                 texts);
        QCOMPARE(log.registerDate().isValid(), result == 0);
        if (result == 0)
            QCOMPARE(log.toJson().value("date").toString(), QString("24/05/17,08:30:01-12"));
    }

    void runJsonHoldsTextsLogsAndResults()
    {
        auto *head = new Dravo2Experiment;
        head->parseListEntry("1,3,4521,\"24/05/17,08:30:00-12\",\"RUN 3\"");
        head->setDeviceName("DRAVO 2");
        auto *log = new Dravo2Log;
        log->parseRecord("3,1,0,\"24/05/17,08:30:01-12\",81.2,,80.5,83.1,112");
        head->setLogs({log});
        auto *results = new Dravo2Results;
        results->setLabel("LINE");
        head->setResults(results);
        auto *second = new Dravo2Experiment;
        head->append(second);

        const QJsonObject json = head->toJson();
        QCOMPARE(json.value("size").toString(), QString("4521"));
        QCOMPARE(json.value("index").toString(), QString("3"));
        QCOMPARE(json.value("eventIndex").toInt(), 1);
        QCOMPARE(json.value("date").toString(), QString("24/05/17,08:30:00-12"));
        QCOMPARE(json.value("deviceName").toString(), QString("DRAVO 2"));
        QCOMPARE(json.value("expName").toString(), QString("RUN 3"));
        const QJsonArray logs = json.value("logList").toArray();
        QCOMPARE(logs.size(), 1);
        QCOMPARE(logs.at(0).toObject().value("lavgDosimeter2").toString(), QString("---"));
        QCOMPARE(json.value("results").toObject().value("label").toString(), QString("LINE"));

        // A run without logs or results still writes its object.
        const QJsonObject bare = second->toJson();
        QCOMPARE(bare.value("eventIndex").toInt(), 2);
        QVERIFY(bare.value("logList").isArray());
        QCOMPARE(bare.value("logList").toArray().size(), 0);
        QVERIFY(bare.value("results").isObject());
        head->deleteChain();
    }
};

QTEST_MAIN(TestDravo2Run)
#include "tst_dravo2run.moc"
