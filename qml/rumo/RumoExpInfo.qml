import QtQuick 2.15
import "../../qml"

// The run information panel of the results page: the run's times and
// interval, then its sensor.
VfRunInfo {
    property string event: "---"
    property string experiment: "---"
    property string startTime: "---"
    property string expTime: "---"
    property string pauseTime: "---"
    property string sampleTime: "---"
    property string experimentType: "---"
    property string sensorSN: "---"
    property string sensorCertificate: "---"

    labelWidth: 110
    rows: [
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
}
