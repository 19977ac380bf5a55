import QtQuick 2.15
import "../../qml"

// One run of a heat-stress monitor's run list: its number, its name where
// the instrument keeps one, its date and its size. White, gray under the
// mouse and steelblue while chosen for download.
Rectangle {
    id: itemRec

    // The row number (from 1) and the run-list entry (core.experimentList).
    property int idx: 0
    property var entry: null
    // The instrument keeps run names ("KESTRUM 4").
    property bool showName: false
    property bool selected: false
    property color hovercolor: "gray"
    property color defaultcolor: "white"
    property color selectedcolor: "steelblue"
    readonly property color textColor: selected || mouse.containsMouse ? "white" : "#202020"
    readonly property bool hasName: showName && entry !== null && entry.exp_Name !== undefined
                                    && String(entry.exp_Name) !== ""

    signal itemClicked()

    width: ListView.view ? ListView.view.width : 320
    height: 58
    radius: 3
    color: selected ? selectedcolor : mouse.containsMouse ? hovercolor : defaultcolor
    border.color: "#e0e0e0"

    Behavior on color {
        ColorAnimation { duration: 150 }
    }

    Row {
        id: titleRow
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 14; rightMargin: 14; topMargin: 8 }
        spacing: 10

        VfText {
            objectName: "runNumber"
            text: itemRec.idx
            font.pixelSize: 16
            font.bold: true
            color: itemRec.textColor
        }
        VfText {
            objectName: "runLabel"
            width: titleRow.width - x
            visible: itemRec.hasName
            text: itemRec.hasName ? itemRec.entry.exp_Name + ":" : ""
            // The name comes from the instrument: shown as it is, never as markup.
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 16
            font.bold: true
            color: itemRec.textColor
        }
    }

    Row {
        anchors.left: titleRow.left
        anchors.top: titleRow.bottom
        anchors.topMargin: 4
        spacing: 28

        VfText {
            objectName: "runDate"
            text: qsTr("Date") + ": "
                  + (itemRec.entry ? root.convertDateTimeATToLocalTimeString(itemRec.entry.dateText) : "")
            font.pixelSize: 13
            font.italic: true
            color: itemRec.textColor
        }
        VfText {
            objectName: "runSize"
            text: qsTr("Size") + ": " + (itemRec.entry ? itemRec.entry.size : "")
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
