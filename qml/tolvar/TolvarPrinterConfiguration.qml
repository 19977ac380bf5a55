import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

// The report window of a pump run: the pressure unit, calibration, table and
// chart switches, the client and signer texts, pictures, logo, comments and
// the output file. "Generate PDF" emits confirmedOK with the options as JSON
// text; whoever writes the report hides the window once it is written, so
// that a failed report can be tried again with the fields as they are. The
// "TOLVAR 4" window adds the status switch (`showStatus`).
Window {
    id: window

    property string productName: "TOLVAR 3 PLUS"
    property bool showStatus: false
    property alias modelPictures: modelPictures
    property alias outputFile: outputFile
    property alias errorText: errorText
    property alias generateButton: generateButton
    // The message boxes shown over this window.
    property alias dialogs: dialogs

    signal confirmedOK(string cfg)

    title: productName + " - " + qsTr("Report configuration")
    modality: Qt.ApplicationModal
    flags: Qt.Dialog
    width: 900
    height: 640
    minimumWidth: 800
    minimumHeight: 468
    color: "#e0e0e0"

    // Every opening (and closing) starts from the usual report: the sections
    // and texts on, no pictures. The backpressure chart, position and
    // activity keep what the user chose.
    onVisibleChanged: {
        var ticks = [ckbTable, ckbChartFlow, ckbPreCal, ckbPosCal, ckbCalLab, flowCal,
                     collectorName, emplName, repName, repIdReg, ownCompany, cmpnyName,
                     siteName, logo, notes]
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
        addField(o, "collectorInfoEnable", "collectorName", collectorName.checked, collectorName.text)
        addField(o, "ownCompanyInfoEnable", "ownCompany", ownCompany.checked, ownCompany.text)
        addField(o, "emplInfoEnable", "emplName", emplName.checked, emplName.text)
        o.repInfoEnable = repName.checked
        if (repName.checked) {
            o.repName = repName.text
            o.repIdInfoEnable = repIdReg.checked
            o.repIdReg = repIdReg.text
        }
        o.listPictures = pictureFiles()
        addField(o, "positionInfoEnable", "position", position.checked, position.text)
        addField(o, "activityInfoEnable", "activity", activity.checked, activity.text)
        addField(o, "cmpnyInfoEnable", "cmpnyName", cmpnyName.checked, cmpnyName.text)
        addField(o, "siteInfoEnable", "siteName", siteName.checked, siteName.text)
        addField(o, "logoEnable", "logoFile", logo.checked, logo.filename)
        addField(o, "obsEnable", "obsText", notes.checked, notes.obstext)
        o.fileName = outputFile.textfilename
        return o
    }

    // "Generate PDF": refused without a file name.
    function generateReport() {
        var o = options()
        if (o.fileName === "") {
            errorText.text = errorText.longest
            return false
        }
        errorText.text = ""
        confirmedOK(JSON.stringify(o))
        return true
    }

    ListModel {
        id: modelPictures
    }

    component OptionBox: CheckBox {
        font.family: fontSans.name
        font.pixelSize: 13
        checked: true
    }

    component Field: VfFieldTextInput {
        Layout.fillWidth: true
    }

    TabBar {
        id: tabBar
        objectName: "reportTabBar"
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 12 }
        currentIndex: swipe.currentIndex
        VfTabButton { objectName: "tabItems"; text: qsTr("Itens") }
        VfTabButton { objectName: "tabIdentification"; text: qsTr("Identification") }
        VfTabButton { objectName: "tabPictures"; text: qsTr("Pictures") }
    }

    SwipeView {
        id: swipe
        objectName: "reportSwipe"
        anchors { left: parent.left; right: parent.right; top: tabBar.bottom; bottom: bottomBar.top }
        anchors { leftMargin: 12; rightMargin: 12; topMargin: 4; bottomMargin: 8 }
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
                        OptionBox { id: ckbTable; objectName: "ckbTable"; text: qsTr("Table") }
                        OptionBox {
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
                        OptionBox { id: ckbChartFlow; objectName: "ckbChartFlow"; text: qsTr("Flow") }
                        OptionBox {
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
                        OptionBox { id: ckbPreCal; objectName: "ckbPreCal"; text: qsTr("Pre check") }
                        OptionBox { id: ckbPosCal; objectName: "ckbPosCal"; text: qsTr("Pos check") }
                        OptionBox { id: ckbCalLab; objectName: "ckbCalLab"; text: qsTr("Cal. cert.") }
                        Field {
                            id: flowCal
                            objectName: "flowCalCalibration"
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

        VfScrollPane {
            id: identificationPane
            padding: 8
            RowLayout {
                width: identificationPane.availableWidth
                spacing: 10

                VfFrame {
                    label: qsTr("Client")
                    Layout.alignment: Qt.AlignTop
                    Layout.fillWidth: true
                    ColumnLayout {
                        anchors { left: parent.left; right: parent.right }
                        spacing: 6
                        Field {
                            id: cmpnyName
                            objectName: "cmpnyName"
                            label: qsTr("Company") + ": "
                            placeholderText: qsTr("E.g.") + " " + "Valtrix Ltd."
                        }
                        Field {
                            id: emplName
                            objectName: "emplName"
                            label: qsTr("Employee") + ": "
                            placeholderText: qsTr("E.g.") + " " + "Peter Brown"
                        }
                        Field {
                            id: siteName
                            objectName: "siteName"
                            label: qsTr("Site/Area") + ": "
                            placeholderText: qsTr("E.g.") + " " + qsTr("Engineering")
                        }
                        Field {
                            id: activity
                            objectName: "activity"
                            label: qsTr("Activity") + ":"
                            placeholderText: qsTr("E.g.") + " " + qsTr("Engineering")
                        }
                        Field {
                            id: position
                            objectName: "position"
                            label: qsTr("Position/Role") + ": "
                            placeholderText: qsTr("E.g.") + " " + qsTr("Engineering")
                        }
                    }
                }

                VfFrame {
                    label: qsTr("Identification")
                    Layout.alignment: Qt.AlignTop
                    Layout.fillWidth: true
                    ColumnLayout {
                        anchors { left: parent.left; right: parent.right }
                        spacing: 6
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
                            label: qsTr("Reporter name") + ": "
                            placeholderText: qsTr("E.g.") + " " + "Mary Jones"
                        }
                        Field {
                            id: repIdReg
                            objectName: "repIdReg"
                            label: qsTr("Reporter ID") + ": "
                            placeholderText: qsTr("E.g.") + " " + "123456"
                        }
                    }
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

    VfDialogs {
        id: dialogs
        objectName: "reportDialogs"
    }

    // The output file, logo and command stay in view below the pages.
    Rectangle {
        id: bottomBar
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: bottomRow.implicitHeight + 20
        color: "#d4d4d4"

        RowLayout {
            id: bottomRow
            anchors { fill: parent; margins: 10 }
            spacing: 12

            ColumnLayout {
                Layout.fillWidth: true
                VfMessage {
                    id: errorText
                    objectName: "fileNameError"
                    Layout.fillWidth: true
                    longest: qsTr("File name shall not be empty")
                }
                VfSelectFile {
                    id: outputFile
                    objectName: "fileName"
                    Layout.fillWidth: true
                }
            }
            VfFrame {
                label: qsTr("Logo")
                VfImage {
                    id: logo
                    objectName: "logoFile"
                    implicitWidth: 200
                    implicitHeight: 90
                }
            }
            MyButton {
                id: generateButton
                objectName: "generatePdf"
                buttonLabel: qsTr("Generate PDF")
                onMyButtonclicked: window.generateReport()
            }
        }
    }
}
