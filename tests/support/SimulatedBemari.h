#pragma once

#include <QByteArray>
#include <QObject>

class SimulatedInstrument;

// What a simulated "BEMARI" or "BEMARI+" holds: its service word and its
// three measurement settings. A write changes a setting and a query answers
// it; a write of a value outside the setting's set is answered ERROR, as the
// instrument does. It is a child of the instrument it was installed on.
class SimulatedBemari : public QObject
{
    Q_OBJECT

public:
    // Installs the sound level meter's commands on `instrument` and gives it
    // the identity of `productName` ("BEMARI" or "BEMARI+").
    static SimulatedBemari *install(SimulatedInstrument *instrument, const QByteArray &productName);
    // The state installed on `instrument`, or null.
    static SimulatedBemari *of(SimulatedInstrument *instrument);

    int serviceConfig = 1;
    QByteArray frequencyWeighting = "A";
    QByteArray timeWeighting = "Slow";
    QByteArray octaveAnalysis = "1/1";

private:
    explicit SimulatedBemari(SimulatedInstrument *instrument);
    void installCommands(SimulatedInstrument *instrument);
};
