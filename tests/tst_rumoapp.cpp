// The road of a "RUMO" user through the real scene with a real Core, against a
// simulated logger on a pseudo-terminal: search, configuration window, run
// list, download of two runs into one data file, results page, report, and the
// same runs opened from their file. Everything is driven by the objects'
// names, as a user would click it; only the native file dialogs are answered
// through the pages' own functions, since they cannot be clicked offscreen.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "SceneSteps.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedRumo.h"
#include "SimulatedRumoRuns.h"
#include "TestIdle.h"

#include <QFile>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QXYSeries>
#include <QtTest>

#include <memory>

namespace {

constexpr int kIdleMs = TestIdle::QuietLinkMs;

// The logger is three hours behind UTC, this computer at UTC: the pages show
// the logger's own times.
QDateTime runStart(int day)
{
    return QDateTime(QDate(2024, 5, day), QTime(8, 0), Qt::OffsetFromUTC, -3 * 3600);
}

// The runs the logger holds: two of its ambient sensor around one of its
// light sensor.
struct LoggedRun
{
    int records;
    SimulatedRumoRuns::Header header;
};

QList<LoggedRun> loggedRuns()
{
    SimulatedRumoRuns::Header second = SimulatedRumoRuns::sensorHeader(1);
    second.label = "OFFICE 3";
    second.sampleSeconds = 30;
    return {{30, SimulatedRumoRuns::sensorHeader(1)},
            {20, SimulatedRumoRuns::sensorHeader(2)},
            {25, second}};
}

QString number(const QByteArray &text)
{
    return QLocale().toString(text.toDouble(), 'f', 2);
}

} // namespace

class TstRumoApp : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void configureTheLogger();
    void downloadShowReportAndReopen();
    void reopenedFileShowsTheTabItsBarShows();
    void linkLostDuringDownload();

private:
    QQuickWindow *configWindow() const;
    QObject *configDialog(const char *dialogName) const;
    QQuickItem *runRow(int row) const;

    void openInstrument();
    void openConfiguration();
    void applyInterval(const QString &interval);
    void checkRun(int run, int position);
    void downloadFirstRun(const QString &path);
    void openFile(const QString &path);
    QString shownTab() const;
    void printReport();

    std::unique_ptr<SimulatedInstrument> m_instrument;
    SimulatedRumo *m_rumo = nullptr;
    QTemporaryDir m_dir;
};

void TstRumoApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    startWalks();
}

void TstRumoApp::init()
{
    m_instrument.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_instrument, "RUMO"));
    m_rumo = SimulatedRumo::of(m_instrument.get());
    QVERIFY(m_rumo);
    const QList<LoggedRun> runs = loggedRuns();
    for (int i = 0; i < runs.size(); ++i)
        m_instrument->addRun(SimulatedRumoRuns::makeRun(i + 1, runs.at(i).records, runStart(16 + i),
                                                        runs.at(i).header));
    openScene({m_instrument->portPath()});
}

void TstRumoApp::cleanup()
{
    closeScene();
    m_rumo = nullptr;
    m_instrument.reset();
}

void TstRumoApp::cleanupTestCase()
{
    endWalks();
}

// ------------------------------------------------------------------ helpers

QQuickWindow *TstRumoApp::configWindow() const
{
    return qobject_cast<QQuickWindow *>(named("rumoConfiguration"));
}

QObject *TstRumoApp::configDialog(const char *dialogName) const
{
    return named(dialogName, named("rumoConfigDialogs", configWindow()));
}

QQuickItem *TstRumoApp::runRow(int row) const
{
    return listRow(named("listview", named("experimentList", named("pageRumo"))), row);
}

