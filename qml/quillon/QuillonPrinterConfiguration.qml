import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions

// The report window of the vibration meter's runs: what the "Vibration
// evaluation report" holds, on the tabs "Header", "Summarize", "Detailed" and
// "Extras", the output file and the CSV beside it.
VfReportWindow {
    id: window

    // The current run has no samples: no chart and no table to print.
    property bool disableChartOptions: false
    property bool disableTableOptions: false

    property alias tabBar: tabBar

    titlePrefix: "Quillon - "
    dialogs.objectName: "quillonReportDialogs"
    wantedWidth: 900
    wantedHeight: 640
    wantedMinimumWidth: 760
    wantedMinimumHeight: 560

    // The switches of the report, by option key.
    readonly property var switches: [
        ckbAv, ckbAre, ckbAren, ckbAxisVDV, ckbA8,
        ckbAxisA8Final, ckbAreFinal, ckbArenFinal, ckbVDVFinal, ckbAxisVDVFinal, ckbA8Final,
        ckbCalibration, ckbSensDetail,
        ckbMinDetail, ckbMaxDetail, ckbAvgDetail, ckbPeakDetail, ckbMTVVDetail, ckbCFDetail,
        ckbA8Detail, ckbAreDetail, ckbArenDetail, ckbAvgRDetail,
        ckbOctaves, ckbChart,
        ckbVDVRDetail, ckbAxisVDVexpDetail, ckbAxisVDVDetail,
        ckbCsv
    ]

    // The options object; a switch the run cannot print is off.
    function options() {
        var o = ReportOptions.commonOptions({
            file: outputFile,
            fields: identity.fields(), logo: logo, notes: notes,
            table: ckbTable.enabled && ckbTable.checked
        })
        for (var i = 0; i < switches.length; ++i)
            o[switches[i].objectName] = switches[i].enabled && switches[i].checked
        return o
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TabBar {
            id: tabBar
            objectName: "reportTabs"
            Layout.fillWidth: true
            currentIndex: swipe.currentIndex
            VfTabButton { objectName: "headerTab"; text: qsTr("Header") }
            VfTabButton { objectName: "summarizeTab"; text: qsTr("Summarize") }
            VfTabButton { objectName: "detailedTab"; text: qsTr("Detailed") }
            VfTabButton { objectName: "extrasTab"; text: qsTr("Extras") }
        }

        SwipeView {
            id: swipe
            objectName: "reportPages"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            currentIndex: tabBar.currentIndex

            // ---------------------------------------------------- Header
            VfScrollColumn {
                VfReportIdentity {
                    id: identity
                    Layout.fillWidth: true
                }
            }

            // ---------------------------------------------------- Summarize
            VfScrollPane {
                id: summarizePane
                ColumnLayout {
                    width: summarizePane.availableWidth
                    spacing: 10
                    VfObservation {
                        id: notes
                        objectName: "obsText"
                        label: qsTr("Notes")
                        maximumLength: 500
                        Layout.fillWidth: true
                        Layout.preferredHeight: 150
                    }
                    RowLayout {
                        Layout.fillWidth: true
                        spacing: 10
                        VfFrame {
                            label: qsTr("Events")
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            ColumnLayout {
                                spacing: 0
                                VfOptionBox { id: ckbAv; objectName: "ckbAv"; text: "Av" }
                                VfOptionBox { id: ckbAre; objectName: "ckbAre"; text: "are" }
                                VfOptionBox { id: ckbAren; objectName: "ckbAren"; text: "aren" }
                                VfOptionBox { id: ckbAxisVDV; objectName: "ckbAxisVDV"; text: qsTr("Axis VDV") }
                                VfOptionBox { id: ckbA8; objectName: "ckbA8"; text: qsTr("Final A8") }
                            }
                        }
                        VfFrame {
                            label: qsTr("Global")
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            ColumnLayout {
                                spacing: 0
                                VfOptionBox { id: ckbAxisA8Final; objectName: "ckbAxisA8Final"; text: qsTr("Axis A8") }
                                VfOptionBox { id: ckbAreFinal; objectName: "ckbAreFinal"; text: "are" }
                                VfOptionBox { id: ckbArenFinal; objectName: "ckbArenFinal"; text: "aren" }
                                VfOptionBox { id: ckbVDVFinal; objectName: "ckbVDVFinal"; text: qsTr("Final VDV") }
                                VfOptionBox { id: ckbAxisVDVFinal; objectName: "ckbAxisVDVFinal"; text: qsTr("Axis VDV") }
                                VfOptionBox { id: ckbA8Final; objectName: "ckbA8Final"; text: qsTr("Final A8") }
                            }
                        }
                    }
                    VfOptionBox {
                        id: ckbCalibration
                        objectName: "ckbCalibration"
                        text: qsTr("Calibration certificated")
                    }
                    Item { Layout.fillHeight: true }
                }
            }

            // ---------------------------------------------------- Detailed
            VfScrollPane {
                id: detailedPane
                GridLayout {
                    width: detailedPane.availableWidth
                    columns: 3
                    columnSpacing: 10
                    rowSpacing: 10
                    VfFrame {
                        label: qsTr("Sensor")
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        VfOptionBox { id: ckbSensDetail; objectName: "ckbSensDetail"; text: qsTr("Sensor information") }
                    }
                    VfFrame {
                        label: qsTr("Limits")
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.rowSpan: 2
                        ColumnLayout {
                            spacing: 0
                            VfOptionBox { id: ckbMinDetail; objectName: "ckbMinDetail"; text: qsTr("Minimum") }
                            VfOptionBox { id: ckbMaxDetail; objectName: "ckbMaxDetail"; text: qsTr("Maximum") }
                            VfOptionBox { id: ckbAvgDetail; objectName: "ckbAvgDetail"; text: qsTr("Average") }
                            VfOptionBox { id: ckbPeakDetail; objectName: "ckbPeakDetail"; text: qsTr("Peak") }
                            VfOptionBox { id: ckbMTVVDetail; objectName: "ckbMTVVDetail"; text: "MTVV" }
                            VfOptionBox { id: ckbCFDetail; objectName: "ckbCFDetail"; text: qsTr("Crest Factor") }
                        }
                    }
                    VfFrame {
                        label: qsTr("Acceleration")
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.rowSpan: 2
                        ColumnLayout {
                            spacing: 0
                            VfOptionBox { id: ckbA8Detail; objectName: "ckbA8Detail"; text: "A(8)" }
                            VfOptionBox { id: ckbAreDetail; objectName: "ckbAreDetail"; text: "are" }
                            VfOptionBox { id: ckbArenDetail; objectName: "ckbArenDetail"; text: "aren" }
                            VfOptionBox { id: ckbAvgRDetail; objectName: "ckbAvgRDetail"; text: qsTr("Average") }
                        }
                    }
                    VfFrame {
                        label: qsTr("Items")
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        ColumnLayout {
                            spacing: 0
                            VfOptionBox { id: ckbOctaves; objectName: "ckbOctaves"; text: qsTr("Octaves") }
                            VfOptionBox {
                                id: ckbChart
                                objectName: "ckbChart"
                                text: qsTr("Chart")
                                enabled: !window.disableChartOptions
                            }
                            VfOptionBox {
                                id: ckbTable
                                objectName: "ckbTable"
                                text: qsTr("Table")
                                checked: false
                                enabled: !window.disableTableOptions
                            }
                        }
                    }
                    VfFrame {
                        label: qsTr("Dose")
                        Layout.fillWidth: true
                        Layout.columnSpan: 3
                        RowLayout {
                            spacing: 10
                            VfOptionBox { id: ckbVDVRDetail; objectName: "ckbVDVRDetail"; text: "VDVR" }
                            VfOptionBox { id: ckbAxisVDVexpDetail; objectName: "ckbAxisVDVexpDetail"; text: qsTr("Axis VDVexp") }
                            VfOptionBox { id: ckbAxisVDVDetail; objectName: "ckbAxisVDVDetail"; text: qsTr("Axis VDV") }
                        }
                    }
                    Item { Layout.fillHeight: true; Layout.columnSpan: 3 }
                }
            }

            // ---------------------------------------------------- Extras
            VfScrollPane {
                id: extrasPane
                ColumnLayout {
                    width: extrasPane.availableWidth
                    spacing: 10
                    VfFrame {
                        label: qsTr("Logo")
                        Layout.fillWidth: true
                        VfImage {
                            id: logo
                            objectName: "logoFile"
                            implicitWidth: 300
                            implicitHeight: 160
                        }
                    }
                    Item { Layout.fillHeight: true }
                }
            }
        }
    }

    fileExtras: VfOptionBox {
        id: ckbCsv
        objectName: "ckbCsv"
        text: qsTr("Export to csv")
        checked: false
    }
}
