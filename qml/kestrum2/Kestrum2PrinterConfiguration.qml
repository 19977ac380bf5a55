import QtQuick 2.15
import "../../kestrum/qml"

// The report window of a "KESTRUM 2" run.
KestrumPrinterConfiguration {
    titlePrefix: "Kestrum 2 - "
    itemsLabel: qsTr("Select log items")
    resultsPerReading: false
}
