import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Rumo.js" as Rumo

// One statistics box of the results page ("Min", "Avg" or "Max"): a row per
// quantity with its name, unit and value, the first quantity in row 1.
VfRectangle {
    id: item

    property string title: ""
    // Entries {quantityName, quantityUnity, value, idx}.
    property var model: []

    label: title
    implicitWidth: 260
    implicitHeight: grid.implicitHeight + 48

    GridLayout {
        id: grid
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 14; rightMargin: 14; topMargin: 38 }
        columns: 2
        columnSpacing: 12
        rowSpacing: 6

        Repeater {
            model: item.model
            VfText {
                Layout.row: modelData.idx
                Layout.column: 0
                Layout.fillWidth: true
                text: Rumo.quantityTitle({ "nameTr": modelData.quantityName,
                                           "unity": modelData.quantityUnity }) + ":"
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.bold: true
                font.pixelSize: 13
            }
        }
        Repeater {
            model: item.model
            VfText {
                objectName: "value" + modelData.idx
                Layout.row: modelData.idx
                Layout.column: 1
                Layout.alignment: Qt.AlignRight
                text: modelData.value
                font.pixelSize: 13
            }
        }
    }
}
