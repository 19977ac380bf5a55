// The road of a "DRAVO 2" user through the real scene with a real Core,
// against a simulated dosimeter on a pseudo-terminal: everything is driven by
// the objects' names, as a user would click it. Only the native file dialog
// is answered through the page's own function, since it cannot be clicked
// offscreen.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "Experiment.h"
#include "Interface.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "ReportViewer.h"
#include "SceneSteps.h"
#include "SimulatedDravo2.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "TestIdle.h"
#include "VfPrinter.h"
#include "models/dravo2/Dravo2Results.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QWheelEvent>
#include <QXYSeries>
#include <QtTest>

#include <memory>

namespace {

constexpr int kIdleMs = TestIdle::QuietLinkMs;
constexpr int kRecordsOfRun0 = 45;
constexpr int kRecordsOfRun1 = 25;

QDateTime runStart(int day)
{
    return QDateTime(QDate(2024, 5, day), QTime(8, 30), Qt::UTC);
}

Dravo2Results *resultsOf(Experiment *run)
{
    return run ? qobject_cast<Dravo2Results *>(run->results()) : nullptr;
}

} // namespace

class TstDravo2App : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void configureTheInstrument();
    void programSchedules();
    void downloadSaveAndEvaluate();
    void eraseTheMemory();
    void linkLostDuringDownload();
    void configurationOpensWithABusySlot();
    void navigationWaitsForTheDownload();
    void resultsAndReportShowTheInstrumentTime();
    void reportWindowAtItsMinimumSize();
    void failedWritesSayWhy();

private:
    QQuickWindow *configWindow() const;
    QObject *configDialog(const char *dialogName) const;
    QQuickItem *runRow(int row) const;
    QQuickItem *scheduleRow(int row) const;
    void click(QQuickItem *target);
    void setText(const char *objectName, const QString &text, QObject *from);
    void answerMessageBox(QMessageBox::StandardButton button);
    void screenshot(QQuickWindow *window, const QString &fileName);
    QString resultText(const char *box, const char *value) const;
    int shownSamples() const;

    void stepThroughRuns();
    void changeWorkingHours();
    void recalculateHearingProtector();
    void printReport();

    void openInstrument();
    void openConfiguration();
    void addSchedule(int day, const QString &label, const QString &start, const QString &stop,
                     const QString &pause = QString(), const QString &resume = QString());
    QString scheduleMessage() const;

    std::unique_ptr<SimulatedInstrument> m_instrument;
    SimulatedDravo2 *m_dravo = nullptr;
    QTemporaryDir m_dir;
};

void TstDravo2App::initTestCase()
{
    QVERIFY(m_dir.isValid());
    startWalks();
}

void TstDravo2App::init()
{
    m_instrument.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_instrument, "DRAVO 2"));
    m_dravo = SimulatedDravo2::of(m_instrument.get());
    QVERIFY(m_dravo);
    addSimulatedRun(*m_instrument, 0, kRecordsOfRun0, runStart(17));
    addSimulatedRun(*m_instrument, 1, kRecordsOfRun1, runStart(18));
    openScene({m_instrument->portPath()});
}

void TstDravo2App::cleanup()
{
    closeScene();
    m_dravo = nullptr;
    m_instrument.reset();
}

void TstDravo2App::cleanupTestCase()
{
    endWalks();
}

// ------------------------------------------------------------------ helpers

QQuickWindow *TstDravo2App::configWindow() const
{
    return qobject_cast<QQuickWindow *>(named("dravo2Configuration"));
}

QObject *TstDravo2App::configDialog(const char *dialogName) const
{
    return named(dialogName, named("dravo2ConfigDialogs", configWindow()));
}

QQuickItem *TstDravo2App::runRow(int row) const
{
    return listRow(named("listview", named("experimentList", named("pageDravo2"))), row);
}

QQuickItem *TstDravo2App::scheduleRow(int row) const
{
    return listRow(named("scheduleListView", configWindow()), row);
}

void TstDravo2App::click(QQuickItem *target)
{
    SceneSteps::click(target);
}

void TstDravo2App::setText(const char *objectName, const QString &text, QObject *from)
{
    QObject *field = named(objectName, from);
    QVERIFY(field);
    QVERIFY(field->setProperty("text", text));
}

// The message boxes are the platform's dialogs; a user answers them with
// their buttons.
void TstDravo2App::answerMessageBox(QMessageBox::StandardButton button)
{
    ::answerMessageBox(button);
}

void TstDravo2App::screenshot(QQuickWindow *window, const QString &fileName)
{
    SceneSteps::screenshot(window, fileName);
}

