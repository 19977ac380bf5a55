import QtQuick 2.15
import "../../qml"

// A band level of the hearing-protector grid without the protector: read
// only, "---" when the band is not known.
Rectangle {
    id: cell

    property real value: NaN
    property color textColor: "#000000"
    readonly property string text: valueText.text

    implicitWidth: 60
    implicitHeight: 32
    color: "#f0f0f0"
    border.color: "#c8c8c8"
    radius: 3

    VfText {
        id: valueText
        anchors.centerIn: parent
        textFormat: Text.PlainText
        font.pixelSize: 14
        color: cell.textColor
        text: isFinite(cell.value) ? root.numberToLocalString1(cell.value) : "---"
    }
}
