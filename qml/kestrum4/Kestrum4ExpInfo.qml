import QtQuick 2.15
import "../../kestrum/qml"

// The "KESTRUM 4" run information: event, run name, date and the run's times.
KestrumExpInfo {
    showExperiment: true
}
