// The road of a "QUILLON" user through the real scene with a real Core,
// against a simulated vibration meter on a pseudo-terminal: everything is
// driven by the objects' names, as a user would click it. Only the native
// file dialog is answered through the page's own function, since it cannot
// be clicked offscreen.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "ReportViewer.h"
#include "SceneSteps.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedQuillon.h"
#include "SimulatedQuillonRuns.h"
#include "VfCsvFile.h"
#include "models/quillon/QuillonResults.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <ctime>
#include <memory>

namespace {

constexpr int kIdleMs = 250;
constexpr int kRecords = 25;

QuillonResults *resultsOf(Experiment *run)
{
    return run ? qobject_cast<QuillonResults *>(run->results()) : nullptr;
}

} // namespace

class TstQuillonApp : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void configureTheInstrument();
    void chooseDownloadAndEvaluate();
    void openedFileLeadsToTheExposureTimes();

private:
    // Row `row` of the list named `listName` under `from`.
    QQuickItem *rowOf(const char *listName, int row, QObject *from = nullptr) const;
    // Row `row` of the device page's run list.
    QQuickItem *runRow(int row) const;
    QQuickWindow *window(const char *objectName) const;

    // Offscreen only the screen grab gives the picture the user would see
    // (quillon-<name>.png in the working directory).
    void screenshot(const QString &name);
    void openInstrument();
    void setExposureTimes(const QStringList &times);
    void evaluate();
    void printReport();

    std::unique_ptr<SimulatedInstrument> m_instrument;
    SimulatedQuillon *m_quillon = nullptr;
    QTemporaryDir m_dir;
};

void TstQuillonApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    startWalks();
    // Far from the instrument's UTC-3, so that a time shifted by a zone
    // shows; numbers in the C locale.
    qputenv("TZ", "Asia/Tokyo");
    tzset();
    QLocale::setDefault(QLocale::c());
}

// Three runs: two whole-body runs, their a_mr 0.50 and 0.70, around a
// hand-arm one.
void TstQuillonApp::init()
{
    m_instrument.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_instrument, "QUILLON"));
    m_quillon = SimulatedQuillon::of(m_instrument.get());
    QVERIFY(m_quillon);
    const QDateTime start = parseDeviceDateTime("24/05/17,08:30:00-12");
    const struct
    {
        QByteArray type;
        QByteArray label;
        QByteArray amr;
    } runs[] = {{"B", "GRINDER", "0.50"}, {" ", "DRILL", "0.60"}, {"B", "TRUCK", "0.70"}};
    for (int i = 0; i < 3; ++i) {
        SimulatedQuillonRuns::Header header = SimulatedQuillonRuns::header(i + 1, kRecords);
        header.type = runs[i].type;
        header.label = runs[i].label;
        header.amrGlobal = runs[i].amr;
        m_instrument->addRun(
            SimulatedQuillonRuns::makeRun(i + 1, kRecords, start.addSecs(3600 * i), header));
    }
    openScene({m_instrument->portPath()});
}

void TstQuillonApp::cleanup()
{
    closeScene();
    m_quillon = nullptr;
    m_instrument.reset();
}

void TstQuillonApp::cleanupTestCase()
{
    endWalks();
}

// ------------------------------------------------------------------ helpers

QQuickItem *TstQuillonApp::rowOf(const char *listName, int row, QObject *from) const
{
    QObject *list = named(listName, from);
    if (QObject *inner = list ? findNamed(list, QStringLiteral("listview")) : nullptr)
        list = inner;
    return listRow(list, row);
}

QQuickItem *TstQuillonApp::runRow(int row) const
{
    return rowOf("experimentList", row, named("pageQuillon"));
}

QQuickWindow *TstQuillonApp::window(const char *objectName) const
{
    return qobject_cast<QQuickWindow *>(named(objectName));
}

