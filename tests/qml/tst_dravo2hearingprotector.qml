import QtQuick 2.15
import QtTest 1.15

import "qrc:/dravo/qml/Dravo2HearingProtector.js" as Protector

// The hearing-protector arithmetic against cases worked out by hand.
TestCase {
    name: "Dravo2HearingProtector"

    // A-weighting of the octave centres 125 Hz .. 8 kHz.
    readonly property var octaveA: [-16.1, -8.6, -3.2, 0.0, 1.2, 1.0, -1.1]
    readonly property var attenuation: [10, 15, 20, 25, 30, 35, 30]
    readonly property var deviation: [2, 2, 2, 2, 3, 3, 4]

    // An octave run whose A-weighted bands from 125 Hz to 8 kHz are all
    // 80 dB(A), with the 31.5 Hz and 63 Hz bands that the evaluation leaves out.
    function octaveRun() {
        var list = [{ "frequency": "31.50", "leq": "61.2" }, { "frequency": "63.00", "leq": "64.8" }]
        var centres = ["125.00", "250.00", "500.00", "1000.00", "2000.00", "4000.00", "8000.00"]
        for (var b = 0; b < 7; ++b)
            list.push({ "frequency": centres[b], "leq": String(80 - octaveA[b]) })
        return list
    }

    // A one-third-octave run whose A-weighted bands from 100 Hz to 10 kHz are
    // all 70 dB(A); each octave then holds 70 + 10·log10(3) = 74.7712 dB(A).
    // The bands below 100 Hz and above 10 kHz are left out.
    function thirdOctaveRun() {
        var list = []
        for (var i = 7; i < 33; ++i) {
            var f = Protector.thirdOctaveFrequencies[i]
            list.push({ "frequency": f.toFixed(2), "leq": String(70 - Protector.aWeighting[i]) })
        }
        return list
    }

    function level(sum) { return 10 * Math.log(sum) / Math.LN10 }

    function compareLevels(actual, expected, what) {
        compare(actual.length, expected.length, what)
        for (var i = 0; i < expected.length; ++i)
            fuzzyCompare(actual[i], expected[i], 1e-9, what + " band " + i)
    }

    function test_aWeightingTable() {
        compare(Protector.thirdOctaveFrequencies.length, 34)
        compare(Protector.aWeighting.length, 34)
        compare(Protector.aWeightingAt("10.00"), -70.4)
        compare(Protector.aWeightingAt("31.50"), -39.4)
        compare(Protector.aWeightingAt("63"), -26.2)
        compare(Protector.aWeightingAt("1000.00"), 0)
        compare(Protector.aWeightingAt("2500.00"), 1.3)
        compare(Protector.aWeightingAt("20000.00"), -9.3)
        verify(isNaN(Protector.aWeightingAt("5.00")), "below the table")
        verify(isNaN(Protector.aWeightingAt("---")))
    }

    function test_runFoldsIntoSevenOctaves_data() {
        var thirds = 70 + 10 * Math.log(3) / Math.LN10
        return [
            { tag: "octave", bands: octaveRun(), analysis: "1/1",
              levels: [80, 80, 80, 80, 80, 80, 80], total: 80 + level(7) },
            { tag: "one-third octave", bands: thirdOctaveRun(), analysis: "1/3",
              levels: [thirds, thirds, thirds, thirds, thirds, thirds, thirds],
              total: 70 + level(21) },
            { tag: "octave, spacing read", bands: octaveRun(), analysis: "OCTAVE",
              levels: [80, 80, 80, 80, 80, 80, 80], total: 80 + level(7) },
            { tag: "one-third octave, spacing read", bands: thirdOctaveRun(), analysis: "",
              levels: [thirds, thirds, thirds, thirds, thirds, thirds, thirds],
              total: 70 + level(21) }
        ]
    }

    function test_runFoldsIntoSevenOctaves(data) {
        var levels = Protector.runOctaveLevels(data.bands, data.analysis)
        compareLevels(levels, data.levels, data.tag)
        fuzzyCompare(Protector.computeNPS(levels), data.total, 1e-9)
    }

    function test_thirdsOfOneOctaveAddUpEnergetically() {
        // 125 Hz octave of 80, 83 and 86 dB(A): 10·log10(10^8 + 10^8.3 + 10^8.6).
        var bands = [{ "frequency": "100.00", "level": 80 }, { "frequency": "125.00", "level": 83 },
                     { "frequency": "160.00", "level": 86 }]
        fuzzyCompare(Protector.convertAdjust13Octaves(bands)[0],
                     level(Math.pow(10, 8) + Math.pow(10, 8.3) + Math.pow(10, 8.6)), 1e-9)
        verify(isNaN(Protector.convertAdjust13Octaves(bands)[1]), "no band of 250 Hz")
    }

    function test_unknownBandsAreNeverZero() {
        var bands = thirdOctaveRun()
        bands[5].leq = "---"                // 160 Hz: the 125 Hz octave is incomplete
        var levels = Protector.runOctaveLevels(bands, "1/3")
        verify(isNaN(levels[0]))
        verify(!isNaN(levels[1]))
        verify(isNaN(Protector.computeNPS(levels)), "a total needs all seven bands")
        var octave = octaveRun()
        octave[2].leq = ""                  // 125 Hz empty
        levels = Protector.runOctaveLevels(octave, "1/1")
        verify(isNaN(levels[0]))
        var evaluation = Protector.evaluate(levels, attenuation, deviation, Protector.methodB, "Earmuffs")
        var update = Protector.updateObject({ "manufacturer": "", "model": "", "caNumber": "" },
                                            Protector.methodB, "Earmuffs", attenuation, deviation,
                                            evaluation)
        verify(!update.hasOwnProperty("nps125"))
        verify(!update.hasOwnProperty("npsp125"))
        verify(!update.hasOwnProperty("NPS"))
        verify(!update.hasOwnProperty("NPSp"))
        compare(update.nps250, 80)
        compare(update.att125, 10, "the protector's own data are still kept")
    }

    // Protected levels of 80 dB(A) bands: 80 − k × (m − α × s).
    function test_protectedLevels_data() {
        return [
            { tag: "method B, earmuffs", method: Protector.methodB, type: "Earmuffs",
              npsp: [72, 67, 62, 57, 53, 48, 54] },
            { tag: "method B, molded: no derating", method: Protector.methodB, type: "Molded",
              npsp: [72, 67, 62, 57, 53, 48, 54] },
            { tag: "method A, earmuffs (k = 0.75)", method: Protector.methodA, type: "Earmuffs",
              npsp: [75.5, 71.75, 68, 64.25, 62, 58.25, 63.5] },
            { tag: "method A, molded (k = 0.5)", method: Protector.methodA, type: "Molded",
              npsp: [77, 74.5, 72, 69.5, 68, 65.5, 69] },
            { tag: "method A, pre molded (k = 0.3)", method: Protector.methodA, type: "Pre Molded",
              npsp: [78.2, 76.7, 75.2, 73.7, 72.8, 71.3, 73.4] }
        ]
    }

    function test_protectedLevels(data) {
        var levels = Protector.runOctaveLevels(octaveRun(), "1/1")
        var evaluation = Protector.evaluate(levels, attenuation, deviation, data.method, data.type)
        compareLevels(evaluation.npsp, data.npsp, data.tag)
        var sum = 0
        for (var b = 0; b < 7; ++b)
            sum += Math.pow(10, data.npsp[b] / 10)
        fuzzyCompare(evaluation.NPSp, level(sum), 1e-9)
        fuzzyCompare(evaluation.NPS, 80 + level(7), 1e-9)
    }

    function test_thirdOctaveRunProtected() {
        // Each octave holds 74.7712 dB(A); method B takes m − s off it.
        var levels = Protector.runOctaveLevels(thirdOctaveRun(), "1/3")
        var evaluation = Protector.evaluate(levels, attenuation, deviation, Protector.methodB, "Earmuffs")
        var thirds = 70 + level(3)
        compareLevels(evaluation.npsp, [thirds - 8, thirds - 13, thirds - 18, thirds - 23,
                                        thirds - 27, thirds - 32, thirds - 26], "1/3")
        // Hand value: 10·log10(Σ 10^(L'/10)) = 74.7712 − 8 + 10·log10(1 + 10^-0.5 + 10^-1
        // + 10^-1.5 + 10^-1.9 + 10^-2.4 + 10^-1.8).
        var rest = 1 + Math.pow(10, -0.5) + Math.pow(10, -1) + Math.pow(10, -1.5)
                 + Math.pow(10, -1.9) + Math.pow(10, -2.4) + Math.pow(10, -1.8)
        fuzzyCompare(evaluation.NPSp, thirds - 8 + level(rest), 1e-9)
        fuzzyCompare(evaluation.NPSp, 68.4746, 1e-4)
    }

    function test_updateObjectKeys() {
        var levels = Protector.runOctaveLevels(octaveRun(), "1/1")
        var evaluation = Protector.evaluate(levels, attenuation, deviation, Protector.methodA, "Molded")
        var update = Protector.updateObject({ "manufacturer": "ACME", "model": "M1", "caNumber": "99" },
                                            Protector.methodA, "Molded", attenuation, deviation,
                                            evaluation)
        compare(update.datatype, "hearingprotect")
        compare(update.hearProtectMfc, "ACME")
        compare(update.hearProtectModel, "M1")
        compare(update.hearProtectCANumber, "99")
        compare(update.hearingProtectorType, "Molded")
        compare(update.stdApplied, "ANSI 12.6 (Method-A);ANSI S3.19;ISO 4869-1")
        compare(update.stdNumber, 2)
        var keys = ["125", "250", "500", "1000", "2000", "4000", "8000"]
        for (var b = 0; b < 7; ++b) {
            fuzzyCompare(update["nps" + keys[b]], 80, 1e-9)
            fuzzyCompare(update["npsp" + keys[b]], evaluation.npsp[b], 1e-12)
            compare(update["att" + keys[b]], attenuation[b])
            compare(update["desv" + keys[b]], deviation[b])
        }
        fuzzyCompare(update.NPS, 80 + level(7), 1e-9)
        fuzzyCompare(update.NPSp, evaluation.NPSp, 1e-12)
    }

    function test_alarmColours_data() {
        return [
            { tag: "band below the action level", band: 79.9, alarm: false },
            { tag: "band at the action level", band: 80, alarm: true },
            { tag: "unknown band", band: NaN, alarm: false }
        ]
    }

    function test_alarmColours(data) {
        compare(Protector.bandAlarm(data.band, 80), data.alarm)
        compare(Protector.cellColour(data.alarm), data.alarm ? "#FF5555" : "#000000")
    }

    function test_totalAlarm() {
        verify(Protector.totalAlarm(80, 80), "protection too weak")
        verify(!Protector.totalAlarm(79.9, 80))
        verify(!Protector.totalAlarm(65, 80))
        verify(Protector.totalAlarm(64.9, 80), "over-protection")
        verify(!Protector.totalAlarm(NaN, 80))
        verify(Protector.inputAlarm("---"))
        verify(Protector.inputAlarm(-1))
        verify(!Protector.inputAlarm("12.5"))
    }
}
