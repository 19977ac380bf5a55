import QtQuick 2.15
import "../../qml"

// The run information panel of the vibration results page: one label and
// value per row, the texts as the page prepared them (`info`, by key).
VfRectangle {
    id: infoPanel

    // Texts by row key; a row without one shows "---".
    property var info: ({})

    label: qsTr("Experiment")
    implicitHeight: rows.height + 44

    Column {
        id: rows
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 12; rightMargin: 12; topMargin: 34 }
        spacing: 3

        Repeater {
            model: [
                { "label": qsTr("Event"), "key": "event" },
                { "label": qsTr("Task name"), "key": "label" },
                { "label": qsTr("Application"), "key": "application" },
                { "label": qsTr("Date"), "key": "date" },
                { "label": qsTr("Start time"), "key": "startTime" },
                { "label": qsTr("Stop time"), "key": "stopTime" },
                { "label": qsTr("Duration"), "key": "duration" },
                { "label": qsTr("Pause time"), "key": "pauseTime" },
                { "label": qsTr("Sample time") + " [s]", "key": "sampleTime" },
                { "label": qsTr("Exposure time"), "key": "exposureTime" },
                { "label": qsTr("Time weighting"), "key": "timeWeighting" },
                { "label": qsTr("Frequency weighting"), "key": "frequencyWeighting" },
                { "label": qsTr("Multiplication factor"), "key": "factors" },
                { "label": qsTr("Octave analysis"), "key": "octaveAnalysis" },
                { "label": qsTr("Sensor"), "key": "sensor" },
                { "label": qsTr("Sensitivity") + " [mV/g]", "key": "sensitivities" }
            ]
            delegate: Row {
                width: rows.width
                spacing: 6
                VfText {
                    id: rowLabel
                    text: modelData.label + ":"
                    font.bold: true
                    font.pixelSize: 13
                }
                VfText {
                    objectName: "info_" + modelData.key
                    width: rows.width - rowLabel.width - 6
                    // Texts from the instrument are shown as they are.
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    text: infoPanel.info[modelData.key] !== undefined
                          ? infoPanel.info[modelData.key] : "---"
                    font.pixelSize: 13
                }
            }
        }
    }
}
