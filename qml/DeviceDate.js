.pragma library

// An instrument date-time text ("yy/MM/dd,hh:mm:ss±zz") or an ISO text
// ("yyyy-MM-ddThh:mm:ss") as a Date of the same wall-clock time, or null.
function deviceDate(text) {
    var parts = String(text).split(/[\/,:\-+T]/)
    if (parts.length < 6)
        return null
    var year = Number(parts[0])
    if (parts[0].length <= 2)
        year += 2000
    var d = new Date(year, Number(parts[1]) - 1, Number(parts[2]), Number(parts[3]),
                     Number(parts[4]), Number(parts[5]))
    return isNaN(d.getTime()) ? null : d
}
