// The road of a heat-stress user through the real scene with a real Core,
// against a simulated "KESTRUM 2" and a simulated "KESTRUM 4" on
// pseudo-terminals, both found through the extra-ports variable: everything
// is driven by the objects' names, as a user would click it. Only the native
// file dialogs are answered through the pages' own functions, since they
// cannot be clicked offscreen.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "Interface.h"
#include "KestrumReportRun.h"
#include "PdfText.h"
#include "ReportViewer.h"
#include "SceneSteps.h"
#include "SimulatedInstrument.h"
#include "SimulatedKestrum.h"
#include "SimulatedKestrumRuns.h"
#include "SimulatedModels.h"
#include "TestIdle.h"

#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QXYSeries>
#include <QtTest>

#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr int kRecords = 30;
// Samples of a run whose report takes long enough to watch the window draw
// while it is written.
constexpr int kLongRun = 1800;

// The place of a board view's tab in its bar.
int tabIndex(const char *tab)
{
    return QByteArray(tab) == "tabTable" ? 0 : QByteArray(tab) == "tabChart" ? 1 : 2;
}

QDateTime runStart(int day)
{
    return QDateTime(QDate(2024, 6, day), QTime(8, 30), Qt::UTC);
}

// The page objects of one model.
struct Family
{
    const char *productName;
    const char *devicePage;
    const char *resultsPage;
    const char *configuration;
    const char *report;
    const char *extension;
    const char *shotName;
};

const Family kKestrum2{"KESTRUM 2",
                       "pageKestrum2",
                       "pageKestrum2Results",
                       "kestrum2Configuration",
                       "kestrum2PrinterConfiguration",
                       "ksm",
                       "kestrum2"};
const Family kKestrum4{"KESTRUM 4",
                       "pageKestrum4",
                       "pageKestrum4Results",
                       "kestrum4Configuration",
                       "kestrum4PrinterConfiguration",
                       "ks4",
                       "kestrum4"};

} // namespace

class TstKestrumApp : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void configureTheKestrum2();
    void eraseTheMemory();
    void downloadEvaluateAndReport();
    void expansionBoardsOfAKestrum4();
    void filesOfSeveralRunsAreStepped_data();
    void filesOfSeveralRunsAreStepped();
    void linkLostDuringDownload();
    void longReportKeepsTheWindowDrawing();

private:
    QString text(const char *objectName, QObject *from) const;

    void openInstrument(const Family &family);
    QQuickWindow *openConfiguration(const Family &family);
    void typeSampleTime(QQuickWindow *window, const QString &typed);
    void download(const Family &family, int run, const QString &path);
    void showTab(QObject *view, const char *tab);
    void printReport(const Family &family);
    void stepArrows(const Family &family);

    std::unique_ptr<SimulatedInstrument> m_kestrum2;
    std::unique_ptr<SimulatedInstrument> m_kestrum4;
    QTemporaryDir m_dir;
};

void TstKestrumApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    startWalks();
}

void TstKestrumApp::init()
{
    m_kestrum2.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_kestrum2, "KESTRUM 2"));
    addSimulatedRun(*m_kestrum2, 0, kRecords, runStart(20));
    addSimulatedRun(*m_kestrum2, 1, kRecords + 5, runStart(21));

    m_kestrum4.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_kestrum4, "KESTRUM 4"));
    SimulatedKestrum *kestrum4 = SimulatedKestrum::of(m_kestrum4.get());
    QVERIFY(kestrum4);
    addSimulatedRun(*m_kestrum4, 0, kRecords, runStart(22));
    kestrum4->expansionBoards = 3;
    addSimulatedRun(*m_kestrum4, 1, kRecords + 5, runStart(23));

    openScene({m_kestrum2->portPath(), m_kestrum4->portPath()});
}

void TstKestrumApp::cleanup()
{
    closeScene();
    m_kestrum2.reset();
    m_kestrum4.reset();
}

void TstKestrumApp::cleanupTestCase()
{
    endWalks();
}

// ------------------------------------------------------------------ helpers

QString TstKestrumApp::text(const char *objectName, QObject *from) const
{
    QObject *found = named(objectName, from);
    return found ? found->property("text").toString() : QString();
}

