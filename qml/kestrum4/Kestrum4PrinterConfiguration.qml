import QtQuick 2.15
import "../../kestrum/qml"

// The report window of a "KESTRUM 4" run.
KestrumPrinterConfiguration {
    titlePrefix: "Kestrum 4 - "
    itemsLabel: qsTr("Select report items")
    resultsPerReading: true
}
