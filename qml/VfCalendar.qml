import QtQuick 2.15
import QtQuick.Controls 1.4 as Controls1

// A modal window with a month calendar; a click on a day confirms it.
VfWindow {
    id: window

    property alias selectedDate: calendar.selectedDate

    signal confirm(date date)

    wantedWidth: 320
    wantedHeight: 280
    maximumWidth: width
    maximumHeight: height
    color: "#ffffff"

    Controls1.Calendar {
        id: calendar
        anchors.fill: parent
        onClicked: window.confirm(date)
        onDoubleClicked: window.confirm(date)
    }
}
