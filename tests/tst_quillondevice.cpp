#include "DeviceDateTime.h"
#include "Experiment.h"
#include "RunDownload.h"
#include "SimulatedQuillonLink.h"
#include "models/quillon/QuillonConfig.h"
#include "models/quillon/QuillonResults.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Fault = SimulatedInstrument::Fault;
using Commands = QList<QByteArray>;

// The "QUILLON" instrument link: service word, sample interval and the header
// sections of a run, against a simulated vibration meter.
class TestQuillonDevice : public QObject
{
    Q_OBJECT

private:
    static QDateTime start() { return parseDeviceDateTime("24/05/17,08:30:00-12"); }

    // Lists the runs and downloads the first, as the application does.
    static int downloadFirst(SimulatedQuillonLink &q, std::unique_ptr<Experiment> *run)
    {
        const QList<QObject *> list = q.device->readExperimentList();
        if (list.isEmpty())
            return -99;
        q.instrument().clearCommands();
        Experiment *downloaded = nullptr;
        const int result = RunDownload::download(
            q.device.get(), qobject_cast<Experiment *>(list.first()), &downloaded);
        q.device->clearExperimentList();
        run->reset(downloaded);
        return result;
    }

private slots:
    void serviceWord_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("word");
        QTest::newRow("answered") << -1 << QByteArray() << 0 << 5;
        QTest::newRow("not a number reads 0")
            << int(Fault::Reply) << SimulatedInstrument::information("VFSVCCFG", {"x"}) << 0 << 0;
        QTest::newRow("ERROR") << int(Fault::Error) << QByteArray() << -1 << -7;
        QTest::newRow("BUSY") << int(Fault::Busy) << QByteArray() << -2 << -7;
        QTest::newRow("silence") << int(Fault::Silence) << QByteArray() << -3 << -7;
    }

    void serviceWord()
    {
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, word);
        SimulatedQuillonLink q;
        q.state->serviceConfig = 5;
        QCOMPARE(q.device->readServiceConfig(), 0);
        if (fault >= 0)
            q.instrument().scriptFault("AT+VFSVCCFG?", Fault(fault), 1, reply);
        QSignalSpy busy(q.device.get(), &Device::busy);
        QCOMPARE(q.device->readServiceConfig(), result);
        QCOMPARE(q.device->serviceConfig(), word < -1 ? 5 : word);
        QCOMPARE(busy.count(), 0);
    }

    void intervalQuery_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("sampleTime");
        const auto interval = [](const QByteArray &text) {
            return "\r\n+VFINTVL: " + text + "\r\n\r\nOK\r\n";
        };
        QTest::newRow("75 s") << interval("75") << 0 << "01:15";
        QTest::newRow("3599 s") << interval("3599") << 0 << "59:59";
        QTest::newRow("6000 s") << interval("6000") << 0 << "100:00";
        QTest::newRow("empty value") << interval("") << 0 << "00:00";
        QTest::newRow("ERROR") << QByteArray("\r\nERROR\r\n") << -1 << "kept";
        QTest::newRow("BUSY") << QByteArray("\r\nBUSY\r\n") << -2 << "kept";
        QTest::newRow("silence") << QByteArray() << -3 << "kept";
        QTest::newRow("no final line") << QByteArray("\r\n+VFINTVL: 75\r\n") << -3 << "kept";
    }

    void intervalQuery()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(QString, sampleTime);
        SimulatedQuillonLink q;
        auto *held = new QuillonConfig;
        held->setSampleTime("kept");
        q.device->setConfig(held);
        q.instrument().scriptFault("AT+VFINTVL?", reply.isEmpty() ? Fault::Silence : Fault::Reply,
                                   1, reply);
        QSignalSpy busy(q.device.get(), &Device::busy);
        QCOMPARE(q.device->readConfig(), result);
        auto *config = qobject_cast<QuillonConfig *>(q.device->config());
        QVERIFY(config);
        QCOMPARE(config->sampleTime(), sampleTime);
        QCOMPARE(busy.count(), 0);
        QCOMPARE(q.instrument().commands(), Commands{"AT+VFINTVL?"});
    }

    void intervalWrite_data()
    {
        QTest::addColumn<QString>("sampleTime");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<Commands>("sent");
        QTest::newRow("10:00") << "10:00" << QByteArray() << 0 << Commands{"AT+VFINTVL=600"};
        QTest::newRow("00:05") << "00:05" << QByteArray() << 0 << Commands{"AT+VFINTVL=5"};
        QTest::newRow("echo before OK") << "01:15" << QByteArray("\r\n+VFINTVL: \r\n\r\nOK\r\n")
                                        << 0 << Commands{"AT+VFINTVL=75"};
        QTest::newRow("ERROR") << "01:15" << QByteArray("\r\nERROR\r\n") << -1
                               << Commands{"AT+VFINTVL=75"};
        QTest::newRow("text before ERROR")
            << "01:15" << QByteArray("\r\n+VFINTVL: 75\r\n\r\nERROR\r\n") << -3
            << Commands{"AT+VFINTVL=75"};
        QTest::newRow("BUSY") << "01:15" << QByteArray("\r\nBUSY\r\n") << -2
                              << Commands{"AT+VFINTVL=75"};
        for (const char *refused :
             {"00:00", "5", "ab:cd", "01:60", "", "1:5", "01:15\r\nAT+VFERSMM", "01:15,2", "-1:15"})
            QTest::newRow(QByteArray("refused ") + refused)
                << refused << QByteArray() << -1 << Commands{};
    }

    void intervalWrite()
    {
        QFETCH(QString, sampleTime);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(Commands, sent);
        SimulatedQuillonLink q;
        if (!reply.isEmpty())
            q.instrument().scriptFault("AT+VFINTVL=", Fault::Reply, 1, reply);
        QSignalSpy busy(q.device.get(), &Device::busy);
        QCOMPARE(q.device->writeInterval(sampleTime), result);
        QCOMPARE(q.instrument().commands(), sent);
        QCOMPARE(busy.count(), 0);
    }

    void writeConfigSendsTheHeldInterval()
    {
        SimulatedQuillonLink q;
        auto *config = new QuillonConfig;
        QCOMPARE(config->fromJson(R"({"productName": "QUILLON", "sampleTime": "02:30"})"), 0);
        q.device->setConfig(config);
        QCOMPARE(q.device->writeConfig(), 0);
        QCOMPARE(q.state->intervalSeconds, 150);
        // A silent instrument is no answer at all.
        q.instrument().scriptFault("AT+VFINTVL=", Fault::Silence);
        QCOMPARE(q.device->writeConfig(), -3);
        // Another model's configuration is not this instrument's.
        q.device->setConfig(new DeviceConfig);
        q.instrument().clearCommands();
        QCOMPARE(q.device->writeConfig(), -1);
        QVERIFY(q.instrument().commands().isEmpty());
    }

    void configJson()
    {
        QuillonConfig config;
        QCOMPARE(config.toJson(), (QJsonObject{{"productName", "QUILLON"}, {"sampleTime", ""}}));
        config.setSampleTime("01:15");
        QCOMPARE(config.fromJson("[1, 2]"), -1);
        QCOMPARE(config.fromJson("not json"), -1);
        QCOMPARE(config.sampleTime(), QString("01:15"));
        QCOMPARE(config.fromJson(R"({"sampleTime": 75})"), 0);
        QCOMPARE(config.sampleTime(), QString());
    }

    void downloadAsksEverySectionButSix()
    {
        SimulatedQuillonLink q;
        q.instrument().addRun(SimulatedQuillonRuns::makeRun(7, 25, start()));
        std::unique_ptr<Experiment> run;
        QCOMPARE(downloadFirst(q, &run), 0);
        QCOMPARE(q.instrument().commands(),
                 (Commands{"AT+VFRDXP=7,1,10", "AT+VFRDXP=7,11,20", "AT+VFRDXP=7,21,25",
                           "AT+VFXPHDR=1,7", "AT+VFXPHDR=2,7", "AT+VFXPHDR=3,7", "AT+VFXPHDR=4,7",
                           "AT+VFXPHDR=5,7", "AT+VFXPHDR=7,7", "AT+VFXPHDR=8,7"}));
        auto *results = qobject_cast<QuillonResults *>(run->results());
        QVERIFY(results);
        QCOMPARE(results->bands(QuillonResults::AxisZ).size(), 5);
        QCOMPARE(results->stopReason(), QString("USER"));
    }

    void sectionFaults_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("bands");

        // Records come in three blocks before the sections.
        const QList<int> sections{1, 2, 3, 4, 5};
        for (int i = 0; i < sections.size(); ++i) {
            const QByteArray command = "AT+VFXPHDR=" + QByteArray::number(sections.at(i)) + ",";
            const int sent = 3 + i + 1;
            const QByteArray name = "section " + QByteArray::number(sections.at(i));
            QTest::newRow(name + " ERROR")
                << command << int(Fault::Error) << QByteArray() << -1 << sent << -1;
            QTest::newRow(name + " BUSY")
                << command << int(Fault::Busy) << QByteArray() << -1 << sent << -1;
            QTest::newRow(name + " silence")
                << command << int(Fault::Silence) << QByteArray() << -1 << sent << -1;
            QTest::newRow(name + " truncated")
                << command << int(Fault::Truncate) << QByteArray() << -1 << sent << -1;
            QTest::newRow(name + " too few fields")
                << command << int(Fault::Reply)
                << SimulatedInstrument::information("VFXPHDR",
                                                    {QByteArray::number(sections.at(i)) + ",7,1,2"})
                << -1 << sent << -1;
            QTest::newRow(name + " link dropped")
                << command << int(Fault::DropLink) << QByteArray() << -3 << sent << -1;
        }
        const QByteArray bands = "AT+VFXPHDR=7,";
        QTest::newRow("bands ERROR: run kept without bands")
            << bands << int(Fault::Error) << QByteArray() << 0 << 10 << 0;
        QTest::newRow("bands silent: run kept without bands")
            << bands << int(Fault::Silence) << QByteArray() << 0 << 10 << 0;
        QTest::newRow("bands BUSY") << bands << int(Fault::Busy) << QByteArray() << -1 << 9 << -1;
        QTest::newRow("bands disagree with their count")
            << bands << int(Fault::Reply)
            << SimulatedInstrument::information("VFXPHDR", {"7,7,2,0,0,6.3,0.1"}) << -1 << 9 << -1;
        QTest::newRow("page 8 ERROR: run kept")
            << QByteArray("AT+VFXPHDR=8,") << int(Fault::Error) << QByteArray() << 0 << 10 << 5;
        QTest::newRow("page 8 BUSY: run kept")
            << QByteArray("AT+VFXPHDR=8,") << int(Fault::Busy) << QByteArray() << 0 << 10 << 5;
        QTest::newRow("page 8 link dropped") << QByteArray("AT+VFXPHDR=8,") << int(Fault::DropLink)
                                             << QByteArray() << -3 << 10 << -1;
    }

    void sectionFaults()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, sent);
        QFETCH(int, bands);
        SimulatedQuillonLink q;
        q.instrument().addRun(SimulatedQuillonRuns::makeRun(7, 25, start()));
        q.instrument().scriptFault(command, Fault(fault), 1, reply);
        QSignalSpy busy(q.device.get(), &Device::busy);
        std::unique_ptr<Experiment> run;
        QCOMPARE(downloadFirst(q, &run), result);
        QCOMPARE(q.instrument().commands().size(), sent);
        QCOMPARE(bool(run), result == 0);
        if (run) {
            auto *results = qobject_cast<QuillonResults *>(run->results());
            QCOMPARE(results->bands(QuillonResults::AxisX).size(), bands);
            QCOMPARE(results->sensorSN(), QString("S1234"));
        }
        // Only page 8, read as every model reads it, reports BUSY.
        QCOMPARE(busy.count(), command.startsWith("AT+VFXPHDR=8") && Fault(fault) == Fault::Busy);
    }

    void olderFirmwareFormats()
    {
        SimulatedQuillonLink q;
        SimulatedQuillonRuns::Header header = SimulatedQuillonRuns::header(2, 4);
        header.olderFormat = true;
        header.duration = "3725";
        header.arep = "0.66";
        q.instrument().addRun(SimulatedQuillonRuns::makeRun(2, 4, start(), header));
        std::unique_ptr<Experiment> run;
        QCOMPARE(downloadFirst(q, &run), 0);
        const QJsonObject json = run->results()->toJson();
        QCOMPARE(json.value("totalTime").toDouble(), 3725.0);
        QCOMPARE(json.value("amrGlobal").toString(), QString("0.66"));
        QCOMPARE(json.value("exposeTimeFromExp").toString(), QString("0"));
        QCOMPARE(json.value("octaveAnalysis").toString(), QString("1/1"));
    }
};

QTEST_MAIN(TestQuillonDevice)
#include "tst_quillondevice.moc"
