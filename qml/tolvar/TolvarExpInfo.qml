import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The run information of a pump results page: event, flow checks, run name,
// times and sampler; the "TOLVAR 4" panel adds the run status
// (`showStatus`).
VfRectangle {
    id: info

    property bool showStatus: false
    property alias event: eventElement.value
    property alias preCal: preCalElement.value
    property alias posCal: posCalElement.value
    property alias experiment: experimentElement.value
    property alias startTime: startTimeElement.value
    property alias expTime: expTimeElement.value
    property alias totalTime: totalTimeElement.value
    property alias sampleTime: sampleTimeElement.value
    property alias pauseTime: pauseTimeElement.value
    property alias samplerType: samplerTypeElement.value
    property alias status: statusElement.value

    // A narrow page sets the sampler and the status below the other columns.
    readonly property bool narrow: width < 1000

    border.color: "black"
    implicitHeight: grid.implicitHeight + 46

    GridLayout {
        id: grid
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 14; rightMargin: 14; topMargin: 14 }
        columns: 4
        flow: GridLayout.LeftToRight
        columnSpacing: 30
        rowSpacing: 6

        VfInfoElement {
            id: eventElement
            Layout.row: 0; Layout.column: 0
            label: qsTr("Event") + ":"
        }
        VfInfoElement {
            id: preCalElement
            Layout.row: 1; Layout.column: 0
            label: qsTr("Pre check") + " [<sup>L</sup>/<sub>min</sub>]:"
        }
        VfInfoElement {
            id: posCalElement
            Layout.row: 2; Layout.column: 0
            label: qsTr("Pos check") + "  [<sup>L</sup>/<sub>min</sub>]:"
        }
        VfInfoElement {
            id: experimentElement
            Layout.row: 0; Layout.column: 1
            label: qsTr("Experiment") + ":"
        }
        VfInfoElement {
            id: startTimeElement
            Layout.row: 1; Layout.column: 1
            label: qsTr("Date") + ":"
        }
        VfInfoElement {
            id: expTimeElement
            Layout.row: 2; Layout.column: 1
            label: qsTr("Exp time") + ":"
        }
        VfInfoElement {
            id: totalTimeElement
            Layout.row: 0; Layout.column: 2
            label: qsTr("Set time") + ":"
        }
        VfInfoElement {
            id: sampleTimeElement
            Layout.row: 1; Layout.column: 2
            label: qsTr("Sample time") + " [s]:"
        }
        VfInfoElement {
            id: pauseTimeElement
            Layout.row: 2; Layout.column: 2
            label: qsTr("Pause time") + ":"
        }
        VfInfoElement {
            id: samplerTypeElement
            Layout.row: info.narrow ? 3 : 0
            Layout.column: info.narrow ? 0 : 3
            label: qsTr("Sampler") + ":"
            value: "---"
        }
        VfInfoElement {
            id: statusElement
            Layout.row: info.narrow ? 3 : 1
            Layout.column: info.narrow ? 1 : 3
            visible: info.showStatus
            label: qsTr("Status") + ":"
            value: "---"
        }
    }
}
