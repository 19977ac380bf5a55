import QtQuick 2.15
import "../../kestrum/qml"

// The results page of a "KESTRUM 4" run: one view per board, chosen from the
// board list.
KestrumResultsPage {
    id: page

    pageTitle: "Kestrum 4 - Results"
    productName: "KESTRUM 4"

    infoType: Kestrum4ExpInfo {
        objectName: "kestrum4ExpInfo"
    }
    viewType: Kestrum4ExperimentView {
    }

    printerType: Kestrum4PrinterConfiguration {
        objectName: "kestrum4PrinterConfiguration"
    }
}
