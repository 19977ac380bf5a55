import QtQuick 2.15
import QtQuick.Layouts 1.15

// The notes and the logo of a report, side by side as the report windows
// ask them.
RowLayout {
    property alias notes: notes
    property alias logo: logo

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
