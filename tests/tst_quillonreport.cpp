#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "QuillonReportRun.h"
#include "ReportViewer.h"
#include "RunChain.h"
#include "VfFile.h"
#include "VfPrinter.h"
#include "models/quillon/QuillonExperiment.h"
#include "models/quillon/QuillonPrinter.h"
#include "models/quillon/QuillonResults.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

using Header = SimulatedQuillonRuns::Header;

using Chain = RunChain;

// An instrument in UTC-3; the test runs in another zone, so that a time
// converted to the computer's zone would show.
QDateTime start()
{
    return parseDeviceDateTime("24/05/17,20:30:00-12");
}

QuillonResults *resultsOf(Experiment *run)
{
    return qobject_cast<QuillonResults *>(run->results());
}

bool contains(const QString &page, const QString &pattern)
{
    return QRegularExpression(pattern).match(page).hasMatch();
}

} // namespace

// The "Vibration evaluation report" of downloaded runs and of chains made for
// the case, read back from the PDF with poppler's tools.
class TestQuillonReport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ReportViewer> m_viewer;

    QString pdf(const QString &name) const { return m_dir.filePath(name + ".pdf"); }

    static Chain chain(const QList<Header> &headers, int records = 5)
    {
        return Chain(QuillonReportRun::chain(headers, records, start()));
    }

    static Header header(int index) { return SimulatedQuillonRuns::header(index, 5); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        PdfText::keepIfAsked(m_dir);
        QLocale::setDefault(QLocale::c());
        m_viewer = std::make_unique<ReportViewer>();
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are not installed");
    }

    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void firstPageAndRunPages()
    {
        Header first = header(1);
        first.duration = "3725";
        first.label = "GRINDING";
        Chain head = chain({first, header(2)}, 30);
        QVERIFY(head);
        QuillonReportRun::setExposures(head.get(), {"02:30", "01:00"});
        QJsonObject options = QuillonReportRun::everySection(pdf("all"));
        options.insert("cmpnyName", "Acme Foundry");
        options.insert("siteName", "Casting hall");
        options.insert("emplName", "Paul Worker");
        options.insert("ownCompany", "Hygiene Lab Ltd");
        options.insert("collectorName", "Carla Collector");
        options.insert("repName", "Rita Reporter");
        options.insert("obsText", "Tool changed at noon.");
        CalibrationCertificate calibration;
        calibration.setCertification("CERT-0001");
        calibration.setDate(parseDeviceDateTime("21/10/29,14:20:02+00"));
        QCOMPARE(QuillonReportRun::writeReport(options, head.get(), calibration), 0);

        const QStringList pages = PdfText::pages(pdf("all"));
        QCOMPARE(pages.size(), PdfText::pageCount(pdf("all")));
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        const QString page1 = pages.at(0);
        for (const QString &line :
             {QString("Vibration evaluation report @ QUILLON SN: Q-000042"),
              QString("Company evaluated: Acme Foundry"), QString("Site/Area: Casting hall"),
              QString("Employee: Paul Worker"), QString("Application: WBV"),
              QString("Valuation company: Hygiene Lab Ltd"),
              QString("Collected by: Carla Collector"),
              "Date: " + VfPrinter::dateText(QDate(2024, 5, 17)),
              QString("Working hours [hh:mm]: 08:00"), QString("Exposure components"),
              QString("Evaluation results"),
              "Calibration certificate: CERT-0001 " + VfPrinter::dateText(QDate(2021, 10, 29)),
              QString("Tool changed at noon."), QString("Rita Reporter")})
            QVERIFY2(page1.contains(line), qPrintable(line + "\n" + page1));
        QVERIFY(contains(page1, "\\n\\s*1\\s+02:30\\s"));
        QVERIFY(contains(page1, "\\n\\s*2\\s+01:00\\s"));

        // Each run on a page of its own, its table pages after it.
        const QString run1 = pages.at(1);
        for (const QString &line :
             {"Configuration", "Event: 1", "Task name: GRINDING", "Duration: 01:02:05",
              "Exposure time: 02:30:00", "Start time: 20:30:00", "Sensor", "Limits", "Acceleration",
              "Dose"})
            QVERIFY2(run1.contains(line), qPrintable(line + "\n" + run1));
        QVERIFY(pages.at(2).contains("Acceleration x Time"));
        QVERIFY(pages.at(3).contains("Octaves"));
        QVERIFY(pages.at(4).contains("001"));
        QVERIFY(pages.at(4).contains("030"));
        int secondRun = -1;
        for (int k = 0; k < pages.size(); ++k)
            secondRun = pages.at(k).contains("Event: 2") ? k : secondRun;
        QCOMPARE(secondRun, 5);
        QVERIFY(pages.at(secondRun + 3).contains("001"));
        QCOMPARE(m_viewer->opened.size(), 0);
    }

    void sectionsFollowTheirSwitches()
    {
        Chain head = chain({header(1)});
        QVERIFY(head);
        QCOMPARE(QuillonReportRun::writeReport(QuillonReportRun::only(pdf("bare"), {}), head.get()),
                 0);
        QStringList pages = PdfText::pages(pdf("bare"));
        QCOMPARE(pages.size(), 2);
        const QString bare = pages.join('\n');
        for (const char *line : {"Application: WBV", "Date: ", "Working hours [hh:mm]: 08:00",
                                 "Exposure components", "Event", "Exposure", "Configuration"})
            QVERIFY2(bare.contains(line), line);
        for (const char *absent :
             {"Company evaluated", "Evaluation results", "Calibration", "Sensor", "Limits",
              "Acceleration", "Dose", "Notes", "av[m", "A(8)["})
            QVERIFY2(!bare.contains(absent), absent);

        QCOMPARE(QuillonReportRun::writeReport(
                     QuillonReportRun::only(pdf("some"), {"ckbA8Final", "ckbAv", "ckbAxisVDV",
                                                          "ckbMTVVDetail", "ckbCalibration"}),
                     head.get()),
                 0);
        pages = PdfText::pages(pdf("some"));
        QVERIFY(pages.at(0).contains("Evaluation results"));
        QVERIFY(pages.at(0).contains("A(8) [m/s\u00b2]: "));
        QVERIFY(!pages.at(0).contains("aren [m/s"));
        QVERIFY(pages.at(0).contains("av[m/s\u00b2]"));
        QVERIFY(contains(pages.at(0), "VDVX \\[m/s"));
        QVERIFY(pages.at(0).contains("Calibration certificate: "));
        QVERIFY(pages.at(1).contains("MTVV [m/s\u00b2]"));
    }

    void valuesWorkedOutByHand()
    {
        Header run = header(1);
        run.amrGlobal = "0.50";
        run.axes[0].am = "0.30";
        run.axes[0].peak = "1.20";
        run.totalTime = "3600";
        for (auto &axis : run.axes) {
            axis.vdv = "1.00";
            axis.factor = "1.00";
        }
        Chain head = chain({run});
        QVERIFY(head);
        QuillonReportRun::setExposures(head.get(), {"02:00"});
        QCOMPARE(QuillonReportRun::writeReport(QuillonReportRun::everySection(pdf("values")),
                                               head.get()),
                 0);
        const QStringList pages = PdfText::pages(pdf("values"));
        const QString runPage = pages.at(1);
        for (const char *pattern :
             {"A\\(8\\) \\[m/s\u00b2\\]: 0\\.25", "A\\(8\\)X \\[m/s\u00b2\\]: 0\\.15",
              "are \\[m/s\u00b2\\]: 0\\.25", "aren \\[m/s\u00b2\\]: 0\\.25", "X: 4\\.00",
              "VDVR \\[m/s.*\\]: 1\\.19"})
            QVERIFY2(contains(runPage, pattern), pattern);
        // Each axis's VDV over 02:00 of a 1 h run: 2^0.25; the three together 3^0.25 x that.
        QVERIFY(contains(pages.at(0), "are \\[m/s\u00b2\\]: 0\\.25"));
        QVERIFY(contains(pages.at(0), "\\n\\s*1\\s+02:00\\s+0\\.50\\s+0\\.25\\s+0\\.25"));

        QuillonReportRun::setExposures(head.get(), {"01:00"});
        QCOMPARE(
            QuillonReportRun::writeReport(QuillonReportRun::everySection(pdf("vdvr")), head.get()),
            0);
        QVERIFY(contains(PdfText::page(pdf("vdvr"), 2), "VDVR \\[m/s.*\\]: 1\\.32"));

        Header other = header(2);
        other.arep = "0.70";
        Chain two = chain({run, other});
        QVERIFY(two);
        resultsOf(two->next())->setBArepEvaluation(true);
        QuillonReportRun::setExposures(two.get(), {"02:00", "01:30"});
        QCOMPARE(QuillonReportRun::writeReport(QuillonReportRun::only(pdf("day"), {"ckbAreFinal"}),
                                               two.get()),
                 0);
        QVERIFY(contains(PdfText::page(pdf("day"), 1), "are \\[m/s\u00b2\\]: 0\\.39"));
    }

    void commaLocale()
    {
        Header run = header(1);
        run.amrGlobal = "0.50";
        Chain head = chain({run});
        QVERIFY(head);
        QuillonReportRun::setExposures(head.get(), {"02:00"});
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QCOMPARE(
            QuillonReportRun::writeReport(QuillonReportRun::everySection(pdf("comma")), head.get()),
            0);
        const QString page = PdfText::page(pdf("comma"), 2);
        QVERIFY(contains(page, "are \\[m/s\u00b2\\]: 0,25"));
        QVERIFY(page.contains("1,75"));
        QVERIFY(!contains(page, "\\d\\.\\d\\d"));
    }

    void absentValuesPrintAsAbsent()
    {
        Header run = header(1);
        run.axes[0].am = "";
        run.axes[0].arep = "";
        run.axes[1].peak = "";
        run.axes[2].vdv = "";
        run.axes[0].weighted[1].maximum = "---";
        run.duration = "";
        run.sampleTime = "";
        Chain head = chain({run, header(2)});
        QVERIFY(head);
        // The second run is given no exposure time: its exposure values
        // cannot be worked out.
        resultsOf(head.get())->refreshExposureComponent({{"exposureTime", "02:00"}});
        QCOMPARE(QuillonReportRun::writeReport(QuillonReportRun::everySection(pdf("absent")),
                                               head.get()),
                 0);
        const QStringList pages = PdfText::pages(pdf("absent"));
        QVERIFY(pages.at(0).contains("are [m/s\u00b2]: ---"));
        QVERIFY(contains(pages.at(0), "\\n\\s*2\\s+---\\s+0\\.50\\s+---\\s+---"));
        const QString runPage = pages.at(1);
        QVERIFY(runPage.contains("Duration: ---"));
        QVERIFY(runPage.contains("Sample time [s]: ---"));
        QVERIFY(!runPage.contains("MTVV"));
        QVERIFY(contains(runPage, "A\\(8\\)X \\[m/s\u00b2\\]: ---"));
        QVERIFY(contains(runPage, "VDVZ \\[m/s.*\\]: ---"));
        QVERIFY(!runPage.contains("0.00"));
        QVERIFY(!runPage.contains("inf") && !runPage.contains("nan"));
    }

    void pageTotalIsThePagesPrinted_data()
    {
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("records");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<bool>("table");
        // A run's chart pages are pages of their own, counted like its page;
        // long chains leave them out, so that their reports stay quick to
        // draw in a sanitizer build.
        QTest::addColumn<bool>("charts");
        QTest::newRow("1000 samples over midnight")
            << 1 << 1000 << parseDeviceDateTime("24/05/17,23:50:00-12") << true << true;
        QTest::newRow("a chain of 40 runs") << 40 << 3 << start() << false << false;
        QTest::newRow("more runs than a page holds") << 70 << 1 << start() << false << false;
        QTest::newRow("40 runs with tables") << 40 << 3 << start() << true << false;
        QTest::newRow("a run without samples") << 1 << 0 << start() << true << true;
    }

    void pageTotalIsThePagesPrinted()
    {
        QFETCH(int, runs);
        QFETCH(int, records);
        QFETCH(QDateTime, from);
        QFETCH(bool, table);
        QFETCH(bool, charts);
        Chain head;
        QStringList times;
        for (int i = 1; i <= runs; ++i) {
            Experiment *run = QuillonReportRun::make(i, records, from.addSecs(3600 * (i - 1)),
                                                     SimulatedQuillonRuns::header(i, records));
            QVERIFY(run);
            if (head)
                head->append(run);
            else
                head.reset(run);
            times << "00:10";
        }
        QuillonReportRun::setExposures(head.get(), times);
        QJsonObject options = QuillonReportRun::everySection(pdf(QTest::currentDataTag()));
        options.insert("ckbTable", table);
        options.insert("ckbChart", charts);
        options.insert("ckbOctaves", charts);
        options.insert("obsText", QString("A note. ").repeated(200));
        QCOMPARE(QuillonReportRun::writeReport(options, head.get()), 0);
        const QStringList pages = PdfText::pages(pdf(QTest::currentDataTag()));
        QCOMPARE(pages.size(), PdfText::pageCount(pdf(QTest::currentDataTag())));
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        int runPages = 0;
        for (const QString &page : pages)
            runPages += page.contains("Configuration") ? 1 : 0;
        QCOMPARE(runPages, runs);
        if (records == 1000)
            QVERIFY(pages.last().contains("1000"));
    }

    void runWithoutResultsStillHasItsPage()
    {
        Chain head = chain({header(1)});
        QVERIFY(head);
        auto *bare = new QuillonExperiment;
        bare->setIndex(9);
        head->append(bare);
        QCOMPARE(QuillonReportRun::writeReport(QuillonReportRun::everySection(pdf("bare run")),
                                               head.get()),
                 0);
        const QStringList pages = PdfText::pages(pdf("bare run"));
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        const QString last = pages.at(pages.size() - 2);
        QVERIFY(last.contains("Event: 2"));
        QVERIFY(last.contains("Duration: ---"));
        // Its chart page is there, empty; it has no bands to chart.
        QVERIFY(pages.last().contains("Acceleration x Time"));
    }

    void throughCore()
    {
        Chain head = chain({header(1)});
        QVERIFY(head);
        Device device;
        device.setProductName("QUILLON");
        const QString file = m_dir.filePath("day.qln");
        QCOMPARE(VfFile::write(file, DataFileEnvelope::encode(DataFileEnvelope::document(
                                         "test", device.toJson(), {head->toJson()}))),
                 0);
        Core core;
        core.parseFile(file);
        QVERIFY(core.currentExperiment());
        QJsonObject options = QuillonReportRun::everySection(pdf("core"));
        QCOMPARE(core.generateReport(QString::fromUtf8(QJsonDocument(options).toJson())), 0);
        QCOMPARE(m_viewer->opened.size(), 1);
        QCOMPARE(m_viewer->opened.first(), QUrl::fromLocalFile(pdf("core")));
        options.insert("fileName", m_dir.filePath("no such folder/report.pdf"));
        QCOMPARE(core.generateReport(QString::fromUtf8(QJsonDocument(options).toJson())), -1);
        QCOMPARE(m_viewer->opened.size(), 1);

        // A CSV file that cannot be written fails the report, and the message
        // names that file, not the PDF written before it.
        QVERIFY(QDir(m_dir.path()).mkpath("blocked.csv"));
        options.insert("fileName", m_dir.filePath("blocked.pdf"));
        QSignalSpy errors(&core, &Core::writeError);
        QCOMPARE(core.generateReport(QString::fromUtf8(QJsonDocument(options).toJson())), -1);
        QCOMPARE(errors.count(), 1);
        const QString message = errors.first().first().toString();
        QVERIFY2(message.contains("blocked.csv"), qPrintable(message));
        QCOMPARE(m_viewer->opened.size(), 1);
    }

    void applicationTexts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << "0"
                           << "WBV";
        QTest::newRow("1") << "1"
                           << "HAV";
        QTest::newRow("2") << "2"
                           << "HAV";
        QTest::newRow("3") << "3"
                           << "8 kHz";
        QTest::newRow("4") << "4"
                           << "1 kHz";
        QTest::newRow("5") << "5"
                           << "---";
        QTest::newRow("empty") << ""
                               << "---";
        QTest::newRow("dashes") << "---"
                                << "---";
        QTest::newRow("text") << "x"
                              << "---";
    }

    void applicationTexts()
    {
        QFETCH(QString, type);
        QFETCH(QString, text);
        QCOMPARE(QuillonPrinter::applicationText(type), text);
    }
};

int main(int argc, char *argv[])
{
    // A zone far from the instrument's: its times must print as it recorded them.
    qputenv("TZ", "Asia/Tokyo");
    QApplication app(argc, argv);
    TestQuillonReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quillonreport.moc"
