#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "ReportViewer.h"
#include "ReportWords.h"
#include "RumoReportChain.h"
#include "RunChain.h"
#include "VfFile.h"
#include "VfSubSuperScript.h"
#include "VfTableRow.h"
#include "models/rumo/RumoExpData.h"
#include "models/rumo/RumoLog.h"
#include "models/rumo/RumoPrinter.h"
#include "models/rumo/RumoResults.h"

#include <QChart>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QValueAxis>

#include <QtTest>

#include <memory>

namespace {

using Header = SimulatedRumoRuns::Header;

using Chain = RunChain;

// The runs start at 08:30 in the instrument's zone, three hours behind UTC.
QDateTime start()
{
    return parseDeviceDateTime("24/05/17,08:30:00-12");
}

QJsonArray indexes(const QList<int> &list)
{
    QJsonArray array;
    for (int index : list)
        array.append(index);
    return array;
}

// Every switch of the report on, the identification texts set.
QJsonObject allOn(const QString &fileName, const QList<int> &charts, const QList<int> &columns)
{
    QJsonObject options{{"fileName", QUrl::fromLocalFile(fileName).toString()},
                        {"ckbMaxMin", true},
                        {"ckbAvg", true},
                        {"ckbCalibration", true},
                        {"ckbTable", true},
                        {"selectedTableColumnsList", indexes(columns)},
                        {"ckbChart", true},
                        {"selectedChartsList", indexes(charts)},
                        {"collectorInfoEnable", true},
                        {"collectorName", "Carla Collector"},
                        {"ownCompanyInfoEnable", true},
                        {"ownCompany", "Hygiene Lab Ltd"},
                        {"repInfoEnable", true},
                        {"repName", "Rita Reporter"},
                        {"repIdInfoEnable", true},
                        {"repIdReg", "RG-4471"},
                        {"cmpnyInfoEnable", true},
                        {"cmpnyName", "Acme Foundry"},
                        {"siteInfoEnable", true},
                        {"siteName", "Boiler house"},
                        {"obsEnable", true},
                        {"obsText", "Doors were open in the afternoon."}};
    return options;
}

// Drives the logger's printer as Core does; the print result.
int writeReport(const QJsonObject &options, Experiment *head)
{
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("RUMO")));
    if (!printer)
        return -99;
    printer->setProductName(QStringLiteral("RUMO"));
    printer->setSn(QStringLiteral("RM-000321"));
    printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
    printer->setExperiment(head);
    const int result = printer->print();
    if (result == 0 && printer->endPainting() != 0)
        return -98;
    return result;
}

Chain downloadChain(const QList<int> &records, const QList<Header> &headers = {})
{
    return Chain(RumoReportChain::download(records, start(), headers));
}

// The chain saved to a ".rmx" file and opened again, as the application does.
Chain reopen(Experiment *head, const QString &path)
{
    QList<QJsonObject> runs;
    for (Experiment *run = head; run; run = run->next())
        runs.append(run->toJson());
    const QJsonObject device{{"name", "RUMO"}, {"SN", "RM-000321"}};
    if (VfFile::write(path, DataFileEnvelope::encode(DataFileEnvelope::document(
                                QStringLiteral("test"), device, runs))) != 0)
        return Chain();
    std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
    if (!file || !file->open(QIODevice::ReadOnly))
        return Chain();
    const QByteArray content = file->readAll();
    std::unique_ptr<Device> reader(file->readHeader(content));
    return Chain(reader ? file->parse(content) : nullptr);
}

} // namespace

