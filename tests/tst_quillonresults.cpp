#include "DeviceDateTime.h"
#include "models/quillon/QuillonResults.h"

#include <QJsonArray>
#include <QtTest>

#include <functional>

using R = QuillonResults;
using Check = std::function<bool(const QuillonResults &)>;
Q_DECLARE_METATYPE(Check)

namespace {

// A section reply as the device hands it on: "+VFXPHDR: " and the final "\n".
QByteArray reply(const QByteArray &text)
{
    return "+VFXPHDR: " + text + "\n";
}

QByteArray fields(int count, const QByteArray &first)
{
    QByteArray text = first;
    for (int i = 1; i < count; ++i)
        text += ',';
    return text;
}

// Band lines of section 7 as the device leaves them.
QByteArray bandLines(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (int i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n+VFXPHDR: " : "+VFXPHDR: ") + lines.at(i);
    return text + "\n";
}

const QByteArray kSection1 =
    "1,3,\"GRINDER\",\"24/05/17,08:30:00-12\",\"24/05/17,09:32:05-12\",1,3725,125,Slow,Wd,Wd,Wk,"
    "1.40,1.40,1.00,0,ISO";

} // namespace

// The header sections of a vibration run and the results' JSON.
class TestQuillonResults : public QObject
{
    Q_OBJECT

private slots:
    void sections_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<Check>("check");

        QTest::newRow("section 1, newer firmware")
            << 1 << reply(kSection1 + ",5400,\"1/3\",3600") << 0 << Check([](const R &r) {
                   return r.label() == "GRINDER" &&
                          r.startTime() == parseDeviceDateTime("24/05/17,08:30:00-12") &&
                          r.stopTime() == parseDeviceDateTime("24/05/17,09:32:05-12") &&
                          r.duration() == "3725" && r.durationStr() == "01:02:05" &&
                          r.pauseTime() == "00:02:05" && r.timeWeighting() == "Slow" &&
                          r.axis(R::AxisZ).freqWeighting == "Wk" &&
                          r.axis(R::AxisY).factor == "1.40" && r.profile() == "ISO" &&
                          r.exposeTimeFromExp() == "5400" && r.octaveAnalysis() == "1/3" &&
                          r.totalTime() == 3600;
               });
        QTest::newRow("section 1 of 21 fields takes the total time from the duration")
            << 1 << reply(kSection1 + ",5400,\"1/3\"") << 0 << Check([](const R &r) {
                   return r.totalTime() == 3725 && r.octaveAnalysis() == "1/1" &&
                          r.exposeTimeFromExp() == "0";
               });
        QTest::newRow("section 1, empty duration and sample time")
            << 1 << reply("1,3,L,,,,,,,,Slow,Wd,Wd,Wk,1.40,1.40,1.00,0,ISO") << 0
            << Check([](const R &r) {
                   return r.sampleTime() == "---" && r.duration() == "---" && r.totalTime() == 0 &&
                          r.durationStr() == "---" && !r.startTime().isValid() &&
                          r.pauseTime().isEmpty();
               });
        QTest::newRow("section 1, evaluation type 2 is 1")
            << 1 << reply(fields(18, "1") + "2,ISO") << 0
            << Check([](const R &r) { return r.evaluationType() == "1"; });
        QTest::newRow("section 1, evaluation type 3 stays")
            << 1 << reply(fields(18, "1") + "3,ISO") << 0
            << Check([](const R &r) { return r.evaluationType() == "3"; });
        QTest::newRow("section 1 of 18 fields refused")
            << 1 << reply(fields(18, "1")) << -1
            << Check([](const R &r) { return r.sampleTime().isEmpty(); });
        QTest::newRow("another section's reply refused")
            << 2 << reply(kSection1 + ",5400,\"1/3\",3600") << -1
            << Check([](const R &r) { return r.axis(R::AxisX).vdv.isEmpty(); });

        QTest::newRow("section 2 with a_mr")
            << 2 << reply("2,3,0.70,0.80,0.90,1.00,3.1,3.2,3.3,0.50") << 0 << Check([](const R &r) {
                   return r.arep() == "0.70" && r.axis(R::AxisZ).vdv == "1.00" &&
                          r.axis(R::AxisX).crestFactor == "3.1" && r.amrGlobal() == "0.50";
               });
        QTest::newRow("section 2 of 9 fields copies a_rep into a_mr")
            << 2 << reply("2,3,,0.80,0.90,1.00,3.1,3.2,3.3") << 0
            << Check([](const R &r) { return r.arep() == "---" && r.amrGlobal() == "---"; });
        QTest::newRow("section 2 of 8 fields refused")
            << 2 << reply("2,3,0.70,0.80,0.90,1.00,3.1,3.2") << -1
            << Check([](const R &r) { return r.arep().isEmpty(); });

