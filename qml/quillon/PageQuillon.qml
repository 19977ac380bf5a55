import QtQuick 2.15
import "../../qml"

// The page of a connected "QUILLON": its run list, the configuration window,
// and the download of the chosen runs (the exposure components of one
// working day, all of one application) into a data file.
VfDevicePage {
    id: page

    pageTitle: "Quillon"
    productName: "QUILLON"
    fileExtension: "qln"
    configWindow: configuration
    downloadHint: qsTr("Tick the exposure components of one working day, all of one application, then press Accept and choose the file they are saved to.")

    // A click on a run adds it to the choice or takes it out again.
    function toggleRun(index) {
        if (!downloading)
            runDownload.toggleRun(index)
    }

    // True when the runs at `indexes` of core's run list share one type.
    function areComponentsSameType(indexes) {
        var list = core.experimentList
        var type
        for (var i = 0; i < indexes.length; ++i) {
            var run = list[indexes[i]]
            var runType = run ? run.type : undefined
            if (i === 0)
                type = runType
            else if (runType !== type)
                return false
        }
        return true
    }

    // "Accept": a choice of runs of one application asks where to save them.
    function accept() {
        return runDownload.accept(areComponentsSameType(chosenRuns)
                                  ? "" : qsTr("The selected exposure components shall be the same application"))
    }

    // Downloads the chosen runs (in list order) and saves them to `fileUrl`;
    // gives core's download result.
    function downloadRuns(fileUrl) {
        return runDownload.saveChosenRuns(fileUrl)
    }

    runDelegate: QuillonExperimentItem {
        objectName: "quillonExperimentItem"
        label: modelData.index
               + (modelData.hasOwnProperty("exp_Name") && modelData.exp_Name !== ""
                  ? ": " + modelData.exp_Name : "")
        date: qsTr("Date") + ": " + root.convertDateTimeATToLocalTimeString(modelData.dateText)
        size: qsTr("Size") + ": " + modelData.size
        type: modelData.type !== undefined ? modelData.type : ""
        checked: page.chosenRuns.indexOf(index) >= 0
        onItemClicked: {
            page.experimentList.currentIndex = index
            page.toggleRun(index)
        }
    }

    QuillonConfiguration {
        id: configuration
        objectName: "quillonConfiguration"
    }
}
