import QtQuick 2.15

// The page of an instrument whose runs are downloaded one at a time: a click
// on a run chooses it and asks for the file it is saved to.
VfDevicePage {
    id: page

    // The row of the run list chosen for download, -1 when none.
    readonly property int selectedIdx: runDownload.selectedIdx

    choiceAsksFile: true

    function chooseRun(index) { runDownload.chooseRun(index) }
    function saveChosenRun(fileUrl) { return runDownload.saveChosenRuns(fileUrl) }
    function downloadRun(index, fileUrl) { return runDownload.downloadRuns([index], fileUrl) }
}
