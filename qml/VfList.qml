import QtQuick 2.15

// A framed, scrolling list with a header and up/down arrows that step the
// current row. The rows are the owner's delegate; the owner learns of a click
// through listClicked.
Rectangle {
    id: rec

    property alias delegate: listview.delegate
    property string headerlabel: "Default text"
    property alias model: listview.model
    property alias currentIndex: listview.currentIndex
    property alias count: listview.count
    property alias listview: listview

    signal listClicked(int indexItem)

    color: "#ffffff"
    border.color: "black"
    border.width: 1
    clip: true

    VfText {
        id: header
        objectName: "listHeader"
        anchors.top: parent.top
        anchors.topMargin: 8
        anchors.horizontalCenter: parent.horizontalCenter
        text: rec.headerlabel
        font.italic: true
        font.pixelSize: 18
        color: "#505050"
    }

    Rectangle {
        id: headerRule
        anchors.top: header.bottom
        anchors.topMargin: 6
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 12
        height: 1
        color: "#d0d0d0"
    }

    ArrowButton {
        id: upArrow
        objectName: "upArrow"
        anchors.top: headerRule.bottom
        anchors.topMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        shown: !listview.atYBeginning
        onStep: listview.decrementCurrentIndex()
    }

    ListView {
        id: listview
        objectName: "listview"
        anchors.top: upArrow.bottom
        anchors.bottom: downArrow.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 4
        clip: true
        orientation: ListView.Vertical
        highlightRangeMode: ListView.ApplyRange
        preferredHighlightBegin: 0
        preferredHighlightEnd: height
        snapMode: ListView.NoSnap
        boundsBehavior: Flickable.StopAtBounds
        spacing: 2
        currentIndex: -1
    }

    ArrowButton {
        id: downArrow
        objectName: "downArrow"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4
        anchors.horizontalCenter: parent.horizontalCenter
        rotation: 180
        shown: !listview.atYEnd
        onStep: listview.incrementCurrentIndex()
    }
}
