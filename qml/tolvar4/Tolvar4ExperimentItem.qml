import QtQuick 2.15
import "../../tolvar/qml"

// One run of a "TOLVAR 4" run list: a pump row with the run status as a
// warning picture and a coloured strip at the right edge.
TolvarExperimentItem {
    id: itemRec

    property color statuscolor: "white"
    property alias img: picture.source

    Image {
        id: picture
        objectName: "runStatusImage"
        width: 58
        height: itemRec.height - 2
        fillMode: Image.PreserveAspectFit
        sourceSize.height: 40
    }
    Rectangle {
        objectName: "runStatusStrip"
        width: 20
        height: itemRec.height - 2
        color: itemRec.statuscolor
    }
}
