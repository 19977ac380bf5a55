import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The frame "Calibration" of a noise report window: the field checks before
// and after the run, the instrument's laboratory certificate and the
// audiometer's, whose number and date the user types. The option keys of the
// checks differ between the models: each window names its boxes.
VfFrame {
    id: frame

    property string preCheckName
    property string postCheckName
    property alias labCertificateText: labCertificate.text
    // The key that tells whether either field check prints, when the
    // model's report reads one.
    property string fieldChecksName: ""
    property alias certificate: audCertified

    // Adds the frame's keys to the report options `o`.
    function addOptions(o) {
        if (fieldChecksName !== "")
            o[fieldChecksName] = preCheck.checked || postCheck.checked
        o[preCheckName] = preCheck.checked
        o[postCheckName] = postCheck.checked
        o.ckbCalLab = labCertificate.checked
        o.ckbCalAudLab = audCertificate.checked
        o.audCertified = audCertified.text
    }

    label: qsTr("Calibration")
    Layout.fillWidth: true
    Layout.fillHeight: true

    ColumnLayout {
        spacing: 0
        VfOptionBox { id: preCheck; objectName: frame.preCheckName; text: qsTr("Pre check") }
        VfOptionBox { id: postCheck; objectName: frame.postCheckName; text: qsTr("Pos check") }
        VfOptionBox { id: labCertificate; objectName: "ckbCalLab" }
        VfOptionBox {
            id: audCertificate
            objectName: "ckbCalAudLab"
            text: qsTr("Aud. cal. cert.")
            checked: false
        }
        TextField {
            id: audCertified
            objectName: "audCertified"
            placeholderText: qsTr("E.g.") + " " + "0000abc dd/mm/yyyy"
            selectByMouse: true
            enabled: audCertificate.checked
            font.pixelSize: 13
            Layout.leftMargin: 34
        }
    }
}
