// The road of a "BEMARI" or "BEMARI+" user through the real scene with a real
// Core, against a simulated sound level meter on a pseudo-terminal, found
// through VALTRIX_EXTRA_PORTS: everything is driven by the objects' names, as
// a user would click it. Only the native file dialogs are answered through
// the pages' own functions, since they cannot be clicked offscreen.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "Experiment.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "SceneSteps.h"
#include "SimulatedBemari.h"
#include "SimulatedBemariRuns.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "TestIdle.h"

#include <QFile>
#include <QJsonObject>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QXYSeries>
#include <QtTest>

#include <memory>

using SceneSteps::click;

namespace {

constexpr int kRecordsOfRun0 = 35;
constexpr int kRecordsOfRun1 = 22;

QDateTime runStart(int day)
{
    return QDateTime(QDate(2024, 5, day), QTime(8, 30), Qt::UTC);
}

// What a model's pages are called in the scene.
struct ModelPages
{
    QByteArray model;
    QString title;
    QString extension;
    const char *devicePage;
    const char *resultsPage;
    QString deviceState;
    QString resultsState;
    // The screenshots' name prefix.
    QString shotPrefix;
};

ModelPages pagesOf(const QByteArray &model)
{
    if (model == "BEMARI+")
        return {model,
                "Bemari+",
                "bmq",
                "pageBemariPlus",
                "pageBemariPlusResults",
                "BemariPlusState",
                "BemariPlusResultsState",
                "bemariplus"};
    return {model,
            "Bemari",
            "bmv",
            "pageBemari",
            "pageBemariResults",
            "BemariState",
            "BemariResultsState",
            "bemari"};
}

} // namespace

class TstBemariApp : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void configureTheInstrument_data() { addModelRows(); }
    void configureTheInstrument();
    void downloadSaveAndEvaluate_data() { addModelRows(); }
    void downloadSaveAndEvaluate();
    void eraseTheMemory_data() { addModelRows(); }
    void eraseTheMemory();
    void linkLostDuringDownload_data() { addModelRows(); }
    void linkLostDuringDownload();

private:
    static void addModelRows();
    QObject *devicePage() const { return named(m_pages.devicePage); }
    QObject *resultsPage() const { return named(m_pages.resultsPage); }
    QQuickWindow *configWindow() const;
    QQuickWindow *reportWindow() const;
    QQuickItem *runRow(int row) const;
    int shownSamples() const;
    void waitInView(QQuickItem *tabContent) const;

    void openInstrument();
    void openConfiguration();
    void downloadBothRuns(const QString &path);
    void readTheResults();
    void stepThroughRuns();
    void printReport();
    void reopenTheSavedFile(const QString &file);

    ModelPages m_pages;
    std::unique_ptr<SimulatedInstrument> m_instrument;
    SimulatedBemari *m_state = nullptr;
    QTemporaryDir m_dir;
};

void TstBemariApp::addModelRows()
{
    QTest::addColumn<QByteArray>("model");
    QTest::newRow("BEMARI") << QByteArray("BEMARI");
    QTest::newRow("BEMARI+") << QByteArray("BEMARI+");
}

void TstBemariApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    startWalks();
}

void TstBemariApp::init()
{
    QFETCH(QByteArray, model);
    m_pages = pagesOf(model);
    m_instrument.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_instrument, model));
    m_state = SimulatedBemari::of(m_instrument.get());
    QVERIFY(m_state);

    // Run 0 has a minimum the instrument left empty; run 1 of a "BEMARI+" is
    // overloaded.
    SimulatedBemariRuns::Header first;
    first.plus = model == "BEMARI+";
    first.lMin = "";
    first.weightings[2].eq = "";
    SimulatedBemariRuns::Header second;
    second.plus = first.plus;
    second.label = "ROOM 3";
    second.overload = first.plus ? "1" : "0";
    m_instrument->addRun(SimulatedBemariRuns::makeRun(0, kRecordsOfRun0, runStart(17), first));
    m_instrument->addRun(SimulatedBemariRuns::makeRun(1, kRecordsOfRun1, runStart(18), second));
    openScene({m_instrument->portPath()});
}

void TstBemariApp::cleanup()
{
    closeScene();
    m_state = nullptr;
    m_instrument.reset();
}

