import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/quillon/qml"

// The vibration meter's pages against a stand-in backend: the configuration
// window, the run choice of the device page, the exposure-time page and the
// results page.
Item {
    id: scene
    width: 1280
    height: 800

    FontLoader { id: fontValtrix; source: "qrc:/HANDGOTB.TTF" }
    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    FakeCore {
        id: core
        property string experimentSummary: ""
        property var expCompList: []
        property var sent: []
        function sndConfiguration(text) { return record("sndConfiguration") }
        function refreshPartialResults(text) {
            sent = sent.concat([text])
            record("refreshPartialResults")
        }
        function refreshWorkingHours(text) {
            sent = sent.concat([text])
            record("refreshWorkingHours")
        }
        function refreshGeneralData(text) {
            sent = sent.concat([text])
            record("refreshGeneralData")
        }
        function createExperiment(text) { return record("createExperiment") }
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

    PageQuillon { id: devicePage; anchors.fill: parent; visible: false }
    PageQuillonExposureComponents { id: exposurePage; anchors.fill: parent; visible: false }
    PageQuillonResults { id: resultsPage; anchors.fill: parent }

    QuillonExperimentItem { id: runItem; visible: false }

    SignalSpy { id: cfgSpy; target: devicePage.configWindow; signalName: "cfgOK" }
    SignalSpy { id: timeExpSpy; target: exposurePage; signalName: "showTimeExp" }

    function runJson(changes, logList) {
        var results = {
            "label": "GRINDER", "evaluationType": "1", "sampleTime": "1",
            "durationStr": "01:02:05", "pauseTime": "00:02:05", "exposureTime": "02:00",
            "startTime": "24/05/17,08:30:00-12", "stopTime": "24/05/17,09:32:05-12",
            "timeWeighting": "Slow", "octaveAnalysis": "1/1", "sensorLabel": "ACC-3",
            "sensorSN": "S1234", "bArepEvaluation": false, "workingHours": "08:00",
            "amX": "0.30", "amY": "0.40", "amZ": "---", "arepX": "0.35", "arepY": "0.45",
            "arepZ": "0.55", "aMaxX": "1.10", "aMaxY": "", "aMaxZ": "1.30",
            "aMaxXS": "0.90", "aMaxYS": "---", "aMaxZS": "0.95", "fcX": "3.20",
            "apX": "1.20", "arep": "0.70", "amrGlobal": "0.50",
            "vdvX": "0.80", "vdvY": "0.90", "vdvZ": "1.00",
            "vdvXexpi": 1.0, "vdvYexpi": 1.0, "vdvZexpi": 1.0,
            "aXF": "0.31", "maxXFTime": "24/05/17,08:45:10-12",
            "are": 0.3929058, "aren": 0.3929058, "a8x": 0.15, "a8y": null, "a8z": null,
            "vdvXexp": null, "vdvYexp": null, "vdvZexp": null, "vdvR": null, "fc": 4.2,
            "amrList": [[{ "freqIdx": "0", "frequency": "6.30", "amr": "0.12" },
                         { "freqIdx": "1", "frequency": "1000.00", "amr": "---" },
                         { "freqIdx": "2", "frequency": "1250.00", "amr": "0.34" }], [], []]
        }
        for (var key in changes)
            results[key] = changes[key]
        return JSON.stringify({
            "deviceName": "QUILLON", "eventIndex": 1, "index": "3", "size": "3",
            "date": "24/05/17,08:30:00-12",
            "logList": logList !== undefined ? logList : [
                { "date": "24/05/17,08:30:01-12", "awX": "0.21", "awY": "0.22", "awZ": "---",
                  "vdvX": "0.1", "vdvY": "0.1", "vdvZ": "0.1", "fcX": "3", "fcY": "3",
                  "fcZ": "3", "amr": "0.5" },
                { "date": "24/05/17,08:30:02-12", "awX": "0.25", "awY": "", "awZ": "0.3",
                  "vdvX": "0.1", "vdvY": "0.1", "vdvZ": "0.1", "fcX": "3", "fcY": "3",
                  "fcZ": "3", "amr": "0.6" }
            ],
            "results": results
        })
    }

    // New results of a run, as core announces them.
    function showResults(changes, logList) {
        var text = runJson(changes || {}, logList)
        sampleRuns.show(text)
        core.experimentSummary = text
        resultsPage.showRun(-3)
        testCase.tryCompare(resultsPage, "shownRun", sampleRuns.samples.runId)
    }

    function shown(name) {
        return findChildNamed(resultsPage, name).text
    }

    function findChildNamed(item, name) {
        return testCase.findChild(item, name)
    }

    TestCase {
        id: testCase
        name: "Quillon"
        when: windowShown

        function init() {
            core.reset()
            core.sent = []
            devicePage.chosenRuns = []
            devicePage.warning = ""
            cfgSpy.clear()
            timeExpSpy.clear()
        }

        function test_getImg_data() {
            return [
                { tag: "hand-arm", type: "H", picture: "../../hands.png" },
                { tag: "whole body", type: "B", picture: "../../wholeBody.jpg" },
                { tag: "1 kHz", type: "1", picture: "../../1kHz.png" },
                { tag: "8 kHz", type: "8", picture: "../../8kHz.png" },
                { tag: "blank", type: " ", picture: "../../fechar1x.png" },
                { tag: "lower case", type: "h", picture: "../../fechar1x.png" }
            ]
        }

        function test_getImg(data) {
            compare(runItem.getImg(data.type), data.picture)
            runItem.type = data.type
            // Every picture is in the resources.
            tryCompare(findChild(runItem, "runTypeImage"), "status", Image.Ready)
        }

        function test_submitCfg_data() {
            return [
                { tag: "10:00", text: "10:00", sent: true },
                { tag: "00:01", text: "00:01", sent: true },
                { tag: "59:59", text: "59:59", sent: true },
                { tag: "one minute digit", text: "1:15", sent: false },
                { tag: "sixty minutes", text: "60:00", sent: false },
                { tag: "sixty seconds", text: "10:60", sent: false },
                { tag: "no time", text: "00:00", sent: false,
                  message: "The sample time shall be at least 00:01" },
                { tag: "empty", text: ":", sent: false }
            ]
        }

        function test_submitCfg(data) {
            var window = devicePage.configWindow
            window.sampleTimeField.text = data.text
            compare(window.submitCfg(), data.sent)
            compare(cfgSpy.count, data.sent ? 1 : 0)
            if (data.sent) {
                compare(JSON.parse(cfgSpy.signalArguments[0][0]),
                        { "productName": "QUILLON", "sampleTime": data.text })
                compare(window.cfgMessage.text, "")
            } else {
                compare(window.cfgMessage.text, data.message || "The sample time field shall have mm:ss format")
            }
        }

        function test_configurationOfAnotherModelIsIgnored() {
            var window = devicePage.configWindow
            window.sampleTimeField.text = "02:00"
            core.configuration = '{"productName": "DRAVO 2", "sampleTime": "09:00"}'
            verify(!window.fill())
            compare(window.sampleTimeField.text, "02:00")
            core.configuration = '{"productName": "QUILLON", "sampleTime": "01:15"}'
            verify(window.fill())
            compare(window.sampleTimeField.text, "01:15")
        }

        function test_areComponentsSameType_data() {
            return [
                { tag: "one run", runs: [0], same: true },
                { tag: "two hand-arm", runs: [0, 2], same: true },
                { tag: "hand-arm and whole body", runs: [0, 1], same: false },
                { tag: "whole body after hand-arm", runs: [2, 1], same: false },
                { tag: "none", runs: [], same: true }
            ]
        }

        function test_areComponentsSameType(data) {
            core.experimentList = [{ "index": 0, "type": "H" }, { "index": 1, "type": "B" },
                                   { "index": 2, "type": "H" }]
            compare(devicePage.areComponentsSameType(data.runs), data.same)
        }

        function test_acceptRefusesABadChoice() {
            core.experimentList = [{ "index": 0, "type": "H" }, { "index": 1, "type": "B" }]
            verify(!devicePage.accept())
            compare(devicePage.warning, "You shall select at least one exposure component")
            devicePage.toggleRun(0)
            devicePage.toggleRun(1)
            verify(!devicePage.accept())
            compare(devicePage.warning,
                    "The selected exposure components shall be the same application")
            devicePage.toggleRun(1)
            compare(devicePage.chosenRuns, [0])
            compare(devicePage.warning, "")
            compare(core.calls, [])
        }

        function test_cancelledSaveDownloadsNothing() {
            core.experimentList = [{ "index": 0, "type": "B" }]
            devicePage.toggleRun(0)
            verify(devicePage.accept())
            devicePage.saveDialog.reject()
            compare(core.calls, [])
            compare(devicePage.chosenRuns, [0])
            devicePage.saveDialog.close()
        }

        function test_secStringToHHMM_data() {
            return [
                { tag: "5400", text: "5400", hhmm: "01:30" },
                { tag: "whole minutes", text: "5459", hhmm: "01:30" },
                { tag: "0", text: "0", hhmm: "00:00" },
                { tag: "a day", text: "86400", hhmm: "24:00" },
                { tag: "not a number", text: "----", hhmm: "00:00" },
                { tag: "empty", text: "", hhmm: "00:00" },
                { tag: "negative", text: "-60", hhmm: "00:00" }
            ]
        }

        function test_secStringToHHMM(data) {
            compare(exposurePage.secStringToHHMM(data.text), data.hhmm)
        }

        function test_exposureTimesGoToCore() {
            core.expCompList = [{ "event": 1, "label": "GRINDER", "exposeTimeFromExp": "5400" },
                                { "event": 2, "label": "DRILL", "exposeTimeFromExp": "0" }]
            core.experimentSummary = runJson({})
            exposurePage.showRun(-2)
            compare(timeExpSpy.count, 1)
            compare(exposurePage.components.length, 2)
            compare(exposurePage.exposureTimes, ["01:30", "00:00"])

            exposurePage.visible = true
            exposurePage.setExposureTime(1, "25:00")
            verify(!exposurePage.next())
            compare(exposurePage.warningMessage.text, "Exposure time shall have hh:mm format")
            compare(core.calls, [])
            exposurePage.setExposureTime(1, "04:00")
            verify(exposurePage.next())
            compare(exposurePage.warningMessage.text, "")
            compare(JSON.parse(core.sent[0]), [{ "event": 1, "exposureTime": "01:30" },
                                               { "event": 2, "exposureTime": "04:00" }])
            exposurePage.visible = false
        }

        // The times of one day add up to a day at most.
        function test_exposureTimesOfADay_data() {
            return [
                { tag: "a whole day", times: ["23:00", "01:00"], sent: true },
                { tag: "a minute more", times: ["23:00", "01:01"], sent: false },
                { tag: "three long tasks", times: ["23:00", "23:00", "23:00"], sent: false }
            ]
        }

        function test_exposureTimesOfADay(data) {
            var list = []
            for (var i = 0; i < data.times.length; ++i)
                list.push({ "event": i + 1, "label": "TASK", "exposeTimeFromExp": "60" })
            core.expCompList = list
            exposurePage.showRun(-2)
            for (var t = 0; t < data.times.length; ++t)
                exposurePage.setExposureTime(t, data.times[t])
            compare(exposurePage.next(), data.sent)
            compare(core.calls, data.sent ? ["refreshPartialResults"] : [])
            compare(exposurePage.warningMessage.text, data.sent
                    ? "" : "The exposure times of one day shall add up to 24:00 at most")
        }

        function test_resultsShowNumbersAndAbsentValues() {
            showResults()
            var locale = Qt.locale()
            compare(shown("info_application"), "HAV")
            compare(shown("info_startTime"), "08:30:00")
            compare(shown("info_exposureTime"), "02:00")
            compare(shown("are"), Number(0.39).toLocaleString(locale, 'f', 2))
            compare(shown("a8X"), Number(0.15).toLocaleString(locale, 'f', 2))
            // Daily values not combined are null, texts the instrument left
            // empty are "---" or empty: none of them is shown as 0.
            compare(shown("a8Y"), "---")
            compare(shown("vdvR"), "---")
            compare(shown("averageZ"), "---")
            compare(shown("maximumY"), "---")
            compare(shown("mtvvY"), "---")
            compare(shown("runVdvR"), Number(1.3160740).toLocaleString(locale, 'f', 2))
            compare(shown("averageX"), Number(0.30).toLocaleString(locale, 'f', 2))
            compare(shown("maximumTimeFX"), "08:45:10")
            compare(shown("maximumTimeSX"), "---")

            // The switch chooses the averages shown.
            showResults({ "bArepEvaluation": true })
            compare(shown("averageX"), Number(0.35).toLocaleString(locale, 'f', 2))
            verify(findChild(resultsPage, "arepButton").checked)
        }

        function test_samplesAndBands() {
            showResults()
            compare(resultsPage.samplesModel.count, 2)
            compare(resultsPage.samplesModel.get(0).date, "08:30:01")
            compare(resultsPage.samplesModel.get(0).awZ, "---")
            compare(resultsPage.samplesModel.get(1).awY, "---")
            var series = resultsPage.accelerationChart.seriesByKey
            compare(series.amr.count, 2)
            compare(series.awY.count, 1)
            compare(series.awZ.count, 1)
            var octaves = findChild(resultsPage, "octaveX")
            compare(octaves.axisX.categories, [Number(6.3).toLocaleString(Qt.locale(), 'f', 1),
                                               Number(1.25).toLocaleString(Qt.locale(), 'f', 2) + " k"])
            compare(octaves.barSet.values, [0.12, 0.34])
            compare(findChild(resultsPage, "octaveY").barSet.count, 0)
            verify(!resultsPage.printerConfiguration.disableChartOptions)
        }

        function test_reportWithoutSamples() {
            showResults({}, [])
            var report = resultsPage.printerConfiguration
            verify(report.disableChartOptions)
            verify(report.disableTableOptions)
            var options = report.options()
            compare(options.ckbChart, false)
            compare(options.ckbTable, false)
            compare(options.ckbOctaves, true)
            compare(options.ckbCsv, false)
        }

        // Every key the vibration report reads, switches as true or false.
        function test_reportOptionsHoldEveryKey() {
            showResults()
            var options = resultsPage.printerConfiguration.options()
            var switches = ["ckbTable", "ckbCalibration", "ckbCsv", "ckbChart", "ckbOctaves",
                            "ckbAv", "ckbAre", "ckbAren", "ckbAxisVDV", "ckbA8",
                            "ckbAreFinal", "ckbArenFinal", "ckbAxisA8Final", "ckbVDVFinal",
                            "ckbAxisVDVFinal", "ckbA8Final", "ckbCFDetail", "ckbPeakDetail",
                            "ckbMTVVDetail", "ckbAvgDetail", "ckbMinDetail", "ckbMaxDetail",
                            "ckbSensDetail", "ckbAvgRDetail", "ckbAxisVDVDetail",
                            "ckbAxisVDVexpDetail", "ckbVDVRDetail", "ckbA8Detail",
                            "ckbAreDetail", "ckbArenDetail", "cmpnyInfoEnable",
                            "collectorInfoEnable", "emplInfoEnable", "logoEnable", "obsEnable",
                            "ownCompanyInfoEnable", "repIdInfoEnable", "repInfoEnable",
                            "siteInfoEnable"]
            for (var i = 0; i < switches.length; ++i)
                compare(typeof options[switches[i]], "boolean", switches[i])
            var texts = ["fileName", "cmpnyName", "collectorName", "emplName", "logoFile",
                         "obsText", "ownCompany", "repIdReg", "repName", "siteName"]
            for (var j = 0; j < texts.length; ++j)
                compare(typeof options[texts[j]], "string", texts[j])
        }

        function test_failedReportIsShown() {
            showResults()
            var report = resultsPage.printerConfiguration
            report.outputFile.filename = "file:///tmp/vibration"
            report.show()
            verify(report.submit())
            compare(core.calls, ["startReport"])
            verify(!report.visible, "hidden while the report is written")
            core.reportFinished(-1)
            var failed = report.dialogs.printerErrorDialog
            verify(failed.visible)
            verify(report.visible, "kept open for another try")
            failed.close()
            report.hide()
        }

        function test_workingHoursAndSwitch() {
            showResults()
            verify(!resultsPage.applyWorkingHours("24:00"))
            compare(resultsPage.workingHoursError, "Working hours field shall have hh:mm format")
            verify(!resultsPage.applyWorkingHours("00:00"))
            compare(core.calls, [])
            verify(resultsPage.applyWorkingHours("06:00"))
            resultsPage.setArepEvaluation(true)
            compare(core.sent, ['{"workingHours":"06:00"}',
                                '{"datatype":"updateAvORArep","arep":true}'])
        }
    }
}
