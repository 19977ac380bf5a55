import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// A titled box of five levels with their labels. A value the instrument left
// empty shows "---", an overloaded one "OL".
VfRectangle {
    id: item

    property string title: ""
    property string par1Label: ""
    property string par2Label: ""
    property string par3Label: ""
    property string par4Label: ""
    property string par5Label: ""
    property string par1: "---"
    property string par2: "---"
    property string par3: "---"
    property string par4: "---"
    property string par5: "---"

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
            model: 5
            delegate: VfText {
                Layout.row: index
                Layout.column: 0
                objectName: "par" + (index + 1) + "Label"
                text: item["par" + (index + 1) + "Label"]
                textFormat: Text.RichText
                font.bold: true
                font.pixelSize: 14
            }
        }
        Repeater {
            model: 5
            delegate: VfText {
                Layout.row: index
                Layout.column: 1
                Layout.fillWidth: true
                objectName: "par" + (index + 1)
                text: item["par" + (index + 1)]
                horizontalAlignment: Text.AlignRight
                font.pixelSize: 14
            }
        }
    }
}