void TstBemariApp::cleanupTestCase()
{
    endWalks();
}

// ------------------------------------------------------------------ helpers

QQuickWindow *TstBemariApp::configWindow() const
{
    return qobject_cast<QQuickWindow *>(devicePage()->property("configWindow").value<QObject *>());
}

QQuickWindow *TstBemariApp::reportWindow() const
{
    return qobject_cast<QQuickWindow *>(
        resultsPage()->property("printerConfiguration").value<QObject *>());
}

QQuickItem *TstBemariApp::runRow(int row) const
{
    return listRow(named("listview", named("experimentList", devicePage())), row);
}

int TstBemariApp::shownSamples() const
{
    QObject *model = resultsPage()->property("samplesModel").value<QObject *>();
    return model ? model->property("count").toInt() : -1;
}

// The tabs slide their pages in; a page is clicked once it is in its place.
void TstBemariApp::waitInView(QQuickItem *tabContent) const
{
    QVERIFY(tabContent);
    // In its place: in the left half of the window, and still between two
    // looks.
    double last = -1;
    const auto settled = [&] {
        const double left = tabContent->mapToScene(QPointF(0, 0)).x();
        const bool still = left == last;
        last = left;
        return still && left >= 0 && left < m_window->width() / 2;
    };
    QTRY_VERIFY(settled());
}

void TstBemariApp::openInstrument()
{
    STEP(openFoundDevice(m_pages.model, 1, TestIdle::QuietLinkMs));
    QTRY_COMPARE(state(), m_pages.deviceState);
    QVERIFY(qobject_cast<QQuickItem *>(devicePage())->isVisible());
    QCOMPARE(devicePage()->property("pageTitle").toString(), m_pages.title);
    QTRY_COMPARE(named("experimentList", devicePage())->property("count").toInt(), 2);
    QCOMPARE(text("runLabel", runRow(0)), QString("1: AREA"));
    QVERIFY(text("runDate", runRow(0)).startsWith("Date: "));
    QCOMPARE(text("runSize", runRow(1)), QString("Size: %1").arg(kRecordsOfRun1));
}

void TstBemariApp::openConfiguration()
{
    click(item("configureBtn", devicePage()));
    QTRY_VERIFY(configWindow()->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(configWindow()));
}

// -------------------------------------------------------------------- walks

void TstBemariApp::configureTheInstrument()
{
    STEP(openInstrument());
    STEP(SceneSteps::screenshot(m_window, m_pages.shotPrefix + "-device-page.png"));

    // The window shows what the instrument holds.
    STEP(openConfiguration());
    QQuickWindow *window = configWindow();
    QCOMPARE(window->title(), m_pages.title + " - Configuration");
    QCOMPARE(window->modality(), Qt::ApplicationModal);
    QVERIFY(named("timeSlow", window)->property("checked").toBool());
    QVERIFY(named("frequencyA", window)->property("checked").toBool());
    QVERIFY(named("octave1_1", window)->property("checked").toBool());
    STEP(SceneSteps::screenshot(window, m_pages.shotPrefix + "-configuration.png"));

    // New settings reach the instrument.
    STEP(click(item("timeFast", window)));
    STEP(click(item("frequencyC", window)));
    STEP(click(item("octave1_3", window)));
    STEP(click(item("applyCfgBtn", window)));
    QTRY_VERIFY(rootDialog("configSuccesfulDialog")->property("visible").toBool());
    QVERIFY(!window->isVisible());
    QCOMPARE(m_state->timeWeighting, QByteArray("Fast"));
    QCOMPARE(m_state->frequencyWeighting, QByteArray("C"));
    QCOMPARE(m_state->octaveAnalysis, QByteArray("1/3"));
    QMetaObject::invokeMethod(rootDialog("configSuccesfulDialog"), "close");

    // Opened again, the window reads the instrument anew.
    STEP(openConfiguration());
    QVERIFY(named("timeFast", window)->property("checked").toBool());
    QVERIFY(named("frequencyC", window)->property("checked").toBool());
    QVERIFY(named("octave1_3", window)->property("checked").toBool());
    STEP(click(item("closeCfgBtn", window)));
    QVERIFY(!window->isVisible());
}

