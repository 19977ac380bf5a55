import QtQuick 2.15
import QtQuick.Layouts 1.15

// Controls one below the other, as wide as the pane, scrolled upright when
// they are taller than the room given (a window's options on a small
// screen).
VfScrollPane {
    id: pane

    default property alias content: column.data

    ColumnLayout {
        id: column
        width: pane.availableWidth
        spacing: 10
    }
}
