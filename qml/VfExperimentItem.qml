import QtQuick 2.15
import QtQuick.Controls 2.15

// One run in a list: its text and a check box that selects it.
ListRowBackground {
    id: itemRec

    property string itemText
    property var iface
    property alias checked: checkBox.checked

    height: 44

    VfText {
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.right: checkBox.left
        anchors.verticalCenter: parent.verticalCenter
        text: itemRec.itemText
        elide: Text.ElideRight
        font.pixelSize: 15
        color: itemRec.textColor
    }

    CheckBox {
        id: checkBox
        objectName: "experimentCheckBox"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
    }
}
