import QtQuick 2.15
import "../../kestrum/qml"

// The results page of a "KESTRUM 4" run: one view per board, chosen from the
// board list.
KestrumResultsPage {
    id: page

    pageTitle: "Kestrum 4 - Results"
    productName: "KESTRUM 4"
    printerWindow: printerConfiguration

    infoType: Kestrum4ExpInfo {
        objectName: "kestrum4ExpInfo"
    }
    viewType: Kestrum4ExperimentView {
    }

    Kestrum4PrinterConfiguration {
        id: printerConfiguration
        objectName: "kestrum4PrinterConfiguration"
    }
}
