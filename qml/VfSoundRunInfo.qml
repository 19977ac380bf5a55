import QtQuick 2.15

// The run information of a sound measurement (a dosimeter's or a sound
// level meter's): its times, weightings, octave analysis and checks. A model
// whose weightings show elsewhere hides their rows.
VfRunInfo {
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

    labelWidth: 150
    rows: [
        { "label": qsTr("Event") + ":", "key": "event", "name": "infoEvent" },
        { "label": qsTr("Experiment") + ":", "key": "experiment", "name": "infoExperiment" },
        { "label": qsTr("Date") + ":", "key": "date", "name": "infoDate" },
        { "label": qsTr("Exp time") + ":", "key": "expTime", "name": "infoExpTime" },
        { "label": qsTr("Pause time") + ":", "key": "pauseTime", "name": "infoPauseTime" },
        { "label": qsTr("Sample time") + " [s]:", "key": "sampleTime", "name": "infoSampleTime" },
        { "label": qsTr("Time weighting") + ":", "key": "timeWeighting", "name": "infoTimeWeighting",
          "shown": showWeightings },
        { "label": qsTr("Frequency weighting") + ":", "key": "frequencyWeighting",
          "name": "infoFrequencyWeighting", "shown": showWeightings },
        { "label": qsTr("Octave analysis") + ":", "key": "octaveAnalysis", "name": "infoOctaveAnalysis" },
        { "label": qsTr("Pre check") + " [dB]:", "key": "preCheck", "name": "infoPreCheck" },
        { "label": qsTr("Pos check") + " [dB]:", "key": "posCheck", "name": "infoPosCheck" }
    ]
}
