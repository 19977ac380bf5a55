import QtQuick 2.15
import "../../bemari/qml"

// One run of the "BEMARI+" run list: as the "BEMARI" shows it.
BemariExperimentItem {
}
