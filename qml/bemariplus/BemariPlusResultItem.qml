import QtQuick 2.15
import "../../qml"

// A titled box of "BEMARI+" levels laid out in `columns` columns, or in fewer
// where the width of the box's parent leaves no room for them; `cells` lists
// {sub, value} per level, in reading order.
VfRectangle {
    id: box

    property string title: ""
    property var cells: []
    property int columns: 3
    // The widest level shown so far.
    property real cellWidth: 0
    // A divisor of `columns`, so that a row of the box still holds whole
    // groups (the Z, C and A levels of one kind).
    readonly property int fittingColumns: {
        var room = (parent ? parent.width : 0) - 28 + grid.columnSpacing
        if (cellWidth <= 0 || room <= 0)
            return columns
        var fitting = Math.floor(room / (cellWidth + grid.columnSpacing))
        var fitted = 1
        for (var c = 1; c <= columns; ++c) {
            if (columns % c === 0 && c <= fitting)
                fitted = c
        }
        return fitted
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
