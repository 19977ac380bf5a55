#include "DeviceDateTime.h"
#include "models/dravo2/Dravo2Results.h"

#include <QJsonArray>
#include <QtTest>

// The header pages and the dosimeter configuration reply of a dosimeter run,
// as the download hands them over (prefix kept, the final OK trimmed to "\n").
class TestDravo2Results : public QObject
{
    Q_OBJECT

private:
    using Parser = int (Dravo2Results::*)(QByteArray);

    static QByteArray page(const QByteArray &fields) { return "+VFXPHDR: " + fields + "\n"; }
    // Several lines as the download leaves them: "\n\r" between lines.
    static QByteArray lines(const QByteArray &prefix, const QList<QByteArray> &texts)
    {
        QByteArray reply;
        for (int i = 0; i < texts.size(); ++i)
            reply += (i ? "\n\r" : "") + prefix + texts.at(i);
        return reply + "\n";
    }
    static QList<QByteArray> bandLines(int count, int announced)
    {
        QList<QByteArray> texts;
        for (int i = 0; i < count; ++i)
            texts.append("6,3," + QByteArray::number(announced) + "," + QByteArray::number(i) +
                         ",125.00,7" + QByteArray::number(i));
        return texts;
    }

private slots:
    void freshResultsWriteTheDefaults()
    {
        Dravo2Results results;
        const QJsonObject json = results.toJson();
        QCOMPARE(json.value("workingHours").toString(), QString("08:00"));
        QCOMPARE(json.value("labelDos1").toString(), QString("NHO-01"));
        QCOMPARE(json.value("labelDos2").toString(), QString("NR-15"));
        QCOMPARE(json.value("labelDosUSER").toString(), QString("USER"));
        QCOMPARE(json.value("dos1exchangeRate").toString(), QString("3"));
        QCOMPARE(json.value("dos2exchangeRate").toString(), QString("5"));
        QCOMPARE(json.value("dosUSERexchangeRate").toString(), QString("3"));
        for (const char *key : {"doseDos1", "neDos2", "nenDosUSER", "dailyDoseDos1", "l10", "nPk",
                                "preCal", "posCalDate", "preCalDate", "label"})
            QVERIFY2(json.value(key).isString() && json.value(key).toString().isEmpty(), key);
        QCOMPARE(json.value("leqList").toArray().size(), 0);
        QCOMPARE(json.value("vbatStart").toInt(-1), 0);
        // A run without a duration has no duration text to show.
        QCOMPARE(json.value("durationStr").toString(), QString("---"));
    }

    void configurationLinesFillEachDosimeter()
    {
        Dravo2Results results;
        const QByteArray reply = lines("+VFDOSCFG: ", {"1,\"ISO\",82,87,4,\"Fast\",\"C\"",
                                                       "2,\"NR 15\",79,84,5,\"Impulse\",\"Z\"",
                                                       "3,\"MINE\",70,90,6,\"Slow\",\"A\""});
        QCOMPARE(results.parseDosimeterConfig(reply), 0);
        QCOMPARE(results.labelDos1(), QString("ISO"));
        QCOMPARE(results.dos1exchangeRate(), QString("4"));
        QCOMPARE(results.labelDos2(), QString("NR 15"));
        QCOMPARE(results.dos2actionLevel(), QString("79"));
        QCOMPARE(results.dos2criterionLevel(), QString("84"));
        QCOMPARE(results.dos2exchangeRate(), QString("5"));
        QCOMPARE(results.dos2timeWeighting(), QString("Impulse"));
        QCOMPARE(results.dos2freqWeighting(), QString("Z"));
        QCOMPARE(results.labelDosUSER(), QString("MINE"));
        QCOMPARE(results.criterionLevel(), QString("90"));
    }

