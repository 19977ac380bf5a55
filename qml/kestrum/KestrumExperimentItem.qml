import QtQuick 2.15
import "../../qml"

// One run of a heat-stress monitor's run list: its number, its name where
// the instrument keeps one, its date and its size.
VfRunItem {
    id: itemRec

    // The run-list entry (core.experimentList).
    property var entry: null
    // The instrument keeps run names ("KESTRUM 4").
    property bool showName: false
    readonly property bool hasName: showName && entry !== null && entry.exp_Name !== undefined
                                    && String(entry.exp_Name) !== ""

    idx: "0"
    label: hasName ? entry.exp_Name + ":" : ""
    date: qsTr("Date") + ": " + (entry ? root.convertDateTimeATToLocalTimeString(entry.dateText) : "")
    size: qsTr("Size") + ": " + (entry ? entry.size : "")
}
