// A downloaded DRAVO 2 run opened in the real scene with a real Core: the
// results page, each of its tabs and the report window as the user sees
// them, and a full day of samples on it. Every tab is grabbed to a picture
// (dravo2-<run>-<tab>.png in the working directory) and the scene must stay
// free of warnings.
#include "AppScene.h"
#include "Core.h"
#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "Dravo2ReportRun.h"
#include "Experiment.h"
#include "RunDownload.h"
#include "SimulatedDravo2Link.h"
#include "VfFile.h"
#include "models/dravo2/Dravo2Log.h"
#include "models/dravo2/Dravo2ReportCharts.h"
#include "models/dravo2/Dravo2Results.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QXYSeries>

#include <QDir>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <ctime>
#include <memory>

namespace {

QPointF highest(const QVector<QPointF> &points)
{
    return *std::max_element(points.begin(), points.end(),
                             [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
}

QPointF lowest(const QVector<QPointF> &points)
{
    return *std::min_element(points.begin(), points.end(),
                             [](const QPointF &a, const QPointF &b) { return a.y() < b.y(); });
}

// A shown text item under `start` whose text is `text`, or null.
QQuickItem *shownText(QQuickItem *start, const QString &text)
{
    if (!start->isVisible())
        return nullptr;
    if (start->inherits("QQuickText") && start->property("text").toString() == text)
        return start;
    const QList<QQuickItem *> children = start->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = shownText(child, text))
            return found;
    }
    return nullptr;
}

SimulatedDravo2Runs::Header octaveHeader()
{
    SimulatedDravo2Runs::Header header;
    header.sampleSeconds = 60;
    header.octaveAnalysis = "1/1";
    header.bands = {{"31.50", "61.2"},   {"63.00", "64.8"},   {"125.00", "70.1"},
                    {"250.00", "74.5"},  {"500.00", "78.0"},  {"1000.00", "80.2"},
                    {"2000.00", "79.6"}, {"4000.00", "76.3"}, {"8000.00", "70.9"}};
    return header;
}

SimulatedDravo2Runs::Header thirdOctaveHeader()
{
    SimulatedDravo2Runs::Header header = octaveHeader();
    header.octaveAnalysis = "1/3";
    header.bands.clear();
    const char *const frequencies[] = {
        "50.00",   "63.00",   "80.00",    "100.00",   "125.00",  "160.00",  "200.00",
        "250.00",  "315.00",  "400.00",   "500.00",   "630.00",  "800.00",  "1000.00",
        "1250.00", "1600.00", "2000.00",  "2500.00",  "3150.00", "4000.00", "5000.00",
        "6300.00", "8000.00", "10000.00", "12500.00", "16000.00"};
    for (int i = 0; i < 26; ++i) {
        // A spectrum that rises to 1 kHz and falls after it.
        const double level = 72.0 - qAbs(i - 13) * 1.1 + (i % 3) * 0.7;
        header.bands.append({frequencies[i], QByteArray::number(level, 'f', 1)});
    }
    return header;
}

} // namespace

class TstDravo2ResultsView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void tabsOfADownloadedRun_data();
    void tabsOfADownloadedRun();
    void aDayOfSamples();

private:
    QString writeRunFile(const SimulatedDravo2Runs::Header &header, const QString &name);
    void openScene();
    // Opens the file in the scene and waits until its page shows it.
    void openRun(const QString &path);
    QObject *named(const char *objectName, QObject *from = nullptr) const;
    void grab(QWindow *window, const QString &name);

    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<Core> m_core;
    QQuickWindow *m_window = nullptr;
    QStringList m_warnings;
    QTemporaryDir m_dir;
};

void TstDravo2ResultsView::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Far from the instruments' UTC-3, so that a time shifted by a zone shows.
    qputenv("TZ", "Asia/Tokyo");
    tzset();
    collectSceneWarnings(&m_warnings);
}

