import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The run's statistics: its minimum, average and maximum of every quantity,
// as the instrument reported them, in three boxes left to right (below one
// another in a narrow window).
VfScrollPane {
    id: results

    // {minList, avgList, maxList}, each as RumoResultItem shows it.
    property var finalResultsData: ({ "minList": [], "avgList": [], "maxList": [] })

    padding: 16

    VfBoxGrid {
        width: results.availableWidth
        boxWidth: 240

        RumoResultItem {
            objectName: "minBox"
            title: qsTr("Min")
            model: results.finalResultsData.minList
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
        }
        RumoResultItem {
            objectName: "avgBox"
            title: qsTr("Avg")
            model: results.finalResultsData.avgList
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
        }
        RumoResultItem {
            objectName: "maxBox"
            title: qsTr("Max")
            model: results.finalResultsData.maxList
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignTop
        }
    }
}
