#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "SimulatedInstrument.h"
#include "SimulatedKestrum.h"
#include "SimulatedKestrumRuns.h"
#include "SimulatedModels.h"
#include "SimulatedSelection.h"
#include "TestIdle.h"
#include "VfFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Fault = SimulatedInstrument::Fault;

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QDateTime start()
{
    return QDateTime(QDate(2021, 6, 15), QTime(8, 30), Qt::OffsetFromUTC, -3 * 3600);
}

} // namespace

// A "KESTRUM 4" with its expansion boards driven through Core.
class TestKestrum4Core : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatedInstrument> m_instrument;
    std::unique_ptr<Core> m_core;

    // A simulated "KESTRUM 4" holding runs 1, 2 and 3 with 0, 1 and 3
    // expansion boards, selected in Core.
    bool connectMonitor(int records = 12)
    {
        m_instrument.reset(new SimulatedInstrument);
        if (!installSimulatedModel(*m_instrument, "KESTRUM 4"))
            return false;
        const int boards[] = {0, 1, 3};
        for (int i = 0; i < 3; ++i)
            m_instrument->addRun(SimulatedKestrumRuns::makeKestrum4Run(
                i + 1, records, start().addDays(i), boards[i]));
        m_core.reset(new Core);
        return selectSimulatedInstrument(*m_core, *m_instrument, "KESTRUM 4",
                                         TestIdle::QuietLinkMs) &&
               m_core->findExperiments() == 0;
    }

    static QList<QObject *> objects(const QVariant &list) { return list.value<QList<QObject *>>(); }

    QJsonObject experiment() const { return parse(m_core->experiment()); }

