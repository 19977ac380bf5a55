import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "Quillon.js" as Quillon

// One axis's band accelerations as bars, octave or third-octave, with the
// report's band labels. Bands without a value are left out.
ChartView {
    id: chart

    property string axis: "X"
    property string octaveAnalysis: "1/1"
    property var bars: []
    property alias barSet: bandSet
    property alias axisX: bandAxis
    property alias axisY: valueAxis
    readonly property bool thirds: octaveAnalysis === "1/3"

    title: "Am<sub>" + axis + "</sub>" + (thirds ? " x 1/3 " : " x ") + qsTr("Octave")
    titleFont.family: fontSans.name
    titleFont.pixelSize: 14
    antialiasing: true
    localizeNumbers: true
    legend.visible: false

    // Shows the bands of the axis (the run's "amrList" entry).
    function populate(bands, octaveAnalysis) {
        chart.octaveAnalysis = octaveAnalysis || ""
        bars = Quillon.bandBars(bands, Qt.locale())
        var labels = [], values = [], largest = 0
        for (var i = 0; i < bars.length; ++i) {
            labels.push(bars[i].label)
            values.push(bars[i].value)
            largest = Math.max(largest, bars[i].value)
        }
        bandSet.values = values
        bandAxis.categories = labels
        valueAxis.min = 0
        valueAxis.max = bars.length > 0 && largest > 0 ? largest * 1.15 : 1
        valueAxis.applyNiceNumbers()
    }

    ValueAxis {
        id: valueAxis
        titleText: "Am<sub>" + chart.axis + "</sub> [m/s<sup>2</sup>]"
        labelFormat: "%.2f"
        labelsFont.pixelSize: 10
        titleFont.pixelSize: 11
    }

    BarCategoryAxis {
        id: bandAxis
        titleText: qsTr("Frequency") + " [Hz]"
        titleFont.pixelSize: 11
        labelsFont.pixelSize: chart.thirds ? 8 : 10
        labelsAngle: chart.thirds ? -80 : 0
    }

    BarSeries {
        id: series
        axisX: bandAxis
        axisY: valueAxis
        labelsVisible: !chart.thirds
        labelsPosition: AbstractBarSeries.LabelsInsideEnd
        labelsPrecision: 3
        barWidth: 0.8

        BarSet {
            id: bandSet
            label: "Am" + chart.axis
            color: "#2f5fb0"
            borderColor: "transparent"
            labelColor: "white"
            labelFont.pixelSize: 9
        }
    }
}
