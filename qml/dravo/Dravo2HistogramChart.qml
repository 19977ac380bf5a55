import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

import "Dravo2Results.js" as Data

// Minutes per level class of the run's samples. Samples without a level are
// left out; classes without samples do not appear.
ChartView {
    id: chart

    // Width of a level class in dB.
    property int k_bins_lvl: 5
    property var classes: []
    property alias barSet: minutesSet
    property alias axisX: classAxis
    property alias axisY: minutesAxis

    title: qsTr("Histogram")
    titleFont.family: fontSans.name
    titleFont.pixelSize: 15
    antialiasing: true
    legend.visible: false
    localizeNumbers: true

    // `levels`: the level of every sample, NaN where there is none (as
    // core.samples.values gives them).
    function populateHistogram(levels, sampleTime) {
        classes = Data.histogramClasses(levels, sampleTime, k_bins_lvl)
        var labels = [], values = [], largest = 0
        for (var i = 0; i < classes.length; ++i) {
            labels.push(String(classes[i].upper))
            values.push(classes[i].minutes)
            largest = Math.max(largest, classes[i].minutes)
        }
        minutesSet.values = values
        classAxis.categories = labels
        minutesAxis.min = 0
        minutesAxis.max = largest > 0 ? largest * 1.15 : 1
        minutesAxis.applyNiceNumbers()
        hover.visible = false
    }

    ValueAxis {
        id: minutesAxis
        titleText: qsTr("Time") + " [min]"
        labelFormat: "%.1f"
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    BarCategoryAxis {
        id: classAxis
        titleText: qsTr("Noise level") + " [dB]"
        labelsFont.pixelSize: 11
        titleFont.pixelSize: 12
    }

    BarSeries {
        id: series
        axisX: classAxis
        axisY: minutesAxis
        labelsVisible: true
        labelsPosition: AbstractBarSeries.LabelsOutsideEnd
        labelsFormat: "@value"
        barWidth: 0.8

        BarSet {
            id: minutesSet
            label: qsTr("Time") + " [min]"
            color: "orange"
            borderColor: "transparent"
            labelColor: "black"
        }

        onHovered: {
            if (!status || index < 0 || index >= chart.classes.length) {
                hover.visible = false
                return
            }
            var c = chart.classes[index]
            var value = Qt.point(index, c.minutes)
            var position = chart.mapToPosition(value, series)
            hover.showAt(position.x, position.y,
                         root.numberToLocalString(c.minutes) + " min<br>"
                         + c.lower + " - " + c.upper + " dB")
        }
    }

    ChartPointHover {
        id: hover
        objectName: "histogramHover"
        visible: false
    }
}
