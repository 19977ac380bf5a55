import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Dravo2Results.js" as Data

// The result box of one dosimeter: its label, dose, daily dose and four
// levels. A value the instrument left empty shows "---".
VfRectangle {
    id: item

    property string title: "Dos"
    property string dose: "---"
    property string dailyDose: "---"
    property string exchangeRate: "3"
    property string par1Label: Data.par1Label(exchangeRate)
    property string par2Label: "EL [dB]:"
    property string par3Label: "NEL [dB]:"
    property string par4Label: "TWA [dB]:"
    property string par1: "---"
    property string par2: "---"
    property string par3: "---"
    property string par4: "---"

    label: title
    implicitWidth: 250
    implicitHeight: grid.implicitHeight + 48

    GridLayout {
        id: grid
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 14; rightMargin: 14; topMargin: 38 }
        columns: 2
        columnSpacing: 12
        rowSpacing: 6

        Dravo2Text { text: qsTr("Dose") + " [%]:"; font.bold: true }
        Dravo2Text { objectName: "dose"; text: item.dose; horizontalAlignment: Text.AlignRight }
        Dravo2Text { text: qsTr("Daily dose") + " [%]:"; font.bold: true }
        Dravo2Text { objectName: "dailyDose"; text: item.dailyDose; horizontalAlignment: Text.AlignRight }
        Dravo2Text { objectName: "par1Label"; text: item.par1Label; font.bold: true }
        Dravo2Text { objectName: "par1"; text: item.par1; horizontalAlignment: Text.AlignRight }
        Dravo2Text { text: item.par2Label; font.bold: true }
        Dravo2Text { objectName: "par2"; text: item.par2; horizontalAlignment: Text.AlignRight }
        Dravo2Text { text: item.par3Label; font.bold: true }
        Dravo2Text { objectName: "par3"; text: item.par3; horizontalAlignment: Text.AlignRight }
        Dravo2Text { text: item.par4Label; font.bold: true }
        Dravo2Text { objectName: "par4"; text: item.par4; horizontalAlignment: Text.AlignRight }
    }
}
