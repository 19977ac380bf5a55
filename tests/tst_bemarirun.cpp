#include "DeviceDateTime.h"
#include "models/bemari/BemariExperiment.h"
#include "models/bemari/BemariExposureComponent.h"
#include "models/bemari/BemariLog.h"
#include "models/bemari/BemariPlusExperiment.h"
#include "models/bemari/BemariPlusExposureComponent.h"
#include "models/bemari/BemariPlusLog.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariResults.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

// A sound level meter's run-list entry, its level records, the run's JSON and
// its exposure component.
class TestBemariRun : public QObject
{
    Q_OBJECT

private slots:
    void listEntry_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("name");
        QTest::newRow("six fields") << QByteArray("a,3,120,\"24/05/13,08:15:00+00\",\"Area 1\"")
                                    << 0 << 3 << 120 << "Area 1";
        QTest::newRow("UTF-8 name, cut at a comma")
            << QByteArray("1,7,25,\"24/05/13,08:15:00+00\",\"S\xc3\xa1la, B\",x") << 0 << 7 << 25
            << QString::fromUtf8("Sála");
        QTest::newRow("numbers that are not")
            << QByteArray("1,x,,24/05/13,08:15:00+00,N") << 0 << 0 << 0 << "N";
        QTest::newRow("five fields")
            << QByteArray("a,3,120,\"24/05/13,08:15:00+00\"") << -1 << 0 << 0 << "";
    }

    void listEntry()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, result);
        QFETCH(int, index);
        QFETCH(int, size);
        QFETCH(QString, name);
        for (bool plus : {false, true}) {
            std::unique_ptr<BemariExperiment> run(plus ? new BemariPlusExperiment
                                                       : new BemariExperiment);
            QSignalSpy renamed(run.get(), &BemariExperiment::experimentNameChanged);
            QCOMPARE(run->parseListEntry(line), result);
            QCOMPARE(run->index(), index);
            QCOMPARE(run->size(), size);
            QCOMPARE(run->exp_Name(), name);
            QCOMPARE(renamed.count(), 0);
            if (result == 0 && size == 120)
                QCOMPARE(run->dateTime(), QDateTime(QDate(2024, 5, 13), QTime(8, 15), Qt::UTC));
        }
    }

    void nameChangeIsSignalledOnce()
    {
        BemariExperiment run;
        QSignalSpy renamed(&run, &BemariExperiment::experimentNameChanged);
        run.setExp_Name("A");
        run.setExp_Name("A");
        QCOMPARE(renamed.count(), 1);
    }

    void records_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("level");
        // The interval a "BEMARI+" record leaves where "kept" stood.
        QTest::addColumn<QString>("interval");
        QTest::newRow("six fields")
            << QByteArray("+VFRDXP: 3,1,0,\"24/05/13,08:15:01+00\",72.4\n") << 0 << "72.4"
            << "kept";
        QTest::newRow("empty level") << QByteArray("3,1,0,\"24/05/13,08:15:01+00\",") << 0 << "---"
                                     << "kept";
        QTest::newRow("overloaded") << QByteArray("3,1,0,\"24/05/13,08:15:01+00\",OL") << 0 << "OL"
                                    << "kept";
        QTest::newRow("with interval")
            << QByteArray("3,1,0,\"24/05/13,08:15:01+00\",72.4,2.5") << 0 << "72.4"
            << "2.5";
        QTest::newRow("empty interval")
            << QByteArray("3,1,0,\"24/05/13,08:15:01+00\",72.4,") << 0 << "72.4"
            << "";
        QTest::newRow("five fields") << QByteArray("3,1,0,\"24/05/13,08:15:01+00\"") << 1 << ""
                                     << "kept";
    }

    void records()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, result);
        QFETCH(QString, level);
        QFETCH(QString, interval);
        BemariLog log;
        QCOMPARE(log.parseRecord(record), result);
        QCOMPARE(log.level(), level);
        QCOMPARE(log.registerDate().isValid(), result == 0);
        QVERIFY(!log.toJson().contains("interval"));

        BemariPlusLog plus;
        plus.setInterval("kept");
        QCOMPARE(plus.parseRecord(record), result);
        QCOMPARE(plus.level(), level);
        QCOMPARE(plus.interval(), interval);
        QCOMPARE(plus.toJson().value("interval").toString(), plus.interval());
    }

    void runJson()
    {
        auto *head = new BemariPlusExperiment;
        head->parseListEntry("1,7,25,\"24/05/13,08:15:00+00\",\"AREA\"");
        head->setDeviceName("BEMARI+");
        auto *log = new BemariPlusLog;
        log->parseRecord("7,1,0,\"24/05/13,08:15:01+00\",72.4,1");
        head->setLogs({log});
        auto *results = new BemariPlusResults;
        results->setLabel("DOCK");
        head->setResults(results);
        auto *second = new BemariPlusExperiment;
        head->append(second);

        const QJsonObject json = head->toJson();
        QCOMPARE(json.value("index"), QJsonValue("7"));
        QCOMPARE(json.value("size"), QJsonValue("25"));
        QCOMPARE(json.value("eventIndex"), QJsonValue(1));
        QCOMPARE(json.value("expName"), QJsonValue("AREA"));
        QCOMPARE(json.value("date"), QJsonValue("24/05/13,08:15:00+00"));
        const QJsonObject record = json.value("logList").toArray().at(0).toObject();
        QCOMPARE(
            record,
            (QJsonObject{{"date", "24/05/13,08:15:01+00"}, {"level", "72.4"}, {"interval", "1"}}));
        QCOMPARE(json.value("results").toObject().value("label"), QJsonValue("DOCK"));

        // A downloaded run keeps the name of its list entry.
        BemariPlusExperiment downloaded;
        downloaded.copyHeader(head);
        QCOMPARE(downloaded.exp_Name(), QString("AREA"));
        QCOMPARE(downloaded.index(), 7);

        const QJsonObject bare = second->toJson();
        QCOMPARE(bare.value("eventIndex"), QJsonValue(2));
        QCOMPARE(bare.value("results"), QJsonValue(QJsonObject()));
        head->deleteChain();
    }

    void exposureComponent()
    {
        BemariExperiment run;
        run.setIndex(9);
        BemariExposureComponent component;
        QSignalSpy changed(&component, &BemariExposureComponent::exposureComponentChanged);
        QCOMPARE(component.event(), 0);
        // Without results of its model nothing is taken.
        component.loadFromExperiment(&run);
        run.setResults(new BemariPlusResults);
        component.loadFromExperiment(&run);
        QCOMPARE(component.event(), 0);

        auto *results = new BemariResults;
        results->setLabel("DOCK");
        results->setLEq("78.3");
        results->setLFMax("94.7");
        results->setLMaxDateTime(parseDeviceDateTime("24/05/13,08:16:00+00"));
        run.setResults(results);
        component.loadFromExperiment(&run);
        QCOMPARE(component.event(), 9);
        QCOMPARE(component.label(), QString("DOCK"));
        QCOMPARE(component.lEq(), QString("78.3"));
        QCOMPARE(component.lFMax(), QString("94.7"));
        QCOMPARE(component.lMaxDateTime(), results->lMaxDateTime());
        component.setLEq("0");
        QCOMPARE(changed.count(), 0);
    }

    // A downloaded "BEMARI+" run has no overall levels: its A-weighted ones
    // stand in; a file that carries overall levels keeps them.
    void plusExposureComponentLevels()
    {
        BemariPlusExperiment run;
        run.setIndex(4);
        auto *results = new BemariPlusResults;
        QJsonObject json = results->toJson();
        json.insert("LAEq", "78.3");
        json.insert("LAFMax", "94.7");
        json.insert("LAFMaxDateTime", "24/05/13,08:16:00+00");
        results->fromJson(json);
        run.setResults(results);
        BemariPlusExposureComponent component;
        component.loadFromExperiment(&run);
        QCOMPARE(component.event(), 4);
        QCOMPARE(component.lEq(), QString("78.3"));
        QCOMPARE(component.lFMax(), QString("94.7"));
        QCOMPARE(component.lMaxDateTime(), parseDeviceDateTime("24/05/13,08:16:00+00"));

        results->setLEq("80.0");
        results->setLFMax("");
        component.loadFromExperiment(&run);
        QCOMPARE(component.lEq(), QString("80.0"));
        QCOMPARE(component.lFMax(), QString(""));
    }
};

QTEST_MAIN(TestBemariRun)
#include "tst_bemarirun.moc"
