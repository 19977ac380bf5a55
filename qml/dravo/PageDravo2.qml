import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import "../../qml"

import "../../qml/FileNames.js" as FileNames

// The page of a connected "DRAVO 2": its run list, the configuration window,
// and the download of the chosen runs into a data file.
VfPage {
    id: page

    pageTitle: "Dravo 2"

    // Indexes into core's run list chosen for the next download.
    property var chosenRuns: []
    // True while a download runs: the list and the buttons wait for it.
    property bool downloading: false
    property alias configWindow: configWindow
    property alias saveDialog: saveDialog
    property alias progressBar: progressBar

    // A click on a run chooses it and asks where to save it. While the save
    // dialog is open (it is not modal) further clicks add runs to the same
    // file, or take a chosen one out again.
    function chooseRun(index) {
        if (downloading)
            return
        var runs = saveDialog.visible ? chosenRuns.slice() : []
        var at = runs.indexOf(index)
        if (at >= 0)
            runs.splice(at, 1)
        else
            runs.push(index)
        chosenRuns = runs
        if (runs.length === 0)
            saveDialog.close()
        else
            saveDialog.open()
    }

    // The save dialog's answer: the chosen runs go to `fileUrl`.
    function saveChosenRuns(fileUrl) {
        saveDialog.close()
        return downloadRuns(chosenRuns, fileUrl)
    }

    // Downloads the runs of `indexes` (in list order) and saves them to
    // `fileUrl`; gives core's download result.
    function downloadRuns(indexes, fileUrl) {
        var runs = indexes.slice().sort(function (a, b) { return a - b })
        downloading = true
        root.navigationLocked = true
        progressBar.value = 0
        var result = core.createExperiment(JSON.stringify(runs))
        downloading = false
        root.navigationLocked = false
        if (result !== root.deviceSuccessful) {
            showFailure(result, root.dialogs.downloadFailDialog)
            return result
        }
        var saveFailDialog = root.dialogs.saveFailDialog
        saveFailDialog.informativeText = ""
        if (core.saveExperimentToFile(withExtension(String(fileUrl))) !== root.deviceSuccessful)
            saveFailDialog.open()
        root.showResultsPage(core.devName)
        return result
    }

    // A file name the user typed without an extension gets the family's.
    function withExtension(url) {
        return FileNames.withExtension(url, "drv")
    }

    // Reads the configuration and the schedules, then shows the window.
    function openConfiguration() {
        var result = core.acquireConfiguration()
        if (result !== root.deviceSuccessful) {
            showFailure(result, root.dialogs.rcvCfgErrorDialog)
            return result
        }
        result = core.acquireScheduleList()
        if (result !== root.deviceSuccessful) {
            showFailure(result, root.dialogs.rcvSchedulListDialog)
            return result
        }
        configWindow.raise()
        configWindow.showNormal()
        return result
    }

    // The dialog of a failed instrument operation: the link or a busy
    // instrument, else the operation's own `errorDialog`.
    function showFailure(result, errorDialog) {
        root.dialogs.showFailure(result, errorDialog)
    }

    // The outcome of sending the configuration or the schedules, in the
    // dialogs of the window the user sees at that moment.
    function showSendResult(result, dialogSet) {
        if (result === root.deviceSuccessful)
            dialogSet.configSuccesfulDialog.open()
        else
            showFailure(result, dialogSet.configErrorDialog)
        return result
    }

    Connections {
        target: core
        function onProgressBarUpdated(progress) {
            progressBar.value = progress
        }
        function onDeviceDisconnected() {
            page.downloading = false
            root.navigationLocked = false
            page.chosenRuns = []
            saveDialog.close()
            configWindow.close()
        }
        function onExperimentListUpdate() {
            // The indexes of an old list mean nothing in the new one.
            page.chosenRuns = []
        }
        function onWriteError(message) {
            root.dialogs.saveFailDialog.informativeText = message
        }
    }

    onVisibleChanged: {
        if (visible)
            deviceInfo.device = core.device
    }

    RowLayout {
        anchors.fill: parent
        anchors.topMargin: 56
        anchors.leftMargin: 24
        anchors.rightMargin: 24
        anchors.bottomMargin: 16
        spacing: 36

        VfList {
            id: experimentList
            objectName: "experimentList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 320
            Layout.maximumWidth: 560
            enabled: !page.downloading
            headerlabel: qsTr("Experiments")
            model: core.experimentList
            delegate: Dravo2ExperimentItem {
                objectName: "dravo2ExperimentItem"
                label: (modelData.hasOwnProperty("exp_Name") ? modelData.exp_Name
                                                             : qsTr("Experiment") + " " + (index + 1)) + ":"
                date: qsTr("Date") + ": "
                      + root.convertDateTimeATToLocalTimeString(modelData.dateText)
                size: qsTr("Size") + ": " + modelData.size
                selected: page.chosenRuns.indexOf(index) >= 0
                onItemClicked: {
                    experimentList.currentIndex = index
                    experimentList.listClicked(index)
                }
            }
            onListClicked: page.chooseRun(indexItem)

            VfText {
                anchors.centerIn: parent
                width: parent.width - 40
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                visible: experimentList.count === 0
                text: qsTr("The instrument holds no experiment.")
                font.pixelSize: 14
                color: "#808080"
            }
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.topMargin: 40
            Layout.maximumWidth: 520
            spacing: 24

            VfFrame {
                id: deviceInfo
                objectName: "deviceInfo"
                Layout.fillWidth: true
                label: qsTr("Instrument")

                property var device: ({})

                Column {
                    spacing: 8
                    VfInfoElement {
                        label: qsTr("Model") + ":"
                        value: deviceInfo.device.name !== undefined ? deviceInfo.device.name : ""
                    }
                    VfInfoElement {
                        label: qsTr("Serial number") + ":"
                        value: deviceInfo.device.SN !== undefined ? deviceInfo.device.SN : ""
                    }
                    VfInfoElement {
                        label: qsTr("Firmware") + ":"
                        value: deviceInfo.device.Fw !== undefined ? deviceInfo.device.Fw : ""
                    }
                }
            }

            MyButton {
                id: configureBtn
                objectName: "configureBtn"
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: 220
                enabled: !page.downloading
                buttonLabel: qsTr("Configure")
                onMyButtonclicked: page.openConfiguration()
            }

            VfFrame {
                Layout.fillWidth: true
                label: qsTr("Download")

                ColumnLayout {
                    width: parent.width
                    spacing: 8

                    VfText {
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        text: qsTr("Click an experiment to download it and choose the file it is saved to. While the file dialog is open, click further experiments to save them in the same file.")
                        font.pixelSize: 13
                        color: "#505050"
                    }
                    ProgressBar {
                        id: progressBar
                        objectName: "downloadProgress"
                        Layout.fillWidth: true
                        from: 0
                        to: 100
                        value: 0
                    }
                    VfText {
                        objectName: "downloadProgressText"
                        Layout.alignment: Qt.AlignRight
                        text: progressBar.value.toFixed(0) + " %"
                        font.pixelSize: 13
                        color: "#505050"
                    }
                }
            }
        }
    }

    Dravo2Configuration {
        id: configWindow
        objectName: "dravo2Configuration"
        onCfgOK: page.showSendResult(core.sndConfiguration(cfg), root.dialogs)
        onSchOK: page.showSendResult(core.sndScheduleList(sch), configWindow.dialogs)
    }

    FileDialog {
        id: saveDialog
        objectName: "saveDialog"
        title: qsTr("Save file as")
        modality: Qt.NonModal
        selectExisting: false
        selectMultiple: false
        nameFilters: [qsTr("Suite Valtrix Files ") + "(*.drv)", qsTr("All files ") + "(*)"]
        onAccepted: page.saveChosenRuns(saveDialog.fileUrl)
        onRejected: page.chosenRuns = []
    }
}
