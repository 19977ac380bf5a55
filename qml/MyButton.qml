import QtQuick 2.15

// The application's push button: dark gray with a white border and label.
// It takes keyboard focus; Space and Enter click it as the mouse does.
Rectangle {
    id: buttonFrame

    property color buttonColor: mouse.pressed ? pressedcolor : mouse.containsMouse ? hovercolor : defaultcolor
    property string buttonLabel
    property color buttonLabelColor: "#ffffff"
    property color hovercolor: "#707070"
    property color defaultcolor: "#505050"
    property color pressedcolor: "#303030"

    signal myButtonclicked()

    implicitWidth: Math.max(140, label.implicitWidth + 32)
    implicitHeight: 44
    radius: 6
    activeFocusOnTab: true
    color: activeFocus && !mouse.pressed ? "#808080" : buttonColor
    border.color: activeFocus ? "#5555ff" : "#ffffff"
    border.width: activeFocus ? 3 : 2
    opacity: enabled ? 1 : 0.5

    Behavior on color {
        ColorAnimation { duration: 120 }
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: buttonFrame.buttonLabel
        wrapMode: Text.NoWrap
        font.family: fontValtrix.name
        font.pixelSize: 15
        color: buttonFrame.activeFocus ? "#FFFFFF" : buttonFrame.buttonLabelColor
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: buttonFrame.myButtonclicked()
    }

    Keys.onSpacePressed: myButtonclicked()
    Keys.onReturnPressed: myButtonclicked()
    Keys.onEnterPressed: myButtonclicked()
}
