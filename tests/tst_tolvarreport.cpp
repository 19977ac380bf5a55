#include "Core.h"
#include "Device.h"
#include "Experiment.h"
#include "Interface.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "ReportViewer.h"
#include "ReportWords.h"
#include "RunChain.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "TolvarReportRun.h"
#include "VfPrinter.h"
#include "models/tolvar/Tolvar4Printer.h"
#include "models/tolvar/Tolvar4Results.h"
#include "models/tolvar/TolvarLog.h"
#include "models/tolvar/TolvarPrinter.h"
#include "models/tolvar/TolvarReportCharts.h"
#include "models/tolvar/TolvarResults.h"

#include <QChart>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QXYSeries>
#include <QtTest>
#include <memory>

using Model = SimulatedTolvarRuns::Model;
Q_DECLARE_METATYPE(SimulatedTolvarRuns::Model)

namespace {

QDateTime start()
{
    return QDateTime(QDate(2024, 5, 17), QTime(8, 0), Qt::OffsetFromUTC, -3 * 3600);
}

QString text(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QByteArray productName(Model model)
{
    return model == Model::Tolvar4 ? "TOLVAR 4" : "TOLVAR 3 PLUS";
}

// Prints `run` with `options`; the printer's result, and its page total.
int print(Model model, Experiment *run, const QJsonObject &options, int *pageTotal = nullptr)
{
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(productName(model)));
    printer->setProductName(productName(model));
    printer->setSn("SN-7");
    printer->setReportOptions(text(options));
    printer->setExperiment(run);
    const int result = printer->print();
    if (pageTotal)
        *pageTotal = printer->pageCount();
    return result == 0 ? printer->endPainting() : result;
}

// Every page of `file` ends its footer with "k of N", N the file's page count.
bool footersCountThePages(const QString &file, QString *failure)
{
    const QStringList pages = PdfText::pages(file);
    for (int k = 1; k <= pages.size(); ++k) {
        const QString footer = QStringLiteral("%1 of %2").arg(k).arg(pages.size());
        if (!pages.at(k - 1).contains(footer)) {
            *failure = QStringLiteral("page %1 lacks \"%2\"").arg(k).arg(footer);
            return false;
        }
    }
    return !pages.isEmpty();
}

// The images a PDF holds, as pdfimages lists them.
int imageCount(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
    if (!process.waitForFinished(30000))
        return -1;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    int images = 0;
    for (const QByteArray &line : lines)
        images +=
            QRegularExpression("^\\s*\\d+\\s+\\d+\\s+image\\b").match(QString(line)).hasMatch();
    return images;
}

TolvarResults *resultsOf(Experiment *run)
{
    return qobject_cast<TolvarResults *>(run->results());
}

QList<TolvarLog *> samplesOf(Experiment *run)
{
    QList<TolvarLog *> samples;
    for (Log *log : run->logs())
        samples.append(qobject_cast<TolvarLog *>(log));
    return samples;
}

} // namespace

