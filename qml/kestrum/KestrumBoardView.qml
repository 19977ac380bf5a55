import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "KestrumPages.js" as Pages

// One board of a run: its samples in a table, its temperature chart and its
// result boxes, on three tabs. The model's page gives the chart and the box
// types; the page sets `board`, `table` (a core.samples table of the board)
// and `model` (a KestrumPages.boardModel()).
Item {
    id: view

    property int board: 0
    property QtObject table: null
    property var model: null
    // A temperature chart and a result box of the model (the box gets its
    // values through `entry`, from `modelData`).
    property Component chartType
    property Component boxType

    property alias tabBar: tabBar
    property alias samplesTable: samplesTable
    readonly property var chart: chartLoader.item
    readonly property string unit: Pages.unitSuffix(model ? model.unity : "")
    readonly property var boxes: Pages.boxes(model, root.numberToLocalString)

    // Puts the board's samples into the chart (once the run's samples are on
    // screen: the page's VfSampleCharts calls it).
    function fillChart() {
        if (chart && model)
            chart.populateChart(model)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // The tabs share the bar in thirds. (A view made while hidden, an
        // expansion board, has no width yet: a TabBar would keep the tab
        // places it took then.)
        Row {
            id: tabBar
            objectName: "boardTabs"
            Layout.fillWidth: true

            property int currentIndex: 0
            readonly property int count: tabTitles.count

            Repeater {
                id: tabTitles
                model: [
                    { "name": "tabTable", "text": qsTr("Table") },
                    { "name": "tabChart", "text": qsTr("Temperature x Time") },
                    { "name": "tabResults", "text": qsTr("Results") }
                ]
                VfTabButton {
                    objectName: modelData.name
                    width: tabBar.width / tabTitles.count
                    text: modelData.text
                    checkable: false
                    autoExclusive: false
                    checked: tabBar.currentIndex === index
                    onClicked: tabBar.currentIndex = index
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: "#ffffff"
            border.color: "#b3b5b4"

            StackLayout {
                anchors.fill: parent
                anchors.margins: 1
                currentIndex: tabBar.currentIndex

                VfTable {
                    id: samplesTable
                    objectName: "samplesTable"
                    // A hidden board's table lays out no rows while another
                    // page or board shows.
                    model: view.visible ? view.table : null

                    VfTableViewColumn { role: "date"; title: qsTr("Hour"); width: 130 }
                    VfTableViewColumn {
                        role: "wetTemperature"
                        title: Pages.quantities[0].title + view.unit
                        width: 140
                    }
                    VfTableViewColumn {
                        role: "dryTemperature"
                        title: Pages.quantities[1].title + view.unit
                        width: 140
                    }
                    VfTableViewColumn {
                        role: "globeTemperature"
                        title: Pages.quantities[2].title + view.unit
                        width: 140
                    }
                    VfTableViewColumn {
                        role: "WBGTi"
                        title: Pages.quantities[3].title + view.unit
                        width: 140
                    }
                    VfTableViewColumn {
                        role: "WBGTo"
                        title: Pages.quantities[4].title + view.unit
                        width: 140
                    }
                }

                VfChartColumn {
                    Loader {
                        id: chartLoader
                        objectName: "chartLoader"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        sourceComponent: view.chartType
                    }
                }

                VfScrollPane {
                    id: resultsPane
                    objectName: "resultsTab"
                    padding: 20
                    VfBoxGrid {
                        width: resultsPane.availableWidth
                        boxWidth: 190
                        maxColumns: 5
                        columnSpacing: 14
                        rowSpacing: 14

                        Repeater {
                            model: view.boxes
                            delegate: view.boxType
                        }
                    }
                }
            }
        }
    }
}
