import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions

// The report window of a heat-stress run: which readings the table, the
// chart and the results print, the client and signer texts, logo, notes,
// calibration, the CSV export and the output file. "Generate PDF" emits
// confirmedOK with the options as JSON text; whoever writes the report
// hides the window once it is written, so that a failed report can be
// tried again with the fields as they are.
Window {
    id: window

    // "Kestrum 2 - " or "Kestrum 4 - ".
    property string titlePrefix: ""
    // The title of the item frame.
    property string itemsLabel: qsTr("Select report items")
    // The results are chosen per reading ("KESTRUM 4") rather than as
    // maximum/minimum and average ("KESTRUM 2").
    property bool resultsPerReading: false

    property alias outputFile: outputFile
    property alias errorText: errorText
    property alias generateButton: generateButton
    // The message boxes shown over this window.
    property alias dialogs: dialogs
    // "Generate PDF" was pressed: an empty file name is pointed out.
    property bool attempted: false

    signal confirmedOK(string cfg)

    title: titlePrefix + qsTr("Report configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    width: 1060
    height: 760
    minimumWidth: 800
    minimumHeight: 550
    color: "#e0e0e0"

    // The readings of a switch group, in the order of the window: the check
    // box of a group is named "ckb" + the reading's key + the group's.
    readonly property var readings: [
        { "key": "DryTemp", "text": qsTr("Dry bulb") },
        { "key": "WetTemp", "text": qsTr("Wet bulb") },
        { "key": "GlobeTemp", "text": qsTr("Globe") },
        { "key": "IBUTGi", "text": "WBGTi" },
        { "key": "IBUTGe", "text": "WBGTo" }
    ]

    // The options object: the common keys and every switch under its name.
    function options() {
        var o = ReportOptions.commonOptions({
            file: outputFile,
            fields: { cmpnyName: cmpnyName, siteName: siteName, ownCompany: ownCompany,
                      collectorName: collectorName, repName: repName, repIdReg: repIdReg },
            logo: logo, notes: notes, table: tableGroup.checked
        })
        var groups = [tableGroup, chartGroup, resultsGroup]
        for (var g = 0; g < groups.length; ++g) {
            if (!groups[g].visible)
                continue
            o[groups[g].name] = groups[g].checked
            var boxes = groups[g].boxes
            for (var b = 0; b < boxes.count; ++b)
                o[boxes.itemAt(b).objectName] = boxes.itemAt(b).checked
        }
        if (!resultsPerReading) {
            o.ckbMaxMin = ckbMaxMin.checked
            o.ckbAvg = ckbAvg.checked
        }
        o.ckbCalibration = ckbCalibration.checked
        o.ckbCsv = ckbCsv.checked
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

    // A group switch and the five readings it enables.
    component SwitchGroup: ColumnLayout {
        id: group
        property alias text: groupBox.text
        property alias checked: groupBox.checked
        // The switch's name and the suffix of its check boxes' names.
        property string name: ""
        property string suffix: ""
        property alias boxes: boxes
        spacing: 0
        OptionBox {
            id: groupBox
            objectName: group.name
            font.bold: true
        }
        Repeater {
            id: boxes
            model: window.readings
            OptionBox {
                objectName: "ckb" + modelData.key + group.suffix
                text: modelData.text
                enabled: groupBox.checked
                Layout.leftMargin: 24
            }
        }
    }

    component Field: VfFieldTextInput {
        Layout.fillWidth: true
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
                    label: window.itemsLabel
                    Layout.fillWidth: true
                    Layout.fillHeight: true

                    RowLayout {
                        spacing: 40
                        SwitchGroup {
                            id: tableGroup
                            name: "ckbTable"
                            Layout.alignment: Qt.AlignTop
                            text: qsTr("Table temp")
                            suffix: "Table"
                        }
                        SwitchGroup {
                            id: chartGroup
                            name: "ckbChart"
                            Layout.alignment: Qt.AlignTop
                            text: qsTr("Chart temp")
                            suffix: "Chart"
                        }
                        SwitchGroup {
                            id: resultsGroup
                            name: "ckbResults"
                            Layout.alignment: Qt.AlignTop
                            visible: window.resultsPerReading
                            text: qsTr("Results")
                            suffix: "Results"
                        }
                    }
                }

                ColumnLayout {
                    Layout.alignment: Qt.AlignTop
                    spacing: 10

                    VfFrame {
                        label: qsTr("Show results")
                        visible: !window.resultsPerReading
                        Layout.fillWidth: true
                        ColumnLayout {
                            spacing: 0
                            OptionBox { id: ckbMaxMin; objectName: "ckbMaxMin"; text: qsTr("Max/Min") }
                            OptionBox { id: ckbAvg; objectName: "ckbAvg"; text: qsTr("Avg") }
                        }
                    }
                    VfFrame {
                        label: qsTr("Show calibration")
                        Layout.fillWidth: true
                        OptionBox { id: ckbCalibration; objectName: "ckbCalibration"; text: qsTr("Cal. cert.") }
                    }
                    OptionBox { id: ckbCsv; objectName: "ckbCsv"; text: qsTr("Generate CSV") }
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
                        Field {
                            id: cmpnyName
                            objectName: "cmpnyName"
                            label: qsTr("Company") + ":"
                            placeholderText: qsTr("E.g.") + " " + "Valtrix Ltd."
                        }
                        Field {
                            id: siteName
                            objectName: "siteName"
                            label: qsTr("Site/Area") + ":"
                            placeholderText: qsTr("E.g.") + " " + qsTr("Engineering")
                        }
                    }
                }

                VfFrame {
                    label: qsTr("Identification")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    GridLayout {
                        anchors { left: parent.left; right: parent.right }
                        columns: 2
                        columnSpacing: 10
                        rowSpacing: 6
                        Field {
                            id: ownCompany
                            objectName: "ownCompany"
                            label: qsTr("Company") + ":"
                            placeholderText: qsTr("E.g.") + " " + "Hygiene Services Inc."
                        }
                        Field {
                            id: collectorName
                            objectName: "collectorName"
                            label: qsTr("Collected by") + ":"
                            placeholderText: qsTr("E.g.") + " " + "John Smith"
                        }
                        Field {
                            id: repName
                            objectName: "repName"
                            label: qsTr("Reporter name") + ":"
                            placeholderText: qsTr("E.g.") + " " + "Mary Jones"
                        }
                        Field {
                            id: repIdReg
                            objectName: "repIdReg"
                            label: qsTr("Reporter ID") + ":"
                            placeholderText: qsTr("E.g.") + " " + "123456"
                        }
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
                    label: qsTr("Logo")
                    Layout.preferredWidth: 260
                    Layout.preferredHeight: 150
                }
            }
        }
    }

    VfDialogs {
        id: dialogs
        objectName: "reportDialogs"
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
