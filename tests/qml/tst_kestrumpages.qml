import QtQuick 2.15
import QtTest 1.15
import QtQuick.Dialogs 1.3
import "qrc:/qml"
import "qrc:/kestrum2/qml"
import "qrc:/kestrum4/qml"

// The heat-stress pages and windows of both models against a stand-in
// backend.
Item {
    id: scene
    width: 1280
    height: 800

    FontLoader { id: fontValtrix; source: "qrc:/HANDGOTB.TTF" }
    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    FakeCore {
        id: core
        property string experimentSummary: ""
        property var sent: []
        signal dataRegisterListUpdate()
        function acquireConfiguration() { return record("acquireConfiguration") }
        function sndConfiguration(text) {
            sent = sent.concat([text])
            return record("sndConfiguration")
        }
        function createExperiment(text) {
            sent = sent.concat([text])
            return record("createExperiment")
        }
        function startSaveExperimentToFile(url) {
            sent = sent.concat([url])
            return record("startSaveExperimentToFile")
        }
        function startReport(text) {
            sent = sent.concat([text])
            return record("startReport")
        }
        function prevExp() { record("prevExp") }
        function nextExp() { record("nextExp") }
    }

    // Provides the shell's functions and dialogs to the pages under test.
    Root {
        id: root
        anchors.fill: parent
        visible: false
    }

    PageKestrum2 { id: device2; anchors.fill: parent; visible: false }
    PageKestrum2Results { id: results2; anchors.fill: parent }
    PageKestrum4Results { id: results4; anchors.fill: parent; visible: false }

    SignalSpy { id: cfgSpy; signalName: "cfgOK" }
    SignalSpy { id: reportSpy; signalName: "confirmedOK" }
    SignalSpy { id: downloadErrorSpy; target: device2; signalName: "downloadError" }

    // A "KESTRUM 2" sample; a reading left out is "---".
    function sample2(minute, values) {
        return { "date": "24/06/21,08:3" + minute + ":00-12", "wetTemperature": values[0],
                 "dryTemperature": values[1], "globeTemperature": values[2],
                 "IBUTGi": values[3], "IBUTGe": values[4] }
    }

    function run2(changes) {
        var results = {
            "unity": "\u00b0C", "sampleTime": 60, "duration": "00:03:00", "pauseTime": "00:00:10",
            "startTime": "24/06/21,08:30:00-12", "stopTime": "24/06/21,08:33:00-12",
            "wetTMax": 20.4, "wetTMin": 20.1, "dryTMax": 25.3, "dryTMin": 25.1,
            "globeTMax": 30.5, "globeTMin": 30.2, "IBUTGiMed": 23.2, "IBUTGeMed": null
        }
        for (var key in changes)
            results[key] = changes[key]
        return {
            "deviceName": "KESTRUM 2", "eventIndex": 1, "index": "0", "size": "3",
            "date": "24/06/21,08:30:00-12",
            "logList": [
                sample2(1, ["20.1", "25.1", "30.2", "23.1", "22.8"]),
                sample2(2, ["---", "25.3", "", "23.3", "---"]),
                sample2(3, ["20.4", "25.2", "30.5", "23.2", "22.9"])
            ],
            "results": results
        }
    }

    // A "KESTRUM 4" run with `boards` records per sample.
    function run4(expansions, boards, withName) {
        var records = []
        var extremes = []
        var means = []
        for (var b = 0; b < boards; ++b) {
            records.push({ "wetTemperature": String(20 + b), "dryTemperature": String(25 + b),
                           "globeTemperature": String(30 + b), "WBGTi": String(23 + b),
                           "WBGTo": "---", "airVelocity": "0.5" })
            extremes.push({ "wetTMax": 20 + b, "wetTMin": 20 + b, "dryTMax": 25 + b,
                            "dryTMin": 25 + b, "globeTMax": 30 + b, "globeTMin": 30 + b })
            means.push({ "WBGTiMed": 23 + b, "WBGToMed": null })
        }
        var run = {
            "deviceName": "KESTRUM 4", "eventIndex": 2, "index": "1", "size": "1",
            "date": "24/06/22,09:00:00-12",
            "logList": [{ "date": "24/06/22,09:01:00-12", "enviromentalFactorsList": records }],
            "results": { "unity": "\u00b0F", "sampleTime": 30, "duration": "00:01:00",
                         "pauseTime": "00:00:00", "numberOfExpansions": expansions,
                         "maxMinTemperatures": extremes, "wbgtList": means }
        }
        if (withName)
            run.expName = "FOUNDRY"
        return run
    }

    // A run as core shows it: the page shows its samples after its next frame.
    function show(page, run, position) {
        var text = JSON.stringify(run)
        sampleRuns.show(text)
        core.experimentSummary = text
        page.startAfresh()
        page.showRun(position === undefined ? root.expUniqueItem : position)
        testCase.tryCompare(page, "shownRun", sampleRuns.samples.runId)
    }

    function view(page, board) {
        return page.views.itemAt(board)
    }

    function box(page, board, name) {
        return testCase.findChild(view(page, board), "box_" + name)
    }

    TestCase {
        id: testCase
        name: "KestrumPages"
        when: windowShown

        function init() {
            core.reset()
            core.sent = []
            cfgSpy.clear()
            reportSpy.clear()
            downloadErrorSpy.clear()
        }

        function cleanup() {
            var names = ["configSuccesfulDialog", "configErrorDialog", "deviceBusyDialog",
                         "devDisconnectedDialog", "rcvCfgErrorDialog", "downloadFailDialog",
                         "saveFailDialog", "replaceFileDialog", "runsNotSavedDialog"]
            for (var i = 0; i < names.length; ++i)
                root.dialogs[names[i]].close()
            device2.saveDialog.close()
            device2.configWindow.close()
            results2.printerWindow.close()
            results4.printerWindow.close()
        }

        // ---------------------------------------------------- configuration

        function test_sampleTime_data() {
            return [
                { tag: "one minute", text: "01:00", sent: true },
                { tag: "59:59", text: "59:59", sent: true },
                { tag: "one second", text: "00:01", sent: true },
                { tag: "no time", text: "00:00", sent: false,
                  message: "The sample time shall be at least 00:01" },
                { tag: "60 minutes", text: "60:00", sent: false },
                { tag: "60 seconds", text: "01:60", sent: false },
                { tag: "one minute digit", text: "5:30", sent: false },
                { tag: "one second digit", text: "05:3", sent: false },
                { tag: "empty", text: "", sent: false }
            ]
        }

        // What the user types reaches the check as typed, through the
        // field's mask.
        function test_sampleTime(data) {
            var window = device2.configWindow
            cfgSpy.target = window
            window.show()
            waitForRendering(window.contentItem)
            var field = window.sampleField
            field.forceActiveFocus()
            field.clear()
            field.cursorPosition = 0
            for (var i = 0; i < data.text.length; ++i) {
                var c = data.text.charAt(i)
                if (c === ":")
                    keyClick(Qt.Key_Colon)
                else
                    keyClick(Qt.Key_0 + Number(c))
            }
            window.unitFahrenheit.checked = true
            compare(window.submitCfg(), data.sent)
            if (data.sent) {
                compare(cfgSpy.count, 1)
                compare(JSON.parse(cfgSpy.signalArguments[0][0]),
                        { "unity": "\u00b0F", "sampleTime": data.text })
                compare(window.cfgMessage.text, "")
                verify(!window.visible)
            } else {
                compare(cfgSpy.count, 0)
                compare(window.cfgMessage.text, data.message || "The sample time field shall have mm:ss format")
                verify(window.visible)
            }
            // The page sends what the window emitted.
            compare(core.calls, data.sent ? ["sndConfiguration"] : [])
        }

        function test_configurationOfItsOwnModelOnly_data() {
            return [
                { tag: "own model", productName: "KESTRUM 2", unity: "\u00b0F", filled: true },
                { tag: "other model", productName: "KESTRUM 4", unity: "\u00b0F", filled: false },
                { tag: "unknown unit", productName: "KESTRUM 2", unity: "K", filled: true }
            ]
        }

        function test_configurationOfItsOwnModelOnly(data) {
            var window = device2.configWindow
            window.unitCelsius.checked = true
            window.sampleField.text = "01:00"
            core.configuration = JSON.stringify({ "productName": data.productName,
                                                  "unity": data.unity, "sampleTime": "00:30" })
            core.configurationUpdated()
            compare(window.sampleField.text, data.filled ? "00:30" : "01:00")
            compare(window.unitFahrenheit.checked, data.filled && data.unity === "\u00b0F")
            compare(window.unitCelsius.checked, !data.filled)
            compare(window.title, "Kestrum 2 - Configuration")
        }

        function test_configurationOutcome_data() {
            return [
                { tag: "applied", acquire: 0, send: 0, dialog: "configSuccesfulDialog" },
                { tag: "refused", acquire: 0, send: -1, dialog: "configErrorDialog" },
                { tag: "busy on send", acquire: 0, send: -2, dialog: "deviceBusyDialog" },
                { tag: "lost on send", acquire: 0, send: -3, dialog: "devDisconnectedDialog" },
                { tag: "not read", acquire: -1, dialog: "rcvCfgErrorDialog" },
                { tag: "busy on read", acquire: -2, dialog: "deviceBusyDialog" },
                { tag: "lost on read", acquire: -3, dialog: "devDisconnectedDialog" }
            ]
        }

        function test_configurationOutcome(data) {
            core.results = { "acquireConfiguration": data.acquire, "sndConfiguration": data.send }
            compare(device2.openConfiguration(), data.acquire)
            compare(device2.configWindow.visible, data.acquire === 0)
            if (data.acquire === 0) {
                device2.configWindow.sampleField.text = "02:00"
                verify(device2.configWindow.submitCfg())
            }
            tryVerify(function () { return root.dialogs[data.dialog].visible })
        }

        // ---------------------------------------------------------- download

        function test_download_data() {
            return [
                { tag: "saved", result: 0, url: "file:///tmp/run", saved: "file:///tmp/run.ksm" },
                { tag: "own extension", result: 0, url: "file:///tmp/run.ksm", saved: "file:///tmp/run.ksm" },
                // Core writes another extension with the model's added.
                { tag: "other extension", result: 0, url: "file:///tmp/run.dat", saved: "file:///tmp/run.dat.ksm" },
                { tag: "failed", result: -1, error: true },
                { tag: "busy", result: -2, dialog: "deviceBusyDialog" },
                { tag: "lost", result: -3, dialog: "devDisconnectedDialog" }
            ]
        }

        function test_download(data) {
            core.results = { "createExperiment": data.result }
            compare(device2.downloadRun(2, data.url || "file:///tmp/x"), data.result)
            compare(core.sent[0], "[2]")
            compare(downloadErrorSpy.count, data.error ? 1 : 0)
            compare(core.sent.length, data.saved ? 2 : 1)
            if (data.saved) {
                compare(core.sent[1], data.saved)
                // The pages wait while the file is saved in the background.
                verify(root.navigationLocked)
                compare(root.busyText, "Saving the file")
                core.fileSaved(0)
                compare(root.busyText, "")
            }
            if (data.dialog)
                tryVerify(function () { return root.dialogs[data.dialog].visible })
            verify(!root.navigationLocked)
        }

        function test_failedSaveIsShown_data() {
            return [
                { tag: "not started", start: -1 },
                { tag: "not written", start: 0 }
            ]
        }

        // A failed save is told, then the save dialog asks for another file
        // for the same runs, which are not downloaded again; the user stays
        // on the page meanwhile. Cancelled, the user is told that the runs
        // are not saved, and the page shows no finished download.
        function test_failedSaveIsShown(data) {
            core.results = { "startSaveExperimentToFile": data.start }
            compare(device2.downloadRun(0, "file:///nowhere/run"), 0)
            if (data.start === 0)
                core.fileSaved(-1)
            tryVerify(function () { return root.dialogs.saveFailDialog.visible })
            verify(root.navigationLocked)
            root.dialogs.saveFailDialog.close()
            tryVerify(function () { return device2.saveDialog.visible })
            verify(root.navigationLocked)

            core.results = { "startSaveExperimentToFile": data.start }
            compare(device2.saveChosenRun("file:///nowhere/again"), 0)
            compare(core.sent, ["[0]", "file:///nowhere/run.ksm", "file:///nowhere/again.ksm"])
            if (data.start === 0)
                core.fileSaved(-1)
            tryVerify(function () { return root.dialogs.saveFailDialog.visible })
            root.dialogs.saveFailDialog.close()
            tryVerify(function () { return device2.saveDialog.visible })

            core.results = {}
            compare(device2.saveChosenRun("file:///tmp/saved"), 0)
            compare(core.sent.length, 4)
            compare(core.sent[3], "file:///tmp/saved.ksm")
            core.fileSaved(0)
            verify(!root.navigationLocked)
            verify(!root.dialogs.saveFailDialog.visible)
            verify(!root.dialogs.runsNotSavedDialog.visible)

            compare(device2.downloadRun(0, "file:///nowhere/run"), 0)
            core.fileSaved(-1)
            tryVerify(function () { return root.dialogs.saveFailDialog.visible })
            root.dialogs.saveFailDialog.close()
            tryVerify(function () { return device2.saveDialog.visible })
            device2.saveDialog.reject()
            tryVerify(function () { return root.dialogs.runsNotSavedDialog.visible })
            verify(!root.navigationLocked)
            compare(device2.progressBar.value, 0)
        }

        // A data file is replaced only after the user said yes to its own
        // name: the save dialog asked about the name typed, so a name that
        // gets the model's extension added is asked about again. No sends
        // nothing and asks for another file.
        function test_replaceOnlyWhenAsked_data() {
            return [
                { tag: "typed without extension", url: "file:///tmp/run", asked: true },
                { tag: "other extension", url: "file:///tmp/run.dat", asked: true },
                { tag: "typed with extension", url: "file:///tmp/run.ksm", asked: false }
            ]
        }

        function test_replaceOnlyWhenAsked(data) {
            core.existingDataFileNames = ["/tmp/existing"]
            var question = root.dialogs.replaceFileDialog
            var written = data.url.slice(-4) === ".ksm" ? data.url : data.url + ".ksm"
            if (!data.asked) {
                compare(device2.downloadRun(1, data.url), 0)
                compare(core.sent, ["[1]", written])
                core.fileSaved(0)
                verify(!question.visible)
                return
            }
            compare(device2.downloadRun(1, data.url), 1)
            tryVerify(function () { return question.visible })
            compare(question.informativeText, "/tmp/existing")
            question.click(StandardButton.No)
            tryVerify(function () { return !question.visible })
            compare(core.sent, [])
            tryVerify(function () { return device2.saveDialog.visible })
            device2.saveDialog.close()

            compare(device2.downloadRun(1, data.url), 1)
            tryVerify(function () { return question.visible })
            question.click(StandardButton.Yes)
            compare(core.sent, ["[1]", written])
            core.fileSaved(0)
            verify(!root.navigationLocked)
        }

        // ----------------------------------------------------------- results

        function test_missingValuesShowDashes() {
            show(results2, run2({ "wetTMax": null, "sampleTime": null, "pauseTime": "" }))
            var table = results2.boardTables[0]
            compare(table.count, 3)
            compare(table.get(0).dryTemperature, Number(25.1).toLocaleString(Qt.locale(), 'f', 2))
            compare(table.get(1).wetTemperature, "---")
            compare(table.get(1).globeTemperature, "---")
            compare(table.get(1).WBGTo, "---")
            compare(table.get(2).date, "08:33:00")
            compare(box(results2, 0, "wetTemperature").max, "---")
            compare(box(results2, 0, "wetTemperature").min, root.numberToLocalString(20.1))
            compare(box(results2, 0, "WBGTi").avg, root.numberToLocalString(23.2))
            compare(box(results2, 0, "WBGTo").avg, "---")
            verify(!box(results2, 0, "WBGTo").enableMax)
            verify(!box(results2, 0, "dryTemperature").enableAvg)
            compare(results2.expInfo.sampleTime, "---")
            compare(results2.expInfo.pauseTime, "---")
            compare(results2.expInfo.expTime, "00:03:00")
            compare(results2.expInfo.event, "1")
            // Missing readings are left out of the chart.
            var chart = view(results2, 0).chart
            compare(chart.series[0].count, 2)
            compare(chart.series[1].count, 3)
            compare(chart.series[4].count, 2)
            verify(chart.series[0].name.indexOf("T<sub>wet</sub> [\u00b0C]") === 0)
        }

        // The temperature axis spans the run's extremes; where they are
        // missing, the plotted points.
        function test_chartRange_data() {
            return [
                { tag: "extremes", changes: {}, min: 20.1, max: 30.5 },
                { tag: "no maximum", changes: { "globeTMax": null, "dryTMax": null, "wetTMax": null },
                  min: 20.1, max: 30.5 },
                { tag: "none", changes: { "globeTMax": null, "dryTMax": null, "wetTMax": null,
                                          "globeTMin": null, "dryTMin": null, "wetTMin": null },
                  min: 20.1, max: 30.5 }
            ]
        }

        function test_chartRange(data) {
            show(results2, run2(data.changes))
            var axis = view(results2, 0).chart.axisY
            verify(axis.min <= data.min && axis.min > data.min - 10, axis.min)
            verify(axis.max >= data.max && axis.max < data.max + 10, axis.max)
        }

        function test_anotherModelsRunIsIgnored_data() {
            return [
                { tag: "KESTRUM 4 run on the KESTRUM 2 page", page: "results2", run: "four" },
                { tag: "KESTRUM 2 run on the KESTRUM 4 page", page: "results4", run: "two" },
                { tag: "another family", page: "results2", run: "other" }
            ]
        }

        function test_anotherModelsRunIsIgnored(data) {
            var page = data.page === "results2" ? results2 : results4
            show(page, data.page === "results2" ? run2({}) : run4(1, 2, true), root.expFirstItem)
            var before = JSON.stringify(page.experiment)
            var other = data.run === "four" ? run4(0, 1, true)
                      : data.run === "two" ? run2({}) : { "deviceName": "DRAVO 2", "results": {} }
            core.experimentSummary = JSON.stringify(other)
            var shows = 0
            page.showResults.connect(function () { ++shows })
            page.showRun(root.expUniqueItem)
            compare(JSON.stringify(page.experiment), before)
            compare(page.place, root.expFirstItem)
            compare(shows, 0)
        }

        function test_boards_data() {
            return [
                { tag: "main unit only", expansions: 0, boards: 1, views: 1 },
                { tag: "three expansions", expansions: 3, boards: 4, views: 4 },
                { tag: "more than the instrument carries", expansions: 7, boards: 4, views: 4 },
                { tag: "negative", expansions: -2, boards: 1, views: 1 },
                { tag: "records of fewer boards", expansions: 2, boards: 1, views: 3 }
            ]
        }

        function test_boards(data) {
            results4.visible = true
            show(results4, run4(data.expansions, data.boards, false))
            compare(results4.boardCount, data.views)
            compare(results4.boardList.count, data.views)
            compare(findChild(results4.boardList.itemAtIndex(0), "boardName").text, "Main")
            for (var b = 1; b < data.views; ++b)
                compare(findChild(results4.boardList.itemAtIndex(b), "boardName").text, "Expansion")
            // A board the samples and results do not hold shows "---".
            var last = data.views - 1
            var table = results4.boardTables[last]
            compare(table.get(0).dryTemperature,
                    last < data.boards ? root.numberToLocalString(25 + last) : "---")
            compare(box(results4, last, "dryTemperature").max,
                    last < data.boards ? root.numberToLocalString(25 + last) : "---")
            compare(box(results4, last, "WBGTo").avg, "---")
            // The list shows the board picked, and only a board of the run.
            mouseClick(results4.boardList.itemAtIndex(last))
            compare(results4.boardStack.currentIndex, last)
            compare(results4.boardList.currentIndex, last)
            results4.updateListView(data.views)
            compare(results4.boardStack.currentIndex, last)
            compare(results4.expInfo.experiment, "---")
            results4.visible = false
        }

        // Another board shows the same tab: the chart stays the chart.
        function test_boardsKeepTheTab() {
            results4.visible = true
            show(results4, run4(3, 4, false))
            var first = findChild(results4, "boardView0")
            mouseClick(findChild(first, "tabChart"))
            compare(first.tabBar.currentIndex, 1)
            for (var b = 1; b < 4; ++b) {
                mouseClick(results4.boardList.itemAtIndex(b))
                var view = findChild(results4, "boardView" + b)
                compare(results4.boardStack.currentIndex, b)
                compare(view.tabBar.currentIndex, 1)
                verify(findChild(view, "tabChart").checked)
            }
            mouseClick(findChild(view, "tabResults"))
            mouseClick(results4.boardList.itemAtIndex(0))
            compare(first.tabBar.currentIndex, 2)
            // A new run keeps it too.
            show(results4, run4(3, 4, false))
            compare(first.tabBar.currentIndex, 2)
            first.tabBar.currentIndex = 0
            results4.visible = false
        }

        function test_runName() {
            results4.visible = true
            show(results4, run4(0, 1, true))
            compare(results4.expInfo.experiment, "FOUNDRY")
            verify(findChild(results4.expInfo, "infoExperiment").visible)
            results4.visible = false
            show(results2, run2({}))
            verify(!findChild(results2.expInfo, "infoExperiment").visible)
        }

        function test_arrows_data() {
            return [
                { tag: "one run", position: -3, previous: false, next: false },
                { tag: "first", position: -2, previous: false, next: true },
                { tag: "last", position: -1, previous: true, next: false },
                { tag: "middle", position: 0, previous: true, next: true }
            ]
        }

        function test_arrows(data) {
            var pages = [results2, results4]
            var runs = [run2({}), run4(0, 1, true)]
            for (var p = 0; p < pages.length; ++p) {
                show(pages[p], runs[p], data.position)
                compare(findChild(pages[p], "previousRun").shown, data.previous)
                compare(findChild(pages[p], "nextRun").shown, data.next)
            }
            results2.visible = true
            core.calls = []
            if (data.previous)
                mouseClick(findChild(results2, "previousRun"))
            if (data.next)
                mouseClick(findChild(results2, "nextRun"))
            var expected = []
            if (data.previous)
                expected.push("prevExp")
            if (data.next)
                expected.push("nextExp")
            compare(core.calls, expected)
        }

        // ------------------------------------------------------------ report

        function test_reportOptions_data() {
            var common = ["ckbTable", "ckbDryTempTable", "ckbWetTempTable", "ckbGlobeTempTable",
                          "ckbIBUTGiTable", "ckbIBUTGeTable", "ckbChart", "ckbDryTempChart",
                          "ckbWetTempChart", "ckbGlobeTempChart", "ckbIBUTGiChart",
                          "ckbIBUTGeChart", "ckbCalibration", "ckbCsv"]
            return [
                { tag: "KESTRUM 2", page: "results2", title: "Kestrum 2 - Report configuration",
                  switches: common.concat(["ckbMaxMin", "ckbAvg"]) },
                { tag: "KESTRUM 4", page: "results4", title: "Kestrum 4 - Report configuration",
                  switches: common.concat(["ckbResults", "ckbDryTempResults", "ckbWetTempResults",
                                           "ckbGlobeTempResults", "ckbIBUTGiResults",
                                           "ckbIBUTGeResults"]) }
            ]
        }

        function test_reportOptions(data) {
            var window = (data.page === "results2" ? results2 : results4).printerWindow
            compare(window.title, data.title)
            reportSpy.target = window
            window.show()
            waitForRendering(window.contentItem)
            // Without a file nothing is sent.
            window.outputFile.filename = ""
            verify(!window.submit())
            verify(window.errorText.shown)
            compare(reportSpy.count, 0)

            // Every switch is on at first; one of each kind turned off.
            var off = ["ckbChart", "ckbWetTempTable", "ckbCsv"]
            for (var i = 0; i < off.length; ++i)
                findChild(window.contentItem, off[i]).checked = false
            verify(!findChild(window.contentItem, "ckbDryTempChart").enabled)
            var fields = { "cmpnyName": "ACME", "siteName": "Foundry", "ownCompany": "Hygiene",
                           "collectorName": "Ann", "repName": "Bob", "repIdReg": "42" }
            for (var key in fields) {
                findChild(window.contentItem, key).text = fields[key]
                findChild(window.contentItem, key).checked = key !== "siteName"
            }
            window.outputFile.filename = "file:///tmp/heat.pdf"
            verify(window.submit())
            compare(reportSpy.count, 1)
            var options = JSON.parse(reportSpy.signalArguments[0][0])
            for (var s = 0; s < data.switches.length; ++s)
                compare(options[data.switches[s]], off.indexOf(data.switches[s]) < 0,
                        data.switches[s])
            // The writer reads the common keys as the window meant them.
            var read = reportOptionsReader.read(reportSpy.signalArguments[0][0])
            compare(read.fileName, "/tmp/heat.pdf")
            for (key in fields) {
                compare(read[key], fields[key])
                compare(options[key], fields[key])
            }
            verify(read.cmpnyInfoEnable)
            verify(!read.siteInfoEnable)
            compare(read.ckbTable, true)
            var known = data.switches.concat(Object.keys(fields),
                ["cmpnyInfoEnable", "siteInfoEnable", "ownCompanyInfoEnable",
                 "collectorInfoEnable", "repInfoEnable", "repIdInfoEnable", "logoEnable",
                 "logoFile", "obsEnable", "obsText", "fileName"])
            compare(Object.keys(options).sort(), known.sort())
            for (i = 0; i < off.length; ++i)
                findChild(window.contentItem, off[i]).checked = true
        }

        function test_reportOutcome_data() {
            return [
                { tag: "written", result: 0, open: false },
                { tag: "failed", result: -1, open: true }
            ]
        }

        function test_reportOutcome(data) {
            var window = results2.printerWindow
            window.show()
            window.outputFile.filename = "file:///tmp/heat.pdf"
            verify(window.submit())
            compare(core.calls, ["startReport"])
            core.reportFinished(data.result)
            compare(window.visible, data.open)
            compare(window.dialogs.printerErrorDialog.visible, data.open)
            window.dialogs.printerErrorDialog.close()
        }
    }
}
