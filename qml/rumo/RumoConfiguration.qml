import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "../../qml/SampleInterval.js" as SampleInterval
import "../../qml/DeviceDate.js" as DeviceDate

// The logger's configuration window: its sample interval ("mm:ss") and its
// sensor's calibration certificate, the latter applied with its own button,
// and the erasing of its memory. "Apply" leaves the window open, for the
// certificate; closing only hides it.
VfConfigurationWindow {
    id: window

    property alias sampleText: sampleText
    readonly property Item warningMessage: cfgMessage
    property alias calibration: calibrationFrame

    productName: "RUMO"
    titlePrefix: "Rumo - "
    dialogs.objectName: "rumoConfigDialogs"
    cfgMessage.objectName: "warningMessage"
    wantedWidth: 600
    wantedHeight: 420

    function showConfiguration(cfg) {
        sampleText.text = cfg.sampleTime
    }

    function fillCalibration() {
        var calib = JSON.parse(core.calib)
        calibrationFrame.certificate = calib.certification !== undefined ? calib.certification : ""
        var date = DeviceDate.deviceDate(calib.date)
        if (date)
            calibrationFrame.date = date
    }

    // "Apply": only an interval the instrument takes goes out with cfgOK.
    function submitCfg() {
        if (!accept(SampleInterval.problem(sampleText.text)))
            return false
        cfgOK(JSON.stringify({ "sampleTime": sampleText.text }))
        return true
    }

    // Writes the sensor certificate; a success is confirmed like the
    // interval, and what was said of an interval not sent goes.
    function submitCalibration() {
        var result = calibrationFrame.submitCalib()
        if (result === root.deviceSuccessful) {
            cfgMessage.text = ""
            dialogs.configSuccesfulDialog.open()
        }
        return result
    }

    ColumnLayout {
        anchors { left: parent.left; right: parent.right }
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
            }
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
    }
}
