#include "DeviceFactory.h"
#include "Experiment.h"
#include "SimulatedBemari.h"
#include "SimulatedBemariCore.h"
#include "SimulatedBemariRuns.h"
#include "SimulatedLink.h"
#include "models/bemari/BemariConfig.h"
#include "models/bemari/BemariPlusConfig.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariResults.h"
#include "models/bemari/SoundLevelMeter.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Fault = SimulatedInstrument::Fault;
using Commands = QList<QByteArray>;

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)

namespace {

// A sound level meter found over a real pseudo-terminal and made into its
// model device by the factory, as Core does.
struct Meter
{
    explicit Meter(const QByteArray &model)
        : state(SimulatedBemari::install(link.instrument.get(), model))
    {
        link.device->readIdentity();
        device.reset(DeviceFactory::create(link.device.get()));
        meter = qobject_cast<SoundLevelMeter *>(device.get());
        instrument().clearCommands();
    }

    SimulatedInstrument &instrument() { return *link.instrument; }
    Commands commands() const { return link.instrument->commands(); }

    // Run `index` of `records` records in the instrument's memory.
    void addRun(int index, SimulatedBemariRuns::Header header = {}, int records = 12)
    {
        header.plus = link.instrument->productName() == "BEMARI+";
        instrument().addRun(SimulatedBemariRuns::makeRun(
            index, records, QDateTime(QDate(2024, 5, 13), QTime(8, 15), Qt::UTC), header));
    }

    // The header of run `index` as the download reads it.
    std::unique_ptr<Results> header(int index)
    {
        Experiment run;
        run.setIndex(index);
        return std::unique_ptr<Results>(meter->readExperimentHeader(&run));
    }

    SimulatedLink link;
    SimulatedBemari *state;
    std::unique_ptr<Device> device;
    SoundLevelMeter *meter = nullptr;
};

Commands pageCommands(int index, QList<int> pages)
{
    Commands commands;
    for (int page : pages)
        commands.append("AT+VFXPHDR=" + QByteArray::number(page) + "," + QByteArray::number(index));
    return commands;
}

} // namespace

// The sound level meters' own exchanges against the simulated instruments:
// the service word, the settings and the header pages of a run.
class TestBemariDevice : public QObject
{
    Q_OBJECT

private slots:
    void modelDeviceTakesOverTheProbedOne_data() { addBemariModelRows(); }
    void modelDeviceTakesOverTheProbedOne()
    {
        QFETCH(QByteArray, model);
        Meter m(model);
        QVERIFY(m.meter);
        QCOMPARE(m.meter->productName(), QString(model));
        QCOMPARE(m.meter->sn(), QString("SIM0001"));
        QCOMPARE(m.meter->interface(), m.link.device->interface());
        QCOMPARE(m.meter->calibration().certification(), QString("CERT-0001"));
        const QJsonObject empty{{"productName", QString(model)},
                                {"timeWeighting", ""},
                                {"frequencyWeighting", ""},
                                {"octaveAnalysis", ""}};
        QCOMPARE(m.meter->config()->toJson(), empty);

        // A device made for a data file has neither link nor configuration.
        std::unique_ptr<Device> byName(DeviceFactory::createByName(QString(model)));
        QCOMPARE(byName->productName(), QString(model));
        QVERIFY(!byName->config());
    }

