import QtQuick 2.15
import QtQuick.Controls 2.15

// A radio button with a round black-rimmed indicator and the text beside it.
RadioButton {
    id: control

    // Free slots for the owner: a locale or value tag, and the group's id.
    property var local
    property var radio

    indicator: Rectangle {
        implicitWidth: 18
        implicitHeight: 18
        x: control.leftPadding
        y: (control.height - height) / 2
        radius: width / 2
        color: "#ffffff"
        border.color: "#000000"
        border.width: 1

        Rectangle {
            anchors.centerIn: parent
            width: 8
            height: 8
            radius: 4
            color: "#222222"
            visible: control.checked
        }
    }

    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        text: control.text
        textFormat: Text.RichText
        verticalAlignment: Text.AlignVCenter
        font.family: fontSans.name
        font.pixelSize: 14
        opacity: control.enabled ? 1.0 : 0.4
    }
}
