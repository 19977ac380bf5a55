// One session of the application across three families, as a hygienist with
// a sound level meter, a vibration meter and a logger on the desk goes
// through it: a download from each, one after the other, then reports of the
// logger's runs with no desktop viewer to open them. Every family's page
// hears the same core; the walk asserts that each event gives exactly one
// message, that a device page that saved nothing shows 0 %, that no warning
// of an earlier page or run is left on screen, that report windows start
// from their defaults, that no existing file is replaced unless the user said
// yes to its own name, and that a failed save asks for another file. Only the
// native file dialogs are answered through the pages' own functions (and
// cancelled through the dialog's own reject), since they cannot be clicked
// offscreen.
#include "AppScene.h"
#include "AppWalk.h"
#include "Core.h"
#include "SceneSteps.h"
#include "SimulatedBemariRuns.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedQuillonRuns.h"
#include "SimulatedRumoRuns.h"
#include "TestIdle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using SceneSteps::click;

namespace {

constexpr int kRecords = 20;

// Every model's device page.
const char *const kDevicePages[] = {"pageKestrum2",   "pageDravo2",   "pageTolvar",
                                    "pageTolvar4",    "pageQuillon",  "pageBemari",
                                    "pageBemariPlus", "pageKestrum4", "pageRumo"};

QDateTime runStart(int day)
{
    return QDateTime(QDate(2024, 5, day), QTime(8, 30), Qt::UTC);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TstSessionApp : public AppWalk
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void threeFamiliesInOneSession();

private:
    // The texts of the message boxes on screen.
    QStringList shownMessages() const;
    // The one message an event gives: exactly one box, reading `text`; it is
    // answered with `button`.
    void expectOneMessage(const QString &text, QMessageBox::StandardButton button);
    // The warnings of the pages and windows on screen.
    QStringList shownWarnings() const;
    // Only the device pages in `downloaded` show a download's progress.
    void checkProgress(const QStringList &downloaded) const;
    void goHome();
    // From the home page, the page of the instrument named `productName`
    // with its `runs` listed; no progress but that of the pages in
    // `downloaded`, and no warning, is on screen.
    void openInstrument(const QString &productName, const char *deviceState, const char *page,
                        int runs, const QStringList &downloaded);
    QQuickItem *runRow(const char *page, int row) const;
    QQuickWindow *reportWindow(const char *page, const char *property = "printerConfiguration");
    // The save dialog of the device page `page` is shown again over the page
    // of `shownState`, with no message.
    void expectChooserAgain(const char *page, const char *shownState);

    void downloadFromTheSoundLevelMeter();
    void downloadFromTheVibrationMeter();
    void answerNoToEveryFileNotAskedAbout(QQuickWindow *report);
    void reportTheLoggersRuns();

    std::unique_ptr<SimulatedInstrument> m_bemari;
    std::unique_ptr<SimulatedInstrument> m_quillon;
    std::unique_ptr<SimulatedInstrument> m_rumo;
    QTemporaryDir m_dir;
    QTemporaryDir m_noPrograms;
};

void TstSessionApp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_noPrograms.isValid());
    startWalks();
}

void TstSessionApp::init()
{
    m_bemari.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_bemari, "BEMARI"));
    SimulatedBemariRuns::Header room;
    m_bemari->addRun(SimulatedBemariRuns::makeRun(0, kRecords, runStart(17), room));

    m_quillon.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_quillon, "QUILLON"));
    for (int i = 0; i < 2; ++i)
        m_quillon->addRun(
            SimulatedQuillonRuns::makeRun(i + 1, kRecords, runStart(18).addSecs(3600 * i),
                                          SimulatedQuillonRuns::header(i + 1, kRecords)));

    m_rumo.reset(new SimulatedInstrument);
    QVERIFY(installSimulatedModel(*m_rumo, "RUMO"));
    m_rumo->addRun(
        SimulatedRumoRuns::makeRun(1, kRecords, runStart(19), SimulatedRumoRuns::sensorHeader(1)));

    openScene({m_bemari->portPath(), m_quillon->portPath(), m_rumo->portPath()});
}

