import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import "../kestrum2/qml"
import "../dravo/qml"
import "../quillon/qml"
import "../bemari/qml"
import "../bemariplus/qml"
import "../kestrum4/qml"
import "../rumo/qml"
import "../tolvar/qml"
import "../tolvar4/qml"
import "DeviceDate.js" as DeviceDate

// The page container: the home page and one device page and one results page
// per model, switched by named states, under a header with the logo and the
// back button.
Rectangle {
    id: root

    // The state the back button returns to.
    property string lastState: ""
    // Set by a page while it reads the instrument: the pages stay where they
    // are until it is done (the page then shows what it read).
    property bool navigationLocked: false
    // The part of the scene whose operation core runs now (a download, a
    // save, a report, an erase): core's signals about the operation reach
    // it alone (VfOperation).
    property QtObject operationOwner: null
    // What long work running in the background is doing (a report, a large
    // data file), shown over the pages, which wait for it; empty when none
    // runs.
    property string busyText: ""

    // Results of core's device slots.
    readonly property int deviceSuccessful: 0
    readonly property int deviceError: -1
    readonly property int deviceBusy: -2
    readonly property int deviceDisconnected: -3

    // Place of the current experiment in core's chain of opened runs.
    readonly property int expEmptyList: -4
    readonly property int expUniqueItem: -3
    readonly property int expFirstItem: -2
    readonly property int expLastItem: -1
    readonly property int expMiddleItem: 0

    // The pages of each model: its device page state and the state of the
    // page that shows an opened run; "evaluation", where another page shows
    // the results that core recomputes. (Writable so that a test can map its
    // own model onto a family's pages.)
    property var familyStates: ({
        "KESTRUM 2": { "device": "Kestrum2State", "results": "Kestrum2ResultsState" },
        "DRAVO 2": { "device": "Dravo2State", "results": "DravoResultsState" },
        // A vibration run is shown after its exposure times are set.
        "QUILLON": { "device": "QuillonState", "results": "QuillonComponentsState",
                     "evaluation": "QuillonResultsState" },
        "BEMARI": { "device": "BemariState", "results": "BemariResultsState" },
        "BEMARI+": { "device": "BemariPlusState", "results": "BemariPlusResultsState" },
        "KESTRUM 4": { "device": "Kestrum4State", "results": "Kestrum4ResultsState" },
        "RUMO": { "device": "RumoState", "results": "RumoResultsState" },
        "TOLVAR 3 PLUS": { "device": "TolvarState", "results": "TolvarResultsState" },
        "TOLVAR 4": { "device": "Tolvar4State", "results": "Tolvar4ResultsState" }
    })

    property alias dialogs: dialogs
    property alias pageHome: pageHome
    property alias backButton: backButton

    // Shows the page of `target`, remembering where the user came from.
    function showState(target) {
        if (target === undefined || target === state)
            return false
        lastState = state
        state = target
        return true
    }

    // The page each state shows.
    readonly property var statePages: ({
        "Kestrum2State": pageKestrum2,
        "Dravo2State": pageDravo2,
        "TolvarState": pageTolvar,
        "Tolvar4State": pageTolvar4,
        "QuillonState": pageQuillon,
        "BemariState": pageBemari,
        "BemariPlusState": pageBemariPlus,
        "Kestrum4State": pageKestrum4,
        "RumoState": pageRumo,
        "Kestrum2ResultsState": pageKestrum2Results,
        "DravoResultsState": pageDravoResults,
        "TolvarResultsState": pageTolvarResults,
        "Tolvar4ResultsState": pageTolvar4Results,
        "QuillonComponentsState": pageQuillonExposureComponents,
        "QuillonResultsState": pageQuillonResults,
        "BemariResultsState": pageBemariResults,
        "BemariPlusResultsState": pageBemariPlusResults,
        "Kestrum4ResultsState": pageKestrum4Results,
        "RumoResultsState": pageRumoResults
    })

    // The page that state `stateName` shows, null for none.
    function pageOf(stateName) {
        return statePages[stateName] || null
    }

    // The device page of a product, started afresh for the instrument just
    // connected; false when the product has none.
    function showDevicePage(productName) {
        var family = familyStates[productName]
        if (!family)
            return false
        pageOf(family.device).startAfresh()
        return showState(family.device)
    }

    // Core opened a new chain of runs (a download or a file): every page of
    // its family that shows runs forgets the chain before, and the first of
    // them shows the new one. No other family's page hears of it.
    function openChain(position) {
        var family = familyStates[core.devName]
        if (!family)
            return false
        var first = pageOf(family.results)
        var evaluation = pageOf(family.evaluation || family.results)
        if (evaluation !== first)
            evaluation.startAfresh()
        first.startAfresh()
        return first.showRun(position)
    }

    // Core recomputed the run shown, or shows another run of the chain: the
    // family's page of results shows it.
    function showRunResults(position) {
        var family = familyStates[core.devName]
        return family ? pageOf(family.evaluation || family.results).showRun(position) : false
    }

    // The link is lost: the instrument's page lets go of it (its windows
    // close, its choice and progress are gone) and the home page shows.
    function dropDevice() {
        var family = familyStates[core.devName]
        if (family)
            pageOf(family.device).startAfresh()
        goHome()
    }

    // The page that shows an opened run of a product.
    function showResultsPage(productName) {
        var family = familyStates[productName]
        return family ? showState(family.results) : false
    }

    // One step back; a second step from there leads home.
    function goBack() {
        if (navigationLocked)
            return
        var target = lastState
        lastState = ""
        state = target
    }

    function goHome() {
        lastState = ""
        state = ""
    }

    // A number in the user's locale with `decimals` digits; what is not a
    // number ("---", an empty text) is shown as it came.
    function localNumber(number, decimals) {
        if (number === undefined || number === null || String(number).trim() === ""
                || isNaN(number))
            return number
        return Number(number).toLocaleString(Qt.locale(), 'f', decimals)
    }
    function numberToLocalString(number) { return localNumber(number, 2) }
    function numberToLocalString1(number) { return localNumber(number, 1) }
    function numberToLocalString0(number) { return localNumber(number, 0) }

    // An instrument date-time text ("yy/MM/dd,hh:mm:ss+zz") or an ISO text
    // ("yyyy-MM-ddThh:mm:ss") as a local date and time text. The time is the
    // instrument's wall-clock time; a text that is no date is shown as it
    // came.
    function convertDateTimeATToLocalTimeString(date) {
        var d = DeviceDate.deviceDate(date)
        return d ? d.toLocaleString(Qt.locale(), Locale.ShortFormat) : date
    }

    // `number` as text, filled on the left with zeros to `targetLength`
    // characters (after the sign).
    function leftPad(number, targetLength) {
        var negative = Number(number) < 0
        var digits = String(negative ? -Number(number) : number)
        while (digits.length < targetLength)
            digits = "0" + digits
        return (negative ? "-" : "") + digits
    }

    color: "#ffffff"

    // Core's news of the instrument and of the opened runs reach the pages
    // of the model they belong to through here, never by each page listening.
    Connections {
        target: core
        function onDeviceDisconnected() { root.dropDevice() }
        function onUnsupportedDevice() { dialogs.unsupportedDeviceDialog.open() }
        function onExperimentUpdated(position) { root.openChain(position) }
        function onResultsUpdated(position) { root.showRunResults(position) }
        // A data file read in the background.
        function onFileReadStarted() { root.busyText = qsTr("Processing file") + "..." }
        function onFileReadFinished() { root.busyText = "" }
        function onInvalidFile() { root.busyText = "" }
    }

    VfDialogs {
        id: dialogs
        objectName: "rootDialogs"
    }

    Rectangle {
        id: boderLeft
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.leftMargin: -6
        width: 14
        radius: 6
        color: "#ff9239"
    }

    Item {
        id: header
        anchors.top: parent.top
        anchors.left: boderLeft.right
        anchors.right: parent.right
        height: 84

        Image {
            id: logo
            objectName: "logo"
            anchors.left: parent.left
            anchors.leftMargin: 18
            anchors.verticalCenter: parent.verticalCenter
            height: 56
            width: 250
            fillMode: Image.PreserveAspectFit
            horizontalAlignment: Image.AlignLeft
            source: "qrc:/valtrix.png"
        }

        MyImageButton {
            id: backButton
            objectName: "backButton"
            anchors.right: parent.right
            anchors.rightMargin: 18
            anchors.verticalCenter: parent.verticalCenter
            width: 52
            height: 52
            visible: root.state !== ""
            enabled: !root.navigationLocked
            opacity: enabled ? 1 : 0.4
            imgbtnpicdef: "/voltar1x.png"
            imgbtnpichover: "/voltar1xhover.png"
            imgbtnpicclicked: "/voltar1xclicked.png"
            onMyImgBtnClicked: root.goBack()
        }

        Rectangle {
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            height: 2
            color: "#e6e6e6"
        }
    }

    Item {
        id: pageArea
        anchors.top: header.bottom
        anchors.left: boderLeft.right
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 10

        PageHome {
            id: pageHome
            objectName: "pageHome"
            anchors.fill: parent
        }
        PageKestrum2 {
            id: pageKestrum2
            objectName: "pageKestrum2"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageDravo2 {
            id: pageDravo2
            objectName: "pageDravo2"
            anchors.fill: parent
            visible: false
        }
        PageTolvar {
            id: pageTolvar
            objectName: "pageTolvar"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageTolvar4 {
            id: pageTolvar4
            objectName: "pageTolvar4"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageQuillon {
            id: pageQuillon
            objectName: "pageQuillon"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageBemari {
            id: pageBemari
            objectName: "pageBemari"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageBemariPlus {
            id: pageBemariPlus
            objectName: "pageBemariPlus"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageKestrum4 {
            id: pageKestrum4
            objectName: "pageKestrum4"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageRumo {
            id: pageRumo
            objectName: "pageRumo"
            anchors.fill: parent
            visible: false
            onDownloadError: dialogs.downloadFailDialog.open()
        }
        PageKestrum2Results {
            id: pageKestrum2Results
            objectName: "pageKestrum2Results"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("Kestrum2ResultsState")
        }
        PageDravo2Results {
            id: pageDravoResults
            objectName: "pageDravoResults"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("DravoResultsState")
        }
        PageTolvarResults {
            id: pageTolvarResults
            objectName: "pageTolvarResults"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("TolvarResultsState")
        }
        PageTolvar4Results {
            id: pageTolvar4Results
            objectName: "pageTolvar4Results"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("Tolvar4ResultsState")
        }
        PageQuillonExposureComponents {
            id: pageQuillonExposureComponents
            objectName: "pageQuillonExposureComponents"
            anchors.fill: parent
            visible: false
            onShowTimeExp: root.showState("QuillonComponentsState")
        }
        PageQuillonResults {
            id: pageQuillonResults
            objectName: "pageQuillonResults"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("QuillonResultsState")
        }
        PageBemariResults {
            id: pageBemariResults
            objectName: "pageBemariResults"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("BemariResultsState")
        }
        PageBemariPlusResults {
            id: pageBemariPlusResults
            objectName: "pageBemariPlusResults"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("BemariPlusResultsState")
        }
        PageKestrum4Results {
            id: pageKestrum4Results
            objectName: "pageKestrum4Results"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("Kestrum4ResultsState")
        }
        PageRumoResults {
            id: pageRumoResults
            objectName: "pageRumoResults"
            anchors.fill: parent
            visible: false
            onShowResults: root.showState("RumoResultsState")
        }
    }

    // Over the header and the pages alike: the back button waits too.
    VfBusyOverlay {
        id: busyOverlay
        objectName: "busyOverlay"
        anchors.fill: parent
        z: 10
        text: root.busyText
    }

    states: [
        State {
            name: "Kestrum2State"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageKestrum2; visible: true }
        },
        State {
            name: "Dravo2State"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageDravo2; visible: true }
        },
        State {
            name: "TolvarState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageTolvar; visible: true }
        },
        State {
            name: "Tolvar4State"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageTolvar4; visible: true }
        },
        State {
            name: "QuillonState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageQuillon; visible: true }
        },
        State {
            name: "BemariState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageBemari; visible: true }
        },
        State {
            name: "BemariPlusState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageBemariPlus; visible: true }
        },
        State {
            name: "Kestrum4State"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageKestrum4; visible: true }
        },
        State {
            name: "RumoState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageRumo; visible: true }
        },
        State {
            name: "Kestrum2ResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageKestrum2Results; visible: true }
        },
        State {
            name: "DravoResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageDravoResults; visible: true }
        },
        State {
            name: "TolvarResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageTolvarResults; visible: true }
        },
        State {
            name: "Tolvar4ResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageTolvar4Results; visible: true }
        },
        State {
            name: "QuillonComponentsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageQuillonExposureComponents; visible: true }
        },
        State {
            name: "QuillonResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageQuillonResults; visible: true }
        },
        State {
            name: "BemariResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageBemariResults; visible: true }
        },
        State {
            name: "BemariPlusResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageBemariPlusResults; visible: true }
        },
        State {
            name: "Kestrum4ResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageKestrum4Results; visible: true }
        },
        State {
            name: "RumoResultsState"
            PropertyChanges { target: pageHome; visible: false }
            PropertyChanges { target: pageRumoResults; visible: true }
        }
    ]
}
