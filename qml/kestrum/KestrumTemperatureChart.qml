import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "KestrumPages.js" as Pages

// The five readings of one board over time, filled in one step per series
// through core.samples (a long run is thinned to each pixel column's lowest
// and highest value). Samples without a reading are left out of its series.
ChartView {
    id: chart

    property alias axisX: timeAxis
    property alias axisY: temperatureAxis
    readonly property var series: [wetSeries, drySeries, globeSeries, wbgtiSeries, wbgtoSeries]

    // Asks the chart to show a board: one of KestrumPages.boardModel().
    signal populateChart(var expansionElement)

    onPopulateChart: populateSeries(expansionElement)

    title: qsTr("Temperature x Time")
    titleFont.family: fontSans.name
    titleFont.pixelSize: 15
    antialiasing: true
    localizeNumbers: true
    legend.alignment: Qt.AlignBottom
    legend.font.family: fontSans.name
    legend.font.pixelSize: 15
    legend.markerShape: Legend.MarkerShapeFromSeries

    // Shows the samples of `board` (a KestrumPages.boardModel()).
    function populateSeries(board) {
        var unit = Pages.unitSuffix(board.unity)
        // The axes are set while the series are empty: each change of an
        // axis redraws every point of the chart.
        var ranges = []
        for (var i = 0; i < series.length; ++i) {
            series[i].clear()
            ranges.push(core.samples.seriesRange(series[i], "date", board.keys[i]))
        }
        setAxes(board, unit, ranges)
        for (var s = 0; s < series.length; ++s) {
            series[s].name = Pages.quantities[s].title + unit
            core.samples.fillSeries(series[s], "date", board.keys[s])
        }
    }

    // Sets the axes for `board` from its series' ranges (seriesRange).
    function setAxes(board, unit, ranges) {
        temperatureAxis.titleText = qsTr("Temperature") + unit
        var first = null, last = null
        for (var r = 0; r < ranges.length; ++r) {
            if (!ranges[r].count)
                continue
            if (first === null || ranges[r].xMin < first)
                first = ranges[r].xMin
            if (last === null || ranges[r].xMax > last)
                last = ranges[r].xMax
        }
        if (first === null) {
            timeAxis.showNoTimes()
        } else {
            timeAxis.tidy(first, last)
        }
        var range = Pages.temperatureRange(board, ranges)
        temperatureAxis.min = range ? Math.floor(range.min) - 1 : 0
        temperatureAxis.max = range ? Math.ceil(range.max) + 1 : 50
        temperatureAxis.applyNiceNumbers()
    }

    VfTimeAxis {
        id: timeAxis
        chart: chart
        titleText: qsTr("Time")
        labelsFont.pixelSize: 12
        titleFont.pixelSize: 15
    }

    ValueAxis {
        id: temperatureAxis
        titleText: qsTr("Temperature")
        minorTickCount: 5
        labelFormat: "%.1f"
        labelsFont.pixelSize: 12
        titleFont.pixelSize: 15
    }

    LineSeries {
        id: wetSeries
        name: "Wet bulb"
        color: Pages.quantities[0].color
        width: 2
        axisX: timeAxis
        axisY: temperatureAxis
    }
    LineSeries {
        id: drySeries
        name: "Dry bulb"
        color: Pages.quantities[1].color
        width: 2
        axisX: timeAxis
        axisY: temperatureAxis
    }
    LineSeries {
        id: globeSeries
        name: "Globe"
        color: Pages.quantities[2].color
        width: 2
        axisX: timeAxis
        axisY: temperatureAxis
    }
    LineSeries {
        id: wbgtiSeries
        name: "WBGTi"
        color: Pages.quantities[3].color
        width: 2
        axisX: timeAxis
        axisY: temperatureAxis
    }
    LineSeries {
        id: wbgtoSeries
        name: "WBGTo"
        color: Pages.quantities[4].color
        width: 2
        axisX: timeAxis
        axisY: temperatureAxis
    }
}
