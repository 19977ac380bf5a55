import QtQuick 2.15
import QtQuick.Dialogs 1.3

import "FileNames.js" as FileNames

// The download of a device page: the runs the user chose in the page's run
// list go to core in list order, then into the data file the save dialog
// names, saved in the background while the shell says so; the shell shows
// the runs once the file is saved. A file that exists is replaced only when
// the user said yes to its own name: the save dialog asks about the name as
// typed, and the question here about the name once the model's extension is
// added. A save that failed is told, and the save dialog asks for another
// file; cancelling it tells that the runs are not saved (they are shown all
// the same, but the page shows no finished download). Core's progress and
// the reason of a failed save reach this download alone, while it runs. A
// lost link or a busy instrument is told by the shell's dialogs; any other
// failed download is left to whoever hears downloadError (the shell shows
// it). The page shows `progress` and `warning`, and locks its list while
// `downloading`.
Item {
    id: download

    // The model the page serves and the extension of its data files.
    property string productName: ""
    property string fileExtension: ""
    // Indexes into core's run list chosen for the next download.
    property var chosenRuns: []
    // The chosen run of a page that downloads one run at a time, -1 when none.
    readonly property int selectedIdx: chosenRuns.length === 1 ? chosenRuns[0] : -1
    // True while a download runs, and while its file is being saved.
    property bool downloading: false
    // True while the downloaded runs are being saved.
    property bool saving: false
    // Percent of this page's running (or last) download.
    property real progress: 0
    // What is wrong with the choice the user made, "" when nothing is.
    property string warning: ""
    // The runs are chosen by a click that asks for their file: cancelling
    // the file forgets them.
    property bool choiceAsksFile: false
    property alias saveDialog: saveDialog
    // The write that waits for the user's answer about replacing its file.
    property var waitingWrite: null
    // True from a failed save until the runs are saved or the user gives up:
    // the save dialog asks for another file for the same runs.
    property bool savingAgain: false

    signal downloadError()

    // The page shows a newly connected instrument: nothing chosen, told or
    // downloaded yet.
    function startAfresh() {
        saveDialog.close()
        waitingWrite = null
        if (savingAgain) {
            savingAgain = false
            root.navigationLocked = false
        }
        chosenRuns = []
        warning = ""
        progress = 0
    }

    // A click on a run of a page that downloads one run at a time chooses it
    // and asks where to save it.
    function chooseRun(index) {
        if (downloading || savingAgain)
            return
        chosenRuns = [index]
        saveDialog.open()
    }

    // Adds run `index` to the choice, or takes it out again.
    function toggleRun(index, checked) {
        var runs = chosenRuns.slice()
        var at = runs.indexOf(index)
        if (at < 0 && checked !== false)
            runs.push(index)
        else if (at >= 0 && checked !== true)
            runs.splice(at, 1)
        chosenRuns = runs
    }

    // "Accept" of a page where runs are checked: without a checked run, or
    // with the `problem` the page found in the choice, the page says so and
    // nothing is sent; otherwise the user names the file.
    function accept(problem) {
        if (downloading || savingAgain)
            return false
        if (chosenRuns.length === 0)
            warning = qsTr("You shall select at least one exposure component")
        else
            warning = problem || ""
        if (warning !== "")
            return false
        saveDialog.open()
        return true
    }

    // The save dialog's answer: the chosen runs go to `fileUrl`; after a
    // failed save, the runs already downloaded.
    function saveChosenRuns(fileUrl) {
        saveDialog.close()
        if (savingAgain)
            return saveAgain(fileUrl)
        return downloadRuns(chosenRuns, fileUrl)
    }

    // The save dialog asks about the name as the user typed it; the file the
    // save writes has the model's extension added. True when that is another
    // name and a file of that name exists: `write` then waits for the user's
    // answer to the shell's question, which names that file.
    function askBeforeReplacing(fileUrl, write) {
        var file = FileNames.withExtension(fileUrl, fileExtension)
        var existing = file === String(fileUrl) ? [] : core.existingDataFiles(file)
        if (existing.length === 0)
            return false
        waitingWrite = function () { return write(file) }
        var ask = root.dialogs.replaceFileDialog
        ask.informativeText = existing.join("\n")
        ask.open()
        return true
    }

    // The user's answer about replacing the file: yes writes it, no asks for
    // another file.
    function replaceAnswered(replace) {
        var write = waitingWrite
        waitingWrite = null
        if (!write)
            return
        if (replace)
            write()
        else
            saveDialog.open()
    }

    // Downloads the runs of `indexes` (in list order) and saves them to
    // `fileUrl`; gives core's download result, or 1 while the user is asked
    // whether the file may be replaced. The results page shows the runs
    // through the shell.
    function downloadRuns(indexes, fileUrl) {
        var runs = indexes.slice().sort(function (a, b) { return a - b })
        if (runs.length === 0 || downloading)
            return root.deviceError
        if (askBeforeReplacing(fileUrl, function (file) { return downloadRuns(runs, file) }))
            return 1
        downloading = true
        root.navigationLocked = true
        var result = transfer.run(function () {
            download.progress = 0
            return core.createExperiment(JSON.stringify(runs))
        })
        downloading = false
        root.navigationLocked = false
        if (result !== root.deviceSuccessful) {
            if (result === root.deviceDisconnected || result === root.deviceBusy)
                root.dialogs.showFailure(result, null)
            else
                downloadError()
            return result
        }
        chosenRuns = []
        save(FileNames.withExtension(fileUrl, fileExtension))
        return result
    }

    // The runs downloaded before a failed save go to `fileUrl`; gives 0, or 1
    // while the user is asked whether the file may be replaced.
    function saveAgain(fileUrl) {
        if (askBeforeReplacing(fileUrl, saveAgain))
            return 1
        savingAgain = false
        root.navigationLocked = false
        save(FileNames.withExtension(fileUrl, fileExtension))
        return root.deviceSuccessful
    }

    // Saves core's runs to the data file `file` in the background.
    function save(file) {
        transfer.reason = ""
        transfer.begin()
        var saved = core.startSaveExperimentToFile(file)
        if (saved !== root.deviceSuccessful) {
            savedAs(saved)
            return
        }
        saving = true
        downloading = true
        root.navigationLocked = true
        root.busyText = qsTr("Saving the file")
    }

    // The end of the save: the runs' page, or the failure told and, once the
    // user closed that message, the save dialog for another file. Until the
    // runs are saved or given up, the shell's navigation waits.
    function savedAs(result) {
        transfer.end()
        if (saving) {
            saving = false
            downloading = false
            root.navigationLocked = false
            root.busyText = ""
        }
        if (result === root.deviceSuccessful) {
            root.showResultsPage(core.devName)
            return
        }
        savingAgain = true
        root.navigationLocked = true
        root.dialogs.showWriteFailure(root.dialogs.saveFailDialog, transfer.reason)
    }

    // The save dialog closed without a file while the runs wait for one: the
    // user is told that they are not saved; they are shown all the same, as
    // they are in memory, but the page shows no finished download.
    function giveUpSaving() {
        savingAgain = false
        root.navigationLocked = false
        progress = 0
        root.dialogs.runsNotSavedDialog.open()
        root.showResultsPage(core.devName)
    }

    VfOperation {
        id: transfer
        // Why the data file could not be written.
        property string reason: ""
        function onProgressBarUpdated(progress) { download.progress = progress }
        function onWriteError(message) { transfer.reason = message }
        function onFileSaved(result) { download.savedAs(result) }
    }

    Connections {
        target: root.dialogs.replaceFileDialog
        enabled: download.waitingWrite !== null
        function onYes() { download.replaceAnswered(true) }
        function onNo() { download.replaceAnswered(false) }
        function onRejected() { download.replaceAnswered(false) }
    }

    Connections {
        target: root.dialogs.saveFailDialog
        enabled: download.savingAgain
        function onVisibilityChanged() {
            if (!root.dialogs.saveFailDialog.visible)
                saveDialog.open()
        }
    }

    Connections {
        target: core
        function onExperimentListUpdate() {
            // The indexes of an old list mean nothing in the new one.
            download.chosenRuns = []
        }
    }

    // What was chosen is shown again; what was said of an earlier choice is
    // not.
    onChosenRunsChanged: warning = ""

    FileDialog {
        id: saveDialog
        objectName: "saveDialog"
        title: qsTr("Save file as")
        modality: Qt.NonModal
        selectExisting: false
        selectMultiple: false
        nameFilters: [qsTr("Suite Valtrix Files ") + "(*." + download.fileExtension + ")",
                      qsTr("All files ") + "(*)"]
        onAccepted: download.saveChosenRuns(saveDialog.fileUrl)
        onRejected: {
            if (download.savingAgain)
                download.giveUpSaving()
            else if (download.choiceAsksFile)
                download.chosenRuns = []
        }
    }
}