// The pump reports through their PDF text: blocks, units, flow marks, page
// totals, pictures and charts.
class TestTolvarReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!PdfText::toolsAvailable())
            QSKIP("pdftotext and pdfinfo are needed");
    }

    void downloadedAndReopenedRunsPrintTheSame_data()
    {
        QTest::addColumn<Model>("model");
        QTest::newRow("TOLVAR 3 PLUS") << Model::Tolvar3Plus;
        QTest::newRow("TOLVAR 4") << Model::Tolvar4;
    }

    void downloadedAndReopenedRunsPrintTheSame()
    {
        QFETCH(Model, model);
        QTemporaryDir dir;
        SimulatedInstrument pump;
        QVERIFY(installSimulatedModel(pump, productName(model)));
        addSimulatedRun(pump, 1, 600, start());
        qputenv("VALTRIX_EXTRA_PORTS", pump.portPath().toLocal8Bit());
        ReportViewer viewer;

        QStringList files;
        {
            Core core;
            core.findDevices();
            QCOMPARE(core.createDevice(0), 0);
            QCOMPARE(core.findExperiments(), 0);
            QCOMPARE(core.createExperiment("[0]"), 0);
            files.append(dir.filePath("downloaded run"));
            QCOMPARE(core.generateReport(text(TolvarReportRun::everySection(files.last()))), 0);
            QCOMPARE(core.saveExperimentToFile(dir.filePath("run")), 0);
        }
        {
            Core core;
            core.parseFile(dir.filePath(model == Model::Tolvar4 ? "run.tl4" : "run.tlv"));
            QVERIFY(core.currentExperiment());
            files.append(dir.filePath("reopened run"));
            QCOMPARE(core.generateReport(text(TolvarReportRun::everySection(files.last()))), 0);
        }
        qunsetenv("VALTRIX_EXTRA_PORTS");
        // The viewer gets the files written, with their extension.
        QCOMPARE(viewer.opened, (QList<QUrl>{QUrl::fromLocalFile(files.at(0) + ".pdf"),
                                             QUrl::fromLocalFile(files.at(1) + ".pdf")}));
        const QStringList downloaded = PdfText::pages(files.at(0) + ".pdf");
        QCOMPARE(PdfText::pages(files.at(1) + ".pdf"), downloaded);
        QString failure;
        QVERIFY2(footersCountThePages(files.at(0) + ".pdf", &failure), qPrintable(failure));
        // Page 1, the chart page and table pages for 600 samples.
        QVERIFY(downloaded.size() >= 4);

        const QString first = downloaded.first().simplified();
        const QString title = model == Model::Tolvar4 ? "TOLVAR 4 Report @ TOLVAR 4 SN: SIM0001"
                                                      : "TOLVAR 3 PLUS Report @ TOLVAR 3 PLUS SN: "
                                                        "SIM0001";
        const QStringList expected{
            title,
            "Company evaluated: Acme Foundry",
            "Valuation company: Hygiene Lab",
            "Site/Area: Casting hall",
            "Collected by: Rui Costa",
            "Employee: Ana Lima",
            "Position: Moulder",
            "Activity: Sand casting",
            "Experiment",
            "Date: " + VfPrinter::dateText(start().date()),
            // 600 samples a minute apart, the pause and the last minute.
            "Duration: 10:05:00",
            "Pause time: 00:05:00",
            "Start time: 08:00:00",
            "Stop time: 18:04:00",
            "Experiment results",
            "Sampler type",
            "CASSETTE 37MM",
            "Flow [L/min]",
            "Max: 2.12",
            "Min: 1.88",
            "Backpressure [kPa]",
            "Volume [L]",
            "Calibration",
            "Field calibration",
            "Pre check [L/min]: 2.01 (" + VfPrinter::dateText(start().date()) + " 07:50)",
            "Laboratory calibration",
            "Pump: CERT-0001 " + VfPrinter::dateText(QDate(2021, 10, 29)),
            "Flow meter: FM-0042 01/02/2024",
            "Notes",
            "Sampling during the morning shift.",
            "Eva Marques",
            "ID: RS-778",
        };
        for (const QString &line : expected)
            QVERIFY2(first.contains(line), qPrintable(line));
        QCOMPARE(first.contains("Status: Deviate more than 5%"), model == Model::Tolvar4);
        QVERIFY(downloaded.at(1).contains("Flow x Time"));
        // The time axis starts at the instrument's own 08:00, whatever this
        // computer's zone.
        QVERIFY(downloaded.at(1).contains(QRegularExpression("\\s08:00:00\\s")));
        QVERIFY(downloaded.at(1).contains("Backpressure x Time"));
        // The table: the flow mark, the instrument's own times.
        const QString table = downloaded.at(2);
        QVERIFY(table.contains("Idx"));
        QVERIFY(table.contains(QRegularExpression("001\\s+08:00:00\\s+2\\.02\\s+2\\.3\\s+2\\.0")));
        QVERIFY(table.contains(QRegularExpression("011\\s+\\*\\s+08:10:00\\s+2\\.12\\s+")));
        QVERIFY(table.contains(QRegularExpression("013\\s+\\*\\s+08:12:00\\s+1\\.88\\s+")));
    }

    void pageTotals_data()
    {
        QTest::addColumn<bool>("flowChart");
        QTest::addColumn<bool>("pressureChart");
        QTest::addColumn<bool>("table");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("pages");
        QTest::newRow("first page only") << false << false << false << 0 << 1;
        QTest::newRow("flow chart") << true << false << false << 0 << 2;
        QTest::newRow("backpressure chart") << false << true << false << 0 << 2;
        QTest::newRow("table without charts") << false << false << true << 0 << 0;
        QTest::newRow("everything") << true << true << true << 3 << 0;
        QTest::newRow("pictures and charts") << true << true << false << 3 << 2;
    }

    void pageTotals()
    {
        QFETCH(bool, flowChart);
        QFETCH(bool, pressureChart);
        QFETCH(bool, table);
        QFETCH(int, pictures);
        QFETCH(int, pages);
        QTemporaryDir dir;
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar4, 700, start()));
        QVERIFY(run);
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(dir.filePath("picture.png")));
        QJsonArray list;
        for (int i = 0; i < pictures; ++i)
            list.append(QUrl::fromLocalFile(dir.filePath("picture.png")).toString());
        const QString file = dir.filePath("report.pdf");
        const QJsonObject options{{"fileName", file},
                                  {"ckbChartFlow", flowChart},
                                  {"ckbChartBackPressure", pressureChart},
                                  {"ckbTable", table},
                                  {"listPictures", list}};
        int total = 0;
        QCOMPARE(print(Model::Tolvar4, run.get(), options, &total), 0);
        QCOMPARE(PdfText::pageCount(file), total);
        if (pages > 0)
            QCOMPARE(total, pages);
        else
            QVERIFY(total > 3);
        QString failure;
        QVERIFY2(footersCountThePages(file, &failure), qPrintable(failure));
        const QStringList texts = PdfText::pages(file);
        QCOMPARE(texts.at(1 % total).contains("Charts"), flowChart || pressureChart);
        QCOMPARE(imageCount(file), pictures);
    }

    void pressureUnits_data()
    {
        QTest::addColumn<bool>("kPa");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("value");
        QTest::newRow("kPa") << true << "Backpressure [kPa]"
                             << "2.5";
        QTest::newRow("inH2O") << false << "Backpressure [inH2O]"
                               << "10.0";
    }

    void pressureUnits()
    {
        QFETCH(bool, kPa);
        QFETCH(QString, unit);
        QFETCH(QString, value);
        QTemporaryDir dir;
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar3Plus, 5, start()));
        QVERIFY(run);
        for (TolvarLog *sample : samplesOf(run.get()))
            sample->setBackPressure(2.5);
        run->toJson();
        const QString file = dir.filePath("report.pdf");
        QCOMPARE(print(Model::Tolvar3Plus, run.get(),
                       {{"fileName", file}, {"rdkPa", kPa}, {"ckbTable", true}}),
                 0);
        const QStringList pages = PdfText::pages(file);
        QCOMPARE(pages.size(), 2);
        const QString results = pages.at(0).simplified();
        QVERIFY(results.contains(unit));
        for (const char *statistic : {"Max: ", "Min: ", "Average: "})
            QVERIFY2(results.contains(statistic + value), statistic);
        QVERIFY(pages.at(1).simplified().contains(kPa ? "Backpressure [kPa]" : unit));
        QVERIFY(pages.at(1).contains(QRegularExpression("001\\s+08:00:00\\s+2\\.02\\s+" +
                                                        QRegularExpression::escape(value))));
    }

    void flowMarks_data()
    {
        QTest::addColumn<double>("flowSet");
        QTest::addColumn<double>("flow");
        QTest::addColumn<QString>("mark");
        QTest::newRow("on the upper limit") << 2.0 << 2.10 << " ";
        QTest::newRow("beyond the upper limit") << 2.0 << 2.11 << "*";
        QTest::newRow("on the lower limit") << 2.0 << 1.90 << " ";
        QTest::newRow("beyond the lower limit") << 2.0 << 1.89 << "*";
        QTest::newRow("on the limit of 1.70") << 1.70 << 1.785 << " ";
        QTest::newRow("on the lower limit of 1.70") << 1.70 << 1.615 << " ";
        QTest::newRow("flow left empty") << 2.0 << qQNaN() << " ";
        QTest::newRow("no set-point") << qQNaN() << 9.0 << " ";
    }

    void flowMarks()
    {
        QFETCH(double, flowSet);
        QFETCH(double, flow);
        QFETCH(QString, mark);
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar3Plus, 1, start()));
        QVERIFY(run);
        resultsOf(run.get())->setFlowSet(flowSet);
        samplesOf(run.get()).first()->setFlow(flow);
        TolvarPrinter printer;
        const QList<VfTableRow> rows = printer.tableRow(run.get());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().cell(1), mark);
        QCOMPARE(rows.first().cell(3),
                 qIsNaN(flow) ? QString("---") : QLocale().toString(flow, 'f', 2));
    }

    void emptyValuesAndLongRunsPrint()
    {
        QTemporaryDir dir;
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar3Plus, 3, start()));
        QVERIFY(run);
        for (TolvarLog *sample : samplesOf(run.get()))
            sample->setFlow(qQNaN());
        run->toJson();
        resultsOf(run.get())->setDuration("360000");
        resultsOf(run.get())->setFlowVolume(qQNaN());
        const QString file = dir.filePath("report.pdf");
        QCOMPARE(print(Model::Tolvar3Plus, run.get(),
                       {{"fileName", file}, {"ckbTable", true}, {"ckbChartFlow", true}}),
                 0);
        const QStringList pages = PdfText::pages(file);
        QCOMPARE(pages.size(), 3);
        const QString first = pages.at(0).simplified();
        QVERIFY(first.contains("Duration: 100:00:00"));
        QVERIFY(first.contains("Max: --- Max: "));
        QVERIFY(first.contains("Average: --- Average: "));
        QVERIFY(first.contains("Total: ---"));
        QVERIFY(pages.at(2).contains(QRegularExpression("001\\s+08:00:00\\s+---")));
    }

    // The blocks' column heads are set in the text font, as plain lines that
    // carry the same words show; the columns of "Experiment results" and of
    // the identification stand an inset further apart than their width, those
    // of "Experiment" and "Calibration" at half the text area.
    void blockColumnsAndFaces()
    {
        QTemporaryDir dir;
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar3Plus, 3, start()));
        QVERIFY(run);
        QJsonObject options = TolvarReportRun::everySection(dir.filePath("report.pdf"));
        options.insert("cmpnyName", "Sampler Flow Backpressure Volume");
        options.insert("siteName", "Field Laboratory");
        ReportWords page;
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create("TOLVAR 3 PLUS"));
        QVERIFY(page.print(printer.get(), options, run.get()));

        // Heads and the identification's words alike, in the same face.
        for (const QString &head :
             {"Sampler", "Flow", "Backpressure", "Volume", "Field", "Laboratory"}) {
            const QRectF plain = page.word(head, 0).box;
            const QRectF inHead = page.word(head, 1).box;
            QVERIFY2(plain.width() > 0 && inHead.top() > plain.top(), qPrintable(head));
            QVERIFY2(qAbs(inHead.width() - plain.width()) < 0.05,
                     qPrintable(QStringLiteral("%1: %2 against %3")
                                    .arg(head)
                                    .arg(inHead.width())
                                    .arg(plain.width())));
        }
        // Offsets from a block's first column.
        const auto offset = [&](const QString &from, const QString &to, int occurrence) {
            return page.word(to, occurrence).box.left() - page.word(from, occurrence).box.left();
        };
        const int width = page.windowWidth();
        const int inset = 3;
        const int step = (width - 2 * inset) / 4 + inset;
        QVERIFY(qAbs(offset("Sampler", "Flow", 1) - step) < 0.5);
        QVERIFY(qAbs(offset("Sampler", "Backpressure", 1) - 2 * step) < 0.5);
        QVERIFY(qAbs(offset("Sampler", "Volume", 1) - 3 * step) < 0.5);
        QVERIFY(qAbs(offset("Company", "Valuation", 0) - width / 2) < 0.5);
        const int half = (width - 2 * inset) / 2;
        QVERIFY(qAbs(offset("Duration:", "Pause", 0) - half) < 0.5);
        QVERIFY(qAbs(offset("Field", "Laboratory", 1) - half) < 0.5);
    }

    // A pump report prints the head run of its chain alone, so its table
    // needs no name.
    void tableOfAChainsHeadIsNotNamed()
    {
        QTemporaryDir dir;
        RunChain chain(TolvarReportRun::make(Model::Tolvar3Plus, 30, start()));
        QVERIFY(chain);
        chain->append(TolvarReportRun::make(Model::Tolvar3Plus, 30, start().addDays(1)));
        const QString file = dir.filePath("report.pdf");
        QCOMPARE(print(Model::Tolvar3Plus, chain.get(), {{"fileName", file}, {"ckbTable", true}}),
                 0);
        const QStringList pages = PdfText::pages(file);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages.at(1).contains("Idx"));
        QVERIFY2(!pages.at(1).contains("Event"), qPrintable(pages.at(1)));
    }

    void statusLine_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("line");
        QTest::newRow("1") << true << "1"
                           << "Status: Deviate more than 5%";
        QTest::newRow("2") << true << "2"
                           << "Status: Pump blocked";
        QTest::newRow("3") << true << "3"
                           << "Status: Pump blocked for a long time";
        QTest::newRow("9") << true << "9"
                           << "Status: OK";
        QTest::newRow("empty") << true << ""
                               << "Status: OK";
        QTest::newRow("not asked for") << false << "3"
                                       << "";
    }

    void statusLine()
    {
        QFETCH(bool, shown);
        QFETCH(QString, status);
        QFETCH(QString, line);
        QTemporaryDir dir;
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar4, 3, start()));
        QVERIFY(run);
        qobject_cast<Tolvar4Results *>(run->results())->setExpStatus(status);
        const QString file = dir.filePath("report.pdf");
        QCOMPARE(print(Model::Tolvar4, run.get(), {{"fileName", file}, {"ckbStatus", shown}}), 0);
        const QString first = PdfText::page(file, 1);
        if (shown)
            QVERIFY(first.simplified().contains(line));
        else
            QVERIFY(!first.contains("Status"));
    }

    void pictureCells()
    {
        const int width = 700;
        const QList<TolvarPrinter::PictureCell> one = TolvarPrinter::pictureCells(1, width, 3);
        QCOMPARE(one.size(), 1);
        QCOMPARE(one.first().area, QRect(0, 0, width, 300));
        QCOMPARE(one.first().box, QSize(width, 300));
        // Three pictures: two rows; the third alone in the second.
        const QList<TolvarPrinter::PictureCell> three = TolvarPrinter::pictureCells(3, width, 3);
        QCOMPARE(three.size(), 3);
        for (const TolvarPrinter::PictureCell &cell : three)
            QCOMPARE(cell.box, QSize(350, 147));
        QCOMPARE(three.at(0).area, QRect(0, 0, 350, 153));
        QCOMPARE(three.at(1).area, QRect(350, 0, 350, 153));
        QCOMPARE(three.at(2).area, QRect(0, 151, 350, 153));
        QVERIFY(TolvarPrinter::pictureCells(0, width, 3).isEmpty());
    }

    void missingPictureIsSkipped()
    {
        QTemporaryDir dir;
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar3Plus, 3, start()));
        QVERIFY(run);
        QImage image(60, 20, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        QVERIFY(image.save(dir.filePath("wide picture.png")));
        const QString picture = QUrl::fromLocalFile(dir.filePath("wide picture.png")).toString();
        const QString file = dir.filePath("report.pdf");
        QJsonObject options = TolvarReportRun::everySection(file);
        options.insert("listPictures",
                       QJsonArray{picture, QUrl::fromLocalFile(dir.filePath("gone.png")).toString(),
                                  picture, 7});
        QCOMPARE(print(Model::Tolvar3Plus, run.get(), options), 0);
        QCOMPARE(imageCount(file), 2);
        const QString first = PdfText::page(file, 1).simplified();
        for (const char *text :
             {"Pictures", "Notes", "Sampling during the morning shift.", "Eva Marques", "1 of "})
            QVERIFY2(first.contains(text), text);
    }

    void chartRanges_data()
    {
        QTest::addColumn<bool>("flow");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("flowSet");
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("ticks");
        // The flow axis spans the flows and the limit lines. With 0 ticks the
        // axis need only hold min to max without much room to spare.
        QTest::newRow("flows 3 to 97")
            << true << QList<double>{3, 50, 97} << 50.0 << 3 << 0.0 << 100.0 << 5;
        QTest::newRow("flows within the limits")
            << true << QList<double>{2.0, 2.05} << 2.0 << 2 << 1.9 << 2.1 << 0;
        QTest::newRow("an empty flow is left out")
            << true << QList<double>{2.0, qQNaN(), 12.0} << 2.0 << 2 << 1.9 << 12.0 << 0;
        QTest::newRow("no flows") << true << QList<double>{} << 2.0 << 0 << 1.9 << 2.1 << 0;
        // Equal values give the axis a span of 2 around them: a step of 1.
        QTest::newRow("equal backpressures")
            << false << QList<double>{2.5, 2.5, 2.5} << 2.0 << 3 << 1.0 << 4.0 << 3;
        QTest::newRow("backpressure left empty")
            << false << QList<double>{qQNaN(), 5.0} << 2.0 << 1 << 4.0 << 6.0 << 3;
    }

    void chartRanges()
    {
        QFETCH(bool, flow);
        QFETCH(QList<double>, values);
        QFETCH(double, flowSet);
        QFETCH(int, points);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, ticks);
        std::unique_ptr<Experiment> run(
            TolvarReportRun::make(Model::Tolvar3Plus, values.size(), start()));
        QVERIFY(run);
        resultsOf(run.get())->setFlowSet(flowSet);
        const QList<TolvarLog *> samples = samplesOf(run.get());
        for (int i = 0; i < values.size(); ++i)
            flow ? samples.at(i)->setFlow(values.at(i))
                 : samples.at(i)->setBackPressure(values.at(i));
        std::unique_ptr<QtCharts::QChart> chart(
            flow ? TolvarReportCharts::flowChart(run.get(), false)
                 : TolvarReportCharts::backpressureChart(run.get(), true, false));
        const auto series = chart->series();
        QCOMPARE(series.size(), flow ? 3 : 1);
        QCOMPARE(qobject_cast<QtCharts::QXYSeries *>(series.first())->count(), points);
        auto *axis = qobject_cast<QtCharts::QValueAxis *>(chart->axes(Qt::Vertical).first());
        if (ticks == 0) {
            QVERIFY(axis->min() <= min + 1e-9 && axis->max() >= max - 1e-9);
            QVERIFY(axis->max() - axis->min() < 3 * (max - min));
            return;
        }
        QCOMPARE(axis->min(), min);
        QCOMPARE(axis->max(), max);
        QCOMPARE(axis->tickCount(), ticks);
    }

    void reportThatCannotBeWrittenFails()
    {
        std::unique_ptr<Experiment> run(TolvarReportRun::make(Model::Tolvar3Plus, 3, start()));
        QVERIFY(run);
        QCOMPARE(print(Model::Tolvar3Plus, run.get(), {{"fileName", "/nonexistent folder/report"}}),
                 -1);
        // A run without pump results is no pump report.
        run->setResults(nullptr);
        QTemporaryDir dir;
        QCOMPARE(print(Model::Tolvar3Plus, run.get(), {{"fileName", dir.filePath("r.pdf")}}), -1);
    }
};

QTEST_MAIN(TestTolvarReport)
#include "tst_tolvarreport.moc"
