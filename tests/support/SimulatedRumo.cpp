#include "SimulatedRumo.h"

#include "SimulatedInstrument.h"

SimulatedRumo::SimulatedRumo(SimulatedInstrument *instrument)
    : QObject(instrument)
{
    setObjectName(QStringLiteral("SimulatedRumo"));
}

SimulatedRumo *SimulatedRumo::install(SimulatedInstrument *instrument)
{
    auto *state = new SimulatedRumo(instrument);
    instrument->setIdentity("valtrix", "RUMO", "SIM0001", "1.00");
    state->installCommands(instrument);
    return state;
}

SimulatedRumo *SimulatedRumo::of(SimulatedInstrument *instrument)
{
    return instrument
               ? instrument->findChild<SimulatedRumo *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

void SimulatedRumo::installCommands(SimulatedInstrument *instrument)
{
    instrument->setHandler("AT+VFINTVL?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFINTVL", {QByteArray::number(intervalSeconds)});
    });
    instrument->setHandler("AT+VFINTVL=", [this](const QByteArray &command) {
        bool ok = false;
        const int seconds = command.mid(int(qstrlen("AT+VFINTVL="))).toInt(&ok);
        if (!ok || seconds < 1 || seconds > 3599)
            return SimulatedInstrument::error();
        intervalSeconds = seconds;
        return SimulatedInstrument::ok();
    });
    instrument->setHandler("AT+VFSENCTF?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFSENCTF", {sensorCertificate});
    });
    instrument->setHandler("AT+VFSENCTF=", [this](const QByteArray &command) {
        sensorCertificate = command.mid(int(qstrlen("AT+VFSENCTF=")));
        return SimulatedInstrument::ok();
    });
}
