#include "models/kestrum/Kestrum4Config.h"
#include "models/kestrum/Kestrum4Experiment.h"
#include "models/kestrum/Kestrum4Log.h"
#include "models/kestrum/Kestrum4Results.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

// Reading "KESTRUM 4" replies: list entries, records with a group per board,
// header pages 1 to 4, and their JSON.
class TestKestrum4Run : public QObject
{
    Q_OBJECT

private:
    static QByteArray page(const QByteArray &fields) { return "+VFXPHDR: " + fields + "\n"; }
    static QString degrees(const char *unit) { return QChar(0x00B0) + QString::fromLatin1(unit); }

    static QByteArray group(const char *wet)
    {
        return QByteArray(wet) + ",30.4,33.0,27.2,27.9,0.4,1,0";
    }
    static QByteArray emptyGroup() { return ",,,,,,,"; }

    // A record with the four board groups given.
    static QByteArray record(const QList<QByteArray> &groups)
    {
        QByteArray line = "+VFRDXP: 5,17,0,\"21/06/15,08:31:00-12\"";
        for (const QByteArray &g : groups)
            line += ',' + g;
        return line + '\n';
    }

private slots:
    void listEntryCarriesTheRunName()
    {
        Kestrum4Experiment entry;
        QCOMPARE(entry.parseListEntry("1,12,340,\"21/06/15,08:30:00-12\",\"Foundry line 2\""), 0);
        QCOMPARE(entry.index(), 12);
        QCOMPARE(entry.size(), 340);
        QCOMPARE(entry.exp_Name(), QString("Foundry line 2"));
        QCOMPARE(Kestrum4Experiment().parseListEntry("1,12,340,\"21/06/15,08:30:00-12\""), -1);

        Kestrum4Experiment run;
        run.copyHeader(&entry);
        run.setResults(new Kestrum4Results);
        const QJsonObject json = run.toJson();
        QCOMPARE(json.value("expName"), QJsonValue("Foundry line 2"));
        QCOMPARE(json.value("index"), QJsonValue("12"));
        QCOMPARE(json.value("size"), QJsonValue("340"));
        QCOMPARE(json.value("eventIndex"), QJsonValue(1));
    }