// Finds both instruments and opens the page of `family`'s.
void TstKestrumApp::openInstrument(const Family &family)
{
    SceneSteps::click(item("findBtn"));
    QObject *devices = named("listview", named("devsearch"));
    QTRY_COMPARE(devices->property("count").toInt(), 2);
    for (QObject *object : m_core->deviceList().value<QList<QObject *>>())
        qobject_cast<Device *>(object)->interface()->setIdleTimeout(TestIdle::QuietLinkMs);
    QQuickItem *row = nullptr;
    for (int i = 0; i < 2 && !row; ++i) {
        if (listRow(devices, i)->property("productName").toString() == family.productName)
            row = listRow(devices, i);
    }
    QVERIFY(row);
    STEP(SceneSteps::click(row));
    QObject *page = named(family.devicePage);
    QTRY_VERIFY(qobject_cast<QQuickItem *>(page)->isVisible());
    QTRY_COMPARE(named("experimentList", page)->property("count").toInt(), 2);
}

QQuickWindow *TstKestrumApp::openConfiguration(const Family &family)
{
    QObject *page = named(family.devicePage);
    auto *window = qobject_cast<QQuickWindow *>(named(family.configuration, page));
    SceneSteps::click(item("configureBtn", page));
    if (QTest::currentTestFailed() || !window)
        return nullptr;
    if (!QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

// Types into the sample field as a user would, over what it held.
void TstKestrumApp::typeSampleTime(QQuickWindow *window, const QString &typed)
{
    QQuickItem *field = item("sampleField", window);
    STEP(SceneSteps::click(field));
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Delete);
    QTest::keyClick(window, Qt::Key_Home);
    for (const QChar c : typed)
        QTest::keyClick(window, c.toLatin1());
    QCOMPARE(field->property("text").toString(), typed);
}

// Downloads `run` through the run list into `path` (given without its
// extension, as a user may type it).
void TstKestrumApp::download(const Family &family, int run, const QString &path)
{
    QObject *page = named(family.devicePage);
    STEP(SceneSteps::click(listRow(named("listview", named("experimentList", page)), run)));
    QObject *saveDialog = named("saveDialog", page);
    QTRY_VERIFY(saveDialog->property("visible").toBool());
    QCOMPARE(saveDialog->property("title").toString(), QString("Save file as"));
    QCOMPARE(page->property("selectedIdx").toInt(), run);

    QList<double> progress;
    QObject *bar = named("downloadProgress", page);
    connect(m_core.get(), &Core::progressBarUpdated, this,
            [&] { progress.append(bar->property("value").toDouble()); });
    QSignalSpy saved(m_core.get(), &Core::fileSaved);
    const int result = call(page, "saveChosenRun", QUrl::fromLocalFile(path).toString()).toInt();
    disconnect(m_core.get(), &Core::progressBarUpdated, this, nullptr);
    QCOMPARE(result, 0);
    // The file is saved in the background, before the results are shown.
    QTRY_COMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toInt(), 0);
    QVERIFY(!saveDialog->property("visible").toBool());
    QVERIFY(
        std::any_of(progress.begin(), progress.end(), [](double v) { return v > 0 && v < 100; }));
    QCOMPARE(progress.last(), 100.0);

    QFile file(path + '.' + family.extension);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root;
    QCOMPARE(DataFileEnvelope::decode(file.readAll(), root), DataFileEnvelope::Ok);
    QCOMPARE(DataFileEnvelope::runObjects(root).size(), 1);

    QObject *results = named(family.resultsPage);
    QTRY_VERIFY(qobject_cast<QQuickItem *>(results)->isVisible());
    QTRY_COMPARE(results->property("shownRun").toInt(),
                 m_core->samples()->property("runId").toInt());
}

void TstKestrumApp::showTab(QObject *view, const char *tab)
{
    // A view just brought forward lays its tabs out before the user can aim
    // at one.
    QQuickItem *tabs = item("boardTabs", view);
    QQuickItem *button = item(tab, view);
    QVERIFY(tabs && button);
    // Each tab lies in its own third of the bar once the view is laid out.
    const auto third = [&] {
        const double left =
            button->mapToScene(QPointF(0, 0)).x() - tabs->mapToScene(QPointF(0, 0)).x();
        return tabs->width() > 0 && qAbs(button->width() - tabs->width() / 3) < 1
                   ? int(std::round(left / (tabs->width() / 3)))
                   : -1;
    };
    QTRY_COMPARE(third(), tabIndex(tab));
    STEP(SceneSteps::click(button));
    QTRY_COMPARE(tabs->property("currentIndex").toInt(), tabIndex(tab));
}

