import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../qml"

// One run of the logger's run list: its number, name, start date, size and
// sensor picture, with a check box that chooses it for download. A click
// anywhere on the row toggles the box. White, gray under the mouse and
// steelblue while chosen.
Rectangle {
    id: itemRec

    property alias idx: idxText.text
    property alias label: labelText.text
    property alias date: dateText.text
    property alias size: sizeText.text
    property alias picture: sensorPicture.source
    // Chosen for download; the page keeps the choice and sets it here.
    property bool checked: false
    property color hovercolor: "gray"
    property color defaultcolor: "white"
    property color selectedcolor: "steelblue"
    readonly property color textColor: checked || mouse.containsMouse ? "white" : "#202020"

    signal itemChecked()
    signal itemUnchecked()

    // A click on the row or its box asks the page to change the choice.
    function toggle() {
        if (checked)
            itemUnchecked()
        else
            itemChecked()
    }

    width: ListView.view ? ListView.view.width : 320
    height: 64
    radius: 3
    color: checked ? selectedcolor : mouse.containsMouse ? hovercolor : defaultcolor
    border.color: "#e0e0e0"

    Behavior on color {
        ColorAnimation { duration: 150 }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: itemRec.toggle()
    }

    CheckBox {
        id: checkBox
        objectName: "runCheck"
        anchors.left: parent.left
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        checked: itemRec.checked
        checkable: false
        onClicked: itemRec.toggle()
    }

    Image {
        id: sensorPicture
        objectName: "sensorPicture"
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 44
        height: 44
        fillMode: Image.PreserveAspectFit
        visible: source != ""
    }

    VfText {
        id: idxText
        objectName: "runIndex"
        anchors.left: checkBox.right
        anchors.leftMargin: 4
        anchors.top: parent.top
        anchors.topMargin: 9
        font.pixelSize: 16
        font.bold: true
        color: itemRec.textColor
    }

    VfText {
        id: labelText
        objectName: "runLabel"
        anchors.left: idxText.right
        anchors.leftMargin: 8
        anchors.right: sensorPicture.left
        anchors.rightMargin: 8
        anchors.baseline: idxText.baseline
        // The name comes from the instrument: shown as it is, never as markup.
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.pixelSize: 16
        font.italic: true
        color: itemRec.textColor
    }

    Row {
        anchors.left: idxText.left
        anchors.top: idxText.bottom
        anchors.topMargin: 4
        spacing: 28

        VfText {
            id: dateText
            objectName: "runDate"
            text: "date: MM/dd/yy hh:mm"
            font.pixelSize: 13
            color: itemRec.textColor
        }
        VfText {
            id: sizeText
            objectName: "runSize"
            font.pixelSize: 13
            color: itemRec.textColor
        }
    }
}
