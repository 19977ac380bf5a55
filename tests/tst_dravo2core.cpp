#include "Core.h"
#include "Device.h"
#include "SimulatedDravo2.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
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

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QString text(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject schedule(int day, const QString &label, const QString &start, const QString &stop)
{
    return {{"monthDay", day},
            {"label", label},
            {"pausable", false},
            {"startTime", start},
            {"stopTime", stop}};
}

} // namespace

// A "DRAVO 2" driven through Core, as the pages drive it.
class TestDravo2Core : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatedInstrument> m_instrument;
    std::unique_ptr<Core> m_core;
    SimulatedDravo2 *m_state = nullptr;

    // A simulated dosimeter with `runs` runs of `records` samples, selected
    // in Core. False when it could not be selected.
    bool connectDosimeter(int runs = 3, int records = 25)
    {
        m_instrument.reset(new SimulatedInstrument);
        if (!installSimulatedModel(*m_instrument, "DRAVO 2"))
            return false;
        m_state = SimulatedDravo2::of(m_instrument.get());
        const QDateTime start(QDate(2021, 10, 29), QTime(7, 0));
        for (int index = 1; index <= runs; ++index)
            addSimulatedRun(*m_instrument, index, records, start.addDays(index - 1));
        return selectDosimeter();
    }

    bool selectDosimeter()
    {
        m_core.reset(new Core);
        return selectSimulatedInstrument(*m_core, *m_instrument, "DRAVO 2");
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
        QVERIFY(connectDosimeter());
        QCOMPARE(m_instrument->commands(), QList<QByteArray>{"AT+VFSVCCFG?"});
    }

    void configurationRoundTrip_data()
    {
        QTest::addColumn<int>("serviceWord");
        QTest::addColumn<int>("queries");
        QTest::newRow("octave analysis fitted") << 2 << 9;
        QTest::newRow("no octave analysis") << 0 << 8;
    }

    void configurationRoundTrip()
    {
        QFETCH(int, serviceWord);
        QFETCH(int, queries);
        QVERIFY(connectDosimeter(0));
        // The service word is read when the device is made.
        m_state->serviceConfig = serviceWord;
        QVERIFY(selectDosimeter());
        m_instrument->clearCommands();

        QSignalSpy configured(m_core.get(), &Core::configurationUpdated);
        QSignalSpy calibrated(m_core.get(), &Core::calibrationUpdated);
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QCOMPARE(configured.count(), 1);
        QCOMPARE(calibrated.count(), 1);
        int settingQueries = 0;
        for (const QByteArray &command : m_instrument->commands())
            settingQueries += command.startsWith("AT+VF") && command != "AT+VFCTF?" ? 1 : 0;
        QCOMPARE(settingQueries, queries);

        QJsonObject configuration = parse(m_core->configuration());
        QCOMPARE(configuration.value("productName").toString(), QString("DRAVO 2"));
        QCOMPARE(configuration.value("experimentDuration").toString(), QString("08:00"));

        configuration.insert("experimentDuration", "08:30");
        configuration.insert("frequencyWeighting", "C");
        configuration.insert("criterionLevel", "90");
        if (serviceWord == 0)
            configuration.insert("octaveAnalysis", "");
        m_instrument->clearCommands();
        QCOMPARE(m_core->sndConfiguration(text(configuration)), 0);
        QVERIFY(m_instrument->commands().contains("AT+VFXPDUR=30600"));
        QCOMPARE(m_state->experimentDurationSeconds, 30600);
        QCOMPARE(m_state->frequencyWeighting, QByteArray("C"));
        QCOMPARE(m_state->criterionLevel, 90);
    }

    void unusableConfigurationSendsNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("injected command") << "frequencyWeighting" << QJsonValue("A\r\nAT+VFERSMM");
        QTest::newRow("quote") << "timeWeighting" << QJsonValue("Slow\",\"x");
        QTest::newRow("outside the set") << "frequencyWeighting" << QJsonValue("B");
        QTest::newRow("level not a number") << "criterionLevel" << QJsonValue("85,1");
        QTest::newRow("duration text") << "experimentDuration" << QJsonValue("8h");
    }

    void unusableConfigurationSendsNothing()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QVERIFY(connectDosimeter(0));
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QJsonObject configuration = parse(m_core->configuration());
        configuration.insert(key, value);
        m_instrument->clearCommands();
        QSignalSpy refused(m_core.get(), &Core::configurationError);
        QCOMPARE(m_core->sndConfiguration(text(configuration)), -1);
        QCOMPARE(refused.count(), 1);
        QVERIFY(m_instrument->commands().isEmpty());
        QCOMPARE(m_state->frequencyWeighting, QByteArray("A"));
    }

    void schedulesThroughCore()
    {
        QVERIFY(connectDosimeter(0));
        QCOMPARE(m_core->acquireConfiguration(), 0); // the schedule limit
        QCOMPARE(m_core->acquireScheduleList(), 0);
        QCOMPARE(m_instrument->commandsStartingWith("AT+VFSCH=0,").size(), 10);
        QVERIFY(objects(m_core->virtualSchedulelist()).isEmpty());

        QSignalSpy refused(m_core.get(), &Core::scheduleError);
        QSignalSpy accepted(m_core.get(), &Core::scheduleOk);
        m_core->addSchedule(text(schedule(12, QString::fromUtf8("Früh"), "06:00", "14:00")));
        m_core->addSchedule(text(schedule(12, "Overlap", "13:00", "15:00")));
        m_core->addSchedule(text(schedule(13, "Too long", "06:00", "16:00")));
        m_core->addSchedule(text(schedule(14, "Late", "14:00", "22:00")));
        QCOMPARE(accepted.count(), 2);
        QCOMPARE(refused.count(), 2);
        QCOMPARE(refused.at(0).first().toString(), QString("The schedule is not available."));
        QCOMPARE(refused.at(1).first().toString(), QString("The experiment is too long."));

        QJsonArray list;
        for (QObject *entry : objects(m_core->virtualSchedulelist())) {
            QJsonObject json = schedule(
                entry->property("monthDay").toInt(), entry->property("label").toString(),
                entry->property("startTime").toString(), entry->property("stopTime").toString());
            list.append(json);
        }
        m_instrument->clearCommands();
        QCOMPARE(m_core->sndScheduleList(text({{"scheduleList", list}})), 0);
        const QList<QByteArray> commands = m_instrument->commands();
        QCOMPARE(commands.first(), QByteArray("AT+VFSCH=3,0"));
        QCOMPARE(commands.last(), QByteArray("AT+VFSCH=3,1"));
        QCOMPARE(m_state->programmedSlots(), 2);
        QVERIFY(m_state->scheduleSlots.at(0).startsWith("\"Fr\xfch\","));
        QVERIFY(m_state->scheduleSlots.at(1).startsWith("\"Late\","));
    }

    // MON, TUE and WED in slots 0 to 2, TUE answered busy or not at all: the
    // list keeps TUE's place as unreadable, and a write-back of the list,
    // as read or edited around it, neither clears nor moves TUE.
    void unreadableSlotSurvivesTheWriteBack_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("removeFirst");
        QTest::newRow("BUSY, sent as read") << Fault::Busy << false;
        QTest::newRow("silence, sent as read") << Fault::Silence << false;
        QTest::newRow("BUSY, the first schedule removed") << Fault::Busy << true;
    }

    void unreadableSlotSurvivesTheWriteBack()
    {
        QFETCH(Fault, fault);
        QFETCH(bool, removeFirst);
        QVERIFY(connectDosimeter(0));
        const auto slot = [](const QByteArray &label, const QByteArray &day) {
            return '"' + label + "\",\"21/11/" + day + ",08:00:00+00\",,,\"21/11/" + day +
                   ",12:00:00+00\"";
        };
        m_state->scheduleSlots[0] = slot("MON", "01");
        m_state->scheduleSlots[1] = slot("TUE", "02");
        m_state->scheduleSlots[2] = slot("WED", "03");
        QCOMPARE(m_core->acquireConfiguration(), 0);
        m_instrument->scriptFault("AT+VFSCH=0,1", fault);
        QCOMPARE(m_core->acquireScheduleList(), 0);
        const auto entries = [this] { return objects(m_core->virtualSchedulelist()); };
        QCOMPARE(entries().size(), 3);
        QCOMPARE(entries().at(1)->property("unreadable").toBool(), true);
        QCOMPARE(entries().at(1)->property("index").toInt(), 1);
        QCOMPARE(entries().at(2)->property("label").toString(), QString("WED"));
        // The unreadable entry is not the user's to remove.
        m_core->removeSchedule(1);
        QCOMPARE(entries().size(), 3);
        if (removeFirst)
            m_core->removeSchedule(0);

        // The list as the page sends it: the schedules it can show.
        QJsonArray list;
        for (QObject *entry : entries()) {
            if (!entry->property("unreadable").toBool())
                list.append(schedule(entry->property("monthDay").toInt(),
                                     entry->property("label").toString(),
                                     entry->property("startTime").toString(),
                                     entry->property("stopTime").toString()));
        }
        m_instrument->clearCommands();
        QCOMPARE(m_core->sndScheduleList(text({{"scheduleList", list}})), 0);
        for (const QByteArray &command : m_instrument->commands())
            QVERIFY2(!command.startsWith("AT+VFSCH=1,1,") && command != "AT+VFSCH=2,1", command);
        QCOMPARE(m_state->scheduleSlots.at(1), slot("TUE", "02"));
        QCOMPARE(m_state->scheduleSlots.at(0).left(5),
                 QByteArray(removeFirst ? "\"WED\"" : "\"MON\""));
        QCOMPARE(m_state->scheduleSlots.at(2).left(5), QByteArray(removeFirst ? "" : "\"WED\""));
        QCOMPARE(m_state->programmedSlots(), removeFirst ? 2 : 3);

        // The unreadable slot still counts among the ten.
        QJsonArray ten;
        for (int day = 1; day <= 10; ++day)
            ten.append(schedule(day, "S", "08:00", "09:00"));
        QSignalSpy refused(m_core.get(), &Core::scheduleError);
        QCOMPARE(m_core->sndScheduleList(text({{"scheduleList", ten}})), -1);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(m_state->scheduleSlots.at(1), slot("TUE", "02"));
    }

    // The list the window sends passes the checks of the schedule form, or
    // the instrument gets nothing of it.
    void refusedScheduleListSendsNothing_data()
    {
        QTest::addColumn<QJsonArray>("list");
        QTest::addColumn<QString>("message");
        QJsonArray eleven;
        for (int day = 1; day <= 11; ++day)
            eleven.append(schedule(day, "S", "08:00", "09:00"));
        QTest::newRow("eleven schedules") << eleven << "The dosimeter support up to 10 schedules.";
        QTest::newRow("empty schedule: a whole day")
            << QJsonArray{QJsonObject()} << "The experiment is too long.";
        QTest::newRow("too long") << QJsonArray{schedule(3, "S", "06:00", "16:00")}
                                  << "The experiment is too long.";
        QTest::newRow("overlapping")
            << QJsonArray{schedule(3, "A", "06:00", "10:00"), schedule(3, "B", "09:00", "11:00")}
            << "The schedule is not available.";
        QTest::newRow("quote in a label")
            << QJsonArray{schedule(3, "A\",\"B", "06:00", "10:00")}
            << "The schedule label may hold only Latin-1 characters, no double quote and no line "
               "break.";
    }

    void refusedScheduleListSendsNothing()
    {
        QFETCH(QJsonArray, list);
        QFETCH(QString, message);
        QVERIFY(connectDosimeter(0));
        QCOMPARE(m_core->acquireConfiguration(), 0);
        m_instrument->clearCommands();
        QSignalSpy refused(m_core.get(), &Core::scheduleError);
        QCOMPARE(m_core->sndScheduleList(text({{"scheduleList", list}})), -1);
        QVERIFY(m_instrument->commands().isEmpty());
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.first().first().toString(), message);
        QVERIFY(m_core->currentDevice()->scheduleList().isEmpty());
    }

    void busyAndLostLink()
    {
        QVERIFY(connectDosimeter(0));
        QSignalSpy busy(m_core.get(), &Core::deviceBusy);
        m_instrument->scriptFault("AT+VFTRHLVL?", Fault::Busy);
        QCOMPARE(m_core->acquireConfiguration(), -2);
        QCOMPARE(busy.count(), 1);

        QSignalSpy lost(m_core.get(), &Core::deviceDisconnected);
        m_instrument->scriptFault("AT+VFSCH=0,", Fault::DropLink, 3);
        QCOMPARE(m_core->acquireScheduleList(), -3);
        QCOMPARE(lost.count(), 1);
        QCOMPARE(m_core->acquireConfiguration(), -3);
        QCOMPARE(m_core->sndScheduleList(R"({"scheduleList":[]})"), -3);
        QCOMPARE(m_core->devName(), QString());
    }

    void downloadWorkingHoursAndFiles()
    {
        QVERIFY(connectDosimeter(3, 25));
        QCOMPARE(m_core->findExperiments(), 0);
        QCOMPARE(objects(m_core->experimentList()).size(), 3);

        QSignalSpy progress(m_core.get(), &Core::progressBarUpdated);
        QSignalSpy chain(m_core.get(), &Core::experimentUpdated);
        m_instrument->clearCommands();
        QCOMPARE(m_core->createExperiment("[0, 1, 2]"), 0);
        QCOMPARE(chain.count(), 1);
        QCOMPARE(chain.first().first().toInt(), -2);
        QVERIFY(progress.count() >= 12);
        const QList<QByteArray> commands = m_instrument->commands();
        QCOMPARE(commands.mid(0, 3),
                 QList<QByteArray>({"AT+VFRDXP=1,1,10", "AT+VFRDXP=1,11,20", "AT+VFRDXP=1,21,25"}));
        QCOMPARE(commands.at(3), QByteArray("AT+VFDOSCFG?"));
        for (int page = 1; page <= 8; ++page)
            QCOMPARE(commands.at(3 + page), "AT+VFXPHDR=" + QByteArray::number(page) + ",1");

        const QJsonObject first = experiment();
        QCOMPARE(first.value("deviceName").toString(), QString("DRAVO 2"));
        QCOMPARE(first.value("logList").toArray().size(), 25);
        const QJsonObject results = first.value("results").toObject();
        for (const QString key : {"doseDos1", "doseDos2", "doseDosUSER", "twaDos1", "lavgDosUSER",
                                  "dailyDoseDos1", "neDos2", "nenDosUSER"})
            QVERIFY2(results.contains(key), qPrintable(key));
        QCOMPARE(results.value("doseDos1").toString(), QString("62.50"));

        // New working hours rescale the daily dose; refused hours change nothing.
        QSignalSpy refreshed(m_core.get(), &Core::resultsUpdated);
        const QString dailyBefore = results.value("dailyDoseDos1").toString();
        m_core->refreshWorkingHours(R"({"workingHours":"06:00"})");
        QCOMPARE(refreshed.count(), 1);
        const QJsonObject sixHours = experiment().value("results").toObject();
        QVERIFY(sixHours.value("dailyDoseDos1").toString() != dailyBefore);
        m_core->refreshWorkingHours(R"({"workingHours":"00:00"})");
        QCOMPARE(experiment().value("results").toObject(), sixHours);

        // The chain saved and opened again is the same chain.
        QList<QJsonObject> runs{experiment()};
        m_core->nextExp();
        runs.append(experiment());
        m_core->nextExp();
        runs.append(experiment());
        QTemporaryDir dir;
        const QString path = dir.filePath("three runs");
        QCOMPARE(m_core->saveExperimentToFile(QUrl::fromLocalFile(path).toString()), 0);
        QVERIFY(QFile::exists(path + ".drv"));

        Core reader;
        QSignalSpy opened(&reader, &Core::experimentUpdated);
        QSignalSpy invalid(&reader, &Core::invalidFile);
        reader.parseFile(path + ".drv");
        QCOMPARE(invalid.count(), 0);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(reader.devName(), QString("DRAVO 2"));
        for (int i = 0; i < runs.size(); ++i) {
            QCOMPARE(parse(reader.experiment()), runs.at(i));
            reader.nextExp();
        }
    }

    void runWithoutSamples()
    {
        QVERIFY(connectDosimeter(1, 0));
        QCOMPARE(m_core->findExperiments(), 0);
        QCOMPARE(m_core->createExperiment("[0]"), 0);
        QCOMPARE(m_instrument->commandsStartingWith("AT+VFRDXP").size(), 1);
        const QJsonObject run = experiment();
        QVERIFY(run.value("logList").toArray().isEmpty());
        QCOMPARE(run.value("results").toObject().value("doseDos1").toString(), QString("62.50"));
    }

    void failedHeaderPageKeepsEarlierRuns_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("result");
        QTest::newRow("ERROR") << int(Fault::Error) << -1;
        QTest::newRow("BUSY") << int(Fault::Busy) << -1;
        QTest::newRow("silence") << int(Fault::Silence) << -1;
        QTest::newRow("dropped link") << int(Fault::DropLink) << -3;
    }

    void failedHeaderPageKeepsEarlierRuns()
    {
        QFETCH(int, fault);
        QFETCH(int, result);
        QVERIFY(connectDosimeter(2, 12));
        QCOMPARE(m_core->findExperiments(), 0);
        // Page 3 of the second run.
        m_instrument->scriptFault("AT+VFXPHDR=3", Fault(fault), 2);
        QCOMPARE(m_core->createExperiment("[0, 1]"), result);
        if (result == -3) {
            QVERIFY(experiment().isEmpty());
            QVERIFY(objects(m_core->experimentList()).isEmpty());
            return;
        }
        const QJsonObject kept = experiment();
        QCOMPARE(kept.value("logList").toArray().size(), 12);
        m_core->nextExp();
        QCOMPARE(experiment(), kept);
    }
};

QTEST_MAIN(TestDravo2Core)
#include "tst_dravo2core.moc"
