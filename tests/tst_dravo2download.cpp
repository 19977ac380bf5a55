#include "DeviceDateTime.h"
#include "LeqPerOctave.h"
#include "RunDownload.h"
#include "SimulatedDravo2.h"
#include "SimulatedDravo2Link.h"
#include "SimulatedModels.h"
#include "models/dravo2/Dravo2Experiment.h"
#include "models/dravo2/Dravo2Log.h"
#include "models/dravo2/Dravo2Results.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

// Listing and downloading dosimeter runs from a simulated "DRAVO 2".
class TestDravo2Download : public QObject
{
    Q_OBJECT

private:
    using Fault = SimulatedInstrument::Fault;
    using Header = SimulatedDravo2Runs::Header;

    static QDateTime start() { return parseDeviceDateTime("24/05/17,08:30:00-12"); }

    // Lists the runs and downloads the one with instrument index `index`.
    static int downloadIndex(SimulatedDravo2Link &d, int index, Experiment **run)
    {
        const QList<QObject *> list = d.device->readExperimentList();
        for (QObject *object : list) {
            auto *entry = qobject_cast<Experiment *>(object);
            if (entry && entry->index() == index) {
                d.instrument().clearCommands();
                const int result = RunDownload::download(d.device.get(), entry, run);
                d.device->clearExperimentList();
                return result;
            }
        }
        return -99;
    }

