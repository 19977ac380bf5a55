import QtQuick 2.15
import QtQuick.Controls 2.15
import "../../qml"

// One exposure component of the exposure-time page: the run's event and task
// name, and its exposure time (hh:mm) as the user edits it.
Item {
    id: expItem

    property string exposure: ""
    property string label: ""
    property string event: ""
    property alias field: exposureField

    // The user changed the exposure time; `text` is the field's text.
    signal mytextChanged(string text)

    width: ListView.view ? ListView.view.width : 600
    height: 48

    Rectangle {
        anchors.fill: parent
        anchors.bottomMargin: 2
        color: "#ffffff"
        border.color: "#e0e0e0"
        radius: 3
    }

    Row {
        anchors.fill: parent
        anchors.leftMargin: 12

        VfText {
            objectName: "expEvent"
            width: expItem.width * 0.2
            anchors.verticalCenter: parent.verticalCenter
            text: expItem.event
            font.pixelSize: 15
        }
        VfText {
            objectName: "expLabel"
            width: expItem.width * 0.5
            anchors.verticalCenter: parent.verticalCenter
            // The name comes from the instrument: shown as it is.
            textFormat: Text.PlainText
            elide: Text.ElideRight
            text: expItem.label
            font.pixelSize: 15
        }
        TextField {
            id: exposureField
            objectName: "exposureField"
            width: 100
            anchors.verticalCenter: parent.verticalCenter
            inputMask: "00:00"
            selectByMouse: true
            horizontalAlignment: TextInput.AlignHCenter
            text: expItem.exposure
            onTextChanged: expItem.mytextChanged(text)
        }
    }
}
