.pragma library

.import "../../qml/VfValues.js" as Values

// What the results pages of both pump models read from a run: its shown
// values, the flow limits, the sample table and the chart ranges.

// inH2O per kPa.
var kPaToInH2O = 4.01865

// The flow limits around the set-point, as fractions of it.
var upperLimitFactor = 1.05
var lowerLimitFactor = 0.95

// A number the pump gave: a JSON number or a text holding one. Null, "---"
// and empty texts are no value.
function isValue(value) {
    return Values.known(Values.number(value))
}

// A number as `format` writes it, "---" where the pump left none.
function shownNumber(value, format) {
    return isValue(value) ? format(Values.number(value)) : "---"
}

// A text as it came, "---" where it is empty.
var shownText = Values.plainText

// The upper and lower flow limits of a set-point; null without one.
function flowLimits(flowSet) {
    if (!isValue(flowSet))
        return null
    var set = Values.number(flowSet)
    return { "upper": set * upperLimitFactor, "lower": set * lowerLimitFactor }
}

// A flow outside its limits; a missing flow (NaN) never is.
function outOfLimits(flow, limits) {
    if (!limits || flow === undefined || flow === null || !isFinite(flow))
        return false
    return flow > limits.upper || flow < limits.lower
}

// The columns of the sample table (core.samples.newTable).
var tableColumns = [
    { "key": "date", "format": "time" },
    { "key": "Flow", "format": "number", "decimals": 2 },
    { "key": "Temperature", "format": "number", "decimals": 1 },
    { "key": "BackPressure", "format": "number", "decimals": 1 },
    { "key": "Volume", "format": "number", "decimals": 1 },
    { "key": "BattSoc" },
    { "key": "VBatt" },
    { "key": "Imot" }
]

// The time span of a chart from a core.samples.fillSeries range: the first
// to the last sample (a single sample still spans a second); a minute from
// now when nothing was drawn.
function timeSpan(range) {
    if (!range || !range.count) {
        var now = new Date()
        return { "min": now, "max": new Date(now.getTime() + 60000) }
    }
    var span = Math.max(range.xMax.getTime() - range.xMin.getTime(), 1000)
    return { "min": range.xMin, "max": new Date(range.xMin.getTime() + span) }
}

// The value axis of a chart from a core.samples.fillSeries range.
function valueSpan(range) {
    return range && range.count ? axisRange(range.yMin, range.yMax) : { "min": 0, "max": 1 }
}

// A value axis from `low` to `high` with a tenth of room on either side; a
// flat line gets one unit above and below.
function axisRange(low, high) {
    if (!(high > low))
        return { "min": low - 1, "max": high + 1 }
    return { "min": low - Math.abs(low) * 0.1, "max": high + Math.abs(high) * 0.1 }
}
