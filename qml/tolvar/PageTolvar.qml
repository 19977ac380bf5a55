import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../qml"

// The page of a connected air-sampling pump: the runs it holds; a click on
// one downloads it into a data file. Serves both pump models: the
// "TOLVAR 4" page gives its product name, file extension and run rows.
VfPage {
    id: page

    property alias productName: download.productName
    property alias fileExtension: download.fileExtension
    // The row of the run list chosen for download, -1 when none.
    property alias selectedIdx: download.selectedIdx
    // True while a download runs: the list waits for it.
    property alias downloading: download.downloading
    property alias runDelegate: expSearch.delegate
    property alias expSearch: expSearch
    property alias saveDialog: download.saveDialog
    property alias progressBar: progressBar

    signal downloadError()

    function chooseRun(index) { download.chooseRun(index) }
    function saveChosenRun(fileUrl) { return download.saveChosenRuns(fileUrl) }
    function downloadRun(index, fileUrl) { return download.downloadRuns([index], fileUrl) }

    // The page shows a newly connected pump, or lets go of a lost one.
    function startAfresh() {
        download.startAfresh()
    }

    width: 1000
    height: 650
    pageTitle: "TOLVAR 3 PLUS"

    VfRunDownload {
        id: download
        productName: "TOLVAR 3 PLUS"
        fileExtension: "tlv"
        choiceAsksFile: true
        onDownloadError: page.downloadError()
    }

    VfList {
        id: expSearch
        objectName: "experimentList"
        anchors { left: parent.left; top: parent.top; bottom: progressBar.top }
        anchors { leftMargin: 20; topMargin: 80; bottomMargin: 10 }
        width: parent.width / 2 - 20
        enabled: !page.downloading
        headerlabel: qsTr("Experiments")
        delegate: TolvarExperimentItem {
            objectName: "tolvarExperimentItem"
            entry: modelData
            selected: index === page.selectedIdx
            onItemClicked: page.chooseRun(index)
        }
        // Rows only while the page is shown: every device page hears core's
        // run list, whichever model listed it.
        model: page.visible ? core.experimentList : []

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

    ProgressBar {
        id: progressBar
        objectName: "downloadProgress"
        anchors { left: expSearch.left; bottom: parent.bottom; bottomMargin: 20 }
        width: expSearch.width
        from: 0
        to: 100
        value: download.progress
    }
}
