#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "models/rumo/RumoExperiment.h"
#include "models/rumo/RumoFile.h"
#include "models/rumo/RumoLog.h"
#include "models/rumo/RumoResults.h"

#include <QJsonArray>
#include <QtTest>

#include <memory>

// Runs and samples of the "RUMO" logger: the run-list line, the multi-line
// samples, the run's JSON and its ".rmx" reading.
class TestRumoRun : public QObject
{
    Q_OBJECT

private:
    static QByteArray dateLine(int values, const QByteArray &time = "08:30:00-12")
    {
        return "+VFRDXP: 1,1,0," + QByteArray::number(values) + ",0,\"24/05/17," + time + "\"\n";
    }

    static QByteArray valueLine(const QByteArray &value)
    {
        return "+VFRDXP: 1,1,1,2,1," + value + "\n";
    }

    static QList<QStringList> samples(const RumoExperiment &run)
    {
        QList<QStringList> values;
        for (Log *log : run.logs())
            values.append(qobject_cast<RumoLog *>(log)->physicalQuantitiesList());
        return values;
    }

    // The runs that a ".rmx" file holding `body` opens into.
    static QList<QJsonObject> open(const QJsonValue &body, int *status)
    {
        const QJsonObject root{{"Info", QJsonObject{{"Device", QJsonObject{{"name", "RUMO"}}}}},
                               {"Body", body}};
        RumoFile file(QStringLiteral("unused.rmx"));
        Experiment *head = file.parse(DataFileEnvelope::encode(QJsonDocument(root)));
        *status = file.status();
        QList<QJsonObject> runs;
        for (Experiment *run = head; run; run = run->next())
            runs.append(run->toJson());
        if (head)
            head->deleteChain();
        return runs;
    }

private slots:
    void listEntries_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("subType");
        QTest::newRow("gas sensor") << QByteArray("1,7,120,\"24/05/17,08:30:00-12\",\"CO ROOM\","
                                                  "\"GAS\",\"CO\"")
                                    << 0 << "CO ROOM"
                                    << "GAS"
                                    << "CO";
        QTest::newRow("no gas field")
            << QByteArray("1,7,120,\"24/05/17,08:30:00-12\",\"H\xc4LL\",\"AMB\"") << 0
            << QString::fromUtf8("HÄLL") << "AMB"
            << "";
        QTest::newRow("too few fields")
            << QByteArray("1,7,120,\"24/05/17,08:30:00-12\",\"HALL\"") << -1 << ""
            << ""
            << "";
    }

    void listEntries()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, result);
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, subType);
        RumoExperiment run;
        QCOMPARE(run.parseListEntry(line), result);
        QCOMPARE(run.exp_Name(), name);
        QCOMPARE(run.type(), type);
        QCOMPARE(run.subType(), subType);
        QCOMPARE(run.index(), result == 0 ? 7 : 0);
        QCOMPARE(run.size(), result == 0 ? 120 : 0);
        QCOMPARE(run.dateTime().isValid(), result == 0);
    }

    void multiLineSamples_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<QStringList>>("values");
        QTest::addColumn<int>("datedSamples");
        QTest::newRow("two samples")
            << QList<QByteArray>{dateLine(2), valueLine("23.5"), valueLine(" 40 %"), dateLine(1),
                                 valueLine("23.6")}
            << 0 << QList<QStringList>{{"23.5", " 40 %"}, {"23.6"}} << 2;
        QTest::newRow("no value lines")
            << QList<QByteArray>{dateLine(0), dateLine(0)} << 0 << QList<QStringList>{{}, {}} << 2;
        QTest::newRow("count not a number")
            << QList<QByteArray>{"+VFRDXP: 1,1,0,x,0,\"24/05/17,08:30:00-12\"\n", dateLine(1),
                                 valueLine("1")}
            << 0 << QList<QStringList>{{}, {"1"}} << 2;
        QTest::newRow("no lines") << QList<QByteArray>{} << 0 << QList<QStringList>{} << 0;
        QTest::newRow("value line as first line")
            << QList<QByteArray>{"+VFRDXP: 1,1,1,0,1,7\n"} << 0 << QList<QStringList>{{"7"}} << 0;
        QTest::newRow("date line among the values")
            << QList<QByteArray>{dateLine(2), dateLine(0, "09:00:00-12"), valueLine("5")} << 0
            << QList<QStringList>{{"5"}} << 1;
        QTest::newRow("date without its time")
            << QList<QByteArray>{"+VFRDXP: 1,1,0,0,0,\"24/05/17\"\n"} << 0 << QList<QStringList>{{}}
            << 0;
        QTest::newRow("count past the lines")
            << QList<QByteArray>{dateLine(1), valueLine("1"), dateLine(3), valueLine("2")} << 1
            << QList<QStringList>{{"1"}} << 1;
        QTest::newRow("negative count")
            << QList<QByteArray>{dateLine(1), valueLine("1"), dateLine(-1), valueLine("2")} << 1
            << QList<QStringList>{{"1"}} << 1;
        QTest::newRow("short value line") << QList<QByteArray>{dateLine(1), "+VFRDXP: 1,1,1,1\n"}
                                          << 1 << QList<QStringList>{} << 0;
    }

    void multiLineSamples()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(int, result);
        QFETCH(QList<QStringList>, values);
        QFETCH(int, datedSamples);
        RumoExperiment run;
        QCOMPARE(run.parseRecords(lines), result);
        QCOMPARE(samples(run), values);
        int dated = 0;
        for (const Log *log : run.logs())
            dated += log->registerDate().isValid() ? 1 : 0;
        QCOMPARE(dated, datedSamples);
    }

    void runJson()
    {
        RumoExperiment first;
        QVERIFY(first.parseListEntry("1,12,2,\"24/05/17,08:30:00-12\",\"HALL\",\"AMB\",\"\"") == 0);
        first.setDeviceName("RUMO");
        QCOMPARE(first.parseRecords({dateLine(1), valueLine("23.5")}), 0);
        first.setResults(new RumoResults);
        auto *second = new RumoExperiment;
        first.append(second);

        const QJsonObject json = first.toJson();
        QCOMPARE(json.value("index"), QJsonValue("12"));
        QCOMPARE(json.value("size"), QJsonValue("2"));
        QCOMPARE(json.value("date").toString(), QString("24/05/17,08:30:00-12"));
        QCOMPARE(json.value("eventIndex"), QJsonValue(1));
        QCOMPARE(json.value("experimentType").toString(), QString("AMB"));
        QCOMPARE(json.value("logList").toArray().first().toObject(),
                 QJsonObject({{"date", "24/05/17,08:30:00-12"},
                              {"physicalQuantitiesList", QJsonArray{"23.5"}}}));
        QCOMPARE(second->toJson().value("eventIndex"), QJsonValue(2));
        // A run without results still writes the results object.
        QCOMPARE(second->toJson().value("results").toObject().value("sampleTime"), QJsonValue(0));
        delete second;
    }

    void fileReadsEveryRunOfTheArray()
    {
        const QJsonObject run{
            {"index", "7"},
            {"size", 3},
            {"expName", "A"},
            {"experimentType", "GAS"},
            {"eventIndex", 9},
            {"logList", QJsonArray{QJsonObject{{"date", "24/05/17,08:30:00-12"},
                                               {"physicalQuantitiesList", QJsonArray{"1", 2}}}}}};
        QJsonObject other = run;
        other.insert("index", 7);
        int status = -1;
        const QList<QJsonObject> runs = open(QJsonArray{run, other}, &status);
        QCOMPARE(status, 0);
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs.at(0).value("index"), QJsonValue("7"));
        QCOMPARE(runs.at(1).value("index"), QJsonValue("0"));
        QCOMPARE(runs.at(0).value("size"), QJsonValue("0"));
        QCOMPARE(runs.at(1).value("eventIndex"), QJsonValue(2));
        QCOMPARE(runs.at(0).value("experimentType"), QJsonValue("GAS"));
        QCOMPARE(runs.at(0).value("logList").toArray().first().toObject().value(
                     "physicalQuantitiesList"),
                 QJsonValue(QJsonArray{"1", ""}));
        // No "results" in the file: default results all the same.
        QCOMPARE(runs.at(0).value("results").toObject(), RumoResults().toJson());
    }

    void fileWithoutAnArrayHoldsNoRun()
    {
        int status = -1;
        QVERIFY(open(QJsonObject{{"index", "1"}}, &status).isEmpty());
        QCOMPARE(status, int(VfFile::Malformed));
        QVERIFY(open(QJsonArray(), &status).isEmpty());
        QCOMPARE(status, int(VfFile::Malformed));
    }

    void fileBelongsToTheModel()
    {
        RumoFile file(QStringLiteral("x.rmx"));
        QVERIFY(!file.checkDeviceName("RUMO"));
        QVERIFY(file.checkDeviceName("rumo"));
        QVERIFY(file.checkDeviceName("RUMO "));
        QVERIFY(file.checkDeviceName("DRAVO 2"));
    }
};

QTEST_MAIN(TestRumoRun)
#include "tst_rumorun.moc"
