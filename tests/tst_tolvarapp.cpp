// The road of an air-sampling user through the real scene with a real Core,
// against a simulated "TOLVAR 3 PLUS" and a simulated "TOLVAR 4" on
// pseudo-terminals, both found through the extra-ports variable: search, run
// list, download into a data file, results page, report, and the same run
// opened from its file. Everything is driven by the objects' names, as a user
// would click it; only the native file dialogs are answered through the pages'
// own functions, since they cannot be clicked offscreen.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "Results.h"
#include "SceneSteps.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedTolvarRuns.h"
#include "TestIdle.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QXYSeries>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using Model = SimulatedTolvarRuns::Model;

constexpr int kIdleMs = TestIdle::QuietLinkMs;
// The pumps hold two runs each: the walks download the second.
constexpr int kFirstRecords = 24;
constexpr int kRecords = 30;
constexpr int kRun = 2;
constexpr double kInH2OPerKPa = 4.01865;

// The pages and files of one pump model, and how its run differs.
struct Pump
{
    const char *productName;
    Model model;
    const char *devicePage;
    const char *deviceState;
    const char *resultsPage;
    const char *resultsState;
    const char *report;
    const char *extension;
    const char *shotName;
    // The pump left its flow check before the start empty.
    bool preCheckEmpty;
};

const Pump kTolvar3{"TOLVAR 3 PLUS",
                    Model::Tolvar3Plus,
                    "pageTolvar",
                    "TolvarState",
                    "pageTolvarResults",
                    "TolvarResultsState",
                    "tolvarPrinterConfiguration",
                    "tlv",
                    "tolvar",
                    false};
const Pump kTolvar4{"TOLVAR 4",
                    Model::Tolvar4,
                    "pageTolvar4",
                    "Tolvar4State",
                    "pageTolvar4Results",
                    "Tolvar4ResultsState",
                    "tolvar4PrinterConfiguration",
                    "tl4",
                    "tolvar4",
                    true};

const Pump &pumpOf(Model model)
{
    return model == Model::Tolvar4 ? kTolvar4 : kTolvar3;
}

// The pumps are three hours behind UTC and this computer at UTC; a run starts
// late in the pump's evening, already the next day at UTC: the pages show the
// pump's own wall-clock dates and times.
QDateTime runStart(int run)
{
    return QDateTime(QDate(2024, 7, 8 + run), QTime(22, 30), Qt::OffsetFromUTC, -3 * 3600);
}

// The pump's wall-clock time `time`, as this computer's local time.
QDateTime wallClock(const QDateTime &time)
{
    return QDateTime(time.date(), time.time(), Qt::LocalTime);
}

// A pump date-time as the pages show it.
QString shownDateTime(const QDateTime &time)
{
    return QLocale().toString(wallClock(time), QLocale::ShortFormat);
}

SimulatedTolvarRuns::Header runHeader(const Pump &pump, int run)
{
    SimulatedTolvarRuns::Header header;
    header.label = "LINE " + QByteArray::number(run);
    header.status = "2";
    if (pump.preCheckEmpty)
        header.preCheckFlow.clear();
    return header;
}

QString local(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

struct Extremes
{
    double min = 0;
    double max = 0;
    double average = 0;
};

// Of the values the pump sent for samples 1 to `records`.
template <typename Value>
Extremes extremes(int records, Value value)
{
    Extremes e{value(1), value(1), 0};
    for (int sample = 1; sample <= records; ++sample) {
        e.min = std::min(e.min, value(sample));
        e.max = std::max(e.max, value(sample));
        e.average += value(sample) / records;
    }
    return e;
}

double backPressureKPa(int sample)
{
    return SimulatedTolvarRuns::sampleBackPressure(sample) / 10.0;
}

// The y values of a series, from its first point to its last.
Extremes seriesExtremes(const QtCharts::QXYSeries *series)
{
    Extremes e{series->at(0).y(), series->at(0).y(), 0};
    for (const QPointF &point : series->pointsVector()) {
        e.min = std::min(e.min, point.y());
        e.max = std::max(e.max, point.y());
    }
    return e;
}

} // namespace

