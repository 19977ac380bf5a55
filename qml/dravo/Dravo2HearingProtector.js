.pragma library

.import "../../qml/VfFrequencyWeighting.js" as Weighting

// Sound level at the ear with a hearing protector worn, by the octave-band
// method of ISO 4869-2:
//
//   L_A(f)  = L(f) + A(f)                    A-weighted band level
//   APV(f)  = k × (m(f) − α × s(f))          assumed protection value
//   L'_A(f) = L_A(f) − APV(f)                protected band level
//   L_A     = 10·log10 Σ 10^(L_A(f)/10)      totals over 125 Hz .. 8 kHz
//   L'_A    = 10·log10 Σ 10^(L'_A(f)/10)
//
// m and s are the protector's mean attenuation and its standard deviation per
// octave band, as its test report gives them. α sets the share of wearers
// that get at least the assumed protection (ISO 4869-2, protection
// performance: α = 1.0 for 84 %, α = 2.0 for 98 %):
//  - Method B data (ANSI S12.6 Method B, NBR 16076, ISO/TS 4869-5) come from
//    subjects who fitted the protector themselves; they are rated at 84 %
//    (α = 1.0), as the subject-fit rating of ANSI S12.6 is, and are used as
//    measured (k = 1).
//  - Method A data (ANSI S12.6 Method A, ANSI S3.19, ISO 4869-1) come from
//    fittings done or supervised by the experimenter; they are rated at
//    98 % (α = 2.0), as the NRR of ANSI S3.19 is, and derated for the field by
//    the protector-type factor k, the share of the laboratory protection kept
//    in use after NIOSH's derating (NIOSH 98-126, "Criteria for a Recommended
//    Standard: Occupational Noise Exposure", 1998: earmuffs lose 25 %,
//    formable (molded) earplugs 50 %, all other (pre-molded) earplugs 70 %).
//    NIOSH derates the single-number rating; here the same share is taken
//    of the assumed protection of every band.
//
// A value that is not known (an empty band, "---", a field that is not a
// number) is NaN here: it is shown as "---", left out of the update and
// never taken as 0. A total needs all seven bands.

// Nominal one-third-octave centre frequencies from 10 Hz to 20 kHz and their
// A-weighting corrections (IEC 61672-1), in dB, shared with every band chart.
var thirdOctaveFrequencies = Weighting.thirdOctaveFrequencies
var aWeighting = Weighting.aWeighting

// The seven octave bands of the evaluation, their keys in the update object
// and their column titles.
var octaveBands = [125, 250, 500, 1000, 2000, 4000, 8000]
var bandKeys = ["125", "250", "500", "1000", "2000", "4000", "8000"]
var bandTitles = ["125 Hz", "250 Hz", "500 Hz", "1 kHz", "2 kHz", "4 kHz", "8 kHz"]

var protectorTypes = ["Earmuffs", "Molded", "Pre Molded"]
var typeFactors = { "Earmuffs": 0.75, "Molded": 0.5, "Pre Molded": 0.3 }

// The two methods the tab offers. `stdNumber` 2 (Method A) is the one whose
// result depends on the protector type, which the report prints with it.
var methodB = {
    "name": "B",
    "stdApplied": "ANSI S12.6 (Method-B);NBR 16076;ISO/TS 4869-5",
    "stdNumber": 1,
    "alpha": 1.0,
    "derated": false
}
var methodA = {
    "name": "A",
    "stdApplied": "ANSI 12.6 (Method-A);ANSI S3.19;ISO 4869-1",
    "stdNumber": 2,
    "alpha": 2.0,
    "derated": true
}

// Colour rule of the protected levels, after EN 458 (selection of hearing
// protectors): a level at or above the action level is protection too weak;
// a total more than 15 dB below it is over-protection, which isolates the
// wearer from speech and warning signals.
var overProtectionMargin = 15
var alarmColour = "#FF5555"
var normalColour = "#000000"

// A level or a number from the run or from the update: a number, or NaN when
// the value is empty, "---" or not a number.
function level(value) {
    return Weighting.level(value)
}

function known(value) {
    return Weighting.known(value)
}

// Position of `frequency` in the one-third-octave table, or -1 when it is not
// within a sixth of an octave of a nominal frequency.
function thirdOctavePosition(frequency) {
    return Weighting.thirdOctavePosition(frequency)
}

// The A-weighting correction of a band, NaN for a frequency outside the table.
function aWeightingAt(frequency) {
    var position = thirdOctavePosition(frequency)
    return position < 0 ? NaN : aWeighting[position]
}

// A-weights the run's bands: [{frequency, level}] in, the same with the
// corrected level out. Bands of unknown level or frequency stay unknown.
function applyAWeightingOctaves(bands) {
    var weighted = []
    for (var i = 0; i < bands.length; ++i) {
        var correction = aWeightingAt(bands[i].frequency)
        weighted.push({ "frequency": level(bands[i].frequency),
                        "level": level(bands[i].level) + correction })
    }
    return weighted
}

// 10·log10 Σ 10^(L/10); NaN when a level is unknown or there is none.
function energeticSum(levels) {
    if (levels.length === 0)
        return NaN
    var sum = 0
    for (var i = 0; i < levels.length; ++i) {
        if (!known(levels[i]))
            return NaN
        sum += Math.pow(10, levels[i] / 10)
    }
    return 10 * Math.log(sum) / Math.LN10
}

