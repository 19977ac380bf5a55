#include "AmrPerOctave.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "PdfText.h"
#include "QuillonReportRun.h"
#include "RunChain.h"
#include "models/quillon/QuillonCsv.h"
#include "models/quillon/QuillonExperiment.h"
#include "models/quillon/QuillonLog.h"
#include "models/quillon/QuillonPrinter.h"
#include "models/quillon/QuillonResults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

using Header = SimulatedQuillonRuns::Header;

using Chain = RunChain;

QDateTime start()
{
    return parseDeviceDateTime("24/05/17,08:30:00-12");
}

// A run with the given X bands (frequency, value), no Y or Z band, and one
// sample: the CSV's smallest whole case.
Experiment *bandRun(const QList<QPair<QString, QString>> &xBands)
{
    auto *run = new QuillonExperiment;
    auto *results = new QuillonResults;
    QList<AmrPerOctave *> bands;
    for (const auto &pair : xBands) {
        auto *band = new AmrPerOctave;
        band->setFrequency(pair.first);
        band->setAmr(pair.second);
        bands.append(band);
    }
    results->setBands(QuillonResults::AxisX, bands);
    run->setResults(results);
    auto *sample = new QuillonLog;
    sample->parseRecord("1,1,0,\"24/05/17,08:31:00-12\",1,0.21,,0.23,3.1,3.2,3.3,0.81,0.82,0.83,"
                        "0.40");
    run->setLogs({sample});
    return run;
}

QByteArray separator()
{
    return QByteArray("\"\";").repeated(11) + "\r\n";
}

} // namespace

