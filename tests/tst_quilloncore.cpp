#include "Core.h"
#include "Device.h"
#include "DeviceDateTime.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedQuillon.h"
#include "SimulatedQuillonRuns.h"
#include "SimulatedSelection.h"
#include "TestIdle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Fault = SimulatedInstrument::Fault;
using Commands = QList<QByteArray>;

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

} // namespace

// A "QUILLON" driven through Core, as the pages drive it.
class TestQuillonCore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatedInstrument> m_instrument;
    std::unique_ptr<Core> m_core;
    SimulatedQuillon *m_state = nullptr;

    static QDateTime start() { return parseDeviceDateTime("24/05/17,08:30:00-12"); }

    // A simulated vibration meter holding `headers`, one run each (index i + 1,
    // 25 records), selected in Core.
    bool connectMeter(const QList<SimulatedQuillonRuns::Header> &headers = {})
    {
        m_instrument.reset(new SimulatedInstrument);
        if (!installSimulatedModel(*m_instrument, "QUILLON"))
            return false;
        m_state = SimulatedQuillon::of(m_instrument.get());
        for (int i = 0; i < headers.size(); ++i)
            m_instrument->addRun(
                SimulatedQuillonRuns::makeRun(i + 1, 25, start().addDays(i), headers.at(i)));
        m_core.reset(new Core);
        return selectSimulatedInstrument(*m_core, *m_instrument, "QUILLON");
    }

    static SimulatedQuillonRuns::Header header(int index)
    {
        return SimulatedQuillonRuns::header(index, 25);
    }

    QList<QObject *> listed() const { return m_core->experimentList().value<QList<QObject *>>(); }

    QJsonObject experiment() const { return parse(m_core->experiment()); }

