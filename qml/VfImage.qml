import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3

// The logo picker of a report window: a box that switches the logo on
// ("logoEnable") and the picture; clicking it chooses another image, whose
// file URL becomes `filename` ("logoFile").
Rectangle {
    id: root

    property string filename: ""
    property alias image: picture
    property alias checked: box.checked
    property alias checkBox: box
    property alias dialog: fileDialog
    property string label: qsTr("Logo")

    implicitWidth: 220
    implicitHeight: 120
    color: "#ffffff"
    border.color: "#a0a0a0"

    CheckBox {
        id: box
        anchors { left: parent.left; top: parent.top }
        text: root.label
        font.family: "FreeSans"
    }

    Image {
        id: picture
        anchors { left: parent.left; right: parent.right; top: box.bottom; bottom: parent.bottom; margins: 6 }
        fillMode: Image.PreserveAspectFit
        source: root.filename
        asynchronous: false

        MouseArea {
            anchors.fill: parent
            onClicked: fileDialog.open()
        }
    }

    FileDialog {
        id: fileDialog
        title: "Please choose a file"
        modality: Qt.NonModal
        selectExisting: true
        selectMultiple: false
        selectFolder: false
        nameFilters: ["Image files (*.png *.jpg)", "All files (*)"]
        onAccepted: {
            if (fileUrls.length > 0)
                root.filename = fileUrls[0].toString()
        }
    }
}
