import QtQuick 2.15
import "../../bemari/qml"

// The report window of a "BEMARI+" run: band curves, results, max/min and
// statistics frames beside the options every report has.
BemariPrinterConfiguration {
    modelName: "BEMARI+"
}
