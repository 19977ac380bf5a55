import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "../../qml"

import "../../qml/SampleInterval.js" as SampleInterval

// The vibration meter's configuration window: its sample time, and the
// memory erase. It fills itself whenever core has read the configuration.
Window {
    id: window

    readonly property string productName: "QUILLON"

    property alias dialogs: configDialogs
    property alias sampleTimeField: sampleTimeField
    property alias cfgMessage: cfgMessage

    signal cfgOK(string cfg)

    title: "Quillon - " + qsTr("Configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    color: "#e0e0e0"
    width: 560
    height: 320
    minimumWidth: 480
    minimumHeight: 280

    // Fills the field from core's configuration of a "QUILLON".
    function fill() {
        var cfg
        try {
            cfg = JSON.parse(core.configuration)
        } catch (e) {
            return false
        }
        if (!cfg || cfg.productName !== productName)
            return false
        sampleTimeField.text = cfg.sampleTime !== undefined ? cfg.sampleTime : ""
        cfgMessage.text = ""
        return true
    }

    // "Apply": the sample time must be mm:ss of some time; then it goes out
    // with cfgOK and the window closes.
    function submitCfg() {
        var sampleTime = sampleTimeField.text
        if (SampleInterval.seconds(sampleTime) < 0) {
            cfgMessage.text = qsTr("The sample time field shall have mm:ss format")
            return false
        }
        cfgMessage.text = ""
        window.hide()
        cfgOK(JSON.stringify({ "productName": productName, "sampleTime": sampleTime }))
        return true
    }

    Connections {
        target: core
        function onConfigurationUpdated() { window.fill() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 14

        VfFrame {
            Layout.fillWidth: true
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

        VfText {
            id: cfgMessage
            objectName: "cfgMessage"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            font.pixelSize: 14
            color: "#d71e1e"
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

    VfDialogs {
        id: configDialogs
        objectName: "quillonConfigDialogs"
    }
}
