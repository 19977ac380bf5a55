import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The programmed schedules being edited: a header and one row per schedule,
// with arrows that step the current row.
Rectangle {
    id: table

    property alias model: listview.model
    property alias currentIndex: listview.currentIndex
    property alias count: listview.count
    property alias listview: listview
    // Widths of the columns label, day, start, pause, resume and stop; the
    // rows share them with the header. The label takes what the others and
    // the row's remove button leave.
    readonly property var columnWidths: [Math.max(90, width - 44 - 4 * 60 - 52), 44, 60, 60, 60, 60]
    readonly property var titles: [qsTr("Label"), qsTr("Day"), qsTr("Start"), qsTr("Pause"),
                                   qsTr("Resume"), qsTr("Stop")]

    signal removeSchedule(int index)

    color: "#ffffff"
    border.color: "#b3b5b4"
    radius: 4
    clip: true

    Rectangle {
        id: header
        objectName: "scheduleHeader"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 1
        height: 34
        gradient: Gradient {
            GradientStop { position: 0; color: "#dadada" }
            GradientStop { position: 1; color: "#f9f9f9" }
        }

        Row {
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            Repeater {
                model: table.titles
                VfText {
                    width: table.columnWidths[index]
                    text: modelData
                    font.pixelSize: 14
                    font.bold: true
                    horizontalAlignment: index === 0 ? Text.AlignLeft : Text.AlignHCenter
                }
            }
        }
        Rectangle {
            anchors.top: parent.top
            width: parent.width
            height: 1
            color: "#a2a2a2"
        }
    }

    ArrowButton {
        id: upArrow
        objectName: "scheduleUpArrow"
        anchors.top: header.bottom
        anchors.topMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        shown: listview.count > 0 && listview.currentIndex > 0
        onStep: listview.decrementCurrentIndex()
    }

    ListView {
        id: listview
        objectName: "scheduleListView"
        anchors.top: upArrow.bottom
        anchors.bottom: downArrow.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 4
        clip: true
        spacing: 2
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        highlightMoveDuration: 150
        delegate: Dravo2ScheduleItem {
            objectName: "scheduleItem" + index
            rowIndex: index
            columnWidths: table.columnWidths
            scheduleLabel: modelData.label
            monthDay: modelData.monthDay
            startTime: modelData.startTime
            pauseTime: modelData.pauseTime
            resumeTime: modelData.resumeTime
            stopTime: modelData.stopTime
            unreadable: modelData.unreadable
            onRemoveItem: table.removeSchedule(index)
        }
    }

    VfText {
        anchors.centerIn: listview
        visible: listview.count === 0
        text: qsTr("No schedule programmed.")
        font.pixelSize: 14
        font.italic: true
        color: "#808080"
    }

    ArrowButton {
        id: downArrow
        objectName: "scheduleDownArrow"
        anchors.bottom: countText.top
        anchors.horizontalCenter: parent.horizontalCenter
        rotation: 180
        shown: listview.count > 0 && listview.currentIndex < listview.count - 1
        onStep: listview.incrementCurrentIndex()
    }

    VfText {
        id: countText
        objectName: "scheduleCount"
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        anchors.margins: 8
        text: listview.count + " / 10"
        font.pixelSize: 12
        color: "#808080"
    }
}
