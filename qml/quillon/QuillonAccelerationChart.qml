import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

// The run's accelerations over time, a_mr and the weighted a_w of each axis,
// as the report's "Acceleration x Time" draws them. Each series is filled in
// one step through core.samples (a long run is thinned to each pixel column's
// lowest and highest value); samples without a value are left out.
ChartView {
    id: chart

    property alias axisX: timeAxis
    property alias axisY: valueAxis
    // The series by their sample key.
    readonly property var seriesByKey: ({ "amr": amrSeries, "awX": awXSeries,
                                          "awY": awYSeries, "awZ": awZSeries })

    title: qsTr("Acceleration x Time")
    titleFont.family: fontSans.name
    titleFont.pixelSize: 15
    antialiasing: true
    localizeNumbers: true
    legend.alignment: Qt.AlignBottom
    legend.font.pixelSize: 12

    // Shows every sample of the run on screen.
    function populateChart() {
        var first = NaN, last = NaN, low = NaN, high = NaN
        for (var key in seriesByKey) {
            var range = core.samples.fillSeries(seriesByKey[key], "date", key)
            if (!range.count)
                continue
            first = isNaN(first) ? range.xMin.getTime() : Math.min(first, range.xMin.getTime())
            last = isNaN(last) ? range.xMax.getTime() : Math.max(last, range.xMax.getTime())
            low = isNaN(low) ? range.yMin : Math.min(low, range.yMin)
            high = isNaN(high) ? range.yMax : Math.max(high, range.yMax)
        }
        if (isNaN(first)) {
            // Nothing to show: an empty chart from 0 to 1.
            timeAxis.showNoTimes()
            valueAxis.min = 0
            valueAxis.max = 1
            return
        }
        timeAxis.tidy(new Date(first), new Date(last))
        valueAxis.min = Math.min(0, low)
        valueAxis.max = high > valueAxis.min ? high * 1.05 : valueAxis.min + 1
        valueAxis.applyNiceNumbers()
    }

    VfTimeAxis {
        id: timeAxis
        chart: chart
        titleText: qsTr("Time")
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    ValueAxis {
        id: valueAxis
        titleText: qsTr("Acceleration") + " [m/s<sup>2</sup>]"
        labelFormat: "%.2f"
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    LineSeries {
        id: amrSeries
        name: "a<sub>mr</sub>"
        axisX: timeAxis
        axisY: valueAxis
        color: "#d62728"
        width: 1.5
    }
    LineSeries {
        id: awXSeries
        name: "a<sub>wX</sub>"
        axisX: timeAxis
        axisY: valueAxis
        color: "#1f77d0"
        width: 1.5
    }
    LineSeries {
        id: awYSeries
        name: "a<sub>wY</sub>"
        axisX: timeAxis
        axisY: valueAxis
        color: "#2ca02c"
        width: 1.5
    }
    LineSeries {
        id: awZSeries
        name: "a<sub>wZ</sub>"
        axisX: timeAxis
        axisY: valueAxis
        color: "#f2a000"
        width: 1.5
    }
}