// The "Rumo Report" of a chain of downloaded or reopened runs, read back from
// the PDF with poppler's tools.
class TestRumoReport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<ReportViewer> m_viewer;

    QString pdf(const QString &name) const { return m_dir.filePath(name + ".pdf"); }

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

    void everyBlockOfAThreeRunChain()
    {
        Header office = SimulatedRumoRuns::sensorHeader(1);
        office.averages = {"1.115", "40", "100.5", "30", "---"};
        office.configuration = {{"TWA", "f", "12345.678", "lx"}, {"TWA", "F", "1", ""}};
        Chain chain = downloadChain({6, 5, 4}, {office, SimulatedRumoRuns::sensorHeader(2),
                                                SimulatedRumoRuns::sensorHeader(3)});
        QVERIFY(chain);
        const QString file = pdf("three runs");
        QCOMPARE(writeReport(allOn(file, {0, 1}, {0, 2}), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        // The first page, a page per run and one table page per run.
        QCOMPARE(pages.size(), 7);

        const QStringList first{"Rumo Report @ RUMO SN: RM-000321",
                                "Company evaluated: Acme Foundry",
                                "Site/Area: Boiler house",
                                "Experiment type: AMB",
                                "Valuation company: Hygiene Lab Ltd",
                                "Collected by: Carla Collector",
                                "Date: " + VfPrinter::dateText(QDate(2024, 5, 17)),
                                "Sensor information",
                                "Sensor certificate",
                                "OFFICE 2",
                                "WORKSHOP LIGHT",
                                "BOILER ROOM",
                                "SCERT-7 (" + VfPrinter::dateText(QDate(2024, 3, 12)) + ")",
                                "Notes",
                                "Doors were open in the afternoon.",
                                "Rita Reporter",
                                "ID: RG-4471"};
        for (const QString &line : first)
            QVERIFY2(pages.at(0).contains(line), qPrintable(line + "\n" + pages.at(0)));

        const QStringList office1{
            "Configuration", "Event: 1", "Task name: OFFICE 2", "Sample time [s]: 60",
            // The instrument's own clock, whatever this computer's zone.
            "Start time: 08:30:00", "Duration: 00:06:00", "Pause time: 00:02:00",
            "TWA [lx]: 12,345.7", "TWA: ---", "Limits and average", "Temperature [°C]", "1.12",
            "Charts", "Temperature x Time", "Humidity x Time"};
        for (const QString &line : office1)
            QVERIFY2(pages.at(1).contains(line), qPrintable(line + "\n" + pages.at(1)));
        // The average "1.115" in the instrument's single precision.
        QVERIFY(pages.at(1).contains(
            QRegularExpression(QString::fromUtf8("Temperature \\[°C\\] +[0-9.]+ +1\\.12 "))));
        // An average the instrument left empty prints as such.
        QVERIFY(pages.at(1).contains(QRegularExpression("Air velocity \\[m/s\\].*---")));
        QVERIFY(!pages.at(1).contains("Evaluation results"));

        for (const char *line : {"Idx", "D/T", "Temperature [°C]", "Pressure [kPa]", "001", "006"})
            QVERIFY2(pages.at(2).contains(QString::fromUtf8(line)), line);
        QVERIFY(!pages.at(2).contains("Humidity"));

        // Each table names its run above its header.
        for (int run = 1; run <= 3; ++run) {
            const QString table = pages.at(2 * run);
            const QRegularExpression caption(QStringLiteral("^\\s*Event %1\\s*$").arg(run),
                                             QRegularExpression::MultilineOption);
            QVERIFY2(table.contains(caption), qPrintable(table));
            QVERIFY(table.indexOf(caption) < table.indexOf("Idx"));
        }
        QVERIFY(pages.at(3).contains("Event: 2"));
        QVERIFY(pages.at(3).contains("Light source type: LED"));
        QVERIFY(pages.at(3).contains("Illuminance x Time"));
        QVERIFY(pages.at(5).contains("Event: 3"));
        QVERIFY(pages.at(5).contains("Evaluation results"));
        QVERIFY(pages.at(5).contains("TWA [ppm]: 12.5"));

        // The same chain opened from its file prints the same report.
        Chain reopened = reopen(chain.get(), m_dir.filePath("three runs.rmx"));
        QVERIFY(reopened);
        const QString again = pdf("three runs reopened");
        QCOMPARE(writeReport(allOn(again, {0, 1}, {0, 2}), reopened.get()), 0);
        QCOMPARE(PdfText::checkedPages(again), pages);
    }

    // The columns of the identification and "Sensor information" blocks
    // stand an inset further apart than their width.
    void columnsStandAnInsetApart()
    {
        Chain chain = downloadChain({3});
        QVERIFY(chain);
        ReportWords page;
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("RUMO")));
        QVERIFY(page.print(printer.get(), allOn(pdf("columns"), {}, {}), chain.get()));
        const auto left = [&](const QString &text, int occurrence) {
            return page.word(text, occurrence).box.left();
        };
        const int width = page.windowWidth();
        const int inset = 3;
        QVERIFY(qAbs(left("Valuation", 0) - left("Company", 0) - width / 2) < 0.5);
        // Event, Name, Sensor SN and Sensor certificate, under the title.
        const int step = (width - 2 * inset) / 4 + inset;
        const double event = left("Event", 0);
        QVERIFY(qAbs(left("Name", 0) - event - step) < 0.5);
        QVERIFY(qAbs(left("Sensor", 1) - event - 2 * step) < 0.5);
        QVERIFY(qAbs(left("Sensor", 2) - event - 3 * step) < 0.5);
    }

    // A value beyond single precision cannot be the instrument's: it is not
    // available ("---") in the report, in the file and after reopening,
    // never 0 or infinity.
    void valuesBeyondSinglePrecision()
    {
        Header office = SimulatedRumoRuns::sensorHeader(1);
        office.configuration = {{"TWA", "f", "1e39", "lx"}, {"TWA", "f", "2.5", "ppm"}};
        office.evaluation = {{"TWA", "f", "-1e39", "dB"}};
        office.averages = {"1e39", "40", "100.5", "30", "0.2"};
        Chain chain = downloadChain({4}, {office});
        QVERIFY(chain);
        const QStringList lines{"TWA [lx]: ---", "TWA [ppm]: 2.5", "TWA [dB]: ---"};
        const QString file = pdf("beyond single precision");
        QCOMPARE(writeReport(allOn(file, {0}, {0}), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        for (const QString &line : lines)
            QVERIFY2(pages.at(1).contains(line), qPrintable(line + "\n" + pages.at(1)));
        QVERIFY(pages.at(1).contains(
            QRegularExpression(QString::fromUtf8("Temperature \\[°C\\] +[0-9.]+ +--- +[0-9.]+"))));

        const QJsonObject saved = chain->toJson().value("results").toObject();
        QCOMPARE(saved.value("configList").toArray().at(0).toObject().value("dataValue"),
                 QJsonValue(QJsonValue::Null));
        QCOMPARE(saved.value("evaluationResultsList").toArray().at(0).toObject().value("dataValue"),
                 QJsonValue(QJsonValue::Null));

        Chain reopened = reopen(chain.get(), m_dir.filePath("beyond single precision.rmx"));
        QVERIFY(reopened);
        const auto *results = qobject_cast<RumoResults *>(reopened->results());
        QVERIFY(results);
        QCOMPARE(results->configList().at(0)->valueText(), QString("---"));
        QCOMPARE(results->evaluationResultsList().at(0)->valueText(), QString("---"));
        const QString again = pdf("beyond single precision reopened");
        QCOMPARE(writeReport(allOn(again, {0}, {0}), reopened.get()), 0);
        QCOMPARE(PdfText::checkedPages(again), pages);
    }

    // The page count holds for every choice of charts and tables, also for a
    // quantity that one run of the chain does not have.
    void pagesAgreeWithTheirCount_data()
    {
        QTest::addColumn<QList<int>>("charts");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<bool>("tables");
        QTest::addColumn<int>("chartTitles");
        QTest::addColumn<int>("tablePages");
        QTest::newRow("no charts, no tables") << QList<int>{} << QList<int>{0} << false << 0 << 0;
        QTest::newRow("one chart, tables") << QList<int>{0} << QList<int>{0, 1} << true << 3 << 3;
        QTest::newRow("five charts")
            << QList<int>{0, 1, 2, 3, 4} << QList<int>{} << true << 11 << 0;
        QTest::newRow("eight charts")
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << QList<int>{4} << true << 11 << 1;
        QTest::newRow("nine charts")
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << QList<int>{} << false << 0 << 0;
        // The third run (two quantities) lacks quantity 3.
        QTest::newRow("quantity one run lacks")
            << QList<int>{1, 3} << QList<int>{3} << true << 5 << 2;
    }

    void pagesAgreeWithTheirCount()
    {
        QFETCH(QList<int>, charts);
        QFETCH(QList<int>, columns);
        QFETCH(bool, tables);
        QFETCH(int, chartTitles);
        QFETCH(int, tablePages);
        Chain chain = downloadChain({4, 4, 4});
        QVERIFY(chain);
        QJsonObject options = allOn(pdf(QTest::currentDataTag()), charts, columns);
        options.insert("ckbTable", tables);
        const QString file = pdf(QTest::currentDataTag());
        QCOMPARE(writeReport(options, chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QCOMPARE(pages.size(), 4 + tablePages);
        const QString all = pages.join(QLatin1Char('\f'));
        QCOMPARE(all.count(QStringLiteral(" x Time")), chartTitles);
        int pagesWithTable = 0;
        for (const QString &page : pages)
            pagesWithTable += page.contains(QStringLiteral("D/T")) ? 1 : 0;
        QCOMPARE(pagesWithTable, tablePages);
    }

    // A table too wide for the page is left out of the pages and of their
    // count; the other runs keep theirs.
    void tableTooWideIsLeftOut()
    {
        Header wide = SimulatedRumoRuns::sensorHeader(1);
        wide.quantities[0].unit = QByteArray(300, 'x');
        Chain chain = downloadChain({4, 4}, {wide, SimulatedRumoRuns::sensorHeader(2)});
        QVERIFY(chain);
        const QString file = pdf("too wide");
        QCOMPARE(writeReport(allOn(file, {}, {0}), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QCOMPARE(pages.size(), 4);
        QVERIFY(pages.at(1).contains("Event: 1"));
        QVERIFY(pages.at(2).contains("Event: 2"));
        QVERIFY(pages.at(3).contains("D/T"));
        QVERIFY(pages.at(3).contains("Illuminance [lx]"));
    }

    void chartsPairUpBeyondFourRows()
    {
        const int paired[] = {0, 0, 0, 0, 0, 2, 4, 6, 8};
        for (int count = 0; count <= RumoPrinter::MaxCharts; ++count)
            QCOMPARE(RumoPrinter::pairedCharts(count), paired[count]);
    }

    // Eight charts on a run page full of blocks stay above the page's bottom
    // band: the lowest frame drawn across the page is the band's rule, and
    // nothing is drawn between the charts' frame and it.
    void eightChartsStayOnTheirPage()
    {
        Header header = SimulatedRumoRuns::sensorHeader(1);
        header.quantities += SimulatedRumoRuns::sensorHeader(2).quantities.mid(0, 3);
        header.evaluation = {{"TWA", "f", "1", ""}, {"TWA", "f", "2", ""}};
        Chain chain = downloadChain({20}, {header});
        QVERIFY(chain);
        const QString file = pdf("eight charts");
        QCOMPARE(writeReport(allOn(file, {0, 1, 2, 3, 4, 5, 6, 7}, {}), chain.get()), 0);
        QCOMPARE(PdfText::checkedPages(file).size(), 2);
        QCOMPARE(PdfText::inkAboveBottomRule(file, 2, m_dir.filePath("eight")), -1);
    }

    // A run over midnight labels its times with the day: on the half-width
    // charts every time label and every value title still shows whole.
    void chartLabelsShowWholeOverMidnight()
    {
        Header header = SimulatedRumoRuns::sensorHeader(1);
        header.quantities += SimulatedRumoRuns::sensorHeader(2).quantities.mid(0, 3);
        header.sampleSeconds = 3600;
        Chain chain = downloadChain({40}, {header});
        QVERIFY(chain);
        const QString file = pdf("over midnight");
        QCOMPARE(writeReport(allOn(file, {0, 1, 2, 3, 4, 5, 6, 7}, {}), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        const QString charts = pages.value(pages.size() - 1);
        QVERIFY2(!charts.contains(QChar(0x2026)) && !charts.contains("..."), qPrintable(charts));
        QVERIFY2(charts.contains(QRegularExpression("\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d")),
                 qPrintable(charts));
        QVERIFY2(charts.contains("Temperature [°C]"), qPrintable(charts));
    }

    void flatSeriesStandsInsideItsAxis_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("positive") << QByteArray("21.5") << 0.0 << 21.5;
        QTest::newRow("negative") << QByteArray("-4") << -4.0 << 0.0;
        QTest::newRow("zero") << QByteArray("0") << -1.0 << 1.0;
        QTest::newRow("left empty") << QByteArray("---") << -1.0 << 1.0;
    }

    void flatSeriesStandsInsideItsAxis()
    {
        QFETCH(QByteArray, value);
        QFETCH(double, low);
        QFETCH(double, high);
        Chain chain = downloadChain({3});
        QVERIFY(chain);
        QList<Log *> logs = chain->logs();
        for (Log *log : logs) {
            auto *sample = qobject_cast<RumoLog *>(log);
            QStringList values = sample->physicalQuantitiesList();
            values[0] = QString::fromLatin1(value);
            sample->setPhysicalQuantitiesList(values);
        }
        std::unique_ptr<QtCharts::QChart> chart(RumoPrinter::quantityChart(chain.get(), 0, 400));
        QVERIFY(chart);
        auto *axis = qobject_cast<QtCharts::QValueAxis *>(chart->axes(Qt::Vertical).first());
        QVERIFY(axis);
        QVERIFY2(axis->min() <= low && axis->max() >= high,
                 qPrintable(QString("%1 .. %2").arg(axis->min()).arg(axis->max())));
        QVERIFY(axis->max() > axis->min());
    }

    void sampleTableRows()
    {
        Chain chain = downloadChain({3});
        QVERIFY(chain);
        QList<Log *> logs;
        for (int i = 0; i < 1000; ++i) {
            auto *log = new RumoLog;
            log->setRegisterDate(start().addSecs(i));
            log->setPhysicalQuantitiesList({"1.115", "x", "3", "4"});
            logs.append(log);
        }
        chain->setLogs(logs);
        RumoPrinter printer;
        printer.setReportOptions(R"({"ckbTable": true, "selectedTableColumnsList": [2, 0, 4, 9]})");
        const QList<VfTableRow> rows = printer.tableRow(chain.get());
        QCOMPARE(rows.size(), 1000);
        // Quantity 4 is missing from these samples, quantity 9 from the run.
        QCOMPARE(rows.first().cells(), QStringList({"001", "08:30:00", "3.00", "1.12", "---"}));
        QCOMPARE(rows.last().cell(0), QString("1000"));
        QCOMPARE(rows.last().date(), QDate(2024, 5, 17));
        const QList<VfSubSuperScript *> titles = printer.tableHeader(chain.get());
        QCOMPARE(titles.size(), 5);
        QCOMPARE(titles.at(2)->text(), QString("Pressure"));
        QCOMPARE(titles.at(2)->next()->text(), QString(" [kPa]"));
        QCOMPARE(titles.at(3)->next()->text(), QString::fromUtf8(" [°C]"));
    }

    void optionLists()
    {
        RumoPrinter printer;
        printer.setReportOptions(R"({"selectedChartsList": [3, "x", true], "ckbAvg": true})");
        QCOMPARE(printer.selectedCharts(), QList<int>({3, 0, 0}));
        QVERIFY(printer.averageShown());
        printer.setReportOptions("not JSON");
        QCOMPARE(printer.selectedCharts(), QList<int>({3, 0, 0}));
        printer.setReportOptions(R"({"fileName": "x"})");
        QVERIFY(printer.selectedCharts().isEmpty());
        QVERIFY(!printer.averageShown());
    }

    void unwritableFileFails()
    {
        Chain chain = downloadChain({2});
        QVERIFY(chain);
        QCOMPARE(writeReport(allOn(m_dir.filePath("no such folder/report"), {0}, {0}), chain.get()),
                 -98);
    }
};

QTEST_MAIN(TestRumoReport)
#include "tst_rumoreport.moc"