// The seven octave levels from bands of `perOctave` bands each: every band
// goes to the octave whose centre is nearest (in octaves) and the bands of
// an octave are summed energetically. An octave that does not get exactly
// `perOctave` bands of known level is unknown.
function foldBands(bands, perOctave) {
    var groups = [[], [], [], [], [], [], []]
    for (var i = 0; i < bands.length; ++i) {
        var f = level(bands[i].frequency)
        if (!(f > 0))
            continue
        var index = Math.round(Math.log(f / 1000) / Math.LN2) + 3
        var offset = Math.abs(Math.log(f / octaveBands[index]) / Math.LN2)
        // An octave run names the centre itself; a third-octave run the
        // centre and its two neighbours.
        if (index >= 0 && index < 7 && offset < (perOctave === 1 ? 1 / 6 : 0.5))
            groups[index].push(level(bands[i].level))
    }
    var levels = []
    for (var b = 0; b < 7; ++b)
        levels.push(groups[b].length === perOctave ? energeticSum(groups[b]) : NaN)
    return levels
}

function convertAdjust11Octaves(bands) {
    return foldBands(bands, 1)
}

function convertAdjust13Octaves(bands) {
    return foldBands(bands, 3)
}

// The A-weighted octave levels of a run from its "leqList" ([{frequency, leq}])
// and its "octaveAnalysis" ("1/1" or "1/3"). A run that names neither is
// read by its band spacing.
function runOctaveLevels(leqList, octaveAnalysis) {
    var bands = []
    for (var i = 0; i < (leqList ? leqList.length : 0); ++i)
        bands.push({ "frequency": leqList[i].frequency, "level": leqList[i].leq })
    var weighted = applyAWeightingOctaves(bands)
    var thirds = octaveAnalysis === "1/3"
    if (octaveAnalysis !== "1/1" && octaveAnalysis !== "1/3")
        thirds = isThirdOctaveList(bands)
    return thirds ? convertAdjust13Octaves(weighted) : convertAdjust11Octaves(weighted)
}

// True when two neighbouring bands of the list lie a third of an octave apart.
function isThirdOctaveList(bands) {
    for (var i = 1; i < bands.length; ++i) {
        var a = level(bands[i - 1].frequency)
        var b = level(bands[i].frequency)
        if (a > 0 && b > 0 && Math.abs(Math.abs(Math.log(b / a) / Math.LN2) - 1 / 3) < 0.1)
            return true
    }
    return false
}

function computeNPS(levels) {
    return energeticSum(levels)
}

// The factor k of the method and protector type.
function setFactor(method, type) {
    if (!method.derated)
        return 1.0
    var factor = typeFactors[type]
    return factor === undefined ? 1.0 : factor
}

// APV = k × (m − α × s).
function assumedProtection(attenuation, deviation, method, type) {
    var m = level(attenuation)
    var s = level(deviation)
    if (!known(m) || !known(s))
        return NaN
    return setFactor(method, type) * (m - method.alpha * s)
}

function updateNewNpspValue(bandLevel, attenuation, deviation, method, type) {
    return level(bandLevel) - assumedProtection(attenuation, deviation, method, type)
}

// The whole evaluation: levels (seven A-weighted octave levels), attenuation
// and deviation (seven values each) in; band and total levels with and
// without the protector out.
function evaluate(levels, attenuation, deviation, method, type) {
    var npsp = []
    for (var b = 0; b < 7; ++b)
        npsp.push(updateNewNpspValue(levels[b], attenuation[b], deviation[b], method, type))
    return { "nps": levels.slice(0), "npsp": npsp, "NPS": computeNPS(levels),
             "NPSp": computeNPS(npsp) }
}

// The object the results keep for the report. Unknown numbers are left out,
// so that the report prints "---" for them rather than a made-up level.
function updateObject(identification, method, type, attenuation, deviation, evaluation) {
    var update = {
        "datatype": "hearingprotect",
        "hearProtectMfc": identification.manufacturer,
        "hearProtectModel": identification.model,
        "hearProtectCANumber": identification.caNumber,
        "hearingProtectorType": type,
        "stdApplied": method.stdApplied,
        "stdNumber": method.stdNumber
    }
    function put(key, value) {
        if (known(value))
            update[key] = value
    }
    put("NPS", evaluation.NPS)
    put("NPSp", evaluation.NPSp)
    for (var b = 0; b < 7; ++b) {
        put("nps" + bandKeys[b], evaluation.nps[b])
        put("npsp" + bandKeys[b], evaluation.npsp[b])
        put("att" + bandKeys[b], level(attenuation[b]))
        put("desv" + bandKeys[b], level(deviation[b]))
    }
    return update
}

// An attenuation or deviation entry is wrong when it is not a number or is
// negative.
function inputAlarm(value) {
    var v = level(value)
    return !known(v) || v < 0
}

// A protected band level at or above the action level.
function bandAlarm(protectedLevel, actionLevel) {
    return known(protectedLevel) && protectedLevel >= actionLevel
}

// The protected total at or above the action level, or so far below it that
// the wearer is over-protected.
function totalAlarm(protectedTotal, actionLevel) {
    return known(protectedTotal) && (protectedTotal >= actionLevel
                                     || protectedTotal < actionLevel - overProtectionMargin)
}

function cellColour(alarm) {
    return alarm ? alarmColour : normalColour
}
