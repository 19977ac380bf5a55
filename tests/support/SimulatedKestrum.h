#pragma once

#include <QByteArray>
#include <QObject>

class SimulatedInstrument;

// What a simulated heat-stress monitor ("KESTRUM 2" or "KESTRUM 4") holds: its
// service word, its unit and its sample interval, and for the runs added to a
// "KESTRUM 4" how many expansion boards they carry. Writes change it and
// queries answer from it. It is a child of the instrument it was installed on.
class SimulatedKestrum : public QObject
{
    Q_OBJECT

public:
    // Installs the heat-stress commands on `instrument` with the identity of
    // `productName`.
    static SimulatedKestrum *install(SimulatedInstrument *instrument,
                                     const QByteArray &productName);
    // The state installed on `instrument`, or null.
    static SimulatedKestrum *of(SimulatedInstrument *instrument);

    int serviceConfig = 12;
    QByteArray unit = "C";
    int intervalSeconds = 60;
    // Expansion boards (0 to 3) of the runs that addSimulatedRun adds.
    int expansionBoards = 0;

private:
    explicit SimulatedKestrum(SimulatedInstrument *instrument);
    void installCommands(SimulatedInstrument *instrument);
};
