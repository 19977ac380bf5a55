import QtQuick 2.15
import QtQuick.Layouts 1.15

// Result boxes side by side, as many in a row as the grid's width has room
// for (`boxWidth` each, `maxColumns` at most); the others go below them.
GridLayout {
    property real boxWidth: 250
    property int maxColumns: 3

    columns: Math.max(1, Math.min(maxColumns, Math.floor((width + columnSpacing)
                                                         / (boxWidth + columnSpacing))))
    columnSpacing: 16
    rowSpacing: 16
}
