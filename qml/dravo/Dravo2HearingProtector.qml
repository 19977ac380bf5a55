import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "../../qml"

import "Dravo2HearingProtector.js" as Protector
import "Dravo2Results.js" as Data

// The hearing-protector tab: the user describes a protector (identification,
// type, rating method, attenuation and its standard deviation per octave
// band) and sees the A-weighted band levels at the ear with it worn.
// "Recalculate" hands the evaluation to the run's results for the report.
Item {
    id: protector

    // The rating method (Protector.methodB or Protector.methodA).
    property var method: Protector.methodB
    property string hearingTypeString: Protector.protectorTypes[0]
    property real hearingTypeFactor: Protector.setFactor(method, hearingTypeString)
    // The run's A-weighted octave levels, 125 Hz to 8 kHz (NaN: not known).
    property var levels: [NaN, NaN, NaN, NaN, NaN, NaN, NaN]
    property var evaluation: Protector.evaluate(levels, [], [], method, hearingTypeString)
    property real actionLevel: 80

    property alias manufacturer: mfcField.text
    property alias model: modelField.text
    property alias caNumber: caField.text
    property alias typeBox: typeBox
    property alias methodBButton: methodBButton
    property alias methodAButton: methodAButton
    property alias recalculateButton: recalculateButton

    signal sent()

    function selectAnsiBMethod() {
        method = Protector.methodB
        updateValues()
    }

    function selectAnsiAMethod() {
        method = Protector.methodA
        updateValues()
    }

    function setFactor() {
        hearingTypeString = typeBox.currentText
        hearingTypeFactor = Protector.setFactor(method, hearingTypeString)
        updateValues()
    }

    // Takes the band levels of a run's "results" object.
    function populateHearingProtect(results) {
        levels = Protector.runOctaveLevels(results ? results.leqList : [],
                                           results ? results.octaveAnalysis : "")
        actionLevel = Data.actionLevel(results)
        fillTable()
    }

    function convertAdjust11Octaves(bands) { return Protector.convertAdjust11Octaves(bands) }
    function convertAdjust13Octaves(bands) { return Protector.convertAdjust13Octaves(bands) }
    function applyAWeightingOctaves(bands) { return Protector.applyAWeightingOctaves(bands) }
    function computeNPS(bandLevels) { return Protector.computeNPS(bandLevels) }

    function fillTable() {
        updateValues()
    }

    function entries(repeater) {
        var values = []
        for (var b = 0; b < 7; ++b) {
            var cell = repeater.itemAt(b)
            values.push(cell ? cell.value : NaN)
        }
        return values
    }

    function updateValues() {
        hearingTypeFactor = Protector.setFactor(method, hearingTypeString)
        evaluation = Protector.evaluate(levels, entries(attRepeater), entries(desvRepeater),
                                        method, hearingTypeString)
    }

    function updateNewNpspValue(band) {
        return Protector.updateNewNpspValue(levels[band], attRepeater.itemAt(band).value,
                                            desvRepeater.itemAt(band).value, method,
                                            hearingTypeString)
    }

    // The update object of the results, as sent by "Recalculate".
    function updateObject() {
        updateValues()
        return Protector.updateObject(
            { "manufacturer": mfcField.text, "model": modelField.text, "caNumber": caField.text },
            method, hearingTypeString, entries(attRepeater), entries(desvRepeater), evaluation)
    }

    function recalculate() {
        core.refreshGeneralData(JSON.stringify(updateObject()))
        sent()
    }

    // Sets the attenuation and deviation of every band (for a test or a
    // stored protector).
    function setBandEntries(attenuation, deviation) {
        for (var b = 0; b < 7; ++b) {
            attRepeater.itemAt(b).setValue(attenuation[b])
            desvRepeater.itemAt(b).setValue(deviation[b])
        }
        updateValues()
    }

    function totalText(value) {
        return isFinite(value) ? root.numberToLocalString1(value) + " dB(A)" : "---"
    }

    // A window too small for the bands scrolls them, with its bars in view.
    Flickable {
        id: scroller
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: form.width + 28
        contentHeight: form.implicitHeight + 28
        ScrollBar.horizontal: ScrollBar {
            policy: scroller.contentWidth > scroller.width ? ScrollBar.AlwaysOn
                                                           : ScrollBar.AlwaysOff
        }
        ScrollBar.vertical: ScrollBar {
            policy: scroller.contentHeight > scroller.height ? ScrollBar.AlwaysOn
                                                             : ScrollBar.AlwaysOff
        }

        ColumnLayout {
            id: form
            x: 14
            y: 14
            // As wide as the tab, or wider when the bands need it; as tall
            // as the bands. (Stretched to the tab's height as well, the form
            // would size itself again while the tab is laid out.)
            width: Math.max(scroller.width - 28, implicitWidth)
            height: implicitHeight
            spacing: 12

            RowLayout {
                spacing: 14
                Layout.fillWidth: true

                Dravo2Text { text: qsTr("Manufacturer:"); Layout.fillWidth: false; font.bold: true }
                TextField {
                    id: mfcField
                    objectName: "hpManufacturer"
                    placeholderText: qsTr("Manufacturer")
                    selectByMouse: true
                    Layout.fillWidth: true
                    Layout.preferredWidth: 120
                }
                Dravo2Text { text: qsTr("Model:"); Layout.fillWidth: false; font.bold: true }
                TextField {
                    id: modelField
                    objectName: "hpModel"
                    placeholderText: qsTr("Model")
                    selectByMouse: true
                    Layout.fillWidth: true
                    Layout.preferredWidth: 120
                }
                Dravo2Text { text: qsTr("C.A.:"); Layout.fillWidth: false; font.bold: true }
                TextField {
                    id: caField
                    objectName: "hpCANumber"
                    placeholderText: qsTr("C.A. number")
                    selectByMouse: true
                    Layout.preferredWidth: 110
                }
            }

            RowLayout {
                spacing: 14
                Layout.fillWidth: true

                Dravo2Text { text: qsTr("Type:"); Layout.fillWidth: false; font.bold: true }
                ComboBox {
                    id: typeBox
                    objectName: "hpType"
                    model: Protector.protectorTypes
                    Layout.preferredWidth: 170
                    onActivated: protector.setFactor()
                }
                Item { Layout.preferredWidth: 10 }
                ButtonGroup { id: methodGroup; exclusive: true }
                ColumnLayout {
                spacing: 0
                VfRadioButton {
                    id: methodBButton
                    objectName: "hpMethodB"
                    text: Protector.methodB.stdApplied
                    checked: protector.method === Protector.methodB
                    ButtonGroup.group: methodGroup
                    onClicked: protector.selectAnsiBMethod()
                }
                VfRadioButton {
                    id: methodAButton
                    objectName: "hpMethodA"
                    text: Protector.methodA.stdApplied
                    checked: protector.method === Protector.methodA
                    ButtonGroup.group: methodGroup
                    onClicked: protector.selectAnsiAMethod()
                }
                }
                Item { Layout.fillWidth: true }
            }

            GridLayout {
                id: grid
                columns: 8
                columnSpacing: 6
                rowSpacing: 6
                Layout.fillWidth: true

                Item { Layout.preferredWidth: 150; implicitHeight: 24 }
                Repeater {
                    model: Protector.bandTitles
                    VfText {
                        text: modelData
                        font.bold: true
                        font.pixelSize: 14
                        horizontalAlignment: Text.AlignHCenter
                        Layout.fillWidth: true
                        Layout.preferredWidth: 60
                    }
                }

                Dravo2Text { text: "SPL [dB(A)]"; font.bold: true }
                Repeater {
                    id: npsRepeater
                    model: 7
                    Dravo2NpsText {
                        objectName: "hpNps" + Protector.bandKeys[index]
                        Layout.fillWidth: true
                        value: protector.levels[index]
                    }
                }

                Dravo2Text { text: qsTr("Attenuation") + " [dB]"; font.bold: true }
                Repeater {
                    id: attRepeater
                    model: 7
                    Dravo2AttText {
                        objectName: "hpAtt" + Protector.bandKeys[index]
                        Layout.fillWidth: true
                        onTextChanged: protector.updateValues()
                    }
                }

                Dravo2Text { text: qsTr("Desviation") + " [dB]"; font.bold: true }
                Repeater {
                    id: desvRepeater
                    model: 7
                    Dravo2AttText {
                        objectName: "hpDesv" + Protector.bandKeys[index]
                        Layout.fillWidth: true
                        onTextChanged: protector.updateValues()
                    }
                }

                Dravo2Text { text: "SPLp [dB(A)]"; font.bold: true }
                Repeater {
                    model: 7
                    Dravo2NpspText {
                        objectName: "hpNpsp" + Protector.bandKeys[index]
                        Layout.fillWidth: true
                        value: protector.evaluation.npsp[index]
                        alarm: Protector.bandAlarm(value, protector.actionLevel)
                    }
                }
            }

            RowLayout {
                spacing: 24
                Layout.fillWidth: true

                Dravo2Text { text: qsTr("Total SPL") + ":"; Layout.fillWidth: false; font.bold: true }
                VfText {
                    objectName: "hpTotalSpl"
                    textFormat: Text.PlainText
                    font.pixelSize: 16
                    text: protector.totalText(protector.evaluation.NPS)
                }
                Item { Layout.preferredWidth: 20 }
                Dravo2Text { text: qsTr("Total SPLp") + ":"; Layout.fillWidth: false; font.bold: true }
                VfText {
                    objectName: "hpTotalSplp"
                    textFormat: Text.PlainText
                    font.pixelSize: 16
                    font.bold: true
                    color: Protector.cellColour(Protector.totalAlarm(protector.evaluation.NPSp,
                                                                     protector.actionLevel))
                    text: protector.totalText(protector.evaluation.NPSp)
                }
                Item { Layout.fillWidth: true }
                MyButton {
                    id: recalculateButton
                    objectName: "hpRecalculate"
                    buttonLabel: qsTr("Recalculate")
                    onMyButtonclicked: protector.recalculate()
                }
            }

            VfText {
                objectName: "hpMethodNote"
                Layout.fillWidth: true
                // Wraps to the width of the bands rather than widen them.
                Layout.preferredWidth: 0
                wrapMode: Text.WordWrap
                font.pixelSize: 12
                color: "#505050"
                text: qsTr("Protected level per band: SPLp = SPL − k × (attenuation − α × deviation), "
                           + "α = %1 (%2 % protection performance), k = %3. ")
                      .arg(root.numberToLocalString1(protector.method.alpha))
                      .arg(protector.method.alpha === 2 ? 98 : 84)
                      .arg(root.numberToLocalString(protector.hearingTypeFactor))
                      + qsTr("Red: at or above the action level of %1 dB, or a total more than %2 dB below it (over-protection).")
                      .arg(root.numberToLocalString0(protector.actionLevel))
                      .arg(Protector.overProtectionMargin)
            }

            Item { Layout.fillHeight: true }
        }
    }
}
