#include "DeviceDateTime.h"
#include "models/quillon/QuillonExperiment.h"
#include "models/quillon/QuillonLog.h"
#include "models/quillon/QuillonResults.h"

#include <QJsonArray>
#include <QtTest>

// A vibration run-list entry, its logged samples and the run's JSON.
class TestQuillonRun : public QObject
{
    Q_OBJECT

private:
    static QStringList texts(const QuillonLog &log)
    {
        return {log.interval(), log.awX(),  log.awY(),  log.awZ(),  log.fcX(), log.fcY(),
                log.fcZ(),      log.vdvX(), log.vdvY(), log.vdvZ(), log.amr()};
    }

private slots:
    void listLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");

        QTest::newRow("7 fields") << QByteArray("9,3,4521,\"24/05/17,08:30:00-12\",\"Caf\xe9\",B")
                                  << 0 << 3 << 4521 << QString::fromUtf8("Café") << "B";
        QTest::newRow("one blank is hand-arm")
            << QByteArray("0,3,10,\"24/05/17,08:30:00-12\",\"R\", ") << 0 << 3 << 10 << "R"
            << "H";
        QTest::newRow("empty type stays empty")
            << QByteArray("0,3,10,\"24/05/17,08:30:00-12\",\"R\",") << 0 << 3 << 10 << "R"
            << "";
        QTest::newRow("two blanks stay")
            << QByteArray("0,3,10,\"24/05/17,08:30:00-12\",\"R\",  ") << 0 << 3 << 10 << "R"
            << "  ";
        QTest::newRow("extra fields ignored")
            << QByteArray("0,3,10,\"24/05/17,08:30:00-12\",\"R\",8,x,y") << 0 << 3 << 10 << "R"
            << "8";
        // The quotes go before the split: a comma in the name shifts the type.
        QTest::newRow("comma in the name")
            << QByteArray("0,3,10,\"24/05/17,08:30:00-12\",\"A,B\",H") << 0 << 3 << 10 << "A"
            << "B";
        QTest::newRow("6 fields refused")
            << QByteArray("0,3,10,\"24/05/17,08:30:00-12\",\"R\"") << -1 << 0 << 0 << ""
            << "";
    }

    void listLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, result);
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(QString, name);
        QFETCH(QString, type);
        QuillonExperiment run;
        QCOMPARE(run.parseListEntry(line), result);
        QCOMPARE(run.index(), index);
        QCOMPARE(run.size(), size);
        QCOMPARE(run.exp_Name(), name);
        QCOMPARE(run.type(), type);
        QCOMPARE(run.dateTime().isValid(), result == 0);
        if (result == 0)
            QCOMPARE(run.dateTime(), parseDeviceDateTime("24/05/17,08:30:00-12"));
    }

    void copyHeaderTakesNameAndType()
    {
        QuillonExperiment entry;
        QCOMPARE(entry.parseListEntry("0,4,25,\"24/05/17,08:30:00-12\",\"LINE 2\", "), 0);
        QuillonExperiment run;
        run.copyHeader(&entry);
        QCOMPARE(run.index(), 4);
        QCOMPARE(run.size(), 25);
        QCOMPARE(run.dateTime(), entry.dateTime());
        QCOMPARE(run.exp_Name(), QString("LINE 2"));
        QCOMPARE(run.type(), QString("H"));
    }

    void record_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("values");
        const QStringList none{"", "", "", "", "", "", "", "", "", "", ""};
        QTest::newRow("16 fields, crest factors before doses")
            << QByteArray("+VFRDXP: 3,1,0,\"24/05/17,08:30:01-12\",1,0.21,0.22,0.23,3.1,3.2,3.3,"
                          "0.81,0.82,0.83,0.40\n")
            << 0 << QStringList{"1",   "0.21", "0.22", "0.23", "3.1", "3.2",
                                "3.3", "0.81", "0.82", "0.83", "0.40"};
        QTest::newRow("empty values are absent")
            << QByteArray("3,1,0,\"24/05/17,08:30:01-12\",,,,,,,,,,,") << 0
            << QStringList{"---", "---", "---", "---", "---", "---",
                           "---", "---", "---", "---", "---"};
        QTest::newRow("unread fields and extra fields")
            << QByteArray("x,y,z,\"24/05/17,08:30:01-12\",1,2,3,4,5,6,7,8,9,10,11,12") << 0
            << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
        QTest::newRow("15 fields refused")
            << QByteArray("3,1,0,\"24/05/17,08:30:01-12\",1,2,3,4,5,6,7,8,9,10") << 1 << none;
    }

    void record()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, result);
        QFETCH(QStringList, values);
        QuillonLog log;
        QCOMPARE(log.parseRecord(record), result);
        QCOMPARE(texts(log), values);
        QCOMPARE(log.registerDate().isValid(), result == 0);
    }

    void runAndSampleJson()
    {
        auto *head = new QuillonExperiment;
        QCOMPARE(head->parseListEntry("0,3,2,\"24/05/17,08:30:00-12\",\"SANDER\", "), 0);
        head->setDeviceName("QUILLON");
        auto *log = new QuillonLog;
        QCOMPARE(log->parseRecord("3,1,0,\"24/05/17,08:30:01-12\",1,0.21,,0.23,3.1,3.2,3.3,0.81,"
                                  "0.82,0.83,0.40"),
                 0);
        head->setLogs({log});
        auto *results = new QuillonResults;
        results->setLabel("BENCH");
        head->setResults(results);
        auto *second = new QuillonExperiment;
        head->append(second);

        const QJsonObject json = head->toJson();
        QCOMPARE(json.value("date").toString(), QString("24/05/17,08:30:00-12"));
        QCOMPARE(json.value("size").toString(), QString("2"));
        QCOMPARE(json.value("index").toString(), QString("3"));
        QCOMPARE(json.value("deviceName").toString(), QString("QUILLON"));
        QCOMPARE(json.value("expName").toString(), QString("SANDER"));
        QCOMPARE(json.value("experimentType").toString(), QString("H"));
        QCOMPARE(json.value("eventIndex").toInt(), 1);
        QCOMPARE(json.value("results").toObject().value("label").toString(), QString("BENCH"));
        const QJsonArray logs = json.value("logList").toArray();
        QCOMPARE(logs.size(), 1);
        const QJsonObject sample = logs.at(0).toObject();
        QCOMPARE(sample.keys().size(), 12);
        QCOMPARE(sample.value("date").toString(), QString("24/05/17,08:30:01-12"));
        QCOMPARE(sample.value("interval").toString(), QString("1"));
        QCOMPARE(sample.value("awY").toString(), QString("---"));
        QCOMPARE(sample.value("fcZ").toString(), QString("3.3"));
        QCOMPARE(sample.value("vdvX").toString(), QString("0.81"));
        QCOMPARE(sample.value("amr").toString(), QString("0.40"));

        QuillonLog copy;
        copy.fromJson(sample);
        QCOMPARE(texts(copy), texts(*log));
        QCOMPARE(copy.registerDate(), log->registerDate());

        const QJsonObject bare = second->toJson();
        QCOMPARE(bare.value("eventIndex").toInt(), 2);
        QVERIFY(bare.value("results").isObject());
        head->deleteChain();
    }
};

QTEST_MAIN(TestQuillonRun)
#include "tst_quillonrun.moc"
