#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "Experiment.h"
#include "Interface.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedTolvarRuns.h"
#include "TestIdle.h"
#include "VfFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)

namespace {

using Fault = SimulatedInstrument::Fault;

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QDateTime runStart(int index)
{
    return QDateTime(QDate(2024, 5, 17), QTime(7, 0), Qt::OffsetFromUTC, -3 * 3600).addDays(index);
}

} // namespace

// The air-sampling pumps driven through Core against simulated pumps, as the
// pages drive them: search, run list, download, save and reopen.
class TestTolvarCore : public QObject
{
    Q_OBJECT

private:
    std::vector<std::unique_ptr<SimulatedInstrument>> m_pumps;
    std::unique_ptr<Core> m_core;

    SimulatedInstrument &pump() { return *m_pumps.front(); }

    // Simulated pumps of the given models, each holding `runs` runs of
    // `records` samples (indexes 1, 2, ...), found by a fresh Core.
    void search(const QList<QByteArray> &models, int runs = 3, int records = 25)
    {
        QStringList ports;
        for (const QByteArray &model : models) {
            m_pumps.emplace_back(new SimulatedInstrument);
            QVERIFY(installSimulatedModel(*m_pumps.back(), model));
            for (int index = 1; index <= runs; ++index)
                addSimulatedRun(*m_pumps.back(), index, records, runStart(index));
            ports.append(m_pumps.back()->portPath());
        }
        qputenv("VALTRIX_EXTRA_PORTS", ports.join(':').toLocal8Bit());
        m_core.reset(new Core);
        m_core->findDevices();
    }

    // One pump of `model`, selected and its runs listed.
    bool connectPump(const QByteArray &model, int runs = 3, int records = 25)
    {
        search({model}, runs, records);
        pump().clearCommands();
        if (m_core->createDevice(0) != 0)
            return false;
        m_core->currentDevice()->interface()->setIdleTimeout(TestIdle::SilencedLinkMs);
        return m_core->findExperiments() == 0;
    }

    QList<QObject *> listed() const { return m_core->experimentList().value<QList<QObject *>>(); }

    QJsonObject experiment() const { return parse(m_core->experiment()); }

    // The JSON of every run of the current chain, head first.
    QList<QJsonObject> chainJson()
    {
        QList<QJsonObject> runs;
        Experiment *current = m_core->currentExperiment();
        for (Experiment *run = current ? current->first() : nullptr; run; run = run->next())
            runs.append(run->toJson());
        return runs;
    }

    static void models()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::newRow("TOLVAR 3 PLUS") << QByteArray("TOLVAR 3 PLUS");
        QTest::newRow("TOLVAR 4") << QByteArray("TOLVAR 4");
    }

    // Sets the flow and backpressure fields of run `index`'s records.
    void setSamples(int index, const QList<QPair<QByteArray, QByteArray>> &values)
    {
        SimulatedInstrument::Run *run = pump().run(index);
        QVERIFY(run);
        run->records = run->records.mid(0, values.size());
        for (int i = 0; i < values.size(); ++i) {
            QList<QByteArray> fields = run->records.at(i).split(',');
            fields[5] = values.at(i).first;
            fields[7] = values.at(i).second;
            run->records[i] = fields.join(',');
        }
        run->listEntry.replace(",25,", "," + QByteArray::number(values.size()) + ",");
    }

