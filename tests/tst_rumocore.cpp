#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceDateTime.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedRumo.h"
#include "SimulatedRumoRuns.h"
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
using Header = SimulatedRumoRuns::Header;

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QString text(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QStringList texts(const QJsonValue &array)
{
    QStringList list;
    for (const QJsonValue &value : array.toArray())
        list.append(value.toString());
    return list;
}

QStringList texts(const QList<QByteArray> &bytes)
{
    QStringList list;
    for (const QByteArray &b : bytes)
        list.append(QString::fromLatin1(b));
    return list;
}

} // namespace

// A "RUMO" logger driven through Core, as the pages drive it.
class TestRumoCore : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimulatedInstrument> m_instrument;
    std::unique_ptr<Core> m_core;
    SimulatedRumo *m_state = nullptr;

    static QDateTime start() { return parseDeviceDateTime("24/05/17,08:30:00-12"); }

    // A simulated logger holding runs of the given sizes (sensor kinds 1, 2,
    // 3 ... in turn), selected in Core.
    bool connectLogger(const QList<int> &sizes = {})
    {
        m_instrument.reset(new SimulatedInstrument);
        if (!installSimulatedModel(*m_instrument, "RUMO"))
            return false;
        m_state = SimulatedRumo::of(m_instrument.get());
        for (int i = 0; i < sizes.size(); ++i)
            addSimulatedRun(*m_instrument, i + 1, sizes.at(i), start().addDays(i));
        m_core.reset(new Core);
        return selectSimulatedInstrument(*m_core, *m_instrument, "RUMO");
    }

    QJsonObject experiment() const { return parse(m_core->experiment()); }

    // The runs of the chain from the current one on, `count` of them.
    QList<QJsonObject> chain(int count) const
    {
        QList<QJsonObject> runs;
        for (int i = 0; i < count; ++i, m_core->nextExp())
            runs.append(experiment());
        return runs;
    }

    QString sampleTime() { return parse(m_core->configuration()).value("sampleTime").toString(); }

    // The run as the simulator made it and as the JSON must show it.
    static void compareRun(const QJsonObject &run, int index, int records)
    {
        const Header header = SimulatedRumoRuns::sensorHeader(index);
        QCOMPARE(run.value("deviceName").toString(), QString("RUMO"));
        QCOMPARE(run.value("index").toString(), QString::number(index));
        QCOMPARE(run.value("size").toString(), QString::number(records));
        QCOMPARE(run.value("eventIndex").toInt(), index);
        QCOMPARE(run.value("expName").toString(), QString(header.label));
        QCOMPARE(run.value("experimentType").toString(), QString(header.sensorType));
        QCOMPARE(run.value("experimentSubType").toString(), QString(header.sensorSubType));

        const QJsonObject results = run.value("results").toObject();
        QCOMPARE(results.value("label").toString(), QString(header.label));
        QCOMPARE(results.value("sampleTime").toInt(), header.sampleSeconds);
        QCOMPARE(results.value("startTime").toString(),
                 formatDeviceDateTime(start().addDays(index - 1)));
        QCOMPARE(results.value("sensorType").toString(), QString(header.sensorType));
        QCOMPARE(results.value("sensorCertificate").toString(), QString(header.sensorCertificate));
        const QJsonArray quantities = results.value("quantitiesInfoList").toArray();
        QCOMPARE(quantities.size(), header.quantities.size());
        for (int q = 0; q < quantities.size(); ++q) {
            const QJsonObject quantity = quantities.at(q).toObject();
            QCOMPARE(quantity.value("name").toString(),
                     QString::fromLatin1(header.quantities.at(q).code));
            QCOMPARE(quantity.value("unity").toString(),
                     QString::fromLatin1(header.quantities.at(q).unit));
            QVERIFY(quantity.value("nameTr").toString() != "Invalid");
        }
        QCOMPARE(texts(results.value("minList")),
                 texts(SimulatedRumoRuns::minima(header, records)));
        QCOMPARE(texts(results.value("averageList")),
                 texts(SimulatedRumoRuns::averages(header, records)));
        QCOMPARE(texts(results.value("maxList")),
                 texts(SimulatedRumoRuns::maxima(header, records)));
        QCOMPARE(results.value("configList").toArray().size(), header.configuration.size());
        QCOMPARE(results.value("evaluationResultsList").toArray().size(), header.evaluation.size());

        const QJsonArray samples = run.value("logList").toArray();
        QCOMPARE(samples.size(), records);
        for (int n = 1; n <= records; n += qMax(1, records - 1)) {
            const QJsonObject sample = samples.at(n - 1).toObject();
            QCOMPARE(sample.value("date").toString(),
                     formatDeviceDateTime(
                         start().addDays(index - 1).addSecs((n - 1) * header.sampleSeconds)));
            QStringList values;
            for (int q = 0; q < header.quantities.size(); ++q)
                values.append(SimulatedRumoRuns::sampleValue(header, n, q));
            QCOMPARE(texts(sample.value("physicalQuantitiesList")), values);
        }
    }

