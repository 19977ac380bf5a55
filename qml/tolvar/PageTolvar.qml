import QtQuick 2.15
import "../../qml"

// The page of a connected air-sampling pump: the runs it holds; a click on
// one downloads it into a data file. Serves both pump models: the
// "TOLVAR 4" page gives its product name, file extension and run rows.
VfSingleRunDevicePage {
    id: page

    readonly property VfList expSearch: experimentList

    width: 1000
    height: 650
    pageTitle: "TOLVAR 3 PLUS"
    productName: "TOLVAR 3 PLUS"
    fileExtension: "tlv"

    runDelegate: TolvarExperimentItem {
        objectName: "tolvarExperimentItem"
        entry: modelData
        selected: index === page.selectedIdx
        onItemClicked: page.chooseRun(index)
    }
}
