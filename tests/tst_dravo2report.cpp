#include "Core.h"
#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "Dravo2ReportRun.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "LeqPerOctave.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "ReportViewer.h"
#include "RunChain.h"
#include "RunDownload.h"
#include "SimulatedDravo2Link.h"
#include "VfFile.h"
#include "VfPrinter.h"
#include "models/dravo2/Dravo2File.h"
#include "models/dravo2/Dravo2Log.h"
#include "models/dravo2/Dravo2ReportCharts.h"
#include "models/dravo2/Dravo2Results.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineSeries>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>
#include <ctime>
#include <memory>

namespace {

using Header = SimulatedDravo2Runs::Header;

using Chain = RunChain;

QDateTime start()
{
    return parseDeviceDateTime("24/05/17,08:30:00+00");
}

// Every switch of the dosimeter report set, and the identification texts.
QJsonObject allOn(const QString &fileName)
{
    QJsonObject options = Dravo2ReportRun::everySection(fileName);
    const QJsonObject texts{
        {"cmpnyName", "Acme Foundry"},
        {"siteName", "Casting hall"},
        {"emplName", "Paul Worker"},
        {"ownCompany", "Hygiene Lab Ltd"},
        {"collectorName", "Carla Collector"},
        {"repName", "Rita Reporter"},
        {"repIdReg", "RG-4471"},
        {"obsText", "Windows were open during the afternoon."},
        {"audCertified", "CAL-200 cert. 5531"},
    };
    for (auto it = texts.begin(); it != texts.end(); ++it)
        options.insert(it.key(), it.value());
    return options;
}

QString text(const QJsonObject &options)
{
    return QString::fromUtf8(QJsonDocument(options).toJson());
}

QJsonObject hearingProtector()
{
    QJsonObject data{{"datatype", "hearingprotect"},
                     {"hearProtectMfc", "EarSafe"},
                     {"hearProtectModel", "Muff 300"},
                     {"hearProtectCANumber", "CA-12345"},
                     {"hearingProtectorType", "Earmuffs"},
                     {"stdApplied", "ISO 4869-1"},
                     {"stdNumber", 2},
                     {"NPS", 91.37},
                     {"NPSp", 72.84}};
    const char *const bands[] = {"125", "250", "500", "1000", "2000", "4000", "8000"};
    for (int i = 0; i < 7; ++i) {
        data.insert(QLatin1String("nps") + QLatin1String(bands[i]), 70.11 + i);
        data.insert(QLatin1String("npsp") + QLatin1String(bands[i]), 50.22 + i);
        data.insert(QLatin1String("att") + QLatin1String(bands[i]), 20.33 + i);
        data.insert(QLatin1String("desv") + QLatin1String(bands[i]), 1.44 + i);
    }
    return data;
}

// Drives the dosimeter's printer as Core does; the print result.
int writeReport(const QJsonObject &options, Experiment *head,
                const CalibrationCertificate &calibration = CalibrationCertificate())
{
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("DRAVO 2")));
    if (!printer)
        return -99;
    printer->setProductName(QStringLiteral("DRAVO 2"));
    printer->setSn(QStringLiteral("D2-000123"));
    printer->setCalibration(calibration);
    printer->setReportOptions(text(options));
    printer->setExperiment(head);
    const int result = printer->print();
    if (result == 0) {
        printer->endPainting();
        printer->openReport();
    }
    return result;
}

// Downloads the simulated instrument's only run, as the application does.
Chain download(SimulatedDravo2Link &d)
{
    const QList<QObject *> list = d.device->readExperimentList();
    Experiment *run = nullptr;
    if (list.isEmpty() ||
        RunDownload::download(d.device.get(), qobject_cast<Experiment *>(list.first()), &run) != 0)
        run = nullptr;
    d.device->clearExperimentList();
    return Chain(run);
}

// Saves `run` as a ".drv" file of the device.
bool save(const QString &path, const Device &device, Experiment *run)
{
    return VfFile::write(path, DataFileEnvelope::encode(DataFileEnvelope::document(
                                   QStringLiteral("test"), device.toJson(), {run->toJson()}))) == 0;
}

