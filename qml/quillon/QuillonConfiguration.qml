import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../qml"

import "../../qml/SampleInterval.js" as SampleInterval

// The vibration meter's configuration window: its sample time, and the
// memory erase.
VfConfigurationWindow {
    id: window

    property alias sampleTimeField: sampleTimeField

    productName: "QUILLON"
    titlePrefix: "Quillon - "
    dialogs.objectName: "quillonConfigDialogs"
    wantedWidth: 560
    wantedHeight: 320
    wantedMinimumWidth: 480
    wantedMinimumHeight: 280

    function showConfiguration(cfg) {
        sampleTimeField.text = cfg.sampleTime !== undefined ? cfg.sampleTime : ""
    }

    // "Apply": the sample time must be mm:ss of some time; then it goes out
    // with cfgOK and the window closes.
    function submitCfg() {
        var sampleTime = sampleTimeField.text
        if (!accept(SampleInterval.problem(sampleTime)))
            return false
        return send({ "productName": productName, "sampleTime": sampleTime })
    }

    VfFrame {
        anchors { left: parent.left; right: parent.right }
        label: qsTr("Sample time") + " (mm:ss) *"

        TextField {
            id: sampleTimeField
            objectName: "sampleTimeField"
            width: 120
            inputMask: "00:00"
            selectByMouse: true
            horizontalAlignment: TextInput.AlignHCenter
            font.pixelSize: 15
            onAccepted: window.submitCfg()
        }
    }
}
