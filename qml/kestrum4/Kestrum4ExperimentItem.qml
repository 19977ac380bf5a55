import QtQuick 2.15
import "../../kestrum/qml"

// A run of the "KESTRUM 4" run list: its number, its name, date and size.
KestrumExperimentItem {
    showName: true
}