class TstTolvarApp : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void downloadShowReportAndReopen_data();
    void downloadShowReportAndReopen();
    void linkLostDuringDownload_data();
    void linkLostDuringDownload();

private:
    std::unique_ptr<SimulatedInstrument> &instrumentOf(const Pump &pump);
    QtCharts::QXYSeries *series(const char *name, QObject *chart) const;
    QVariantMap infoValues(const Pump &pump) const;
    QList<QVariantMap> tableRows(const Pump &pump) const;

    void openInstrument(const Pump &pump, int devices);
    void checkRunList(const Pump &pump);
    void download(const Pump &pump, const QString &path);
    void checkInformation(const Pump &pump);
    void checkTable(const Pump &pump);
    void showTab(const Pump &pump, int tab);
    void checkFlowChart(const Pump &pump);
    void checkPressureChart(const Pump &pump);
    void checkResultBoxes(const Pump &pump);
    void printReport(const Pump &pump);
    void reopenFile(const Pump &pump, const QString &path);

    std::unique_ptr<SimulatedInstrument> m_tolvar3;
    std::unique_ptr<SimulatedInstrument> m_tolvar4;
    QTemporaryDir m_dir;
};

void TstTolvarApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    startWalks();
}

void TstTolvarApp::init()
{
    QStringList ports;
    for (const Pump *pump : {&kTolvar3, &kTolvar4}) {
        std::unique_ptr<SimulatedInstrument> &instrument = instrumentOf(*pump);
        instrument.reset(new SimulatedInstrument);
        QVERIFY(installSimulatedModel(*instrument, pump->productName));
        instrument->addRun(SimulatedTolvarRuns::makeRun(pump->model, 1, kFirstRecords, runStart(1),
                                                        runHeader(*pump, 1)));
        instrument->addRun(SimulatedTolvarRuns::makeRun(pump->model, kRun, kRecords, runStart(kRun),
                                                        runHeader(*pump, kRun)));
        ports.append(instrument->portPath());
    }
    openScene(ports);
}

void TstTolvarApp::cleanup()
{
    closeScene();
    m_tolvar3.reset();
    m_tolvar4.reset();
}

void TstTolvarApp::cleanupTestCase()
{
    endWalks();
}

// ------------------------------------------------------------------ helpers

std::unique_ptr<SimulatedInstrument> &TstTolvarApp::instrumentOf(const Pump &pump)
{
    return &pump == &kTolvar4 ? m_tolvar4 : m_tolvar3;
}

// A chart's series, which the chart gives by the name of its property: the
// series of a chart view are not among its objects.
QtCharts::QXYSeries *TstTolvarApp::series(const char *name, QObject *chart) const
{
    return qobject_cast<QtCharts::QXYSeries *>(chart->property(name).value<QObject *>());
}

// The values of the run-information panel, by their names.
QVariantMap TstTolvarApp::infoValues(const Pump &pump) const
{
    QObject *info = named("experimentInfo", named(pump.resultsPage));
    QVariantMap values;
    QStringList names{"event",      "experiment", "startTime", "expTime", "totalTime",
                      "sampleTime", "pauseTime",  "preCal",    "posCal",  "samplerType"};
    if (pump.model == Model::Tolvar4)
        names.append("status");
    for (const QString &name : names)
        values.insert(name, info ? info->property(name.toLatin1()) : QVariant());
    return values;
}

// Every cell of the sample table, by role.
QList<QVariantMap> TstTolvarApp::tableRows(const Pump &pump) const
{
    QObject *table = named("sampleTable", named(pump.resultsPage));
    auto *model =
        table ? qobject_cast<QAbstractItemModel *>(table->property("model").value<QObject *>())
              : nullptr;
    QList<QVariantMap> rows;
    if (!model)
        return rows;
    const QHash<int, QByteArray> roles = model->roleNames();
    for (int row = 0; row < model->rowCount(); ++row) {
        QVariantMap cells;
        for (auto role = roles.cbegin(); role != roles.cend(); ++role)
            cells.insert(QString::fromLatin1(role.value()),
                         model->data(model->index(row, 0), role.key()));
        rows.append(cells);
    }
    return rows;
}

