import QtQuick 2.15
import "../../kestrum/qml"

// The "KESTRUM 4" configuration window: unit and sample time.
KestrumConfiguration {
    productName: "KESTRUM 4"
    titlePrefix: "Kestrum 4 - "
}
