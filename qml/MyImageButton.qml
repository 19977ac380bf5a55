import QtQuick 2.15

// A picture that acts as a button, with its own pictures for hover and press.
Item {
    id: myimagebutton

    // The picture shown now.
    readonly property url imgbtnpic: image.source
    property url imgbtnpicdef: "qrc:/fechar1x.png"
    property url imgbtnpichover: imgbtnpicdef
    property url imgbtnpicclicked: imgbtnpichover
    property color backgroundcolor: "transparent"
    property int imgpicSourceSizeheight: height

    signal myImgBtnClicked()

    implicitWidth: 48
    implicitHeight: 48

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: myimagebutton.backgroundcolor
    }

    Image {
        id: image
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        sourceSize.height: myimagebutton.imgpicSourceSizeheight
        source: mouse.pressed ? myimagebutton.imgbtnpicclicked
                              : mouse.containsMouse ? myimagebutton.imgbtnpichover
                                                    : myimagebutton.imgbtnpicdef
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: myimagebutton.myImgBtnClicked()
    }
}
