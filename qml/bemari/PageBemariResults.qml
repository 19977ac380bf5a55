import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "SoundLevelPages.js" as Data

// The results page of a "BEMARI" run (and, through PageBemariPlusResults, of
// a "BEMARI+" run): the run's information and records, its level and band
// charts, its result boxes and the report window. The parts that differ
// between the models are the components below, which each model's page
// sets.
VfResultsPage {
    id: page

    // The product name of the runs this page shows.
    property string modelName: "BEMARI"
    property Component expInfoComponent: Component { BemariExpInfo {} }
    property Component noiseChartComponent: Component { BemariNoiseChart {} }
    property Component leqChartComponent: Component { BemariLeqChart {} }
    property Component printerComponent: Component { BemariPrinterConfiguration {} }
    // The "Results" tab: an item with show(results, locale).
    // The boxes side by side, the second below the first in a narrow window.
    property Component resultsComponent: Component {
        Flow {
            function show(results, locale) {
                var labels = Data.analysisLabels(results.freqWeighting, results.timeWeighting)
                for (var i = 0; i < labels.length; ++i) {
                    analysisBox["par" + (i + 1) + "Label"] = labels[i].label
                    analysisBox["par" + (i + 1)] = Data.levelText(results[labels[i].key], locale)
                }
                for (var j = 0; j < Data.statistics.length; ++j) {
                    statisticsBox["par" + (j + 1) + "Label"] = Data.levelLabel(Data.statistics[j].sub)
                    statisticsBox["par" + (j + 1)] =
                            Data.levelText(results[Data.statistics[j].key], locale)
                }
            }

            spacing: 16
            BemariResultItem {
                id: analysisBox
                objectName: "analysisBox"
                title: qsTr("Analysis")
            }
            BemariResultItem {
                id: statisticsBox
                objectName: "statisticsBox"
                title: qsTr("Statistics")
            }
        }
    }

    // One row per record of the run shown.
    property QtObject samplesModel: core.samples.newTable([
        { "key": "date", "format": "time" },
        { "key": "level", "format": "number", "decimals": 2 }
    ])

    readonly property Item expInfo: expInfoLoader.item
    readonly property Item noiseChart: noiseChartLoader.item
    readonly property Item leqChart: leqChartLoader.item
    readonly property Item resultsView: resultsLoader.item
    readonly property QtObject printerConfiguration: reportWindow
    property alias samplesTable: samplesTable

    pageTitle: "Bemari - Results"
    productNames: [modelName]
    printerType: page.printerComponent
    sideWidth: 340
    tabBar.objectName: "bemariTabs"

    // Reads the current run and shows it when it is one of this model's.
    function refresh() {
        return readRun(place)
    }

    onRunRead: {
        var locale = Qt.locale()
        fillInfo(locale)
        resultsView.show(results, locale)
        leqChart.populateLeqChart(results.leqList, results.octaveAnalysis)
        printerConfiguration.setRun(results, core.samples.count > 0)
    }
    // The level chart takes the records once per run.
    onFillCharts: page.noiseChart.populateChart(page.results)

    function fillInfo(locale) {
        var start = Data.deviceDate(results.startTime)
        var info = expInfo
        info.event = Data.plainText(experiment.eventIndex)
        info.experiment = Data.plainText(results.label)
        info.date = start ? start.toLocaleString(locale, Locale.ShortFormat) : "---"
        info.expTime = Data.plainText(results.durationStr)
        info.pauseTime = Data.plainText(results.pauseTime)
        info.sampleTime = Data.plainText(results.sampleTime)
        info.timeWeighting = Data.timeWeightingText(results.timeWeighting, {
            "Slow": qsTr("Slow"), "Fast": qsTr("Fast"), "Impulse": qsTr("Impulse") })
        info.frequencyWeighting = Data.plainText(results.freqWeighting)
        info.octaveAnalysis = Data.plainText(results.octaveAnalysis)
        info.preCheck = Data.checkText(results.preChk, checkDate(results.preChkDate, locale), locale)
        info.posCheck = Data.checkText(results.posChk, checkDate(results.posChkDate, locale), locale)
    }

    function checkDate(text, locale) {
        var when = Data.deviceDate(text)
        return when ? when.toLocaleString(locale, Locale.ShortFormat) : ""
    }

    // The level title of the run shown: "L<sub>A</sub>eq" style.
    readonly property string levelTitle: Data.levelTitle(results.freqWeighting)

    sideItems: [
        Loader {
            id: expInfoLoader
            Layout.fillWidth: true
            Layout.preferredHeight: item ? item.implicitHeight : 0
            sourceComponent: page.expInfoComponent
            onLoaded: item.objectName = "bemariExpInfo"
        },
        VfTable {
            id: samplesTable
            objectName: "samplesTable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            // A hidden page's table lays out no rows while another page
            // shows a run.
            model: page.visible ? page.samplesModel : null

            VfTableViewColumn {
                role: "date"
                title: qsTr("Hour")
                width: Math.max(samplesTable.timeColumnWidth, samplesTable.viewport.width / 2)
            }
            VfTableViewColumn {
                role: "level"
                title: page.levelTitle + " [dB]"
                width: samplesTable.viewport.width / 2
            }
        }
    ]

    tabButtons: [
        VfTabButton {
            objectName: "tab_noise"
            text: page.levelTitle + " x " + qsTr("Time")
        },
        VfTabButton {
            objectName: "tab_leq"
            text: "L<sub>eq</sub> x " + qsTr("Octave")
        },
        VfTabButton {
            objectName: "tab_results"
            text: qsTr("Results")
        }
    ]

    tabPages: [
        Loader {
            id: noiseChartLoader
            sourceComponent: page.noiseChartComponent
            onLoaded: item.objectName = "noiseChart"
        },
        Loader {
            id: leqChartLoader
            sourceComponent: page.leqChartComponent
            onLoaded: item.objectName = "leqChart"
        },
        VfScrollPane {
            id: resultsPane
            objectName: "resultsTab"
            padding: 16
            Loader {
                id: resultsLoader
                // As wide as the tab: the boxes fit themselves to it.
                width: resultsPane.availableWidth
                sourceComponent: page.resultsComponent
                onLoaded: item.objectName = "resultsView"
            }
        }
    ]
}
