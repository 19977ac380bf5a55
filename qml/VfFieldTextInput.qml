import QtQuick 2.15
import QtQuick.Controls 2.15

// One text option of a report window: a caption, a box that switches the
// text on in the report, and the text field. The window reads `checked` as the
// option's "...InfoEnable" key and `text` as its text key.
Rectangle {
    id: root

    property string label
    property alias text: field.text
    property alias placeholderText: field.placeholderText
    property alias checked: box.checked
    property alias checkBox: box
    property alias textField: field

    implicitWidth: 360
    implicitHeight: caption.implicitHeight + field.implicitHeight + 12
    color: "#ffffff"
    border.color: "#a0a0a0"

    Text {
        id: caption
        anchors { left: parent.left; top: parent.top; leftMargin: 6; topMargin: 4 }
        text: root.label
        font.family: "FreeSans"
        font.pixelSize: 12
        color: "#202020"
    }

    CheckBox {
        id: box
        anchors { left: parent.left; verticalCenter: field.verticalCenter }
    }

    TextField {
        id: field
        anchors { left: box.right; right: parent.right; top: caption.bottom; rightMargin: 6; topMargin: 2 }
        font.pixelSize: 12
        selectByMouse: true
        persistentSelection: false
        mouseSelectionMode: TextInput.SelectWords
    }
}
