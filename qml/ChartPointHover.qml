import QtQuick 2.15

// The value box shown at a chart point. While holdOn is set it keeps its
// place and text, so that a selected point stays labelled while the mouse
// moves on.
Item {
    id: item1

    property string y_text
    property real valy
    property string text: "20.00"
    property bool holdOn: false

    // Moves the box to a point of the chart with the given text, unless it is
    // held.
    function showAt(px, py, valueText) {
        if (holdOn)
            return
        x = px
        y = py
        text = valueText
        visible = true
    }

    width: 0
    height: 0
    z: 10

    Rectangle {
        id: box
        x: 8
        y: -height - 8
        width: label.implicitWidth + 12
        height: label.implicitHeight + 8
        radius: 3
        color: "#b3fafafa"
        border.color: "#505050"

        Text {
            id: label
            anchors.centerIn: parent
            text: item1.text
            textFormat: Text.RichText
            font.family: fontSans.name
            font.pixelSize: 12
        }
    }
}
