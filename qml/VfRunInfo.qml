import QtQuick 2.15

// The run information panel of a results page: a bold label and its value
// per row, in one or more columns. A model's panel gives its rows; the
// values are read by key from `values` (by default the panel itself, whose
// model file declares a text property per row), so filling the panel
// changes texts only and the panel keeps its layout.
VfRectangle {
    id: info

    // The rows, in order: {label, key, name (the value's object name),
    // column (from 0), shown (false hides the row)}; a row {heading} is a
    // bold title of the rows below.
    property var rows: []
    // Where a value is read: values[key]; a missing one shows "---".
    property var values: info
    // The width of the labels of a column; 0 makes each as wide as its text.
    property int labelWidth: 0
    property int fontSize: 13
    property int rowSpacing: 3
    readonly property int columnCount: {
        var count = 1
        for (var i = 0; i < rows.length; ++i)
            count = Math.max(count, (rows[i].column || 0) + 1)
        return count
    }

    // The rows of column `column`.
    function rowsOf(column) {
        return rows.filter(function (row) { return (row.column || 0) === column })
    }

    label: qsTr("Experiment")
    implicitHeight: contentTop + columns.height + 12

    // Below the panel's label, where it has one.
    readonly property int contentTop: label !== "" ? 34 : 14

    // Lays the rows out afresh. They are made here rather than by a
    // Repeater so that they belong to the panel, as rows declared in it
    // would: whoever looks for a label among the panel's children finds it.
    function layOutRows() {
        for (var i = columns.children.length - 1; i >= 0; --i) {
            var old = columns.children[i]
            old.parent = null
            old.destroy()
        }
        for (var c = 0; c < columnCount; ++c) {
            var column = columnType.createObject(columns)
            var list = rowsOf(c)
            for (var r = 0; r < list.length; ++r)
                rowType.createObject(column, { "row": list[r] })
        }
    }

    onRowsChanged: {
        if (columns.completed)
            layOutRows()
    }

    Row {
        id: columns

        property bool completed: false
        readonly property real columnWidth: (width - spacing * (info.columnCount - 1)) / info.columnCount

        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 12; rightMargin: 12; topMargin: info.contentTop }
        spacing: 30

        Component.onCompleted: {
            completed = true
            info.layOutRows()
        }
    }

    Component {
        id: columnType

        Column {
            width: columns.columnWidth
            spacing: info.rowSpacing
        }
    }

    Component {
        id: rowType

        Item {
            id: rowItem

            property var row: ({})
            readonly property bool heading: row.heading !== undefined

            width: parent ? parent.width : 0
            visible: row.shown !== false
            height: row.shown !== false ? Math.max(labelText.implicitHeight, valueText.implicitHeight)
                              + (heading ? 6 : 0)
                            : 0

            VfText {
                id: labelText
                anchors.left: rowItem.left
                anchors.top: rowItem.top
                anchors.topMargin: rowItem.heading ? 6 : 0
                width: info.labelWidth > 0 && !rowItem.heading ? info.labelWidth : implicitWidth
                text: rowItem.heading ? rowItem.row.heading : rowItem.row.label
                elide: Text.ElideRight
                font.bold: true
                font.pixelSize: rowItem.heading ? info.fontSize + 1 : info.fontSize
            }
            VfText {
                id: valueText
                objectName: rowItem.row.name !== undefined ? rowItem.row.name : ""
                anchors.left: labelText.right
                anchors.leftMargin: 6
                anchors.right: rowItem.right
                anchors.top: labelText.top
                visible: !rowItem.heading
                text: {
                    var value = rowItem.heading ? undefined : info.values[rowItem.row.key]
                    return value !== undefined && value !== null ? value : "---"
                }
                font.pixelSize: info.fontSize
                // Texts from the instrument are shown as they are.
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
            }
        }
    }
}