// Finds the pumps and opens the page of `pump`'s.
void TstTolvarApp::openInstrument(const Pump &pump, int devices)
{
    STEP(openFoundDevice(pump.productName, devices, kIdleMs));
    QTRY_COMPARE(state(), QString(pump.deviceState));
    QObject *page = named(pump.devicePage);
    QVERIFY(qobject_cast<QQuickItem *>(page)->isVisible());
    QCOMPARE(page->property("pageTitle").toString(), QString(pump.productName));
    QTRY_COMPARE(named("experimentList", page)->property("count").toInt(), 2);
}

// The rows say which run they are, when it started and how long it is; a
// "TOLVAR 4" row shows the run's status.
void TstTolvarApp::checkRunList(const Pump &pump)
{
    QObject *page = named(pump.devicePage);
    QQuickItem *row = listRow(named("listview", named("experimentList", page)), 1);
    QVERIFY(row);
    QCOMPARE(row->property("idx").toString(), QString("%1: ").arg(kRun));
    QCOMPARE(row->property("size").toString(), QString("Size: %1").arg(kRecords));
    QCOMPARE(row->property("date").toString(),
             "Date: " + QLocale().toString(runStart(kRun).date(), QLocale::ShortFormat));
    if (pump.model == Model::Tolvar4) {
        QCOMPARE(row->property("statuscolor").value<QColor>(), QColor("yellow"));
        QVERIFY(row->property("img").toString().contains("exclamation.png"));
    }
    STEP(SceneSteps::screenshot(m_window, QString("%1-device-page.png").arg(pump.shotName)));
}

// Downloads the second run through the run list into `path` (given without
// its extension, as a user may type it), with the progress shown on the way.
void TstTolvarApp::download(const Pump &pump, const QString &path)
{
    QObject *page = named(pump.devicePage);
    STEP(SceneSteps::click(listRow(named("listview", named("experimentList", page)), 1)));
    QObject *saveDialog = named("saveDialog", page);
    QTRY_VERIFY(saveDialog->property("visible").toBool());
    QCOMPARE(saveDialog->property("title").toString(), QString("Save file as"));
    QVERIFY(saveDialog->property("nameFilters")
                .toStringList()
                .first()
                .contains(QString("(*.%1)").arg(pump.extension)));
    QCOMPARE(page->property("selectedIdx").toInt(), 1);

    QObject watchers;
    QList<double> progress;
    QObject *bar = named("downloadProgress", page);
    connect(m_core.get(), &Core::progressBarUpdated, &watchers,
            [&] { progress.append(bar->property("value").toDouble()); });
    QSignalSpy saved(m_core.get(), &Core::fileSaved);
    const int result = call(page, "saveChosenRun", QUrl::fromLocalFile(path).toString()).toInt();
    disconnect(m_core.get(), &Core::progressBarUpdated, &watchers, nullptr);
    QCOMPARE(result, 0);
    // The file is saved in the background, before the results are shown.
    QTRY_COMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toInt(), 0);
    QVERIFY(!saveDialog->property("visible").toBool());
    QVERIFY(!progress.isEmpty());
    QVERIFY(
        std::any_of(progress.begin(), progress.end(), [](double v) { return v > 0 && v < 100; }));
    QCOMPARE(progress.last(), 100.0);

    QFile file(path + '.' + pump.extension);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root;
    QCOMPARE(DataFileEnvelope::decode(file.readAll(), root), DataFileEnvelope::Ok);
    QCOMPARE(DataFileEnvelope::runObjects(root).size(), 1);

    QTRY_COMPARE(state(), QString(pump.resultsState));
    QObject *results = named(pump.resultsPage);
    QVERIFY(qobject_cast<QQuickItem *>(results)->isVisible());
    QCOMPARE(results->property("pageTitle").toString(), QString(pump.productName) + " - Results");
}

