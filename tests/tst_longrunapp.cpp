// Every model's results page and report window as a user sees them after a
// long run: 30,000 samples downloaded from the simulated instrument, each
// tab drawn at the desktop size and at the smallest window the application
// allows, and the report window at that smallest size. The downloads take a
// while, so the walk runs only when the screenshot script asks for its
// pictures (VALTRIX_LONG_RUN_SHOTS=1); the pictures are
// longrun-<model>-<tab>-<size>.png in the working directory.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "SceneSteps.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "TestIdle.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kSamples = 30000;
const QSize kDesktop(1280, 800);
const QSize kSmallest(800, 600);

// What a model's pages are called in the scene, and how its run list is
// downloaded once its first run is clicked.
struct ModelPages
{
    const char *productName;
    const char *devicePage;
    const char *download;
    const char *resultsState;
    const char *resultsPage;
    QList<const char *> tabs;
    const char *shotName;
    // The tabs of the report window, when it has any.
    QList<const char *> reportTabs = {};
    // The sample table whose flagged rows (the pumps' flows beyond their
    // limits) the pictures show.
    const char *flaggedTable = nullptr;
};

const QList<ModelPages> &allModels()
{
    static const QList<ModelPages> models = {
        {"DRAVO 2",
         "pageDravo2",
         "saveChosenRuns",
         "DravoResultsState",
         "pageDravoResults",
         {"tab_results", "tab_noise", "tab_histogram", "tab_leq", "tab_hearing"},
         "dravo2"},
        {"BEMARI",
         "pageBemari",
         "saveChosenRuns",
         "BemariResultsState",
         "pageBemariResults",
         {"tab_noise", "tab_leq", "tab_results"},
         "bemari"},
        {"BEMARI+",
         "pageBemariPlus",
         "saveChosenRuns",
         "BemariPlusResultsState",
         "pageBemariPlusResults",
         {"tab_noise", "tab_leq", "tab_results"},
         "bemariplus"},
        {"QUILLON",
         "pageQuillon",
         "downloadRuns",
         "QuillonResultsState",
         "pageQuillonResults",
         {"tab_daily", "tab_results", "tab_weighting", "tab_chart", "tab_octaves", "tab_samples"},
         "quillon",
         {"headerTab", "summarizeTab", "detailedTab", "extrasTab"}},
        {"KESTRUM 2",
         "pageKestrum2",
         "saveChosenRun",
         "Kestrum2ResultsState",
         "pageKestrum2Results",
         {"tabTable", "tabChart", "tabResults"},
         "kestrum2"},
        {"KESTRUM 4",
         "pageKestrum4",
         "saveChosenRun",
         "Kestrum4ResultsState",
         "pageKestrum4Results",
         {"tabTable", "tabChart", "tabResults"},
         "kestrum4"},
        {"TOLVAR 3 PLUS",
         "pageTolvar",
         "saveChosenRun",
         "TolvarResultsState",
         "pageTolvarResults",
         {"tabTable", "tabFlowChart", "tabPressChart", "tabResults"},
         "tolvar",
         {"tabItems", "tabIdentification", "tabPictures"},
         "sampleTable"},
        {"TOLVAR 4",
         "pageTolvar4",
         "saveChosenRun",
         "Tolvar4ResultsState",
         "pageTolvar4Results",
         {"tabTable", "tabFlowChart", "tabPressChart", "tabResults"},
         "tolvar4",
         {"tabItems", "tabIdentification", "tabPictures"},
         "sampleTable"},
        {"RUMO",
         "pageRumo",
         "downloadRuns",
         "RumoResultsState",
         "pageRumoResults",
         {"tab_table", "tab_charts", "tab_results"},
         "rumo"},
    };
    return models;
}

QString sizeName(const QSize &size)
{
    return QString("%1x%2").arg(size.width()).arg(size.height());
}

} // namespace

class TstLongRunApp : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void everyPageOfALongRun_data();
    void everyPageOfALongRun();

private:
    void shootTheConfiguration(const ModelPages &model);
    void downloadTheRun(const ModelPages &model);
    void showAFlaggedRow(const ModelPages &model);
    void shootEveryTab(const ModelPages &model, const QSize &size);
    void shootTheReportWindow(const ModelPages &model);
    QQuickWindow *shownWindowBesidesTheMain() const;

    std::unique_ptr<SimulatedInstrument> m_instrument;
    QTemporaryDir m_dir;
};

void TstLongRunApp::initTestCase()
{
    if (qgetenv("VALTRIX_LONG_RUN_SHOTS") != "1")
        QSKIP("The pictures of long runs are taken by the screenshot script");
    QVERIFY(m_dir.isValid());
    startWalks();
}

void TstLongRunApp::cleanup()
{
    closeScene();
    m_instrument.reset();
}

void TstLongRunApp::cleanupTestCase()
{
    endWalks();
}

void TstLongRunApp::everyPageOfALongRun_data()
{
    QTest::addColumn<int>("model");
    for (int m = 0; m < allModels().size(); ++m)
        QTest::newRow(allModels().at(m).productName) << m;
}

