import QtQuick 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "../../qml/VfReportOptions.js" as ReportOptions

// The report window of a heat-stress run: which readings the table, the
// chart and the results print, the client and signer texts, logo, notes,
// calibration, the CSV export and the output file.
VfReportWindow {
    id: window

    // The title of the item frame.
    property string itemsLabel: qsTr("Select report items")
    // The results are chosen per reading ("KESTRUM 4") rather than as
    // maximum/minimum and average ("KESTRUM 2").
    property bool resultsPerReading: false

    wantedWidth: 1060
    wantedMinimumHeight: 550

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
            fields: identity.fields(),
            logo: notesAndLogo.logo, notes: notesAndLogo.notes, table: tableGroup.checked
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
            o.ckbMaxMin = summary.maxMin.checked
            o.ckbAvg = summary.average.checked
        }
        o.ckbCalibration = summary.calibration.checked
        o.ckbCsv = ckbCsv.checked
        return o
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
        VfOptionBox {
            id: groupBox
            objectName: group.name
            font.bold: true
        }
        Repeater {
            id: boxes
            model: window.readings
            VfOptionBox {
                objectName: "ckb" + modelData.key + group.suffix
                text: modelData.text
                enabled: groupBox.checked
                Layout.leftMargin: 24
            }
        }
    }

    VfScrollColumn {
        objectName: "reportOptions"
        anchors.fill: parent

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

            VfSummaryOptions {
                id: summary
                showResults: !window.resultsPerReading

                VfOptionBox { id: ckbCsv; objectName: "ckbCsv"; text: qsTr("Generate CSV") }
            }
        }

        VfReportIdentity {
            id: identity
            Layout.fillWidth: true
            labelEnd: ":"
            showEmployee: false
            examples: ({ cmpnyName: "Valtrix Ltd.", siteName: qsTr("Engineering"),
                         ownCompany: "Hygiene Services Inc.", collectorName: "John Smith",
                         repName: "Mary Jones", repIdReg: "123456" })
        }
        VfReportNotes {
            id: notesAndLogo
            Layout.fillWidth: true
        }
    }
}