        QTest::newRow("section 3, an empty am falls back on a_rep")
            << 3 << reply("3,3,1.9,2.0,2.1,0.05,0.06,,2.4,2.5,2.6,0.30,,0.32,0.35,0.36,0.37") << 0
            << Check([](const R &r) {
                   const auto &y = r.axis(R::AxisY);
                   const auto &z = r.axis(R::AxisZ);
                   return r.axis(R::AxisX).maximum == "1.9" && z.minimum == "---" &&
                          y.peak == "2.5" && y.am == "0.36" && y.arep == "0.36" && z.am == "0.32" &&
                          z.arep == "0.37";
               });
        QTest::newRow("section 3 of 16 fields refused")
            << 3 << reply(fields(16, "3")) << -1
            << Check([](const R &r) { return r.axis(R::AxisX).maximum.isEmpty(); });

        QByteArray section4 = "4,3";
        for (int i = 2; i < 47; ++i)
            section4 += ',' + QByteArray::number(i);
        // The maximum times: date and time fields of each group.
        section4 = section4.replace(",5,6,", ",\"24/05/17,08:40:00-12\",").replace(",45,46", ",,");
        QTest::newRow("section 4 by axis and weighting")
            << 4 << reply(section4) << 0 << Check([](const R &r) {
                   const auto &x = r.axis(R::AxisX);
                   const auto &z = r.axis(R::AxisZ);
                   return x.weighted[R::WeightingF].value == "2" &&
                          x.weighted[R::WeightingF].maximum == "3" &&
                          x.weighted[R::WeightingF].maximumTime ==
                              parseDeviceDateTime("24/05/17,08:40:00-12") &&
                          x.weighted[R::WeightingS].value == "7" &&
                          x.weighted[R::WeightingL].value == "12" &&
                          r.axis(R::AxisY).weighted[R::WeightingF].value == "17" &&
                          z.weighted[R::WeightingF].value == "32" &&
                          z.weighted[R::WeightingL].minimum == "44" &&
                          !z.weighted[R::WeightingL].maximumTime.isValid();
               });
        QTest::newRow("section 4 keeps empty values empty")
            << 4 << reply(fields(47, "4")) << 0 << Check([](const R &r) {
                   return r.axis(R::AxisX).weighted[R::WeightingF].value.isEmpty();
               });
        QTest::newRow("section 4 of 46 fields refused")
            << 4 << reply(fields(46, "4")) << -1 << Check([](const R &r) {
                   return r.axis(R::AxisX).weighted[R::WeightingF].value == "----";
               });

        QTest::newRow("section 5, sensor")
            << 5 << reply("5,3,,S1234,10.1,10.2,") << 0 << Check([](const R &r) {
                   return r.sensorLabel().isEmpty() && r.sensorSN() == "S1234" &&
                          r.axis(R::AxisY).sensitivity == "10.2" &&
                          r.axis(R::AxisZ).sensitivity.isEmpty();
               });
        QTest::newRow("section 5 of 6 fields refused")
            << 5 << reply("5,3,A,S1234,10.1,10.2") << -1
            << Check([](const R &r) { return r.sensorSN().isEmpty(); });
    }

    void sections()
    {
        QFETCH(int, section);
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(Check, check);
        QuillonResults r;
        int (QuillonResults::*const parsers[])(QByteArray) = {
            &QuillonResults::parseHeaderSection1, &QuillonResults::parseHeaderSection2,
            &QuillonResults::parseHeaderSection3, &QuillonResults::parseHeaderSection4,
            &QuillonResults::parseHeaderSection5};
        QCOMPARE((r.*parsers[section - 1])(text), result);
        QVERIFY(check(r));
    }