// The panel shows the pump's header: its label, its own wall-clock times,
// the flow checks ("---" for one the pump left empty) and the sampler.
void TstTolvarApp::checkInformation(const Pump &pump)
{
    const SimulatedTolvarRuns::Header header = runHeader(pump, kRun);
    const QVariantMap info = infoValues(pump);
    QCOMPARE(info.value("event").toString(), QString("1"));
    QCOMPARE(info.value("experiment").toString(), QString(header.label));
    QCOMPARE(info.value("sampleTime").toString(), QString::number(header.sampleSeconds));
    QCOMPARE(info.value("samplerType").toString(), QString(header.samplerType));
    QCOMPARE(info.value("pauseTime").toString(),
             Results::durationToString(QString::number(header.pauseSeconds)));
    QCOMPARE(info.value("totalTime").toString(),
             Results::durationToString(QString::number(header.timeSetSeconds)));
    QCOMPARE(info.value("startTime").toString(), shownDateTime(runStart(kRun)));
    const QDateTime stop = SimulatedTolvarRuns::stopTime(kRecords, runStart(kRun), header);
    QCOMPARE(info.value("posCal").toString(), local(header.posCheckFlow.toDouble(), 2) + " (" +
                                                  shownDateTime(stop.addSecs(header.checkSeconds)) +
                                                  ")");
    QCOMPARE(info.value("preCal").toString(),
             pump.preCheckEmpty
                 ? QString("---")
                 : local(header.preCheckFlow.toDouble(), 2) + " (" +
                       shownDateTime(runStart(kRun).addSecs(-header.checkSeconds)) + ")");
    if (pump.model == Model::Tolvar4)
        QCOMPARE(info.value("status").toString(), QString("Pump blocked"));
}

// One row per sample, in the pump's units and wall-clock time.
void TstTolvarApp::checkTable(const Pump &pump)
{
    const QList<QVariantMap> rows = tableRows(pump);
    QCOMPARE(rows.size(), kRecords);
    const int sample = 3;
    const QVariantMap row = rows.at(sample - 1);
    QCOMPARE(row.value("date").toString(), runStart(kRun).addSecs(120).time().toString("hh:mm:ss"));
    QCOMPARE(row.value("Flow").toString(), local(SimulatedTolvarRuns::sampleFlow(sample), 2));
    QCOMPARE(row.value("BackPressure").toString(), local(backPressureKPa(sample), 1));
    QCOMPARE(row.value("Volume").toString(),
             local(SimulatedTolvarRuns::sampleVolume(sample, runHeader(pump, kRun)), 1));

    // Red: the rows whose flow, as the pump sent it, left 5 % around the
    // set-point; a flow right on a limit stays within.
    QObject *page = named(pump.resultsPage);
    const double flowSet = runHeader(pump, kRun).flowSet.toDouble();
    int red = 0;
    for (int number = 1; number <= kRecords; ++number) {
        const double sent =
            QByteArray::number(SimulatedTolvarRuns::sampleFlow(number), 'f', 2).toDouble();
        const bool outside = sent > flowSet * 1.05 || sent < flowSet * 0.95;
        red += outside;
        QVERIFY2(call(page, "isRedRow", number - 1).toBool() == outside,
                 qPrintable(local(sent, 2)));
    }
    QVERIFY(red > 0 && red < kRecords);
}

// Brings tab `tab` of the results page forward by clicking it in its bar.
void TstTolvarApp::showTab(const Pump &pump, int tab)
{
    static const char *const tabs[] = {"tabTable", "tabFlowChart", "tabPressChart", "tabResults"};
    QObject *page = named(pump.resultsPage);
    QQuickItem *bar = item("resultsTabBar", page);
    QQuickItem *button = item(tabs[tab], page);
    QVERIFY(bar && button);
    // A page just brought forward lays its tabs out before the user can aim
    // at one: each in its own quarter of the bar.
    const auto quarter = [&] {
        const double left =
            button->mapToScene(QPointF(0, 0)).x() - bar->mapToScene(QPointF(0, 0)).x();
        return bar->width() > 0 && qAbs(button->width() - bar->width() / 4) < 1
                   ? int(std::round(left / (bar->width() / 4)))
                   : -1;
    };
    QTRY_COMPARE(quarter(), tab);
    STEP(SceneSteps::click(button));
    QObject *swipe = named("resultsSwipe", page);
    QTRY_COMPARE(swipe->property("currentIndex").toInt(), tab);
    // The page slides in before the user clicks in it.
    auto *pages = swipe->property("contentItem").value<QQuickItem *>();
    QVERIFY(pages);
    QTRY_COMPARE(qRound(pages->property("contentX").toDouble()),
                 qRound(tab * swipe->property("width").toDouble()));
}

