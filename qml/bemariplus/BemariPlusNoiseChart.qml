import QtQuick 2.15
import "../../bemari/qml"

// The level chart of a "BEMARI+" run: over the records' interval when the
// run was measured in mode "MANUAL".
BemariNoiseChart {
    readsInterval: true
}
