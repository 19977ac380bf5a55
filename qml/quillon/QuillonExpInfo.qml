import QtQuick 2.15
import "../../qml"

// The run information panel of the vibration results page: one label and
// value per row, the texts as the page prepared them (`info`, by key).
VfRunInfo {
    // Texts by row key; a row without one shows "---".
    property var info: ({})

    values: info
    rows: [
        { "label": qsTr("Event") + ":", "key": "event" },
        { "label": qsTr("Task name") + ":", "key": "label" },
        { "label": qsTr("Application") + ":", "key": "application" },
        { "label": qsTr("Date") + ":", "key": "date" },
        { "label": qsTr("Start time") + ":", "key": "startTime" },
        { "label": qsTr("Stop time") + ":", "key": "stopTime" },
        { "label": qsTr("Duration") + ":", "key": "duration" },
        { "label": qsTr("Pause time") + ":", "key": "pauseTime" },
        { "label": qsTr("Sample time") + " [s]:", "key": "sampleTime" },
        { "label": qsTr("Exposure time") + ":", "key": "exposureTime" },
        { "label": qsTr("Time weighting") + ":", "key": "timeWeighting" },
        { "label": qsTr("Frequency weighting") + ":", "key": "frequencyWeighting" },
        { "label": qsTr("Multiplication factor") + ":", "key": "factors" },
        { "label": qsTr("Octave analysis") + ":", "key": "octaveAnalysis" },
        { "label": qsTr("Sensor") + ":", "key": "sensor" },
        { "label": qsTr("Sensitivity") + " [mV/g]:", "key": "sensitivities" }
    ].map(function (row) { row.name = "info_" + row.key; return row })
}
