import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "Rumo.js" as Rumo
import "../../qml/DeviceDate.js" as DeviceDate

// The logger's configuration window: its sample interval ("mm:ss") and its
// sensor's calibration certificate, and the erasing of its memory. It fills
// itself whenever core has read the configuration; closing only hides it.
Window {
    id: window

    property alias dialogs: dialogs
    property alias sampleText: sampleText
    property alias warningMessage: warningMessage
    property alias calibration: calibrationFrame

    signal cfgOK(string cfg)

    title: "Rumo - " + qsTr("Configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    color: "#e0e0e0"
    width: 600
    height: 420
    minimumWidth: 600
    minimumHeight: 420
    maximumWidth: 600
    maximumHeight: 420

    // Fills the interval from core's configuration of a "RUMO".
    function fill() {
        var cfg = JSON.parse(core.configuration)
        if (cfg.productName !== "RUMO")
            return false
        sampleText.text = cfg.sampleTime
        warningMessage.text = ""
        return true
    }

    // Shows the sensor certificate the instrument holds.
    function fillCalibration() {
        var calib = JSON.parse(core.calib)
        calibrationFrame.certificate = calib.certification !== undefined ? calib.certification : ""
        var date = DeviceDate.deviceDate(calib.date)
        if (date)
            calibrationFrame.date = date
    }

    // "Apply": only an interval the instrument takes goes out with cfgOK.
    function submitCfg() {
        var problem = Rumo.intervalProblem(sampleText.text,
                                           qsTr("The sample time field shall have mm:ss format"),
                                           qsTr("The sample time shall be at least 00:01"))
        warningMessage.text = problem
        if (problem !== "")
            return false
        cfgOK(JSON.stringify({ "sampleTime": sampleText.text }))
        return true
    }

    // Writes the sensor certificate; a success is confirmed like the
    // interval, and what was said of an interval not sent goes.
    function submitCalibration() {
        var result = calibrationFrame.submitCalib()
        if (result === root.deviceSuccessful) {
            warningMessage.text = ""
            dialogs.configSuccesfulDialog.open()
        }
        return result
    }

    Connections {
        target: core
        function onConfigurationUpdated() { window.fill() }
        function onCalibrationUpdated() { window.fillCalibration() }
    }

    onVisibleChanged: {
        if (visible) {
            x = Screen.width / 2 - width / 2
            y = Screen.height / 2 - height / 2
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        VfFrame {
            Layout.fillWidth: true
            label: qsTr("Sample")

            RowLayout {
                spacing: 12
                VfText {
                    text: qsTr("Sample time") + " (mm:ss)*"
                    font.pixelSize: 14
                }
                TextField {
                    id: sampleText
                    objectName: "sampleText"
                    inputMask: "00:00"
                    selectByMouse: true
                    horizontalAlignment: TextInput.AlignHCenter
                    Layout.preferredWidth: 90
                    onAccepted: window.submitCfg()
                }
                MyButton {
                    objectName: "applyCfgBtn"
                    buttonLabel: qsTr("Apply")
                    implicitHeight: 36
                    onMyButtonclicked: window.submitCfg()
                }
            }
        }

        VfMessage {
            id: warningMessage
            objectName: "warningMessage"
            Layout.fillWidth: true
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            VfCalibrationFrame {
                id: calibrationFrame
                objectName: "calibrationFrame"
                Layout.fillWidth: true
                label: qsTr("Sensor certificate")
            }
            MyButton {
                objectName: "applyCalibrationBtn"
                Layout.alignment: Qt.AlignBottom
                buttonLabel: qsTr("Apply")
                implicitHeight: 36
                onMyButtonclicked: window.submitCalibration()
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
                onMyButtonclicked: dialogs.eraseDialog.open()
            }
            Item { Layout.fillWidth: true }
            MyButton {
                objectName: "closeCfgBtn"
                buttonLabel: qsTr("Close")
                onMyButtonclicked: window.close()
            }
        }
    }

    VfDialogs {
        id: dialogs
        objectName: "rumoConfigDialogs"
    }
}
