import QtQuick 2.15
import "../../kestrum/qml"

// The "KESTRUM 4" readings over time.
KestrumTemperatureChart {
}
