import QtQuick 2.15
import "../../qml"

import "Rumo.js" as Rumo

// The page of a connected "RUMO": its run list with a check box per run, the
// configuration window, and the download of the checked runs into a data
// file.
VfDevicePage {
    id: page

    // Positions in core's run list checked for the next download.
    property alias selectedIdx: page.chosenRuns

    pageTitle: qsTr("RUMO")
    productName: "RUMO"
    fileExtension: "rmx"
    configWindow: configuration
    downloadHint: qsTr("Check the experiments to download, then press Accept and choose the file they are saved to.")

    function check(index) {
        runDownload.toggleRun(index, true)
    }

    function uncheck(index) {
        runDownload.toggleRun(index, false)
    }

    // "Accept": the checked runs must be of one application; then the save
    // dialog asks for the file.
    function accept() {
        return runDownload.accept(Rumo.sameApplication(core.experimentList, selectedIdx)
                                  ? "" : qsTr("The selected exposure components shall be the same application"))
    }

    // Downloads the checked runs (in list order) and saves them to `fileUrl`;
    // gives core's download result.
    function downloadRuns(fileUrl) {
        return runDownload.saveChosenRuns(fileUrl)
    }

    // The outcome is told in the window, which stays open.
    function sendConfiguration(cfg) {
        return showSendResult(core.sndConfiguration(cfg), configuration.dialogs)
    }

    runDelegate: RumoExperimentItem {
        objectName: "rumoExperimentItem"
        idx: modelData.index + ":"
        label: modelData.hasOwnProperty("exp_Name") ? modelData.exp_Name : ""
        date: qsTr("Date") + ": " + root.convertDateTimeATToLocalTimeString(modelData.dateText)
        size: qsTr("Size") + ": " + modelData.size
        picture: Rumo.sensorPicture(modelData.type, modelData.subType)
        checked: page.selectedIdx.indexOf(index) >= 0
        onItemChecked: page.check(index)
        onItemUnchecked: page.uncheck(index)
    }

    RumoConfiguration {
        id: configuration
        objectName: "rumoConfiguration"
    }
}
