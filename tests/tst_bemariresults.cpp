#include "DeviceDateTime.h"
#include "models/bemari/BemariConfig.h"
#include "models/bemari/BemariPlusConfig.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariResults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

// One page line as the device link hands it to a parser.
QByteArray line(const QByteArray &fields)
{
    return "+VFXPHDR: " + fields;
}

QByteArray page(const QByteArray &fields)
{
    return line(fields) + "\n";
}

// Lines of a multi-line page, each ended by the instrument's carriage return.
QByteArray lines(const QList<QByteArray> &texts)
{
    QByteArray text;
    for (const QByteArray &t : texts)
        text += line(t) + '\r';
    return text + '\n';
}

QByteArray bandLines(int announced, int sent)
{
    QList<QByteArray> texts;
    for (int i = 0; i < sent; ++i)
        texts.append("3,1," + QByteArray::number(announced) + "," + QByteArray::number(i) + ",\"" +
                     QByteArray::number(31.5 * (1 << i), 'f', 2) + "\",60.0");
    return lines(texts);
}

const QByteArray kPage1 = "1,4,\"DOCK\",3600,\"24/05/13,08:15:00+00\",\"24/05/13,09:15:00+00\","
                          "3725,1,\"Fast\",\"A\",\"1/1\"";

// A "BEMARI+" weighting line; `levels` holds Leq to the S maximum.
QByteArray weightingLine(const QByteArray &first, const QList<QByteArray> &levels)
{
    return first + ",1,Z,0,0," + levels.at(0) + ',' + levels.at(1) + ',' + levels.at(2) + ',' +
           levels.at(3) + ',' + levels.at(4) + ",\"24/05/13,08:16:00+00\"," + levels.at(5) + ',' +
           levels.at(6) + ",\"24/05/13,08:17:00+00\"," + levels.at(7) + ',' + levels.at(8) +
           ",\"24/05/13,08:18:00+00\"";
}

const QList<QByteArray> kLevels{"80.1", "112.0", "123.5", "52.1", "99.8",
                                "55.3", "97.2",  "57.0",  "95.4"};

QStringList levelTexts(const FreqWeightedOutputLevels *w)
{
    QStringList texts{w->eq(), w->exposure(), w->peak()};
    for (const LevelTimeWeightedOutput *t : w->levels())
        texts << t->min() << t->max();
    return texts;
}

} // namespace

