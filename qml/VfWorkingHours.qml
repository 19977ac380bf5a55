import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

import "VfValues.js" as Values

// The working hours of a results page: the field (hh:mm) and "Apply". Only
// hh:mm of a working day reaches core.refreshWorkingHours; what is wrong
// with other hours shows below the field, drawn over the page, so that no
// control of the page moves when it appears.
RowLayout {
    id: hours

    property alias field: field
    // What is wrong with the hours typed, "" when nothing is.
    property string error: ""

    // The hours the run was evaluated for; what was said of other hours
    // goes with them.
    function show(text) {
        field.text = text || "08:00"
        error = ""
    }

    // "Apply": gives whether the hours went to core.
    function apply(text) {
        if (!Values.hoursMinutesPattern.test(text))
            error = qsTr("Working hours field shall have hh:mm format")
        // No daily value exists for a day without working time.
        else if (text === "00:00")
            error = qsTr("Working hours shall be longer than 00:00")
        else
            error = ""
        if (error !== "")
            return false
        core.refreshWorkingHours(JSON.stringify({ "workingHours": text }))
        return true
    }

    spacing: 10

    VfText {
        text: qsTr("Working hours") + " [hh:mm]"
        font.pixelSize: 14
        font.bold: true
    }
    TextField {
        id: field
        objectName: "workingHoursField"
        inputMask: "00:00"
        text: "08:00"
        selectByMouse: true
        Layout.preferredWidth: 80
        horizontalAlignment: TextInput.AlignHCenter
        onAccepted: hours.apply(text)

        ToolTip {
            objectName: "workingHoursError"
            // Below the working hours, from their left edge, over what the
            // page shows there, for as long as the hours typed are wrong.
            x: -field.x
            y: field.height + 4
            visible: hours.error !== "" && hours.visible
            text: hours.error
            timeout: -1
            delay: 0
            closePolicy: Popup.NoAutoClose
            contentItem: VfText {
                text: hours.error
                color: "#d71e1e"
                font.pixelSize: 14
            }
            background: Rectangle {
                color: "#ffffff"
                border.color: "#d71e1e"
                radius: 3
            }
        }
    }
    MyButton {
        objectName: "workingHoursApply"
        buttonLabel: qsTr("Apply")
        implicitHeight: 36
        onMyButtonclicked: hours.apply(field.text)
    }
}
