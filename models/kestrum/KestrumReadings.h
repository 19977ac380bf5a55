#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>

class Experiment;

// One sample of one board as the reports, charts and CSV files show it: the
// instrument's time and the five readings as the instrument wrote them. A
// board the sample holds no record for has empty readings.
struct KestrumReading
{
    enum Quantity
    {
        Wet,
        Dry,
        Globe,
        WbgtIndoor,
        WbgtOutdoor,
        QuantityCount
    };

    QDateTime time;
    std::array<QString, QuantityCount> values;
};

// The readings of a run's samples, in recording order.
class KestrumReadings
{
public:
    // A "KESTRUM 2" run.
    static QList<KestrumReading> ofKestrum2(const Experiment *run);
    // Board `board` (0 the main unit) of a "KESTRUM 4" run.
    static QList<KestrumReading> ofKestrum4(const Experiment *run, int board);
};
