#include "DeviceDateTime.h"
#include "models/kestrum/Kestrum2Config.h"
#include "models/kestrum/Kestrum2Experiment.h"
#include "models/kestrum/Kestrum2Log.h"
#include "models/kestrum/Kestrum2Results.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <cmath>
#include <memory>

// Reading "KESTRUM 2" replies and configuration text, and the run's JSON.
class TestKestrum2Run : public QObject
{
    Q_OBJECT

private:
    static QByteArray page(const QByteArray &fields) { return "+VFXPHDR: " + fields + "\n"; }
    static QString degrees(const char *unit) { return QChar(0x00B0) + QString::fromLatin1(unit); }

private slots:
    void listEntry()
    {
        Kestrum2Experiment run;
        QCOMPARE(run.parseListEntry("3,12,720,\"21/06/15,08:30:00-12\""), 0);
        QCOMPARE(run.index(), 12);
        QCOMPARE(run.size(), 720);
        QCOMPARE(run.dateTime().toString(Qt::ISODate), QString("2021-06-15T08:30:00-03:00"));

        Kestrum2Experiment untouched;
        QCOMPARE(untouched.parseListEntry("3,12,720,\"21/06/15\""), -1);
        QCOMPARE(untouched.index(), 0);
        QCOMPARE(untouched.size(), 0);
    }

