import QtQuick 2.15
import "../../qml"

// The run's band levels, Z, A or C weighted, with each bar's value above it.
VfBandChart {
}
