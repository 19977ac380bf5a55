import QtQuick 2.15

// The frame of a page: a transparent area with the page title centred on top.
Rectangle {
    id: page

    property string pageTitle: "Page title"
    // The page that opened this one.
    property var caller

    color: "#00000000"

    Text {
        id: titleText
        objectName: "pageTitle"
        anchors.top: parent.top
        anchors.topMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        text: page.pageTitle
        font.family: fontValtrix.name
        font.italic: true
        font.pixelSize: 26
        font.capitalization: Font.AllUppercase
        color: "#505050"
    }
}
