import QtQuick 2.15
import QtQuick.Controls 2.15

// One run of a device page's run list: its number and name on the first
// line, its date and size below. White, `hovercolor` under the mouse and
// `selectedcolor` while chosen for download. A model whose runs are chosen
// several at a time shows a check box; one may show a picture of the run at
// the right edge, or more there (`decoration`). A click, on the row or its
// box, emits itemClicked: the page keeps the choice and sets `selected`.
Rectangle {
    id: itemRec

    property alias idx: idxText.text
    property alias label: labelText.text
    property alias date: dateText.text
    property alias size: sizeText.text
    property bool selected: false
    property bool showCheckBox: false
    property alias checkBox: checkBox
    property alias picture: picture.source
    property int pictureSize: 48
    property int titlePixelSize: 16
    property alias labelItalic: labelText.font.italic
    property alias labelBold: labelText.font.bold
    property bool detailsItalic: true
    property alias idxName: idxText.objectName
    property alias pictureName: picture.objectName
    property color hovercolor: "gray"
    property color defaultcolor: "white"
    property color selectedcolor: "steelblue"
    property color textColor: selected || mouse.containsMouse ? "white" : "#202020"
    property int colorAnimation: 150
    // Children placed at the right edge, over the whole height.
    default property alias decoration: decorationRow.data

    signal itemClicked()

    width: ListView.view ? ListView.view.width : 320
    height: 58
    radius: 3
    color: selected ? selectedcolor : mouse.containsMouse ? hovercolor : defaultcolor
    border.color: "#e0e0e0"

    Behavior on color {
        ColorAnimation { duration: itemRec.colorAnimation }
    }

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
        visible: itemRec.showCheckBox
        width: visible ? implicitWidth : 0
        checkable: false
        checked: itemRec.selected
        onClicked: itemRec.itemClicked()

        // Drawn, as the radio buttons of the application are: a list of
        // many runs holds no picture per row.
        indicator: Rectangle {
            implicitWidth: 20
            implicitHeight: 20
            x: checkBox.leftPadding
            y: (checkBox.height - height) / 2
            radius: 3
            color: "#ffffff"
            border.color: checkBox.checked ? "steelblue" : "#808080"
            border.width: checkBox.checked ? 2 : 1

            Rectangle {
                anchors.centerIn: parent
                width: 10
                height: 10
                radius: 2
                color: "steelblue"
                visible: checkBox.checked
            }
        }
    }

    Row {
        id: decorationRow
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
        anchors.margins: 1
        spacing: 4
    }

    Image {
        id: picture
        objectName: "runPicture"
        anchors.right: decorationRow.left
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        width: visible ? itemRec.pictureSize : 0
        height: itemRec.pictureSize
        fillMode: Image.PreserveAspectFit
        visible: source != ""
    }

    Row {
        id: titleRow
        anchors.left: itemRec.showCheckBox ? checkBox.right : parent.left
        anchors.leftMargin: itemRec.showCheckBox ? 4 : 14
        anchors.right: picture.left
        anchors.rightMargin: 10
        anchors.top: parent.top
        anchors.topMargin: (itemRec.height - height - detailsRow.height - 4) / 2
        spacing: 8

        VfText {
            id: idxText
            objectName: "runNumber"
            visible: text !== ""
            font.pixelSize: itemRec.titlePixelSize
            font.bold: true
            color: itemRec.textColor
        }
        VfText {
            id: labelText
            objectName: "runLabel"
            width: titleRow.width - x
            // The name comes from the instrument: shown as it is, never as markup.
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: itemRec.titlePixelSize
            font.bold: true
            color: itemRec.textColor
        }
    }

    // The size keeps its room; a long date gives way.
    Row {
        id: detailsRow
        anchors.left: titleRow.left
        anchors.top: titleRow.bottom
        anchors.topMargin: 4
        spacing: 20

        VfText {
            id: dateText
            objectName: "runDate"
            width: Math.min(implicitWidth, titleRow.width - sizeText.implicitWidth - detailsRow.spacing)
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 13
            font.italic: itemRec.detailsItalic
            color: itemRec.textColor
        }
        VfText {
            id: sizeText
            objectName: "runSize"
            textFormat: Text.PlainText
            font.pixelSize: 13
            font.italic: itemRec.detailsItalic
            color: itemRec.textColor
        }
    }
}