// Finds the logger and opens its page with its runs listed.
void TstRumoApp::openInstrument()
{
    STEP(openFoundDevice("RUMO", 1, kIdleMs));
    QTRY_COMPARE(state(), QString("RumoState"));
    QVERIFY(item("pageRumo")->isVisible());
    QTRY_COMPARE(named("experimentList", named("pageRumo"))->property("count").toInt(), 3);
    QQuickItem *first = runRow(0);
    QCOMPARE(text("runIndex", first), QString("1:"));
    QCOMPARE(text("runLabel", first), QString("OFFICE 2"));
    const QString date = text("runDate", first);
    QVERIFY2(date.startsWith("Date: ") && date.contains("16") && date.contains("08:00"),
             qPrintable(date));
    QCOMPARE(text("runSize", first), QString("Size: 30"));
    QCOMPARE(named("sensorPicture", first)->property("source").toUrl(), QUrl("qrc:/IconIAQ.png"));
    QCOMPARE(named("sensorPicture", runRow(1))->property("source").toUrl(),
             QUrl("qrc:/IconLux_UV.png"));
}

void TstRumoApp::openConfiguration()
{
    SceneSteps::click(item("configureBtn", named("pageRumo")));
    QTRY_VERIFY(configWindow()->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(configWindow()));
}

void TstRumoApp::applyInterval(const QString &interval)
{
    QQuickWindow *window = configWindow();
    QVERIFY(named("sampleText", window)->setProperty("text", interval));
    SceneSteps::click(item("applyCfgBtn", window));
}

// ------------------------------------------------------------------- walks

// The window shows the interval and the sensor certificate the logger holds,
// refuses an interval it would not take before anything is sent, and writes
// both; opened again it reads them back.
void TstRumoApp::configureTheLogger()
{
    STEP(openInstrument());
    STEP(SceneSteps::screenshot(m_window, "rumo-device-page.png"));
    STEP(openConfiguration());
    QQuickWindow *window = configWindow();
    QCOMPARE(window->title(), QString("Rumo - Configuration"));
    QCOMPARE(window->modality(), Qt::ApplicationModal);
    QCOMPARE(text("sampleText", window), QString("01:00"));
    QObject *certificate = named("calibrationFrame", window);
    QCOMPARE(certificate->property("certificate").toString(), QString("SCERT-0001"));
    STEP(SceneSteps::screenshot(window, "rumo-configuration.png"));

    // An interval it would not take is explained before anything is sent;
    // the message moves nothing in the window.
    m_instrument->clearCommands();
    auto *frame = qobject_cast<QQuickItem *>(certificate);
    const QPointF framePlace = frame->mapToScene(QPointF(0, 0));
    for (const char *refused : {"60:00", "00:60", "00:00"}) {
        STEP(applyInterval(refused));
        QVERIFY2(!text("warningMessage", window).isEmpty(), refused);
        QVERIFY(named("warningMessage", window)->property("shown").toBool());
        QCOMPARE(frame->mapToScene(QPointF(0, 0)), framePlace);
    }
    QCOMPARE(text("warningMessage", window), QString("The sample time shall be at least 00:01"));
    STEP(SceneSteps::screenshot(window, "rumo-configuration-warning.png"));
    QVERIFY(m_instrument->commands().isEmpty());
    QCOMPARE(m_rumo->intervalSeconds, 60);

    // A busy logger keeps its interval, and the user is told.
    m_instrument->scriptFault("AT+VFINTVL=", SimulatedInstrument::Fault::Busy);
    STEP(applyInterval("02:30"));
    QTRY_VERIFY(configDialog("deviceBusyDialog")->property("visible").toBool());
    QMetaObject::invokeMethod(configDialog("deviceBusyDialog"), "close");
    QVERIFY(!configDialog("configSuccesfulDialog")->property("visible").toBool());
    QCOMPARE(m_rumo->intervalSeconds, 60);

    STEP(applyInterval("02:30"));
    QTRY_VERIFY(configDialog("configSuccesfulDialog")->property("visible").toBool());
    QMetaObject::invokeMethod(configDialog("configSuccesfulDialog"), "close");
    QCOMPARE(text("warningMessage", window), QString());
    QCOMPARE(m_rumo->intervalSeconds, 150);

    // A certificate written after a refused interval takes its message away.
    STEP(applyInterval("00:00"));
    QVERIFY(certificate->setProperty("certificate", "SCERT-0099"));
    STEP(SceneSteps::click(item("applyCalibrationBtn", window)));
    QTRY_VERIFY(configDialog("configSuccesfulDialog")->property("visible").toBool());
    QCOMPARE(text("warningMessage", window), QString());
    QMetaObject::invokeMethod(configDialog("configSuccesfulDialog"), "close");
    QVERIFY2(m_rumo->sensorCertificate.startsWith("\"SCERT-0099\","),
             m_rumo->sensorCertificate.constData());

    // Opened again, the window reads the logger anew.
    STEP(SceneSteps::click(item("closeCfgBtn", window)));
    QVERIFY(!window->isVisible());
    QVERIFY(named("sampleText", window)->setProperty("text", "00:00"));
    QVERIFY(certificate->setProperty("certificate", ""));
    STEP(openConfiguration());
    QCOMPARE(text("sampleText", window), QString("02:30"));
    QCOMPARE(certificate->property("certificate").toString(), QString("SCERT-0099"));
    STEP(SceneSteps::click(item("closeCfgBtn", window)));
}

