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

    // The rows: {event, label} of each component, in chain order.
    property var components: []
    // The exposure time of each row (hh:mm): what its field shows and what
    // "Next" sends.
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

    // A new chain of runs: no row, time or message of the chain before.
    function startAfresh() {
        // The rows are made anew below, so that no field keeps a time typed
        // for another chain.
        components = []
        exposureTimes = []
        warningMessage.text = ""
    }

    // Lists the components of the runs opened now, each with the exposure
    // time its run recorded.
    function reload() {
        startAfresh()
        var rows = []
        var times = []
        var list = core.expCompList
        for (var i = 0; i < list.length; ++i) {
            rows.push({ "event": list[i].event, "label": list[i].label })
            times.push(secStringToHHMM(list[i].exposeTimeFromExp))
        }
        exposureTimes = times
        components = rows
    }

    // Shows the components of the chain core opened.
    function showRun(position) {
        reload()
        showTimeExp()
        return true
    }

    function setExposureTime(row, text) {
        if (exposureTimes[row] === text)
            return
        var times = exposureTimes.slice()
        times[row] = text
        exposureTimes = times
    }

    // What keeps the times from going to core, "" when nothing does: a time
    // that is no hh:mm (its row is shown), or times that add up to more than
    // a day.
    function timesProblem() {
        var minutes = 0
        for (var i = 0; i < components.length; ++i) {
            var time = exposureTimes[i]
            if (!Values.hoursMinutesPattern.test(time)) {
                list.positionViewAtIndex(i, ListView.Contain)
                return qsTr("Exposure time shall have hh:mm format")
            }
            minutes += Number(time.substring(0, 2)) * 60 + Number(time.substring(3, 5))
        }
        return minutes > 24 * 60
                ? qsTr("The exposure times of one day shall add up to 24:00 at most") : ""
    }

    // "Next": the times go to core once every one is hh:mm of one day.
    function next() {
        warningMessage.text = timesProblem()
        if (warningMessage.text !== "")
            return false
        var sent = []
        for (var i = 0; i < components.length; ++i)
            sent.push({ "event": components[i].event, "exposureTime": exposureTimes[i] })
        core.refreshPartialResults(JSON.stringify(sent))
        return true
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
                exposure: page.exposureTimes[index]
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

            VfMessage {
                id: warningMessage
                objectName: "warningMessage"
                Layout.fillWidth: true
                lines: 2
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
