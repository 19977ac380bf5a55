.pragma library

// The sample interval of the instruments that take it in seconds
// ("AT+VFINTVL"), as the configuration windows edit it: "mm:ss" with two
// minute and two second digits, each part 00 to 59. An interval of no time
// is refused as the instruments' configuration refuses it
// (core/SampleInterval.h).

var pattern = /^([0-5]\d):([0-5]\d)$/

// The seconds of `text`, or -1 when the window must refuse it.
function seconds(text) {
    var parts = pattern.exec(String(text))
    if (!parts)
        return -1
    var total = Number(parts[1]) * 60 + Number(parts[2])
    return total > 0 ? total : -1
}

// What is wrong with `text` as an interval, said so that the user knows what
// to change, or "" when the instrument takes it. A window may say it in its
// own words (formatMessage, zeroMessage).
function problem(text, formatMessage, zeroMessage) {
    if (!pattern.test(String(text)))
        return formatMessage !== undefined ? formatMessage
                                           : qsTr("The sample time field shall have mm:ss format")
    if (seconds(text) < 0)
        return zeroMessage !== undefined ? zeroMessage
                                         : qsTr("The sample time shall be at least 00:01")
    return ""
}
