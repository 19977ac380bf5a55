import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
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
    property alias chosenRuns: download.chosenRuns
    // "Accept" was pressed without a checked run.
    readonly property bool noRunChosen: download.warning !== ""
    // True while a download runs: the list and the buttons wait for it.
    property alias downloading: download.downloading
    property alias saveDialog: download.saveDialog
    property alias progressBar: progressBar

    signal downloadError()

    pageTitle: "Bemari"

    function chooseRun(index, checked) {
        download.toggleRun(index, checked)
    }

    // "Accept": without a checked run the page says so and nothing is sent;
    // otherwise the user names the file the runs go to.
    function accept() {
        return download.accept()
    }

    // The save dialog's answer: the checked runs go to `fileUrl`.
    function saveChosenRuns(fileUrl) {
        return download.saveChosenRuns(fileUrl)
    }

    // Downloads the runs of `indexes` (in list order), then saves them to
    // `fileUrl`; gives core's download result.
    function downloadRuns(indexes, fileUrl) {
        return download.downloadRuns(indexes, fileUrl)
    }

    // Reads the configuration, then shows the window.
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
            root.dialogs.configSuccesfulDialog.open()
        else
            root.dialogs.showFailure(result, root.dialogs.configErrorDialog)
        return result
    }

    // The page shows a newly connected instrument, or lets go of a lost one.
    function startAfresh() {
        download.startAfresh()
        if (configWindow)
            configWindow.close()
        deviceInfo.device = core.device
    }

    Component.onCompleted: {
        configWindow = configurationComponent.createObject(page)
        configWindow.cfgOK.connect(page.sendConfiguration)
    }

    VfRunDownload {
        id: download
        productName: page.modelName
        fileExtension: page.fileExtension
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
                        value: download.progress
                    }
                    RowLayout {
                        Layout.fillWidth: true
                        VfMessage {
                            objectName: "noRunWarning"
                            Layout.fillWidth: true
                            lines: 2
                            text: download.warning
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
}