void TstRumoApp::downloadShowReportAndReopen()
{
    STEP(openInstrument());
    QObject *page = named("pageRumo");
    QObject *saveDialog = named("saveDialog", page);

    // Nothing chosen, then runs of two sensors: the page says why it waits.
    STEP(SceneSteps::click(item("acceptBtn", page)));
    QCOMPARE(text("selectionWarning", page),
             QString("You shall select at least one exposure component"));
    STEP(SceneSteps::click(runRow(2)));
    STEP(SceneSteps::click(runRow(1)));
    STEP(SceneSteps::click(item("acceptBtn", page)));
    QCOMPARE(text("selectionWarning", page),
             QString("The selected exposure components shall be the same application"));
    QVERIFY(!saveDialog->property("visible").toBool());

    // The first run instead of the second: the file is asked for, and the
    // runs go in the order of the list, whatever order they were chosen in.
    STEP(SceneSteps::click(runRow(1)));
    STEP(SceneSteps::click(runRow(0)));
    QVERIFY(named("runCheck", runRow(0))->property("checked").toBool());
    QVERIFY(!named("runCheck", runRow(1))->property("checked").toBool());
    QCOMPARE(page->property("selectedIdx").toList(), QVariantList({2, 0}));
    STEP(SceneSteps::click(item("acceptBtn", page)));
    QCOMPARE(text("selectionWarning", page), QString());
    QTRY_VERIFY(saveDialog->property("visible").toBool());
    QCOMPARE(saveDialog->property("title").toString(), QString("Save file as"));
    QVERIFY(saveDialog->property("nameFilters").toStringList().first().contains("(*.rmx)"));
    QMetaObject::invokeMethod(saveDialog, "close");

    // Both runs are read with the progress shown, then saved at once.
    QObject watchers;
    QList<double> progress;
    QObject *bar = named("downloadProgress", page);
    connect(m_core.get(), &Core::progressBarUpdated, &watchers,
            [&] { progress.append(bar->property("value").toDouble()); });
    // The file is there before the results page draws anything.
    const QString path = m_dir.filePath("offices");
    QList<bool> savedWhenDrawn;
    // The charts are made with the run, when core reports it.
    QtCharts::QXYSeries *firstChart = nullptr;
    connect(m_core.get(), &Core::experimentUpdated, &watchers, [&] {
        QObject *chart = named("rumoChart0", named("pageRumoResults"));
        firstChart = qobject_cast<QtCharts::QXYSeries *>(
            chart ? chart->property("series").value<QObject *>() : nullptr);
        if (firstChart)
            connect(firstChart, &QtCharts::QXYSeries::pointsReplaced, &watchers,
                    [&] { savedWhenDrawn.append(QFile::exists(path + ".rmx")); });
    });
    QCOMPARE(SceneSteps::call(page, "downloadRuns", QUrl::fromLocalFile(path).toString()).toInt(),
             0);
    STEP(waitForBackgroundWork());
    disconnect(m_core.get(), &Core::progressBarUpdated, &watchers, nullptr);
    disconnect(m_core.get(), &Core::experimentUpdated, &watchers, nullptr);
    QVERIFY(firstChart);
    QVERIFY(progress.size() >= 4);
    QVERIFY(
        std::any_of(progress.begin(), progress.end(), [](double v) { return v > 0 && v < 100; }));
    QCOMPARE(progress.last(), 100.0);
    QFile file(path + ".rmx");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject content;
    QCOMPARE(DataFileEnvelope::decode(file.readAll(), content), DataFileEnvelope::Ok);
    QCOMPARE(DataFileEnvelope::runObjects(content).size(), 2);

    QTRY_COMPARE(state(), QString("RumoResultsState"));
    // The charts are drawn when their tab is brought up.
    STEP(SceneSteps::click(item("tab_charts", named("pageRumoResults"))));
    QTRY_VERIFY(!savedWhenDrawn.isEmpty());
    disconnect(firstChart, nullptr, &watchers, nullptr);
    QVERIFY(!savedWhenDrawn.contains(false));
    STEP(SceneSteps::click(item("tab_table", named("pageRumoResults"))));
    STEP(checkRun(0, 1));
    STEP(SceneSteps::screenshot(m_window, "rumo-results-page.png"));
    STEP(SceneSteps::click(item("nextRun", named("pageRumoResults"))));
    STEP(checkRun(2, 2));
    STEP(SceneSteps::click(item("previousRun", named("pageRumoResults"))));
    STEP(checkRun(0, 1));
    STEP(printReport());

    // The saved file, opened from the home page, shows the same pages.
    STEP(SceneSteps::click(item("backButton")));
    STEP(SceneSteps::click(item("backButton")));
    QTRY_COMPARE(state(), QString());
    SceneSteps::call(named("pageHome"), "openFile", QUrl::fromLocalFile(path + ".rmx").toString());
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("RumoResultsState"));
    STEP(checkRun(0, 1));
    STEP(SceneSteps::click(item("nextRun", named("pageRumoResults"))));
    STEP(checkRun(2, 2));
}

