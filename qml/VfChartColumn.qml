import QtQuick 2.15
import QtQuick.Layouts 1.15

// Charts stacked in a tab, sharing its height, but each at least
// `chartMinimumHeight` tall: in a small window the tab scrolls rather than
// squeeze the plots past reading. Each chart fills its share
// (Layout.fillWidth and Layout.fillHeight).
VfScrollPane {
    id: pane

    // Room for a chart's title, legend and axes around a plot tall enough
    // for its value title.
    property real chartMinimumHeight: 340
    default property alias charts: column.data

    contentHeight: column.height

    ColumnLayout {
        id: column
        width: pane.availableWidth
        height: Math.max(pane.availableHeight, pane.chartMinimumHeight * children.length)
        spacing: 0
    }
}
