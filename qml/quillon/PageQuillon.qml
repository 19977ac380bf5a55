import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import "../../qml"

// The page of a connected "QUILLON": its run list, the configuration window,
// and the download of the chosen runs (the exposure components of one
// working day, all of one application) into a data file.
VfPage {
    id: page

    readonly property string productName: "QUILLON"
    // Indexes into core's run list chosen for the next download.
    property var chosenRuns: []
    // True while a download runs: the list and the buttons wait for it.
    property bool downloading: false
    property string warning: ""
    property alias configWindow: configWindow
    property alias saveDialog: saveDialog
    property alias progressBar: progressBar

    signal downloadError()

    pageTitle: "Quillon"

    // A click on a run adds it to the choice or takes it out again.
    function toggleRun(index) {
        if (downloading)
            return
        var runs = chosenRuns.slice()
        var at = runs.indexOf(index)
        if (at >= 0)
            runs.splice(at, 1)
        else
            runs.push(index)
        chosenRuns = runs
        warning = ""
    }

    // True when the runs at `indexes` of core's run list share one type.
    function areComponentsSameType(indexes) {
        var list = core.experimentList
        var type
        for (var i = 0; i < indexes.length; ++i) {
            var run = list[indexes[i]]
            var runType = run ? run.type : undefined
            if (i === 0)
                type = runType
            else if (runType !== type)
                return false
        }
        return true
    }

    // "Accept": a choice of runs of one application asks where to save them.
    function accept() {
        if (downloading)
            return false
        if (chosenRuns.length === 0) {
            warning = qsTr("You shall select at least one exposure component")
            return false
        }
        if (!areComponentsSameType(chosenRuns)) {
            warning = qsTr("The selected exposure components shall be the same application")
            return false
        }
        warning = ""
        saveDialog.open()
        return true
    }

    // Downloads the chosen runs (in list order) and saves them to `fileUrl`;
    // gives core's download result.
    function downloadRuns(fileUrl) {
        var runs = chosenRuns.slice().sort(function (a, b) { return a - b })
        if (runs.length === 0 || downloading)
            return root.deviceError
        downloading = true
        root.navigationLocked = true
        progressBar.value = 0
        var result = core.createExperiment(JSON.stringify(runs))
        downloading = false
        root.navigationLocked = false
        if (result !== root.deviceSuccessful) {
            if (result === root.deviceDisconnected)
                root.dialogs.devDisconnectedDialog.open()
            else if (result === root.deviceBusy)
                root.dialogs.deviceBusyDialog.open()
            else
                page.downloadError()
            return result
        }
        chosenRuns = []
        saveFailDialog.informativeText = ""
        if (core.saveExperimentToFile(withExtension(String(fileUrl))) !== root.deviceSuccessful)
            saveFailDialog.open()
        root.showResultsPage(core.devName)
        return result
    }

    // A file name the user typed without an extension gets the family's.
    function withExtension(url) {
        var name = url.substring(url.lastIndexOf("/") + 1)
        return name.indexOf(".") >= 0 ? url : url + ".qln"
    }

    // Reads the configuration, then shows the window.
    function openConfiguration() {
        var result = core.acquireConfiguration()
        if (result !== root.deviceSuccessful) {
            if (result === root.deviceDisconnected)
                root.dialogs.devDisconnectedDialog.open()
            else if (result === root.deviceBusy)
                root.dialogs.deviceBusyDialog.open()
            else
                root.dialogs.rcvCfgErrorDialog.open()
            return result
        }
        configWindow.raise()
        configWindow.showNormal()
        return result
    }

    // The outcome of sending the configuration.
    function showSendResult(result) {
        if (result === root.deviceSuccessful)
            root.dialogs.configSuccesfulDialog.open()
        else if (result === root.deviceDisconnected)
            root.dialogs.devDisconnectedDialog.open()
        else if (result === root.deviceBusy)
            root.dialogs.deviceBusyDialog.open()
        else
            root.dialogs.configErrorDialog.open()
        return result
    }

    Connections {
        target: core
        function onProgressBarUpdated(progress) {
            if (core.devName === page.productName)
                progressBar.value = progress
        }
        function onDeviceDisconnected() {
            page.downloading = false
            page.chosenRuns = []
            saveDialog.close()
            configWindow.close()
        }
        function onExperimentListUpdate() {
            // The indexes of an old list mean nothing in the new one.
            page.chosenRuns = []
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
            delegate: QuillonExperimentItem {
                objectName: "quillonExperimentItem"
                label: modelData.index
                       + (modelData.hasOwnProperty("exp_Name") && modelData.exp_Name !== ""
                          ? ": " + modelData.exp_Name : "")
                date: qsTr("Date") + ": "
                      + root.convertDateTimeATToLocalTimeString(modelData.dateText)
                size: qsTr("Size") + ": " + modelData.size
                type: modelData.type !== undefined ? modelData.type : ""
                checked: page.chosenRuns.indexOf(index) >= 0
                onItemClicked: {
                    experimentList.currentIndex = index
                    experimentList.listClicked(index)
                }
            }
            onListClicked: page.toggleRun(indexItem)

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
                        text: qsTr("Tick the exposure components of one working day, all of one application, then press Accept and choose the file they are saved to.")
                        font.pixelSize: 13
                        color: "#505050"
                    }
                    MyButton {
                        id: acceptBtn
                        objectName: "acceptBtn"
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: 220
                        enabled: !page.downloading
                        buttonLabel: qsTr("Accept")
                        onMyButtonclicked: page.accept()
                    }
                    VfText {
                        objectName: "selectionWarning"
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        visible: text !== ""
                        text: page.warning
                        font.pixelSize: 14
                        color: "#d71e1e"
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

    QuillonConfiguration {
        id: configWindow
        objectName: "quillonConfiguration"
        onCfgOK: page.showSendResult(core.sndConfiguration(cfg))
    }

    FileDialog {
        id: saveDialog
        objectName: "saveDialog"
        title: qsTr("Save file as")
        modality: Qt.NonModal
        selectExisting: false
        selectMultiple: false
        nameFilters: [qsTr("Suite Valtrix Files ") + "(*.qln)", qsTr("All files ") + "(*)"]
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
