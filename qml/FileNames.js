.pragma library

// A data-file URL as the user chose it, with the model's `extension` ("drv",
// "ksm"...) added when the name has no extension of its own.
function withExtension(url, extension) {
    var text = String(url)
    var name = text.substring(text.lastIndexOf("/") + 1)
    return name.indexOf(".") >= 0 ? text : text + "." + extension
}