void TstQuillonApp::screenshot(const QString &name)
{
    SceneSteps::screenshot(m_window, "quillon-" + name + ".png");
}

// Finds the vibration meter and opens its page.
void TstQuillonApp::openInstrument()
{
    STEP(openFoundDevice("QUILLON", 1, kIdleMs));
    QTRY_COMPARE(state(), QString("QuillonState"));
    QTRY_COMPARE(named("experimentList", named("pageQuillon"))->property("count").toInt(), 3);
    QCOMPARE(text("runLabel", runRow(0)), QString("1: RUN 1"));
    QCOMPARE(runRow(1)->property("type").toString(), QString("H"));
    QCOMPARE(text("runSize", runRow(2)), QString("Size: %1").arg(kRecords));
}

// Types each row's exposure time into its field and presses "Next".
void TstQuillonApp::setExposureTimes(const QStringList &times)
{
    QObject *page = named("pageQuillonExposureComponents");
    for (int row = 0; row < times.size(); ++row) {
        QQuickItem *field = item("exposureField", rowOf("expCompList", row, page));
        QVERIFY(field);
        QVERIFY(field->setProperty("text", times.at(row)));
    }
    STEP(SceneSteps::click(item("nextBtn", page)));
}

// -------------------------------------------------------------------- walks

void TstQuillonApp::configureTheInstrument()
{
    STEP(openInstrument());
    QObject *page = named("pageQuillon");
    STEP(SceneSteps::click(item("configureBtn", page)));
    QQuickWindow *config = window("quillonConfiguration");
    QTRY_VERIFY(config->isVisible());
    QCOMPARE(config->title(), QString("Quillon - Configuration"));
    QCOMPARE(text("sampleTimeField", config), QString("01:15"));

    // A time the instrument would not take is explained, not sent.
    m_instrument->clearCommands();
    for (const char *refused : {"1:15", "60:00"}) {
        QVERIFY(named("sampleTimeField", config)->setProperty("text", QString(refused)));
        STEP(SceneSteps::click(item("applyCfgBtn", config)));
        QCOMPARE(text("cfgMessage", config),
                 QString("The sample time field shall have mm:ss format"));
    }
    QVERIFY(config->isVisible());
    QVERIFY(m_instrument->commands().isEmpty());

    QVERIFY(named("sampleTimeField", config)->setProperty("text", QString("10:00")));
    STEP(SceneSteps::click(item("applyCfgBtn", config)));
    QTRY_VERIFY(rootDialog("configSuccesfulDialog")->property("visible").toBool());
    QVERIFY(!config->isVisible());
    QVERIFY(m_instrument->commands().contains("AT+VFINTVL=600"));
    QCOMPARE(m_quillon->intervalSeconds, 600);
    QMetaObject::invokeMethod(rootDialog("configSuccesfulDialog"), "close");

    // "Erase memory" asks first.
    STEP(SceneSteps::click(item("configureBtn", page)));
    QTRY_VERIFY(config->isVisible());
    QCOMPARE(text("sampleTimeField", config), QString("10:00"));
    QObject *dialogs = named("quillonConfigDialogs", config);
    STEP(SceneSteps::click(item("eraseMemoryBtn", config)));
    QTRY_VERIFY(named("eraseDialog", dialogs)->property("visible").toBool());
    QCOMPARE(m_instrument->runs().size(), 3);
    STEP(answerMessageBox(QMessageBox::Yes));
    QTRY_VERIFY(named("eraseSuccessfulDialog", dialogs)->property("visible").toBool());
    QVERIFY(m_instrument->runs().isEmpty());
    QCOMPARE(named("experimentList", page)->property("count").toInt(), 0);
    // Only the window in use tells of the erase: every family's page hears it.
    QVERIFY(!named("eraseInProgressDialog", named("dravo2ConfigDialogs"))
                 ->property("visible")
                 .toBool());
    STEP(answerMessageBox(QMessageBox::Ok));
    STEP(SceneSteps::click(item("closeCfgBtn", config)));
}

