#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "Experiment.h"
#include "KestrumReportRun.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "RunChain.h"
#include "SimulatedKestrum.h"
#include "SimulatedKestrumRuns.h"
#include "VfFile.h"
#include "VfPrinter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using Chain = RunChain;
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

// A run of `records` samples with `boards` expansion boards.
Chain makeRun(int records, int boards, int index = 7)
{
    return Chain(KestrumReportRun::make(
        "KESTRUM 4", SimulatedKestrumRuns::makeKestrum4Run(index, records, start(), boards)));
}

// Drives the printer as Core does; the printer's page count, or the print
// result when it failed.
int writeReport(const QJsonObject &options, Experiment *head)
{
    int pages = 0;
    const int result = KestrumReportRun::print("KESTRUM 4", options, head, &pages);
    return result == 0 ? pages : result;
}

} // namespace

// The "Kestrum 4 Report" with its board pages and the CSV file of every
// opened run.
class TestKestrum4Report : public QObject
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

    // A run of thousands of samples (read back on several threads) comes
    // back from its file sample for sample, and is saved again as it was.
    void longRunComesBackFromItsFile()
    {
        Chain run = makeRun(5000, 3);
        Device device;
        device.setProductName("KESTRUM 4");
        const QJsonObject body{{"Body", QJsonArray{run->toJson()}}};
        const QString saved = path("long.ks4");
        QCOMPARE(VfFile::write(saved, DataFileEnvelope::encode(DataFileEnvelope::document(
                                          "test", device.toJson(), {run->toJson()}))),
                 0);
        Core reader;
        reader.parseFile(QUrl::fromLocalFile(saved).toString());
        const QString again = path("again");
        QCOMPARE(reader.saveExperimentToFile(QUrl::fromLocalFile(again).toString()), 0);
        QFile file(again + ".ks4");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject root;
        QCOMPARE(DataFileEnvelope::decode(file.readAll(), root), DataFileEnvelope::Ok);
        QCOMPARE(root.value("Body"), body.value("Body"));
    }

    // Downloaded from the simulated instrument and opened from a ".ks4"
    // file, through Core as the pages do it.
    void downloadedAndOpenedRuns_data()
    {
        QTest::addColumn<int>("boards");
        QTest::newRow("main unit only") << 0;
        QTest::newRow("one expansion board") << 1;
        QTest::newRow("three expansion boards") << 3;
    }

    void downloadedAndOpenedRuns()
    {
        QFETCH(int, boards);
        SimulatedInstrument::Run texts =
            SimulatedKestrumRuns::makeKestrum4Run(3, 12, start(), boards);
        texts.pages[3] = SimulatedKestrumRuns::replaceField(texts.pages[3], 2, "25.1");
        texts.pages[3] = SimulatedKestrumRuns::replaceField(texts.pages[3], 3, "26.3");
        if (boards > 0)
            texts.pages[3] = SimulatedKestrumRuns::replaceField(texts.pages[3], 4, "5.3");
        Core core;
        Core reader;
        QVERIFY(KestrumReportRun::downloadAndOpen("KESTRUM 4", texts, path("saved"), core, reader));

        for (Core *source : {&core, &reader}) {
            m_viewer->opened.clear();
            const QString file = path(source == &core ? "downloaded" : "opened");
            QJsonObject options = KestrumReportRun::everySection("KESTRUM 4", file);
            QCOMPARE(source->generateReport(text(options)), 0);
            QCOMPARE(m_viewer->opened, QList<QUrl>{QUrl::fromLocalFile(file + ".pdf")});
            const QStringList pages = PdfText::pages(file + ".pdf");
            QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                     qPrintable(PdfText::pageNumberFault(pages)));
            const QString first = pages.first();
            for (const QString &expected :
                 {QString("Kestrum 4 Report @ KESTRUM 4 SN: SIM0001"),
                  QString("Company evaluated: Acme Foundry"),
                  QString("Collected by: Carla Collector"), QString("Experiment"),
                  "Date: " + VfPrinter::dateText(QDate(2021, 6, 15)), QString("Duration: 00:12:00"),
                  QString("Start time: 08:30:00"), QString("Evaluation results"),
                  QString("Instrument index")})
                QVERIFY2(first.contains(expected), qPrintable(expected));
            QVERIFY(first.contains(QRegularExpression("\\b1\\s+KESTRUM 4\\s+25.10\\s+26.30")));
            QCOMPARE(first.count("EXP. KESTRUM 4"), boards);
            if (boards > 0)
                QVERIFY(first.contains(QRegularExpression("\\b2\\s+EXP. KESTRUM 4\\s+05.30")));

            // Each board: its page, then one page of its twelve samples.
            QCOMPARE(pages.size(), 1 + 2 * (1 + boards));
            for (int board = 0; board <= boards; ++board) {
                const QString page = pages.at(1 + 2 * board);
                const QString product =
                    board == 0 ? QString("KESTRUM 4(SIM0001)")
                               : "EXP. KESTRUM 4(" +
                                     QString(SimulatedKestrumRuns::boardSerial(board)) + ")";
                for (const QString &expected :
                     {QString("Device info"), product, QString("Cal. cert.: "),
                      QString("Partial results"), "Dry bulb [" + degrees("C") + "]",
                      QString("Chart"), QString("Temperature x Time")})
                    QVERIFY2(page.contains(expected), qPrintable(product + ": " + expected));
                QVERIFY(pages.at(2 + 2 * board).contains("012"));
                QVERIFY(pages.at(2 + 2 * board).contains("Tdry[" + degrees("C") + "]"));
            }
        }
    }

    void partialResultsPackedFromTheLeft()
    {
        Chain run = makeRun(3, 0);
        const QString file = path("packed");
        QCOMPARE(writeReport(KestrumReportRun::switchesOn(file, {"ckbResults", "ckbIBUTGeResults"}),
                             run.get()),
                 2);
        const QStringList pages = PdfText::pages(file + ".pdf");
        const QString board = pages.at(1);
        QVERIFY(board.contains(QRegularExpression("^\\s{0,4}WBGTo \\[" + degrees("C") + "\\]",
                                                  QRegularExpression::MultilineOption)));
        QVERIFY(board.contains(QRegularExpression("^\\s{0,4}Avg: \\d\\d\\.\\d\\d",
                                                  QRegularExpression::MultilineOption)));
        for (const QString &absent : {"Max:", "WBGTi [", "Cal. cert.", "Chart"})
            QVERIFY2(!board.contains(absent), qPrintable(absent));
    }

    void pageCounts_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("boards");
        QTest::addColumn<QStringList>("on");
        QTest::addColumn<int>("tablePages"); // -1: worked out from the table
        QTest::newRow("main unit, tables off")
            << 12 << 0 << QStringList{"ckbChart", "ckbWetTempChart"} << 0;
        QTest::newRow("two expansion boards, tables off")
            << 12 << 2
            << QStringList{"ckbChart", "ckbWetTempChart", "ckbResults", "ckbWetTempResults"} << 0;
        QTest::newRow("table without a column") << 12 << 0 << QStringList{"ckbTable"} << 0;
        QTest::newRow("main unit, 301 samples")
            << 301 << 0 << QStringList{"ckbTable", "ckbWetTempTable", "ckbDryTempTable"} << -1;
        QTest::newRow("every section, long notes") << 40 << 3 << QStringList() << -1;
    }

    void pageCounts()
    {
        QFETCH(int, records);
        QFETCH(int, boards);
        QFETCH(QStringList, on);
        QFETCH(int, tablePages);
        Chain run = makeRun(records, boards);
        const QString file = path("pages");
        QJsonObject options = on.isEmpty() ? KestrumReportRun::everySection("KESTRUM 4", file)
                                           : KestrumReportRun::switchesOn(file, on);
        if (on.isEmpty())
            options.insert("obsText", QString("A long remark. ").repeated(300));
        const int count = writeReport(options, run.get());
        const QStringList pages = PdfText::pages(file + ".pdf");
        QCOMPARE(PdfText::pageCount(file + ".pdf"), count);
        QCOMPARE(pages.size(), count);
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        if (tablePages >= 0)
            QCOMPARE(count, 2 + boards + tablePages);
        else
            QVERIFY(count > 2 + boards);
    }

    void missingBoardEntries()
    {
        SimulatedInstrument::Run texts = SimulatedKestrumRuns::makeKestrum4Run(7, 4, start(), 1);
        // Three boards announced, one described; samples with the main unit only.
        texts.pages[2] = "2,7,3," + texts.pages[2].mid(6);
        texts.pages[3] = "3,7,27.1,28.2,,,,,,";
        texts.pages[4] = "4,7,20,18,30,25,40,35" + QByteArray(18, ',');
        for (QByteArray &record : texts.records) {
            const QList<QByteArray> fields = record.split(',');
            record = SimulatedText::joinFields(fields.mid(0, 13)) + QByteArray(24, ',');
        }
        Chain run(KestrumReportRun::make("KESTRUM 4", texts));
        QVERIFY(run);
        QJsonObject options = KestrumReportRun::everySection("KESTRUM 4", path("missing"));
        const int count = writeReport(options, run.get());
        QVERIFY(count > 0);
        const QStringList pages = PdfText::pages(path("missing.pdf"));
        QVERIFY(pages.first().contains(QRegularExpression("\\b4\\s+EXP. KESTRUM 4\\s+---\\s+---")));
        const QString joined = pages.join('\n');
        QVERIFY(joined.contains("EXP. KESTRUM 4(---)"));
        QVERIFY(joined.contains(QRegularExpression("001\\s+08:30:00\\s+---\\s+---")));

        QFile csv(path("missing.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QVERIFY(lines.contains("\"08:30:00\";\"---\";\"---\";\"---\";\"---\";\"---\"\r"));
    }

    void csvOfEveryOpenedRun()
    {
        Chain head = makeRun(2, 1, 9);
        Chain second = makeRun(3, 0, 4);
        head->append(second.release());
        const QString file = path("two-runs");
        QVERIFY(writeReport(KestrumReportRun::switchesOn(file, {"ckbCsv"}), head.get()) > 0);
        QFile csv(file + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.endsWith("\"\";\"\";\"\";\"\";\"\";\"\";\r\n"));
        const QList<QByteArray> lines = bytes.split('\n');
        const QByteArray title = "\"Time\";\"Wet bulb [\xb0"
                                 "C]\";\"Dry bulb [\xb0"
                                 "C]\";\"Globe [\xb0"
                                 "C]\";\"WBGTi [\xb0"
                                 "C]\";\"WBGTo [\xb0"
                                 "C]\";\r";
        auto heading = [](const QByteArray &first) {
            return "\"" + first + "\";\"\";\"\";\"\";\"\";\"\";\r";
        };
        auto sample = [](int number, int board, const char *time) {
            QByteArray line = "\"" + QByteArray(time) + "\"";
            for (int q = 0; q < SimulatedKestrumRuns::QuantityCount; ++q)
                line += ";\"" +
                        SimulatedKestrumRuns::readingText(number, board,
                                                          SimulatedKestrumRuns::Quantity(q)) +
                        "\"";
            return line + "\r";
        };
        const QList<QByteArray> expected{heading("Event 1"),
                                         heading("Main"),
                                         title,
                                         sample(1, 0, "08:30:00"),
                                         sample(2, 0, "08:31:00"),
                                         heading("Expansion 1"),
                                         title,
                                         sample(1, 1, "08:30:00"),
                                         sample(2, 1, "08:31:00"),
                                         heading(""),
                                         heading("Event 2"),
                                         heading("Main"),
                                         title,
                                         sample(1, 0, "08:30:00"),
                                         sample(2, 0, "08:31:00"),
                                         sample(3, 0, "08:32:00"),
                                         heading(""),
                                         ""};
        QCOMPARE(lines, expected);

        // The same runs saved in a ".ks4" file and opened through Core give
        // the same file.
        Device device;
        device.setProductName("KESTRUM 4");
        const QString saved = path("two-runs.ks4");
        QCOMPARE(VfFile::write(saved, DataFileEnvelope::encode(DataFileEnvelope::document(
                                          "test", device.toJson(),
                                          {head->toJson(), head->next()->toJson()}))),
                 0);
        Core reader;
        reader.parseFile(QUrl::fromLocalFile(saved).toString());
        QCOMPARE(
            reader.generateReport(text(KestrumReportRun::switchesOn(path("reopened"), {"ckbCsv"}))),
            0);
        QFile reopened(path("reopened.csv"));
        QVERIFY(reopened.open(QIODevice::ReadOnly));
        QCOMPARE(reopened.readAll(), bytes);
    }

    void runWithoutSamplesKeepsItsHeadings()
    {
        Chain run = makeRun(0, 1);
        const QString file = path("empty");
        QVERIFY(
            writeReport(KestrumReportRun::switchesOn(file, {"ckbCsv", "ckbTable", "ckbWetTempTable",
                                                            "ckbChart", "ckbWetTempChart"}),
                        run.get()) > 0);
        QFile csv(file + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count('\n'), 1 + 2 * 2 + 1);
    }
};

QTEST_MAIN(TestKestrum4Report)
#include "tst_kestrum4report.moc"
