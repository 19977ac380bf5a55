import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "../../qml/VfValues.js" as Values

// The form that adds one schedule to the edited list. Each field is checked
// here; the length and overlap checks are core's, whose refusal comes back
// through scheduleError.
VfFrame {
    id: form

    property alias monthDay: dayField
    property alias scheduleLabel: labelField
    property alias startTime: startField
    property alias pauseTime: pauseField
    property alias resumeTime: resumeField
    property alias stopTime: stopField
    property alias pausable: breakCheck
    property alias message: messageText

    label: qsTr("Add schedule")

    // The first invalid field, as [state, message], or null.
    function firstError() {
        var day = Number(dayField.text)
        if (dayField.text === "" || day < 1 || day > 31)
            return ["dayError", qsTr("The day shall be between 1 and 31")]
        var time = Values.hoursMinutesPattern
        if (!time.test(startField.text))
            return ["startError", qsTr("Start time shall have hh:mm format")]
        if (!time.test(stopField.text))
            return ["stopError", qsTr("Stop time shall have hh:mm format")]
        if (breakCheck.checked && !time.test(pauseField.text))
            return ["pauseError", qsTr("Pause time shall have hh:mm format")]
        if (breakCheck.checked && !time.test(resumeField.text))
            return ["resumeError", qsTr("Resume time shall have hh:mm format")]
        return null
    }

    // Checks the form and hands the schedule to core.
    function submit() {
        var error = firstError()
        if (error) {
            state = error[0]
            messageText.text = error[1]
            return false
        }
        state = ""
        messageText.text = ""
        var pausable = breakCheck.checked
        core.addSchedule(JSON.stringify({
            "monthDay": Number(dayField.text),
            "label": labelField.text,
            "pausable": pausable,
            "startTime": startField.text,
            "pauseTime": pausable ? pauseField.text : "",
            "resumeTime": pausable ? resumeField.text : "",
            "stopTime": stopField.text
        }))
        return true
    }

    Connections {
        target: core
        function onScheduleError(message) { messageText.text = message }
        function onScheduleOk() {
            form.state = ""
            messageText.text = ""
        }
    }

    GridLayout {
        width: parent.width
        columns: 2
        rowSpacing: 8
        columnSpacing: 12

        VfText { text: qsTr("Month day"); font.pixelSize: 14 }
        TextField {
            id: dayField
            objectName: "monthDayField"
            Layout.preferredWidth: 70
            maximumLength: 2
            validator: RegularExpressionValidator { regularExpression: /^\d?\d?$/ }
            selectByMouse: true
            font.family: fontSans.name
            font.pixelSize: 14
        }

        VfText { text: qsTr("Label"); font.pixelSize: 14 }
        TextField {
            id: labelField
            objectName: "labelField"
            Layout.fillWidth: true
            maximumLength: 30
            selectByMouse: true
            font.family: fontSans.name
            font.pixelSize: 14
        }

        VfText { text: qsTr("Start time"); font.pixelSize: 14 }
        TextField {
            id: startField
            objectName: "startTimeField"
            Layout.preferredWidth: 90
            inputMask: "00:00"
            selectByMouse: true
            font.family: fontSans.name
            font.pixelSize: 14
        }

        CheckBox {
            id: breakCheck
            objectName: "breakCheck"
            Layout.columnSpan: 2
            text: qsTr("Break")
            font.family: fontSans.name
            font.pixelSize: 14
        }

        VfText {
            text: qsTr("Pause time")
            font.pixelSize: 14
            opacity: breakCheck.checked ? 1 : 0.4
        }
        TextField {
            id: pauseField
            objectName: "pauseTimeField"
            Layout.preferredWidth: 90
            enabled: breakCheck.checked
            inputMask: "00:00"
            selectByMouse: true
            font.family: fontSans.name
            font.pixelSize: 14
        }

        VfText {
            text: qsTr("Resume time")
            font.pixelSize: 14
            opacity: breakCheck.checked ? 1 : 0.4
        }
        TextField {
            id: resumeField
            objectName: "resumeTimeField"
            Layout.preferredWidth: 90
            enabled: breakCheck.checked
            inputMask: "00:00"
            selectByMouse: true
            font.family: fontSans.name
            font.pixelSize: 14
        }

        VfText { text: qsTr("Stop time"); font.pixelSize: 14 }
        TextField {
            id: stopField
            objectName: "stopTimeField"
            Layout.preferredWidth: 90
            inputMask: "00:00"
            selectByMouse: true
            font.family: fontSans.name
            font.pixelSize: 14
        }

        MyButton {
            objectName: "addScheduleBtn"
            Layout.columnSpan: 2
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 6
            buttonLabel: qsTr("Add")
            onMyButtonclicked: form.submit()
        }

        VfText {
            id: messageText
            objectName: "scheduleMessage"
            Layout.columnSpan: 2
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            font.pixelSize: 14
            color: "red"
        }
    }

    states: [
        State {
            name: "dayError"
            PropertyChanges { target: dayField; font.underline: true; focus: true }
        },
        State {
            name: "startError"
            PropertyChanges { target: startField; font.underline: true; focus: true }
        },
        State {
            name: "pauseError"
            PropertyChanges { target: pauseField; font.underline: true; focus: true }
        },
        State {
            name: "resumeError"
            PropertyChanges { target: resumeField; font.underline: true; focus: true }
        },
        State {
            name: "stopError"
            PropertyChanges { target: stopField; font.underline: true; focus: true }
        }
    ]
}
