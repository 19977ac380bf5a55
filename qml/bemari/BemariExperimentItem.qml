import QtQuick 2.15
import "../../qml"

// One run of the instrument's run list: a check box that chooses it for the
// download, its number and name, start date and size.
VfRunItem {
    // Checked for download; the page keeps the choice and sets it here.
    property bool checked: false

    // The user checked or unchecked the run.
    signal toggled(bool checked)

    showCheckBox: true
    selected: checked
    selectedcolor: "#e3ecf7"
    hovercolor: "#f0f0f0"
    textColor: "#202020"
    colorAnimation: 0
    onItemClicked: toggled(!checked)
}
