import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/bemari/qml"
import "qrc:/bemariplus/qml"
import "qrc:/bemari/qml/SoundLevelPages.js" as Data
import "qrc:/qml/FileNames.js" as FileNames

// The sound level meters' pages against a stand-in backend: the shared page
// logic, the band chart, the results pages of both models and their report
// windows.
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
        function startReport(text) {
            sent = sent.concat([text])
            return record("startReport")
        }
        function createExperiment(text) {
            sent = sent.concat([text])
            return record("createExperiment")
        }
        function acquireConfiguration() { return record("acquireConfiguration") }
        function startSaveExperimentToFile(url) {
            sent = sent.concat([url])
            return record("startSaveExperimentToFile")
        }
    }

    // Provides the shell's functions and dialogs to the pages under test.
    Root {
        id: root
        anchors.fill: parent
        visible: false
    }

    PageBemari { id: devicePage; anchors.fill: parent; visible: false }
    PageBemariResults { id: bemariPage; anchors.fill: parent; visible: false }
    PageBemariPlusResults { id: plusPage; anchors.fill: parent; visible: false }
    BemariLeqChart { id: bandChart; width: 600; height: 400; visible: false }

    SignalSpy { id: bemariShown; target: bemariPage; signalName: "showResults" }
    SignalSpy { id: downloadFailed; target: devicePage; signalName: "downloadError" }
    SignalSpy { id: plusShown; target: plusPage; signalName: "showResults" }

    function band(frequency, leq) {
        return { "freqIdx": "0", "frequency": frequency, "leq": leq }
    }

    function run(model, changes, logList) {
        var results = {
            "label": "ROOM 2", "sampleTime": "1", "durationStr": "00:00:04", "pauseTime": "01:02:05",
            "timeWeighting": "Slow", "freqWeighting": "A", "octaveAnalysis": "1/1", "numFreq": "2",
            "startTime": "24/05/17,08:30:00-12", "preChk": "94.02", "posChk": "",
            "preChkDate": "24/05/17,08:25:00-12", "posChkDate": "",
            "lEq": "78.30", "lMax": "96.10", "lMin": "---", "lFMax": "94.70", "SEL": "110.20",
            "lPeak": "121.40", "l05": "88.10", "l10": "", "l50": "76.90", "l90": "63.20",
            "l95": "60.70", "mode": "AUTO",
            "leqList": [band("31.50", "80.0"), band("125.00", "80.0")]
        }
        var levels = ["Eq", "E", "peak", "IMin", "IMax", "FMin", "FMax", "SMin", "SMax"]
        var weightings = ["Z", "C", "A"]
        for (var w = 0; w < 3; ++w)
            for (var l = 0; l < levels.length; ++l)
                results["L" + weightings[w] + levels[l]] = String(90 + w + l / 10)
        for (var key in changes)
            results[key] = changes[key]
        return JSON.stringify({
            "deviceName": model, "eventIndex": 2, "index": "0", "size": "4",
            "date": "24/05/17,08:30:00-12",
            "logList": logList || [
                { "date": "24/05/17,08:30:01-12", "level": "70.10", "interval": "1" },
                { "date": "24/05/17,08:30:02-12", "level": "---", "interval": "2" },
                { "date": "24/05/17,08:30:03-12", "level": "OL", "interval": "x" },
                { "date": "24/05/17,08:30:04-12", "level": "71.20", "interval": "5" }
            ],
            "results": results
        })
    }

    // A run as core shows it: the page shows its records after its next frame.
    function show(page, model, changes, logList) {
        var text = run(model, changes || {}, logList)
        sampleRuns.show(text)
        core.experimentSummary = text
        page.startAfresh()
        page.showRun(-3)
        if (model === page.modelName)
            testCase.tryCompare(page, "shownRun", sampleRuns.samples.runId)
    }

    function cellValue(page, box, sub) {
        return testCase.findChild(testCase.findChild(page.resultsView, box), "par" + sub).parValue
    }

    function keysOf(json) {
        return Object.keys(JSON.parse(json)).sort()
    }

    TestCase {
        id: testCase
        name: "BemariPages"
        when: windowShown

        function init() {
            core.reset()
            core.sent = []
            bemariShown.clear()
            plusShown.clear()
            downloadFailed.clear()
        }

        function test_texts_data() {
            var locale = Qt.locale()
            return [
                { tag: "Fast", got: Data.timeWeightingText("Fast"), want: "Fast (F)" },
                { tag: "Impulse", got: Data.timeWeightingText("Impulse"), want: "Impulse (I)" },
                { tag: "no weighting", got: Data.timeWeightingText(""), want: "---" },
                { tag: "empty level", got: Data.levelText("---", locale), want: "---" },
                { tag: "blank level", got: Data.levelText("", locale), want: "---" },
                { tag: "overload", got: Data.levelText("OL", locale), want: "OL" },
                { tag: "level", got: Data.levelText("78.3", locale),
                  want: Number(78.3).toLocaleString(locale, 'f', 2) },
                { tag: "check without date", got: Data.checkText("94.02", "", locale),
                  want: Number(94.02).toLocaleString(locale, 'f', 2) },
                { tag: "absent check", got: Data.checkText("---", "17/05/24", locale), want: "---" },
                { tag: "typed name", got: FileNames.withExtension("file:///tmp/run", "bmq"),
                  want: "file:///tmp/run.bmq" },
                { tag: "name with extension", got: FileNames.withExtension("file:///tmp/a.b/run.bmv", "bmv"),
                  want: "file:///tmp/a.b/run.bmv" },
                // The name core writes: another extension, or the model's in
                // upper case, is not the model's.
                { tag: "other extension", got: FileNames.withExtension("file:///tmp/run.txt", "bmv"),
                  want: "file:///tmp/run.txt.bmv" },
                { tag: "upper-case extension", got: FileNames.withExtension("file:///tmp/RUN.BMV", "bmv"),
                  want: "file:///tmp/RUN.BMV.bmv" }
            ]
        }

        function test_texts(data) {
            compare(data.got, data.want)
        }

        // Each band is corrected by its own frequency; bands without a
        // level, and outside 10 Hz to 20 kHz for A and C, stay out.
        function test_bandChart_data() {
            var list = [band("31.50", "80.0"), band("125.00", "80.0"), band("4.00", "80.0"),
                        band("250.00", "---"), band("500.00", "OL")]
            return [
                { tag: "A", weighting: "A", list: list, values: [40.6, 63.9], labels: ["31.5", "125"] },
                { tag: "C", weighting: "C", list: list, values: [77, 79.8], labels: ["31.5", "125"] },
                { tag: "Z", weighting: "Z", list: list, values: [80, 80, 80],
                  labels: ["31.5", "125", "4.0"] },
                { tag: "third octave from 25 Hz", weighting: "A",
                  list: [band("25.00", "70.0"), band("31.50", "70.0")],
                  values: [25.3, 30.6], labels: ["25.0", "31.5"] }
            ]
        }

        function test_bandChart(data) {
            bandChart.populateLeqChart(data.list, "1/1")
            bandChart.show(data.weighting)
            compare(bandChart.barSet.values, data.values)
            compare(bandChart.axisX.categories, data.labels)
        }

        function test_bemariResults() {
            show(bemariPage, "BEMARI")
            compare(bemariShown.count, 1)
            compare(findChild(bemariPage, "infoEvent").text, "2")
            compare(findChild(bemariPage, "infoExperiment").text, "ROOM 2")
            compare(findChild(bemariPage, "infoTimeWeighting").text, "Slow (S)")
            compare(findChild(bemariPage, "infoFrequencyWeighting").text, "A")
            compare(findChild(bemariPage, "infoPosCheck").text, "---")
            verify(findChild(bemariPage, "infoPreCheck").text.indexOf(" (") > 0)
            var analysis = findChild(bemariPage.resultsView, "analysisBox")
            compare(analysis.par1Label, "L<sub>eq</sub> [dB]:")
            compare(analysis.par3Label, "L<sub>ASMax</sub> [dB]:")
            compare(analysis.par4, "---", "an emptied minimum")
            compare(analysis.par5Label, "L<sub>Peak</sub> [dB]:")
            compare(analysis.par5, root.numberToLocalString("121.40"))
            compare(findChild(bemariPage.resultsView, "statisticsBox").par2, "---")
            compare(bemariPage.tabBar.itemAt(0).text, "L<sub>Aeq</sub> x Time")
            // Neither "---" nor "OL" is plotted; the table shows both.
            compare(bemariPage.noiseChart.series.count, 2)
            compare(bemariPage.samplesModel.get(1).level, "---")
            compare(bemariPage.samplesModel.get(2).level, "OL")
        }

        function test_plusResults() {
            show(plusPage, "BEMARI+", { "LAEq": "OL", "LZSMax": "" })
            compare(plusShown.count, 1)
            verify(!findChild(plusPage, "infoTimeWeighting").visible)
            compare(cellValue(plusPage, "analysisBox", "Aeq"), "OL")
            compare(cellValue(plusPage, "analysisBox", "Zeq"), root.numberToLocalString("90"))
            compare(cellValue(plusPage, "maxMinBox", "ZSMax"), "---")
            compare(cellValue(plusPage, "statisticsBox", "10"), "---")
            compare(findChild(plusPage.resultsView, "maxMinBox").cells.length, 18)
            compare(findChild(plusPage.resultsView, "analysisBox").cells.length, 9)
            verify(!plusPage.noiseChart.overInterval)
        }

        // A manual run is drawn over the records' intervals; an interval
        // that is no number is left out with the levels that are none.
        function test_plusManualRunOverInterval() {
            show(plusPage, "BEMARI+", { "mode": "MANUAL" })
            var chart = plusPage.noiseChart
            verify(chart.overInterval)
            compare(chart.intervalAxis.titleText, "T [s]")
            compare(chart.series.count, 2)
            compare(chart.series.at(0).x, 1)
            compare(chart.series.at(1).x, 5)
        }

        function test_otherModelIsNotShown() {
            show(bemariPage, "BEMARI")
            show(plusPage, "BEMARI+")
            compare(bemariShown.count, 1)
            compare(findChild(bemariPage, "infoExperiment").text, "ROOM 2")
            show(bemariPage, "DRAVO 2", { "label": "OTHER" })
            compare(bemariShown.count, 1)
            compare(plusShown.count, 1)
            compare(findChild(bemariPage, "infoExperiment").text, "ROOM 2")
        }

        // The options hold exactly the keys that each model's report reads.
        function test_reportKeys_data() {
            var common = ["fileName", "ownCompany", "collectorName", "repIdReg", "repName",
                          "cmpnyName", "siteName", "ckbTable", "ownCompanyInfoEnable",
                          "collectorInfoEnable", "emplInfoEnable", "repInfoEnable",
                          "repIdInfoEnable", "cmpnyInfoEnable", "siteInfoEnable", "logoEnable",
                          "logoFile", "obsEnable", "obsText", "emplName", "audCertified"]
            return [
                { tag: "BEMARI", page: bemariPage, keys: common.concat(
                      ["ckbChartLvl", "ckbChartLeq", "ckbLeqZ", "ckbLeqA", "ckbLeqC", "ckbCalField",
                       "ckbPreChk", "ckbPosChk", "ckbCalLab", "ckbCalAudLab"]).sort() },
                { tag: "BEMARI+", page: plusPage, keys: common.concat(
                      ["ckbChartLvl", "ckbLeqZ", "ckbLeqA", "ckbLeqC", "ckbResZ", "ckbResA",
                       "ckbResC", "ckbMaxMinZ", "ckbMaxMinA", "ckbMaxMinC", "ckbStatistics",
                       "ckbCalField", "ckbPreChk", "ckbPosChk", "ckbCalLab", "ckbCalAudLab"]).sort() }
            ]
        }

        function test_reportKeys(data) {
            show(data.page, data.tag)
            var report = data.page.printerConfiguration
            report.outputFile.filename = "file:///tmp/noise"
            report.show()
            verify(report.submit())
            verify(!report.visible)
            compare(core.calls, ["startReport"])
            core.reportFinished(0)
            compare(keysOf(core.sent[0]), data.keys)
            var options = JSON.parse(core.sent[0])
            compare(options.fileName, "/tmp/noise")
            compare(options.ckbLeqZ, true)
            compare(options.ckbLeqC, false)
            compare(options.ckbChartLvl, true)
            // The common keys read back as they were sent.
            var read = reportOptionsReader.read(core.sent[0])
            for (var key in read)
                if (key !== "fileName")
                    compare(read[key], options[key], key)
        }

        // Without bands the band choices, without records the table and
        // the level chart are off and cannot be chosen.
        function test_reportChoicesFollowTheRun_data() {
            return [
                { tag: "BEMARI without bands", page: bemariPage, model: "BEMARI",
                  changes: { "leqList": [band("125.00", "---")] }, bands: false, records: true },
                { tag: "BEMARI+ without records", page: plusPage, model: "BEMARI+",
                  changes: {}, logList: [], bands: true, records: false },
                { tag: "BEMARI+ without bands", page: plusPage, model: "BEMARI+",
                  changes: { "leqList": [] }, bands: false, records: true }
            ]
        }

        function test_reportChoicesFollowTheRun(data) {
            show(data.page, data.model, data.changes, data.logList)
            var report = data.page.printerConfiguration
            var window = report.contentItem
            compare(findChild(window, "ckbLeqZ").enabled, data.bands)
            compare(findChild(window, "ckbTable").enabled, data.records)
            compare(findChild(window, "ckbChartLvl").enabled, data.records)
            findChild(window, "ckbTable").checked = true
            report.outputFile.filename = "file:///tmp/noise"
            verify(report.submit())
            core.reportFinished(0)
            var options = JSON.parse(core.sent[0])
            compare(options.ckbLeqZ, data.bands)
            compare(options.ckbLeqA, data.bands)
            compare(options.ckbTable, data.records)
            compare(options.ckbChartLvl, data.records)
            if (options.ckbChartLeq !== undefined)
                compare(options.ckbChartLeq, data.bands)
            findChild(window, "ckbTable").checked = false
        }

        function test_failedReportIsShown() {
            show(bemariPage, "BEMARI")
            var report = bemariPage.printerConfiguration
            report.outputFile.filename = "file:///tmp/noise"
            report.show()
            report.submit()
            core.reportFinished(-1)
            var failed = report.dialogs.printerErrorDialog
            verify(failed.visible)
            verify(report.visible, "kept open for another try")
            failed.close()
            report.hide()
        }

        function test_acceptWithoutARun() {
            devicePage.chosenRuns = []
            verify(!devicePage.accept())
            compare(devicePage.noRunChosen, true)
            compare(findChild(devicePage, "noRunWarning").color, "#d71e1e")
            compare(core.calls, [])
            devicePage.chooseRun(1, true)
            devicePage.chooseRun(0, true)
            compare(devicePage.noRunChosen, false)
            compare(devicePage.downloadRuns(devicePage.chosenRuns, "file:///tmp/x"), 0)
            compare(core.sent, ["[0,1]", "file:///tmp/x.bmv"])
            verify(root.busyText !== "", "the shell says the file is being saved")
            core.fileSaved(0)
            verify(!devicePage.downloading)
            compare(root.busyText, "")
        }

        // A failed download opens the dialog of its cause and saves nothing.
        function test_failedDownload_data() {
            return [
                { tag: "busy", result: -2, dialog: "deviceBusyDialog" },
                { tag: "link lost", result: -3, dialog: "devDisconnectedDialog" },
                { tag: "error", result: -1, dialog: "" }
            ]
        }

        function test_failedDownload(data) {
            core.results = { "createExperiment": data.result }
            compare(devicePage.downloadRuns([0], "file:///tmp/x"), data.result)
            compare(core.calls, ["createExperiment"])
            compare(downloadFailed.count, data.dialog === "" ? 1 : 0)
            if (data.dialog !== "") {
                verify(root.dialogs[data.dialog].visible)
                root.dialogs[data.dialog].close()
            }
            verify(!devicePage.downloading)
        }
    }
}