// The vibration report's chart pages and its CSV file.
class TestQuillonExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        PdfText::keepIfAsked(m_dir);
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are not installed");
    }

    void init() { QLocale::setDefault(QLocale::c()); }

    void chartPages()
    {
        Header octaves = SimulatedQuillonRuns::header(1, 20);
        octaves.bandFrequencies = {"12.50", "125.00", "1000.00", "1250.00", "1600.00"};
        Header thirds = SimulatedQuillonRuns::header(2, 20);
        thirds.octaveAnalysis = "1/3";
        Chain head(QuillonReportRun::chain({octaves, thirds}, 20, start()));
        QVERIFY(head);
        const QString file = path("charts.pdf");
        QCOMPARE(QuillonReportRun::writeReport(
                     QuillonReportRun::only(file, {"ckbChart", "ckbOctaves"}), head.get()),
                 0);
        const QStringList pages = PdfText::pages(file);
        QCOMPARE(PdfText::pageCount(file), 7);
        QVERIFY2(PdfText::pageNumberFault(pages).isEmpty(),
                 qPrintable(PdfText::pageNumberFault(pages)));
        const QString charts = pages.at(2);
        for (const char *text : {"Charts", "Acceleration x Time", "Time", "Acceleration"})
            QVERIFY2(charts.contains(text), text);
        const QString bands = pages.at(3);
        for (const char *text :
             {"Octaves", "Frequency", "12.5", "125", "1.25 k", "1.6 k", " x Octave"})
            QVERIFY2(bands.contains(text), text);
        // The blank of a lone "1 k" can be too narrow for the text reader.
        QVERIFY(bands.contains(QRegularExpression("\\s1 ?k\\s")));
        QVERIFY(!bands.contains("1/3"));
        QVERIFY(pages.at(6).contains("x 1/3 Octave"));

        // A run without X bands has no band page; each switch leaves its page out.
        Header none = SimulatedQuillonRuns::header(3, 20);
        none.axes[0].bandValues.clear();
        none.numFreq = "0";
        none.axes[1].bandValues.clear();
        none.axes[2].bandValues.clear();
        Chain bare(QuillonReportRun::chain({none}, 20, start()));
        QVERIFY(bare);
        QCOMPARE(QuillonReportRun::writeReport(
                     QuillonReportRun::only(path("no bands.pdf"), {"ckbChart", "ckbOctaves"}),
                     bare.get()),
                 0);
        QCOMPARE(PdfText::pageCount(path("no bands.pdf")), 3);
        QVERIFY(!PdfText::pages(path("no bands.pdf")).join('\n').contains("Octaves"));
        QCOMPARE(QuillonReportRun::writeReport(
                     QuillonReportRun::only(path("octaves only.pdf"), {"ckbOctaves"}), head.get()),
                 0);
        QCOMPARE(PdfText::pageCount(path("octaves only.pdf")), 5);
        QVERIFY(!PdfText::pages(path("octaves only.pdf")).join('\n').contains("Acceleration x"));
    }

    void chartsWithNothingToShow()
    {
        Chain head(bandRun({{"6.30", "---"}}));
        auto *empty = new QuillonExperiment;
        empty->setResults(new QuillonResults);
        head->append(empty);
        QCOMPARE(
            QuillonReportRun::writeReport(
                QuillonReportRun::only(path("empty.pdf"), {"ckbChart", "ckbOctaves"}), head.get()),
            0);
        const QStringList pages = PdfText::pages(path("empty.pdf"));
        QCOMPARE(pages.size(), 6);
        QVERIFY(pages.at(3).contains("Octaves"));
        QVERIFY(!pages.at(3).contains("6.3"));
    }

    void csvOfOneRun()
    {
        Chain run(bandRun({{"6.30", "0.12"}, {"8.00", "0.34"}}));
        QByteArray expected = "\"Event 1\"\r\n\r\n"
                              "\"Octave Axis X\"\r\n"
                              "\"a[m/s^2]\";\"0.12\";\"0.34\";\r\n"
                              "\"f[Hz]\";\"6.30\";\"8.00\";\r\n" +
                              separator();
        for (const char *axis : {"Y", "Z"})
            expected += QByteArray("\"Octave Axis ") + axis +
                        "\"\r\n\"a[m/s^2]\";\r\n\"f[Hz]\";\r\n" + separator();
        expected += "\"Time\";\"Interval [s]\";\"awX [m/s^2]\";\"awY [m/s^2]\";\"awZ [m/s^2]\";"
                    "\"awV [m/s^2]\";\"VDVX [m/s^1.75]\";\"VDVY [m/s^1.75]\";\"VDVZ [m/s^1.75]\";"
                    "\"CFX []\";\"CFY []\";\"CFZ []\"\r\n"
                    "\"08:31:00\";\"1.00\";\"0.21\";\"---\";\"0.23\";\"0.40\";\"0.81\";\"0.82\";"
                    "\"0.83\";\"3.10\";\"3.20\";\"3.30\"\r\n" +
                    separator();
        QCOMPARE(QuillonCsv::build(run.get()).bytes(), expected);

        // Runs follow in chain order; one without results keeps its lead cells.
        auto *second = new QuillonExperiment;
        run->append(second);
        const QByteArray two = QuillonCsv::build(run.get()).bytes();
        QVERIFY(two.startsWith(expected));
        QVERIFY(two.mid(expected.size())
                    .startsWith("\"Event 2\"\r\n\r\n\"Octave Axis X\"\r\n\"a[m/s^2]\";\r\n"));
    }

    void csvNumbersInTheLocale()
    {
        Chain run(bandRun({{"1000", "0.12"}}));
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QByteArray csv = QuillonCsv::build(run.get()).bytes();
        QVERIFY(csv.contains("\"a[m/s^2]\";\"0,12\";"));
        QVERIFY(csv.contains("\"VDVX [m/s^1,75]\""));
        QVERIFY(csv.contains("\"1,00\";\"0,21\""));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        csv = QuillonCsv::build(run.get()).bytes();
        QVERIFY(csv.contains("\"f[Hz]\";\"1,000.00\";"));
    }

    void csvFileBesideThePdf()
    {
        Chain run(bandRun({{"6.30", "0.12"}}));
        QVERIFY(QDir(m_dir.path()).mkpath("reports.pdf.d"));
        const QString pdf = path("reports.pdf.d/day.pdf");
        QJsonObject options = QuillonReportRun::only(pdf, {"ckbCsv"});
        QCOMPARE(QuillonReportRun::writeReport(options, run.get()), 0);
        QFile csv(path("reports.pdf.d/day.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), QuillonCsv::build(run.get()).bytes());
        QVERIFY(!QFile::exists(path("reports.csv.d")));
        // The files a report window asks about before it replaces them.
        QuillonPrinter printer;
        printer.setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
        QCOMPARE(printer.outputFileNames(), QStringList({pdf, path("reports.pdf.d/day.csv")}));

        // Without its switch no file is made.
        QCOMPARE(
            QuillonReportRun::writeReport(QuillonReportRun::only(path("plain.pdf"), {}), run.get()),
            0);
        QVERIFY(!QFile::exists(path("plain.csv")));

        // A CSV that cannot be written fails the report and leaves nothing,
        // not even the PDF it belongs to.
        QVERIFY(QDir(m_dir.path()).mkpath("blocked/out.csv"));
        options = QuillonReportRun::only(path("blocked/out.pdf"), {"ckbCsv"});
        QCOMPARE(QuillonReportRun::writeReport(options, run.get()), -1);
        QCOMPARE(QDir(path("blocked")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

int main(int argc, char *argv[])
{
    // A zone far from the instrument's: its times must show as it recorded them.
    qputenv("TZ", "Asia/Tokyo");
    QApplication app(argc, argv);
    TestQuillonExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quillonexport.moc"
