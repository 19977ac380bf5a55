import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "SoundLevelPages.js" as Data

// The measurement settings of a sound level meter: time and frequency
// weighting and octave analysis. It fills itself whenever core has read the
// configuration of its model; "Apply" emits the checked settings through
// cfgOK.
Window {
    id: window

    // The product name of the model this window configures.
    property string modelName: "BEMARI"
    readonly property var timeWeightings: ["Fast", "Slow", "Impulse"]
    readonly property var frequencyWeightings: ["A", "C", "Z"]
    readonly property var octaveAnalyses: ["1/1", "1/3"]

    property alias dialogs: configDialogs

    signal cfgOK(string cfg)

    title: Data.models[modelName].titlePrefix + qsTr("Configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    color: "#e0e0e0"
    width: 640
    height: 460
    minimumWidth: 560
    minimumHeight: 420

    // The text of the checked button of a group, or "" when none is.
    function checkedText(group) {
        return group.checkedButton ? group.checkedButton.text : ""
    }

    // Checks the button of `group` whose text is `value`; a value the window
    // does not offer leaves the group as it was.
    function check(group, value) {
        var buttons = group.buttons
        for (var i = 0; i < buttons.length; ++i)
            if (buttons[i].text === value)
                buttons[i].checked = true
    }

    // Fills the groups from core's configuration of this model.
    function fill() {
        var cfg
        try {
            cfg = JSON.parse(core.configuration)
        } catch (e) {
            return false
        }
        if (!cfg || cfg.productName !== modelName)
            return false
        check(timeGroup, cfg.timeWeighting)
        check(frequencyGroup, cfg.frequencyWeighting)
        check(octaveGroup, cfg.octaveAnalysis)
        return true
    }

    // Shows the calibration certificate the instrument holds.
    function fillCalibration() {
        var calib
        try {
            calib = JSON.parse(core.calib)
        } catch (e) {
            calib = {}
        }
        var text = calib.certification !== undefined ? String(calib.certification) : ""
        if (text !== "" && calib.date)
            text += " (" + root.convertDateTimeATToLocalTimeString(calib.date) + ")"
        calibrationInfo.text = text !== "" ? text : "---"
    }

    // "Apply": the checked settings go out and the window closes.
    function submitCfg() {
        var cfg = {
            "timeWeighting": checkedText(timeGroup),
            "frequencyWeighting": checkedText(frequencyGroup),
            "octaveAnalysis": checkedText(octaveGroup)
        }
        window.hide()
        cfgOK(JSON.stringify(cfg))
        return cfg
    }

    Connections {
        target: core
        function onConfigurationUpdated() { window.fill() }
        function onCalibrationUpdated() { window.fillCalibration() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 14

        RowLayout {
            Layout.fillWidth: true
            spacing: 14

            VfFrame {
                Layout.fillWidth: true
                Layout.fillHeight: true
                label: qsTr("Weighting")

                RowLayout {
                    spacing: 80

                    ColumnLayout {
                        Layout.alignment: Qt.AlignTop
                        VfText {
                            text: qsTr("Time")
                            font.pixelSize: 14
                            font.italic: true
                        }
                        Repeater {
                            model: window.timeWeightings
                            VfRadioButton {
                                objectName: "time" + modelData
                                text: modelData
                                ButtonGroup.group: timeGroup
                            }
                        }
                    }
                    ColumnLayout {
                        Layout.alignment: Qt.AlignTop
                        VfText {
                            text: qsTr("Frequency")
                            font.pixelSize: 14
                            font.italic: true
                        }
                        Repeater {
                            model: window.frequencyWeightings
                            VfRadioButton {
                                objectName: "frequency" + modelData
                                text: modelData
                                ButtonGroup.group: frequencyGroup
                            }
                        }
                    }
                }
            }

            VfFrame {
                Layout.fillHeight: true
                Layout.preferredWidth: 180
                label: qsTr("Octave analysis")

                ColumnLayout {
                    Repeater {
                        model: window.octaveAnalyses
                        VfRadioButton {
                            objectName: "octave" + modelData.replace("/", "_")
                            text: modelData
                            ButtonGroup.group: octaveGroup
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8
            VfText {
                text: qsTr("Calibration certificate") + ":"
                font.pixelSize: 14
                font.bold: true
            }
            VfText {
                id: calibrationInfo
                objectName: "calibrationInfo"
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
                textFormat: Text.PlainText
                text: "---"
                font.pixelSize: 14
            }
        }

        Item { Layout.fillHeight: true }

        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            MyButton {
                objectName: "eraseMemoryBtn"
                buttonLabel: qsTr("Erase memory")
                defaultcolor: "#8a3030"
                hovercolor: "#a84040"
                pressedcolor: "#6a2020"
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

    ButtonGroup { id: timeGroup }
    ButtonGroup { id: frequencyGroup }
    ButtonGroup { id: octaveGroup }

    VfDialogs {
        id: configDialogs
        objectName: "bemariConfigDialogs"
    }
}
