#pragma once

#include "SimulatedInstrument.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <array>
#include <optional>

// Runs of a simulated "BEMARI" or "BEMARI+": the run-list entry, the level
// records (six fields; seven with the interval on the "BEMARI+") and header
// pages 1 to 5 and 8, framed as the instrument frames them. Every value comes
// from a Header, so a test can change one value, or leave it empty, and find
// it again in the downloaded results.
class SimulatedBemariRuns
{
public:
    struct Band
    {
        QByteArray frequency;
        QByteArray leq;
    };

    // The levels of one frequency weighting of a "BEMARI+" run; minimum and
    // maximum in the order I, F, S.
    struct Weighting
    {
        QByteArray eq;
        QByteArray exposure;
        QByteArray peak;
        std::array<QByteArray, 3> min;
        std::array<QByteArray, 3> max;
    };

    struct Header
    {
        bool plus = false; // the "BEMARI+" formats
        QByteArray name = "AREA";
        QByteArray label = "ROOM 2";
        int sampleSeconds = 1;
        QByteArray sampleTime = "1";
        // The run's duration in seconds; by default the records' span.
        std::optional<QByteArray> duration;
        QByteArray pauseSeconds = "3725";
        QByteArray timeWeighting = "Slow";
        QByteArray freqWeighting = "A";
        QByteArray octaveAnalysis = "1/1";
        // "BEMARI+" only: the overload flag and the mode.
        QByteArray overload = "0";
        QByteArray mode = "AUTO";
        // "BEMARI" page 2: ten fields.
        QByteArray lEq = "78.30";
        QByteArray lMax = "96.10";
        QByteArray lMin = "55.20";
        QByteArray lFMax = "94.70";
        int maxAfterSeconds = 42; // the time of the maxima, from the start
        QByteArray sel = "110.20";
        QByteArray lPeak = "121.40";
        // "BEMARI+" page 2: Z, C and A.
        std::array<Weighting, 3> weightings{{
            {"80.10", "112.00", "123.50", {"52.10", "55.30", "57.00"}, {"99.80", "97.20", "95.40"}},
            {"79.40", "111.30", "122.80", {"51.00", "54.20", "56.10"}, {"98.60", "96.10", "94.30"}},
            {"78.30", "110.20", "121.40", {"50.20", "53.30", "55.20"}, {"97.50", "94.70", "93.10"}},
        }};
        // By default the bands of the octave analysis ("1/1": ten octaves
        // from "31.50"; "1/3": thirty third-octaves from "25.00").
        std::optional<QList<Band>> bands;
        // The band count page 3 announces; by default the bands sent.
        std::optional<int> announcedBands;
        QByteArray preChk = "94.02";
        QByteArray posChk = "93.90";
        int preChkBeforeSeconds = 300;
        int posChkAfterSeconds = 300;
        QByteArray l05 = "88.10";
        QByteArray l10 = "85.40";
        QByteArray l50 = "76.90";
        QByteArray l90 = "63.20";
        QByteArray l95 = "60.70";
        // Record levels other than the default wave, by record number (1-based).
        QMap<int, QByteArray> levels;
        // "BEMARI+": the interval of each record, unless given by number.
        QByteArray interval = "1";
        QMap<int, QByteArray> intervals;
        int vbatStart = 4100;
        int vbatStop = 3900;
        int coulombCounterStart = 1500;
        int coulombCounterStop = 1250;
        QByteArray stopReason = "USER";
    };

    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start,
                                            const Header &header);
    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start,
                                            bool plus);

    static QList<Band> octaveBands();
    static QList<Band> thirdOctaveBands();
    static QList<Band> bandsOf(const Header &header);
    // The level logged by record `number` (1-based) unless the header gives one.
    static QByteArray defaultLevel(int number);
    static QByteArray level(const Header &header, int number);
    // The instrument's quoted date-time, or a quoted "," for an invalid one,
    // so that the date and time fields stay in place but empty.
    static QByteArray quotedDateTime(const QDateTime &dateTime);
    static QByteArray durationOf(int records, const Header &header);

private:
    static QMap<int, QByteArray> pages(int index, int records, const QDateTime &start,
                                       const Header &header);
    // Several lines of one header page as one page text, each line but the
    // last ended by a carriage return of its own.
    static QByteArray joinLines(const QList<QByteArray> &lines);
};
