import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfValues.js" as Values

// Between the download of vibration runs and their results: one row per
// opened run (an exposure component of the working day), where the user sets
// how long the worker was exposed to it. "Next" hands the times to core,
// which combines the day.
VfPage {
    id: page

    // The rows: {event, label, exposure} of each component, in chain order.
    property var components: []
    // The exposure time of each row as the user has it (hh:mm).
    property var exposureTimes: []
    property alias warningMessage: warningMessage
    property alias list: list

    signal showTimeExp()

    pageTitle: "Quillon - " + qsTr("Exposure time")

    // A count of seconds as hh:mm of its whole minutes ("5400" gives "01:30");
    // "00:00" for a text that is no count of seconds.
    function secStringToHHMM(secstring) {
        var seconds = Number(String(secstring).trim())
        if (String(secstring).trim() === "" || !isFinite(seconds) || seconds < 0)
            return "00:00"
        var minutes = Math.floor(seconds / 60)
        return root.leftPad(Math.floor(minutes / 60), 2) + ":" + root.leftPad(minutes % 60, 2)
    }

    // Reads the components of the runs opened now.
    function reload() {
        var rows = []
        var times = []
        var list = core.expCompList
        for (var i = 0; i < list.length; ++i) {
            var exposure = secStringToHHMM(list[i].exposeTimeFromExp)
            rows.push({ "event": list[i].event, "label": list[i].label, "exposure": exposure })
            times.push(exposure)
        }
        exposureTimes = times
        components = rows
        warningMessage.visible = false
    }

    function setExposureTime(row, text) {
        var times = exposureTimes.slice()
        times[row] = text
        exposureTimes = times
    }

    // "Next": every time must be hh:mm; then they go to core.
    function next() {
        var sent = []
        for (var i = 0; i < components.length; ++i) {
            var time = exposureTimes[i]
            if (!Values.hoursMinutesPattern.test(time)) {
                warningMessage.visible = true
                list.positionViewAtIndex(i, ListView.Contain)
                return false
            }
            sent.push({ "event": components[i].event, "exposureTime": time })
        }
        warningMessage.visible = false
        core.refreshPartialResults(JSON.stringify(sent))
        return true
    }

    Connections {
        target: core
        function onExperimentUpdated(position) {
            var run
            try {
                run = JSON.parse(core.experimentSummary)
            } catch (e) {
                return
            }
            if (!run || run.deviceName !== "QUILLON")
                return
            page.reload()
            page.showTimeExp()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.topMargin: 56
        anchors.leftMargin: 40
        anchors.rightMargin: 40
        anchors.bottomMargin: 16
        spacing: 8

        Row {
            id: headerRow
            objectName: "headerRow"
            Layout.fillWidth: true
            Layout.leftMargin: 12
            readonly property real rowWidth: list.width

            VfText {
                width: headerRow.rowWidth * 0.2
                text: qsTr("Event")
                font.pixelSize: 15
                font.bold: true
            }
            VfText {
                width: headerRow.rowWidth * 0.5
                text: qsTr("Task name")
                font.pixelSize: 15
                font.bold: true
            }
            VfText {
                text: qsTr("Exposure time")
                font.pixelSize: 15
                font.bold: true
            }
        }

        ArrowButton {
            Layout.alignment: Qt.AlignHCenter
            shown: !list.atYBeginning
            onStep: list.flick(0, 800)
        }

        ListView {
            id: list
            objectName: "expCompList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: page.components
            delegate: ExpItem {
                objectName: "expItem"
                event: modelData.event
                label: modelData.label
                exposure: modelData.exposure
                onMytextChanged: page.setExposureTime(index, text)
            }
        }

        ArrowButton {
            Layout.alignment: Qt.AlignHCenter
            rotation: 180
            shown: !list.atYEnd
            onStep: list.flick(0, -800)
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            VfText {
                id: warningMessage
                objectName: "warningMessage"
                Layout.fillWidth: true
                visible: false
                text: qsTr("Exposure time shall have hh:mm format")
                color: "#d71e1e"
                font.pixelSize: 14
            }
            MyButton {
                id: nextBtn
                objectName: "nextBtn"
                buttonLabel: qsTr("Next")
                onMyButtonclicked: page.next()
            }
        }
    }
}
