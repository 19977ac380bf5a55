import QtQuick 2.15

// One found instrument in a list: its product name, and below it the serial
// number and firmware version.
ListRowBackground {
    id: itemRec

    property string productName
    property string serialNumber
    property string fwVersion
    property var iface

    height: 62

    VfText {
        id: nameText
        objectName: "productNameText"
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.top: parent.top
        anchors.topMargin: 8
        text: itemRec.productName
        font.pixelSize: 18
        font.bold: true
        color: itemRec.textColor
    }

    Row {
        anchors.left: nameText.left
        anchors.top: nameText.bottom
        anchors.topMargin: 4
        spacing: 24

        VfText {
            id: labelSN
            text: qsTr("S/N") + ": " + itemRec.serialNumber
            font.italic: true
            font.pixelSize: 13
            color: itemRec.textColor
        }
        VfText {
            id: labelFw
            text: qsTr("Firmware") + ": " + itemRec.fwVersion
            font.italic: true
            font.pixelSize: 13
            color: itemRec.textColor
        }
    }
}
