import "../../tolvar/qml"

// The backpressure of a "TOLVAR 4" run: its samples as points.
TolvarPressChart {
    scatter: true
}
