import QtQuick 2.15
import "../../qml"

import "../../qml/DeviceDate.js" as DeviceDate

// One run of a pump's run list (`entry`, an element of core.experimentList):
// its number, its name where the pump keeps one, its date and its size. White, gray under the mouse and steelblue while
// chosen for download. A model that shows more (the run status of a
// "TOLVAR 4") puts it into `decoration`, at the right edge.
Rectangle {
    id: itemRec

    property var entry: null
    property string iface: ""
    property color hovercolor: "gray"
    property color defaultcolor: "white"
    property color selectedcolor: "steelblue"
    property bool selected: false
    property alias idx: idxText.text
    property alias label: labelText.text
    property alias date: dateText.text
    property alias size: sizeText.text
    // Children placed at the right edge, over the whole height.
    default property alias decoration: decorationRow.data
    readonly property color textColor: selected || mouse.containsMouse ? "white" : "#202020"

    signal itemClicked()

    // The run's start as the pump's own calendar date.
    function dateOf(run) {
        var date = run ? DeviceDate.deviceDate(run.dateText) : null
        return date ? Qt.formatDate(date, Qt.LocaleDate) : ""
    }

    width: ListView.view ? ListView.view.width : 320
    height: 66
    color: selected ? selectedcolor : mouse.containsMouse ? hovercolor : defaultcolor
    border.color: "#e0e0e0"

    Behavior on color {
        ColorAnimation { duration: 200 }
    }

    Row {
        id: titleRow
        anchors { left: parent.left; right: decorationRow.left; top: parent.top }
        anchors { leftMargin: 14; rightMargin: 10; topMargin: 6 }
        spacing: 6

        VfText {
            id: idxText
            objectName: "runNumber"
            text: itemRec.entry ? itemRec.entry.index + ": " : ""
            font.pixelSize: 20
            font.bold: true
            color: itemRec.textColor
        }
        VfText {
            id: labelText
            objectName: "runLabel"
            text: itemRec.entry && itemRec.entry.exp_Name !== undefined ? itemRec.entry.exp_Name : ""
            width: titleRow.width - x
            // The name comes from the instrument: shown as it is, never as markup.
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 20
            font.bold: true
            color: itemRec.textColor
        }
    }

    Row {
        anchors { left: titleRow.left; top: titleRow.bottom; topMargin: 4 }
        spacing: 28

        VfText {
            id: dateText
            objectName: "runDate"
            text: qsTr("Date") + ": " + itemRec.dateOf(itemRec.entry)
            font.pixelSize: 13
            font.italic: true
            color: itemRec.textColor
        }
        VfText {
            id: sizeText
            objectName: "runSize"
            text: qsTr("Size") + ": " + (itemRec.entry ? itemRec.entry.size : "")
            font.pixelSize: 13
            font.italic: true
            color: itemRec.textColor
        }
    }

    Row {
        id: decorationRow
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
        anchors.margins: 1
        spacing: 4
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: itemRec.itemClicked()
    }
}