    static QList<QByteArray> headerCommands(int index)
    {
        QList<QByteArray> commands{"AT+VFDOSCFG?"};
        for (int page = 1; page <= 8; ++page)
            commands.append("AT+VFXPHDR=" + QByteArray::number(page) + "," +
                            QByteArray::number(index));
        return commands;
    }

private slots:
    void runListListsTheSimulatedRuns()
    {
        SimulatedDravo2Link d;
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(1, 25, start()));
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(4, 3, start().addDays(1)));
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(9, 0, start().addDays(2)));
        const QList<QObject *> list = d.device->readExperimentList();
        QCOMPARE(list.size(), 3);
        const QList<int> indexes{1, 4, 9};
        const QList<int> sizes{25, 3, 0};
        for (int i = 0; i < 3; ++i) {
            auto *run = qobject_cast<Dravo2Experiment *>(list.at(i));
            QVERIFY(run);
            QCOMPARE(run->index(), indexes.at(i));
            QCOMPARE(run->size(), sizes.at(i));
            QCOMPARE(run->dateTime(), start().addDays(i));
            QCOMPARE(run->exp_Name(), "RUN " + QString::number(indexes.at(i)));
        }
        d.device->clearExperimentList();
    }

    void downloadReadsRecordsThenTheHeader()
    {
        SimulatedDravo2Link d;
        Header header;
        header.dosimeters[1].criterionLevel = "87";
        header.l90 = "";
        SimulatedDravo2Runs::installConfiguration(d.instrument(), header);
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(7, 25, start(), header));

        Experiment *downloaded = nullptr;
        QCOMPARE(downloadIndex(d, 7, &downloaded), 0);
        std::unique_ptr<Experiment> run(downloaded);
        QList<QByteArray> expected{"AT+VFRDXP=7,1,10", "AT+VFRDXP=7,11,20", "AT+VFRDXP=7,21,25"};
        expected.append(headerCommands(7));
        QCOMPARE(d.instrument().commands(), expected);

        const QJsonObject json = run->toJson();
        QCOMPARE(json.value("index").toString(), QString("7"));
        QCOMPARE(json.value("size").toString(), QString("25"));
        QCOMPARE(json.value("deviceName").toString(), QString("DRAVO 2"));
        const QJsonArray logs = json.value("logList").toArray();
        QCOMPARE(logs.size(), 25);
        const QJsonObject last = logs.at(24).toObject();
        QCOMPARE(last.value("date").toString(), formatDeviceDateTime(start().addSecs(24)));
        QCOMPARE(last.value("lavgDosimeter2").toString(),
                 QString(SimulatedDravo2Runs::sampleLevel(25, 1)));
        QCOMPARE(last.value("level").toString(), QString(SimulatedDravo2Runs::sampleLevel(25, 3)));

        const QJsonObject results = json.value("results").toObject();
        const char *const suffixes[] = {"Dos1", "Dos2", "DosUSER"};
        const char *const prefixes[] = {"dos1", "dos2", "dosUSER"};
        for (int i = 0; i < 3; ++i) {
            const SimulatedDravo2Runs::Dosimeter &sent = header.dosimeters.at(i);
            auto result = [&](const char *name) {
                return results.value(QLatin1String(name) + QLatin1String(suffixes[i])).toString();
            };
            auto config = [&](const char *name) {
                return results.value(QLatin1String(prefixes[i]) + QLatin1String(name)).toString();
            };
            QCOMPARE(result("label"), QString(sent.label));
            QCOMPARE(result("dose"), QString(sent.dose));
            QCOMPARE(result("twa"), QString(sent.twa));
            QCOMPARE(result("lavg"), QString(sent.lavg));
            QCOMPARE(config("actionLevel"), QString(sent.actionLevel));
            QCOMPARE(config("criterionLevel"), QString(sent.criterionLevel));
            QCOMPARE(config("exchangeRate"), QString(sent.exchangeRate));
            QCOMPARE(config("timeWeighting"), QString(sent.timeWeighting));
            QCOMPARE(config("freqWeighting"), QString(sent.freqWeighting));
            // 25 s of a run scaled to an 8 h day.
            QCOMPARE(result("dailyDose"),
                     QString::number(QByteArray(sent.dose).toDouble() * 28800 / 25, 'f', 2));
            QVERIFY(result("ne") != "---" && result("nen") == result("ne"));
        }
        QCOMPARE(results.value("label").toString(), QString("LINE 3"));
        QCOMPARE(results.value("sampleTime").toString(), QString("1"));
        QCOMPARE(results.value("octaveAnalysis").toString(), QString("1/1"));
        QCOMPARE(results.value("l10").toString(), QString("86.2"));
        QCOMPARE(results.value("l90").toString(), QString("---"));
        QCOMPARE(results.value("nPk").toString(), QString("4"));
        QCOMPARE(results.value("duration").toString(), QString("25"));
        QCOMPARE(results.value("durationStr").toString(), QString("00:00:25"));
        QCOMPARE(results.value("pauseTime").toString(), QString("00:10:00"));
        QCOMPARE(results.value("startTime").toString(), formatDeviceDateTime(start()));
        QCOMPARE(results.value("stopTime").toString(), formatDeviceDateTime(start().addSecs(625)));
        QCOMPARE(results.value("preCal").toString(), QString("94.0"));
        QCOMPARE(results.value("posCal").toString(), QString("93.9"));
        QCOMPARE(results.value("preCalDate").toString(),
                 formatDeviceDateTime(start().addSecs(-300)));
        QCOMPARE(results.value("posCalDate").toString(),
                 formatDeviceDateTime(start().addSecs(925)));
        QCOMPARE(results.value("numFreq").toString(), QString("9"));
        const QJsonArray bands = results.value("leqList").toArray();
        QCOMPARE(bands.size(), header.bands.size());
        for (int i = 0; i < bands.size(); ++i) {
            const QJsonObject band = bands.at(i).toObject();
            QCOMPARE(band.value("freqIdx").toString(), QString::number(i));
            QCOMPARE(band.value("frequency").toString(), QString(header.bands.at(i).frequency));
            QCOMPARE(band.value("leq").toString(), QString(header.bands.at(i).leq));
        }
        QCOMPARE(results.value("vbatStart").toInt(), header.vbatStart);
        QCOMPARE(results.value("coulombCounterStop").toInt(), header.coulombCounterStop);
        QCOMPARE(results.value("stopReason").toString(), QString("USER"));
    }

    void refusedConfigurationKeepsTheDefaults()
    {
        SimulatedDravo2Link d;
        Header header;
        header.dosimeters[1].criterionLevel = "87";
        SimulatedDravo2Runs::installConfiguration(d.instrument(), header);
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(2, 5, start(), header));
        d.instrument().scriptFault("AT+VFDOSCFG?", Fault::Error);
        Experiment *downloaded = nullptr;
        QCOMPARE(downloadIndex(d, 2, &downloaded), 0);
        std::unique_ptr<Experiment> run(downloaded);
        QCOMPARE(d.instrument().commandsStartingWith("AT+VFXPHDR=").size(), 8);
        auto *results = qobject_cast<Dravo2Results *>(run->results());
        QVERIFY(results);
        QCOMPARE(results->dos2criterionLevel(), QString("85"));
        // Page 1 still brings the USER dosimeter's configuration.
        QCOMPARE(results->dosUSERexchangeRate(), QString("4"));
    }

    void missingPageEightLeavesItsDefaults()
    {
        SimulatedDravo2Link d;
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(2, 5, start()));
        d.instrument().scriptFault("AT+VFXPHDR=8,", Fault::Error);
        Experiment *downloaded = nullptr;
        QCOMPARE(downloadIndex(d, 2, &downloaded), 0);
        std::unique_ptr<Experiment> run(downloaded);
        QCOMPARE(run->results()->vbatStart(), 0);
        QCOMPARE(qobject_cast<Dravo2Results *>(run->results())->l10(), QString("86.2"));
    }

    // The simulated dosimeter records the bands of its octave analysis.
    void simulatedBandsFollowTheOctaveAnalysis_data()
    {
        QTest::addColumn<QByteArray>("analysis");
        QTest::addColumn<QStringList>("frequencies");
        QTest::newRow("1/1") << QByteArray("1/1")
                             << QStringList{"31.50",   "63.00",   "125.00",  "250.00", "500.00",
                                            "1000.00", "2000.00", "4000.00", "8000.00"};
        QTest::newRow("1/3") << QByteArray("1/3")
                             << QStringList{"50.00",   "63.00",   "80.00",   "100.00",   "125.00",
                                            "160.00",  "200.00",  "250.00",  "315.00",   "400.00",
                                            "500.00",  "630.00",  "800.00",  "1000.00",  "1250.00",
                                            "1600.00", "2000.00", "2500.00", "3150.00",  "4000.00",
                                            "5000.00", "6300.00", "8000.00", "10000.00", "12500.00",
                                            "16000.00"};
    }

    void simulatedBandsFollowTheOctaveAnalysis()
    {
        QFETCH(QByteArray, analysis);
        QFETCH(QStringList, frequencies);
        SimulatedDravo2Link d;
        SimulatedDravo2::of(&d.instrument())->octaveAnalysis = analysis;
        addSimulatedRun(d.instrument(), 3, 5, start());
        Experiment *downloaded = nullptr;
        QCOMPARE(downloadIndex(d, 3, &downloaded), 0);
        std::unique_ptr<Experiment> kept(downloaded);
        auto *results = qobject_cast<Dravo2Results *>(kept->results());
        QCOMPARE(results->octaveAnalysis(), QString(analysis));
        QCOMPARE(results->numFreq(), QString::number(frequencies.size()));
        QStringList received;
        for (const LeqPerOctave *band : results->leqList())
            received.append(band->frequency());
        QCOMPARE(received, frequencies);
    }

    // A line of page 6 that is no band line is skipped; the run downloads
    // with every band the page announced.
    void pageSixSkipsAShortLine()
    {
        SimulatedDravo2Link d;
        SimulatedInstrument::Run run = SimulatedDravo2Runs::makeRun(2, 5, start());
        const int bands = run.pages.value(6).count("\r\n+VFXPHDR: ") + 1;
        run.pages[6] += "\r\n\r\n+VFXPHDR: 6,2";
        d.instrument().addRun(run);
        Experiment *downloaded = nullptr;
        QCOMPARE(downloadIndex(d, 2, &downloaded), 0);
        std::unique_ptr<Experiment> kept(downloaded);
        QCOMPARE(qobject_cast<Dravo2Results *>(kept->results())->leqList().size(), bands);
    }

    void failedHeaderPageDropsTheRun_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("commandsSent");

        const QList<QByteArray> shortPages{
            "1,2,L,1,80,85,3,Slow",         "2,2,45.1,80.0", "3,2,45.1,80,81,\"X\",9", "4,2",
            "5,2,86,80,71,4,5,\",\",\",\"", "6,2,11,0,31.5", "7,2,94.0,93.9"};
        for (int page = 1; page <= 7; ++page) {
            const QByteArray command = "AT+VFXPHDR=" + QByteArray::number(page) + ",";
            // Records, the configuration and the pages up to the failing one.
            const int sent = 1 + 1 + page;
            const QByteArray name = "page " + QByteArray::number(page);
            QTest::newRow(name + " ERROR")
                << command << int(Fault::Error) << QByteArray() << -1 << sent;
            QTest::newRow(name + " BUSY")
                << command << int(Fault::Busy) << QByteArray() << -1 << sent;
            QTest::newRow(name + " silence")
                << command << int(Fault::Silence) << QByteArray() << -1 << sent;
            // Page 6 skips a short line (see pageSixSkipsAShortLine).
            if (page != 6)
                QTest::newRow(name + " too few fields")
                    << command << int(Fault::Reply)
                    << SimulatedInstrument::information("VFXPHDR", {shortPages.at(page - 1)}) << -1
                    << sent;
        }
        // A page of band lines of which not one can be read, ended by OK.
        QTest::newRow("page 6 garbled")
            << QByteArray("AT+VFXPHDR=6,") << int(Fault::Garble) << QByteArray() << -1 << 8;
        QTest::newRow("page 6 of lines cut short")
            << QByteArray("AT+VFXPHDR=6,") << int(Fault::Reply)
            << SimulatedInstrument::information("VFXPHDR", {"6,2,11,0,31.5", "6,2,11,1"}) << -1
            << 8;
        QTest::newRow("page 3 truncated")
            << QByteArray("AT+VFXPHDR=3,") << int(Fault::Truncate) << QByteArray() << -1 << 5;
        QTest::newRow("page 4 link dropped")
            << QByteArray("AT+VFXPHDR=4,") << int(Fault::DropLink) << QByteArray() << -3 << 6;
        QTest::newRow("configuration BUSY")
            << QByteArray("AT+VFDOSCFG?") << int(Fault::Busy) << QByteArray() << -1 << 2;
        QTest::newRow("configuration line unknown")
            << QByteArray("AT+VFDOSCFG?") << int(Fault::Reply)
            << SimulatedInstrument::information("VFDOSCFG", {"4,\"X\",80,85,3,\"Slow\",\"A\""})
            << -1 << 2;
        QTest::newRow("configuration link dropped")
            << QByteArray("AT+VFDOSCFG?") << int(Fault::DropLink) << QByteArray() << -3 << 2;
    }

    void failedHeaderPageDropsTheRun()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, fault);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, commandsSent);
        SimulatedDravo2Link d;
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(2, 5, start()));
        d.instrument().scriptFault(command, Fault(fault), 1, reply);
        QSignalSpy busy(d.device.get(), &Device::busy);
        Experiment *run = nullptr;
        QCOMPARE(downloadIndex(d, 2, &run), result);
        QVERIFY(!run);
        QCOMPARE(busy.count(), Fault(fault) == Fault::Busy ? 1 : 0);
        // Nothing is asked after the failing page.
        QCOMPARE(d.instrument().commands().size(), commandsSent);
    }
};

QTEST_MAIN(TestDravo2Download)
#include "tst_dravo2download.moc"
