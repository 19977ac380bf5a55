import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3

import "VfReportOptions.js" as ReportOptions

// The logo picker that shows the chosen file's name instead of the picture.
// The change box `chkChange` switches the logo on ("logoEnable"); checking it
// while no file is chosen opens the file dialog, as clicking the name does.
Rectangle {
    id: root

    property string filename: ""
    property alias checked: chkChange.checked
    property alias checkBox: chkChange
    property alias dialog: fileDialog
    property alias fileText: nameText
    property string label: qsTr("Logo")
    property string platform: Qt.platform.os

    implicitWidth: 360
    implicitHeight: 48
    color: "#ffffff"
    border.color: "#a0a0a0"

    CheckBox {
        id: chkChange
        anchors { left: parent.left; verticalCenter: parent.verticalCenter }
        text: root.label
        font.family: "FreeSans"
        onCheckStateChanged: {
            if (checked && root.filename === "")
                fileDialog.open()
        }
    }

    Rectangle {
        id: panel
        anchors { left: chkChange.right; right: parent.right; top: parent.top; bottom: parent.bottom; margins: 6 }
        color: "#e0e0e0"

        TextInput {
            id: nameText
            anchors { fill: parent; leftMargin: 4; rightMargin: 4 }
            verticalAlignment: TextInput.AlignVCenter
            readOnly: true
            clip: true
            font.family: "Tahoma"
            text: ReportOptions.localPath(root.filename, root.platform)
        }

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
