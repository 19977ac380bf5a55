import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The report window of a pump run: the pressure unit, calibration, table and
// chart switches, the client and signer texts, pictures, logo, comments and
// the output file. The "TOLVAR 4" window adds the status switch
// (`showStatus`).
VfReportWindow {
    id: window

    property string productName: "TOLVAR 3 PLUS"
    property bool showStatus: false
    property alias modelPictures: modelPictures

    titlePrefix: productName + " - "
    wantedWidth: 900
    wantedHeight: 640
    wantedMinimumWidth: 850
    wantedMinimumHeight: 468

    // Every opening (and closing) starts from the usual report: the sections
    // and texts on, no pictures. The backpressure chart, position and
    // activity keep what the user chose.
    onVisibleChanged: {
        var ticks = [ckbTable, ckbChartFlow, ckbPreCal, ckbPosCal, ckbCalLab, flowCal,
                     identity.collector, identity.employee, identity.reporter, identity.reporterId,
                     identity.ownCompany, identity.company, identity.site, logo, notes]
        for (var i = 0; i < ticks.length; ++i)
            ticks[i].checked = true
        rdkPa.checked = true
        modelPictures.clear()
    }

    // A text option: its switch, then its text only when switched on.
    function addField(options, enableKey, textKey, enabled, text) {
        options[enableKey] = enabled
        if (enabled)
            options[textKey] = text
    }

    // The files of the ticked picture rows, in list order.
    function pictureFiles() {
        var files = []
        for (var i = 0; i < modelPictures.count; ++i) {
            var row = modelPictures.get(i)
            if (row.checked && row.file !== "")
                files.push(row.file)
        }
        return files
    }

    // The options object, in the order the report reads them.
    function options() {
        var o = {}
        o.ckbTable = ckbTable.checked
        if (showStatus)
            o.ckbStatus = ckbStatus.checked
        o.rdkPa = rdkPa.checked
        o.ckbChartFlow = ckbChartFlow.checked
        o.ckbChartBackPressure = ckbChartBackPressure.checked
        o.ckbCalLab = ckbCalLab.checked
        o.ckbPreCal = ckbPreCal.checked
        o.ckbPosCal = ckbPosCal.checked
        addField(o, "ckbFlowCalLab", "flowCalCalibration", flowCal.checked, flowCal.text)
        addField(o, "collectorInfoEnable", "collectorName", identity.collector.checked, identity.collector.text)
        addField(o, "ownCompanyInfoEnable", "ownCompany", identity.ownCompany.checked, identity.ownCompany.text)
        addField(o, "emplInfoEnable", "emplName", identity.employee.checked, identity.employee.text)
        o.repInfoEnable = identity.reporter.checked
        if (identity.reporter.checked) {
            o.repName = identity.reporter.text
            o.repIdInfoEnable = identity.reporterId.checked
            o.repIdReg = identity.reporterId.text
        }
        o.listPictures = pictureFiles()
        addField(o, "positionInfoEnable", "position", position.checked, position.text)
        addField(o, "activityInfoEnable", "activity", activity.checked, activity.text)
        addField(o, "cmpnyInfoEnable", "cmpnyName", identity.company.checked, identity.company.text)
        addField(o, "siteInfoEnable", "siteName", identity.site.checked, identity.site.text)
        addField(o, "logoEnable", "logoFile", logo.checked, logo.filename)
        addField(o, "obsEnable", "obsText", notes.checked, notes.obstext)
        o.fileName = outputFile.textfilename
        return o
    }

    // "Generate PDF": refused without a file name.
    function generateReport() {
        return submit()
    }

    ListModel {
        id: modelPictures
    }

    TabBar {
        id: tabBar
        objectName: "reportTabBar"
        anchors { left: parent.left; right: parent.right; top: parent.top }
        currentIndex: swipe.currentIndex
        VfTabButton { objectName: "tabItems"; text: qsTr("Itens") }
        VfTabButton { objectName: "tabIdentification"; text: qsTr("Identification") }
        VfTabButton { objectName: "tabPictures"; text: qsTr("Pictures") }
    }

    SwipeView {
        id: swipe
        objectName: "reportSwipe"
        anchors { left: parent.left; right: parent.right; top: tabBar.bottom; bottom: parent.bottom }
        anchors.topMargin: 4
        currentIndex: tabBar.currentIndex
        clip: true

        VfScrollPane {
            id: itemsPane
            padding: 8
            GridLayout {
                width: itemsPane.availableWidth
                // The comments take the room left below the switches.
                height: Math.max(implicitHeight, itemsPane.availableHeight)
                columns: 3
                columnSpacing: 10
                rowSpacing: 10

                VfFrame {
                    label: qsTr("Unity")
                    Layout.alignment: Qt.AlignTop
                    Layout.fillWidth: true
                    Column {
                        VfRadioButton { id: rdkPa; objectName: "rdkPa"; text: "kPa"; checked: true }
                        VfRadioButton { id: rdinH2O; objectName: "rdinH2O"; text: "inH2O" }
                    }
                }
                VfFrame {
                    label: qsTr("Items")
                    Layout.alignment: Qt.AlignTop
                    Layout.fillWidth: true
                    Column {
                        VfOptionBox { id: ckbTable; objectName: "ckbTable"; text: qsTr("Table") }
                        VfOptionBox {
                            id: ckbStatus
                            objectName: "ckbStatus"
                            visible: window.showStatus
                            text: qsTr("Status")
                        }
                    }
                }
                VfFrame {
                    label: qsTr("Charts")
                    Layout.alignment: Qt.AlignTop
                    Layout.fillWidth: true
                    Column {
                        VfOptionBox { id: ckbChartFlow; objectName: "ckbChartFlow"; text: qsTr("Flow") }
                        VfOptionBox {
                            id: ckbChartBackPressure
                            objectName: "ckbChartBackPressure"
                            text: qsTr("Backpressure")
                        }
                    }
                }
                VfFrame {
                    label: qsTr("Calibration")
                    Layout.columnSpan: 3
                    Layout.fillWidth: true
                    RowLayout {
                        anchors { left: parent.left; right: parent.right }
                        spacing: 10
                        VfOptionBox { id: ckbPreCal; objectName: "ckbPreCal"; text: qsTr("Pre check") }
                        VfOptionBox { id: ckbPosCal; objectName: "ckbPosCal"; text: qsTr("Pos check") }
                        VfOptionBox { id: ckbCalLab; objectName: "ckbCalLab"; text: qsTr("Cal. cert.") }
                        VfFieldTextInput {
                            id: flowCal
                            objectName: "flowCalCalibration"
                            Layout.fillWidth: true
                            label: qsTr("Flow meter cert") + ": "
                            placeholderText: qsTr("E.g.") + " " + "0000abc dd/mm/yyyy"
                        }
                    }
                }
                VfObservation {
                    id: notes
                    objectName: "obsText"
                    label: qsTr("Comments")
                    maximumLength: 500
                    Layout.columnSpan: 3
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.minimumHeight: 100
                }
            }
        }

        VfScrollColumn {
            padding: 8
            VfReportIdentity {
                id: identity
                Layout.fillWidth: true
                labelEnd: ": "
                examples: ({ cmpnyName: "Valtrix Ltd.", emplName: "Peter Brown",
                             siteName: qsTr("Engineering"), ownCompany: "Hygiene Services Inc.",
                             collectorName: "John Smith", repName: "Mary Jones", repIdReg: "123456" })
                ownCompany.label: qsTr("Company") + ":"
                collector.label: qsTr("Collected by") + ":"
                VfFieldTextInput {
                    id: activity
                    objectName: "activity"
                    Layout.fillWidth: true
                    label: qsTr("Activity") + ":"
                    placeholderText: qsTr("E.g.") + " " + qsTr("Engineering")
                }
                VfFieldTextInput {
                    id: position
                    objectName: "position"
                    Layout.fillWidth: true
                    label: qsTr("Position/Role") + ": "
                    placeholderText: qsTr("E.g.") + " " + qsTr("Engineering")
                }
            }
        }

        Item {
            ColumnLayout {
                anchors { fill: parent; margins: 8 }
                spacing: 8

                MyButton {
                    objectName: "addPicture"
                    buttonLabel: "+"
                    Layout.preferredWidth: 60
                    onMyButtonclicked: modelPictures.append({ "checked": false, "file": "" })
                }
                ListView {
                    id: pictureList
                    objectName: "pictureList"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    clip: true
                    spacing: 4
                    model: modelPictures
                    delegate: RowLayout {
                        width: pictureList.width
                        spacing: 8
                        VfImageFile {
                            objectName: "pictureFile"
                            Layout.fillWidth: true
                            label: qsTr("Picture")
                            filename: model.file
                            checked: model.checked
                            // A chosen file is printed at once.
                            onFilenameChanged: {
                                if (filename === model.file)
                                    return
                                modelPictures.setProperty(index, "file", filename)
                                modelPictures.setProperty(index, "checked", true)
                            }
                            onCheckedChanged: {
                                if (checked !== model.checked)
                                    modelPictures.setProperty(index, "checked", checked)
                            }
                        }
                        MyButton {
                            objectName: "removePicture"
                            buttonLabel: "-"
                            Layout.preferredWidth: 60
                            onMyButtonclicked: {
                                if (index >= 0 && index < modelPictures.count)
                                    modelPictures.remove(index)
                            }
                        }
                    }
                }
            }
        }
    }

    fileExtras: VfFrame {
        label: qsTr("Logo")
        VfImage {
            id: logo
            objectName: "logoFile"
            implicitWidth: 200
            implicitHeight: 90
        }
    }
}
