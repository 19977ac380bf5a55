#include "DeviceDateTime.h"
#include "models/tolvar/Tolvar4Results.h"
#include "models/tolvar/TolvarResults.h"

#include <QJsonArray>
#include <QtTest>
#include <memory>

// Header page 1 of a pump run into its results, the run's duration and the
// results' JSON.
class TestTolvarResults : public QObject
{
    Q_OBJECT

private:
    // The fields of a "TOLVAR 3 PLUS" header page 1 (a "TOLVAR 4" adds its
    // status after the volume, field 11).
    static QStringList fields(bool tolvar4)
    {
        QStringList fields{"1",
                           "7",
                           "\"AREA 2\"",
                           "\"CASSETTE\"",
                           "60",
                           "3661",
                           "300",
                           "12.5",
                           "2.00",
                           "2.01",
                           "1.98",
                           "120.5",
                           "\"24/05/17,08:00:00-12\"",
                           "\"24/05/17,16:05:00-12\"",
                           "\"24/05/17,07:50:00-12\"",
                           "\"24/05/17,16:15:00-12\""};
        if (tolvar4)
            fields.insert(12, "3");
        return fields;
    }

    static QByteArray page(const QStringList &fields)
    {
        return "+VFXPHDR: " + fields.join(',').toLatin1() + "\n";
    }

    static std::unique_ptr<TolvarResults> make(bool tolvar4)
    {
        return std::unique_ptr<TolvarResults>(tolvar4 ? new Tolvar4Results : new TolvarResults);
    }

private slots:
    void readsEveryField_data()
    {
        QTest::addColumn<bool>("tolvar4");
        QTest::newRow("TOLVAR 3 PLUS") << false;
        QTest::newRow("TOLVAR 4") << true;
    }

    void readsEveryField()
    {
        QFETCH(bool, tolvar4);
        auto results = make(tolvar4);
        QCOMPARE(results->parseHeader(page(fields(tolvar4))), 0);
        QCOMPARE(results->label(), QString("AREA 2"));
        QCOMPARE(results->samplerTypeLabel(), QString("CASSETTE"));
        QCOMPARE(results->sampleTime(), QString("60"));
        QCOMPARE(results->timeSet(), QString("01:01:01"));
        QCOMPARE(results->pause(), QString("300"));
        QCOMPARE(results->backpressure(), 12.5);
        QCOMPARE(results->flowSet(), 2.0);
        QCOMPARE(results->flowPreCheck(), QString("2.01"));
        QCOMPARE(results->flowPosCheck(), QString("1.98"));
        QCOMPARE(results->flowVolume(), 120.5);
        QCOMPARE(results->startTime(), parseDeviceDateTime("24/05/17,08:00:00-12"));
        QCOMPARE(results->stopTime(), parseDeviceDateTime("24/05/17,16:05:00-12"));
        QCOMPARE(results->preCheckTime(), parseDeviceDateTime("24/05/17,07:50:00-12"));
        QCOMPARE(results->posCheckTime(), parseDeviceDateTime("24/05/17,16:15:00-12"));
        QCOMPARE(results->duration(), QString::number(60 + 8 * 3600 + 300));
        QCOMPARE(results->pauseStr(), QString("00:05:00"));
        const QJsonObject json = results->toJson();
        QCOMPARE(json.value("startTime").toString(), QString("24/05/17,08:00:00-12"));
        QCOMPARE(json.value("pause").toString(), QString("300"));
        QCOMPARE(json.value("durationStr").toString(), QString("08:06:00"));
        if (tolvar4) {
            QCOMPARE(qobject_cast<Tolvar4Results *>(results.get())->expStatus(), QString("3"));
            QCOMPARE(json.value("expStatus"), QJsonValue("3"));
        } else {
            QVERIFY(!json.contains("expStatus"));
        }
    }

    void refusedPageChangesNothing_data()
    {
        QTest::addColumn<bool>("tolvar4");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("pageNumber");
        QTest::addColumn<int>("result");
        QTest::newRow("19 fields") << false << 19 << "1" << -1;
        QTest::newRow("20 fields") << false << 20 << "1" << 0;
        QTest::newRow("TOLVAR 4, 20 fields") << true << 20 << "1" << -1;
        QTest::newRow("TOLVAR 4, 21 fields") << true << 21 << "1" << 0;
        QTest::newRow("page 01") << false << 20 << "01" << -1;
        QTest::newRow("page blank 1") << false << 20 << " 1" << -1;
        QTest::newRow("page 8") << true << 21 << "8" << -1;
        QTest::newRow("empty page") << false << 0 << "" << -1;
    }

    void refusedPageChangesNothing()
    {
        QFETCH(bool, tolvar4);
        QFETCH(int, count);
        QFETCH(QString, pageNumber);
        QFETCH(int, result);
        // Split into single fields, then cut to `count`.
        QStringList all = fields(tolvar4).join(',').split(',');
        all = all.mid(0, count);
        if (!all.isEmpty())
            all[0] = pageNumber;
        auto results = make(tolvar4);
        QCOMPARE(results->parseHeader(page(all)), result);
        QCOMPARE(results->label().isEmpty(), result != 0);
        QCOMPARE(results->startTime().isValid(), result == 0);
    }