void TstQuillonApp::chooseDownloadAndEvaluate()
{
    STEP(openInstrument());
    QObject *page = named("pageQuillon");
    QObject *saveDialog = named("saveDialog", page);

    // A choice of no run, or of runs of two applications, is explained.
    STEP(SceneSteps::click(item("acceptBtn", page)));
    QCOMPARE(text("selectionWarning", page),
             QString("You shall select at least one exposure component"));
    STEP(SceneSteps::click(runRow(0)));
    STEP(SceneSteps::click(item("runCheck", runRow(1))));
    QCOMPARE(page->property("chosenRuns").toList(), QVariantList({0, 1}));
    STEP(SceneSteps::click(item("acceptBtn", page)));
    QCOMPARE(text("selectionWarning", page),
             QString("The selected exposure components shall be the same application"));
    QVERIFY(!saveDialog->property("visible").toBool());

    // Two whole-body runs ask for the file, then download into it.
    STEP(SceneSteps::click(runRow(1)));
    STEP(SceneSteps::click(runRow(2)));
    STEP(SceneSteps::click(item("acceptBtn", page)));
    QTRY_VERIFY(saveDialog->property("visible").toBool());
    QCOMPARE(text("selectionWarning", page), QString());
    STEP(screenshot("device-page"));
    QList<double> progress;
    connect(m_core.get(), &Core::progressBarUpdated, this,
            [&](double value) { progress.append(value); });
    const QString path = m_dir.filePath("day");
    QVariant result;
    QMetaObject::invokeMethod(page, "downloadRuns", Q_RETURN_ARG(QVariant, result),
                              Q_ARG(QVariant, QUrl::fromLocalFile(path).toString()));
    disconnect(m_core.get(), &Core::progressBarUpdated, this, nullptr);
    QCOMPARE(result.toInt(), 0);
    STEP(waitForBackgroundWork());
    QVERIFY(
        std::any_of(progress.begin(), progress.end(), [](double v) { return v > 0 && v < 100; }));
    QCOMPARE(named("downloadProgress", page)->property("value").toDouble(), 100.0);
    QFile file(path + ".qln");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root;
    QCOMPARE(DataFileEnvelope::decode(file.readAll(), root), DataFileEnvelope::Ok);
    QCOMPARE(DataFileEnvelope::runObjects(root).size(), 2);

    STEP(evaluate());
    STEP(printReport());
}

