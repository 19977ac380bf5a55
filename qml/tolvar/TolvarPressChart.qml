import QtQuick 2.15
import QtQuick.Controls 2.15
import QtCharts 2.15
import "../../qml"

import "TolvarPages.js" as Pages

// The backpressure of a pump run over time, in kPa or inH2O as the unit
// switch beside it says; filled in one step through core.samples. Samples
// without a backpressure are left out. The "TOLVAR 4" chart draws points
// (`scatter`).
Rectangle {
    id: press

    property bool scatter: false
    readonly property var backPressureSeries: scatter ? pressPoints : pressLine
    readonly property bool kPa: kPaRadioButton.checked
    property alias chart: chart
    property alias pressChartX: pressChartX
    property alias pressChartY: pressChartY
    property alias kPaRadioButton: kPaRadioButton
    property alias inH2ORradioButton: inH2ORradioButton
    property alias picker: picker
    readonly property alias hoveredPoint: picker.hoveredPoint
    readonly property alias selectedPoint: picker.selectedIndex

    color: "transparent"

    Component.onCompleted: chart.removeSeries(scatter ? pressLine : pressPoints)
    // A switched unit redraws the chart in it.
    onKPaChanged: populateChart()

    // Shows the backpressure of the run on screen in the chosen unit. (The
    // run is the one core.samples shows; the argument is not needed.)
    function populateChart() {
        picker.clearSelection()
        var series = backPressureSeries
        series.name = qsTr("Backpressure")
        pressChartY.titleText = qsTr("Backpressure")
                + (kPa ? " [kPa]" : " [" + qsTr("inH2O") + "]")
        var range = core.samples.fillSeries(series, "date", "BackPressure",
                                            kPa ? 1.0 : Pages.kPaToInH2O)
        var time = Pages.timeSpan(range)
        pressChartX.tidy(time.min, time.max)
        var span = Pages.valueSpan(range)
        pressChartY.min = span.min
        pressChartY.max = span.max
        if (range.count)
            pressChartY.applyNiceNumbers()
        return range
    }

    function pointHovered(point, state) { picker.hover(point, state) }
    function selectPoint(point) { picker.pin(point) }
    function updatePointView(index) { picker.showPoint(index) }

    ChartView {
        id: chart
        objectName: "pressChartView"
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; right: unitFrame.left }
        title: qsTr("Backpressure") + " x " + qsTr("Time")
        titleFont.family: fontSans.name
        titleFont.pixelSize: 15
        antialiasing: true
        localizeNumbers: true
        legend.alignment: Qt.AlignBottom
        legend.font.family: fontSans.name
        legend.font.pixelSize: 14
        legend.markerShape: Legend.MarkerShapeFromSeries

        VfTimeAxis {
            id: pressChartX
            chart: chart
            titleText: qsTr("Time")
            labelsFont.pixelSize: 12
            titleFont.pixelSize: 14
        }

        ValueAxis {
            id: pressChartY
            titleText: qsTr("Backpressure") + " [kPa]"
            labelFormat: "%.1f"
            labelsFont.pixelSize: 12
            titleFont.pixelSize: 14
        }

        LineSeries {
            id: pressLine
            objectName: press.scatter ? "" : "backPressureSeries"
            color: "#cc6600"
            width: 2
            axisX: pressChartX
            axisY: pressChartY
            onHovered: press.pointHovered(point, state)
            onClicked: press.selectPoint(point)
        }

        ScatterSeries {
            id: pressPoints
            objectName: press.scatter ? "backPressureSeries" : ""
            color: "#cc6600"
            markerSize: 5
            borderColor: "transparent"
            markerShape: ScatterSeries.MarkerShapeRectangle
            axisX: pressChartX
            axisY: pressChartY
            onHovered: press.pointHovered(point, state)
            onClicked: press.selectPoint(point)
        }

        VfChartPointPicker {
            id: picker
            chart: chart
            series: press.backPressureSeries
            pointText: function (index) {
                var p = press.backPressureSeries.at(index)
                var value = press.kPa ? root.numberToLocalString1(p.y) + " kPa<br>"
                                      : root.numberToLocalString1(p.y) + " " + qsTr("inH2O") + "<br>"
                return value + new Date(p.x).toLocaleTimeString(Qt.locale(), "hh:mm:ss")
            }
        }
    }

    VfFrame {
        id: unitFrame
        anchors { right: parent.right; verticalCenter: parent.verticalCenter; rightMargin: 10 }
        width: 130
        label: qsTr("Unit")

        Column {
            spacing: 4
            VfRadioButton {
                id: kPaRadioButton
                objectName: "kPaRadioButton"
                text: "kPa"
                checked: true
            }
            VfRadioButton {
                id: inH2ORradioButton
                objectName: "inH2ORradioButton"
                text: "inH2O"
            }
        }
    }
}