// The report window refuses to write without a file; then the PDF reaches
// the desktop's viewer and the CSV lies beside it.
void TstKestrumApp::printReport(const Family &family)
{
    QObject *page = named(family.resultsPage);
    auto *report = qobject_cast<QQuickWindow *>(named(family.report, page));
    QVERIFY(report);
    STEP(SceneSteps::click(item("generateReport", page)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    STEP(SceneSteps::screenshot(report, QString("%1-report-window.png").arg(family.shotName)));

    STEP(SceneSteps::click(item("generatePdf", report)));
    QVERIFY(named("fileNameError", report)->property("shown").toBool());
    QCOMPARE(text("fileNameError", report), QString("File name shall not be empty"));
    QVERIFY(report->isVisible());

    const QString pdf = m_dir.filePath(QString("%1.pdf").arg(family.extension));
    QVERIFY(
        named("fileName", report)->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));
    QVERIFY(named("ckbCsv", report)->property("checked").toBool());
    ReportViewer viewer;
    STEP(SceneSteps::click(item("generatePdf", report)));
    QVERIFY(!report->isVisible());
    // A report of three boards takes seconds on a small, busy machine.
    QTRY_COMPARE_WITH_TIMEOUT(viewer.opened, QList<QUrl>({QUrl::fromLocalFile(pdf)}), 60000);
    QVERIFY(!named("printerErrorDialog", report)->property("visible").toBool());
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {pdf});
    QVERIFY(pdfinfo.waitForFinished(30000));
    QCOMPARE(pdfinfo.exitCode(), 0);
    QVERIFY(pdfinfo.readAllStandardOutput().contains("Pages:"));
    QFile csv(m_dir.filePath(QString("%1.csv").arg(family.extension)));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.size() > 0);
}

// -------------------------------------------------------------------- walks

void TstKestrumApp::configureTheKestrum2()
{
    STEP(openInstrument(kKestrum2));
    QObject *page = named("pageKestrum2");
    QCOMPARE(text("pageTitle", page), QString("Kestrum 2"));
    QCOMPARE(named("pageTitle", page)->property("font").value<QFont>().capitalization(),
             QFont::AllUppercase);
    STEP(SceneSteps::screenshot(m_window, "kestrum2-device-page.png"));

    QQuickWindow *window = openConfiguration(kKestrum2);
    QVERIFY(window);
    QCOMPARE(window->title(), QString("Kestrum 2 - Configuration"));
    QCOMPARE(window->modality(), Qt::ApplicationModal);
    QVERIFY(named("unitCelsius", window)->property("checked").toBool());
    QCOMPARE(text("sampleField", window), QString("01:00"));
    STEP(SceneSteps::screenshot(window, "kestrum2-configuration.png"));

    // A sample time the instrument would not take is explained, not sent.
    m_kestrum2->clearCommands();
    const QString badFormat("The sample time field shall have mm:ss format");
    const QString tooShort("The sample time shall be at least 00:01");
    const std::pair<const char *, QString> refusals[]{
        {"60:00", badFormat}, {"5:30", badFormat}, {"05:3", badFormat}, {"00:00", tooShort}};
    for (const auto &[refused, message] : refusals) {
        STEP(typeSampleTime(window, refused));
        STEP(SceneSteps::click(item("applyCfgBtn", window)));
        QCOMPARE(text("cfgMessage", window), message);
        QVERIFY(window->isVisible());
    }
    QVERIFY(m_kestrum2->commands().isEmpty());

    STEP(SceneSteps::click(item("unitFahrenheit", window)));
    STEP(typeSampleTime(window, "00:30"));
    STEP(SceneSteps::click(item("applyCfgBtn", window)));
    QTRY_VERIFY(rootDialog("configSuccesfulDialog")->property("visible").toBool());
    QVERIFY(!window->isVisible());
    SimulatedKestrum *kestrum = SimulatedKestrum::of(m_kestrum2.get());
    QCOMPARE(kestrum->unit, QByteArray("F"));
    QCOMPARE(kestrum->intervalSeconds, 30);
    STEP(answerMessageBox(QMessageBox::Ok));

    // Opened again, the window reads the instrument anew.
    window = openConfiguration(kKestrum2);
    QVERIFY(window);
    QVERIFY(named("unitFahrenheit", window)->property("checked").toBool());
    QCOMPARE(text("sampleField", window), QString("00:30"));
    STEP(SceneSteps::click(item("closeCfgBtn", window)));
    QVERIFY(!window->isVisible());
}

