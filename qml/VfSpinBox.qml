import QtQuick 2.15

// A whole number with minus and plus buttons, typed or stepped within
// [from, to]. Built from plain items: Qt Quick Controls' SpinBox creates its
// buttons lazily from inside its own bindings, which can leave an object
// half-made when a window goes away early.
Rectangle {
    id: spinBox

    property int value: 0
    property int from: 0
    property int to: 99
    property int stepSize: 1
    property bool editable: true

    function increase() { value = Math.min(to, value + stepSize) }
    function decrease() { value = Math.max(from, value - stepSize) }

    implicitWidth: 140
    implicitHeight: 40
    color: enabled ? "#ffffff" : "#f0f0f0"
    border.color: input.activeFocus ? "#4682b4" : "#bdbdbd"
    radius: 2

    onFromChanged: if (value < from) value = from
    onToChanged: if (value > to) value = to

    Repeater {
        model: [
            { sign: "\u2212", left: true },
            { sign: "+", left: false }
        ]
        delegate: Rectangle {
            objectName: modelData.left ? "decrease" : "increase"
            x: modelData.left ? 0 : spinBox.width - width
            width: spinBox.height
            height: spinBox.height
            radius: spinBox.radius
            color: stepArea.pressed ? "#c8c8c8" : stepArea.containsMouse ? "#e6e6e6" : "#f4f4f4"
            border.color: spinBox.border.color

            Text {
                anchors.centerIn: parent
                text: modelData.sign
                font.family: fontSans.name
                font.pixelSize: 18
                color: spinBox.enabled ? "#353637" : "#a0a0a0"
            }
            MouseArea {
                id: stepArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: modelData.left ? spinBox.decrease() : spinBox.increase()
            }
        }
    }

    TextInput {
        id: input
        objectName: "valueInput"
        anchors.fill: parent
        anchors.leftMargin: spinBox.height
        anchors.rightMargin: spinBox.height
        horizontalAlignment: TextInput.AlignHCenter
        verticalAlignment: TextInput.AlignVCenter
        readOnly: !spinBox.editable
        selectByMouse: true
        font.family: fontSans.name
        font.pixelSize: 14
        text: spinBox.value
        validator: IntValidator { bottom: spinBox.from; top: spinBox.to }
        onEditingFinished: {
            if (acceptableInput)
                spinBox.value = parseInt(text, 10)
            text = Qt.binding(function() { return spinBox.value })
        }
        Keys.onUpPressed: spinBox.increase()
        Keys.onDownPressed: spinBox.decrease()
    }
}