private slots:
    void cleanup()
    {
        m_core.reset();
        m_instrument.reset();
    }

    void foundListedAndConfigured()
    {
        SimulatedQuillonRuns::Header handArm = header(1);
        handArm.type = " ";
        handArm.name = "SANDER";
        QVERIFY(connectMeter({handArm, header(2)}));
        QCOMPARE(m_instrument->commands(), Commands{"AT+VFSVCCFG?"});

        QCOMPARE(m_core->findExperiments(), 0);
        const QList<QObject *> runs = listed();
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs.at(0)->property("index").toInt(), 1);
        QCOMPARE(runs.at(0)->property("size").toInt(), 25);
        QCOMPARE(runs.at(0)->property("dateTime").toDateTime(), start());
        QCOMPARE(runs.at(0)->property("exp_Name").toString(), QString("SANDER"));
        QCOMPARE(runs.at(0)->property("type").toString(), QString("H"));
        QCOMPARE(runs.at(1)->property("type").toString(), QString("B"));

        QSignalSpy configured(m_core.get(), &Core::configurationUpdated);
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QCOMPARE(configured.count(), 1);
        QCOMPARE(parse(m_core->configuration()).value("sampleTime").toString(), QString("01:15"));
        m_state->intervalSeconds = 6000;
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QCOMPARE(parse(m_core->configuration()).value("sampleTime").toString(), QString("100:00"));

        m_instrument->clearCommands();
        QCOMPARE(m_core->sndConfiguration(R"({"productName":"QUILLON","sampleTime":"10:00"})"), 0);
        QCOMPARE(m_instrument->commands(), Commands{"AT+VFINTVL=600"});
        QCOMPARE(m_state->intervalSeconds, 600);
        m_instrument->clearCommands();
        for (const char *refused : {"00:00", "5", "ab:cd"}) {
            const QString json = QStringLiteral(R"({"sampleTime":"%1"})").arg(refused);
            QCOMPARE(m_core->sndConfiguration(json), -1);
        }
        QVERIFY(m_instrument->commands().isEmpty());
        QCOMPARE(m_state->intervalSeconds, 600);
    }

    void downloadGivesTheRunJson()
    {
        SimulatedQuillonRuns::Header run = header(1);
        run.duration = "3725";
        run.pauseSeconds = "125";
        run.name = "GRINDING";
        QVERIFY(connectMeter({run}));
        QCOMPARE(m_core->findExperiments(), 0);
        QSignalSpy progress(m_core.get(), &Core::progressBarUpdated);
        QSignalSpy updated(m_core.get(), &Core::experimentUpdated);
        m_instrument->clearCommands();
        QCOMPARE(m_core->createExperiment("[0]"), 0);
        QCOMPARE(m_instrument->commands(),
                 (Commands{"AT+VFRDXP=1,1,10", "AT+VFRDXP=1,11,20", "AT+VFRDXP=1,21,25",
                           "AT+VFXPHDR=1,1", "AT+VFXPHDR=2,1", "AT+VFXPHDR=3,1", "AT+VFXPHDR=4,1",
                           "AT+VFXPHDR=5,1", "AT+VFXPHDR=7,1", "AT+VFXPHDR=8,1"}));
        QVERIFY(progress.count() >= 3);
        QCOMPARE(progress.last().first().toDouble(), 100.0);
        QCOMPARE(updated.count(), 1);

        const QJsonObject json = experiment();
        QCOMPARE(json.value("deviceName").toString(), QString("QUILLON"));
        QCOMPARE(json.value("expName").toString(), QString("GRINDING"));
        QCOMPARE(json.value("experimentType").toString(), QString("B"));
        QCOMPARE(json.value("logList").toArray().size(), 25);
        const QJsonObject results = json.value("results").toObject();
        QCOMPARE(results.size(), 106);
        QCOMPARE(results.value("pauseTime").toString(), QString("00:02:05"));
        QCOMPARE(results.value("duration").toString(), QString("3725"));
        QCOMPARE(results.value("durationStr").toString(), QString("01:02:05"));
        QCOMPARE(results.value("startTime").toString(), formatDeviceDateTime(start()));
        QCOMPARE(results.value("stopTime").toString(), formatDeviceDateTime(start().addSecs(3850)));
        QCOMPARE(results.value("vdvY").toString(), QString(run.axes[1].vdv));
        QCOMPARE(results.value("aZL").toString(), QString(run.axes[2].weighted[2].value));
        QCOMPARE(results.value("maxYSTime").toString(), formatDeviceDateTime(start().addSecs(660)));
        QCOMPARE(results.value("sensorLabel").toString(), QString("ACC-3"));
        QCOMPARE(results.value("workingHours").toString(), QString("08:00"));
        for (const char *daily : {"a8x", "vdvR", "are", "aren", "fc"})
            QVERIFY2(results.value(daily).isNull(), daily);
        const QJsonArray amrList = results.value("amrList").toArray();
        QCOMPARE(amrList.size(), 3);
        for (int axis = 0; axis < 3; ++axis) {
            const QJsonArray bands = amrList.at(axis).toArray();
            QCOMPARE(bands.size(), 5);
            QCOMPARE(bands.at(3).toObject().value("frequency").toString(), QString("1000.00"));
            QCOMPARE(bands.at(0).toObject().value("amr").toString(),
                     QString(run.axes[axis].bandValues.at(0)));
        }
        QCOMPARE(results.value("vbatStart").toInt(), run.vbatStart);
    }

    void failuresAtEachCommand_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("result");

        for (const char *section : {"1", "2", "3", "4", "5"}) {
            const QByteArray command = QByteArray("AT+VFXPHDR=") + section + ",";
            const QByteArray name = QByteArray("section ") + section;
            QTest::newRow(name + " ERROR") << command << int(Fault::Error) << -1;
            QTest::newRow(name + " BUSY") << command << int(Fault::Busy) << -1;
            QTest::newRow(name + " silence") << command << int(Fault::Silence) << -1;
            QTest::newRow(name + " truncated") << command << int(Fault::Truncate) << -1;
        }
        QTest::newRow("bands ERROR") << QByteArray("AT+VFXPHDR=7,") << int(Fault::Error) << 0;
        QTest::newRow("bands BUSY") << QByteArray("AT+VFXPHDR=7,") << int(Fault::Busy) << -1;
        for (const char *command :
             {"AT+VFRDXP=", "AT+VFXPHDR=1,", "AT+VFXPHDR=2,", "AT+VFXPHDR=3,", "AT+VFXPHDR=4,",
              "AT+VFXPHDR=5,", "AT+VFXPHDR=7,", "AT+VFXPHDR=8,"})
            QTest::newRow(QByteArray(command) + " link dropped")
                << QByteArray(command) << int(Fault::DropLink) << -3;
    }

    // The second run fails; the first stays downloaded unless the link went.
    void failuresAtEachCommand()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(int, result);
        QVERIFY(connectMeter({header(1), header(2)}));
        QCOMPARE(m_core->findExperiments(), 0);
        m_instrument->scriptFault(command, Fault(fault), command == "AT+VFRDXP=" ? 4 : 2);
        QSignalSpy busy(m_core.get(), &Core::deviceBusy);
        QSignalSpy lost(m_core.get(), &Core::deviceDisconnected);
        QCOMPARE(m_core->createExperiment("[0, 1]"), result);
        QCOMPARE(busy.count(), 0);
        QCOMPARE(lost.count(), result == -3 ? 1 : 0);
        if (result == -3) {
            QVERIFY(!m_core->currentExperiment());
            QCOMPARE(m_core->devName(), QString());
            return;
        }
        const QJsonObject first = experiment();
        QCOMPARE(first.value("index").toString(), QString("1"));
        m_core->nextExp();
        if (result == 0) {
            const QJsonObject second = experiment();
            QCOMPARE(second.value("index").toString(), QString("2"));
            QCOMPARE(second.value("results").toObject().value("amrList").toArray(),
                     (QJsonArray{QJsonArray(), QJsonArray(), QJsonArray()}));
        } else {
            QCOMPARE(experiment(), first);
        }
    }

    void savedAndOpenedAgain()
    {
        SimulatedQuillonRuns::Header handArm = header(1);
        handArm.type = " ";
        QVERIFY(connectMeter({handArm, header(2), header(3)}));
        QCOMPARE(m_core->findExperiments(), 0);
        QCOMPARE(m_core->createExperiment("[2, 0, 1]"), 0);
        QList<QJsonObject> runs;
        for (int i = 0; i < 3; ++i, m_core->nextExp())
            runs.append(experiment());
        QTemporaryDir dir;
        const QString path = dir.filePath("day");
        QCOMPARE(m_core->saveExperimentToFile(QUrl::fromLocalFile(path).toString()), 0);
        QVERIFY(QFile::exists(path + ".qln"));

        Core reader;
        QSignalSpy invalid(&reader, &Core::invalidFile);
        reader.parseFile(QUrl::fromLocalFile(path + ".qln").toString());
        QCOMPARE(invalid.count(), 0);
        QCOMPARE(reader.devName(), QString("QUILLON"));
        for (int i = 0; i < runs.size(); ++i, reader.nextExp())
            QCOMPARE(parse(reader.experiment()), runs.at(i));
        QCOMPARE(runs.at(0).value("index").toString(), QString("3"));
        QCOMPARE(runs.at(1).value("experimentType").toString(), QString("H"));
    }
};

QTEST_MAIN(TestQuillonCore)
#include "tst_quilloncore.moc"