// The exposure times, then the results of the day.
void TstQuillonApp::evaluate()
{
    QTRY_COMPARE(state(), QString("QuillonComponentsState"));
    QObject *times = named("pageQuillonExposureComponents");
    QCOMPARE(named("expCompList", times)->property("count").toInt(), 2);
    QQuickItem *first = rowOf("expCompList", 0, times);
    QCOMPARE(text("expEvent", first), QString("1"));
    QCOMPARE(text("expLabel", first), QString("GRINDER"));
    QCOMPARE(text("exposureField", first), QString("01:30"));
    QCOMPARE(text("expLabel", rowOf("expCompList", 1, times)), QString("TRUCK"));
    STEP(screenshot("exposure-times"));

    // A time past the day, or times of more than a day, are explained and
    // nothing is sent; in the smallest window the message moves nothing.
    STEP(resizeScene(QSize(800, 600)));
    QQuickItem *nextButton = item("nextBtn", times);
    const QPointF nextPlace = nextButton->mapToScene(QPointF(0, 0));
    QSignalSpy updated(m_core.get(), &Core::resultsUpdated);
    STEP(setExposureTimes({"02:00", "25:00"}));
    QVERIFY(named("warningMessage", times)->property("shown").toBool());
    QCOMPARE(text("warningMessage", times), QString("Exposure time shall have hh:mm format"));
    QCOMPARE(nextButton->mapToScene(QPointF(0, 0)), nextPlace);
    STEP(setExposureTimes({"23:00", "01:01"}));
    QCOMPARE(text("warningMessage", times),
             QString("The exposure times of one day shall add up to 24:00 at most"));
    QCOMPARE(nextButton->mapToScene(QPointF(0, 0)), nextPlace);
    STEP(screenshot("exposure-times-warning"));
    QCOMPARE(updated.count(), 0);
    QCOMPARE(state(), QString("QuillonComponentsState"));

    // a_mr 0.50 for 2 h and 0.70 for 1.5 h over a day of 8 h.
    STEP(setExposureTimes({"02:00", "01:30"}));
    QTRY_COMPARE(state(), QString("QuillonResultsState"));
    QObject *results = named("pageQuillonResults");
    QTRY_COMPARE(results->property("shownRun").toInt(),
                 m_core->samples()->property("runId").toInt());
    QCOMPARE(text("are", results), QString("0.39"));
    QCOMPARE(text("info_label", results), QString("GRINDER"));
    QCOMPARE(text("info_exposureTime", results), QString("02:00"));
    QCOMPARE(text("info_startTime", results), QString("08:30:00"));
    QCOMPARE(results->property("samplesModel").value<QObject *>()->property("count").toInt(),
             kRecords);

    // Working hours rescale are; a day without working time changes nothing.
    QVERIFY(named("workingHoursField", results)->setProperty("text", QString("06:00")));
    STEP(SceneSteps::click(item("workingHoursApply", results)));
    QTRY_COMPARE(text("are", results), QString("0.45"));
    // The message of hours refused is drawn below the field: in the
    // smallest window nothing of the page moves for it.
    QList<QQuickItem *> controls;
    QList<QPointF> places;
    for (const char *name :
         {"generateReport", "nextRun", "previousRun", "arepButton", "quillonTabs"}) {
        controls.append(item(name, results));
        places.append(controls.last()->mapToScene(QPointF(0, 0)));
    }
    QVERIFY(named("workingHoursField", results)->setProperty("text", QString("00:00")));
    STEP(SceneSteps::click(item("workingHoursApply", results)));
    QCOMPARE(text("workingHoursError", results),
             QString("Working hours shall be longer than 00:00"));
    QVERIFY(named("workingHoursError", results)->property("visible").toBool());
    for (int c = 0; c < controls.size(); ++c)
        QCOMPARE(controls.at(c)->mapToScene(QPointF(0, 0)), places.at(c));
    STEP(screenshot("working-hours-warning"));
    STEP(resizeScene(sceneWindowSize()));
    QCOMPARE(QuillonResults::workingHours(), QString("06:00"));
    QCOMPARE(text("are", results), QString("0.45"));

    // The a_rep switch of the run shown recombines the day; the field shows
    // the hours in use again, and the message of the refused ones is gone.
    STEP(SceneSteps::click(item("arepButton", results)));
    QTRY_VERIFY(text("are", results) != QString("0.45"));
    QCOMPARE(text("workingHoursField", results), QString("06:00"));
    QCOMPARE(text("workingHoursError", results), QString());
    QVERIFY(resultsOf(m_core->currentExperiment())->bArepEvaluation());
    QVERIFY(named("arepButton", results)->property("checked").toBool());

    // The run buttons step through the runs.
    QQuickItem *previous = item("previousRun", results);
    QQuickItem *next = item("nextRun", results);
    QVERIFY(!previous->isEnabled());
    STEP(SceneSteps::click(next));
    QTRY_COMPARE(text("info_label", results), QString("TRUCK"));
    QCOMPARE(text("info_event", results), QString("2"));
    QVERIFY(!next->isEnabled());
    STEP(SceneSteps::click(previous));
    QTRY_COMPARE(text("info_label", results), QString("GRINDER"));

    // Every tab shows.
    for (const char *tab :
         {"tab_daily", "tab_results", "tab_weighting", "tab_chart", "tab_octaves", "tab_samples"}) {
        STEP(SceneSteps::click(item(tab, results)));
        STEP(screenshot(QString::fromLatin1(tab)));
    }
    QVERIFY(item("samplesTable", results)->isVisible());
    QCOMPARE(text("averageX", results), QString("0.35"));
}

