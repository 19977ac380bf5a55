import QtQuick 2.15
import QtQuick.Controls 2.15

// An attenuation or standard-deviation entry of the hearing-protector grid:
// a number in the user's locale. `value` is NaN while the text is not a
// number; the text turns to the alarm colour then, or when it is negative.
TextField {
    id: field

    readonly property real value: readNumber(text)
    readonly property bool alarm: !isFinite(value) || value < 0

    function readNumber(t) {
        if (t === undefined || String(t).trim() === "")
            return NaN
        try {
            return Number.fromLocaleString(Qt.locale(), String(t).trim())
        } catch (e) {
            return NaN
        }
    }

    // Shows a number in the user's locale.
    function setValue(number) {
        text = isFinite(number) ? Number(number).toLocaleString(Qt.locale(), 'f', 1) : ""
    }

    implicitWidth: 60
    implicitHeight: 32
    horizontalAlignment: TextInput.AlignHCenter
    selectByMouse: true
    font.pixelSize: 14
    color: alarm ? "#FF5555" : "#000000"
    inputMethodHints: Qt.ImhFormattedNumbersOnly
    validator: DoubleValidator {
        bottom: -99.9
        top: 199.9
        decimals: 2
        notation: DoubleValidator.StandardNotation
        locale: Qt.locale().name
    }
}