    void records_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("wet"); // the first reading of each board record
        QTest::newRow("main unit only")
            << record({group("25.1"), emptyGroup(), emptyGroup(), emptyGroup()}) << 0
            << QStringList{"25.1"};
        QTest::newRow("three expansion boards")
            << record({group("25.1"), group("24.0"), group("23.0"), group("22.0")}) << 0
            << QStringList{"25.1", "24.0", "23.0", "22.0"};
        // An empty group ends the boards, whatever follows it.
        QTest::newRow("field 13 empty")
            << record({group("25.1"), emptyGroup(), group("23.0"), group("22.0")}) << 0
            << QStringList{"25.1"};
        QTest::newRow("reading not measured")
            << record({group("---"), group(""), emptyGroup(), emptyGroup()}) << 0
            << QStringList{"---"};
        QTest::newRow("36 fields")
            << record({group("25.1"), emptyGroup(), emptyGroup(), ",,,,,,"}) << 1 << QStringList();
    }

    void records()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, result);
        QFETCH(QStringList, wet);
        Kestrum4Log log;
        QCOMPARE(log.parseRecord(line), result);
        QStringList read;
        for (const Kestrum4EnvironmentalFactors &board : log.enviromentalFactorsList())
            read.append(board.wetTemperature());
        QCOMPARE(read, wet);
        if (result != 0)
            return;
        const QJsonObject first =
            log.toJson().value("enviromentalFactorsList").toArray().at(0).toObject();
        QCOMPARE(first.value("dryTemperature"), QJsonValue("30.4"));
        QCOMPARE(first.value("WBGTo"), QJsonValue("27.9"));
        QCOMPARE(first.value("airVelocity"), QJsonValue("0.4"));
        QCOMPARE(first.value("waterLevel"), QJsonValue(1));
        QCOMPARE(first.value("tiltStatus"), QJsonValue(0));
    }

    void pageOne()
    {
        Kestrum4Results results;
        QCOMPARE(results.parseHeaderPage1(page("1,7,0,3725,\"21/06/15,08:30:00-12\","
                                               "\"21/06/15,09:34:10-12\",125,60,C")),
                 0);
        const KestrumRunHeader &header = results.header();
        QCOMPARE(header.duration, QString("01:02:05"));
        QCOMPARE(header.pauseTime, QString("00:02:05"));
        QCOMPARE(header.sampleTime, 60);
        QCOMPARE(header.unity, degrees("C"));
        QCOMPARE(header.startTime.toString(Qt::ISODate), QString("2021-06-15T08:30:00-03:00"));
        QCOMPARE(header.stopTime.toString(Qt::ISODate), QString("2021-06-15T09:34:10-03:00"));
        QCOMPARE(results.parseHeaderPage1(page("1,7,0,3725,\"21/06/15,08:30:00-12\","
                                               "\"21/06/15,09:34:10-12\",125,60")),
                 -1);
        QCOMPARE(results.parseHeaderPage1(page("2,7,0,3725,\"21/06/15,08:30:00-12\","
                                               "\"21/06/15,09:34:10-12\",125,60,C")),
                 -1);
        QCOMPARE(results.header().duration, QString("01:02:05"));
    }

    void boardPages_data()
    {
        QTest::addColumn<QByteArray>("page2");
        QTest::addColumn<QByteArray>("page3");
        QTest::addColumn<QByteArray>("page4");
        QTest::addColumn<int>("expansions");
        QTest::addColumn<QStringList>("serials");
        QTest::addColumn<int>("means");
        QTest::addColumn<int>("extremes");
        QTest::newRow("main unit only") << QByteArray("2,7,0") << QByteArray("3,7,27.1,28.2,,,,,,")
                                        << QByteArray("4,7,20,18,30,25,40,35" + QByteArray(18, ','))
                                        << 0 << QStringList() << 1 << 1;
        QTest::newRow("one expansion board")
            << QByteArray("2,7,1,EXP0001,\"CERT 7\",\"21/05/01,10:00:00+00\"")
            << QByteArray("3,7,27.1,28.2,26.0,27.0,,,,") << QByteArray("4,7,20,18,30,25,40,35") << 1
            << QStringList{"EXP0001"} << 2 << 1;
        QTest::newRow("1000 boards announced in three fields")
            << QByteArray("2,7,1000") << QByteArray("3,7,27.1,28.2")
            << QByteArray("4,7,20,18,30,25,40,35") << 3 << QStringList() << 1 << 1;
        QTest::newRow("two boards announced, one and a half sent")
            << QByteArray("2,7,2,EXP0001,\"CERT 7\",\"21/05/01,10:00:00+00\",EXP0002,\"C\"")
            << QByteArray("3,7,27.1,28.2,26.0") << QByteArray("4,7,20,18,30,25,40,35,1,2,3") << 2
            << QStringList{"EXP0001"} << 1 << 1;
        QTest::newRow("negative count")
            << QByteArray("2,7,-4,EXP0001,C,21/05/01,10:00:00+00")
            << QByteArray("3,7,,28.2,26.0,27.0")
            << QByteArray("4,7,,18,30,25,40,35,20,18,30,25,40,35") << 0 << QStringList() << 0 << 0;
        QTest::newRow("empty group between boards")
            << QByteArray("2,7,3") << QByteArray("3,7,27.1,28.2,,,26.0,27.0,25.0,26.0")
            << QByteArray("4,7,20,18,30,25,40,35,,,,,,,21,18,30,25,40,35") << 3 << QStringList()
            << 1 << 1;
    }

    void boardPages()
    {
        QFETCH(QByteArray, page2);
        QFETCH(QByteArray, page3);
        QFETCH(QByteArray, page4);
        QFETCH(int, expansions);
        QFETCH(QStringList, serials);
        QFETCH(int, means);
        QFETCH(int, extremes);
        Kestrum4Results results;
        QCOMPARE(results.parseHeaderPage2(page(page2)), 0);
        QCOMPARE(results.parseHeaderPage3(page(page3)), 0);
        QCOMPARE(results.parseHeaderPage4(page(page4)), 0);
        QCOMPARE(results.numberOfExpansions(), expansions);
        QCOMPARE(results.boardCount(), 1 + expansions);
        QStringList read;
        for (const Kestrum4ExpansionBoard &board : results.expansionBoardList())
            read.append(board.SN());
        QCOMPARE(read, serials);
        QCOMPARE(results.wbgtList().size(), means);
        QCOMPARE(results.maxMinTemperatures().size(), extremes);
        const QJsonObject json = results.toJson();
        QCOMPARE(json.value("numberOfExpansions"), QJsonValue(expansions));
        QCOMPARE(json.value("expansionBoardList").toArray().size(), serials.size());
    }

    void boardValuesByHand()
    {
        Kestrum4Results results;
        QCOMPARE(
            results.parseHeaderPage2(page("2,7,1,EXP0001,\"CERT 7\",\"21/05/01,10:00:00+00\"")), 0);
        QCOMPARE(results.parseHeaderPage3(page("3,7,27.15,28.2,---,27.0,,,,")), 0);
        QCOMPARE(results.parseHeaderPage4(page("4,7,20,18,30,25,40,35,35.25,---")), 0);
        const Kestrum4MaxMinTemperatures main = results.maxMinTemperatures().at(0);
        QCOMPARE(main.wetTMax(), 20.0);
        QCOMPARE(main.wetTMin(), 18.0);
        QCOMPARE(main.dryTMax(), 30.0);
        QCOMPARE(main.dryTMin(), 25.0);
        QCOMPARE(main.globeTMax(), 40.0);
        QCOMPARE(main.globeTMin(), 35.0);
        QCOMPARE(results.wbgtList().at(0).WBGTiMed(), 27.15);
        QVERIFY(std::isnan(results.wbgtList().at(1).WBGTiMed()));

        const QJsonObject json = results.toJson();
        QCOMPARE(json.value("wbgtList").toArray().at(1).toObject(),
                 (QJsonObject{{"WBGTiMed", QJsonValue::Null}, {"WBGToMed", 27.0}}));
        QCOMPARE(json.value("expansionBoardList").toArray().at(0).toObject(),
                 (QJsonObject{{"SN", "EXP0001"},
                              {"calibration", QJsonObject{{"date", "21/05/01,10:00:00+00"},
                                                          {"certification", "CERT 7"}}}}));
        Kestrum4Results reread;
        reread.fromJson(json);
        QCOMPARE(reread.toJson(), json);
    }

    void configurationIsTheKestrum2One()
    {
        Kestrum4Config config;
        QCOMPARE(config.toJson(),
                 (QJsonObject{{"productName", "KESTRUM 4"}, {"unity", ""}, {"sampleTime", ""}}));
        const QList<QPair<QByteArray, QString>> replies{
            {"5", "00:05"}, {"90", "01:30"}, {"6000", "100:00"}};
        for (const auto &reply : replies) {
            config.setSampleTimeFromReply(reply.first);
            QCOMPARE(config.sampleTime(), reply.second);
        }
        QCOMPARE(config.fromJson(R"({"unity":"°F","sampleTime":"02:00"})"), 0);
        QCOMPARE(config.unitLetter(), QString("F"));
        QCOMPARE(config.intervalSeconds(), 120);
    }

    // Replies cut, padded and scrambled at random must never be read past
    // their end (the sanitizer build checks every access).
    void hostileReplies()
    {
        const QList<QByteArray> seeds{
            "2,7,3,EXP0001,\"CERT 7\",\"21/05/01,10:00:00+00\",EXP0002,C,21/05/01,10:00:00+00",
            "3,7,27.1,28.2,26.0,27.0,25.0,26.0,24.0,25.0",
            "4,7,20,18,30,25,40,35,21,18,30,25,40,35,22,18,30,25,40,35,23,18,30,25,40,35",
            "1,7,0,3725,\"21/06/15,08:30:00-12\",\"21/06/15,09:34:10-12\",125,60,C",
            record({group("25.1"), group("24.0"), group("23.0"), group("22.0")}).mid(10)};
        QRandomGenerator random(20210615);
        for (int round = 0; round < 4000; ++round) {
            QByteArray text = seeds.at(round % seeds.size());
            const int cut = random.bounded(text.size() + 1);
            text = text.left(cut);
            for (int edits = random.bounded(4); edits > 0 && !text.isEmpty(); --edits) {
                const int at = random.bounded(text.size());
                const char pick[] = {',', ',', '\0', '"', '-', '9', '\n', ' '};
                text[at] = pick[random.bounded(int(sizeof pick))];
            }
            Kestrum4Results results;
            results.parseHeaderPage1(page(text));
            results.parseHeaderPage2(page(text));
            results.parseHeaderPage3(page(text));
            results.parseHeaderPage4(page(text));
            QVERIFY(results.boardCount() >= 1 && results.boardCount() <= 4);
            QVERIFY(results.expansionBoardList().size() <= 3);
            QVERIFY(results.wbgtList().size() <= 4 && results.maxMinTemperatures().size() <= 4);
            Kestrum4Log log;
            log.parseRecord("+VFRDXP: " + text);
            QVERIFY(log.enviromentalFactorsList().size() <= 4);
            results.toJson();
            log.toJson();
        }
    }
};

QTEST_MAIN(TestKestrum4Run)
#include "tst_kestrum4run.moc"
