import QtQuick 2.15
import QtQuick.Layouts 1.15

// A message of a page or window (a warning, in red) in room of its own: the
// room for `lines` lines is there whether a message shows or not, so that no
// control moves when one appears. A longer message is cut with an ellipsis.
VfText {
    id: message

    property int lines: 1
    // The longest message it shows beside other controls: its width is kept
    // as well.
    property string longest: ""
    // A message is showing.
    readonly property bool shown: text !== ""

    readonly property real roomHeight: Math.ceil(metrics.lineSpacing * lines)

    height: roomHeight
    Layout.preferredHeight: roomHeight
    Layout.minimumHeight: roomHeight
    Layout.maximumHeight: roomHeight
    Layout.minimumWidth: Math.ceil(longestMetrics.advanceWidth)
    textFormat: Text.StyledText
    wrapMode: Text.WordWrap
    maximumLineCount: lines
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
    color: "#d71e1e"
    font.pixelSize: 14

    FontMetrics {
        id: metrics
        font: message.font
    }
    TextMetrics {
        id: longestMetrics
        font: message.font
        text: message.longest
    }
}
