import QtQuick 2.15
import QtQuick.Dialogs 1.3

// Every message box of the application. Pages open them through their
// `dialogs`, for example dialogs.deviceBusyDialog.open(). The shell holds the
// set for every page; a window holds its own for what it tells over itself.
Item {
    id: dialogs

    property alias devDisconnectedDialog: devDisconnectedDialog
    property alias eraseFailDialog: eraseFailDialog
    property alias unsupportedDeviceDialog: unsupportedDeviceDialog
    property alias downloadFailDialog: downloadFailDialog
    property alias configErrorDialog: configErrorDialog
    property alias configSuccesfulDialog: configSuccesfulDialog
    property alias eraseInProgressDialog: eraseInProgressDialog
    property alias eraseSuccessfulDialog: eraseSuccessfulDialog
    property alias deviceBusyDialog: deviceBusyDialog
    property alias invalidFileDialog: invalidFileDialog
    property alias eraseDialog: eraseDialog
    property alias rcvCfgErrorDialog: rcvCfgErrorDialog
    property alias rcvSchedulListDialog: rcvSchedulListDialog
    property alias rcvExpListDialog: rcvExpListDialog
    property alias printerErrorDialog: printerErrorDialog
    property alias saveFailDialog: saveFailDialog
    property alias reportNotOpenedDialog: reportNotOpenedDialog
    property alias replaceFilesDialog: replaceFilesDialog
    property alias replaceFileDialog: replaceFileDialog
    property alias runsNotSavedDialog: runsNotSavedDialog
    property alias portsNotOpenedDialog: portsNotOpenedDialog

    // The dialog of a failed instrument operation: the lost link or a busy
    // instrument, else the operation's own `errorDialog`.
    function showFailure(result, errorDialog) {
        if (result === root.deviceDisconnected)
            devDisconnectedDialog.open()
        else if (result === root.deviceBusy)
            deviceBusyDialog.open()
        else
            errorDialog.open()
    }

    // A file or report that could not be written: `failed` (saveFailDialog,
    // printerErrorDialog) with the reason core gave.
    function showWriteFailure(failed, reason) {
        failed.informativeText = reason
        failed.open()
    }

    // The report was written to `fileName`, but no viewer opened it.
    function showReportNotOpened(fileName) {
        reportNotOpenedDialog.informativeText = fileName
        reportNotOpenedDialog.open()
    }

    // The erase flow: Yes on eraseDialog erases the instrument memory and
    // tells how it went, over the window it was asked from.
    function eraseMemory() {
        var result = erasing.run(function () { return core.eraseMemory() })
        eraseInProgressDialog.close()
        if (result === root.deviceSuccessful)
            eraseSuccessfulDialog.open()
        else if (result === root.deviceDisconnected)
            devDisconnectedDialog.open()
        else if (result === root.deviceBusy)
            deviceBusyDialog.open()
        else
            eraseFailDialog.open()
        return result
    }

    VfOperation {
        id: erasing
        function onEraseStarted() { eraseInProgressDialog.open() }
    }

    MessageDialog {
        id: devDisconnectedDialog
        objectName: "devDisconnectedDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("Instrument disconnected")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: eraseFailDialog
        objectName: "eraseFailDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("Erase Failed")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: unsupportedDeviceDialog
        objectName: "unsupportedDeviceDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The device you are trying to connect is not supported by this software version")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: downloadFailDialog
        objectName: "downloadFailDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("Download Failed")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: configErrorDialog
        objectName: "configErrorDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The device couldn't apply the changes")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: configSuccesfulDialog
        objectName: "configSuccesfulDialog"
        title: qsTr("Information")
        icon: StandardIcon.Information
        text: qsTr("The changes have been applied")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: eraseInProgressDialog
        objectName: "eraseInProgressDialog"
        title: qsTr("Please, wait")
        icon: StandardIcon.Information
        text: qsTr("Erasing Memory")
        standardButtons: StandardButton.NoButton
    }

    MessageDialog {
        id: eraseSuccessfulDialog
        objectName: "eraseSuccessfulDialog"
        title: qsTr("Information")
        icon: StandardIcon.Information
        text: qsTr("Memory have been erased")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: deviceBusyDialog
        objectName: "deviceBusyDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The device can not answer now. An experiment may be in progress")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: invalidFileDialog
        objectName: "invalidFileDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The file is invalid")
        informativeText: qsTr("Maybe it was edited by another software")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: eraseDialog
        objectName: "eraseDialog"
        title: qsTr("Erase memory?")
        icon: StandardIcon.Question
        text: qsTr("ERASE MEMORY means that all experiment will be deleted")
        informativeText: qsTr("Continue?")
        standardButtons: StandardButton.Yes | StandardButton.No
        onYes: dialogs.eraseMemory()
    }

    MessageDialog {
        id: rcvCfgErrorDialog
        objectName: "rcvCfgErrorDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("Suite Valtrix couldn't receive the configuration from device")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: rcvSchedulListDialog
        objectName: "rcvSchedulListDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("Suite Valtrix couldn't receive the schedule list from device")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: rcvExpListDialog
        objectName: "rcvExpListDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("Suite Valtrix couldn't receive the experiment list from device")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: printerErrorDialog
        objectName: "printerErrorDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The report couldn't be generated")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: saveFailDialog
        objectName: "saveFailDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The file couldn't be saved")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: reportNotOpenedDialog
        objectName: "reportNotOpenedDialog"
        title: qsTr("Information")
        icon: StandardIcon.Information
        text: qsTr("No viewer could open the report. It was written to:")
        standardButtons: StandardButton.Ok
    }

    MessageDialog {
        id: replaceFilesDialog
        objectName: "replaceFilesDialog"
        title: qsTr("Replace files?")
        icon: StandardIcon.Question
        text: qsTr("The report would replace these files, which already exist:")
        standardButtons: StandardButton.Yes | StandardButton.No
    }

    // The data file a save would write exists already: the asker sets
    // informativeText to its name.
    MessageDialog {
        id: replaceFileDialog
        objectName: "replaceFileDialog"
        title: qsTr("Replace file?")
        icon: StandardIcon.Question
        text: qsTr("This file already exists. Do you want to replace it?")
        standardButtons: StandardButton.Yes | StandardButton.No
    }

    // The user gave up choosing a file after a failed save.
    MessageDialog {
        id: runsNotSavedDialog
        objectName: "runsNotSavedDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("The runs are not saved")
        informativeText: qsTr("They are shown, but they are lost when the instrument is disconnected, other runs are opened or the application is closed.")
        standardButtons: StandardButton.Ok
    }

    // A search found no instrument and could not open some serial ports: the
    // opener sets informativeText to core's message naming them.
    MessageDialog {
        id: portsNotOpenedDialog
        objectName: "portsNotOpenedDialog"
        title: qsTr("Warning")
        icon: StandardIcon.Warning
        text: qsTr("No instrument was found")
        standardButtons: StandardButton.Ok
    }
}
