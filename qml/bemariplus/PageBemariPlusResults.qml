import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../bemari/qml"

import "../../bemari/qml/SoundLevelPages.js" as Data

// The results page of a "BEMARI+" run: the "BEMARI" page with this model's
// information grid, charts, report window and its three result boxes:
// "Analysis" (Z, C and A), "Statistics" and "Max/Min".
PageBemariResults {
    id: page

    pageTitle: "Bemari+  Results"
    modelName: "BEMARI+"
    expInfoComponent: Component { BemariPlusExpInfo {} }
    noiseChartComponent: Component { BemariPlusNoiseChart {} }
    leqChartComponent: Component { BemariPlusLeqChart {} }
    printerComponent: Component { BemariPlusPrinterConfiguration {} }
    resultsComponent: Component {
        ColumnLayout {
            // The cells of `layout` ({sub, key}) with the run's values.
            function cells(layout, results, locale) {
                var filled = []
                for (var i = 0; i < layout.length; ++i)
                    filled.push({ "sub": layout[i].sub,
                                  "value": Data.levelText(results[layout[i].key], locale) })
                return filled
            }
            function show(results, locale) {
                analysisBox.cells = cells(Data.plusAnalysis, results, locale)
                statisticsBox.cells = cells(Data.statistics, results, locale)
                maxMinBox.cells = cells(Data.plusMaxMin, results, locale)
            }

            spacing: 16
            BemariPlusResultItem {
                id: analysisBox
                objectName: "analysisBox"
                title: qsTr("Analysis")
            }
            BemariPlusStatisticsItem {
                id: statisticsBox
                objectName: "statisticsBox"
                title: qsTr("Statistics")
            }
            BemariPlusMaxMinItem {
                id: maxMinBox
                objectName: "maxMinBox"
                title: qsTr("Max/Min")
            }
        }
    }
}
