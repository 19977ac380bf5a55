import QtQuick 2.15

// Writes the report a results page's report window asks for: the window's
// confirmedOK options go to core.startReport, which writes it in the
// background. Meanwhile the window is hidden and the shell shows "page k of
// N" over the pages, which wait. A written report ends there; a failed one
// opens the window again over the printer error, with the reason the writer
// gave, for another try. A report that was written but could not be opened is
// pointed out by the shell. Place it in the results page; it speaks for the
// reports it started, and otherwise only while the page is shown.
Item {
    id: runner

    // A report window: confirmedOK(cfg) and its own `dialogs`.
    property var window: null
    // True while the report this runner started is being written.
    property bool writing: false
    // The page written last and the pages of the report being written.
    property int page: 0
    property int pageCount: 0

    // Starts the report; gives core's result (0 started).
    function write(cfg) {
        var failed = window.dialogs.printerErrorDialog
        failed.informativeText = ""
        var result = core.startReport(cfg)
        if (result !== root.deviceSuccessful) {
            failed.open()
            return result
        }
        page = 0
        pageCount = 0
        writing = true
        root.navigationLocked = true
        window.hide()
        showProgress()
        return result
    }

    function showProgress() {
        root.busyText = pageCount > 0
                ? qsTr("Writing the report: page %1 of %2").arg(page).arg(pageCount)
                : qsTr("Writing the report")
    }

    function finish(result) {
        writing = false
        root.navigationLocked = false
        root.busyText = ""
        if (result === root.deviceSuccessful)
            return
        window.show()
        window.dialogs.printerErrorDialog.open()
    }

    Connections {
        target: runner.window
        function onConfirmedOK(cfg) { runner.write(cfg) }
    }

    Connections {
        target: core
        function onReportProgress(page, pageCount) {
            if (!runner.writing)
                return
            runner.page = page
            runner.pageCount = pageCount
            runner.showProgress()
        }
        function onReportFinished(result) {
            if (runner.writing)
                runner.finish(result)
        }
        function onWriteError(message) {
            if ((runner.writing || runner.visible) && runner.window)
                runner.window.dialogs.printerErrorDialog.informativeText = message
        }
        function onReportNotOpened(fileName) {
            if (!runner.writing && !runner.visible)
                return
            root.dialogs.reportNotOpenedDialog.informativeText = fileName
            root.dialogs.reportNotOpenedDialog.open()
        }
    }
}
