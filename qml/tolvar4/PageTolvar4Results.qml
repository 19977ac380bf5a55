import QtQuick 2.15
import "../../tolvar/qml"

// The results page of a "TOLVAR 4" run: a pump results page with the run
// status and the samples drawn as points.
PageTolvarResults {
    productName: "TOLVAR 4"
    showStatus: true
    infoType: Tolvar4ExpInfo {}
    flowChartType: Tolvar4FlowChart {}
    pressChartType: Tolvar4PressChart {}
    printerType: Tolvar4PrinterConfiguration {
        objectName: "tolvar4PrinterConfiguration"
    }
}
