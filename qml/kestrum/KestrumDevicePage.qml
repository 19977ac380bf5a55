import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

// The page of a connected heat-stress monitor: its run list, its
// configuration window and the download of one run into a data file. The
// model's page gives its product name, file extension, configuration window
// and run rows.
VfPage {
    id: page

    // The model the page serves ("KESTRUM 2" or "KESTRUM 4").
    property alias productName: download.productName
    // The extension of its data files ("ksm", "ks4").
    property alias fileExtension: download.fileExtension
    // The configuration window of the model.
    property Window configWindow: null
    // The row of the run list chosen for download, -1 when none.
    property alias selectedIdx: download.selectedIdx
    // True while a download runs: the list and the buttons wait for it.
    property alias downloading: download.downloading
    property alias runDelegate: experimentList.delegate
    property alias experimentList: experimentList
    property alias saveDialog: download.saveDialog
    property alias progressBar: progressBar

    signal downloadError()

    function chooseRun(index) { download.chooseRun(index) }
    function saveChosenRun(fileUrl) { return download.saveChosenRuns(fileUrl) }
    function downloadRun(index, fileUrl) { return download.downloadRuns([index], fileUrl) }

    // The page shows a newly connected instrument, or lets go of a lost one.
    function startAfresh() {
        download.startAfresh()
        if (configWindow)
            configWindow.close()
        deviceInfo.device = core.device
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

    VfRunDownload {
        id: download
        choiceAsksFile: true
        onDownloadError: page.downloadError()
    }

    Connections {
        target: page.configWindow
        function onCfgOK(cfg) { page.sendConfiguration(cfg) }
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
}