// Finds the dosimeter and opens its page.
void TstDravo2App::openInstrument()
{
    click(item("findBtn"));
    QObject *devices = named("listview", named("devsearch"));
    QTRY_COMPARE(devices->property("count").toInt(), 1);
    for (QObject *object : m_core->deviceList().value<QList<QObject *>>())
        qobject_cast<Device *>(object)->interface()->setIdleTimeout(kIdleMs);

    QQuickItem *row = nullptr;
    QMetaObject::invokeMethod(devices, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row),
                              Q_ARG(int, 0));
    QCOMPARE(row->property("productName").toString(), QString("DRAVO 2"));
    click(row);
    QTRY_COMPARE(state(), QString("Dravo2State"));
    QVERIFY(item("pageDravo2")->isVisible());
    QTRY_COMPARE(named("experimentList", named("pageDravo2"))->property("count").toInt(), 2);
    QCOMPARE(named("runLabel", runRow(0))->property("text").toString(), QString("RUN 0:"));
    const QString date = named("runDate", runRow(0))->property("text").toString();
    QVERIFY2(date.startsWith("Date: ") && date.contains("17") && date.contains("24"),
             qPrintable(date));
    QCOMPARE(named("runSize", runRow(1))->property("text").toString(),
             QString("Size: %1").arg(kRecordsOfRun1));
}

void TstDravo2App::openConfiguration()
{
    click(item("configureBtn", named("pageDravo2")));
    QTRY_VERIFY(configWindow()->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(configWindow()));
}

void TstDravo2App::addSchedule(int day, const QString &label, const QString &start,
                               const QString &stop, const QString &pause, const QString &resume)
{
    QObject *form = named("scheduleConfig", configWindow());
    setText("monthDayField", day > 0 ? QString::number(day) : QString(), form);
    setText("labelField", label, form);
    setText("startTimeField", start, form);
    setText("stopTimeField", stop, form);
    const bool pausable = !pause.isEmpty();
    QObject *breakCheck = named("breakCheck", form);
    if (breakCheck->property("checked").toBool() != pausable)
        click(qobject_cast<QQuickItem *>(breakCheck));
    if (pausable) {
        setText("pauseTimeField", pause, form);
        setText("resumeTimeField", resume, form);
    }
    click(item("addScheduleBtn", form));
}

QString TstDravo2App::scheduleMessage() const
{
    return named("scheduleMessage", configWindow())->property("text").toString();
}

QString TstDravo2App::resultText(const char *box, const char *value) const
{
    return named(value, named(box, named("pageDravoResults")))->property("text").toString();
}

int TstDravo2App::shownSamples() const
{
    QObject *model = named("pageDravoResults")->property("samplesModel").value<QObject *>();
    return model ? model->property("count").toInt() : -1;
}

// -------------------------------------------------------------------- walks

