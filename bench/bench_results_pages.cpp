// Every model's results page with its longest run (32,400 one-second samples;
// the "KESTRUM 4" with three expansion boards), in the application's own
// scene (main.qml with a real Core, offscreen). The run is downloaded from a
// simulated instrument in another process through the device page, as a user
// does, and its saved file is then opened from the home page four times. For
// the download and for each opening it prints the time to the page, the
// longest gap between two frames until the charts of the page are filled, and
// the process's resident and peak memory once the page has settled.
//
// The goals: the page within 1 s, no frame gap above 0.2 s, less than 400 MB
// with the run open, and the fourth opening within 15 MB of the first. A line
// that misses one ends with "MISSED".
//
//   bench_results_pages [MODEL...]   every model, or the ones named, each in a
//                                    process of its own
//   bench_results_pages --model NAME  one model in this process
#include "BenchScene.h"
#include "BenchSupport.h"
#include "Core.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

constexpr int kLongestRun = 32400;
constexpr int kOpenings = 4;
constexpr double kPageSeconds = 1.0;
constexpr double kGapSeconds = 0.2;
constexpr double kResidentMegabytes = 400;
constexpr double kGrowthMegabytes = 15;
// Events run this long after a page is filled before memory is read, so
// that whatever the page lets go of is gone.
constexpr int kSettleMs = 500;

// How a model's run is chosen and downloaded on its device page.
enum class Download
{
    IndexesAndFile,
    CheckThenFile,
    ToggleThenFile,
    ChooseThenSave
};

struct ModelScene
{
    QString productName;
    QStringList simulatorOptions;
    QString deviceState;
    QString devicePage;
    Download download;
    QString resultsState;
    QString resultsPage;
    // The page shown first with a new run, when it is not the results page
    // (the vibration meter asks for exposure times first).
    QString firstState = QString();
    QString firstPage = QString();
    // A tab whose charts are drawn when it is first brought up: its index
    // in the page's tabBar, and a chart of it (with filledRun).
    int chartsTab = -1;
    QString tabChart = QString();
};

const QList<ModelScene> &allModels()
{
    static const QList<ModelScene> models = {
        {"DRAVO 2",
         {},
         "Dravo2State",
         "pageDravo2",
         Download::IndexesAndFile,
         "DravoResultsState",
         "pageDravoResults"},
        {"BEMARI",
         {},
         "BemariState",
         "pageBemari",
         Download::IndexesAndFile,
         "BemariResultsState",
         "pageBemariResults"},
        {"BEMARI+",
         {},
         "BemariPlusState",
         "pageBemariPlus",
         Download::IndexesAndFile,
         "BemariPlusResultsState",
         "pageBemariPlusResults"},
        {"QUILLON",
         {},
         "QuillonState",
         "pageQuillon",
         Download::ToggleThenFile,
         "QuillonResultsState",
         "pageQuillonResults",
         "QuillonComponentsState",
         "pageQuillonExposureComponents"},
        {"KESTRUM 2",
         {"--interval", "1"},
         "Kestrum2State",
         "pageKestrum2",
         Download::ChooseThenSave,
         "Kestrum2ResultsState",
         "pageKestrum2Results"},
        {"KESTRUM 4",
         {"--interval", "1", "--boards", "3"},
         "Kestrum4State",
         "pageKestrum4",
         Download::ChooseThenSave,
         "Kestrum4ResultsState",
         "pageKestrum4Results"},
        {"TOLVAR 3 PLUS",
         {},
         "TolvarState",
         "pageTolvar",
         Download::ChooseThenSave,
         "TolvarResultsState",
         "pageTolvarResults"},
        {"TOLVAR 4",
         {},
         "Tolvar4State",
         "pageTolvar4",
         Download::ChooseThenSave,
         "Tolvar4ResultsState",
         "pageTolvar4Results"},
        {"RUMO",
         {},
         "RumoState",
         "pageRumo",
         Download::CheckThenFile,
         "RumoResultsState",
         "pageRumoResults",
         QString(),
         QString(),
         1,
         "rumoChart0"},
    };
    return models;
}

