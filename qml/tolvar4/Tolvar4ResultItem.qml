import "../../tolvar/qml"

// One result box of a "TOLVAR 4" run.
TolvarResultItem {
}