void TstBemariApp::downloadSaveAndEvaluate()
{
    STEP(openInstrument());
    QObject *page = devicePage();

    // "Accept" without a run says so and sends nothing.
    m_instrument->clearCommands();
    STEP(click(item("acceptBtn", page)));
    QQuickItem *warning = item("noRunWarning", page);
    QVERIFY(warning->property("shown").toBool());
    QCOMPARE(warning->property("text").toString(),
             QString("You shall select at least one exposure component"));
    QCOMPARE(warning->property("color").value<QColor>(), QColor("#d71e1e"));
    QVERIFY(m_instrument->commands().isEmpty());
    QVERIFY(!named("saveDialog", page)->property("visible").toBool());

    const QString path = m_dir.filePath(QString("hall-%1").arg(m_pages.extension));
    STEP(downloadBothRuns(path));
    STEP(readTheResults());
    STEP(stepThroughRuns());
    STEP(printReport());

    // Back on the device page, the runs are still listed.
    STEP(click(item("backButton")));
    QCOMPARE(state(), m_pages.deviceState);
    QCOMPARE(named("experimentList", page)->property("count").toInt(), 2);
    STEP(reopenTheSavedFile(path + "." + m_pages.extension));
}

// Two checked runs are downloaded with the bar moving and saved in one file;
// the name typed without an extension gets the model's.
void TstBemariApp::downloadBothRuns(const QString &path)
{
    QObject *page = devicePage();
    STEP(click(item("runCheck", runRow(1))));
    STEP(click(runRow(0)));
    QCOMPARE(page->property("chosenRuns").toList(), QVariantList({1, 0}));
    STEP(click(item("acceptBtn", page)));
    QCOMPARE(text("noRunWarning", page), QString());
    QObject *saveDialog = named("saveDialog", page);
    QTRY_VERIFY(saveDialog->property("visible").toBool());
    QCOMPARE(saveDialog->property("title").toString(), QString("Save file as"));
    QCOMPARE(saveDialog->property("nameFilters").toStringList().first(),
             QString("Suite Valtrix Files (*.%1)").arg(m_pages.extension));

    QList<double> progress;
    QObject *bar = named("downloadProgress", page);
    connect(m_core.get(), &Core::progressBarUpdated, this,
            [&] { progress.append(bar->property("value").toDouble()); });
    QCOMPARE(call(page, "saveChosenRuns", QUrl::fromLocalFile(path).toString()).toInt(), 0);
    disconnect(m_core.get(), &Core::progressBarUpdated, this, nullptr);
    STEP(waitForBackgroundWork());
    QVERIFY(progress.size() >= 4);
    QVERIFY(
        std::any_of(progress.begin(), progress.end(), [](double v) { return v > 0 && v < 100; }));
    QCOMPARE(bar->property("value").toDouble(), 100.0);
    QVERIFY(m_instrument->commandsStartingWith("AT+VFXPHDR=1,0").size() == 1);

    QFile file(path + "." + m_pages.extension);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root;
    QCOMPARE(DataFileEnvelope::decode(file.readAll(), root), DataFileEnvelope::Ok);
    QCOMPARE(DataFileEnvelope::runObjects(root).size(), 2);
    QCOMPARE(state(), m_pages.resultsState);
    QTRY_COMPARE(shownSamples(), kRecordsOfRun0);
}