private slots:
    void cleanup()
    {
        m_core.reset();
        m_pumps.clear();
        qunsetenv("VALTRIX_EXTRA_PORTS");
    }

    void searchFindsBothPumps()
    {
        search({"TOLVAR 3 PLUS", "TOLVAR 4"});
        const QList<QObject *> found = m_core->deviceList().value<QList<QObject *>>();
        QCOMPARE(found.size(), 2);
        QStringList names;
        for (QObject *device : found)
            names.append(device->property("productName").toString());
        QCOMPARE(names, (QStringList{"TOLVAR 3 PLUS", "TOLVAR 4"}));
        for (int i = 0; i < 2; ++i) {
            m_pumps.at(size_t(i))->clearCommands();
            QCOMPARE(m_core->createDevice(i), 0);
            QCOMPARE(m_core->devName(), names.at(i));
            // A pump has no service word to read.
            QVERIFY(m_pumps.at(size_t(i))->commands().isEmpty());
        }
    }

    void downloadsAChainOfTwoRuns_data() { models(); }

    void downloadsAChainOfTwoRuns()
    {
        QFETCH(QByteArray, model);
        QVERIFY(connectPump(model));
        const QList<QObject *> runs = listed();
        QCOMPARE(runs.size(), 3);
        QCOMPARE(runs.at(2)->property("index").toInt(), 3);
        QCOMPARE(runs.at(2)->property("size").toInt(), 25);
        QCOMPARE(runs.at(2)->property("exp_Name").toString(), QString("PUMP RUN 3"));
        QCOMPARE(runs.at(2)->property("dateTime").toDateTime(), runStart(3));
        QCOMPARE(runs.at(2)->property("status").toInt(), model == "TOLVAR 4" ? 1 : 0);

        pump().clearCommands();
        QSignalSpy progress(m_core.get(), &Core::progressBarUpdated);
        QSignalSpy updated(m_core.get(), &Core::experimentUpdated);
        QCOMPARE(m_core->createExperiment("[0, 2]"), 0);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.first().first().toInt(), int(Experiment::Head));
        QVERIFY(progress.count() >= 6);
        QCOMPARE(progress.last().first().toDouble(), 100.0);
        const QList<QByteArray> expected{
            "AT+VFRDXP=1,1,10", "AT+VFRDXP=1,11,20", "AT+VFRDXP=1,21,25", "AT+VFXPHDR=1,1",
            "AT+VFRDXP=3,1,10", "AT+VFRDXP=3,11,20", "AT+VFRDXP=3,21,25", "AT+VFXPHDR=1,3"};
        QCOMPARE(pump().commands(), expected);

        const QList<QJsonObject> chain = chainJson();
        QCOMPARE(chain.size(), 2);
        const QJsonObject tail = chain.at(1);
        QCOMPARE(tail.value("index"), QJsonValue("3"));
        QCOMPARE(tail.value("deviceName"), QJsonValue(QString(model)));
        QCOMPARE(tail.value("eventIndex"), QJsonValue(2));
        const QJsonArray samples = tail.value("logList").toArray();
        QCOMPARE(samples.size(), 25);
        const QJsonObject last = samples.at(24).toObject();
        QCOMPARE(last.value("Flow").toDouble(), SimulatedTolvarRuns::sampleFlow(25));
        QCOMPARE(last.value("BackPressure").toDouble(),
                 SimulatedTolvarRuns::sampleBackPressure(25) / 10.0);
        QCOMPARE(last.value("date").toString(),
                 runStart(3).addSecs(24 * 60).toString("yy/MM/dd,hh:mm:ss") + "-12");

        const QJsonObject results = tail.value("results").toObject();
        const SimulatedTolvarRuns::Header header;
        QCOMPARE(results.value("label"), QJsonValue(QString(header.label)));
        QCOMPARE(results.value("samplerTypeLabel"), QJsonValue(QString(header.samplerType)));
        QCOMPARE(results.value("flowSet"), QJsonValue(2.0));
        QCOMPARE(results.value("backpressure"), QJsonValue(2.4));
        QCOMPARE(results.value("timeSet"), QJsonValue("08:00:00"));
        QCOMPARE(results.value("pause"), QJsonValue("300"));
        QCOMPARE(results.value("startTime"), QJsonValue("24/05/20,07:00:00-12"));
        // 25 samples a minute apart, the pause, and the last sample's minute.
        QCOMPARE(results.value("durationStr"), QJsonValue("00:30:00"));
        QCOMPARE(results.contains("expStatus"), model == "TOLVAR 4");
        double max = 0, min = 10, sum = 0;
        for (int number = 1; number <= 25; ++number) {
            const double flow = SimulatedTolvarRuns::sampleFlow(number);
            max = qMax(max, flow);
            min = qMin(min, flow);
            sum += flow;
        }
        QCOMPARE(results.value("flowMax").toDouble(), max);
        QCOMPARE(results.value("flowMin").toDouble(), min);
        QCOMPARE(results.value("flowAvg").toDouble(), sum / 25);
        // The current run is the head; what QML reads is its JSON.
        QCOMPARE(experiment(), chain.at(0));
        QVERIFY(pump().commandsStartingWith("AT+VFXPHDR=8,").isEmpty());
        QVERIFY(pump().commandsStartingWith("AT+VFSVCCFG").isEmpty());
    }

    void statisticsOverTheDownloadedSamples()
    {
        QVERIFY(connectPump("TOLVAR 4", 1));
        setSamples(1, {{"1.0", "125"}, {"3.0", "100"}, {"2.0", "150"}});
        QVERIFY(m_core->findExperiments() == 0);
        QCOMPARE(m_core->createExperiment("[0]"), 0);
        const QJsonObject json = experiment();
        QCOMPARE(json.value("logList").toArray().at(0).toObject().value("BackPressure"),
                 QJsonValue(12.5));
        const QJsonObject results = json.value("results").toObject();
        QCOMPARE(results.value("flowMax"), QJsonValue(3.0));
        QCOMPARE(results.value("flowMin"), QJsonValue(1.0));
        QCOMPARE(results.value("flowAvg"), QJsonValue(2.0));
        QCOMPARE(results.value("backpressureMax"), QJsonValue(15.0));
        QCOMPARE(results.value("backpressureMin"), QJsonValue(10.0));
        QCOMPARE(results.value("backpressureAvg"), QJsonValue(12.5));
    }

    void failedRunKeepsTheRunsBefore_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("busy");
        const QByteArray header = "AT+VFXPHDR=1,3";
        QTest::newRow("header ERROR") << header << Fault::Error << QByteArray() << -1 << 0;
        QTest::newRow("header BUSY") << header << Fault::Busy << QByteArray() << -1 << 1;
        QTest::newRow("header silence") << header << Fault::Silence << QByteArray() << -1 << 0;
        QTest::newRow("header cut short") << header << Fault::Truncate << QByteArray() << -1 << 0;
        QTest::newRow("short header page")
            << header << Fault::Reply
            << QByteArray("\r\n+VFXPHDR: 1,3,\"AREA 2\",\"CASSETTE\",60\r\n\r\nOK\r\n") << -1 << 0;
        QTest::newRow("header page 2")
            << header << Fault::Reply
            << QByteArray("\r\n+VFXPHDR: 2,3,a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s\r\n\r\nOK\r\n")
            << -1 << 0;
        QTest::newRow("records ERROR")
            << QByteArray("AT+VFRDXP=3,11") << Fault::Error << QByteArray() << -1 << 0;
        QTest::newRow("short record")
            << QByteArray("AT+VFRDXP=3,11") << Fault::Reply
            << QByteArray("\r\n+VFRDXP: 3,11,0,\"24/05/20,07:10:00-12\",2.0\r\n\r\nOK\r\n") << -1
            << 0;
        QTest::newRow("link lost at the header")
            << header << Fault::DropLink << QByteArray() << -3 << 0;
        QTest::newRow("link lost at the records")
            << QByteArray("AT+VFRDXP=3,") << Fault::DropLink << QByteArray() << -3 << 0;
    }

    void failedRunKeepsTheRunsBefore()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(Fault, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, busy);
        QVERIFY(connectPump("TOLVAR 3 PLUS"));
        pump().scriptFault(prefix, fault, 1, reply);
        QSignalSpy busySignals(m_core.get(), &Core::deviceBusy);
        QSignalSpy disconnected(m_core.get(), &Core::deviceDisconnected);
        QSignalSpy updated(m_core.get(), &Core::experimentUpdated);
        QCOMPARE(m_core->createExperiment("[0, 2]"), result);
        QCOMPARE(busySignals.count(), busy);
        QCOMPARE(disconnected.count(), result == -3 ? 1 : 0);
        if (result == -3) {
            QVERIFY(!m_core->currentDevice());
            QVERIFY(!m_core->currentExperiment());
            return;
        }
        // The first run stays, whole, and the pages are told; the failed one
        // is not in the chain.
        QCOMPARE(updated.count(), 1);
        const QList<QJsonObject> chain = chainJson();
        QCOMPARE(chain.size(), 1);
        QCOMPARE(chain.first().value("index"), QJsonValue("1"));
        QCOMPARE(chain.first().value("logList").toArray().size(), 25);
        // The pump still answers.
        QCOMPARE(m_core->createExperiment("[2]"), 0);
    }

    void savedChainReopensWhole_data() { models(); }

    void savedChainReopensWhole()
    {
        QFETCH(QByteArray, model);
        QVERIFY(connectPump(model));
        QCOMPARE(m_core->createExperiment("[2, 0]"), 0);
        const QList<QJsonObject> downloaded = chainJson();
        QTemporaryDir dir;
        const QString extension = model == "TOLVAR 4" ? ".tl4" : ".tlv";
        QCOMPARE(m_core->saveExperimentToFile(dir.filePath("pumps")), 0);
        const QString path = dir.filePath("pumps" + extension);
        QVERIFY(QFile::exists(path));

        m_core.reset(new Core);
        QSignalSpy refused(m_core.get(), &Core::invalidFile);
        QSignalSpy updated(m_core.get(), &Core::experimentUpdated);
        m_core->parseFile(QUrl::fromLocalFile(path).toString());
        QCOMPARE(refused.count(), 0);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(m_core->devName(), QString(model));
        const QList<QJsonObject> reopened = chainJson();
        QCOMPARE(reopened.size(), 2);
        QCOMPARE(reopened.at(0).value("index"), QJsonValue("3"));
        QCOMPARE(reopened, downloaded);
        QCOMPARE(reopened.at(1).value("results").toObject().value("pause"), QJsonValue("300"));
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("deviceName");
        QTest::addColumn<QJsonValue>("body");
        QTest::addColumn<bool>("tamper");
        const QJsonObject run{{"deviceName", "TOLVAR 4"}, {"index", "1"}, {"size", "0"}};
        QTest::newRow("a TOLVAR 4 file as .tlv")
            << ".tlv"
            << "TOLVAR 4" << QJsonValue(QJsonArray{run}) << false;
        QTest::newRow("a TOLVAR 3 PLUS file as .tl4")
            << ".tl4"
            << "TOLVAR 3 PLUS" << QJsonValue(QJsonArray{run}) << false;
        QTest::newRow("model name in lower case")
            << ".tl4"
            << "tolvar 4" << QJsonValue(QJsonArray{run}) << false;
        QTest::newRow("tampered digest") << ".tl4"
                                         << "TOLVAR 4" << QJsonValue(run) << true;
        QTest::newRow("Body a text") << ".tl4"
                                     << "TOLVAR 4" << QJsonValue("run") << false;
        QTest::newRow("Body missing") << ".tlv"
                                      << "TOLVAR 3 PLUS" << QJsonValue() << false;
        QTest::newRow("Body without a run")
            << ".tlv"
            << "TOLVAR 3 PLUS" << QJsonValue(QJsonArray{1, "x"}) << false;
    }

    void refusedFiles()
    {
        QFETCH(QString, extension);
        QFETCH(QString, deviceName);
        QFETCH(QJsonValue, body);
        QFETCH(bool, tamper);
        QJsonObject root{
            {"Info", QJsonObject{{"Sw", "1"}, {"Device", QJsonObject{{"name", deviceName}}}}}};
        if (!body.isUndefined())
            root.insert("Body", body);
        QByteArray content = DataFileEnvelope::encode(QJsonDocument(root));
        if (tamper)
            content[10] = content.at(10) == 'A' ? 'B' : 'A';
        QTemporaryDir dir;
        const QString path = dir.filePath("run" + extension);
        QCOMPARE(VfFile::write(path, content), 0);

        m_core.reset(new Core);
        QSignalSpy refused(m_core.get(), &Core::invalidFile);
        QSignalSpy updated(m_core.get(), &Core::experimentUpdated);
        m_core->parseFile(path);
        QCOMPARE(refused.count(), 1);
        QCOMPARE(updated.count(), 0);
        QVERIFY(!m_core->currentExperiment());
        QVERIFY(!m_core->currentDevice());
    }

    void fileReaderTakesOlderAndOddValues()
    {
        const QJsonObject sample{{"date", "24/05/17,08:00:00-12"},
                                 {"Temperature", 23.5},
                                 {"BackPressure", QJsonValue()},
                                 {"VBatt", 4.05}};
        const QJsonObject results{{"pauseTime", "600"},   {"vbatStart", 3.5},
                                  {"vbatStop", 4100},     {"flowSet", QJsonValue()},
                                  {"flowVolume", "12.5"}, {"expStatus", "2"}};
        const QJsonObject run{{"deviceName", "TOLVAR 4"},
                              {"index", 7},
                              {"size", "1"},
                              {"logList", QJsonArray{sample}},
                              {"results", results}};
        const QJsonObject root{
            {"Info", QJsonObject{{"Device", QJsonObject{{"name", "TOLVAR 4"}, {"SN", "77"}}}}},
            {"Body", run}};
        QTemporaryDir dir;
        const QString path = dir.filePath("older.tl4");
        QCOMPARE(VfFile::write(path, DataFileEnvelope::encode(QJsonDocument(root))), 0);
        m_core.reset(new Core);
        m_core->parseFile(path);
        const QJsonObject json = experiment();
        // An index written as a number reads as 0.
        QCOMPARE(json.value("index"), QJsonValue("0"));
        const QJsonObject read = json.value("logList").toArray().at(0).toObject();
        QCOMPARE(read.value("Flow"), QJsonValue(0.0));
        QCOMPARE(read.value("Temperature"), QJsonValue(23.5));
        QVERIFY(read.value("BackPressure").isNull());
        QCOMPARE(read.value("VBatt"), QJsonValue(""));
        const QJsonObject readResults = json.value("results").toObject();
        QCOMPARE(readResults.value("pause"), QJsonValue("600"));
        QCOMPARE(readResults.value("pauseStr"), QJsonValue("00:10:00"));
        QCOMPARE(readResults.value("vbatStart"), QJsonValue(0));
        QCOMPARE(readResults.value("vbatStop"), QJsonValue(4100));
        QVERIFY(readResults.value("flowSet").isNull());
        QCOMPARE(readResults.value("flowVolume"), QJsonValue(0.0));
        QCOMPARE(readResults.value("expStatus"), QJsonValue("2"));
        // The statistics follow the one sample.
        QCOMPARE(readResults.value("flowMax"), QJsonValue(0.0));
        QVERIFY(readResults.value("backpressureAvg").isNull());
    }
};

QTEST_GUILESS_MAIN(TestTolvarCore)
#include "tst_tolvarcore.moc"
