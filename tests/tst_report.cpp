#include "PdfText.h"
#include "ReportTestPrinter.h"
#include "ReportViewer.h"
#include "VfFullPageTable.h"
#include "VfReportChart.h"

#include <QDateTimeAxis>
#include <QDir>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

QString options(const QString &fileName, const QJsonObject &extra = QJsonObject())
{
    QJsonObject json{
        {"fileName", fileName},    {"ckbTable", true},      {"cmpnyName", "ACME"},
        {"cmpnyInfoEnable", true}, {"siteName", "Hall 3"},  {"siteInfoEnable", true},
        {"repName", "Ann Smith"},  {"repInfoEnable", true}, {"repIdReg", "RG-77"},
        {"repIdInfoEnable", true}, {"obsEnable", true},     {"obsText", "Windows were open."}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        json.insert(it.key(), it.value());
    return QString::fromUtf8(QJsonDocument(json).toJson());
}

// Drives a report the way Core does: 0 written, -1 failed.
int writeReport(const QString &optionsText, Experiment *head)
{
    ReportTestPrinter printer;
    printer.setProductName(QStringLiteral("DRAVO 2"));
    printer.setSn(QStringLiteral("123456"));
    printer.setReportOptions(optionsText);
    printer.setExperiment(head);
    const int result = printer.print();
    return result == 0 ? printer.endPainting() : result;
}

// Answers a table's page breaks as the report writer does, on a plain image.
struct Answerer
{
    VfTable *table;
    bool answerFinish = true;
    bool answerNew = true;
    int pages = 0;
    void attach()
    {
        QObject::connect(table, &VfTable::finishPage, [this] {
            if (answerFinish)
                table->setPageFinished(true);
        });
        QObject::connect(table, &VfTable::newPage, [this] {
            ++pages;
            if (answerNew)
                table->setNewPageDone(true);
        });
    }
};

QList<VfTableRow> sampleRows(int count, const QDate &first = QDate(2021, 3, 1), int perDay = 0)
{
    QList<VfTableRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append(VfTableRow({QString::number(i), QStringLiteral("value")},
                               first.addDays(perDay > 0 ? i / perDay : 0)));
    return rows;
}

} // namespace