    void record_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("readings"); // wet, dry, globe, IBUTGi, IBUTGe
        const QByteArray head = "+VFRDXP: 1,2,3,\"21/06/15,08:31:00-12\",";
        QTest::newRow("complete") << head + "25.1,30.4,33.0,27.2,27.9\n"
                                  << 0 << QStringList{"25.1", "30.4", "33.0", "27.2", "27.9"};
        QTest::newRow("not measured")
            << head + "---,30.4,,27.2,---" << 0 << QStringList{"---", "30.4", "", "27.2", "---"};
        QTest::newRow("last field missing")
            << head + "25.1,30.4,33.0,27.2" << 1 << QStringList{"", "", "", "", ""};
    }

    void record()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, result);
        QFETCH(QStringList, readings);
        Kestrum2Log log;
        QCOMPARE(log.parseRecord(line), result);
        QCOMPARE((QStringList{log.wetTemperature(), log.dryTemperature(), log.globeTemperature(),
                              log.IBUTGi(), log.IBUTGe()}),
                 readings);
        QCOMPARE(log.registerDate().isValid(), result == 0);
    }

    void headerPages_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<int>("result");
        // Selected members of toJson once the page was read.
        QTest::addColumn<QJsonObject>("expected");
        const QJsonValue none(QJsonValue::Null);
        QTest::newRow("page 1") << 1 << QByteArray("1,7,60,0,3725,C") << 0
                                << QJsonObject{{"sampleTime", 60},
                                               {"pauseTime", "00:00:00"},
                                               {"duration", "01:02:05"},
                                               {"unity", degrees("C")}};
        QTest::newRow("page 1 not measured") << 1 << QByteArray("1,7,---,,---,") << 0
                                             << QJsonObject{{"sampleTime", none},
                                                            {"pauseTime", "---"},
                                                            {"duration", "---"},
                                                            {"unity", "---"}};
        QTest::newRow("page 1 short") << 1 << QByteArray("1,7,60,0,3725") << -1 << QJsonObject();
        QTest::newRow("page 1 given page 2")
            << 1 << QByteArray("2,7,60,0,3725,C") << -1 << QJsonObject();
        QTest::newRow("page 2") << 2
                                << QByteArray("2,7,27.25,28.10,\"21/06/15,08:30:00-12\","
                                              "\"21/06/15,09:32:05-12\"")
                                << 0
                                << QJsonObject{{"IBUTGiMed", 27.25},
                                               {"IBUTGeMed", 28.1},
                                               {"startTime", "21/06/15,08:30:00-12"},
                                               {"stopTime", "21/06/15,09:32:05-12"}};
        QTest::newRow("page 2 not measured")
            << 2 << QByteArray("2,7,---,,\",\",\"21/06/15,09:32:05-12\"") << 0
            << QJsonObject{{"IBUTGiMed", none}, {"IBUTGeMed", none}, {"startTime", ""}};
        QTest::newRow("page 2 short")
            << 2 << QByteArray("2,7,27.25,28.10,\"21/06/15,08:30:00-12\"") << -1 << QJsonObject();
        QTest::newRow("page 3") << 3 << QByteArray("3,7,25.5,18.25,33,27.5,40,35") << 0
                                << QJsonObject{{"wetTMax", 25.5}, {"wetTMin", 18.25},
                                               {"dryTMax", 33},   {"dryTMin", 27.5},
                                               {"globeTMax", 40}, {"globeTMin", 35}};
        QTest::newRow("page 3 not measured")
            << 3 << QByteArray("3,7,---,18.25,33,,40,35") << 0
            << QJsonObject{
                   {"wetTMax", none}, {"wetTMin", 18.25}, {"dryTMin", none}, {"globeTMin", 35}};
        QTest::newRow("page 3 of seven fields")
            << 3 << QByteArray("3,7,25.5,18.25,33,27.5,40") << -1 << QJsonObject();
        QTest::newRow("page 3 given page 1")
            << 3 << QByteArray("1,7,25.5,18.25,33,27.5,40,35") << -1 << QJsonObject();
    }

    void headerPages()
    {
        QFETCH(int, number);
        QFETCH(QByteArray, fields);
        QFETCH(int, result);
        QFETCH(QJsonObject, expected);
        Kestrum2Results results;
        const QJsonObject before = results.toJson();
        int (Kestrum2Results::*parsers[])(QByteArray) = {&Kestrum2Results::parseHeader1,
                                                         &Kestrum2Results::parseHeader2,
                                                         &Kestrum2Results::parseHeader3};
        QCOMPARE((results.*parsers[number - 1])(page(fields)), result);
        const QJsonObject json = results.toJson();
        if (result != 0)
            QCOMPARE(json, before);
        for (auto it = expected.begin(); it != expected.end(); ++it)
            QVERIFY2(json.value(it.key()) == it.value(), qPrintable(it.key()));
    }

    void notMeasuredValuesSurviveTheirJson()
    {
        Kestrum2Results results;
        QCOMPARE(results.parseHeader3(page("3,7,---,18.25,33,,40,35")), 0);
        const QJsonObject json = results.toJson();
        // Through text, as a data file carries it.
        const QJsonObject reread = QJsonDocument::fromJson(QJsonDocument(json).toJson()).object();
        Kestrum2Results read;
        read.fromJson(reread);
        QVERIFY(std::isnan(read.wet_T_Max()));
        QVERIFY(std::isnan(read.dry_T_Min()));
        QCOMPARE(read.wet_T_Min(), 18.25);
        QCOMPARE(read.toJson(), json);
    }

    void runJson()
    {
        auto *first = new Kestrum2Experiment;
        auto *second = new Kestrum2Experiment;
        first->append(second);
        QCOMPARE(second->parseListEntry("1,5,2,\"21/06/15,08:30:00-12\""), 0);
        second->setDeviceName("KESTRUM 2");
        auto *log = new Kestrum2Log;
        QCOMPARE(log->parseRecord("1,5,1,\"21/06/15,08:31:00-12\",25.1,30.4,33.0,27.2,27.9"), 0);
        second->setLogs({log});
        second->setResults(new Kestrum2Results);
        const QJsonObject json = second->toJson();
        QCOMPARE(json.value("index"), QJsonValue("5"));
        QCOMPARE(json.value("size"), QJsonValue("2"));
        QCOMPARE(json.value("eventIndex"), QJsonValue(2));
        QCOMPARE(json.value("date"), QJsonValue("21/06/15,08:30:00-12"));
        QCOMPARE(json.value("deviceName"), QJsonValue("KESTRUM 2"));
        const QJsonObject sample = json.value("logList").toArray().at(0).toObject();
        QCOMPARE(sample, (QJsonObject{{"date", "21/06/15,08:31:00-12"},
                                      {"wetTemperature", "25.1"},
                                      {"dryTemperature", "30.4"},
                                      {"globeTemperature", "33.0"},
                                      {"IBUTGi", "27.2"},
                                      {"IBUTGe", "27.9"}}));
        QCOMPARE(first->toJson().value("eventIndex"), QJsonValue(1));
        first->deleteChain();
    }

    void configurationReplies_data()
    {
        QTest::addColumn<QByteArray>("seconds");
        QTest::addColumn<QString>("sampleTime");
        QTest::newRow("90") << QByteArray("90") << "01:30";
        QTest::newRow("5") << QByteArray("5") << "00:05";
        QTest::newRow("3600") << QByteArray("3600") << "60:00";
        QTest::newRow("6000") << QByteArray("6000") << "100:00";
        QTest::newRow("no number") << QByteArray("x") << "00:00";
    }

    void configurationReplies()
    {
        QFETCH(QByteArray, seconds);
        QFETCH(QString, sampleTime);
        Kestrum2Config config;
        config.setSampleTimeFromReply(seconds);
        QCOMPARE(config.sampleTime(), sampleTime);
        config.setUnityFromReply("\"F\"");
        QCOMPARE(config.unity(), degrees("F"));
        config.setUnityFromReply("");
        QCOMPARE(config.unity(), degrees(""));
    }

    void configurationFromWindow_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("result");
        QTest::newRow("°F 00:30") << QString(R"({"unity":"°F","sampleTime":"00:30"})") << 0;
        QTest::newRow("as the instrument reports it")
            << QString(R"({"unity":"°C","sampleTime":"100:00"})") << 0;
        QTest::newRow("empty object") << QString("{}") << -1;
        QTest::newRow("array") << QString("[1, 2]") << -1;
        QTest::newRow("no JSON") << QString("unity") << -1;
        QTest::newRow("°K") << QString(R"({"unity":"°K","sampleTime":"00:30"})") << -1;
        QTest::newRow("quote in the unit")
            << QString("{\"unity\":\"°C\\\"\\r\\nAT+VFERSMM\",\"sampleTime\":\"00:30\"}") << -1;
        QTest::newRow("00:00") << QString(R"({"unity":"°C","sampleTime":"00:00"})") << -1;
        QTest::newRow("seconds past 59") << QString(R"({"unity":"°C","sampleTime":"01:60"})") << -1;
        QTest::newRow("interval as a number") << QString(R"({"unity":"°C","sampleTime":60})") << -1;
    }

    void configurationFromWindow()
    {
        QFETCH(QString, json);
        QFETCH(int, result);
        Kestrum2Config config;
        config.setUnityFromReply("C");
        config.setSampleTimeFromReply("60");
        QCOMPARE(config.fromJson(json), result);
        const QJsonObject read = config.toJson();
        QCOMPARE(read.value("productName").toString(), QString("KESTRUM 2"));
        if (result != 0) {
            QCOMPARE(read.value("unity").toString(), degrees("C"));
            QCOMPARE(read.value("sampleTime").toString(), QString("01:00"));
        } else {
            const QJsonObject sent = QJsonDocument::fromJson(json.toUtf8()).object();
            QCOMPARE(read.value("unity"), sent.value("unity"));
            QCOMPARE(read.value("sampleTime"), sent.value("sampleTime"));
        }
    }

    void newConfigurationIsEmpty()
    {
        QCOMPARE(Kestrum2Config().toJson(),
                 (QJsonObject{{"productName", "KESTRUM 2"}, {"unity", ""}, {"sampleTime", ""}}));
    }
};

QTEST_MAIN(TestKestrum2Run)
#include "tst_kestrum2run.moc"
