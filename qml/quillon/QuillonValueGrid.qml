import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// Values of the vibration results page in a grid: a title row ("", and the
// column titles) and one row per quantity. Each value cell is named
// `name` + its column's key, so that the pages' tests find it.
GridLayout {
    id: grid

    // Column keys and titles, e.g. [{key: "X", title: "X"}, ...]; one column
    // with an empty key for a single value.
    property var columnsOf: [{ "key": "", "title": "" }]
    // [{name, title, values: [one text per column]}]
    property var rows: []

    columns: columnsOf.length + 1
    // Title and three axes fit the tab of the smallest window.
    columnSpacing: 16
    rowSpacing: 6

    VfText {
        visible: grid.columnsOf.length > 1
        text: ""
    }
    Repeater {
        model: grid.columnsOf.length > 1 ? grid.columnsOf : []
        VfText {
            Layout.alignment: Qt.AlignHCenter
            text: modelData.title
            font.bold: true
            font.pixelSize: 14
        }
    }
    Repeater {
        model: grid.rows
        delegate: VfText {
            Layout.row: index + 1
            Layout.column: 0
            text: modelData.title
            font.bold: true
            font.pixelSize: 14
        }
    }
    Repeater {
        model: grid.rows.length * grid.columnsOf.length
        delegate: VfText {
            readonly property int rowIndex: Math.floor(index / grid.columnsOf.length)
            readonly property int columnIndex: index % grid.columnsOf.length
            readonly property var row: grid.rows[rowIndex]
            objectName: row ? row.name + grid.columnsOf[columnIndex].key : ""
            Layout.row: rowIndex + 1
            Layout.column: columnIndex + 1
            Layout.alignment: Qt.AlignHCenter
            Layout.minimumWidth: 64
            horizontalAlignment: Text.AlignHCenter
            text: row && row.values[columnIndex] !== undefined ? row.values[columnIndex] : "---"
            font.pixelSize: 14
        }
    }
}
