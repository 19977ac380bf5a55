import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/rumo/qml"
import "qrc:/rumo/qml/Rumo.js" as Rumo

// The RUMO results page and its report window against a stand-in backend.
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
        function prevExp() { record("prevExp") }
        function nextExp() { record("nextExp") }
    }

    // Provides the shell's functions and dialogs to the page under test.
    Root {
        id: root
        anchors.fill: parent
        visible: false
    }

    PageRumoResults {
        id: page
        anchors.fill: parent
    }

    function quantity(name, nameTr, unity) {
        return { "name": name, "nameTr": nameTr, "unity": unity }
    }

    // A run of three quantities; its "size" says five samples but it holds
    // three.
    function run(changes) {
        var results = {
            "label": "OFFICE 2", "duration": "00:03:00", "pauseTime": "00:02:00",
            "startTime": "24/05/17,08:30:00-12", "sampleTime": 60, "sensorType": "AMB",
            "experimentType": "AMB", "sensorSN": "S-0042", "sensorCertificate": "SCERT-7",
            "quantitiesInfoList": [quantity("TEMP", "Temperature", "°C"),
                                   quantity("HUM", "Humidity", "%"),
                                   quantity("IAQ", "IAQ", "")],
            "minList": ["21.115", "40", "5"], "averageList": ["1.115", "45", "---"],
            "maxList": ["23", "50", "5"]
        }
        for (var key in changes)
            results[key] = changes[key]
        return JSON.stringify({
            "deviceName": "RUMO", "eventIndex": 2, "index": "4", "size": "5",
            "date": "24/05/17,08:30:00-12",
            "logList": [
                { "date": "24/05/17,08:30:00-12", "physicalQuantitiesList": ["21.115", "40", "5"] },
                { "date": "24/05/17,08:31:00-12", "physicalQuantitiesList": ["22", "---", "5"] },
                { "date": "24/05/17,08:32:00-12", "physicalQuantitiesList": ["23", "50", "5"] }
            ],
            "results": results
        })
    }

    function show(changes, place) {
        var text = run(changes || {})
        sampleRuns.show(text)
        core.experimentSummary = text
        page.startAfresh()
        page.showRun(place === undefined ? -3 : place)
        testCase.tryCompare(page, "shownRun", sampleRuns.samples.runId)
    }

    TestCase {
        id: testCase
        name: "RumoResults"
        when: windowShown

        function init() {
            core.reset()
            core.sent = []
            page.rumocfgprn.hide()
            show()
        }

        function test_runInformation() {
            var info = page.experimentInfo
            compare(info.event, "2")
            compare(info.experiment, "OFFICE 2")
            verify(info.startTime.indexOf("8:30") >= 0, info.startTime)
            compare(info.expTime, "00:03:00")
            compare(info.sampleTime, "60")
            compare(info.experimentType, "AMB")
            compare(info.sensorSN, "S-0042")
            compare(info.sensorCertificate, "SCERT-7")
            show({ "label": "" })
            compare(page.experimentInfo.experiment, "---")
        }

        // One column per quantity; the rows are the samples the run holds,
        // whatever its size says.
        function test_tableHasAColumnPerQuantity() {
            var table = page.table
            compare(table.columnCount, 4)
            compare(table.getColumn(0).title, "Hour")
            compare(table.getColumn(1).title, "Temperature [°C]")
            compare(table.getColumn(3).title, "IAQ")
            compare(page.samplesModel.count, 3)
            var row = page.samplesModel.get(1)
            compare(row.date, "08:31:00")
            compare(row.q0, Number(22).toLocaleString(Qt.locale(), 'f', 2))
            compare(row.q1, "---")
        }

        function test_chartPerQuantity() {
            page.tabBar.currentIndex = 1
            var view = page.rumoChartView
            compare(view.count, 3)
            var chart = view.chartAt(0)
            compare(chart.title, "Temperature x Time")
            compare(chart.series.count, 3)
            // The run's minimum and maximum frame the chart.
            verify(chart.axisY.min <= 21.115 && chart.axisY.max >= 23)
            // At least one interval before the first sample, on a round time.
            verify(chart.axisX.min.getTime() <= chart.series.at(0).x - 60000)
            compare(chart.axisX.min.getSeconds(), 0)
            // Each other chart is drawn when it is brought up; the humidity
            // left empty once is drawn without it.
            view.currentIndex = 1
            compare(view.chartAt(1).series.count, 2)
            // A flat series stands between 0 and its value.
            view.currentIndex = 2
            compare(view.currentIndex, 2)
            var flat = view.chartAt(2)
            verify(flat.axisY.min <= 0 && flat.axisY.max >= 5, flat.axisY.min + " " + flat.axisY.max)
        }

        function test_statistics() {
            var data = page.evaluationResults.finalResultsData
            compare(data.avgList[0].value, Number(1.12).toLocaleString(Qt.locale(), 'f', 2))
            compare(data.avgList[2].value, "---")
            compare(data.minList[1].quantityName, "Humidity")
            compare(data.maxList[2].idx, 3)
            // A value beyond single precision cannot be the instrument's.
            show({ "maxList": ["23", "1e39", "5"] })
            compare(page.evaluationResults.finalResultsData.maxList[1].value, "---")
        }

        function test_runArrows_data() {
            return [
                { tag: "only run", place: -3, previous: false, next: false },
                { tag: "first", place: -2, previous: false, next: true },
                { tag: "last", place: -1, previous: true, next: false },
                { tag: "between", place: 0, previous: true, next: true }
            ]
        }

        function test_runArrows(data) {
            show({}, data.place)
            compare(findChild(page, "previousRun").visible, data.previous)
            compare(findChild(page, "nextRun").visible, data.next)
        }

        // The options in the order the report reads them, texts only with
        // their switches (the reporter's ID only with the reporter), both
        // index lists sorted by number and empty with their switch off.
        readonly property var everyKey: ["ckbMaxMin", "ckbAvg", "ckbCalibration", "ckbTable",
            "selectedTableColumnsList", "ckbChart", "selectedChartsList", "collectorInfoEnable",
            "collectorName", "ownCompanyInfoEnable", "ownCompany", "repInfoEnable", "repName",
            "repIdInfoEnable", "repIdReg", "cmpnyInfoEnable", "cmpnyName", "siteInfoEnable",
            "siteName", "logoEnable", "logoFile", "obsEnable", "obsText", "fileName"]

        function test_reportOptions_data() {
            return [
                { tag: "everything", off: [], absent: [], table: [1, 2, 10], charts: [0, 1, 2] },
                { tag: "no texts", off: ["collectorFldTxtInpt", "ownFldTxtInpt",
                    "reporterFldTxtInpt", "companyFldTxtInpt", "siteFldTxtInpt", "logoImage",
                    "notesField"],
                  absent: ["collectorName", "ownCompany", "repName", "repIdInfoEnable",
                    "repIdReg", "cmpnyName", "siteName", "logoFile", "obsText"],
                  table: [1, 2, 10], charts: [0, 1, 2] },
                { tag: "reporter without ID", off: ["reporterIdFldTxtInpt"],
                  absent: ["repIdReg"], table: [1, 2, 10], charts: [0, 1, 2] },
                { tag: "ID without reporter", off: ["reporterFldTxtInpt"],
                  absent: ["repName", "repIdInfoEnable", "repIdReg"],
                  table: [1, 2, 10], charts: [0, 1, 2] },
                { tag: "no table", off: ["ckbTable"], absent: [], table: [], charts: [0, 1, 2] },
                { tag: "no charts", off: ["ckbChart"], absent: [], table: [1, 2, 10], charts: [] },
                { tag: "no statistics", off: ["ckbMaxMin", "ckbAvg", "ckbCalibration"],
                  absent: [], table: [1, 2, 10], charts: [0, 1, 2] }
            ]
        }

        function test_reportOptions(data) {
            var window = page.rumocfgprn
            window.showNormal()
            findChild(window, "notesField").checked = true
            for (var i = 0; i < data.off.length; ++i)
                findChild(window, data.off[i]).checked = false
            window.selectedTableColumnsList = [10, 2, 1]
            window.selectedChartsList = [2, 0, 1]
            window.vfSelectFile.filename = "file:///tmp/rumo report"
            verify(window.submit())
            compare(core.sent.length, 1)
            core.reportFinished(0)
            var options = JSON.parse(core.sent[0])
            compare(Object.keys(options), everyKey.filter(function (key) {
                return data.absent.indexOf(key) < 0
            }))
            compare(options.selectedTableColumnsList, data.table)
            compare(options.selectedChartsList, data.charts)
            compare(options.ckbTable, data.off.indexOf("ckbTable") < 0)
            compare(options.ckbMaxMin, data.off.indexOf("ckbMaxMin") < 0)
            compare(options.fileName, "/tmp/rumo report")
            window.hide()
        }

        function test_indexListsSortByNumber() {
            compare(Rumo.sortedNumbers([10, 2, 1]), [1, 2, 10])
            var window = page.rumocfgprn
            window.showNormal()
            window.quantitiesList = Rumo.printerQuantities({ "quantitiesInfoList":
                [quantity("A", "A", ""), quantity("B", "B", ""), quantity("C", "C", "")] })
            window.selectedTableColumnsList = [10, 2, 1]
            window.selectedChartsList = [3]
            findChild(window, "ckbChart").checked = false
            var options = window.options()
            compare(options.selectedTableColumnsList, [1, 2, 10])
            compare(options.selectedChartsList, [])
            window.hide()
        }

        function test_boxesChooseQuantities() {
            var window = page.rumocfgprn
            window.showNormal()
            waitForRendering(window.contentItem)
            compare(window.selectedChartsList, [0, 1, 2])
            var box = findChild(window.contentItem, "chartQuantity1")
            mouseClick(box)
            compare(window.selectedChartsList, [0, 2])
            verify(!box.checked)
            mouseClick(box)
            compare(window.selectedChartsList, [0, 2, 1])
            mouseClick(findChild(window, "ckbTable"))
            verify(!findChild(window.contentItem, "tableQuantity0").enabled)
            window.hide()
            // Shown again, every quantity is chosen and every switch on.
            window.showNormal()
            verify(findChild(window, "ckbTable").checked)
            compare(window.selectedTableColumnsList, [0, 1, 2])
            window.hide()
        }

        function test_emptyFileNameIsRefused() {
            var window = page.rumocfgprn
            window.showNormal()
            window.vfSelectFile.filename = ""
            verify(!window.submit())
            verify(window.warningMessage.shown)
            compare(core.sent.length, 0)
            window.hide()
        }

        function test_failedReportOpensTheErrorDialog() {
            var window = page.rumocfgprn
            window.showNormal()
            window.vfSelectFile.filename = "file:///tmp/x"
            mouseClick(findChild(window, "prnConfirmBtn"))
            core.reportFinished(-1)
            verify(window.dialogs.printerErrorDialog.visible)
            verify(window.visible)
            window.dialogs.printerErrorDialog.close()
            window.hide()
        }

        function test_sensorPictures() {
            compare(Rumo.sensorPicture("LUX_UV", ""), "qrc:/IconLux_UV.png")
            compare(Rumo.sensorPicture("GAS", "NO2"), "qrc:/IconNO2.png")
            compare(Rumo.sensorPicture("GAS", "CH4"), "")
            compare(Rumo.sensorPicture("gas", "NO2"), "")
            compare(Rumo.sensorPicture("VOC", ""), "qrc:/IconVOC.png")
        }

        function test_intervals_data() {
            return [
                { tag: "59:59", text: "59:59", problem: false },
                { tag: "00:01", text: "00:01", problem: false },
                { tag: "60:00", text: "60:00", problem: true },
                { tag: "00:60", text: "00:60", problem: true },
                { tag: "00:00", text: "00:00", problem: true },
                { tag: "1:30", text: "1:30", problem: true }
            ]
        }

        function test_intervals(data) {
            compare(Rumo.intervalProblem(data.text, "format", "zero") !== "", data.problem)
        }
    }
}
