import QtQuick 2.15

// Writes the report a results page's report window asks for: the window's
// confirmedOK options go to core.generateReport. A written report hides the
// window; a failed one keeps it open over the printer error, with the reason
// the writer gave, for another try. A report that was written but could not
// be opened is pointed out by the shell. Place it in the results page; it
// speaks only while the page is shown.
Item {
    id: runner

    // A report window: confirmedOK(cfg) and its own `dialogs`.
    property var window: null

    // Gives core's result.
    function write(cfg) {
        var failed = window.dialogs.printerErrorDialog
        failed.informativeText = ""
        var result = core.generateReport(cfg)
        if (result === root.deviceSuccessful)
            window.hide()
        else
            failed.open()
        return result
    }

    Connections {
        target: runner.window
        function onConfirmedOK(cfg) { runner.write(cfg) }
    }

    Connections {
        target: core
        function onWriteError(message) {
            if (runner.visible && runner.window)
                runner.window.dialogs.printerErrorDialog.informativeText = message
        }
        function onReportNotOpened(fileName) {
            if (!runner.visible)
                return
            root.dialogs.reportNotOpenedDialog.informativeText = fileName
            root.dialogs.reportNotOpenedDialog.open()
        }
    }
}