// Every sample is drawn at its wall-clock time, between the limits of 5 %
// around the set-point.
void TstTolvarApp::checkFlowChart(const Pump &pump)
{
    QObject *chart = named("flowChart", named(pump.resultsPage));
    QVERIFY(chart);
    QtCharts::QXYSeries *flow = series("flowSeries", chart);
    QtCharts::QXYSeries *upper = series("flowSeriesUp", chart);
    QtCharts::QXYSeries *lower = series("flowSeriesDown", chart);
    QVERIFY(flow && upper && lower);
    QTRY_COMPARE(flow->count(), kRecords);
    const Extremes sent = extremes(kRecords, SimulatedTolvarRuns::sampleFlow);
    const Extremes drawn = seriesExtremes(flow);
    QCOMPARE(drawn.min, sent.min);
    QCOMPARE(drawn.max, sent.max);
    QCOMPARE(qint64(flow->at(0).x()), wallClock(runStart(kRun)).toMSecsSinceEpoch());
    QCOMPARE(qint64(flow->at(kRecords - 1).x()),
             wallClock(runStart(kRun).addSecs(60 * (kRecords - 1))).toMSecsSinceEpoch());
    const double flowSet = runHeader(pump, kRun).flowSet.toDouble();
    QVERIFY(upper->count() >= 2 && lower->count() >= 2);
    QCOMPARE(upper->at(0).y(), flowSet * 1.05);
    QCOMPARE(lower->at(lower->count() - 1).y(), flowSet * 0.95);
    QVERIFY2(upper->name().contains(local(flowSet * 1.05, 2)), qPrintable(upper->name()));
}

// The backpressure in kPa, then in inH2O once the user switches the unit.
void TstTolvarApp::checkPressureChart(const Pump &pump)
{
    QObject *chart = named("pressChart", named(pump.resultsPage));
    QVERIFY(chart);
    QtCharts::QXYSeries *pressure = series("backPressureSeries", chart);
    QVERIFY(pressure);
    QTRY_COMPARE(pressure->count(), kRecords);
    const Extremes sent = extremes(kRecords, backPressureKPa);
    QCOMPARE(seriesExtremes(pressure).max, sent.max);
    QCOMPARE(seriesExtremes(pressure).min, sent.min);
    QVERIFY(named("kPaRadioButton", chart)->property("checked").toBool());

    STEP(SceneSteps::click(item("inH2ORradioButton", chart)));
    QTRY_VERIFY(qFuzzyCompare(seriesExtremes(pressure).max, sent.max * kInH2OPerKPa));
    QVERIFY(qFuzzyCompare(seriesExtremes(pressure).min, sent.min * kInH2OPerKPa));
    QCOMPARE(pressure->count(), kRecords);
    QObject *axis = chart->property("pressChartY").value<QObject *>();
    QVERIFY(axis);
    QCOMPARE(axis->property("titleText").toString(), QString("Backpressure [inH2O]"));
    STEP(SceneSteps::screenshot(m_window, QString("%1-results-pressure.png").arg(pump.shotName)));
    STEP(SceneSteps::click(item("kPaRadioButton", chart)));
    QTRY_COMPARE(seriesExtremes(pressure).max, sent.max);
}

