import QtQuick 2.15

// The report of a results page: its report window, made from `windowType`,
// and the writing of what the window asks for. The window's confirmedOK
// options go to core.startReport, which writes the report in the background;
// a report that would replace files the user was not asked about asks first.
// While it is written the window is hidden and the shell shows "page k of N"
// over the pages, which wait. A written report ends there; a failed one opens
// the window again over the printer error, with the reason the writer gave,
// for another try. A report that was written but could not be opened is
// pointed out by the shell. Core's outcomes reach this runner only while its
// own report is written. For every new chain of runs the page shows, the
// window starts again from its defaults (startAfresh).
Item {
    id: runner

    // The report window: confirmedOK(cfg), its own `dialogs` and its output
    // file chooser `outputFile` (VfSelectFile).
    property Component windowType: null
    property QtObject window: null
    // The options that wait for the user's answer about replacing files.
    property string waitingOptions: ""
    // True while the report this runner started is being written.
    readonly property bool writing: reporting.running
    // The page written last and the pages of the report being written.
    property int page: 0
    property int pageCount: 0

    // The window as it first was: every option at its default, no file.
    function startAfresh() {
        var old = window
        window = windowType ? windowType.createObject(runner) : null
        if (old) {
            old.close()
            old.destroy()
        }
    }

    function open() {
        window.raise()
        window.showNormal()
    }

    // The files the report would write that exist already and that the
    // user was not asked about by their own name: every one but the file
    // the chooser asked about a moment ago, since once is enough for it. A
    // name typed without ".pdf", and the CSV beside the report, were never
    // asked about.
    function filesToReplace(cfg) {
        var present = core.existingReportFiles(cfg)
        var chooser = window.outputFile
        if (!chooser.fromChooser)
            return present
        return present.filter(function (file) { return file !== chooser.textfilename })
    }

    // The window's "Generate PDF": gives core's result, or 1 while the user
    // is asked whether files may be replaced.
    function submit(cfg) {
        var replaced = filesToReplace(cfg)
        if (replaced.length === 0)
            return write(cfg)
        waitingOptions = cfg
        var ask = window.dialogs.replaceFilesDialog
        ask.informativeText = replaced.join("\n")
        ask.open()
        return 1
    }

    // Starts the report; gives core's result (0 started).
    function write(cfg) {
        waitingOptions = ""
        reporting.reason = ""
        reporting.begin()
        var result = core.startReport(cfg)
        if (result !== root.deviceSuccessful) {
            reporting.end()
            window.dialogs.showWriteFailure(window.dialogs.printerErrorDialog, reporting.reason)
            return result
        }
        // The chooser's question covered this one write.
        window.outputFile.confirmedFile = ""
        page = 0
        pageCount = 0
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
        reporting.end()
        root.navigationLocked = false
        root.busyText = ""
        if (result === root.deviceSuccessful)
            return
        window.show()
        window.dialogs.showWriteFailure(window.dialogs.printerErrorDialog, reporting.reason)
    }

    VfOperation {
        id: reporting
        // Why the report could not be written.
        property string reason: ""
        function onWriteError(message) { reporting.reason = message }
        function onReportNotOpened(fileName) { root.dialogs.showReportNotOpened(fileName) }
        function onReportProgress(page, pageCount) {
            runner.page = page
            runner.pageCount = pageCount
            runner.showProgress()
        }
        function onReportFinished(result) { runner.finish(result) }
    }

    Connections {
        target: runner.window
        function onConfirmedOK(cfg) { runner.submit(cfg) }
    }

    Connections {
        target: runner.window ? runner.window.dialogs.replaceFilesDialog : null
        function onYes() { runner.write(runner.waitingOptions) }
        function onNo() { runner.waitingOptions = "" }
    }

    // The first window is made once the page is complete, whenever its
    // component was given.
    property bool completed: false
    Component.onCompleted: {
        completed = true
        startAfresh()
    }
    onWindowTypeChanged: {
        if (completed)
            startAfresh()
    }
}
