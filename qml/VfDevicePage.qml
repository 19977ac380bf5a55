import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15

// The page of a connected instrument, whatever its model: the runs it holds,
// the instrument box, the configuration window and the download of the
// chosen runs into a data file. A model's page gives its product name, file
// extension, run rows, configuration window and how its runs are chosen:
// a click that asks for the file at once (`choiceAsksFile`), or runs
// checked first and then "Accept".
VfPage {
    id: page

    property alias productName: download.productName
    property alias fileExtension: download.fileExtension
    property alias choiceAsksFile: download.choiceAsksFile
    property alias runDownload: download
    // Indexes into core's run list chosen for the next download.
    property alias chosenRuns: download.chosenRuns
    // What is wrong with the runs chosen, "" when nothing is.
    property alias warning: download.warning
    // True while a download runs: the list and the buttons wait for it.
    property alias downloading: download.downloading
    property alias saveDialog: download.saveDialog
    property alias progressBar: progressBar
    property alias experimentList: experimentList
    property alias runDelegate: experimentList.delegate
    // The model's configuration window; a model without one has no
    // "Configure" button.
    property Window configWindow: null
    // How the runs are chosen, said above the progress.
    property alias downloadHint: hint.text
    // The object name of the message about the runs chosen.
    property alias warningName: warningMessage.objectName

    signal downloadError()

    // "Accept" of runs checked in the list: without one, or with the
    // `problem` the model finds in the choice, the page says so and nothing
    // is sent; otherwise the user names the file they go to.
    function accept(problem) {
        return download.accept(problem)
    }

    // The save dialog's answer: the chosen runs go to `fileUrl`.
    function saveChosenRuns(fileUrl) {
        return download.saveChosenRuns(fileUrl)
    }

    // Downloads the runs of `indexes` (in list order), then saves them to
    // `fileUrl`; gives core's download result.
    function downloadRuns(indexes, fileUrl) {
        return download.downloadRuns(indexes, fileUrl)
    }

    // Reads what the configuration window shows, then shows the window.
    function openConfiguration() {
        // What was said of the runs chosen is past.
        download.warning = ""
        var result = page.readConfiguration()
        if (result !== root.deviceSuccessful)
            return result
        configWindow.raise()
        configWindow.showNormal()
        return result
    }

    // Reads the configuration; a model whose window shows more reads that
    // too (see readOrTell).
    function readConfiguration() {
        return readOrTell(core.acquireConfiguration(), root.dialogs.rcvCfgErrorDialog)
    }

    // `result` of reading from the instrument, its failure told: the link
    // or a busy instrument, else `errorDialog`.
    function readOrTell(result, errorDialog) {
        if (result !== root.deviceSuccessful)
            root.dialogs.showFailure(result, errorDialog)
        return result
    }

    // Sends the window's settings and says how it went.
    function sendConfiguration(cfg) {
        return showSendResult(core.sndConfiguration(cfg), root.dialogs)
    }

    // The outcome of sending settings, in `dialogSet` (the dialogs of the
    // window the user sees at that moment). A lost link is told by the
    // shell, as the windows close with it.
    function showSendResult(result, dialogSet) {
        dialogSet = dialogSet || root.dialogs
        if (result === root.deviceSuccessful)
            dialogSet.configSuccesfulDialog.open()
        else if (result === root.deviceDisconnected)
            root.dialogs.devDisconnectedDialog.open()
        else
            dialogSet.showFailure(result, dialogSet.configErrorDialog)
        return result
    }

    // The page shows a newly connected instrument, or lets go of a lost one.
    function startAfresh() {
        download.startAfresh()
        if (configWindow)
            configWindow.close()
        deviceInfo.device = core.device
    }

    VfRunDownload {
        id: download
        onDownloadError: page.downloadError()
    }

    Connections {
        target: page.configWindow
        ignoreUnknownSignals: true
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
            // core's run list, whichever model listed it (and a hidden page
            // would keep the pictures of rows it never shows).
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

        // A low window scrolls the instrument and download boxes rather than
        // cutting them.
        VfScrollPane {
            id: sidePane
            Layout.fillWidth: true
            Layout.fillHeight: true
            // Not the content's width, which follows the pane's own.
            Layout.preferredWidth: 520
            Layout.maximumWidth: 520

            Column {
                width: sidePane.availableWidth
                topPadding: 8
                spacing: 16

                VfFrame {
                    id: deviceInfo
                    objectName: "deviceInfo"
                    width: parent.width
                    label: qsTr("Instrument")

                    property var device: ({})

                    Column {
                        spacing: 8
                        Repeater {
                            model: [
                                { "label": qsTr("Model"), "key": "name" },
                                { "label": qsTr("Serial number"), "key": "SN" },
                                { "label": qsTr("Firmware"), "key": "Fw" }
                            ]
                            VfInfoElement {
                                label: modelData.label + ":"
                                value: deviceInfo.device[modelData.key] !== undefined
                                       ? deviceInfo.device[modelData.key] : ""
                            }
                        }
                    }
                }

                MyButton {
                    objectName: "configureBtn"
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 220
                    visible: page.configWindow !== null
                    enabled: !page.downloading
                    buttonLabel: qsTr("Configure")
                    onMyButtonclicked: page.openConfiguration()
                }

                VfFrame {
                    width: parent.width
                    label: qsTr("Download")

                    ColumnLayout {
                        width: parent.width
                        spacing: 8

                        VfText {
                            id: hint
                            Layout.fillWidth: true
                            wrapMode: Text.WordWrap
                            text: qsTr("Click an experiment to download it and choose the file it is saved to.")
                            font.pixelSize: 13
                            color: "#505050"
                        }
                        MyButton {
                            objectName: "acceptBtn"
                            Layout.alignment: Qt.AlignHCenter
                            Layout.preferredWidth: 220
                            visible: !page.choiceAsksFile
                            enabled: !page.downloading
                            buttonLabel: qsTr("Accept")
                            onMyButtonclicked: page.accept()
                        }
                        VfMessage {
                            id: warningMessage
                            objectName: "selectionWarning"
                            Layout.fillWidth: true
                            visible: !page.choiceAsksFile
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
    }
}