// The boxes hold the statistics of the samples the pump sent.
void TstTolvarApp::checkResultBoxes(const Pump &pump)
{
    QObject *page = named(pump.resultsPage);
    const Extremes flow = extremes(kRecords, SimulatedTolvarRuns::sampleFlow);
    const Extremes pressure = extremes(kRecords, backPressureKPa);
    QObject *flowBox = named("flowResults", page);
    QCOMPARE(flowBox->property("maxValue").toString(), local(flow.max, 2));
    QCOMPARE(flowBox->property("minValue").toString(), local(flow.min, 2));
    QCOMPARE(flowBox->property("avgValue").toString(), local(flow.average, 2));
    QObject *pressureBox = named("backpressureResults", page);
    QCOMPARE(pressureBox->property("maxValue").toString(), local(pressure.max, 1));
    QCOMPARE(pressureBox->property("minValue").toString(), local(pressure.min, 1));
    QCOMPARE(pressureBox->property("avgValue").toString(), local(pressure.average, 1));
    QObject *volumeBox = named("volumeResults", page);
    QCOMPARE(volumeBox->property("maxValue").toString(),
             local(SimulatedTolvarRuns::sampleVolume(kRecords, runHeader(pump, kRun)), 1));
    QCOMPARE(volumeBox->property("minValue").toString(), QString());
}