    void bands_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("counts");
        const auto line = [](const char *count, const char *axis, const char *frequency) {
            return QByteArray("7,3,") + count + ",0," + axis + ',' + frequency + ",0.12";
        };
        const QList<QByteArray> two{line("2", "0", "6.3"), line("2", "0", "8"),
                                    line("2", "1", "6.3"), line("2", "1", "8"),
                                    line("2", "2", "6.3"), line("2", "2", "8")};
        QTest::newRow("two bands per axis") << two << 0 << QList<int>{2, 2, 2};
        QList<QByteArray> three = two;
        three.last() = line("3", "2", "8");
        QTest::newRow("count of the last line disagrees") << three << -1 << QList<int>{2, 2, 2};
        QTest::newRow("axis 5 dropped, axis x is X")
            << QList<QByteArray>{line("1", "5", "6.3"), line("1", "x", "8"), line("1", "1", "8"),
                                 line("1", "2", "8")}
            << 0 << QList<int>{1, 1, 1};
        QTest::newRow("a short line ends the bands")
            << QList<QByteArray>{line("1", "0", "6.3"), "7,3,1,0", line("1", "1", "8")} << -1
            << QList<int>{1, 0, 0};
        QTest::newRow("no band line") << QList<QByteArray>{} << 0 << QList<int>{0, 0, 0};
    }

    void bands()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(int, result);
        QFETCH(QList<int>, counts);
        QuillonResults r;
        QCOMPARE(r.parseHeaderSection7(lines.isEmpty() ? QByteArray("") : bandLines(lines)),
                 result);
        for (int a = 0; a < 3; ++a)
            QCOMPARE(r.bands(R::Axis(a)).size(), counts.at(a));
        if (counts.at(0) > 0) {
            const AmrPerOctave *band = r.bands(R::AxisX).first();
            QCOMPARE(band->freqIdx(), QString("0"));
            QCOMPARE(band->amr(), QString("0.12"));
        }
        // A second band section replaces the bands of the first.
        r.parseHeaderSection7(bandLines({"7,3,1,0,1,16,0.5"}));
        QCOMPARE(r.bands(R::AxisX).size(), 0);
        QCOMPARE(r.bands(R::AxisY).size(), 1);
    }

    void newRecordJson()
    {
        const QJsonObject json = QuillonResults().toJson();
        QCOMPARE(json.size(), 106);
        int perWeighting = 0;
        for (const QString &key : json.keys()) {
            if (QRegularExpression("^a(Max|Min)?[XYZ][FSL]$").match(key).hasMatch()) {
                QCOMPARE(json.value(key).toString(), QString("----"));
                ++perWeighting;
            }
        }
        QCOMPARE(perWeighting, 27);
        QCOMPARE(json.value("exposeTimeFromExp").toString(), QString("0"));
        QCOMPARE(json.value("octaveAnalysis").toString(), QString("1/1"));
        QCOMPARE(json.value("workingHours").toString(), QString("08:00"));
        QCOMPARE(json.value("bArepEvaluation").toBool(true), false);
        QCOMPARE(json.value("amrList").toArray(),
                 (QJsonArray{QJsonArray(), QJsonArray(), QJsonArray()}));
        for (const char *key : {"label", "sampleTime", "exposureTime", "vdvX", "amZ", "arepY",
                                "sensorSN", "startTime", "maxZLTime", "stopReason"})
            QCOMPARE(json.value(key).toString(), QString());
        for (const char *key :
             {"a8x", "a8y", "a8z", "vdvXexp", "vdvYexp", "vdvZexp", "vdvR", "are", "aren", "fc"})
            QVERIFY2(json.value(key).isNull(), key);
        QCOMPARE(json.value("vdvXexpi").toDouble(-1), 0.0);
        QCOMPARE(json.value("vbatStart").toInt(-1), 0);
    }

    void bandsOfOneAxisInTheJson()
    {
        QuillonResults r;
        QCOMPARE(r.parseHeaderSection7(bandLines({"7,3,2,0,1,6.3,0.12", "7,3,2,1,1,8,0.34"})), -1);
        const QJsonArray amrList = r.toJson().value("amrList").toArray();
        QCOMPARE(amrList.size(), 3);
        QCOMPARE(amrList.at(0).toArray().size(), 0);
        QCOMPARE(amrList.at(1).toArray().at(1).toObject(),
                 (QJsonObject{{"freqIdx", "1"}, {"frequency", "8"}, {"amr", "0.34"}}));
        QCOMPARE(amrList.at(2).toArray().size(), 0);
    }

    void switchBetweenArepAndAm_data()
    {
        QTest::addColumn<QJsonObject>("data");
        QTest::addColumn<bool>("arep");
        QTest::newRow("on") << QJsonObject{{"datatype", "updateAvORArep"}, {"arep", true}} << true;
        QTest::newRow("no arep member is off")
            << QJsonObject{{"datatype", "updateAvORArep"}} << false;
        QTest::newRow("not a boolean is off")
            << QJsonObject{{"datatype", "updateAvORArep"}, {"arep", "true"}} << false;
        QTest::newRow("another datatype changes nothing")
            << QJsonObject{{"datatype", "hearingprotect"}, {"arep", false}} << true;
        QTest::newRow("no datatype changes nothing") << QJsonObject{{"arep", false}} << true;
    }

    void switchBetweenArepAndAm()
    {
        QFETCH(QJsonObject, data);
        QFETCH(bool, arep);
        QuillonResults r;
        r.setBArepEvaluation(true);
        r.refreshGeneralData(data);
        QCOMPARE(r.bArepEvaluation(), arep);
        QCOMPARE(r.toJson().value("bArepEvaluation").toBool(), arep);
    }
};

QTEST_MAIN(TestQuillonResults)
#include "tst_quillonresults.moc"
