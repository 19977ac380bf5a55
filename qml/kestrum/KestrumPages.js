.pragma library

// What the heat-stress pages of both models read from a run: the readings of
// each board, their table columns, chart series and result boxes. A
// "KESTRUM 2" has one board, its own; a "KESTRUM 4" has its main unit (board
// 0) and up to three expansion boards, whose samples sit in the sample's
// "enviromentalFactorsList" and whose results in the lists of "results".

var maxExpansions = 3

// The five readings, in the order of the table, the chart and the boxes.
// `key` names the reading in a sample; `mean` the run's average in
// "results" (per board in "wbgtList" for a "KESTRUM 4").
var quantities = [
    { "role": "wetTemperature", "title": "T<sub>wet</sub>", "series": "Wet bulb",
      "box": "Wet bulb", "color": "#55aaff", "max": "wetTMax", "min": "wetTMin" },
    { "role": "dryTemperature", "title": "T<sub>dry</sub>", "series": "Dry bulb",
      "box": "Dry bulb", "color": "#ff55ff", "max": "dryTMax", "min": "dryTMin" },
    { "role": "globeTemperature", "title": "T<sub>globe</sub>", "series": "Globe",
      "box": "Globe", "color": "#aaaa00", "max": "globeTMax", "min": "globeTMin" },
    { "role": "WBGTi", "title": "WBGT<sub>i</sub>", "series": "WBGTi", "box": "WBGTi",
      "color": "#ff8800", "mean": "WBGTiMed", "k2Key": "IBUTGi", "k2Mean": "IBUTGiMed" },
    { "role": "WBGTo", "title": "WBGT<sub>o</sub>", "series": "WBGTo", "box": "WBGTo",
      "color": "#008888", "mean": "WBGToMed", "k2Key": "IBUTGe", "k2Mean": "IBUTGeMed" }
]

function isKestrum4(productName) {
    return productName === "KESTRUM 4"
}

// A number the instrument gave: a JSON number or a text holding one. Null,
// "---" and empty texts are no value.
function isValue(value) {
    if (value === undefined || value === null)
        return false
    if (typeof value === "number")
        return isFinite(value)
    var text = String(value).trim()
    return text !== "" && isFinite(Number(text))
}

// The boards a run shows: 1 + "numberOfExpansions" for a "KESTRUM 4", kept
// within what the instrument can carry.
function boardCount(productName, results) {
    if (!isKestrum4(productName))
        return 1
    var expansions = Math.floor(Number(results ? results.numberOfExpansions : 0))
    if (!isFinite(expansions) || expansions < 0)
        expansions = 0
    return 1 + Math.min(expansions, maxExpansions)
}

// The sample key of `quantity` on `board`.
function sampleKey(productName, quantity, board) {
    if (!isKestrum4(productName))
        return quantity.k2Key || quantity.role
    return "enviromentalFactorsList." + board + "." + quantity.role
}

// The columns of a board's sample table (core.samples.newTable).
function tableColumns(productName, board) {
    var columns = [{ "key": "date", "format": "time" }]
    for (var i = 0; i < quantities.length; ++i)
        columns.push({ "key": sampleKey(productName, quantities[i], board),
                       "role": quantities[i].role, "format": "number", "decimals": 2 })
    return columns
}

// " [°C]" for a unit, nothing without one.
function unitSuffix(unity) {
    return unity ? " [" + unity + "]" : ""
}

// The extremes and means of `board`: {dryTMax, ..., WBGTiMed, WBGToMed},
// undefined where the run has none.
function boardResults(productName, results, board) {
    results = results || {}
    var values = {}
    var extremes = results
    var means = results
    if (isKestrum4(productName)) {
        extremes = (results.maxMinTemperatures || [])[board] || {}
        means = (results.wbgtList || [])[board] || {}
    }
    for (var i = 0; i < quantities.length; ++i) {
        var q = quantities[i]
        if (q.max) {
            values[q.max] = extremes[q.max]
            values[q.min] = extremes[q.min]
        } else {
            values[q.mean] = means[isKestrum4(productName) ? q.mean : q.k2Mean]
        }
    }
    return values
}

// The data of one board view: its sample keys, unit and results.
function boardModel(productName, results, board) {
    var keys = []
    for (var i = 0; i < quantities.length; ++i)
        keys.push(sampleKey(productName, quantities[i], board))
    return { "board": board, "keys": keys, "unity": results && results.unity ? results.unity : "",
             "values": boardResults(productName, results, board) }
}

// The five result boxes of a board, their values as `format` shows them
// ("---" where there is none).
function boxes(model, format) {
    var values = model && model.values ? model.values : {}
    var text = function (value) { return isValue(value) ? format(Number(value)) : "---" }
    var list = []
    for (var i = 0; i < quantities.length; ++i) {
        var q = quantities[i]
        list.push({
            "name": q.role, "label": q.box, "unity": model ? model.unity : "",
            "max": q.max ? text(values[q.max]) : "---",
            "min": q.max ? text(values[q.min]) : "---",
            "avg": q.mean ? text(values[q.mean]) : "---",
            "enableMax": !!q.max, "enableMin": !!q.max, "enableAvg": !!q.mean
        })
    }
    return list
}

// The temperature axis: from the board's lowest minimum to its highest
// maximum of the three temperatures; the WBGT indices lie between them.
// Where the run gives no extreme, the plotted points (`points`, the
// {count, yMin, yMax} of each filled series) give it. Null when there is
// nothing to show.
function temperatureRange(model, points) {
    var values = model && model.values ? model.values : {}
    var low = NaN, high = NaN
    for (var i = 0; i < quantities.length; ++i) {
        var q = quantities[i]
        if (!q.max)
            continue
        if (isValue(values[q.max]))
            high = isNaN(high) ? Number(values[q.max]) : Math.max(high, Number(values[q.max]))
        if (isValue(values[q.min]))
            low = isNaN(low) ? Number(values[q.min]) : Math.min(low, Number(values[q.min]))
    }
    var pointLow = NaN, pointHigh = NaN
    for (var p = 0; p < points.length; ++p) {
        if (!points[p] || !points[p].count)
            continue
        pointLow = isNaN(pointLow) ? points[p].yMin : Math.min(pointLow, points[p].yMin)
        pointHigh = isNaN(pointHigh) ? points[p].yMax : Math.max(pointHigh, points[p].yMax)
    }
    if (isNaN(low))
        low = pointLow
    if (isNaN(high))
        high = pointHigh
    if (isNaN(low) || isNaN(high))
        return null
    if (high < low) {
        var swap = low
        low = high
        high = swap
    }
    if (high - low < 1) {
        low -= 0.5
        high += 0.5
    }
    return { "min": low, "max": high }
}

// A text value of a run as shown: "---" where there is none.
function plainText(value) {
    return value === undefined || value === null || String(value).trim() === "" ? "---"
                                                                               : String(value)
}
