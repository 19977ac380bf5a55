import QtQuick 2.15
import "../../qml"

// A titled box of "BEMARI+" levels laid out in `columns` columns, or in as
// many as the width of the box's parent leaves room for; `cells` lists
// {sub, value} per level, in reading order.
VfRectangle {
    id: box

    property string title: ""
    property var cells: []
    property int columns: 3
    // The widest level shown so far.
    property real cellWidth: 0
    readonly property int fittingColumns: {
        var room = (parent ? parent.width : 0) - 28 + grid.columnSpacing
        var fitting = Math.floor(room / (cellWidth + grid.columnSpacing))
        return cellWidth > 0 && room > 0 ? Math.max(1, Math.min(columns, fitting)) : columns
    }

    label: title
    implicitWidth: grid.implicitWidth + 28
    implicitHeight: grid.implicitHeight + 48

    Grid {
        id: grid
        anchors { left: parent.left; top: parent.top; leftMargin: 14; topMargin: 38 }
        columns: box.fittingColumns
        columnSpacing: 28
        rowSpacing: 6

        Repeater {
            model: box.cells
            BemariPlusResultsItemchild {
                objectName: "par" + modelData.sub
                parSubLabel: modelData.sub
                parValue: modelData.value
                onImplicitWidthChanged: box.cellWidth = Math.max(box.cellWidth, implicitWidth)
                Component.onCompleted: box.cellWidth = Math.max(box.cellWidth, implicitWidth)
            }
        }
    }
}
