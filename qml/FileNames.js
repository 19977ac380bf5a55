.pragma library

// A data-file URL as the user chose it, with the model's `extension` ("drv",
// "ksm"...) added unless the name ends with it, as core adds it: the name of
// the file the save writes.
function withExtension(url, extension) {
    var text = String(url)
    var suffix = "." + extension
    return text.length > suffix.length && text.slice(-suffix.length) === suffix
            ? text : text + suffix
}
