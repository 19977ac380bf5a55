import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Rumo.js" as Rumo
import "../../qml/DeviceDate.js" as DeviceDate

// The results page of a RUMO run: the run's information, its samples in a
// table with a column per quantity, a chart per quantity, the instrument's
// statistics, and the report window.
VfResultsPage {
    id: page

    // The run's quantities, as the table's columns show them.
    property var quantitiesList: []
    // One sample table per quantity list met so far (core.samples keeps them).
    property var tables: ({})
    property QtObject samplesModel: null
    // The table's columns side by side, at most 800 pixels.
    property int tableWidth: table.timeColumnWidth

    property alias table: table
    property alias rumoChartView: rumoChartView
    property alias evaluationResults: evaluationResults
    property alias experimentInfo: experimentInfo
    readonly property QtObject rumocfgprn: reportWindow

    pageTitle: qsTr("Rumo - Results")
    productNames: ["RUMO"]
    arrowsStay: false
    printerType: RumoPrinterConfiguration {
        objectName: "rumoPrinterConfiguration"
    }
    sideWidth: 300
    tabBar.objectName: "rumoTabs"

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

    // Reads the current run and shows it; false when it is no RUMO run.
    function updatePageResults(position) {
        return readRun(position)
    }

    onRunRead: {
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
    }
    // The table follows the run by itself.
    onFillCharts: rumoChartView.populate()

    // One column for the time and one per quantity, as wide as the page
    // allows.
    function rebuildColumns() {
        for (var i = table.columnCount - 1; i >= 0; --i)
            table.removeColumn(i)
        var hour = table.addColumn(columnComponent)
        hour.role = "date"
        hour.title = qsTr("Hour")
        hour.width = table.timeColumnWidth
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

    Component {
        id: columnComponent
        VfTableViewColumn {}
    }

    sideItems: [
        RumoExpInfo {
            id: experimentInfo
            objectName: "rumoExpInfo"
            Layout.fillWidth: true
        },
        Item { Layout.fillHeight: true }
    ]

    tabButtons: [
        VfTabButton { objectName: "tab_table"; text: qsTr("Table") },
        VfTabButton { objectName: "tab_charts"; text: qsTr("Charts") },
        VfTabButton { objectName: "tab_results"; text: qsTr("Results") }
    ]

    tabPages: [
        Item {
            VfTable {
                id: table
                objectName: "samplesTable"
                anchors { top: parent.top; bottom: parent.bottom; left: parent.left }
                anchors.margins: 8
                width: Math.min(page.tableWidth, parent.width - 16)
                // A hidden page's table lays out no rows while another
                // page shows a run.
                model: page.visible ? page.samplesModel : null
            }
        },
        RumoChartView {
            id: rumoChartView
            objectName: "rumoChartView"
        },
        RumoFinalResults {
            id: evaluationResults
            objectName: "rumoFinalResults"
        }
    ]
}
