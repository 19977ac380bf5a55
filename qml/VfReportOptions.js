.pragma library

// The report-option keys that every report writer reads, built from the
// components of a report window. A family window adds its own switches to
// the object and passes JSON.stringify of it to core.generateReport.

// Text key -> the key of the box that prints it.
var fieldSwitches = {
    "ownCompany": "ownCompanyInfoEnable",
    "collectorName": "collectorInfoEnable",
    "repIdReg": "repIdInfoEnable",
    "repName": "repInfoEnable",
    "cmpnyName": "cmpnyInfoEnable",
    "siteName": "siteInfoEnable",
    "emplName": "emplInfoEnable"
}

// A file URL as the platform's local path ("file:///C:/x" on windows gives
// "C:/x", "file:///tmp/x" elsewhere gives "/tmp/x"); other texts are kept.
function localPath(url, platform) {
    var text = url === undefined || url === null ? "" : url.toString()
    var prefix = platform === "windows" ? "file:///" : "file://"
    if (text.indexOf(prefix) !== 0)
        return text
    return decodeURIComponent(text.substring(prefix.length))
}

// parts: {
//   file: VfSelectFile,
//   fields: {textKey: VfFieldTextInput, ...} for the keys of fieldSwitches,
//   logo: VfImage or VfImageFile, notes: VfObservation,
//   table: bool (the sample-table switch "ckbTable")
// }
// Missing parts leave their keys out, which the writer reads as empty texts
// and switches that are off.
function commonOptions(parts) {
    var options = {}
    if (parts.file)
        options.fileName = parts.file.textfilename
    var fields = parts.fields || {}
    for (var key in fieldSwitches) {
        var field = fields[key]
        if (!field)
            continue
        options[key] = field.text
        options[fieldSwitches[key]] = field.checked
    }
    if (parts.logo) {
        options.logoEnable = parts.logo.checked
        options.logoFile = parts.logo.filename
    }
    if (parts.notes) {
        options.obsEnable = parts.notes.checked
        options.obsText = parts.notes.obstext
    }
    if (parts.table !== undefined)
        options.ckbTable = !!parts.table
    return options
}
