#include "Core.h"
#include "Device.h"
#include "Experiment.h"
#include "KestrumReportRun.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "SimulatedKestrumRuns.h"
#include "models/kestrum/Kestrum2Printer.h"
#include "models/kestrum/KestrumChart.h"

#include <QChart>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

#include <memory>

namespace {

using Header = SimulatedKestrumRuns::Header;

QDateTime start()
{
    return QDateTime(QDate(2021, 6, 15), QTime(8, 30), Qt::OffsetFromUTC, -3 * 3600);
}

QString text(const QJsonObject &options)
{
    return KestrumReportRun::optionsText(options);
}

QString degrees(const char *unit)
{
    return QChar(0x00B0) + QString::fromLatin1(unit);
}

// A run of `records` samples every `seconds` from `from`.
std::unique_ptr<Experiment> makeRun(int records, const QDateTime &from = start(), int seconds = 60)
{
    Header header;
    header.sampleSeconds = seconds;
    return std::unique_ptr<Experiment>(KestrumReportRun::make(
        "KESTRUM 2", SimulatedKestrumRuns::makeKestrum2Run(7, records, from, header)));
}

// Drives the printer as Core does; the print result.
int writeReport(const QJsonObject &options, Experiment *run)
{
    return KestrumReportRun::print("KESTRUM 2", options, run);
}

} // namespace

