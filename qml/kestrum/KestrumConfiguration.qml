import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "../../qml/SampleInterval.js" as SampleInterval

// The configuration window of a heat-stress monitor: its unit and its sample
// time. "Apply" sends the settings with cfgOK once the sample time is a time
// the instrument takes.
VfConfigurationWindow {
    id: window

    property alias unitCelsius: unitCelsius
    property alias unitFahrenheit: unitFahrenheit
    property alias sampleField: sampleField

    wantedWidth: 600
    wantedHeight: 320

    // A unit the window does not offer checks no button.
    function showConfiguration(cfg) {
        unitCelsius.checked = cfg.unity === unitCelsius.text
        unitFahrenheit.checked = cfg.unity === unitFahrenheit.text
        sampleField.text = cfg.sampleTime !== undefined ? cfg.sampleTime : ""
    }

    // "Apply": the sample time must be mm:ss of some time; then the settings
    // go out with cfgOK and the window closes.
    function submitCfg() {
        var unity = unitFahrenheit.checked ? unitFahrenheit.text : unitCelsius.text
        var sampleTime = sampleField.text
        if (!accept(SampleInterval.problem(sampleTime)))
            return false
        return send({ "unity": unity, "sampleTime": sampleTime })
    }

    RowLayout {
        anchors { left: parent.left; right: parent.right }
        spacing: 14

        VfFrame {
            Layout.fillWidth: true
            Layout.fillHeight: true
            label: qsTr("Unity") + " *"

            RowLayout {
                spacing: 40
                ButtonGroup { id: unitGroup }
                VfRadioButton {
                    id: unitCelsius
                    objectName: "unitCelsius"
                    text: "\u00b0C"
                    checked: true
                    ButtonGroup.group: unitGroup
                }
                VfRadioButton {
                    id: unitFahrenheit
                    objectName: "unitFahrenheit"
                    text: "\u00b0F"
                    ButtonGroup.group: unitGroup
                }
            }
        }

        VfFrame {
            Layout.fillWidth: true
            Layout.fillHeight: true
            label: qsTr("Sample time") + " (mm:ss)*"

            TextField {
                id: sampleField
                objectName: "sampleField"
                width: 110
                inputMask: "00:00"
                maximumLength: 5
                text: "01:00"
                selectByMouse: true
                horizontalAlignment: TextInput.AlignHCenter
                font.family: fontSans.name
                font.pixelSize: 16
                onAccepted: window.submitCfg()
            }
        }
    }
}
