import QtQuick 2.15
import "../../qml"

// The page of a connected heat-stress monitor: its run list, its
// configuration window and the download of one run into a data file. The
// model's page gives its product name, file extension, configuration window
// and run rows.
VfSingleRunDevicePage {
}
