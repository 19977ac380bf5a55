import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import "../../qml"

import "../../qml/FileNames.js" as FileNames

// The page of a connected heat-stress monitor: its run list, its
// configuration window and the download of one run into a data file. The
// model's page gives its product name, file extension, configuration window
// and run rows.
VfPage {
    id: page

    // The model the page serves ("KESTRUM 2" or "KESTRUM 4").
    property string productName: ""
    // The extension of its data files ("ksm", "ks4").
    property string fileExtension: ""
    // The configuration window of the model.
    property Window configWindow: null
    // The row of the run list chosen for download, -1 when none.
    property int selectedIdx: -1
    // True while a download runs: the list and the buttons wait for it.
    property bool downloading: false
    property alias runDelegate: experimentList.delegate
    property alias experimentList: experimentList
    property alias saveDialog: saveDialog
    property alias progressBar: progressBar

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
        progressBar.value = 0
        var result = core.createExperiment(JSON.stringify([index]))
        downloading = false
        root.navigationLocked = false
        if (result !== root.deviceSuccessful) {
            // A lost link or a busy instrument says so; anything else is a
            // failed download, which the shell reports.
            if (result === root.deviceDisconnected || result === root.deviceBusy)
                root.dialogs.showFailure(result, null)
            else
                downloadError()
            return result
        }
        var failed = root.dialogs.saveFailDialog
        failed.informativeText = ""
        if (core.saveExperimentToFile(FileNames.withExtension(fileUrl, fileExtension))
                !== root.deviceSuccessful)
            failed.open()
        root.showResultsPage(core.devName)
        return result
    }

    // Reads the configuration, then shows the window.
    function openConfiguration() {
        var result = core.acquireConfiguration()
        if (result !== root.deviceSuccessful) {
            root.dialogs.showFailure(result, root.dialogs.rcvCfgErrorDialog)
            return result
        }
        configWindow.raise()
        configWindow.showNormal()
        return result
    }

    // Sends the window's settings and says how it went.
    function sendConfiguration(cfg) {
        var result = core.sndConfiguration(cfg)
        if (result === root.deviceSuccessful)
            root.dialogs.configSuccesfulDialog.open()
        else
            root.dialogs.showFailure(result, root.dialogs.configErrorDialog)
        return result
    }

    Connections {
        target: core
        function onProgressBarUpdated(progress) {
            if (page.downloading)
                progressBar.value = progress
        }
        function onDeviceDisconnected() {
            page.downloading = false
            page.selectedIdx = -1
            saveDialog.close()
            if (page.configWindow)
                page.configWindow.close()
        }
        function onExperimentListUpdate() {
            // An index of an old list means nothing in the new one.
            page.selectedIdx = -1
        }
        function onWriteError(message) {
            if (page.downloading || page.visible)
                root.dialogs.saveFailDialog.informativeText = message
        }
    }

    Connections {
        target: page.configWindow
        function onCfgOK(cfg) { page.sendConfiguration(cfg) }
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
            // Rows only while the page is shown: every device page hears
            // core's run list, whichever model listed it.
            model: page.visible ? core.experimentList : []

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
                        text: qsTr("Click an experiment to download it and choose the file it is saved to.")
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

    FileDialog {
        id: saveDialog
        objectName: "saveDialog"
        title: qsTr("Save file as")
        modality: Qt.NonModal
        selectExisting: false
        selectMultiple: false
        nameFilters: [qsTr("Suite Valtrix Files ") + "(*." + page.fileExtension + ")",
                      qsTr("All files ") + "(*)"]
        onAccepted: page.saveChosenRun(saveDialog.fileUrl)
        onRejected: page.selectedIdx = -1
    }
}
