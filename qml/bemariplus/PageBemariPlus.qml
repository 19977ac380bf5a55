import QtQuick 2.15
import "../../bemari/qml"

// The page of a connected "BEMARI+": the "BEMARI" page with this model's
// configuration window and ".bmq" data files.
PageBemari {
    pageTitle: "Bemari+"
    modelName: "BEMARI+"
    configurationComponent: Component {
        BemariPlusConfiguration {}
    }
}
