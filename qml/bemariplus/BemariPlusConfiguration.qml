import QtQuick 2.15
import "../../bemari/qml"

// The measurement settings of a "BEMARI+": the same three as the "BEMARI".
BemariConfiguration {
    modelName: "BEMARI+"
}
