import QtQuick 2.15
import "../../bemari/qml"

// The band chart of a "BEMARI+" run: as the "BEMARI" draws it.
BemariLeqChart {
}
