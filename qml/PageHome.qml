import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3

// The start page: finds the instruments on the serial ports, lists them,
// opens the page of the one the user picks, and opens data files.
VfPage {
    id: home

    pageTitle: qsTr("HOME")

    property alias devsearch: devsearch
    property alias warningText: warningText
    property alias aboutWindow: aboutWindow
    property alias openFileDialog: openFileDialog
    property alias dialogs: dialogs

    // Connects to the instrument of row `index` and opens its model's page.
    function selectDevice(index) {
        var result = core.createDevice(index)
        if (result === root.deviceDisconnected) {
            dialogs.devDisconnectedDialog.open()
            return
        }
        if (result === root.deviceBusy) {
            dialogs.deviceBusyDialog.open()
            return
        }
        // An unsupported model is reported by core's unsupportedDevice.
        if (result !== root.deviceSuccessful)
            return
        // The link may be lost in either step; core then has dropped the
        // device and the page must not open. A busy instrument (a run in
        // progress) answers nothing else either.
        var result = core.setTimeNow()
        if (result === root.deviceSuccessful || result === root.deviceError)
            result = core.findExperiments()
        if (result === root.deviceDisconnected) {
            dialogs.devDisconnectedDialog.open()
            return
        }
        if (result === root.deviceBusy) {
            dialogs.deviceBusyDialog.open()
            return
        }
        // An unreadable run list is no empty memory: the page opens (its
        // configuration window can still erase the memory) and says so.
        root.showDevicePage(core.devName)
        if (result !== root.deviceSuccessful)
            dialogs.rcvExpListDialog.open()
    }

    function findDevices() {
        core.findDevices()
    }

    // The file is read in the background; its run's page shows when read.
    function openFile(url) {
        core.startParseFile(url)
    }

    Connections {
        target: core
        function onFindingDevices(progress) {
            warningText.text = qsTr("Looking for instruments") + " [" + progress.toFixed(0) + " %]"
        }
        function onFindDeviceFinished() {
            warningText.text = ""
            // No row is chosen until the user picks one.
            devsearch.currentIndex = -1
        }
        function onPortsNotOpened(message) {
            dialogs.portsNotOpenedDialog.informativeText = message
            dialogs.portsNotOpenedDialog.open()
        }
        function onFileReadStarted() {
            warningText.text = qsTr("Processing file") + "..."
        }
        function onFileReadFinished() {
            warningText.text = ""
            // An invalid file has left no device behind: devName is empty then.
            root.showResultsPage(core.devName)
        }
        function onInvalidFile() {
            dialogs.invalidFileDialog.open()
        }
    }

    RowLayout {
        anchors.fill: parent
        anchors.topMargin: 56
        anchors.leftMargin: 24
        anchors.rightMargin: 24
        anchors.bottomMargin: 16
        spacing: 36

        VfList {
            id: devsearch
            objectName: "devsearch"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumWidth: 280
            Layout.maximumWidth: 560
            headerlabel: qsTr("Devices available")
            model: core.deviceList
            delegate: VfDeviceItem {
                id: vfdeviceitem
                objectName: "vfdeviceitem"
                productName: modelData.productName
                serialNumber: modelData.sn
                fwVersion: modelData.fw
                onItemClicked: devsearch.listClicked(index)
            }
            onListClicked: home.selectDevice(indexItem)

            VfText {
                anchors.centerIn: parent
                width: parent.width - 40
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                visible: devsearch.count === 0
                text: qsTr("No instrument listed yet.<br>Connect an instrument and press <i>Find device</i>.")
                font.pixelSize: 14
                color: "#808080"
            }
        }

        ColumnLayout {
            Layout.alignment: Qt.AlignTop
            Layout.fillWidth: true
            Layout.topMargin: 40
            spacing: 24

            Grid {
                id: layoutgrid
                objectName: "layoutgrid"
                Layout.alignment: Qt.AlignHCenter
                columns: 2
                spacing: 16

                MyButton {
                    id: findBtn
                    objectName: "findBtn"
                    width: 190
                    buttonLabel: qsTr("Find device")
                    onMyButtonclicked: home.findDevices()
                }
                MyButton {
                    id: loadBtn
                    objectName: "loadBtn"
                    width: 190
                    buttonLabel: qsTr("Open file")
                    onMyButtonclicked: openFileDialog.open()
                }
                MyButton {
                    id: myButton
                    objectName: "aboutBtn"
                    width: 190
                    buttonLabel: qsTr("About")
                    onMyButtonclicked: {
                        aboutWindow.show()
                        aboutWindow.raise()
                    }
                }
                MyButton {
                    id: exitBtn
                    objectName: "exitBtn"
                    width: 190
                    buttonLabel: qsTr("Exit")
                    onMyButtonclicked: Qt.quit()
                }
            }

            VfText {
                id: warningText
                objectName: "warningText"
                Layout.alignment: Qt.AlignHCenter
                // While the shell's overlay tells of the work (a file being
                // read), it alone says so.
                visible: root.busyText === ""
                font.pixelSize: 16
                font.italic: true
                color: "#505050"
            }
        }
    }

    AboutWindow {
        id: aboutWindow
        objectName: "aboutWindow"
        source: "qrc:/icone.png"
    }

    FileDialog {
        id: openFileDialog
        objectName: "openFileDialog"
        title: qsTr("Please choose a file")
        selectExisting: true
        selectMultiple: false
        nameFilters: [qsTr("Suite Valtrix Files ") + "(*.tl4 *.tlv *.ksm *.ks4 *.drv *.qln *.bmv *.bmq *.rmx)",
                      qsTr("All files ") + "(*)"]
        onAccepted: home.openFile(openFileDialog.fileUrls[0])
    }

    VfDialogs {
        id: dialogs
        objectName: "homeDialogs"
    }
}
