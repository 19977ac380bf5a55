import QtQuick 2.15
import "../../qml"

// The information grid of the run shown: one label and value per row. The
// "BEMARI+" grid has no weighting rows.
VfSoundRunInfo {
}
