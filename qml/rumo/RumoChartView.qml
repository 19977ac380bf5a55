import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The chart switcher of the results page: one chart per quantity of the run,
// and a button per quantity that brings its chart up. The buttons and the
// charts keep one current index.
Item {
    id: view

    // One entry per quantity: {index, quantityName, quantityUnity,
    // sampleTime, minValue, maxValue}.
    property var chartViewModel: []
    property alias currentIndex: swipe.currentIndex
    property alias count: charts.count

    // Fills every chart with the samples of the run on screen.
    function populate() {
        for (var i = 0; i < charts.count; ++i) {
            var chart = charts.itemAt(i)
            if (chart)
                chart.populateSeries()
        }
    }

    function chartAt(index) {
        return charts.itemAt(index)
    }

    onChartViewModelChanged: swipe.currentIndex = 0

    ColumnLayout {
        anchors.fill: parent
        spacing: 6

        // The buttons wrap, so that every quantity stays in reach however
        // narrow the page.
        Flow {
            id: buttons
            objectName: "chartButtons"
            Layout.fillWidth: true
            spacing: 6

            Repeater {
                model: view.chartViewModel
                delegate: Rectangle {
                    objectName: "chartButton" + index
                    width: buttonText.implicitWidth + 24
                    height: 32
                    radius: 3
                    color: index === swipe.currentIndex ? "orange" : "lightgrey"
                    VfText {
                        id: buttonText
                        anchors.centerIn: parent
                        text: modelData.quantityName
                        textFormat: Text.PlainText
                        font.pixelSize: 13
                    }
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: swipe.currentIndex = index
                    }
                }
            }
        }

        SwipeView {
            id: swipe
            objectName: "chartSwipe"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            interactive: false

            Repeater {
                id: charts
                model: view.chartViewModel
                RumoGenericChart {
                    objectName: "rumoChart" + index
                    quantityIndex: modelData.index
                    quantityName: modelData.quantityName
                    quantityUnity: modelData.quantityUnity
                    sampleTime: modelData.sampleTime
                    minValue: modelData.minValue
                    maxValue: modelData.maxValue
                }
            }
        }
    }
}
