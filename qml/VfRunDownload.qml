import QtQuick 2.15
import QtQuick.Dialogs 1.3

import "FileNames.js" as FileNames

// The download of one run of a device page's run list into a data file: a
// click chooses the run and asks where to save it, the answer downloads it and
// saves it in the background (the shell shows that it is saving); the
// results page is shown once the file is saved, or its failure told. A lost link or a busy instrument is shown by the shell's dialogs;
// any other failed download is left to whoever hears downloadError (the
// shell shows it). The page shows `progress` and locks its list while
// `downloading`.
Item {
    id: download

    // The model the page serves and the extension of its data files.
    property string productName: ""
    property string fileExtension: ""
    // The row of the run list chosen for download, -1 when none.
    property int selectedIdx: -1
    // True while a download runs, and while its file is being saved.
    property bool downloading: false
    // True while the downloaded run is being saved.
    property bool saving: false
    // Percent of the running (or last) download.
    property real progress: 0
    property alias saveDialog: saveDialog

    signal downloadError()

    // A click on a run chooses it and asks where to save it.
    function chooseRun(index) {
        if (downloading)
            return
        selectedIdx = index
        saveDialog.open()
    }

    // The save dialog's answer: the chosen run goes to `fileUrl`.
    function saveChosenRun(fileUrl) {
        saveDialog.close()
        return downloadRun(selectedIdx, fileUrl)
    }

    // Downloads run `index` of the run list and saves it to `fileUrl`; gives
    // core's download result. The results page shows the run through core's
    // experimentUpdated.
    function downloadRun(index, fileUrl) {
        if (index < 0)
            return root.deviceError
        downloading = true
        root.navigationLocked = true
        progress = 0
        var result = core.createExperiment(JSON.stringify([index]))
        downloading = false
        root.navigationLocked = false
        if (result !== root.deviceSuccessful) {
            if (result === root.deviceDisconnected || result === root.deviceBusy)
                root.dialogs.showFailure(result, null)
            else
                downloadError()
            return result
        }
        root.dialogs.saveFailDialog.informativeText = ""
        var saved = core.startSaveExperimentToFile(
                    FileNames.withExtension(fileUrl, fileExtension))
        if (saved !== root.deviceSuccessful) {
            savedAs(saved)
            return result
        }
        saving = true
        downloading = true
        root.navigationLocked = true
        root.busyText = qsTr("Saving the file")
        return result
    }

    // The end of the save: the run's page, after the save's failure if any.
    function savedAs(result) {
        if (saving) {
            saving = false
            downloading = false
            root.navigationLocked = false
            root.busyText = ""
        }
        if (result !== root.deviceSuccessful)
            root.dialogs.saveFailDialog.open()
        root.showResultsPage(core.devName)
    }

    Connections {
        target: core
        function onProgressBarUpdated(progress) {
            // Every device page hears core's progress; only the page that
            // downloads shows it.
            if (download.downloading)
                download.progress = progress
        }
        function onFileSaved(result) {
            if (download.saving)
                download.savedAs(result)
        }
        function onDeviceDisconnected() {
            download.downloading = false
            download.selectedIdx = -1
            saveDialog.close()
        }
        function onExperimentListUpdate() {
            // An index of an old list means nothing in the new one.
            download.selectedIdx = -1
        }
        function onWriteError(message) {
            // An item is shown only while its page is.
            if (download.downloading || download.visible)
                root.dialogs.saveFailDialog.informativeText = message
        }
    }

    FileDialog {
        id: saveDialog
        objectName: "saveDialog"
        title: qsTr("Save file as")
        modality: Qt.NonModal
        selectExisting: false
        selectMultiple: false
        nameFilters: [qsTr("Suite Valtrix Files ") + "(*." + download.fileExtension + ")",
                      qsTr("All files ") + "(*)"]
        onAccepted: download.saveChosenRun(saveDialog.fileUrl)
        onRejected: download.selectedIdx = -1
    }
}