void TstLongRunApp::everyPageOfALongRun()
{
    QFETCH(int, model);
    const ModelPages &pages = allModels().at(model);
    m_instrument.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_instrument, pages.productName));
    addSimulatedRun(*m_instrument, 1, kSamples,
                    QDateTime(QDate(2024, 5, 17), QTime(8, 30), Qt::UTC));
    STEP(openScene({m_instrument->portPath()}));
    STEP(openFoundDevice(pages.productName, 1, TestIdle::QuietLinkMs));
    STEP(shootTheConfiguration(pages));
    STEP(downloadTheRun(pages));
    STEP(shootEveryTab(pages, kDesktop));
    STEP(shootEveryTab(pages, kSmallest));
    STEP(shootTheReportWindow(pages));
    STEP(resizeScene(kDesktop));
}

// The configuration window, for the models that have one, at the smallest
// size; it reads the instrument before it is drawn.
void TstLongRunApp::shootTheConfiguration(const ModelPages &model)
{
    QObject *page = named(model.devicePage);
    // The shared device page keeps the button, hidden, for the pumps.
    auto *configure = qobject_cast<QQuickItem *>(findNamed(page, "configureBtn"));
    if (!configure || !configure->isVisible())
        return;
    STEP(SceneSteps::click(configure));
    QQuickWindow *window = nullptr;
    QTRY_VERIFY((window = shownWindowBesidesTheMain()));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->resize(kSmallest);
    QTRY_COMPARE(window->size(), kSmallest);
    QTest::qWait(500);
    STEP(SceneSteps::screenshot(
        window,
        QString("longrun-%1-configuration-%2.png").arg(model.shotName, sizeName(kSmallest))));
    STEP(SceneSteps::click(item("closeCfgBtn", window)));
    QTRY_VERIFY(!window->isVisible());
}

// The first run, chosen in the list and downloaded into a file; the
// vibration meter asks for the exposure times first, which are kept.
void TstLongRunApp::downloadTheRun(const ModelPages &model)
{
    QObject *page = named(model.devicePage);
    QObject *runs = named("experimentList", page);
    QTRY_COMPARE(runs->property("count").toInt(), 1);
    STEP(SceneSteps::click(listRow(named("listview", runs), 0)));
    const QString path = m_dir.filePath(model.shotName);
    QCOMPARE(call(page, model.download, QUrl::fromLocalFile(path).toString()).toInt(), 0);
    STEP(waitForBackgroundWork());
    if (QByteArray(model.productName) == "QUILLON") {
        QTRY_COMPARE(state(), QString("QuillonComponentsState"));
        STEP(SceneSteps::click(item("nextBtn", named("pageQuillonExposureComponents"))));
    }
    QTRY_COMPARE(state(), QString(model.resultsState));
    QObject *results = named(model.resultsPage);
    QTRY_VERIFY(qobject_cast<QQuickItem *>(results)->isVisible());
    QTRY_COMPARE(m_core->samples()->property("count").toInt(), kSamples);
}

// Scrolls the table to a little above its first flagged row.
void TstLongRunApp::showAFlaggedRow(const ModelPages &model)
{
    QObject *results = named(model.resultsPage);
    QObject *table = named(model.flaggedTable, results);
    int row = 0;
    while (row < kSamples && !call(results, "isRedRow", row).toBool())
        ++row;
    QVERIFY2(row < kSamples, "no flagged row");
    const int listViewBeginning = 1;
    QVERIFY(QMetaObject::invokeMethod(table, "positionViewAtRow", Q_ARG(QVariant, qMax(0, row - 2)),
                                      Q_ARG(QVariant, listViewBeginning)));
}

void TstLongRunApp::shootEveryTab(const ModelPages &model, const QSize &size)
{
    STEP(resizeScene(size));
    QObject *results = named(model.resultsPage);
    if (model.flaggedTable)
        STEP(showAFlaggedRow(model));
    for (const char *tab : model.tabs) {
        STEP(SceneSteps::click(item(tab, results)));
        // The tab slides in before it is drawn in its place.
        QTest::qWait(500);
        STEP(SceneSteps::screenshot(
            m_window, QString("longrun-%1-%2-%3.png").arg(model.shotName, tab, sizeName(size))));
    }
}

void TstLongRunApp::shootTheReportWindow(const ModelPages &model)
{
    STEP(SceneSteps::click(item("generateReport", named(model.resultsPage))));
    QQuickWindow *report = nullptr;
    QTRY_VERIFY((report = shownWindowBesidesTheMain()));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    report->resize(kSmallest);
    QTRY_COMPARE(report->size(), kSmallest);
    const QString shot = QString("longrun-%1-report-window").arg(model.shotName);
    STEP(SceneSteps::screenshot(report, QString("%1-%2.png").arg(shot, sizeName(kSmallest))));
    for (const char *tab : model.reportTabs) {
        STEP(SceneSteps::click(item(tab, report)));
        QTest::qWait(500);
        STEP(SceneSteps::screenshot(report,
                                    QString("%1-%2-%3.png").arg(shot, tab, sizeName(kSmallest))));
    }
    report->close();
    QTRY_VERIFY(!report->isVisible());
}

QQuickWindow *TstLongRunApp::shownWindowBesidesTheMain() const
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quick = qobject_cast<QQuickWindow *>(window);
        if (quick && quick != m_window && quick->isVisible())
            return quick;
    }
    return nullptr;
}

QTEST_MAIN(TstLongRunApp)
#include "tst_longrunapp.moc"