// The report writer base, its tables and labels, checked in the PDF it writes.
class TestReport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Writes the report of the runs, chained in order and deleted after, as
    // <name>.pdf in the test's folder; the PDF's path, or empty on failure.
    QString reportOfRuns(const QString &name, const QList<Experiment *> &runs)
    {
        const QString file = m_dir.filePath(name);
        for (int i = 1; i < runs.size(); ++i)
            runs.first()->append(runs.at(i));
        const int result = writeReport(options(file), runs.value(0));
        if (!runs.isEmpty())
            runs.first()->deleteChain();
        return result == 0 ? file + QStringLiteral(".pdf") : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // VALTRIX_KEEP_REPORTS keeps the PDFs for a look at the pages.
        if (qEnvironmentVariableIsSet("VALTRIX_KEEP_REPORTS")) {
            m_dir.setAutoRemove(false);
            qInfo("Reports in %s", qPrintable(m_dir.path()));
        }
        QLocale::setDefault(QLocale::c());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
    }

    // Two runs over three days with the sample table: the frame on every page
    // counts the pages the writer predicted, and the table's pages repeat
    // their header in blocks side by side with a date row at each new day.
    // A block holds a header only over rows, and each table's first page
    // names its run.
    void multiPageReportFramesEveryPage()
    {
        const QString pdf =
            reportOfRuns(QStringLiteral("full"),
                         {makeReportRun(1400, QDateTime(QDate(2021, 3, 1), QTime(8, 0)), 180),
                          makeReportRun(30, QDateTime(QDate(2021, 4, 2), QTime(9, 0)), 60)});
        QVERIFY(!pdf.isEmpty());
        const int pages = PdfText::pageCount(pdf);
        QVERIFY2(pages >= 6, qPrintable(QString::number(pages)));
        QVERIFY(PdfText::infoField(pdf, QStringLiteral("Creator")).startsWith("Suite Valtrix "));
        QCOMPARE(PdfText::infoField(pdf, QStringLiteral("Title")), QStringLiteral("Test Report"));

        QSet<QString> indexesSeen;
        int datesSeen = 0;
        QList<int> captionPages[2];
        const QRegularExpression rowIndex(QStringLiteral("\\bR(\\d+)\\b"));
        for (int page = 1; page <= pages; ++page) {
            const QString text = PdfText::page(pdf, page);
            QVERIFY2(text.contains("Test Report @ DRAVO 2 SN: 123456"), qPrintable(text));
            QVERIFY2(text.contains(QStringLiteral("%1 of %2").arg(page).arg(pages)),
                     qPrintable(text));
            QVERIFY(text.contains("Footer text of the test report"));
            if (page <= 3)
                continue;
            // Table pages: one header per block that holds rows, every block
            // on one line.
            const QStringList lines = text.split('\n');
            const auto header = std::find_if(lines.begin(), lines.end(),
                                             [](const QString &l) { return l.contains("Idx"); });
            QVERIFY2(header != lines.end(), qPrintable(text));
            QCOMPARE(header->count("Idx"), header->count("Time"));
            int widestLine = 0;
            for (const QString &line : lines)
                widestLine = qMax(widestLine, line.count(rowIndex));
            QVERIFY2(header->count("Idx") == widestLine, qPrintable(text));
            for (int run = 1; run <= 2; ++run) {
                const int caption = lines.indexOf(
                    QRegularExpression(QStringLiteral("^\\s*Event %1\\s*$").arg(run)));
                if (caption >= 0 && caption < header - lines.begin())
                    captionPages[run - 1].append(page);
            }
            auto match = rowIndex.globalMatch(text);
            while (match.hasNext())
                indexesSeen.insert(match.next().captured(1));
            for (int day = 2; day <= 4; ++day)
                datesSeen += text.count(VfPrinter::dateText(QDate(2021, 3, day)));
        }
        // Every sample of the longer run appears once its table is printed.
        for (int i = 1; i <= 1400; i += 97)
            QVERIFY2(indexesSeen.contains(QString::number(i)), qPrintable(QString::number(i)));
        // One date row at each change of day of the first run.
        QCOMPARE(datesSeen, 3);
        // The second run's 30 rows: one page, one block under one header.
        QCOMPARE(captionPages[0], QList<int>{4});
        QCOMPARE(captionPages[1], QList<int>{pages});
        QCOMPARE(PdfText::page(pdf, pages).count("Idx"), 1);
    }

    // The table of a report of one run needs no name.
    void singleRunTableHasNoCaption()
    {
        const QString pdf =
            reportOfRuns(QStringLiteral("single"),
                         {makeReportRun(500, QDateTime(QDate(2021, 3, 1), QTime(8, 0)), 60)});
        QVERIFY(!pdf.isEmpty());
        const QStringList pages = PdfText::pages(pdf);
        QVERIFY(pages.size() >= 3);
        for (int page = 2; page < pages.size(); ++page)
            QVERIFY2(!pages.at(page).contains("Event"), qPrintable(pages.at(page)));
    }

    // The first page holds the summary table in place, the indexed labels,
    // the notes and the signature, in that order.
    void firstPageBlocksInOrder()
    {
        const QString pdf =
            reportOfRuns(QStringLiteral("first"),
                         {makeReportRun(10, QDateTime(QDate(2021, 3, 1), QTime(8, 0)), 60)});
        QVERIFY(!pdf.isEmpty());
        const QString text = PdfText::page(pdf, 1);
        const QStringList expected{"Identification",
                                   "ACME",
                                   "Quantity",
                                   "Dosimeter 1",
                                   "Dose",
                                   "12.50",
                                   "TWA",
                                   "81.20",
                                   "Cpeak",
                                   "Notes",
                                   "Windows were open.",
                                   "Ann Smith",
                                   "ID: RG-77"};
        int at = 0;
        for (const QString &block : expected) {
            const int found = text.indexOf(block, at);
            QVERIFY2(found >= 0, qPrintable(block + "\n" + text));
            at = found;
        }
        // Summary table rows: label first, values on the same line.
        QVERIFY(text.contains(QRegularExpression("Dose\\s+12.50\\s+13.75")));
    }

    void switchesShowNotesAndSignature_data()
    {
        QTest::addColumn<bool>("notes");
        QTest::addColumn<bool>("name");
        QTest::addColumn<bool>("id");
        QTest::newRow("all") << true << true << true;
        QTest::newRow("no notes") << false << true << true;
        QTest::newRow("name only") << true << true << false;
        QTest::newRow("id only") << true << false << true;
        QTest::newRow("unsigned") << false << false << false;
    }

    void switchesShowNotesAndSignature()
    {
        QFETCH(bool, notes);
        QFETCH(bool, name);
        QFETCH(bool, id);
        const QString file = m_dir.filePath(QStringLiteral("switches"));
        QCOMPARE(writeReport(options(file, {{"obsEnable", notes},
                                            {"repInfoEnable", name},
                                            {"repIdInfoEnable", id},
                                            {"ckbTable", false}}),
                             nullptr),
                 0);
        const QString text = PdfText::page(file + ".pdf", 1);
        QCOMPARE(text.contains("Notes"), notes);
        QCOMPARE(text.contains("Windows were open."), notes);
        QCOMPARE(text.contains("Ann Smith"), name);
        QCOMPARE(text.contains("ID: RG-77"), id);
        QCOMPARE(text.contains("_____"), name || id);
        QVERIFY(text.contains("1 of 1"));
    }

    // Every text of the report, chart axes and legend included, is set in the
    // report's own faces.
    void onlyReportFacesAreEmbedded()
    {
        const QString pdf =
            reportOfRuns(QStringLiteral("fonts"),
                         {makeReportRun(40, QDateTime(QDate(2021, 3, 1), QTime(8, 0)), 60)});
        QVERIFY(!pdf.isEmpty());
        const QString fonts = PdfText::fonts(pdf);
        const QStringList lines = fonts.split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!lines.isEmpty());
        for (const QString &line : lines)
            QVERIFY2(line.contains(QRegularExpression("^\\S*Free(Sans|Mono|Serif)")),
                     qPrintable(fonts));
        const QString text = PdfText::page(pdf, 2);
        QVERIFY2(text.contains("Level chart"), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression("\\bLevel\\b[^ ]*\\s")), qPrintable(text));
        for (const char *tick : {"60", "75", "90"})
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("(^|\\s)%1\\s").arg(tick))),
                     qPrintable(text));
    }

    void unwritablePathFailsThePrint()
    {
        QCOMPARE(writeReport(options(QStringLiteral("/nonexistent-dir/sub/report")), nullptr), -1);
    }

    // The finished PDF goes to the desktop's handler of file URLs; a handler
    // that cannot open it does not turn the report into a failure.
    void finishedReportIsOpened()
    {
        ReportViewer viewer;
        const QString file = m_dir.filePath(QStringLiteral("opened"));
        {
            ReportTestPrinter printer;
            printer.setReportOptions(options(file, {{"ckbTable", false}}));
            QCOMPARE(printer.print(), 0);
            QCOMPARE(printer.endPainting(), 0);
            printer.openReport();
        }
        QCOMPARE(viewer.opened, QList<QUrl>{QUrl::fromLocalFile(file + ".pdf")});
    }

    void outputFileNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("expected");
        QTest::newRow("bare") << "report"
                              << "report.pdf";
        QTest::newRow("pdf kept") << "/r/report.pdf"
                                  << "/r/report.pdf";
        QTest::newRow("upper case") << "/r/report.PDF"
                                    << "/r/report.PDF.pdf";
        QTest::newRow("file url") << "file:///tmp/r/report"
                                  << "/tmp/r/report.pdf";
        QTest::newRow("spaces url") << "file:///tmp/my%20r/report"
                                    << "/tmp/my r/report.pdf";
    }

    void outputFileNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, expected);
        ReportTestPrinter printer;
        printer.setReportOptions(
            QString::fromUtf8(QJsonDocument(QJsonObject{{"fileName", fileName}}).toJson()));
        QCOMPARE(printer.reportFileName(), expected);
    }

    void temporaryFileWhenTempIsUnset()
    {
        const QByteArray saved = qgetenv("TEMP");
        qunsetenv("TEMP");
        QCOMPARE(ReportTestPrinter().reportFileName(), QDir(QDir::tempPath()).filePath("temp.pdf"));
        qputenv("TEMP", m_dir.path().toUtf8());
        QCOMPARE(ReportTestPrinter().reportFileName(), m_dir.filePath("temp.pdf"));
        if (saved.isNull())
            qunsetenv("TEMP");
        else
            qputenv("TEMP", saved);
    }

    // Options that are not JSON keep every default; a JSON object reads
    // missing keys as empty texts and switches that are off.
    void commonOptionKeys()
    {
        ReportTestPrinter printer;
        const QString defaultFile = printer.reportFileName();
        printer.setReportOptions(QStringLiteral("not json {"));
        QCOMPARE(printer.reportFileName(), defaultFile);
        QCOMPARE(printer.reporterId(), QStringLiteral("RS12345678"));
        QVERIFY(!printer.tableEnabled());

        printer.setReportOptions(options("/r/x", {{"logoEnable", true},
                                                  {"logoFile", "file:///tmp/logo.png"},
                                                  {"ownCompany", "Hyg Ltd"},
                                                  {"ownCompanyInfoEnable", true},
                                                  {"collectorName", "Bo"},
                                                  {"collectorInfoEnable", true},
                                                  {"emplName", "Cy"},
                                                  {"emplInfoEnable", true}}));
        QVERIFY(printer.tableEnabled());
        QVERIFY(printer.logoEnabled());
        QCOMPARE(printer.logoFile(), QStringLiteral("file:///tmp/logo.png"));
        QCOMPARE(printer.ownCompany(), QStringLiteral("Hyg Ltd"));
        QCOMPARE(printer.collectorName(), QStringLiteral("Bo"));
        QCOMPARE(printer.employeeName(), QStringLiteral("Cy"));
        QCOMPARE(printer.companyName(), QStringLiteral("ACME"));
        QCOMPARE(printer.siteName(), QStringLiteral("Hall 3"));
        QVERIFY(printer.ownCompanyShown() && printer.collectorShown() && printer.employeeShown() &&
                printer.companyShown() && printer.siteShown() && printer.reporterShown() &&
                printer.reporterIdShown() && printer.notesEnabled());

        printer.setReportOptions(QStringLiteral("[1, 2]"));
        QVERIFY(!printer.tableEnabled());
        QVERIFY(!printer.logoEnabled());
        QCOMPARE(printer.companyName(), QString());
    }

    // Options that are no JSON object, or that name no file, fail the report
    // before anything is written: no PDF lands in the working folder or in
    // the temporary folder.
    void refusedOptions_data()
    {
        QTest::addColumn<QString>("optionsText");
        QTest::newRow("not JSON") << QStringLiteral("not json {");
        QTest::newRow("array") << QStringLiteral("[{\"fileName\": \"/r/x\"}]");
        QTest::newRow("no file name") << QStringLiteral("{\"ckbTable\": true}");
        QTest::newRow("empty file name") << options(QString());
        QTest::newRow("file:/// alone") << options(QStringLiteral("file:///"));
    }

    void refusedOptions()
    {
        QFETCH(QString, optionsText);
        // Working and temporary folders of their own, which no other test
        // writes to meanwhile.
        QTemporaryDir here;
        QTemporaryDir temp;
        const QString savedCurrent = QDir::currentPath();
        const QByteArray savedTemp = qgetenv("TEMP");
        qputenv("TEMP", temp.path().toUtf8());
        QDir::setCurrent(here.path());
        const int result = writeReport(optionsText, nullptr);
        QDir::setCurrent(savedCurrent);
        qputenv("TEMP", savedTemp);
        QCOMPARE(result, -1);
        QVERIFY(QDir(here.path()).isEmpty());
        QVERIFY(QDir(temp.path()).isEmpty());
    }

    // A logo that loads sits left of the title; one that does not is skipped.
    void logoInTopBand()
    {
        const QString logo = m_dir.filePath(QStringLiteral("logo.png"));
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        QVERIFY(image.save(logo));
        for (const QString &logoFile : {QUrl::fromLocalFile(logo).toString(),
                                        QStringLiteral("file:///nonexistent/logo.png")}) {
            const QString file = m_dir.filePath(QStringLiteral("logo"));
            QCOMPARE(writeReport(options(file, {{"logoEnable", true},
                                                {"logoFile", logoFile},
                                                {"ckbTable", false}}),
                                 nullptr),
                     0);
            QVERIFY(PdfText::page(file + ".pdf", 1).contains("Test Report @ DRAVO 2 SN: 123456"));
        }
    }

    // Runs without samples add their own page and no table page.
    void runWithoutSamplesAddsNoTablePage()
    {
        const QDateTime start(QDate(2021, 3, 1), QTime(8, 0));
        const QString pdf = reportOfRuns(
            QStringLiteral("empty"), {makeReportRun(0, start, 60), makeReportRun(0, start, 60)});
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(PdfText::pageCount(pdf), 3);
        QVERIFY(PdfText::page(pdf, 3).contains("3 of 3"));
    }

    void tableWithoutRowsDrawsNothing()
    {
        QImage image(650, 900, QImage::Format_RGB32);
        QPainter painter(&image);
        VfFullPageTable table(&painter);
        table.setRows({});
        table.setHeader({});
        QSignalSpy newPages(&table, &VfTable::newPage);
        QCOMPARE(table.totalWidth(), 0);
        QCOMPARE(table.dayCount(), 0);
        QCOMPARE(table.pageCount(0, 40), 0);
        QCOMPARE(table.draw(0, 40), 0);
        QCOMPARE(newPages.count(), 0);

        VfNormalTable normal(&painter);
        normal.setRows({});
        QCOMPARE(normal.draw(0, 40), 40);
    }

    void dayCountSpansFirstToLastDate()
    {
        QImage image(650, 900, QImage::Format_RGB32);
        QPainter painter(&image);
        VfFullPageTable table(&painter);
        table.setRows(sampleRows(9, QDate(2021, 3, 1), 3));
        QCOMPARE(table.dayCount(), 2);
    }

    // Each break must be answered within its emit; the rows after a break
    // that was not answered are not drawn.
    void pageBreaksNeedAnAnswer_data()
    {
        QTest::addColumn<bool>("answerFinish");
        QTest::addColumn<bool>("answerNew");
        QTest::addColumn<int>("result");
        QTest::newRow("answered") << true << true << 0;
        QTest::newRow("finish unanswered") << false << true << -1;
        QTest::newRow("new page unanswered") << true << false << -1;
    }

    void pageBreaksNeedAnAnswer()
    {
        QFETCH(bool, answerFinish);
        QFETCH(bool, answerNew);
        QFETCH(int, result);
        QImage image(650, 900, QImage::Format_RGB32);
        QPainter painter(&image);
        VfFullPageTable table(&painter);
        table.setRows(sampleRows(2000));
        table.setHeader({nullptr, nullptr});
        table.setTopMargin(20);
        Answerer answerer{&table, answerFinish, answerNew};
        answerer.attach();
        const int pages = table.pageCount(0, 40);
        QVERIFY(pages > 1);
        QCOMPARE(table.draw(0, 40), result);
        QCOMPARE(answerer.pages, result == 0 ? pages : (answerNew ? 1 : 1));
        QVERIFY(!table.pageFinished());
        QVERIFY(!table.newPageDone());
    }

    // A page with no room for a row under the header draws nothing.
    void noRoomForARowDrawsNothing()
    {
        QImage image(650, 60, QImage::Format_RGB32);
        QPainter painter(&image);
        VfFullPageTable table(&painter);
        table.setRows(sampleRows(5));
        table.setTopMargin(30);
        QSignalSpy newPages(&table, &VfTable::newPage);
        QCOMPARE(table.pageCount(0, 20), 0);
        QCOMPARE(table.draw(0, 20), 0);
        QCOMPARE(newPages.count(), 0);
    }

    void normalTableTitlesAndShortRows()
    {
        QImage image(650, 900, QImage::Format_RGB32);
        QPainter painter(&image);
        VfNormalTable table(&painter);
        table.setRows({VfTableRow({"A", "1"}), VfTableRow({"B"})});
        QCOMPARE(table.columnCount(), 2);
        table.setHeaderTitles({"x", "y", "z"});
        QCOMPARE(table.headerTitles(), QStringList());
        QCOMPARE(table.headerHeight(), 10);
        const int below = table.draw(0, 100);
        QCOMPARE(below, 100 + 10 + 2 * table.rowHeight());

        VfNormalTable wide(&painter);
        wide.setRows({VfTableRow({QString(400, 'W'), "1"})});
        QCOMPARE(wide.draw(0, 100), 0);
    }

    void axisRanges_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("format");
        QTest::newRow("0..100") << 0.0 << 100.0 << 0.0 << 100.0 << 5 << "%.0f";
        QTest::newRow("3..97") << 3.0 << 97.0 << 0.0 << 100.0 << 5 << "%.0f";
        QTest::newRow("0.12..0.27") << 0.12 << 0.27 << 0.1 << 0.3 << 3 << "%.2f";
        QTest::newRow("-3.5..2.2") << -3.5 << 2.2 << -10.0 << 10.0 << 5 << "%.0f";
        QTest::newRow("-20..-12, multiple of the step")
            << -20.0 << -12.0 << -20.0 << -10.0 << 5 << "%.0f";
        QTest::newRow("2.5..5.5") << 2.5 << 5.5 << 2.0 << 6.0 << 5 << "%.1f";
        QTest::newRow("1..2") << 1.0 << 2.0 << 1.0 << 2.0 << 2 << "%.1f";
        QTest::newRow("0.3..0.9") << 0.3 << 0.9 << 0.0 << 1.0 << 5 << "%.2f";
        QTest::newRow("0.005..0.008") << 0.005 << 0.008 << 0.005 << 0.01 << 2 << "%.3f";
        QTest::newRow("equal ends") << 5.0 << 5.0 << 4.0 << 6.0 << 3 << "%.1f";
        QTest::newRow("equal ends at zero") << 0.0 << 0.0 << -1.0 << 1.0 << 3 << "%.1f";
    }

    void axisRanges()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QTest::currentDataTag();
        QtCharts::QValueAxis axis;
        axis.setRange(min, max);
        VfPrinter::setAxisRange(&axis);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, ticks);
        QFETCH(QString, format);
        QVERIFY2(qFuzzyCompare(axis.min() + 1, low + 1), qPrintable(QString::number(axis.min())));
        QVERIFY2(qFuzzyCompare(axis.max() + 1, high + 1), qPrintable(QString::number(axis.max())));
        QCOMPARE(axis.tickCount(), ticks);
        QCOMPARE(axis.labelFormat(), format);
    }

    // Ranges far beyond the round steps (a damaged file's values) keep the
    // tidy range and its few ticks: the count of steps is never made an int
    // that cannot hold it.
    // A time axis ticks a span no more often than its labels have room for
    // side by side on the plot, and still on round times: a plot too narrow
    // for two labels gets one interval.
    void timeTicksFitTheirPlot_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<double>("plotWidth");
        for (double width : {60.0, 250.0, 400.0, 1200.0}) {
            const QByteArray pixels = QByteArray::number(width);
            QTest::newRow("an hour, " + pixels) << 3600 << width;
            QTest::newRow("over midnight, " + pixels) << 30 * 3600 << width;
            QTest::newRow("three weeks, " + pixels) << 500 * 3600 << width;
        }
    }

    void timeTicksFitTheirPlot()
    {
        QFETCH(int, seconds);
        QFETCH(double, plotWidth);
        const QDateTime start(QDate(2024, 5, 17), QTime(8, 0, 13));
        QtCharts::QDateTimeAxis axis;
        axis.setLabelsFont(VfReportChart::font(12));
        VfReportChart::tidyTimeAxis(&axis, start, start.addSecs(seconds), plotWidth);
        const int intervals = axis.tickCount() - 1;
        QVERIFY(intervals >= 1);
        const QString label = axis.max().toString(axis.format());
        const int labelWidth = QFontMetrics(axis.labelsFont()).horizontalAdvance(label);
        QVERIFY2(intervals == 1 || plotWidth / intervals > labelWidth,
                 qPrintable(QString("%1 intervals of %2").arg(intervals).arg(label)));
        QVERIFY(axis.min() <= start && axis.max() >= start.addSecs(seconds));
        QCOMPARE(axis.min().time().second(), 0);
        // A wide plot shows more than two intervals.
        if (plotWidth >= 1200)
            QVERIFY(intervals > 2);
    }

    // A short chart's value title is made small enough to stand whole
    // beside its plot; one with room keeps its size.
    void valueTitlesFitTheirPlot()
    {
        const QString title = QString::fromUtf8("Temperature [°C]");
        for (int height : {150, 360}) {
            std::unique_ptr<QtCharts::QChart> chart(VfReportChart::newChart("Temperature"));
            auto *line = new QtCharts::QLineSeries;
            line->append(0, 20);
            line->append(1, 25);
            auto *values = new QtCharts::QValueAxis;
            VfReportChart::attach(chart.get(), line, new QtCharts::QValueAxis, values);
            values->setTitleText(title);
            values->setTitleFont(VfReportChart::font(12));
            QImage image(QSize(320, height), QImage::Format_RGB32);
            QPainter painter(&image);
            VfReportChart::render(chart.get(), &painter, image.size());
            const QFont font = values->titleFont();
            QVERIFY(QFontMetrics(font).horizontalAdvance(title) <= chart->plotArea().height());
            QCOMPARE(font.pixelSize() == 12, height == 360);
        }
    }

    void hugeValueAxes_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        const double largestFloat = std::numeric_limits<float>::max();
        QTest::newRow("1e12") << 0.0 << 1e12;
        QTest::newRow("2^31") << 0.0 << 2147483648.0;
        QTest::newRow("both signs, 2^31") << -2147483648.0 << 2147483648.0;
        QTest::newRow("largest float") << -largestFloat << largestFloat;
        // The range itself is more than a double holds.
        QTest::newRow("wider than a double") << -1e308 << 1e308;
    }

    void hugeValueAxes()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QtCharts::QValueAxis axis;
        axis.setRange(min, max);
        VfReportChart::tidyValueAxis(&axis);
        QVERIFY2(axis.tickCount() >= 2 && axis.tickCount() <= 7,
                 qPrintable(QString::number(axis.tickCount())));
        QVERIFY(axis.min() <= min);
        QVERIFY(axis.max() >= max);
    }

    // A long pump run's flow as markers, drawn over the chart once per pixel
    // they fall on: the picture has a marker around the pixel of every
    // sample as the chart maps it, and nothing else; the set-point line
    // stays over them, and the legend shows the series' marker.
    void markersCoverThePlotsPixels()
    {
        QVector<QPointF> flow;
        const QDateTime start(QDate(2024, 5, 17), QTime(8, 0));
        for (int i = 0; i < 32400; ++i) {
            const int hundredths = 200 + (i * 7919) % 25 - 12 + (i % 97 == 0 ? 15 : 0);
            flow.append(QPointF(start.addSecs(i).toMSecsSinceEpoch(), hundredths / 100.0));
        }
        const QSize size(655, 240);
        const auto draw = [&](const QVector<QPointF> *points, QImage *image) {
            QtCharts::QChart *chart = VfReportChart::newChart("Flow");
            chart->legend()->show();
            chart->legend()->setMarkerShape(QtCharts::QLegend::MarkerShapeFromSeries);
            auto *markers = new QtCharts::QScatterSeries;
            markers->setColor(Qt::blue);
            markers->setBorderColor(Qt::transparent);
            markers->setMarkerShape(QtCharts::QScatterSeries::MarkerShapeRectangle);
            markers->setMarkerSize(3);
            if (points)
                VfReportChart::setMarkers(markers, *points);
            auto *setPoint = new QtCharts::QLineSeries;
            setPoint->setPen(QPen(Qt::red, 1));
            setPoint->append(flow.first().x(), 2.0);
            setPoint->append(flow.last().x(), 2.0);
            auto *times = new QtCharts::QDateTimeAxis;
            auto *values = new QtCharts::QValueAxis;
            VfReportChart::attach(chart, markers, times, values);
            chart->addSeries(setPoint);
            setPoint->attachAxis(times);
            setPoint->attachAxis(values);
            values->setRange(1.8, 2.2);
            VfReportChart::tidyTimeAxis(times, start, start.addSecs(32399));
            *image = QImage(size, QImage::Format_RGB32);
            image->fill(Qt::white);
            QPainter painter(image);
            VfReportChart::render(chart, &painter, size);
            return chart;
        };
        QImage bare;
        delete draw(nullptr, &bare);
        QImage drawn;
        std::unique_ptr<QtCharts::QChart> chart(draw(&flow, &drawn));
        const QRectF plot = chart->plotArea();
        QtCharts::QAbstractSeries *markers = chart->series().first();

        // Away from the plot's edges, where the clip decides.
        const QRect inside = plot.toAlignedRect().adjusted(2, 2, -2, -2);
        const auto red = [&drawn](int x, int y) {
            return drawn.pixel(x, y) == QColor(Qt::red).rgb();
        };
        QSet<QPair<int, int>> expected;
        for (const QPointF &point : qAsConst(flow)) {
            const QPointF at = chart->mapToPosition(point, markers);
            const int column = int(std::floor(at.x()));
            const int row = int(std::floor(at.y()));
            for (int x = column - 1; x <= column + 1; ++x)
                for (int y = row - 1; y <= row + 1; ++y)
                    if (inside.contains(x, y) && !red(x, y))
                        expected.insert({x, y});
        }
        QSet<QPair<int, int>> marked;
        bool legendMarker = false;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const bool blue = drawn.pixel(x, y) == QColor(Qt::blue).rgb();
                if (inside.contains(x, y) && drawn.pixel(x, y) != bare.pixel(x, y)) {
                    QVERIFY(blue);
                    marked.insert({x, y});
                }
                legendMarker = legendMarker || (blue && !plot.contains(x + 0.5, y + 0.5));
            }
        }
        QCOMPARE(marked, expected);
        QVERIFY(legendMarker);
        const QPointF lineFrom = chart->mapToPosition(QPointF(flow.first().x(), 2.0), markers);
        const QPointF lineTo = chart->mapToPosition(QPointF(flow.last().x(), 2.0), markers);
        const int row = int(std::floor(lineFrom.y()));
        for (int x = qMax(inside.left(), int(lineFrom.x()) + 1);
             x < qMin(inside.right(), int(lineTo.x())); ++x)
            QVERIFY2(red(x, row - 1) || red(x, row) || red(x, row + 1),
                     qPrintable(QString::number(x)));
    }

    void zeroPaddedNumbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5.3") << "C" << 5.3 << 2 << 2 << "05.30";
        QTest::newRow("5") << "C" << 5.0 << 2 << 2 << "05.00";
        QTest::newRow("114") << "C" << 114.0 << 2 << 2 << "114.00";
        QTest::newRow("-0.3") << "C" << -0.3 << 2 << 2 << "-0.30";
        QTest::newRow("-5 unpadded") << "C" << -5.0 << 2 << 2 << "-5.00";
        QTest::newRow("one digit") << "C" << 5.3 << 1 << 2 << "5.30";
        QTest::newRow("no decimals") << "C" << 7.0 << 2 << 0 << "07";
        QTest::newRow("comma locale") << "de_DE" << 5.3 << 2 << 2 << "05,30";
    }

    void zeroPaddedNumbers()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        const QString text = VfPrinter::zeroPaddedNumber(value, digits, decimals);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(text, expected);
    }

    void indexedLabels()
    {
        QImage image(650, 900, QImage::Format_RGB32);
        QPainter painter(&image);
        VfSubSuperScript unit("m", QString(), "2", nullptr);
        VfSubSuperScript level("L", "Aeq", QString(), &unit);
        const int plain = level.width(&painter);
        QVERIFY(plain > VfSubSuperScript("L", "Aeq").width(&painter));

        level.setFont(VfPrinter::reportFont("FreeMono", 5));
        QCOMPARE(level.font().pixelSize(), 8);
        level.setFont(VfPrinter::reportFont("FreeMono", 10));
        QCOMPARE(level.smallFont().pixelSize(), 7);
        // The chained label is measured in the fonts of the one before it.
        QVERIFY(level.width(&painter) > plain);
        QCOMPARE(unit.font().pixelSize(), 8);

        VfSubSuperScript empty(QString(), "sub", "sup", &unit);
        QCOMPARE(empty.width(&painter), 0);
        QCOMPARE(empty.height(&painter), 0);
        QCOMPARE(empty.drawAtOrigin(&painter), 0);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
