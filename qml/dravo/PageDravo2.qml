import QtQuick 2.15
import "../../qml"

// The page of a connected "DRAVO 2": its run list, the configuration window
// with its schedules, and the download of the chosen runs into a data file.
VfDevicePage {
    id: page

    pageTitle: "Dravo 2"
    productName: "DRAVO 2"
    fileExtension: "drv"
    choiceAsksFile: true
    configWindow: configuration
    downloadHint: qsTr("Click an experiment to download it and choose the file it is saved to. While the file dialog is open, click further experiments to save them in the same file.")

    // A click on a run chooses it and asks where to save it. While the save
    // dialog is open (it is not modal) further clicks add runs to the same
    // file, or take a chosen one out again.
    function chooseRun(index) {
        if (downloading)
            return
        if (!saveDialog.visible)
            chosenRuns = []
        runDownload.toggleRun(index)
        if (chosenRuns.length === 0)
            saveDialog.close()
        else
            saveDialog.open()
    }

    // The configuration, then the schedules the window shows.
    function readConfiguration() {
        var result = readOrTell(core.acquireConfiguration(), root.dialogs.rcvCfgErrorDialog)
        if (result !== root.deviceSuccessful)
            return result
        return readOrTell(core.acquireScheduleList(), root.dialogs.rcvSchedulListDialog)
    }

    // The dialog of a failed instrument operation: the link or a busy
    // instrument, else the operation's own `errorDialog`.
    function showFailure(result, errorDialog) {
        root.dialogs.showFailure(result, errorDialog)
    }

    onDownloadError: root.dialogs.downloadFailDialog.open()

    runDelegate: Dravo2ExperimentItem {
        objectName: "dravo2ExperimentItem"
        label: (modelData.hasOwnProperty("exp_Name") ? modelData.exp_Name
                                                     : qsTr("Experiment") + " " + (index + 1)) + ":"
        date: qsTr("Date") + ": " + root.convertDateTimeATToLocalTimeString(modelData.dateText)
        size: qsTr("Size") + ": " + modelData.size
        selected: page.chosenRuns.indexOf(index) >= 0
        onItemClicked: {
            page.experimentList.currentIndex = index
            page.experimentList.listClicked(index)
        }
    }

    Connections {
        target: page.experimentList
        function onListClicked(indexItem) { page.chooseRun(indexItem) }
    }

    Dravo2Configuration {
        id: configuration
        objectName: "dravo2Configuration"
        onSchOK: page.showSendResult(core.sndScheduleList(sch), configuration.dialogs)
    }
}