    void serviceWordReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("word");
        QTest::newRow("a number") << QByteArray("\r\n+VFSVCCFG: 3\r\n\r\nOK\r\n") << 0 << 3;
        QTest::newRow("not a number") << QByteArray("\r\n+VFSVCCFG: x\r\n\r\nOK\r\n") << 0 << 0;
        QTest::newRow("ERROR") << QByteArray("\r\nERROR\r\n") << -1 << 9;
        QTest::newRow("BUSY") << QByteArray("\r\nBUSY\r\n") << -2 << 9;
        QTest::newRow("no final line") << QByteArray("\r\n+VFSVCCFG: 3") << -3 << 9;
    }

    void serviceWordReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, word);
        Meter m("BEMARI");
        m.state->serviceConfig = 9;
        QCOMPARE(m.meter->readServiceConfig(), 0);
        QSignalSpy busy(m.meter, &Device::busy);
        m.instrument().scriptFault("AT+VFSVCCFG?", Fault::Reply, 1, reply);
        QCOMPARE(m.meter->readServiceConfig(), result);
        QCOMPARE(m.meter->serviceConfig(), word);
        QCOMPARE(busy.count(), 0);
    }

    void queryReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("stored");
        QTest::newRow("quoted") << QByteArray("\r\n+VFFQWGHT: \"A\"\r\n\r\nOK\r\n") << 0
                                << QString("A");
        QTest::newRow("bare") << QByteArray("\r\n+VFFQWGHT: A\r\n\r\nOK\r\n") << 0 << QString("A");
        QTest::newRow("empty") << QByteArray("\r\n+VFFQWGHT: \r\n\r\nOK\r\n") << 0 << QString("");
        QTest::newRow("outside the set kept")
            << QByteArray("\r\n+VFFQWGHT: \"B\"\r\n\r\nOK\r\n") << 0 << QString("B");
        QTest::newRow("silence") << QByteArray() << -3 << QString("untouched");
    }

    void queryReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(QString, stored);
        Meter m("BEMARI+");
        BemariPlusConfig config;
        config.setFrequencyWeighting("untouched");
        m.instrument().scriptFault("AT+VFFQWGHT?", reply.isEmpty() ? Fault::Silence : Fault::Reply,
                                   1, reply);
        QCOMPARE(m.meter->readFrequencyWeighting(&config), result);
        QCOMPARE(config.frequencyWeighting(), stored);
    }

    void writeReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << QByteArray("\r\nOK\r\n") << 0;
        QTest::newRow("echo then OK") << QByteArray("\r\n+VFOCTAVE: \r\nOK\r\n") << 0;
        QTest::newRow("blank line then OK") << QByteArray("\r\n\r\nOK\r\n") << -3;
        QTest::newRow("value then OK") << QByteArray("\r\n+VFOCTAVE: 1/3\r\n\r\nOK\r\n") << -3;
    }

    void writeReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        Meter m("BEMARI");
        m.instrument().scriptFault("AT+VFOCTAVE=", Fault::Reply, 1, reply);
        QCOMPARE(m.meter->writeOctaveAnalysis("1/3"), result);
        QCOMPARE(m.commands(), Commands{"AT+VFOCTAVE=\"1/3\""});
    }

    void writesRefuseWhatTheSetsDoNotHold()
    {
        for (const QByteArray model : {"BEMARI", "BEMARI+"}) {
            Meter m(model);
            QCOMPARE(m.meter->writeTimeWeighting("Fast\"\r\nAT+VFERSMM"), -1);
            QCOMPARE(m.meter->writeFrequencyWeighting("a"), -1);
            QCOMPARE(m.meter->writeOctaveAnalysis("1/2"), -1);
            // Without a configuration of its own model nothing is written.
            m.meter->setConfig(nullptr);
            QCOMPARE(m.meter->writeConfig(), -1);
            auto *other = model == "BEMARI" ? static_cast<SoundLevelConfig *>(new BemariPlusConfig)
                                            : new BemariConfig;
            QCOMPARE(other->fromJson(R"({"timeWeighting": "Fast", "frequencyWeighting": "A",
                                         "octaveAnalysis": "1/1"})"),
                     0);
            m.meter->setConfig(other);
            QCOMPARE(m.meter->writeConfig(), -1);
            QCOMPARE(m.commands(), Commands());
        }
    }

    void failedReadKeepsTheHeldConfiguration()
    {
        Meter m("BEMARI");
        DeviceConfig *held = m.meter->config();
        m.instrument().scriptFault("AT+VFOCTAVE?", Fault::Busy);
        QSignalSpy busy(m.meter, &Device::busy);
        QCOMPARE(m.meter->readConfig(), -2);
        QCOMPARE(busy.count(), 1);
        QCOMPARE(m.meter->config(), held);
        QCOMPARE(m.meter->readConfig(), 0);
        QCOMPARE(m.meter->soundLevelConfig()->timeWeighting(), QString("Slow"));
    }

    void headerReadsPagesOneToFiveThenEight_data() { addBemariModelRows(); }
    void headerReadsPagesOneToFiveThenEight()
    {
        QFETCH(QByteArray, model);
        Meter m(model);
        m.addRun(3);
        const std::unique_ptr<Results> results = m.header(3);
        QVERIFY(results);
        QCOMPARE(m.commands(), pageCommands(3, {1, 2, 3, 4, 5, 8}));
        auto *levels = qobject_cast<SoundLevelResults *>(results.get());
        QVERIFY(levels);
        QCOMPARE(levels->label(), QString("ROOM 2"));
        QCOMPARE(levels->pauseTime(), QString("01:02:05"));
        QCOMPARE(levels->leqList().size(), 10);
        QCOMPARE(levels->leqList().at(9)->frequency(), QString("16000.00"));
        QCOMPARE(levels->preChk(), QString("94.02"));
        QCOMPARE(levels->l95(), QString("60.70"));
        QCOMPARE(levels->vbatStop(), 3900);
        if (auto *plus = qobject_cast<BemariPlusResults *>(levels)) {
            QCOMPARE(plus->weightedText("LAEq"), QString("78.30"));
            QCOMPARE(plus->weightedText("LZSMin"), QString("57.00"));
            QCOMPARE(plus->mode(), QString("AUTO"));
        } else {
            QCOMPARE(levels->lFMax(), QString("94.70"));
            QCOMPARE(levels->lPeak(), QString("121.40"));
        }
    }

    void headerFaults_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QList<int>>("pagesSent");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("busySignals");
        QTest::newRow("ERROR at page 3")
            << QByteArray("AT+VFXPHDR=3,") << Fault::Error << QList<int>{1, 2, 3} << false << 0;
        QTest::newRow("BUSY at page 4")
            << QByteArray("AT+VFXPHDR=4,") << Fault::Busy << QList<int>{1, 2, 3, 4} << false << 1;
        QTest::newRow("truncated page 2")
            << QByteArray("AT+VFXPHDR=2,") << Fault::Truncate << QList<int>{1, 2} << false << 0;
        QTest::newRow("silence at page 1")
            << QByteArray("AT+VFXPHDR=1,") << Fault::Silence << QList<int>{1} << false << 0;
        QTest::newRow("garbled page 5") << QByteArray("AT+VFXPHDR=5,") << Fault::Garble
                                        << QList<int>{1, 2, 3, 4, 5} << false << 0;
        // Band lines of which not one can be read, ended by OK.
        QTest::newRow("garbled page 3")
            << QByteArray("AT+VFXPHDR=3,") << Fault::Garble << QList<int>{1, 2, 3} << false << 0;
        QTest::newRow("ERROR at page 8") << QByteArray("AT+VFXPHDR=8,") << Fault::Error
                                         << QList<int>{1, 2, 3, 4, 5, 8} << true << 0;
    }

    void headerFaults()
    {
        QFETCH(QByteArray, page);
        QFETCH(Fault, fault);
        QFETCH(QList<int>, pagesSent);
        QFETCH(bool, read);
        QFETCH(int, busySignals);
        for (const QByteArray model : {"BEMARI", "BEMARI+"}) {
            Meter m(model);
            m.addRun(5);
            QSignalSpy busy(m.meter, &Device::busy);
            m.instrument().scriptFault(page, fault);
            const std::unique_ptr<Results> results = m.header(5);
            QCOMPARE(bool(results), read);
            QCOMPARE(m.commands(), pageCommands(5, pagesSent));
            QCOMPARE(busy.count(), busySignals);
            if (results) {
                // Pages 1 to 5 are kept; page 8's fields keep their defaults.
                QCOMPARE(qobject_cast<SoundLevelResults *>(results.get())->l50(), QString("76.90"));
                QCOMPARE(results->vbatStart(), 0);
            }
        }
    }

    // Each line of a page ends with the instrument's own carriage return, or
    // stands after an empty line: either way the lines stay apart.
    void multiLinePageFraming_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("read");
        QTest::newRow("lines ended by CR")
            << QByteArray("\r\n+VFXPHDR: 3,5,2,0,31.50,60.1\r\r\n"
                          "+VFXPHDR: 3,5,2,1,63.00,61.2\r\n\r\nOK\r\n")
            << true;
        QTest::newRow("lines after an empty line")
            << QByteArray("\r\n+VFXPHDR: 3,5,2,0,31.50,60.1\r\n\r\n"
                          "+VFXPHDR: 3,5,2,1,63.00,61.2\r\n\r\nOK\r\n")
            << true;
        QTest::newRow("lines run together")
            << QByteArray("\r\n+VFXPHDR: 3,5,2,0,31.50,60.1\r\n"
                          "+VFXPHDR: 3,5,2,1,63.00,61.2\r\n\r\nOK\r\n")
            << false;
    }

    void multiLinePageFraming()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, read);
        Meter m("BEMARI");
        m.addRun(5);
        m.instrument().scriptFault("AT+VFXPHDR=3,", Fault::Reply, 1, reply);
        const std::unique_ptr<Results> results = m.header(5);
        QCOMPARE(bool(results), read);
        if (read)
            QCOMPARE(qobject_cast<BemariResults *>(results.get())->leqList().at(1)->leq(),
                     QString("61.2"));
    }
};

QTEST_MAIN(TestBemariDevice)
#include "tst_bemaridevice.moc"
