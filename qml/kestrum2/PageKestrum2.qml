import QtQuick 2.15
import "../../kestrum/qml"

// The page of a connected "KESTRUM 2": its run list, its configuration
// window and the download of a run into a ".ksm" file.
KestrumDevicePage {
    id: page

    pageTitle: "Kestrum 2"
    productName: "KESTRUM 2"
    fileExtension: "ksm"
    configWindow: configuration

    runDelegate: Kestrum2ExperimentItem {
        objectName: "kestrum2ExperimentItem"
        idx: index + 1
        entry: modelData
        selected: index === page.selectedIdx
        onItemClicked: page.chooseRun(index)
    }

    Kestrum2Configuration {
        id: configuration
        objectName: "kestrum2Configuration"
    }
}