// Opens a ".drv" file as the application does.
Chain reopen(const QString &path)
{
    std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
    if (!qobject_cast<Dravo2File *>(file.get()) || !file->open(QIODevice::ReadOnly))
        return Chain();
    const QByteArray content = file->readAll();
    std::unique_ptr<Device> device(file->readHeader(content));
    return Chain(device ? file->parse(content) : nullptr);
}

} // namespace

// The "Dosimeter Noise Report" of downloaded and reopened runs, read back
// from the PDF with poppler's tools.
class TestDravo2Report : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ReportViewer> m_viewer;

    QString pdf(const QString &name) const { return m_dir.filePath(name + ".pdf"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // This computer's zone is UTC, so that an instrument elsewhere shows
        // whether its own times are printed.
        qputenv("TZ", "UTC");
        tzset();
        // VALTRIX_KEEP_REPORTS keeps the PDFs for a look at the pages.
        PdfText::keepIfAsked(m_dir);
        QLocale::setDefault(QLocale::c());
        m_viewer = std::make_unique<ReportViewer>();
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are not installed");
    }

    void everySectionOfADownloadedRun()
    {
        Chain run(Dravo2ReportRun::make(10, start()));
        QVERIFY(run);
        run->results()->refreshGeneralData(hearingProtector());
        CalibrationCertificate calibration;
        calibration.setCertification(QStringLiteral("LAB-7781"));
        calibration.setDate(QDateTime(QDate(2024, 2, 1), QTime(12, 0)));
        m_viewer->opened.clear();
        const QString file = pdf("all");
        QCOMPARE(writeReport(allOn(file), run.get(), calibration), 0);
        QCOMPARE(m_viewer->opened, QList<QUrl>{QUrl::fromLocalFile(file)});

        const QStringList pages = PdfText::pages(file);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(PdfText::pageCount(file), 3);
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));

        auto *r = qobject_cast<Dravo2Results *>(run->results());
        QStringList first{"Dosimeter Noise Report @ DRAVO 2 SN: D2-000123",
                          "Company evaluated: Acme Foundry",
                          "Site/Area: Casting hall",
                          "Employee: Paul Worker",
                          "Working hours [hh:mm]: 08:00",
                          "Valuation company: Hygiene Lab Ltd",
                          "Collected by: Carla Collector",
                          "Date: " + VfPrinter::dateText(start().date()),
                          "Configuration",
                          "Freq. weighting curve: C",
                          "Time weighting: Fast",
                          "Threshold level [dB]: 75",
                          "Criterion level [dB]: 90",
                          "Exchange rate [dB]: 4",
                          "Evaluation results",
                          "Duration: 00:00:10",
                          "Pause time: 00:10:00",
                          "Dosimeter NHO-01",
                          "Dosimeter NR-15",
                          "Dosimeter OWN",
                          "Dose [%]: 62.50",
                          "Dose [%]: 40.00",
                          "Dose [%]: 12.30",
                          "Leq [dB]: 82.96",
                          "Lavg [dB]: 79.10",
                          "Leq [dB]: 78.30",
                          "TWA [dB]: 82.96",
                          "TWA [dB]: 78.41",
                          "TWA [dB]: 77.90",
                          "115 dB peaks occurrence: 4",
                          "Calibration",
                          "Field cal. @ 1kHz",
                          "Pre check [dB]: 94.00",
                          "Pos check [dB]: 93.90",
                          "Desviate [dB]: 0.10",
                          "Laboratory calibration",
                          "Dosimeter: LAB-7781 " + VfPrinter::dateText(QDate(2024, 2, 1)),
                          "Sound calibrator: CAL-200 cert. 5531",
                          "Charts",
                          "Noise level x Time",
                          "Histogram",
                          "Time [min]",
                          "Noise [dB]",
                          "Notes",
                          "Windows were open during the afternoon.",
                          "Rita Reporter",
                          "ID: RG-4471"};
        // The values that depend on the working hours, as the results hold them.
        for (const QString &value : {r->dailyDoseDos1(), r->dailyDoseDos2(), r->dailyDoseDosUSER()})
            first.append("Daily dose [%]: " + value);
        for (const QString &value : {r->neDos1(), r->neDos2(), r->neDosUSER()})
            first.append("EL [dB]: " + value);
        for (const QString &value : {r->nenDos1(), r->nenDos2(), r->nenDosUSER()})
            first.append("NEL [dB]: " + value);
        for (const QString &line : qAsConst(first))
            QVERIFY2(pages.at(0).contains(line), qPrintable(line + "\n" + pages.at(0)));

        const QStringList second{"Hearing protector evaluation",
                                 "Manufacturer: EarSafe",
                                 "Model: Muff 300",
                                 "C.A.: CA-12345",
                                 "Std. applied: ISO 4869-1",
                                 "Type: Earmuffs",
                                 "Total SPL [dB(A)]: 91.37",
                                 "Total SPLp [dB(A)]: 72.84",
                                 "Octave bands",
                                 "Frequency [Hz]"};
        for (const QString &line : second)
            QVERIFY2(pages.at(1).contains(line), qPrintable(line + "\n" + pages.at(1)));
        const QString bandRows[] = {"70.11 +71.11 +72.11 +73.11 +74.11 +75.11 +76.11",
                                    "20.33 +21.33 +22.33 +23.33 +24.33 +25.33 +26.33",
                                    "1.44 +2.44 +3.44 +4.44 +5.44 +6.44 +7.44",
                                    "50.22 +51.22 +52.22 +53.22 +54.22 +55.22 +56.22"};
        for (const QString &row : bandRows)
            QVERIFY2(pages.at(1).contains(QRegularExpression(row)), qPrintable(row));

        for (const char *line : {"Idx", "D/T", "L [dB]", "001", "010"})
            QVERIFY2(pages.at(2).contains(QLatin1String(line)), line);
    }

    // Each part of the report is left out with its switch, and the pages
    // still count right.
    void eachSectionOnlyWithItsSwitch_data()
    {
        QTest::addColumn<QStringList>("off");
        QTest::addColumn<QStringList>("gone");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("company") << QStringList{"cmpnyInfoEnable"}
                                 << QStringList{"Company evaluated"} << QStringList{"Site/Area"};
        QTest::newRow("site") << QStringList{"siteInfoEnable"} << QStringList{"Site/Area"}
                              << QStringList{"Employee"};
        QTest::newRow("employee") << QStringList{"emplInfoEnable"} << QStringList{"Employee"}
                                  << QStringList{"Working hours"};
        QTest::newRow("own company")
            << QStringList{"ownCompanyInfoEnable"} << QStringList{"Valuation company"}
            << QStringList{"Collected by"};
        QTest::newRow("collector") << QStringList{"collectorInfoEnable"}
                                   << QStringList{"Collected by"} << QStringList{"Date:"};
        QTest::newRow("dosimeter 2")
            << QStringList{"ckbDos2DosiCfg"} << QStringList{"NR-15", "Lavg"}
            << QStringList{"Configuration", "Dosimeter NHO-01", "Dosimeter OWN"};
        QTest::newRow("no dosimeter")
            << QStringList{"ckbDos1DosiCfg", "ckbDos2DosiCfg", "ckbDosUSERDosiCfg"}
            << QStringList{"Configuration", "Evaluation results", "Duration", "115 dB"}
            << QStringList{"Calibration"};
        QTest::newRow("peaks") << QStringList{"ckbImpact"} << QStringList{"115 dB peaks"}
                               << QStringList{"TWA [dB]"};
        QTest::newRow("pre check")
            << QStringList{"ckbPreCal"} << QStringList{"Pre check", "Desviate"}
            << QStringList{"Pos check"};
        QTest::newRow("pos check")
            << QStringList{"ckbPosCal"} << QStringList{"Pos check", "Desviate"}
            << QStringList{"Pre check"};
        QTest::newRow("laboratory") << QStringList{"ckbCalLab", "ckbCalAudLab"}
                                    << QStringList{"Laboratory calibration", "Sound calibrator"}
                                    << QStringList{"Field cal. @ 1kHz"};
        QTest::newRow("no calibration")
            << QStringList{"ckbPreCal", "ckbPosCal", "ckbCalLab", "ckbCalAudLab"}
            << QStringList{"Calibration", "Field cal."} << QStringList{"Charts"};
        QTest::newRow("level chart")
            << QStringList{"ckbChartLvl"} << QStringList{"Noise level x Time"}
            << QStringList{"Histogram"};
        QTest::newRow("histogram") << QStringList{"ckbChartHisto"} << QStringList{"Histogram"}
                                   << QStringList{"Noise level x Time"};
        QTest::newRow("no charts") << QStringList{"ckbChartLvl", "ckbChartHisto"}
                                   << QStringList{"Charts"} << QStringList{"Notes"};
        QTest::newRow("notes") << QStringList{"obsEnable"}
                               << QStringList{"Notes", "Windows were open"}
                               << QStringList{"Rita Reporter"};
        QTest::newRow("signer") << QStringList{"repInfoEnable"} << QStringList{"Rita Reporter"}
                                << QStringList{"ID: RG-4471"};
        QTest::newRow("signer id") << QStringList{"repIdInfoEnable"} << QStringList{"RG-4471"}
                                   << QStringList{"Rita Reporter"};
        QTest::newRow("hearing protector")
            << QStringList{"ckbHearingProtector"} << QStringList{"Hearing protector"}
            << QStringList{"Octave bands"};
        QTest::newRow("octave page") << QStringList{"ckbChartLeq"} << QStringList{"Octave bands"}
                                     << QStringList{"Hearing protector evaluation"};
        QTest::newRow("no weighting")
            << QStringList{"ckbLeqZ", "ckbLeqA", "ckbLeqC"} << QStringList{"Octave bands"}
            << QStringList{"Hearing protector evaluation"};
        QTest::newRow("no second page")
            << QStringList{"ckbHearingProtector", "ckbChartLeq"}
            << QStringList{"Hearing protector", "Octave bands"} << QStringList{"D/T"};
        QTest::newRow("table") << QStringList{"ckbTable"} << QStringList{"D/T", "Idx"}
                               << QStringList{"Octave bands"};
    }

    void eachSectionOnlyWithItsSwitch()
    {
        QFETCH(QStringList, off);
        QFETCH(QStringList, gone);
        QFETCH(QStringList, kept);
        Chain run(Dravo2ReportRun::make(10, start()));
        QVERIFY(run);
        run->results()->refreshGeneralData(hearingProtector());
        QJsonObject options = allOn(pdf(QTest::currentDataTag()));
        for (const QString &key : qAsConst(off))
            options.insert(key, false);
        const QString file = pdf(QTest::currentDataTag());
        QCOMPARE(writeReport(options, run.get()), 0);
        const QStringList pages = PdfText::pages(file);
        QVERIFY(!pages.isEmpty());
        QCOMPARE(pages.size(), PdfText::pageCount(file));
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        const QString all = pages.join(QLatin1Char('\f'));
        for (const QString &line : qAsConst(gone))
            QVERIFY2(!all.contains(line), qPrintable(line));
        for (const QString &line : qAsConst(kept))
            QVERIFY2(all.contains(line), qPrintable(line));
    }

    // "k of N" is right on every page, for short, long and multi-day runs,
    // with and without the second page; the table pages carry its header.
    void pageCountMatchesThePages_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("sampleSeconds");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<bool>("secondPage");
        QTest::newRow("no samples") << 0 << 1 << start() << true;
        QTest::newRow("no samples, one page") << 0 << 1 << start() << false;
        QTest::newRow("10 samples") << 10 << 1 << start() << true;
        QTest::newRow("1000 samples") << 1000 << 1 << start() << false;
        QTest::newRow("1000 samples, second page") << 1000 << 1 << start() << true;
        QTest::newRow("two days") << 2000 << 60 << start().addSecs(11 * 3600) << true;
        QTest::newRow("three days") << 3000 << 60 << start() << false;
        // A full day of one-second samples; under AddressSanitizer every
        // allocation is traced, so a sixth of it exercises the same paths.