void TstDravo2App::configureTheInstrument()
{
    STEP(openInstrument());
    STEP(screenshot(m_window, "dravo2-device-page.png"));

    // The window shows what the instrument holds.
    STEP(openConfiguration());
    QQuickWindow *window = configWindow();
    QCOMPARE(window->title(), QString("Dravo 2 - Configuration"));
    QCOMPARE(window->modality(), Qt::ApplicationModal);
    QVERIFY(named("timeSlow", window)->property("checked").toBool());
    QVERIFY(named("frequencyA", window)->property("checked").toBool());
    QVERIFY(named("octave1_1", window)->property("checked").toBool());
    QCOMPARE(named("durationField", window)->property("text").toString(), QString("08:00"));
    QCOMPARE(named("actionLevel", window)->property("value").toInt(), 80);
    QCOMPARE(named("criterionLevel", window)->property("value").toInt(), 85);
    QCOMPARE(named("exchangeRate", window)->property("value").toInt(), 3);
    QCOMPARE(named("actionLevel", window)->property("from").toInt(), 0);
    QCOMPARE(named("criterionLevel", window)->property("from").toInt(), 50);
    QCOMPARE(named("exchangeRate", window)->property("to").toInt(), 6);
    QVERIFY(!named("scheduleCheck", window)->property("checked").toBool());
    QCOMPARE(window->property("scheduleMaxTimeFromDravo2").toInt(), 9 * 3600);
    QVERIFY(
        named("calibrationInfo", window)->property("text").toString().startsWith("CERT-0001 ("));
    STEP(screenshot(window, "dravo2-configuration-dosimeter.png"));

    // A duration the instrument would not take is explained, not sent.
    m_instrument->clearCommands();
    QQuickItem *duration = item("durationField", window);
    STEP(click(duration));
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    for (char digit : QByteArray("1000"))
        QTest::keyClick(window, digit);
    QCOMPARE(duration->property("text").toString(), QString("10:00"));
    STEP(click(item("applyCfgBtn", window)));
    QCOMPARE(named("cfgMessage", window)->property("text").toString(),
             QString("The experiment duration shall not be higher than 9 hours"));
    STEP(setText("durationField", "24:00", window));
    STEP(click(item("applyCfgBtn", window)));
    QCOMPARE(named("cfgMessage", window)->property("text").toString(),
             QString("The experiment duration field shall have hh:mm format"));
    QVERIFY(window->isVisible());
    QVERIFY(m_instrument->commands().isEmpty());

    // New settings reach the instrument.
    STEP(click(item("timeImpulse", window)));
    STEP(click(item("frequencyC", window)));
    STEP(click(item("octave1_3", window)));
    QVERIFY(named("actionLevel", window)->setProperty("value", 75));
    QVERIFY(named("criterionLevel", window)->setProperty("value", 90));
    QVERIFY(named("exchangeRate", window)->setProperty("value", 5));
    STEP(setText("durationField", "07:30", window));
    STEP(click(item("scheduleCheck", window)));
    STEP(click(item("applyCfgBtn", window)));
    QTRY_VERIFY(rootDialog("configSuccesfulDialog")->property("visible").toBool());
    QVERIFY(!window->isVisible());
    QCOMPARE(named("cfgMessage", window)->property("text").toString(), QString());
    QCOMPARE(m_dravo->timeWeighting, QByteArray("Impulse"));
    QCOMPARE(m_dravo->frequencyWeighting, QByteArray("C"));
    QCOMPARE(m_dravo->octaveAnalysis, QByteArray("1/3"));
    QCOMPARE(m_dravo->thresholdLevel, 75);
    QCOMPARE(m_dravo->criterionLevel, 90);
    QCOMPARE(m_dravo->exchangeRate, 5);
    QCOMPARE(m_dravo->experimentDurationSeconds, 7 * 3600 + 30 * 60);
    QCOMPARE(m_dravo->scheduleMode, 1);
    QMetaObject::invokeMethod(rootDialog("configSuccesfulDialog"), "close");

    // Opened again, the window reads the instrument anew.
    STEP(openConfiguration());
    QVERIFY(named("timeImpulse", window)->property("checked").toBool());
    QCOMPARE(named("durationField", window)->property("text").toString(), QString("07:30"));
    QCOMPARE(named("exchangeRate", window)->property("value").toInt(), 5);
    STEP(click(item("closeCfgBtn", window)));
    QVERIFY(!window->isVisible());
}

void TstDravo2App::programSchedules()
{
    STEP(openInstrument());
    STEP(openConfiguration());
    QQuickWindow *window = configWindow();
    STEP(click(item("scheduleTab", window)));
    QTRY_VERIFY(item("schedulePage", window)->isVisible());
    QObject *table = named("scheduleTable", window);
    QObject *form = named("scheduleConfig", window);
    QCOMPARE(table->property("count").toInt(), 0);

    // The form explains each field it cannot take; nothing reaches core.
    STEP(addSchedule(32, "Day", "08:00", "12:00"));
    QCOMPARE(scheduleMessage(), QString("The day shall be between 1 and 31"));
    QCOMPARE(form->property("state").toString(), QString("dayError"));
    STEP(addSchedule(0, "Day", "08:00", "12:00"));
    QCOMPARE(scheduleMessage(), QString("The day shall be between 1 and 31"));
    STEP(addSchedule(5, "Day", "8:00", "12:00"));
    QCOMPARE(scheduleMessage(), QString("Start time shall have hh:mm format"));
    QCOMPARE(form->property("state").toString(), QString("startError"));
    STEP(addSchedule(5, "Day", "08:00", "12:00", "10:00", ""));
    QCOMPARE(scheduleMessage(), QString("Resume time shall have hh:mm format"));
    QCOMPARE(form->property("state").toString(), QString("resumeError"));
    QCOMPARE(table->property("count").toInt(), 0);

    STEP(addSchedule(5, "Morning", "08:00", "12:00"));
    QCOMPARE(table->property("count").toInt(), 1);
    QCOMPARE(scheduleMessage(), QString());
    QCOMPARE(form->property("state").toString(), QString());

    // Core's refusals come back as the form's message.
    STEP(addSchedule(5, "Overlap", "10:00", "14:00"));
    QCOMPARE(scheduleMessage(), QString("The schedule is not available."));
    STEP(addSchedule(6, "Long", "06:00", "16:00"));
    QCOMPARE(scheduleMessage(), QString("The experiment is too long."));
    QCOMPARE(table->property("count").toInt(), 1);

    STEP(addSchedule(6, "Shift", "08:00", "17:00", "12:00", "13:00"));
    for (int day = 7; day <= 14; ++day)
        STEP(addSchedule(day, QString("Day %1").arg(day), "09:00", "11:30"));
    QCOMPARE(table->property("count").toInt(), 10);
    STEP(addSchedule(20, "Eleventh", "09:00", "10:00"));
    QCOMPARE(scheduleMessage(), QString("The dosimeter support up to 10 schedules."));
    QCOMPARE(table->property("count").toInt(), 10);

    QCOMPARE(named("scheduleCount", window)->property("text").toString(), QString("10 / 10"));
    QQuickItem *shift = scheduleRow(1);
    QCOMPARE(shift->property("scheduleLabel").toString(), QString("Shift"));
    QCOMPARE(shift->property("pauseTime").toString(), QString("12:00"));
    QCOMPARE(shift->property("resumeTime").toString(), QString("13:00"));
    STEP(screenshot(window, "dravo2-configuration-schedule.png"));

    // The last one goes again; the list is sent as edited.
    STEP(click(item("removeScheduleBtn", scheduleRow(9))));
    QCOMPARE(table->property("count").toInt(), 9);
    STEP(click(item("applySchBtn", window)));
    QTRY_VERIFY(configDialog("configSuccesfulDialog")->property("visible").toBool());
    QVERIFY(window->isVisible());
    QCOMPARE(m_dravo->programmedSlots(), 9);
    QVERIFY(m_dravo->scheduleSlots.at(0).startsWith("\"Morning\","));
    const QList<QByteArray> shiftFields = m_dravo->scheduleSlots.at(1).split(',');
    QVERIFY(shiftFields.size() >= 9);
    QVERIFY2(m_dravo->scheduleSlots.at(1).contains("12:00:00"), m_dravo->scheduleSlots.at(1));
    QVERIFY(m_dravo->scheduleSlots.at(1).contains("13:00:00"));
    QVERIFY(m_dravo->scheduleSlots.at(9).isEmpty());
    QCOMPARE(m_dravo->scheduleMode, 1);
    QMetaObject::invokeMethod(configDialog("configSuccesfulDialog"), "close");
    STEP(click(item("closeSchBtn", window)));
    QVERIFY(!window->isVisible());
}

