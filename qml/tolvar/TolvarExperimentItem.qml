import QtQuick 2.15
import "../../qml"

import "../../qml/DeviceDate.js" as DeviceDate

// One run of a pump's run list (`entry`, an element of core.experimentList):
// its number, its name where the pump keeps one, its date and its size. A
// model that shows more (the run status of a "TOLVAR 4") puts it into
// `decoration`, at the right edge.
VfRunItem {
    id: itemRec

    property var entry: null
    property string iface: ""

    // The run's start as the pump's own calendar date.
    function dateOf(run) {
        var date = run ? DeviceDate.deviceDate(run.dateText) : null
        return date ? Qt.formatDate(date, Qt.LocaleDate) : ""
    }

    height: 66
    radius: 0
    colorAnimation: 200
    titlePixelSize: 20
    idx: entry ? entry.index + ": " : ""
    label: entry && entry.exp_Name !== undefined ? entry.exp_Name : ""
    date: qsTr("Date") + ": " + dateOf(entry)
    size: qsTr("Size") + ": " + (entry ? entry.size : "")
}
