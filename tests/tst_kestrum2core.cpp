#include "Core.h"
#include "Device.h"
#include "SimulatedInstrument.h"
#include "SimulatedKestrum.h"
#include "SimulatedKestrumRuns.h"
#include "SimulatedModels.h"
#include "SimulatedSelection.h"
#include "TestIdle.h"
#include "models/kestrum/KestrumDevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Fault = SimulatedInstrument::Fault;

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QString degrees(const char *unit)
{
    return QChar(0x00B0) + QString::fromLatin1(unit);
}

QString configurationText(const QString &unity, const QString &sampleTime)
{
    const QJsonObject json{
        {"productName", "KESTRUM 2"}, {"unity", unity}, {"sampleTime", sampleTime}};
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

QDateTime start()
{
    return QDateTime(QDate(2021, 6, 15), QTime(8, 30), Qt::OffsetFromUTC, -3 * 3600);
}

} // namespace

// A "KESTRUM 2" driven through Core, as the pages drive it.
class TestKestrum2Core : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatedInstrument> m_instrument;
    std::unique_ptr<Core> m_core;
    SimulatedKestrum *m_state = nullptr;

    // A simulated "KESTRUM 2" with `runs` runs of `records` samples (memory
    // indexes 7, 8 ...), selected in Core.
    bool connectMonitor(int runs = 0, int records = 25)
    {
        m_instrument.reset(new SimulatedInstrument);
        if (!installSimulatedModel(*m_instrument, "KESTRUM 2"))
            return false;
        m_state = SimulatedKestrum::of(m_instrument.get());
        for (int i = 0; i < runs; ++i)
            m_instrument->addRun(
                SimulatedKestrumRuns::makeKestrum2Run(7 + i, records, start().addDays(i)));
        m_core.reset(new Core);
        return selectSimulatedInstrument(*m_core, *m_instrument, "KESTRUM 2");
    }

    static QList<QObject *> objects(const QVariant &list) { return list.value<QList<QObject *>>(); }

    QJsonObject experiment() const { return parse(m_core->experiment()); }