private slots:
    void cleanup()
    {
        m_core.reset();
        m_instrument.reset();
    }

    void creatingTheDeviceSendsNothing()
    {
        QVERIFY(connectLogger());
        QVERIFY(m_instrument->commands().isEmpty());
    }

    void intervalIsShownAsMinutesAndSeconds_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::newRow("90 s") << 90 << "01:30";
        QTest::newRow("5 s") << 5 << "00:05";
        QTest::newRow("an hour") << 3600 << "60:00";
        QTest::newRow("6000 s") << 6000 << "100:00";
    }

    void intervalIsShownAsMinutesAndSeconds()
    {
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        QVERIFY(connectLogger());
        m_state->intervalSeconds = seconds;
        QSignalSpy configured(m_core.get(), &Core::configurationUpdated);
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QCOMPARE(configured.count(), 1);
        QCOMPARE(parse(m_core->configuration()),
                 QJsonObject({{"productName", "RUMO"}, {"sampleTime", shown}}));
        QCOMPARE(m_instrument->commands(), QList<QByteArray>({"AT+VFINTVL?", "AT+VFSENCTF?"}));
    }

    void intervalWriteRoundTrips()
    {
        QVERIFY(connectLogger());
        QCOMPARE(m_core->sndConfiguration(R"({"productName":"RUMO","sampleTime":"59:59"})"), 0);
        QCOMPARE(m_instrument->commands(), QList<QByteArray>{"AT+VFINTVL=3599"});
        QCOMPARE(m_state->intervalSeconds, 3599);
        QCOMPARE(m_core->sndConfiguration(R"({"sampleTime":"01:30"})"), 0);
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QCOMPARE(sampleTime(), QString("01:30"));
    }

    void intervalTheInstrumentCannotTakeIsNotSent_data()
    {
        QTest::addColumn<QString>("sampleTime");
        QTest::newRow("no time") << "00:00";
        QTest::newRow("75 minutes") << "75:00";
        QTest::newRow("60 seconds") << "00:60";
        QTest::newRow("seconds only") << "90";
        QTest::newRow("trailing field") << "01:30,x";
        QTest::newRow("line break") << "01:30\r\nAT+VFERSMM";
        QTest::newRow("one-digit minutes") << "1:30";
        QTest::newRow("empty") << "";
    }

    void intervalTheInstrumentCannotTakeIsNotSent()
    {
        QFETCH(QString, sampleTime);
        QVERIFY(connectLogger());
        QCOMPARE(m_core->sndConfiguration(text({{"sampleTime", sampleTime}})), -1);
        QVERIFY(m_instrument->commands().isEmpty());
        QCOMPARE(m_state->intervalSeconds, 60);
    }

    void intervalFaults_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        const QByteArray read = "AT+VFINTVL?";
        const QByteArray write = "AT+VFINTVL=";
        QTest::newRow("read ERROR") << read << int(Fault::Error) << QByteArray() << -1;
        QTest::newRow("read BUSY") << read << int(Fault::Busy) << QByteArray() << -2;
        QTest::newRow("read silence") << read << int(Fault::Silence) << QByteArray() << -3;
        QTest::newRow("read link lost") << read << int(Fault::DropLink) << QByteArray() << -3;
        QTest::newRow("write ERROR") << write << int(Fault::Error) << QByteArray() << -1;
        QTest::newRow("write BUSY") << write << int(Fault::Busy) << QByteArray() << -2;
        QTest::newRow("write echoed BUSY")
            << write << int(Fault::Reply) << QByteArray("\r\n+VFINTVL: \r\nBUSY\r\n") << -2;
        QTest::newRow("write BUSY after a blank line")
            << write << int(Fault::Reply) << QByteArray("\r\n\r\nBUSY\r\n") << -3;
        QTest::newRow("write silence") << write << int(Fault::Silence) << QByteArray() << -3;
        QTest::newRow("write link lost") << write << int(Fault::DropLink) << QByteArray() << -3;
    }

    void intervalFaults()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QVERIFY(connectLogger());
        QCOMPARE(m_core->acquireConfiguration(), 0);
        m_instrument->scriptFault(command, Fault(fault), 1, reply);
        QSignalSpy busy(m_core.get(), &Core::deviceBusy);
        QSignalSpy lost(m_core.get(), &Core::deviceDisconnected);
        const int code = command.endsWith('?')
                             ? m_core->acquireConfiguration()
                             : m_core->sndConfiguration(R"({"sampleTime":"02:00"})");
        QCOMPARE(code, result);
        // The interval exchanges report BUSY by their code alone.
        QCOMPARE(busy.count(), 0);
        QCOMPARE(lost.count(), Fault(fault) == Fault::DropLink ? 1 : 0);
        if (Fault(fault) != Fault::DropLink && command.endsWith('?'))
            QCOMPARE(sampleTime(), QString("01:00")); // the configuration held before
    }

    void sensorCertificateRoundTrips()
    {
        QVERIFY(connectLogger());
        QCOMPARE(m_core->acquireConfiguration(), 0);
        QJsonObject certificate = parse(m_core->calib());
        QCOMPARE(certificate.value("certification").toString(), QString("SCERT-0001"));
        QCOMPARE(certificate.value("date").toString(), QString("21/10/29,14:20:02+00"));

        m_instrument->clearCommands();
        const QString sent = QString::fromUtf8("lab b-7 Müller");
        QCOMPARE(m_core->sndCalibration(
                     text({{"certification", sent}, {"date", "24/05/02,10:00:00-12"}})),
                 0);
        QCOMPARE(m_instrument->commands().size(), 1);
        QCOMPARE(m_state->sensorCertificate,
                 QByteArray("\"LAB B-7 M\xdcLLER\",\"24/05/02,10:00:00-12\""));
        QCOMPARE(m_core->acquireConfiguration(), 0);
        certificate = parse(m_core->calib());
        QCOMPARE(certificate.value("certification").toString(), sent.toUpper());
        QCOMPARE(certificate.value("date").toString(), QString("24/05/02,10:00:00-12"));
        // The instrument certificate of the other models is never asked for.
        QVERIFY(m_instrument->commandsStartingWith("AT+VFCTF").isEmpty());
    }

    void sensorCertificateFaults_data()
    {
        QTest::addColumn<QString>("certification");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("busySignals");
        QTest::newRow("quote") << "A\",\"B" << -1 << QByteArray() << -1 << 0;
        QTest::newRow("line break") << "A\r\nAT+VFERSMM" << -1 << QByteArray() << -1 << 0;
        QTest::newRow("outside ISO 8859-1")
            << QString::fromUtf8("€ 12") << -1 << QByteArray() << -1 << 0;
        QTest::newRow("BUSY") << "C1" << int(Fault::Busy) << QByteArray() << -2 << 1;
        QTest::newRow("ERROR") << "C1" << int(Fault::Error) << QByteArray() << -1 << 0;
        QTest::newRow("silence") << "C1" << int(Fault::Silence) << QByteArray() << -1 << 0;
        QTest::newRow("text after the echo")
            << "C1" << int(Fault::Reply) << QByteArray("\r\n+VFSENCTF: x\r\nOK\r\n") << -1 << 0;
        QTest::newRow("echo and OK")
            << "C1" << int(Fault::Reply) << QByteArray("\r\n+VFSENCTF: \r\nOK\r\n") << 0 << 0;
    }

    void sensorCertificateFaults()
    {
        QFETCH(QString, certification);
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, busySignals);
        QVERIFY(connectLogger());
        if (fault >= 0)
            m_instrument->scriptFault("AT+VFSENCTF=", Fault(fault), 1, reply);
        QSignalSpy busy(m_core.get(), &Core::deviceBusy);
        QCOMPARE(m_core->sndCalibration(
                     text({{"certification", certification}, {"date", "24/05/02,10:00:00+00"}})),
                 result);
        QCOMPARE(busy.count(), busySignals);
        QCOMPARE(m_instrument->commands().size(), fault >= 0 ? 1 : 0);
    }

    void chainOfThreeRunsDownloadsSavesAndReopens()
    {
        const QList<int> sizes{25, 12, 31};
        QVERIFY(connectLogger(sizes));
        QCOMPARE(m_core->findExperiments(), 0);
        const QList<QObject *> list = m_core->experimentList().value<QList<QObject *>>();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list.at(2)->property("type").toString(), QString("GAS"));
        QCOMPARE(list.at(2)->property("subType").toString(), QString("CO"));
        QCOMPARE(list.at(1)->property("exp_Name").toString(), QString("WORKSHOP LIGHT"));

        QSignalSpy progress(m_core.get(), &Core::progressBarUpdated);
        QSignalSpy updated(m_core.get(), &Core::experimentUpdated);
        m_instrument->clearCommands();
        QCOMPARE(m_core->createExperiment("[0, 1, 2]"), 0);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.first().first().toInt(), -2);
        QVERIFY(progress.count() >= 9);
        QCOMPARE(progress.last().first().toDouble(), 100.0);
        QList<QByteArray> expected{"AT+VFRDXP=1,1,10", "AT+VFRDXP=1,11,20", "AT+VFRDXP=1,21,25"};
        for (int page = 1; page <= 8; ++page)
            expected.append("AT+VFXPHDR=" + QByteArray::number(page) + ",1");
        QCOMPARE(m_instrument->commands().mid(0, expected.size()), expected);

        const QList<QJsonObject> runs = chain(3);
        QCOMPARE(runs.size(), 3);
        for (int i = 0; i < 3; ++i)
            compareRun(runs.at(i), i + 1, sizes.at(i));
        const QJsonObject gas = runs.at(2).value("results").toObject();
        QCOMPARE(gas.value("experimentType").toString(), QString("CO"));
        QCOMPARE(
            gas.value("evaluationResultsList").toArray().first().toObject(),
            QJsonObject({{"label", "TWA"}, {"type", "f"}, {"dataValue", 12.5}, {"unity", "ppm"}}));
        const QJsonObject light = runs.at(1).value("results").toObject();
        QCOMPARE(
            light.value("configList").toArray().first().toObject(),
            QJsonObject({{"label", "LAMP"}, {"type", "s"}, {"dataValue", "LED"}, {"unity", ""}}));
        QCOMPARE(light.value("vbatStart").toInt(), 4100);
        QCOMPARE(light.value("stopReason").toString(), QString("USER"));

        QTemporaryDir dir;
        const QString path = dir.filePath("three runs");
        QCOMPARE(m_core->saveExperimentToFile(QUrl::fromLocalFile(path).toString()), 0);
        QVERIFY(QFile::exists(path + ".rmx"));

        Core reader;
        QSignalSpy opened(&reader, &Core::experimentUpdated);
        QSignalSpy invalid(&reader, &Core::invalidFile);
        reader.parseFile(QUrl::fromLocalFile(path + ".rmx").toString());
        QCOMPARE(invalid.count(), 0);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(reader.devName(), QString("RUMO"));
        for (int i = 0; i < runs.size(); ++i) {
            QCOMPARE(parse(reader.experiment()), runs.at(i));
            reader.nextExp();
        }
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QJsonObject info{{"Sw", "1"}, {"Device", QJsonObject{{"name", "RUMO"}}}};
        const QJsonObject run{{"index", "1"}, {"size", "0"}, {"deviceName", "RUMO"}};
        const auto file = [&info](const QJsonValue &body) {
            return DataFileEnvelope::encode(
                QJsonDocument(QJsonObject{{"Info", info}, {"Body", body}}));
        };
        QTest::newRow("one run object") << file(run);
        QTest::newRow("empty array") << file(QJsonArray());
        QTest::newRow("no array") << file(QJsonValue("runs"));
        QByteArray tampered = file(QJsonArray{run});
        tampered[10] = tampered.at(10) == 'A' ? 'B' : 'A';
        QTest::newRow("tampered digest") << tampered;
        QTest::newRow("line after the digest") << file(QJsonArray{run}) + '\n';
        QTest::newRow("another model") << DataFileEnvelope::encode(QJsonDocument(
            QJsonObject{{"Info", QJsonObject{{"Device", QJsonObject{{"name", "rumo"}}}}},
                        {"Body", QJsonArray{run}}}));
    }

    void refusedFiles()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.rmx");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        Core reader;
        QSignalSpy invalid(&reader, &Core::invalidFile);
        QSignalSpy opened(&reader, &Core::experimentUpdated);
        reader.parseFile(path);
        QCOMPARE(invalid.count(), 1);
        QCOMPARE(opened.count(), 0);
        QVERIFY(parse(reader.experiment()).isEmpty());
    }

    void faultsInASecondRunKeepTheFirst_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");

        for (int page = 1; page <= 7; ++page) {
            const QByteArray command = "AT+VFXPHDR=" + QByteArray::number(page) + ",2";
            const QByteArray name = "page " + QByteArray::number(page);
            QTest::newRow(name + " ERROR") << command << int(Fault::Error) << QByteArray() << -1;
            QTest::newRow(name + " BUSY") << command << int(Fault::Busy) << QByteArray() << -1;
            QTest::newRow(name + " silence")
                << command << int(Fault::Silence) << QByteArray() << -1;
            // Lines of which not one can be read, then OK.
            if (page >= 3)
                QTest::newRow(name + " garbled")
                    << command << int(Fault::Garble) << QByteArray() << -1;
        }
        // A page that brings fewer lines than it announces is short.
        QTest::newRow("page 3 short")
            << QByteArray("AT+VFXPHDR=3,2") << int(Fault::Reply)
            << SimulatedInstrument::information("VFXPHDR", {"3,2,5,0,21.5", "3,2,5,1,40.0"}) << -1;
        QTest::newRow("page 5 short")
            << QByteArray("AT+VFXPHDR=5,2") << int(Fault::Reply)
            << SimulatedInstrument::information("VFXPHDR", {"5,2,5,0,\"TEMP\",\"C\""}) << -1;
        QTest::newRow("page 4 link lost")
            << QByteArray("AT+VFXPHDR=4,2") << int(Fault::DropLink) << QByteArray() << -3;

        // Samples of the second run.
        const QDateTime at = start();
        const QList<QByteArray> five{"1", "2", "3", "4", "5"};
        const QByteArray whole = SimulatedRumoRuns::sampleRecord(2, 11, at, five);
        const auto block = [](const QList<QByteArray> &records) {
            return SimulatedInstrument::information("VFRDXP", records);
        };
        QTest::newRow("sample announcing too many values")
            << QByteArray("AT+VFRDXP=2,11,") << int(Fault::Reply)
            << block({whole, "2,12,0,9,0,\"24/05/17,08:31:00-12\"\r\n\r\n+VFRDXP: 2,12,1,9,1,4"})
            << -1;
        QTest::newRow("sample announcing a negative count")
            << QByteArray("AT+VFRDXP=2,11,") << int(Fault::Reply)
            << block({"2,11,0,-1,0,\"24/05/17,08:31:00-12\"", whole}) << -1;
        QTest::newRow("value line too short")
            << QByteArray("AT+VFRDXP=2,11,") << int(Fault::Reply)
            << block({"2,11,0,1,0,\"24/05/17,08:31:00-12\"\r\n\r\n+VFRDXP: 2,11,1,1"}) << -1;
        QTest::newRow("samples truncated")
            << QByteArray("AT+VFRDXP=2,11,") << int(Fault::Truncate) << QByteArray() << -1;
        QTest::newRow("samples link lost")
            << QByteArray("AT+VFRDXP=2,11,") << int(Fault::DropLink) << QByteArray() << -3;
    }

    void faultsInASecondRunKeepTheFirst()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QVERIFY(connectLogger({4, 12}));
        QCOMPARE(m_core->findExperiments(), 0);
        m_instrument->scriptFault(command, Fault(fault), 1, reply);
        QSignalSpy busy(m_core.get(), &Core::deviceBusy);
        QCOMPARE(m_core->createExperiment("[0, 1]"), result);
        QCOMPARE(busy.count(),
                 Fault(fault) == Fault::Busy && command.startsWith("AT+VFXPHDR") ? 1 : 0);
        // Nothing is asked after the failing exchange.
        QCOMPARE(m_instrument->commands().last(),
                 m_instrument->commandsStartingWith(command).last());
        if (result == -3) {
            QVERIFY(experiment().isEmpty());
            return;
        }
        const QJsonObject kept = experiment();
        QCOMPARE(kept.value("index").toString(), QString("1"));
        QCOMPARE(kept.value("logList").toArray().size(), 4);
        m_core->nextExp();
        QCOMPARE(experiment(), kept);
    }

    void failedPageEightKeepsTheRun()
    {
        QVERIFY(connectLogger({3}));
        QCOMPARE(m_core->findExperiments(), 0);
        m_instrument->scriptFault("AT+VFXPHDR=8,", Fault::Error);
        QCOMPARE(m_core->createExperiment("[0]"), 0);
        const QJsonObject results = experiment().value("results").toObject();
        QCOMPARE(results.value("vbatStart").toInt(), 0);
        QCOMPARE(results.value("stopReason").toString(), QString());
        QCOMPARE(results.value("label").toString(), QString("OFFICE 2"));
    }
};

QTEST_MAIN(TestRumoCore)
#include "tst_rumocore.moc"
