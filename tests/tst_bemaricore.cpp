#include "Core.h"
#include "SimulatedBemariCore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using Fault = SimulatedInstrument::Fault;
using Commands = QList<QByteArray>;

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QString settings(const QString &time, const QString &frequency, const QString &octave)
{
    const QJsonObject object{{"productName", "BEMARI"},
                             {"timeWeighting", time},
                             {"frequencyWeighting", frequency},
                             {"octaveAnalysis", octave}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The setting commands among those the instrument received.
Commands settingCommands(const SimulatedInstrument &instrument)
{
    Commands kept;
    for (const QByteArray &command : instrument.commands()) {
        if (command.startsWith("AT+VFFQWGHT") || command.startsWith("AT+VFTMWGHT") ||
            command.startsWith("AT+VFOCTAVE"))
            kept.append(command);
    }
    return kept;
}

const Commands kQueries{"AT+VFFQWGHT?", "AT+VFTMWGHT?", "AT+VFOCTAVE?"};
const Commands kWrites{"AT+VFFQWGHT=\"C\"", "AT+VFTMWGHT=\"Fast\"", "AT+VFOCTAVE=\"1/3\""};

} // namespace

// The sound level meters driven through Core as the pages drive them: the
// search, the service word, and the three settings read and written.
class TestBemariCore : public QObject
{
    Q_OBJECT

private slots:
    void searchFindsTheModelAndReadsTheServiceWord_data() { addBemariModelRows(); }
    void searchFindsTheModelAndReadsTheServiceWord()
    {
        QFETCH(QByteArray, model);
        SimulatedBemariCore rig(model);
        rig.state->serviceConfig = 7;
        QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
        QCOMPARE(rig.select(), 0);
        QCOMPARE(rig.core->devName(), QString(model));
        QCOMPARE(rig.instrument->commands(), Commands{"AT+VFSVCCFG?"});

        // A busy instrument gives -2 here without the busy dialog.
        rig.instrument->scriptFault("AT+VFSVCCFG?", Fault::Busy);
        QCOMPARE(rig.core->createDevice(0), -2);
        QCOMPARE(busy.count(), 0);
    }

    void settingsAreReadAndWritten_data() { addBemariModelRows(); }
    void settingsAreReadAndWritten()
    {
        QFETCH(QByteArray, model);
        SimulatedBemariCore rig(model);
        QCOMPARE(rig.select(), 0);
        rig.state->frequencyWeighting = "Z";
        rig.state->timeWeighting = "Impulse";
        rig.state->octaveAnalysis = "1/3";
        QSignalSpy updated(rig.core.get(), &Core::configurationUpdated);
        QCOMPARE(rig.core->acquireConfiguration(), 0);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(settingCommands(*rig.instrument), kQueries);
        const QJsonObject expected{{"productName", QString(model)},
                                   {"timeWeighting", "Impulse"},
                                   {"frequencyWeighting", "Z"},
                                   {"octaveAnalysis", "1/3"}};
        QCOMPARE(parse(rig.core->configuration()), expected);

        rig.instrument->clearCommands();
        QCOMPARE(rig.core->sndConfiguration(settings("Fast", "C", "1/3")), 0);
        QCOMPARE(settingCommands(*rig.instrument), kWrites);
        QCOMPARE(rig.state->frequencyWeighting, QByteArray("C"));
        QCOMPARE(rig.state->timeWeighting, QByteArray("Fast"));
        QCOMPARE(rig.state->octaveAnalysis, QByteArray("1/3"));
    }

    void unsafeOrUnknownValuesSendNothing_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("quote") << settings("Fast\"", "C", "1/3");
        QTest::newRow("comma") << settings("Fast", "C,A", "1/3");
        QTest::newRow("carriage return") << settings("Fast", "C", "1/3\rAT+VFERSMM");
        QTest::newRow("line feed") << settings("Fast\nAT+VFERSMM", "C", "1/3");
        QTest::newRow("outside the set") << settings("Fast", "B", "1/3");
        QTest::newRow("other case") << settings("fast", "C", "1/3");
        QTest::newRow("a setting missing") << QString(R"({"octaveAnalysis": "1/3"})");
        QTest::newRow("no JSON") << QString("Fast,C,1/3");
    }

    void unsafeOrUnknownValuesSendNothing()
    {
        QFETCH(QString, json);
        for (const QByteArray model : {"BEMARI", "BEMARI+"}) {
            SimulatedBemariCore rig(model);
            QCOMPARE(rig.select(), 0);
            const QString held = rig.core->configuration();
            QSignalSpy refused(rig.core.get(), &Core::configurationError);
            QCOMPARE(rig.core->sndConfiguration(json), -1);
            QCOMPARE(refused.count(), 1);
            QCOMPARE(rig.instrument->commands(), Commands{"AT+VFSVCCFG?"});
            QCOMPARE(rig.core->configuration(), held);
        }
    }

    void readFaults_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("busySignals");
        QTest::newRow("ERROR") << Fault::Error << -1 << 0;
        QTest::newRow("BUSY") << Fault::Busy << -2 << 1;
        QTest::newRow("silence") << Fault::Silence << -3 << 0;
        QTest::newRow("truncated") << Fault::Truncate << -3 << 0;
    }

    void readFaults()
    {
        QFETCH(Fault, fault);
        QFETCH(int, result);
        QFETCH(int, busySignals);
        for (const QByteArray model : {"BEMARI", "BEMARI+"}) {
            SimulatedBemariCore rig(model);
            QCOMPARE(rig.select(), 0);
            const QString held = rig.core->configuration();
            QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
            QSignalSpy updated(rig.core.get(), &Core::configurationUpdated);
            rig.instrument->scriptFault("AT+VFTMWGHT?", fault);
            QCOMPARE(rig.core->acquireConfiguration(), result);
            QCOMPARE(settingCommands(*rig.instrument), kQueries.mid(0, 2));
            QCOMPARE(busy.count(), busySignals);
            QCOMPARE(updated.count(), 0);
            QCOMPARE(rig.core->configuration(), held);
            QVERIFY(rig.core->currentDevice());
        }
    }

    void writeFaults_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("busySignals");
        QTest::newRow("ERROR") << Fault::Error << -1 << 0;
        QTest::newRow("BUSY") << Fault::Busy << -2 << 1;
        QTest::newRow("silence") << Fault::Silence << -3 << 0;
        QTest::newRow("a value before OK") << Fault::Reply << -3 << 0;
    }

    void writeFaults()
    {
        QFETCH(Fault, fault);
        QFETCH(int, result);
        QFETCH(int, busySignals);
        const QByteArray reply = "\r\n+VFFQWGHT: \"A\"\r\n\r\nOK\r\n";
        for (const QByteArray model : {"BEMARI", "BEMARI+"}) {
            SimulatedBemariCore rig(model);
            QCOMPARE(rig.select(), 0);
            QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
            rig.instrument->scriptFault("AT+VFFQWGHT=", fault, 1, reply);
            QCOMPARE(rig.core->sndConfiguration(settings("Fast", "C", "1/3")), result);
            // Nothing is sent after the write that failed.
            QCOMPARE(settingCommands(*rig.instrument), kWrites.mid(0, 1));
            QCOMPARE(busy.count(), busySignals);
            QCOMPARE(rig.state->timeWeighting, QByteArray("Slow"));
        }
    }

    void droppedLinkIsReported_data() { addBemariModelRows(); }
    void droppedLinkIsReported()
    {
        QFETCH(QByteArray, model);
        SimulatedBemariCore rig(model);
        QCOMPARE(rig.select(), 0);
        QSignalSpy disconnected(rig.core.get(), &Core::deviceDisconnected);
        rig.instrument->scriptFault("AT+VFOCTAVE?", Fault::DropLink);
        QCOMPARE(rig.core->acquireConfiguration(), -3);
        QCOMPARE(disconnected.count(), 1);
        QVERIFY(!rig.core->currentDevice());
    }

    // The "BEMARI+" may answer ERROR to a time weighting it took: the write
    // then stands when the instrument holds exactly that value.
    void plusTimeWeightingErrorIsCheckedByReadingBack_data()
    {
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<int>("result");
        QTest::newRow("held as written") << QByteArray("Fast") << 0;
        QTest::newRow("held in other case") << QByteArray("fast") << -1;
        QTest::newRow("not taken") << QByteArray("Slow") << -1;
    }

    void plusTimeWeightingErrorIsCheckedByReadingBack()
    {
        QFETCH(QByteArray, held);
        QFETCH(int, result);
        SimulatedBemariCore rig("BEMARI+");
        QCOMPARE(rig.select(), 0);
        rig.state->timeWeighting = held;
        rig.instrument->scriptFault("AT+VFTMWGHT=", Fault::Error);
        QCOMPARE(rig.core->sndConfiguration(settings("Fast", "C", "1/3")), result);
        Commands expected{kWrites.at(0), kWrites.at(1), "AT+VFTMWGHT?"};
        if (result == 0)
            expected.append(kWrites.at(2));
        QCOMPARE(settingCommands(*rig.instrument), expected);

        // The "BEMARI" takes ERROR as the instrument refusing the value.
        SimulatedBemariCore twin("BEMARI");
        QCOMPARE(twin.select(), 0);
        twin.state->timeWeighting = "Fast";
        twin.instrument->scriptFault("AT+VFTMWGHT=", Fault::Error);
        QCOMPARE(twin.core->sndConfiguration(settings("Fast", "C", "1/3")), -1);
        QCOMPARE(settingCommands(*twin.instrument), kWrites.mid(0, 2));
    }

    // Only the value itself read back makes the write stand: any other
    // answer to the read-back, BUSY included, refuses it without telling the
    // user the instrument is busy, and nothing more is written.
    void plusReadBackOtherThanTheValueRefusesTheWrite_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::newRow("BUSY") << Fault::Busy;
        QTest::newRow("ERROR") << Fault::Error;
        QTest::newRow("silence") << Fault::Silence;
        QTest::newRow("truncated") << Fault::Truncate;
    }

    void plusReadBackOtherThanTheValueRefusesTheWrite()
    {
        QFETCH(Fault, fault);
        SimulatedBemariCore rig("BEMARI+");
        QCOMPARE(rig.select(), 0);
        rig.state->timeWeighting = "Fast";
        QSignalSpy busy(rig.core.get(), &Core::deviceBusy);
        rig.instrument->scriptFault("AT+VFTMWGHT=", Fault::Error);
        rig.instrument->scriptFault("AT+VFTMWGHT?", fault);
        QCOMPARE(rig.core->sndConfiguration(settings("Fast", "C", "1/3")), -1);
        QCOMPARE(busy.count(), 0);
        QCOMPARE(settingCommands(*rig.instrument),
                 (Commands{kWrites.at(0), kWrites.at(1), "AT+VFTMWGHT?"}));
    }
};

QTEST_MAIN(TestBemariCore)
#include "tst_bemaricore.moc"