void TstDravo2ResultsView::cleanup()
{
    // The scene goes whatever the test left behind, so that the next test
    // starts clean.
    const QStringList warnings = m_warnings;
    m_warnings.clear();
    closeAppScene(m_engine.release());
    m_core.reset();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

void TstDravo2ResultsView::cleanupTestCase()
{
    stopCollectingSceneWarnings();
}

// Downloads one run of the simulated dosimeter and saves it as the
// application does.
QString TstDravo2ResultsView::writeRunFile(const SimulatedDravo2Runs::Header &header,
                                           const QString &name)
{
    SimulatedDravo2Link d;
    d.instrument().addRun(
        SimulatedDravo2Runs::makeRun(3, 240, parseDeviceDateTime("24/05/17,08:30:00-12"), header));
    const QList<QObject *> list = d.device->readExperimentList();
    if (list.isEmpty())
        return QString();
    Experiment *run = nullptr;
    const int downloaded =
        RunDownload::download(d.device.get(), qobject_cast<Experiment *>(list.first()), &run);
    d.device->clearExperimentList();
    if (downloaded != 0 || !run)
        return QString();
    const QByteArray content = DataFileEnvelope::encode(
        DataFileEnvelope::document(QStringLiteral("844"), d.device->toJson(), {run->toJson()}));
    run->deleteChain();
    const QString path = m_dir.filePath(name + ".drv");
    return VfFile::write(path, content) == 0 ? path : QString();
}

void TstDravo2ResultsView::openScene()
{
    m_core.reset(new Core);
    m_engine.reset(new QQmlApplicationEngine);
    m_window = openAppScene(*m_engine, m_core.get());
    QVERIFY(m_window);
}

void TstDravo2ResultsView::openRun(const QString &path)
{
    QMetaObject::invokeMethod(named("pageHome"), "openFile",
                              Q_ARG(QVariant, QUrl::fromLocalFile(path).toString()));
    QTRY_COMPARE(named("root")->property("state").toString(), QString("DravoResultsState"));
    QObject *page = named("pageDravoResults");
    QVERIFY(page->property("visible").toBool());
    QTRY_COMPARE(page->property("shownRun").toInt(), m_core->samples()->property("runId").toInt());
}

QObject *TstDravo2ResultsView::named(const char *objectName, QObject *from) const
{
    QObject *found = findNamed(from ? from : m_window, QString::fromLatin1(objectName));
    if (!found)
        qWarning("no object named %s", objectName);
    return found;
}

void TstDravo2ResultsView::grab(QWindow *window, const QString &name)
{
    QTest::qWait(250);
    const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(QDir::current().filePath(name + ".png")));
}

void TstDravo2ResultsView::tabsOfADownloadedRun_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("thirds");
    QTest::newRow("octave") << "octave" << false;
    QTest::newRow("third-octave") << "third-octave" << true;
}

void TstDravo2ResultsView::tabsOfADownloadedRun()
{
    QFETCH(QString, name);
    QFETCH(bool, thirds);
    const QString path = writeRunFile(thirds ? thirdOctaveHeader() : octaveHeader(), name);
    QVERIFY(!path.isEmpty());
    openScene();
    openRun(path);
    QObject *page = named("pageDravoResults");
    QCOMPARE(named("infoOctaveAnalysis", page)->property("text").toString(),
             thirds ? QString("1/3 (26 bands)") : QString("1/1 (9 bands)"));
    QCOMPARE(page->property("samplesModel").value<QObject *>()->property("count").toInt(), 240);

    QObject *tabs = named("dravo2Tabs", page);
    QCOMPARE(tabs->property("count").toInt(), 5);
    const char *const tabNames[] = {"results", "noise", "histogram", "leq", "hearing"};
    for (int tab = 0; tab < 5; ++tab) {
        tabs->setProperty("currentIndex", tab);
        if (tab == 4) {
            // A protector with its test report's data, evaluated by method A.
            QObject *protector = named("hearingProtector", page);
            QMetaObject::invokeMethod(
                protector, "setBandEntries",
                Q_ARG(QVariant, QVariantList({17.1, 21.6, 27.2, 30.1, 33.4, 38.9, 36.5})),
                Q_ARG(QVariant, QVariantList({3.1, 2.6, 2.9, 2.4, 3.3, 3.0, 4.1})));
            named("hpManufacturer", page)->setProperty("text", "ACME");
            named("hpModel", page)->setProperty("text", "Muff 30");
            named("hpCANumber", page)->setProperty("text", "12345");
            QMetaObject::invokeMethod(protector, "selectAnsiAMethod");
            QMetaObject::invokeMethod(protector, "recalculate");
        }
        grab(m_window, QString("dravo2-%1-%2").arg(name, tabNames[tab]));
    }

    // The evaluation reached the run's results, and the report offers it.
    auto *results = qobject_cast<Dravo2Results *>(m_core->currentExperiment()->results());
    QVERIFY(results);
    QCOMPARE(results->hearProtectMfc(), QString("ACME"));
    QCOMPARE(results->stdNumber(), 2);
    QVERIFY(results->NPSp() > 0 && results->NPSp() < results->NPS());
    QCOMPARE(tabs->property("currentIndex").toInt(), 4);

    QObject *report = page->property("printerConfiguration").value<QObject *>();
    QVERIFY(report->property("hearingProtectorReady").toBool());
    auto *reportWindow = qobject_cast<QQuickWindow *>(report);
    QVERIFY(reportWindow);
    reportWindow->resize(980, 760);
    QMetaObject::invokeMethod(named("generateReport", page), "myButtonclicked");
    QVERIFY(QTest::qWaitForWindowExposed(reportWindow));
    QVERIFY(named("ckbChartLeq", reportWindow->contentItem())->property("visible").toBool());
    QVERIFY(
        named("ckbHearingProtector", reportWindow->contentItem())->property("enabled").toBool());
    grab(reportWindow, QString("dravo2-%1-report").arg(name));
    reportWindow->hide();
}