// The report window sends its options to core; the PDF reaches the
// desktop's viewer and the CSV lies beside it.
void TstQuillonApp::printReport()
{
    QObject *page = named("pageQuillonResults");
    auto *report =
        qobject_cast<QQuickWindow *>(page->property("printerConfiguration").value<QObject *>());
    STEP(SceneSteps::click(item("generateReport", page)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(report->title(), QString("Quillon - Report configuration"));

    STEP(SceneSteps::click(item("generatePdf", report)));
    QVERIFY(named("fileNameError", report)->property("shown").toBool());
    QCOMPARE(text("fileNameError", report), QString("File name shall not be empty"));
    QVERIFY(report->isVisible());

    const QString pdf = m_dir.filePath("day-report.pdf");
    QVERIFY(
        named("fileName", report)->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));
    STEP(SceneSteps::click(item("ckbCsv", report)));
    ReportViewer viewer;
    STEP(SceneSteps::click(item("generatePdf", report)));
    STEP(waitForBackgroundWork());
    QVERIFY(!report->isVisible());
    QCOMPARE(viewer.opened, QList<QUrl>({QUrl::fromLocalFile(pdf)}));
    QVERIFY(QFile::exists(pdf));
    QVERIFY(QFile::exists(VfCsvFile::besidePdf(pdf)));
    QVERIFY(!rootDialog("printerErrorDialog")->property("visible").toBool());
}

// A time typed but never sent belongs to the runs it was typed for: the same
// runs opened again from their file show, and send, their own exposure time.
void TstQuillonApp::openedFileLeadsToTheExposureTimes()
{
    // A day downloaded before, saved as the device page saves it.
    STEP(openInstrument());
    QObject *page = named("pageQuillon");
    STEP(SceneSteps::click(runRow(0)));
    const QString path = m_dir.filePath("saved.qln");
    QVariant result;
    QMetaObject::invokeMethod(page, "downloadRuns", Q_RETURN_ARG(QVariant, result),
                              Q_ARG(QVariant, QUrl::fromLocalFile(path).toString()));
    QCOMPARE(result.toInt(), 0);
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("QuillonComponentsState"));
    QObject *times = named("pageQuillonExposureComponents");
    const QString recorded = text("exposureField", rowOf("expCompList", 0, times));
    QCOMPARE(recorded, QString("01:30"));
    QVERIFY(named("exposureField", rowOf("expCompList", 0, times))->setProperty("text", "04:44"));
    STEP(SceneSteps::click(item("backButton")));
    STEP(SceneSteps::click(item("backButton")));
    QTRY_COMPARE(state(), QString());

    QMetaObject::invokeMethod(named("pageHome"), "openFile",
                              Q_ARG(QVariant, QUrl::fromLocalFile(path).toString()));
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("QuillonComponentsState"));
    QCOMPARE(named("expCompList", times)->property("count").toInt(), 1);
    QCOMPARE(text("exposureField", rowOf("expCompList", 0, times)), recorded);
    STEP(SceneSteps::click(item("nextBtn", times)));
    QTRY_COMPARE(state(), QString("QuillonResultsState"));
    QObject *results = named("pageQuillonResults");
    QCOMPARE(text("info_label", results), QString("GRINDER"));
    // What the row showed is what was sent, and what the day was computed
    // from.
    QCOMPARE(resultsOf(m_core->currentExperiment())->exposureTime(), recorded);
    QCOMPARE(text("info_exposureTime", results), recorded);
}

QTEST_MAIN(TstQuillonApp)
#include "tst_quillonapp.moc"
