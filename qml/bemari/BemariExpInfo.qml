import QtQuick 2.15
import "../../qml"

// The information grid of the run shown: one label and value per row. The
// "BEMARI+" grid has no weighting rows.
VfRectangle {
    id: info

    property bool showWeightings: true
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
    implicitHeight: rows.height + 44

    Column {
        id: rows
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 12; rightMargin: 12; topMargin: 34 }
        spacing: 3

        Repeater {
            model: [
                { "label": qsTr("Event") + ":", "key": "event", "name": "infoEvent" },
                { "label": qsTr("Experiment") + ":", "key": "experiment", "name": "infoExperiment" },
                { "label": qsTr("Date") + ":", "key": "date", "name": "infoDate" },
                { "label": qsTr("Exp time") + ":", "key": "expTime", "name": "infoExpTime" },
                { "label": qsTr("Pause time") + ":", "key": "pauseTime", "name": "infoPauseTime" },
                { "label": qsTr("Sample time") + " [s]:", "key": "sampleTime", "name": "infoSampleTime" },
                { "label": qsTr("Time weighting") + ":", "key": "timeWeighting", "name": "infoTimeWeighting",
                  "weighting": true },
                { "label": qsTr("Frequency weighting") + ":", "key": "frequencyWeighting",
                  "name": "infoFrequencyWeighting", "weighting": true },
                { "label": qsTr("Octave analysis") + ":", "key": "octaveAnalysis", "name": "infoOctaveAnalysis" },
                { "label": qsTr("Pre check") + " [dB]:", "key": "preCheck", "name": "infoPreCheck" },
                { "label": qsTr("Pos check") + " [dB]:", "key": "posCheck", "name": "infoPosCheck" }
            ]
            delegate: Item {
                width: rows.width
                visible: !modelData.weighting || info.showWeightings
                height: visible ? Math.max(labelText.implicitHeight, valueText.implicitHeight) : 0
                VfText {
                    id: labelText
                    anchors { left: parent.left; top: parent.top }
                    width: 150
                    text: modelData.label
                    elide: Text.ElideRight
                    font.bold: true
                    font.pixelSize: 13
                }
                VfText {
                    id: valueText
                    objectName: modelData.name
                    anchors { left: labelText.right; right: parent.right; top: parent.top }
                    text: info[modelData.key]
                    font.pixelSize: 13
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                }
            }
        }
    }
}
