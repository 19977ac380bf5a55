#include "BemariReportRun.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "LeqPerOctave.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "RunChain.h"
#include "VfLevelCharts.h"
#include "VfPrinter.h"
#include "VfSubSuperScript.h"
#include "models/bemari/BemariPlusLog.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/SoundLevelReportCharts.h"
#include "models/bemari/SoundLevelReportTable.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QJsonDocument>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

#include <memory>

using namespace QtCharts;

namespace {

// Bands as the instrument writes them, every level the same.
QList<LeqPerOctave *> bandsAt(const QStringList &frequencies, const QString &leq)
{
    QList<LeqPerOctave *> bands;
    for (const QString &frequency : frequencies) {
        auto *band = new LeqPerOctave;
        band->setFrequency(frequency);
        band->setLeq(leq);
        bands.append(band);
    }
    return bands;
}

const QStringList kOctaves{"31.50",   "63.00",   "125.00",  "250.00",  "500.00",
                           "1000.00", "2000.00", "4000.00", "8000.00", "16000.00"};

// A "BEMARI+" run of records one second apart from `start`, holding
// `levels` (and `intervals` when given).
Experiment *runOf(const QStringList &levels, const QString &octaveAnalysis = "1/1",
                  const QList<LeqPerOctave *> &bands = {})
{
    auto *run = new Experiment;
    auto *results = new BemariPlusResults;
    results->setFreqWeighting("A");
    results->setSampleTime("1");
    results->setOctaveAnalysis(octaveAnalysis);
    results->setLeqList(bands);
    run->setResults(results);
    const QDateTime start = parseDeviceDateTime("24/05/17,08:30:00-12");
    QList<Log *> logs;
    for (int i = 0; i < levels.size(); ++i) {
        auto *log = new BemariPlusLog;
        log->setRegisterDate(start.addSecs(i));
        log->setLevel(levels.at(i));
        logs.append(log);
    }
    run->setLogs(logs);
    return run;
}

QLineSeries *lineOf(QChart *chart)
{
    return qobject_cast<QLineSeries *>(chart->series().value(0));
}

QValueAxis *levelAxisOf(QChart *chart)
{
    return qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
}

QBarSet *barsIn(QChart *chart)
{
    auto *series = qobject_cast<QBarSeries *>(chart->series().value(0));
    return series ? series->barSets().value(0) : nullptr;
}

QDateTime morning()
{
    return parseDeviceDateTime("24/05/17,08:30:00-12");
}

// A chain of `runs` downloaded runs of `records` records each (0: a run
// whose records were all lost), described by `header`.
RunChain downloadedChain(int runs, int records, SimulatedBemariRuns::Header header = {})
{
    RunChain head;
    for (int i = 0; i < runs; ++i) {
        Experiment *run = BemariReportRun::make(qMax(1, records), morning().addDays(i), header);
        if (!run)
            return RunChain();
        if (records == 0)
            run->setLogs({});
        if (head)
            head->append(run);
        else
            head.reset(run);
    }
    return head;
}

// Whether `page` holds `text`, blanks left aside: pdftotext spaces chart
// texts by where their glyphs stand.
bool holds(const QString &page, const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return QString(page).remove(blanks).contains(QString(text).remove(blanks));
}

// Options writing `file` with the common sections off and `switches` on.
QJsonObject optionsWith(const QString &file, const QStringList &switches)
{
    QJsonObject options{{"fileName", QUrl::fromLocalFile(file).toString()}};
    for (const QString &key : switches)
        options.insert(key, true);
    return options;
}

// Prints `head` as Core does; the print result, and N of "k of N" in
// `pageCount`.
int writeReport(bool plus, const QJsonObject &options, Experiment *head, int *pageCount = nullptr)
{
    const QString model = plus ? QStringLiteral("BEMARI+") : QStringLiteral("BEMARI");
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(model));
    if (!printer)
        return -99;
    printer->setProductName(model);
    printer->setSn(QStringLiteral("SLM-0042"));
    printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
    printer->setExperiment(head);
    const int result = printer->print();
    if (pageCount)
        *pageCount = printer->pageCount();
    if (result == 0 && printer->endPainting() != 0)
        return -98;
    return result;
}

} // namespace