void TstDravo2App::downloadSaveAndEvaluate()
{
    STEP(openInstrument());
    QObject *page = named("pageDravo2");

    // Choosing the runs asks for the file; both go into it.
    STEP(click(runRow(0)));
    QObject *saveDialog = named("saveDialog", page);
    QTRY_VERIFY(saveDialog->property("visible").toBool());
    QCOMPARE(saveDialog->property("title").toString(), QString("Save file as"));
    STEP(click(runRow(1)));
    QCOMPARE(page->property("chosenRuns").toList(), QVariantList({0, 1}));
    QVERIFY(runRow(0)->property("selected").toBool());
    QVERIFY(runRow(1)->property("selected").toBool());

    // The watchers go with this function, also when a check returns early.
    QObject watchers;
    QList<double> progress;
    QObject *bar = named("downloadProgress", page);
    connect(m_core.get(), &Core::progressBarUpdated, &watchers,
            [&] { progress.append(bar->property("value").toDouble()); });
    // The file is there before the results page draws anything.
    const QString path = m_dir.filePath("line3");
    QList<bool> savedWhenDrawn;
    auto *levels = qobject_cast<QtCharts::QXYSeries *>(
        named("noiseChart", named("pageDravoResults"))->property("series").value<QObject *>());
    QVERIFY(levels);
    connect(levels, &QtCharts::QXYSeries::pointsReplaced, &watchers,
            [&] { savedWhenDrawn.append(QFile::exists(path + ".drv")); });
    QCOMPARE(call(page, "saveChosenRuns", QUrl::fromLocalFile(path).toString()).toInt(), 0);
    disconnect(m_core.get(), &Core::progressBarUpdated, &watchers, nullptr);
    STEP(waitForBackgroundWork());
    QVERIFY(!saveDialog->property("visible").toBool());
    QTRY_VERIFY(!savedWhenDrawn.isEmpty());
    disconnect(levels, nullptr, &watchers, nullptr);
    QVERIFY(!savedWhenDrawn.contains(false));

    // The bar moved through each run and ends full.
    QVERIFY(progress.size() >= 4);
    QVERIFY(
        std::any_of(progress.begin(), progress.end(), [](double v) { return v > 0 && v < 100; }));
    QCOMPARE(progress.last(), 100.0);
    QCOMPARE(bar->property("value").toDouble(), 100.0);

    // The file holds both runs; the results page shows the first.
    QFile file(path + ".drv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root;
    QCOMPARE(DataFileEnvelope::decode(file.readAll(), root), DataFileEnvelope::Ok);
    QCOMPARE(DataFileEnvelope::runObjects(root).size(), 2);
    QCOMPARE(state(), QString("DravoResultsState"));
    QVERIFY(item("pageDravoResults")->isVisible());
    QCOMPARE(m_core->currentExperiment()->position(), 1);
    QCOMPARE(shownSamples(), kRecordsOfRun0);

    STEP(stepThroughRuns());
    STEP(changeWorkingHours());
    STEP(recalculateHearingProtector());
    STEP(printReport());

    // Back on the device page, the runs are still listed.
    STEP(click(item("backButton")));
    QCOMPARE(state(), QString("Dravo2State"));
    QCOMPARE(named("experimentList", named("pageDravo2"))->property("count").toInt(), 2);
}

// The two runs of the file, one after the other.
void TstDravo2App::stepThroughRuns()
{
    QObject *page = named("pageDravoResults");
    QQuickItem *previous = item("previousRun", page);
    QQuickItem *next = item("nextRun", page);
    QVERIFY(previous->isVisible());
    QVERIFY(!previous->isEnabled());
    STEP(screenshot(m_window, "dravo2-results-of-two-runs.png"));
    STEP(click(next));
    QTRY_COMPARE(shownSamples(), kRecordsOfRun1);
    QCOMPARE(m_core->currentExperiment()->position(), 2);
    QVERIFY(!next->isEnabled());
    STEP(click(previous));
    QTRY_COMPARE(shownSamples(), kRecordsOfRun0);
    QCOMPARE(m_core->currentExperiment()->position(), 1);
    QVERIFY(next->isEnabled());
}

// Shorter working hours raise the daily dose; a day without working time
// is refused and changes nothing.
void TstDravo2App::changeWorkingHours()
{
    QObject *page = named("pageDravoResults");
    QCOMPARE(named("workingHoursField", page)->property("text").toString(), QString("08:00"));
    const QString dailyDoseAt8 = resultText("resultDos1", "dailyDose");
    STEP(setText("workingHoursField", "04:00", page));
    STEP(click(item("workingHoursApply", page)));
    QCOMPARE(resultsOf(m_core->currentExperiment())->workingHours(), QString("04:00"));
    QTRY_VERIFY(resultText("resultDos1", "dailyDose") != dailyDoseAt8);
    QCOMPARE(named("workingHoursError", page)->property("text").toString(), QString());

    STEP(setText("workingHoursField", "00:00", page));
    STEP(click(item("workingHoursApply", page)));
    QCOMPARE(named("workingHoursError", page)->property("text").toString(),
             QString("Working hours shall be longer than 00:00"));
    QVERIFY(named("workingHoursError", page)->property("visible").toBool());
    QCOMPARE(resultsOf(m_core->currentExperiment())->workingHours(), QString("04:00"));
}

// A protector entered band by band, evaluated by method A; the evaluation
// reaches the run's results for the report.
void TstDravo2App::recalculateHearingProtector()
{
    QObject *page = named("pageDravoResults");
    STEP(click(item("tab_hearing", page)));
    QObject *protector = named("hearingProtector", page);
    QTRY_VERIFY(qobject_cast<QQuickItem *>(protector)->isVisible());
    const char *const bands[] = {"125", "250", "500", "1000", "2000", "4000", "8000"};
    const double attenuation[] = {17.1, 21.6, 27.2, 30.1, 33.4, 38.9, 36.5};
    for (int b = 0; b < 7; ++b) {
        STEP(setText(qPrintable(QString("hpAtt") + bands[b]), QString::number(attenuation[b]),
                     protector));
        STEP(setText(qPrintable(QString("hpDesv") + bands[b]), "3", protector));
    }
    STEP(setText("hpManufacturer", "ACME", protector));
    STEP(setText("hpModel", "Muff 30", protector));
    STEP(click(item("hpMethodA", protector)));
    STEP(click(item("hpRecalculate", protector)));
    Dravo2Results *results = resultsOf(m_core->currentExperiment());
    QCOMPARE(results->hearProtectMfc(), QString("ACME"));
    QVERIFY(results->NPSp() > 0 && results->NPSp() < results->NPS());
    QVERIFY(named("hpTotalSplp", protector)->property("text").toString().endsWith("dB(A)"));
}

// The report window sends its options to core; the report reaches the
// desktop's viewer as a PDF.
void TstDravo2App::printReport()
{
    QObject *page = named("pageDravoResults");
    auto *report =
        qobject_cast<QQuickWindow *>(page->property("printerConfiguration").value<QObject *>());
    QVERIFY(report);
    STEP(click(item("generateReport", page)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(report->title(), QString("Dravo 2 - Report configuration"));

    // Without a file the window says so and stays.
    STEP(click(item("generatePdf", report)));
    QVERIFY(named("fileNameError", report)->property("shown").toBool());
    QVERIFY(report->isVisible());

    const QString pdf = m_dir.filePath("line3-report.pdf");
    QVERIFY(
        named("fileName", report)->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));
    QSignalSpy unsupported(m_core.get(), &Core::unsupportedDevice);
    ReportViewer viewer;
    click(item("generatePdf", report));
    if (QTest::currentTestFailed())
        return;
    STEP(waitForBackgroundWork());
    QVERIFY(!report->isVisible());

    QCOMPARE(unsupported.count(), 0);
    QCOMPARE(viewer.opened, QList<QUrl>({QUrl::fromLocalFile(pdf)}));
    QVERIFY(!rootDialog("printerErrorDialog")->property("visible").toBool());
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {pdf});
    QVERIFY(pdfinfo.waitForFinished(30000));
    QCOMPARE(pdfinfo.exitCode(), 0);
    QVERIFY(pdfinfo.readAllStandardOutput().contains("Pages:"));
}

void TstDravo2App::eraseTheMemory()
{
    STEP(openInstrument());
    STEP(openConfiguration());
    QQuickWindow *window = configWindow();
    STEP(click(item("eraseMemoryBtn", window)));
    QTRY_VERIFY(configDialog("eraseDialog")->property("visible").toBool());
    STEP(answerMessageBox(QMessageBox::Yes));
    QTRY_VERIFY(configDialog("eraseSuccessfulDialog")->property("visible").toBool());
    QVERIFY(!configDialog("eraseInProgressDialog")->property("visible").toBool());
    QVERIFY(m_instrument->runs().isEmpty());
    QCOMPARE(named("experimentList", named("pageDravo2"))->property("count").toInt(), 0);
    STEP(answerMessageBox(QMessageBox::Ok));
    STEP(click(item("closeCfgBtn", window)));
}

void TstDravo2App::linkLostDuringDownload()
{
    STEP(openInstrument());
    QObject *page = named("pageDravo2");
    STEP(click(runRow(0)));
    m_instrument->scriptFault("AT+VFRDXP", SimulatedInstrument::Fault::DropLink, 3);
    const QString path = m_dir.filePath("lost.drv");
    QCOMPARE(call(page, "saveChosenRuns", QUrl::fromLocalFile(path).toString()).toInt(), -3);
    QTRY_VERIFY(rootDialog("devDisconnectedDialog")->property("visible").toBool());
    QCOMPARE(state(), QString());
    QVERIFY(item("pageHome")->isVisible());
    QVERIFY(!rootDialog("downloadFailDialog")->property("visible").toBool());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(named("listview", named("devsearch"))->property("count").toInt(), 0);
    QCOMPARE(page->property("downloading").toBool(), false);
}

// A schedule slot the instrument answers busy keeps its place, shown as not
// read; the window opens, and applying the list leaves that slot as it was.
void TstDravo2App::configurationOpensWithABusySlot()
{
    const QByteArray unread = "\"Unread\",\"24/05/18,08:00:00+00\",,,\"24/05/18,09:00:00+00\"";
    m_dravo->scheduleSlots[2] = "\"Kept\",\"24/05/17,08:00:00+00\",,,\"24/05/17,09:00:00+00\"";
    m_dravo->scheduleSlots[4] = unread;
    STEP(openInstrument());
    m_instrument->scriptFault("AT+VFSCH=0,4", SimulatedInstrument::Fault::Busy);
    STEP(openConfiguration());
    QQuickWindow *window = configWindow();
    QCOMPARE(named("scheduleTable", window)->property("count").toInt(), 2);
    QVERIFY(!rootDialog("rcvSchedulListDialog")->property("visible").toBool());
    STEP(click(item("scheduleTab", window)));
    QTRY_VERIFY(item("schedulePage", window)->isVisible());
    QQuickItem *row = scheduleRow(1);
    QVERIFY(row->property("unreadable").toBool());
    QCOMPARE(named("scheduleCell0", row)->property("text").toString(),
             QString("Could not be read; kept as it is"));
    QVERIFY(!item("removeScheduleBtn", row)->isVisible());
    QVERIFY(item("removeScheduleBtn", scheduleRow(0))->isVisible());
    STEP(screenshot(window, "dravo2-configuration-unread-schedule.png"));

    STEP(click(item("applySchBtn", window)));
    QTRY_VERIFY(configDialog("configSuccesfulDialog")->property("visible").toBool());
    QMetaObject::invokeMethod(configDialog("configSuccesfulDialog"), "close");
    QCOMPARE(m_dravo->scheduleSlots.at(4), unread);
    QVERIFY(m_dravo->scheduleSlots.at(0).startsWith("\"Kept\","));
    QCOMPARE(m_dravo->programmedSlots(), 2);
    STEP(click(item("closeSchBtn", window)));
}

// While the instrument is being read the back arrow does nothing, so the
// user is not pulled back to the results later; each download's progress
// starts at 0.
void TstDravo2App::navigationWaitsForTheDownload()
{
    STEP(openInstrument());
    QObject *page = named("pageDravo2");
    QQuickItem *back = item("backButton");
    QObject *bar = named("downloadProgress", page);
    QStringList statesDuringTheDownload;
    QList<double> firstProgress;
    const auto duringTheDownload = [&] {
        if (!statesDuringTheDownload.isEmpty())
            return;
        const QPointF centre(back->width() / 2, back->height() / 2);
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier,
                          back->mapToScene(centre).toPoint());
        statesDuringTheDownload.append(state());
    };
    // The watchers go with this function, also when a check returns early.
    QObject watchers;
    connect(m_core.get(), &Core::progressBarUpdated, &watchers, duringTheDownload);
    connect(m_instrument.get(), &SimulatedInstrument::commandReceived, &watchers,
            [&](const QByteArray &command) {
                if (command.startsWith("AT+VFRDXP") && command.endsWith(",1,10"))
                    firstProgress.append(bar->property("value").toDouble());
            });
    for (int run : {0, 1}) {
        statesDuringTheDownload.clear();
        STEP(click(runRow(run)));
        const QString path = m_dir.filePath(QString("run%1").arg(run));
        QCOMPARE(call(page, "saveChosenRuns", QUrl::fromLocalFile(path).toString()).toInt(), 0);
        STEP(waitForBackgroundWork());
        QCOMPARE(statesDuringTheDownload, QStringList{"Dravo2State"});
        QCOMPARE(state(), QString("DravoResultsState"));
        QCOMPARE(bar->property("value").toDouble(), 100.0);
        STEP(click(back));
        QCOMPARE(state(), QString("Dravo2State"));
    }
    disconnect(m_core.get(), nullptr, &watchers, nullptr);
    disconnect(m_instrument.get(), nullptr, &watchers, nullptr);
    QCOMPARE(firstProgress, (QList<double>{0.0, 0.0}));
    QVERIFY(back->isEnabled());
}

