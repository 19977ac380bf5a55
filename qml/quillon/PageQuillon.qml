import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

// The page of a connected "QUILLON": its run list, the configuration window,
// and the download of the chosen runs (the exposure components of one
// working day, all of one application) into a data file.
VfPage {
    id: page

    readonly property string productName: "QUILLON"
    // Indexes into core's run list chosen for the next download.
    property alias chosenRuns: download.chosenRuns
    // True while a download runs: the list and the buttons wait for it.
    property alias downloading: download.downloading
    // What is wrong with the runs chosen, "" when nothing is.
    property alias warning: download.warning
    property alias configWindow: configWindow
    property alias saveDialog: download.saveDialog
    property alias progressBar: progressBar

    signal downloadError()

    pageTitle: "Quillon"

    // A click on a run adds it to the choice or takes it out again.
    function toggleRun(index) {
        if (!downloading)
            download.toggleRun(index)
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
        return download.accept(areComponentsSameType(chosenRuns)
                               ? "" : qsTr("The selected exposure components shall be the same application"))
    }

    // Downloads the chosen runs (in list order) and saves them to `fileUrl`;
    // gives core's download result.
    function downloadRuns(fileUrl) {
        return download.saveChosenRuns(fileUrl)
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

    // The outcome of sending the configuration.
    function showSendResult(result) {
        if (result === root.deviceSuccessful)
            root.dialogs.configSuccesfulDialog.open()
        else
            root.dialogs.showFailure(result, root.dialogs.configErrorDialog)
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
        productName: page.productName
        fileExtension: "qln"
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
                    VfMessage {
                        objectName: "selectionWarning"
                        Layout.fillWidth: true
                        lines: 2
                        text: page.warning
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

    QuillonConfiguration {
        id: configWindow
        objectName: "quillonConfiguration"
        onCfgOK: page.showSendResult(core.sndConfiguration(cfg))
    }
}
