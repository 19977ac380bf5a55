// The DRAVO 2 results page at instrument scale, in the application's own
// scene (main.qml with a real Core, offscreen): a run of 3,600, 28,800 and
// 115,200 one-second samples is downloaded from a simulated dosimeter in
// another process through the device page, as a user does. For each run it
// prints the time from the end of the download to the results page being
// shown, from parseFile (reopening the saved file) to the page being shown,
// of a working-hours refresh and of scrolling the table to the last sample,
// the longest gap between two frames while the run was shown, and the peak
// memory of the process. Each run is measured in a process of its own, so
// that its peak memory is its own; at the end the growth of each time from
// 3,600 to 115,200 samples is printed next to the linear ratio of 32.
//
// Frames are asked for every 16 ms throughout, so a gap between two frames is
// time in which the GUI thread could not draw. A frame counts when it is
// rendered (afterRendering): QML's own handlers of frameSwapped run before any
// other and would make the frame look later than it was.

#include "AppScene.h"
#include "BenchScene.h"
#include "BenchSupport.h"
#include "Core.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

namespace {

const QList<int> kSampleCounts = {3600, 28800, 115200};

// One run of `count` samples; prints its figures and a RESULT line.
int measure(int count)
{
    QTextStream out(stdout);
    SceneRig scene;
    if (!scene.open({QStringLiteral("--model"), QStringLiteral("DRAVO 2"), QStringLiteral("--runs"),
                     QStringLiteral("1"), QStringLiteral("--records"), QString::number(count)},
                    QStringLiteral("Dravo2State"), out))
        return 1;
    Core &core = scene.core;
    const std::unique_ptr<Frames> &frames = scene.frames;
    const qint64 &downloadEnd = scene.downloadEnd;
    QObject *root = scene.root;
    QObject *home = scene.home;
    QObject *device = findNamed(scene.window, QStringLiteral("pageDravo2"));
    QObject *page = findNamed(scene.window, QStringLiteral("pageDravoResults"));
    QObject *samples = core.samples();
    const auto resultsShown = [&] {
        return scene.shows(page, QStringLiteral("DravoResultsState"));
    };

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("day.drv"));
    const qint64 downloadStart = frames->now();
    if (call(device, "downloadRuns", {QVariantList{0}, QUrl::fromLocalFile(path).toString()})
            .toInt() != 0) {
        out << "the download failed\n";
        return 1;
    }
    bool savedFirst = false;
    const qint64 shownAfterDownload = frames->waitFor([&] {
        savedFirst = QFile::exists(path);
        return resultsShown();
    });
    const int shownSamples = samples->property("count").toInt();

    // The user goes to the last sample of the table.
    QObject *table = page->property("samplesTable").value<QObject *>();
    const qint64 scrollStart = frames->now();
    QMetaObject::invokeMethod(table, "positionViewAtRow", Q_ARG(QVariant, shownSamples - 1),
                              Q_ARG(QVariant, 2));
    const qint64 scrolled = frames->waitFor([] { return true; });

    // New working hours.
    QObject *dailyDose =
        findNamed(findNamed(page, QStringLiteral("resultDos1")), QStringLiteral("dailyDose"));
    const QString dailyDoseBefore = dailyDose->property("text").toString();
    const qint64 refreshStart = frames->now();
    call(page, "applyWorkingHours", {QStringLiteral("04:00")});
    const qint64 refreshed =
        frames->waitFor([&] { return dailyDose->property("text").toString() != dailyDoseBefore; });

    // The saved file opened again from the home page.
    call(root, "goHome");
    frames->waitFor([&] { return root->property("state").toString().isEmpty(); });
    const qint64 parseStart = frames->now();
    call(home, "openFile", {QUrl::fromLocalFile(path).toString()});
    const qint64 shownAfterParse = frames->waitFor(resultsShown);
    const qint64 end = frames->now();

    if (downloadEnd < 0 || shownAfterDownload < 0 || scrolled < 0 || refreshed < 0 ||
        shownAfterParse < 0) {
        out << "the results page was not shown\n";
        return 1;
    }
    const qint64 gap =
        qMax(frames->longestGap(downloadEnd, parseStart), frames->longestGap(shownAfterParse, end));
    const double peak = BenchClock::peakMegabytes();
    out << QStringLiteral("%1 samples (%2 on the page; download %3 s, file saved before the "
                          "page was shown: %4)\n")
               .arg(count)
               .arg(shownSamples)
               .arg(seconds(downloadEnd - downloadStart), 0, 'f', 2)
               .arg(savedFirst ? "yes" : "no");
    out << QStringLiteral("  download end -> page shown:  %1 s\n")
               .arg(seconds(shownAfterDownload - downloadEnd), 0, 'f', 3);
    out << QStringLiteral("  parseFile -> page shown:     %1 s\n")
               .arg(seconds(shownAfterParse - parseStart), 0, 'f', 3);
    out << QStringLiteral("  working-hours refresh:       %1 s\n")
               .arg(seconds(refreshed - refreshStart), 0, 'f', 3);
    out << QStringLiteral("  table to its last sample:    %1 s\n")
               .arg(seconds(scrolled - scrollStart), 0, 'f', 3);
    out << QStringLiteral("  longest gap between frames:  %1 s (parseFile itself: %2 s)\n")
               .arg(seconds(gap), 0, 'f', 3)
               .arg(seconds(frames->longestGap(parseStart, shownAfterParse)), 0, 'f', 3);
    out << QStringLiteral("  peak memory:                 %1 MB\n").arg(peak, 0, 'f', 1);
    out << QStringLiteral("RESULT %1 %2 %3 %4\n")
               .arg(count)
               .arg(seconds(shownAfterDownload - downloadEnd), 0, 'f', 4)
               .arg(seconds(shownAfterParse - parseStart), 0, 'f', 4)
               .arg(seconds(refreshed - refreshStart), 0, 'f', 4);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    return runSceneBench(kSampleCounts,
                         {QStringLiteral("download end -> page shown"),
                          QStringLiteral("parseFile -> page shown"),
                          QStringLiteral("working-hours refresh")},
                         measure);
}
