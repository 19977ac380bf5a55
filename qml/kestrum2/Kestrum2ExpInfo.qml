import QtQuick 2.15
import "../../kestrum/qml"

// The "KESTRUM 2" run information: event, date and the run's times.
KestrumExpInfo {
    showExperiment: false
}
