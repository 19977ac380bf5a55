import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "SoundLevelPages.js" as Data

// The run's level over time, filled in one step through core.samples (a long
// run is thinned to each pixel column's lowest and highest level). Records
// without a level ("---", "OL") are left out. A "BEMARI+" run measured in
// mode "MANUAL" is drawn over each record's interval in seconds instead of
// its time. Hovering a point shows its value; a click keeps it shown, Left
// and Right step through the points and Escape or Delete let it go.
ChartView {
    id: chart

    // The model's records carry an interval ("BEMARI+").
    property bool readsInterval: false
    // The run shown is drawn over the interval.
    property bool overInterval: false
    property string freqWeighting: ""
    property int selectedIndex: -1
    // The blue of the application's chart markers; a picture as the brush
    // would be tiled from the chart's corner, not drawn whole per point.
    readonly property color markerColour: "#1f6fd0"
    readonly property var series: overInterval ? intervalSeries : timeSeries
    property alias timeAxis: timeAxis
    property alias intervalAxis: intervalAxis
    property alias levelAxis: levelAxis

    legend.visible: false
    theme: ChartView.ChartThemeBlueNcs
    antialiasing: true
    localizeNumbers: true
    focus: true

    // Shows the level of every record of the run shown; `results` is the
    // run's results object.
    function populateChart(results) {
        clearSelection()
        freqWeighting = results && results.freqWeighting ? results.freqWeighting : ""
        overInterval = readsInterval && Data.usesInterval("BEMARI+", results)
        var range
        if (overInterval) {
            timeSeries.clear()
            range = core.samples.fillSeries(intervalSeries, "interval", "level")
        } else {
            intervalSeries.clear()
            range = core.samples.fillSeries(timeSeries, "date", "level")
        }
        if (!range.count) {
            timeAxis.showNoTimes()
            intervalAxis.min = 0
            intervalAxis.max = 60
            levelAxis.min = 0
            levelAxis.max = 100
            return range
        }
        if (overInterval) {
            intervalAxis.min = Math.floor(range.xMin)
            intervalAxis.max = Math.max(Math.ceil(range.xMax), Math.floor(range.xMin) + 1)
            intervalAxis.applyNiceNumbers()
        } else {
            timeAxis.tidy(range.xMin, range.xMax)
        }
        levelAxis.min = Math.floor(range.yMin) - 1
        levelAxis.max = Math.ceil(range.yMax) + 1
        levelAxis.applyNiceNumbers()
        return range
    }

    function pointText(index) {
        var p = series.at(index)
        return root.numberToLocalString(p.y) + " dB<br>"
                + (overInterval ? root.numberToLocalString0(p.x) + " s"
                                : new Date(p.x).toLocaleTimeString(Qt.locale(), "hh:mm:ss"))
    }

    function showPoint(index) {
        var position = chart.mapToPosition(series.at(index), series)
        hover.showAt(position.x, position.y, pointText(index))
    }

    function selectPoint(index) {
        if (index < 0 || index >= series.count)
            return
        selectedIndex = index
        hover.holdOn = false
        showPoint(index)
        hover.holdOn = true
    }

    function clearSelection() {
        selectedIndex = -1
        hover.holdOn = false
        hover.visible = false
    }

    // The point nearest in x to a chart value (the points rise in x).
    function nearestIndex(point) {
        var low = 0, high = series.count - 1
        if (high < 0)
            return -1
        while (low < high) {
            var middle = Math.floor((low + high) / 2)
            if (series.at(middle).x < point.x)
                low = middle + 1
            else
                high = middle
        }
        if (low > 0 && point.x - series.at(low - 1).x <= series.at(low).x - point.x)
            return low - 1
        return low
    }

    function pointHovered(point, state) {
        if (state) {
            var index = nearestIndex(point)
            if (index >= 0)
                showPoint(index)
        } else if (!hover.holdOn) {
            hover.visible = false
        }
    }

    function pointClicked(point) {
        forceActiveFocus()
        selectPoint(nearestIndex(point))
    }

    VfTimeAxis {
        id: timeAxis
        chart: chart
        visible: !chart.overInterval
        titleText: qsTr("Time")
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    ValueAxis {
        id: intervalAxis
        visible: chart.overInterval
        titleText: "T [s]"
        labelFormat: "%.0f"
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    ValueAxis {
        id: levelAxis
        titleText: "L<sub>" + chart.freqWeighting + "eq</sub> [dB]"
        labelFormat: "%.0f"
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    ScatterSeries {
        id: timeSeries
        objectName: "timeSeries"
        axisX: timeAxis
        axisY: levelAxis
        visible: !chart.overInterval
        borderColor: "transparent"
        markerShape: ScatterSeries.MarkerShapeRectangle
        markerSize: 7
        color: chart.markerColour
        onHovered: chart.pointHovered(point, state)
        onClicked: chart.pointClicked(point)
    }

    ScatterSeries {
        id: intervalSeries
        objectName: "intervalSeries"
        axisX: intervalAxis
        axisY: levelAxis
        visible: chart.overInterval
        borderColor: "transparent"
        markerShape: ScatterSeries.MarkerShapeRectangle
        markerSize: 7
        color: chart.markerColour
        onHovered: chart.pointHovered(point, state)
        onClicked: chart.pointClicked(point)
    }

    ScatterPointHover {
        id: hover
        objectName: "noiseHover"
        visible: false
    }

    Keys.onEscapePressed: clearSelection()
    Keys.onDeletePressed: clearSelection()
    Keys.onLeftPressed: selectPoint(Math.max(0, selectedIndex - 1))
    Keys.onRightPressed: selectPoint(Math.min(series.count - 1, selectedIndex + 1))
}