// The run list, the results page and the report show the instrument's own
// wall-clock time, wherever this computer is.
void TstDravo2App::resultsAndReportShowTheInstrumentTime()
{
    m_instrument->clearRuns();
    const QTimeZone utcMinus3(-3 * 3600);
    addSimulatedRun(*m_instrument, 0, kRecordsOfRun0,
                    QDateTime(QDate(2024, 5, 17), QTime(8, 30), utcMinus3));
    addSimulatedRun(*m_instrument, 1, kRecordsOfRun1,
                    QDateTime(QDate(2024, 5, 18), QTime(8, 30), utcMinus3));
    STEP(openInstrument());
    QObject *page = named("pageDravo2");
    const QString listed = named("runDate", runRow(0))->property("text").toString();
    QVERIFY2(listed.contains("8:30") && !listed.contains("11:30"), qPrintable(listed));
    STEP(click(runRow(0)));
    QCOMPARE(call(page, "saveChosenRuns", QUrl::fromLocalFile(m_dir.filePath("zone")).toString())
                 .toInt(),
             0);
    STEP(waitForBackgroundWork());
    const QString shown = named("dravo2ExpInfo")->property("date").toString();
    QVERIFY2(shown.contains("8:30") && !shown.contains("11:30"), qPrintable(shown));

    std::unique_ptr<VfPrinter> printer(PrinterFactory::create("DRAVO 2"));
    const QString pdf = m_dir.filePath("zone.pdf");
    printer->setReportOptions(QString::fromUtf8(
        QJsonDocument(QJsonObject{{"fileName", pdf}, {"ckbDosUSERDosiCfg", true}}).toJson()));
    printer->setExperiment(m_core->currentExperiment());
    QCOMPARE(printer->print(), 0);
    QCOMPARE(printer->endPainting(), 0);
    QVERIFY(PdfText::page(pdf, 1).contains("Start time: 08:30:00"));
}

