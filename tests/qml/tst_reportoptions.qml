import QtQuick 2.15
import QtTest 1.15

import "qrc:/qml"
import "qrc:/qml/VfReportOptions.js" as ReportOptions

// The components of the report-option windows and the common option keys
// that they give the report writer.
Item {
    id: window
    width: 800
    height: 900

    VfFieldTextInput { id: company; label: "Company"; placeholderText: "Company name"; width: 360 }
    VfFieldTextInput { id: site; y: 70; label: "Site"; width: 360 }
    VfFieldTextInput { id: signer; y: 140; label: "Signer"; width: 360 }
    VfFieldTextInput { id: signerId; y: 210; label: "Registration"; width: 360 }
    VfObservation { id: notes; y: 280; width: 360; maximumLength: 10 }
    VfImage { id: logo; x: 400; width: 220 }
    VfImageFile { id: logoFile; x: 400; y: 140; width: 360 }
    VfSelectFile { id: output; x: 400; y: 200; width: 360 }

    TestCase {
        name: "ReportOptions"
        when: windowShown

        function init() {
            company.text = ""; company.checked = false
            notes.obstext = ""; notes.checked = false
            logo.filename = ""; logoFile.filename = ""; logoFile.checked = false
            output.filename = ""; output.showEmptyError = false
            output.platform = Qt.platform.os; logoFile.platform = Qt.platform.os
            logo.dialog.close(); logoFile.dialog.close(); output.dialog.close()
        }

        function test_fieldTakesTypedTextAndItsBox() {
            compare(company.textField.placeholderText, "Company name")
            mouseClick(company.textField)
            keyClick(Qt.Key_A); keyClick(Qt.Key_B)
            compare(company.text, "ab")
            verify(!company.checked)
            mouseClick(company.checkBox)
            verify(company.checked)
            compare(company.textField.mouseSelectionMode, TextInput.SelectWords)
            verify(company.textField.selectByMouse)
        }

        function test_notesRefuseAnEditPastTheLimit() {
            for (var i = 0; i < 8; ++i)
                notes.editor.insert(notes.editor.length, "x")
            compare(notes.obstext, "xxxxxxxx")
            notes.editor.cursorPosition = 4
            notes.editor.insert(4, "abc")
            compare(notes.obstext, "xxxxxxxx")
            compare(notes.editor.cursorPosition, 4)
            compare(notes.previousText, "xxxxxxxx")
            notes.editor.insert(4, "y"); notes.editor.insert(5, "z"); notes.editor.insert(6, "q")
            compare(notes.obstext.length, 10)
            compare(notes.obstext, "xxxxyzxxxx")
        }

        function test_notesKeepTheCursorInView() {
            notes.maximumLength = 2000
            var lines = ""
            for (var i = 0; i < 40; ++i)
                lines += "line " + i + "\n"
            notes.obstext = lines
            notes.editor.cursorPosition = lines.length
            verify(notes.editor.parent.parent.contentY > 0)
            notes.maximumLength = 10
        }

        function test_logoPickerShowsTheChosenImage() {
            compare(logo.image.fillMode, Image.PreserveAspectFit)
            logo.filename = "qrc:/qml/does-not-exist.png"
            compare(logo.image.source.toString(), "qrc:/qml/does-not-exist.png")
            verify(!logo.dialog.visible)
            mouseClick(logo.image)
            tryVerify(function() { return logo.dialog.visible })
            compare(logo.dialog.title, "Please choose a file")
            verify(logo.dialog.selectExisting)
            compare(logo.dialog.nameFilters, ["Image files (*.png *.jpg)", "All files (*)"])
        }

        function test_logoFileShowsTheNameAndAsksWhenSwitchedOn() {
            logoFile.filename = "file:///tmp/logos/acme%20logo.png"
            compare(logoFile.fileText.text, "/tmp/logos/acme logo.png")
            verify(logoFile.fileText.readOnly)
            logoFile.filename = ""
            mouseClick(logoFile.checkBox)
            verify(logoFile.checked)
            tryVerify(function() { return logoFile.dialog.visible })
        }

        function test_outputFileAsLocalPath_data() {
            return [
                { tag: "linux", platform: "linux", url: "file:///tmp/r/report", path: "/tmp/r/report" },
                { tag: "windows", platform: "windows", url: "file:///C:/r/report.pdf", path: "C:/r/report.pdf" },
                { tag: "plain path", platform: "linux", url: "/tmp/x", path: "/tmp/x" },
                { tag: "escaped", platform: "linux", url: "file:///tmp/a%20b/r", path: "/tmp/a b/r" }
            ]
        }

        function test_outputFileAsLocalPath(data) {
            output.platform = data.platform
            output.filename = data.url
            compare(output.textfilename, data.path)
            compare(output.fileText.text, data.path)
        }

        function test_outputFileDialogAndEmptyWarning() {
            verify(output.empty)
            output.showEmptyError = true
            mouseClick(output.button)
            tryVerify(function() { return output.dialog.visible })
            verify(!output.dialog.selectExisting)
            verify(!output.dialog.selectMultiple)
            verify(!output.dialog.selectFolder)
            compare(output.dialog.nameFilters, ["PostScript files (*.pdf)", "All files (*)"])
            output.dialog.close()
            output.filename = "file:///tmp/r/report"
            verify(!output.empty)
        }

        function test_commonKeysReachTheReportWriter() {
            output.filename = "file:///tmp/reports/noise"
            company.text = "ACME"; company.checked = true
            site.text = "Hall 3"; site.checked = false
            signer.text = "Ann Smith"; signer.checked = true
            signerId.text = "RG-77"; signerId.checked = true
            notes.obstext = "Open"; notes.checked = true
            logo.filename = "file:///tmp/logo.png"; logo.checked = true
            var options = ReportOptions.commonOptions({
                file: output,
                fields: { cmpnyName: company, siteName: site, repName: signer, repIdReg: signerId },
                logo: logo, notes: notes, table: true
            })
            var json = JSON.stringify(options)
            var read = reportOptionsReader.read(json)
            compare(read.fileName, "/tmp/reports/noise.pdf")
            compare(read.cmpnyName, "ACME"); compare(read.cmpnyInfoEnable, true)
            compare(read.siteName, "Hall 3"); compare(read.siteInfoEnable, false)
            compare(read.repName, "Ann Smith"); compare(read.repInfoEnable, true)
            compare(read.repIdReg, "RG-77"); compare(read.repIdInfoEnable, true)
            compare(read.obsText, "Open"); compare(read.obsEnable, true)
            compare(read.logoFile, "file:///tmp/logo.png"); compare(read.logoEnable, true)
            compare(read.ckbTable, true)
            // Keys a window leaves out are read as empty and off.
            compare(read.emplName, ""); compare(read.emplInfoEnable, false)
            compare(read.collectorInfoEnable, false)
            verify(options.hasOwnProperty("cmpnyInfoEnable"))
            verify(!options.hasOwnProperty("emplName"))
        }
    }
}
