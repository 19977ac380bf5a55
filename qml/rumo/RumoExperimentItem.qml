import QtQuick 2.15
import "../../qml"

// One run of the logger's run list: its number, name, start date, size and
// sensor picture, with a check box that chooses it for download. A click
// anywhere on the row toggles the box.
VfRunItem {
    id: itemRec

    // Chosen for download; the page keeps the choice and sets it here.
    property bool checked: false

    signal itemChecked()
    signal itemUnchecked()

    // A click on the row or its box asks the page to change the choice.
    function toggle() {
        if (checked)
            itemUnchecked()
        else
            itemChecked()
    }

    height: 64
    showCheckBox: true
    selected: checked
    idxName: "runIndex"
    labelBold: false
    labelItalic: true
    detailsItalic: false
    date: "date: MM/dd/yy hh:mm"
    pictureSize: 44
    pictureName: "sensorPicture"
    onItemClicked: toggle()
}
