#pragma once

#include "SimulatedInstrument.h"

#include <QByteArray>
#include <QDateTime>

// Runs of a simulated "KESTRUM 2" or "KESTRUM 4", written as the instruments
// send them: the run-list entry, the sample records and header pages 1 to 3
// (1 to 4) and 8. The header pages agree with the records: their extremes and
// means are those of the samples. A test makes any value not available by
// putting "---" (or nothing) in its field with replaceField.
class SimulatedKestrumRuns
{
public:
    struct Header
    {
        int sampleSeconds = 60;
        int pauseSeconds = 0;
        QByteArray unit = "C";
        // "KESTRUM 4" only: expansion boards besides the main unit (0 to 3).
        int expansionBoards = 0;
        int vbatStart = 4110;
        int vbatStop = 3970;
        int coulombCounterStart = 1400;
        int coulombCounterStop = 1250;
        QByteArray stopReason = "USER";
    };

    enum Quantity
    {
        Wet,
        Dry,
        Globe,
        WbgtIndoor,
        WbgtOutdoor,
        QuantityCount
    };

    static SimulatedInstrument::Run makeKestrum2Run(int index, int records, const QDateTime &start,
                                                    const Header &header);
    static SimulatedInstrument::Run makeKestrum2Run(int index, int records, const QDateTime &start);
    static SimulatedInstrument::Run makeKestrum4Run(int index, int records, const QDateTime &start,
                                                    const Header &header);
    // With `expansionBoards` boards and the other values at their defaults.
    static SimulatedInstrument::Run makeKestrum4Run(int index, int records, const QDateTime &start,
                                                    int expansionBoards = 0);

    // The reading of sample `sample` (from 1) of board `board` (0 the main
    // unit), with one decimal, as the records carry it.
    static double reading(int sample, int board, Quantity quantity);
    static QByteArray readingText(int sample, int board, Quantity quantity);
    // The serial number of expansion board `board` (from 1).
    static QByteArray boardSerial(int board);
    // `line` with its field `field` (counted as the application's parsers
    // count them: split at every ",") replaced by `text`.
    static QByteArray replaceField(const QByteArray &line, int field, const QByteArray &text);
};
