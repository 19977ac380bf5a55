import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "SoundLevelPages.js" as Data

// The measurement settings of a sound level meter: time and frequency
// weighting and octave analysis. "Apply" emits the checked settings through
// cfgOK.
VfConfigurationWindow {
    id: window

    // The product name of the model this window configures.
    property string modelName: "BEMARI"

    productName: modelName
    titlePrefix: Data.models[modelName].titlePrefix
    dialogs.objectName: "bemariConfigDialogs"
    wantedWidth: 640
    wantedHeight: 460
    wantedMinimumWidth: 560
    wantedMinimumHeight: 420

    function showConfiguration(cfg) {
        weighting.setSettings(cfg)
    }

    function fillCalibration() {
        calibrationInfo.text = certificateText()
    }

    // "Apply": the checked settings go out and the window closes.
    function submitCfg() {
        var cfg = weighting.settings()
        send(cfg)
        return cfg
    }

    ColumnLayout {
        anchors { left: parent.left; right: parent.right }
        spacing: 14

        VfWeightingOptions {
            id: weighting
            Layout.fillWidth: true
            keepsUnknown: true
            octaveOptional: false
        }

        VfCertificateLine { id: calibrationInfo; Layout.fillWidth: true }
    }
}