void TstKestrumApp::eraseTheMemory()
{
    STEP(openInstrument(kKestrum2));
    QQuickWindow *window = openConfiguration(kKestrum2);
    QVERIFY(window);
    QObject *dialogs = named("configDialogs", window);
    STEP(SceneSteps::click(item("eraseMemoryBtn", window)));
    QTRY_VERIFY(named("eraseDialog", dialogs)->property("visible").toBool());
    STEP(answerMessageBox(QMessageBox::Yes));
    QTRY_VERIFY(named("eraseSuccessfulDialog", dialogs)->property("visible").toBool());
    QVERIFY(!named("eraseInProgressDialog", dialogs)->property("visible").toBool());
    QVERIFY(m_kestrum2->runs().isEmpty());
    QCOMPARE(named("experimentList", named("pageKestrum2"))->property("count").toInt(), 0);
    // The other model's window kept out of it.
    QObject *otherDialogs = named("configDialogs", named("kestrum4Configuration"));
    QVERIFY(!named("eraseInProgressDialog", otherDialogs)->property("visible").toBool());
    STEP(answerMessageBox(QMessageBox::Ok));
    STEP(SceneSteps::click(item("closeCfgBtn", window)));
}

void TstKestrumApp::downloadEvaluateAndReport()
{
    STEP(openInstrument(kKestrum2));
    STEP(download(kKestrum2, 0, m_dir.filePath("morning")));
    QCOMPARE(state(), QString("Kestrum2ResultsState"));
    QObject *page = named("pageKestrum2Results");
    QCOMPARE(text("pageTitle", page), QString("Kestrum 2 - Results"));

    // The run information.
    QObject *info = named("kestrum2ExpInfo", page);
    QVERIFY(info);
    QCOMPARE(text("infoEvent", info), QString("1"));
    QCOMPARE(text("infoSampleTime", info), QString("60"));
    QVERIFY(text("infoExpTime", info).contains(':'));
    QVERIFY(text("infoPauseTime", info).contains(':'));
    QVERIFY2(text("infoDate", info).contains("8:30"), qPrintable(text("infoDate", info)));
    for (const char *label : {"Exp time:", "Pause time:", "Sample time [s]:"}) {
        bool found = false;
        for (QQuickItem *child : info->findChildren<QQuickItem *>())
            found = found || child->property("text").toString() == label;
        QVERIFY2(found, label);
    }

    // One run: no arrow.
    QVERIFY(!item("previousRun", page)->property("shown").toBool());
    QVERIFY(!item("nextRun", page)->property("shown").toBool());

    // The three tabs of the run.
    QObject *view = named("boardView0", page);
    QVERIFY(view);
    QObject *table = page->property("boardTables").toList().value(0).value<QObject *>();
    QCOMPARE(table->property("count").toInt(), kRecords);
    STEP(SceneSteps::screenshot(m_window, "kestrum2-results-table.png"));
    STEP(showTab(view, "tabChart"));
    QObject *chart = named("temperatureChart", view);
    QVERIFY(chart);
    for (const QVariant &series : chart->property("series").toList())
        QCOMPARE(qobject_cast<QtCharts::QXYSeries *>(series.value<QObject *>())->count(), kRecords);
    STEP(SceneSteps::screenshot(m_window, "kestrum2-results-chart.png"));
    STEP(showTab(view, "tabResults"));
    QVERIFY(!text("boxMax", named("box_dryTemperature", view)).isEmpty());
    QCOMPARE(text("boxMax", named("box_dryTemperature", view)).contains("---"), false);
    STEP(SceneSteps::screenshot(m_window, "kestrum2-results-boxes.png"));

    STEP(printReport(kKestrum2));

    // Back on the device page, the runs are still listed.
    STEP(SceneSteps::click(item("backButton")));
    QCOMPARE(state(), QString("Kestrum2State"));
    QCOMPARE(named("experimentList", named("pageKestrum2"))->property("count").toInt(), 2);
}