// The charts and the sample table of the sound level meters' report, against
// values worked out by hand.
class TestBemariReportCharts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString pdf(const QString &name) const { return m_dir.filePath(name + ".pdf"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        PdfText::keepIfAsked(m_dir);
        QLocale::setDefault(QLocale::c());
    }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    // Each band takes the correction of the nominal band nearest its own
    // frequency, whatever the list starts with and however it is written.
    void weightedBands_data()
    {
        QTest::addColumn<QStringList>("frequencies");
        QTest::addColumn<QString>("leq");
        QTest::addColumn<char>("weighting");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<double>>("levels");
        const QStringList octaveLabels{"31.5", "63",  "125", "250", "500",
                                       "1 k",  "2 k", "4 k", "8 k", "16 k"};
        QTest::newRow("A octaves")
            << kOctaves << "80.0" << 'A' << octaveLabels
            << QList<double>{40.6, 53.8, 63.9, 71.4, 76.8, 80.0, 81.2, 81.0, 78.9, 73.4};
        QTest::newRow("C octaves")
            << kOctaves << "80.0" << 'C' << octaveLabels
            << QList<double>{77.0, 79.2, 79.8, 80.0, 80.0, 80.0, 79.8, 79.2, 77.0, 71.5};
        QTest::newRow("Z octaves as stored")
            << kOctaves << "80.0" << 'Z' << octaveLabels << QVector<double>(10, 80.0).toList();
        QTest::newRow("A third-octaves from 16 Hz")
            << QStringList{"16.00", "20.00", "25.00", "40.00"} << "70.0" << 'A'
            << QStringList{"16.0", "20.0", "25.0", "40.0"} << QList<double>{13.3, 19.5, 25.3, 35.4};
        QTest::newRow("written without trailing zero")
            << QStringList{"31.5", "1250", "3150", "12500"} << "60.0" << 'A'
            << QStringList{"31.5", "1.25 k", "3.15 k", "12.5 k"}
            << QList<double>{20.6, 60.6, 61.2, 55.7};
        // Beyond 10 Hz to 20 kHz there is no correction to take.
        QTest::newRow("out of range, A") << QStringList{"8.00", "1000.00", "25000.00"} << "70.0"
                                         << 'A' << QStringList{"1 k"} << QList<double>{70.0};
        QTest::newRow("out of range, Z") << QStringList{"8.00", "25000.00"} << "70.0" << 'Z'
                                         << QStringList{"8.0", "25 k"} << QList<double>{70, 70};
        QTest::newRow("level left empty")
            << QStringList{"1000.00"} << "---" << 'A' << QStringList() << QList<double>();
        QTest::newRow("overload") << QStringList{"1000.00"} << "OL" << 'Z' << QStringList()
                                  << QList<double>();
    }

