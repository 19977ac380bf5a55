import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/tolvar/qml"
import "qrc:/tolvar4/qml"

// The report windows of both pump models: the options text they hand to the
// report writer.
Item {
    id: scene
    width: 1000
    height: 700

    FontLoader { id: fontValtrix; source: "qrc:/HANDGOTB.TTF" }
    FontLoader { id: fontSans; source: "qrc:/FreeSans, Regular.ttf" }

    FakeCore { id: core }
    // The shell's part that the windows' dialogs use.
    QtObject {
        id: root
        property QtObject operationOwner: null
    }

    TolvarPrinterConfiguration { id: window3 }
    Tolvar4PrinterConfiguration { id: window4 }

    SignalSpy { id: reportSpy; signalName: "confirmedOK" }

    // Every key in the order the window writes it; "ckbStatus" only for a
    // "TOLVAR 4".
    readonly property var everyKey: ["ckbTable", "ckbStatus", "rdkPa", "ckbChartFlow",
        "ckbChartBackPressure", "ckbCalLab", "ckbPreCal", "ckbPosCal", "ckbFlowCalLab",
        "flowCalCalibration", "collectorInfoEnable", "collectorName", "ownCompanyInfoEnable",
        "ownCompany", "emplInfoEnable", "emplName", "repInfoEnable", "repName",
        "repIdInfoEnable", "repIdReg", "listPictures", "positionInfoEnable", "position",
        "activityInfoEnable", "activity", "cmpnyInfoEnable", "cmpnyName", "siteInfoEnable",
        "siteName", "logoEnable", "logoFile", "obsEnable", "obsText", "fileName"]

    // The text fields and their texts.
    readonly property var fields: ({
        "flowCalCalibration": "0042abc 01/02/2024", "collectorName": "John Smith",
        "ownCompany": "Hygiene Services Inc.", "emplName": "Peter Brown",
        "repName": "Mary Jones", "repIdReg": "123456", "position": "Welder",
        "activity": "Grinding", "cmpnyName": "Valtrix Ltd.", "siteName": "Workshop"
    })

    TestCase {
        id: testCase
        name: "TolvarReportOptions"
        when: windowShown

        function windowOf(model) {
            return model === "TOLVAR 4" ? window4 : window3
        }

        function named(window, name) {
            var found = findChild(window.contentItem, name)
            verify(found, name)
            return found
        }

        // Opens the window of `model` with every text filled in and every
        // switch on, a logo and notes.
        function openFilled(model) {
            var window = windowOf(model)
            window.hide()
            window.showNormal()
            for (var key in fields) {
                named(window, key).text = fields[key]
                named(window, key).checked = true
            }
            named(window, "ckbChartBackPressure").checked = true
            named(window, "logoFile").filename = "file:///tmp/logo.png"
            named(window, "obsText").obstext = "Windy day"
            window.outputFile.filename = "file:///tmp/pump.pdf"
            reportSpy.target = window
            reportSpy.clear()
            return window
        }

        function sent() {
            compare(reportSpy.count, 1)
            return JSON.parse(reportSpy.signalArguments[0][0])
        }

        function cleanup() {
            window3.hide()
            window4.hide()
        }

        function test_options_data() {
            var rows = []
            var models = ["TOLVAR 3 PLUS", "TOLVAR 4"]
            for (var m = 0; m < models.length; ++m) {
                var model = models[m]
                rows.push({ tag: model + ": everything", model: model, off: [], absent: [],
                            values: { "rdkPa": true, "repName": "Mary Jones",
                                      "logoFile": "file:///tmp/logo.png", "obsText": "Windy day",
                                      "fileName": "/tmp/pump.pdf" } })
                rows.push({ tag: model + ": inH2O", model: model, off: [], inH2O: true,
                            absent: [], values: { "rdkPa": false } })
                rows.push({ tag: model + ": no reporter", model: model, off: ["repName"],
                            absent: ["repName", "repIdInfoEnable", "repIdReg"],
                            values: { "repInfoEnable": false } })
                rows.push({ tag: model + ": reporter without ID", model: model, off: ["repIdReg"],
                            absent: [],
                            values: { "repIdInfoEnable": false, "repIdReg": "123456" } })
                rows.push({ tag: model + ": no texts", model: model,
                            off: ["flowCalCalibration", "collectorName", "ownCompany",
                                  "emplName", "position", "activity", "cmpnyName",
                                  "siteName", "logoFile", "obsText"],
                            absent: ["flowCalCalibration", "collectorName", "ownCompany",
                                     "emplName", "position", "activity", "cmpnyName",
                                     "siteName", "logoFile", "obsText"],
                            values: { "ckbFlowCalLab": false, "positionInfoEnable": false,
                                      "logoEnable": false, "obsEnable": false } })
                rows.push({ tag: model + ": no sections", model: model,
                            off: ["ckbTable", "ckbChartFlow", "ckbChartBackPressure",
                                  "ckbCalLab", "ckbPreCal", "ckbPosCal"], absent: [],
                            values: { "ckbTable": false, "ckbChartFlow": false,
                                      "ckbChartBackPressure": false, "ckbCalLab": false,
                                      "ckbPreCal": false, "ckbPosCal": false } })
            }
            rows.push({ tag: "TOLVAR 4: no status", model: "TOLVAR 4", off: ["ckbStatus"],
                        absent: [], values: { "ckbStatus": false } })
            return rows
        }

        function test_options(data) {
            var window = openFilled(data.model)
            for (var i = 0; i < data.off.length; ++i)
                named(window, data.off[i]).checked = false
            if (data.inH2O)
                named(window, "rdinH2O").checked = true
            verify(window.generateReport())
            var options = sent()
            var expected = everyKey.filter(function (key) {
                return data.absent.indexOf(key) < 0
                        && (key !== "ckbStatus" || data.model === "TOLVAR 4")
            })
            compare(Object.keys(options), expected)
            for (var key in data.values)
                compare(options[key], data.values[key], key)
            compare(options.listPictures, [])
            verify(!window.errorText.shown)
        }

        // Only the ticked rows that hold a file are sent, in list order.
        function test_pictures() {
            var window = openFilled("TOLVAR 3 PLUS")
            mouseClick(named(window, "tabPictures"))
            for (var i = 0; i < 4; ++i)
                named(window, "addPicture").myButtonclicked()
            compare(window.modelPictures.count, 4)
            compare(window.modelPictures.get(0).checked, false)
            var list = named(window, "pictureList")
            tryVerify(function () { return list.itemAtIndex(3) !== null })
            var files = ["file:///tmp/a.png", "", "file:///tmp/c.png", "file:///tmp/d.png"]
            for (var r = 0; r < files.length; ++r) {
                if (files[r] !== "")
                    findChild(list.itemAtIndex(r), "pictureFile").filename = files[r]
            }
            compare(window.modelPictures.get(0).checked, true)
            compare(window.modelPictures.get(1).checked, false)
            findChild(list.itemAtIndex(2), "pictureFile").checked = false
            compare(window.modelPictures.get(2).checked, false)
            findChild(list.itemAtIndex(3), "removePicture").myButtonclicked()
            compare(window.modelPictures.count, 3)
            verify(window.generateReport())
            compare(sent().listPictures, ["file:///tmp/a.png"])
        }

        function test_emptyFileNameIsRefused_data() {
            return [{ tag: "TOLVAR 3 PLUS", model: "TOLVAR 3 PLUS" },
                    { tag: "TOLVAR 4", model: "TOLVAR 4" }]
        }

        function test_emptyFileNameIsRefused(data) {
            var window = openFilled(data.model)
            window.outputFile.filename = ""
            verify(!window.errorText.shown)
            mouseClick(window.generateButton)
            compare(reportSpy.count, 0)
            verify(window.errorText.shown)
            compare(window.errorText.text, "File name shall not be empty")
            verify(window.visible)
            window.outputFile.filename = "file:///tmp/pump.pdf"
            mouseClick(window.generateButton)
            compare(reportSpy.count, 1)
            verify(!window.errorText.shown)
        }

        // Opening the window again brings the usual report back; the
        // backpressure chart, position and activity keep the user's choice.
        function test_reopeningResetsTheTicks() {
            var window = openFilled("TOLVAR 4")
            var reset = ["ckbTable", "ckbChartFlow", "ckbPreCal", "ckbPosCal", "ckbCalLab",
                         "flowCalCalibration", "collectorName", "emplName", "repName",
                         "repIdReg", "ownCompany", "cmpnyName", "siteName", "logoFile",
                         "obsText"]
            var kept = ["ckbChartBackPressure", "position", "activity"]
            var everything = reset.concat(kept)
            for (var i = 0; i < everything.length; ++i)
                named(window, everything[i]).checked = false
            named(window, "rdinH2O").checked = true
            named(window, "addPicture").myButtonclicked()
            window.hide()
            window.showNormal()
            for (i = 0; i < reset.length; ++i)
                verify(named(window, reset[i]).checked, reset[i])
            for (i = 0; i < kept.length; ++i)
                verify(!named(window, kept[i]).checked, kept[i])
            verify(named(window, "rdkPa").checked)
            compare(window.modelPictures.count, 0)
            // The texts stay.
            compare(named(window, "repName").text, "Mary Jones")
        }

        // The writer reads the common texts and switches from the text the
        // window builds.
        function test_writerReadsTheOptions() {
            var window = openFilled("TOLVAR 3 PLUS")
            named(window, "repName").checked = false
            verify(window.generateReport())
            var read = reportOptionsReader.read(reportSpy.signalArguments[0][0])
            compare(read.fileName, "/tmp/pump.pdf")
            compare(read.emplName, "Peter Brown")
            compare(read.repInfoEnable, false)
            compare(read.repName, "")
            compare(read.repIdReg, "")
            compare(read.cmpnyName, "Valtrix Ltd.")
            compare(read.obsText, "Windy day")
        }
    }
}
