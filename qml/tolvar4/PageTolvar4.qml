import QtQuick 2.15
import "../../tolvar/qml"

// The page of a connected "TOLVAR 4": a pump page whose rows show the run
// status, downloading into ".tl4" files.
PageTolvar {
    id: page

    pageTitle: "TOLVAR 4"
    productName: "TOLVAR 4"
    fileExtension: "tl4"

    // The strip colour of a run status: 1 deviated, 2 blocked, 3 blocked
    // for long.
    function statusToColor(status) {
        switch (Number(status)) {
        case 1: return "lightgray"
        case 2: return "yellow"
        case 3: return "red"
        default: return "white"
        }
    }

    // The warning picture of a run status: shown for every fault.
    function getImage(status) {
        var code = Number(status)
        return code >= 1 && code <= 3 ? "qrc:/exclamation.png" : ""
    }

    runDelegate: Tolvar4ExperimentItem {
        objectName: "tolvar4ExperimentItem"
        entry: modelData
        selected: index === page.selectedIdx
        statuscolor: page.statusToColor(modelData.status)
        img: page.getImage(modelData.status)
        onItemClicked: page.chooseRun(index)
    }
}
