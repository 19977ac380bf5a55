import QtQuick 2.15
import "../../qml"

import "SoundLevelPages.js" as Data

// The page of a connected "BEMARI" (and, through PageBemariPlus, of a
// "BEMARI+"): its run list with check boxes, the configuration window, and
// the download of the checked runs into a data file.
VfDevicePage {
    id: page

    // The product name of the model this page serves.
    property string modelName: "BEMARI"
    // The configuration window of the model, made once the page is complete.
    property Component configurationComponent: Component {
        BemariConfiguration {}
    }

    // "Accept" was pressed without a checked run.
    readonly property bool noRunChosen: warning !== ""

    pageTitle: "Bemari"
    productName: modelName
    fileExtension: Data.models[modelName].extension
    warningName: "noRunWarning"
    downloadHint: qsTr("Check the experiments to download and press Accept to choose the file they are saved to.")

    function chooseRun(index, checked) {
        runDownload.toggleRun(index, checked)
    }

    Component.onCompleted: configWindow = configurationComponent.createObject(page)

    runDelegate: BemariExperimentItem {
        objectName: "bemariExperimentItem"
        label: (index + 1)
               + (modelData.hasOwnProperty("exp_Name") ? ": " + modelData.exp_Name : "")
        date: {
            var when = Data.deviceDate(modelData.dateText)
            return qsTr("Date") + ": "
                    + (when ? when.toLocaleDateString(Qt.locale(), Locale.ShortFormat)
                            : modelData.dateText)
        }
        size: qsTr("Size") + ": " + modelData.size
        checked: page.chosenRuns.indexOf(index) >= 0
        onToggled: page.chooseRun(index, checked)
    }
}
