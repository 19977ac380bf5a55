import QtQuick 2.15
import "../../qml"

// One level of a "BEMARI+" result box: "L" with its subscript, the unit and
// the value ("---" when absent, "OL" when overloaded).
Row {
    id: cell

    property string parSubLabel: ""
    property string parUnit: "[dB]:"
    property string parValue: "---"

    spacing: 6

    VfText {
        objectName: "cellLabel"
        text: "L<sub>" + cell.parSubLabel + "</sub> " + cell.parUnit
        textFormat: Text.RichText
        font.bold: true
        font.pixelSize: 14
    }
    VfText {
        objectName: "cellValue"
        text: cell.parValue
        font.pixelSize: 14
    }
}
