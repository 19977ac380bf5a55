#include "DeviceDateTime.h"
#include "DeviceFactory.h"
#include "Schedule.h"
#include "SimulatedDravo2.h"
#include "SimulatedLink.h"
#include "models/dravo2/Dravo2.h"
#include "models/dravo2/Dravo2Config.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTextCodec>
#include <QtTest>

#include <memory>

using Fault = SimulatedInstrument::Fault;
using Commands = QList<QByteArray>;

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)

namespace {

// A "DRAVO 2" found by a search over a real pseudo-terminal and made into its
// model device by the factory, as Core does.
struct Dosimeter
{
    explicit Dosimeter(int serviceConfig = 2)
        : sim(SimulatedDravo2::install(link.instrument.get()))
    {
        sim->serviceConfig = serviceConfig;
        link.device->readIdentity();
        device.reset(DeviceFactory::create(link.device.get()));
        dravo = qobject_cast<Dravo2 *>(device.get());
        if (dravo)
            dravo->readServiceConfig();
        instrument()->clearCommands();
    }

    SimulatedInstrument *instrument() const { return link.instrument.get(); }
    Commands commands() const { return instrument()->commands(); }

    SimulatedLink link;
    SimulatedDravo2 *sim;
    std::unique_ptr<Device> device;
    Dravo2 *dravo = nullptr;
};

const QString kWindowJson = QStringLiteral(
    R"({"timeWeighting": "Fast", "frequencyWeighting": "C", "octaveAnalysis": "1/3",
        "experimentDuration": "08:30", "actionLevel": "75", "criterionLevel": "90",
        "exchangeRate": "5", "scheduleStatus": true})");

// Sets the configuration the window sends as the held one, as Core does.
void holdWindowConfig(Dravo2 *dravo, const QString &json = kWindowJson)
{
    auto *config = new Dravo2Config;
    QCOMPARE(config->fromJson(json), 0);
    dravo->setConfig(config);
}

const Commands kQueriesWithOctave = {"AT+VFTRHLVL?", "AT+VFCRTLVL?", "AT+VFXCHRAT?",
                                     "AT+VFFQWGHT?", "AT+VFTMWGHT?", "AT+VFOCTAVE?",
                                     "AT+VFXPDUR?",  "AT+VFSCH=3",   "AT+VFSCH=4"};

Commands withoutOctave(Commands commands)
{
    Commands kept;
    for (const QByteArray &command : commands) {
        if (!command.startsWith("AT+VFOCTAVE"))
            kept << command;
    }
    return kept;
}

const Commands kWindowWrites = {"AT+VFTRHLVL=75",    "AT+VFCRTLVL=90",       "AT+VFXCHRAT=5",
                                "AT+VFFQWGHT=\"C\"", "AT+VFTMWGHT=\"Fast\"", "AT+VFOCTAVE=\"1/3\"",
                                "AT+VFXPDUR=30600",  "AT+VFSCH=3,1"};

// A slot as the instrument holds it: label, start, pause, resume and stop.
QByteArray slotFields(const QByteArray &label, const QByteArray &start, const QByteArray &pause,
                      const QByteArray &resume, const QByteArray &stop)
{
    auto quoted = [](const QByteArray &time) {
        return time.isEmpty() ? QByteArray() : "\"21/10/29," + time + ":00-12\"";
    };
    return '"' + label + "\"," + quoted(start) + ',' + quoted(pause) + ',' + quoted(resume) + ',' +
           quoted(stop);
}

QString scheduleListJson(const QJsonArray &schedules)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"scheduleList", schedules}}).toJson());
}

QJsonObject scheduleJson(const QString &label, int day, const QString &start, const QString &stop,
                         const QString &pause = {}, const QString &resume = {})
{
    QJsonObject object{{"label", label},
                       {"monthDay", day},
                       {"startTime", start},
                       {"stopTime", stop},
                       {"pausable", !pause.isEmpty()}};
    if (!pause.isEmpty()) {
        object.insert("pauseTime", pause);
        object.insert("resumeTime", resume);
    }
    return object;
}

QByteArray deviceTime(const QDateTime &dateTime)
{
    return '"' + formatDeviceDateTime(dateTime).toLatin1() + '"';
}

// The label, day and times by which the user knows a schedule.
QStringList describe(const QList<Schedule *> &schedules)
{
    QStringList texts;
    for (const Schedule *s : schedules)
        texts << (s->unreadable()
                      ? QStringLiteral("unreadable slot %1").arg(s->index())
                      : QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(s->label())
                            .arg(s->monthDay())
                            .arg(s->startTime(), s->pauseTime(), s->resumeTime(), s->stopTime()));
    return texts;
}

