// The "KESTRUM 4" results page and report at instrument scale, in the
// application's own scene (main.qml with a real Core, offscreen): a run of
// three expansion boards is downloaded from a simulated instrument in another
// process through the device page, as a user does, and saved. For the longest
// run (32,400 one-second samples) and one 1/8 as long it prints the time from
// the end of the download to the results page being shown, from opening the
// saved file to the page being shown, the time of the report with every
// section written in the background from that page, the longest gap between
// two frames while the report was written, and the peak memory. Each run is
// measured in a process of its own; at the end the ratio of each time
// (8 is linear).
#include "BenchScene.h"
#include "BenchSupport.h"
#include "Core.h"
#include "KestrumReportRun.h"

#include <QApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace {

const QList<int> kSampleCounts = {4050, 32400};

// One run of `count` samples; prints its figures and a RESULT line.
int measure(int count)
{
    QTextStream out(stdout);
    SceneRig scene;
    if (!scene.open({"--model", "KESTRUM 4", "--boards", "3", "--interval", "1", "--runs", "1",
                     "--records", QString::number(count)},
                    QStringLiteral("Kestrum4State"), out))
        return 1;
    Core &core = scene.core;
    const std::unique_ptr<Frames> &frames = scene.frames;
    const qint64 &downloadEnd = scene.downloadEnd;
    QObject *root = scene.root;
    QObject *home = scene.home;
    QObject *device = findNamed(scene.window, QStringLiteral("pageKestrum4"));
    QObject *page = findNamed(scene.window, QStringLiteral("pageKestrum4Results"));
    const auto resultsShown = [&] {
        return scene.shows(page, QStringLiteral("Kestrum4ResultsState"));
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("day"));
    qint64 savedAt = -1;
    QObject::connect(&core, &Core::fileSaved, [&] { savedAt = frames->now(); });
    call(device, "chooseRun", {0});
    if (call(device, "saveChosenRun", {QUrl::fromLocalFile(path).toString()}).toInt() != 0) {
        out << "the download failed\n";
        return 1;
    }
    bool savedFirst = false;
    const qint64 shownAfterDownload = frames->waitFor([&] {
        savedFirst = QFile::exists(path + ".ks4");
        return resultsShown();
    });

    call(root, "goHome");
    frames->waitFor([&] { return root->property("state").toString().isEmpty(); });
    const qint64 openStart = frames->now();
    call(home, "openFile", {QUrl::fromLocalFile(path + ".ks4").toString()});
    const qint64 shownAfterOpen = frames->waitFor(resultsShown);
    const qint64 openGap = frames->longestGap(openStart, shownAfterOpen);

    // The report, written in the background from the page.
    bool finished = false;
    int result = -1;
    QObject::connect(&core, &Core::reportFinished, [&](int code) {
        finished = true;
        result = code;
    });
    const QString pdf = dir.filePath(QStringLiteral("day.pdf"));
    const qint64 reportStart = frames->now();
    core.startReport(KestrumReportRun::optionsText(
        KestrumReportRun::everySection(QStringLiteral("KESTRUM 4"), pdf)));
    const qint64 reportEnd = frames->waitFor([&] { return finished; });

    if (downloadEnd < 0 || shownAfterDownload < 0 || shownAfterOpen < 0 || reportEnd < 0 ||
        result != 0) {
        out << "the results page or the report was not shown\n";
        return 1;
    }
    out << QStringLiteral("%1 samples, three boards (file saved before the page was shown: %2)\n")
               .arg(count)
               .arg(savedFirst ? "yes" : "no");
    out << QStringLiteral("  download end -> page shown:  %1 s (file saved after %2 s)\n")
               .arg(seconds(shownAfterDownload - downloadEnd), 0, 'f', 3)
               .arg(seconds(savedAt - downloadEnd), 0, 'f', 3);
    out << QStringLiteral("  file opened -> page shown:   %1 s (longest frame gap %2 s)\n")
               .arg(seconds(shownAfterOpen - openStart), 0, 'f', 3)
               .arg(seconds(openGap), 0, 'f', 3);
    out << QStringLiteral("  report in the background:    %1 s (longest frame gap %2 s)\n")
               .arg(seconds(reportEnd - reportStart), 0, 'f', 3)
               .arg(seconds(frames->longestGap(reportStart, reportEnd)), 0, 'f', 3);
    out << QStringLiteral("  peak memory:                 %1 MB\n")
               .arg(BenchClock::peakMegabytes(), 0, 'f', 1);
    out << QStringLiteral("RESULT %1 %2 %3 %4\n")
               .arg(count)
               .arg(seconds(shownAfterDownload - downloadEnd), 0, 'f', 4)
               .arg(seconds(shownAfterOpen - openStart), 0, 'f', 4)
               .arg(seconds(reportEnd - reportStart), 0, 'f', 4);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    return runSceneBench(kSampleCounts,
                         {QStringLiteral("download end -> page shown"),
                          QStringLiteral("file opened -> page shown"),
                          QStringLiteral("report in the background")},
                         measure);
}
