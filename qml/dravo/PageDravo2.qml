import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

// The page of a connected "DRAVO 2": its run list, the configuration window,
// and the download of the chosen runs into a data file.
VfPage {
    id: page

    pageTitle: "Dravo 2"

    // Indexes into core's run list chosen for the next download.
    property alias chosenRuns: download.chosenRuns
    // True while a download runs: the list and the buttons wait for it.
    property alias downloading: download.downloading
    property alias configWindow: configWindow
    property alias saveDialog: download.saveDialog
    property alias progressBar: progressBar

    // A click on a run chooses it and asks where to save it. While the save
    // dialog is open (it is not modal) further clicks add runs to the same
    // file, or take a chosen one out again.
    function chooseRun(index) {
        if (downloading)
            return
        if (!saveDialog.visible)
            chosenRuns = []
        download.toggleRun(index)
        if (chosenRuns.length === 0)
            saveDialog.close()
        else
            saveDialog.open()
    }

    // The save dialog's answer: the chosen runs go to `fileUrl`.
    function saveChosenRuns(fileUrl) {
        return download.saveChosenRuns(fileUrl)
    }

    // Downloads the runs of `indexes` (in list order) and saves them to
    // `fileUrl`; gives core's download result.
    function downloadRuns(indexes, fileUrl) {
        return download.downloadRuns(indexes, fileUrl)
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

    // The page shows a newly connected instrument, or lets go of a lost one.
    function startAfresh() {
        download.startAfresh()
        configWindow.close()
        deviceInfo.device = core.device
    }

    VfRunDownload {
        id: download
        productName: "DRAVO 2"
        fileExtension: "drv"
        choiceAsksFile: true
        onDownloadError: root.dialogs.downloadFailDialog.open()
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
                        value: download.progress
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
}
