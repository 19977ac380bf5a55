import QtQuick 2.15

// The point inspection of one series of a chart: hovering a point shows its
// value box, a left click pins it (and takes the keys), a right click lets it
// go; with a point pinned Left and Right step to the neighbouring points and
// Escape or Delete let it go. Place it in the ChartView, give it the series
// and a `pointText` function (index -> the box text), and pass the series'
// hovered and clicked points to hover() and pin().
Item {
    id: picker

    property var chart: null
    property var series: null
    // function(index) giving the box text of point `index` of the series.
    property var pointText: function (index) { return "" }
    // The pinned point, -1 when none.
    property int selectedIndex: -1
    // The point under the mouse, while it is.
    property var hoveredPoint: null
    property alias pointView: pointView

    anchors.fill: parent

    function showPoint(index) {
        var position = chart.mapToPosition(series.at(index), series)
        pointView.showAt(position.x, position.y, pointText(index))
    }

    // Pins point `index`, kept within the series.
    function selectPoint(index) {
        if (!series || series.count === 0)
            return
        index = Math.max(0, Math.min(series.count - 1, index))
        selectedIndex = index
        pointView.holdOn = false
        showPoint(index)
        pointView.holdOn = true
        picker.forceActiveFocus()
    }

    function clearSelection() {
        selectedIndex = -1
        pointView.holdOn = false
        pointView.visible = false
    }

    // The point nearest in time to a chart value (the points rise in time).
    function nearestIndex(point) {
        var low = 0, high = series ? series.count - 1 : -1
        if (high < 0)
            return -1
        while (low < high) {
            var middle = Math.floor((low + high) / 2)
            if (series.at(middle).x < point.x)
                low = middle + 1
            else
                high = middle
        }
        if (low > 0 && point.x - series.at(low - 1).x <= series.at(low).x - point.x)
            return low - 1
        return low
    }

    // The series' hovered(point, state).
    function hover(point, state) {
        if (state) {
            hoveredPoint = point
            var index = nearestIndex(point)
            if (index >= 0)
                showPoint(index)
        } else {
            hoveredPoint = null
            if (!pointView.holdOn)
                pointView.visible = false
        }
    }

    // The series' clicked(point).
    function pin(point) {
        var index = nearestIndex(point)
        if (index >= 0)
            selectPoint(index)
    }

    // A resized chart moves its points: the pinned box follows its point.
    Connections {
        target: picker.chart
        function onWidthChanged() { picker.follow() }
        function onHeightChanged() { picker.follow() }
    }
    function follow() {
        if (selectedIndex >= 0 && series && selectedIndex < series.count)
            selectPoint(selectedIndex)
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: picker.clearSelection()
    }

    ScatterPointHover {
        id: pointView
        objectName: "pointView"
        visible: false
    }

    Keys.onEscapePressed: clearSelection()
    Keys.onDeletePressed: clearSelection()
    Keys.onLeftPressed: if (selectedIndex >= 0) selectPoint(selectedIndex - 1)
    Keys.onRightPressed: if (selectedIndex >= 0) selectPoint(selectedIndex + 1)
}
