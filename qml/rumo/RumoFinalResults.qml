import QtQuick 2.15
import QtQuick.Layouts 1.15

// The run's statistics: its minimum, average and maximum of every quantity,
// as the instrument reported them, in three boxes left to right.
Item {
    id: results

    // {minList, avgList, maxList}, each as RumoResultItem shows it.
    property var finalResultsData: ({ "minList": [], "avgList": [], "maxList": [] })

    RowLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 16

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