// The sound level meters' results: the header page parsers, the duration
// text, the results JSON and the configuration record.
class TestBemariResults : public QObject
{
    Q_OBJECT

private slots:
    void identityPage_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("pause");
        QTest::addColumn<bool>("startValid");
        QTest::newRow("complete") << page(kPage1) << 0 << "DOCK"
                                  << "01:02:05" << true;
        QTest::newRow("12 fields") << page("1,4,\"DOCK\",3600,,,,,,1,Fast,A") << -1 << ""
                                   << "" << false;
        QTest::newRow("another page") << page("2,4,\"DOCK\",3600,,,,,,1,Fast,A,1/1") << -1 << ""
                                      << "" << false;
        QTest::newRow("no pause, no start date")
            << page("1,4,DOCK,3600,,08:15:00+00,,,,1,Fast,A,1/1") << 0 << "DOCK"
            << "" << false;
    }

    void identityPage()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(QString, label);
        QFETCH(QString, pause);
        QFETCH(bool, startValid);
        BemariResults r;
        QCOMPARE(r.parseHeaderPage1(text), result);
        QCOMPARE(r.label(), label);
        QCOMPARE(r.pauseTime(), pause);
        QCOMPARE(r.startTime().isValid(), startValid);
        if (startValid) {
            QCOMPARE(r.startTime(), parseDeviceDateTime("24/05/13,08:15:00+00"));
            QCOMPARE(r.timeWeighting(), QString("Fast"));
            QCOMPARE(r.octaveAnalysis(), QString("1/1"));
        }
    }

    void durationText_data()
    {
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("59") << "59"
                            << "00:00:59";
        QTest::newRow("3725") << "3725"
                              << "01:02:05";
        QTest::newRow("empty") << ""
                               << "00:00:00";
        QTest::newRow("100 hours") << "360000"
                                   << "100:00:00";
    }

    void durationText()
    {
        QFETCH(QString, seconds);
        QFETCH(QString, text);
        BemariResults r;
        r.setDuration(seconds);
        QCOMPARE(r.durationStr(), text);
        QCOMPARE(r.toJson().value("durationStr").toString(), text);
    }

    void levelPage_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("levels"); // lEq, lFMax, SEL, lPeak
        QTest::newRow("ten fields")
            << page("2,4,78.3,96.1,55.2,94.7,\"24/05/13,08:16:00+00\",110.2,121.4") << 0
            << QStringList{"78.3", "94.7", "110.2", "121.4"};
        QTest::newRow("ten fields, field 8 empty")
            << page("2,4,78.3,96.1,55.2,94.7,\"24/05/13,08:16:00+00\",,121.4") << 0
            << QStringList{"78.3", "94.7", "---", "121.4"};
        QTest::newRow("eight fields") << page("2,4,78.3,96.1,55.2,94.7,\"24/05/13,08:16:00+00\"")
                                      << 0 << QStringList{"78.3", "94.7", "---", "---"};
        QTest::newRow("nine fields")
            << page("2,4,78.3,96.1,55.2,94.7,\"24/05/13,08:16:00+00\",110.2") << 0
            << QStringList{"78.3", "94.7", "---", "---"};
        QTest::newRow("no time of the maximum")
            << page("2,4,78.3,96.1,55.2,94.7,\"24/05/13,\",110.2,121.4") << -1
            << QStringList{"78.3", "94.7", "", ""};
        QTest::newRow("seven fields")
            << page("2,4,78.3,96.1,55.2,94.7,\"24/05/13\"") << -1 << QStringList{"", "", "", ""};
    }

    void levelPage()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(QStringList, levels);
        BemariResults r;
        QCOMPARE(r.parseHeaderPage2(text), result);
        QCOMPARE((QStringList{r.lEq(), r.lFMax(), r.sel(), r.lPeak()}), levels);
        QCOMPARE(r.lMaxDateTime().isValid(), result == 0);
    }

    void bandPage_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("bands");
        QTest::newRow("ten of ten") << bandLines(10, 10) << 0 << 10;
        QTest::newRow("nine of ten") << bandLines(10, 9) << -1 << 9;
        QTest::newRow("short first line, none announced") << page("3,1,,0") << 0 << 0;
        QTest::newRow("no line at all") << page("") << 0 << 0;
        // Lines of which not one can be read: no run without bands, but an
        // unreadable page.
        QTest::newRow("short lines announcing ten")
            << lines({"3,1,10,0,31.50", "3,1,10,1"}) << -1 << 0;
        QTest::newRow("lines that are no band lines")
            << lines({"\x1f\x7f+garbled", "x,y,z,1,2,3"}) << -1 << 0;
        QTest::newRow("bands end at another page's line")
            << lines({"3,1,2,0,31.50,60.0", "4,1,2,1,63.00,60.0"}) << -1 << 1;
    }

    void bandPage()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(int, bands);
        for (bool plus : {false, true}) {
            std::unique_ptr<SoundLevelResults> r;
            if (plus)
                r.reset(new BemariPlusResults);
            else
                r.reset(new BemariResults);
            QCOMPARE(r->parsePage(3, text), result);
            QCOMPARE(r->leqList().size(), bands);
        }
        // Band texts keep their double quotes.
        BemariResults r;
        r.parseHeaderPage3(bandLines(1, 1));
        QCOMPARE(r.leqList().at(0)->frequency(), QString("\"31.50\""));
    }

    void checkAndStatisticsPages()
    {
        BemariResults r;
        QCOMPARE(r.parseHeaderPage4(page("4,1,,,\",\",\",\"")), 0);
        QCOMPARE(r.preChk(), QString("---"));
        QCOMPARE(r.posChk(), QString("---"));
        QJsonObject json = r.toJson();
        QCOMPARE(json.value("preChkDate").toString(), QString(""));
        QCOMPARE(json.value("posChkDate").toString(), QString(""));
        QCOMPARE(r.parseHeaderPage4(
                     page("4,1,94.0,93.9,\"24/05/13,08:10:00+00\",\"24/05/13,09:20:00+00\"")),
                 0);
        QCOMPARE(r.posChkDate(), parseDeviceDateTime("24/05/13,09:20:00+00"));
        QCOMPARE(r.parseHeaderPage4(page("4,1,94.0,93.9,\",\"")), -1);

        QCOMPARE(r.parseHeaderPage5(page("5,1,88.1,85.4,,63.2,60.7")), 0);
        QCOMPARE((QStringList{r.l05(), r.l10(), r.l50(), r.l90(), r.l95()}),
                 (QStringList{"88.1", "85.4", "---", "63.2", "60.7"}));
        QCOMPARE(r.parseHeaderPage5(page("5,1,88.1,85.4,,63.2")), -1);
    }

    void plusIdentityPage_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("overloaded");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("sampleTime");
        QTest::newRow("13 fields") << QByteArray() << false << "AUTO"
                                   << "1";
        QTest::newRow("14 fields") << QByteArray(",0") << false << "AUTO"
                                   << "1";
        QTest::newRow("15 fields, overloaded") << QByteArray(",0,1") << true << "AUTO"
                                               << "1";
        QTest::newRow("flag 01") << QByteArray(",0,01,AUTO") << false << "AUTO"
                                 << "1";
        QTest::newRow("manual") << QByteArray(",0,0,\"MANUAL\"") << false << "MANUAL"
                                << "---";
        QTest::newRow("manual in lower case") << QByteArray(",0,,manual") << false << "manual"
                                              << "1";
    }

    void plusIdentityPage()
    {
        QFETCH(QByteArray, tail);
        QFETCH(bool, overloaded);
        QFETCH(QString, mode);
        QFETCH(QString, sampleTime);
        BemariPlusResults r;
        QCOMPARE(r.mode(), QString("AUTO"));
        QCOMPARE(r.parsePage1(page(kPage1 + tail)), 0);
        QCOMPARE(r.overloaded(), overloaded);
        QCOMPARE(r.mode(), mode);
        QCOMPARE(r.sampleTime(), sampleTime);
    }

    void plusWeightingPage()
    {
        BemariPlusResults r;
        QCOMPARE(r.parsePage1(page(kPage1 + ",0,0")), 0);
        // Field 0 is not tested; empty fields are stored as they came.
        QList<QByteArray> withEmpty = kLevels;
        withEmpty[1] = "";
        QCOMPARE(r.parsePage2(lines({weightingLine("2", kLevels), weightingLine("7", withEmpty),
                                     weightingLine("2", kLevels)})),
                 0);
        QCOMPARE(r.freqWeightedLevels().size(), 3);
        QCOMPARE(levelTexts(r.freqWeightedLevels().at(0)),
                 (QStringList{"80.1", "112.0", "123.5", "52.1", "99.8", "55.3", "97.2", "57.0",
                              "95.4"}));
        QCOMPARE(r.weightedText("LCE"), QString(""));
        QCOMPARE(r.weightedText("LAFMaxDateTime"), QString("24/05/13,08:17:00+00"));

        // A short page is refused and the levels held stay.
        QCOMPARE(r.parsePage2(lines({weightingLine("2", kLevels), weightingLine("2", kLevels)})),
                 -1);
        QList<QByteArray> shortLine = kLevels;
        QByteArray cut = weightingLine("2", shortLine);
        cut.chop(cut.size() - cut.lastIndexOf(','));
        QCOMPARE(
            r.parsePage2(lines({weightingLine("2", kLevels), cut, weightingLine("2", kLevels)})),
            -1);
        QCOMPARE(r.weightedText("LZEq"), QString("80.1"));
        QCOMPARE(r.weightedText("LCE"), QString(""));
    }

    void overloadedRunReadsOL()
    {
        BemariPlusResults r;
        QCOMPARE(r.parsePage1(page(kPage1 + ",0,1,AUTO")), 0);
        QCOMPARE(r.parsePage2(lines({weightingLine("2", kLevels), weightingLine("2", kLevels),
                                     weightingLine("2", kLevels)})),
                 0);
        for (const FreqWeightedOutputLevels *w : r.freqWeightedLevels())
            QCOMPARE(levelTexts(w), QVector<QString>(9, "OL").toList());
        // The times of the maxima are kept.
        QCOMPARE(r.weightedText("LZIMaxDateTime"), QString("24/05/13,08:16:00+00"));
        QCOMPARE(r.weightedText("LASMaxDateTime"), QString("24/05/13,08:18:00+00"));
        QCOMPARE(r.parsePage5(page("5,1,88.1,,76.9,63.2,60.7")), 0);
        QCOMPARE((QStringList{r.l05(), r.l10(), r.l50(), r.l90(), r.l95()}),
                 QVector<QString>(5, "OL").toList());
    }

    void plusJsonHoldsTheWeightedKeys()
    {
        BemariPlusResults r;
        // Before page 2 the 36 keys are there, empty.
        QJsonObject json = r.toJson();
        QStringList keys;
        for (const QString &key : json.keys()) {
            if (key.startsWith("LZ") || key.startsWith("LC") || key.startsWith("LA"))
                keys.append(key);
        }
        QCOMPARE(keys.size(), 36);
        keys.sort();
        QStringList expected = BemariPlusResults::weightedKeys();
        expected.sort();
        QCOMPARE(keys, expected);
        for (const QString &key : qAsConst(keys))
            QCOMPARE(json.value(key).toString(), QString(""));
        QCOMPARE(json.value("mode").toString(), QString("AUTO"));
        // The overall levels are not sent by this model.
        QCOMPARE(json.value("lEq").toString(), QString(""));
        QCOMPARE(json.value("SEL").toString(), QString(""));
        QCOMPARE(json.value("lMaxDateTime").toString(), QString(""));

        r.parsePage2(lines({weightingLine("2", kLevels), weightingLine("2", kLevels),
                            weightingLine("2", kLevels)}));
        json = r.toJson();
        QCOMPARE(json.value("LApeak").toString(), QString("123.5"));
        QCOMPARE(json.value("LCSMax").toString(), QString("95.4"));
    }

    void resultsJsonRoundTrip()
    {
        for (bool plus : {false, true}) {
            std::unique_ptr<SoundLevelResults> r(
                plus ? static_cast<SoundLevelResults *>(new BemariPlusResults) : new BemariResults);
            QCOMPARE(r->parsePage(1, page(kPage1 + (plus ? ",0,0,MANUAL" : ""))), 0);
            if (plus)
                QCOMPARE(
                    r->parsePage(2, lines({weightingLine("2", kLevels), weightingLine("2", kLevels),
                                           weightingLine("2", kLevels)})),
                    0);
            else
                QCOMPARE(r->parsePage(2, page("2,4,78.3,96.1,55.2,94.7,\"24/05/13,08:16:00+00\","
                                              ",121.4")),
                         0);
            QCOMPARE(r->parsePage(3, bandLines(3, 3)), 0);
            QCOMPARE(r->parsePage(4, page("4,1,94.0,,\"24/05/13,08:10:00+00\",\",\"")), 0);
            QCOMPARE(r->parsePage(5, page("5,1,88.1,85.4,,63.2,60.7")), 0);
            const QJsonObject json = r->toJson();
            QCOMPARE(json.value("leqList").toArray().size(), 3);
            QCOMPARE(json.value("posChkDate").toString(), QString(""));

            std::unique_ptr<SoundLevelResults> read(
                plus ? static_cast<SoundLevelResults *>(new BemariPlusResults) : new BemariResults);
            read->fromJson(json);
            QCOMPARE(read->toJson(), json);
            QVERIFY(!read->posChkDate().isValid());
        }
    }

    void configurationRecord()
    {
        const QJsonObject fresh{{"productName", "BEMARI+"},
                                {"timeWeighting", ""},
                                {"frequencyWeighting", ""},
                                {"octaveAnalysis", ""}};
        BemariPlusConfig plus;
        QCOMPARE(plus.toJson(), fresh);

        BemariConfig config;
        const QString chosen = R"({"productName": "BEMARI+", "timeWeighting": "Impulse",
                                   "frequencyWeighting": "Z", "octaveAnalysis": "1/3"})";
        // Another model's name is not read.
        QCOMPARE(config.fromJson(chosen), 0);
        QCOMPARE(config.toJson().value("productName").toString(), QString("BEMARI"));
        BemariConfig copy;
        QCOMPARE(copy.fromJson(QString::fromUtf8(QJsonDocument(config.toJson()).toJson())), 0);
        QCOMPARE(copy.toJson(), config.toJson());

        // What is refused changes nothing.
        for (const QString &refused :
             {QString("not JSON"), QString("[]"), QString(R"({"octaveAnalysis": "1/3"})"),
              QString(R"({"timeWeighting": 1, "frequencyWeighting": "Z",
                          "octaveAnalysis": "1/3"})")}) {
            QCOMPARE(config.fromJson(refused), -1);
            QCOMPARE(config.timeWeighting(), QString("Impulse"));
        }
    }
};

QTEST_MAIN(TestBemariResults)
#include "tst_bemariresults.moc"
