#include "Core.h"
#include "Device.h"
#include "Experiment.h"
#include "FileSizeLimit.h"
#include "Interface.h"
#include "ModelRegistry.h"
#include "PortOpenFailure.h"
#include "Schedule.h"
#include "SimulatedInstrument.h"
#include "TestIdle.h"
#include "TestModel.h"
#include "VfFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)
Q_DECLARE_METATYPE(std::function<int(Core &)>)

namespace {

constexpr int kIdleMs = TestIdle::SilencedLinkMs;

// Instruments on pseudo-terminals that the search finds through the extra
// ports variable, and a Core that searched them.
struct Rig
{
    std::vector<std::unique_ptr<SimulatedInstrument>> instruments;
    std::unique_ptr<Core> core;

    explicit Rig(int count = 1, const QByteArray &product = TestModel::ProductName)
    {
        QStringList ports;
        for (int i = 0; i < count; ++i) {
            instruments.emplace_back(new SimulatedInstrument);
            instruments.back()->setIdentity("valtrix", product, QByteArray::number(1000 + i),
                                            "2.1");
            installConfigCommands(*instruments.back());
            ports.append(instruments.back()->portPath());
        }
        qputenv("VALTRIX_EXTRA_PORTS", ports.join(QLatin1Char(':')).toLocal8Bit());
        // This machine's own serial port may be its console: never probe it.
        qputenv("VALTRIX_SYSTEM_PORTS", "0");
        core.reset(new Core);
    }

    ~Rig()
    {
        core.reset();
        qunsetenv("VALTRIX_EXTRA_PORTS");
        qunsetenv("VALTRIX_SYSTEM_PORTS");
    }

    SimulatedInstrument &instrument(int i = 0) { return *instruments.at(size_t(i)); }

    static void installConfigCommands(SimulatedInstrument &instrument)
    {
        auto level = std::make_shared<QByteArray>("42");
        instrument.setHandler("AT+VFTSTCFG?", [level](const QByteArray &) {
            return SimulatedInstrument::information("VFTSTCFG", {*level});
        });
        instrument.setHandler("AT+VFTSTCFG=", [level](const QByteArray &command) {
            *level = command.mid(12);
            return SimulatedInstrument::ok();
        });
    }

    void addRuns(int count, int size = 12, int i = 0)
    {
        for (int index = 0; index < count; ++index) {
            const TestModel::RunText text =
                TestModel::runText(index, size, "run" + QByteArray::number(index));
            SimulatedInstrument::Run run;
            run.index = index;
            run.listEntry = text.listEntry;
            run.records = text.records;
            run.pages = {{1, text.page1}, {8, text.page8}};
            instrument(i).addRun(run);
        }
    }

    QList<Device *> devices() const
    {
        QList<Device *> found;
        const auto list = core->deviceList().value<QList<QObject *>>();
        for (QObject *object : list)
            found.append(qobject_cast<Device *>(object));
        return found;
    }

    void search()
    {
        core->findDevices();
        for (Device *device : devices())
            device->interface()->setIdleTimeout(kIdleMs);
    }

    // Search, select the first instrument and list its runs.
    void open()
    {
        search();
        QCOMPARE(core->createDevice(0), 0);
        QCOMPARE(core->findExperiments(), 0);
    }

    int experimentCount() const { return core->experimentList().value<QList<QObject *>>().size(); }

