import QtQuick 2.15
import "../../qml"

// One run of the instrument's run list: its name, start date and size. White,
// gray under the mouse and steelblue while chosen for download.
VfRunItem {
    date: ": MM/dd/yy"
    size: ": 1000"
}
