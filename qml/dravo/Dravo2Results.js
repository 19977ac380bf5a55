.pragma library

.import "Dravo2HearingProtector.js" as Protector
.import "../../qml/DeviceDate.js" as DeviceDate
.import "../../qml/VfFrequencyWeighting.js" as Weighting

// The data of the results page: what the pages show of a run's JSON, with
// every value the instrument left empty ("---") kept apart from the numbers.

// Tabs of the page; the octave and hearing-protector tabs need band data.
var tabKeys = ["results", "noise", "histogram", "leq", "hearing"]

function isValue(value) {
    return Protector.known(Protector.level(value))
}

// The tabs a run shows.
function tabsFor(hasOctave) {
    return hasOctave ? tabKeys.slice(0) : tabKeys.slice(0, 3)
}

// True when the run has at least one band with a level.
function hasOctaveData(results) {
    var bands = results && results.leqList ? results.leqList : []
    for (var i = 0; i < bands.length; ++i)
        if (isValue(bands[i].leq))
            return true
    return false
}

// An instrument date-time text as a Date of the same wall-clock time, or null.
function deviceDate(text) {
    return DeviceDate.deviceDate(text)
}

// The first value label of a dosimeter box: the average level of a 5 dB
// exchange rate is L-avg, of any other the equivalent level L-eq (as the
// report prints them).
function par1Label(exchangeRate) {
    return String(exchangeRate) === "5" ? "L<sub>avg</sub> [dB]:" : "L<sub>eq</sub> [dB]:"
}

// Time weighting with its letter: "Slow (S)".
function timeWeightingText(weighting) {
    var letters = { "Slow": " (S)", "Fast": " (F)", "Impulse": " (I)" }
    if (weighting === undefined || weighting === "")
        return "---"
    return weighting + (letters[weighting] || "")
}

// "1/1" or "1/3" with the band count; a run without bands shows "---".
function octaveAnalysisText(octaveAnalysis, numFreq, bandsWord) {
    var count = parseInt(numFreq, 10)
    var analysis = octaveAnalysis
    if (analysis !== "1/1" && analysis !== "1/3")
        analysis = count === 9 ? "1/1" : count === 26 ? "1/3" : ""
    if (!(count > 0))
        return analysis === "" ? "---" : analysis
    return (analysis === "" ? "" : analysis + " ") + "(" + count + " " + bandsWord + ")"
}

// Minutes per level class of `width` dB: [{lower, upper, minutes}] for the
// classes that hold samples, in rising order. `levels` holds one level per
// sample, NaN where there is none; a level counts by its whole decibels.
function histogramClasses(levels, sampleSeconds, width) {
    var seconds = Protector.level(sampleSeconds)
    if (!Protector.known(seconds) || seconds <= 0 || !(width > 0))
        return []
    var totals = {}
    for (var i = 0; i < (levels ? levels.length : 0); ++i) {
        var v = Math.trunc(levels[i])
        if (!isFinite(v))
            continue
        var k = Math.floor(v / width)
        totals[k] = (totals[k] || 0) + seconds
    }
    var keys = Object.keys(totals).map(Number).sort(function(a, b) { return a - b })
    var classes = []
    for (var j = 0; j < keys.length; ++j)
        classes.push({ "lower": keys[j] * width, "upper": keys[j] * width + width,
                       "minutes": Number((totals[keys[j]] / 60).toFixed(2)) })
    return classes
}

// The correction of one band for weighting "Z", "A" or "C".
function weightingAt(frequency, weighting) {
    return Weighting.weightingAt(frequency, weighting)
}

// A band's category text: "125", "31.5", "1 k", "1.25 k", "12.5 k".
function bandLabel(frequency, locale) {
    return Weighting.bandLabel(frequency, locale)
}

// The bars of one weighting: [{label, value}] for the bands with a level.
function leqBars(leqList, weighting, locale) {
    return Weighting.leqBars(leqList, weighting, locale)
}

// The lowest action level of the run's three dosimeters, against which the
// protected levels are judged; 80 dB when none is known.
function actionLevel(results) {
    var lowest = NaN
    var keys = ["dos1actionLevel", "dos2actionLevel", "dosUSERactionLevel"]
    for (var i = 0; i < keys.length; ++i) {
        var v = Protector.level(results ? results[keys[i]] : undefined)
        if (Protector.known(v) && !(v >= lowest))
            lowest = v
    }
    return Protector.known(lowest) ? lowest : 80
}
