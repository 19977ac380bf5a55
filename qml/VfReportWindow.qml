import QtQuick 2.15
import QtQuick.Layouts 1.15

// The report window of every model: the model's options above, the output
// file, the "Generate PDF" command and what is wrong with the file name
// below, in view however small the window. The model's window gives its
// options (the default content, which fills the room above the file) and its
// `options()`, the object of report-option keys. "Generate PDF" emits
// confirmedOK with that object as JSON text; whoever writes the report hides
// the window once it is written, so that a failed report can be tried again
// with the fields as they are.
VfWindow {
    id: window

    // Put before "Report configuration" in the title ("Rumo - ").
    property string titlePrefix: ""

    default property alias content: body.data
    // Controls of the model's own shown beside the output file.
    property alias fileExtras: fileExtras.data
    property alias outputFile: outputFile
    property alias errorText: errorText
    property alias generateButton: generateButton
    // The message boxes shown over this window.
    property alias dialogs: dialogs
    // "Generate PDF" was pressed: an empty file name is pointed out.
    property bool attempted: false

    signal confirmedOK(string cfg)

    title: titlePrefix + qsTr("Report configuration")
    wantedWidth: 980
    wantedHeight: 760
    wantedMinimumWidth: 800
    wantedMinimumHeight: 600

    // The report-option keys of the model's report.
    function options() {
        return {}
    }

    // "Generate PDF": refused without a file name.
    function submit() {
        attempted = true
        if (outputFile.empty)
            return false
        attempted = false
        confirmedOK(JSON.stringify(options()))
        return true
    }

    Item {
        id: body
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: bottomBar.top }
        anchors.margins: 12
    }

    VfDialogs {
        id: dialogs
        objectName: "reportDialogs"
    }

    Rectangle {
        id: bottomBar
        objectName: "reportCommands"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: bottomRow.implicitHeight + 20
        color: "#d4d4d4"

        RowLayout {
            id: bottomRow
            anchors { fill: parent; margins: 10 }
            spacing: 12

            VfSelectFile {
                id: outputFile
                objectName: "fileName"
                Layout.fillWidth: true
            }
            RowLayout {
                id: fileExtras
                spacing: 12
            }
            ColumnLayout {
                VfMessage {
                    id: errorText
                    objectName: "fileNameError"
                    longest: qsTr("File name shall not be empty")
                    text: window.attempted && outputFile.empty ? longest : ""
                }
                MyButton {
                    id: generateButton
                    objectName: "generatePdf"
                    buttonLabel: qsTr("Generate PDF")
                    onMyButtonclicked: window.submit()
                }
            }
        }
    }
}
