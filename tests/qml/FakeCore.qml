import QtQuick 2.15

// Stands in for the backend: records the slots the pages call, in order, and
// answers with the results a test sets.
QtObject {
    property var calls: []
    property var deviceList: []
    property string devName: ""
    property string version: "1.0"
    property string builtDate: "Oct 29 2021 - 14:20:02"
    property string builtYear: "2021"
    property string revision: "1"
    property string coreBits: "64 Bits"
    property var results: ({})
    property string lastCalibration: ""
    property var experimentList: []
    property var virtualSchedulelist: []
    property var device: ({})
    property string configuration: "{}"
    property string calib: "{}"
    // The real sample helper (qmltests.cpp); sampleRuns.show puts a run in it.
    property QtObject samples: sampleRuns.samples

    signal devListUpdate()
    signal findingDevices(double progress)
    signal findDeviceFinished()
    signal portsNotOpened(string message)
    signal fileReadStarted()
    signal fileReadFinished()
    signal invalidFile()
    signal deviceDisconnected()
    signal unsupportedDevice()
    signal eraseStarted()
    signal experimentListUpdate()
    signal progressBarUpdated(double progress)
    signal configurationUpdated()
    signal calibrationUpdated()
    signal scheduleListUpdate()
    signal scheduleOk()
    signal scheduleError(string message)
    signal experimentUpdated(int position)
    signal resultsUpdated(int position)
    signal writeError(string message)
    signal reportNotOpened(string fileName)
    // A report that startReport started ends when the test emits
    // reportFinished, as the real one ends later on its own.
    signal reportProgress(int page, int pageCount)
    signal reportFinished(int result)
    // Likewise a save that startSaveExperimentToFile started.
    signal fileSaved(int result)

    function record(name) {
        calls = calls.concat([name])
        return results[name] !== undefined ? results[name] : 0
    }
    function reset() {
        calls = []
        results = {}
        devName = ""
        existingFiles = []
        existingDataFileNames = []
    }

    function findDevices() { record("findDevices") }
    function createDevice(idx) { return record("createDevice " + idx) }
    function setTimeNow() { return record("setTimeNow") }
    function findExperiments() { return record("findExperiments") }
    function parseFile(url) { record("parseFile") }
    function eraseMemory() { return record("eraseMemory") }
    // The report files a test says exist already.
    property var existingFiles: []
    function existingReportFiles(options) { return existingFiles }
    // The data files a test says exist already.
    property var existingDataFileNames: []
    function existingDataFiles(fileName) { return existingDataFileNames }
    function sndCalibration(calib) {
        lastCalibration = calib
        return record("sndCalibration")
    }
}
