import QtQuick 2.15
import QtQuick.Controls 2.15

// The notes editor of a report window: a box that switches the notes box on
// ("obsEnable") and a scrolling editor for the text ("obsText"). An edit that
// would make the text longer than `maximumLength` is refused: the text goes
// back to what it was and the cursor stays where it stood.
Rectangle {
    id: root

    property alias obstext: edit.text
    property string previousText: ""
    property int maximumLength: 500
    property alias checked: box.checked
    property alias checkBox: box
    property alias editor: edit
    property string label: qsTr("Notes")

    implicitWidth: 360
    implicitHeight: 140
    color: "#ffffff"
    border.color: "#a0a0a0"

    CheckBox {
        id: box
        anchors { left: parent.left; top: parent.top }
        text: root.label
        font.family: "FreeSans"
    }

    Flickable {
        id: flick
        anchors { left: parent.left; right: parent.right; top: box.bottom; bottom: parent.bottom; margins: 6 }
        clip: true
        contentWidth: edit.paintedWidth
        contentHeight: edit.paintedHeight
        flickableDirection: Flickable.VerticalFlick
        boundsBehavior: Flickable.StopAtBounds

        // Keeps the cursor in view while typing.
        function ensureVisible(r) {
            if (contentY >= r.y)
                contentY = r.y
            else if (contentY + height <= r.y + r.height)
                contentY = r.y + r.height - height
        }

        // A click in the box below the lines written so far places the
        // cursor at the end of the text: the editor takes clicks on its
        // text only.
        MouseArea {
            objectName: "obsTextArea"
            width: flick.width
            height: Math.max(edit.height, flick.height)
            cursorShape: Qt.IBeamCursor
            onPressed: {
                edit.forceActiveFocus(Qt.MouseFocusReason)
                edit.cursorPosition = edit.length
            }
        }

        TextEdit {
            id: edit
            width: flick.width
            wrapMode: TextEdit.WordWrap
            selectByMouse: true
            font.family: "FreeSans"
            font.pixelSize: 12
            onCursorRectangleChanged: flick.ensureVisible(cursorRectangle)
            onTextChanged: {
                if (text.length > root.maximumLength) {
                    var position = Math.min(cursorPosition, root.previousText.length)
                    var grown = text.length - root.previousText.length
                    text = root.previousText
                    cursorPosition = Math.max(0, Math.min(position - grown, text.length))
                } else {
                    root.previousText = text
                }
            }
        }
    }
}
