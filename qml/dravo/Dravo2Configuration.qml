import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "../../qml/VfValues.js" as Values

// The dosimeter's configuration window: the measurement settings on the tab
// "Dosimeter", the programmed schedules on the tab "Schedule", each tab with
// its own "Apply".
VfConfigurationWindow {
    id: window

    // The longest run the instrument accepts, in seconds.
    property int scheduleMaxTimeFromDravo2: 0
    // The ranges of the instrument's levels.
    readonly property var actionLevelRange: [0, 100]
    readonly property var criterionLevelRange: [50, 100]
    readonly property var exchangeRateRange: [3, 6]

    property alias tabBar: tabBar
    property alias durationField: durationField
    property alias actionLevel: actionLevelBox
    property alias criterionLevel: criterionLevelBox
    property alias exchangeRate: exchangeRateBox
    property alias scheduleEnabled: scheduleCheck
    property alias scheduleConfig: scheduleConfig
    property alias scheduleTable: scheduleTable

    signal schOK(string sch)

    productName: "DRAVO 2"
    titlePrefix: "Dravo 2 - "
    dialogs.objectName: "dravo2ConfigDialogs"
    // The schedule tab has its own commands, and its form its own message.
    commands.visible: tabBar.currentIndex === 0
    cfgMessage.visible: tabBar.currentIndex === 0
    wantedWidth: 900
    wantedHeight: 640
    wantedMinimumWidth: 800
    wantedMinimumHeight: 600

    function showConfiguration(cfg) {
        weighting.setSettings(cfg)
        durationField.text = cfg.experimentDuration
        actionLevelBox.value = cfg.actionLevel
        criterionLevelBox.value = cfg.criterionLevel
        exchangeRateBox.value = cfg.exchangeRate
        scheduleCheck.checked = cfg.scheduleStatus
        scheduleMaxTimeFromDravo2 = cfg.scheduleMaxTime
    }

    function fillCalibration() {
        calibrationInfo.text = certificateText()
    }

    // The duration must be hh:mm within the instrument's limit; then the
    // settings go out with cfgOK and the window closes.
    function submitCfg() {
        var duration = durationField.text
        if (!Values.hoursMinutesPattern.test(duration)) {
            return accept(qsTr("The experiment duration field shall have hh:mm format"))
        }
        var parts = duration.split(":")
        var seconds = Number(parts[0]) * 3600 + Number(parts[1]) * 60
        if (seconds > scheduleMaxTimeFromDravo2) {
            return accept(qsTr("The experiment duration shall not be higher than ")
                          + (scheduleMaxTimeFromDravo2 / 3600) + qsTr(" hours"))
        }
        var cfg = weighting.settings()
        cfg.experimentDuration = duration
        cfg.actionLevel = String(actionLevelBox.value)
        cfg.criterionLevel = String(criterionLevelBox.value)
        cfg.exchangeRate = String(exchangeRateBox.value)
        cfg.scheduleStatus = scheduleCheck.checked
        return send(cfg)
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

    onVisibleChanged: {
        if (visible)
            tabBar.currentIndex = 0
    }

    ColumnLayout {
        anchors.fill: parent
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

        StackLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabBar.currentIndex

            // ---------------------------------------------------- Dosimeter
            VfScrollColumn {
                objectName: "dosimeterPage"
                topPadding: 8

                VfWeightingOptions {
                    id: weighting
                    Layout.fillWidth: true
                    columnSpacing: 120
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
                            VfCertificateLine {
                                id: calibrationInfo
                                Layout.topMargin: 6
                                Layout.fillWidth: true
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
            }

            // ------------------------------------------------- Schedule
            ColumnLayout {
                objectName: "schedulePage"
                spacing: 10

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
