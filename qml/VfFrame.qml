import QtQuick 2.15
import QtQuick.Controls 2.15

// A framed group with a word-wrapped label at its top.
Frame {
    id: frame

    property alias label: textLabel.text

    topPadding: textLabel.height + 16
    leftPadding: 12
    rightPadding: 12
    bottomPadding: 12

    background: Rectangle {
        color: "transparent"
        border.color: "#b3b5b4"
        radius: 4

        VfText {
            id: textLabel
            x: 10
            y: 6
            width: parent.width - 20
            wrapMode: Text.WordWrap
            font.bold: true
            font.pixelSize: 14
            color: "#505050"
        }
    }
}
