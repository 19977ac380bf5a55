import QtQuick 2.15
import "../../qml"

// The run information of a pump results page: event, flow checks, run name,
// times and sampler; the "TOLVAR 4" panel adds the run status
// (`showStatus`).
VfRunInfo {
    id: info

    property bool showStatus: false
    property string event: ""
    property string preCal: ""
    property string posCal: ""
    property string experiment: ""
    property string startTime: ""
    property string expTime: ""
    property string totalTime: ""
    property string sampleTime: ""
    property string pauseTime: ""
    property string samplerType: "---"
    property string status: "---"

    // A narrow page sets the sampler and the status below the other columns.
    readonly property bool narrow: width < 1000

    label: ""
    border.color: "black"
    fontSize: 14
    rowSpacing: 6
    rows: [
        { "label": qsTr("Event") + ":", "key": "event" },
        { "label": qsTr("Pre check") + " [<sup>L</sup>/<sub>min</sub>]:", "key": "preCal" },
        { "label": qsTr("Pos check") + "  [<sup>L</sup>/<sub>min</sub>]:", "key": "posCal" },
        { "label": qsTr("Experiment") + ":", "key": "experiment", "column": 1 },
        { "label": qsTr("Date") + ":", "key": "startTime", "column": 1 },
        { "label": qsTr("Exp time") + ":", "key": "expTime", "column": 1 },
        { "label": qsTr("Set time") + ":", "key": "totalTime", "column": 2 },
        { "label": qsTr("Sample time") + " [s]:", "key": "sampleTime", "column": 2 },
        { "label": qsTr("Pause time") + ":", "key": "pauseTime", "column": 2 },
        { "label": qsTr("Sampler") + ":", "key": "samplerType", "column": narrow ? 0 : 3 },
        { "label": qsTr("Status") + ":", "key": "status", "column": narrow ? 1 : 3,
          "shown": showStatus }
    ]
}
