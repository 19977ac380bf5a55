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
VfResultsPage {
    id: page

    // The model the page shows ("KESTRUM 2" or "KESTRUM 4").
    property string productName: ""
    property Component infoType
    property Component viewType
    readonly property QtObject printerWindow: reportWindow

    // The boards of the run shown: the views and list rows in use.
    property int boardCount: 1
    readonly property bool multiBoard: Pages.isKestrum4(productName)
    // One sample table per board the model can have, made once: they follow
    // the run shown by themselves.
    property var boardTables: []

    property alias expInfo: infoLoader.item
    property alias views: views
    property alias boardList: boardList
    property alias boardStack: boardStack

    productNames: [productName]
    showsArrows: false
    sideWidth: multiBoard ? 170 : 0

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

    // Reads core's current run and shows it when it is this model's; the
    // navigation `position` places the arrows.
    function updatePageResults(position) {
        return readRun(position)
    }

    onRunRead: {
        boardCount = Pages.boardCount(productName, results)
        updateListView(0)
        for (var b = 0; b < views.count; ++b)
            views.itemAt(b).model = Pages.boardModel(productName, results, b)
        fillInfo()
    }
    // The tables follow the run by themselves.
    onFillCharts: {
        for (var b = 0; b < views.count; ++b)
            views.itemAt(b).fillChart()
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

    toolbarItems: [
        Loader {
            id: infoLoader
            objectName: "infoLoader"
            Layout.fillWidth: true
            Layout.preferredHeight: item ? item.implicitHeight : 0
            sourceComponent: page.infoType
            onLoaded: page.fillInfo()
        },
        // The heat-stress pages step through the runs with arrow pictures.
        ArrowButton {
            objectName: "previousRun"
            Layout.preferredWidth: 40
            Layout.preferredHeight: 26
            rotation: 270
            shown: page.hasPrevious
            visible: shown
            onStep: core.prevExp()
        },
        ArrowButton {
            objectName: "nextRun"
            Layout.preferredWidth: 40
            Layout.preferredHeight: 26
            rotation: 90
            shown: page.hasNext
            visible: shown
            onStep: core.nextExp()
        }
    ]

    // The boards of the run: the main unit and its expansion boards.
    sideItems: ListView {
        id: boardList
        objectName: "boardList"
        Layout.fillWidth: true
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

    // Each board's view has its own tabs.
    tabPages: StackLayout {
        id: boardStack
        objectName: "boardStack"

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
