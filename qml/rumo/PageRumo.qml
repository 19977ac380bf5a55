import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import "../../qml"

import "Rumo.js" as Rumo

// The page of a connected "RUMO": its run list with a check box per run, the
// configuration window, and the download of the checked runs into a data
// file.
VfPage {
    id: page

    // Positions in core's run list checked for the next download.
    property var selectedIdx: []
    // True while a download runs: the list and the buttons wait for it.
    property bool downloading: false
    property alias configWindow: configWindow
    property alias saveDialog: saveDialog
    property alias progressBar: progressBar
    property alias experimentList: expSearch

    signal downloadError()

    pageTitle: qsTr("RUMO")

    function check(index) {
        if (selectedIdx.indexOf(index) < 0)
            selectedIdx = selectedIdx.concat([index])
    }

    function uncheck(index) {
        var list = selectedIdx.slice()
        var at = list.indexOf(index)
        if (at >= 0)
            list.splice(at, 1)
        selectedIdx = list
    }

    // "Accept": the checked runs must be of one application; then the save
    // dialog asks for the file.
    function accept() {
        if (selectedIdx.length === 0) {
            warningText1.visible = false
            warningText2.visible = true
            return false
        }
        if (!Rumo.sameApplication(core.experimentList, selectedIdx)) {
            warningText2.visible = false
            warningText1.visible = true
            return false
        }
        warningText1.visible = false
        warningText2.visible = false
        saveDialog.open()
        return true
    }

    // Downloads the checked runs (in list order) and saves them to `fileUrl`;
    // gives core's download result.
    function downloadRuns(fileUrl) {
        if (selectedIdx.length === 0)
            return root.deviceError
        var runs = Rumo.sortedNumbers(selectedIdx)
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
        saveFailDialog.informativeText = ""
        if (core.saveExperimentToFile(withExtension(String(fileUrl))) !== root.deviceSuccessful)
            saveFailDialog.open()
        root.showResultsPage(core.devName)
        return result
    }

    // A file name the user typed without an extension gets the family's.
    function withExtension(url) {
        var name = url.substring(url.lastIndexOf("/") + 1)
        return name.indexOf(".") >= 0 ? url : url + ".rmx"
    }

    // Reads the interval and the sensor certificate, then shows the window.
    function openConfiguration() {
        var result = core.acquireConfiguration()
        if (result !== root.deviceSuccessful) {
            showFailure(result, root.dialogs.rcvCfgErrorDialog)
            return result
        }
        configWindow.raise()
        configWindow.showNormal()
        return result
    }

    // The dialog of a failed instrument operation: the link or a busy
    // instrument, else the operation's own `errorDialog`.
    function showFailure(result, errorDialog) {
        if (result === root.deviceDisconnected)
            root.dialogs.devDisconnectedDialog.open()
        else if (result === root.deviceBusy)
            root.dialogs.deviceBusyDialog.open()
        else
            errorDialog.open()
    }

    function sendConfiguration(cfg) {
        var result = core.sndConfiguration(cfg)
        if (result === root.deviceSuccessful)
            configWindow.dialogs.configSuccesfulDialog.open()
        else if (result === root.deviceDisconnected)
            root.dialogs.devDisconnectedDialog.open()
        else if (result === root.deviceBusy)
            configWindow.dialogs.deviceBusyDialog.open()
        else
            configWindow.dialogs.configErrorDialog.open()
        return result
    }

    Connections {
        target: core
        function onProgressBarUpdated(progress) {
            if (core.devName === "RUMO")
                progressBar.value = progress
        }
        function onDeviceDisconnected() {
            page.downloading = false
            root.navigationLocked = false
            page.selectedIdx = []
            saveDialog.close()
            configWindow.close()
        }
        function onWriteError(message) {
            saveFailDialog.informativeText = message
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
            id: expSearch
            objectName: "experimentList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 320
            Layout.maximumWidth: 560
            enabled: !page.downloading
            headerlabel: qsTr("Experiments")
            // Rows only while the page is shown: another model's runs make
            // no rows here (nor their pictures, whose textures a hidden
            // page never frees).
            model: page.visible ? core.experimentList : []
            // The positions of an old list mean nothing in a new one.
            onModelChanged: page.selectedIdx = []
            delegate: RumoExperimentItem {
                objectName: "rumoExperimentItem"
                idx: modelData.index + ":"
                label: modelData.hasOwnProperty("exp_Name") ? modelData.exp_Name : ""
                date: qsTr("Date") + ": "
                      + root.convertDateTimeATToLocalTimeString(modelData.dateText)
                size: qsTr("Size") + ": " + modelData.size
                picture: Rumo.sensorPicture(modelData.type, modelData.subType)
                checked: page.selectedIdx.indexOf(index) >= 0
                onItemChecked: page.check(index)
                onItemUnchecked: page.uncheck(index)
            }

            VfText {
                anchors.centerIn: parent
                width: parent.width - 40
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                visible: expSearch.count === 0
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
                        text: qsTr("Check the experiments to download, then press Accept and choose the file they are saved to.")
                        font.pixelSize: 13
                        color: "#505050"
                    }
                    MyButton {
                        objectName: "acceptBtn"
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: 220
                        enabled: !page.downloading
                        buttonLabel: qsTr("Accept")
                        onMyButtonclicked: page.accept()
                    }
                    VfText {
                        id: warningText1
                        objectName: "warningText1"
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        visible: false
                        text: qsTr("The selected exposure components shall be the same application")
                        color: "#d71e1e"
                        font.pixelSize: 14
                    }
                    VfText {
                        id: warningText2
                        objectName: "warningText2"
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        visible: false
                        text: qsTr("You shall select at least one exposure component")
                        color: "#d71e1e"
                        font.pixelSize: 14
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

    RumoConfiguration {
        id: configWindow
        objectName: "rumoConfiguration"
        onCfgOK: page.sendConfiguration(cfg)
    }

    FileDialog {
        id: saveDialog
        objectName: "saveDialog"
        title: qsTr("Save file as")
        modality: Qt.NonModal
        selectExisting: false
        selectMultiple: false
        nameFilters: [qsTr("Suite Valtrix Files ") + "(*.rmx)", qsTr("All files ") + "(*)"]
        onAccepted: page.downloadRuns(saveDialog.fileUrl)
    }

    MessageDialog {
        id: saveFailDialog
        objectName: "saveFailDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The file couldn't be saved")
        standardButtons: StandardButton.Ok
    }
}