void TstSessionApp::cleanup()
{
    closeScene();
    m_bemari.reset();
    m_quillon.reset();
    m_rumo.reset();
}

void TstSessionApp::cleanupTestCase()
{
    endWalks();
}

// ------------------------------------------------------------------ helpers

QStringList TstSessionApp::shownMessages() const
{
    QStringList texts;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (box && box->isVisible())
            texts.append(box->text());
    }
    return texts;
}

void TstSessionApp::expectOneMessage(const QString &text, QMessageBox::StandardButton button)
{
    QTRY_VERIFY(!shownMessages().isEmpty());
    QCOMPARE(shownMessages(), QStringList({text}));
    QMessageBox *box = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *shown = qobject_cast<QMessageBox *>(widget); shown && shown->isVisible())
            box = shown;
    }
    QVERIFY(box && box->button(button));
    box->button(button)->click();
    QTRY_VERIFY(!box->isVisible());
}

QStringList TstSessionApp::shownWarnings() const
{
    QStringList texts;
    QList<QObject *> pending{m_window};
    for (QQuickWindow *window : m_window->findChildren<QQuickWindow *>())
        pending.append(window);
    QSet<QObject *> seen;
    while (!pending.isEmpty()) {
        QObject *object = pending.takeFirst();
        if (seen.contains(object))
            continue;
        seen.insert(object);
        auto *item = qobject_cast<QQuickItem *>(object);
        const QVariant shown = object->property("shown");
        if (item && item->isVisible() && item->window() && item->window()->isVisible() &&
            shown.isValid() && shown.toBool())
            texts.append(object->property("text").toString());
        // The working hours' message is drawn over the page.
        if (object->objectName() == "workingHoursError" && object->property("visible").toBool())
            texts.append(object->property("text").toString());
        pending.append(object->children());
        if (item) {
            for (QQuickItem *child : item->childItems())
                pending.append(child);
        }
        if (auto *window = qobject_cast<QQuickWindow *>(object))
            pending.append(window->contentItem());
    }
    return texts;
}

void TstSessionApp::checkProgress(const QStringList &downloaded) const
{
    for (const char *page : kDevicePages) {
        const double value = named("downloadProgress", named(page))->property("value").toDouble();
        QVERIFY2(value == (downloaded.contains(page) ? 100.0 : 0.0),
                 qPrintable(QString("%1 shows %2 %").arg(page).arg(value)));
    }
}

void TstSessionApp::goHome()
{
    for (int step = 0; step < 2 && !state().isEmpty(); ++step)
        STEP(click(item("backButton")));
    QCOMPARE(state(), QString());
}

void TstSessionApp::openInstrument(const QString &productName, const char *deviceState,
                                   const char *page, int runs, const QStringList &downloaded)
{
    STEP(openFoundDevice(productName, 3, TestIdle::QuietLinkMs));
    QTRY_COMPARE(state(), QString(deviceState));
    QTRY_COMPARE(named("experimentList", named(page))->property("count").toInt(), runs);
    STEP(checkProgress(downloaded));
    QCOMPARE(shownWarnings(), QStringList());
    QCOMPARE(shownMessages(), QStringList());
}

QQuickItem *TstSessionApp::runRow(const char *page, int row) const
{
    return listRow(named("listview", named("experimentList", named(page))), row);
}

QQuickWindow *TstSessionApp::reportWindow(const char *page, const char *property)
{
    return qobject_cast<QQuickWindow *>(named(page)->property(property).value<QObject *>());
}

void TstSessionApp::expectChooserAgain(const char *page, const char *shownState)
{
    QTRY_VERIFY(named("saveDialog", named(page))->property("visible").toBool());
    QCOMPARE(state(), QString(shownState));
    QCOMPARE(shownMessages(), QStringList());
}

