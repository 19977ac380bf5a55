#pragma once

#include <QByteArray>
#include <QObject>

class SimulatedInstrument;

// What a simulated "RUMO" logger holds besides its runs: its sample interval
// and its sensor's calibration certificate. Writes change them and reads
// answer from them. It is a child of the instrument it was installed on.
class SimulatedRumo : public QObject
{
    Q_OBJECT

public:
    // Installs the logger's commands on `instrument` (identity "RUMO").
    static SimulatedRumo *install(SimulatedInstrument *instrument);
    // The state installed on `instrument`, or null.
    static SimulatedRumo *of(SimulatedInstrument *instrument);

    // "AT+VFINTVL=" takes 1 to 3599 s and answers ERROR to anything else.
    int intervalSeconds = 60;
    // The text after "+VFSENCTF: " that "AT+VFSENCTF?" answers; a write
    // stores what followed "AT+VFSENCTF=".
    QByteArray sensorCertificate = "\"SCERT-0001\",\"21/10/29,14:20:02+00\"";

private:
    explicit SimulatedRumo(SimulatedInstrument *instrument);
    void installCommands(SimulatedInstrument *instrument);
};
