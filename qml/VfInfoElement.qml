import QtQuick 2.15

// A bold label and its value side by side.
Item {
    id: infoElement

    property alias spacing: row.spacing
    property alias label: infoLabel.text
    property alias value: infoValue.text

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    Row {
        id: row
        spacing: 6

        VfText {
            id: infoLabel
            text: "Info"
            font.bold: true
            font.pixelSize: 14
        }
        VfText {
            id: infoValue
            font.pixelSize: 14
        }
    }
}
