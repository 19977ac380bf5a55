import QtQuick 2.15

// Core's signals about an operation (its progress, why a file could not be
// written, a report that no viewer opened, an erase under way) for the part
// of the scene that started it, and for no other: the connection is enabled
// only while its own operation runs, which the shell keeps as its
// `operationOwner`. Every page hears core, so this is the one way an
// operation's outcome reaches a page. The part that runs the operation
// declares the handlers it needs, as in any Connections to core, and starts
// the operation through run():
//
//     VfOperation {
//         id: transfer
//         property real progress: 0
//         function onProgressBarUpdated(value) { progress = value }
//     }
//     ...
//     var result = transfer.run(function () { return core.createExperiment(runs) })
//
// An operation that ends later than the call that starts it holds the
// connection from begin() to end().
Connections {
    id: operation

    target: core
    enabled: root.operationOwner === operation

    readonly property bool running: enabled

    function begin() {
        root.operationOwner = operation
    }

    function end() {
        if (root.operationOwner === operation)
            root.operationOwner = null
    }

    // Calls `work` as this operation and gives what it returns.
    function run(work) {
        begin()
        try {
            return work()
        } finally {
            end()
        }
    }
}