// Eight hours of one-second samples from an instrument at UTC-3, with one
// loud second and one quiet one among them.
void TstDravo2ResultsView::aDayOfSamples()
{
    const int count = 28800;
    std::unique_ptr<Experiment> run(
        Dravo2ReportRun::make(count, parseDeviceDateTime("24/05/17,08:00:00-12")));
    QVERIFY(run);
    const QList<Log *> logs = run->logs();
    QCOMPARE(logs.size(), count);
    const auto sample = [&logs](int i) { return qobject_cast<Dravo2Log *>(logs.at(i)); };
    sample(12345)->setLevel("131.7");
    sample(20001)->setLevel("21.3");
    sample(20002)->setLevel("---");
    const QString path = m_dir.filePath("day.drv");
    QCOMPARE(VfFile::write(path, DataFileEnvelope::encode(DataFileEnvelope::document(
                                     "844", {{"name", "DRAVO 2"}}, {run->toJson()}))),
             0);
    openScene();
    openRun(path);
    QObject *page = named("pageDravoResults");

    // The chart's markers keep every pixel a sample falls on, so it shows
    // the loudest and quietest second at their own time, as the report does.
    auto *series = qobject_cast<QtCharts::QXYSeries *>(
        named("noiseChart", page)->property("series").value<QObject *>());
    QVERIFY(series);
    const QVector<QPointF> shown = series->pointsVector();
    QCOMPARE(highest(shown).y(), 131.7);
    QCOMPARE(lowest(shown).y(), 21.3);
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(highest(shown).x())).time(),
             sample(12345)->registerDate().time());
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(lowest(shown).x())).time(),
             sample(20001)->registerDate().time());
    std::unique_ptr<QtCharts::QChart> report(Dravo2ReportCharts::levelOverTime(logs, 600));
    auto *printed = qobject_cast<QtCharts::QXYSeries *>(report->series().value(0));
    QVERIFY(printed);
    QCOMPARE(highest(printed->pointsVector()).y(), 131.7);
    QCOMPARE(lowest(printed->pointsVector()).y(), 21.3);

    // The table scrolls to the last sample and shows its time and level.
    auto *table = qobject_cast<QQuickItem *>(page->property("samplesTable").value<QObject *>());
    auto *model =
        qobject_cast<QAbstractItemModel *>(page->property("samplesModel").value<QObject *>());
    QVERIFY(table && model);
    QCOMPARE(model->rowCount(), count);
    QVERIFY(QMetaObject::invokeMethod(table, "positionViewAtRow", Q_ARG(QVariant, count - 1),
                                      Q_ARG(QVariant, 2)));
    const QString lastTime = sample(count - 1)->registerDate().time().toString("hh:mm:ss");
    const QString lastLevel = QLocale().toString(sample(count - 1)->level().toDouble(), 'f', 2);
    QCOMPARE(lastTime, QString("15:59:59"));
    QTRY_VERIFY(shownText(table, lastTime));
    QQuickItem *time = shownText(table, lastTime);
    const QRectF inTable = time->mapRectToItem(table, time->boundingRect());
    QVERIFY(inTable.top() >= 0 && inTable.bottom() <= table->height());
    bool levelBeside = false;
    const QList<QQuickItem *> row = time->parentItem()->parentItem()->parentItem()->childItems();
    for (QQuickItem *cell : row)
        levelBeside = levelBeside || shownText(cell, lastLevel);
    QVERIFY2(levelBeside, qPrintable(lastLevel));
    grab(m_window, "dravo2-day-end-of-table");

    // New working hours change the results, not the samples on screen.
    QSignalSpy redrawn(series, &QtCharts::QXYSeries::pointsReplaced);
    QSignalSpy tableRemoved(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy tableReset(model, &QAbstractItemModel::modelReset);
    QObject *dailyDose = named("dailyDose", named("resultDos1", page));
    const QString atEightHours = dailyDose->property("text").toString();
    QMetaObject::invokeMethod(page, "applyWorkingHours", Q_ARG(QVariant, "04:00"));
    QTRY_VERIFY(dailyDose->property("text").toString() != atEightHours);
    QCOMPARE(redrawn.count(), 0);
    QCOMPARE(tableRemoved.count(), 0);
    QCOMPARE(tableReset.count(), 0);
}

QTEST_MAIN(TstDravo2ResultsView)
#include "tst_dravo2resultsview.moc"
