import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

// Level over time of the run's samples, filled in one step through
// core.samples (a long run is thinned to each pixel column's lowest and
// highest level). Samples without a level are left out. Hovering a point
// shows its value; a click keeps it shown, and Left and Right step through
// the points while Escape or Delete let it go.
ChartView {
    id: chart

    property int selectedIndex: -1
    property alias series: noiseSeries
    property alias axisX: timeAxis
    property alias axisY: levelAxis

    title: qsTr("Noise level x Time")
    titleFont.family: fontSans.name
    titleFont.pixelSize: 15
    antialiasing: true
    legend.visible: false
    localizeNumbers: true
    focus: true

    // Shows the level of every sample of the run on screen.
    function populateChart() {
        clearSelection()
        var range = core.samples.fillSeries(noiseSeries, "date", "level")
        if (!range.count) {
            timeAxis.showNoTimes()
            levelAxis.min = 0
            levelAxis.max = 100
            return
        }
        timeAxis.tidy(range.xMin, range.xMax)
        levelAxis.min = Math.floor(range.yMin) - 1
        levelAxis.max = Math.ceil(range.yMax) + 1
        levelAxis.applyNiceNumbers()
    }

    // A point's x is the sample's wall-clock time as a local date.
    function pointText(index) {
        var p = noiseSeries.at(index)
        return root.numberToLocalString(p.y) + " dB<br>"
                + new Date(p.x).toLocaleTimeString(Qt.locale(), "hh:mm:ss")
    }

    function showPoint(index) {
        var position = chart.mapToPosition(noiseSeries.at(index), noiseSeries)
        hover.showAt(position.x, position.y, pointText(index))
    }

    function selectPoint(index) {
        if (index < 0 || index >= noiseSeries.count)
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

    // The point nearest in time to a chart value (the points rise in time).
    function nearestIndex(point) {
        var low = 0, high = noiseSeries.count - 1
        if (high < 0)
            return -1
        while (low < high) {
            var middle = Math.floor((low + high) / 2)
            if (noiseSeries.at(middle).x < point.x)
                low = middle + 1
            else
                high = middle
        }
        if (low > 0 && point.x - noiseSeries.at(low - 1).x <= noiseSeries.at(low).x - point.x)
            return low - 1
        return low
    }

    VfTimeAxis {
        id: timeAxis
        chart: chart
        titleText: qsTr("Time")
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    ValueAxis {
        id: levelAxis
        titleText: qsTr("Noise level") + " [dB]"
        labelFormat: "%.0f"
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    ScatterSeries {
        id: noiseSeries
        name: "Noise"
        axisX: timeAxis
        axisY: levelAxis
        borderColor: "transparent"
        markerSize: 9
        brushFilename: ":/markers/blue/mrk7.png"
        onHovered: {
            if (state) {
                var index = chart.nearestIndex(point)
                if (index >= 0)
                    chart.showPoint(index)
            } else if (!hover.holdOn) {
                hover.visible = false
            }
        }
        onClicked: {
            chart.forceActiveFocus()
            chart.selectPoint(chart.nearestIndex(point))
        }
    }

    ScatterPointHover {
        id: hover
        objectName: "noiseHover"
        visible: false
    }

    Keys.onEscapePressed: clearSelection()
    Keys.onDeletePressed: clearSelection()
    Keys.onLeftPressed: selectPoint(Math.max(0, selectedIndex - 1))
    Keys.onRightPressed: selectPoint(Math.min(noiseSeries.count - 1, selectedIndex + 1))
}
