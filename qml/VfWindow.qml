import QtQuick 2.15
import QtQuick.Window 2.15

// The frame of the application's modal windows (configuration, report,
// about): it opens at its wanted size only where the screen has room for it,
// since a window larger than a small screen hides its buttons; its least size
// yields to the screen in the same way, and the content scrolls instead.
// Each opening places it in the middle of the screen, and Escape closes it.
Window {
    id: frame

    // The size the window would like, and the least it needs on a screen
    // that has room for it.
    property int wantedWidth: 800
    property int wantedHeight: 600
    property int wantedMinimumWidth: wantedWidth
    property int wantedMinimumHeight: wantedHeight

    // The room the screen leaves for the window's content: no more than one
    // screen of a desktop of several, less the frame that the window
    // manager puts around it (its title bar above all), whose size is known
    // only once the window is shown.
    readonly property int frameSide: 4
    readonly property int frameTop: 32
    readonly property int roomWidth: Math.min(Screen.width, Screen.desktopAvailableWidth) - 2 * frameSide
    readonly property int roomHeight: Math.min(Screen.height, Screen.desktopAvailableHeight) - frameTop - frameSide

    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    color: "#e0e0e0"
    width: Math.min(wantedWidth, roomWidth)
    height: Math.min(wantedHeight, roomHeight)
    minimumWidth: Math.min(wantedMinimumWidth, roomWidth)
    minimumHeight: Math.min(wantedMinimumHeight, roomHeight)

    onVisibleChanged: {
        if (!visible)
            return
        x = Screen.virtualX + frameSide + Math.max(0, (roomWidth - width) / 2)
        y = Screen.virtualY + frameTop + Math.max(0, (roomHeight - height) / 2)
    }

    Shortcut {
        sequence: StandardKey.Cancel
        context: Qt.WindowShortcut
        onActivated: frame.close()
    }
}
