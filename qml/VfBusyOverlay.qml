import QtQuick 2.15
import QtQuick.Controls 2.15

// Long work running in the background (a report, a large data file): laid
// over the pages while `text` says what is being done, it keeps them from
// being used until the work ends, while the window goes on drawing.
Rectangle {
    id: overlay

    // What is being done; empty when nothing is.
    property string text: ""

    visible: text !== ""
    color: "#66000000"

    // Clicks, wheel and hover stop here.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Rectangle {
        anchors.centerIn: parent
        width: Math.max(320, label.implicitWidth + 48)
        height: 140
        radius: 6
        color: "#f2f2f2"
        border.color: "#ff9239"
        border.width: 2

        BusyIndicator {
            id: spinner
            anchors.top: parent.top
            anchors.topMargin: 16
            anchors.horizontalCenter: parent.horizontalCenter
            width: 56
            height: 56
            running: overlay.visible
        }

        Text {
            id: label
            objectName: "busyText"
            anchors.top: spinner.bottom
            anchors.topMargin: 14
            anchors.horizontalCenter: parent.horizontalCenter
            font.family: "FreeSans"
            font.pixelSize: 16
            text: overlay.text
        }
    }
}