// A report into a folder that does not exist opens the error dialog and
// keeps the window; then the PDF reaches the desktop's viewer.
void TstTolvarApp::printReport(const Pump &pump)
{
    QObject *page = named(pump.resultsPage);
    auto *report = qobject_cast<QQuickWindow *>(named(pump.report, page));
    QVERIFY(report);
    QCOMPARE(page->property("printerWindow").value<QObject *>(), report);
    STEP(SceneSteps::click(item("generateReport", page)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(report->title(), QString(pump.productName) + " - Report configuration");
    STEP(SceneSteps::screenshot(report, QString("%1-report-window.png").arg(pump.shotName)));

    STEP(SceneSteps::click(item("generatePdf", report)));
    QVERIFY(named("fileNameError", report)->property("shown").toBool());
    QCOMPARE(text("fileNameError", report), QString("File name shall not be empty"));
    QVERIFY(report->isVisible());

    // The page's dialogs may sit in the report window or on the page.
    QObject *failed = findNamed(report, "printerErrorDialog");
    if (!failed)
        failed = named("printerErrorDialog", page);
    QVERIFY(failed);
    const QString missing = m_dir.filePath("no such folder/report.pdf");
    QVERIFY(named("fileName", report)
                ->setProperty("filename", QUrl::fromLocalFile(missing).toString()));
    STEP(SceneSteps::click(item("generatePdf", report)));
    QTRY_VERIFY(failed->property("visible").toBool());
    QVERIFY(report->isVisible());
    QVERIFY(!QFile::exists(missing));
    QMetaObject::invokeMethod(failed, "close");
    dropNotesOfUnwrittenAndUnviewedReports();

    const QString pdf = m_dir.filePath(QString("%1 report.pdf").arg(pump.shotName));
    QVERIFY(
        named("fileName", report)->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));
    ReportViewer viewer;
    STEP(SceneSteps::click(item("generatePdf", report)));
    QTRY_COMPARE(viewer.opened, QList<QUrl>({QUrl::fromLocalFile(pdf)}));
    QTRY_VERIFY(!report->isVisible());
    QVERIFY(!failed->property("visible").toBool());
    const QString all = PdfText::pages(pdf).join('\n').simplified();
    QVERIFY2(all.contains(QString(pump.productName) + " Report"), qPrintable(all.left(400)));
    QVERIFY2(all.contains(QString(runHeader(pump, kRun).samplerType)), qPrintable(all.left(400)));
    QVERIFY2(all.contains("Start time: 22:30:00"), qPrintable(all.left(400)));
}

// The saved file, opened from the home page, fills the results page again
// with the same information and table.
void TstTolvarApp::reopenFile(const Pump &pump, const QString &path)
{
    const QVariantMap info = infoValues(pump);
    const QList<QVariantMap> rows = tableRows(pump);
    QObject *panel = named("experimentInfo", named(pump.resultsPage));
    for (auto value = info.cbegin(); value != info.cend(); ++value)
        QVERIFY(panel->setProperty(value.key().toLatin1(), QString()));

    STEP(SceneSteps::click(item("backButton")));
    STEP(SceneSteps::click(item("backButton")));
    QTRY_COMPARE(state(), QString());
    const int shownBefore = m_core->samples()->property("runId").toInt();
    call(named("pageHome"), "openFile", QUrl::fromLocalFile(path).toString());
    QTRY_COMPARE(state(), QString(pump.resultsState));
    QVERIFY(m_core->samples()->property("runId").toInt() != shownBefore);
    QTRY_COMPARE(infoValues(pump), info);
    QCOMPARE(tableRows(pump), rows);
}

// -------------------------------------------------------------------- walks

void TstTolvarApp::downloadShowReportAndReopen_data()
{
    QTest::addColumn<int>("model");
    QTest::newRow("TOLVAR 3 PLUS") << int(Model::Tolvar3Plus);
    QTest::newRow("TOLVAR 4") << int(Model::Tolvar4);
}

void TstTolvarApp::downloadShowReportAndReopen()
{
    QFETCH(int, model);
    const Pump &pump = pumpOf(Model(model));
    STEP(openInstrument(pump, 2));
    STEP(checkRunList(pump));
    const QString path = m_dir.filePath(pump.shotName);
    STEP(download(pump, path));

    STEP(checkInformation(pump));
    STEP(checkTable(pump));
    STEP(SceneSteps::screenshot(m_window, QString("%1-results-page.png").arg(pump.shotName)));
    STEP(showTab(pump, 1));
    STEP(checkFlowChart(pump));
    STEP(SceneSteps::screenshot(m_window, QString("%1-results-flow.png").arg(pump.shotName)));
    STEP(showTab(pump, 2));
    STEP(checkPressureChart(pump));
    STEP(showTab(pump, 3));
    STEP(checkResultBoxes(pump));
    STEP(SceneSteps::screenshot(m_window, QString("%1-results-boxes.png").arg(pump.shotName)));
    STEP(showTab(pump, 0));

    STEP(printReport(pump));
    STEP(reopenFile(pump, path + '.' + pump.extension));
}

void TstTolvarApp::linkLostDuringDownload_data()
{
    downloadShowReportAndReopen_data();
}

// A pulled cable during the download: the pages go home with the error shown,
// nothing is saved, and a new search finds the pump that is still there.
void TstTolvarApp::linkLostDuringDownload()
{
    QFETCH(int, model);
    const Pump &pump = pumpOf(Model(model));
    const Pump &other =
        pumpOf(Model(model) == Model::Tolvar4 ? Model::Tolvar3Plus : Model::Tolvar4);
    STEP(openInstrument(pump, 2));
    QObject *page = named(pump.devicePage);
    STEP(SceneSteps::click(listRow(named("listview", named("experimentList", page)), 1)));
    instrumentOf(pump)->scriptFault("AT+VFRDXP", SimulatedInstrument::Fault::DropLink, 2);
    const QString path = m_dir.filePath("lost");
    QCOMPARE(call(page, "saveChosenRun", QUrl::fromLocalFile(path).toString()).toInt(), -3);
    QObject *disconnected = rootDialog("devDisconnectedDialog");
    QTRY_VERIFY(disconnected->property("visible").toBool());
    QVERIFY(!rootDialog("downloadFailDialog")->property("visible").toBool());
    QCOMPARE(state(), QString());
    QVERIFY(item("pageHome")->isVisible());
    QVERIFY(!QFile::exists(path + '.' + pump.extension));
    QCOMPARE(page->property("selectedIdx").toInt(), -1);
    QCOMPARE(page->property("downloading").toBool(), false);
    QMetaObject::invokeMethod(disconnected, "close");

    // The pulled cable takes its port with it. (A search of the dead port's
    // path could reach whatever pseudo-terminal got its number since.)
    qputenv("VALTRIX_EXTRA_PORTS", instrumentOf(other)->portPath().toLocal8Bit());
    STEP(openInstrument(other, 1));
    QCOMPARE(m_core->property("devName").toString(), QString(other.productName));
}

QTEST_MAIN(TstTolvarApp)
#include "tst_tolvarapp.moc"
