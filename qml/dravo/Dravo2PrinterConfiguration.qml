import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions

// The report window of a DRAVO 2 run: what the "Dosimeter Noise Report"
// holds, the client and signer texts, notes, logo and the output file.
// "Generate PDF" emits confirmedOK with the options as JSON text; whoever
// writes the report hides the window once it is written, so that a failed
// report can be tried again with the fields as they are.
Window {
    id: window

    // The run has band levels: the octave charts can be printed.
    property bool chartLeqEnabled: false
    // The hearing-protector tab is offered for the run.
    property bool hearingProtectedEnabled: false
    // The tab's evaluation was handed to the run's results.
    property bool hearingProtectorReady: false

    property alias outputFile: outputFile
    property alias errorText: errorText
    property alias generateButton: generateButton
    // The message boxes shown over this window.
    property alias dialogs: dialogs

    // "Generate PDF" was pressed: an empty file name is pointed out.
    property bool attempted: false

    signal confirmedOK(string cfg)

    title: "Dravo 2 - " + qsTr("Report configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    width: 980
    height: 760
    // No larger than the main window's minimum: every field is reached by
    // scrolling the options.
    minimumWidth: 800
    minimumHeight: 600
    color: "#e0e0e0"

    // The options object; the keys of a section the run cannot print are off.
    function options() {
        var o = ReportOptions.commonOptions({
            file: outputFile,
            fields: { cmpnyName: cmpnyName, emplName: emplName, siteName: siteName,
                      ownCompany: ownCompany, collectorName: collectorName,
                      repName: repName, repIdReg: repIdReg },
            logo: logo, notes: notes, table: ckbTable.checked
        })
        o.ckbDos1DosiCfg = ckbDos1DosiCfg.checked
        o.ckbDos2DosiCfg = ckbDos2DosiCfg.checked
        o.ckbDosUSERDosiCfg = ckbDosUSERDosiCfg.checked
        o.ckbPreCal = ckbPreCal.checked
        o.ckbPosCal = ckbPosCal.checked
        o.ckbCalLab = ckbCalLab.checked
        o.ckbCalAudLab = ckbCalAudLab.checked
        o.audCertified = audCertified.text
        o.ckbImpact = ckbImpact.checked
        o.ckbHearingProtector = ckbHearingProtector.visible && ckbHearingProtector.enabled
                                && ckbHearingProtector.checked
        o.ckbChartLvl = ckbChartLvl.checked
        o.ckbChartHisto = ckbChartHisto.checked
        var leq = ckbChartLeq.visible && ckbChartLeq.checked
        o.ckbChartLeq = leq
        o.ckbLeqZ = leq && ckbLeqZ.checked
        o.ckbLeqA = leq && ckbLeqA.checked
        o.ckbLeqC = leq && ckbLeqC.checked
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

    VfScrollPane {
        id: scroll
        objectName: "reportOptions"
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: bottomBar.top }
        anchors.margins: 12

        ColumnLayout {
            width: scroll.availableWidth
            spacing: 10

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                VfFrame {
                    label: qsTr("Configuration")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox { id: ckbDos1DosiCfg; objectName: "ckbDos1DosiCfg"; text: "Dos1" }
                        OptionBox { id: ckbDos2DosiCfg; objectName: "ckbDos2DosiCfg"; text: "Dos2" }
                        OptionBox { id: ckbDosUSERDosiCfg; objectName: "ckbDosUSERDosiCfg"; text: "User" }
                    }
                }

                VfFrame {
                    label: qsTr("Calibration")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox { id: ckbPreCal; objectName: "ckbPreCal"; text: qsTr("Pre check") }
                        OptionBox { id: ckbPosCal; objectName: "ckbPosCal"; text: qsTr("Pos check") }
                        OptionBox { id: ckbCalLab; objectName: "ckbCalLab"; text: qsTr("Dosim. cal. cert.") }
                        OptionBox {
                            id: ckbCalAudLab
                            objectName: "ckbCalAudLab"
                            text: qsTr("Aud. cal. cert.")
                            checked: false
                        }
                        TextField {
                            id: audCertified
                            objectName: "audCertified"
                            placeholderText: qsTr("E.g.") + " " + "0000abc dd/mm/yyyy"
                            selectByMouse: true
                            enabled: ckbCalAudLab.checked
                            font.pixelSize: 13
                            Layout.leftMargin: 34
                            Layout.preferredWidth: 200
                        }
                    }
                }

                VfFrame {
                    label: qsTr("Items")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox { id: ckbTable; objectName: "ckbTable"; text: qsTr("Table"); checked: false }
                        OptionBox { id: ckbImpact; objectName: "ckbImpact"; text: qsTr("N peaks") }
                        OptionBox {
                            id: ckbHearingProtector
                            objectName: "ckbHearingProtector"
                            text: qsTr("Hearing Protector")
                            visible: window.hearingProtectedEnabled
                            enabled: window.hearingProtectorReady
                            checked: window.hearingProtectorReady
                            ToolTip.visible: hovered && !enabled
                            ToolTip.text: qsTr("Press Recalculate on the Hearing Protector tab first")
                        }
                    }
                }

                VfFrame {
                    label: qsTr("Charts")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox { id: ckbChartLvl; objectName: "ckbChartLvl"; text: qsTr("Level") }
                        OptionBox { id: ckbChartHisto; objectName: "ckbChartHisto"; text: qsTr("Histogram") }
                        OptionBox {
                            id: ckbChartLeq
                            objectName: "ckbChartLeq"
                            text: qsTr("Octave Analysis")
                            visible: window.chartLeqEnabled
                        }
                        ColumnLayout {
                            visible: window.chartLeqEnabled
                            Layout.leftMargin: 28
                            spacing: 0
                            OptionBox { id: ckbLeqZ; objectName: "ckbLeqZ"; text: "Z Curve"; enabled: ckbChartLeq.checked }
                            OptionBox { id: ckbLeqA; objectName: "ckbLeqA"; text: "A Curve"; enabled: ckbChartLeq.checked }
                            OptionBox { id: ckbLeqC; objectName: "ckbLeqC"; text: "C Curve"; enabled: ckbChartLeq.checked; checked: false }
                        }
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                VfFrame {
                    label: qsTr("Client")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
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
                    Layout.fillHeight: true
                    ColumnLayout {
                        anchors { left: parent.left; right: parent.right }
                        spacing: 6
                        VfFieldTextInput { id: ownCompany; objectName: "ownCompany"; label: qsTr("Company"); Layout.fillWidth: true }
                        VfFieldTextInput { id: collectorName; objectName: "collectorName"; label: qsTr("Collected by"); Layout.fillWidth: true }
                        VfFieldTextInput { id: repName; objectName: "repName"; label: qsTr("Reporter name"); Layout.fillWidth: true }
                        VfFieldTextInput { id: repIdReg; objectName: "repIdReg"; label: qsTr("Reporter ID"); Layout.fillWidth: true }
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                VfObservation {
                    id: notes
                    objectName: "obsText"
                    label: qsTr("Comments")
                    maximumLength: 500
                    Layout.fillWidth: true
                    Layout.preferredHeight: 150
                }

                VfImage {
                    id: logo
                    objectName: "logoFile"
                    Layout.preferredWidth: 260
                    Layout.preferredHeight: 150
                }
            }
        }
    }

    VfDialogs {
        id: dialogs
        objectName: "dravo2ReportDialogs"
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
                VfMessage {
                    id: errorText
                    objectName: "fileNameError"
                    longest: qsTr("File name shall not be empty")
                    text: window.attempted && outputFile.empty ? longest : ""
                }
                MyButton {
                    id: generateButton
                    objectName: "generatePdf"
                    buttonLabel: qsTr("Generate PDF")
                    onMyButtonclicked: window.submit()
                }
            }
        }
    }
}
