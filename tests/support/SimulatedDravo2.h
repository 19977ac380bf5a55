#pragma once

#include <QByteArray>
#include <QObject>
#include <QVector>

class SimulatedInstrument;

// What a simulated "DRAVO 2" holds: its service word, its configuration and
// its ten schedule slots. Writes change it and reads answer from it, so tests
// can set the instrument up and check what a write left in it. It is a child
// of the instrument it was installed on.
class SimulatedDravo2 : public QObject
{
    Q_OBJECT

public:
    static constexpr int ScheduleSlots = 10;

    // Installs every dosimeter command on `instrument` (identity "DRAVO 2").
    static SimulatedDravo2 *install(SimulatedInstrument *instrument);
    // The state installed on `instrument`, or null.
    static SimulatedDravo2 *of(SimulatedInstrument *instrument);

    int serviceConfig = 2; // octave analysis fitted
    int thresholdLevel = 80;
    int criterionLevel = 85;
    int exchangeRate = 3;
    QByteArray frequencyWeighting = "A";
    QByteArray timeWeighting = "Slow";
    QByteArray octaveAnalysis = "1/1";
    int experimentDurationSeconds = 8 * 3600;
    int scheduleMode = 0;
    int scheduleMaxHours = 9;
    // Each slot as the set command carried it after "AT+VFSCH=1,<slot>,":
    // label, start, pause, resume and stop (ISO 8859-1 bytes); empty when
    // the slot is clear. Reading a clear slot is answered with ERROR.
    QVector<QByteArray> scheduleSlots = QVector<QByteArray>(ScheduleSlots);

    // The slots that hold a schedule.
    int programmedSlots() const;

private:
    explicit SimulatedDravo2(SimulatedInstrument *instrument);
    void installCommands(SimulatedInstrument *instrument);
    QByteArray schedule(const QByteArray &command);
};