// At its smallest the report window still reaches every field: the notes
// are scrolled to and typed into anywhere in their box.
void TstDravo2App::reportWindowAtItsMinimumSize()
{
    STEP(openInstrument());
    STEP(click(runRow(0)));
    QCOMPARE(call(named("pageDravo2"), "saveChosenRuns",
                  QUrl::fromLocalFile(m_dir.filePath("small")).toString())
                 .toInt(),
             0);
    STEP(waitForBackgroundWork());
    QObject *results = named("pageDravoResults");
    auto *report =
        qobject_cast<QQuickWindow *>(results->property("printerConfiguration").value<QObject *>());
    STEP(click(item("generateReport", results)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QVERIFY(report->minimumWidth() <= m_window->minimumWidth());
    QVERIFY(report->minimumHeight() <= m_window->minimumHeight());
    report->resize(report->minimumSize());
    QTRY_COMPARE(report->size(), report->minimumSize());

    QQuickItem *notes = item("obsText", report);
    QQuickItem *bar = item("fileName", report);
    QObject *options = named("reportOptions", report)->property("contentItem").value<QObject *>();
    QVERIFY(options);
    const auto notesBottom = [&] {
        return notes->mapToScene(QPointF(notes->width() / 2, notes->height() - 8));
    };
    // The user turns the wheel over the options until the bottom of the
    // notes box is above the file bar.
    const QPoint over(report->width() / 2, 40);
    for (int turn = 0; turn < 40 && notesBottom().y() >= bar->mapToScene(QPointF(0, 0)).y() - 4;
         ++turn) {
        QWheelEvent wheel(over, report->mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        wheel.setTimestamp(ulong(1000 + 200 * turn));
        QCoreApplication::sendEvent(report, &wheel);
        QTest::qWait(20);
    }
    QTRY_VERIFY(!options->property("moving").toBool());
    QTest::qWait(500);
    QVERIFY2(notesBottom().y() < bar->mapToScene(QPointF(0, 0)).y() - 4,
             "the notes stay behind the file bar");
    QVERIFY(notesBottom().y() > 0);
    // A click low in the empty box places the cursor all the same.
    QTest::mouseClick(report, Qt::LeftButton, Qt::NoModifier, notesBottom().toPoint());
    for (const char key : QByteArray("Noisy afternoon"))
        QTest::keyClick(report, key);
    QCOMPARE(notes->property("obstext").toString(), QString("Noisy afternoon"));
    QMetaObject::invokeMethod(report, "close");
}

// A report or a data file that cannot be written says why; the report
// window stays open for another try, the save dialog asks for another file. When no viewer opens
// the report, the user is told where it is.
void TstDravo2App::failedWritesSayWhy()
{
    STEP(openInstrument());
    QObject *page = named("pageDravo2");
    STEP(click(runRow(0)));
    const QString missing = m_dir.filePath("no such folder");
    QCOMPARE(
        call(page, "saveChosenRuns", QUrl::fromLocalFile(missing + "/run.drv").toString()).toInt(),
        0);
    QObject *saveFail = rootDialog("saveFailDialog");
    QTRY_VERIFY(saveFail->property("visible").toBool());
    QVERIFY2(saveFail->property("informativeText").toString().contains(missing),
             qPrintable(saveFail->property("informativeText").toString()));
    QMetaObject::invokeMethod(saveFail, "close");
    // The save dialog asks for another file; cancelled, the runs are shown
    // unsaved, and the user is told so.
    QObject *chooser = named("saveDialog", page);
    QTRY_VERIFY(chooser->property("visible").toBool());
    QVERIFY(QMetaObject::invokeMethod(chooser, "reject"));
    QObject *notSaved = rootDialog("runsNotSavedDialog");
    QTRY_VERIFY(notSaved->property("visible").toBool());
    QMetaObject::invokeMethod(notSaved, "close");
    QTRY_COMPARE(state(), QString("DravoResultsState"));

    QObject *results = named("pageDravoResults");
    auto *report =
        qobject_cast<QQuickWindow *>(results->property("printerConfiguration").value<QObject *>());
    STEP(click(item("generateReport", results)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QVERIFY(named("fileName", report)
                ->setProperty("filename", QUrl::fromLocalFile(missing + "/report.pdf").toString()));
    STEP(click(item("generatePdf", report)));
    QObject *failed = named("printerErrorDialog", named("dravo2ReportDialogs", report));
    QTRY_VERIFY(failed->property("visible").toBool());
    QVERIFY2(failed->property("informativeText").toString().contains(missing),
             qPrintable(failed->property("informativeText").toString()));
    QVERIFY(report->isVisible());
    QMetaObject::invokeMethod(failed, "close");

    // No viewer on this desktop: the report is written all the same.
    const QString pdf = m_dir.filePath("unviewed.pdf");
    QVERIFY(
        named("fileName", report)->setProperty("filename", QUrl::fromLocalFile(pdf).toString()));
    STEP(click(item("generatePdf", report)));
    STEP(waitForBackgroundWork());
    QVERIFY(!report->isVisible());
    QVERIFY(QFile::exists(pdf));
    QObject *written = rootDialog("reportNotOpenedDialog");
    QTRY_VERIFY(written->property("visible").toBool());
    QVERIFY(written->property("informativeText").toString().contains(pdf));
    QMetaObject::invokeMethod(written, "close");
    dropNotesOfUnwrittenAndUnviewedReports();
}

QTEST_MAIN(TstDravo2App)
#include "tst_dravo2app.moc"