    void fieldValues_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("set time 3661") << 5 << "3661"
                                       << "timeSet" << QJsonValue("01:01:01");
        QTest::newRow("set time 0") << 5 << "0"
                                    << "timeSet" << QJsonValue("00:00:00");
        QTest::newRow("set time empty") << 5 << ""
                                        << "timeSet" << QJsonValue("00:00:00");
        QTest::newRow("set time letters") << 5 << "abc"
                                          << "timeSet" << QJsonValue("00:00:00");
        QTest::newRow("set time 100 h") << 5 << "360000"
                                        << "timeSet" << QJsonValue("100:00:00");
        QTest::newRow("backpressure 12.5") << 7 << "12.5"
                                           << "backpressure" << QJsonValue(12.5);
        QTest::newRow("backpressure letters") << 7 << "ab"
                                              << "backpressure" << QJsonValue(0.0);
        QTest::newRow("flow set-point left empty") << 8 << ""
                                                   << "flowSet" << QJsonValue();
        QTest::newRow("volume ---") << 11 << "---"
                                    << "flowVolume" << QJsonValue();
        QTest::newRow("quoted label") << 2 << "\"Café\""
                                      << "label" << QJsonValue("Café");
        QTest::newRow("pre-check kept as text") << 9 << "1.50"
                                                << "flowPreCheck" << QJsonValue("1.50");
        QTest::newRow("no start date") << 12 << "\",08:00:00-12\""
                                       << "startTime" << QJsonValue("");
    }

    void fieldValues()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QStringList all = fields(false);
        all[field] = text;
        TolvarResults results;
        QCOMPARE(results.parseHeader(page(all)), 0);
        QCOMPARE(results.toJson().value(key), value.isUndefined() ? QJsonValue() : value);
    }

    void commaInsideQuotesSplits()
    {
        QStringList all = fields(false);
        all[2] = "\"A,B\"";
        all.removeAt(3);
        TolvarResults results;
        QCOMPARE(results.parseHeader(page(all)), 0);
        QCOMPARE(results.label(), QString("A"));
        QCOMPARE(results.samplerTypeLabel(), QString("B"));
    }

    void duration_data()
    {
        QTest::addColumn<QString>("sampleTime");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("durationStr");
        QTest::newRow("one hour") << "100"
                                  << "24/05/17,10:00:00+00"
                                  << "24/05/17,11:00:00+00"
                                  << "3700"
                                  << "01:01:40";
        QTest::newRow("no start or stop") << "100"
                                          << ","
                                          << ","
                                          << "100"
                                          << "00:01:40";
        QTest::newRow("no stop") << "100"
                                 << "24/05/17,10:00:00+00"
                                 << ","
                                 << "100"
                                 << "00:01:40";
        QTest::newRow("no start") << "100"
                                  << ","
                                  << "24/05/17,11:00:00+00"
                                  << "100"
                                  << "00:01:40";
        QTest::newRow("unreadable stop") << "100"
                                         << "24/05/17,10:00:00+00"
                                         << "24/13/45,11:00:00+00"
                                         << "100"
                                         << "00:01:40";
        QTest::newRow("zones differ") << "0"
                                      << "24/05/17,10:00:00-12"
                                      << "24/05/17,14:00:00+00"
                                      << "3600"
                                      << "01:00:00";
        QTest::newRow("stop before start") << "100"
                                           << "24/05/17,11:00:00+00"
                                           << "24/05/17,10:00:00+00"
                                           << "0"
                                           << "00:00:00";
        QTest::newRow("sample time letters") << "x"
                                             << "24/05/17,10:00:00+00"
                                             << "24/05/17,11:00:00+00"
                                             << "3600"
                                             << "01:00:00";
        QTest::newRow("100 hours") << "0"
                                   << "24/05/17,00:00:00+00"
                                   << "24/05/21,04:00:00+00"
                                   << "360000"
                                   << "100:00:00";
    }

    void duration()
    {
        QFETCH(QString, sampleTime);
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(QString, duration);
        QFETCH(QString, durationStr);
        QStringList all = fields(false);
        all[4] = sampleTime;
        all[12] = '"' + start + '"';
        all[13] = '"' + stop + '"';
        TolvarResults results;
        QCOMPARE(results.parseHeader(page(all)), 0);
        QCOMPARE(results.duration(), duration);
        QCOMPARE(results.durationStr(), durationStr);
        QCOMPARE(results.toJson().value("durationStr").toString(), durationStr);
    }

    void freshResultsWriteNullNumbers()
    {
        Tolvar4Results results;
        const QJsonObject json = results.toJson();
        for (const char *key : {"backpressure", "flowSet", "flowVolume", "flowMax", "flowMin",
                                "flowAvg", "backpressureMax", "backpressureMin", "backpressureAvg"})
            QVERIFY2(json.value(key).isNull(), key);
        for (const char *key :
             {"label", "sampleTime", "samplerTypeLabel", "timeSet", "flowPreCheck", "flowPosCheck",
              "duration", "pause", "expStatus", "startTime", "stopTime", "preCheckTime",
              "posCheckTime", "stopReason"})
            QCOMPARE(json.value(key), QJsonValue(""));
        QCOMPARE(json.value("durationStr"), QJsonValue("00:00:00"));
        QCOMPARE(json.value("leqList"), QJsonValue(QJsonArray()));
        for (const char *key :
             {"vbatStart", "vbatStop", "coulombCounterStart", "coulombCounterStop"})
            QCOMPARE(json.value(key), QJsonValue(0));
    }

    void infiniteNumbersWriteNull()
    {
        TolvarResults results;
        results.setFlowMax(qInf());
        results.setFlowMin(-qInf());
        results.setFlowAvg(2.5);
        const QJsonObject json = results.toJson();
        QVERIFY(json.value("flowMax").isNull());
        QVERIFY(json.value("flowMin").isNull());
        QCOMPARE(json.value("flowAvg"), QJsonValue(2.5));
    }
};

QTEST_GUILESS_MAIN(TestTolvarResults)
#include "tst_tolvarresults.moc"
