#include "Core.h"
#include "Device.h"
#include "DeviceDateTime.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "ReportViewer.h"
#include "RunChain.h"
#include "SimulatedBemariCore.h"
#include "models/bemari/BemariExperiment.h"
#include "models/bemari/BemariPlusExperiment.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariPrinter.h"
#include "models/bemari/BemariResults.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Header = SimulatedBemariRuns::Header;

namespace {

QDateTime start()
{
    return parseDeviceDateTime("24/05/13,08:15:00-12");
}

QString text(const QJsonObject &options)
{
    return QString::fromUtf8(QJsonDocument(options).toJson());
}

QString url(const QString &path)
{
    return QUrl::fromLocalFile(path).toString();
}

// Every section and line that a switch governs, with charts and tables off.
QJsonObject everything(const QString &file)
{
    QJsonObject options{{"fileName", url(file)},
                        {"collectorInfoEnable", true},
                        {"collectorName", "Carla Collector"},
                        {"ownCompanyInfoEnable", true},
                        {"ownCompany", "Hygiene Lab Ltd"},
                        {"emplInfoEnable", true},
                        {"emplName", "Eva Employee"},
                        {"repInfoEnable", true},
                        {"repName", "Rita Reporter"},
                        {"repIdInfoEnable", true},
                        {"repIdReg", "RG-4471"},
                        {"cmpnyInfoEnable", true},
                        {"cmpnyName", "Acme Foundry"},
                        {"siteInfoEnable", true},
                        {"siteName", "Boiler house"},
                        {"obsEnable", true},
                        {"obsText", "Doors were open in the afternoon."},
                        {"audCertified", "CAL-77"}};
    for (const char *key :
         {"ckbCalField", "ckbPreChk", "ckbPosChk", "ckbCalLab", "ckbCalAudLab", "ckbResZ",
          "ckbResA", "ckbResC", "ckbMaxMinZ", "ckbMaxMinA", "ckbMaxMinC", "ckbStatistics"})
        options.insert(key, true);
    return options;
}

// A run made in memory, as a data file would give it.
Experiment *memoryRun(bool plus, int number, bool withResults = true)
{
    Experiment *run = plus ? static_cast<Experiment *>(new BemariPlusExperiment)
                           : static_cast<Experiment *>(new BemariExperiment);
    run->setDateTime(start().addDays(number));
    if (!withResults)
        return run;
    SoundLevelResults *results = plus ? static_cast<SoundLevelResults *>(new BemariPlusResults)
                                      : static_cast<SoundLevelResults *>(new BemariResults);
    results->setLabel(QStringLiteral("POINT %1").arg(number));
    results->setLEq(QStringLiteral("80.%1").arg(number % 10));
    results->setLMax(QStringLiteral("95.5"));
    results->setLMin(QStringLiteral("50.25"));
    results->setLFMax(QStringLiteral("90"));
    results->setDuration(QStringLiteral("60"));
    results->setStartTime(start());
    results->setStopTime(start().addSecs(60));
    run->setResults(results);
    return run;
}

RunChain memoryChain(bool plus, int runs)
{
    RunChain head;
    for (int i = 1; i <= runs; ++i) {
        Experiment *run = memoryRun(plus, i);
        if (head)
            head->append(run);
        else
            head.reset(run);
    }
    return head;
}

// Prints `head` as Core does; the print result.
int writeReport(const QByteArray &model, const QJsonObject &options, Experiment *head,
                const CalibrationCertificate &calibration = CalibrationCertificate())
{
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QString::fromLatin1(model)));
    if (!printer)
        return -99;
    printer->setProductName(QString::fromLatin1(model));
    printer->setSn(QStringLiteral("SLM-0042"));
    printer->setCalibration(calibration);
    printer->setReportOptions(text(options));
    printer->setExperiment(head);
    const int result = printer->print();
    if (result == 0 && printer->endPainting() != 0)
        return -98;
    return result;
}

} // namespace

