import QtQuick 2.15
import "../../qml"

// The run information panel of the results page: one label and value per row.
VfSoundRunInfo {
}
