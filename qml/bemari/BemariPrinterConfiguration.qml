import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions
import "SoundLevelPages.js" as Data

// The report window of a sound level meter run: what the "Noise Report"
// holds, the client and signer texts, logo, notes, calibration lines and the
// output file. "Generate PDF" emits confirmedOK with the options as JSON
// text; whoever writes the report hides the window once it is written, so
// that a failed report can be tried again with the fields as they are. The
// "BEMARI+" window has frames of its own for the band curves, results,
// max/min and statistics.
Window {
    id: window

    // The product name of the model whose report this window configures.
    property string modelName: "BEMARI"
    readonly property bool plus: modelName === "BEMARI+"
    readonly property var curves: ["Z", "C", "A"]
    // The run shown has band levels / records: the band charts, and the
    // table and level chart, can be printed.
    property bool hasBands: true
    property bool hasRecords: true

    property alias outputFile: outputFile
    property alias errorText: errorText
    property alias generateButton: generateButton
    // The message boxes shown over this window.
    property alias dialogs: dialogs

    // "Generate PDF" was pressed: an empty file name is pointed out.
    property bool attempted: false

    signal confirmedOK(string cfg)

    title: Data.models[modelName].titlePrefix + qsTr("Report configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    width: 980
    height: 760
    minimumWidth: 800
    minimumHeight: 600
    color: "#e0e0e0"

    // The choices the run shown allows.
    function setRun(results, withRecords) {
        hasBands = Data.hasBands(results)
        hasRecords = withRecords
    }

    // The options object: the keys the model's report reads, those of a
    // section the run cannot print off.
    function options() {
        var o = ReportOptions.commonOptions({
            file: outputFile,
            fields: { cmpnyName: cmpnyName, emplName: emplName, siteName: siteName,
                      ownCompany: ownCompany, collectorName: collectorName,
                      repName: repName, repIdReg: repIdReg },
            logo: logo, notes: notes, table: hasRecords && ckbTable.checked
        })
        o.audCertified = audCertified.text
        o.ckbChartLvl = hasRecords && ckbChartLvl.checked
        var bands = hasBands && (plus || ckbChartLeq.checked)
        if (!plus)
            o.ckbChartLeq = bands
        o.ckbLeqZ = bands && curveChecked("Z")
        o.ckbLeqA = bands && curveChecked("A")
        o.ckbLeqC = bands && curveChecked("C")
        if (plus) {
            o.ckbResZ = ckbResZ.checked
            o.ckbResA = ckbResA.checked
            o.ckbResC = ckbResC.checked
            o.ckbMaxMinZ = ckbMaxMinZ.checked
            o.ckbMaxMinA = ckbMaxMinA.checked
            o.ckbMaxMinC = ckbMaxMinC.checked
            o.ckbStatistics = ckbStatistics.checked
        }
        // The field checks print as one section of the pre and post checks.
        o.ckbCalField = ckbPreChk.checked || ckbPosChk.checked
        o.ckbPreChk = ckbPreChk.checked
        o.ckbPosChk = ckbPosChk.checked
        o.ckbCalLab = ckbCalLab.checked
        o.ckbCalAudLab = ckbCalAudLab.checked
        return o
    }

    // The band curve box of `letter` ("Z", "C" or "A") is checked.
    function curveChecked(letter) {
        var box = (plus ? plusCurves : bemariCurves).itemAt(curves.indexOf(letter))
        return !!box && box.checked
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
                    label: qsTr("Select log items")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox {
                            id: ckbTable
                            objectName: "ckbTable"
                            text: qsTr("Table")
                            checked: false
                            enabled: window.hasRecords
                        }
                        OptionBox {
                            id: ckbChartLvl
                            objectName: "ckbChartLvl"
                            text: qsTr("Chart")
                            enabled: window.hasRecords
                        }
                        OptionBox {
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
                                OptionBox {
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
                            OptionBox {
                                objectName: "ckbLeq" + modelData
                                text: modelData + " Curve"
                                enabled: window.hasBands
                                checked: modelData !== "C"
                            }
                        }
                    }
                }

                VfFrame {
                    label: qsTr("Results")
                    visible: window.plus
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox { id: ckbResZ; objectName: "ckbResZ"; text: "Z" }
                        OptionBox { id: ckbResC; objectName: "ckbResC"; text: "C" }
                        OptionBox { id: ckbResA; objectName: "ckbResA"; text: "A" }
                    }
                }

                VfFrame {
                    label: qsTr("Max/Min")
                    visible: window.plus
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox { id: ckbMaxMinZ; objectName: "ckbMaxMinZ"; text: "Z" }
                        OptionBox { id: ckbMaxMinC; objectName: "ckbMaxMinC"; text: "C" }
                        OptionBox { id: ckbMaxMinA; objectName: "ckbMaxMinA"; text: "A" }
                    }
                }

                VfFrame {
                    label: qsTr("Statistics")
                    visible: window.plus
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    OptionBox { id: ckbStatistics; objectName: "ckbStatistics"; text: qsTr("Statistics") }
                }

                VfFrame {
                    label: qsTr("Calibration")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        spacing: 0
                        OptionBox { id: ckbPreChk; objectName: "ckbPreChk"; text: qsTr("Pre check") }
                        OptionBox { id: ckbPosChk; objectName: "ckbPosChk"; text: qsTr("Pos check") }
                        OptionBox { id: ckbCalLab; objectName: "ckbCalLab"; text: qsTr("Sonom. cal. cert.") }
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
                            Layout.preferredWidth: 180
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
                    label: qsTr("Notes")
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
        objectName: "bemariReportDialogs"
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
