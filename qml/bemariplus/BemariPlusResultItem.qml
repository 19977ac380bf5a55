import QtQuick 2.15
import "../../qml"

// A titled box of "BEMARI+" levels laid out in `columns` columns; `cells`
// lists {sub, value} per level, in reading order.
VfRectangle {
    id: box

    property string title: ""
    property var cells: []
    property int columns: 3

    label: title
    implicitWidth: grid.implicitWidth + 28
    implicitHeight: grid.implicitHeight + 48

    Grid {
        id: grid
        anchors { left: parent.left; top: parent.top; leftMargin: 14; topMargin: 38 }
        columns: box.columns
        columnSpacing: 28
        rowSpacing: 6

        Repeater {
            model: box.cells
            BemariPlusResultsItemchild {
                objectName: "par" + modelData.sub
                parSubLabel: modelData.sub
                parValue: modelData.value
            }
        }
    }
}
