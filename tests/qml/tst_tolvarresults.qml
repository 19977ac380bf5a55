import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/tolvar/qml"
import "qrc:/tolvar4/qml"

// The pump pages of both models against a stand-in backend: the run list,
// the download, and the results page filled from a run.
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
        function createExperiment(text) {
            sent = sent.concat([text])
            progressBarUpdated(50)
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
    }

    // Provides the shell's functions and dialogs to the pages under test.
    Root {
        id: root
        anchors.fill: parent
        visible: false
    }

    PageTolvar { id: device3; anchors.fill: parent; visible: false }
    PageTolvar4 { id: device4; anchors.fill: parent; visible: false }
    PageTolvarResults { id: results3; anchors.fill: parent }
    PageTolvar4Results { id: results4; anchors.fill: parent; visible: false }

    SignalSpy { id: shown3Spy; target: results3; signalName: "showResults" }
    SignalSpy { id: downloadErrorSpy; target: device4; signalName: "downloadError" }

    // The run-list entries of a device page (core.experimentList).
    Component {
        id: entryType
        QtObject {
            property int index: 0
            property string dateText: ""
            property int size: 0
            property int status: 0
        }
    }
    Component {
        id: namedEntryType
        QtObject {
            property int index: 0
            property string dateText: ""
            property int size: 0
            property int status: 0
            property string exp_Name: ""
        }
    }

    function sample(minute, flow, backPressure) {
        return { "date": "24/06/21,08:3" + minute + ":00-12", "Flow": flow, "Temperature": 21.5,
                 "BackPressure": backPressure, "Volume": minute * 2.0, "BattSoc": "80",
                 "VBatt": "3900", "Imot": "120" }
    }

    // A run of three samples around a set-point of 2 L/min; `flows` replaces
    // their flows and `changes` its results.
    function run(model, changes, flows) {
        flows = flows || [2.0, 2.02, 1.98]
        var results = {
            "label": "AREA 2", "sampleTime": "60", "startTime": "24/06/21,08:30:00-12",
            "durationStr": "0:3:0", "pauseStr": "0:0:10", "flowPreCheck": "2.01",
            "preCheckTime": "24/06/21,08:20:00-12", "flowPosCheck": "1.99",
            "posCheckTime": "24/06/21,09:00:00-12", "timeSet": "0:30:0",
            "samplerTypeLabel": "CASSETTE 37MM", "flowSet": 2.0, "flowAvg": 2.0,
            "flowMax": 2.02, "flowMin": 1.98, "backpressureAvg": 1.25,
            "backpressureMax": 1.5, "backpressureMin": 1.0, "flowVolume": 6.0
        }
        if (model === "TOLVAR 4")
            results.expStatus = "0"
        for (var key in changes)
            results[key] = changes[key]
        var samples = []
        for (var i = 0; i < flows.length; ++i)
            samples.push(sample(i + 1, flows[i], [1.0, 1.5, 1.25][i % 3]))
        return { "deviceName": model, "eventIndex": 3, "index": "2",
                 "size": String(samples.length), "date": "24/06/21,08:30:00-12",
                 "logList": samples, "results": results }
    }

    // A run as core shows it: the page shows its samples after its next frame.
    function show(page, shownRun) {
        var text = JSON.stringify(shownRun)
        sampleRuns.show(text)
        core.experimentSummary = text
        page.startAfresh()
        page.showRun(root.expUniqueItem)
        testCase.tryCompare(page, "shownRun", sampleRuns.samples.runId)
    }

    function local(number, decimals) {
        return Number(number).toLocaleString(Qt.locale(), 'f', decimals)
    }

    TestCase {
        id: testCase
        name: "TolvarPages"
        when: windowShown

        function init() {
            core.reset()
            core.sent = []
            core.experimentList = []
            results3.visible = true
            results4.visible = false
            device4.visible = false
            device3.visible = false
            shown3Spy.clear()
            downloadErrorSpy.clear()
        }

        function cleanup() {
            results3.printerWindow.hide()
            results4.printerWindow.hide()
            root.dialogs.downloadFailDialog.close()
            results3.printerWindow.dialogs.printerErrorDialog.close()
        }

        // ------------------------------------------------------- information

        function test_runInformation_data() {
            var checked = local(2.01, 2) + " ("
                    + root.convertDateTimeATToLocalTimeString("24/06/21,08:20:00-12") + ")"
            return [
                { tag: "complete", changes: {}, experiment: "AREA 2", sampler: "CASSETTE 37MM",
                  preCal: checked, posCal: "" },
                { tag: "no flow checks", changes: { "flowPreCheck": "", "flowPosCheck": "" },
                  experiment: "AREA 2", sampler: "CASSETTE 37MM", preCal: "---", posCal: "---" },
                { tag: "no label nor sampler", changes: { "label": "", "samplerTypeLabel": "" },
                  experiment: "---", sampler: "---", preCal: checked, posCal: "" },
                { tag: "empty times", changes: { "durationStr": "", "timeSet": null, "startTime": "" },
                  experiment: "AREA 2", sampler: "CASSETTE 37MM", preCal: checked, posCal: "",
                  dashedTimes: true }
            ]
        }

        function test_runInformation(data) {
            show(results3, run("TOLVAR 3 PLUS", data.changes))
            var info = results3.experimentInfo
            compare(info.objectName, "experimentInfo")
            compare(info.event, "3")
            compare(info.experiment, data.experiment)
            compare(info.samplerType, data.sampler)
            compare(info.preCal, data.preCal)
            if (data.posCal !== "")
                compare(info.posCal, data.posCal)
            else
                verify(info.posCal.indexOf(local(1.99, 2) + " (") === 0, info.posCal)
            compare(info.sampleTime, "60")
            compare(info.pauseTime, "0:0:10")
            if (data.dashedTimes) {
                compare(info.expTime, "---")
                compare(info.totalTime, "---")
                compare(info.startTime, "---")
            } else {
                compare(info.expTime, "0:3:0")
                compare(info.totalTime, "0:30:0")
                compare(info.startTime,
                        root.convertDateTimeATToLocalTimeString("24/06/21,08:30:00-12"))
            }
            compare(shown3Spy.count, 1)
        }

        function test_resultBoxes_data() {
            return [
                { tag: "values", changes: {},
                  flow: [local(2.02, 2), local(1.98, 2), local(2.0, 2)],
                  press: [local(1.5, 1), local(1.0, 1), local(1.25, 1)], volume: local(6.0, 1) },
                { tag: "left empty by the pump",
                  changes: { "flowMax": null, "backpressureAvg": null, "flowVolume": null },
                  flow: ["---", local(1.98, 2), local(2.0, 2)],
                  press: [local(1.5, 1), local(1.0, 1), "---"], volume: "---" }
            ]
        }

        function test_resultBoxes(data) {
            show(results3, run("TOLVAR 3 PLUS", data.changes))
            var boxes = [results3.flowResults, results3.backpressureResults]
            var expected = [data.flow, data.press]
            for (var b = 0; b < boxes.length; ++b) {
                compare(boxes[b].maxValue, expected[b][0])
                compare(boxes[b].minValue, expected[b][1])
                compare(boxes[b].avgValue, expected[b][2])
            }
            compare(results3.volumeResults.maxValue, data.volume)
            compare(results3.volumeResults.minValue, "")
            compare(results3.volumeResults.avgValue, "")
            compare(results3.backpressureResults.unityValue, "[kPa]")
        }

        // --------------------------------------------------------- the table

        function test_redRows_data() {
            return [
                { tag: "within the limits", flows: [2.0, 2.1, 1.9], red: [false, false, false] },
                { tag: "above 105 %", flows: [2.0, 2.11, 1.95], red: [false, true, false] },
                { tag: "below 95 %", flows: [1.89, 2.0, 2.0], red: [true, false, false] },
                { tag: "flow left empty", flows: [null, 2.5, 2.0], red: [false, true, false] }
            ]
        }

        function test_redRows(data) {
            show(results3, run("TOLVAR 3 PLUS", {}, data.flows))
            compare(results3.samplesModel.count, data.flows.length)
            var table = findChild(results3, "sampleTable")
            for (var row = 0; row < data.red.length; ++row) {
                compare(results3.isRedRow(row), data.red[row], "row " + row)
                compare(table.flaggedRow(row), data.red[row], "row " + row)
            }
            verify(!results3.isRedRow(-1))
            verify(!results3.isRedRow(data.flows.length))
            // The row shows the flow left empty as "---" and is drawn without it.
            if (data.flows[0] === null)
                compare(results3.samplesModel.get(0).Flow, "---")
        }

        // WCAG's relative luminance of a colour.
        function luminance(colour) {
            function linear(channel) {
                return channel <= 0.03928 ? channel / 12.92
                                          : Math.pow((channel + 0.055) / 1.055, 2.4)
            }
            return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g)
                    + 0.0722 * linear(colour.b)
        }

        // A red row's text reads at WCAG's contrast for body text, 4.5:1.
        function test_redRowTextIsReadable() {
            var table = findChild(results3, "sampleTable")
            var text = luminance(table.flaggedTextColor)
            var row = luminance(table.flaggedRowColor)
            var ratio = (Math.max(text, row) + 0.05) / (Math.min(text, row) + 0.05)
            verify(ratio >= 4.5, "contrast " + ratio.toFixed(2) + ":1")
            verify(Qt.colorEqual(table.flaggedRowColor, "red"))
        }

        // A new run starts on the table; the tabs still lead to the pages.
        function test_tabsFollowANewRun() {
            show(results3, run("TOLVAR 3 PLUS", {}))
            mouseClick(findChild(results3.tabBar, "tabResults"))
            compare(results3.swipe.currentIndex, 3)
            show(results3, run("TOLVAR 3 PLUS", { "label": "AREA 3" }))
            compare(results3.swipe.currentIndex, 0)
            compare(results3.tabBar.currentIndex, 0)
            mouseClick(findChild(results3.tabBar, "tabFlowChart"))
            compare(results3.swipe.currentIndex, 1)
        }

        function test_tableRows() {
            show(results3, run("TOLVAR 3 PLUS", {}))
            var row = results3.samplesModel.get(1)
            compare(row.date, "08:32:00")
            compare(row.Flow, local(2.02, 2))
            compare(row.BackPressure, local(1.5, 1))
            compare(row.Volume, local(4.0, 1))
            compare(row.BattSoc, "80")
            var table = results3.sampleTable
            compare(table.objectName, "sampleTable")
            compare(table.getColumn(0).title, "Hour")
            var shown = []
            for (var c = 0; c < table.columnCount; ++c)
                if (table.getColumn(c).visible)
                    shown.push(table.getColumn(c).role)
            compare(shown, ["date", "Flow", "BackPressure", "Volume"])
        }

        // Pages of the other models hear the same signal; a run not of this
        // model changes nothing here.
        function test_otherModelLeavesPageUntouched_data() {
            return [
                { tag: "TOLVAR 4 run", model: "TOLVAR 4" },
                { tag: "heat-stress run", model: "KESTRUM 2" }
            ]
        }

        function test_otherModelLeavesPageUntouched(data) {
            show(results3, run("TOLVAR 3 PLUS", {}))
            var shownRun = results3.experiment
            mouseClick(findChild(results3.tabBar, "tabPressChart"))
            compare(results3.swipe.currentIndex, 2)
            var other = run(data.model, { "label": "ELSEWHERE", "flowMax": 9 })
            other.deviceName = data.model
            core.experimentSummary = JSON.stringify(other)
            results3.showRun(root.expUniqueItem)
            compare(shown3Spy.count, 1)
            compare(results3.experiment, shownRun)
            compare(results3.experimentInfo.experiment, "AREA 2")
            compare(results3.flowResults.maxValue, local(2.02, 2))
            compare(results3.swipe.currentIndex, 2)
        }

        function test_runWithoutSamples() {
            show(results3, run("TOLVAR 3 PLUS", { "flowMax": null, "flowMin": null,
                                                  "flowAvg": null }, []))
            compare(results3.experimentInfo.experiment, "AREA 2")
            compare(results3.samplesModel.count, 0)
            compare(results3.flowResults.maxValue, "---")
            compare(results3.flowChart.flowSeries.count, 0)
            compare(results3.flowChart.flowSeriesUp.count, 0)
            compare(results3.pressChart.backPressureSeries.count, 0)
            verify(!results3.isRedRow(0))
        }

        // ------------------------------------------------------------ status

        function test_status_data() {
            return [
                { tag: "0", status: "0", text: "OK" },
                { tag: "unknown code", status: "7", text: "OK" },
                { tag: "empty", status: "", text: "---" },
                { tag: "1", status: "1", text: "Deviate more than 5%" },
                { tag: "2", status: "2", text: "Pump blocked" },
                { tag: "3", status: "3", text: "Pump blocked for a long time" }
            ]
        }

        function test_status(data) {
            results4.visible = true
            show(results4, run("TOLVAR 4", { "expStatus": data.status }))
            compare(results4.experimentInfo.status, data.text)
            verify(results4.experimentInfo.showStatus)
            verify(!results3.experimentInfo.showStatus)
        }

        // ------------------------------------------------------------ charts

        function test_flowChart_data() {
            return [
                { tag: "line", page: "results3", seriesType: "LineSeries" },
                { tag: "points", page: "results4", seriesType: "ScatterSeries" }
            ]
        }

        function test_flowChart(data) {
            var page = data.page === "results3" ? results3 : results4
            page.visible = true
            show(page, run(page.productName, {}, [2.0, null, 1.9]))
            var chart = page.flowChart
            compare(chart.objectName, "flowChart")
            var series = chart.flowSeries
            compare(series.objectName, "flowSeries")
            verify(String(series).indexOf(data.seriesType) >= 0, String(series))
            // The flow left empty is left out.
            compare(series.count, 2)
            compare(chart.flowSeriesUp.count, 2)
            compare(chart.flowSeriesDown.count, 2)
            fuzzyCompare(chart.flowSeriesUp.at(0).y, 2.1, 1e-9)
            fuzzyCompare(chart.flowSeriesDown.at(1).y, 1.9, 1e-9)
            compare(chart.flowSeriesUp.at(0).x, series.at(0).x)
            compare(chart.flowSeriesUp.at(1).x, series.at(1).x)
            verify(chart.flowSeriesUp.name.indexOf(local(2.1, 2)) >= 0, chart.flowSeriesUp.name)
            verify(chart.flowChartY.min <= 1.9 && chart.flowChartY.max >= 2.0)
        }

        function test_unitSwitch_data() {
            return [
                { tag: "TOLVAR 3 PLUS", page: "results3" },
                { tag: "TOLVAR 4", page: "results4" }
            ]
        }

        function test_unitSwitch(data) {
            var page = data.page === "results3" ? results3 : results4
            page.visible = true
            show(page, run(page.productName, {}))
            var chart = page.pressChart
            compare(chart.objectName, "pressChart")
            var series = chart.backPressureSeries
            compare(series.objectName, "backPressureSeries")
            compare(series.count, 3)
            compare(series.at(1).y, 1.5)
            compare(chart.pressChartY.titleText, "Backpressure [kPa]")
            chart.inH2ORradioButton.checked = true
            fuzzyCompare(series.at(1).y, 1.5 * 4.01865, 1e-9)
            compare(chart.pressChartY.titleText, "Backpressure [inH2O]")
            verify(chart.pressChartY.max >= 1.5 * 4.01865)
            chart.kPaRadioButton.checked = true
            compare(series.at(1).y, 1.5)
            compare(chart.pressChartY.titleText, "Backpressure [kPa]")
        }

        function test_pinnedPointSteps() {
            show(results3, run("TOLVAR 3 PLUS", {}))
            results3.swipe.setCurrentIndex(1)
            var picker = results3.flowChart.picker
            picker.selectPoint(0)
            verify(picker.activeFocus)
            verify(picker.pointView.visible)
            verify(picker.pointView.text.indexOf(local(2.0, 2)) === 0, picker.pointView.text)
            keyClick(Qt.Key_Left)
            compare(picker.selectedIndex, 0)
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Right)
            keyClick(Qt.Key_Right)
            compare(picker.selectedIndex, 2)
            verify(picker.pointView.text.indexOf(local(1.98, 2)) === 0, picker.pointView.text)
            keyClick(Qt.Key_Escape)
            compare(picker.selectedIndex, -1)
            verify(!picker.pointView.visible)
        }

        // ------------------------------------------------------------ report

        function test_report_data() {
            return [
                { tag: "written", start: 0, result: 0, open: false },
                { tag: "printer failed", start: 0, result: -1, open: true },
                { tag: "not started", start: -1, result: -1, open: true }
            ]
        }

        function test_report(data) {
            show(results3, run("TOLVAR 3 PLUS", {}))
            var window = results3.printerWindow
            compare(window.objectName, "tolvarPrinterConfiguration")
            compare(results4.printerWindow.objectName, "tolvar4PrinterConfiguration")
            mouseClick(findChild(results3, "generateReport"))
            tryVerify(function () { return window.visible })
            core.results = { "startReport": data.start }
            window.outputFile.filename = "file:///tmp/pump.pdf"
            verify(window.generateReport())
            compare(core.sent.length, 1)
            compare(JSON.parse(core.sent[0]).fileName, "/tmp/pump.pdf")
            if (data.start === 0) {
                // The window waits hidden, the pages under the progress.
                verify(!window.visible)
                core.reportProgress(3, 7)
                compare(root.busyText, "Writing the report: page 3 of 7")
                compare(root.navigationLocked, true)
                core.reportFinished(data.result)
            }
            compare(root.busyText, "")
            compare(root.navigationLocked, false)
            compare(window.visible, data.open)
            compare(window.dialogs.printerErrorDialog.visible, data.open)
        }

        // ------------------------------------------------------- device page

        function test_runRows_data() {
            return [
                { tag: "fault free", status: 0, color: "white", image: "" },
                { tag: "deviated", status: 1, color: "lightgray", image: "qrc:/exclamation.png" },
                { tag: "blocked", status: 2, color: "yellow", image: "qrc:/exclamation.png" },
                { tag: "blocked for long", status: 3, color: "red", image: "qrc:/exclamation.png" },
                { tag: "unknown", status: 4, color: "white", image: "" }
            ]
        }

        function test_runRowsOfBothModels_data() {
            return [
                { tag: "TOLVAR 3 PLUS", page: "device3", row: "tolvarExperimentItem" },
                { tag: "TOLVAR 4", page: "device4", row: "tolvar4ExperimentItem" }
            ]
        }

        function test_runRowsOfBothModels(data) {
            var page = data.page === "device3" ? device3 : device4
            core.experimentList = [
                entryType.createObject(scene, { "index": 5, "dateText": "24/06/22,08:30:00-12",
                                                "size": 7 })
            ]
            page.visible = true
            tryCompare(page.expSearch, "count", 1)
            var row = page.expSearch.listview.itemAtIndex(0)
            compare(row.objectName, data.row)
            mouseClick(row)
            compare(page.selectedIdx, 0)
            page.saveDialog.close()
            page.visible = false
            compare(page.expSearch.count, 0)
        }

        function test_runRows(data) {
            core.experimentList = [
                namedEntryType.createObject(scene, { "index": 4, "dateText": "24/06/21,08:30:00-12",
                                                     "size": 35, "status": data.status,
                                                     "exp_Name": "AREA 2" }),
                entryType.createObject(scene, { "index": 5, "dateText": "24/06/22,08:30:00-12",
                                                "size": 7 })
            ]
            device4.visible = true
            var list = device4.expSearch.listview
            tryCompare(list, "count", 2)
            var row = list.itemAtIndex(0)
            compare(row.objectName, "tolvar4ExperimentItem")
            compare(row.idx, "4: ")
            compare(row.label, "AREA 2")
            compare(row.date, "Date: " + Qt.formatDate(new Date(2024, 5, 21), Qt.LocaleDate))
            compare(row.size, "Size: 35")
            compare(Qt.colorEqual(row.statuscolor, data.color), true, String(row.statuscolor))
            compare(String(row.img), data.image)
            if (data.image !== "")
                compare(findChild(row, "runStatusImage").status, Image.Ready)
            // A run the pump keeps no name for.
            compare(list.itemAtIndex(1).label, "")
            compare(list.itemAtIndex(1).idx, "5: ")
        }

        function test_modelOfTheDevicePage_data() {
            return [
                { tag: "TOLVAR 3 PLUS", page: "device3", model: "TOLVAR 3 PLUS", ext: "tlv" },
                { tag: "TOLVAR 4", page: "device4", model: "TOLVAR 4", ext: "tl4" }
            ]
        }

        function test_modelOfTheDevicePage(data) {
            var page = data.page === "device3" ? device3 : device4
            compare(page.pageTitle, data.model)
            compare(page.productName, data.model)
            compare(page.saveDialog.nameFilters[0], "Suite Valtrix Files (*." + data.ext + ")")
        }

        function test_download_data() {
            return [
                { tag: "saved", result: 0, url: "file:///tmp/run", saved: "file:///tmp/run.tl4" },
                { tag: "failed", result: -1, error: true }
            ]
        }

        function test_download(data) {
            core.results = { "createExperiment": data.result }
            compare(device4.downloadRun(1, data.url || "file:///tmp/x"), data.result)
            compare(core.sent[0], "[1]")
            compare(downloadErrorSpy.count, data.error ? 1 : 0)
            compare(core.sent.length, data.saved ? 2 : 1)
            if (data.saved) {
                compare(core.sent[1], data.saved)
                compare(device4.downloading, true)
                core.fileSaved(0)
            }
            compare(device4.downloading, false)
        }

        // Core's progress reaches the page that downloads, and no other.
        function test_progressOnlyWhileDownloading() {
            var before = device4.progressBar.value
            core.progressBarUpdated(40)
            compare(device4.progressBar.value, before)
            core.results = { "createExperiment": -1 }
            device4.downloadRun(0, "file:///tmp/x")
            compare(device4.progressBar.value, 50)
            compare(device3.progressBar.value, 0)
            core.progressBarUpdated(80)
            compare(device4.progressBar.value, 50)
            device4.startAfresh()
            compare(device4.progressBar.value, 0, "a new instrument starts at 0 %")
        }
    }
}
