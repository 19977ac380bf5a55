import QtQuick 2.15
import "../../qml"

// One run of the instrument's run list: its name, start date and size. White,
// gray under the mouse and steelblue while chosen for download.
Rectangle {
    id: itemRec

    property alias label: labelText.text
    property alias date: dateText.text
    property alias size: sizeText.text
    property bool selected: false
    property color hovercolor: "gray"
    property color defaultcolor: "white"
    property color selectedcolor: "steelblue"
    readonly property color textColor: selected || mouse.containsMouse ? "white" : "#202020"

    signal itemClicked()

    width: ListView.view ? ListView.view.width : 320
    height: 58
    radius: 3
    color: selected ? selectedcolor : mouse.containsMouse ? hovercolor : defaultcolor
    border.color: "#e0e0e0"

    Behavior on color {
        ColorAnimation { duration: 150 }
    }

    VfText {
        id: labelText
        objectName: "runLabel"
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.top: parent.top
        anchors.topMargin: 8
        // The name comes from the instrument: shown as it is, never as markup.
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.pixelSize: 16
        font.bold: true
        color: itemRec.textColor
    }

    Row {
        anchors.left: labelText.left
        anchors.top: labelText.bottom
        anchors.topMargin: 4
        spacing: 28

        VfText {
            id: dateText
            objectName: "runDate"
            text: ": MM/dd/yy"
            font.pixelSize: 13
            font.italic: true
            color: itemRec.textColor
        }
        VfText {
            id: sizeText
            objectName: "runSize"
            text: ": 1000"
            font.pixelSize: 13
            font.italic: true
            color: itemRec.textColor
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: itemRec.itemClicked()
    }
}
