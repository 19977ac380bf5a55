import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "Rumo.js" as Rumo

// The page of a connected "RUMO": its run list with a check box per run, the
// configuration window, and the download of the checked runs into a data
// file.
VfPage {
    id: page

    // Positions in core's run list checked for the next download.
    property alias selectedIdx: download.chosenRuns
    // True while a download runs: the list and the buttons wait for it.
    property alias downloading: download.downloading
    property alias configWindow: configWindow
    property alias saveDialog: download.saveDialog
    property alias progressBar: progressBar
    property alias experimentList: expSearch

    signal downloadError()

    pageTitle: qsTr("RUMO")

    function check(index) {
        download.toggleRun(index, true)
    }

    function uncheck(index) {
        download.toggleRun(index, false)
    }

    // "Accept": the checked runs must be of one application; then the save
    // dialog asks for the file.
    function accept() {
        return download.accept(Rumo.sameApplication(core.experimentList, selectedIdx)
                               ? "" : qsTr("The selected exposure components shall be the same application"))
    }

    // Downloads the checked runs (in list order) and saves them to `fileUrl`;
    // gives core's download result.
    function downloadRuns(fileUrl) {
        return download.saveChosenRuns(fileUrl)
    }

    // Reads the interval and the sensor certificate, then shows the window.
    function openConfiguration() {
        // What was said of the runs chosen is past.
        download.warning = ""
        var result = core.acquireConfiguration()
        if (result !== root.deviceSuccessful) {
            root.dialogs.showFailure(result, root.dialogs.rcvCfgErrorDialog)
            return result
        }
        configWindow.raise()
        configWindow.showNormal()
        return result
    }

    function sendConfiguration(cfg) {
        var result = core.sndConfiguration(cfg)
        if (result === root.deviceSuccessful)
            configWindow.dialogs.configSuccesfulDialog.open()
        else if (result === root.deviceDisconnected)
            root.dialogs.devDisconnectedDialog.open()
        else
            configWindow.dialogs.showFailure(result, configWindow.dialogs.configErrorDialog)
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
        productName: "RUMO"
        fileExtension: "rmx"
        onDownloadError: page.downloadError()
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
                    VfMessage {
                        objectName: "selectionWarning"
                        Layout.fillWidth: true
                        lines: 2
                        text: download.warning
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

    RumoConfiguration {
        id: configWindow
        objectName: "rumoConfiguration"
        onCfgOK: page.sendConfiguration(cfg)
    }
}
