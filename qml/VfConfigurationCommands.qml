import QtQuick 2.15
import QtQuick.Layouts 1.15

// The commands of a configuration window: "Erase memory" (which asks first,
// through the window's eraseDialog), "Apply" and "Close".
RowLayout {
    id: commands

    // The window's message boxes.
    property QtObject dialogs: null
    property alias eraseButton: eraseButton
    property alias applyButton: applyButton
    property alias closeButton: closeButton

    signal apply()
    signal close()

    spacing: 16

    MyButton {
        id: eraseButton
        objectName: "eraseMemoryBtn"
        buttonLabel: qsTr("Erase memory")
        defaultcolor: "#8a3030"
        hovercolor: "#a84040"
        pressedcolor: "#6a2020"
        onMyButtonclicked: commands.dialogs.eraseDialog.open()
    }
    Item { Layout.fillWidth: true }
    MyButton {
        id: applyButton
        objectName: "applyCfgBtn"
        buttonLabel: qsTr("Apply")
        onMyButtonclicked: commands.apply()
    }
    MyButton {
        id: closeButton
        objectName: "closeCfgBtn"
        buttonLabel: qsTr("Close")
        onMyButtonclicked: commands.close()
    }
}
