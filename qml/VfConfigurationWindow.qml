import QtQuick 2.15
import QtQuick.Layouts 1.15

// The configuration window of every model: the model's fields (the default
// content), what is wrong with them, and the commands "Erase memory",
// "Apply" and "Close". It fills itself whenever core has read the
// configuration of its own model (`productName`) or the calibration
// certificate. The model's window gives `showConfiguration(cfg)`, and
// `submitCfg()`, which checks the fields and sends them with cfgOK.
VfWindow {
    id: window

    // The model this window configures, as its configuration names it.
    property string productName: ""
    // Put before "Configuration" in the title ("Quillon - ").
    property string titlePrefix: ""

    default property alias content: body.data
    property alias dialogs: dialogs
    property alias cfgMessage: message
    property alias commands: commands

    signal cfgOK(string cfg)

    title: titlePrefix + qsTr("Configuration")
    wantedWidth: 600
    wantedHeight: 360

    // Shows the model's configuration `cfg` (the parsed object) in the
    // fields.
    function showConfiguration(cfg) {
    }

    // Checks the fields and sends them; false when something was refused.
    function submitCfg() {
        return false
    }

    // Shows the calibration certificate the instrument holds.
    function fillCalibration() {
    }

    // The configuration core holds, or null when it is not this model's.
    function modelConfiguration() {
        var cfg
        try {
            cfg = JSON.parse(core.configuration)
        } catch (e) {
            return null
        }
        return cfg && cfg.productName === productName ? cfg : null
    }

    function fill() {
        var cfg = modelConfiguration()
        if (!cfg)
            return false
        showConfiguration(cfg)
        message.text = ""
        return true
    }

    // The calibration certificate core holds as one line: its number and
    // date, or "---" when it has none.
    function certificateText() {
        var calib
        try {
            calib = JSON.parse(core.calib)
        } catch (e) {
            calib = {}
        }
        var text = calib.certification !== undefined ? String(calib.certification) : ""
        if (text !== "" && calib.date)
            text += " (" + root.convertDateTimeATToLocalTimeString(calib.date) + ")"
        return text !== "" ? text : "---"
    }

    // Sends `cfg` once the fields were found right, and closes the window.
    function send(cfg) {
        message.text = ""
        window.hide()
        cfgOK(JSON.stringify(cfg))
        return true
    }

    // Shows what is wrong; true when nothing is.
    function accept(problem) {
        message.text = problem
        return problem === ""
    }

    Connections {
        target: core
        function onConfigurationUpdated() { window.fill() }
        function onCalibrationUpdated() { window.fillCalibration() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        Item {
            id: body
            Layout.fillWidth: true
            Layout.fillHeight: true
        }

        VfMessage {
            id: message
            objectName: "cfgMessage"
            Layout.fillWidth: true
        }

        VfConfigurationCommands {
            id: commands
            Layout.fillWidth: true
            dialogs: dialogs
            onApply: window.submitCfg()
            onClose: window.close()
        }
    }

    VfDialogs {
        id: dialogs
        objectName: "configDialogs"
    }
}
