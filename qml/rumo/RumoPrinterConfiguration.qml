import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Rumo.js" as Rumo

// The report window of the "Rumo Report": the quantities of the sample
// tables and of the charts, the statistics and the sensor certificate, the
// client and signer texts, logo, notes and the output file. Every time it
// is shown or hidden every option is on again and every quantity chosen (the
// notes keep their switch).
VfReportWindow {
    id: window

    // The quantities of the run: {name, idx}.
    property var quantitiesList: []
    // The idx of the quantities chosen for the charts and for the tables.
    property var selectedChartsList: []
    property var selectedTableColumnsList: []

    readonly property Item warningMessage: errorText
    readonly property Item vfSelectFile: outputFile

    titlePrefix: "Rumo - "
    dialogs.objectName: "rumoReportDialogs"
    outputFile.objectName: "vfSelectFile"
    errorText.objectName: "warningMessage"
    generateButton.objectName: "prnConfirmBtn"
    wantedWidth: 900
    wantedHeight: 640
    wantedMinimumHeight: 550

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

    readonly property var switches: [ckbChart, ckbTable, identity.company.checkBox,
        identity.site.checkBox, identity.ownCompany.checkBox, identity.collector.checkBox,
        identity.reporter.checkBox, identity.reporterId.checkBox, notesAndLogo.logo.checkBox,
        summary.average, summary.calibration, summary.maxMin]

    // The options object, keys in the order the report reads them.
    function options() {
        function field(input) {
            return { "checked": input.checked, "text": input.text }
        }
        return Rumo.reportOptions({
            "maxMin": summary.maxMin.checked, "avg": summary.average.checked,
            "calibration": summary.calibration.checked,
            "table": ckbTable.checked, "tableColumns": selectedTableColumnsList,
            "chart": ckbChart.checked, "charts": selectedChartsList,
            "collector": field(identity.collector), "ownCompany": field(identity.ownCompany),
            "reporter": field(identity.reporter), "reporterId": field(identity.reporterId),
            "company": field(identity.company), "site": field(identity.site),
            "logo": { "checked": notesAndLogo.logo.checked, "file": notesAndLogo.logo.filename },
            "notes": { "checked": notesAndLogo.notes.checked, "text": notesAndLogo.notes.obstext },
            "fileName": vfSelectFile.textfilename
        })
    }

    onQuantitiesListChanged: {
        selectedChartsList = []
        selectedTableColumnsList = []
    }
    onVisibleChanged: reset()

    VfScrollColumn {
        objectName: "reportOptions"
        anchors.fill: parent

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

            VfSummaryOptions { id: summary }
        }

        VfReportIdentity {
            id: identity
            Layout.fillWidth: true
            showEmployee: false
            examples: ({ cmpnyName: "Acme Foundry Ltd", siteName: "Boiler house",
                         ownCompany: "Hygiene Lab Ltd", collectorName: "John Doe",
                         repName: "John Doe", repIdReg: "RS12345678" })
            company.objectName: "companyFldTxtInpt"
            site.objectName: "siteFldTxtInpt"
            ownCompany.objectName: "ownFldTxtInpt"
            collector.objectName: "collectorFldTxtInpt"
            reporter.objectName: "reporterFldTxtInpt"
            reporterId.objectName: "reporterIdFldTxtInpt"
        }
        VfReportNotes {
            id: notesAndLogo
            Layout.fillWidth: true
            notes.objectName: "notesField"
            logo.objectName: "logoImage"
        }
    }
}
