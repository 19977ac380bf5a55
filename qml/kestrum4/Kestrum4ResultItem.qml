import QtQuick 2.15
import "../../kestrum/qml"

// A "KESTRUM 4" result box: maximum, average and minimum of one reading.
KestrumResultItem {
}
