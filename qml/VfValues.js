.pragma library

// How every results page reads and shows a run's values. The instruments send
// their values as texts ("0.31", "---" for a value they left empty) and the
// results JSON writes a value that could not be computed as null: none of
// those is ever shown, charted or counted as 0.

// hh:mm of a day: hours 00 to 23, minutes 00 to 59 (working hours, exposure
// times).
var hoursMinutesPattern = /^(([0-1]\d)|(2[0-3])):([0-5]\d)$/

// A value of the run as a number: the number itself, or a text holding one
// with "." as its decimal point; NaN for anything else.
function number(value) {
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

// A value as shown on a page: a number in `locale` with `decimals` digits
// (two when not given), "---" for what is not a number.
function valueText(value, locale, decimals) {
    var n = number(value)
    if (!known(n))
        return "---"
    return n.toLocaleString(locale, 'f', decimals === undefined ? 2 : decimals)
}

// A text of the run as shown: "---" when it is empty or missing.
function plainText(value) {
    return value === undefined || value === null || String(value) === "" ? "---" : String(value)
}

// A band's category text, as the reports print it: "125", "31.5", "1 k",
// "1.25 k", "12.5 k".
function bandLabel(frequency, locale) {
    var f = number(frequency)
    if (!known(f))
        return String(frequency)
    if (f >= 1000) {
        var whole = Math.floor(f)
        var decimals = whole % 1000 === 0 ? 0 : whole % 100 === 0 ? 1 : 2
        return Number(f / 1000).toLocaleString(locale, 'f', decimals) + " k"
    }
    return Number(f).toLocaleString(locale, 'f', f >= 50 ? 0 : 1)
}
