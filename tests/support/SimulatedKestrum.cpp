#include "SimulatedKestrum.h"

#include "SimulatedInstrument.h"

SimulatedKestrum::SimulatedKestrum(SimulatedInstrument *instrument)
    : QObject(instrument)
{
    setObjectName(QStringLiteral("SimulatedKestrum"));
}

SimulatedKestrum *SimulatedKestrum::install(SimulatedInstrument *instrument,
                                            const QByteArray &productName)
{
    auto *state = new SimulatedKestrum(instrument);
    instrument->setIdentity("valtrix", productName, "SIM0001", "1.00");
    state->installCommands(instrument);
    return state;
}

SimulatedKestrum *SimulatedKestrum::of(SimulatedInstrument *instrument)
{
    return instrument
               ? instrument->findChild<SimulatedKestrum *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

void SimulatedKestrum::installCommands(SimulatedInstrument *instrument)
{
    instrument->setHandler("AT+VFSVCCFG?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFSVCCFG", {QByteArray::number(serviceConfig)});
    });
    instrument->setHandler("AT+VFUNIT?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFUNIT", {'"' + unit + '"'});
    });
    instrument->setHandler("AT+VFUNIT=", [this](const QByteArray &command) {
        const QByteArray value = command.mid(int(qstrlen("AT+VFUNIT=")));
        if (value != "\"C\"" && value != "\"F\"")
            return SimulatedInstrument::error();
        unit = value.mid(1, 1);
        return SimulatedInstrument::ok();
    });
    instrument->setHandler("AT+VFINTVL?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFINTVL", {QByteArray::number(intervalSeconds)});
    });
    instrument->setHandler("AT+VFINTVL=", [this](const QByteArray &command) {
        bool ok = false;
        const int seconds = command.mid(int(qstrlen("AT+VFINTVL="))).toInt(&ok);
        if (!ok || seconds < 1)
            return SimulatedInstrument::error();
        intervalSeconds = seconds;
        return SimulatedInstrument::ok();
    });
}