// A line of /proc/self/status ("VmRSS", "VmHWM") in megabytes.
double statusMegabytes(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

// One showing of a run: from its start (the download's end, or the file
// asked for) to the page and to its charts filled.
struct Showing
{
    double pageSeconds = -1;
    double filledSeconds = -1;
    double gapSeconds = -1;
    // Bringing up the tab drawn when first shown, if any.
    double tabSeconds = -1;
    double tabGapSeconds = -1;
    double residentMegabytes = -1;
    double peakMegabytes = -1;

    bool met() const
    {
        return pageSeconds >= 0 && pageSeconds <= kPageSeconds && filledSeconds >= 0 &&
               gapSeconds <= kGapSeconds && residentMegabytes < kResidentMegabytes &&
               tabGapSeconds <= kGapSeconds;
    }
};

class ModelBench
{
public:
    ModelBench(const ModelScene &model, QTextStream &out)
        : m_model(model)
        , m_out(out)
    {
    }

    int run()
    {
        QStringList options = {"--model", m_model.productName, "--runs",
                               "1",       "--records",         QString::number(kLongestRun)};
        options += m_model.simulatorOptions;
        if (!m_scene.open(options, m_model.deviceState, m_out))
            return 1;
        m_page = findNamed(m_scene.window, m_model.resultsPage);
        QObject *device = findNamed(m_scene.window, m_model.devicePage);
        if (!m_page || !device) {
            m_out << m_model.productName << ": the pages were not found\n";
            return 1;
        }
        if (!startDownload(device)) {
            m_out << m_model.productName << ": the download failed\n";
            return 1;
        }
        const Showing downloaded = waitForPage(-1);
        const QString file = savedFile();
        if (file.isEmpty() || downloaded.filledSeconds < 0) {
            m_out << m_model.productName << ": the downloaded run was not shown\n";
            return 1;
        }
        print(QStringLiteral("download"), downloaded);
        Showing first;
        for (int opening = 1; opening <= kOpenings; ++opening) {
            const Showing opened = open(file);
            if (opened.filledSeconds < 0) {
                m_out << m_model.productName << ": the file was not shown\n";
                return 1;
            }
            if (opening == 1)
                first = opened;
            if (opening == 1 || opening == kOpenings)
                print(QStringLiteral("opening %1").arg(opening), opened,
                      opening == kOpenings ? &first : nullptr);
        }
        return 0;
    }

private:
    bool startDownload(QObject *device)
    {
        const QString url = QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("day"))).toString();
        switch (m_model.download) {
        case Download::IndexesAndFile:
            return call(device, "downloadRuns", {QVariantList{0}, url}).toInt() == 0;
        case Download::CheckThenFile:
            call(device, "check", {0});
            return call(device, "downloadRuns", {url}).toInt() == 0;
        case Download::ToggleThenFile:
            call(device, "toggleRun", {0});
            return call(device, "downloadRuns", {url}).toInt() == 0;
        case Download::ChooseThenSave:
            call(device, "chooseRun", {0});
            return call(device, "saveChosenRun", {url}).toInt() == 0;
        }
        return false;
    }

    QString savedFile() const
    {
        const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);
        return files.size() == 1 ? m_dir.filePath(files.first()) : QString();
    }

    Showing open(const QString &file)
    {
        QObject *root = m_scene.root;
        call(root, "goHome");
        m_scene.frames->waitFor([&] { return root->property("state").toString().isEmpty(); });
        const qint64 start = m_scene.frames->now();
        call(m_scene.home, "openFile", {QUrl::fromLocalFile(file).toString()});
        return waitForPage(start);
    }

    // Waits for the results page of core's current run and its charts;
    // `start` -1 takes the download's end.
    Showing waitForPage(qint64 start)
    {
        Frames &frames = *m_scene.frames;
        QObject *root = m_scene.root;
        QObject *samples = m_scene.core.samples();
        qint64 pageAt = -1;
        const qint64 filledAt = frames.waitFor([&] {
            const QString state = root->property("state").toString();
            if (!m_model.firstState.isEmpty() && state == m_model.firstState) {
                // The exposure times as the instrument gave them.
                call(findNamed(m_scene.window, m_model.firstPage), "next");
                return false;
            }
            if (state != m_model.resultsState)
                return false;
            if (pageAt < 0)
                pageAt = frames.now();
            return m_page->property("shownRun").toInt() == samples->property("runId").toInt();
        });
        if (start < 0)
            start = m_scene.downloadEnd;
        Showing showing;
        if (filledAt < 0 || start < 0)
            return showing;
        showing.pageSeconds = seconds(pageAt - start);
        showing.filledSeconds = seconds(filledAt - start);
        // The frame after the fill shows whether the fill itself held the
        // GUI thread.
        frames.waitFor([] { return true; });
        showing.gapSeconds = seconds(frames.longestGap(start, frames.now()));
        if (m_model.chartsTab >= 0)
            bringUpChartsTab(&showing);
        QEventLoop settle;
        QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
        settle.exec();
        showing.residentMegabytes = statusMegabytes("VmRSS");
        showing.peakMegabytes = statusMegabytes("VmHWM");
        return showing;
    }

    // The tab whose charts wait for it, brought up and left again.
    void bringUpChartsTab(Showing *showing)
    {
        Frames &frames = *m_scene.frames;
        QObject *tabs = m_page->property("tabBar").value<QObject *>();
        QObject *chart = findNamed(m_page, m_model.tabChart);
        if (!tabs || !chart)
            return;
        const int runId = m_scene.core.samples()->property("runId").toInt();
        const qint64 start = frames.now();
        tabs->setProperty("currentIndex", m_model.chartsTab);
        const qint64 drawn =
            frames.waitFor([&] { return chart->property("filledRun").toInt() == runId; });
        frames.waitFor([] { return true; });
        showing->tabSeconds = seconds(drawn - start);
        showing->tabGapSeconds = seconds(frames.longestGap(start, frames.now()));
        tabs->setProperty("currentIndex", 0);
        frames.waitFor([] { return true; });
    }

    void print(const QString &what, const Showing &showing, const Showing *first = nullptr)
    {
        bool met = showing.met();
        QString growth;
        if (first) {
            const double grown = showing.residentMegabytes - first->residentMegabytes;
            met = met && grown <= kGrowthMegabytes;
            growth = QStringLiteral(" (%1%2 MB)").arg(grown >= 0 ? "+" : "").arg(grown, 0, 'f', 1);
        }
        const QString tab = showing.tabSeconds < 0 ? QString()
                                                   : QStringLiteral("  charts tab %1 s (gap %2 s)")
                                                         .arg(showing.tabSeconds, 0, 'f', 3)
                                                         .arg(showing.tabGapSeconds, 0, 'f', 3);
        m_out << QStringLiteral("%1 %2 page %3 s  charts %4 s  gap %5 s  resident %6 MB%7  "
                                "peak %8 MB%10%9\n")
                     .arg(m_model.productName, -13)
                     .arg(what, -9)
                     .arg(showing.pageSeconds, 0, 'f', 3)
                     .arg(showing.filledSeconds, 0, 'f', 3)
                     .arg(showing.gapSeconds, 0, 'f', 3)
                     .arg(showing.residentMegabytes, 0, 'f', 1)
                     .arg(growth)
                     .arg(showing.peakMegabytes, 0, 'f', 1)
                     .arg(met ? "" : "  MISSED")
                     .arg(tab);
        m_out.flush();
    }

    const ModelScene &m_model;
    QTextStream &m_out;
    SceneRig m_scene;
    QObject *m_page = nullptr;
    QTemporaryDir m_dir;
};

