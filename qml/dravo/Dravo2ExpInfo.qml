import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The run information panel of the results page: one label and value per row.
VfRectangle {
    id: info

    property string event: "---"
    property string experiment: "---"
    property string date: "---"
    property string expTime: "---"
    property string pauseTime: "---"
    property string sampleTime: "---"
    property string timeWeighting: "---"
    property string frequencyWeighting: "---"
    property string octaveAnalysis: "---"
    property string preCheck: "---"
    property string posCheck: "---"

    label: qsTr("Experiment")
    implicitHeight: grid.implicitHeight + 44

    GridLayout {
        id: grid
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 12; rightMargin: 12; topMargin: 34 }
        columns: 2
        columnSpacing: 10
        rowSpacing: 3

        Repeater {
            model: [
                { "label": qsTr("Event") + ":", "value": info.event, "name": "infoEvent" },
                { "label": qsTr("Experiment") + ":", "value": info.experiment, "name": "infoExperiment" },
                { "label": qsTr("Date") + ":", "value": info.date, "name": "infoDate" },
                { "label": qsTr("Exp time") + ":", "value": info.expTime, "name": "infoExpTime" },
                { "label": qsTr("Pause time") + ":", "value": info.pauseTime, "name": "infoPauseTime" },
                { "label": qsTr("Sample time") + " [s]:", "value": info.sampleTime, "name": "infoSampleTime" },
                { "label": qsTr("Time weighting") + ":", "value": info.timeWeighting, "name": "infoTimeWeighting" },
                { "label": qsTr("Frequency weighting") + ":", "value": info.frequencyWeighting, "name": "infoFrequencyWeighting" },
                { "label": qsTr("Octave analysis") + ":", "value": info.octaveAnalysis, "name": "infoOctaveAnalysis" },
                { "label": qsTr("Pre check") + " [dB]:", "value": info.preCheck, "name": "infoPreCheck" },
                { "label": qsTr("Pos check") + " [dB]:", "value": info.posCheck, "name": "infoPosCheck" }
            ]
            delegate: Item {
                Layout.columnSpan: 2
                Layout.fillWidth: true
                implicitHeight: Math.max(labelText.implicitHeight, valueText.implicitHeight)
                Dravo2Text {
                    id: labelText
                    anchors { left: parent.left; top: parent.top; bottom: parent.bottom }
                    width: 146
                    text: modelData.label
                    font.bold: true
                    font.pixelSize: 13
                }
                Dravo2Text {
                    id: valueText
                    objectName: modelData.name
                    anchors { left: labelText.right; right: parent.right; top: parent.top; bottom: parent.bottom }
                    text: modelData.value
                    font.pixelSize: 13
                    textFormat: Text.PlainText
                    elide: Text.ElideNone
                    wrapMode: Text.Wrap
                }
            }
        }
    }
}
