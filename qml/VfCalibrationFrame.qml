import QtQuick 2.15
import QtQuick.Layouts 1.15

// The instrument's calibration certificate: its text and date, sent to the
// instrument by submitCalib.
VfFrame {
    id: calibrationFrame

    property alias certificate: certificateText.inputText
    property alias date: certificateDate.value

    label: qsTr("Calibration")

    // Sends the certificate; opens the dialog that explains a failure and
    // gives the instrument's result code.
    function submitCalib() {
        var calib = {
            "certification": certificateText.inputText,
            "date": certificateDate.value.toISOString()
        }
        var result = core.sndCalibration(JSON.stringify(calib))
        if (result === root.deviceDisconnected)
            dialogs.devDisconnectedDialog.open()
        else if (result === root.deviceBusy)
            dialogs.deviceBusyDialog.open()
        else if (result !== root.deviceSuccessful)
            dialogs.configErrorDialog.open()
        return result
    }

    ColumnLayout {
        width: parent.width
        spacing: 8

        VfInputText {
            id: certificateText
            objectName: "certificateText"
            Layout.fillWidth: true
            label: qsTr("Certificate")
            maximumLength: 40
        }
        VfInputDate {
            id: certificateDate
            objectName: "certificateDate"
            Layout.fillWidth: true
            label: qsTr("Date")
        }
    }
}
