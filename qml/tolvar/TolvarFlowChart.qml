import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "TolvarPages.js" as Pages

// The flow of a pump run over time with the set-point's upper and lower
// limits, filled in one step through core.samples (a long run is thinned to
// what a pixel shows). Samples without a flow are left out. The "TOLVAR 4" chart draws the flow as points (`scatter`).
ChartView {
    id: chart

    // The flow as points rather than a line.
    property bool scatter: false
    readonly property var flowSeries: scatter ? flowPoints : flowLine
    property alias flowSeriesUp: flowSeriesUp
    property alias flowSeriesDown: flowSeriesDown
    property alias flowChartX: flowChartX
    property alias flowChartY: flowChartY
    property alias picker: picker
    readonly property alias hoveredPoint: picker.hoveredPoint
    readonly property alias selectedPoint: picker.selectedIndex

    title: qsTr("Flow") + " x " + qsTr("Time")
    titleFont.family: fontSans.name
    titleFont.pixelSize: 15
    antialiasing: true
    localizeNumbers: true
    legend.alignment: Qt.AlignBottom
    legend.font.family: fontSans.name
    legend.font.pixelSize: 14
    legend.markerShape: Legend.MarkerShapeFromSeries

    // Only the flow series of the model's kind stays in the chart.
    Component.onCompleted: removeSeries(scatter ? flowLine : flowPoints)

    // Shows the flow of the run on screen; `run` is the run's summary (its
    // results give the set-point).
    function populateChart(run) {
        picker.clearSelection()
        var results = run && run.results ? run.results : {}
        var limits = Pages.flowLimits(results.flowSet)
        flowSeries.name = qsTr("Flow")
        flowSeriesUp.name = limitName(qsTr("Upper limit"), limits ? limits.upper : null)
        flowSeriesDown.name = limitName(qsTr("Lower limit"), limits ? limits.lower : null)
        var range = core.samples.fillSeries(flowSeries, "date", "Flow")
        fillLimit(flowSeriesUp, range, limits ? limits.upper : null)
        fillLimit(flowSeriesDown, range, limits ? limits.lower : null)
        var time = Pages.timeSpan(range)
        flowChartX.tidy(time.min, time.max)
        var span = Pages.valueSpan(range)
        flowChartY.min = span.min
        flowChartY.max = span.max
        if (range.count)
            flowChartY.applyNiceNumbers()
        return range
    }

    function limitName(label, value) {
        return label + "(" + Pages.shownNumber(value, root.numberToLocalString)
                + " <sup>L</sup>/<sub>min</sub>)"
    }

    // A limit is a level line from the first sample's time to the last.
    function fillLimit(series, range, value) {
        series.clear()
        if (!range.count || value === null)
            return
        series.append(range.xMin.getTime(), value)
        series.append(range.xMax.getTime(), value)
    }

    function pointHovered(point, state) { picker.hover(point, state) }
    function selectPoint(point) { picker.pin(point) }
    function updatePointView(index) { picker.showPoint(index) }

    VfTimeAxis {
        id: flowChartX
        chart: chart
        titleText: qsTr("Time")
        labelsFont.pixelSize: 12
        titleFont.pixelSize: 14
    }

    ValueAxis {
        id: flowChartY
        titleText: qsTr("Flow") + " [<sup>L</sup>/<sub>min</sub>]"
        min: 0
        labelsFont.pixelSize: 12
        titleFont.pixelSize: 14
    }

    LineSeries {
        id: flowLine
        objectName: chart.scatter ? "" : "flowSeries"
        color: "blue"
        width: 2
        axisX: flowChartX
        axisY: flowChartY
        onHovered: chart.pointHovered(point, state)
        onClicked: chart.selectPoint(point)
    }

    ScatterSeries {
        id: flowPoints
        objectName: chart.scatter ? "flowSeries" : ""
        color: "blue"
        markerSize: 5
        borderColor: "transparent"
        markerShape: ScatterSeries.MarkerShapeRectangle
        axisX: flowChartX
        axisY: flowChartY
        onHovered: chart.pointHovered(point, state)
        onClicked: chart.selectPoint(point)
    }

    LineSeries {
        id: flowSeriesUp
        objectName: "flowSeriesUp"
        color: "red"
        style: Qt.DashLine
        width: 2
        axisX: flowChartX
        axisY: flowChartY
    }

    LineSeries {
        id: flowSeriesDown
        objectName: "flowSeriesDown"
        color: "green"
        style: Qt.DashLine
        width: 2
        axisX: flowChartX
        axisY: flowChartY
    }

    VfChartPointPicker {
        id: picker
        chart: chart
        series: chart.flowSeries
        pointText: function (index) {
            var p = chart.flowSeries.at(index)
            return root.numberToLocalString(p.y) + " <sup>L</sup>/<sub>min</sub><br>"
                    + new Date(p.x).toLocaleTimeString(Qt.locale(), "hh:mm:ss")
        }
    }
}