    void configurationRefusesUnknownAndShortLines_data()
    {
        QTest::addColumn<QByteArray>("secondLine");
        QTest::newRow("dosimeter 4") << QByteArray("4,\"X\",80,85,3,\"Slow\",\"A\"");
        QTest::newRow("empty line") << QByteArray("");
        QTest::newRow("six fields") << QByteArray("2,\"X\",80,85,3,\"Slow\"");
    }

    void configurationRefusesUnknownAndShortLines()
    {
        QFETCH(QByteArray, secondLine);
        Dravo2Results results;
        const QByteArray reply =
            lines("+VFDOSCFG: ", {"1,\"ISO\",82,87,4,\"Fast\",\"C\"", secondLine,
                                  "3,\"MINE\",70,90,6,\"Slow\",\"A\""});
        QCOMPARE(results.parseDosimeterConfig(reply), -1);
        // The line before stays read; the line after is never reached.
        QCOMPARE(results.labelDos1(), QString("ISO"));
        QCOMPARE(results.labelDos2(), QString("NR-15"));
        QCOMPARE(results.labelDosUSER(), QString("USER"));
    }

    void pageOneSetsTheUserDosimeterAndOptionalOctave()
    {
        Dravo2Results results;
        QCOMPARE(results.parseHeader1(page("1,3,\"Caf\xe9 line\",\"60\",81,86,4,\"Fast\",\"C\"")),
                 0);
        QCOMPARE(results.label(), QString::fromUtf8("Café line"));
        QCOMPARE(results.sampleTime(), QString("60"));
        QCOMPARE(results.dosUSERactionLevel(), QString("81"));
        QCOMPARE(results.dosUSERcriterionLevel(), QString("86"));
        QCOMPARE(results.dosUSERexchangeRate(), QString("4"));
        QCOMPARE(results.dosUSERtimeWeighting(), QString("Fast"));
        QCOMPARE(results.dosUSERfreqWeighting(), QString("C"));
        QCOMPARE(results.octaveAnalysis(), QString());
        QCOMPARE(results.parseHeader1(page("1,3,\"L\",\"60\",81,86,4,\"Fast\",\"C\",\"1/1\"")), 0);
        QCOMPARE(results.octaveAnalysis(), QString("1/1"));
    }

    void dosimeterPagesStoreDoseAndDashesForEmptyLevels()
    {
        Dravo2Results results;
        QCOMPARE(results.parseHeader2(page("2,3,45.1,,")), 0);
        QCOMPARE(results.doseDos1(), QString("45.1"));
        QCOMPARE(results.twaDos1(), QString("---"));
        QCOMPARE(results.lavgDos1(), QString("---"));
        QCOMPARE(results.labelDos1(), QString("NHO-01"));
        QCOMPARE(results.parseHeader3(page("3,3,,81.2,82.3,\"NR 15\"")), 0);
        QCOMPARE(results.doseDos2(), QString());
        QCOMPARE(results.twaDos2(), QString("81.2"));
        QCOMPARE(results.labelDos2(), QString("NR 15"));
        QCOMPARE(results.parseHeader4(page("4,3,12.0,70.1,71.2,\"MINE\"")), 0);
        QCOMPARE(results.lavgDosUSER(), QString("71.2"));
        QCOMPARE(results.labelDosUSER(), QString("MINE"));
    }

    // Every single-line page checks its field count (and page number) before
    // it reads a field; a refused page changes nothing.
    void shortOrWrongPagesAreRefusedUntouched_data()
    {
        QTest::addColumn<int>("pageNumber");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("page 1, 8 fields") << 1 << QByteArray("1,3,L,60,81,86,4,Fast");
        QTest::newRow("page 1, number 01") << 1 << QByteArray("01,3,L,60,81,86,4,Fast,C");
        QTest::newRow("page 2, 4 fields") << 2 << QByteArray("2,3,45.1,80.0");
        QTest::newRow("page 3, 7 fields") << 3 << QByteArray("3,3,45.1,80,81,\"X\",9");
        QTest::newRow("page 4, empty") << 4 << QByteArray("");
        QTest::newRow("page 5, 11 fields")
            << 5
            << QByteArray("5,3,86,80,71,4,600,\"24/05/17,08:30:00-12\",\"24/05/17,08:40:00-12\"");
        QTest::newRow("page 5, number 6")
            << 5
            << QByteArray("6,3,86,80,71,4,600,\"24/05/17,08:30:00-12\",\"24/05/17,08:40:00-12\",0");
        QTest::newRow("page 7, 7 fields")
            << 7 << QByteArray("7,3,94.0,93.9,\"24/05/17,08:00:00+00\",\"24/05/17\"");
        QTest::newRow("page 7, number 8") << 7 << QByteArray("8,3,94.0,93.9,\",\",\",\"");
    }