// The grid, the tabs and the boxes of the first run.
void TstBemariApp::readTheResults()
{
    QObject *page = resultsPage();
    const bool plus = m_pages.model == "BEMARI+";
    QCOMPARE(page->property("pageTitle").toString(),
             plus ? QString("Bemari+  Results") : QString("Bemari - Results"));
    QObject *info = named("bemariExpInfo", page);
    QCOMPARE(text("infoEvent", info), QString("1"));
    QCOMPARE(text("infoExperiment", info), QString("ROOM 2"));
    QVERIFY2(text("infoDate", info).contains("8:30"), qPrintable(text("infoDate", info)));
    QCOMPARE(text("infoExpTime", info), QString("00:00:%1").arg(kRecordsOfRun0));
    QCOMPARE(text("infoPauseTime", info), QString("01:02:05"));
    QCOMPARE(text("infoSampleTime", info), QString("1"));
    QCOMPARE(item("infoTimeWeighting", info)->isVisible(), !plus);
    if (!plus) {
        QCOMPARE(text("infoTimeWeighting", info), QString("Slow (S)"));
        QCOMPARE(text("infoFrequencyWeighting", info), QString("A"));
    }
    QCOMPARE(text("infoOctaveAnalysis", info), QString("1/1"));
    QVERIFY2(text("infoPreCheck", info).contains(" ("), qPrintable(text("infoPreCheck", info)));

    // The three tabs, each shown in turn.
    QObject *tabs = named("bemariTabs", page);
    QCOMPARE(tabs->property("count").toInt(), 3);
    QCOMPARE(text("tab_noise", tabs), QString("L<sub>Aeq</sub> x Time"));
    QCOMPARE(text("tab_leq", tabs), QString("L<sub>eq</sub> x Octave"));
    QCOMPARE(text("tab_results", tabs), QString("Results"));
    const QString prefix = m_pages.shotPrefix;
    auto *levels = qobject_cast<QtCharts::QXYSeries *>(
        named("noiseChart", page)->property("series").value<QObject *>());
    QVERIFY(levels);
    QTRY_COMPARE(levels->count(), kRecordsOfRun0);
    STEP(SceneSteps::screenshot(m_window, prefix + "-results-level.png"));
    STEP(click(item("tab_leq", tabs)));
    QObject *bands = named("leqChart", page);
    STEP(waitInView(qobject_cast<QQuickItem *>(bands)));
    QCOMPARE(bands->property("barSet").value<QObject *>()->property("count").toInt(), 10);
    STEP(click(item("aCurve", bands)));
    QCOMPARE(bands->property("weighting").toString(), QString("A"));
    STEP(SceneSteps::screenshot(m_window, prefix + "-results-bands.png"));
    STEP(click(item("tab_results", tabs)));
    QObject *view = named("resultsView", page);
    STEP(waitInView(qobject_cast<QQuickItem *>(view)));
    if (plus) {
        QObject *analysis = named("analysisBox", view);
        QCOMPARE(named("parAeq", analysis)->property("parValue").toString(), QString("---"));
        QCOMPARE(named("parZeq", analysis)->property("parValue").toString(),
                 QLocale().toString(80.10, 'f', 2));
        QCOMPARE(named("parZIMax", named("maxMinBox", view))->property("parValue").toString(),
                 QLocale().toString(99.80, 'f', 2));
    } else {
        QObject *analysis = named("analysisBox", view);
        QCOMPARE(analysis->property("par1").toString(), QLocale().toString(78.30, 'f', 2));
        QCOMPARE(analysis->property("par4").toString(), QString("---"));
        QCOMPARE(analysis->property("par5Label").toString(), QString("L<sub>Peak</sub> [dB]:"));
        QCOMPARE(named("statisticsBox", view)->property("par1").toString(),
                 QLocale().toString(88.10, 'f', 2));
    }
    STEP(SceneSteps::screenshot(m_window, prefix + "-results-boxes.png"));
}

// The two runs of the file, one after the other; the second run of a
// "BEMARI+" is overloaded.
void TstBemariApp::stepThroughRuns()
{
    QObject *page = resultsPage();
    QQuickItem *previous = item("previousRun", page);
    QQuickItem *next = item("nextRun", page);
    QVERIFY(previous->isVisible());
    QVERIFY(!previous->isEnabled());
    STEP(click(next));
    QTRY_COMPARE(shownSamples(), kRecordsOfRun1);
    QCOMPARE(text("infoExperiment", named("bemariExpInfo", page)), QString("ROOM 3"));
    QVERIFY(!next->isEnabled());
    if (m_pages.model == "BEMARI+") {
        QObject *view = named("resultsView", page);
        QCOMPARE(named("parAeq", named("analysisBox", view))->property("parValue").toString(),
                 QString("OL"));
        QCOMPARE(named("par50", named("statisticsBox", view))->property("parValue").toString(),
                 QString("OL"));
    }
    STEP(click(previous));
    QTRY_COMPARE(shownSamples(), kRecordsOfRun0);
    QCOMPARE(text("infoExperiment", named("bemariExpInfo", page)), QString("ROOM 2"));
}

