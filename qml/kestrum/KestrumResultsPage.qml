import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "KestrumPages.js" as Pages

// The results page of a heat-stress run: the run information, one view per
// board (a "KESTRUM 4" lists its main unit and expansion boards on the left),
// arrows through the runs opened together and the report window. The model's
// page gives the information panel, the board view and the report window.
VfPage {
    id: page

    // The model the page shows ("KESTRUM 2" or "KESTRUM 4").
    property string productName: ""
    property Component infoType
    property Component viewType
    // The model's report window.
    property Component printerType
    readonly property alias printerWindow: report.window

    // The run shown, as core.experimentSummary gives it (parsed): everything
    // but its samples, which come through core.samples.
    property var experiment: ({})
    property var results: ({})
    // The boards of the run shown: the views and list rows in use.
    property int boardCount: 1
    readonly property bool multiBoard: Pages.isKestrum4(productName)
    // Where the shown run stands in core's chain of opened runs.
    property int place: root.expEmptyList
    // core.samples.runId of the samples in the charts.
    property alias shownRun: sampleCharts.shownRun
    // One sample table per board the model can have, made once: they follow
    // the run shown by themselves.
    property var boardTables: []
    readonly property bool hasPrevious: place === root.expLastItem || place === root.expMiddleItem
    readonly property bool hasNext: place === root.expFirstItem || place === root.expMiddleItem

    property alias expInfo: infoLoader.item
    property alias views: views
    property alias boardList: boardList
    property alias boardStack: boardStack

    signal showResults()

    Component.onCompleted: {
        boardTables = makeTables()
        for (var b = 0; b < views.count; ++b)
            views.itemAt(b).table = boardTables[b]
    }

    function makeTables() {
        var tables = []
        var count = multiBoard ? 1 + Pages.maxExpansions : 1
        for (var b = 0; b < count; ++b)
            tables.push(core.samples.newTable(Pages.tableColumns(productName, b)))
        return tables
    }

    // A new chain of runs: the report window as it first was.
    function startAfresh() {
        report.startAfresh()
    }

    // Shows core's current run: a new one, or another of the chain.
    function showRun(position) {
        if (!updatePageResults(position))
            return false
        showResults()
        return true
    }

    // Reads core's current run and shows it when it is this model's; the
    // navigation `position` places the arrows.
    function updatePageResults(position) {
        var parsed
        try {
            parsed = JSON.parse(core.experimentSummary)
        } catch (e) {
            return false
        }
        if (!parsed || parsed.deviceName !== productName)
            return false
        experiment = parsed
        results = parsed.results || {}
        place = position
        boardCount = Pages.boardCount(productName, results)
        updateListView(0)
        for (var b = 0; b < views.count; ++b)
            views.itemAt(b).model = Pages.boardModel(productName, results, b)
        fillInfo()
        sampleCharts.showRun()
        return true
    }

    // Shows the view of board `board`, on the tab the user was on.
    function updateListView(board) {
        if (board < 0 || board >= boardCount)
            return
        var shown = views.itemAt(boardStack.currentIndex)
        var next = views.itemAt(board)
        if (shown && next)
            next.tabBar.currentIndex = shown.tabBar.currentIndex
        boardList.currentIndex = board
        boardStack.currentIndex = board
    }

    function fillInfo() {
        var info = infoLoader.item
        if (!info)
            return
        info.event = Pages.plainText(experiment.eventIndex)
        info.experiment = Pages.plainText(experiment.expName)
        var date = Pages.plainText(experiment.date)
        info.date = date === "---" ? date : root.convertDateTimeATToLocalTimeString(date)
        info.expTime = Pages.plainText(results.duration)
        info.pauseTime = Pages.plainText(results.pauseTime)
        info.sampleTime = Pages.plainText(results.sampleTime)
    }

    VfReportRunner {
        id: report
        windowType: page.printerType
    }

    // The charts of the samples (the tables follow the run by themselves).
    VfSampleCharts {
        id: sampleCharts
        onFill: {
            for (var b = 0; b < views.count; ++b)
                views.itemAt(b).fillChart()
        }
    }

    RowLayout {
        id: toolbar
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: 44 }
        spacing: 14

        Loader {
            id: infoLoader
            objectName: "infoLoader"
            Layout.fillWidth: true
            Layout.preferredHeight: item ? item.implicitHeight : 0
            sourceComponent: page.infoType
            onLoaded: page.fillInfo()
        }

        // Stepping through the runs that were opened together.
        ArrowButton {
            objectName: "previousRun"
            Layout.preferredWidth: 40
            Layout.preferredHeight: 26
            rotation: 270
            shown: page.hasPrevious
            visible: shown
            onStep: core.prevExp()
        }
        ArrowButton {
            objectName: "nextRun"
            Layout.preferredWidth: 40
            Layout.preferredHeight: 26
            rotation: 90
            shown: page.hasNext
            visible: shown
            onStep: core.nextExp()
        }
        MyButton {
            objectName: "generateReport"
            Layout.alignment: Qt.AlignVCenter
            buttonLabel: qsTr("Generate report")
            onMyButtonclicked: report.open()
        }
    }

    RowLayout {
        anchors { left: parent.left; right: parent.right; top: toolbar.bottom; bottom: parent.bottom }
        anchors.topMargin: 10
        spacing: 10

        // The boards of the run: the main unit and its expansion boards.
        ListView {
            id: boardList
            objectName: "boardList"
            visible: page.multiBoard
            Layout.preferredWidth: 170
            Layout.fillHeight: true
            model: page.boardCount
            spacing: 2
            interactive: false
            currentIndex: 0
            delegate: Rectangle {
                objectName: "boardRow"
                width: boardList.width
                height: 50
                radius: 3
                color: ListView.isCurrentItem ? "orange" : "lightgrey"

                VfText {
                    objectName: "boardName"
                    anchors { left: parent.left; leftMargin: 14; verticalCenter: parent.verticalCenter }
                    text: index === 0 ? qsTr("Main") : qsTr("Expansion")
                    font.pixelSize: 16
                    font.bold: true
                }
                VfText {
                    anchors { right: parent.right; rightMargin: 14; verticalCenter: parent.verticalCenter }
                    visible: index > 0
                    text: index
                    font.pixelSize: 14
                    color: "#505050"
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: page.updateListView(index)
                }
            }
        }

        StackLayout {
            id: boardStack
            objectName: "boardStack"
            Layout.fillWidth: true
            Layout.fillHeight: true

            // One view for every board the model can carry, made once: a run
            // shows the first boardCount of them. (Views made and dropped
            // with each run would drop table rows that are still being made
            // for the samples of the run before.)
            Repeater {
                id: views
                model: page.multiBoard ? 1 + Pages.maxExpansions : 1
                delegate: page.viewType
                onItemAdded: {
                    item.objectName = "boardView" + index
                    item.board = index
                    // The tables are made once the page is complete.
                    if (index < page.boardTables.length)
                        item.table = page.boardTables[index]
                    item.model = Pages.boardModel(page.productName, page.results, index)
                }
            }
        }
    }
}
