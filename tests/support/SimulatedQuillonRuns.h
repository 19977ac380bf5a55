#pragma once

#include "SimulatedInstrument.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <array>

// Runs of a simulated "QUILLON": the run-list entry, the sample records and
// header sections 1 to 5, 7 and 8, written as the instrument sends them.
// Every value comes from a Header, so a test can change one value (or leave
// it empty) and find it again in the downloaded results.
class SimulatedQuillonRuns
{
public:
    // One axis under one time weighting (section 4).
    struct Weighted
    {
        QByteArray value;
        QByteArray maximum;
        QByteArray minimum;
        // Seconds from the run's start to the maximum; negative: no time.
        int maximumAfterSeconds = 0;
    };

    struct Axis
    {
        QByteArray freqWeighting;
        QByteArray factor;
        QByteArray vdv;
        QByteArray crestFactor;
        QByteArray maximum;
        QByteArray minimum;
        QByteArray peak;
        QByteArray am;
        QByteArray arep;
        QByteArray sensitivity;
        std::array<Weighted, 3> weighted; // F, S, L
        // One value per band of Header::bandFrequencies (fewer drop bands).
        QList<QByteArray> bandValues;
    };

    struct Header
    {
        QByteArray name;       // run-list name
        QByteArray type = "B"; // run-list type; the instrument lists hand-arm as " "
        QByteArray label = "GRINDER";
        QByteArray sampleTime = "1";
        QByteArray duration; // seconds
        QByteArray pauseSeconds = "125";
        QByteArray timeWeighting = "Slow";
        QByteArray evaluationType = "0";
        QByteArray profile = "ISO";
        QByteArray exposeTimeFromExp = "5400";
        QByteArray octaveAnalysis = "1/1";
        QByteArray totalTime; // seconds
        QByteArray arep = "0.70";
        QByteArray amrGlobal = "0.50";
        QByteArray sensorLabel = "ACC-3";
        QByteArray sensorSN = "S1234";
        QByteArray numFreq; // bands per axis
        QList<QByteArray> bandFrequencies;
        std::array<Axis, 3> axes;
        // The formats of older firmware: section 1 of 19 fields (no recorded
        // exposure time, band analysis or total time), section 2 of 9 (no
        // a_mr of its own).
        bool olderFormat = false;
        int vbatStart = 4100;
        int vbatStop = 3950;
        int coulombCounterStart = 1500;
        int coulombCounterStop = 1300;
        QByteArray stopReason = "USER";
    };

    // The header of run `index` with `records` samples of one second.
    static Header header(int index, int records);

    // The run `index` of `records` samples taken from `start` on.
    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start,
                                            const Header &header);
    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start);

    // The text of header section `section` of run `index` (the band section
    // as one text of several framed lines).
    static QByteArray section(int section, int index, const QDateTime &start, const Header &header);
    // The value a sample logs: `column` 0 to 10 are interval, awX, awY, awZ,
    // fcX, fcY, fcZ, vdvX, vdvY, vdvZ and amr.
    static QByteArray sampleValue(int number, int column);

private:
    static QByteArray listEntry(int index, int records, const QDateTime &start,
                                const Header &header);
    static QByteArray record(int index, int number, const QDateTime &time);
};
