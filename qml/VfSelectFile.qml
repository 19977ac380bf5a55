import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3

import "VfReportOptions.js" as ReportOptions

// The output file chooser of a report window. "File" (or a click on the
// name) opens a save dialog; the chosen URL is `filename` and its local path
// `textfilename`, which the window sends as "fileName". A window that refuses
// to write the report without a file sets `showEmptyError`.
Rectangle {
    id: root

    property string filename: ""
    property string textfilename: ReportOptions.localPath(filename, platform)
    property string title: qsTr("Save report as")
    property alias savelocationlabel: caption
    property alias dialog: fileDialog
    property alias fileText: nameText
    property alias button: fileButton
    property bool showEmptyError: false
    // The file as the chooser named it; the chooser asks before an existing
    // file is chosen, so writing it once needs no second question.
    property string confirmedFile: ""
    readonly property bool fromChooser: filename !== "" && filename === confirmedFile
    readonly property bool empty: textfilename === ""
    property string platform: Qt.platform.os

    // The chooser's answer: `url` is the file.
    function choose(url) {
        filename = url.toString()
        confirmedFile = filename
    }

    implicitWidth: 360
    implicitHeight: caption.implicitHeight + fileButton.implicitHeight + errorText.implicitHeight + 16
    color: "#ffffff"
    border.color: "#a0a0a0"

    Text {
        id: caption
        anchors { left: parent.left; top: parent.top; leftMargin: 6; topMargin: 4 }
        text: root.title
        font.family: "FreeSans"
        font.pixelSize: 12
    }

    Button {
        id: fileButton
        anchors { left: parent.left; top: caption.bottom; leftMargin: 6; topMargin: 2 }
        text: "File"
        onClicked: fileDialog.open()
    }

    Rectangle {
        anchors { left: fileButton.right; right: parent.right; verticalCenter: fileButton.verticalCenter; leftMargin: 6; rightMargin: 6 }
        height: fileButton.height
        color: "#e0e0e0"

        TextInput {
            id: nameText
            anchors { fill: parent; leftMargin: 4; rightMargin: 4 }
            verticalAlignment: TextInput.AlignVCenter
            readOnly: true
            clip: true
            font.family: "Tahoma"
            text: root.textfilename
        }

        MouseArea {
            anchors.fill: parent
            onClicked: fileDialog.open()
        }
    }

    Text {
        id: errorText
        anchors { left: parent.left; top: fileButton.bottom; leftMargin: 6; topMargin: 2 }
        visible: root.showEmptyError && root.empty
        text: qsTr("File name shall not be empty")
        color: "#d71e1e"
        font.family: "FreeSans"
        font.pixelSize: 12
    }

    FileDialog {
        id: fileDialog
        title: "Please choose a file"
        modality: Qt.NonModal
        selectExisting: false
        selectMultiple: false
        selectFolder: false
        nameFilters: ["PostScript files (*.pdf)", "All files (*)"]
        onAccepted: root.choose(fileUrl)
    }
}
