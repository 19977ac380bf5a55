#include "SimulatedBemari.h"

#include "SimulatedInstrument.h"

namespace {

// A setting exchanged between double quotes: "AT+<name>?" answers it,
// "AT+<name>="<value>"" sets it when the value is one of `allowed`.
void installSetting(SimulatedInstrument *instrument, const QByteArray &name, QByteArray *value,
                    const QList<QByteArray> &allowed)
{
    instrument->setHandler("AT+" + name + "?", [name, value](const QByteArray &) {
        return SimulatedInstrument::information(name, {'"' + *value + '"'});
    });
    const QByteArray writePrefix = "AT+" + name + "=";
    instrument->setHandler(writePrefix, [writePrefix, value, allowed](const QByteArray &command) {
        const QByteArray quoted = command.mid(writePrefix.size());
        const QByteArray text = quoted.mid(1, quoted.size() - 2);
        if (quoted.size() < 2 || !quoted.startsWith('"') || !quoted.endsWith('"') ||
            !allowed.contains(text))
            return SimulatedInstrument::error();
        *value = text;
        return SimulatedInstrument::ok();
    });
}

} // namespace

SimulatedBemari::SimulatedBemari(SimulatedInstrument *instrument)
    : QObject(instrument)
{
    setObjectName(QStringLiteral("SimulatedBemari"));
}

SimulatedBemari *SimulatedBemari::install(SimulatedInstrument *instrument,
                                          const QByteArray &productName)
{
    auto *state = new SimulatedBemari(instrument);
    instrument->setIdentity("valtrix", productName, "SIM0001", "1.00");
    state->installCommands(instrument);
    return state;
}

SimulatedBemari *SimulatedBemari::of(SimulatedInstrument *instrument)
{
    return instrument
               ? instrument->findChild<SimulatedBemari *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

void SimulatedBemari::installCommands(SimulatedInstrument *instrument)
{
    instrument->setHandler("AT+VFSVCCFG?", [this](const QByteArray &) {
        return SimulatedInstrument::information("VFSVCCFG", {QByteArray::number(serviceConfig)});
    });
    installSetting(instrument, "VFFQWGHT", &frequencyWeighting, {"A", "C", "Z"});
    installSetting(instrument, "VFTMWGHT", &timeWeighting, {"Slow", "Fast", "Impulse"});
    installSetting(instrument, "VFOCTAVE", &octaveAnalysis, {"1/1", "1/3"});
}