void TstKestrumApp::expansionBoardsOfAKestrum4()
{
    STEP(openInstrument(kKestrum4));
    QObject *page = named("pageKestrum4");
    QObject *list = named("listview", named("experimentList", page));
    QCOMPARE(text("runLabel", listRow(list, 0)), QString("RUN 0:"));
    QCOMPARE(text("runLabel", listRow(list, 1)), QString("RUN 1:"));
    QCOMPARE(text("runSize", listRow(list, 1)), QString("Size: %1").arg(kRecords + 5));
    STEP(SceneSteps::screenshot(m_window, "kestrum4-device-page.png"));

    QQuickWindow *window = openConfiguration(kKestrum4);
    QVERIFY(window);
    QCOMPARE(window->title(), QString("Kestrum 4 - Configuration"));
    STEP(SceneSteps::screenshot(window, "kestrum4-configuration.png"));
    STEP(SceneSteps::click(item("closeCfgBtn", window)));

    STEP(download(kKestrum4, 1, m_dir.filePath("boards")));
    QCOMPARE(state(), QString("Kestrum4ResultsState"));
    QObject *results = named("pageKestrum4Results");
    QCOMPARE(text("infoExperiment", named("kestrum4ExpInfo", results)), QString("RUN 1"));

    // The main unit and three expansion boards, each with its view.
    QObject *boards = named("boardList", results);
    QCOMPARE(boards->property("count").toInt(), 4);
    QCOMPARE(text("boardName", listRow(boards, 0)), QString("Main"));
    for (int board = 1; board < 4; ++board)
        QCOMPARE(text("boardName", listRow(boards, board)), QString("Expansion"));
    QObject *stack = named("boardStack", results);
    QCOMPARE(results->property("boardCount").toInt(), 4);
    STEP(SceneSteps::screenshot(m_window, "kestrum4-results-main.png"));
    STEP(SceneSteps::click(listRow(boards, 3)));
    QCOMPARE(stack->property("currentIndex").toInt(), 3);
    QObject *view = named("boardView3", results);
    QVERIFY(qobject_cast<QQuickItem *>(view)->isVisible());
    STEP(showTab(view, "tabChart"));
    STEP(SceneSteps::screenshot(m_window, "kestrum4-results-expansion-chart.png"));
    STEP(showTab(view, "tabResults"));
    STEP(SceneSteps::screenshot(m_window, "kestrum4-results-expansion-boxes.png"));

    STEP(printReport(kKestrum4));
}

void TstKestrumApp::filesOfSeveralRunsAreStepped_data()
{
    QTest::addColumn<bool>("kestrum4");
    QTest::newRow("KESTRUM 2 file") << false;
    QTest::newRow("KESTRUM 4 file") << true;
}

// Two runs saved in one file are opened from the home page and stepped
// with the arrows.
void TstKestrumApp::filesOfSeveralRunsAreStepped()
{
    QFETCH(bool, kestrum4);
    const Family &family = kestrum4 ? kKestrum4 : kKestrum2;
    STEP(openInstrument(family));
    const QString path = m_dir.filePath(QString("both.%1").arg(family.extension));
    QCOMPARE(m_core->createExperiment("[0,1]"), 0);
    QCOMPARE(m_core->saveExperimentToFile(QUrl::fromLocalFile(path).toString()), 0);
    STEP(SceneSteps::click(item("backButton")));
    STEP(SceneSteps::click(item("backButton")));
    QTRY_COMPARE(state(), QString());

    call(named("pageHome"), "openFile", QUrl::fromLocalFile(path).toString());
    QTRY_COMPARE(state(), QString(kestrum4 ? "Kestrum4ResultsState" : "Kestrum2ResultsState"));
    STEP(stepArrows(family));
}

void TstKestrumApp::stepArrows(const Family &family)
{
    QObject *page = named(family.resultsPage);
    QQuickItem *previous = item("previousRun", page);
    QQuickItem *next = item("nextRun", page);
    QObject *table = page->property("boardTables").toList().value(0).value<QObject *>();
    const int firstCount = table->property("count").toInt();
    QVERIFY(!previous->property("shown").toBool());
    QVERIFY(next->property("shown").toBool());
    STEP(SceneSteps::click(next));
    QTRY_VERIFY(previous->property("shown").toBool());
    QVERIFY(!next->property("shown").toBool());
    QVERIFY(table->property("count").toInt() != firstCount);
    QCOMPARE(text("infoEvent", named("infoLoader", page)), QString("2"));
    STEP(SceneSteps::click(previous));
    QTRY_VERIFY(next->property("shown").toBool());
    QVERIFY(!previous->property("shown").toBool());
    QCOMPARE(table->property("count").toInt(), firstCount);
}

