import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The page container and the home page against a stand-in backend.
Item {
    id: scene
    width: 1024
    height: 720

    FontLoader { id: fontValtrix; source: "qrc:/HANDGOTB.TTF" }
    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    FakeCore { id: core }

    Root {
        id: root
        anchors.fill: parent
    }

    TestCase {
        name: "Shell"
        when: windowShown

        function init() {
            core.reset()
            root.goHome()
            var home = root.pageHome.dialogs
            home.devDisconnectedDialog.close()
            home.deviceBusyDialog.close()
            home.invalidFileDialog.close()
            home.portsNotOpenedDialog.close()
        }

        function test_backButton() {
            verify(!root.backButton.visible, "no way back from home")
            verify(root.showState("Dravo2State"))
            verify(root.showState("DravoResultsState"))
            compare(root.lastState, "Dravo2State")
            verify(root.backButton.visible)
            mouseClick(root.backButton)
            compare(root.state, "Dravo2State")
            mouseClick(root.backButton)
            compare(root.state, "", "a second step back leads home")
            verify(!root.backButton.visible)
        }

        function test_statesShowOnePage() {
            var names = ["Kestrum2State", "Dravo2State", "QuillonState", "BemariState",
                         "BemariPlusState", "Kestrum4State", "RumoState", "TolvarState",
                         "Tolvar4State", "Kestrum2ResultsState", "DravoResultsState",
                         "QuillonComponentsState", "QuillonResultsState", "BemariResultsState",
                         "BemariPlusResultsState", "Kestrum4ResultsState", "RumoResultsState",
                         "TolvarResultsState", "Tolvar4ResultsState"]
            for (var i = 0; i < names.length; ++i) {
                root.state = names[i]
                compare(root.state, names[i])
                verify(!root.pageHome.visible, names[i])
                var shown = 0
                var pages = root.children
                for (var c = 0; c < pages.length; ++c) {
                    var area = pages[c]
                    for (var p = 0; p < area.children.length; ++p)
                        if (area.children[p].pageTitle !== undefined && area.children[p].visible)
                            ++shown
                }
                compare(shown, 1, names[i])
                verify(root.pageOf(names[i]).visible, "the page the shell routes to")
            }
        }

        function test_disconnectGoesHome() {
            core.devName = "DRAVO 2"
            root.showState("Dravo2State")
            var page = root.pageOf("Dravo2State")
            page.configWindow.show()
            page.chosenRuns = [1]
            core.deviceDisconnected()
            compare(root.state, "")
            compare(root.lastState, "")
            // The lost instrument's page lets go of it.
            verify(!page.configWindow.visible)
            compare(page.chosenRuns, [])
        }

        function test_selectDevice_data() {
            return [
                { tag: "success", result: 0, calls: ["createDevice 1", "setTimeNow", "findExperiments"],
                  state: "Dravo2State", dialog: "" },
                { tag: "disconnected", result: -3, calls: ["createDevice 1"], state: "",
                  dialog: "devDisconnectedDialog" },
                { tag: "busy", result: -2, calls: ["createDevice 1"], state: "",
                  dialog: "deviceBusyDialog" },
                { tag: "unsupported", result: -1, calls: ["createDevice 1"], state: "", dialog: "" }
            ]
        }

        function test_selectDevice(data) {
            core.devName = "DRAVO 2"
            core.results = { "createDevice 1": data.result }
            root.pageHome.selectDevice(1)
            compare(core.calls, data.calls)
            compare(root.state, data.state)
            if (data.dialog !== "")
                verify(root.pageHome.dialogs[data.dialog].visible, data.dialog)
        }

        function test_linkLostWhileOpening() {
            core.devName = "DRAVO 2"
            core.results = { "setTimeNow": -3 }
            root.pageHome.selectDevice(0)
            compare(root.state, "", "the page does not open on a lost link")
            verify(root.pageHome.dialogs.devDisconnectedDialog.visible)
        }

        function test_findProgressText() {
            core.findingDevices(50)
            compare(root.pageHome.warningText.text, "Looking for instruments [50 %]")
            core.findDeviceFinished()
            compare(root.pageHome.warningText.text, "")
        }

        function test_searchNamesThePortsItCouldNotOpen() {
            var dialog = root.pageHome.dialogs.portsNotOpenedDialog
            verify(!dialog.visible)
            var message = "These serial ports could not be opened:\n"
                    + "/dev/ttyUSB0: in use by another program. Close that program and search again."
            core.portsNotOpened(message)
            core.findDeviceFinished()
            verify(dialog.visible)
            compare(dialog.text, "No instrument was found")
            compare(dialog.informativeText, message)
        }

        function test_fileFlow() {
            core.fileReadStarted()
            compare(root.pageHome.warningText.text, "Processing file...")
            core.devName = "DRAVO 2"
            core.fileReadFinished()
            compare(root.pageHome.warningText.text, "")
            compare(root.state, "DravoResultsState")
            compare(root.lastState, "")
        }

        // The visible text items of the scene that say a file is being read.
        function fileStatusTexts(item) {
            var found = []
            if (!item.visible)
                return found
            if (item.textFormat !== undefined && /(processing|reading).*file/i.test(item.text))
                found.push(item.text)
            for (var i = 0; i < item.children.length; ++i)
                found = found.concat(fileStatusTexts(item.children[i]))
            return found
        }

        function test_readingAFileShowsOneStatusText() {
            core.fileReadStarted()
            compare(fileStatusTexts(root), ["Processing file..."])
            core.devName = "DRAVO 2"
            core.fileReadFinished()
            compare(fileStatusTexts(root), [])
        }

        function test_invalidFileStaysHome() {
            core.fileReadStarted()
            core.invalidFile()
            core.fileReadFinished()
            compare(root.state, "")
            verify(root.pageHome.dialogs.invalidFileDialog.visible)
        }

        function test_unsupportedDevice() {
            core.unsupportedDevice()
            verify(root.dialogs.unsupportedDeviceDialog.visible)
            root.dialogs.unsupportedDeviceDialog.close()
        }

        function test_numbers_data() {
            return [
                { tag: "two", fn: "numberToLocalString", value: 3.14159, decimals: 2 },
                { tag: "one", fn: "numberToLocalString1", value: 3.14159, decimals: 1 },
                { tag: "none", fn: "numberToLocalString0", value: 1234.6, decimals: 0 },
                { tag: "text number", fn: "numberToLocalString", value: "85.5", decimals: 2 }
            ]
        }

        function test_numbers(data) {
            compare(root[data.fn](data.value),
                    Number(data.value).toLocaleString(Qt.locale(), 'f', data.decimals))
        }

        function test_notANumberShownAsItCame() {
            compare(root.numberToLocalString("---"), "---")
            compare(root.numberToLocalString(""), "", "an empty value is never shown as 0")
            compare(root.numberToLocalString0("---"), "---")
        }

        function test_dates() {
            var expected = new Date(2021, 9, 29, 14, 20, 2).toLocaleString(Qt.locale(), Locale.ShortFormat)
            compare(root.convertDateTimeATToLocalTimeString("21/10/29,14:20:02+00"), expected)
            compare(root.convertDateTimeATToLocalTimeString("21/10/29,14:20:02-03"), expected)
            compare(root.convertDateTimeATToLocalTimeString("2021-10-29T14:20:02"), expected)
            compare(root.convertDateTimeATToLocalTimeString("---"), "---")
        }

        function test_leftPad() {
            compare(root.leftPad(7, 3), "007")
            compare(root.leftPad(-7, 3), "-007")
            compare(root.leftPad(1234, 2), "1234")
            compare(root.leftPad(0, 2), "00")
        }
    }
}