// The "Noise Report" of the two sound level meters, read back from the PDF.
class TestBemariReport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ReportViewer> m_viewer;

    QString pdf(const QString &name) const { return m_dir.filePath(name + ".pdf"); }

    // Two runs downloaded from the simulated instrument through Core: the
    // first of 3725 s, the second of 25 hours, overloaded on a "BEMARI+" and
    // without its exposure level on a "BEMARI".
    static bool downloadTwoRuns(SimulatedBemariCore &rig)
    {
        Header first;
        first.duration = "3725";
        rig.addRun(3, 5, start(), first);
        Header second;
        second.label = "ROOM 9";
        second.duration = "90000";
        second.overload = "1";
        second.sel = "";
        rig.addRun(8, 4, start().addDays(1), second);
        return rig.select() == 0 && rig.core->findExperiments() == 0 &&
               rig.core->createExperiment("[0, 1]") == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        PdfText::keepIfAsked(m_dir);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_viewer = std::make_unique<ReportViewer>();
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are not installed");
    }

    void downloadedAndReopenedRuns_data() { addBemariModelRows(); }
    void downloadedAndReopenedRuns()
    {
        QFETCH(QByteArray, model);
        const bool plus = model == "BEMARI+";
        SimulatedBemariCore rig(model);
        QVERIFY(downloadTwoRuns(rig));
        const QString sn = rig.core->currentDevice()->sn();
        const QString file = pdf(QString(model) + " downloaded");
        m_viewer->opened.clear();
        QCOMPARE(rig.core->generateReport(text(everything(file))), 0);
        QCOMPARE(m_viewer->opened, QList<QUrl>{QUrl::fromLocalFile(file)});
        const QStringList pages = PdfText::checkedPages(file);
        QCOMPARE(pages.size(), 3);

        const QStringList first{
            "Noise Report @ " + model + " SN: " + sn,
            "Date: " + VfPrinter::dateText(QDate(2024, 5, 13)), "Company evaluated: Acme Foundry",
            "Site/Area: Boiler house", "Employee: Eva Employee",
            "Valuation company: Hygiene Lab Ltd", "Collected by: Carla Collector",
            "Measuring points", "Laboratory calibration",
            // The simulated instrument's certificate.
            "Sonometer: CERT-0001 " + VfPrinter::dateText(QDate(2021, 10, 29)),
            "Sound calibrator: CAL-77", "Notes", "Doors were open in the afternoon.",
            "Rita Reporter", "ID: RG-4471"};
        for (const QString &line : first)
            QVERIFY2(pages.at(0).contains(line), qPrintable(line + "\n" + pages.at(0)));
        // One row per run, numbered by its place in the chain.
        const QString row1 =
            plus ? "1 +ROOM 2 +78.30 +94.70 +122.80" : "1 +ROOM 2 +78.30 +94.70 +96.10 +55.20";
        const QString row2 = plus ? "2 +ROOM 9 +OL +OL +OL" : "2 +ROOM 9 +78.30";
        for (const QString &row : {row1, row2})
            QVERIFY2(pages.at(0).contains(QRegularExpression("\\n *" + row)),
                     qPrintable(row + "\n" + pages.at(0)));
        const QString heads =
            plus ? "L Aeq \\[dB\\] +L AFmax \\[dB\\] +L Cpeak \\[dB\\]"
                 : "L eq \\[dB\\] +L AFMax \\[dB\\] +L Max \\[dB\\] +L Min \\[dB\\]";
        QVERIFY2(pages.at(0).contains(QRegularExpression("Event +Name +" + heads)),
                 qPrintable(pages.at(0)));

        QStringList run1{"Configuration", "Event: 1", "Task name: ROOM 2", "Sample time [s]: 1",
                         // The instrument's own clock, whatever this computer's zone.
                         "Start time: 08:15:00", "Duration: 01:02:05", "Pause time: 01:02:05",
                         "Octave analysis: 1/1", "Field ver. @ 1kHz", "Pre check [dB]: 94.02 (",
                         "Pos check [dB]: 93.90 (", "Desviate [dB]: 00.12", "Results",
                         "Frequency weighting: A", "Time weighting: Slow"};
        // Each level's index stands on the line of its value.
        if (plus)
            run1 << "L Aeq [dB]: 78.30"
                 << "Max/Min"
                 << "Statistics"
                 << "L ZSmax [dB]: 95.40"
                 << "L 05 [dB]: 88.10"
                 << "L 95 [dB]: 60.70";
        else
            run1 << "L eq [dB]: 78.30"
                 << "SEL [dB]: 110.20"
                 << "L Peak [dB]: 121.40"
                 << "L 05 [dB]: 88.10"
                 << "L 95 [dB]: 60.70";
        for (const QString &line : run1)
            QVERIFY2(pages.at(1).contains(line), qPrintable(line + "\n" + pages.at(1)));
        QVERIFY(!pages.at(1).contains("Event: 2"));

        QVERIFY2(pages.at(2).contains("Event: 2"), qPrintable(pages.at(2)));
        QVERIFY(pages.at(2).contains("Task name: ROOM 9"));
        // A duration of more than a day keeps its hours.
        QVERIFY(pages.at(2).contains("Duration: 25:00:00"));
        if (plus)
            QVERIFY(pages.at(2).contains("L Aeq [dB]: OL"));
        else
            QVERIFY(pages.at(2).contains("SEL [dB]: ---"));
        QVERIFY(!pages.join('\f').contains("0.00"));

        // The same chain saved and opened again prints the same report.
        const QString saved = m_dir.filePath(QString(model) + (plus ? ".bmq" : ".bmv"));
        QCOMPARE(rig.core->saveExperimentToFile(url(saved)), 0);
        Core reader;
        reader.parseFile(url(saved));
        const QString again = pdf(QString(model) + " reopened");
        m_viewer->opened.clear();
        QCOMPARE(reader.generateReport(text(everything(again))), 0);
        QCOMPARE(m_viewer->opened, QList<QUrl>{QUrl::fromLocalFile(again)});
        QCOMPARE(PdfText::checkedPages(again), pages);

        // A report that cannot be written is a failure, and nothing opens.
        m_viewer->opened.clear();
        QSignalSpy why(rig.core.get(), &Core::writeError);
        QCOMPARE(rig.core->generateReport(text(everything("/nonexistent-dir/sub/report"))), -1);
        QVERIFY(m_viewer->opened.isEmpty());
        QCOMPARE(why.count(), 1);
    }

    // With every switch off, two runs take a page each after the first, and
    // the sections that have switches are left out.
    void switchedOffSections_data() { addBemariModelRows(); }
    void switchedOffSections()
    {
        QFETCH(QByteArray, model);
        const bool plus = model == "BEMARI+";
        SimulatedBemariCore rig(model);
        QVERIFY(downloadTwoRuns(rig));
        const QString file = pdf(QString(model) + " switched off");
        QCOMPARE(rig.core->generateReport(text({{"fileName", url(file)}})), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages.at(0).contains("Measuring points"));
        for (const char *absent : {"Company evaluated", "Collected by", "Employee",
                                   "Laboratory calibration", "Notes", "ID:"})
            QVERIFY2(!pages.at(0).contains(absent), absent);
        QVERIFY(pages.at(1).contains("Configuration"));
        QVERIFY(!pages.at(1).contains("Field ver."));
        // The "BEMARI" prints its results whatever the switches.
        QCOMPARE(pages.at(1).contains("Results"), !plus);
        for (const char *absent : {"Max/Min", "Statistics"})
            QVERIFY2(!pages.at(1).contains(absent), absent);
    }

    // The rows of the "BEMARI+" results by their switches, Z above C above A.
    void plusResultRows_data()
    {
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("C alone") << QStringList{"ckbResC"} << QStringList{"Ceq"};
        QTest::newRow("Z and A") << QStringList{"ckbResZ", "ckbResA"} << QStringList{"Zeq", "Aeq"};
        QTest::newRow("max-min C")
            << QStringList{"ckbMaxMinC"} << QStringList{"CImin", "CFmax", "CSmax"};
    }

    void plusResultRows()
    {
        QFETCH(QStringList, switches);
        QFETCH(QStringList, rows);
        SimulatedBemariCore rig("BEMARI+");
        QVERIFY(downloadTwoRuns(rig));
        QJsonObject options{{"fileName", url(pdf(QTest::currentDataTag()))}};
        for (const QString &key : switches)
            options.insert(key, true);
        QCOMPARE(rig.core->generateReport(text(options)), 0);
        const QString page = PdfText::checkedPages(pdf(QTest::currentDataTag())).value(1);
        int at = -1;
        for (const QString &row : rows) {
            const int found = page.indexOf(row);
            QVERIFY2(found > at, qPrintable(row + "\n" + page));
            at = found;
        }
        for (const char *other : {"Zeq", "Ceq", "Aeq", "ZImin", "CImin", "AImin"}) {
            if (!rows.contains(other))
                QVERIFY2(!page.contains(other), other);
        }
    }

    // Texts worked out by hand; numbers in the default locale.
    void printedTexts_data()
    {
        QTest::addColumn<QString>("pre");
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("deviation");
        QTest::addColumn<QString>("preText");
        QTest::newRow("small deviation") << "94.02"
                                         << "93.90"
                                         << "00.12"
                                         << "94.02";
        QTest::newRow("negative") << "94.00"
                                  << "94.30"
                                  << "-0.30"
                                  << "94.00";
        QTest::newRow("three digits") << "114.0"
                                      << "113.8"
                                      << "00.20"
                                      << "114.00";
        QTest::newRow("one digit") << "5.3"
                                   << "5.3"
                                   << "00.00"
                                   << "05.30";
        QTest::newRow("left empty") << "---"
                                    << "94.00"
                                    << "---"
                                    << "---";
        QTest::newRow("empty text") << ""
                                    << "94.00"
                                    << "---"
                                    << "---";
        QTest::newRow("overload") << "94.00"
                                  << "OL"
                                  << "---"
                                  << "94.00";
    }

    void printedTexts()
    {
        QFETCH(QString, pre);
        QFETCH(QString, post);
        QFETCH(QString, deviation);
        QFETCH(QString, preText);
        QCOMPARE(SoundLevelPrinter::deviationText(pre, post), deviation);
        QCOMPARE(SoundLevelPrinter::levelText(pre, true), preText);
        QCOMPARE(SoundLevelPrinter::levelText(pre, false), preText);
        QCOMPARE(SoundLevelPrinter::levelText("OL", false), QString("OL"));
    }

    void decimalComma()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString level = SoundLevelPrinter::levelText("85.2", true);
        const QString deviation = SoundLevelPrinter::deviationText("94.00", "94.30");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(level, QString("85,20"));
        QCOMPARE(deviation, QString("-0,30"));
    }

    // A field check of "---" prints as such; without a date the line has no
    // value; the "BEMARI+" then prints its deviation as "---", the "BEMARI"
    // none. The instrument's certificate prints with its date.
    void checksAndCertificates_data() { addBemariModelRows(); }
    void checksAndCertificates()
    {
        QFETCH(QByteArray, model);
        const bool plus = model == "BEMARI+";
        RunChain chain(memoryRun(plus, 1));
        auto *results = qobject_cast<SoundLevelResults *>(chain->results());
        results->setPreChk("---");
        results->setPreChkDate(start());
        results->setPosChk("93.90");
        CalibrationCertificate certificate;
        certificate.setCertification("LAB-123");
        certificate.setDate(start());
        const QString file = pdf(QString(model) + " checks");
        QCOMPARE(writeReport(model, everything(file), chain.get(), certificate), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QCOMPARE(pages.size(), 2);
        QVERIFY2(pages.at(0).contains("Sonometer: LAB-123 " + VfPrinter::dateText(start().date())),
                 qPrintable(pages.at(0)));
        QVERIFY(pages.at(1).contains("Pre check [dB]: --- (" + VfPrinter::dateText(start().date()) +
                                     " 08:15)"));
        QVERIFY(pages.at(1).contains("Pos check [dB]: ---"));
        QCOMPARE(pages.at(1).contains("Desviate [dB]: ---"), plus);
    }

    // A run without results keeps its measuring-points row and loses its
    // own sections; the report is still whole.
    void runWithoutResults_data() { addBemariModelRows(); }
    void runWithoutResults()
    {
        QFETCH(QByteArray, model);
        const bool plus = model == "BEMARI+";
        RunChain chain(memoryRun(plus, 1));
        chain->append(memoryRun(plus, 2, false));
        const QString file = pdf(QString(model) + " without results");
        QCOMPARE(writeReport(model, everything(file), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QCOMPARE(pages.size(), 3);
        QVERIFY2(pages.at(0).contains(QRegularExpression("\\n *2 +--- +---")),
                 qPrintable(pages.at(0)));
        // No certificate was read from an instrument.
        QVERIFY(pages.at(0).contains("Sonometer: invalid"));
        QVERIFY(pages.at(1).contains("Event: 1"));
        QVERIFY(!pages.at(2).contains("Configuration"));
    }

    // A chain too long for the first page flows over the pages that follow:
    // the measuring-points rows go on under their header, the blocks after
    // them move on whole, nothing reaches into a bottom band, and every page
    // says "k of N" with the right N.
    void longChainFlowsOverPages_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("runs");
        // Sixty rows fill the first page; a hundred go on to the next.
        for (const char *model : {"BEMARI", "BEMARI+"}) {
            for (int runs : {60, 100})
                QTest::addRow("%s, %d runs", model, runs) << QByteArray(model) << runs;
        }
    }

    void longChainFlowsOverPages()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, runs);
        RunChain chain = memoryChain(model == "BEMARI+", runs);
        const QString file = pdf(QTest::currentDataTag());
        QJsonObject options = everything(file);
        options.insert("repInfoEnable", false);
        options.insert("repIdInfoEnable", false);
        options.insert("obsText", QString("A long note. ").repeated(40));
        QCOMPARE(writeReport(model, options, chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QVERIFY(pages.size() > runs + 1);
        QVERIFY(!pages.at(0).contains("Notes"));
        const int firstRunPage = pages.size() - runs;
        QVERIFY2(pages.at(firstRunPage).contains("Event: 1"), qPrintable(pages.at(firstRunPage)));
        QVERIFY(pages.last().contains(QString("Event: %1").arg(runs)));
        const QString opening = pages.mid(0, firstRunPage).join('\f');
        for (int n = 1; n <= runs; ++n)
            QVERIFY2(opening.contains(QRegularExpression(QString("\\n *%1 +POINT %1 ").arg(n))),
                     qPrintable(QString::number(n)));
        // The rows that go on after page 1 do so under their header row.
        const bool rowsGoOn = !pages.at(0).contains(QString("POINT %1 ").arg(runs));
        QCOMPARE(pages.at(1).contains(QRegularExpression("Event +Name")), rowsGoOn);
        QCOMPARE(rowsGoOn, runs > 60);
        for (const char *block : {"Laboratory calibration", "Notes"})
            QCOMPARE(opening.count(block), 1);
        for (int page = 1; page <= firstRunPage; ++page)
            QCOMPARE(
                PdfText::inkAboveBottomRule(file, page, m_dir.filePath(QTest::currentDataTag())),
                -1);
    }

    void options()
    {
        BemariPrinter printer;
        printer.setReportOptions(text({{"fileName", url("/tmp/my reports/noise")},
                                       {"ckbPreChk", true},
                                       {"ckbChartLeq", true},
                                       {"audCertified", "CAL-1"}}));
        QCOMPARE(printer.reportFileName(), QString("/tmp/my reports/noise.pdf"));
        QVERIFY(printer.preCheckShown());
        QVERIFY(printer.bandChartsSwitch());
        // Text that is not JSON changes nothing.
        printer.setReportOptions("{not JSON");
        QCOMPARE(printer.reportFileName(), QString("/tmp/my reports/noise.pdf"));
        QVERIFY(printer.preCheckShown());
        QCOMPARE(printer.calibratorCertificate(), QString("CAL-1"));
        // A URL's escapes are undone; only ".pdf" in lower case counts.
        printer.setReportOptions(text({{"fileName", "file:///tmp/my%20dir/report.PDF"}}));
        QCOMPARE(printer.reportFileName(), QString("/tmp/my dir/report.PDF.pdf"));
        QVERIFY(!printer.preCheckShown());
        QVERIFY(!printer.bandChartsSwitch());
        QVERIFY(printer.calibratorCertificate().isEmpty());
    }
};

QTEST_MAIN(TestBemariReport)
#include "tst_bemarireport.moc"
