#include "Core.h"
#include "DeviceDateTime.h"
#include "SimulatedBemariCore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

using Fault = SimulatedInstrument::Fault;
using Commands = QList<QByteArray>;
using Header = SimulatedBemariRuns::Header;

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QList<QObject *> objects(const QVariant &list)
{
    return list.value<QList<QObject *>>();
}

QDateTime start()
{
    return parseDeviceDateTime("24/05/13,08:15:00-12");
}

Commands downloadCommands(int index, int records)
{
    Commands commands;
    for (int first = 1; first <= records; first += 10)
        commands.append("AT+VFRDXP=" + QByteArray::number(index) + "," + QByteArray::number(first) +
                        "," + QByteArray::number(qMin(first + 9, records)));
    for (int page : {1, 2, 3, 4, 5, 8})
        commands.append("AT+VFXPHDR=" + QByteArray::number(page) + "," + QByteArray::number(index));
    return commands;
}

} // namespace

// Listing and downloading sound level meter runs through Core, and the
// exposure components of the downloaded chain.
class TestBemariDownload : public QObject
{
    Q_OBJECT

private slots:
    void runListAndDownload_data() { addBemariModelRows(); }
    void runListAndDownload()
    {
        QFETCH(QByteArray, model);
        SimulatedBemariCore rig(model);
        Header first;
        first.name = "DOCK";
        first.levels = {{2, ""}, {3, "OL"}};
        rig.addRun(3, 25, start(), first);
        Header second;
        second.name = "YARD";
        rig.addRun(8, 4, start().addDays(1), second);
        QCOMPARE(rig.select(), 0);

        QCOMPARE(rig.core->findExperiments(), 0);
        const QList<QObject *> list = objects(rig.core->experimentList());
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.at(0)->property("index").toInt(), 3);
        QCOMPARE(list.at(0)->property("size").toInt(), 25);
        QCOMPARE(list.at(0)->property("dateTime").toDateTime(), start());
        QCOMPARE(list.at(1)->property("exp_Name").toString(), QString("YARD"));

        QSignalSpy progress(rig.core.get(), &Core::progressBarUpdated);
        rig.instrument->clearCommands();
        QCOMPARE(rig.core->createExperiment("[0, 1]"), 0);
        QCOMPARE(rig.instrument->commands(), downloadCommands(3, 25) + downloadCommands(8, 4));
        QVERIFY(progress.count() >= 4);
        QCOMPARE(progress.last().first().toDouble(), 100.0);

        const QJsonObject run = parse(rig.core->experiment());
        QCOMPARE(run.value("index"), QJsonValue("3"));
        QCOMPARE(run.value("size"), QJsonValue("25"));
        QCOMPARE(run.value("eventIndex"), QJsonValue(1));
        QCOMPARE(run.value("expName"), QJsonValue("DOCK"));
        QCOMPARE(run.value("deviceName"), QJsonValue(QString(model)));
        const QJsonArray logs = run.value("logList").toArray();
        QCOMPARE(logs.size(), 25);
        QCOMPARE(logs.at(0).toObject().value("level").toString(),
                 QString(SimulatedBemariRuns::defaultLevel(1)));
        QCOMPARE(logs.at(1).toObject().value("level"), QJsonValue("---"));
        QCOMPARE(logs.at(2).toObject().value("level"), QJsonValue("OL"));
        QCOMPARE(logs.at(24).toObject().value("date"),
                 QJsonValue(formatDeviceDateTime(start().addSecs(24))));
        QCOMPARE(logs.at(0).toObject().contains("interval"), rig.plus());
        const QJsonObject results = run.value("results").toObject();
        QCOMPARE(results.value("label"), QJsonValue("ROOM 2"));
        QCOMPARE(results.value("durationStr"), QJsonValue("00:00:25"));
        QCOMPARE(results.value("leqList").toArray().size(), 10);
        QCOMPARE(results.value("l50"), QJsonValue("76.90"));
        QCOMPARE(results.value("stopReason"), QJsonValue("USER"));
        QCOMPARE(results.value("LAEq").toString(), QString(rig.plus() ? "78.30" : ""));
        QCOMPARE(results.contains("LAEq"), rig.plus());
        QCOMPARE(results.value("lFMax"), rig.plus() ? QJsonValue("") : QJsonValue("94.70"));

