import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import QtQuick.Dialogs 1.3
import "../../qml"

import "Dravo2Results.js" as Data
import "../../qml/VfValues.js" as Values

// The results page of a DRAVO 2 run: the run's information and samples, the
// results of its three dosimeters for the user's working hours, its charts,
// the hearing-protector evaluation and the report window.
VfResultsPage {
    id: page

    property bool hasOctave: false
    property var tabs: Data.tabsFor(false)
    // What is wrong with the working hours typed, "" when nothing is.
    readonly property alias workingHoursError: workingHours.error
    // One row per sample of the run shown.
    property QtObject samplesModel: core.samples.newTable([
        { "key": "date", "format": "time" },
        { "key": "level", "format": "number", "decimals": 2 }
    ])

    readonly property QtObject printerConfiguration: reportWindow
    property alias workingHoursField: workingHours.field
    property alias resultDos1: resultDos1
    property alias resultDos2: resultDos2
    property alias resultUser: resultUser
    property alias expInfo: expInfo
    property alias noiseChart: noiseChart
    property alias histogramChart: histogramChart
    property alias leqChart: leqChart
    property alias hearingProtector: hearingProtector
    property alias samplesTable: samplesTable

    pageTitle: "Dravo 2 - Results"
    productNames: ["DRAVO 2"]
    sideWidth: 340
    tabBar.objectName: "dravo2Tabs"
    pageOfTab: function (tab) { return Data.tabKeys.indexOf(page.tabs[tab]) }
    printerType: Dravo2PrinterConfiguration {
        objectName: "dravo2PrinterConfiguration"
        chartLeqEnabled: page.hasOctave
        hearingProtectedEnabled: page.hasOctave
    }

    // A value as shown: numbers in the user's locale, "---" for what the
    // instrument left empty.
    function valueText(value) {
        return Data.isValue(value) ? root.numberToLocalString(value) : "---"
    }

    function plainText(value) {
        return Values.plainText(value)
    }

    // "Apply" of the working hours: only hh:mm reaches core.
    function applyWorkingHours(text) {
        return workingHours.apply(text)
    }

    // Reads the current run and shows it. A recomputed run stays on the tab
    // the user is on, and its samples are not drawn again.
    function refresh() {
        return readRun(place)
    }

    onRunRead: {
        var currentKey = tabs[tabBar.currentIndex]
        hasOctave = Data.hasOctaveData(results)
        tabs = Data.tabsFor(hasOctave)
        fillResults()
        fillInfo()
        if (hasOctave) {
            leqChart.populateLeqChart(results.leqList, results.octaveAnalysis)
            hearingProtector.populateHearingProtect(results)
        }
        var index = tabs.indexOf(currentKey)
        tabBar.currentIndex = index < 0 ? 0 : index
    }
    onFillCharts: {
        noiseChart.populateChart()
        histogramChart.populateHistogram(core.samples.values("level"), page.results.sampleTime)
    }

    function fillBox(box, suffix, prefix) {
        box.title = plainText(results["label" + suffix])
        box.dose = valueText(results["dose" + suffix])
        box.dailyDose = valueText(results["dailyDose" + suffix])
        box.par1 = valueText(results["lavg" + suffix])
        box.par2 = valueText(results["ne" + suffix])
        box.par3 = valueText(results["nen" + suffix])
        box.par4 = valueText(results["twa" + suffix])
        box.exchangeRate = plainText(results[prefix + "exchangeRate"])
    }

    function fillResults() {
        fillBox(resultDos1, "Dos1", "dos1")
        fillBox(resultDos2, "Dos2", "dos2")
        fillBox(resultUser, "DosUSER", "dosUSER")
        peaksValue.text = plainText(results.nPk)
        workingHours.show(results.workingHours)
    }

    function checkText(value, date) {
        if (!Data.isValue(value))
            return "---"
        var when = Data.deviceDate(date)
        return valueText(value)
                + (when ? " (" + when.toLocaleString(Qt.locale(), Locale.ShortFormat) + ")" : "")
    }

    function fillInfo() {
        var start = Data.deviceDate(results.startTime)
        expInfo.event = plainText(experiment.eventIndex)
        expInfo.experiment = plainText(results.label)
        expInfo.date = start ? start.toLocaleString(Qt.locale(), Locale.ShortFormat) : "---"
        expInfo.expTime = plainText(results.durationStr)
        expInfo.pauseTime = plainText(results.pauseTime)
        expInfo.sampleTime = plainText(results.sampleTime)
        expInfo.timeWeighting = Data.timeWeightingText(results.dosUSERtimeWeighting)
        expInfo.frequencyWeighting = plainText(results.dosUSERfreqWeighting)
        expInfo.octaveAnalysis = Data.octaveAnalysisText(results.octaveAnalysis, results.numFreq,
                                                         qsTr("bands"))
        expInfo.preCheck = checkText(results.preCal, results.preCalDate)
        expInfo.posCheck = checkText(results.posCal, results.posCalDate)
    }

    function tabTitle(key) {
        return {
            "results": qsTr("Results"),
            "noise": qsTr("Noise x Time"),
            "histogram": qsTr("Histogram"),
            "leq": "L<sub>eq</sub> x " + qsTr("Octave"),
            "hearing": qsTr("Hearing Protector")
        }[key]
    }

    toolbarItems: VfWorkingHours {
        id: workingHours
    }

    sideItems: [
        Dravo2ExpInfo {
            id: expInfo
            objectName: "dravo2ExpInfo"
            Layout.fillWidth: true
            Layout.preferredHeight: implicitHeight
        },
        VfTable {
            id: samplesTable
            objectName: "samplesTable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            model: page.samplesModel

            VfTableViewColumn {
                role: "date"
                title: qsTr("Hour")
                width: Math.max(samplesTable.timeColumnWidth, samplesTable.viewport.width / 2)
            }
            VfTableViewColumn {
                role: "level"
                title: qsTr("Level") + " [dB]"
                width: samplesTable.viewport.width / 2
            }
        }
    ]

    tabButtons: Repeater {
        model: page.tabs
        VfTabButton {
            objectName: "tab_" + modelData
            leqTabText: page.tabTitle(modelData)
            text: page.tabTitle(modelData)
        }
    }

    tabPages: [
        VfScrollPane {
            id: resultsPane
            objectName: "resultsTab"
            padding: 16
            ColumnLayout {
                width: resultsPane.availableWidth
                spacing: 16
                VfBoxGrid {
                    Layout.fillWidth: true
                    Dravo2ResultItem {
                        id: resultDos1
                        objectName: "resultDos1"
                        title: "Dos1"
                        Layout.fillWidth: true
                    }
                    Dravo2ResultItem {
                        id: resultDos2
                        objectName: "resultDos2"
                        title: "Dos2"
                        Layout.fillWidth: true
                    }
                    Dravo2ResultItem {
                        id: resultUser
                        objectName: "resultUser"
                        title: "USER"
                        Layout.fillWidth: true
                    }
                }
                RowLayout {
                    spacing: 8
                    VfText {
                        text: qsTr("115 dB peaks occurrence") + ":"
                        font.pixelSize: 14
                        font.bold: true
                    }
                    VfText {
                        id: peaksValue
                        objectName: "peaksValue"
                        text: "---"
                        font.pixelSize: 14
                    }
                }
                Item { Layout.fillHeight: true }
            }
        },
        Dravo2NoiseChart {
            id: noiseChart
            objectName: "noiseChart"
        },
        Dravo2HistogramChart {
            id: histogramChart
            objectName: "histogramChart"
        },
        Dravo2LeqChart {
            id: leqChart
            objectName: "leqChart"
        },
        Dravo2HearingProtector {
            id: hearingProtector
            objectName: "hearingProtector"
            onSent: page.printerConfiguration.hearingProtectorReady = true
        }
    ]
}
