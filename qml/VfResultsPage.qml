import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The frame of every model's results page. It reads the run core shows, keeps
// the arrows through the runs opened together, the report button and window,
// and has the run's charts filled once per run. It lays the page out: a
// toolbar (the model's own controls on the left, the run arrows and the
// report button on the right, on two lines in a narrow window), then an
// optional column on the left and, beside it, what the model puts above its
// tabs, the tab bar and the tab pages. The tab bar's current index is the one
// place that says which tab is shown: the pages follow it, whoever sets it.
// A model's page declares only what differs: its product names, its tabs and
// pages, the items around them and how it shows a run (runRead, fillCharts).
VfPage {
    id: frame

    // The products (core's deviceName) whose runs this page shows.
    property var productNames: []
    // The run shown, as core.experimentSummary gives it (parsed): everything
    // but its samples, which come through core.samples.
    property var experiment: ({})
    property var results: ({})
    // Where the shown run stands in core's chain of opened runs.
    property int place: root.expEmptyList
    readonly property bool hasPrevious: place === root.expLastItem || place === root.expMiddleItem
    readonly property bool hasNext: place === root.expFirstItem || place === root.expMiddleItem
    readonly property bool severalRuns: place !== root.expUniqueItem && place !== root.expEmptyList
    // Whether the page steps through the runs opened together, and whether
    // an arrow that leads nowhere stays, greyed, while more than one run is
    // open (rather than going).
    property bool showsArrows: true
    property bool arrowsStay: true
    // core.samples.runId of the samples in the charts.
    property alias shownRun: sampleCharts.shownRun
    // The model's report window.
    property Component printerType: null
    readonly property alias reportWindow: report.window
    // Which page shows for the tab at an index (for tabs that come and go).
    property var pageOfTab: function (tab) { return tab }

    property alias tabBar: tabBar
    property alias pages: pages
    property alias toolbar: toolbar
    // The model's controls at the toolbar's left.
    property alias toolbarItems: leading.data
    // The column left of the tabs, `sideWidth` wide (none at 0).
    property alias sideItems: side.data
    property real sideWidth: 0
    // What stands above the tab bar.
    property alias headerItems: header.data
    property alias tabButtons: tabBar.contentData
    property alias tabPages: pages.contentData

    signal showResults()
    // A run of this page's products was read into `experiment` and `results`.
    signal runRead()
    // The charts are to take the samples of the run shown (once per run).
    signal fillCharts()

    // A new chain of runs: it starts on the first tab, with the report
    // window as it first was.
    function startAfresh() {
        report.startAfresh()
        tabBar.currentIndex = 0
    }

    // Shows core's current run: a new one, another of the chain, or the one
    // shown recomputed.
    function showRun(position) {
        if (!readRun(position))
            return false
        showResults()
        return true
    }

    // Reads core's current run and shows it when it is one of this page's
    // products; the navigation `position` places the arrows.
    function readRun(position) {
        var parsed
        try {
            parsed = JSON.parse(core.experimentSummary)
        } catch (e) {
            return false
        }
        if (!parsed || productNames.indexOf(parsed.deviceName) < 0)
            return false
        experiment = parsed
        results = parsed.results || {}
        place = position
        runRead()
        sampleCharts.showRun()
        return true
    }

    VfReportRunner {
        id: report
        windowType: frame.printerType
    }

    VfSampleCharts {
        id: sampleCharts
        onFill: frame.fillCharts()
    }

    Item {
        id: toolbar
        readonly property bool oneLine:
            width >= leading.implicitWidth + runControls.implicitWidth + 10
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: 44 }
        height: oneLine ? Math.max(leading.height, runControls.height)
                        : leading.height + 6 + runControls.height

        RowLayout {
            id: leading
            anchors.left: parent.left
            anchors.verticalCenter: toolbar.oneLine ? parent.verticalCenter : undefined
            width: toolbar.oneLine ? toolbar.width - runControls.width - 10 : toolbar.width
            spacing: 10
        }

        RowLayout {
            id: runControls
            anchors.right: parent.right
            y: toolbar.oneLine ? (toolbar.height - height) / 2 : leading.height + 6
            spacing: 10

            MyButton {
                objectName: "previousRun"
                buttonLabel: "< " + qsTr("Previous run")
                implicitHeight: 36
                visible: frame.showsArrows && (frame.arrowsStay ? frame.severalRuns : enabled)
                enabled: frame.hasPrevious
                onMyButtonclicked: core.prevExp()
            }
            MyButton {
                objectName: "nextRun"
                buttonLabel: qsTr("Next run") + " >"
                implicitHeight: 36
                visible: frame.showsArrows && (frame.arrowsStay ? frame.severalRuns : enabled)
                enabled: frame.hasNext
                onMyButtonclicked: core.nextExp()
            }
            MyButton {
                objectName: "generateReport"
                buttonLabel: qsTr("Generate report")
                implicitHeight: 36
                onMyButtonclicked: report.open()
            }
        }
    }

    ColumnLayout {
        id: side
        anchors { left: parent.left; top: toolbar.bottom; bottom: parent.bottom; topMargin: 10 }
        width: frame.sideWidth
        visible: frame.sideWidth > 0
        spacing: 10
    }

    ColumnLayout {
        anchors { left: side.visible ? side.right : parent.left; right: parent.right }
        anchors { top: toolbar.bottom; bottom: parent.bottom; topMargin: 10 }
        anchors.leftMargin: side.visible ? 10 : 0
        spacing: 0

        ColumnLayout {
            id: header
            Layout.fillWidth: true
            // A layout in a layout takes all the room it can.
            Layout.fillHeight: false
            Layout.bottomMargin: 10
            visible: children.length > 0
            spacing: 10
        }

        TabBar {
            id: tabBar
            Layout.fillWidth: true
            visible: count > 0
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: "#ffffff"
            border.color: "#b3b5b4"

            SwipeView {
                id: pages
                objectName: "tabPages"
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                interactive: false
                currentIndex: frame.pageOfTab(tabBar.currentIndex)
                // The page of a tab is there at once: a picture or a click
                // right after the tab changed meets it, not half of it.
                Component.onCompleted: contentItem.highlightMoveDuration = 0
            }
        }
    }
}
