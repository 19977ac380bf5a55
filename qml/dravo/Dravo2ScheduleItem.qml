import QtQuick 2.15
import "../../qml"

// One programmed schedule: its label, day of the month and four times, and a
// button that takes it out of the list. A slot the instrument could not be
// read from says so; it stays as the instrument holds it and has no button.
Rectangle {
    id: item

    // The row's place in the list.
    property int rowIndex: -1
    property string scheduleLabel
    property var monthDay
    property string startTime: "hh:mm"
    property string pauseTime: "hh:mm"
    property string resumeTime: "hh:mm"
    property string stopTime: "hh:mm"
    property bool unreadable: false
    property var columnWidths: [160, 52, 68, 68, 68, 68]
    readonly property bool selected: ListView.isCurrentItem

    signal removeItem()

    width: ListView.view ? ListView.view.width : 560
    height: 32
    radius: 3
    color: selected ? "steelblue" : mouse.containsMouse ? "#d6d6d6" : "#ffffff"
    border.color: "#e0e0e0"

    Behavior on color {
        ColorAnimation { duration: 150 }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            var view = item.ListView.view
            if (view)
                view.currentIndex = item.rowIndex
        }
    }

    Row {
        anchors.left: parent.left
        anchors.leftMargin: 6
        anchors.verticalCenter: parent.verticalCenter

        Repeater {
            // A schedule without a break has no pause and resume times.
            model: item.unreadable
                   ? [qsTr("Could not be read; kept as it is")]
                   : [item.scheduleLabel, item.monthDay, item.startTime,
                      item.pauseTime !== "" ? item.pauseTime : "-",
                      item.resumeTime !== "" ? item.resumeTime : "-", item.stopTime]
            VfText {
                objectName: "scheduleCell" + index
                // The text of an unreadable slot runs across the row.
                width: item.unreadable ? item.width - 50 : item.columnWidths[index]
                text: modelData
                textFormat: Text.PlainText
                elide: Text.ElideRight
                font.pixelSize: 14
                font.italic: item.unreadable
                horizontalAlignment: index === 0 ? Text.AlignLeft : Text.AlignHCenter
                color: item.selected ? "white" : item.unreadable ? "#808080" : "#202020"
            }
        }
    }

    MyImageButton {
        objectName: "removeScheduleBtn"
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        width: 26
        height: 26
        imgbtnpicdef: "qrc:/fechar1x.png"
        imgbtnpichover: "qrc:/fechar1xhover.png"
        imgbtnpicclicked: "qrc:/fechar1xclicked.png"
        visible: !item.unreadable
        onMyImgBtnClicked: item.removeItem()
    }
}
