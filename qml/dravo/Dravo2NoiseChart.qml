import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "Dravo2Results.js" as Data

// Level over time of the run's samples. Samples without a level are left
// out. Hovering a point shows its value; a click keeps it shown, and Left
// and Right step through the points while Escape or Delete let it go.
ChartView {
    id: chart

    // The points as shown: [{time: Date, level: Number}].
    property var points: []
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

    function populateChart(logList) {
        noiseSeries.clear()
        clearSelection()
        points = Data.levelPoints(logList)
        if (points.length === 0) {
            var now = new Date()
            timeAxis.min = now
            timeAxis.max = new Date(now.getTime() + 60000)
            levelAxis.min = 0
            levelAxis.max = 100
            return
        }
        var low = Infinity, high = -Infinity
        for (var i = 0; i < points.length; ++i) {
            noiseSeries.append(points[i].time.getTime(), points[i].level)
            low = Math.min(low, points[i].level)
            high = Math.max(high, points[i].level)
        }
        var first = points[0].time.getTime()
        var last = points[points.length - 1].time.getTime()
        timeAxis.min = new Date(first)
        timeAxis.max = new Date(last > first ? last : first + 1000)
        levelAxis.min = Math.floor(low) - 1
        levelAxis.max = Math.ceil(high) + 1
        levelAxis.applyNiceNumbers()
    }

    function pointText(index) {
        var p = points[index]
        return root.numberToLocalString(p.level) + " dB<br>"
                + p.time.toLocaleTimeString(Qt.locale(), "hh:mm:ss")
    }

    function showPoint(index) {
        var p = points[index]
        var position = chart.mapToPosition(Qt.point(p.time.getTime(), p.level), noiseSeries)
        hover.showAt(position.x, position.y, pointText(index))
    }

    function selectPoint(index) {
        if (index < 0 || index >= points.length)
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

    // The sample nearest to a chart value.
    function nearestIndex(point) {
        var best = -1, bestDistance = Infinity
        for (var i = 0; i < points.length; ++i) {
            var d = Math.abs(points[i].time.getTime() - point.x)
            if (d < bestDistance) {
                bestDistance = d
                best = i
            }
        }
        return best
    }

    DateTimeAxis {
        id: timeAxis
        format: "hh:mm:ss"
        titleText: qsTr("Time")
        tickCount: 7
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
    Keys.onRightPressed: selectPoint(Math.min(points.length - 1, selectedIndex + 1))
}
