#include "SimulatedQuillon.h"

#include "SimulatedInstrument.h"

SimulatedQuillon::SimulatedQuillon(SimulatedInstrument *instrument)
    : QObject(instrument)
{
    setObjectName(QStringLiteral("SimulatedQuillon"));
}

SimulatedQuillon *SimulatedQuillon::install(SimulatedInstrument *instrument)
{
    auto *state = new SimulatedQuillon(instrument);
    instrument->setIdentity("valtrix", "QUILLON", "SIM0001", "1.00");
    state->installCommands(instrument);
    return state;
}

SimulatedQuillon *SimulatedQuillon::of(SimulatedInstrument *instrument)
{
    return instrument
               ? instrument->findChild<SimulatedQuillon *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

void SimulatedQuillon::installCommands(SimulatedInstrument *instrument)
{
    instrument->setHandler("AT+VFSVCCFG?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFSVCCFG", {QByteArray::number(serviceConfig)});
    });
    instrument->setHandler("AT+VFINTVL?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFINTVL", {QByteArray::number(intervalSeconds)});
    });
    instrument->setHandler("AT+VFINTVL=", [this](const QByteArray &command) {
        bool ok = false;
        const int seconds = command.mid(int(qstrlen("AT+VFINTVL="))).toInt(&ok);
        if (!ok || seconds <= 0)
            return SimulatedInstrument::error();
        intervalSeconds = seconds;
        return SimulatedInstrument::ok();
    });
}
