import QtQuick 2.15
import "../../bemari/qml"

// The information grid of a "BEMARI+" run: its weightings are in the result
// boxes, so the grid has no weighting rows.
BemariExpInfo {
    showWeightings: false
}