// The report window refuses an empty file name, then sends its options; a
// written report reaches the desktop's viewer as a PDF.
void TstBemariApp::printReport()
{
    QObject *page = resultsPage();
    QQuickWindow *report = reportWindow();
    QVERIFY(report);
    STEP(click(item("generateReport", page)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(report->title(), m_pages.title + " - Report configuration");
    STEP(SceneSteps::screenshot(report, m_pages.shotPrefix + "-report-window.png"));

    STEP(click(item("generatePdf", report)));
    QVERIFY(named("fileNameError", report)->property("shown").toBool());
    QCOMPARE(text("fileNameError", report), QString("File name shall not be empty"));
    QVERIFY(report->isVisible());

    const QString pdf = m_dir.filePath(m_pages.shotPrefix + "-report.pdf");
    QVERIFY(
        named("fileName", report)->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));
    QObject *company = named("cmpnyName", report);
    QVERIFY(company->setProperty("text", "ACME Foundry"));
    QVERIFY(company->setProperty("checked", true));
    ReportViewer viewer;
    STEP(click(item("generatePdf", report)));
    STEP(waitForBackgroundWork());
    QVERIFY(!report->isVisible());
    QVERIFY(!named("printerErrorDialog", named("bemariReportDialogs", report))
                 ->property("visible")
                 .toBool());
    QCOMPARE(viewer.opened, QList<QUrl>({QUrl::fromLocalFile(pdf)}));
    // The options reached the report: the company the window named, and
    // both runs of the file.
    QVERIFY(PdfText::pageCount(pdf) >= 3);
    const QString first = PdfText::page(pdf, 1);
    QVERIFY2(first.contains("Noise Report"), qPrintable(first));
    QVERIFY2(first.contains("ACME Foundry"), qPrintable(first));
    const QString all = PdfText::pages(pdf).join('\n');
    QVERIFY(all.contains("ROOM 2"));
    QVERIFY(all.contains("ROOM 3"));
}

// From the home page the saved file opens on the results page.
void TstBemariApp::reopenTheSavedFile(const QString &file)
{
    STEP(click(item("backButton")));
    QCOMPARE(state(), QString());
    call(named("pageHome"), "openFile", QUrl::fromLocalFile(file).toString());
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), m_pages.resultsState);
    QTRY_COMPARE(shownSamples(), kRecordsOfRun0);
    QCOMPARE(text("infoExperiment", named("bemariExpInfo", resultsPage())), QString("ROOM 2"));
    QVERIFY(item("nextRun", resultsPage())->isEnabled());
}

void TstBemariApp::eraseTheMemory()
{
    STEP(openInstrument());
    STEP(openConfiguration());
    QQuickWindow *window = configWindow();
    STEP(click(item("eraseMemoryBtn", window)));
    QObject *dialogs = named("bemariConfigDialogs", window);
    QTRY_VERIFY(named("eraseDialog", dialogs)->property("visible").toBool());
    STEP(answerMessageBox(QMessageBox::Yes));
    QTRY_VERIFY(named("eraseSuccessfulDialog", dialogs)->property("visible").toBool());
    QVERIFY(!named("eraseInProgressDialog", dialogs)->property("visible").toBool());
    QVERIFY(m_instrument->runs().isEmpty());
    QCOMPARE(named("experimentList", devicePage())->property("count").toInt(), 0);
    STEP(answerMessageBox(QMessageBox::Ok));
    STEP(click(item("closeCfgBtn", window)));
}

void TstBemariApp::linkLostDuringDownload()
{
    STEP(openInstrument());
    QObject *page = devicePage();
    STEP(click(runRow(0)));
    STEP(click(item("acceptBtn", page)));
    m_instrument->scriptFault("AT+VFRDXP", SimulatedInstrument::Fault::DropLink, 2);
    const QString path = m_dir.filePath("lost");
    QCOMPARE(call(page, "saveChosenRuns", QUrl::fromLocalFile(path).toString()).toInt(), -3);
    QTRY_VERIFY(rootDialog("devDisconnectedDialog")->property("visible").toBool());
    QCOMPARE(state(), QString());
    QVERIFY(item("pageHome")->isVisible());
    QVERIFY(!rootDialog("downloadFailDialog")->property("visible").toBool());
    QVERIFY(!QFile::exists(path + "." + m_pages.extension));
    QCOMPARE(page->property("downloading").toBool(), false);
}

QTEST_MAIN(TstBemariApp)
#include "tst_bemariapp.moc"
