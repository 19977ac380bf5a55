.pragma library

// The A and C frequency weightings of IEC 61672-1 for the band charts of the
// sound level instruments (the same values as the reports print), and what
// the pages need to read band levels: numbers from the instrument's texts,
// with every value it left empty ("---", "OL", "") kept apart as NaN.

// Nominal one-third-octave centre frequencies from 10 Hz to 20 kHz and their
// A- and C-weighting corrections, in dB.
var thirdOctaveFrequencies = [10, 12.5, 16, 20, 25, 31.5, 40, 50, 63, 80, 100, 125, 160, 200, 250,
                              315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150, 4000,
                              5000, 6300, 8000, 10000, 12500, 16000, 20000]
var aWeighting = [-70.4, -63.4, -56.7, -50.5, -44.7, -39.4, -34.6, -30.2, -26.2, -22.5, -19.1,
                  -16.1, -13.4, -10.9, -8.6, -6.6, -4.8, -3.2, -1.9, -0.8, 0.0, 0.6, 1.0, 1.2,
                  1.3, 1.2, 1.0, 0.5, -0.1, -1.1, -2.5, -4.3, -6.6, -9.3]
var cWeighting = [-14.3, -11.2, -8.5, -6.2, -4.4, -3.0, -2.0, -1.3, -0.8, -0.5, -0.3, -0.2, -0.1,
                  0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, -0.1, -0.2, -0.3, -0.5, -0.8, -1.3,
                  -2.0, -3.0, -4.4, -6.2, -8.5, -11.2]

// A level or a number from the instrument or from the user: a number, or NaN
// when the value is empty, "---", "OL" or not a number.
function level(value) {
    if (value === undefined || value === null)
        return NaN
    if (typeof value === "number")
        return value
    var text = String(value).trim()
    if (text === "" || !/^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?$/.test(text))
        return NaN
    return Number(text)
}

function known(value) {
    return typeof value === "number" && isFinite(value)
}

// Position of `frequency` in the one-third-octave table, or -1 when it is not
// within a sixth of an octave of a nominal frequency (so below 10 Hz and
// above 20 kHz there is none).
function thirdOctavePosition(frequency) {
    var f = level(frequency)
    if (!(f > 0))
        return -1
    var best = -1
    var bestDistance = 1 / 6
    for (var i = 0; i < thirdOctaveFrequencies.length; ++i) {
        var distance = Math.abs(Math.log(f / thirdOctaveFrequencies[i]) / Math.LN2)
        if (distance < bestDistance) {
            bestDistance = distance
            best = i
        }
    }
    return best
}

// The correction of the band at `frequency` for weighting "Z", "A" or "C";
// NaN for a band outside the table or another weighting.
function weightingAt(frequency, weighting) {
    if (weighting === "Z")
        return 0
    var position = thirdOctavePosition(frequency)
    if (position < 0)
        return NaN
    if (weighting === "A")
        return aWeighting[position]
    if (weighting === "C")
        return cWeighting[position]
    return NaN
}

// A band's category text: "125", "31.5", "1 k", "1.25 k", "12.5 k".
function bandLabel(frequency, locale) {
    var f = level(frequency)
    if (!known(f))
        return String(frequency)
    if (f >= 1000) {
        var whole = Math.floor(f)
        var decimals = whole % 1000 === 0 ? 0 : whole % 100 === 0 ? 1 : 2
        return Number(f / 1000).toLocaleString(locale, 'f', decimals) + " k"
    }
    return Number(f).toLocaleString(locale, 'f', f >= 50 ? 0 : 1)
}

// The bars of one weighting: [{label, value}] for the bands that have a
// level and, for "A" and "C", a correction; each band is corrected by its
// own frequency.
function leqBars(leqList, weighting, locale) {
    var bars = []
    for (var i = 0; i < (leqList ? leqList.length : 0); ++i) {
        var v = level(leqList[i].leq) + weightingAt(leqList[i].frequency, weighting)
        if (known(v))
            bars.push({ "label": bandLabel(leqList[i].frequency, locale), "value": v })
    }
    return bars
}
