import "../../tolvar/qml"

// The report window of a "TOLVAR 4" run: the pump window with the status
// switch.
TolvarPrinterConfiguration {
    productName: "TOLVAR 4"
    showStatus: true
}
