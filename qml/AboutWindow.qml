import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15

// The About window: the application's name, version and build.
VfWindow {
    id: aboutWindow

    property alias source: picture.source

    title: qsTr("About")
    color: "#ffffff"
    wantedWidth: 520
    wantedHeight: 300
    maximumWidth: 640
    maximumHeight: 380

    Rectangle {
        id: boderRight
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 10
        color: "#ff9239"
    }

    RowLayout {
        anchors.fill: parent
        anchors.margins: 24
        anchors.rightMargin: 34
        spacing: 24

        Image {
            id: picture
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: 110
            Layout.preferredHeight: 110
            fillMode: Image.PreserveAspectFit
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 6

            Text {
                id: swName
                objectName: "swName"
                text: "SUÍTE VALTRIX"
                font.family: fontValtrix.name
                font.bold: true
                font.pixelSize: 22
                color: "#505050"
            }
            VfText {
                id: swVersion
                objectName: "swVersion"
                text: qsTr("Version") + " " + core.version
                font.pixelSize: 14
            }
            VfText {
                id: builtDate
                objectName: "builtDate"
                text: qsTr("Built on") + " " + core.builtDate
                font.pixelSize: 14
            }
            VfText {
                id: swRevision
                objectName: "swRevision"
                text: qsTr("From revison") + " " + core.revision
                font.pixelSize: 14
            }
            VfText {
                id: coreBits
                objectName: "coreBits"
                text: core.coreBits
                font.pixelSize: 14
            }
            VfText {
                id: company
                text: "© " + core.builtYear + " Valtrix Instruments"
                font.pixelSize: 13
                color: "#606060"
            }
            VfText {
                id: link
                text: "<a href=\"https://valtrix.example\">valtrix.example</a>"
                font.pixelSize: 13
                onLinkActivated: Qt.openUrlExternally(link)
            }
            Item {
                Layout.fillHeight: true
            }
            MyButton {
                id: closeBtn
                objectName: "closeBtn"
                Layout.alignment: Qt.AlignRight
                buttonLabel: qsTr("Close")
                onMyButtonclicked: aboutWindow.close()
            }
        }
    }
}