enum Operation
{
    ReadService,
    ReadConfig,
    WriteConfig,
    ReadSchedules,
    WriteSchedules
};

int run(Dosimeter &d, Operation operation)
{
    switch (operation) {
    case ReadService:
        return d.dravo->readServiceConfig();
    case ReadConfig:
        return d.dravo->readConfig();
    case WriteConfig:
        holdWindowConfig(d.dravo);
        return d.dravo->writeConfig();
    case ReadSchedules:
        return d.dravo->readSchedules();
    case WriteSchedules:
        d.dravo->setScheduleListJson(scheduleListJson(
            {scheduleJson("A", 3, "08:00", "12:00"), scheduleJson("B", 4, "08:00", "12:00")}));
        return d.dravo->writeSchedules();
    }
    return 0;
}

} // namespace

// The "DRAVO 2" dosimeter's configuration and schedule exchanges against the
// simulated instrument.
class TestDravo2Device : public QObject
{
    Q_OBJECT

private slots:
    void creationReadsTheServiceWord_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<bool>("octave");
        QTest::newRow("octave fitted") << 2 << true;
        QTest::newRow("other bits") << 5 << false;
        QTest::newRow("all bits") << -1 << true;
        QTest::newRow("none") << 0 << false;
    }

    void creationReadsTheServiceWord()
    {
        QFETCH(int, word);
        QFETCH(bool, octave);
        Dosimeter d(word);
        QVERIFY(d.dravo);
        QCOMPARE(d.dravo->productName(), QString("DRAVO 2"));
        QCOMPARE(d.dravo->sn(), QString("SIM0001"));
        QCOMPARE(d.dravo->firmware(), QString("1.00"));
        QCOMPARE(d.dravo->calibration().certification(),
                 d.link.device->calibration().certification());
        QCOMPARE(d.dravo->dravo2Config()->toJson(), Dravo2Config().toJson());
        QCOMPARE(d.dravo->serviceConfig(), word);
        QCOMPARE(d.dravo->hasOctaveOption(), octave);
        QCOMPARE(d.dravo->readServiceConfig(), 0);
        QCOMPARE(d.commands(), Commands{"AT+VFSVCCFG?"});
    }

    void serviceWordFailures_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::newRow("ERROR") << Fault::Error << QByteArray() << -1;
        QTest::newRow("BUSY") << Fault::Busy << QByteArray() << -2;
        QTest::newRow("silence") << Fault::Silence << QByteArray() << -3;
        QTest::newRow("garbled") << Fault::Garble << QByteArray() << -3;
        QTest::newRow("not a number")
            << Fault::Reply << QByteArray("\r\n+VFSVCCFG: x2\r\n\r\nOK\r\n") << -3;
    }

    void serviceWordFailures()
    {
        QFETCH(Fault, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        Dosimeter d(2);
        d.instrument()->scriptFault("AT+VFSVCCFG?", fault, 1, reply);
        d.sim->serviceConfig = 0;
        QCOMPARE(d.dravo->readServiceConfig(), status);
        QCOMPARE(d.dravo->serviceConfig(), 2);
    }

    void readConfigFillsTheRecord_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<Commands>("commands");
        QTest::addColumn<QString>("octave");
        QTest::newRow("octave fitted") << 2 << kQueriesWithOctave << "1/3";
        QTest::newRow("no octave") << 0 << withoutOctave(kQueriesWithOctave) << "";
    }

    void readConfigFillsTheRecord()
    {
        QFETCH(int, word);
        QFETCH(Commands, commands);
        QFETCH(QString, octave);
        Dosimeter d(word);
        d.sim->thresholdLevel = 78;
        d.sim->criterionLevel = 87;
        d.sim->exchangeRate = 4;
        d.sim->frequencyWeighting = "Z";
        d.sim->timeWeighting = "Impulse";
        d.sim->octaveAnalysis = "1/3";
        d.sim->experimentDurationSeconds = 30659;
        d.sim->scheduleMode = 1;
        d.sim->scheduleMaxHours = 12;
        QCOMPARE(d.dravo->readConfig(), 0);
        QCOMPARE(d.commands(), commands);
        const QJsonObject expected{{"productName", "DRAVO 2"},      {"timeWeighting", "Impulse"},
                                   {"frequencyWeighting", "Z"},     {"octaveAnalysis", octave},
                                   {"experimentDuration", "08:30"}, {"actionLevel", 78},
                                   {"criterionLevel", 87},          {"exchangeRate", 4},
                                   {"scheduleStatus", true},        {"scheduleMaxTime", 43200}};
        QCOMPARE(d.dravo->config()->toJson(), expected);
    }

    // Replies as the instrument may word them, and what each leaves in the
    // configuration.
    void queryReplies_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        auto info = [](const QByteArray &name, const QByteArray &text) {
            return SimulatedInstrument::information(name, {text});
        };
        QTest::newRow("5400 s") << QByteArray("AT+VFXPDUR?") << info("VFXPDUR", "5400") << 0
                                << "experimentDuration" << QJsonValue("01:30");
        QTest::newRow("90000 s") << QByteArray("AT+VFXPDUR?") << info("VFXPDUR", "90000") << 0
                                 << "experimentDuration" << QJsonValue("25:00");
        QTest::newRow("quoted weighting") << QByteArray("AT+VFFQWGHT?") << info("VFFQWGHT", "\"A\"")
                                          << 0 << "frequencyWeighting" << QJsonValue("A");
        QTest::newRow("limit ERROR") << QByteArray("AT+VFSCH=4") << SimulatedInstrument::error()
                                     << 0 << "scheduleMaxTime" << QJsonValue(32400);
        QTest::newRow("limit silent") << QByteArray("AT+VFSCH=4") << QByteArray() << 0
                                      << "scheduleMaxTime" << QJsonValue(32400);
        QTest::newRow("limit 4,12") << QByteArray("AT+VFSCH=4") << info("VFSCH", "4,12") << 0
                                    << "scheduleMaxTime" << QJsonValue(43200);
        QTest::newRow("mode 3,2") << QByteArray("AT+VFSCH=3") << info("VFSCH", "3,2") << 0
                                  << "scheduleStatus" << QJsonValue(true);
        QTest::newRow("mode 3,0") << QByteArray("AT+VFSCH=3") << info("VFSCH", "3,0") << 0
                                  << "scheduleStatus" << QJsonValue(false);
        // A record or a number that cannot be read reads as off or 0; the
        // window shows it for the user to correct.
        QTest::newRow("mode of another record") << QByteArray("AT+VFSCH=3") << info("VFSCH", "4,1")
                                                << 0 << "scheduleStatus" << QJsonValue(false);
        QTest::newRow("mode not a number") << QByteArray("AT+VFSCH=3") << info("VFSCH", "3,on") << 0
                                           << "scheduleStatus" << QJsonValue(false);
        QTest::newRow("level not a number") << QByteArray("AT+VFTRHLVL?") << info("VFTRHLVL", "8O")
                                            << 0 << "actionLevel" << QJsonValue(0);
        QTest::newRow("duration not a number") << QByteArray("AT+VFXPDUR?") << info("VFXPDUR", "--")
                                               << 0 << "experimentDuration" << QJsonValue("00:00");
        QTest::newRow("no value line")
            << QByteArray("AT+VFCRTLVL?") << SimulatedInstrument::ok() << -3 << "" << QJsonValue();
        QTest::newRow("another command's line")
            << QByteArray("AT+VFXCHRAT?") << info("VFTRHLVL", "3") << -3 << "" << QJsonValue();
        QTest::newRow("two value lines")
            << QByteArray("AT+VFTMWGHT?")
            << SimulatedInstrument::information("VFTMWGHT", {"\"Slow\"", "\"Fast\""}) << -3 << ""
            << QJsonValue();
    }

    void queryReplies()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        Dosimeter d;
        d.instrument()->scriptFault(command, reply.isEmpty() ? Fault::Silence : Fault::Reply, 1,
                                    reply);
        DeviceConfig *before = d.dravo->config();
        QCOMPARE(d.dravo->readConfig(), status);
        if (status == 0)
            QCOMPARE(d.dravo->config()->toJson().value(key), value);
        else
            QCOMPARE(d.dravo->config(), before);
    }

    // A failed query ends the read there and leaves the held record alone;
    // BUSY is announced. The limit query never fails the read.
    void readConfigFailures_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("busySignals");
        QTest::addColumn<int>("sent");
        const Fault faults[] = {Fault::Error, Fault::Busy, Fault::Silence, Fault::Truncate,
                                Fault::Garble};
        const int statuses[] = {-1, -2, -3, -3, -3};
        const char *names[] = {"ERROR", "BUSY", "silence", "truncated", "garbled"};
        for (int q = 0; q < kQueriesWithOctave.size() - 1; ++q) {
            for (int f = 0; f < 5; ++f) {
                QTest::addRow("%s %s", kQueriesWithOctave.at(q).constData(), names[f])
                    << kQueriesWithOctave.at(q) << faults[f] << statuses[f]
                    << (faults[f] == Fault::Busy ? 1 : 0) << q + 1;
            }
        }
        QTest::newRow("limit BUSY") << QByteArray("AT+VFSCH=4") << Fault::Busy << 0 << 1 << 9;
    }

    void readConfigFailures()
    {
        QFETCH(QByteArray, command);
        QFETCH(Fault, fault);
        QFETCH(int, status);
        QFETCH(int, busySignals);
        QFETCH(int, sent);
        Dosimeter d;
        holdWindowConfig(d.dravo);
        DeviceConfig *held = d.dravo->config();
        const QJsonObject heldJson = held->toJson();
        d.instrument()->scriptFault(command, fault);
        QSignalSpy busy(d.dravo, &Device::busy);
        QCOMPARE(d.dravo->readConfig(), status);
        QCOMPARE(busy.count(), busySignals);
        QCOMPARE(d.commands().size(), sent);
        if (status != 0) {
            QCOMPARE(d.dravo->config(), held);
            QCOMPARE(held->toJson(), heldJson);
        }
    }

    void writeConfigSendsTheWindowValues_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<Commands>("commands");
        QTest::addColumn<QByteArray>("octave");
        QTest::newRow("octave fitted") << 2 << kWindowWrites << QByteArray("1/3");
        QTest::newRow("no octave") << 0 << withoutOctave(kWindowWrites) << QByteArray("1/1");
    }

    void writeConfigSendsTheWindowValues()
    {
        QFETCH(int, word);
        QFETCH(Commands, commands);
        QFETCH(QByteArray, octave);
        Dosimeter d(word);
        holdWindowConfig(d.dravo);
        QCOMPARE(d.dravo->writeConfig(), 0);
        QCOMPARE(d.commands(), commands);
        QCOMPARE(d.sim->thresholdLevel, 75);
        QCOMPARE(d.sim->criterionLevel, 90);
        QCOMPARE(d.sim->exchangeRate, 5);
        QCOMPARE(d.sim->frequencyWeighting, QByteArray("C"));
        QCOMPARE(d.sim->timeWeighting, QByteArray("Fast"));
        QCOMPARE(d.sim->octaveAnalysis, octave);
        QCOMPARE(d.sim->experimentDurationSeconds, 30600);
        QCOMPARE(d.sim->scheduleMode, 1);
    }

    void writeConfigFailures_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("sent");
        QTest::newRow("first write BUSY")
            << QByteArray("AT+VFTRHLVL=") << Fault::Busy << QByteArray() << -2 << 1;
        QTest::newRow("duration ERROR")
            << QByteArray("AT+VFXPDUR=") << Fault::Error << QByteArray() << -1 << 7;
        QTest::newRow("mode silent")
            << QByteArray("AT+VFSCH=3,") << Fault::Silence << QByteArray() << -3 << 8;
        QTest::newRow("value before OK")
            << QByteArray("AT+VFCRTLVL=") << Fault::Reply
            << QByteArray("\r\n+VFCRTLVL: 90\r\n\r\nOK\r\n") << -3 << 2;
    }

    void writeConfigFailures()
    {
        QFETCH(QByteArray, command);
        QFETCH(Fault, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        QFETCH(int, sent);
        Dosimeter d;
        holdWindowConfig(d.dravo);
        d.instrument()->scriptFault(command, fault, 1, reply);
        QSignalSpy busy(d.dravo, &Device::busy);
        QCOMPARE(d.dravo->writeConfig(), status);
        QCOMPARE(d.commands().size(), sent);
        QCOMPARE(busy.count(), status == -2 ? 1 : 0);
    }

    // Nothing is read back: an instrument that keeps its own form of a value
    // has still taken the write.
    void writeConfigReadsNothingBack()
    {
        Dosimeter d;
        d.instrument()->setHandler("AT+VFCRTLVL=",
                                   [](const QByteArray &) { return SimulatedInstrument::ok(); });
        holdWindowConfig(d.dravo);
        QCOMPARE(d.dravo->writeConfig(), 0);
        QCOMPARE(d.commands(), kWindowWrites);
    }

    // Values outside the fixed sets never reach the line, whatever the held
    // record holds.
    void refusedValuesSendNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("injected weighting") << "frequency"
                                            << "A\"\r\nAT+VFERSMM\r\n"
                                            << 0;
        QTest::newRow("weighting with comma") << "time"
                                              << "Fast\",\"Slow" << 0;
        QTest::newRow("unknown weighting") << "time"
                                           << "Peak" << 0;
        QTest::newRow("no octave mode") << "octave"
                                        << "" << 0;
        QTest::newRow("octave not offered") << "octave"
                                            << "1/6" << 0;
        QTest::newRow("duration without colon") << "duration"
                                                << "8" << 0;
        QTest::newRow("duration with CR") << "duration"
                                          << "08:30\r" << 0;
        // Longer than the instrument's schedule limit of 9 hours.
        QTest::newRow("duration 999:59") << "duration"
                                         << "999:59" << 0;
        QTest::newRow("threshold 101") << "threshold"
                                       << "" << 101;
        QTest::newRow("criterion 0") << "criterion"
                                     << "" << 0;
        QTest::newRow("exchange rate -3") << "exchange"
                                          << "" << -3;
    }

    void refusedValuesSendNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, number);
        Dosimeter d;
        holdWindowConfig(d.dravo);
        Dravo2Config *config = d.dravo->dravo2Config();
        int direct = 0;
        if (field == "frequency") {
            config->setFrequencyWeighting(text);
            direct = d.dravo->writeFrequencyWeighting(text);
        } else if (field == "time") {
            config->setTimeWeighting(text);
            direct = d.dravo->writeTimeWeighting(text);
        } else if (field == "octave") {
            config->setOctaveAnalysis(text);
            direct = d.dravo->writeOctaveAnalysis(text);
        } else if (field == "duration") {
            config->setExperimentDuration(text);
            direct = text.contains(':') && !text.contains('\r')
                         ? -1
                         : d.dravo->writeExperimentDuration(text);
        } else if (field == "threshold") {
            config->setActionLevel(number);
        } else if (field == "criterion") {
            config->setCriterionLevel(number);
        } else {
            config->setExchangeRate(number);
        }
        // The text writers refuse such a value on their own as well.
        const bool textField = field != "threshold" && field != "criterion" && field != "exchange";
        if (textField)
            QCOMPARE(direct, -1);
        QCOMPARE(d.dravo->writeConfig(), -1);
        QCOMPARE(d.commands(), Commands());
    }

    // A record made from the window knows no schedule limit; it keeps the
    // instrument's, even when the write then fails.
    void windowRecordKeepsTheInstrumentLimit()
    {
        Dosimeter d;
        d.sim->scheduleMaxHours = 12;
        QCOMPARE(d.dravo->readConfig(), 0);
        holdWindowConfig(d.dravo);
        d.instrument()->scriptFault("AT+VFTRHLVL=", Fault::Busy);
        QCOMPARE(d.dravo->writeConfig(), -2);
        QCOMPARE(d.dravo->config()->maxExperimentDuration(), 43200);

        holdWindowConfig(d.dravo);
        QCOMPARE(d.dravo->writeConfig(), 0);
        QCOMPARE(d.dravo->config()->maxExperimentDuration(), 43200);
    }

    void readSchedulesReadsTenSlots()
    {
        Dosimeter d;
        d.sim->scheduleSlots[0] = slotFields("Shift A", "08:00", "12:00", "13:00", "17:00");
        d.sim->scheduleSlots[3] = slotFields("Night", "22:00", "", "", "06:00");
        d.sim->scheduleSlots[9] = slotFields("Caf\xe9, 2nd", "07:00", "", "", "09:30");
        QCOMPARE(d.dravo->readSchedules(), 0);
        Commands reads;
        for (int slot = 0; slot < 10; ++slot)
            reads << "AT+VFSCH=0," + QByteArray::number(slot);
        QCOMPARE(d.commands(), reads);
        QCOMPARE(describe(d.dravo->scheduleList()),
                 QStringList({"Shift A 29 08:00 12:00 13:00 17:00", "Night 29 22:00   06:00",
                              QString::fromUtf8("Café, 2nd 29 07:00   09:30")}));
        QCOMPARE(d.dravo->scheduleList().at(1)->index(), 3);
        QCOMPARE(d.dravo->scheduleList().at(1)->measuredSeconds(), 8 * 3600);
    }

    void readSchedulesAllEmpty_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("ERROR") << SimulatedInstrument::error();
        QTest::newRow("no record") << SimulatedInstrument::ok();
    }

    void readSchedulesAllEmpty()
    {
        QFETCH(QByteArray, reply);
        Dosimeter d;
        d.sim->scheduleSlots[2] = slotFields("A", "08:00", "", "", "09:00");
        d.instrument()->scriptFault("AT+VFSCH=0,", Fault::Reply, 0, reply);
        QCOMPARE(d.dravo->readSchedules(), 0);
        QCOMPARE(d.dravo->scheduleList().size(), 0);
        QCOMPARE(d.commands().size(), 10);
    }

    // A slot that is busy or cannot be read keeps its place as unreadable;
    // the other slots are read and the read succeeds. Written back, the list
    // leaves that slot as the instrument holds it.
    void unreadableSlotKeepsItsPlace_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("BUSY") << Fault::Busy << QByteArray();
        QTest::newRow("silence") << Fault::Silence << QByteArray();
        QTest::newRow("truncated") << Fault::Truncate << QByteArray();
        QTest::newRow("garbled") << Fault::Garble << QByteArray();
        QTest::newRow("short record")
            << Fault::Reply << SimulatedInstrument::information("VFSCH", {"0,4,\"X\""});
        QTest::newRow("another slot's record")
            << Fault::Reply
            << SimulatedInstrument::information(
                   "VFSCH", {"0,5," + slotFields("X", "08:00", "", "", "09:00")});
    }

    void unreadableSlotKeepsItsPlace()
    {
        QFETCH(Fault, fault);
        QFETCH(QByteArray, reply);
        Dosimeter d;
        d.sim->scheduleSlots[1] = slotFields("Early", "08:00", "", "", "09:00");
        const QByteArray unread = slotFields("Unread", "10:00", "", "", "11:00");
        d.sim->scheduleSlots[4] = unread;
        d.sim->scheduleSlots[7] = slotFields("Late", "18:00", "", "", "19:00");
        d.instrument()->scriptFault("AT+VFSCH=0,4", fault, 1, reply);
        QSignalSpy busy(d.dravo, &Device::busy);
        QCOMPARE(d.dravo->readSchedules(), 0);
        QCOMPARE(busy.count(), 0);
        QCOMPARE(d.commands().size(), 10);
        QCOMPARE(
            describe(d.dravo->scheduleList()),
            QStringList({"Early 29 08:00   09:00", "unreadable slot 4", "Late 29 18:00   19:00"}));

        d.instrument()->clearCommands();
        QCOMPARE(d.dravo->writeSchedules(), 0);
        QCOMPARE(d.commands().size(), 11);
        for (const QByteArray &command : d.commands())
            QVERIFY2(!command.startsWith("AT+VFSCH=1,4,") && command != "AT+VFSCH=2,4", command);
        QCOMPARE(d.sim->scheduleSlots.at(4), unread);
        QCOMPARE(d.sim->programmedSlots(), 3);
    }

    void writeEmptyListClearsEverySlot()
    {
        Dosimeter d;
        d.sim->scheduleSlots[6] = slotFields("Old", "08:00", "", "", "09:00");
        QCOMPARE(d.dravo->writeSchedules(), 0);
        Commands expected{"AT+VFSCH=3,0"};
        for (int slot = 0; slot < 10; ++slot)
            expected << "AT+VFSCH=2," + QByteArray::number(slot);
        expected << "AT+VFSCH=3,1";
        QCOMPARE(d.commands(), expected);
        QCOMPARE(d.sim->programmedSlots(), 0);
        QCOMPARE(d.sim->scheduleMode, 1);
    }

    void writeSchedulesProgramsTheSlots()
    {
        Dosimeter d;
        d.sim->scheduleSlots[8] = slotFields("Old", "08:00", "", "", "09:00");
        const QString label = QString::fromUtf8("Müll, Außen");
        QCOMPARE(d.dravo->setScheduleListJson(
                     scheduleListJson({scheduleJson(label, 29, "08:00", "17:00", "12:00", "13:00"),
                                       scheduleJson("Night", 5, "22:00", "06:00"),
                                       scheduleJson("Short", 31, "07:00", "07:30")})),
                 0);
        const QList<Schedule *> written = d.dravo->scheduleList();
        QCOMPARE(d.dravo->writeSchedules(), 0);

        const Commands commands = d.commands();
        QCOMPARE(commands.size(), 12);
        QCOMPARE(commands.first(), QByteArray("AT+VFSCH=3,0"));
        const Schedule *first = written.at(0);
        QCOMPARE(commands.at(1), "AT+VFSCH=1,0,\"M\xfcll, Au\xdf"
                                 "en\"," +
                                     deviceTime(first->startDateTime()) + ',' +
                                     deviceTime(first->pauseDateTime()) + ',' +
                                     deviceTime(first->resumeDateTime()) + ',' +
                                     deviceTime(first->stopDateTime()));
        const Schedule *night = written.at(1);
        QCOMPARE(commands.at(2), "AT+VFSCH=1,1,\"Night\"," + deviceTime(night->startDateTime()) +
                                     ",,," + deviceTime(night->stopDateTime()));
        QVERIFY(commands.at(3).startsWith("AT+VFSCH=1,2,\"Short\","));
        for (int slot = 3; slot < 10; ++slot)
            QCOMPARE(commands.at(slot + 1), "AT+VFSCH=2," + QByteArray::number(slot));
        QCOMPARE(commands.last(), QByteArray("AT+VFSCH=3,1"));

        // The instrument now holds exactly these schedules, and reads them back.
        QCOMPARE(d.sim->programmedSlots(), 3);
        QCOMPARE(d.sim->scheduleMode, 1);
        const QStringList expected = describe(written);
        QCOMPARE(d.dravo->readSchedules(), 0);
        QCOMPARE(describe(d.dravo->scheduleList()), expected);
    }

    void onlyTenSlotsAreWritten()
    {
        Dosimeter d;
        QJsonArray schedules;
        for (int day = 1; day <= 12; ++day)
            schedules.append(scheduleJson(QString::number(day), day, "08:00", "09:00"));
        d.dravo->setScheduleListJson(scheduleListJson(schedules));
        QCOMPARE(d.dravo->writeSchedules(), 0);
        QCOMPARE(d.commands().size(), 12);
        QCOMPARE(d.sim->programmedSlots(), 10);
        QVERIFY(d.commands().at(10).startsWith("AT+VFSCH=1,9,\"10\","));
    }

    void scheduleLabels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "Shift A" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("commas") << "a, b, c" << true;
        QTest::newRow("Latin-1 letters") << QString::fromUtf8("Fräse Ø ÿ") << true;
        QTest::newRow("double quote") << "Shift \"A\"" << false;
        QTest::newRow("quote and command") << "A\",\"\",,,\"\"\r\nAT+VFERSMM" << false;
        QTest::newRow("CR") << "Shift\rA" << false;
        QTest::newRow("LF") << "Shift\nA" << false;
        QTest::newRow("NUL") << QString("Shift") + QChar(0) + "A" << false;
        QTest::newRow("euro sign") << QString::fromUtf8("Cost 5€") << false;
        QTest::newRow("CJK") << QString::fromUtf8("班次") << false;
    }

    void scheduleLabels()
    {
        QFETCH(QString, label);
        QFETCH(bool, valid);
        QCOMPARE(Dravo2::isValidScheduleLabel(label), valid);
        Dosimeter d;
        d.sim->scheduleSlots[0] = slotFields("Kept", "08:00", "", "", "09:00");
        d.dravo->setScheduleListJson(scheduleListJson({scheduleJson("First", 2, "08:00", "09:00"),
                                                       scheduleJson(label, 3, "08:00", "09:00")}));
        QCOMPARE(d.dravo->writeSchedules(), valid ? 0 : -1);
        if (!valid) {
            QCOMPARE(d.commands(), Commands());
            QCOMPARE(d.sim->scheduleSlots.at(0), slotFields("Kept", "08:00", "", "", "09:00"));
            return;
        }
        QCOMPARE(d.dravo->readSchedules(), 0);
        QCOMPARE(d.dravo->scheduleList().size(), 2);
        QCOMPARE(d.dravo->scheduleList().at(1)->label(), label);
    }

    // A failure stops the program at that slot: the mode stays off, the
    // later slots keep their old content.
    void writeSchedulesFailures_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("mode");
        QTest::newRow("mode off BUSY") << QByteArray("AT+VFSCH=3,0") << Fault::Busy << -2 << 1 << 1;
        QTest::newRow("slot 4 BUSY") << QByteArray("AT+VFSCH=2,4") << Fault::Busy << -2 << 6 << 0;
        QTest::newRow("slot 1 ERROR") << QByteArray("AT+VFSCH=1,1") << Fault::Error << -1 << 3 << 0;
        QTest::newRow("slot 7 silent")
            << QByteArray("AT+VFSCH=2,7") << Fault::Silence << -3 << 9 << 0;
        QTest::newRow("slot 0 truncated")
            << QByteArray("AT+VFSCH=1,0") << Fault::Truncate << -3 << 2 << 0;
        QTest::newRow("mode on BUSY") << QByteArray("AT+VFSCH=3,1") << Fault::Busy << -2 << 12 << 0;
    }

    void writeSchedulesFailures()
    {
        QFETCH(QByteArray, command);
        QFETCH(Fault, fault);
        QFETCH(int, status);
        QFETCH(int, sent);
        QFETCH(int, mode);
        Dosimeter d;
        d.sim->scheduleMode = 1;
        for (int slot = 0; slot < 10; ++slot)
            d.sim->scheduleSlots[slot] =
                slotFields("Old " + QByteArray::number(slot), "08:00", "", "", "09:00");
        const QVector<QByteArray> old = d.sim->scheduleSlots;
        d.dravo->setScheduleListJson(scheduleListJson(
            {scheduleJson("A", 3, "08:00", "12:00"), scheduleJson("B", 4, "08:00", "12:00")}));
        d.instrument()->scriptFault(command, fault);
        QSignalSpy busy(d.dravo, &Device::busy);
        QCOMPARE(d.dravo->writeSchedules(), status);
        QCOMPARE(d.commands().size(), sent);
        QCOMPARE(busy.count(), status == -2 ? 1 : 0);
        QCOMPARE(d.sim->scheduleMode, mode);
        // Slots after the failing one are untouched.
        const int failedSlot = sent - 2;
        for (int slot = qMax(0, failedSlot + 1); slot < 10; ++slot)
            QCOMPARE(d.sim->scheduleSlots.at(slot), old.at(slot));
    }

    // BUSY is announced by every exchange of the model but the schedule read,
    // which leaves a busy slot out.
    void busyIsAnnounced_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("service word") << int(ReadService) << QByteArray("AT+VFSVCCFG?");
        QTest::newRow("configuration query") << int(ReadConfig) << QByteArray("AT+VFXPDUR?");
        QTest::newRow("configuration write") << int(WriteConfig) << QByteArray("AT+VFOCTAVE=");
        QTest::newRow("schedule write") << int(WriteSchedules) << QByteArray("AT+VFSCH=1,1");
    }

    void busyIsAnnounced()
    {
        QFETCH(int, operation);
        QFETCH(QByteArray, command);
        Dosimeter d;
        d.instrument()->scriptFault(command, Fault::Busy);
        QSignalSpy busy(d.dravo, &Device::busy);
        QCOMPARE(run(d, Operation(operation)), -2);
        QCOMPARE(busy.count(), 1);
    }

    // The cable pulled at any command: -3, no crash, and the device records
    // the lost link for Core.
    void droppedLink_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("service word") << int(ReadService) << QByteArray("AT+VFSVCCFG?");
        for (const QByteArray &query : kQueriesWithOctave)
            QTest::addRow("read %s", query.constData()) << int(ReadConfig) << query;
        for (const QByteArray &write : kWindowWrites)
            QTest::addRow("write %s", write.constData()) << int(WriteConfig) << write;
        QTest::newRow("schedule read") << int(ReadSchedules) << QByteArray("AT+VFSCH=0,5");
        QTest::newRow("mode off") << int(WriteSchedules) << QByteArray("AT+VFSCH=3,0");
        QTest::newRow("schedule set") << int(WriteSchedules) << QByteArray("AT+VFSCH=1,1");
        QTest::newRow("schedule clear") << int(WriteSchedules) << QByteArray("AT+VFSCH=2,9");
        QTest::newRow("mode on") << int(WriteSchedules) << QByteArray("AT+VFSCH=3,1");
    }

    void droppedLink()
    {
        QFETCH(int, operation);
        QFETCH(QByteArray, command);
        Dosimeter d;
        d.instrument()->scriptFault(command, Fault::DropLink);
        const int status = run(d, Operation(operation));
        // The limit query alone never fails the configuration read.
        QCOMPARE(status, command == "AT+VFSCH=4" ? 0 : -3);
        QVERIFY(d.dravo->linkError() != 0);
        QVERIFY(!d.instrument()->isConnected());
        QCOMPARE(d.dravo->readConfig(), -3);
    }
};

QTEST_MAIN(TestDravo2Device)
#include "tst_dravo2device.moc"
