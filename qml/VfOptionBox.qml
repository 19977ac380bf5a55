import QtQuick 2.15
import QtQuick.Controls 2.15

// One switch of a report window: on until the user turns it off.
CheckBox {
    font.family: fontSans.name
    font.pixelSize: 13
    checked: true
}
