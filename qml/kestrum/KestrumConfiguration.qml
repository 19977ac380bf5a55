import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "../../qml/SampleInterval.js" as SampleInterval

// The configuration window of a heat-stress monitor: its unit and its sample
// time. It fills itself whenever core has read the configuration of its own
// model; "Apply" sends the settings with cfgOK once the sample time is a
// time the instrument takes.
Window {
    id: window

    // The model this window configures ("KESTRUM 2" or "KESTRUM 4").
    property string productName: ""
    // "Kestrum 2 - " or "Kestrum 4 - ".
    property string titlePrefix: ""

    property alias dialogs: configDialogs
    property alias unitCelsius: unitCelsius
    property alias unitFahrenheit: unitFahrenheit
    property alias sampleField: sampleField
    property alias cfgMessage: cfgMessage

    signal cfgOK(string cfg)

    title: titlePrefix + qsTr("Configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    color: "#e0e0e0"
    width: 600
    height: 320
    minimumWidth: 600
    maximumWidth: 600
    minimumHeight: 320
    maximumHeight: 320

    // Fills the fields from core's configuration when it is this model's;
    // a unit the window does not offer checks no button.
    function fill() {
        var cfg
        try {
            cfg = JSON.parse(core.configuration)
        } catch (e) {
            return false
        }
        if (!cfg || cfg.productName !== productName)
            return false
        unitCelsius.checked = cfg.unity === unitCelsius.text
        unitFahrenheit.checked = cfg.unity === unitFahrenheit.text
        sampleField.text = cfg.sampleTime !== undefined ? cfg.sampleTime : ""
        cfgMessage.text = ""
        return true
    }

    // "Apply": the sample time must be mm:ss of some time; then the settings
    // go out with cfgOK and the window closes.
    function submitCfg() {
        var unity = unitFahrenheit.checked ? unitFahrenheit.text : unitCelsius.text
        var sampleTime = sampleField.text
        if (SampleInterval.seconds(sampleTime) < 0) {
            cfgMessage.text = qsTr("The sample time field shall have mm:ss format")
            return false
        }
        cfgMessage.text = ""
        window.hide()
        cfgOK(JSON.stringify({ "unity": unity, "sampleTime": sampleTime }))
        return true
    }

    Connections {
        target: core
        function onConfigurationUpdated() { window.fill() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
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

        VfText {
            id: cfgMessage
            objectName: "cfgMessage"
            Layout.fillWidth: true
            Layout.preferredHeight: 20
            color: "#d71e1e"
            font.pixelSize: 14
            text: ""
        }

        Item { Layout.fillHeight: true }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            MyButton {
                objectName: "eraseMemoryBtn"
                buttonLabel: qsTr("Erase memory")
                onMyButtonclicked: configDialogs.eraseDialog.open()
            }
            Item { Layout.fillWidth: true }
            MyButton {
                objectName: "applyCfgBtn"
                buttonLabel: qsTr("Apply")
                onMyButtonclicked: window.submitCfg()
            }
            MyButton {
                objectName: "closeCfgBtn"
                buttonLabel: qsTr("Close")
                onMyButtonclicked: window.close()
            }
        }
    }

    VfDialogs {
        id: configDialogs
        objectName: "configDialogs"
    }
}
