import QtQuick 2.15
import QtQuick.Controls 2.15

// A labelled text field.
Item {
    id: vfInputText

    property alias label: labelText.text
    property alias inputText: field.text
    property alias maximumLength: field.maximumLength
    property alias inputMethodHints: field.inputMethodHints
    property alias validator: field.validator
    property alias readOnly: field.readOnly
    property alias placeholderText: field.placeholderText
    property alias inputMask: field.inputMask
    property alias textField: field

    implicitWidth: Math.max(labelText.implicitWidth, 200)
    implicitHeight: column.implicitHeight

    Column {
        id: column
        width: parent.width
        spacing: 4

        VfText {
            id: labelText
            font.pixelSize: 14
        }
        TextField {
            id: field
            objectName: "inputField"
            width: parent.width
            selectByMouse: true
            font.family: fontSans.name
            font.pixelSize: 14
        }
    }
}
