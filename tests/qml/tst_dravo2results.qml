import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/dravo/qml"

// The DRAVO 2 results page and its report window against a stand-in backend.
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
        function refreshWorkingHours(text) {
            sent = sent.concat([text])
            record("refreshWorkingHours")
        }
        function refreshGeneralData(text) {
            sent = sent.concat([text])
            record("refreshGeneralData")
        }
        function startReport(text) {
            sent = sent.concat([text])
            return record("startReport")
        }
    }

    // Provides the shell's functions and dialogs to the page under test.
    Root {
        id: root
        anchors.fill: parent
        visible: false
    }

    PageDravo2Results {
        id: page
        anchors.fill: parent
    }

    function bands(frequencies, levels) {
        var list = []
        for (var i = 0; i < frequencies.length; ++i)
            list.push({ "freqIdx": String(i), "frequency": frequencies[i], "leq": levels[i] })
        return list
    }

    function run(changes) {
        var results = {
            "label": "LINE 3", "sampleTime": "60", "octaveAnalysis": "1/1", "numFreq": "9",
            "labelDos1": "NHO-01", "labelDos2": "NR-15", "labelDosUSER": "OWN",
            "dos1exchangeRate": "3", "dos2exchangeRate": "5", "dosUSERexchangeRate": "4",
            "dos1actionLevel": "80", "dos2actionLevel": "80", "dosUSERactionLevel": "75",
            "dosUSERtimeWeighting": "Fast", "dosUSERfreqWeighting": "C",
            "doseDos1": "62.5", "dailyDoseDos1": "70.1", "lavgDos1": "82.96", "neDos1": "81.1",
            "nenDos1": "82.2", "twaDos1": "80.5",
            "doseDos2": "---", "dailyDoseDos2": "", "lavgDos2": "79.1", "neDos2": "---",
            "nenDos2": "---", "twaDos2": "78.4",
            "doseDosUSER": "12.3", "dailyDoseDosUSER": "13", "lavgDosUSER": "78.3",
            "neDosUSER": "77", "nenDosUSER": "77.5", "twaDosUSER": "77.9",
            "nPk": "4", "durationStr": "00:04:00", "pauseTime": "00:10:00",
            "startTime": "24/05/17,08:30:00-12", "preCal": "94.0", "posCal": "---",
            "preCalDate": "24/05/17,08:25:00-12", "posCalDate": "", "workingHours": "08:00",
            "leqList": bands(["31.50", "63.00", "125.00", "250.00", "500.00", "1000.00",
                              "2000.00", "4000.00", "8000.00"],
                             ["61.2", "64.8", "70.1", "74.5", "78.0", "80.2", "79.6", "76.3", "70.9"])
        }
        for (var key in changes)
            results[key] = changes[key]
        return JSON.stringify({
            "deviceName": "DRAVO 2", "eventIndex": 1, "index": "3", "size": "4",
            "date": "24/05/17,08:30:00-12",
            "logList": [
                { "date": "24/05/17,08:31:00-12", "level": "84.9", "pk": "" },
                { "date": "24/05/17,08:32:00-12", "level": "85.0", "pk": "" },
                { "date": "24/05/17,08:33:00-12", "level": "", "pk": "" },
                { "date": "24/05/17,08:34:00-12", "level": "---", "pk": "" }
            ],
            "results": results
        })
    }

    // A new run, as core shows it: the page shows its samples after its next
    // frame.
    function show(changes) {
        var text = run(changes || {})
        sampleRuns.show(text)
        core.experimentSummary = text
        page.startAfresh()
        page.showRun(-3)
        testCase.tryCompare(page, "shownRun", sampleRuns.samples.runId)
    }

    function tabKeys() {
        var keys = []
        for (var i = 0; i < page.tabBar.count; ++i)
            keys.push(page.tabBar.itemAt(i).objectName)
        return keys
    }

    TestCase {
        id: testCase
        name: "Dravo2Results"
        when: windowShown

        function init() {
            core.reset()
            core.sent = []
            page.printerConfiguration.hide()
            show()
        }

        function test_workingHours_data() {
            return [
                { tag: "24:00", text: "24:00", sent: false },
                { tag: "one hour digit", text: "8:00", sent: false },
                { tag: "minutes 60", text: "07:60", sent: false },
                { tag: "no working time", text: "00:00", sent: false,
                  error: "Working hours shall be longer than 00:00" },
                { tag: "08:00", text: "08:00", sent: true },
                { tag: "23:59", text: "23:59", sent: true }
            ]
        }

        function test_workingHours(data) {
            compare(page.applyWorkingHours(data.text), data.sent)
            if (data.sent) {
                compare(core.calls, ["refreshWorkingHours"])
                compare(JSON.parse(core.sent[0]), { "workingHours": data.text })
                compare(page.workingHoursError, "")
            } else {
                compare(core.calls, [])
                compare(page.workingHoursError,
                        data.error || "Working hours field shall have hh:mm format")
            }
        }

        function test_workingHoursFromTheField() {
            page.workingHoursField.text = "24:00"
            mouseClick(findChild(page, "workingHoursApply"))
            compare(core.calls, [])
            verify(findChild(page, "workingHoursError").visible)
            page.workingHoursField.text = "08:00"
            mouseClick(findChild(page, "workingHoursApply"))
            compare(core.sent, ['{"workingHours":"08:00"}'])
            verify(!findChild(page, "workingHoursError").visible)
        }

        function test_resultBoxes() {
            compare(page.resultDos1.title, "NHO-01")
            compare(findChild(page.resultDos1, "par1Label").text, "L<sub>eq</sub> [dB]:")
            compare(findChild(page.resultDos2, "par1Label").text, "L<sub>avg</sub> [dB]:")
            compare(findChild(page.resultUser, "par1Label").text, "L<sub>eq</sub> [dB]:")
            compare(page.resultDos1.par1, root.numberToLocalString("82.96"))
            // What the instrument left empty is shown as such, never as 0.
            compare(page.resultDos2.dose, "---")
            compare(page.resultDos2.dailyDose, "---")
            compare(page.resultDos2.par2, "---")
            compare(findChild(page, "peaksValue").text, "4")
            compare(findChild(page, "infoTimeWeighting").text, "Fast (F)")
            compare(findChild(page, "infoOctaveAnalysis").text, "1/1 (9 bands)")
            compare(findChild(page, "infoPosCheck").text, "---")
        }

        function test_exchangeRateLabel_data() {
            return [
                { tag: "3", rate: "3", label: "L<sub>eq</sub> [dB]:" },
                { tag: "5", rate: "5", label: "L<sub>avg</sub> [dB]:" }
            ]
        }

        function test_exchangeRateLabel(data) {
            show({ "dos1exchangeRate": data.rate })
            compare(findChild(page.resultDos1, "par1Label").text, data.label)
        }

        function test_emptyLevelsStayOutOfCharts() {
            compare(page.samplesModel.count, 4)
            compare(page.samplesModel.get(0).date, "08:31:00")
            compare(page.samplesModel.get(2).level, "---")
            compare(page.samplesModel.get(3).level, "---")
            compare(page.noiseChart.series.count, 2)
            // 84.9 and 85.0 dB fall into the classes up to 85 and 90 dB, one
            // minute each; the samples without a level count nowhere.
            compare(page.histogramChart.axisX.categories, ["85", "90"])
            compare(page.histogramChart.barSet.values, [1, 1])
            // A band without a level is left out of the bars.
            show({ "leqList": bands(["125.00", "250.00"], ["70.1", "---"]) })
            compare(page.leqChart.barSet.values, [70.1])
            compare(page.leqChart.axisX.categories, ["125"])
        }

        function test_runWithOctaveDataHasItsTabs() {
            compare(tabKeys(), ["tab_results", "tab_noise", "tab_histogram", "tab_leq", "tab_hearing"])
            verify(page.printerConfiguration.chartLeqEnabled)
            verify(page.printerConfiguration.hearingProtectedEnabled)
        }

        function test_runWithoutOctaveData() {
            show({ "leqList": [], "numFreq": "0" })
            compare(tabKeys(), ["tab_results", "tab_noise", "tab_histogram"])
            compare(findChild(page, "infoOctaveAnalysis").text, "1/1")
            var report = page.printerConfiguration
            verify(!report.chartLeqEnabled)
            verify(!findChild(report.contentItem, "ckbChartLeq").visible)
            verify(!findChild(report.contentItem, "ckbHearingProtector").visible)
            report.outputFile.filename = "file:///tmp/report"
            verify(report.submit())
            core.reportFinished(0)
            var options = JSON.parse(core.sent[0])
            compare(options.ckbChartLeq, false)
            compare(options.ckbLeqZ, false)
            compare(options.ckbHearingProtector, false)
        }

        function test_newRunStartsOnFirstTab() {
            page.tabBar.currentIndex = 3
            page.showRun(-3)
            compare(page.tabBar.currentIndex, 3, "a recomputed run keeps the tab")
            show()
            compare(page.tabBar.currentIndex, 0)
        }

        function test_reportNeedsAFileName() {
            var report = page.printerConfiguration
            report.outputFile.filename = ""
            report.show()
            var error = findChild(report.contentItem, "fileNameError")
            var button = findChild(report.contentItem, "generatePdf")
            waitForRendering(report.contentItem)
            var place = button.mapToItem(null, 0, 0)
            verify(!error.shown)
            verify(!report.submit())
            verify(error.shown)
            compare(error.text, "File name shall not be empty")
            waitForRendering(report.contentItem)
            compare(button.mapToItem(null, 0, 0), place, "the message moves no control")
            compare(core.calls, [])
            verify(report.visible)
            report.outputFile.filename = "file:///tmp/noise"
            verify(!error.shown)
            verify(report.submit())
            verify(!report.visible)
            compare(core.calls, ["startReport"])
            core.reportFinished(0)
            var options = JSON.parse(core.sent[0])
            compare(options.fileName, "/tmp/noise")
            compare(options.ckbDos1DosiCfg, true)
            compare(options.ckbChartLeq, true)
            compare(options.ckbHearingProtector, false, "nothing evaluated yet")
            compare(options.audCertified, "")
        }

        function test_failedReportIsShown() {
            page.printerConfiguration.outputFile.filename = "file:///tmp/noise"
            page.printerConfiguration.show()
            page.printerConfiguration.submit()
            core.reportFinished(-1)
            var failed = page.printerConfiguration.dialogs.printerErrorDialog
            verify(failed.visible)
            verify(page.printerConfiguration.visible, "kept open for another try")
            failed.close()
            page.printerConfiguration.hide()
        }

        function test_recalculateSendsTheProtector() {
            var tab = page.hearingProtector
            tab.manufacturer = "ACME"
            tab.model = "EM-1"
            tab.caNumber = "12345"
            tab.setBandEntries([10, 15, 20, 25, 30, 35, 30], [2, 2, 2, 2, 3, 3, 4])
            tab.selectAnsiBMethod()
            page.tabBar.currentIndex = 4
            verify(tab.visible)
            mouseClick(tab.recalculateButton)
            compare(core.calls, ["refreshGeneralData"])
            var update = JSON.parse(core.sent[0])
            compare(update.datatype, "hearingprotect")
            compare(update.hearProtectMfc, "ACME")
            compare(update.hearProtectModel, "EM-1")
            compare(update.hearProtectCANumber, "12345")
            compare(update.hearingProtectorType, "Earmuffs")
            compare(update.stdApplied, "ANSI S12.6 (Method-B);NBR 16076;ISO/TS 4869-5")
            compare(update.stdNumber, 1)
            fuzzyCompare(update.nps125, 70.1 - 16.1, 1e-9)
            fuzzyCompare(update.npsp125, 70.1 - 16.1 - (10 - 2), 1e-9)
            compare(update.att8000, 30)
            compare(update.desv8000, 4)
            verify(page.printerConfiguration.hearingProtectorReady)
        }
    }
}