    void shortOrWrongPagesAreRefusedUntouched()
    {
        QFETCH(int, pageNumber);
        QFETCH(QByteArray, reply);
        const QList<Parser> parsers{&Dravo2Results::parseHeader1, &Dravo2Results::parseHeader2,
                                    &Dravo2Results::parseHeader3, &Dravo2Results::parseHeader4,
                                    &Dravo2Results::parseHeader5, &Dravo2Results::parseHeader6,
                                    &Dravo2Results::parseHeader7};
        Dravo2Results results;
        const QJsonObject before = results.toJson();
        QCOMPARE((results.*parsers.at(pageNumber - 1))(page(reply)), -1);
        QCOMPARE(results.toJson(), before);
    }

    void pageFiveStoresTimesAndKeepsMissingOnes()
    {
        Dravo2Results results;
        QCOMPARE(
            results.parseHeader5(page("5,3,,80.4,71.3,4,3723,\",\",\"24/05/17,09:32:03-12\",600")),
            0);
        QCOMPARE(results.l10(), QString("---"));
        QCOMPARE(results.l50(), QString("80.4"));
        QCOMPARE(results.nPk(), QString("4"));
        QCOMPARE(results.duration(), QString("3723"));
        QCOMPARE(results.durationStr(), QString("01:02:03"));
        QVERIFY(results.startTime().isNull());
        QCOMPARE(results.stopTime(), parseDeviceDateTime("24/05/17,09:32:03-12"));
        QCOMPARE(results.pauseTime(), QString("00:10:00"));
        const QJsonObject json = results.toJson();
        QCOMPARE(json.value("stopTime").toString(), QString("24/05/17,09:32:03-12"));
        QCOMPARE(json.value("duration").toString(), QString("3723"));
    }

    void pageSixChecksTheAnnouncedBandCount_data()
    {
        QTest::addColumn<int>("received");
        QTest::addColumn<bool>("cutLine");
        QTest::addColumn<int>("result");
        QTest::newRow("11 of 11") << 11 << false << 0;
        QTest::newRow("10 of 11") << 10 << false << -1;
        // A line that is no band line is skipped.
        QTest::newRow("11 of 11 and a short line") << 11 << true << 0;
    }

    void pageSixChecksTheAnnouncedBandCount()
    {
        QFETCH(int, received);
        QFETCH(bool, cutLine);
        QFETCH(int, result);
        Dravo2Results results;
        QList<QByteArray> texts = bandLines(received, 11);
        if (cutLine)
            texts.insert(1, "6,3,11"); // never read past its end
        QCOMPARE(results.parseHeader6(lines("+VFXPHDR: ", texts)), result);
        QCOMPARE(results.leqList().size(), received);
        QCOMPARE(results.numFreq(), QString("11"));
        const QJsonArray bands = results.toJson().value("leqList").toArray();
        QCOMPARE(bands.at(0).toObject().value("freqIdx").toString(), QString("0"));
        QCOMPARE(bands.last().toObject().value("leq").toString(),
                 "7" + QString::number(received - 1));
        // A second page replaces the bands of the first.
        QCOMPARE(results.parseHeader6(lines("+VFXPHDR: ", bandLines(2, 2))), 0);
        QCOMPARE(results.leqList().size(), 2);
    }

