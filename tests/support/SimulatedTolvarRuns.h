#pragma once

#include "SimulatedInstrument.h"

#include <QByteArray>
#include <QDateTime>

// Runs of a simulated air-sampling pump: the run-list entry, the sample records
// and header page 1, written as the pump sends them. A "TOLVAR 4" adds the run
// status to its run-list line and to its header page. Every header value comes
// from a Header, so a test can change one and find it again in the results.
class SimulatedTolvarRuns
{
public:
    enum class Model
    {
        Tolvar3Plus,
        Tolvar4
    };

    struct Header
    {
        QByteArray label = "AREA 2";
        QByteArray samplerType = "CASSETTE 37MM";
        // Seconds between two samples.
        int sampleSeconds = 60;
        int timeSetSeconds = 8 * 3600;
        int pauseSeconds = 300;
        QByteArray backpressure = "2.4";
        QByteArray flowSet = "2.00";
        QByteArray preCheckFlow = "2.01";
        QByteArray posCheckFlow = "1.98";
        // Null: the volume the run's samples end with.
        QByteArray volume;
        // "TOLVAR 4" only, in the run list and on header page 1.
        QByteArray status = "1";
        // The flow check before the start and after the stop.
        int checkSeconds = 600;
    };

    static SimulatedInstrument::Run makeRun(Model model, int index, int records,
                                            const QDateTime &start, const Header &header);
    static SimulatedInstrument::Run makeRun(Model model, int index, int records,
                                            const QDateTime &start);

    // Flow (L/min) of sample `number` (1-based): within 6 % of 2.00.
    static double sampleFlow(int number);
    // Backpressure of sample `number` in tenths of kPa, as the pump sends it.
    static int sampleBackPressure(int number);
    // Volume (L) drawn up to the end of sample `number`.
    static double sampleVolume(int number, const Header &header);
    // The stop time of a run: its last sample plus the pause.
    static QDateTime stopTime(int records, const QDateTime &start, const Header &header);

private:
    static QByteArray listEntry(Model model, int index, int records, const QDateTime &start,
                                const Header &header);
    static QByteArray record(int index, int number, const QDateTime &start, const Header &header);
    static QByteArray headerPage(Model model, int index, int records, const QDateTime &start,
                                 const Header &header);
};
