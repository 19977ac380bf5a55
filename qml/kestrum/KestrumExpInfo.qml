import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The run information panel of a heat-stress results page: event, run name
// (where the instrument keeps one) and date on the left, the run's times on
// the right.
VfRectangle {
    id: info

    // The model keeps run names ("KESTRUM 4").
    property bool showExperiment: false
    property string event: "---"
    property string experiment: "---"
    property string date: "---"
    property string expTime: "---"
    property string pauseTime: "---"
    property string sampleTime: "---"

    label: qsTr("Experiment")
    implicitHeight: columns.implicitHeight + 46

    component InfoRow: RowLayout {
        property alias label: labelText.text
        property alias value: valueText.text
        property alias valueName: valueText.objectName
        spacing: 8
        VfText {
            id: labelText
            font.bold: true
            font.pixelSize: 14
        }
        VfText {
            id: valueText
            Layout.fillWidth: true
            textFormat: Text.PlainText
            elide: Text.ElideRight
            font.pixelSize: 14
        }
    }

    RowLayout {
        id: columns
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors { leftMargin: 14; rightMargin: 14; topMargin: 34 }
        spacing: 40

        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            spacing: 4
            InfoRow { label: qsTr("Event") + ":"; value: info.event; valueName: "infoEvent" }
            InfoRow {
                visible: info.showExperiment
                label: qsTr("Experiment") + ":"
                value: info.experiment
                valueName: "infoExperiment"
            }
            InfoRow { label: qsTr("Date") + ":"; value: info.date; valueName: "infoDate" }
        }
        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            spacing: 4
            InfoRow { label: qsTr("Exp time") + ":"; value: info.expTime; valueName: "infoExpTime" }
            InfoRow { label: qsTr("Pause time") + ":"; value: info.pauseTime; valueName: "infoPauseTime" }
            InfoRow {
                label: qsTr("Sample time") + " [s]:"
                value: info.sampleTime
                valueName: "infoSampleTime"
            }
        }
    }
}