        rig.core->nextExp();
        const QJsonObject next = parse(rig.core->experiment());
        QCOMPARE(next.value("eventIndex"), QJsonValue(2));
        QCOMPARE(next.value("expName"), QJsonValue("YARD"));
    }

    void recordFaults_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("ERROR") << Fault::Error << QByteArray() << -1;
        QTest::newRow("BUSY") << Fault::Busy << QByteArray() << -2;
        QTest::newRow("silence") << Fault::Silence << QByteArray() << -1;
        QTest::newRow("truncated") << Fault::Truncate << QByteArray() << -1;
        QTest::newRow("record of five fields")
            << Fault::Reply
            << QByteArray("\r\n+VFRDXP: 8,1,0,\"24/05/14,08:15:00-12\"\r\n\r\nOK\r\n") << -1;
        QTest::newRow("dropped link") << Fault::DropLink << QByteArray() << -3;
    }

    void recordFaults()
    {
        QFETCH(Fault, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        for (const QByteArray model : {"BEMARI", "BEMARI+"}) {
            SimulatedBemariCore rig(model);
            rig.addRun(3, 12, start());
            rig.addRun(8, 4, start().addDays(1));
            QCOMPARE(rig.select(), 0);
            QCOMPARE(rig.core->findExperiments(), 0);
            QSignalSpy disconnected(rig.core.get(), &Core::deviceDisconnected);
            rig.instrument->scriptFault("AT+VFRDXP=8,", fault, 1, reply);
            QCOMPARE(rig.core->createExperiment("[0, 1]"), result);
            QCOMPARE(disconnected.count(), result == -3 ? 1 : 0);
            const QJsonObject kept = parse(rig.core->experiment());
            if (result == -3) {
                QVERIFY(kept.isEmpty());
                continue;
            }
            // The run downloaded before the fault stays, alone in the chain.
            QCOMPARE(kept.value("index"), QJsonValue("3"));
            rig.core->nextExp();
            QCOMPARE(parse(rig.core->experiment()), kept);
        }
    }

    void exposureComponentsFollowTheChain_data() { addBemariModelRows(); }
    void exposureComponentsFollowTheChain()
    {
        QFETCH(QByteArray, model);
        SimulatedBemariCore rig(model);
        Header first;
        first.label = "PRESS";
        rig.addRun(4, 3, start(), first);
        Header second;
        second.label = "LATHE";
        rig.addRun(9, 3, start().addDays(1), second);
        QCOMPARE(rig.select(), 0);
        QCOMPARE(rig.core->findExperiments(), 0);
        QCOMPARE(rig.core->createExperiment("[0, 1]"), 0);

        const QList<QObject *> components = objects(rig.core->expCompList());
        QCOMPARE(components.size(), 2);
        QCOMPARE(components.at(0)->property("event").toInt(), 4);
        QCOMPARE(components.at(1)->property("event").toInt(), 9);
        QCOMPARE(components.at(0)->property("label").toString(), QString("PRESS"));
        QCOMPARE(components.at(1)->property("label").toString(), QString("LATHE"));
        // The "BEMARI+" gives its A-weighted levels.
        QCOMPARE(components.at(0)->property("lEq").toString(), QString("78.30"));
        QCOMPARE(components.at(0)->property("lFMax").toString(), QString("94.70"));
        // The time of the maximum: F-weighted on the "BEMARI+", a second after
        // the page's first.
        QCOMPARE(components.at(0)->property("lMaxDateTime").toDateTime(),
                 start().addSecs(rig.plus() ? 43 : 42));

        const QList<QObject *> again = objects(rig.core->expCompList());
        QCOMPARE(again.size(), 2);
        QVERIFY(again.at(0) != components.at(0));
        QCOMPARE(again.at(1)->property("event").toInt(), 9);
        qDeleteAll(components);
        qDeleteAll(again);
    }
};

QTEST_MAIN(TestBemariDownload)
#include "tst_bemaridownload.moc"
