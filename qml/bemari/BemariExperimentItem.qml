import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../qml"

// One run of the instrument's run list: a check box that chooses it for the
// download, its number and name, start date and size.
Rectangle {
    id: itemRec

    property alias label: labelText.text
    property alias date: dateText.text
    property alias size: sizeText.text
    property alias checked: check.checked

    // The user checked or unchecked the run.
    signal toggled(bool checked)

    width: ListView.view ? ListView.view.width : 320
    height: 58
    radius: 3
    color: check.checked ? "#e3ecf7" : mouse.containsMouse ? "#f0f0f0" : "white"
    border.color: "#e0e0e0"

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            check.toggle()
            itemRec.toggled(check.checked)
        }
    }

    CheckBox {
        id: check
        objectName: "runCheck"
        anchors.left: parent.left
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        onClicked: itemRec.toggled(checked)

        // Drawn, as the radio buttons of the application are: a list of
        // many runs holds no picture per row.
        indicator: Rectangle {
            implicitWidth: 20
            implicitHeight: 20
            x: check.leftPadding
            y: (check.height - height) / 2
            radius: 3
            color: "#ffffff"
            border.color: check.checked ? "steelblue" : "#808080"
            border.width: check.checked ? 2 : 1

            Rectangle {
                anchors.centerIn: parent
                width: 10
                height: 10
                radius: 2
                color: "steelblue"
                visible: check.checked
            }
        }
    }

    VfText {
        id: labelText
        objectName: "runLabel"
        anchors.left: check.right
        anchors.leftMargin: 4
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.top: parent.top
        anchors.topMargin: 8
        // The name comes from the instrument: shown as it is, never as markup.
        textFormat: Text.PlainText
        elide: Text.ElideRight
        font.pixelSize: 16
        font.bold: true
        color: "#202020"
    }

    Row {
        anchors.left: labelText.left
        anchors.top: labelText.bottom
        anchors.topMargin: 4
        spacing: 28

        VfText {
            id: dateText
            objectName: "runDate"
            font.pixelSize: 13
            font.italic: true
            color: "#202020"
        }
        VfText {
            id: sizeText
            objectName: "runSize"
            font.pixelSize: 13
            font.italic: true
            color: "#202020"
        }
    }
}
