import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtCharts 2.15
import "VfFrequencyWeighting.js" as Weighting

// A run's band levels as bars, as measured (Z) or A or C weighted (IEC
// 61672-1): each band is corrected by its own frequency. Bands without a
// level, and for A and C the bands outside the weighting tables, are left
// out. The radio buttons choose the curve shown.
Item {
    id: leqChart

    property string octaveAnalysis: ""
    // The bars of each weighting: {Z: [{label, value}], A: [...], C: [...]}.
    property var bars: ({ "Z": [], "A": [], "C": [] })
    property string weighting: "Z"
    readonly property var descriptions: ({ "Z": "Z-Weightning", "A": "A-Weightning",
                                           "C": "C-Weightning" })
    readonly property var colours: ({ "Z": "#d03030", "A": "#2f5fb0", "C": "#2a8a3a" })
    // Where the bar labels go, and their colour.
    property int labelsPosition: AbstractBarSeries.LabelsOutsideEnd
    property color labelColor: "#202020"
    property alias chart: chart
    property alias barSet: bandSet
    property alias axisX: bandAxis
    property alias axisY: levelAxis

    function populateLeqChart(leqList, octaveAnalysis) {
        leqChart.octaveAnalysis = octaveAnalysis || ""
        var locale = Qt.locale()
        bars = { "Z": Weighting.leqBars(leqList, "Z", locale),
                 "A": Weighting.leqBars(leqList, "A", locale),
                 "C": Weighting.leqBars(leqList, "C", locale) }
        show(weighting)
    }

    function show(letter) {
        weighting = letter
        var shown = bars[letter] || []
        var labels = [], values = [], largest = -Infinity, smallest = Infinity
        for (var i = 0; i < shown.length; ++i) {
            labels.push(shown[i].label)
            values.push(Math.round(shown[i].value * 10) / 10)
            largest = Math.max(largest, shown[i].value)
            smallest = Math.min(smallest, shown[i].value)
        }
        bandSet.values = values
        bandAxis.categories = labels
        levelAxis.min = shown.length > 0 ? Math.min(0, Math.floor(smallest)) : 0
        // Rounded up; labels above the bars get room for the highest.
        var headroom = labelsPosition === AbstractBarSeries.LabelsOutsideEnd ? 4 : 0
        levelAxis.max = shown.length > 0 ? Math.ceil(largest + headroom) : 100
        levelAxis.applyNiceNumbers()
        bandAxis.titleVisible = true
    }

    RowLayout {
        id: curves
        anchors { top: parent.top; horizontalCenter: parent.horizontalCenter }
        spacing: 24

        Repeater {
            model: ["Z", "A", "C"]
            VfRadioButton {
                objectName: modelData.toLowerCase() + "Curve"
                text: modelData + " Curve"
                checked: leqChart.weighting === modelData
                onClicked: leqChart.show(modelData)
            }
        }
    }

    ChartView {
        id: chart
        anchors { left: parent.left; right: parent.right; top: curves.bottom; bottom: parent.bottom }
        title: "L<sub>eq</sub> x " + qsTr("Octave")
               + (leqChart.octaveAnalysis === "1/3" ? " (1/3)" : "")
        titleFont.family: fontSans.name
        titleFont.pixelSize: 15
        antialiasing: true
        localizeNumbers: true
        legend.alignment: Qt.AlignBottom
        legend.font.pixelSize: 12

        ValueAxis {
            id: levelAxis
            titleText: "L<sub>eq</sub> [dB]"
            labelFormat: "%.0f"
            labelsFont.pixelSize: 11
            titleFont.pixelSize: 12
        }

        BarCategoryAxis {
            id: bandAxis
            titleText: qsTr("Frequency") + " [Hz]"
            // Shown from the first bars on: a title drawn while the chart
            // still had no categories stays behind as a clipped copy at the
            // chart's top-left corner.
            titleVisible: false
            titleFont.pixelSize: 12
            labelsFont.pixelSize: leqChart.octaveAnalysis === "1/3" ? 9 : 11
            // Upright when a band is too narrow for "31.5" or "1.25 k" side
            // by side: lying flat they would be cut to "3…".
            labelsAngle: leqChart.octaveAnalysis === "1/3"
                         || chart.plotArea.width < 44 * Math.max(1, count) ? -80 : 0
        }

        BarSeries {
            id: series
            axisX: bandAxis
            axisY: levelAxis
            labelsVisible: true
            labelsPosition: leqChart.labelsPosition
            labelsFormat: "@value"
            labelsAngle: leqChart.octaveAnalysis === "1/3" ? -90 : 0
            barWidth: 0.8

            BarSet {
                id: bandSet
                label: leqChart.descriptions[leqChart.weighting]
                color: leqChart.colours[leqChart.weighting]
                borderColor: "transparent"
                labelColor: leqChart.labelColor
                labelFont.pixelSize: leqChart.octaveAnalysis === "1/3" ? 8 : 11
            }

            onHovered: {
                var shown = leqChart.bars[leqChart.weighting] || []
                if (!status || index < 0 || index >= shown.length) {
                    hover.visible = false
                    return
                }
                var position = chart.mapToPosition(Qt.point(index, shown[index].value), series)
                hover.showAt(position.x, position.y,
                             root.numberToLocalString(shown[index].value) + " dB<br>"
                             + shown[index].label + " Hz")
            }
        }

        ChartPointHover {
            id: hover
            objectName: "leqHover"
            visible: false
        }
    }
}