#if defined(__SANITIZE_ADDRESS__)
        QTest::newRow("a day of samples") << 4800 << 6 << start() << true;
#else
        QTest::newRow("a day of samples") << 28800 << 1 << start() << true;
#endif
    }

    void pageCountMatchesThePages()
    {
        QFETCH(int, records);
        QFETCH(int, sampleSeconds);
        QFETCH(QDateTime, from);
        QFETCH(bool, secondPage);
        Header header;
        header.sampleSeconds = sampleSeconds;
        Chain run(Dravo2ReportRun::make(records, from, header));
        QVERIFY(run);
        QCOMPARE(run->logs().size(), records);
        QJsonObject options = allOn(pdf(QTest::currentDataTag()));
        options.insert("ckbHearingProtector", secondPage);
        options.insert("ckbChartLeq", secondPage);
        const QString file = pdf(QTest::currentDataTag());
        QCOMPARE(writeReport(options, run.get()), 0);

        const QStringList pages = PdfText::pages(file);
        QCOMPARE(pages.size(), PdfText::pageCount(file));
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        const int reportPages = secondPage ? 2 : 1;
        if (records == 0)
            QCOMPARE(pages.size(), reportPages);
        else
            QVERIFY(pages.size() > reportPages);
        for (int k = reportPages; k < pages.size(); ++k)
            QVERIFY2(pages.at(k).contains("D/T"), qPrintable(QString::number(k + 1)));
        QVERIFY(!pages.at(reportPages - 1).contains("D/T"));
        // Every sample of the run is in the table, the last one too.
        if (records > 0) {
            const QString last = QStringLiteral("%1").arg(records, 3, 10, QLatin1Char('0'));
            QVERIFY(pages.last().contains(QRegularExpression("(^|\\s)" + last + "\\s")));
        }
    }

    // A run saved to a ".drv" file and opened again prints the same report;
    // the hearing protector is not saved, and the reopened report says so.
    void reopenedFileReportsTheSame()
    {
        SimulatedDravo2Link d;
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(4, 25, start()));
        Chain downloaded = download(d);
        QVERIFY(downloaded);
        QCOMPARE(downloaded->results()->refreshWorkingHours("{\"workingHours\": \"06:30\"}"), 0);
        downloaded->results()->refreshGeneralData(hearingProtector());
        const QString path = m_dir.filePath("run.drv");
        QVERIFY(save(path, *d.device, downloaded.get()));
        Chain reopened = reopen(path);
        QVERIFY(reopened);

        QCOMPARE(writeReport(allOn(pdf("downloaded")), downloaded.get()), 0);
        QCOMPARE(writeReport(allOn(pdf("reopened")), reopened.get()), 0);
        const QStringList before = PdfText::pages(pdf("downloaded"));
        const QStringList after = PdfText::pages(pdf("reopened"));
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.at(0), before.at(0));
        QVERIFY(after.at(0).contains("Working hours [hh:mm]: 06:30"));
        QCOMPARE(after.last(), before.last());
        QVERIFY(before.at(1).contains("Manufacturer: EarSafe"));
        QVERIFY(!after.at(1).contains("Manufacturer"));
        QVERIFY(after.at(1).contains("No hearing protector was evaluated for this run."));
        QVERIFY(!after.at(1).contains("0.00"));
    }

    // The whole road through Core: a file opened, the hearing protector
    // stored through refreshGeneralData, the report written and opened; a
    // report that cannot be written is a failure.
    void reportThroughCore()
    {
        SimulatedDravo2Link d;
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(2, 40, start()));
        Chain downloaded = download(d);
        QVERIFY(downloaded);
        const QString path = m_dir.filePath("core.drv");
        QVERIFY(save(path, *d.device, downloaded.get()));

        Core core;
        core.parseFile(QUrl::fromLocalFile(path).toString());
        QJsonObject protector = hearingProtector();
        protector.insert("stdNumber", 1);
        core.refreshGeneralData(QString::fromUtf8(QJsonDocument(protector).toJson()));
        m_viewer->opened.clear();
        const QString file = pdf("core");
        QCOMPARE(core.generateReport(text(allOn(file))), 0);
        QCOMPARE(m_viewer->opened, QList<QUrl>{QUrl::fromLocalFile(file)});
        const QStringList pages = PdfText::pages(file);
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        QVERIFY(pages.size() >= 3);
        QVERIFY(pages.at(1).contains("Manufacturer: EarSafe"));
        QVERIFY(pages.at(1).contains("Total SPLp [dB(A)]: 72.84"));
        // Only the second method names the protector type.
        QVERIFY(!pages.at(1).contains("Type:"));

        m_viewer->opened.clear();
        QSignalSpy why(&core, &Core::writeError);
        QCOMPARE(core.generateReport(text(allOn("/nonexistent-dir/sub/report"))), -1);
        QVERIFY(m_viewer->opened.isEmpty());
        QCOMPARE(why.count(), 1);
        QCOMPARE(why.first().first().toString(),
                 QString("The folder \"/nonexistent-dir/sub\" does not exist."));
    }

    // Values the instrument left empty print as "---", never as 0.00, and a
    // run of more than a day shows all its hours and both dates.
    void valuesThatAreNotNumbers()
    {
        Header header;
        header.dosimeters[0].dose = "";
        header.dosimeters[0].twa = "";
        header.dosimeters[0].lavg = "";
        header.preCal = "";
        header.sampleSeconds = 9000;
        Chain run(Dravo2ReportRun::make(10, start(), header));
        QVERIFY(run);
        const QList<Log *> logs = run->logs();
        qobject_cast<Dravo2Log *>(logs.at(1))->setLevel("---");
        qobject_cast<Dravo2Log *>(logs.at(2))->setLevel("");
        const QString file = pdf("dashes");
        QCOMPARE(writeReport(allOn(file), run.get()), 0);
        const QStringList pages = PdfText::pages(file);
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        const QString first = pages.at(0);
        for (const char *line : {"Dose [%]: ---", "Daily dose [%]: ---", "Leq [dB]: ---",
                                 "EL [dB]: ---", "NEL [dB]: ---", "TWA [dB]: ---",
                                 "Pre check [dB]: ---", "Duration: 25:00:00", "Dose [%]: 40.00"})
            QVERIFY2(first.contains(QLatin1String(line)), line);
        QVERIFY(!first.contains("Desviate"));
        QVERIFY(!first.contains(": 0.00"));
        const QString stop = VfPrinter::dateText(start().addSecs(90000 + 600).date());
        QVERIFY2(first.contains("Stop time: " + stop), qPrintable(stop));
        QVERIFY(pages.at(2).contains(QRegularExpression("002 +\\S+ +---")));
        QVERIFY(pages.at(2).contains(QRegularExpression("003 +\\S+ +---")));
    }

    // Every time of the report is the instrument's own wall-clock time, as
    // the results page shows it, wherever this computer is.
    void instrumentWallClockTimes()
    {
        // The run passes midnight at the instrument, not in UTC.
        Chain run(Dravo2ReportRun::make(3, parseDeviceDateTime("24/05/17,23:59:59-12")));
        QVERIFY(run);
        const QString file = pdf("wall-clock");
        QCOMPARE(writeReport(allOn(file), run.get()), 0);
        const QStringList pages = PdfText::pages(file);
        const QString startText = VfPrinter::dateText(QDate(2024, 5, 17)) + " 23:59:59";
        QVERIFY2(pages.at(0).contains("Start time: " + startText), qPrintable(pages.at(0)));
        QVERIFY(pages.at(0).contains("Date: " + VfPrinter::dateText(QDate(2024, 5, 17))));
        QVERIFY(pages.at(2).contains(QRegularExpression("001 +23:59:59")));
        QVERIFY(pages.at(2).contains(QRegularExpression("002 +00:00:00")));
        QVERIFY(pages.at(2).contains(VfPrinter::dateText(QDate(2024, 5, 18))));
    }

    // A band level the run did not know leaves its protected level and both
    // totals out of the evaluation: the report prints "---" there, not 0.00.
    void hearingProtectorValuesNotKnown()
    {
        Chain run(Dravo2ReportRun::make(10, start()));
        QVERIFY(run);
        QJsonObject protector = hearingProtector();
        for (const char *key : {"NPS", "NPSp", "nps125", "npsp125"})
            protector.remove(QLatin1String(key));
        run->results()->refreshGeneralData(protector);
        const QString file = pdf("protector-unknown");
        QCOMPARE(writeReport(allOn(file), run.get()), 0);
        const QString second = PdfText::pages(file).value(1);
        for (const char *line : {"Total SPL [dB(A)]: ---", "Total SPLp [dB(A)]: ---"})
            QVERIFY2(second.contains(QLatin1String(line)), line);
        for (const char *row : {"--- +71.11 +72.11", "--- +51.22 +52.22", "20.33 +21.33"})
            QVERIFY2(second.contains(QRegularExpression(QLatin1String(row))), row);
        QVERIFY(!second.contains("0.00 "));
    }

    // A one-third-octave run over a wide range of levels: every band and
    // every level class is shown, labelled.
    void thirdOctavesAndWideLevels()
    {
        static const char *const frequencies[] = {
            "50",   "63",   "80",   "100",  "125",  "160",   "200",   "250",  "315",
            "400",  "500",  "630",  "800",  "1000", "1250",  "1600",  "2000", "2500",
            "3150", "4000", "5000", "6300", "8000", "10000", "12500", "16000"};
        Header header;
        header.octaveAnalysis = "1/3";
        header.bands.clear();
        for (int i = 0; i < 26; ++i)
            header.bands.append({frequencies[i], QByteArray::number(55.0 + (i * 7) % 30, 'f', 1)});
        header.sampleSeconds = 60;
        Chain run(Dravo2ReportRun::make(600, start(), header));
        QVERIFY(run);
        int i = 0;
        for (Log *log : run->logs())
            qobject_cast<Dravo2Log *>(log)->setLevel(QString::number(25 + (i++ * 37) % 110));
        const QString file = pdf("thirds");
        QCOMPARE(writeReport(allOn(file), run.get()), 0);
        const QStringList pages = PdfText::pages(file);
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        QVERIFY(pages.at(1).contains("1/3 Octave"));
        for (const char *label : {"1.25 k", "12.5 k", "3.15 k", "50", "16 k"})
            QVERIFY2(pages.at(1).contains(QLatin1String(label)), label);
        // The level classes are named by their upper edges.
        QVERIFY(pages.at(0).contains("135"));
        QVERIFY(!pages.at(0).contains("130-135"));
    }

    // Each sample adds its interval to its 5 dB class; levels that are not
    // numbers or lie outside 0 to 150 dB belong to none.
    void histogramClasses()
    {
        QList<Log *> logs;
        for (const char *level :
             {"84.9", "85.0", "85.1", "---", "", "150.0", "-0.5", "149.99", "0"}) {
            auto *log = new Dravo2Log;
            log->setLevel(QLatin1String(level));
            logs.append(log);
        }
        const Dravo2ReportCharts::ClassMinutes minutes =
            Dravo2ReportCharts::histogramMinutes(logs, 30);
        // Each class shown is named by its upper edge, as on the results page.
        std::unique_ptr<QtCharts::QChart> chart(Dravo2ReportCharts::histogram(logs, 30));
        auto *axis =
            qobject_cast<QtCharts::QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->categories(), (QStringList{"5", "85", "90", "150"}));
        qDeleteAll(logs);
        Dravo2ReportCharts::ClassMinutes expected{};
        expected[16] = 0.5;
        expected[17] = 1.0;
        expected[29] = 0.5;
        expected[0] = 0.5;
        for (int k = 0; k < Dravo2ReportCharts::HistogramClasses; ++k)
            QCOMPARE(minutes[k], expected[k]);
    }

    // The octave charts correct each band by its own centre frequency and
    // leave out the bands without a level or without a correction.
    void octaveChartBands()
    {
        QList<LeqPerOctave *> bands;
        const char *const texts[][2] = {
            {"32.00", "50.0"}, {"63.00", "---"}, {"125.00", "70.0"}, {"5", "40.0"}};
        for (const auto &text : texts) {
            auto *band = new LeqPerOctave;
            band->setFrequency(QLatin1String(text[0]));
            band->setLeq(QLatin1String(text[1]));
            bands.append(band);
        }
        const auto barValues = [&bands](char weighting) {
            std::unique_ptr<QtCharts::QChart> chart(
                Dravo2ReportCharts::octaveBands(bands, QStringLiteral("1/1"), weighting));
            auto *series = qobject_cast<QtCharts::QBarSeries *>(chart->series().value(0));
            QList<qreal> values;
            for (int i = 0; series && i < series->barSets().value(0)->count(); ++i)
                values.append(series->barSets().value(0)->at(i));
            auto *axis =
                qobject_cast<QtCharts::QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
            return qMakePair(values, axis ? axis->categories() : QStringList());
        };
        QCOMPARE(barValues('Z'),
                 qMakePair(QList<qreal>{50.0, 70.0, 40.0}, QStringList{"32.0", "125", "5.0"}));
        QCOMPARE(barValues('A'), qMakePair(QList<qreal>{10.6, 53.9}, QStringList{"32.0", "125"}));
        QCOMPARE(barValues('C'), qMakePair(QList<qreal>{47.0, 69.8}, QStringList{"32.0", "125"}));
        qDeleteAll(bands);
    }

    // The level trace leaves out what is not a number and keeps a long run
    // to a few points per pixel, extremes included.
    void levelTrace()
    {
        QList<Log *> logs;
        for (int i = 0; i < 6000; ++i) {
            auto *log = new Dravo2Log;
            log->setRegisterDate(start().addSecs(i));
            log->setLevel(i == 5 ? QStringLiteral("---") : QString::number(60 + i % 31));
            logs.append(log);
        }
        qobject_cast<Dravo2Log *>(logs[4000])->setLevel("120.5");
        std::unique_ptr<QtCharts::QChart> chart(Dravo2ReportCharts::levelOverTime(logs, 600));
        auto *series = qobject_cast<QtCharts::QLineSeries *>(chart->series().value(0));
        QVERIFY(series);
        QVERIFY(series->count() <= 2 * 600 + 2);
        QVERIFY(series->count() > 600);
        qreal highest = 0;
        for (const QPointF &point : series->pointsVector())
            highest = qMax(highest, point.y());
        QCOMPARE(highest, 120.5);
        auto *levels = qobject_cast<QtCharts::QValueAxis *>(chart->axes(Qt::Vertical).value(0));
        QVERIFY(levels->min() <= 60 && levels->max() >= 120.5);
        qDeleteAll(logs);

        std::unique_ptr<QtCharts::QChart> empty(Dravo2ReportCharts::levelOverTime({}, 600));
        QVERIFY(empty);
    }

    // The time axis shows the instrument's own wall-clock time to the
    // second, and keeps to a few ticks whatever the span: a clock reset can
    // make a run span a century.
    void timeAxis_data()
    {
        QTest::addColumn<QDateTime>("first");
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<QString>("format");
        const QDateTime morning = parseDeviceDateTime("24/05/17,08:30:00-12");
        QTest::newRow("a minute at UTC-3") << morning << morning.addSecs(60) << "hh:mm:ss";
        QTest::newRow("a day and a half")
            << morning << morning.addSecs(36 * 3600) << "dd/MM hh:mm:ss";
        QTest::newRow("a century")
            << parseDeviceDateTime("00/01/01,00:00:00+00")
            << parseDeviceDateTime("99/12/31,23:00:00+00") << "dd/MM hh:mm:ss";
    }

    void timeAxis()
    {
        QFETCH(QDateTime, first);
        QFETCH(QDateTime, last);
        QFETCH(QString, format);
        QList<Log *> logs;
        for (const QDateTime &at : {first, last}) {
            auto *log = new Dravo2Log;
            log->setRegisterDate(at);
            log->setLevel("80.0");
            logs.append(log);
        }
        std::unique_ptr<QtCharts::QChart> chart(Dravo2ReportCharts::levelOverTime(logs, 600));
        qDeleteAll(logs);
        auto *axis = qobject_cast<QtCharts::QDateTimeAxis *>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->format(), format);
        QVERIFY2(axis->tickCount() <= 8, qPrintable(QString::number(axis->tickCount())));
        // The axis labels local time: the instrument's wall-clock time stands
        // there as it is, whatever this computer's zone.
        const QDateTime firstShown(first.date(), first.time(), Qt::LocalTime);
        const QDateTime lastShown(last.date(), last.time(), Qt::LocalTime);
        QVERIFY(axis->min() <= firstShown);
        QVERIFY(axis->max() >= lastShown);
        if (first.daysTo(last) == 0)
            QCOMPARE(axis->min(), firstShown);
    }
};

QTEST_MAIN(TestDravo2Report)
#include "tst_dravo2report.moc"
