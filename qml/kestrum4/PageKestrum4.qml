import QtQuick 2.15
import "../../kestrum/qml"

// The page of a connected "KESTRUM 4": its run list, its configuration
// window and the download of a run into a ".ks4" file.
KestrumDevicePage {
    id: page

    pageTitle: "Kestrum 4"
    productName: "KESTRUM 4"
    fileExtension: "ks4"
    configWindow: configuration

    runDelegate: Kestrum4ExperimentItem {
        objectName: "kestrum4ExperimentItem"
        idx: index + 1
        entry: modelData
        selected: index === page.selectedIdx
        onItemClicked: page.chooseRun(index)
    }

    Kestrum4Configuration {
        id: configuration
        objectName: "kestrum4Configuration"
    }
}
