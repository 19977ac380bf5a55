import QtQuick 2.15
import QtCharts 2.15

// A chart's time axis, ticked on round times of day by core.samples: as many
// ticks as the chart's plot has room for with every label whole. A window
// made narrower or wider ticks the same span again.
DateTimeAxis {
    id: axis

    // The ChartView the axis is in: its plot's width sets the tick count.
    property var chart: null
    readonly property real plotWidth: chart ? chart.plotArea.width : 0
    // The span last ticked ({from, to}), null when the axis shows none.
    property var span: null

    // Ticks the axis from `from` to `to` (chart times).
    function tidy(from, to) {
        span = from && to ? { "from": from, "to": to } : null
        core.samples.tidyTimeAxis(axis, from, to, plotWidth)
    }

    // A minute from now: an axis for a run without samples.
    function showNoTimes() {
        span = null
        var now = new Date()
        min = now
        max = new Date(now.getTime() + 60000)
    }

    onPlotWidthChanged: {
        if (span)
            core.samples.tidyTimeAxis(axis, span.from, span.to, plotWidth)
    }

    format: "hh:mm:ss"
    tickCount: 7
}
