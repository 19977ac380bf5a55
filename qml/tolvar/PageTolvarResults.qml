import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Controls 1.4 as Controls1
import QtQuick.Layouts 1.15
import "../../qml"

import "TolvarPages.js" as Pages

// The results page of a pump run: its information, the sample table (rows
// whose flow left the set-point's limits in red), the flow and backpressure
// charts, the result boxes and the report window. Serves both pump models:
// the "TOLVAR 4" page gives its product name, information panel, charts,
// report window and the status text.
VfResultsPage {
    id: page

    property string productName: "TOLVAR 3 PLUS"
    property Component infoType: TolvarExpInfo {}
    property Component flowChartType: TolvarFlowChart {}
    property Component pressChartType: TolvarPressChart {}
    printerType: TolvarPrinterConfiguration {
        objectName: "tolvarPrinterConfiguration"
    }
    // The model reports a run status ("TOLVAR 4").
    property bool showStatus: false

    // The flow limits of the run shown and the flow of each of its samples,
    // which colour the table rows.
    property var limits: null
    property var flowValues: []
    // The sample table, made once: it follows the run shown by itself.
    property QtObject samplesModel: core.samples.newTable(Pages.tableColumns)

    readonly property alias experimentInfo: infoLoader.item
    readonly property alias flowChart: flowLoader.item
    readonly property alias pressChart: pressLoader.item
    readonly property QtObject printerWindow: reportWindow
    property alias sampleTable: sampleTable
    readonly property Item swipe: pages
    property alias flowResults: flowResults
    property alias backpressureResults: backpressureResults
    property alias volumeResults: volumeResults

    width: 1000
    height: 650
    pageTitle: productName + " - Results"
    productNames: [productName]
    // A pump steps through no chain of runs.
    showsArrows: false
    tabBar.objectName: "resultsTabBar"
    pages.objectName: "resultsSwipe"

    // Reads core's current run and shows it when it is this model's.
    function updatePageResults() {
        return readRun(place)
    }

    onRunRead: {
        limits = Pages.flowLimits(results.flowSet)
        flowValues = core.samples.values("Flow")
        fillInfo()
        fillBoxes()
        // Every run is shown from its table.
        tabBar.currentIndex = 0
    }
    // The table follows the run by itself.
    onFillCharts: {
        if (page.flowChart)
            page.flowChart.populateChart(page.experiment)
        if (page.pressChart)
            page.pressChart.populateChart()
    }

    // A table row whose flow left the limits.
    function isRedRow(row) {
        return row >= 0 && row < flowValues.length && Pages.outOfLimits(flowValues[row], limits)
    }

    // An instrument date-time as the pump's own wall-clock date and time.
    function localDateTime(text) {
        return String(text || "").trim() === "" ? "---"
                                               : root.convertDateTimeATToLocalTimeString(text)
    }

    // A flow check: its flow and when it was made, "---" without a flow.
    function flowCheck(flow, time) {
        if (!Pages.isValue(flow))
            return "---"
        var when = String(time || "").trim() === "" ? "" : " (" + localDateTime(time) + ")"
        return root.numberToLocalString(Number(flow)) + when
    }

    function fillInfo() {
        var info = infoLoader.item
        if (!info)
            return
        info.event = Pages.shownText(experiment.eventIndex)
        info.experiment = Pages.shownText(results.label)
        info.sampleTime = Pages.shownText(results.sampleTime)
        info.startTime = localDateTime(results.startTime)
        info.expTime = Pages.shownText(results.durationStr)
        info.pauseTime = Pages.shownText(results.pauseStr)
        info.preCal = flowCheck(results.flowPreCheck, results.preCheckTime)
        info.posCal = flowCheck(results.flowPosCheck, results.posCheckTime)
        info.totalTime = Pages.shownText(results.timeSet)
        info.samplerType = Pages.shownText(results.samplerTypeLabel)
        if (showStatus)
            info.status = Pages.shownText(results.expStatus) === "---"
                    ? "---" : expStatusToString(results.expStatus)
    }

    // The text of a run status code.
    function expStatusToString(sta) {
        switch (String(sta)) {
        case "1": return qsTr("Deviate more than 5%")
        case "2": return qsTr("Pump blocked")
        case "3": return qsTr("Pump blocked for a long time")
        default: return qsTr("OK")
        }
    }

    function fillBoxes() {
        var two = root.numberToLocalString
        var one = root.numberToLocalString1
        flowResults.maxValue = Pages.shownNumber(results.flowMax, two)
        flowResults.minValue = Pages.shownNumber(results.flowMin, two)
        flowResults.avgValue = Pages.shownNumber(results.flowAvg, two)
        backpressureResults.maxValue = Pages.shownNumber(results.backpressureMax, one)
        backpressureResults.minValue = Pages.shownNumber(results.backpressureMin, one)
        backpressureResults.avgValue = Pages.shownNumber(results.backpressureAvg, one)
        volumeResults.maxValue = Pages.shownNumber(results.flowVolume, one)
    }

    headerItems: Loader {
        id: infoLoader
        objectName: "infoLoader"
        Layout.fillWidth: true
        Layout.preferredHeight: item ? item.implicitHeight : 0
        sourceComponent: page.infoType
        onLoaded: {
            item.objectName = "experimentInfo"
            page.fillInfo()
        }
    }

    tabButtons: [
        VfTabButton { objectName: "tabTable"; text: qsTr("Table") },
        VfTabButton { objectName: "tabFlowChart"; text: qsTr("Flow") + " x " + qsTr("Time") },
        VfTabButton {
            objectName: "tabPressChart"
            text: qsTr("Backpressure") + " x " + qsTr("Time")
        },
        VfTabButton { objectName: "tabResults"; text: qsTr("Results") }
    ]

    tabPages: [
        VfTable {
            id: sampleTable
            objectName: "sampleTable"
            // A hidden page's table lays out no rows while another page
            // shows a run.
            model: page.visible ? page.samplesModel : null
            flaggedRow: function (row) { return page.isRedRow(row) }

            rowDelegate: Rectangle {
                height: 24
                color: page.samplesModel.count === 0 ? "#fff"
                     : sampleTable.flaggedRow(styleData.row) ? sampleTable.flaggedRowColor
                     : styleData.selected ? "steelblue"
                     : styleData.alternate ? "#eee" : "#fff"
            }

            VfTableViewColumn { role: "date"; title: qsTr("Hour"); width: 140 }
            VfTableViewColumn {
                role: "Flow"
                title: qsTr("Flow") + " [<sup>L</sup>/<sub>min</sub>]"
                width: 160
            }
            VfTableViewColumn {
                role: "Temperature"
                title: qsTr("Temperature") + " [°C]"
                visible: false
            }
            VfTableViewColumn {
                role: "BackPressure"
                title: qsTr("Backpressure") + " [kPa]"
                width: 160
            }
            VfTableViewColumn { role: "Volume"; title: qsTr("Volume") + " [L]"; width: 160 }
            VfTableViewColumn { role: "BattSoc"; title: qsTr("BattSoc") + " [%]"; visible: false }
            VfTableViewColumn { role: "VBatt"; title: qsTr("VBatt") + " [mV]"; visible: false }
            VfTableViewColumn { role: "Imot"; title: qsTr("Imot") + " [mA]"; visible: false }
        },
        VfChartColumn {
            Loader {
                id: flowLoader
                Layout.fillWidth: true
                Layout.fillHeight: true
                sourceComponent: page.flowChartType
                onLoaded: item.objectName = "flowChart"
            }
        },
        VfChartColumn {
            Loader {
                id: pressLoader
                Layout.fillWidth: true
                Layout.fillHeight: true
                sourceComponent: page.pressChartType
                onLoaded: item.objectName = "pressChart"
            }
        },
        Item {
            GridLayout {
                anchors { left: parent.left; right: parent.right; top: parent.top; margins: 20 }
                columns: 3
                flow: GridLayout.LeftToRight
                columnSpacing: 15
                rowSpacing: 15

                TolvarResultItem {
                    id: flowResults
                    objectName: "flowResults"
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    unity: qsTr("Flow")
                    unityValue: "[<sup>L</sup>/<sub>min</sub>]"
                }
                TolvarResultItem {
                    id: backpressureResults
                    objectName: "backpressureResults"
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    unity: qsTr("Backpressure")
                    unityValue: "[kPa]"
                }
                TolvarResultItem {
                    id: volumeResults
                    objectName: "volumeResults"
                    Layout.fillWidth: true
                    Layout.alignment: Qt.AlignTop
                    unity: qsTr("Volume")
                    unityValue: "[L]"
                    maxLabel: qsTr("Total") + ":"
                    minLabel: ""
                    avgLabel: ""
                    minValue: ""
                    avgValue: ""
                }
            }
        }
    ]
}
