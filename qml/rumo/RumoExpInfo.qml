import QtQuick 2.15
import "../../qml"

// The run information panel of the results page: the run's times and
// interval, then its sensor.
VfRectangle {
    id: info

    property string event: "---"
    property string experiment: "---"
    property string startTime: "---"
    property string expTime: "---"
    property string pauseTime: "---"
    property string sampleTime: "---"
    property string experimentType: "---"
    property string sensorSN: "---"
    property string sensorCertificate: "---"

    label: qsTr("Experiment")
    implicitHeight: rows.height + 44

    // The rows are built once; each shows its property of the panel.
    Column {
        id: rows
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 12; rightMargin: 12; topMargin: 34 }
        spacing: 3

        Repeater {
            model: [
                { "label": qsTr("Event") + ":", "key": "event", "name": "infoEvent" },
                { "label": qsTr("Experiment") + ":", "key": "experiment", "name": "infoExperiment" },
                { "label": qsTr("Date") + ":", "key": "startTime", "name": "infoDate" },
                { "label": qsTr("Exp time") + ":", "key": "expTime", "name": "infoExpTime" },
                { "label": qsTr("Pause time") + ":", "key": "pauseTime", "name": "infoPauseTime" },
                { "label": qsTr("Sample time") + ":", "key": "sampleTime", "name": "infoSampleTime" },
                { "heading": qsTr("Sensor") },
                { "label": qsTr("Type") + ":", "key": "experimentType", "name": "infoType" },
                { "label": qsTr("SN") + ":", "key": "sensorSN", "name": "infoSensorSN" },
                { "label": qsTr("Certificate") + ":", "key": "sensorCertificate", "name": "infoCertificate" }
            ]
            delegate: Item {
                width: rows.width
                height: modelData.heading !== undefined
                        ? headingText.implicitHeight + 6
                        : Math.max(labelText.implicitHeight, valueText.implicitHeight)
                VfText {
                    id: headingText
                    anchors { left: parent.left; bottom: parent.bottom }
                    visible: modelData.heading !== undefined
                    text: visible ? modelData.heading : ""
                    font.bold: true
                    font.pixelSize: 14
                }
                VfText {
                    id: labelText
                    anchors { left: parent.left; top: parent.top }
                    visible: modelData.heading === undefined
                    width: 110
                    text: visible ? modelData.label : ""
                    elide: Text.ElideRight
                    font.bold: true
                    font.pixelSize: 13
                }
                VfText {
                    id: valueText
                    objectName: modelData.name !== undefined ? modelData.name : ""
                    anchors { left: labelText.right; right: parent.right; top: parent.top }
                    visible: modelData.heading === undefined
                    text: visible ? info[modelData.key] : ""
                    font.pixelSize: 13
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                }
            }
        }
    }
}
