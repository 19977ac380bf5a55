import QtQuick 2.15
import "../../qml"

// The run information panel of a heat-stress results page: event, run name
// (where the instrument keeps one) and date on the left, the run's times on
// the right.
VfRunInfo {
    // The model keeps run names ("KESTRUM 4").
    property bool showExperiment: false
    property string event: "---"
    property string experiment: "---"
    property string date: "---"
    property string expTime: "---"
    property string pauseTime: "---"
    property string sampleTime: "---"

    fontSize: 14
    rowSpacing: 4
    rows: [
        { "label": qsTr("Event") + ":", "key": "event", "name": "infoEvent" },
        { "label": qsTr("Experiment") + ":", "key": "experiment", "name": "infoExperiment",
          "shown": showExperiment },
        { "label": qsTr("Date") + ":", "key": "date", "name": "infoDate" },
        { "label": qsTr("Exp time") + ":", "key": "expTime", "name": "infoExpTime", "column": 1 },
        { "label": qsTr("Pause time") + ":", "key": "pauseTime", "name": "infoPauseTime", "column": 1 },
        { "label": qsTr("Sample time") + " [s]:", "key": "sampleTime", "name": "infoSampleTime",
          "column": 1 }
    ]
}