    // A page without bands is empty when it says so; a page of lines of
    // which not one is a band line is unreadable.
    void pageSixWithoutBands_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("nothing") << QByteArray() << 0;
        QTest::newRow("an empty line") << page("") << 0;
        QTest::newRow("no band announced") << page("6,3,0") << 0;
        QTest::newRow("short lines announcing eleven")
            << lines("+VFXPHDR: ", {"6,3,11,0,31.50", "6,3,11"}) << -1;
        QTest::newRow("lines of another page")
            << lines("+VFXPHDR: ", {"7,3,11,0,31.50,70.1", "7,3,11,1,63.00,71.0"}) << -1;
        QTest::newRow("garbled") << page("\x57+\x1f\x02garbled,\x7f") << -1;
    }

    void pageSixWithoutBands()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        Dravo2Results results;
        QCOMPARE(results.parseHeader6(reply), result);
        QCOMPARE(results.leqList().size(), 0);
    }

    void pageSevenWithoutCheckAfterTheRun()
    {
        Dravo2Results results;
        QCOMPARE(results.parseHeader7(page("7,3,94.0,,\"24/05/17,08:00:00+00\",\",\"")), 0);
        QCOMPARE(results.preCal(), QString("94.0"));
        QCOMPARE(results.posCal(), QString("---"));
        QCOMPARE(results.preCalDate(), parseDeviceDateTime("24/05/17,08:00:00+00"));
        QVERIFY(results.posCalDate().isNull());
        const QJsonObject json = results.toJson();
        QCOMPARE(json.value("posCal").toString(), QString("---"));
        QCOMPARE(json.value("posCalDate").toString(), QString());
        QCOMPARE(json.value("preCalDate").toString(), QString("24/05/17,08:00:00+00"));
    }

    void hearingProtectorUpdateReplacesTheEarlierOne()
    {
        Dravo2Results results;
        QJsonObject full{{"datatype", "hearingprotect"},
                         {"hearProtectMfc", "ACME"},
                         {"hearProtectModel", "M1"},
                         {"stdNumber", 2},
                         {"NPS", 91.5},
                         {"NPSp", 70.25},
                         {"nps125", 80.5},
                         {"npsp8000", 60.0},
                         {"att1000", 22.0},
                         {"desv4000", 3.5}};
        QCOMPARE(results.refreshGeneralData(full), full.size());
        QCOMPARE(results.hearProtectMfc(), QString("ACME"));
        QCOMPARE(results.stdNumber(), 2);
        QCOMPARE(results.NPSp(), 70.25);
        QCOMPARE(results.nps()[0], 80.5);
        QCOMPARE(results.npsp()[6], 60.0);
        QCOMPARE(results.att()[3], 22.0);
        QCOMPARE(results.desv()[5], 3.5);

        const QJsonObject other{{"datatype", "updateAvORArep"}, {"hearProtectMfc", "X"}};
        QCOMPARE(results.refreshGeneralData(other), 2);
        QCOMPARE(results.hearProtectMfc(), QString("ACME"));

        const QJsonObject texts{{"datatype", "hearingprotect"},
                                {"hearProtectModel", "M2"},
                                {"stdApplied", "ISO 4869-1"}};
        QCOMPARE(results.refreshGeneralData(texts), 3);
        QCOMPARE(results.hearProtectModel(), QString("M2"));
        QCOMPARE(results.stdApplied(), QString("ISO 4869-1"));
        QCOMPARE(results.hearProtectMfc(), QString());
        QCOMPARE(results.stdNumber(), 0);
        QCOMPARE(results.NPS(), 0.0);
        QCOMPARE(results.nps()[0], 0.0);
        QCOMPARE(results.att()[3], 0.0);
        // The protector is kept for the report only.
        QVERIFY(!results.toJson().contains("hearProtectModel"));
    }
};

QTEST_MAIN(TestDravo2Results)
#include "tst_dravo2results.moc"
