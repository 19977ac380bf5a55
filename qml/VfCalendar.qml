import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 1.4 as Controls1

// A modal window with a month calendar; a click on a day confirms it.
Window {
    id: window

    property alias selectedDate: calendar.selectedDate

    signal confirm(date date)

    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    width: 320
    height: 280
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    color: "#ffffff"

    Controls1.Calendar {
        id: calendar
        anchors.fill: parent
        onClicked: window.confirm(date)
        onDoubleClicked: window.confirm(date)
    }
}