// Downloads the first run of the logger into the data file `path` (without
// its suffix); the results page shows it.
void TstRumoApp::downloadFirstRun(const QString &path)
{
    STEP(openInstrument());
    QObject *page = named("pageRumo");
    STEP(SceneSteps::click(runRow(0)));
    QCOMPARE(SceneSteps::call(page, "downloadRuns", QUrl::fromLocalFile(path).toString()).toInt(),
             0);
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("RumoResultsState"));
}

// Opens the data file `path` from the home page; its results page shows.
void TstRumoApp::openFile(const QString &path)
{
    // Back to the home page, through the device page when it was open.
    for (int step = 0; step < 2 && !state().isEmpty(); ++step)
        STEP(SceneSteps::click(item("backButton")));
    QTRY_COMPARE(state(), QString());
    SceneSteps::call(named("pageHome"), "openFile", QUrl::fromLocalFile(path).toString());
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("RumoResultsState"));
}

// The tab of the results page whose content lies in view, "" for none or
// more than one: what the user sees below the tab bar.
QString TstRumoApp::shownTab() const
{
    QObject *page = named("pageRumoResults");
    QQuickItem *pages = item("tabPages", page);
    if (!pages)
        return QString();
    const QRectF view = pages->mapRectToScene(pages->boundingRect());
    const QList<QPair<QString, const char *>> tabs = {{"tab_table", "samplesTable"},
                                                      {"tab_charts", "rumoChartView"},
                                                      {"tab_results", "rumoFinalResults"}};
    QStringList inView;
    for (const auto &tab : tabs) {
        QQuickItem *content = item(tab.second, page);
        if (!content)
            return QString();
        const QRectF at = content->mapRectToScene(content->boundingRect()).intersected(view);
        if (content->isVisible() && at.width() > content->width() / 2)
            inView.append(tab.first);
    }
    return inView.size() == 1 ? inView.first() : QString();
}

