import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Rumo.js" as Rumo
import "../../qml/DeviceDate.js" as DeviceDate

// The results page of a RUMO run: the run's information, its samples in a
// table with a column per quantity, a chart per quantity, the instrument's
// statistics, and the report window.
VfPage {
    id: page

    // The run shown, as core.experimentSummary gives it (parsed): everything
    // but its samples, which come through core.samples.
    property var experiment: ({})
    property var results: ({})
    // The run's quantities, as the table's columns show them.
    property var quantitiesList: []
    // Where the shown run stands in core's chain of opened runs.
    property int place: root.expEmptyList
    // One sample table per quantity list met so far (core.samples keeps them).
    property var tables: ({})
    property QtObject samplesModel: null
    // The table's columns side by side, at most 800 pixels.
    property int tableWidth: 85

    property alias table: table
    property alias rumoChartView: rumoChartView
    property alias evaluationResults: evaluationResults
    property alias experimentInfo: experimentInfo
    readonly property alias rumocfgprn: report.window
    property alias tabBar: tabBar
    property alias shownRun: sampleCharts.shownRun

    signal showResults()

    pageTitle: qsTr("Rumo - Results")

    function plainText(value) {
        return value === undefined || value === null || String(value) === "" ? "---" : String(value)
    }

    // The sample table of the run's quantities, made once per quantity list.
    function tableFor(quantities) {
        var signature = JSON.stringify(quantities.map(function (q) { return q.name }))
        if (!tables.hasOwnProperty(signature)) {
            var made = tables
            made[signature] = core.samples.newTable(Rumo.tableColumns(quantities))
            tables = made
        }
        return tables[signature]
    }

    // A new chain of runs: it starts on the first tab, with the report
    // window as it first was.
    function startAfresh() {
        report.startAfresh()
        tabBar.currentIndex = 0
    }

    // Shows core's current run: a new one, another of the chain, or the one
    // shown recomputed.
    function showRun(position) {
        if (!updatePageResults(position))
            return false
        showResults()
        return true
    }

    // Reads the current run and shows it; false when it is no RUMO run.
    function updatePageResults(position) {
        var parsed
        try {
            parsed = JSON.parse(core.experimentSummary)
        } catch (e) {
            return false
        }
        if (!parsed || parsed.deviceName !== "RUMO")
            return false
        place = position
        experiment = parsed
        results = parsed.results || {}
        var quantities = results.quantitiesInfoList || []
        samplesModel = tableFor(quantities)
        quantitiesList = quantities
        rumoChartView.chartViewModel = Rumo.chartModel(results)
        evaluationResults.finalResultsData = Rumo.finalResultsData(results)
        rumocfgprn.quantitiesList = Rumo.printerQuantities(results)
        var start = DeviceDate.deviceDate(results.startTime)
        experimentInfo.event = plainText(experiment.eventIndex)
        experimentInfo.experiment = plainText(results.label)
        experimentInfo.startTime = start ? start.toLocaleString(Qt.locale(), Locale.ShortFormat)
                                         : "---"
        experimentInfo.expTime = plainText(results.duration)
        experimentInfo.pauseTime = plainText(results.pauseTime)
        experimentInfo.sampleTime = plainText(results.sampleTime)
        experimentInfo.sensorSN = plainText(results.sensorSN)
        experimentInfo.experimentType = plainText(results.experimentType)
        experimentInfo.sensorCertificate = plainText(results.sensorCertificate)
        sampleCharts.showRun()
        return true
    }

    // One column for the time and one per quantity, as wide as the page
    // allows.
    function rebuildColumns() {
        for (var i = table.columnCount - 1; i >= 0; --i)
            table.removeColumn(i)
        var hour = table.addColumn(columnComponent)
        hour.role = "date"
        hour.title = qsTr("Hour")
        hour.width = 85
        var width = hour.width
        for (var j = 0; j < quantitiesList.length; ++j) {
            var column = table.addColumn(columnComponent)
            column.role = "q" + j
            column.title = Rumo.quantityTitle(quantitiesList[j])
            column.width = 120
            width += column.width
        }
        tableWidth = Math.min(width + 20, 800)
    }

    // Columns made while the table is still being built would be taken up
    // by it a second time: the first list of quantities comes with a run.
    property bool completed: false
    Component.onCompleted: completed = true
    onQuantitiesListChanged: if (completed) rebuildColumns()

    // The charts of the samples (the table follows the run by itself).
    VfSampleCharts {
        id: sampleCharts
        onFill: rumoChartView.populate()
    }

    Component {
        id: columnComponent
        VfTableViewColumn {}
    }

    VfReportRunner {
        id: report
        windowType: RumoPrinterConfiguration {
            objectName: "rumoPrinterConfiguration"
        }
    }

    RowLayout {
        id: toolbar
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: 44 }
        spacing: 10

        Item { Layout.fillWidth: true }
        // Stepping through the runs that were opened together.
        MyButton {
            objectName: "previousRun"
            buttonLabel: "< " + qsTr("Previous run")
            implicitHeight: 36
            visible: page.place === root.expLastItem || page.place === root.expMiddleItem
            onMyButtonclicked: core.prevExp()
        }
        MyButton {
            objectName: "nextRun"
            buttonLabel: qsTr("Next run") + " >"
            implicitHeight: 36
            visible: page.place === root.expFirstItem || page.place === root.expMiddleItem
            onMyButtonclicked: core.nextExp()
        }
        MyButton {
            objectName: "generateReport"
            buttonLabel: qsTr("Generate report")
            implicitHeight: 36
            onMyButtonclicked: report.open()
        }
    }

    RumoExpInfo {
        id: experimentInfo
        objectName: "rumoExpInfo"
        anchors { left: parent.left; top: toolbar.bottom; topMargin: 10 }
        width: 300
    }

    ColumnLayout {
        anchors { left: experimentInfo.right; right: parent.right; top: toolbar.bottom; bottom: parent.bottom }
        anchors { leftMargin: 10; topMargin: 10 }
        spacing: 0

        TabBar {
            id: tabBar
            objectName: "rumoTabs"
            Layout.fillWidth: true
            VfTabButton { objectName: "tab_table"; text: qsTr("Table") }
            VfTabButton { objectName: "tab_charts"; text: qsTr("Charts") }
            VfTabButton { objectName: "tab_results"; text: qsTr("Results") }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: "#ffffff"
            border.color: "#b3b5b4"

            SwipeView {
                id: swipe
                anchors.fill: parent
                anchors.margins: 1
                clip: true
                interactive: false
                currentIndex: tabBar.currentIndex

                Item {
                    VfTable {
                        id: table
                        objectName: "samplesTable"
                        anchors { top: parent.top; bottom: parent.bottom; left: parent.left }
                        anchors.margins: 8
                        width: Math.min(page.tableWidth, parent.width - 16)
                        model: page.samplesModel
                    }
                }

                RumoChartView {
                    id: rumoChartView
                    objectName: "rumoChartView"
                }

                RumoFinalResults {
                    id: evaluationResults
                    objectName: "rumoFinalResults"
                }
            }
        }
    }
}
