import QtQuick 2.15

// The shared look of a list row: white, gray under the mouse, steelblue when
// it is the list's current row, with a short colour animation. A click makes
// the row current and emits itemClicked.
Rectangle {
    id: row

    property color hovercolor: "gray"
    property color defaultcolor: "white"
    property color selectedcolor: "steelblue"
    readonly property bool selected: ListView.isCurrentItem
    readonly property bool hovered: rowMouse.containsMouse
    // Text colour that reads well on the current background.
    readonly property color textColor: selected || hovered ? "white" : "#202020"

    signal itemClicked()

    width: ListView.view ? ListView.view.width : 240
    radius: 3
    color: selected ? selectedcolor : hovered ? hovercolor : defaultcolor
    border.color: "#e0e0e0"

    Behavior on color {
        ColorAnimation { duration: 150 }
    }

    MouseArea {
        id: rowMouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            var view = row.ListView.view
            if (view)
                view.currentIndex = view.indexAt(row.x + 1, row.y + 1)
            row.itemClicked()
        }
    }
}