// A data file opened again while the page was left on any of its tabs: the
// tab bar and the page below it show the same tab, the first.
void TstRumoApp::reopenedFileShowsTheTabItsBarShows()
{
    // The screen the user met it on.
    resizeScene(QSize(800, 600));
    const QString path = m_dir.filePath("reopened");
    STEP(downloadFirstRun(path));
    QObject *page = named("pageRumoResults");
    QObject *tabBar = named("rumoTabs", page);
    for (const char *tab : {"tab_table", "tab_charts", "tab_results"}) {
        STEP(SceneSteps::click(item(tab, page)));
        QTRY_COMPARE(shownTab(), QString(tab));
        STEP(openFile(path + ".rmx"));
        QCOMPARE(tabBar->property("currentIndex").toInt(), 0);
        QVERIFY(item("tab_table", page)->property("checked").toBool());
        QTRY_COMPARE(shownTab(), QString("tab_table"));
        // Nothing moves the page afterwards.
        QTest::qWait(400);
        QCOMPARE(shownTab(), QString("tab_table"));
        QCOMPARE(tabBar->property("currentIndex").toInt(), 0);
    }
}

// The results page of logged run `run` (0-based), at `position` in the chain
// of two: its information, a table column per quantity, a chart per quantity
// behind the switcher, and the statistics boxes.
void TstRumoApp::checkRun(int run, int position)
{
    const LoggedRun logged = loggedRuns().at(run);
    const SimulatedRumoRuns::Header &header = logged.header;
    QObject *page = named("pageRumoResults");
    QTRY_VERIFY(qobject_cast<QQuickItem *>(page)->isVisible());
    QCOMPARE(page->property("pageTitle").toString(), QString("Rumo - Results"));
    QObject *info = named("rumoExpInfo", page);
    QTRY_COMPARE(text("infoExperiment", info), QString(header.label));
    QCOMPARE(text("infoEvent", info), QString::number(position));
    QCOMPARE(text("infoSampleTime", info), QString::number(header.sampleSeconds));
    QCOMPARE(text("infoType", info), QString("AMB"));
    QCOMPARE(text("infoSensorSN", info), QString("S-0042"));
    QCOMPARE(text("infoCertificate", info), QString("SCERT-7"));
    const QString start = text("infoDate", info);
    QVERIFY2(start.contains("8:00") && !start.contains("11:00"), qPrintable(start));
    QCOMPARE(item("previousRun", page)->isVisible(), position == 2);
    QCOMPARE(item("nextRun", page)->isVisible(), position == 1);

    // The table: the time and a column per quantity, every sample.
    STEP(SceneSteps::click(item("tab_table", page)));
    const int quantities = header.quantities.size();
    QCOMPARE(named("samplesTable", page)->property("columnCount").toInt(), quantities + 1);
    QObject *table = page->property("samplesModel").value<QObject *>();
    QVERIFY(table);
    QTRY_COMPARE(table->property("count").toInt(), logged.records);
    QVariantMap row;
    QMetaObject::invokeMethod(table, "get", Q_RETURN_ARG(QVariantMap, row), Q_ARG(int, 2));
    QCOMPARE(row.value("date").toString(),
             runStart(16 + run).addSecs(2 * header.sampleSeconds).time().toString("hh:mm:ss"));
    for (int q = 0; q < quantities; ++q)
        QCOMPARE(row.value(QString("q%1").arg(q)).toString(),
                 number(SimulatedRumoRuns::sampleValue(header, 3, q)));

    // The switcher brings up each quantity's chart, drawn from every sample.
    STEP(SceneSteps::click(item("tab_charts", page)));
    QObject *charts = named("rumoChartView", page);
    QTRY_COMPARE(charts->property("count").toInt(), quantities);
    // The tab slides in under the tab bar before the user clicks in it.
    const auto left = [](QObject *object) {
        return qRound(qobject_cast<QQuickItem *>(object)->mapToScene(QPointF(0, 0)).x());
    };
    QTRY_COMPARE(left(charts), left(named("rumoTabs", page)) + 1);
    for (int q = quantities - 1; q >= 0; --q) {
        const QByteArray button = "chartButton" + QByteArray::number(q);
        STEP(SceneSteps::click(item(button.constData(), charts)));
        QTRY_COMPARE(charts->property("currentIndex").toInt(), q);
        QObject *chart = named(("rumoChart" + QByteArray::number(q)).constData(), charts);
        auto *series =
            qobject_cast<QtCharts::QXYSeries *>(chart->property("series").value<QObject *>());
        QVERIFY(series);
        QTRY_COMPARE(series->count(), logged.records);
    }
    QTRY_VERIFY(item("rumoChart0", charts)->isVisible());
    if (position == 1 && run == 0)
        STEP(SceneSteps::screenshot(m_window, "rumo-results-charts.png"));

    // The statistics the logger worked out, one row per quantity.
    STEP(SceneSteps::click(item("tab_results", page)));
    const QList<QByteArray> minima = SimulatedRumoRuns::minima(header, logged.records);
    const QList<QByteArray> averages = SimulatedRumoRuns::averages(header, logged.records);
    const QList<QByteArray> maxima = SimulatedRumoRuns::maxima(header, logged.records);
    for (int q = 0; q < quantities; ++q) {
        const QByteArray value = "value" + QByteArray::number(q + 1);
        QCOMPARE(text(value.constData(), named("minBox", page)), number(minima.at(q)));
        QCOMPARE(text(value.constData(), named("avgBox", page)), number(averages.at(q)));
        QCOMPARE(text(value.constData(), named("maxBox", page)), number(maxima.at(q)));
    }
    STEP(SceneSteps::click(item("tab_table", page)));
}

