import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions

// The report window of a DRAVO 2 run: what the "Dosimeter Noise Report"
// holds, the client and signer texts, notes, logo and the output file.
VfReportWindow {
    id: window

    // The run has band levels: the octave charts can be printed.
    property bool chartLeqEnabled: false
    // The hearing-protector tab is offered for the run.
    property bool hearingProtectedEnabled: false
    // The tab's evaluation was handed to the run's results.
    property bool hearingProtectorReady: false

    titlePrefix: "Dravo 2 - "
    dialogs.objectName: "dravo2ReportDialogs"

    // The options object; the keys of a section the run cannot print are off.
    function options() {
        var o = ReportOptions.commonOptions({
            file: outputFile, fields: identity.fields(),
            logo: notesAndLogo.logo, notes: notesAndLogo.notes, table: ckbTable.checked
        })
        var boxes = [ckbDos1DosiCfg, ckbDos2DosiCfg, ckbDosUSERDosiCfg, ckbImpact, ckbChartLvl, ckbChartHisto]
        for (var i = 0; i < boxes.length; ++i)
            o[boxes[i].objectName] = boxes[i].checked
        calibration.addOptions(o)
        o.ckbHearingProtector = ckbHearingProtector.visible && ckbHearingProtector.enabled
                                && ckbHearingProtector.checked
        var leq = ckbChartLeq.visible && ckbChartLeq.checked
        o.ckbChartLeq = leq
        o.ckbLeqZ = leq && ckbLeqZ.checked
        o.ckbLeqA = leq && ckbLeqA.checked
        o.ckbLeqC = leq && ckbLeqC.checked
        return o
    }

    VfScrollColumn {
        objectName: "reportOptions"
        anchors.fill: parent

        // The frames take two rows in a narrow window.
        GridLayout {
            Layout.fillWidth: true
            columns: window.width >= 1000 ? 4 : 2
            columnSpacing: 10
            rowSpacing: 10

            VfFrame {
                label: qsTr("Configuration")
                Layout.fillWidth: true
                Layout.fillHeight: true
                ColumnLayout {
                    spacing: 0
                    VfOptionBox { id: ckbDos1DosiCfg; objectName: "ckbDos1DosiCfg"; text: "Dos1" }
                    VfOptionBox { id: ckbDos2DosiCfg; objectName: "ckbDos2DosiCfg"; text: "Dos2" }
                    VfOptionBox { id: ckbDosUSERDosiCfg; objectName: "ckbDosUSERDosiCfg"; text: "User" }
                }
            }

            VfCalibrationOptions {
                id: calibration
                preCheckName: "ckbPreCal"
                postCheckName: "ckbPosCal"
                labCertificateText: qsTr("Dosim. cal. cert.")
            }

            VfFrame {
                label: qsTr("Items")
                Layout.fillWidth: true
                Layout.fillHeight: true
                ColumnLayout {
                    spacing: 0
                    VfOptionBox { id: ckbTable; objectName: "ckbTable"; text: qsTr("Table"); checked: false }
                    VfOptionBox { id: ckbImpact; objectName: "ckbImpact"; text: qsTr("N peaks") }
                    VfOptionBox {
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
                    VfOptionBox { id: ckbChartLvl; objectName: "ckbChartLvl"; text: qsTr("Level") }
                    VfOptionBox { id: ckbChartHisto; objectName: "ckbChartHisto"; text: qsTr("Histogram") }
                    VfOptionBox {
                        id: ckbChartLeq
                        objectName: "ckbChartLeq"
                        text: qsTr("Octave Analysis")
                        visible: window.chartLeqEnabled
                    }
                    ColumnLayout {
                        visible: window.chartLeqEnabled
                        Layout.leftMargin: 28
                        spacing: 0
                        VfOptionBox { id: ckbLeqZ; objectName: "ckbLeqZ"; text: "Z Curve"; enabled: ckbChartLeq.checked }
                        VfOptionBox { id: ckbLeqA; objectName: "ckbLeqA"; text: "A Curve"; enabled: ckbChartLeq.checked }
                        VfOptionBox { id: ckbLeqC; objectName: "ckbLeqC"; text: "C Curve"; enabled: ckbChartLeq.checked; checked: false }
                    }
                }
            }
        }

        VfReportIdentity { id: identity; Layout.fillWidth: true }
        VfReportNotes {
            id: notesAndLogo
            Layout.fillWidth: true
            notes.label: qsTr("Comments")
        }
    }
}
