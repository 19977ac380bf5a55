#include "DeviceFactory.h"
#include "FactoryDeviceConfig.h"
#include "ModelRegistry.h"
#include "models/dravo2/Dravo2.h"
#include "models/dravo2/Dravo2Config.h"

#include <QJsonDocument>
#include <QtTest>

#include <memory>

// The dosimeter's configuration record: the instrument's reply values, the
// JSON of the configuration window, and the model's registry row.
class TestDravo2Config : public QObject
{
    Q_OBJECT

private:
    // The configuration window's text, with keys changed (a null value leaves
    // the key out).
    static QString windowJson(const QJsonObject &changes = {})
    {
        QJsonObject object{{"timeWeighting", "Fast"}, {"frequencyWeighting", "C"},
                           {"octaveAnalysis", "1/3"}, {"experimentDuration", "08:30"},
                           {"actionLevel", "75"},     {"criterionLevel", "90"},
                           {"exchangeRate", "5"},     {"scheduleStatus", true}};
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            if (it.value().isNull())
                object.remove(it.key());
            else
                object.insert(it.key(), it.value());
        }
        return QString::fromUtf8(QJsonDocument(object).toJson());
    }

    static void fillSample(Dravo2Config &config)
    {
        config.setTimeWeighting("Slow");
        config.setFrequencyWeighting("A");
        config.setOctaveAnalysis("1/1");
        config.setExperimentDuration("07:00");
        config.setActionLevel(80);
        config.setCriterionLevel(85);
        config.setExchangeRate(3);
        config.setScheduleMaxTime(43200);
        config.setScheduleStatus(false);
    }