private slots:
    void cleanup()
    {
        m_core.reset();
        m_instrument.reset();
    }

    void createDeviceReadsTheServiceWord()
    {
        QVERIFY(connectMonitor());
        QCOMPARE(m_instrument->commands(), QList<QByteArray>{"AT+VFSVCCFG?"});
        auto *device = qobject_cast<KestrumDevice *>(m_core->currentDevice());
        QVERIFY(device);
        QCOMPARE(device->serviceConfig(), 12);
        QCOMPARE(m_core->acquireScheduleList(), -1);
        QCOMPARE(m_core->sndScheduleList(R"({"scheduleList":[]})"), -1);
        QCOMPARE(m_instrument->commands().size(), 1);
    }

    void configurationRoundTrip()
    {
        QVERIFY(connectMonitor());
        m_instrument->clearCommands();
        QSignalSpy configured(m_core.get(), &Core::configurationUpdated);
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QCOMPARE(configured.count(), 1);
        QCOMPARE(m_instrument->commands(),
                 (QList<QByteArray>{"AT+VFUNIT?", "AT+VFINTVL?", "AT+VFCTF?"}));
        QCOMPARE(parse(m_core->configuration()), (QJsonObject{{"productName", "KESTRUM 2"},
                                                              {"unity", degrees("C")},
                                                              {"sampleTime", "01:00"}}));

        m_instrument->clearCommands();
        QCOMPARE(m_core->sndConfiguration(configurationText(degrees("F"), "00:30")), 0);
        QCOMPARE(m_instrument->commands(), (QList<QByteArray>{"AT+VFUNIT=\"F\"", "AT+VFINTVL=30"}));
        QCOMPARE(m_state->unit, QByteArray("F"));
        QCOMPARE(m_state->intervalSeconds, 30);

        // An interval the instrument reports past an hour goes back as it came.
        m_state->intervalSeconds = 4500;
        QCOMPARE(m_core->acquireConfiguration(), 0);
        const QString readBack = m_core->configuration();
        QCOMPARE(parse(readBack).value("sampleTime").toString(), QString("75:00"));
        m_instrument->clearCommands();
        QCOMPARE(m_core->sndConfiguration(readBack), 0);
        QCOMPARE(m_instrument->commands().last(), QByteArray("AT+VFINTVL=4500"));
    }

    void unusableConfigurationSendsNothing_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("empty object") << QString("{}");
        QTest::newRow("00:00") << configurationText(degrees("C"), "00:00");
        QTest::newRow("°K") << configurationText(degrees("K"), "00:30");
        QTest::newRow("quote in the unit")
            << configurationText(degrees("C\"\r\nAT+VFERSMM"), "00:30");
        QTest::newRow("interval without seconds") << configurationText(degrees("C"), "30");
    }

    void unusableConfigurationSendsNothing()
    {
        QFETCH(QString, json);
        QVERIFY(connectMonitor());
        QCOMPARE(m_core->acquireConfiguration(), 0);
        const QString held = m_core->configuration();
        m_instrument->clearCommands();
        QSignalSpy refused(m_core.get(), &Core::configurationError);
        QCOMPARE(m_core->sndConfiguration(json), -1);
        QCOMPARE(refused.count(), 1);
        QVERIFY(m_instrument->commands().isEmpty());
        QCOMPARE(m_core->configuration(), held);
        QCOMPARE(m_state->unit, QByteArray("C"));
    }

    void configurationFaults_data()
    {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        for (const char *query : {"AT+VFUNIT?", "AT+VFINTVL?"}) {
            const QByteArray name(query);
            QTest::newRow(name + " ERROR")
                << false << name << int(Fault::Error) << QByteArray() << -1;
            QTest::newRow(name + " BUSY")
                << false << name << int(Fault::Busy) << QByteArray() << -2;
            QTest::newRow(name + " silence")
                << false << name << int(Fault::Silence) << QByteArray() << -3;
            QTest::newRow(name + " truncated")
                << false << name << int(Fault::Truncate) << QByteArray() << -3;
            QTest::newRow(name + " text before ERROR")
                << false << name << int(Fault::Reply) << QByteArray("X\r\nERROR\r\n") << -1;
        }
        for (const char *write : {"AT+VFUNIT=", "AT+VFINTVL="}) {
            const QByteArray name(write);
            QTest::newRow(name + " ERROR")
                << true << name << int(Fault::Error) << QByteArray() << -1;
            QTest::newRow(name + " BUSY") << true << name << int(Fault::Busy) << QByteArray() << -2;
            QTest::newRow(name + " silence")
                << true << name << int(Fault::Silence) << QByteArray() << -3;
            QTest::newRow(name + " truncated")
                << true << name << int(Fault::Truncate) << QByteArray() << -3;
            // Only a whole reply of ERROR or BUSY tells a write that way.
            QTest::newRow(name + " text before ERROR")
                << true << name << int(Fault::Reply) << QByteArray("X\r\nERROR\r\n") << -3;
            QTest::newRow(name + " text before BUSY")
                << true << name << int(Fault::Reply) << QByteArray("X\r\nBUSY\r\n") << -3;
        }
    }

    void configurationFaults()
    {
        QFETCH(bool, write);
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QVERIFY(connectMonitor());
        QCOMPARE(m_core->acquireConfiguration(), 0);
        const QString held = m_core->configuration();
        m_instrument->clearCommands();
        m_instrument->scriptFault(command, Fault(fault), 1, reply);
        QSignalSpy busy(m_core.get(), &Core::deviceBusy);
        const int code = write ? m_core->sndConfiguration(configurationText(degrees("F"), "00:30"))
                               : m_core->acquireConfiguration();
        QCOMPARE(code, result);
        // These exchanges leave naming BUSY to the pages.
        QCOMPARE(busy.count(), 0);
        const QList<QByteArray> commands = m_instrument->commands();
        // A failed unit exchange is the last one: the interval is not asked.
        if (command.startsWith("AT+VFUNIT"))
            QVERIFY(!commands.contains(write ? "AT+VFINTVL=30" : "AT+VFINTVL?"));
        if (!write)
            QCOMPARE(m_core->configuration(), held);
        QCOMPARE(m_core->devName(), QString("KESTRUM 2"));
    }

    void downloadOfOneRun()
    {
        QVERIFY(connectMonitor(1, 25));
        SimulatedInstrument::Run *run = m_instrument->run(7);
        run->pages[1] = "1,7,60,0,3725,C";
        run->pages[2] = SimulatedKestrumRuns::replaceField(run->pages[2], 3, "---");
        run->records[4] = SimulatedKestrumRuns::replaceField(run->records[4], 6, "---");
        QCOMPARE(m_core->findExperiments(), 0);
        QSignalSpy progress(m_core.get(), &Core::progressBarUpdated);
        QSignalSpy chain(m_core.get(), &Core::experimentUpdated);
        m_instrument->clearCommands();
        QCOMPARE(m_core->createExperiment("[0]"), 0);
        QCOMPARE(m_instrument->commands(),
                 (QList<QByteArray>{"AT+VFRDXP=7,1,10", "AT+VFRDXP=7,11,20", "AT+VFRDXP=7,21,25",
                                    "AT+VFXPHDR=1,7", "AT+VFXPHDR=2,7", "AT+VFXPHDR=3,7",
                                    "AT+VFXPHDR=8,7"}));
        QCOMPARE(progress.last().first().toDouble(), 100.0);
        QCOMPARE(chain.count(), 1);
        QCOMPARE(chain.first().first().toInt(), -3);

        const QJsonObject json = experiment();
        QCOMPARE(json.value("index"), QJsonValue("7"));
        QCOMPARE(json.value("size"), QJsonValue("25"));
        QCOMPARE(json.value("deviceName"), QJsonValue("KESTRUM 2"));
        QCOMPARE(json.value("eventIndex"), QJsonValue(1));
        QCOMPARE(json.value("date"), QJsonValue("21/06/15,08:30:00-12"));
        const QJsonArray logs = json.value("logList").toArray();
        QCOMPARE(logs.size(), 25);
        const QJsonObject last = logs.at(24).toObject();
        QCOMPARE(last.value("date"), QJsonValue("21/06/15,08:54:00-12"));
        QCOMPARE(last.value("wetTemperature").toString(),
                 QString(SimulatedKestrumRuns::readingText(25, 0, SimulatedKestrumRuns::Wet)));
        QCOMPARE(last.value("IBUTGe").toString(), QString(SimulatedKestrumRuns::readingText(
                                                      25, 0, SimulatedKestrumRuns::WbgtOutdoor)));
        QCOMPARE(logs.at(4).toObject().value("dryTemperature"), QJsonValue("---"));

        const QJsonObject results = json.value("results").toObject();
        QCOMPARE(results.value("sampleTime"), QJsonValue(60));
        QCOMPARE(results.value("pauseTime"), QJsonValue("00:00:00"));
        QCOMPARE(results.value("duration"), QJsonValue("01:02:05"));
        QCOMPARE(results.value("unity"), QJsonValue(degrees("C")));
        QCOMPARE(results.value("IBUTGeMed"), QJsonValue(QJsonValue::Null));
        QVERIFY(results.value("IBUTGiMed").isDouble());
        QCOMPARE(results.value("startTime"), QJsonValue("21/06/15,08:30:00-12"));
        double wetMax = -100;
        for (int sample = 1; sample <= 25; ++sample)
            wetMax =
                qMax(wetMax, SimulatedKestrumRuns::reading(sample, 0, SimulatedKestrumRuns::Wet));
        QCOMPARE(results.value("wetTMax").toDouble(), wetMax);
        QCOMPARE(results.value("vbatStart"), QJsonValue(4110));
        QCOMPARE(results.value("stopReason"), QJsonValue("USER"));
    }

    void pageEightAnswersNothingUseful_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("ERROR") << int(Fault::Error);
        QTest::newRow("BUSY") << int(Fault::Busy);
        QTest::newRow("short") << int(Fault::Reply);
    }

    void pageEightAnswersNothingUseful()
    {
        QFETCH(int, fault);
        QVERIFY(connectMonitor(1, 3));
        QCOMPARE(m_core->findExperiments(), 0);
        m_instrument->scriptFault("AT+VFXPHDR=8,", Fault(fault), 1,
                                  SimulatedInstrument::information("VFXPHDR", {"8,7,4110"}));
        QCOMPARE(m_core->createExperiment("[0]"), 0);
        const QJsonObject results = experiment().value("results").toObject();
        QCOMPARE(results.value("vbatStart"), QJsonValue(0));
        QCOMPARE(results.value("sampleTime"), QJsonValue(60));
    }

    void failedHeaderPageKeepsEarlierRuns_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        for (int page = 1; page <= 3; ++page) {
            const QByteArray name = "page " + QByteArray::number(page);
            QTest::newRow(name + " ERROR") << page << int(Fault::Error) << QByteArray();
            QTest::newRow(name + " BUSY") << page << int(Fault::Busy) << QByteArray();
            QTest::newRow(name + " silence") << page << int(Fault::Silence) << QByteArray();
            QTest::newRow(name + " truncated") << page << int(Fault::Truncate) << QByteArray();
            QTest::newRow(name + " another page")
                << page << int(Fault::Reply)
                << SimulatedInstrument::information("VFXPHDR",
                                                    {"4,8,60,0,3725,C,27.1,28.1,29.0,30.1"});
        }
    }

    void failedHeaderPageKeepsEarlierRuns()
    {
        QFETCH(int, page);
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QVERIFY(connectMonitor(2, 12));
        QCOMPARE(m_core->findExperiments(), 0);
        QCOMPARE(m_core->acquireConfiguration(), 0);
        const QString configuration = m_core->configuration();
        const QByteArray pageCommand = "AT+VFXPHDR=" + QByteArray::number(page) + ",8";
        m_instrument->scriptFault(pageCommand, Fault(fault), 1, reply);
        m_instrument->clearCommands();
        QSignalSpy busy(m_core.get(), &Core::deviceBusy);
        QCOMPARE(m_core->createExperiment("[0, 1]"), -1);
        QCOMPARE(busy.count(), 0);
        // Nothing is asked after the failing page.
        QCOMPARE(m_instrument->commands().last(), pageCommand);
        const QJsonObject kept = experiment();
        QCOMPARE(kept.value("index"), QJsonValue("7"));
        QCOMPARE(kept.value("logList").toArray().size(), 12);
        QCOMPARE(m_core->configuration(), configuration);
    }

    void lostLink_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("interval query") << QByteArray("AT+VFINTVL?");
        QTest::newRow("record block") << QByteArray("AT+VFRDXP=7,11");
        QTest::newRow("page 2") << QByteArray("AT+VFXPHDR=2,");
        QTest::newRow("page 8") << QByteArray("AT+VFXPHDR=8,");
    }

    void lostLink()
    {
        QFETCH(QByteArray, command);
        QVERIFY(connectMonitor(1, 25));
        QCOMPARE(m_core->findExperiments(), 0);
        m_instrument->scriptFault(command, Fault::DropLink);
        QSignalSpy lost(m_core.get(), &Core::deviceDisconnected);
        const int code = command.startsWith("AT+VFINTVL") ? m_core->acquireConfiguration()
                                                          : m_core->createExperiment("[0]");
        QCOMPARE(code, -3);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(m_core->devName(), QString());
        QVERIFY(experiment().isEmpty());
    }
};

QTEST_MAIN(TestKestrum2Core)
#include "tst_kestrum2core.moc"