// The "Kestrum 2 Report" and its CSV file, read back with poppler's tools and
// byte by byte.
class TestKestrum2Report : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ReportViewer> m_viewer;

    QString path(const QString &name) const { return m_dir.filePath(name); }

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

    // Downloaded from the simulated instrument and opened from a ".ksm"
    // file, through Core as the pages do it.
    void downloadedAndOpenedRuns()
    {
        Core core;
        Core reader;
        QVERIFY(KestrumReportRun::downloadAndOpen(
            "KESTRUM 2", SimulatedKestrumRuns::makeKestrum2Run(3, 40, start()), path("saved"), core,
            reader));
        for (Core *source : {&core, &reader}) {
            m_viewer->opened.clear();
            const QString file = path(source == &core ? "downloaded" : "opened");
            QCOMPARE(
                source->generateReport(text(KestrumReportRun::everySection("KESTRUM 2", file))), 0);
            QCOMPARE(m_viewer->opened, QList<QUrl>{QUrl::fromLocalFile(file + ".pdf")});
            const QStringList pages = PdfText::pages(file + ".pdf");
            QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                     qPrintable(PdfText::pageNumberFault(pages)));
            QCOMPARE(PdfText::pageCount(file + ".pdf"), pages.size());
            const QString first = pages.first();
            for (const QString &expected : {QString("Kestrum 2 Report @ KESTRUM 2 SN: SIM0001"),
                                            QString("Company evaluated: Acme Foundry"),
                                            QString("Site/Area: Casting hall"),
                                            QString("Valuation company: Hygiene Lab Ltd"),
                                            QString("Collected by: Carla Collector"),
                                            "Date: " + VfPrinter::dateText(QDate(2021, 6, 15)),
                                            QString("Experiment"),
                                            QString("Duration: 00:40:00"),
                                            QString("Pause time: 00:00:00"),
                                            QString("Start time: 08:30:00"),
                                            QString("Stop time: 09:10:00"),
                                            QString("Evaluation results"),
                                            "Dry temp [" + degrees("C") + "]",
                                            "WBGTi [" + degrees("C") + "]",
                                            QString("Calibration"),
                                            QString("Cal. cert.: CERT-0001"),
                                            QString("Chart"),
                                            QString("Temperature x Time"),
                                            QString("Notes"),
                                            QString("Furnace doors were open"),
                                            QString("Rita Reporter"),
                                            QString("ID: RG-4471")})
                QVERIFY2(first.contains(expected), qPrintable(expected));
            QVERIFY(pages.last().contains("040"));
            QVERIFY(QFile::exists(file + ".csv"));
        }

        // A second report with the same options would replace both files;
        // one without the CSV only the PDF, one elsewhere nothing.
        QJsonObject again = KestrumReportRun::everySection("KESTRUM 2", path("downloaded"));
        QCOMPARE(core.existingReportFiles(text(again)),
                 QStringList({path("downloaded") + ".pdf", path("downloaded") + ".csv"}));
        again.insert("ckbCsv", false);
        QCOMPARE(core.existingReportFiles(text(again)), QStringList({path("downloaded") + ".pdf"}));
        QCOMPARE(core.existingReportFiles(
                     text(KestrumReportRun::everySection("KESTRUM 2", path("elsewhere")))),
                 QStringList());

        // A CSV file that cannot be written fails the report, and the
        // message names that file, not the PDF written before it.
        QVERIFY(QDir(m_dir.path()).mkpath("blocked.csv"));
        QSignalSpy errors(&core, &Core::writeError);
        QCOMPARE(
            core.generateReport(text(KestrumReportRun::everySection("KESTRUM 2", path("blocked")))),
            -1);
        QCOMPARE(errors.count(), 1);
        const QString message = errors.first().first().toString();
        QVERIFY2(message.contains("blocked.csv"), qPrintable(message));
    }

    void sectionsFollowTheirSwitches_data()
    {
        QTest::addColumn<QStringList>("on");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        const QStringList all{"Evaluation results", "Calibration", "Chart", "Notes",
                              "Dry temp",           "WBGTo [",     "Avg:",  "Company evaluated"};
        QTest::newRow("all off") << QStringList() << QStringList{"Experiment", "Date: "} << all;
        QTest::newRow("extremes only")
            << QStringList{"ckbMaxMin"}
            << QStringList{"Evaluation results", "Dry temp", "Wet temp", "Globe temp", "Max:"}
            << QStringList{"WBGTo [", "Avg:"};
        QTest::newRow("means only")
            << QStringList{"ckbAvg"} << QStringList{"Evaluation results", "WBGTo [", "WBGTi ["}
            << QStringList{"Dry temp", "Max:"};
        QTest::newRow("chart without a line")
            << QStringList{"ckbChart"} << QStringList() << QStringList{"Chart"};
        QTest::newRow("line without the chart")
            << QStringList{"ckbWetTempChart"} << QStringList() << QStringList{"Chart"};
        QTest::newRow("table without a column")
            << QStringList{"ckbTable"} << QStringList{"1 of 1"} << QStringList{"Idx"};
        QTest::newRow("column without the table")
            << QStringList{"ckbWetTempTable"} << QStringList{"1 of 1"} << QStringList{"Idx"};
    }

    void sectionsFollowTheirSwitches()
    {
        QFETCH(QStringList, on);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        std::unique_ptr<Experiment> run = makeRun(20);
        const QString file = path("switches");
        QCOMPARE(writeReport(KestrumReportRun::switchesOn(file, on), run.get()), 0);
        const QStringList pages = PdfText::pages(file + ".pdf");
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages.first().contains("1 of 1"));
        for (const QString &expected : shown)
            QVERIFY2(pages.first().contains(expected), qPrintable(expected));
        for (const QString &absent : hidden)
            QVERIFY2(!pages.first().contains(absent), qPrintable(absent));
    }

    void numbersAsWorkedOut_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("mean");
        QTest::addColumn<QString>("sample");
        QTest::newRow("C") << "C"
                           << "25.46"
                           << "25.5";
        QTest::newRow("de_DE") << "de_DE"
                               << "25,46"
                               << "25,5";
    }

    void numbersAsWorkedOut()
    {
        QFETCH(QString, locale);
        QFETCH(QString, mean);
        QFETCH(QString, sample);
        QLocale::setDefault(QLocale(locale));
        SimulatedInstrument::Run texts = SimulatedKestrumRuns::makeKestrum2Run(7, 1000, start());
        texts.pages[2] = SimulatedKestrumRuns::replaceField(texts.pages[2], 2, "25.456");
        texts.pages[3] = SimulatedKestrumRuns::replaceField(texts.pages[3], 2, "---");
        texts.records[0] = SimulatedKestrumRuns::replaceField(texts.records[0], 5, "25.456");
        texts.records[1] = SimulatedKestrumRuns::replaceField(texts.records[1], 5, "---");
        std::unique_ptr<Experiment> run(KestrumReportRun::make("KESTRUM 2", texts));
        QVERIFY(run);
        const QString file = path("numbers-" + locale);
        QCOMPARE(writeReport(KestrumReportRun::switchesOn(
                                 file, {"ckbAvg", "ckbMaxMin", "ckbTable", "ckbWetTempTable"}),
                             run.get()),
                 0);
        const QStringList pages = PdfText::pages(file + ".pdf");
        QVERIFY(pages.first().contains("Avg: " + mean));
        QVERIFY(pages.first().contains("Max: ---"));
        const QString table = pages.mid(1).join('\n');
        QVERIFY(table.contains(
            QRegularExpression("001\\s+08:30:00\\s+" + QRegularExpression::escape(sample))));
        QVERIFY(table.contains(QRegularExpression("002\\s+08:31:00\\s+---")));
        QVERIFY(table.contains(QRegularExpression("\\b1000\\s+01:09:00")));
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
    }

    void pageCounts_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QString>("notes");
        QTest::newRow("301 samples of one day") << 301 << start() << "Doors open.";
        QTest::newRow("past midnight")
            << 301 << start().addSecs(15 * 3600 + 20 * 60) << "Doors open.";
        QTest::newRow("a day of samples") << 1440 << start() << "Doors open.";
        // The notes no longer fit under the chart: they start page 2.
        QTest::newRow("long notes") << 3 << start() << QString("A long remark. ").repeated(400);
    }

    void pageCounts()
    {
        QFETCH(int, records);
        QFETCH(QDateTime, from);
        QFETCH(QString, notes);
        std::unique_ptr<Experiment> run = makeRun(records, from);
        QJsonObject options = KestrumReportRun::everySection("KESTRUM 2", path("pages"));
        options.insert("ckbCsv", false);
        options.insert("obsText", notes);
        Kestrum2Printer printer;
        printer.setProductName("KESTRUM 2");
        printer.setReportOptions(text(options));
        printer.setExperiment(run.get());
        QCOMPARE(printer.print(), 0);
        QCOMPARE(printer.endPainting(), 0);
        const QString file = path("pages.pdf");
        const QStringList pages = PdfText::pages(file);
        QCOMPARE(PdfText::pageCount(file), printer.pageCount());
        QCOMPARE(pages.size(), printer.pageCount());
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        // Every sample is in the table once.
        const QString table = pages.mid(1).join('\n');
        QVERIFY(table.contains(QStringLiteral("%1 ").arg(records, 3, 10, QChar('0'))));
        if (from.date() != from.addSecs(60 * (records - 1)).date())
            QVERIFY(table.contains(VfPrinter::dateText(from.date().addDays(1))));
        if (notes.size() > 100) {
            QVERIFY(!pages.at(0).contains("Notes"));
            QVERIFY(pages.at(1).contains("Notes"));
            QVERIFY(pages.at(1).contains("Rita Reporter"));
        }
    }

    void chartAxis_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("18.3 to 31.7") << QStringList{"18.3", "25.0", "31.7"} << 10.0 << 40.0;
        QTest::newRow("all 25.0") << QStringList{"25.0", "25.0"} << 24.0 << 26.0;
        QTest::newRow("a dashed sample") << QStringList{"18.3", "---", "31.7"} << 10.0 << 40.0;
        QTest::newRow("nothing to plot") << QStringList{"---", ""} << 0.0 << 40.0;
    }

    void chartAxis()
    {
        QFETCH(QStringList, values);
        QFETCH(double, low);
        QFETCH(double, high);
        QList<KestrumReading> readings;
        for (int i = 0; i < values.size(); ++i) {
            KestrumReading reading;
            reading.time = start().addSecs(60 * i);
            reading.values[KestrumReading::Globe] = values.at(i);
            // A line switched off does not widen the axis.
            reading.values[KestrumReading::Wet] = "-100";
            readings.append(reading);
        }
        KestrumChart::Shown shown{};
        shown[KestrumReading::Globe] = true;
        std::unique_ptr<QtCharts::QChart> chart(
            KestrumChart::temperatureChart(readings, shown, degrees("C"), 500, 300));
        auto *axis = qobject_cast<QtCharts::QValueAxis *>(chart->axes(Qt::Vertical).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->min(), low);
        QCOMPARE(axis->max(), high);
        QCOMPARE(chart->series().size(), 1);
    }

    void csvBytes_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("sample");
        const QByteArray line = "\"08:31:00\";\"25.1\";\"30.4\";\"33.0\";\"27.2\";\"27.9\"\r\n";
        QTest::newRow("UTC") << "C" << QByteArray("UTC") << line;
        QTest::newRow("Tokyo") << "C" << QByteArray("Asia/Tokyo") << line;
        QTest::newRow("de_DE") << "de_DE" << QByteArray("Europe/Berlin")
                               << QByteArray("\"08:31:00\";\"25,1\";\"30,4\";\"33,0\";\"27,2\";"
                                             "\"27,9\"\r\n");
    }

    void csvBytes()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, sample);
        const QByteArray savedZone = qgetenv("TZ");
        qputenv("TZ", zone);
        QLocale::setDefault(QLocale(locale));
        SimulatedInstrument::Run texts = SimulatedKestrumRuns::makeKestrum2Run(7, 3, start());
        texts.records[1] = "7,2,0,\"21/06/15,08:31:00-12\",25.1,30.4,33.0,27.2,27.9";
        texts.records[2] = "7,3,0,\"21/06/15,08:32:00-12\",---,,\"a\"\"b\",27.2,27.9";
        std::unique_ptr<Experiment> run(KestrumReportRun::make("KESTRUM 2", texts));
        const QString file = path("csv-" + locale + zone.replace('/', '-'));
        QCOMPARE(writeReport(KestrumReportRun::switchesOn(file + ".pdf", {"ckbCsv"}), run.get()),
                 0);
        QFile csv(file + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        if (savedZone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", savedZone);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0) + '\n', QByteArray("\"Time\";\"Wet temp [\xb0"
                                                "C]\";\"Dry temp [\xb0"
                                                "C]\";\"Globe temp [\xb0"
                                                "C]\";\"WBGTi [\xb0"
                                                "C]\";\"WBGTo [\xb0"
                                                "C]\";\r\n"));
        QCOMPARE(lines.at(2) + '\n', sample);
        // Readings that are no number, and a quote doubled inside its cell.
        QVERIFY(lines.at(3).startsWith("\"08:32:00\";\"---\";\"---\";\"---\";"));
        QCOMPARE(lines.at(4), QByteArray());
    }

    void csvNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("csv");
        QTest::newRow("run7.pdf") << "data/run7.pdf"
                                  << "data/run7.csv";
        QTest::newRow("run7") << "data/run7"
                              << "data/run7.csv";
        QTest::newRow("run7.PDF") << "data/run7.PDF"
                                  << "data/run7.PDF.csv";
        QTest::newRow("folder a.pdf") << "a.pdf/run7.pdf"
                                      << "a.pdf/run7.csv";
    }

    void csvNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, csv);
        QVERIFY(QDir(m_dir.path()).mkpath(QFileInfo(path(fileName)).path()));
        std::unique_ptr<Experiment> run = makeRun(2);
        QCOMPARE(writeReport(KestrumReportRun::switchesOn(path(fileName), {"ckbCsv"}), run.get()),
                 0);
        QVERIFY2(QFile::exists(path(csv)), qPrintable(csv));
    }

    void csvLeftAloneOrReported()
    {
        std::unique_ptr<Experiment> run = makeRun(2);
        const QString kept = path("kept.csv");
        QFile existing(kept);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("earlier export\r\n");
        existing.close();
        QCOMPARE(writeReport(KestrumReportRun::switchesOn(path("kept"), {}), run.get()), 0);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("earlier export\r\n"));

        // A folder where the CSV file should go cannot be replaced by it, and
        // the PDF it belongs to is not written either.
        QVERIFY(QDir(m_dir.path()).mkpath("blocked.csv"));
        QCOMPARE(writeReport(KestrumReportRun::switchesOn(path("blocked"), {"ckbCsv"}), run.get()),
                 -98);
        QVERIFY(!QFile::exists(path("blocked.pdf")));
    }

    void refusedOptionsAndUnwritablePdf_data()
    {
        QTest::addColumn<QString>("options");
        QTest::newRow("array") << QString("[{\"fileName\": \"x\"}]");
        QTest::newRow("not JSON") << QString("fileName");
        QTest::newRow("no file name") << QString("{\"ckbCsv\": true}");
        QTest::newRow("empty file name") << QString("{\"fileName\": \"\", \"ckbCsv\": true}");
        QTest::newRow("folder missing")
            << QString("{\"fileName\": \"/nonexistent-dir/sub/report\", \"ckbCsv\": true}");
    }

    void refusedOptionsAndUnwritablePdf()
    {
        QFETCH(QString, options);
        std::unique_ptr<Experiment> run = makeRun(2);
        // A working folder of its own, which no other test writes to.
        QTemporaryDir here;
        const QString savedCurrent = QDir::currentPath();
        QDir::setCurrent(here.path());
        Kestrum2Printer printer;
        printer.setReportOptions(options);
        printer.setExperiment(run.get());
        const int result = printer.print() == 0 ? printer.endPainting() : -1;
        QDir::setCurrent(savedCurrent);
        QCOMPARE(result, -1);
        QVERIFY(QDir(here.path()).isEmpty());
    }
};

QTEST_MAIN(TestKestrum2Report)
#include "tst_kestrum2report.moc"
