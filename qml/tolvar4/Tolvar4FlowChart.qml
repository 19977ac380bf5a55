import "../../tolvar/qml"

// The flow of a "TOLVAR 4" run: its samples as points.
TolvarFlowChart {
    scatter: true
}