void TstKestrumApp::linkLostDuringDownload()
{
    STEP(openInstrument(kKestrum2));
    QObject *page = named("pageKestrum2");
    STEP(SceneSteps::click(listRow(named("listview", named("experimentList", page)), 0)));
    m_kestrum2->scriptFault("AT+VFRDXP", SimulatedInstrument::Fault::DropLink, 2);
    const QString path = m_dir.filePath("lost.ksm");
    QCOMPARE(call(page, "saveChosenRun", QUrl::fromLocalFile(path).toString()).toInt(), -3);
    QTRY_VERIFY(rootDialog("devDisconnectedDialog")->property("visible").toBool());
    QCOMPARE(state(), QString());
    QVERIFY(item("pageHome")->isVisible());
    QVERIFY(!rootDialog("downloadFailDialog")->property("visible").toBool());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(page->property("downloading").toBool(), false);
}

QTEST_MAIN(TstKestrumApp)
#include "tst_kestrumapp.moc"

// A long report written from the results page of a reopened file: the
// window goes on drawing while the worker writes it, the pages wait under
// "page k of N" until N of N, and the report reaches the viewer as before.
void TstKestrumApp::longReportKeepsTheWindowDrawing()
{
    SimulatedKestrumRuns::Header header;
    header.sampleSeconds = 1;
    header.expansionBoards = 3;
    const QString data = m_dir.filePath("long");
    {
        Core downloaded;
        Core opened;
        QVERIFY(KestrumReportRun::downloadAndOpen(
            "KESTRUM 4", SimulatedKestrumRuns::makeKestrum4Run(2, kLongRun, runStart(24), header),
            data, downloaded, opened));
    }
    call(named("pageHome"), "openFile", QUrl::fromLocalFile(data + ".ks4").toString());
    QTRY_COMPARE(state(), QString("Kestrum4ResultsState"));
    QObject *page = named(kKestrum4.resultsPage);
    auto *report = qobject_cast<QQuickWindow *>(named(kKestrum4.report, page));
    STEP(SceneSteps::click(item("generateReport", page)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    const QString pdf = m_dir.filePath("long.pdf");
    QVERIFY(
        named("fileName", report)->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));

    int frames = 0;
    QList<QPair<int, int>> progress;
    QStringList shown;
    QObject *busy = named("busyText");
    connect(m_window, &QQuickWindow::afterRendering, this,
            [&] { frames += m_core->reportRunning() ? 1 : 0; }, Qt::DirectConnection);
    // The shell's own handler has run by then: what it shows is read here.
    connect(m_core.get(), &Core::reportProgress, this, [&](int written, int pages) {
        progress.append({written, pages});
        shown.append(busy->property("text").toString());
    });
    QSignalSpy finished(m_core.get(), &Core::reportFinished);
    ReportViewer viewer;
    STEP(SceneSteps::click(item("generatePdf", report)));
    QVERIFY(m_core->reportRunning());
    QVERIFY(!report->isVisible());
    QVERIFY(item("busyOverlay")->isVisible());
    QVERIFY(named("root")->property("navigationLocked").toBool());
    QVERIFY(finished.wait(600000));
    disconnect(m_window, &QQuickWindow::afterRendering, this, nullptr);
    disconnect(m_core.get(), &Core::reportProgress, this, nullptr);

    QCOMPARE(finished.first().first().toInt(), 0);
    QVERIFY2(frames > 0, "no frame was drawn while the report was written");
    QVERIFY(progress.size() > 2);
    const int pages = progress.last().second;
    QCOMPARE(progress.last().first, pages);
    QCOMPARE(shown.last(), QString("Writing the report: page %1 of %1").arg(pages));
    QCOMPARE(PdfText::pageCount(pdf), pages);
    QCOMPARE(viewer.opened, QList<QUrl>({QUrl::fromLocalFile(pdf)}));
    QVERIFY(!item("busyOverlay")->isVisible());
    QVERIFY(!named("root")->property("navigationLocked").toBool());
    QVERIFY(!report->isVisible());
    QVERIFY(!named("printerErrorDialog", report)->property("visible").toBool());
}
