import QtQuick 2.15
import "../../kestrum/qml"

// The "KESTRUM 2" readings over time.
KestrumTemperatureChart {
}
