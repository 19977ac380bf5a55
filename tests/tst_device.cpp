#include "Device.h"
#include "Experiment.h"
#include "Interface.h"
#include "ModelRegistry.h"
#include "Results.h"
#include "Schedule.h"
#include "SimulatedInstrument.h"
#include "SimulatedLink.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTimeZone>
#include <QtTest>

using Fault = SimulatedInstrument::Fault;

namespace {

const QString kModel = QStringLiteral("DEVICE TEST");

// A run-list entry "<index>,<size>" of the test model.
class ListedRun : public Experiment
{
public:
    int parseListEntry(QByteArray line) override
    {
        const QList<QByteArray> fields = line.split(',');
        bool indexOk = false, sizeOk = false;
        if (fields.size() != 2)
            return -1;
        setIndex(fields.at(0).toInt(&indexOk));
        setSize(fields.at(1).toInt(&sizeOk));
        return indexOk && sizeOk ? 0 : -1;
    }
};

SimulatedInstrument::Run makeRun(int index, int records)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.listEntry = QByteArray::number(index) + ',' + QByteArray::number(records);
    for (int i = 1; i <= records; ++i)
        run.records.append("R" + QByteArray::number(i));
    run.pages.insert(8, "8," + QByteArray::number(index) + ",410,395,1200,1100,\"KEY\"");
    return run;
}

// A reply that refuses an exchange, with the result it gives and whether the
// device announces a busy instrument.
void refusedReplies()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("busySignal");
    QTest::newRow("BUSY") << int(Fault::Busy) << -2 << true;
    QTest::newRow("ERROR") << int(Fault::Error) << -1 << false;
    QTest::newRow("silence") << int(Fault::Silence) << -1 << false;
    QTest::newRow("cut short") << int(Fault::Truncate) << -1 << false;
}

} // namespace

