import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// One result box of a pump run: a quantity and its unit over its maximum,
// minimum and average. A box with fewer values leaves the other labels and
// values empty.
Rectangle {
    id: box

    property alias unity: unityText.text
    property alias unityValue: unityValueText.text
    property alias maxLabel: maxLabelText.text
    property alias minLabel: minLabelText.text
    property alias avgLabel: avgLabelText.text
    property alias maxValue: maxValueText.text
    property alias minValue: minValueText.text
    property alias avgValue: avgValueText.text
    property int labelPixelSize: 14

    implicitWidth: 220
    implicitHeight: column.implicitHeight + 24
    color: "#ffffff"
    border.color: "black"
    border.width: 1
    radius: 3

    ColumnLayout {
        id: column
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 12 }
        spacing: 8

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            TolvarText {
                id: unityText
                objectName: "boxTitle"
                font.bold: true
                font.pixelSize: box.labelPixelSize + 2
            }
            TolvarText {
                id: unityValueText
                font.pixelSize: box.labelPixelSize + 2
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 6

            TolvarText {
                id: maxLabelText
                text: qsTr("Max") + ":"
                font.bold: true
                font.pixelSize: box.labelPixelSize
            }
            TolvarText {
                id: maxValueText
                objectName: "boxMax"
                Layout.alignment: Qt.AlignRight
                text: "00.00"
                font.pixelSize: box.labelPixelSize
            }
            TolvarText {
                id: minLabelText
                text: qsTr("Min") + ":"
                font.bold: true
                font.pixelSize: box.labelPixelSize
            }
            TolvarText {
                id: minValueText
                objectName: "boxMin"
                Layout.alignment: Qt.AlignRight
                text: "00.00"
                font.pixelSize: box.labelPixelSize
            }
            TolvarText {
                id: avgLabelText
                text: qsTr("Average") + ":"
                font.bold: true
                font.pixelSize: box.labelPixelSize
            }
            TolvarText {
                id: avgValueText
                objectName: "boxAvg"
                Layout.alignment: Qt.AlignRight
                text: "00.00"
                font.pixelSize: box.labelPixelSize
            }
        }
    }
}
