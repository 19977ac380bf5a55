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

    // core.samples.runId of the run the charts show; -1 before the first.
    property int shownRun: -1
    // False while the page shows another tab.
    readonly property bool inView: SwipeView.view ? SwipeView.isCurrentItem : true

    // Shows the samples of the run on screen: the chart in view once it is
    // in view, each other one when it is brought up, so that a long run does
    // not hold the window while charts nobody looks at are drawn.
    function populate() {
        shownRun = core.samples.runId
        populateCurrent()
    }

    function populateCurrent() {
        var chart = charts.itemAt(swipe.currentIndex)
        if (inView && chart && shownRun === core.samples.runId && chart.filledRun !== shownRun)
            chart.populateSeries()
    }

    onInViewChanged: populateCurrent()

    function chartAt(index) {
        return charts.itemAt(index)
    }

    onChartViewModelChanged: {
        swipe.currentIndex = 0
        populateCurrent()
    }

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
            onCurrentIndexChanged: view.populateCurrent()

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
