import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Rumo.js" as Rumo

// The report window of the "Rumo Report": the quantities of the sample
// tables and of the charts, the statistics and the sensor certificate, the
// client and signer texts, logo, notes and the output file. "Generate PDF"
// emits confirmedOK with the options as JSON text; whoever writes the report
// hides the window once it is written, so that a failed report can be tried
// again as it stands. Every time it is shown or hidden every option is on
// again and every quantity chosen (the notes keep their switch).
Window {
    id: window

    // The quantities of the run: {name, idx}.
    property var quantitiesList: []
    // The idx of the quantities chosen for the charts and for the tables.
    property var selectedChartsList: []
    property var selectedTableColumnsList: []

    property alias dialogs: dialogs
    property alias warningMessage: warningMessage
    property alias vfSelectFile: vfSelectFile
    property alias outputFile: vfSelectFile

    signal confirmedOK(string cfg)

    title: "Rumo - " + qsTr("Report configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    width: 900
    height: 640
    minimumWidth: 800
    minimumHeight: 550
    color: "#e0e0e0"

    function toggled(list, idx) {
        var copy = list.slice()
        var at = copy.indexOf(idx)
        if (at >= 0)
            copy.splice(at, 1)
        else
            copy.push(idx)
        return copy
    }

    function allQuantities() {
        var all = []
        for (var i = 0; i < quantitiesList.length; ++i)
            all.push(quantitiesList[i].idx)
        return all
    }

    // Every option on again and every quantity chosen; the notes keep their
    // switch.
    function reset() {
        for (var i = 0; i < switches.length; ++i)
            switches[i].checked = true
        selectedChartsList = allQuantities()
        selectedTableColumnsList = allQuantities()
    }

    readonly property var switches: [ckbChart, ckbTable, companyFldTxtInpt.checkBox,
        siteFldTxtInpt.checkBox, ownFldTxtInpt.checkBox, collectorFldTxtInpt.checkBox,
        reporterFldTxtInpt.checkBox, reporterIdFldTxtInpt.checkBox, logoImage.checkBox, ckbAvg,
        ckbCalibration, ckbMaxMin]

    // The options object, keys in the order the report reads them.
    function options() {
        function field(input) {
            return { "checked": input.checked, "text": input.text }
        }
        return Rumo.reportOptions({
            "maxMin": ckbMaxMin.checked, "avg": ckbAvg.checked,
            "calibration": ckbCalibration.checked,
            "table": ckbTable.checked, "tableColumns": selectedTableColumnsList,
            "chart": ckbChart.checked, "charts": selectedChartsList,
            "collector": field(collectorFldTxtInpt), "ownCompany": field(ownFldTxtInpt),
            "reporter": field(reporterFldTxtInpt), "reporterId": field(reporterIdFldTxtInpt),
            "company": field(companyFldTxtInpt), "site": field(siteFldTxtInpt),
            "logo": { "checked": logoImage.checked, "file": logoImage.filename },
            "notes": { "checked": notesField.checked, "text": notesField.obstext },
            "fileName": vfSelectFile.textfilename
        })
    }

    // "Generate PDF": refused without a file name.
    function submit() {
        var o = options()
        if (o.fileName === "") {
            warningMessage.text = warningMessage.longest
            return false
        }
        warningMessage.text = ""
        confirmedOK(JSON.stringify(o))
        return true
    }

    onQuantitiesListChanged: {
        selectedChartsList = []
        selectedTableColumnsList = []
    }
    onVisibleChanged: reset()

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
                    RowLayout {
                        spacing: 24
                        ColumnLayout {
                            Layout.alignment: Qt.AlignTop
                            spacing: 0
                            CheckDelegate {
                                id: ckbTable
                                objectName: "ckbTable"
                                text: qsTr("Table")
                                checked: true
                            }
                            Repeater {
                                model: window.quantitiesList
                                CheckBox {
                                    objectName: "tableQuantity" + modelData.idx
                                    Layout.leftMargin: 24
                                    text: modelData.name
                                    enabled: ckbTable.checked
                                    checkable: false
                                    checked: window.selectedTableColumnsList.indexOf(modelData.idx) >= 0
                                    onClicked: window.selectedTableColumnsList =
                                               window.toggled(window.selectedTableColumnsList, modelData.idx)
                                }
                            }
                        }
                        ColumnLayout {
                            Layout.alignment: Qt.AlignTop
                            spacing: 0
                            CheckDelegate {
                                id: ckbChart
                                objectName: "ckbChart"
                                text: qsTr("Charts")
                                checked: true
                            }
                            Repeater {
                                model: window.quantitiesList
                                CheckBox {
                                    objectName: "chartQuantity" + modelData.idx
                                    Layout.leftMargin: 24
                                    text: modelData.name
                                    enabled: ckbChart.checked
                                    checkable: false
                                    checked: window.selectedChartsList.indexOf(modelData.idx) >= 0
                                    onClicked: window.selectedChartsList =
                                               window.toggled(window.selectedChartsList, modelData.idx)
                                }
                            }
                        }
                    }
                }

                ColumnLayout {
                    Layout.alignment: Qt.AlignTop
                    spacing: 10
                    VfFrame {
                        label: qsTr("Show results")
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
                        VfFieldTextInput {
                            id: companyFldTxtInpt
                            objectName: "companyFldTxtInpt"
                            label: qsTr("Company")
                            placeholderText: qsTr("E.g.") + " " + "Acme Foundry Ltd"
                            Layout.fillWidth: true
                        }
                        VfFieldTextInput {
                            id: siteFldTxtInpt
                            objectName: "siteFldTxtInpt"
                            label: qsTr("Site/Area")
                            placeholderText: qsTr("E.g.") + " " + "Boiler house"
                            Layout.fillWidth: true
                        }
                    }
                }

                VfFrame {
                    label: qsTr("Identification")
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    ColumnLayout {
                        anchors { left: parent.left; right: parent.right }
                        spacing: 6
                        VfFieldTextInput {
                            id: ownFldTxtInpt
                            objectName: "ownFldTxtInpt"
                            label: qsTr("Company")
                            placeholderText: qsTr("E.g.") + " " + "Hygiene Lab Ltd"
                            Layout.fillWidth: true
                        }
                        VfFieldTextInput {
                            id: collectorFldTxtInpt
                            objectName: "collectorFldTxtInpt"
                            label: qsTr("Collected by")
                            placeholderText: qsTr("E.g.") + " " + "John Doe"
                            Layout.fillWidth: true
                        }
                        VfFieldTextInput {
                            id: reporterFldTxtInpt
                            objectName: "reporterFldTxtInpt"
                            label: qsTr("Reporter name")
                            placeholderText: qsTr("E.g.") + " " + "John Doe"
                            Layout.fillWidth: true
                        }
                        VfFieldTextInput {
                            id: reporterIdFldTxtInpt
                            objectName: "reporterIdFldTxtInpt"
                            label: qsTr("Reporter ID")
                            placeholderText: qsTr("E.g.") + " " + "RS12345678"
                            Layout.fillWidth: true
                        }
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                VfObservation {
                    id: notesField
                    objectName: "notesField"
                    label: qsTr("Notes")
                    maximumLength: 500
                    Layout.fillWidth: true
                    Layout.preferredHeight: 150
                }

                VfImage {
                    id: logoImage
                    objectName: "logoImage"
                    Layout.preferredWidth: 260
                    Layout.preferredHeight: 150
                }
            }
        }
    }

    VfDialogs {
        id: dialogs
        objectName: "rumoReportDialogs"
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
                id: vfSelectFile
                objectName: "vfSelectFile"
                Layout.fillWidth: true
            }
            ColumnLayout {
                VfMessage {
                    id: warningMessage
                    objectName: "warningMessage"
                    longest: qsTr("File name shall not be empty")
                }
                MyButton {
                    id: prnConfirmBtn
                    objectName: "prnConfirmBtn"
                    buttonLabel: qsTr("Generate PDF")
                    onMyButtonclicked: window.submit()
                }
            }
        }
    }
}
