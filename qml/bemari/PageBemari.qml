import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import "../../qml"

import "SoundLevelPages.js" as Data

// The page of a connected "BEMARI" (and, through PageBemariPlus, of a
// "BEMARI+"): its run list with check boxes, the configuration window, and
// the download of the checked runs into a data file.
VfPage {
    id: page

    // The product name of the model this page serves.
    property string modelName: "BEMARI"
    readonly property string fileExtension: Data.models[modelName].extension
    // The configuration window of the model, made once the page is complete.
    property Component configurationComponent: Component {
        BemariConfiguration {}
    }
    property QtObject configWindow: null

    // Indexes into core's run list checked for the next download.
    property var chosenRuns: []
    // "Accept" was pressed without a checked run.
    property bool noRunChosen: false
    // True while a download runs: the list and the buttons wait for it.
    property bool downloading: false
    property alias saveDialog: saveDialog
    property alias progressBar: progressBar

    signal downloadError()

    pageTitle: "Bemari"

    function chooseRun(index, checked) {
        var runs = chosenRuns.slice()
        var at = runs.indexOf(index)
        if (checked && at < 0)
            runs.push(index)
        else if (!checked && at >= 0)
            runs.splice(at, 1)
        chosenRuns = runs
        if (runs.length > 0)
            noRunChosen = false
    }

    // "Accept": without a checked run the page says so and nothing is sent;
    // otherwise the user names the file the runs go to.
    function accept() {
        if (downloading)
            return false
        if (chosenRuns.length === 0) {
            noRunChosen = true
            return false
        }
        noRunChosen = false
        saveDialog.open()
        return true
    }

    // The save dialog's answer: the checked runs go to `fileUrl`.
    function saveChosenRuns(fileUrl) {
        saveDialog.close()
        return downloadRuns(chosenRuns, fileUrl)
    }

    // Downloads the runs of `indexes` (in list order), then saves them to
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
            showFailure(result, null)
            return result
        }
        saveFailDialog.informativeText = ""
        if (core.saveExperimentToFile(Data.withExtension(fileUrl, fileExtension))
                !== root.deviceSuccessful)
            saveFailDialog.open()
        root.showResultsPage(core.devName)
        return result
    }

    // Reads the configuration, then shows the window.
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

    // The dialog of a failed instrument operation: the lost link (the shell
    // goes home and says so), a busy instrument, else `errorDialog` or the
    // failed download.
    function showFailure(result, errorDialog) {
        if (result === root.deviceDisconnected)
            root.dialogs.devDisconnectedDialog.open()
        else if (result === root.deviceBusy)
            root.dialogs.deviceBusyDialog.open()
        else if (errorDialog)
            errorDialog.open()
        else
            downloadError()
    }

    function sendConfiguration(cfg) {
        var result = core.sndConfiguration(cfg)
        if (result === root.deviceSuccessful)
            root.dialogs.configSuccesfulDialog.open()
        else
            showFailure(result, root.dialogs.configErrorDialog)
        return result
    }

    Component.onCompleted: {
        configWindow = configurationComponent.createObject(page)
        configWindow.cfgOK.connect(page.sendConfiguration)
    }

    Connections {
        target: core
        function onProgressBarUpdated(progress) {
            progressBar.value = progress
        }
        function onDeviceDisconnected() {
            root.dialogs.devDisconnectedDialog.open()
            page.downloading = false
            root.navigationLocked = false
            page.chosenRuns = []
            saveDialog.close()
            if (page.configWindow)
                page.configWindow.close()
        }
        function onExperimentListUpdate() {
            // The indexes of an old list mean nothing in the new one.
            page.chosenRuns = []
            page.noRunChosen = false
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
            id: experimentList
            objectName: "experimentList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 320
            Layout.maximumWidth: 560
            enabled: !page.downloading
            headerlabel: qsTr("Experiments")
            model: core.experimentList
            delegate: BemariExperimentItem {
                objectName: "bemariExperimentItem"
                label: (index + 1)
                       + (modelData.hasOwnProperty("exp_Name") ? ": " + modelData.exp_Name : "")
                date: {
                    var when = Data.deviceDate(modelData.dateText)
                    return qsTr("Date") + ": "
                            + (when ? when.toLocaleDateString(Qt.locale(), Locale.ShortFormat)
                                    : modelData.dateText)
                }
                size: qsTr("Size") + ": " + modelData.size
                checked: page.chosenRuns.indexOf(index) >= 0
                onToggled: page.chooseRun(index, checked)
            }

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
                        text: qsTr("Check the experiments to download and press Accept to choose the file they are saved to.")
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
                    RowLayout {
                        Layout.fillWidth: true
                        VfText {
                            objectName: "noRunWarning"
                            Layout.fillWidth: true
                            wrapMode: Text.WordWrap
                            visible: page.noRunChosen
                            text: qsTr("You shall select at least one exposure component")
                            color: "#d71e1e"
                            font.pixelSize: 14
                        }
                        VfText {
                            objectName: "downloadProgressText"
                            Layout.alignment: Qt.AlignRight
                            text: progressBar.value.toFixed(0) + " %"
                            font.pixelSize: 13
                            color: "#505050"
                        }
                    }
                    MyButton {
                        objectName: "acceptBtn"
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: 220
                        enabled: !page.downloading
                        buttonLabel: qsTr("Accept")
                        onMyButtonclicked: page.accept()
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
        onAccepted: page.saveChosenRuns(saveDialog.fileUrl)
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
