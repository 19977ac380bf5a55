import QtQuick 2.15
import QtQuick.Layouts 1.15

// Who a report is about and who wrote it, as every report window asks it:
// the frame "Client" (company, employee, site/area and any field of the
// model's own, its default content) and the frame "Identification" (own
// company, collector, reporter name and ID). `fields()` gives them under the
// report's text keys, as ReportOptions.commonOptions reads them.
RowLayout {
    id: identity

    // Put after every caption (":" where the model's window has it).
    property string labelEnd: ""
    property bool showEmployee: true
    // The example text of each field, by the field's text key; a field
    // without one shows no placeholder.
    property var examples: ({})

    default property alias clientExtras: clientFields.data
    property alias company: company
    property alias employee: employee
    property alias site: site
    property alias ownCompany: ownCompany
    property alias collector: collector
    property alias reporter: reporter
    property alias reporterId: reporterId

    // The fields by their report text keys; a hidden field is left out.
    function fields() {
        var all = { cmpnyName: company, siteName: site, ownCompany: ownCompany,
                    collectorName: collector, repName: reporter, repIdReg: reporterId }
        if (showEmployee)
            all.emplName = employee
        return all
    }

    function example(key) {
        return examples[key] !== undefined ? qsTr("E.g.") + " " + examples[key] : ""
    }

    spacing: 10

    VfFrame {
        label: qsTr("Client")
        Layout.alignment: Qt.AlignTop
        Layout.fillWidth: true
        Layout.fillHeight: true
        ColumnLayout {
            id: clientFields
            anchors { left: parent.left; right: parent.right }
            spacing: 6
            VfFieldTextInput {
                id: company
                objectName: "cmpnyName"
                label: qsTr("Company") + identity.labelEnd
                placeholderText: identity.example("cmpnyName")
                Layout.fillWidth: true
            }
            VfFieldTextInput {
                id: employee
                objectName: "emplName"
                label: qsTr("Employee") + identity.labelEnd
                placeholderText: identity.example("emplName")
                visible: identity.showEmployee
                Layout.fillWidth: true
            }
            VfFieldTextInput {
                id: site
                objectName: "siteName"
                label: qsTr("Site/Area") + identity.labelEnd
                placeholderText: identity.example("siteName")
                Layout.fillWidth: true
            }
        }
    }

    VfFrame {
        label: qsTr("Identification")
        Layout.alignment: Qt.AlignTop
        Layout.fillWidth: true
        Layout.fillHeight: true
        ColumnLayout {
            anchors { left: parent.left; right: parent.right }
            spacing: 6
            VfFieldTextInput {
                id: ownCompany
                objectName: "ownCompany"
                label: qsTr("Company") + identity.labelEnd
                placeholderText: identity.example("ownCompany")
                Layout.fillWidth: true
            }
            VfFieldTextInput {
                id: collector
                objectName: "collectorName"
                label: qsTr("Collected by") + identity.labelEnd
                placeholderText: identity.example("collectorName")
                Layout.fillWidth: true
            }
            VfFieldTextInput {
                id: reporter
                objectName: "repName"
                label: qsTr("Reporter name") + identity.labelEnd
                placeholderText: identity.example("repName")
                Layout.fillWidth: true
            }
            VfFieldTextInput {
                id: reporterId
                objectName: "repIdReg"
                label: qsTr("Reporter ID") + identity.labelEnd
                placeholderText: identity.example("repIdReg")
                Layout.fillWidth: true
            }
        }
    }
}
