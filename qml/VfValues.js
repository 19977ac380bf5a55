.pragma library

.import "VfFrequencyWeighting.js" as Weighting

// How every results page reads and shows a run's values. The instruments send
// their values as texts ("0.31", "---" for a value they left empty) and the
// results JSON writes a value that could not be computed as null: none of
// those is ever shown, charted or counted as 0.

// hh:mm of a day: hours 00 to 23, minutes 00 to 59 (working hours, exposure
// times).
var hoursMinutesPattern = /^(([0-1]\d)|(2[0-3])):([0-5]\d)$/

// A value of the run as a number: the number itself, or a text holding one
// with "." as its decimal point; NaN for anything else.
var number = Weighting.level
var known = Weighting.known

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
var bandLabel = Weighting.bandLabel
