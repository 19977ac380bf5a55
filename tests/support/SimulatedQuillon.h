#pragma once

#include <QObject>

class SimulatedInstrument;

// What a simulated "QUILLON" holds: its service word and its sample
// interval. The interval write changes it and the query answers from it. It
// is a child of the instrument it was installed on.
class SimulatedQuillon : public QObject
{
    Q_OBJECT

public:
    // Installs the vibration meter's commands on `instrument` (identity
    // "QUILLON").
    static SimulatedQuillon *install(SimulatedInstrument *instrument);
    // The state installed on `instrument`, or null.
    static SimulatedQuillon *of(SimulatedInstrument *instrument);

    int serviceConfig = 1;
    int intervalSeconds = 75;

private:
    explicit SimulatedQuillon(SimulatedInstrument *instrument);
    void installCommands(SimulatedInstrument *instrument);
};
