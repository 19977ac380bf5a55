import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

// The dosimeter's configuration window: the measurement settings on the tab
// "Dosimeter", the programmed schedules on the tab "Schedule". It fills itself
// whenever core has read the configuration.
Window {
    id: window

    // The longest run the instrument accepts, in seconds.
    property int scheduleMaxTimeFromDravo2: 0
    // The settings the instrument offers, as the configuration record keeps
    // them, and the ranges of its levels.
    readonly property var timeWeightings: ["Fast", "Slow", "Impulse"]
    readonly property var frequencyWeightings: ["A", "C", "Z"]
    readonly property var octaveAnalyses: ["1/1", "1/3"]
    readonly property var actionLevelRange: [0, 100]
    readonly property var criterionLevelRange: [50, 100]
    readonly property var exchangeRateRange: [3, 6]
    readonly property string timePattern: "^(([0-1]\\d)|(2[0-3])):([0-5]\\d)$"

    property alias dialogs: configDialogs
    property alias tabBar: tabBar
    property alias durationField: durationField
    property alias actionLevel: actionLevelBox
    property alias criterionLevel: criterionLevelBox
    property alias exchangeRate: exchangeRateBox
    property alias scheduleEnabled: scheduleCheck
    property alias cfgMessage: cfgMessage
    property alias scheduleConfig: scheduleConfig
    property alias scheduleTable: scheduleTable

    signal cfgOK(string cfg)
    signal schOK(string sch)

    title: "Dravo 2 - " + qsTr("Configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    color: "#e0e0e0"
    width: 900
    height: 640
    minimumWidth: 800
    minimumHeight: 600

    // The text of the checked button of a group, or "" when none is.
    function checkedText(group) {
        return group.checkedButton ? group.checkedButton.text : ""
    }

    // Checks the button of `group` whose text is `value`; none when the
    // instrument reported a value the window does not offer.
    function check(group, value) {
        var buttons = group.buttons
        for (var i = 0; i < buttons.length; ++i)
            buttons[i].checked = buttons[i].text === value
    }

    // Fills the fields from core's configuration of a "DRAVO 2".
    function fill() {
        var cfg = JSON.parse(core.configuration)
        if (cfg.productName !== "DRAVO 2")
            return false
        check(timeGroup, cfg.timeWeighting)
        check(frequencyGroup, cfg.frequencyWeighting)
        // An instrument without octave analysis reports no mode.
        octaveFrame.enabled = cfg.octaveAnalysis !== ""
        check(octaveGroup, cfg.octaveAnalysis)
        durationField.text = cfg.experimentDuration
        actionLevelBox.value = cfg.actionLevel
        criterionLevelBox.value = cfg.criterionLevel
        exchangeRateBox.value = cfg.exchangeRate
        scheduleCheck.checked = cfg.scheduleStatus
        scheduleMaxTimeFromDravo2 = cfg.scheduleMaxTime
        cfgMessage.text = ""
        return true
    }

    // Shows the calibration certificate the instrument holds.
    function fillCalibration() {
        var calib = JSON.parse(core.calib)
        var text = calib.certification !== undefined ? calib.certification : ""
        if (text !== "" && calib.date)
            text += " (" + root.convertDateTimeATToLocalTimeString(calib.date) + ")"
        calibrationInfo.text = text !== "" ? text : "---"
    }

    // The duration must be hh:mm within the instrument's limit; then the
    // settings go out with cfgOK and the window closes.
    function submitCfg() {
        var duration = durationField.text
        if (!new RegExp(timePattern).test(duration)) {
            cfgMessage.text = qsTr("The experiment duration field shall have hh:mm format")
            return false
        }
        var parts = duration.split(":")
        var seconds = Number(parts[0]) * 3600 + Number(parts[1]) * 60
        if (seconds > scheduleMaxTimeFromDravo2) {
            cfgMessage.text = qsTr("The experiment duration shall not be higher than ")
                    + (scheduleMaxTimeFromDravo2 / 3600) + qsTr(" hours")
            return false
        }
        cfgMessage.text = ""
        var cfg = {
            "timeWeighting": checkedText(timeGroup),
            "frequencyWeighting": checkedText(frequencyGroup),
            "octaveAnalysis": octaveFrame.enabled ? checkedText(octaveGroup) : "",
            "experimentDuration": duration,
            "actionLevel": String(actionLevelBox.value),
            "criterionLevel": String(criterionLevelBox.value),
            "exchangeRate": String(exchangeRateBox.value),
            "scheduleStatus": scheduleCheck.checked
        }
        window.hide()
        cfgOK(JSON.stringify(cfg))
        return true
    }

    // Sends the edited schedule list. A slot that could not be read is left
    // out: core keeps it as the instrument holds it.
    function submitSch() {
        var schedules = core.virtualSchedulelist
        var list = []
        for (var i = 0; i < schedules.length; ++i) {
            var s = schedules[i]
            if (s.unreadable)
                continue
            list.push({
                "index": list.length,
                "monthDay": s.monthDay,
                "label": s.label,
                "pausable": s.pausable,
                "startTime": s.startTime,
                "pauseTime": s.pauseTime,
                "resumeTime": s.resumeTime,
                "stopTime": s.stopTime
            })
        }
        schOK(JSON.stringify({ "scheduleList": list }))
    }

    Connections {
        target: core
        function onConfigurationUpdated() { window.fill() }
        function onCalibrationUpdated() { window.fillCalibration() }
    }

    onVisibleChanged: {
        if (visible)
            tabBar.currentIndex = 0
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 0

        TabBar {
            id: tabBar
            objectName: "configTabBar"
            Layout.fillWidth: true

            VfTabButton {
                objectName: "dosimeterTab"
                text: qsTr("Dosimeter")
            }
            VfTabButton {
                objectName: "scheduleTab"
                text: qsTr("Schedule")
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: "#f4f4f4"
            border.color: "#b3b5b4"

            StackLayout {
                anchors.fill: parent
                anchors.margins: 16
                currentIndex: tabBar.currentIndex

                // ------------------------------------------------ Dosimeter
                ColumnLayout {
                    objectName: "dosimeterPage"
                    spacing: 14

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 14

                        VfFrame {
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            label: qsTr("Weighting")

                            RowLayout {
                                spacing: 120

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
                            id: octaveFrame
                            objectName: "octaveFrame"
                            Layout.fillHeight: true
                            Layout.preferredWidth: 200
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
                        spacing: 14

                        VfFrame {
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            label: qsTr("Custom dosimeter")

                            GridLayout {
                                columns: 2
                                rowSpacing: 8
                                columnSpacing: 16

                                VfText {
                                    text: qsTr("Threshold level") + " [dB]"
                                    font.pixelSize: 14
                                }
                                VfSpinBox {
                                    id: actionLevelBox
                                    objectName: "actionLevel"
                                    from: window.actionLevelRange[0]
                                    to: window.actionLevelRange[1]
                                    stepSize: 1
                                    editable: true
                                }
                                VfText {
                                    text: qsTr("Criterion level") + " [dB]"
                                    font.pixelSize: 14
                                }
                                VfSpinBox {
                                    id: criterionLevelBox
                                    objectName: "criterionLevel"
                                    from: window.criterionLevelRange[0]
                                    to: window.criterionLevelRange[1]
                                    stepSize: 1
                                    editable: true
                                }
                                VfText {
                                    text: qsTr("Exchange rate") + " (q) [dB]"
                                    font.pixelSize: 14
                                }
                                VfSpinBox {
                                    id: exchangeRateBox
                                    objectName: "exchangeRate"
                                    from: window.exchangeRateRange[0]
                                    to: window.exchangeRateRange[1]
                                    stepSize: 1
                                    editable: true
                                }
                            }
                        }

                        VfFrame {
                            Layout.fillHeight: true
                            Layout.preferredWidth: 320
                            label: qsTr("Experiment")

                            ColumnLayout {
                                width: parent.width
                                spacing: 8

                                VfText {
                                    text: qsTr("Experiment duration") + " (hh:mm) *"
                                    font.pixelSize: 14
                                }
                                TextField {
                                    id: durationField
                                    objectName: "durationField"
                                    Layout.preferredWidth: 120
                                    inputMask: "00:00"
                                    selectByMouse: true
                                    font.family: fontSans.name
                                    font.pixelSize: 14
                                }
                                CheckBox {
                                    id: scheduleCheck
                                    objectName: "scheduleCheck"
                                    text: qsTr("Enable schedule")
                                    font.family: fontSans.name
                                    font.pixelSize: 14
                                }
                                VfText {
                                    Layout.topMargin: 6
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
                        }
                    }

                    VfText {
                        Layout.fillWidth: true
                        text: qsTr("Configuration fields with * are shared by all dosimetries.")
                        font.pixelSize: 13
                        font.italic: true
                        color: "#505050"
                    }
                    VfText {
                        id: cfgMessage
                        objectName: "cfgMessage"
                        Layout.fillWidth: true
                        wrapMode: Text.WordWrap
                        font.pixelSize: 14
                        color: "red"
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

                // ------------------------------------------------- Schedule
                ColumnLayout {
                    objectName: "schedulePage"
                    spacing: 14

                    RowLayout {
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        spacing: 14

                        Dravo2ScheduleConfig {
                            id: scheduleConfig
                            objectName: "scheduleConfig"
                            Layout.preferredWidth: 280
                            Layout.fillHeight: true
                        }
                        Dravo2ScheduleTable {
                            id: scheduleTable
                            objectName: "scheduleTable"
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            model: core.virtualSchedulelist
                            onRemoveSchedule: core.removeSchedule(index)
                        }
                    }

                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 16

                        Item { Layout.fillWidth: true }
                        MyButton {
                            objectName: "applySchBtn"
                            buttonLabel: qsTr("Apply")
                            onMyButtonclicked: window.submitSch()
                        }
                        MyButton {
                            objectName: "closeSchBtn"
                            buttonLabel: qsTr("Close")
                            onMyButtonclicked: window.close()
                        }
                    }
                }
            }
        }
    }

    ButtonGroup { id: timeGroup }
    ButtonGroup { id: frequencyGroup }
    ButtonGroup { id: octaveGroup }

    VfDialogs {
        id: configDialogs
        objectName: "dravo2ConfigDialogs"
    }
}
