import QtQuick 2.15

// A bordered group with a label at its top left.
Rectangle {
    id: vfRectangle

    property alias label: textLabel.text

    color: "transparent"
    border.color: "#b3b5b4"
    radius: 4

    VfText {
        id: textLabel
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.margins: 8
        font.bold: true
        font.pixelSize: 14
        color: "#505050"
    }
}
