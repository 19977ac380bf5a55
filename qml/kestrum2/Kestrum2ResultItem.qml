import QtQuick 2.15
import "../../kestrum/qml"

// A "KESTRUM 2" result box: maximum, average and minimum of one reading.
KestrumResultItem {
}
