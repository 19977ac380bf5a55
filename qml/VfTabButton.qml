import QtQuick 2.15
import QtQuick.Controls 2.15

// A tab whose caption is rich text (sub- and superscripts), white on the
// current tab and black on the others.
TabButton {
    id: tabButton

    property string leqTabText: text

    // In a narrow window a long caption takes two lines; the button still
    // asks for the room of one, which its wrapped text cannot tell.
    contentItem: Item {
        implicitWidth: oneLine.implicitWidth
        implicitHeight: oneLine.implicitHeight

        Text {
            id: oneLine
            visible: false
            text: tabButton.leqTabText
            textFormat: Text.RichText
            font: caption.font
        }

        Text {
            id: caption
            anchors.fill: parent
            text: tabButton.leqTabText
            textFormat: Text.RichText
            wrapMode: Text.WordWrap
            lineHeight: 0.9
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.family: fontSans.name
            font.pixelSize: 14
            color: tabButton.checked ? "white" : "black"
        }
    }

    background: Rectangle {
        implicitHeight: 36
        color: tabButton.checked ? "#505050" : tabButton.hovered ? "#e8e8e8" : "#d8d8d8"
        border.color: "#ffffff"
    }
}
