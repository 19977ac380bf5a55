import QtQuick 2.15
import QtQuick.Layouts 1.15

// The instrument's calibration certificate in a configuration window: its
// number and date, or "---".
RowLayout {
    property alias text: certificate.text

    spacing: 8

    VfText {
        text: qsTr("Calibration certificate") + ":"
        font.pixelSize: 14
        font.bold: true
    }
    VfText {
        id: certificate
        objectName: "calibrationInfo"
        Layout.fillWidth: true
        wrapMode: Text.WordWrap
        textFormat: Text.PlainText
        text: "---"
        font.pixelSize: 14
    }
}