int measureModel(const QString &name)
{
    QTextStream out(stdout);
    for (const ModelScene &model : allModels()) {
        if (model.productName == name)
            return ModelBench(model, out).run();
    }
    out << "no such model: " << name << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const int at = arguments.indexOf(QStringLiteral("--model"));
    if (at >= 0 && at + 1 < arguments.size())
        return measureModel(arguments.at(at + 1));

    if (arguments.isEmpty()) {
        for (const ModelScene &model : allModels())
            arguments.append(model.productName);
    }
    QTextStream out(stdout);
    out << QStringLiteral("Longest run of each model (%1 samples): page <= %2 s, frame gap <= "
                          "%3 s, resident < %4 MB, opening %5 within %6 MB of opening 1\n")
               .arg(kLongestRun)
               .arg(kPageSeconds)
               .arg(kGapSeconds)
               .arg(kResidentMegabytes)
               .arg(kOpenings)
               .arg(kGrowthMegabytes);
    out.flush();
    int failed = 0;
    for (const QString &name : qAsConst(arguments)) {
        // Each model in a process of its own, so that each peak is its own.
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--model"), name});
        child.waitForFinished(-1);
        if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            out << name << ": the measurement failed\n";
            ++failed;
        }
        out.flush();
    }
    return failed == 0 ? 0 : 1;
}