private slots:
    void durationFromReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("duration");
        QTest::newRow("0 s") << QByteArray("0") << "00:00";
        QTest::newRow("59 s drop below a minute") << QByteArray("59") << "00:00";
        QTest::newRow("3600 s") << QByteArray("3600") << "01:00";
        QTest::newRow("5400 s") << QByteArray("5400") << "01:30";
        QTest::newRow("90000 s beyond a day") << QByteArray("90000") << "25:00";
        QTest::newRow("360000 s three hour digits") << QByteArray("360000") << "100:00";
        QTest::newRow("not a number reads as 0") << QByteArray("8h") << "00:00";
        QTest::newRow("negative keeps the value") << QByteArray("-60") << "07:00";
    }

    void durationFromReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, duration);
        Dravo2Config config;
        config.setExperimentDuration("07:00");
        const int status = config.setExperimentDurationFromReply(reply);
        QCOMPARE(config.experimentDuration(), duration);
        QCOMPARE(status, duration == "07:00" ? -1 : 0);
    }

    void durationTextRoundTrips()
    {
        for (const QString text : {"00:00", "08:30", "23:59", "25:00", "100:00"})
            QCOMPARE(Dravo2Config::durationText(Dravo2Config::durationSeconds(text)), text);
        QCOMPARE(Dravo2Config::durationSeconds("08:30"), 30600);
        for (const QString text : {"", "0830", "08:", ":30", "08:60", "08:30:00", "8h:30", "08:3"})
            QCOMPARE(Dravo2Config::durationSeconds(text), -1);
    }

    void scheduleRecords_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("scheduleStatus");
        QTest::addColumn<int>("maxTime");
        // The record starts with its sub-command: 3 is the mode, 4 the limit.
        QTest::newRow("3,0 off") << QByteArray("3,0") << 0 << false << 100;
        QTest::newRow("3,5 on") << QByteArray("3,5") << 0 << true << 100;
        QTest::newRow("3,2 on") << QByteArray("3,2") << 0 << true << 100;
        QTest::newRow("4,9 nine hours") << QByteArray("4,9") << 0 << true << 32400;
        QTest::newRow("4,12 twelve hours") << QByteArray("4,12") << 0 << true << 43200;
        QTest::newRow("5,1 other record") << QByteArray("5,1") << -1 << true << 100;
        QTest::newRow("one field") << QByteArray("3") << -1 << true << 100;
        QTest::newRow("limit not a number") << QByteArray("4,x") << -1 << true << 100;
        QTest::newRow("mode not a number reads as off") << QByteArray("3,x") << 0 << false << 100;
    }

    void scheduleRecords()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, status);
        QFETCH(bool, scheduleStatus);
        QFETCH(int, maxTime);
        Dravo2Config config;
        config.setScheduleStatus(true);
        config.setScheduleMaxTime(100);
        const int result = record.startsWith("4") ? config.setScheduleMaxTimeFromReply(record)
                                                  : config.setScheduleStatusFromReply(record);
        QCOMPARE(result, status);
        QCOMPARE(config.scheduleStatus(), scheduleStatus);
        QCOMPARE(config.maxExperimentDuration(), maxTime);
    }

    void newRecordJson()
    {
        Dravo2Config config;
        const QJsonObject expected{{"productName", "DRAVO 2"}, {"timeWeighting", ""},
                                   {"frequencyWeighting", ""}, {"octaveAnalysis", ""},
                                   {"experimentDuration", ""}, {"actionLevel", 0},
                                   {"criterionLevel", 0},      {"exchangeRate", 0},
                                   {"scheduleStatus", false},  {"scheduleMaxTime", 0}};
        QCOMPARE(config.toJson(), expected);
    }

    void windowJsonIsRead()
    {
        Dravo2Config config;
        fillSample(config);
        QCOMPARE(config.fromJson(windowJson()), 0);
        const QJsonObject expected{{"productName", "DRAVO 2"},      {"timeWeighting", "Fast"},
                                   {"frequencyWeighting", "C"},     {"octaveAnalysis", "1/3"},
                                   {"experimentDuration", "08:30"}, {"actionLevel", 75},
                                   {"criterionLevel", 90},          {"exchangeRate", 5},
                                   {"scheduleStatus", true},        {"scheduleMaxTime", 43200}};
        // The schedule limit is the instrument's: the window text never sets it.
        QCOMPARE(config.toJson(), expected);
        QCOMPARE(config.fromJson(windowJson({{"scheduleMaxTime", 3600}})), 0);
        QCOMPARE(config.maxExperimentDuration(), 43200);
    }

    void windowJsonVariants_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        const QJsonValue absent(QJsonValue::Null); // the key is left out
        QTest::newRow("level as text")
            << windowJson({{"actionLevel", "85"}}) << "actionLevel" << QJsonValue(85);
        QTest::newRow("level as number")
            << windowJson({{"actionLevel", 85}}) << "actionLevel" << QJsonValue(85);
        QTest::newRow("no schedule switch is off")
            << windowJson({{"scheduleStatus", absent}}) << "scheduleStatus" << QJsonValue(false);
        QTest::newRow("no octave mode")
            << windowJson({{"octaveAnalysis", ""}}) << "octaveAnalysis" << QJsonValue("");
        QTest::newRow("range ends") << windowJson({{"actionLevel", "0"}, {"criterionLevel", "50"}})
                                    << "criterionLevel" << QJsonValue(50);
    }

    void windowJsonVariants()
    {
        QFETCH(QString, json);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        Dravo2Config config;
        QCOMPARE(config.fromJson(json), 0);
        QCOMPARE(config.toJson().value(key), value);
    }

    // A text that does not hold values from the fixed sets is refused whole:
    // nothing of it can reach a command line.
    void refusedJsonChangesNothing_data()
    {
        QTest::addColumn<QString>("json");
        const QJsonValue absent(QJsonValue::Null); // the key is left out
        QTest::newRow("array") << "[" + windowJson() + "]";
        QTest::newRow("malformed") << windowJson().left(40);
        QTest::newRow("empty") << QString();
        QTest::newRow("weighting not offered") << windowJson({{"frequencyWeighting", "B"}});
        QTest::newRow("weighting in lower case") << windowJson({{"timeWeighting", "fast"}});
        QTest::newRow("quote and line break")
            << windowJson({{"timeWeighting", "Fast\"\r\nAT+VFERSMM\r\n"}});
        QTest::newRow("comma") << windowJson({{"octaveAnalysis", "1/1\",\"1/3"}});
        QTest::newRow("octave not offered") << windowJson({{"octaveAnalysis", "1/2"}});
        QTest::newRow("no time weighting") << windowJson({{"timeWeighting", absent}});
        QTest::newRow("duration without colon") << windowJson({{"experimentDuration", "0830"}});
        QTest::newRow("duration with a line break")
            << windowJson({{"experimentDuration", "08:30\r\n"}});
        QTest::newRow("minutes beyond 59") << windowJson({{"experimentDuration", "08:75"}});
        QTest::newRow("level text not a number") << windowJson({{"actionLevel", "85,1"}});
        QTest::newRow("level fraction") << windowJson({{"actionLevel", 85.5}});
        QTest::newRow("level missing") << windowJson({{"exchangeRate", absent}});
        QTest::newRow("level as bool") << windowJson({{"criterionLevel", true}});
        QTest::newRow("threshold above 100") << windowJson({{"actionLevel", "101"}});
        QTest::newRow("criterion below 50") << windowJson({{"criterionLevel", "49"}});
        QTest::newRow("exchange rate 7") << windowJson({{"exchangeRate", "7"}});
    }

    void refusedJsonChangesNothing()
    {
        QFETCH(QString, json);
        Dravo2Config config;
        fillSample(config);
        const QJsonObject before = config.toJson();
        QCOMPARE(config.fromJson(json), -1);
        QCOMPARE(config.toJson(), before);
    }

    void writableNeedsTheOctaveModeOnlyWithTheOption()
    {
        Dravo2Config config;
        fillSample(config);
        QVERIFY(config.isWritable(true));
        config.setOctaveAnalysis(QString());
        QVERIFY(!config.isWritable(true));
        QVERIFY(config.isWritable(false));
    }

    void registryRow()
    {
        const ModelEntry *row = ModelRegistry::instance().byProductName("DRAVO 2");
        QVERIFY(row);
        QCOMPARE(row->extension, QString(".drv"));
        QCOMPARE(ModelRegistry::instance().byFileName("/data/run 1.drv"), row);
        QVERIFY(!ModelRegistry::instance().byProductName("dravo 2"));

        std::unique_ptr<DeviceConfig> config(FactoryDeviceConfig::create("DRAVO 2"));
        QVERIFY(qobject_cast<Dravo2Config *>(config.get()));
        QVERIFY(!FactoryDeviceConfig::create("DRAVO"));

        std::unique_ptr<Device> device(DeviceFactory::createByName("DRAVO 2"));
        auto *dravo = qobject_cast<Dravo2 *>(device.get());
        QVERIFY(dravo);
        QCOMPARE(dravo->productName(), QString("DRAVO 2"));
        QVERIFY(dravo->dravo2Config());
        QCOMPARE(dravo->dravo2Config()->toJson(), Dravo2Config().toJson());
        // No link: every exchange fails as unsent.
        QCOMPARE(dravo->readServiceConfig(), -3);
        QCOMPARE(dravo->readConfig(), -3);
    }
};

QTEST_MAIN(TestDravo2Config)
#include "tst_dravo2config.moc"
