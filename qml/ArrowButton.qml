import QtQuick 2.15

// One scroll arrow of a list; it fades out where the list cannot move on.
Image {
    id: arrow

    property bool shown: true

    signal step()

    width: 32
    height: 20
    fillMode: Image.PreserveAspectFit
    source: mouse.pressed ? "qrc:/arrow_clicked.png"
                          : mouse.containsMouse ? "qrc:/arrow_hover.png" : "qrc:/arrow.png"
    opacity: shown ? 1 : 0
    enabled: shown

    Behavior on opacity {
        NumberAnimation { duration: 200 }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: arrow.step()
    }
}
