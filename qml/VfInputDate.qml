import QtQuick 2.15

// A labelled date box: it shows the date in the locale's short format, and a
// click opens a calendar to pick another.
Item {
    id: vfInputText

    property alias label: labelText.text
    // The shown text of the date.
    readonly property string inputText: isNaN(value.getTime()) ? ""
                                        : value.toLocaleDateString(Qt.locale(), Locale.ShortFormat)
    property date value: new Date()
    // Title of the calendar window.
    property string title: label
    // A date from elsewhere (text or date) that becomes the value when valid.
    property var calibrationDate

    implicitWidth: Math.max(labelText.implicitWidth, 200)
    implicitHeight: column.implicitHeight

    onCalibrationDateChanged: {
        var d = new Date(calibrationDate)
        if (calibrationDate !== undefined && calibrationDate !== null && !isNaN(d.getTime()))
            value = d
    }

    Column {
        id: column
        width: parent.width
        spacing: 4

        VfText {
            id: labelText
            font.pixelSize: 14
        }
        Rectangle {
            id: box
            objectName: "dateBox"
            width: parent.width
            height: 36
            border.color: "#b3b5b4"
            radius: 2

            VfText {
                anchors.left: parent.left
                anchors.leftMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: vfInputText.inputText
                font.pixelSize: 14
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    calendar.selectedDate = vfInputText.value
                    calendar.show()
                    calendar.raise()
                }
            }
        }
    }

    VfCalendar {
        id: calendar
        title: vfInputText.title
        onConfirm: {
            vfInputText.value = date
            calendar.close()
        }
    }
}
