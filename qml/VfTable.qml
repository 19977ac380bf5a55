import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1

// A table with the application's header look: rich-text titles over
// plain-text cells.
Controls1.TableView {
    id: table

    // A header of two lines sets each column's unit (" [...]") below its
    // title, so that narrow columns do not break inside the unit.
    property real headerHeight: 30
    readonly property bool unitsBelowTitles: headerHeight >= 40
    // Rows the page flags (a value beyond its limits) are drawn red; their
    // text is black, 5.3:1 against the red where the usual dark gray reads at
    // 4.1:1 only.
    property var flaggedRow: function (row) { return false }
    readonly property color flaggedRowColor: "red"
    readonly property color flaggedTextColor: "black"
    // Wide enough for a run's longest time, the day included
    // ("31/12 23:59:59"), on one line of a cell.
    readonly property real timeColumnWidth: Math.ceil(widestTime.advanceWidth) + 16
    property TextMetrics widestTime: TextMetrics {
        font.family: fontSans.name
        font.pixelSize: 13
        text: "00/00 00:00:00"
    }

    highlightOnFocus: false

    headerDelegate: Rectangle {
        height: table.headerHeight
        // A title longer than its column stays in its own cell.
        clip: true
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#dadada" }
            GradientStop { position: 1.0; color: "#f9f9f9" }
        }
        Rectangle {
            anchors.top: parent.top
            width: parent.width
            height: 1
            color: "#a2a2a2"
        }
        Rectangle {
            anchors.right: parent.right
            width: 1
            height: parent.height
            color: "#c8c8c8"
        }
        Column {
            id: caption
            // The title, and the unit when it goes on a line of its own.
            readonly property var parts: {
                var whole = String(styleData.value)
                var unitAt = table.unitsBelowTitles ? whole.indexOf(" [") : -1
                return unitAt < 0 ? [whole, ""] : [whole.slice(0, unitAt), whole.slice(unitAt + 1)]
            }
            anchors.centerIn: parent
            width: parent.width - 4
            // Room between a title's subscript and its unit's superscript.
            spacing: 5

            Repeater {
                model: caption.parts[1] === "" ? 1 : 2
                Text {
                    width: caption.width
                    text: caption.parts[index]
                    textFormat: Text.RichText
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                    font.family: fontSans.name
                    font.bold: true
                    font.pixelSize: 13
                }
            }
        }
    }

    itemDelegate: Item {
        Text {
            anchors.fill: parent
            anchors.margins: 2
            text: styleData.value !== undefined ? styleData.value : ""
            // Samples' values are plain text, laid out several times faster
            // than rich text (and a "<" in them stays a "<").
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.family: fontSans.name
            font.pixelSize: 13
            color: table.flaggedRow(styleData.row) ? table.flaggedTextColor
                 : styleData.selected ? "white" : "#202020"
        }
    }
}