    int chainLength() const
    {
        int length = 0;
        Experiment *current = core->currentExperiment();
        for (Experiment *run = current ? current->first() : nullptr; run; run = run->next())
            ++length;
        return length;
    }
};

QString schedule(int day, const QString &start, const QString &stop, const QString &label = "S",
                 const QString &pause = QString(), const QString &resume = QString())
{
    QJsonObject json{{"label", label},     {"monthDay", day},    {"pausable", !pause.isEmpty()},
                     {"startTime", start}, {"pauseTime", pause}, {"resumeTime", resume},
                     {"stopTime", stop}};
    return QString::fromUtf8(QJsonDocument(json).toJson());
}

QList<int> intArguments(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &arguments : spy)
        values.append(arguments.at(0).toInt());
    return values;
}

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestModel::registerModel(); }

    // ---------------------------------------------------------- search

    void searchReportsProgressAndListsOnlyTheMaker()
    {
        Rig rig(4);
        rig.instrument(2).setIdentity("Valtrix", TestModel::ProductName, "7", "1");
        QSignalSpy progress(rig.core.get(), &Core::findingDevices);
        QSignalSpy lists(rig.core.get(), &Core::devListUpdate);
        QSignalSpy finished(rig.core.get(), &Core::findDeviceFinished);
        rig.search();
        QList<double> values;
        for (const QList<QVariant> &arguments : progress)
            values.append(arguments.at(0).toDouble());
        QCOMPARE(values, (QList<double>{25.0, 50.0, 75.0, 100.0}));
        QCOMPARE(lists.count(), 2);
        QCOMPARE(finished.count(), 1);
        QStringList serials;
        for (Device *device : rig.devices())
            serials.append(device->sn());
        QCOMPARE(serials, (QStringList{"1000", "1001", "1003"}));
    }

    // A port that talks on and on (a console, a GPS receiver) holds no
    // instrument: the search leaves it after the echo-off and goes on.
    void searchLeavesAPortThatNeverFallsSilent()
    {
        Rig rig(2);
        rig.instrument(0).scriptFault("", SimulatedInstrument::Fault::Silence, 0);
        rig.instrument(0).startChatter("$GPGGA,123519,4807.038,N\r\n", 100);
        QSignalSpy finished(rig.core.get(), &Core::findDeviceFinished);
        rig.search();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(rig.instrument(0).commands(), QList<QByteArray>{"ATE0"});
        QCOMPARE(rig.devices().size(), 1);
        QCOMPARE(rig.devices().first()->sn(), QString("1001"));
        QCOMPARE(rig.devices().first()->interface()->replyLimit(), Interface::DefaultReplyLimitMs);
    }

    void searchWithoutPorts()
    {
        Rig rig(0);
        QSignalSpy progress(rig.core.get(), &Core::findingDevices);
        QSignalSpy lists(rig.core.get(), &Core::devListUpdate);
        QSignalSpy finished(rig.core.get(), &Core::findDeviceFinished);
        rig.search();
        QCOMPARE(progress.count(), 0);
        QCOMPARE(lists.count(), 2);
        QCOMPARE(finished.count(), 1);
        QVERIFY(rig.devices().isEmpty());
        QCOMPARE(rig.core->devName(), QString(""));
    }

    // A search that finds no instrument names the ports it could not open
    // and why; one that finds an instrument says nothing of them.
    void searchNamesAPortInUse()
    {
        Rig rig(2);
        const QString port = rig.instrument(0).portPath();
        QSerialPort holder(port);
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QSignalSpy unopened(rig.core.get(), &Core::portsNotOpened);
        rig.search();
        QCOMPARE(rig.devices().size(), 1);
        QCOMPARE(unopened.count(), 0);

        rig.instrument(1).scriptFault("", SimulatedInstrument::Fault::Silence, 0);
        QSignalSpy finished(rig.core.get(), &Core::findDeviceFinished);
        rig.search();
        QVERIFY(rig.devices().isEmpty());
        QCOMPARE(unopened.count(), 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(unopened.first().first().toString(),
                 "These serial ports could not be opened:\n" + port +
                     ": in use by another program. Close that program and search again.");

        holder.close();
        rig.search();
        QCOMPARE(rig.devices().size(), 1);
        QCOMPARE(unopened.count(), 1);
    }

    void searchNamesAPortThisUserMayNotOpen()
    {
        if (geteuid() == 0)
            QSKIP("root opens every port");
        Rig rig;
        const QString port = rig.instrument().portPath();
        QVERIFY(QFile::setPermissions(port, QFileDevice::Permissions()));
        QSignalSpy unopened(rig.core.get(), &Core::portsNotOpened);
        rig.search();
        QFile::setPermissions(port, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(rig.devices().isEmpty());
        QCOMPARE(unopened.count(), 1);
        const QString message = unopened.first().first().toString();
        QVERIFY2(message.contains(port + ": permission denied. This user may not use the serial "
                                         "ports: on Linux that takes membership of the group"),
                 qPrintable(message));
    }

    // What the user reads about each port, and how a failure is told apart:
    // QSerialPort reports both a port the user may not open and one another
    // program holds as a permission error.
    void unopenedPortMessages_data()
    {
        QTest::addColumn<QSerialPort::SerialPortError>("error");
        QTest::addColumn<bool>("userMayOpen");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("line");
        QTest::newRow("permission denied, group named")
            << QSerialPort::PermissionError << false << "dialout"
            << "/dev/ttyUSB0: permission denied. This user may not use the serial ports: on "
               "Linux that takes membership of the group that owns them, here \"dialout\". Add "
               "the user to that group, log in again and search again.";
        QTest::newRow("permission denied, root's group")
            << QSerialPort::PermissionError << false << "root"
            << "/dev/ttyUSB0: permission denied. This user may not use the serial ports: on "
               "Linux that takes membership of the group that owns them, such as \"dialout\". "
               "Add the user to that group, log in again and search again.";
        QTest::newRow("in use") << QSerialPort::PermissionError << true << "dialout"
                                << "/dev/ttyUSB0: in use by another program. Close that program "
                                   "and search again.";
        QTest::newRow("another reason") << QSerialPort::ResourceError << true << "dialout"
                                        << "/dev/ttyUSB0: Input/output error.";
    }

    void unopenedPortMessages()
    {
        QFETCH(QSerialPort::SerialPortError, error);
        QFETCH(bool, userMayOpen);
        QFETCH(QString, group);
        QFETCH(QString, line);
        const PortOpenFailure failure("/dev/ttyUSB0", PortOpenFailure::reasonOf(error, userMayOpen),
                                      group, "Input/output error");
        const PortOpenFailure other("/dev/ttyS4", PortOpenFailure::Reason::InUse);
        QCOMPARE(PortOpenFailure::message({failure, other}),
                 "These serial ports could not be opened:\n" + line +
                     "\n/dev/ttyS4: in use by another program. Close that program and search "
                     "again.");
        QCOMPARE(PortOpenFailure::message({}), QString());
        // No such port, or no failure: nothing to tell.
        QVERIFY(!PortOpenFailure::of("/dev/valtrix-no-such-port", error, "x"));
        QVERIFY(!PortOpenFailure::of("/dev/null", QSerialPort::NoError, QString()));
    }

    // An instrument that answers 0.8 s late, after the link gave up on it,
    // sends that reply while the next search asks who it is: the search
    // still finds it, with its own identity, and its runs list as before.
    void searchAfterALateReplyFindsTheInstrument_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<std::function<int(Core &)>>("operation");
        QTest::newRow("clock, answered by a final line alone")
            << QByteArray("AT+CCLK=") << std::function<int(Core &)>(&Core::setTimeNow);
        QTest::newRow("run list, answered by information lines")
            << QByteArray("AT+VFXPLST") << std::function<int(Core &)>(&Core::findExperiments);
        QTest::newRow("configuration, answered by an information line")
            << QByteArray("AT+VFTSTCFG?")
            << std::function<int(Core &)>(&Core::acquireConfiguration);
    }

    void searchAfterALateReplyFindsTheInstrument()
    {
        QFETCH(QByteArray, command);
        QFETCH(std::function<int(Core &)>, operation);
        Rig rig;
        rig.addRuns(2);
        rig.open();
        rig.core->currentDevice()->interface()->setIdleTimeout(Interface::DefaultIdleTimeoutMs);
        rig.instrument().setLateReply(800);
        rig.instrument().scriptFault(command, SimulatedInstrument::Fault::Late);
        QVERIFY(operation(*rig.core) != 0);
        rig.search();
        QCOMPARE(rig.devices().size(), 1);
        QCOMPARE(rig.devices().first()->manufactoryName(), QString("valtrix"));
        QCOMPARE(rig.devices().first()->productName(), QString(TestModel::ProductName));
        QCOMPARE(rig.devices().first()->sn(), QString("1000"));
        QCOMPARE(rig.devices().first()->firmware(), QString("2.1"));
        QCOMPARE(rig.core->createDevice(0), 0);
        QCOMPARE(rig.core->findExperiments(), 0);
        QCOMPARE(rig.experimentCount(), 2);
    }

    // ------------------------------------------------------- selection

    void createDeviceOnAPortLostSinceTheSearch()
    {
        Rig rig(2);
        rig.search();
        QCOMPARE(rig.devices().size(), 2);
        rig.instrument(0).dropLink();
        QTest::qWait(50);
        QSignalSpy lists(rig.core.get(), &Core::devListUpdate);
        QSignalSpy lost(rig.core.get(), &Core::deviceDisconnected);
        QCOMPARE(rig.core->createDevice(0), -3);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(lists.count(), 1);
        QCOMPARE(rig.devices().size(), 1);
        QCOMPARE(rig.devices().first()->sn(), QString("1001"));
        QCOMPARE(rig.core->createDevice(0), 0);
        QCOMPARE(rig.core->devName(), QString(TestModel::ProductName));
        QCOMPARE(rig.core->device().toJsonObject().value("SN").toString(), QString("1001"));
    }

    void createDeviceOfAnUnknownModel()
    {
        Rig rig(1, "NO SUCH MODEL");
        rig.search();
        QSignalSpy unsupported(rig.core.get(), &Core::unsupportedDevice);
        QCOMPARE(rig.core->createDevice(0), -1);
        QCOMPARE(unsupported.count(), 1);
        QCOMPARE(rig.core->devName(), QString(""));
        QCOMPARE(rig.core->createDevice(5), -1);
    }

    void slotsWithoutADeviceRefuse()
    {
        Core core;
        QCOMPARE(core.setTimeNow(), -1);
        QCOMPARE(core.findExperiments(), -1);
        QCOMPARE(core.createExperiment("[0]"), -1);
        QCOMPARE(core.acquireConfiguration(), -1);
        QCOMPARE(core.acquireScheduleList(), -1);
        QCOMPARE(core.sndConfiguration("{\"level\": 1}"), -1);
        QCOMPARE(core.sndCalibration("{}"), -1);
        QCOMPARE(core.sndScheduleList("{}"), -1);
        QCOMPARE(core.eraseMemory(), -1);
        QCOMPARE(core.saveExperimentToFile("/tmp/x"), -1);
        QCOMPARE(core.generateReport("{}"), -1);
        core.refreshWorkingHours("{\"workingHours\": \"08:00\"}");
        core.refreshPartialResults("[]");
        core.refreshGeneralData("{}");
        core.nextExp();
        core.prevExp();
        QVERIFY(core.expCompList().value<QList<QObject *>>().isEmpty());
        QCOMPARE(core.devName(), QString(""));
    }

    void clockAndErase()
    {
        Rig rig;
        rig.addRuns(2);
        rig.open();
        QCOMPARE(rig.core->setTimeNow(), 0);
        QVERIFY(rig.instrument().clockText().startsWith('"'));

        rig.instrument().scriptFault("AT+VFERSMM", SimulatedInstrument::Fault::Busy);
        QSignalSpy started(rig.core.get(), &Core::eraseStarted);
        QCOMPARE(rig.core->eraseMemory(), -2);
        QCOMPARE(rig.experimentCount(), 2);
        QSignalSpy lists(rig.core.get(), &Core::experimentListUpdate);
        QCOMPARE(rig.core->eraseMemory(), 0);
        QCOMPARE(started.count(), 2);
        QCOMPARE(lists.count(), 1);
        QCOMPARE(rig.experimentCount(), 0);
    }

    void refusedRunListLeavesNoStaleEntries()
    {
        Rig rig;
        rig.addRuns(3);
        rig.open();
        QCOMPARE(rig.experimentCount(), 3);
        QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
        rig.instrument().scriptFault("AT+VFXPLST", SimulatedInstrument::Fault::Busy);
        QCOMPARE(rig.core->findExperiments(), -2);
        QCOMPARE(busy.count(), 1);
        QCOMPARE(rig.experimentCount(), 0);
        QCOMPARE(rig.core->createExperiment("[0]"), -1);
        QCOMPARE(rig.core->findExperiments(), 0);
        QCOMPARE(rig.experimentCount(), 3);
    }

    // A run list that could not be read is reported, never shown as an
    // empty memory.
    void unreadableRunListIsAFailure_data()
    {
        QTest::addColumn<SimulatedInstrument::Fault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("ERROR") << SimulatedInstrument::Fault::Error << QByteArray();
        QTest::newRow("silence") << SimulatedInstrument::Fault::Silence << QByteArray();
        QTest::newRow("cut short") << SimulatedInstrument::Fault::Truncate << QByteArray();
        QTest::newRow("negative size")
            << SimulatedInstrument::Fault::Reply
            << QByteArray("\r\n+VFXPLST: 0,12,run0\r\n\r\n+VFXPLST: 1,-5,run1\r\n\r\nOK\r\n");
    }

    void unreadableRunListIsAFailure()
    {
        QFETCH(SimulatedInstrument::Fault, fault);
        QFETCH(QByteArray, reply);
        Rig rig;
        rig.addRuns(2);
        rig.open();
        rig.instrument().scriptFault("AT+VFXPLST", fault, 1, reply);
        QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
        QCOMPARE(rig.core->findExperiments(), -1);
        QCOMPARE(rig.experimentCount(), 0);
        QCOMPARE(busy.count(), 0);
        QVERIFY(rig.core->currentDevice());
    }

    // -------------------------------------------------------- download

    void downloadBuildsTheChainAndMovesThroughIt()
    {
        Rig rig;
        rig.addRuns(3, 25);
        rig.open();
        QSignalSpy updated(rig.core.get(), &Core::experimentUpdated);
        QSignalSpy results(rig.core.get(), &Core::resultsUpdated);
        QSignalSpy records(rig.core.get(), &Core::dataRegisterListUpdate);
        QSignalSpy progress(rig.core.get(), &Core::progressBarUpdated);
        QCOMPARE(rig.core->createExperiment("[0, 1, 2]"), 0);
        QCOMPARE(intArguments(updated), QList<int>{-2});
        QCOMPARE(rig.chainLength(), 3);
        QCOMPARE(progress.count(), 3 * 4);
        QCOMPARE(progress.last().at(0).toDouble(), 100.0);
        const QJsonObject head = QJsonDocument::fromJson(rig.core->experiment().toUtf8()).object();
        QCOMPARE(head.value("name").toString(), QString("run0"));
        QCOMPARE(head.value("logs").toArray().size(), 25);
        QCOMPARE(head.value("results").toObject().value("stopReason").toString(), QString("USER"));

        records.clear();
        rig.core->nextExp();
        rig.core->nextExp();
        rig.core->nextExp();
        QCOMPARE(intArguments(results), (QList<int>{0, -1}));
        QCOMPARE(records.count(), 2);
        QCOMPARE(rig.core->currentExperiment()->index(), 2);
        rig.core->prevExp();
        QCOMPARE(intArguments(results), (QList<int>{0, -1, 0}));

        QCOMPARE(rig.core->createExperiment("[2]"), 0);
        QCOMPARE(updated.last().at(0).toInt(), -3);
        QCOMPARE(rig.chainLength(), 1);
        QCOMPARE(rig.core->currentExperiment()->index(), 2);
    }

    // The pages read the current run without its samples, and its samples
    // through core.samples, which always shows the current run and lets go
    // of runs before they are deleted.
    void samplesFollowTheCurrentRun()
    {
        Rig rig;
        rig.addRuns(2, 30);
        rig.open();
        QObject *samples = rig.core->samples();
        const auto shownRun = [samples] { return samples->property("runId").toInt(); };
        const auto shownCount = [samples] { return samples->property("count").toInt(); };
        QCOMPARE(shownCount(), 0);

        QCOMPARE(rig.core->createExperiment("[0, 1]"), 0);
        QCOMPARE(shownCount(), 30);
        QJsonObject whole = QJsonDocument::fromJson(rig.core->experiment().toUtf8()).object();
        const QJsonObject summary =
            QJsonDocument::fromJson(rig.core->experimentSummary().toUtf8()).object();
        QCOMPARE(whole.value("logs").toArray().size(), 30);
        QCOMPARE(summary.value("logs").toArray().size(), 0);
        whole.insert("logs", QJsonArray());
        QCOMPARE(summary, whole);
        QVERIFY(!rig.core->experiment().contains('\n'));

        int run = shownRun();
        rig.core->refreshWorkingHours("{\"workingHours\": \"07:30\"}");
        rig.core->refreshGeneralData("{\"datatype\": \"x\"}");
        QCOMPARE(shownRun(), run);
        rig.core->nextExp();
        QVERIFY(shownRun() != run);
        run = shownRun();
        // Back to the head with the exposure components.
        rig.core->refreshPartialResults("[]");
        QVERIFY(shownRun() != run);

        // A file that fails and a lost link leave nothing shown.
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.tsm");
        QFile bad(path);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a data file");
        bad.close();
        rig.core->parseFile(path);
        QCOMPARE(shownCount(), 0);
        QCOMPARE(rig.core->experimentSummary(), QString("{}"));
        rig.search();
        QCOMPARE(rig.core->createDevice(0), 0);
        QCOMPARE(rig.core->findExperiments(), 0);
        QCOMPARE(rig.core->createExperiment("[1]"), 0);
        QCOMPARE(shownCount(), 30);
        rig.instrument().scriptFault("AT+VFRDXP", SimulatedInstrument::Fault::DropLink);
        QCOMPARE(rig.core->createExperiment("[0]"), -3);
        QCOMPARE(shownCount(), 0);
    }

    void failedRunKeepsTheRunsBeforeIt_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<SimulatedInstrument::Fault>("fault");
        QTest::newRow("records refused")
            << QByteArray("AT+VFRDXP=1,") << SimulatedInstrument::Fault::Error;
        QTest::newRow("records unreadable")
            << QByteArray("AT+VFRDXP=1,") << SimulatedInstrument::Fault::Garble;
        QTest::newRow("header refused")
            << QByteArray("AT+VFXPHDR=1,1") << SimulatedInstrument::Fault::Error;
        QTest::newRow("records busy")
            << QByteArray("AT+VFRDXP=1,") << SimulatedInstrument::Fault::Busy;
    }

    // The runs downloaded before the failing one stay, and the pages are told
    // so that the user sees them; a busy instrument is announced.
    void failedRunKeepsTheRunsBeforeIt()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(SimulatedInstrument::Fault, fault);
        Rig rig;
        rig.addRuns(3);
        rig.open();
        rig.instrument().scriptFault(prefix, fault);
        QSignalSpy updated(rig.core.get(), &Core::experimentUpdated);
        QSignalSpy components(rig.core.get(), &Core::expCompListUpdate);
        QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
        const bool isBusy = fault == SimulatedInstrument::Fault::Busy;
        QCOMPARE(rig.core->createExperiment("[0, 1, 2]"), isBusy ? -2 : -1);
        QCOMPARE(busy.count(), isBusy ? 1 : 0);
        QCOMPARE(intArguments(updated), QList<int>{-3});
        QCOMPARE(components.count(), 1);
        QCOMPARE(rig.chainLength(), 1);
        QCOMPARE(rig.core->currentExperiment()->index(), 0);
        QCOMPARE(rig.core->createExperiment("{\"not\": \"an array\"}"), -1);
        QCOMPARE(rig.chainLength(), 0);
    }

    // A link lost in the middle of a download drops every piece of device
    // state; no slot may reach the deleted link afterwards.
    void linkLostDuringDownload()
    {
        Rig rig;
        rig.addRuns(2, 30);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0]"), 0);
        rig.instrument().scriptFault("AT+VFRDXP=", SimulatedInstrument::Fault::DropLink, 2);
        QSignalSpy lost(rig.core.get(), &Core::deviceDisconnected);
        QSignalSpy lists(rig.core.get(), &Core::devListUpdate);
        QSignalSpy runs(rig.core.get(), &Core::experimentListUpdate);
        QCOMPARE(rig.core->createExperiment("[1]"), -3);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(lists.count(), 1);
        QCOMPARE(runs.count(), 1);
        QVERIFY(!rig.core->currentExperiment());
        QVERIFY(!rig.core->currentDevice());
        QVERIFY(rig.devices().isEmpty());
        QCOMPARE(rig.experimentCount(), 0);

        QCOMPARE(rig.core->setTimeNow(), -3);
        QCOMPARE(rig.core->findExperiments(), -3);
        QCOMPARE(rig.core->createExperiment("[0]"), -3);
        QCOMPARE(rig.core->acquireConfiguration(), -3);
        QCOMPARE(rig.core->acquireScheduleList(), -3);
        QCOMPARE(rig.core->sndConfiguration("{\"level\": 3}"), -3);
        QCOMPARE(rig.core->sndCalibration("{\"certification\": \"X\"}"), -3);
        QCOMPARE(rig.core->sndScheduleList("{\"scheduleList\": []}"), -3);
        QCOMPARE(rig.core->eraseMemory(), -3);
        QCOMPARE(rig.core->createDevice(0), -1);
        QCOMPARE(rig.core->saveExperimentToFile("/tmp/valtrix-never"), -1);
        QCOMPARE(rig.core->generateReport("{}"), -1);
        rig.core->refreshWorkingHours("{\"workingHours\": \"08:00\"}");
        rig.core->refreshPartialResults("[]");
        rig.core->refreshGeneralData("{\"datatype\": \"x\"}");
        rig.core->nextExp();
        rig.core->prevExp();
        QCOMPARE(rig.core->devName(), QString(""));
        QCOMPARE(rig.core->experiment(), QString("{}"));
        QCOMPARE(lost.count(), 1);
    }

    void linkLostDuringTheClockWrite()
    {
        Rig rig;
        rig.open();
        rig.instrument().scriptFault("AT+CCLK=", SimulatedInstrument::Fault::DropLink);
        QSignalSpy lost(rig.core.get(), &Core::deviceDisconnected);
        QCOMPARE(rig.core->setTimeNow(), -3);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(rig.core->setTimeNow(), -3);
        QCOMPARE(lost.count(), 1);
    }

    // A wait for the instrument runs the event loop: a slot that QML calls
    // then must neither delete what the exchange in progress uses nor put a
    // second command on the line.
    void slotsCalledDuringAnExchangeAreRefused()
    {
        Rig rig;
        rig.addRuns(2, 25);
        rig.open();
        Core *core = rig.core.get();
        Device *device = core->currentDevice();
        QList<int> codes;
        const auto reenter = [core, &codes] {
            codes << core->createDevice(0) << core->findExperiments()
                  << core->createExperiment("[1]") << core->setTimeNow() << core->eraseMemory()
                  << core->acquireConfiguration() << core->acquireScheduleList()
                  << core->sndConfiguration("{\"level\": 3}")
                  << core->sndCalibration("{\"certification\": \"X\"}")
                  << core->sndScheduleList("{\"scheduleList\": []}");
            core->findDevices();
            core->parseFile("/nonexistent/file.tst");
        };
        const QList<int> refused = QVector<int>(10, -2).toList();
        QSignalSpy busy(core, &Core::deviceBusy);
        QSignalSpy lists(core, &Core::devListUpdate);

        // In the middle of a download, from its progress report.
        const QMetaObject::Connection once = connect(core, &Core::progressBarUpdated, core, [&] {
            disconnect(once);
            reenter();
        });
        QCOMPARE(core->createExperiment("[0, 1]"), 0);
        QCOMPARE(codes, refused);
        QCOMPARE(busy.count(), 12);
        QCOMPARE(lists.count(), 0);
        QCOMPARE(core->currentDevice(), device);
        QCOMPARE(rig.chainLength(), 2);

        // Inside the wait for one reply.
        codes.clear();
        rig.instrument().setAnswerDelay(20);
        QTimer::singleShot(0, core, reenter);
        QCOMPARE(core->setTimeNow(), 0);
        QCOMPARE(codes, refused);
        QCOMPARE(core->currentDevice(), device);
        QCOMPARE(rig.devices().size(), 1);
        QCOMPARE(rig.chainLength(), 2);
    }

    // A report reads the chain that a download appends to and that a lost
    // link deletes: while the instrument talks it is refused, as a second
    // report is, and the link lost afterwards leaves no report behind.
    void reportDuringADownloadIsRefused()
    {
        QTemporaryDir dir;
        Rig rig;
        rig.addRuns(2, 30);
        rig.open();
        Core *core = rig.core.get();
        const QString report = dir.filePath("report.pdf");
        const QString options = QString::fromUtf8(
            QJsonDocument(QJsonObject{{"fileName", QUrl::fromLocalFile(report).toString()}})
                .toJson());
        QList<int> codes;
        // Once the first run is in the chain, while the second downloads.
        QMetaObject::Connection during;
        during = connect(core, &Core::progressBarUpdated, core, [&] {
            if (!core->currentExperiment())
                return;
            disconnect(during);
            codes << core->startReport(options) << core->generateReport(options);
        });
        // Three blocks of records a run: the link goes in the second run.
        rig.instrument().scriptFault("AT+VFRDXP=", SimulatedInstrument::Fault::DropLink, 5);
        QSignalSpy finished(core, &Core::reportFinished);
        QCOMPARE(core->createExperiment("[0, 1]"), -3);
        QCOMPARE(codes, (QList<int>{-2, -2}));
        QVERIFY(!core->reportRunning());
        QVERIFY(!core->currentExperiment());
        QCoreApplication::processEvents();
        QCOMPARE(finished.count(), 0);
        QVERIFY(!QFile::exists(report));
    }

    void newSearchDropsTheDeviceUsingAProbedLink()
    {
        Rig rig;
        rig.open();
        rig.search();
        QVERIFY(!rig.core->currentDevice());
        QCOMPARE(rig.core->setTimeNow(), -3);
        QCOMPARE(rig.core->createDevice(0), 0);
        QCOMPARE(rig.core->setTimeNow(), 0);
    }

    // ------------------------------------------- configuration and calibration

    void configurationAndCalibration()
    {
        Rig rig;
        rig.open();
        QSignalSpy configuration(rig.core.get(), &Core::configurationUpdated);
        QSignalSpy calibration(rig.core.get(), &Core::calibrationUpdated);
        rig.instrument().scriptFault("AT+VFTSTCFG?", SimulatedInstrument::Fault::Busy);
        QCOMPARE(rig.core->acquireConfiguration(), -2);
        QCOMPARE(configuration.count(), 0);
        QCOMPARE(calibration.count(), 0);
        QCOMPARE(rig.core->acquireConfiguration(), 0);
        QCOMPARE(configuration.count(), 1);
        QCOMPARE(calibration.count(), 1);
        QCOMPARE(QJsonDocument::fromJson(rig.core->configuration().toUtf8())
                     .object()
                     .value("level")
                     .toInt(),
                 42);
        QCOMPARE(QJsonDocument::fromJson(rig.core->calib().toUtf8())
                     .object()
                     .value("certification")
                     .toString(),
                 QString("CERT-0001"));

        QSignalSpy errors(rig.core.get(), &Core::configurationError);
        QCOMPARE(rig.core->sndConfiguration("not json"), -1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(rig.core->sndConfiguration("{\"level\": 7}"), 0);
        QCOMPARE(rig.instrument().commandsStartingWith("AT+VFTSTCFG=").last(),
                 QByteArray("AT+VFTSTCFG=7"));

        QCOMPARE(rig.core->sndCalibration(
                     "{\"date\": \"2021-10-29T14:20:02\", \"certification\": \"abc\"}"),
                 0);
        QVERIFY(rig.instrument().calibrationText().startsWith("\"ABC\""));
        const int sent = rig.instrument().commandsStartingWith("AT+VFCTF=").size();
        QCOMPARE(rig.core->sndCalibration("not json"), -1);
        QCOMPARE(rig.instrument().commandsStartingWith("AT+VFCTF=").size(), sent);
        QVERIFY(rig.instrument().calibrationText().startsWith("\"ABC\""));
        // The test model keeps no schedules.
        QCOMPARE(rig.core->acquireScheduleList(), -1);
        QCOMPARE(rig.core->sndScheduleList("[]"), -1);
    }

    // A certificate without text, or without a date the instrument can
    // hold, would replace the instrument's own: nothing is sent.
    void unusableCalibrationSendsNothing_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("empty object") << "{}";
        QTest::newRow("no text") << R"({"date": "2021-10-29T14:20:02"})";
        QTest::newRow("date that does not parse")
            << R"({"date": "29/10/2021", "certification": "LAB 7"})";
        QTest::newRow("offset the zone field cannot hold")
            << R"({"date": "2021-10-29T14:20:02+23:59", "certification": "LAB 7"})";
    }

    void unusableCalibrationSendsNothing()
    {
        QFETCH(QString, json);
        Rig rig;
        rig.open();
        const QByteArray before = rig.instrument().calibrationText();
        QCOMPARE(rig.core->sndCalibration(json), -1);
        QVERIFY(rig.instrument().commandsStartingWith("AT+VFCTF=").isEmpty());
        QCOMPARE(rig.instrument().calibrationText(), before);
    }

    // ------------------------------------------------------- schedules

    void scheduleRefusalsInTheirOrder()
    {
        Core core;
        QSignalSpy ok(&core, &Core::scheduleOk);
        QSignalSpy errors(&core, &Core::scheduleError);
        QSignalSpy lists(&core, &Core::scheduleListUpdate);

        core.addSchedule(schedule(1, "08:00", "17:00"));
        QCOMPARE(ok.count(), 1);
        QCOMPARE(lists.count(), 1);
        core.addSchedule(schedule(2, "08:00", "17:01"));
        core.addSchedule(schedule(1, "16:00", "18:00"));
        // Too long and overlapping: the duration is reported first.
        core.addSchedule(schedule(1, "07:00", "17:00"));
        core.addSchedule(schedule(2, "08:00", "18:00", "S", "12:00", "13:00"));
        QCOMPARE(ok.count(), 2);
        core.addSchedule(schedule(3, "08:00", "18:01", "Long", "12:00", "13:00"));
        core.addSchedule(schedule(3, "09:00", "18:00", "Pause", "12:00", "13:00"));
        QCOMPARE(ok.count(), 3);
        core.addSchedule(schedule(4, "08:00", "09:00", "Say \"hi\""));
        core.addSchedule(schedule(4, "08:00", "09:00", "line\nbreak"));
        core.addSchedule(schedule(4, "08:00", "09:00", QString::fromUtf8("\u20ac 5")));
        core.addSchedule(schedule(4, "08:00", "09:00", QString::fromUtf8("Mañana")));
        QCOMPARE(ok.count(), 4);
        for (int day = 5; day <= 10; ++day)
            core.addSchedule(schedule(day, "08:00", "09:00"));
        QCOMPARE(ok.count(), 10);
        // An eleventh is refused by count even though it is also too long.
        core.addSchedule(schedule(11, "08:00", "20:00"));

        QStringList messages;
        for (const QList<QVariant> &arguments : errors)
            messages.append(arguments.at(0).toString());
        const QString label = QStringLiteral(
            "The schedule label may hold only Latin-1 characters, no double quote and no line "
            "break.");
        QCOMPARE(messages,
                 (QStringList{"The experiment is too long.", "The schedule is not available.",
                              "The experiment is too long.", "The experiment is too long.", label,
                              label, label, "The dosimeter support up to 10 schedules."}));
        const auto list = core.virtualSchedulelist().value<QList<QObject *>>();
        QCOMPARE(list.size(), 10);
        QCOMPARE(qobject_cast<Schedule *>(list.at(2))->pauseTime(), QString("12:00"));

        lists.clear();
        core.removeSchedule(-1);
        core.removeSchedule(10);
        QCOMPARE(core.virtualSchedulelist().value<QList<QObject *>>().size(), 10);
        core.removeSchedule(0);
        QCOMPARE(lists.count(), 3);
        QCOMPARE(core.virtualSchedulelist().value<QList<QObject *>>().size(), 9);
        core.addSchedule(schedule(1, "08:00", "17:00"));
        QCOMPARE(ok.count(), 11);
    }

    // ------------------------------------------------------ data files

    void savedFileOpensToTheSameRuns()
    {
        QTemporaryDir dir;
        Rig rig;
        rig.addRuns(2);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0, 1]"), 0);
        rig.core->nextExp();
        const QString saved = rig.core->experiment();
        const QString url = QUrl::fromLocalFile(dir.filePath("run")).toString();
        QCOMPARE(rig.core->saveExperimentToFile(url), 0);
        const QString path = dir.filePath(QStringLiteral("run") + TestModel::Extension);
        QVERIFY(QFile::exists(path));
        QCOMPARE(rig.core->saveExperimentToFile(path), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"run.tsm"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(QString(lines.at(1))).hasMatch());
        const QJsonObject root =
            QJsonDocument::fromJson(QByteArray::fromBase64(lines.at(0))).object();
        QCOMPARE(root.value("Info").toObject().value("Sw").toString(), Core::buildRevision());
        QCOMPARE(root.value("Body").toArray().size(), 2);

        QSignalSpy updated(rig.core.get(), &Core::experimentUpdated);
        QSignalSpy components(rig.core.get(), &Core::expCompListUpdate);
        QSignalSpy finished(rig.core.get(), &Core::fileReadFinished);
        rig.core->parseFile(url + TestModel::Extension);
        QCOMPARE(intArguments(updated), QList<int>{-2});
        QCOMPARE(components.count(), 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(rig.chainLength(), 2);
        rig.core->nextExp();
        QCOMPARE(rig.core->experiment(), saved);
        QCOMPARE(rig.core->devName(), QString(TestModel::ProductName));
    }

    // Saved and read on a worker: the same file and runs as the waiting
    // slots give, the chain held off meanwhile, and the failures told at the
    // end as before.
    void filesInTheBackground()
    {
        QTemporaryDir dir;
        Rig rig;
        rig.addRuns(2);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0, 1]"), 0);
        const QString saved = rig.core->experiment();
        const QString waited = dir.filePath("waited.tsm");
        QCOMPARE(rig.core->saveExperimentToFile(waited), 0);

        QSignalSpy done(rig.core.get(), &Core::fileSaved);
        const QString background = dir.filePath("background.tsm");
        QCOMPARE(rig.core->startSaveExperimentToFile(background), 0);
        QCOMPARE(rig.core->startSaveExperimentToFile(dir.filePath("second.tsm")), -2);
        QCOMPARE(rig.core->createExperiment("[0]"), -2);
        // The worker writes the current run: it stays current meanwhile.
        Experiment *head = rig.core->currentExperiment();
        QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
        rig.core->nextExp();
        rig.core->prevExp();
        QCOMPARE(rig.core->currentExperiment(), head);
        QCOMPARE(busy.count(), 2);
        QVERIFY(done.wait(60000));
        QCOMPARE(intArguments(done), QList<int>{0});
        const auto content = [](const QString &path) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        };
        QCOMPARE(content(background), content(waited));

        QSignalSpy errors(rig.core.get(), &Core::writeError);
        QCOMPARE(rig.core->startSaveExperimentToFile(dir.filePath("no/such/dir/x.tsm")), 0);
        QVERIFY(done.wait(60000));
        QCOMPARE(intArguments(done), (QList<int>{0, -1}));
        QCOMPARE(errors.count(), 1);

        QSignalSpy updated(rig.core.get(), &Core::experimentUpdated);
        QSignalSpy finished(rig.core.get(), &Core::fileReadFinished);
        QSignalSpy invalid(rig.core.get(), &Core::invalidFile);
        QCOMPARE(rig.core->startParseFile(background), 0);
        QVERIFY(!rig.core->currentExperiment());
        QCOMPARE(rig.core->startParseFile(waited), -2);
        QVERIFY(finished.wait(60000));
        QCOMPARE(intArguments(updated), QList<int>{-2});
        QCOMPARE(rig.core->experiment(), saved);
        QCOMPARE(rig.core->startParseFile(dir.filePath("missing.tsm")), -1);
        QCOMPARE(invalid.count(), 1);
    }

    void tamperedFileLeavesNothing()
    {
        QTemporaryDir dir;
        Rig rig;
        rig.addRuns(1);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0]"), 0);
        const QString path = dir.filePath("t.tsm");
        QCOMPARE(rig.core->saveExperimentToFile(path), 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray content = file.readAll();
        content[10] = content.at(10) == 'A' ? 'B' : 'A';
        file.seek(0);
        file.write(content);
        file.close();

        QSignalSpy started(rig.core.get(), &Core::fileReadStarted);
        QSignalSpy invalid(rig.core.get(), &Core::invalidFile);
        QSignalSpy finished(rig.core.get(), &Core::fileReadFinished);
        QSignalSpy updated(rig.core.get(), &Core::experimentUpdated);
        rig.core->parseFile(path);
        QCOMPARE(started.count(), 1);
        QCOMPARE(invalid.count(), 1);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(updated.count(), 0);
        QVERIFY(!rig.core->currentExperiment());
        QVERIFY(!rig.core->currentDevice());

        rig.core->parseFile(dir.filePath("missing.tsm"));
        rig.core->parseFile(dir.filePath("t.unknown"));
        QCOMPARE(invalid.count(), 3);
        QCOMPARE(started.count(), 1);
    }

    // Only regular files of a size a data file can have are read: a FIFO
    // would block the reading for ever and a device may never end.
    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("FIFO") << "fifo"
                              << "x.qln";
        QTest::newRow("link to an endless device") << "device"
                                                   << "x.drv";
        QTest::newRow("larger than any run") << "huge"
                                             << "x.drv";
    }

    void specialFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "device") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else {
            // Sparse: no byte of it is on the disk.
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(VfFile::MaxSize + 1));
        }
        Core core;
        QSignalSpy started(&core, &Core::fileReadStarted);
        QSignalSpy invalid(&core, &Core::invalidFile);
        core.parseFile(QUrl::fromLocalFile(path).toString());
        QCOMPARE(invalid.count(), 1);
        QCOMPARE(started.count(), 0);
        QVERIFY(!core.currentDevice());
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        Rig rig;
        rig.addRuns(1, 40);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0]"), 0);
        QSignalSpy errors(rig.core.get(), &Core::openFileError);
        QCOMPARE(rig.core->saveExperimentToFile(dir.filePath("no/such/dir/x.tsm")), -1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().at(0).toString(), QString(TestModel::ProductName));

        // An old, small file; the new content cannot be written whole.
        const QString path = dir.filePath("keep.tsm");
        const QByteArray old("old content");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        QSignalSpy why(rig.core.get(), &Core::writeError);
        int code;
        {
            const FileSizeLimit full(64);
            code = rig.core->saveExperimentToFile(path);
        }
        QCOMPARE(code, -1);
        QCOMPARE(errors.count(), 2);
        // The short write says why, never "Unknown error".
        QCOMPARE(why.count(), 1);
        QCOMPARE(why.first().first().toString(),
                 QString("\"%1\" could not be written. %2")
                     .arg(QDir::toNativeSeparators(path), FileSizeLimit::reason()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.tsm"});
    }

    // -------------------------------------------------- result refresh

    void refreshSlots()
    {
        Rig rig;
        rig.addRuns(3);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0, 1, 2]"), 0);
        Experiment *head = rig.core->currentExperiment();
        auto *headResults = qobject_cast<TestModelResults *>(head->results());
        auto *secondResults = qobject_cast<TestModelResults *>(head->next()->results());
        QSignalSpy results(rig.core.get(), &Core::resultsUpdated);

        rig.core->nextExp();
        results.clear();
        rig.core->refreshPartialResults("[]");
        QCOMPARE(intArguments(results), QList<int>{-2});
        QCOMPARE(rig.core->currentExperiment(), head);
        QCOMPARE(headResults->applied, 1);

        rig.core->refreshPartialResults("[{\"event\": 1}, {\"event\": 1}, {}]");
        QCOMPARE(secondResults->refreshedEvents, (QList<int>{1, 1}));
        QCOMPARE(headResults->refreshedEvents, QList<int>{0});
        rig.core->refreshPartialResults("not json");
        QCOMPARE(results.count(), 3);
        rig.core->refreshPartialResults("{\"event\": 1}");
        QCOMPARE(results.count(), 3);
        QCOMPARE(headResults->applied, 3);

        rig.core->refreshWorkingHours("{\"workingHours\": \"07:30\"}");
        QCOMPARE(headResults->workingHours, QString("07:30"));
        QCOMPARE(results.count(), 4);
        rig.core->refreshWorkingHours("{\"workingHours\": \"soon\"}");
        QCOMPARE(results.count(), 4);

        rig.core->refreshGeneralData("{\"datatype\": \"hearingprotect\"}");
        QCOMPARE(headResults->generalDataType, QString("hearingprotect"));
        QCOMPARE(results.count(), 5);
        rig.core->refreshGeneralData("no");
        QCOMPARE(results.count(), 5);
    }

    void exposureComponentsOnePerRun()
    {
        Rig rig;
        rig.addRuns(3);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[2, 0]"), 0);
        const auto components = rig.core->expCompList().value<QList<QObject *>>();
        QList<int> events;
        for (QObject *component : components)
            events.append(component->property("event").toInt());
        QCOMPARE(events, (QList<int>{2, 0}));
        qDeleteAll(components);
    }

    void reportOfTheWholeChain()
    {
        QTemporaryDir dir;
        Rig rig;
        rig.addRuns(3);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0, 2]"), 0);
        rig.core->nextExp();
        const QString pdf = dir.filePath("report.pdf");
        const QString options = QString::fromUtf8(
            QJsonDocument(QJsonObject{{"fileName", QUrl::fromLocalFile(pdf).toString()}}).toJson());
        QJsonObject failing = QJsonDocument::fromJson(options.toUtf8()).object();
        failing.insert("fail", true);
        QSignalSpy unsupported(rig.core.get(), &Core::unsupportedDevice);
        QCOMPARE(rig.core->generateReport(QString::fromUtf8(QJsonDocument(failing).toJson())), -1);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(rig.core->generateReport(options), 0);
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString content = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(content.contains("TESTMODEL 1000"), qPrintable(content));
        QVERIFY(content.indexOf("run 0") < content.indexOf("run 2"));
        QCOMPARE(unsupported.count(), 0);
    }

    // The same report written in the background: its pages one by one up to
    // N of N, the chain and another report held off meanwhile, the same text
    // as the report written while the caller waits, and a failure reported
    // at the end with its reason.
    void reportInTheBackground()
    {
        QTemporaryDir dir;
        Rig rig;
        rig.addRuns(3);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0, 2]"), 0);
        const auto options = [&dir](const QString &name, bool fail = false) {
            QJsonObject object{{"fileName", QUrl::fromLocalFile(dir.filePath(name)).toString()}};
            if (fail)
                object.insert("fail", true);
            return QString::fromUtf8(QJsonDocument(object).toJson());
        };
        const auto text = [&dir](const QString &name) {
            QProcess pdftotext;
            pdftotext.start("pdftotext", {dir.filePath(name), "-"});
            pdftotext.waitForFinished();
            return QString::fromUtf8(pdftotext.readAllStandardOutput());
        };
        QCOMPARE(rig.core->generateReport(options("waited.pdf")), 0);

        QSignalSpy progress(rig.core.get(), &Core::reportProgress);
        QSignalSpy finished(rig.core.get(), &Core::reportFinished);
        QSignalSpy running(rig.core.get(), &Core::reportRunningChanged);
        QCOMPARE(rig.core->startReport(options("background.pdf")), 0);
        QVERIFY(rig.core->reportRunning());
        QCOMPARE(rig.core->startReport(options("second.pdf")), -2);
        QCOMPARE(rig.core->generateReport(options("second.pdf")), -2);
        QCOMPARE(rig.core->createExperiment("[1]"), -2);
        QVERIFY(finished.wait(120000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toInt(), 0);
        QVERIFY(!rig.core->reportRunning());
        QCOMPARE(running.count(), 2);
        QVERIFY(!QFile::exists(dir.filePath("second.pdf")));
        QVERIFY(progress.count() >= 2);
        QCOMPARE(progress.first(), (QList<QVariant>{0, 0}));
        const int pages = progress.last().at(1).toInt();
        QVERIFY(pages > 0);
        for (int i = 1; i < progress.count(); ++i)
            QCOMPARE(progress.at(i), (QList<QVariant>{i, pages}));
        QCOMPARE(progress.count(), pages + 1);
        const QString written = text("background.pdf");
        QVERIFY2(written.contains("TESTMODEL 1000"), qPrintable(written));
        QCOMPARE(written, text("waited.pdf"));

        QSignalSpy errors(rig.core.get(), &Core::writeError);
        QCOMPARE(rig.core->startReport(options("failed.pdf", true)), 0);
        QVERIFY(finished.wait(120000));
        QCOMPARE(finished.last().at(0).toInt(), -1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(rig.core->createExperiment("[1]"), 0);
    }

    void reportOfAModelWithoutAWriter()
    {
        Rig rig(1, "BARE");
        ModelEntry bare;
        bare.productName = "BARE";
        bare.makeDevice = [](Device *probed) -> Device * { return new TestModelDevice(probed); };
        bare.makeExperiment = []() -> Experiment * { return new TestModelExperiment; };
        bare.makeLog = []() -> Log * { return new TestModelLog; };
        bare.makeResults = []() -> Results * { return new TestModelResults; };
        ModelRegistry::instance().add(bare);
        rig.addRuns(1);
        rig.open();
        QCOMPARE(rig.core->createExperiment("[0]"), 0);
        QSignalSpy unsupported(rig.core.get(), &Core::unsupportedDevice);
        QCOMPARE(rig.core->generateReport("{}"), -1);
        QCOMPARE(unsupported.count(), 1);
        QVERIFY(rig.core->expCompList().value<QList<QObject *>>().isEmpty());
        QSignalSpy saveErrors(rig.core.get(), &Core::openFileError);
        QCOMPARE(rig.core->saveExperimentToFile("/tmp/valtrix-bare"), -1);
        QCOMPARE(saveErrors.count(), 0);
        ModelRegistry::instance().remove("BARE");
    }

    // QML and the other pages rely on the names and their order.
    void interfaceOrder()
    {
        const QMetaObject &meta = Core::staticMetaObject;
        QStringList properties;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
            properties.append(meta.property(i).name());
        QCOMPARE(properties,
                 (QStringList{"deviceList", "experimentList", "virtualSchedulelist", "expCompList",
                              "devName", "device", "experiment", "configuration", "calib",
                              "version", "builtDate", "builtYear", "revision", "coreBits",
                              "experimentSummary", "samples", "reportRunning"}));
        QStringList methods;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            methods.append(QString::fromLatin1(meta.method(i).methodSignature()));
        QCOMPARE(methods, (QStringList{"devListUpdate()",
                                       "experimentListUpdate()",
                                       "expCompListUpdate()",
                                       "dataRegisterListUpdate()",
                                       "kestrum2ProgressUpdate()",
                                       "dravo2ProgressUpdate()",
                                       "experimentUpdated(int)",
                                       "progressBarUpdated(double)",
                                       "resultsUpdated(int)",
                                       "scheduleListUpdate()",
                                       "scheduleOk()",
                                       "configurationChanged()",
                                       "configurationUpdated()",
                                       "calibrationUpdated()",
                                       "versionChanged()",
                                       "findingDevices(double)",
                                       "findDeviceFinished()",
                                       "eraseStarted()",
                                       "eraseSuccessful()",
                                       "eraseFailed()",
                                       "fileReadFinished()",
                                       "fileReadStarted()",
                                       "deviceBusy()",
                                       "deviceDisconnected()",
                                       "invalidFile()",
                                       "unsupportedDevice()",
                                       "scheduleError(QString)",
                                       "openFileError(QString)",
                                       "configurationError()",
                                       "writeError(QString)",
                                       "reportNotOpened(QString)",
                                       "portsNotOpened(QString)",
                                       "reportProgress(int,int)",
                                       "reportFinished(int)",
                                       "reportRunningChanged()",
                                       "fileSaved(int)",
                                       "setTimeNow()",
                                       "findExperiments()",
                                       "saveExperimentToFile(QString)",
                                       "startSaveExperimentToFile(QString)",
                                       "createDevice(int)",
                                       "createExperiment(QString)",
                                       "acquireConfiguration()",
                                       "acquireScheduleList()",
                                       "sndConfiguration(QString)",
                                       "sndCalibration(QString)",
                                       "sndScheduleList(QString)",
                                       "eraseMemory()",
                                       "generateReport(QString)",
                                       "startReport(QString)",
                                       "refreshWorkingHours(QString)",
                                       "refreshPartialResults(QString)",
                                       "refreshGeneralData(QString)",
                                       "parseFile(QString)",
                                       "startParseFile(QString)",
                                       "updateProgressBar(double)",
                                       "removeSchedule(int)",
                                       "addSchedule(QString)",
                                       "serialErrorOcurred(QSerialPort::SerialPortError)",
                                       "deviceIsBusy()",
                                       "findDevices()",
                                       "nextExp()",
                                       "prevExp()",
                                       "existingReportFiles(QString)",
                                       "existingDataFiles(QString)"}));
    }

    // ------------------------------------------------------ build texts

    void buildTexts()
    {
        Core core;
        QCOMPARE(core.version(), QString("1.0"));
        QVERIFY(QRegularExpression("^[A-Z][a-z]{2} \\d{1,2} \\d{4} - \\d\\d:\\d\\d:\\d\\d$")
                    .match(core.builtDate())
                    .hasMatch());
        QVERIFY(core.builtDate().contains(core.builtYear()));
        QCOMPARE(core.revision(), Core::buildRevision());
        QVERIFY(QRegularExpression("^(0|[1-9]\\d*)$").match(core.revision()).hasMatch());
        QCOMPARE(core.coreBits(), QString(sizeof(void *) == 8 ? "64 Bits" : "32 Bits"));
    }
};

QTEST_MAIN(TestCore)
#include "tst_core.moc"