// --------------------------------------------------------------------- walk

void TstSessionApp::threeFamiliesInOneSession()
{
    STEP(downloadFromTheSoundLevelMeter());
    STEP(downloadFromTheVibrationMeter());
    STEP(reportTheLoggersRuns());
}

// The sound level meter's run goes to a folder that is not there: the save
// failure is told once, with its reason, and the save dialog asks for
// another file. Cancelled, the user is told that the runs are not saved; they
// are shown, and the device page shows no finished download.
void TstSessionApp::downloadFromTheSoundLevelMeter()
{
    STEP(openInstrument("BEMARI", "BemariState", "pageBemari", 1, {}));
    QObject *page = named("pageBemari");
    STEP(click(item("acceptBtn", page)));
    QCOMPARE(shownWarnings(), QStringList({"You shall select at least one exposure component"}));
    STEP(click(runRow("pageBemari", 0)));
    QCOMPARE(shownWarnings(), QStringList());

    const QString missing = m_dir.filePath("no such folder");
    QCOMPARE(
        call(page, "saveChosenRuns", QUrl::fromLocalFile(missing + "/hall").toString()).toInt(), 0);
    QTRY_VERIFY(!shownMessages().isEmpty());
    QCOMPARE(shownMessages(), QStringList({"The file couldn't be saved"}));
    QVERIFY(rootDialog("saveFailDialog")->property("informativeText").toString().contains(missing));
    STEP(answerMessageBox(QMessageBox::Ok));
    STEP(expectChooserAgain("pageBemari", "BemariResultsState"));
    QVERIFY(QMetaObject::invokeMethod(named("saveDialog", page), "reject"));
    STEP(expectOneMessage("The runs are not saved", QMessageBox::Ok));
    QCOMPARE(state(), QString("BemariResultsState"));
    STEP(checkProgress({}));
    STEP(goHome());
}

// The vibration meter's day: its page shows no progress of the sound level
// meter's download; a save into a missing folder is tried again under a name
// typed without its extension; a report that would replace a PDF and the CSV
// beside it names every file the chooser did not ask about; a report window
// set up and a working-hours warning are gone when the same file is opened
// again.
void TstSessionApp::downloadFromTheVibrationMeter()
{
    STEP(openInstrument("QUILLON", "QuillonState", "pageQuillon", 2, {}));
    QObject *page = named("pageQuillon");
    STEP(click(item("acceptBtn", page)));
    qDebug() << shownWarnings();
    QCOMPARE(shownWarnings(), QStringList({"You shall select at least one exposure component"}));
    STEP(click(runRow("pageQuillon", 0)));
    STEP(click(runRow("pageQuillon", 1)));
    const QString missing = m_dir.filePath("no such folder");
    QCOMPARE(call(page, "downloadRuns", QUrl::fromLocalFile(missing + "/day").toString()).toInt(),
             0);
    STEP(waitForBackgroundWork());
    STEP(expectOneMessage("The file couldn't be saved", QMessageBox::Ok));
    STEP(expectChooserAgain("pageQuillon", "QuillonComponentsState"));
    const QString day = m_dir.filePath("day.qln");
    QCOMPARE(
        call(page, "downloadRuns", QUrl::fromLocalFile(m_dir.filePath("day")).toString()).toInt(),
        0);
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("QuillonComponentsState"));
    QVERIFY(QFile::exists(day));
    QCOMPARE(shownMessages(), QStringList());
    STEP(checkProgress({"pageQuillon"}));

    QObject *times = named("pageQuillonExposureComponents");
    STEP(click(item("nextBtn", times)));
    QTRY_COMPARE(state(), QString("QuillonResultsState"));
    QObject *results = named("pageQuillonResults");
    QVERIFY(named("workingHoursField", results)->setProperty("text", QString("00:00")));
    STEP(click(item("workingHoursApply", results)));
    QCOMPARE(shownWarnings(), QStringList({"Working hours shall be longer than 00:00"}));

    // A report window filled in, then left without a report.
    STEP(click(item("generateReport", results)));
    QQuickWindow *report = reportWindow("pageQuillonResults");
    QVERIFY(QTest::qWaitForWindowExposed(report));
    STEP(answerNoToEveryFileNotAskedAbout(report));
    QVERIFY(named("fileName", report)
                ->setProperty("filename", QUrl::fromLocalFile(m_dir.filePath("day")).toString()));
    QVERIFY(named("ckbChart", report)->setProperty("checked", false));
    QMetaObject::invokeMethod(report, "close");
    QTRY_VERIFY(!report->isVisible());

    // The same day opened from its file starts afresh.
    STEP(goHome());
    call(named("pageHome"), "openFile", QUrl::fromLocalFile(day).toString());
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("QuillonComponentsState"));
    STEP(click(item("nextBtn", times)));
    QTRY_COMPARE(state(), QString("QuillonResultsState"));
    QCOMPARE(shownWarnings(), QStringList());
    QCOMPARE(text("workingHoursField", results), QString("08:00"));
    report = reportWindow("pageQuillonResults");
    QCOMPARE(named("fileName", report)->property("filename").toString(), QString());
    QVERIFY(named("ckbChart", report)->property("checked").toBool());
    QCOMPARE(shownMessages(), QStringList());
    STEP(goHome());
}

