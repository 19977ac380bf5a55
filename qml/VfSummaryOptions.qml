import QtQuick 2.15
import QtQuick.Layouts 1.15

// The summary switches of a logger's report window: the run's extremes and
// mean ("Show results") and the calibration certificate ("Show
// calibration"), with any switch of the model's own (the default content)
// below.
ColumnLayout {
    id: summary

    // The window offers the results switches.
    property bool showResults: true
    property alias maxMin: ckbMaxMin
    property alias average: ckbAvg
    property alias calibration: ckbCalibration

    Layout.alignment: Qt.AlignTop
    spacing: 10

    VfFrame {
        label: qsTr("Show results")
        visible: summary.showResults
        Layout.fillWidth: true
        ColumnLayout {
            spacing: 0
            VfOptionBox { id: ckbMaxMin; objectName: "ckbMaxMin"; text: qsTr("Max/Min") }
            VfOptionBox { id: ckbAvg; objectName: "ckbAvg"; text: qsTr("Avg") }
        }
    }
    VfFrame {
        label: qsTr("Show calibration")
        Layout.fillWidth: true
        VfOptionBox { id: ckbCalibration; objectName: "ckbCalibration"; text: qsTr("Cal. cert.") }
    }
}
