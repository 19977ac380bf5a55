import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../qml"

// One run of the vibration meter's run list: its index and name, start date
// and size, a check box that chooses it for download and a picture of its
// application.
Rectangle {
    id: itemRec

    property alias label: labelText.text
    property alias date: dateText.text
    property alias size: sizeText.text
    // The run's type as the instrument lists it ("H", "B", "1", "8").
    property string type: ""
    // Chosen for download; the page keeps the choice, a click asks it to
    // change.
    property bool checked: false
    property alias checkBox: checkBox
    property color hovercolor: "#d8d8d8"
    property color defaultcolor: "white"
    property color selectedcolor: "steelblue"
    readonly property color textColor: checked ? "white" : "#202020"

    signal itemClicked()

    // The picture of a run type: hand-arm, whole body, 1 kHz or 8 kHz.
    function getImg(type) {
        switch (type) {
        case "H": return "../../hands.png"
        case "B": return "../../wholeBody.jpg"
        case "1": return "../../1kHz.png"
        case "8": return "../../8kHz.png"
        default: return "../../fechar1x.png"
        }
    }

    width: ListView.view ? ListView.view.width : 320
    height: 64
    radius: 3
    color: checked ? selectedcolor : mouse.containsMouse ? hovercolor : defaultcolor
    border.color: "#e0e0e0"

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: itemRec.itemClicked()
    }

    CheckBox {
        id: checkBox
        objectName: "runCheck"
        anchors.left: parent.left
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        checkable: false
        checked: itemRec.checked
        onClicked: itemRec.itemClicked()
    }

    VfText {
        id: labelText
        objectName: "runLabel"
        anchors.left: checkBox.right
        anchors.leftMargin: 6
        anchors.right: picture.left
        anchors.rightMargin: 10
        anchors.top: parent.top
        anchors.topMargin: 9
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
            font.pixelSize: 13
            font.italic: true
            color: itemRec.textColor
        }
        VfText {
            id: sizeText
            objectName: "runSize"
            font.pixelSize: 13
            font.italic: true
            color: itemRec.textColor
        }
    }

    Image {
        id: picture
        objectName: "runTypeImage"
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 48
        height: 48
        fillMode: Image.PreserveAspectFit
        source: itemRec.getImg(itemRec.type)
    }
}
