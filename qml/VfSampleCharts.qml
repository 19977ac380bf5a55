import QtQuick 2.15
import QtQuick.Window 2.15

// Puts the samples of the run shown into a results page's charts: once per
// run, so that new results (working hours, a hearing protector) leave the
// charts alone, and only after the page has drawn a frame. Whoever downloaded
// the run has saved it by then (nothing is drawn before the download's
// caller is done), the page shows at once, and the GUI thread is never held
// by a save and a chart fill in one piece. The page calls showRun() whenever
// it shows core's current run, and fills its charts in onFill with
// core.samples (see core/VfSamples.h). While the shell waits for work in the
// background (a file being saved), or core.samples still reads a long run in
// the background, the charts wait for it too.
Item {
    id: charts

    // core.samples.runId of the samples in the charts; -1 before the first.
    property int shownRun: -1
    // Set while a run waits for the page's next frame.
    property bool pending: false
    // True while the shell shows work running in the background.
    readonly property bool shellBusy: typeof root !== "undefined" && root.busyText !== ""

    signal fill()

    function showRun() {
        if (shownRun === core.samples.runId && !pending)
            return
        var window = charts.Window.window
        // A window that draws nothing (hidden, or none yet) sends no frame:
        // the charts are filled once the caller is done.
        if (!window || !window.visible) {
            pending = false
            Qt.callLater(charts.fillNow)
            return
        }
        pending = true
        window.update()
    }

    function fillNow() {
        // The run is read in the background: the charts of a window that
        // draws come with its end (one that draws nothing waits for it).
        var window = charts.Window.window
        if (!core.samples.ready && window && window.visible) {
            pending = true
            return
        }
        pending = false
        shownRun = core.samples.runId
        fill()
    }

    onShellBusyChanged: {
        if (!shellBusy && pending && charts.Window.window)
            charts.Window.window.update()
    }

    Connections {
        target: charts.pending ? core.samples : null
        function onReadyChanged() {
            if (core.samples.ready && charts.Window.window)
                charts.Window.window.update()
        }
    }

    Connections {
        target: charts.pending ? charts.Window.window : null
        function onFrameSwapped() {
            if (!charts.shellBusy)
                charts.fillNow()
        }
    }
}
