.pragma library

.import "../../qml/DeviceDate.js" as DeviceDate
.import "../../qml/VfFrequencyWeighting.js" as Weighting

// What the "BEMARI" and "BEMARI+" pages show of a run's JSON. Every level is
// the instrument's text: a number, "OL" for an overloaded value, or empty
// ("---", "") for a value it did not measure. Only numbers are plotted.

var overload = "OL"

// The page of each model: its product name, its data-file extension and the
// window titles' prefix.
var models = {
    "BEMARI": { "extension": "bmv", "titlePrefix": "Bemari - " },
    "BEMARI+": { "extension": "bmq", "titlePrefix": "Bemari+ - " }
}

// True for a run this model's page shows.
function isRunOf(run, modelName) {
    return !!run && run.deviceName === modelName
}

// A level as a number, NaN for "---", "OL" or an empty value.
function number(value) {
    return Weighting.level(value)
}

// A level as shown: a number in `locale` with two decimals, "OL" as the
// instrument sent it, "---" for anything else.
function levelText(value, locale) {
    var v = number(value)
    if (Weighting.known(v))
        return v.toLocaleString(locale, 'f', 2)
    return String(value).trim() === overload ? overload : "---"
}

// A text value as shown: "---" when empty.
function plainText(value) {
    if (value === undefined || value === null)
        return "---"
    var text = String(value)
    return text.trim() === "" ? "---" : text
}

// The time weighting with its letter: "Fast (F)". A value outside the set
// shows as it came.
function timeWeightingText(weighting, translated) {
    var letters = { "Slow": " (S)", "Fast": " (F)", "Impulse": " (I)" }
    if (weighting === undefined || weighting === null || String(weighting) === "")
        return "---"
    var word = translated && translated[weighting] ? translated[weighting] : weighting
    return word + (letters[weighting] || "")
}

// The letter of a time weighting ("F" for "Fast"); "" for none.
function timeLetter(weighting) {
    return { "Slow": "S", "Fast": "F", "Impulse": "I" }[weighting] || ""
}

// "L<sub>" + subscript + "</sub> [dB]:", the label of a level.
function levelLabel(subscript) {
    return "L<sub>" + subscript + "</sub> [dB]:"
}

// The five values of the "BEMARI" "Analysis" box: [label, key] pairs. The
// maxima and minima carry the run's weighting letters; the F-weighted
// maximum is A weighted, as the instrument measures it.
function analysisLabels(freqWeighting, timeWeighting) {
    var letters = (freqWeighting || "") + timeLetter(timeWeighting)
    return [
        { "label": levelLabel("eq"), "key": "lEq" },
        { "label": levelLabel("AFMax"), "key": "lFMax" },
        { "label": levelLabel(letters + "Max"), "key": "lMax" },
        { "label": levelLabel(letters + "Min"), "key": "lMin" },
        { "label": levelLabel("Peak"), "key": "lPeak" }
    ]
}

// The statistical levels of both models: subscript and key.
var statistics = [
    { "sub": "05", "key": "l05" }, { "sub": "10", "key": "l10" }, { "sub": "50", "key": "l50" },
    { "sub": "90", "key": "l90" }, { "sub": "95", "key": "l95" }
]

// The nine cells of the "BEMARI+" "Analysis" box, Z, C then A.
var plusAnalysis = (function () {
    var cells = []
    var weightings = ["Z", "C", "A"]
    for (var w = 0; w < weightings.length; ++w) {
        var subs = ["eq", "E", "peak"]
        var keys = ["Eq", "E", "peak"]
        for (var i = 0; i < subs.length; ++i)
            cells.push({ "sub": weightings[w] + subs[i], "key": "L" + weightings[w] + keys[i] })
    }
    return cells
})()

// The eighteen cells of the "BEMARI+" "Max/Min" box: per weighting Z, C, A
// and time weighting I, F, S its minimum and maximum.
var plusMaxMin = (function () {
    var cells = []
    var weightings = ["Z", "C", "A"]
    var times = ["I", "F", "S"]
    for (var w = 0; w < weightings.length; ++w)
        for (var t = 0; t < times.length; ++t)
            for (var m = 0; m < 2; ++m) {
                var sub = weightings[w] + times[t] + (m === 0 ? "Min" : "Max")
                cells.push({ "sub": sub, "key": "L" + sub })
            }
    return cells
})()

// The title of the level chart's tab and of the table's level column:
// "L<sub>A</sub>eq" style with the run's frequency weighting.
function levelTitle(freqWeighting) {
    return "L<sub>" + (freqWeighting || "") + "eq</sub>"
}

// An instrument date-time text as a Date of the same wall-clock time, or null.
function deviceDate(text) {
    return DeviceDate.deviceDate(text)
}

// A check level with its date text: "94.02 (17/05/2024 08:25)"; "---" when
// the level is absent.
function checkText(value, dateText, locale) {
    var shown = levelText(value, locale)
    if (shown === "---" || !dateText)
        return shown
    return shown + " (" + dateText + ")"
}

// True when the run has at least one band with a level.
function hasBands(results) {
    var bands = results && results.leqList ? results.leqList : []
    for (var i = 0; i < bands.length; ++i)
        if (Weighting.known(number(bands[i].leq)))
            return true
    return false
}

// True when the level chart of the run takes x from the records' interval:
// a "BEMARI+" run measured in mode "MANUAL".
function usesInterval(modelName, results) {
    return modelName === "BEMARI+" && !!results && results.mode === "MANUAL"
}

// The report-option keys each model's printer reads beside the common ones
// (VfReportOptions.js) and "audCertified".
var reportSwitches = {
    "BEMARI": ["ckbChartLvl", "ckbChartLeq", "ckbLeqZ", "ckbLeqA", "ckbLeqC", "ckbCalField",
               "ckbPreChk", "ckbPosChk", "ckbCalLab", "ckbCalAudLab"],
    "BEMARI+": ["ckbChartLvl", "ckbLeqZ", "ckbLeqA", "ckbLeqC", "ckbResZ", "ckbResA", "ckbResC",
                "ckbMaxMinZ", "ckbMaxMinA", "ckbMaxMinC", "ckbStatistics", "ckbCalField",
                "ckbPreChk", "ckbPosChk", "ckbCalLab", "ckbCalAudLab"]
}
