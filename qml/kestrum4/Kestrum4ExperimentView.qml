import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../kestrum/qml"

// One board of a "KESTRUM 4" run: the main unit or an expansion board.
KestrumBoardView {
    chartType: Kestrum4TemperatureChart {
        objectName: "temperatureChart"
    }
    boxType: Kestrum4ResultItem {
        objectName: "box_" + modelData.name
        entry: modelData
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignTop
    }
}
