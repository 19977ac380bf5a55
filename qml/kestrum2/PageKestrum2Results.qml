import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../kestrum/qml"

// The results page of a "KESTRUM 2" run: its samples, chart and results.
KestrumResultsPage {
    id: page

    pageTitle: "Kestrum 2 - Results"
    productName: "KESTRUM 2"

    infoType: Kestrum2ExpInfo {
        objectName: "kestrum2ExpInfo"
    }
    viewType: KestrumBoardView {
        chartType: Kestrum2TemperatureChart {
            objectName: "temperatureChart"
        }
        boxType: Kestrum2ResultItem {
            objectName: "box_" + modelData.name
            entry: modelData
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
        }
    }

    printerType: Kestrum2PrinterConfiguration {
        objectName: "kestrum2PrinterConfiguration"
    }
}
