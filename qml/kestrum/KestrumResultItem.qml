import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The result box of one reading: its title and its maximum, average and
// minimum rows, each with the unit; a row that does not apply is hidden.
Rectangle {
    id: item

    property string label: ""
    property string max: "---"
    property string avg: "---"
    property string min: "---"
    property string unity: ""
    property bool enableMax: true
    property bool enableAvg: true
    property bool enableMin: true
    // Sets everything from one of KestrumPages.boxes().
    property var entry: null

    onEntryChanged: {
        if (!entry)
            return
        label = entry.label
        max = entry.max
        avg = entry.avg
        min = entry.min
        unity = entry.unity
        enableMax = entry.enableMax
        enableAvg = entry.enableAvg
        enableMin = entry.enableMin
    }

    implicitWidth: 190
    implicitHeight: grid.implicitHeight + 54
    color: "#ffffff"
    border.color: "black"
    border.width: 1
    radius: 3

    VfText {
        id: title
        objectName: "boxTitle"
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 10 }
        horizontalAlignment: Text.AlignHCenter
        text: item.label
        font.pixelSize: 16
        font.bold: true
    }

    GridLayout {
        id: grid
        anchors { left: parent.left; right: parent.right; top: title.bottom }
        anchors { leftMargin: 14; rightMargin: 14; topMargin: 12 }
        columns: 2
        columnSpacing: 10
        rowSpacing: 6

        VfText {
            visible: item.enableMax
            text: qsTr("Max") + " [" + item.unity + "]:"
            font.bold: true
            font.pixelSize: 14
        }
        VfText {
            objectName: "boxMax"
            visible: item.enableMax
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignRight
            text: item.max
            font.pixelSize: 14
        }
        VfText {
            visible: item.enableAvg
            text: qsTr("Avg") + " [" + item.unity + "]:"
            font.bold: true
            font.pixelSize: 14
        }
        VfText {
            objectName: "boxAvg"
            visible: item.enableAvg
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignRight
            text: item.avg
            font.pixelSize: 14
        }
        VfText {
            visible: item.enableMin
            text: qsTr("Min") + " [" + item.unity + "]:"
            font.bold: true
            font.pixelSize: 14
        }
        VfText {
            objectName: "boxMin"
            visible: item.enableMin
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignRight
            text: item.min
            font.pixelSize: 14
        }
    }
}
