import QtQuick 2.15
import "../../kestrum/qml"

// The "KESTRUM 2" configuration window: unit and sample time.
KestrumConfiguration {
    productName: "KESTRUM 2"
    titlePrefix: "Kestrum 2 - "
}
