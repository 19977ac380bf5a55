import "../../tolvar/qml"

// The run information of a "TOLVAR 4" run, with its status.
TolvarExpInfo {
    showStatus: true
}