// The report window over a PDF and its CSV that exist: whether the name was
// typed or chosen, with or without ".pdf", the question names every file
// that the chooser did not ask about by its own name, and No keeps every
// byte of both.
void TstSessionApp::answerNoToEveryFileNotAskedAbout(QQuickWindow *report)
{
    const QString pdf = m_dir.filePath("day.pdf");
    const QString csv = m_dir.filePath("day.csv");
    STEP(writeFile(pdf, "%PDF-1.4 an old report\n"));
    STEP(writeFile(csv, "\"old\";\r\n"));
    QVERIFY(named("ckbCsv", report)->setProperty("checked", true));
    QObject *file = named("fileName", report);
    const struct
    {
        const char *name;
        bool chosen;
        QStringList asked;
    } cases[] = {
        {"day", false, {pdf, csv}},
        {"day.pdf", false, {pdf, csv}},
        {"day", true, {pdf, csv}},
        {"day.pdf", true, {csv}},
    };
    for (const auto &each : cases) {
        const QUrl url = QUrl::fromLocalFile(m_dir.filePath(each.name));
        if (each.chosen)
            QMetaObject::invokeMethod(file, "choose", Q_ARG(QVariant, url));
        else
            QVERIFY(file->setProperty("filename", url.toString()));
        STEP(click(item("generatePdf", report)));
        QTRY_VERIFY(!shownMessages().isEmpty());
        QCOMPARE(named("replaceFilesDialog", report)->property("informativeText").toString(),
                 each.asked.join("\n"));
        STEP(expectOneMessage("The report would replace these files, which already exist:",
                              QMessageBox::No));
        QVERIFY(report->isVisible());
        QCOMPARE(contentOf(pdf), QByteArray("%PDF-1.4 an old report\n"));
        QCOMPARE(contentOf(csv), QByteArray("\"old\";\r\n"));
    }
}