private slots:
    void cleanup()
    {
        m_core.reset();
        m_instrument.reset();
    }

    void runsWithTheirBoards()
    {
        QVERIFY(connectMonitor());
        // Nothing is held before the first read.
        QCOMPARE(parse(m_core->configuration()), QJsonObject());
        const QList<QObject *> list = objects(m_core->experimentList());
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(2)->property("exp_Name").toString(), QString("RUN 3"));

        m_instrument->clearCommands();
        QCOMPARE(m_core->createExperiment("[0, 1, 2]"), 0);
        const QList<QByteArray> commands = m_instrument->commands();
        QCOMPARE(commands.mid(2, 5),
                 (QList<QByteArray>{"AT+VFXPHDR=1,1", "AT+VFXPHDR=2,1", "AT+VFXPHDR=3,1",
                                    "AT+VFXPHDR=4,1", "AT+VFXPHDR=8,1"}));

        const int boards[] = {0, 1, 3};
        for (int i = 0; i < 3; ++i) {
            const QJsonObject run = experiment();
            QCOMPARE(run.value("expName"), QJsonValue("RUN " + QString::number(i + 1)));
            const QJsonObject results = run.value("results").toObject();
            QCOMPARE(results.value("numberOfExpansions"), QJsonValue(boards[i]));
            const QJsonArray expansions = results.value("expansionBoardList").toArray();
            QCOMPARE(expansions.size(), boards[i]);
            if (boards[i] > 0) {
                const QJsonObject last = expansions.last().toObject();
                QCOMPARE(last.value("SN").toString(),
                         QString(SimulatedKestrumRuns::boardSerial(boards[i])));
                QCOMPARE(last.value("calibration").toObject().value("certification").toString(),
                         "CERT-EXP" + QString::number(boards[i]));
            }
            QCOMPARE(results.value("wbgtList").toArray().size(), 1 + boards[i]);
            QCOMPARE(results.value("maxMinTemperatures").toArray().size(), 1 + boards[i]);
            const QJsonArray logs = run.value("logList").toArray();
            QCOMPARE(logs.size(), 12);
            const QJsonArray records =
                logs.at(11).toObject().value("enviromentalFactorsList").toArray();
            QCOMPARE(records.size(), 1 + boards[i]);
            const QJsonObject lastBoard = records.last().toObject();
            QCOMPARE(lastBoard.value("globeTemperature").toString(),
                     QString(SimulatedKestrumRuns::readingText(12, boards[i],
                                                               SimulatedKestrumRuns::Globe)));
            QVERIFY(lastBoard.value("waterLevel").isDouble());
            QVERIFY(lastBoard.value("tiltStatus").isDouble());
            m_core->nextExp();
        }
    }

    void faults_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("lastCommand");
        QTest::newRow("BUSY at page 2") << QByteArray("AT+VFXPHDR=2,") << int(Fault::Busy) << -1
                                        << QByteArray("AT+VFXPHDR=2,1");
        QTest::newRow("ERROR at page 4") << QByteArray("AT+VFXPHDR=4,") << int(Fault::Error) << -1
                                         << QByteArray("AT+VFXPHDR=4,1");
        QTest::newRow("link dropped at page 4")
            << QByteArray("AT+VFXPHDR=4,") << int(Fault::DropLink) << -3
            << QByteArray("AT+VFXPHDR=4,1");
    }

    void faults()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(int, result);
        QFETCH(QByteArray, lastCommand);
        QVERIFY(connectMonitor());
        m_instrument->scriptFault(command, Fault(fault));
        m_instrument->clearCommands();
        QSignalSpy lost(m_core.get(), &Core::deviceDisconnected);
        QCOMPARE(m_core->createExperiment("[0]"), result);
        QCOMPARE(m_instrument->commands().last(), lastCommand);
        QCOMPARE(lost.count(), result == -3 ? 1 : 0);
    }

    void refusedIntervalKeepsTheConfiguration()
    {
        QVERIFY(connectMonitor());
        QCOMPARE(m_core->acquireConfiguration(), 0);
        const QString held = m_core->configuration();
        QCOMPARE(parse(held).value("productName"), QJsonValue("KESTRUM 4"));
        m_instrument->scriptFault("AT+VFINTVL?", Fault::Error);
        QCOMPARE(m_core->acquireConfiguration(), -1);
        QCOMPARE(m_core->configuration(), held);
    }

    void threeRunsSavedAndOpened()
    {
        QVERIFY(connectMonitor(5));
        QCOMPARE(m_core->createExperiment("[0, 1, 2]"), 0);
        QList<QJsonObject> runs{experiment()};
        m_core->nextExp();
        runs.append(experiment());
        m_core->nextExp();
        runs.append(experiment());
        QTemporaryDir dir;
        const QString path = dir.filePath("boards");
        QCOMPARE(m_core->saveExperimentToFile(QUrl::fromLocalFile(path).toString()), 0);

        Core reader;
        QSignalSpy opened(&reader, &Core::experimentUpdated);
        reader.parseFile(QUrl::fromLocalFile(path + ".ks4").toString());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().toInt(), -2);
        QCOMPARE(reader.devName(), QString("KESTRUM 4"));
        for (const QJsonObject &run : runs) {
            QCOMPARE(parse(reader.experiment()), run);
            reader.nextExp();
        }
    }

    void fileValuesStayAsWritten()
    {
        const QJsonObject board{{"SN", "EXP0001"}, {"calibration", QJsonObject()}};
        const QJsonObject results{{"numberOfExpansions", 1},
                                  {"expansionBoardList", QJsonArray{board, board, board}}};
        const QJsonArray body{QJsonObject{{"index", 12}, {"results", results}},
                              QJsonObject{{"index", "12"}, {"expName", "Kiln"}}};
        QJsonObject root = DataFileEnvelope::document("test", {{"name", "KESTRUM 4"}}, {}).object();
        root.insert("Body", body);
        QTemporaryDir dir;
        const QString path = dir.filePath("written.ks4");
        QCOMPARE(VfFile::write(path, DataFileEnvelope::encode(QJsonDocument(root))), 0);

        Core reader;
        reader.parseFile(path);
        const QJsonObject first = parse(reader.experiment());
        QCOMPARE(first.value("index"), QJsonValue("0"));
        const QJsonObject read = first.value("results").toObject();
        QCOMPARE(read.value("numberOfExpansions"), QJsonValue(1));
        QCOMPARE(read.value("expansionBoardList").toArray().size(), 3);
        reader.nextExp();
        QCOMPARE(parse(reader.experiment()).value("index"), QJsonValue("12"));
        QCOMPARE(parse(reader.experiment()).value("expName"), QJsonValue("Kiln"));
    }
};

QTEST_MAIN(TestKestrum4Core)
#include "tst_kestrum4core.moc"
