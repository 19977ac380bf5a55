import QtQuick 2.15
import "../../qml"

// One run of the vibration meter's run list: its index and name, start date
// and size, a check box that chooses it for download and a picture of its
// application.
VfRunItem {
    id: itemRec

    // The run's type as the instrument lists it ("H", "B", "1", "8").
    property string type: ""
    // Chosen for download; the page keeps the choice, a click asks it to
    // change.
    property bool checked: false

    // The picture of a run type: hand-arm, whole body, 1 kHz or 8 kHz.
    function getImg(type) {
        switch (type) {
        case "H": return "../../hands.png"
        case "B": return "../../wholeBody.jpg"
        case "1": return "../../1kHz.png"
        case "8": return "../../8kHz.png"
        default: return "../../fechar1x.png"
        }
    }

    height: 64
    showCheckBox: true
    selected: checked
    hovercolor: "#d8d8d8"
    textColor: checked ? "white" : "#202020"
    colorAnimation: 0
    picture: getImg(type)
    pictureName: "runTypeImage"
}
