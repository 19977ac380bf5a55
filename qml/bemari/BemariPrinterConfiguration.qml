import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions
import "SoundLevelPages.js" as Data

// The report window of a sound level meter run: what the "Noise Report"
// holds, the client and signer texts, logo, notes, calibration lines and the
// output file. The "BEMARI+" window has frames of its own for the band
// curves, results, max/min and statistics.
VfReportWindow {
    id: window

    // The product name of the model whose report this window configures.
    property string modelName: "BEMARI"
    readonly property bool plus: modelName === "BEMARI+"
    readonly property var curves: ["Z", "C", "A"]
    // The run shown has band levels / records: the band charts, and the
    // table and level chart, can be printed.
    property bool hasBands: true
    property bool hasRecords: true

    titlePrefix: Data.models[modelName].titlePrefix
    dialogs.objectName: "bemariReportDialogs"

    // The choices the run shown allows.
    function setRun(results, withRecords) {
        hasBands = Data.hasBands(results)
        hasRecords = withRecords
    }

    // The options object: the keys the model's report reads, those of a
    // section the run cannot print off.
    function options() {
        var o = ReportOptions.commonOptions({
            file: outputFile, fields: identity.fields(),
            logo: notesAndLogo.logo, notes: notesAndLogo.notes, table: hasRecords && ckbTable.checked
        })
        o.ckbChartLvl = hasRecords && ckbChartLvl.checked
        var bands = hasBands && (plus || ckbChartLeq.checked)
        if (!plus)
            o.ckbChartLeq = bands
        o.ckbLeqZ = bands && curveChecked("Z")
        o.ckbLeqA = bands && curveChecked("A")
        o.ckbLeqC = bands && curveChecked("C")
        if (plus) {
            resultsFrame.addOptions(o)
            maxMinFrame.addOptions(o)
            o.ckbStatistics = ckbStatistics.checked
        }
        calibration.addOptions(o)
        return o
    }

    // The band curve box of `letter` ("Z", "C" or "A") is checked.
    function curveChecked(letter) {
        var box = (plus ? plusCurves : bemariCurves).itemAt(curves.indexOf(letter))
        return !!box && box.checked
    }

    // The results of each weighting, one frame of boxes named
    // prefix + letter.
    component WeightingFrame: VfFrame {
        property string prefix
        function addOptions(o) {
            for (var i = 0; i < boxes.count; ++i)
                o[boxes.itemAt(i).objectName] = boxes.itemAt(i).checked
        }
        visible: window.plus
        Layout.fillWidth: true
        Layout.fillHeight: true
        ColumnLayout {
            spacing: 0
            Repeater {
                id: boxes
                model: window.curves
                VfOptionBox { objectName: prefix + modelData; text: modelData }
            }
        }
    }

    VfScrollColumn {
        objectName: "reportOptions"
        anchors.fill: parent

        // The frames of the "BEMARI+" take two rows in a narrow window.
        GridLayout {
            Layout.fillWidth: true
            columns: window.width >= 1000 ? 6 : 3
            columnSpacing: 10
            rowSpacing: 10

            VfFrame {
                label: qsTr("Select log items")
                Layout.fillWidth: true
                Layout.fillHeight: true
                ColumnLayout {
                    spacing: 0
                    VfOptionBox {
                        id: ckbTable
                        objectName: "ckbTable"
                        text: qsTr("Table")
                        checked: false
                        enabled: window.hasRecords
                    }
                    VfOptionBox {
                        id: ckbChartLvl
                        objectName: "ckbChartLvl"
                        text: qsTr("Chart")
                        enabled: window.hasRecords
                    }
                    VfOptionBox {
                        id: ckbChartLeq
                        objectName: "ckbChartLeq"
                        text: qsTr("Octave analysis")
                        visible: !window.plus
                        enabled: window.hasBands
                    }
                    ColumnLayout {
                        visible: !window.plus
                        Layout.leftMargin: 28
                        spacing: 0
                        Repeater {
                            id: bemariCurves
                            model: window.plus ? [] : window.curves
                            VfOptionBox {
                                objectName: "ckbLeq" + modelData
                                text: modelData + " Curve"
                                enabled: window.hasBands && ckbChartLeq.checked
                                checked: modelData !== "C"
                            }
                        }
                    }
                }
            }

            VfFrame {
                label: qsTr("Octave Analysis")
                visible: window.plus
                Layout.fillWidth: true
                Layout.fillHeight: true
                ColumnLayout {
                    spacing: 0
                    Repeater {
                        id: plusCurves
                        model: window.plus ? window.curves : []
                        VfOptionBox {
                            objectName: "ckbLeq" + modelData
                            text: modelData + " Curve"
                            enabled: window.hasBands
                            checked: modelData !== "C"
                        }
                    }
                }
            }

            WeightingFrame { id: resultsFrame; label: qsTr("Results"); prefix: "ckbRes" }
            WeightingFrame { id: maxMinFrame; label: qsTr("Max/Min"); prefix: "ckbMaxMin" }

            VfFrame {
                label: qsTr("Statistics")
                visible: window.plus
                Layout.fillWidth: true
                Layout.fillHeight: true
                VfOptionBox { id: ckbStatistics; objectName: "ckbStatistics"; text: qsTr("Statistics") }
            }

            VfCalibrationOptions {
                id: calibration
                preCheckName: "ckbPreChk"
                postCheckName: "ckbPosChk"
                labCertificateText: qsTr("Sonom. cal. cert.")
                // The field checks print as one section of the pre and post
                // checks.
                fieldChecksName: "ckbCalField"
            }
        }

        VfReportIdentity { id: identity; Layout.fillWidth: true }
        VfReportNotes { id: notesAndLogo; Layout.fillWidth: true }
    }
}
