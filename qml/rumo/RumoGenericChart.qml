import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "Rumo.js" as Rumo

// One quantity of the run over time, filled in one step through core.samples
// (a long run is thinned to what a pixel shows).
// Samples the instrument left empty are left out. Hovering a point shows its
// value and time; a left click keeps it shown and a right click lets it go;
// Left and Right step through the points, Escape or Delete let it go.
ChartView {
    id: chart

    property string quantityName: ""
    property string quantityUnity: ""
    // Seconds between samples: the time axis reaches one interval past
    // either end.
    property var sampleTime: 0
    property var maxValue
    property var minValue
    // Index of the quantity in the samples' value lists.
    property int quantityIndex: 0
    readonly property alias selectedIndex: picker.selectedIndex
    property alias series: rumoSeries
    property alias axisX: rumoX
    property alias axisY: rumoY

    title: quantityName + " x " + qsTr("Time")
    titleFont.family: fontSans.name
    titleFont.pixelSize: 15
    theme: ChartView.ChartThemeBlueNcs
    antialiasing: true
    legend.visible: false
    localizeNumbers: true

    // core.samples.runId of the samples shown; -1 before the first.
    property int filledRun: -1

    // Shows the quantity's value of every sample of the run on screen. The
    // axes are set before the points go in: each change of an axis places
    // every point of the chart again.
    function populateSeries() {
        clearSelection()
        filledRun = core.samples.runId
        var key = Rumo.valueKey(quantityIndex)
        var range = core.samples.seriesRange(rumoSeries, "date", key)
        setAxes(range)
        core.samples.fillSeries(rumoSeriesLine, "date", key)
        return core.samples.fillSeries(rumoSeries, "date", key)
    }

    // The axes for the values of `range` (core.samples.seriesRange).
    function setAxes(range) {
        if (!range.count) {
            rumoX.showNoTimes()
            rumoY.min = -1
            rumoY.max = 1
            return
        }
        var margin = Number(sampleTime) > 0 ? Number(sampleTime) * 1000 : 1000
        rumoX.tidy(new Date(range.xMin.getTime() - margin), new Date(range.xMax.getTime() + margin))
        // The run's own minimum and maximum frame the values; when the
        // instrument gave none, the values drawn do.
        var span = Rumo.valueRange(minValue, maxValue)
                || Rumo.valueRange(range.yMin, range.yMax)
        if (span) {
            rumoY.min = span.min
            rumoY.max = span.max
        }
        rumoY.applyNiceNumbers()
    }

    // A point's x is the sample's wall-clock time as a local date.
    function pointText(index) {
        var p = rumoSeries.at(index)
        return root.numberToLocalString(p.y) + " " + quantityUnity + "<br>"
                + new Date(p.x).toLocaleTimeString(Qt.locale(), "hh:mm:ss")
    }

    function clearSelection() { picker.clearSelection() }

    VfTimeAxis {
        id: rumoX
        chart: chart
        titleText: qsTr("Time")
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    ValueAxis {
        id: rumoY
        titleText: Rumo.quantityTitle({ "nameTr": chart.quantityName,
                                        "unity": chart.quantityUnity })
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    LineSeries {
        id: rumoSeriesLine
        axisX: rumoX
        axisY: rumoY
        width: 1
    }

    ScatterSeries {
        id: rumoSeries
        objectName: "rumoSeries"
        axisX: rumoX
        axisY: rumoY
        markerShape: ScatterSeries.MarkerShapeRectangle
        markerSize: 6
        borderColor: "transparent"
        onHovered: picker.hover(point, state)
        onClicked: picker.pin(point)
    }

    VfChartPointPicker {
        id: picker
        chart: chart
        series: rumoSeries
        pointText: function (index) { return chart.pointText(index) }
    }
}
