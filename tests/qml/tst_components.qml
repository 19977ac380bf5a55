import QtQuick 2.15
import QtTest 1.15
import QtQuick.Dialogs 1.3
import "qrc:/qml"

// The common components that hold logic: the lists, the calibration frame
// and the erase flow of the dialogs.
Item {
    id: scene
    width: 900
    height: 700

    FontLoader { id: fontValtrix; source: "qrc:/HANDGOTB.TTF" }
    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    FakeCore { id: core }

    // The status constants the components compare with.
    Root {
        id: root
        anchors.fill: parent
        visible: false
    }
    property alias dialogs: root.dialogs

    VfList {
        id: list
        x: 10
        y: 10
        width: 300
        height: 260
        headerlabel: "Devices available"
        model: [
            { productName: "DRAVO 2", sn: "1", fw: "1.0" },
            { productName: "BEMARI", sn: "2", fw: "1.1" },
            { productName: "RUMO", sn: "3", fw: "1.2" },
            { productName: "QUILLON", sn: "4", fw: "1.3" },
            { productName: "TOLVAR 4", sn: "5", fw: "1.4" },
            { productName: "KESTRUM 2", sn: "6", fw: "1.5" }
        ]
        delegate: VfDeviceItem {
            productName: modelData.productName
            serialNumber: modelData.sn
            fwVersion: modelData.fw
            onItemClicked: list.listClicked(index)
        }
    }

    SignalSpy {
        id: listSpy
        target: list
        signalName: "listClicked"
    }

    VfCalibrationFrame {
        id: calibration
        x: 350
        y: 10
        width: 320
    }

    // A run information panel whose rows move with its width, as a pump's
    // do: its last column comes and goes after the panel is complete.
    VfRunInfo {
        id: runInfo
        property bool wide: false
        property string event: "3"
        property string sampler: "CASSETTE"
        x: 10
        y: 300
        width: 600
        rows: [
            { "label": "Event:", "key": "event", "name": "infoEvent" },
            { "label": "Sampler:", "key": "sampler", "name": "infoSampler", "column": wide ? 2 : 0 },
            { "label": "Status:", "key": "status", "name": "infoStatus", "column": wide ? 2 : 1,
              "shown": wide }
        ]
    }

    TestCase {
        name: "Components"
        when: windowShown

        // The value of row `name` of the run information panel; null when
        // the panel shows no such row.
        function runInfoValue(name) {
            var value = findChild(runInfo, name)
            return value && value.visible ? value.text : null
        }

        function test_runInfoRowsFollowTheirColumns() {
            for (var pass = 0; pass < 2; ++pass) {
                runInfo.wide = pass === 0
                // The rows before are let go, the new ones placed.
                wait(50)
                compare(runInfoValue("infoEvent"), "3")
                compare(runInfoValue("infoSampler"), "CASSETTE", "wide: " + runInfo.wide)
                compare(runInfoValue("infoStatus"), runInfo.wide ? "---" : null)
                var sampler = findChild(runInfo, "infoSampler")
                var x = sampler.mapToItem(runInfo, 0, 0).x
                verify(runInfo.wide ? x > runInfo.width / 2 : x < runInfo.width / 3, String(x))
            }
        }

        function init() {
            core.reset()
            listSpy.clear()
            list.currentIndex = -1
            list.listview.positionViewAtBeginning()
            var names = ["eraseSuccessfulDialog", "devDisconnectedDialog", "deviceBusyDialog",
                         "eraseFailDialog", "configErrorDialog", "eraseDialog"]
            for (var i = 0; i < names.length; ++i)
                root.dialogs[names[i]].close()
        }

        function test_listClickSelectsRow() {
            var view = findChild(list, "listview")
            waitForRendering(view)
            var second = view.itemAtIndex(1)
            verify(second)
            mouseClick(second)
            compare(listSpy.count, 1)
            compare(listSpy.signalArguments[0][0], 1)
            compare(list.currentIndex, 1)
            tryCompare(second, "color", second.selectedcolor)
        }

        function test_arrowsStepAndFade() {
            var up = findChild(list, "upArrow")
            var down = findChild(list, "downArrow")
            var view = findChild(list, "listview")
            verify(!up.shown, "at the top the up arrow is faded out")
            verify(down.shown, "six rows do not fit: the down arrow shows")
            list.currentIndex = 0
            mouseClick(down)
            compare(list.currentIndex, 1)
            list.currentIndex = list.count - 1
            tryVerify(function() { return view.atYEnd })
            tryVerify(function() { return !down.shown }, 1000, "at the end the down arrow fades out")
            verify(up.shown)
            mouseClick(up)
            compare(list.currentIndex, list.count - 2)
        }

        function test_submitCalibSendsJson() {
            calibration.certificate = "CERT 0001, \"lab\""
            calibration.date = new Date(Date.UTC(2021, 9, 29, 12, 0, 0))
            compare(calibration.submitCalib(), 0)
            compare(core.calls, ["sndCalibration"])
            var sent = JSON.parse(core.lastCalibration)
            compare(sent.certification, "CERT 0001, \"lab\"")
            compare(sent.date, "2021-10-29T12:00:00.000Z")
            compare(Object.keys(sent).sort(), ["certification", "date"])
        }

        function test_submitCalibFailures_data() {
            return [
                { tag: "disconnected", result: -3, dialog: "devDisconnectedDialog" },
                { tag: "busy", result: -2, dialog: "deviceBusyDialog" },
                { tag: "error", result: -1, dialog: "configErrorDialog" }
            ]
        }

        function test_submitCalibFailures(data) {
            core.results = { "sndCalibration": data.result }
            compare(calibration.submitCalib(), data.result)
            verify(root.dialogs[data.dialog].visible, data.dialog)
        }

        function test_eraseFlow_data() {
            return [
                { tag: "erased", result: 0, dialog: "eraseSuccessfulDialog" },
                { tag: "disconnected", result: -3, dialog: "devDisconnectedDialog" },
                { tag: "busy", result: -2, dialog: "deviceBusyDialog" },
                { tag: "error", result: -1, dialog: "eraseFailDialog" }
            ]
        }

        function test_eraseFlow(data) {
            core.results = { "eraseMemory": data.result }
            root.dialogs.eraseDialog.open()
            root.dialogs.eraseDialog.click(StandardButton.Yes)
            compare(core.calls, ["eraseMemory"])
            verify(root.dialogs[data.dialog].visible, data.dialog)
        }

        function test_eraseDeclined() {
            root.dialogs.eraseDialog.open()
            root.dialogs.eraseDialog.click(StandardButton.No)
            compare(core.calls, [])
        }
    }
}
