import "../../tolvar/qml"

// A text of the "TOLVAR 4" pages.
TolvarText {
}