// The exchanges every model shares, against the simulated instrument.
class TestCommonExchanges : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ModelEntry entry;
        entry.productName = kModel;
        entry.makeExperiment = [] { return new ListedRun; };
        ModelRegistry::instance().add(entry);
    }

    void cleanupTestCase() { ModelRegistry::instance().remove(kModel); }

    void identification()
    {
        SimulatedLink l;
        l.instrument->setIdentity("valtrix", "DRAVO 2", "SN 0042", "FW 2.1");
        QSignalSpy fwChanged(l.device.get(), &Device::devFWChanged);
        QCOMPARE(l.device->readIdentity(), 0);
        QCOMPARE(l.device->manufactoryName(), QString("valtrix"));
        QCOMPARE(l.device->productName(), QString("DRAVO 2"));
        QCOMPARE(l.device->sn(), QString("SN 0042"));
        QCOMPARE(l.device->fw(), QString("FW 2.1"));
        QCOMPARE(fwChanged.count(), 0); // firmware is stored without a signal
        QCOMPARE(l.device->calibration().certification(), QString("CERT-0001"));
        QCOMPARE(l.instrument->commands(), QList<QByteArray>({"ATE0", "AT+CGMI", "AT+CGMM",
                                                              "AT+CGSN", "AT+CGMR", "AT+VFCTF?"}));
    }

    void identificationStopsAtFailedQuery()
    {
        SimulatedLink l;
        l.device->setProductName("BEFORE");
        l.instrument->scriptFault("AT+CGMM", Fault::Error);
        QCOMPARE(l.device->readIdentity(), 1);
        QCOMPARE(l.device->manufactoryName(), QString("valtrix"));
        QCOMPARE(l.device->productName(), QString("BEFORE"));
        QCOMPARE(l.instrument->commandsStartingWith("AT+CGSN").size(), 0);
    }

    void fwWriterSignalsOnlyOnChange()
    {
        Device device;
        QSignalSpy fwChanged(&device, &Device::devFWChanged);
        device.setFw("2.0");
        device.setFw("2.0");
        QCOMPARE(fwChanged.count(), 1);
    }

    void clockText()
    {
        SimulatedLink l;
        const QDateTime time(QDate(2021, 10, 29), QTime(14, 20, 2), QTimeZone(-3 * 3600));
        QCOMPARE(l.device->setClock(time), 0);
        QCOMPARE(l.instrument->commands().last(), QByteArray("AT+CCLK=\"21/10/29,14:20:02-12\""));
    }

    // The final line of the reply decides the result; `busy` is emitted only by
    // the exchanges that announce it.
    void resultCodes_data()
    {
        QTest::addColumn<QString>("exchange");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("busySignal");
        const int busy = int(Fault::Busy), error = int(Fault::Error), silence = int(Fault::Silence);
        QTest::newRow("clock BUSY") << "clock" << QByteArray("AT+CCLK") << busy << -2 << false;
        QTest::newRow("clock ERROR") << "clock" << QByteArray("AT+CCLK") << error << -1 << false;
        QTest::newRow("clock silence")
            << "clock" << QByteArray("AT+CCLK") << silence << -3 << false;
        QTest::newRow("erase BUSY") << "erase" << QByteArray("AT+VFERSMM") << busy << -2 << false;
        QTest::newRow("erase ERROR") << "erase" << QByteArray("AT+VFERSMM") << error << -1 << false;
        QTest::newRow("erase silence")
            << "erase" << QByteArray("AT+VFERSMM") << silence << -3 << false;
        QTest::newRow("calibration read BUSY")
            << "readCal" << QByteArray("AT+VFCTF?") << busy << -2 << false;
        QTest::newRow("calibration read ERROR")
            << "readCal" << QByteArray("AT+VFCTF?") << error << -1 << false;
        QTest::newRow("calibration read silence")
            << "readCal" << QByteArray("AT+VFCTF?") << silence << -1 << false;
        QTest::newRow("calibration write BUSY")
            << "writeCal" << QByteArray("AT+VFCTF=") << busy << -2 << true;
        QTest::newRow("calibration write ERROR")
            << "writeCal" << QByteArray("AT+VFCTF=") << error << -1 << false;
        QTest::newRow("calibration write silence")
            << "writeCal" << QByteArray("AT+VFCTF=") << silence << -1 << false;
        QTest::newRow("page 8 BUSY") << "page8" << QByteArray("AT+VFXPHDR=8") << busy << -2 << true;
        QTest::newRow("page 8 ERROR")
            << "page8" << QByteArray("AT+VFXPHDR=8") << error << -1 << false;
        QTest::newRow("page 8 silence")
            << "page8" << QByteArray("AT+VFXPHDR=8") << silence << -1 << false;
    }

    void resultCodes()
    {
        QFETCH(QString, exchange);
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(int, result);
        QFETCH(bool, busySignal);
        SimulatedLink l;
        l.instrument->addRun(makeRun(1, 0));
        l.instrument->scriptFault(command, Fault(fault));
        QSignalSpy busy(l.device.get(), &Device::busy);
        Results results;
        CalibrationCertificate certificate;
        certificate.setCertification("c");
        certificate.setDate(QDateTime(QDate(2022, 1, 2), QTime(3, 4, 5), Qt::UTC));
        const QMap<QString, std::function<int()>> run{
            {"clock", [&] { return l.device->setClock(QDateTime::currentDateTime()); }},
            {"erase", [&] { return l.device->eraseMemory(); }},
            {"readCal", [&] { return l.device->readCalibration(); }},
            {"writeCal", [&] { return l.device->writeCalibration(certificate); }},
            {"page8", [&] { return l.device->readCommonHeader(&results, 1); }},
        };
        QCOMPARE(run.value(exchange)(), result);
        QCOMPARE(busy.count(), busySignal ? 1 : 0);
    }

    void calibrationWriteIsUpperCaseLatin1()
    {
        SimulatedLink l;
        CalibrationCertificate certificate;
        certificate.setCertification(QString::fromUtf8("cert ñ-12"));
        certificate.setDate(QDateTime(QDate(2022, 1, 2), QTime(3, 4, 5), QTimeZone(3600)));
        QCOMPARE(l.device->writeCalibration(certificate), 0);
        QCOMPARE(l.instrument->commands().last(),
                 QByteArray("AT+VFCTF=\"CERT \xd1-12\",\"22/01/02,03:04:05+04\""));
        // The device's own record changes only by reading it back.
        QVERIFY(l.device->calibration().certification().isEmpty());
    }

    // The certificate comes back in the code page it was written in. Letters
    // whose upper case ISO 8859-1 cannot hold stay as they are.
    void calibrationRoundTripsInLatin1_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("accents") << QString::fromUtf8("Certificação nº 12")
                                 << QByteArray("CERTIFICA\xc7\xc3O N\xba 12")
                                 << QString::fromUtf8("CERTIFICAÇÃO Nº 12");
        QTest::newRow("no Latin-1 upper case")
            << QString::fromUtf8("5 µPa ÿ") << QByteArray("5 \xb5PA \xff")
            << QString::fromUtf8("5 µPA ÿ");
    }

    void calibrationRoundTripsInLatin1()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, sent);
        QFETCH(QString, readBack);
        SimulatedLink l;
        CalibrationCertificate certificate;
        certificate.setCertification(text);
        certificate.setDate(QDateTime(QDate(2022, 1, 2), QTime(3, 4, 5), Qt::UTC));
        QCOMPARE(l.device->writeCalibration(certificate), 0);
        QCOMPARE(l.instrument->calibrationText(), '"' + sent + "\",\"22/01/02,03:04:05+00\"");
        QCOMPARE(l.device->readCalibration(), 0);
        QCOMPARE(l.device->calibration().certification(), readBack);
        QCOMPARE(l.device->calibration().date(), certificate.date());
    }

    // Nothing is sent that would leave the instrument without a usable
    // certificate.
    void calibrationWriteRefusesAnUnusableRecord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("date");
        const QDateTime date(QDate(2022, 1, 2), QTime(3, 4, 5), Qt::UTC);
        QTest::newRow("no text") << QString() << date;
        QTest::newRow("blank text") << "   " << date;
        QTest::newRow("no date") << "LAB 7" << QDateTime();
        QTest::newRow("offset beyond 14 h")
            << "LAB 7"
            << QDateTime(date.date(), date.time(), Qt::OffsetFromUTC, 23 * 3600 + 59 * 60);
    }

    void calibrationWriteRefusesAnUnusableRecord()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, date);
        SimulatedLink l;
        CalibrationCertificate certificate;
        certificate.setCertification(text);
        certificate.setDate(date);
        QCOMPARE(l.device->writeCalibration(certificate), -1);
        QVERIFY(l.instrument->commands().isEmpty());
    }

    void calibrationWriteRefusesTextThatWouldSplitTheCommand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quote") << "A\",\"99";
        QTest::newRow("CR") << "A\rAT+VFERSMM";
        QTest::newRow("LF") << "A\nAT+VFERSMM";
        QTest::newRow("not Latin-1") << QString::fromUtf8("A €");
    }

    void calibrationWriteRefusesTextThatWouldSplitTheCommand()
    {
        QFETCH(QString, text);
        SimulatedLink l;
        CalibrationCertificate certificate;
        certificate.setCertification(text);
        certificate.setDate(QDateTime(QDate(2022, 1, 2), QTime(3, 4, 5), Qt::UTC));
        QCOMPARE(l.device->writeCalibration(certificate), -1);
        QVERIFY(l.instrument->commands().isEmpty());
    }

    void calibrationReadFillsRecord()
    {
        SimulatedLink l;
        l.instrument->setCalibrationText("\"LAB 7\",\"21/10/29,14:20:02-12\"");
        QCOMPARE(l.device->readCalibration(), 0);
        QCOMPARE(l.device->calibration().certification(), QString("LAB 7"));
        QCOMPARE(l.device->calibration().date().offsetFromUtc(), -3 * 3600);
    }

    void commonHeaderPage()
    {
        SimulatedLink l;
        l.instrument->addRun(makeRun(4, 0));
        Results results;
        QCOMPARE(l.device->readCommonHeader(&results, 4), 0);
        QCOMPARE(l.instrument->commands().last(), QByteArray("AT+VFXPHDR=8,4"));
        QCOMPARE(results.vbatStart(), 410);
        QCOMPARE(results.coulombCounterStop(), 1100);
        QCOMPARE(results.stopReason(), QString("KEY"));
    }

    void runList_data()
    {
        QTest::addColumn<QList<QByteArray>>("entries");
        QTest::addColumn<QList<int>>("indexes");
        QTest::newRow("no runs") << QList<QByteArray>{} << QList<int>{};
        QTest::newRow("several runs")
            << QList<QByteArray>{"1,25", "2,0", "5,300"} << QList<int>{1, 2, 5};
        QTest::newRow("a malformed line discards the list")
            << QList<QByteArray>{"1,25", "garbage", "5,300"} << QList<int>{};
        QTest::newRow("a negative size discards the list")
            << QList<QByteArray>{"1,25", "2,-5"} << QList<int>{};
    }

    void runList()
    {
        QFETCH(QList<QByteArray>, entries);
        QFETCH(QList<int>, indexes);
        SimulatedLink l;
        l.device->setProductName(kModel);
        for (const QByteArray &entry : entries) {
            SimulatedInstrument::Run run;
            run.listEntry = entry;
            l.instrument->addRun(run);
        }
        int status = 1;
        const QList<QObject *> runs = l.device->readExperimentList(&status);
        QList<int> listed;
        for (QObject *object : runs)
            listed.append(qobject_cast<Experiment *>(object)->index());
        QCOMPARE(listed, indexes);
        QCOMPARE(status, indexes.isEmpty() && !entries.isEmpty() ? -1 : 0);
        qDeleteAll(runs);
    }

    void runListFailures_data() { refusedReplies(); }

    // A list that could not be read keeps the previous one and says why.
    void runListFailures()
    {
        QFETCH(int, fault);
        QFETCH(int, result);
        QFETCH(bool, busySignal);
        SimulatedLink l;
        l.device->setProductName(kModel);
        l.instrument->addRun(makeRun(1, 3));
        const QList<QObject *> first = l.device->readExperimentList();
        QCOMPARE(first.size(), 1);
        l.instrument->scriptFault("AT+VFXPLST", Fault(fault));
        QSignalSpy busy(l.device.get(), &Device::busy);
        int status = 0;
        QCOMPARE(l.device->readExperimentList(&status), first);
        QCOMPARE(status, result);
        QCOMPARE(busy.count(), busySignal ? 1 : 0);
        qDeleteAll(first);
    }

    void downloadInBlocksOfTen()
    {
        SimulatedLink l;
        l.instrument->addRun(makeRun(3, 25));
        ListedRun run;
        run.setIndex(3);
        run.setSize(25);
        QSignalSpy progress(l.device.get(), &Device::dataRegisterProgessUpdate);
        const QList<QByteArray> records = l.device->readExperimentData(&run);
        QCOMPARE(l.instrument->commands(),
                 QList<QByteArray>({"AT+VFRDXP=3,1,10", "AT+VFRDXP=3,11,20", "AT+VFRDXP=3,21,25"}));
        QCOMPARE(records.size(), 25);
        QCOMPARE(records.first(), QByteArray("+VFRDXP: R1\n"));
        QCOMPARE(records.at(9), QByteArray("+VFRDXP: R10"));
        QCOMPARE(records.last(), QByteArray("+VFRDXP: R25"));
        QList<double> values;
        for (const QList<QVariant> &signal : progress)
            values.append(signal.first().toDouble());
        QCOMPARE(values, QList<double>({0.0, 40.0, 80.0, 100.0}));
    }

    void downloadOfEmptyRun()
    {
        SimulatedLink l;
        l.instrument->addRun(makeRun(2, 0));
        ListedRun run;
        run.setIndex(2);
        QSignalSpy progress(l.device.get(), &Device::dataRegisterProgessUpdate);
        int status = 1;
        const QList<QByteArray> records = l.device->readExperimentData(&run, &status);
        QCOMPARE(l.instrument->commands(), QList<QByteArray>{"AT+VFRDXP=2,1,0"});
        QVERIFY(records.isEmpty());
        QCOMPARE(status, 0);
        QCOMPARE(progress.last().first().toDouble(), 100.0);

        // A refused request is no empty run.
        l.instrument->scriptFault("AT+VFRDXP", Fault::Error);
        QVERIFY(l.device->readExperimentData(&run, &status).isEmpty());
        QCOMPARE(status, -1);
    }

    void downloadRefusedBlock_data() { refusedReplies(); }

    void downloadRefusedBlock()
    {
        QFETCH(int, fault);
        QFETCH(int, result);
        QFETCH(bool, busySignal);
        SimulatedLink l;
        l.instrument->addRun(makeRun(3, 25));
        l.instrument->scriptFault("AT+VFRDXP", Fault(fault), 2);
        QSignalSpy busy(l.device.get(), &Device::busy);
        ListedRun run;
        run.setIndex(3);
        run.setSize(25);
        int status = 0;
        QVERIFY(l.device->readExperimentData(&run, &status).isEmpty());
        QCOMPARE(status, result);
        QCOMPARE(l.instrument->commands().size(), 2);
        QCOMPARE(busy.count(), busySignal ? 1 : 0);
    }

    void linkDroppedMidDownload()
    {
        SimulatedLink l;
        l.instrument->addRun(makeRun(3, 25));
        l.instrument->scriptFault("AT+VFRDXP", Fault::DropLink, 2);
        ListedRun run;
        run.setIndex(3);
        run.setSize(25);
        QVERIFY(l.device->readExperimentData(&run).isEmpty());
        QVERIFY(l.device->linkError() != 0);
        QCOMPARE(l.device->setClock(QDateTime::currentDateTime()), -3);
        QCOMPARE(l.device->readIdentity(), 1);
    }

    void adoptedLinkDeletedByItsOwner()
    {
        auto probed = std::make_unique<SimulatedLink>();
        QCOMPARE(probed->device->readIdentity(), 0);
        Device model;
        model.adoptProbedDevice(probed->device.get());
        QCOMPARE(model.productName(), QString("DRAVO 2"));
        QCOMPARE(model.interface(), probed->device->interface());
        QCOMPARE(model.setClock(QDateTime::currentDateTime()), 0);
        probed.reset();
        QVERIFY(!model.interface());
        QCOMPARE(model.setClock(QDateTime::currentDateTime()), -3);
        QCOMPARE(model.eraseMemory(), -3);
    }

    void schedulesFromJsonAndDeviceJson()
    {
        Device device;
        device.setProductName("DRAVO 2");
        device.setSn("7");
        QCOMPARE(device.setScheduleListJson("[]"), -1);
        QCOMPARE(
            device.setScheduleListJson(
                R"({"scheduleList":[{"monthDay":3,"label":"A","startTime":"08:00","stopTime":"09:00"},
                                         {"monthDay":4,"label":"B","startTime":"10:00","stopTime":"11:00"}]})"),
            0);
        QCOMPARE(device.scheduleList().size(), 2);
        const QJsonObject json = device.toJson();
        QCOMPARE(json.value("name").toString(), QString("DRAVO 2"));
        QCOMPARE(json.value("SN").toString(), QString("7"));
        QCOMPARE(json.value("scheduleList").toArray().size(), 2);
        QCOMPARE(json.value("scheduleList").toArray().at(1).toObject().value("label").toString(),
                 QString("B"));
        QVERIFY(json.value("calibration").isObject());
        QCOMPARE(device.setScheduleListJson("{}"), 0);
        QVERIFY(device.scheduleList().isEmpty());
    }
};

QTEST_MAIN(TestCommonExchanges)
#include "tst_device.moc"
