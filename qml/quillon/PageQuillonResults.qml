import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Quillon.js" as Quillon
import "../../qml/DeviceDate.js" as DeviceDate
import "../../qml/VfValues.js" as Values

// The results page of the vibration meter's runs: the shown run's
// information, the daily exposure of the chain for the user's working hours,
// the run's results by axis and time weighting, its charts, its samples and
// the report window.
VfResultsPage {
    id: page

    // The run shown has no samples: the report can print no chart or table.
    property bool noSamples: false
    // One row per sample of the run shown, the columns of the report's table.
    property QtObject samplesModel: core.samples.newTable([
        { "key": "date", "format": "time" },
        { "key": "awX", "format": "number", "decimals": 2 },
        { "key": "awY", "format": "number", "decimals": 2 },
        { "key": "awZ", "format": "number", "decimals": 2 },
        { "key": "vdvX", "format": "number", "decimals": 2 },
        { "key": "vdvY", "format": "number", "decimals": 2 },
        { "key": "vdvZ", "format": "number", "decimals": 2 },
        { "key": "fcX", "format": "number", "decimals": 2 },
        { "key": "fcY", "format": "number", "decimals": 2 },
        { "key": "fcZ", "format": "number", "decimals": 2 },
        { "key": "amr", "format": "number", "decimals": 2 }
    ])

    readonly property QtObject printerConfiguration: reportWindow
    property alias workingHoursField: workingHours.field
    // What is wrong with the working hours typed, "" when nothing is.
    readonly property alias workingHoursError: workingHours.error
    property alias expInfo: expInfo
    property alias accelerationChart: accelerationChart
    property alias samplesTable: samplesTable

    pageTitle: "Quillon - " + qsTr("Results")
    productNames: ["QUILLON"]
    sideWidth: 360
    tabBar.objectName: "quillonTabs"
    printerType: QuillonPrinterConfiguration {
        objectName: "quillonPrinterConfiguration"
        disableChartOptions: page.noSamples
        disableTableOptions: page.noSamples
    }

    readonly property string acceleration: " [m/s<sup>2</sup>]"
    readonly property string dose: " [m/s<sup>1.75</sup>]"
    readonly property var axisColumns: [{ "key": "X", "title": "X" }, { "key": "Y", "title": "Y" },
                                        { "key": "Z", "title": "Z" }]

    // A value as shown: two decimals in the user's locale, "---" for what is
    // not a number.
    function valueText(value) {
        return Values.valueText(value, Qt.locale())
    }

    function axisValues(prefix, suffix) {
        var texts = []
        for (var a = 0; a < Quillon.axes.length; ++a)
            texts.push(valueText(results[prefix + Quillon.axes[a] + (suffix || "")]))
        return texts
    }

    // An instrument date-time as its own wall-clock time, "hh:mm:ss".
    function clockText(text) {
        var d = text ? DeviceDate.deviceDate(text) : null
        return d ? d.toLocaleTimeString(Qt.locale(), "hh:mm:ss") : "---"
    }

    // "Apply" of the working hours: only hh:mm of a working day reaches core.
    function applyWorkingHours(text) {
        return workingHours.apply(text)
    }

    // The a_v / a_rep switch of the run shown.
    function setArepEvaluation(arep) {
        if (!!results.bArepEvaluation === arep)
            return
        core.refreshGeneralData(JSON.stringify({ "datatype": "updateAvORArep", "arep": arep }))
    }

    // Reads the current run and shows it; false when it is no vibration run.
    function refresh() {
        return readRun(place)
    }

    onRunRead: {
        workingHours.show(results.workingHours)
        fillInfo()
        fillTabs()
        var octaves = results.amrList || []
        octaveX.populate(octaves[0], results.octaveAnalysis)
        octaveY.populate(octaves[1], results.octaveAnalysis)
        octaveZ.populate(octaves[2], results.octaveAnalysis)
        noSamples = core.samples.count === 0
    }
    // The table follows the run by itself.
    onFillCharts: accelerationChart.populateChart()

    function fillInfo() {
        var start = results.startTime ? DeviceDate.deviceDate(results.startTime) : null
        var weightings = [], factors = [], sensitivities = []
        for (var a = 0; a < Quillon.axes.length; ++a) {
            var axis = Quillon.axes[a] + ": "
            weightings.push(axis + Values.plainText(results["freqWeighting" + Quillon.axes[a]]))
            factors.push(axis + valueText(results["f" + Quillon.axes[a]]))
            sensitivities.push(axis + valueText(results["sensitivity" + Quillon.axes[a]]))
        }
        expInfo.info = {
            "event": Values.plainText(experiment.eventIndex),
            "label": Values.plainText(results.label),
            "application": Quillon.applicationText(results.evaluationType),
            "date": start ? start.toLocaleDateString(Qt.locale(), Locale.ShortFormat) : "---",
            "startTime": clockText(results.startTime),
            "stopTime": clockText(results.stopTime),
            "duration": Values.plainText(results.durationStr),
            "pauseTime": Values.plainText(results.pauseTime),
            "sampleTime": Values.plainText(results.sampleTime),
            "exposureTime": Quillon.exposureText(results.exposureTime),
            "timeWeighting": Values.plainText(results.timeWeighting),
            "frequencyWeighting": weightings.join("  "),
            "factors": factors.join("  "),
            "octaveAnalysis": Values.plainText(results.octaveAnalysis),
            "sensor": Values.plainText(results.sensorLabel) + " (" + qsTr("SN") + ": "
                      + Values.plainText(results.sensorSN) + ")",
            "sensitivities": sensitivities.join("  ")
        }
    }

    function fillTabs() {
        var vdvExp = axisValues("vdv", "exp")
        var a8 = [valueText(results.a8x), valueText(results.a8y), valueText(results.a8z)]
        dailyGrid.rows = [
            { "name": "are", "title": "a<sub>re</sub>" + acceleration, "values": [valueText(results.are)] },
            { "name": "aren", "title": "a<sub>ren</sub>" + acceleration, "values": [valueText(results.aren)] },
            // The day's A(8) is its exposure normalised to 8 h, as the report prints it.
            { "name": "a8", "title": "A(8)" + acceleration, "values": [valueText(results.aren)] },
            { "name": "a8X", "title": "A(8)X" + acceleration, "values": [a8[0]] },
            { "name": "a8Y", "title": "A(8)Y" + acceleration, "values": [a8[1]] },
            { "name": "a8Z", "title": "A(8)Z" + acceleration, "values": [a8[2]] },
            { "name": "vdvExpX", "title": "VDVexpX" + dose, "values": [vdvExp[0]] },
            { "name": "vdvExpY", "title": "VDVexpY" + dose, "values": [vdvExp[1]] },
            { "name": "vdvExpZ", "title": "VDVexpZ" + dose, "values": [vdvExp[2]] },
            { "name": "vdvR", "title": "VDVR" + dose, "values": [valueText(results.vdvR)] },
            { "name": "fc", "title": qsTr("Crest factor"), "values": [valueText(results.fc)] }
        ]
        doseGrid.rows = [
            { "name": "runVdv", "title": "VDV" + dose, "values": axisValues("vdv") },
            { "name": "runVdvExp", "title": "VDVexp" + dose, "values": axisValues("vdv", "expi") }
        ]
        runVdvR.text = valueText(Quillon.runVdvR(results))

        var average = []
        for (var a = 0; a < Quillon.axes.length; ++a)
            average.push(valueText(results[Quillon.averageKey(results, Quillon.axes[a])]))
        var crest = axisValues("fc")
        resultsGrid.rows = [
            { "name": "maximum", "title": qsTr("Maximum") + acceleration, "values": axisValues("aMax") },
            { "name": "minimum", "title": qsTr("Minimum") + acceleration, "values": axisValues("aMin") },
            { "name": "average", "title": (results.bArepEvaluation ? "a<sub>rep</sub>" : "a<sub>m</sub>")
                                          + acceleration, "values": average },
            { "name": "peak", "title": qsTr("Peak") + acceleration, "values": axisValues("ap") },
            { "name": "mtvv", "title": "MTVV" + acceleration, "values": axisValues("aMax", "S") },
            { "name": "crestFactor", "title": qsTr("Crest factor"), "values": crest }
        ]
        arepValue.text = valueText(results.arep)
        amrValue.text = valueText(results.amrGlobal)

        var grids = [weightingF, weightingS, weightingL]
        for (var w = 0; w < Quillon.weightings.length; ++w) {
            var letter = Quillon.weightings[w].letter
            var times = []
            for (var t = 0; t < Quillon.axes.length; ++t)
                times.push(clockText(results["max" + Quillon.axes[t] + letter + "Time"]))
            grids[w].rows = [
                { "name": "value" + letter, "title": qsTr("Value") + acceleration,
                  "values": axisValues("a", letter) },
                { "name": "maximum" + letter, "title": qsTr("Maximum") + acceleration,
                  "values": axisValues("aMax", letter) },
                { "name": "minimum" + letter, "title": qsTr("Minimum") + acceleration,
                  "values": axisValues("aMin", letter) },
                { "name": "maximumTime" + letter, "title": qsTr("Time of maximum"), "values": times }
            ]
        }
    }

    toolbarItems: [
        VfWorkingHours {
            id: workingHours
        },
        VfRadioButton {
            objectName: "avButton"
            text: "a<sub>v</sub>"
            checked: !page.results.bArepEvaluation
            onClicked: page.setArepEvaluation(false)
        },
        VfRadioButton {
            objectName: "arepButton"
            text: "a<sub>rep</sub>"
            checked: !!page.results.bArepEvaluation
            onClicked: page.setArepEvaluation(true)
        }
    ]

    sideItems: ScrollView {
        id: leftColumn
        Layout.fillWidth: true
        Layout.fillHeight: true
        contentWidth: availableWidth
        clip: true

        QuillonExpInfo {
            id: expInfo
            objectName: "quillonExpInfo"
            width: leftColumn.availableWidth
            height: implicitHeight
        }
    }

    tabButtons: [
        VfTabButton { objectName: "tab_daily"; text: qsTr("Daily exposure") },
        VfTabButton { objectName: "tab_results"; text: qsTr("Results") },
        VfTabButton { objectName: "tab_weighting"; text: qsTr("Time weighting") },
        VfTabButton { objectName: "tab_chart"; text: qsTr("Chart") },
        VfTabButton { objectName: "tab_octaves"; text: qsTr("Octaves") },
        VfTabButton { objectName: "tab_samples"; text: qsTr("Samples") }
    ]

    tabPages: [
        VfScrollPane {
            objectName: "dailyTab"
            padding: 16
            ColumnLayout {
                id: dailyColumn
                spacing: 18
                VfText {
                    text: qsTr("Working day") + " (" + qsTr("Working hours") + ": "
                          + Values.plainText(page.results.workingHours) + ")"
                    font.pixelSize: 15
                    font.bold: true
                }
                QuillonValueGrid { id: dailyGrid; objectName: "dailyGrid" }
                VfText {
                    text: qsTr("Dose of the run")
                    font.pixelSize: 15
                    font.bold: true
                }
                QuillonValueGrid {
                    id: doseGrid
                    objectName: "doseGrid"
                    columnsOf: page.axisColumns
                }
                RowLayout {
                    spacing: 24
                    VfText {
                        text: "VDVR" + page.dose
                        font.pixelSize: 14
                        font.bold: true
                    }
                    VfText {
                        id: runVdvR
                        objectName: "runVdvR"
                        text: "---"
                        font.pixelSize: 14
                    }
                }
            }
        },
        VfScrollPane {
            objectName: "resultsTab"
            padding: 16
            ColumnLayout {
                spacing: 18
                QuillonValueGrid {
                    id: resultsGrid
                    objectName: "resultsGrid"
                    columnsOf: page.axisColumns
                }
                GridLayout {
                    columns: 2
                    columnSpacing: 24
                    VfText {
                        text: "a<sub>rep</sub>" + page.acceleration
                        font.pixelSize: 14
                        font.bold: true
                    }
                    VfText {
                        id: arepValue
                        objectName: "arepValue"
                        text: "---"
                        font.pixelSize: 14
                    }
                    VfText {
                        text: "a<sub>mr</sub>" + page.acceleration
                        font.pixelSize: 14
                        font.bold: true
                    }
                    VfText {
                        id: amrValue
                        objectName: "amrValue"
                        text: "---"
                        font.pixelSize: 14
                    }
                }
            }
        },
        VfScrollPane {
            objectName: "weightingTab"
            padding: 16
            ColumnLayout {
                id: weightingColumn
                spacing: 12
                VfText { text: qsTr("Fast") + " (F)"; font.pixelSize: 15; font.bold: true }
                QuillonValueGrid { id: weightingF; objectName: "weightingF"; columnsOf: page.axisColumns }
                VfText { text: qsTr("Slow") + " (S)"; font.pixelSize: 15; font.bold: true }
                QuillonValueGrid { id: weightingS; objectName: "weightingS"; columnsOf: page.axisColumns }
                VfText { text: qsTr("Low-frequency") + " (L)"; font.pixelSize: 15; font.bold: true }
                QuillonValueGrid { id: weightingL; objectName: "weightingL"; columnsOf: page.axisColumns }
            }
        },
        QuillonAccelerationChart {
            id: accelerationChart
            objectName: "accelerationChart"
        },
        VfChartColumn {
            objectName: "octavesTab"
            QuillonOctaveChart {
                id: octaveX
                objectName: "octaveX"
                axis: "X"
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
            QuillonOctaveChart {
                id: octaveY
                objectName: "octaveY"
                axis: "Y"
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
            QuillonOctaveChart {
                id: octaveZ
                objectName: "octaveZ"
                axis: "Z"
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        },
        VfTable {
            id: samplesTable
            objectName: "samplesTable"
            // A hidden page's table lays out no rows while another page
            // shows a run.
            model: page.visible ? page.samplesModel : null
            // Narrow windows scroll the table sideways rather than
            // run its columns into each other.
            readonly property real cellWidth: Math.max(viewport.width / 12, 72)
            headerHeight: 46

            VfTableViewColumn {
                role: "date"
                title: qsTr("Idx")
                width: samplesTable.cellWidth
                delegate: Text {
                    text: root.leftPad(styleData.row + 1, 3)
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.family: fontSans.name
                    font.pixelSize: 13
                }
            }
            VfTableViewColumn {
                role: "date"
                title: qsTr("D/T")
                width: Math.max(samplesTable.cellWidth, samplesTable.timeColumnWidth)
            }
            VfTableViewColumn { role: "awX"; title: "a<sub>wX</sub>" + page.acceleration; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "awY"; title: "a<sub>wY</sub>" + page.acceleration; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "awZ"; title: "a<sub>wZ</sub>" + page.acceleration; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "vdvX"; title: "VDV<sub>X</sub>" + page.dose; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "vdvY"; title: "VDV<sub>Y</sub>" + page.dose; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "vdvZ"; title: "VDV<sub>Z</sub>" + page.dose; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "fcX"; title: "CF<sub>X</sub>"; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "fcY"; title: "CF<sub>Y</sub>"; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "fcZ"; title: "CF<sub>Z</sub>"; width: samplesTable.cellWidth }
            VfTableViewColumn { role: "amr"; title: "a<sub>mr</sub>" + page.acceleration; width: samplesTable.cellWidth }
        }
    ]
}
