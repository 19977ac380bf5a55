import QtQuick 2.15
import QtCharts 2.15
import "../../qml"

// The run's band levels as bars, Z (as measured), A or C weighted, with each
// bar's value inside its end.
VfBandChart {
    labelsPosition: AbstractBarSeries.LabelsInsideEnd
    labelColor: "white"
}
