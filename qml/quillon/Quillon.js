.pragma library

.import "../../qml/VfValues.js" as Values

// What the vibration meter's pages show of a run's results JSON, with the
// texts and the per-run values the "Vibration evaluation report" prints.

var axes = ["X", "Y", "Z"]
// The time weightings of the results, by their key letter.
var weightings = [{ "letter": "F", "name": "Fast" }, { "letter": "S", "name": "Slow" },
                  { "letter": "L", "name": "Low-frequency" }]

// The application of a run by its evaluation type, as the report names it.
function applicationText(evaluationType) {
    switch (String(evaluationType === undefined || evaluationType === null ? ""
                                                                          : evaluationType).trim()) {
    case "0": return "WBV"
    case "1":
    case "2": return "HAV"
    case "3": return "8 kHz"
    case "4": return "1 kHz"
    default: return "---"
    }
}

// The key of an axis's average acceleration: a_rep or a_m, by the run's
// switch.
function averageKey(results, axis) {
    return (results && results.bArepEvaluation ? "arep" : "am") + axis
}

// The run's resultant VDV from its VDVs scaled to its exposure time; NaN
// when one of them is not available.
function runVdvR(results) {
    var sum = 0
    for (var a = 0; a < axes.length; ++a) {
        var v = Values.number(results ? results["vdv" + axes[a] + "expi"] : null)
        if (!Values.known(v))
            return NaN
        sum += Math.pow(v, 4)
    }
    return Math.pow(sum, 0.25)
}

// The bars of one axis: [{label, value}] for the bands with a value.
function bandBars(bands, locale) {
    var bars = []
    for (var i = 0; i < (bands ? bands.length : 0); ++i) {
        var v = Values.number(bands[i].amr)
        if (Values.known(v))
            bars.push({ "label": Values.bandLabel(bands[i].frequency, locale), "value": v })
    }
    return bars
}

// An exposure time as the pages show it: "hh:mm" as set, "---" when none was.
function exposureText(time) {
    return Values.hoursMinutesPattern.test(String(time)) ? time : "---"
}
