import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// A text of the results page that fills its layout cell, vertically centred
// and left aligned.
VfText {
    Layout.fillWidth: true
    Layout.fillHeight: true
    verticalAlignment: Text.AlignVCenter
    horizontalAlignment: Text.AlignLeft
    font.pixelSize: 14
    elide: Text.ElideRight
}