    void weightedBands()
    {
        QFETCH(QStringList, frequencies);
        QFETCH(QString, leq);
        QFETCH(char, weighting);
        QFETCH(QStringList, labels);
        QFETCH(QList<double>, levels);
        const QList<LeqPerOctave *> bands = bandsAt(frequencies, leq);
        const QList<VfLevelCharts::Bar> found = VfLevelCharts::bandBars(bands, weighting);
        qDeleteAll(bands);
        QCOMPARE(found.size(), labels.size());
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(found.at(i).label, labels.at(i));
            QVERIFY2(qAbs(found.at(i).level - levels.at(i)) < 1e-9,
                     qPrintable(QString::number(found.at(i).level)));
        }
    }

    // The band chart of a run: its bars, colours and titles; equal bars get
    // one decibel either way; a run without bands keeps its titles.
    void bandChart()
    {
        std::unique_ptr<Experiment> run(runOf({}, "1/3", bandsAt({"16.00", "40.00"}, "70.0")));
        std::unique_ptr<QChart> chart(SoundLevelReportCharts::bandChart(run.get(), 'A'));
        QCOMPARE(chart->title(), QStringLiteral("L<sub>Aeq</sub> x 1/3 Octave"));
        QBarSet *set = barsIn(chart.get());
        QVERIFY(set);
        QCOMPARE(set->count(), 2);
        QCOMPARE(set->color(), QColor(Qt::blue));
        auto *bands = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
        QCOMPARE(bands->categories(), (QStringList{"16.0", "40.0"}));
        QVERIFY(bands->titleText().startsWith("Frequency"));
        QVERIFY(bands->titleText().endsWith("[Hz]"));

        std::unique_ptr<Experiment> flat(runOf({}, "1/1", bandsAt(kOctaves.mid(4, 3), "80.0")));
        std::unique_ptr<QChart> z(SoundLevelReportCharts::bandChart(flat.get(), 'Z'));
        QCOMPARE(z->title(), QStringLiteral("L<sub>Zeq</sub> x Octave"));
        QCOMPARE(barsIn(z.get())->color(), QColor(Qt::red));
        QCOMPARE(levelAxisOf(z.get())->min(), 79.0);
        QCOMPARE(levelAxisOf(z.get())->max(), 81.0);

        std::unique_ptr<Experiment> none(runOf({}));
        std::unique_ptr<QChart> c(SoundLevelReportCharts::bandChart(none.get(), 'C'));
        QCOMPARE(c->title(), QStringLiteral("L<sub>Ceq</sub> x Octave"));
        QCOMPARE(barsIn(c.get())->count(), 0);
        QCOMPARE(barsIn(c.get())->color(), QColor(Qt::darkGreen));
        std::unique_ptr<QChart> bare(SoundLevelReportCharts::bandChart(nullptr, 'A'));
        QCOMPARE(barsIn(bare.get())->count(), 0);
    }

    // The bands of downloaded runs, as the instrument writes their
    // frequencies, labelled on the band axis.
    void downloadedBands_data()
    {
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("octaveAnalysis");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("BEMARI octaves")
            << false << "1/1" << QStringList{"31.5", "63", "125", "1 k", "16 k"};
        QTest::newRow("BEMARI+ third-octaves")
            << true << "1/3" << QStringList{"25.0", "40.0", "1.25 k", "3.15 k", "12.5 k", "20 k"};
    }

    void downloadedBands()
    {
        QFETCH(bool, plus);
        QFETCH(QString, octaveAnalysis);
        QFETCH(QStringList, labels);
        SimulatedBemariRuns::Header header;
        header.plus = plus;
        header.octaveAnalysis = octaveAnalysis.toLatin1();
        std::unique_ptr<Experiment> run(
            BemariReportRun::make(5, parseDeviceDateTime("24/05/17,08:30:00-12"), header));
        QVERIFY(run);
        for (char weighting : {'Z', 'C', 'A'}) {
            std::unique_ptr<QChart> chart(SoundLevelReportCharts::bandChart(run.get(), weighting));
            auto *axis = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
            const QStringList categories = axis->categories();
            QCOMPARE(categories.size(), octaveAnalysis == "1/1" ? 10 : 30);
            for (const QString &label : labels)
                QVERIFY2(categories.contains(label), qPrintable(label));
        }
    }

    // Levels that are not numbers, and records without a valid time, are
    // left out: the trace does not dip to 0.
    void levelChart_data()
    {
        QTest::addColumn<QStringList>("levels");
        QTest::addColumn<int>("invalidTimeAt");
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("a level left empty")
            << QStringList{"70", "---", "80"} << -1 << 2 << 70.0 << 80.0;
        QTest::newRow("overload and empty")
            << QStringList{"OL", "72.4", ""} << -1 << 1 << 71.4 << 73.4;
        QTest::newRow("all equal")
            << QStringList{"72.4", "72.4", "72.4"} << -1 << 3 << 71.4 << 73.4;
        QTest::newRow("no valid time") << QStringList{"70", "0.5", "80"} << 1 << 2 << 70.0 << 80.0;
    }

    void levelChart()
    {
        QFETCH(QStringList, levels);
        QFETCH(int, invalidTimeAt);
        QFETCH(int, points);
        QFETCH(double, low);
        QFETCH(double, high);
        std::unique_ptr<Experiment> run(runOf(levels));
        if (invalidTimeAt >= 0)
            run->logs().at(invalidTimeAt)->setRegisterDate(QDateTime());
        std::unique_ptr<QChart> chart(SoundLevelReportCharts::levelChart(run.get(), 600));
        QCOMPARE(chart->title(), QStringLiteral("L<sub>Aeq</sub> x Time"));
        QCOMPARE(lineOf(chart.get())->count(), points);
        QValueAxis *axis = levelAxisOf(chart.get());
        QCOMPARE(axis->titleText(), QStringLiteral("L<sub>Aeq</sub> [dB]"));
        QVERIFY2(axis->min() <= low && axis->max() >= high,
                 qPrintable(QStringLiteral("%1..%2").arg(axis->min()).arg(axis->max())));
        QVERIFY(axis->min() > 0);
    }

    // A long run keeps to about two points per pixel, its extremes kept; a
    // run without results or records still gives a chart.
    void levelChartOfLongRun()
    {
        QStringList levels;
        for (int i = 0; i < 32400; ++i)
            levels.append(QString::number(60 + i % 31));
        levels[20000] = "120.5";
        levels[100] = "OL";
        std::unique_ptr<Experiment> run(runOf(levels));
        std::unique_ptr<QChart> chart(SoundLevelReportCharts::levelChart(run.get(), 500));
        QLineSeries *line = lineOf(chart.get());
        QVERIFY(line->count() <= 2 * 500 + 2);
        double highest = 0;
        double lowest = 1000;
        for (const QPointF &point : line->pointsVector()) {
            highest = qMax(highest, point.y());
            lowest = qMin(lowest, point.y());
        }
        QCOMPARE(highest, 120.5);
        QCOMPARE(lowest, 60.0);

        std::unique_ptr<QChart> bare(SoundLevelReportCharts::levelChart(nullptr, 500));
        QCOMPARE(bare->title(), QStringLiteral("L<sub>eq</sub> x Time"));
        QCOMPARE(lineOf(bare.get())->count(), 0);
    }

    // The rows: numbers from 001, the record's own time of day, levels with
    // two decimals or as stored, the interval on a run measured by hand.
    void tableRows_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number") << "72.4"
                                << "72.40";
        QTest::newRow("left empty") << "---"
                                    << "---";
        QTest::newRow("overload") << "OL"
                                  << "OL";
        QTest::newRow("empty") << ""
                               << "---";
    }

    void tableRows()
    {
        QFETCH(QString, level);
        QFETCH(QString, shown);
        std::unique_ptr<Experiment> run(runOf({"70", level}));
        qobject_cast<BemariPlusLog *>(run->logs().at(1))->setInterval("12");
        const QList<VfTableRow> rows = SoundLevelReportTable::rows(run->logs(), false);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(1).cells(), (QStringList{"002", "08:30:01", shown}));
        QCOMPARE(rows.at(1).date(), QDate(2024, 5, 17));
        const QList<VfTableRow> manual = SoundLevelReportTable::rows(run->logs(), true);
        QCOMPARE(manual.at(1).cells(), (QStringList{"002", "08:30:01", shown, "12"}));
        QCOMPARE(manual.at(0).cell(3), QStringLiteral("---"));
    }

    void tableRowsOfLongRun()
    {
        std::unique_ptr<Experiment> run(runOf(QVector<QString>(1001, "72.4").toList()));
        // Across midnight the rows take the new day.
        run->logs().at(1000)->setRegisterDate(parseDeviceDateTime("24/05/18,00:00:05-12"));
        const QList<VfTableRow> rows = SoundLevelReportTable::rows(run->logs(), false);
        QCOMPARE(rows.at(998).cell(0), QStringLiteral("999"));
        QCOMPARE(rows.at(999).cell(0), QStringLiteral("1000"));
        QCOMPARE(rows.at(1000).cells(), (QStringList{"1001", "00:00:05", "72.40"}));
        QCOMPARE(rows.at(1000).date(), QDate(2024, 5, 18));

        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(SoundLevelReportTable::rows(run->logs(), false).at(0).cell(2),
                 QStringLiteral("72,40"));
        QLocale::setDefault(QLocale::c());
    }

    // Three titles, or four on a run measured by hand; the titles go with
    // their owner.
    void tableHeader_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<QString>("sampleTime");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("sample time 1 s")
            << false << "1" << QStringList{"Idx", "D/T", "L|Aeq,1s|[dB]"};
        QTest::newRow("no sample time") << false << "" << QStringList{"Idx", "D/T", "L|Aeq,s|[dB]"};
        QTest::newRow("manual") << true << "---"
                                << QStringList{"Idx", "D/T", "L|Aeq,T|[dB]", "T||[s]"};
    }

    void tableHeader()
    {
        QFETCH(bool, manual);
        QFETCH(QString, sampleTime);
        QFETCH(QStringList, texts);
        BemariPlusResults results;
        results.setFreqWeighting("A");
        results.setSampleTime(sampleTime);
        QStringList found;
        {
            QObject owner;
            for (const VfSubSuperScript *title :
                 SoundLevelReportTable::header(&results, manual, &owner)) {
                QCOMPARE(title->parent(), &owner);
                QString text = title->text();
                if (!title->subText().isEmpty() || title->next())
                    text += "|" + title->subText();
                if (title->next()) {
                    QCOMPARE(title->next()->parent(), &owner);
                    text += "|" + title->next()->text();
                }
                found.append(text);
            }
        }
        QCOMPARE(found, texts);
        QObject owner;
        QCOMPARE(SoundLevelReportTable::header(nullptr, false, &owner).value(2)->subText(),
                 QStringLiteral("eq,s"));
    }

    // The section follows its switches: on the "BEMARI" the band charts
    // need their own switch besides a weighting.
    void chartsSection_data()
    {
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QStringList>("switches");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("BEMARI, band switch without weighting")
            << false << QStringList{"ckbChartLeq"} << QStringList() << QStringList{"Charts"};
        QTest::newRow("BEMARI, weighting without band switch")
            << false << QStringList{"ckbLeqA"} << QStringList() << QStringList{"Charts"};
        QTest::newRow("BEMARI, A band chart")
            << false << QStringList{"ckbChartLeq", "ckbLeqA"}
            << QStringList{"Charts", "LAeq x Octave", "Frequency  [Hz]", "31.5", "1 k", "16 k"}
            << QStringList{"LAeq x Time"};
        QTest::newRow("BEMARI, level chart")
            << false << QStringList{"ckbChartLvl"} << QStringList{"Charts", "LAeq x Time"}
            << QStringList{"x Octave"};
        QTest::newRow("BEMARI+, C band chart")
            << true << QStringList{"ckbLeqC"} << QStringList{"Charts", "LCeq x Octave", "63", "125"}
            << QStringList{"LAeq x Time"};
        QTest::newRow("BEMARI+, level chart")
            << true << QStringList{"ckbChartLvl"} << QStringList{"Charts", "LAeq x Time"}
            << QStringList{"x Octave"};
    }

    void chartsSection()
    {
        QFETCH(bool, plus);
        QFETCH(QStringList, switches);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        SimulatedBemariRuns::Header header;
        header.plus = plus;
        RunChain chain = downloadedChain(1, 20, header);
        QVERIFY(chain);
        const QString file = pdf(QTest::currentDataTag());
        QCOMPARE(writeReport(plus, optionsWith(file, switches), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QVERIFY(!pages.isEmpty());
        const QString runPages = pages.mid(1).join('\f');
        for (const QString &text : shown)
            QVERIFY2(holds(runPages, text), qPrintable(text + "\n" + runPages));
        for (const QString &text : absent)
            QVERIFY2(!holds(runPages, text), qPrintable(text));
    }

    // Two runs with a chart switch and no table: the "BEMARI+" gives each
    // run a page of charts, the "BEMARI" draws them on the run's page.
    void pagesOfCharts_data()
    {
        QTest::addColumn<bool>("plus");
        QTest::addColumn<int>("pages");
        QTest::newRow("BEMARI") << false << 3;
        QTest::newRow("BEMARI+") << true << 5;
    }

    void pagesOfCharts()
    {
        QFETCH(bool, plus);
        QFETCH(int, pages);
        SimulatedBemariRuns::Header header;
        header.plus = plus;
        RunChain chain = downloadedChain(2, 30, header);
        QVERIFY(chain);
        const QString file = pdf(QTest::currentDataTag());
        int counted = 0;
        QCOMPARE(writeReport(plus, optionsWith(file, {"ckbChartLvl"}), chain.get(), &counted), 0);
        QCOMPARE(counted, pages);
        QCOMPARE(PdfText::checkedPages(file).size(), pages);
    }

    // With the table, "k of N" holds for runs of any length, and a run over
    // midnight gets its date row.
    void pagesOfTables_data()
    {
        QTest::addColumn<bool>("plus");
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("overMidnight");
        for (bool plus : {false, true}) {
            const char *model = plus ? "BEMARI+" : "BEMARI";
            for (int records : {0, 10, 1000, 32400})
                QTest::addRow("%s, %d records", model, records) << plus << records << false;
            QTest::addRow("%s, over midnight", model) << plus << 600 << true;
        }
    }

    void pagesOfTables()
    {
        QFETCH(bool, plus);
        QFETCH(int, records);
        QFETCH(bool, overMidnight);
        SimulatedBemariRuns::Header header;
        header.plus = plus;
        header.levels = {{2, "72.4"}, {3, "---"}};
        RunChain chain = downloadedChain(1, records, header);
        QVERIFY(chain);
        if (overMidnight) {
            const QDateTime late = parseDeviceDateTime("24/05/17,23:55:00-12");
            const QList<Log *> logs = chain->logs();
            for (int i = 0; i < logs.size(); ++i)
                logs.at(i)->setRegisterDate(late.addSecs(i));
        }
        const QString file = pdf(QTest::currentDataTag());
        QJsonObject options = optionsWith(file, {"ckbTable", "ckbChartLvl", "ckbLeqZ"});
        options.insert("ckbChartLeq", true);
        QCOMPARE(writeReport(plus, options, chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QVERIFY(!pages.isEmpty());
        const QString tables = pages.mid(plus ? 3 : 2).join('\f');
        if (records == 0) {
            QCOMPARE(pages.size(), plus ? 3 : 2);
            return;
        }
        for (const char *text : {"Idx", "D/T", "001", "002", "72.40", "---"})
            QVERIFY2(tables.contains(QLatin1String(text)), text);
        QVERIFY(tables.contains(QRegularExpression("\\b[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\\b")));
        if (records >= 1000)
            QVERIFY(tables.contains(QRegularExpression("\\b1000 +[0-9:]+ +[0-9]+\\.[0-9]{2}\\b")));
        if (overMidnight) {
            QVERIFY(tables.contains("23:59:59"));
            QVERIFY(tables.contains("00:00:00"));
            QVERIFY(tables.contains(VfPrinter::dateText(QDate(2024, 5, 18))));
        }
    }

    // A "BEMARI+" run measured by hand shows the interval of each level.
    void manualRunTable()
    {
        SimulatedBemariRuns::Header header;
        header.plus = true;
        header.mode = "MANUAL";
        header.intervals = {{1, "17"}, {2, "245"}};
        RunChain chain = downloadedChain(1, 3, header);
        QVERIFY(chain);
        const QString file = pdf("manual");
        QCOMPARE(writeReport(true, optionsWith(file, {"ckbTable"}), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QCOMPARE(pages.size(), 3);
        QVERIFY2(pages.at(2).contains(QRegularExpression("T *\\[s\\]")), qPrintable(pages.at(2)));
        QVERIFY(pages.at(2).contains(QRegularExpression("001 +[0-9:]+ +[0-9.]+ +17\\b")));
        QVERIFY(pages.at(2).contains(QRegularExpression("002 +[0-9:]+ +[0-9.]+ +245\\b")));
    }

    // Every switch on: the charts keep clear of the bottom band, on the run's
    // page of the "BEMARI" and on the page of charts of the "BEMARI+".
    void everySwitchOn_data()
    {
        QTest::addColumn<bool>("plus");
        QTest::addColumn<int>("chartsPage");
        QTest::newRow("BEMARI") << false << 2;
        QTest::newRow("BEMARI+") << true << 3;
    }

    void everySwitchOn()
    {
        QFETCH(bool, plus);
        QFETCH(int, chartsPage);
        SimulatedBemariRuns::Header header;
        header.plus = plus;
        header.octaveAnalysis = "1/3";
        RunChain chain = downloadedChain(1, 3600, header);
        QVERIFY(chain);
        const QString file = pdf(QTest::currentDataTag());
        QCOMPARE(writeReport(plus, BemariReportRun::everySection(file, plus), chain.get()), 0);
        const QStringList pages = PdfText::checkedPages(file);
        QVERIFY(pages.size() > chartsPage);
        const QString charts = pages.at(chartsPage - 1);
        for (const char *text :
             {"Charts", "LAeq x Time", "Time", "LZeq x 1/3 Octave", "LCeq x 1/3 Octave",
              "LAeq x 1/3 Octave", "1.25 k", "3.15 k", "12.5 k", "Frequency  [Hz]"})
            QVERIFY2(holds(charts, QLatin1String(text)), text);
        QCOMPARE(
            PdfText::inkAboveBottomRule(file, chartsPage, m_dir.filePath(QTest::currentDataTag())),
            -1);
        // The charts stay on the run's page of the "BEMARI".
        if (!plus)
            QVERIFY(charts.contains("Configuration"));
    }
};

QTEST_MAIN(TestBemariReportCharts)
#include "tst_bemarireportcharts.moc"
