import QtQuick 2.15
import "../../kestrum/qml"

// A run of the "KESTRUM 2" run list: its number, date and size.
KestrumExperimentItem {
    showName: false
}
