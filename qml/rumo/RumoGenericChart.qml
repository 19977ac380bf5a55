import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "Rumo.js" as Rumo

// One quantity of the run over time, filled in one step through core.samples
// (a long run is thinned to each pixel column's lowest and highest value).
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
    property int selectedIndex: -1
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
    focus: true

    // Shows the quantity's value of every sample of the run on screen.
    function populateSeries() {
        clearSelection()
        var key = Rumo.valueKey(quantityIndex)
        core.samples.fillSeries(rumoSeriesLine, "date", key)
        var range = core.samples.fillSeries(rumoSeries, "date", key)
        if (!range.count) {
            var now = new Date()
            rumoX.min = now
            rumoX.max = new Date(now.getTime() + 60000)
            rumoY.min = -1
            rumoY.max = 1
            return range
        }
        var margin = Number(sampleTime) > 0 ? Number(sampleTime) * 1000 : 1000
        rumoX.min = new Date(range.xMin.getTime() - margin)
        rumoX.max = new Date(range.xMax.getTime() + margin)
        // The run's own minimum and maximum frame the values; when the
        // instrument gave none, the values drawn do.
        var span = Rumo.valueRange(minValue, maxValue)
                || Rumo.valueRange(range.yMin, range.yMax)
        if (span) {
            rumoY.min = span.min
            rumoY.max = span.max
        }
        rumoY.applyNiceNumbers()
        return range
    }

    // A point's x is the sample's wall-clock time as a local date.
    function pointText(index) {
        var p = rumoSeries.at(index)
        return root.numberToLocalString(p.y) + " " + quantityUnity + "<br>"
                + new Date(p.x).toLocaleTimeString(Qt.locale(), "hh:mm:ss")
    }

    function showPoint(index) {
        var position = chart.mapToPosition(rumoSeries.at(index), rumoSeries)
        pointView.showAt(position.x, position.y, pointText(index))
    }

    function selectPoint(index) {
        if (index < 0 || index >= rumoSeries.count)
            return
        selectedIndex = index
        pointView.holdOn = false
        showPoint(index)
        pointView.holdOn = true
    }

    function clearSelection() {
        selectedIndex = -1
        pointView.holdOn = false
        pointView.visible = false
    }

    // The point nearest in time to a chart value (the points rise in time).
    function nearestIndex(point) {
        var low = 0, high = rumoSeries.count - 1
        if (high < 0)
            return -1
        while (low < high) {
            var middle = Math.floor((low + high) / 2)
            if (rumoSeries.at(middle).x < point.x)
                low = middle + 1
            else
                high = middle
        }
        if (low > 0 && point.x - rumoSeries.at(low - 1).x <= rumoSeries.at(low).x - point.x)
            return low - 1
        return low
    }

    onWidthChanged: if (selectedIndex >= 0) selectPoint(selectedIndex)
    onHeightChanged: if (selectedIndex >= 0) selectPoint(selectedIndex)

    DateTimeAxis {
        id: rumoX
        format: "hh:mm:ss"
        titleText: qsTr("Time")
        tickCount: 7
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
        onHovered: {
            if (state) {
                var index = chart.nearestIndex(point)
                if (index >= 0)
                    chart.showPoint(index)
            } else if (!pointView.holdOn) {
                pointView.visible = false
            }
        }
        onClicked: {
            chart.forceActiveFocus()
            chart.selectPoint(chart.nearestIndex(point))
        }
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: chart.clearSelection()
    }

    ScatterPointHover {
        id: pointView
        objectName: "pointView"
        visible: false
    }

    Keys.onEscapePressed: clearSelection()
    Keys.onDeletePressed: clearSelection()
    Keys.onLeftPressed: selectPoint(Math.max(0, selectedIndex - 1))
    Keys.onRightPressed: selectPoint(Math.min(rumoSeries.count - 1, selectedIndex + 1))
}