// The report window sends its options to core; the report reaches the
// desktop's viewer as a PDF.
void TstRumoApp::printReport()
{
    QObject *page = named("pageRumoResults");
    auto *report = qobject_cast<QQuickWindow *>(page->property("rumocfgprn").value<QObject *>());
    QVERIFY(report);
    STEP(SceneSteps::click(item("generateReport", page)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(report->title(), QString("Rumo - Report configuration"));
    QVERIFY(named("chartQuantity4", report));
    STEP(SceneSteps::screenshot(report, "rumo-report-window.png"));

    // Without a file the window says so and stays.
    STEP(SceneSteps::click(item("prnConfirmBtn", report)));
    QVERIFY(named("warningMessage", report)->property("shown").toBool());
    QVERIFY(report->isVisible());

    const QString pdf = m_dir.filePath("offices report.pdf");
    QVERIFY(named("vfSelectFile", report)
                ->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));
    ReportViewer viewer;
    STEP(SceneSteps::click(item("prnConfirmBtn", report)));
    STEP(waitForBackgroundWork());
    QVERIFY(!report->isVisible());
    QCOMPARE(viewer.opened, QList<QUrl>({QUrl::fromLocalFile(pdf)}));
    QVERIFY(!named("printerErrorDialog", named("rumoReportDialogs", report))
                 ->property("visible")
                 .toBool());
    const QString all = PdfText::pages(pdf).join('\n').simplified();
    QVERIFY2(all.contains("OFFICE 2") && all.contains("OFFICE 3"), qPrintable(all.left(400)));
    QVERIFY(PdfText::pageCount(pdf) >= 3);
}

// A pulled cable during the download: the pages go home with the error
// shown, nothing is saved, and the page takes a new choice.
void TstRumoApp::linkLostDuringDownload()
{
    STEP(openInstrument());
    QObject *page = named("pageRumo");
    STEP(SceneSteps::click(runRow(0)));
    m_instrument->scriptFault("AT+VFRDXP", SimulatedInstrument::Fault::DropLink, 2);
    const QString path = m_dir.filePath("lost");
    QCOMPARE(SceneSteps::call(page, "downloadRuns", QUrl::fromLocalFile(path).toString()).toInt(),
             -3);
    QTRY_VERIFY(rootDialog("devDisconnectedDialog")->property("visible").toBool());
    QMetaObject::invokeMethod(rootDialog("devDisconnectedDialog"), "close");
    QVERIFY(!rootDialog("downloadFailDialog")->property("visible").toBool());
    QCOMPARE(state(), QString());
    QVERIFY(item("pageHome")->isVisible());
    QVERIFY(!QFile::exists(path + ".rmx"));
    QCOMPARE(page->property("downloading").toBool(), false);
    QCOMPARE(page->property("selectedIdx").toList(), QVariantList());
}

QTEST_MAIN(TstRumoApp)
#include "tst_rumoapp.moc"
