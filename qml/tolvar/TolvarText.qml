import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// A text of the pump pages: centred vertically, aligned left, and kept at
// its own size in layouts.
VfText {
    verticalAlignment: Text.AlignVCenter
    horizontalAlignment: Text.AlignLeft
    Layout.fillWidth: false
    Layout.fillHeight: false
}
