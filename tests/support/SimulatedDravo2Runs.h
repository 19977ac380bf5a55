#pragma once

#include "SimulatedInstrument.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <array>

// Runs of a simulated "DRAVO 2": the run-list entry, the sample records, header
// pages 1 to 8 and the dosimeter configuration reply, written as the instrument
// sends them. Every value comes from a Header, so a test can change one value
// (or leave it empty) and find it again in the downloaded results.
class SimulatedDravo2Runs
{
public:
    struct Dosimeter
    {
        QByteArray label;
        QByteArray actionLevel;
        QByteArray criterionLevel;
        QByteArray exchangeRate;
        QByteArray timeWeighting;
        QByteArray freqWeighting;
        QByteArray dose;
        QByteArray twa;
        QByteArray lavg;
    };

    struct Band
    {
        QByteArray frequency;
        QByteArray leq;
    };

    // The bands a run of `octaveAnalysis` "1/1" (31.5 Hz to 8 kHz, 9 bands)
    // or "1/3" (50 Hz to 16 kHz, 26 bands) holds, frequencies written as the
    // instrument writes them ("31.50").
    static QList<Band> octaveBands(const QByteArray &octaveAnalysis);

    struct Header
    {
        QByteArray label = "LINE 3";
        int sampleSeconds = 1;
        QByteArray octaveAnalysis = "1/1";
        std::array<Dosimeter, 3> dosimeters{{
            {"NHO-01", "80", "85", "3", "Slow", "A", "62.50", "82.96", "82.96"},
            {"NR-15", "80", "85", "5", "Slow", "A", "40.00", "78.41", "79.10"},
            {"OWN", "75", "90", "4", "Fast", "C", "12.30", "77.90", "78.30"},
        }};
        QByteArray l10 = "86.2";
        QByteArray l50 = "80.4";
        QByteArray l90 = "71.3";
        QByteArray peakCount = "4";
        int pauseSeconds = 600;
        QList<Band> bands = octaveBands("1/1");
        QByteArray preCal = "94.0";
        QByteArray posCal = "93.9";
        // Offsets from the run's start; the check after the run is taken
        // after its stop.
        int preCalBeforeSeconds = 300;
        int posCalAfterSeconds = 300;
        int vbatStart = 4120;
        int vbatStop = 3980;
        int coulombCounterStart = 1500;
        int coulombCounterStop = 1210;
        QByteArray stopReason = "USER";
    };

    // The run `index` of `records` samples taken from `start` on.
    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start,
                                            const Header &header);
    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start);
    // Answers "AT+VFDOSCFG?" with the configuration of `header`.
    static void installConfiguration(SimulatedInstrument &instrument, const Header &header);
    static void installConfiguration(SimulatedInstrument &instrument);
    // The texts after "+VFDOSCFG: ", one per dosimeter.
    static QList<QByteArray> configurationTexts(const Header &header);

    // The level logged for sample `number` (1-based) of dosimeter `dosimeter`
    // (0 to 2) or of the sound level (3).
    static QByteArray sampleLevel(int number, int dosimeter);
    static int durationSeconds(int records, const Header &header)
    {
        return records * header.sampleSeconds;
    }

private:
    static QByteArray listEntry(int index, int records, const QDateTime &start);
    static QByteArray record(int index, int number, const QDateTime &time);
    static QMap<int, QByteArray> pages(int index, int records, const QDateTime &start,
                                       const Header &header);
};
