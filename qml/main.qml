import QtQuick 2.15
import QtQuick.Window 2.15

// The main window: the fonts of the pages and the page container.
Window {
    id: mainWindow
    objectName: "mainWindow"

    visible: true
    visibility: Window.Maximized
    // The least size the pages are laid out for, yielding to a smaller
    // screen: the window never reaches past the screen's free area, which
    // a panel makes smaller than an 800x600 screen.
    minimumWidth: Math.min(800, Screen.desktopAvailableWidth)
    minimumHeight: Math.min(600, Screen.desktopAvailableHeight)
    width: 1280
    height: 800
    color: "#878787"
    title: "Valtrix Suite"

    FontLoader {
        id: fontValtrix
        source: "qrc:/HANDGOTB.TTF"
    }
    FontLoader {
        id: fontSans
        source: "qrc:/FreeSans, Regular.ttf"
    }
    FontLoader {
        id: fontMono
        source: "qrc:/FreeMono, Regular.ttf"
    }
    FontLoader {
        id: fontSerif
        source: "qrc:/FreeSerif, Regular.ttf"
    }

    Root {
        id: root
        objectName: "root"
        anchors.fill: parent
    }
}
