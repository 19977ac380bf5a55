import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions

// The report window of the vibration meter's runs: what the "Vibration
// evaluation report" holds, on the tabs "Header", "Summarize", "Detailed" and
// "Extras", the output file and the CSV beside it. "Generate PDF" emits
// confirmedOK with the options as JSON text; whoever writes the report hides
// the window once it is written, so that a failed report can be tried again
// with the fields as they are.
Window {
    id: window

    // The current run has no samples: no chart and no table to print.
    property bool disableChartOptions: false
    property bool disableTableOptions: false

    property alias outputFile: outputFile
    property alias tabBar: tabBar
    property alias dialogs: dialogs
    // "Generate PDF" was pressed: an empty file name is pointed out.
    property bool attempted: false

    signal confirmedOK(string cfg)

    title: "Quillon - " + qsTr("Report configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    width: 900
    height: 640
    minimumWidth: 760
    minimumHeight: 560
    color: "#e0e0e0"

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
            fields: { cmpnyName: cmpnyName, emplName: emplName, siteName: siteName,
                      ownCompany: ownCompany, collectorName: collectorName,
                      repName: repName, repIdReg: repIdReg },
            logo: logo, notes: notes,
            table: ckbTable.enabled && ckbTable.checked
        })
        for (var i = 0; i < switches.length; ++i)
            o[switches[i].objectName] = switches[i].enabled && switches[i].checked
        return o
    }

    // "Generate PDF": refused without a file name.
    function submit() {
        attempted = true
        if (outputFile.empty)
            return false
        attempted = false
        confirmedOK(JSON.stringify(options()))
        return true
    }

    component OptionBox: CheckBox {
        font.family: fontSans.name
        font.pixelSize: 13
        checked: true
    }

    ColumnLayout {
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: bottomBar.top }
        anchors.margins: 12
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
            VfScrollPane {
                id: headerPane
                ColumnLayout {
                    width: headerPane.availableWidth
                    spacing: 10
                    VfFrame {
                        label: qsTr("Client")
                        Layout.fillWidth: true
                        ColumnLayout {
                            anchors { left: parent.left; right: parent.right }
                            spacing: 6
                            VfFieldTextInput { id: cmpnyName; objectName: "cmpnyName"; label: qsTr("Company"); Layout.fillWidth: true }
                            VfFieldTextInput { id: emplName; objectName: "emplName"; label: qsTr("Employee"); Layout.fillWidth: true }
                            VfFieldTextInput { id: siteName; objectName: "siteName"; label: qsTr("Site/Area"); Layout.fillWidth: true }
                        }
                    }
                    VfFrame {
                        label: qsTr("Identification")
                        Layout.fillWidth: true
                        ColumnLayout {
                            anchors { left: parent.left; right: parent.right }
                            spacing: 6
                            VfFieldTextInput { id: ownCompany; objectName: "ownCompany"; label: qsTr("Company"); Layout.fillWidth: true }
                            VfFieldTextInput { id: collectorName; objectName: "collectorName"; label: qsTr("Collected by"); Layout.fillWidth: true }
                            VfFieldTextInput { id: repName; objectName: "repName"; label: qsTr("Reporter name"); Layout.fillWidth: true }
                            VfFieldTextInput { id: repIdReg; objectName: "repIdReg"; label: qsTr("Reporter ID"); Layout.fillWidth: true }
                        }
                    }
                    Item { Layout.fillHeight: true }
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
                                OptionBox { id: ckbAv; objectName: "ckbAv"; text: "Av" }
                                OptionBox { id: ckbAre; objectName: "ckbAre"; text: "are" }
                                OptionBox { id: ckbAren; objectName: "ckbAren"; text: "aren" }
                                OptionBox { id: ckbAxisVDV; objectName: "ckbAxisVDV"; text: qsTr("Axis VDV") }
                                OptionBox { id: ckbA8; objectName: "ckbA8"; text: qsTr("Final A8") }
                            }
                        }
                        VfFrame {
                            label: qsTr("Global")
                            Layout.fillWidth: true
                            Layout.fillHeight: true
                            ColumnLayout {
                                spacing: 0
                                OptionBox { id: ckbAxisA8Final; objectName: "ckbAxisA8Final"; text: qsTr("Axis A8") }
                                OptionBox { id: ckbAreFinal; objectName: "ckbAreFinal"; text: "are" }
                                OptionBox { id: ckbArenFinal; objectName: "ckbArenFinal"; text: "aren" }
                                OptionBox { id: ckbVDVFinal; objectName: "ckbVDVFinal"; text: qsTr("Final VDV") }
                                OptionBox { id: ckbAxisVDVFinal; objectName: "ckbAxisVDVFinal"; text: qsTr("Axis VDV") }
                                OptionBox { id: ckbA8Final; objectName: "ckbA8Final"; text: qsTr("Final A8") }
                            }
                        }
                    }
                    OptionBox {
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
                        OptionBox { id: ckbSensDetail; objectName: "ckbSensDetail"; text: qsTr("Sensor information") }
                    }
                    VfFrame {
                        label: qsTr("Limits")
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.rowSpan: 2
                        ColumnLayout {
                            spacing: 0
                            OptionBox { id: ckbMinDetail; objectName: "ckbMinDetail"; text: qsTr("Minimum") }
                            OptionBox { id: ckbMaxDetail; objectName: "ckbMaxDetail"; text: qsTr("Maximum") }
                            OptionBox { id: ckbAvgDetail; objectName: "ckbAvgDetail"; text: qsTr("Average") }
                            OptionBox { id: ckbPeakDetail; objectName: "ckbPeakDetail"; text: qsTr("Peak") }
                            OptionBox { id: ckbMTVVDetail; objectName: "ckbMTVVDetail"; text: "MTVV" }
                            OptionBox { id: ckbCFDetail; objectName: "ckbCFDetail"; text: qsTr("Crest Factor") }
                        }
                    }
                    VfFrame {
                        label: qsTr("Acceleration")
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        Layout.rowSpan: 2
                        ColumnLayout {
                            spacing: 0
                            OptionBox { id: ckbA8Detail; objectName: "ckbA8Detail"; text: "A(8)" }
                            OptionBox { id: ckbAreDetail; objectName: "ckbAreDetail"; text: "are" }
                            OptionBox { id: ckbArenDetail; objectName: "ckbArenDetail"; text: "aren" }
                            OptionBox { id: ckbAvgRDetail; objectName: "ckbAvgRDetail"; text: qsTr("Average") }
                        }
                    }
                    VfFrame {
                        label: qsTr("Items")
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        ColumnLayout {
                            spacing: 0
                            OptionBox { id: ckbOctaves; objectName: "ckbOctaves"; text: qsTr("Octaves") }
                            OptionBox {
                                id: ckbChart
                                objectName: "ckbChart"
                                text: qsTr("Chart")
                                enabled: !window.disableChartOptions
                            }
                            OptionBox {
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
                            OptionBox { id: ckbVDVRDetail; objectName: "ckbVDVRDetail"; text: "VDVR" }
                            OptionBox { id: ckbAxisVDVexpDetail; objectName: "ckbAxisVDVexpDetail"; text: qsTr("Axis VDVexp") }
                            OptionBox { id: ckbAxisVDVDetail; objectName: "ckbAxisVDVDetail"; text: qsTr("Axis VDV") }
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

    VfDialogs {
        id: dialogs
        objectName: "quillonReportDialogs"
    }

    // The output file and the command stay in view below the options.
    Rectangle {
        id: bottomBar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: bottomRow.implicitHeight + 20
        color: "#d4d4d4"

        RowLayout {
            id: bottomRow
            anchors { fill: parent; margins: 10 }
            spacing: 12

            VfSelectFile {
                id: outputFile
                objectName: "fileName"
                Layout.fillWidth: true
            }
            ColumnLayout {
                CheckBox {
                    id: ckbCsv
                    objectName: "ckbCsv"
                    text: qsTr("Export to csv")
                    font.family: fontSans.name
                    font.pixelSize: 13
                    checked: false
                }
                VfMessage {
                    objectName: "fileNameError"
                    longest: qsTr("File name shall not be empty")
                    text: window.attempted && outputFile.empty ? longest : ""
                }
                MyButton {
                    objectName: "generatePdf"
                    buttonLabel: qsTr("Generate PDF")
                    onMyButtonclicked: window.submit()
                }
            }
        }
    }
}