// The logger's run saved under a name typed without its extension, then
// again under the same name: the file is replaced only once the user said
// yes to its name. Then reported into a missing folder, then where no viewer
// opens it, then over the report written before.
void TstSessionApp::reportTheLoggersRuns()
{
    STEP(openInstrument("RUMO", "RumoState", "pageRumo", 1, {"pageQuillon"}));
    QObject *page = named("pageRumo");
    STEP(click(runRow("pageRumo", 0)));
    const QString office = QUrl::fromLocalFile(m_dir.filePath("office")).toString();
    QCOMPARE(call(page, "downloadRuns", office).toInt(), 0);
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("RumoResultsState"));
    QCOMPARE(shownMessages(), QStringList());
    STEP(checkProgress({"pageQuillon", "pageRumo"}));

    const QString saved = m_dir.filePath("office.rmx");
    STEP(writeFile(saved, "an old data file"));
    STEP(click(item("backButton")));
    QTRY_COMPARE(state(), QString("RumoState"));
    STEP(click(runRow("pageRumo", 0)));
    QCOMPARE(call(page, "downloadRuns", office).toInt(), 1);
    QTRY_VERIFY(!shownMessages().isEmpty());
    QCOMPARE(rootDialog("replaceFileDialog")->property("informativeText").toString(),
             QDir::toNativeSeparators(saved));
    STEP(expectOneMessage("This file already exists. Do you want to replace it?", QMessageBox::No));
    QCOMPARE(contentOf(saved), QByteArray("an old data file"));
    STEP(expectChooserAgain("pageRumo", "RumoState"));
    QCOMPARE(call(page, "downloadRuns", office).toInt(), 1);
    STEP(
        expectOneMessage("This file already exists. Do you want to replace it?", QMessageBox::Yes));
    STEP(waitForBackgroundWork());
    QTRY_COMPARE(state(), QString("RumoResultsState"));
    QVERIFY(contentOf(saved) != QByteArray("an old data file"));
    QCOMPARE(shownMessages(), QStringList());

    QObject *results = named("pageRumoResults");
    QQuickWindow *report = reportWindow("pageRumoResults", "rumocfgprn");
    STEP(click(item("generateReport", results)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QObject *file = named("vfSelectFile", report);
    QCOMPARE(file->property("filename").toString(), QString());

    // Into a folder that is not there: one message, with the reason; the
    // window stays for another try.
    const QString missing = m_dir.filePath("no reports here");
    QVERIFY(file->setProperty("filename", QUrl::fromLocalFile(missing + "/office.pdf").toString()));
    STEP(click(item("prnConfirmBtn", report)));
    STEP(expectOneMessage("The report couldn't be generated", QMessageBox::Ok));
    QVERIFY(report->isVisible());

    // No viewer on this desktop: the report is written and told once.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", m_noPrograms.path().toLocal8Bit());
    const QString pdf = m_dir.filePath("office.pdf");
    QMetaObject::invokeMethod(file, "choose", Q_ARG(QVariant, QUrl::fromLocalFile(pdf)));
    STEP(click(item("prnConfirmBtn", report)));
    STEP(waitForBackgroundWork());
    QVERIFY(!report->isVisible());
    QVERIFY(QFile::exists(pdf));
    STEP(expectOneMessage("No viewer could open the report. It was written to:", QMessageBox::Ok));

    // The same file again: the user is asked once; No writes nothing, Yes
    // writes it over.
    const QDateTime written = QFileInfo(pdf).lastModified();
    STEP(click(item("generateReport", results)));
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(file->property("filename").toString(), QUrl::fromLocalFile(pdf).toString());
    STEP(click(item("prnConfirmBtn", report)));
    STEP(expectOneMessage("The report would replace these files, which already exist:",
                          QMessageBox::No));
    QVERIFY(report->isVisible());
    QCOMPARE(QFileInfo(pdf).lastModified(), written);
    STEP(click(item("prnConfirmBtn", report)));
    STEP(expectOneMessage("The report would replace these files, which already exist:",
                          QMessageBox::Yes));
    STEP(waitForBackgroundWork());
    QVERIFY(!report->isVisible());
    QVERIFY(QFileInfo(pdf).lastModified() > written);
    STEP(expectOneMessage("No viewer could open the report. It was written to:", QMessageBox::Ok));
    qputenv("PATH", path);

    dropNotesOfUnwrittenAndUnviewedReports();
}

QTEST_MAIN(TstSessionApp)
#include "tst_sessionapp.moc"
