#include "SimulatedDravo2.h"

#include "SimulatedInstrument.h"

namespace {

using Handler = SimulatedInstrument::Handler;

bool toInteger(const QByteArray &text, int *value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        *value = number;
    return ok;
}

QByteArray answer(const QByteArray &name, const QByteArray &text)
{
    return SimulatedInstrument::information(name, {text});
}

// A setting that holds an integer: "AT+<name>?" answers it, "AT+<name>=<n>"
// sets it.
void installNumber(SimulatedInstrument *instrument, const QByteArray &name, int *value)
{
    instrument->setHandler("AT+" + name + "?", [name, value](const QByteArray &) {
        return answer(name, QByteArray::number(*value));
    });
    const QByteArray writePrefix = "AT+" + name + "=";
    instrument->setHandler(writePrefix, [writePrefix, value](const QByteArray &command) {
        return toInteger(command.mid(writePrefix.size()), value) ? SimulatedInstrument::ok()
                                                                 : SimulatedInstrument::error();
    });
}

// A setting that holds a text, exchanged between double quotes.
void installText(SimulatedInstrument *instrument, const QByteArray &name, QByteArray *value)
{
    instrument->setHandler("AT+" + name + "?", [name, value](const QByteArray &) {
        return answer(name, '"' + *value + '"');
    });
    const QByteArray writePrefix = "AT+" + name + "=";
    instrument->setHandler(writePrefix, [writePrefix, value](const QByteArray &command) {
        const QByteArray quoted = command.mid(writePrefix.size());
        if (quoted.size() < 2 || !quoted.startsWith('"') || !quoted.endsWith('"') ||
            quoted.count('"') != 2)
            return SimulatedInstrument::error();
        *value = quoted.mid(1, quoted.size() - 2);
        return SimulatedInstrument::ok();
    });
}

} // namespace

SimulatedDravo2::SimulatedDravo2(SimulatedInstrument *instrument)
    : QObject(instrument)
{
    setObjectName(QStringLiteral("SimulatedDravo2"));
}

SimulatedDravo2 *SimulatedDravo2::install(SimulatedInstrument *instrument)
{
    auto *state = new SimulatedDravo2(instrument);
    instrument->setIdentity("valtrix", "DRAVO 2", "SIM0001", "1.00");
    state->installCommands(instrument);
    return state;
}

SimulatedDravo2 *SimulatedDravo2::of(SimulatedInstrument *instrument)
{
    return instrument
               ? instrument->findChild<SimulatedDravo2 *>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

int SimulatedDravo2::programmedSlots() const
{
    int count = 0;
    for (const QByteArray &slot : scheduleSlots)
        count += slot.isEmpty() ? 0 : 1;
    return count;
}

void SimulatedDravo2::installCommands(SimulatedInstrument *instrument)
{
    instrument->setHandler("AT+VFSVCCFG?", [this](const QByteArray &) {
        return answer("VFSVCCFG", QByteArray::number(serviceConfig));
    });
    installNumber(instrument, "VFTRHLVL", &thresholdLevel);
    installNumber(instrument, "VFCRTLVL", &criterionLevel);
    installNumber(instrument, "VFXCHRAT", &exchangeRate);
    installNumber(instrument, "VFXPDUR", &experimentDurationSeconds);
    installText(instrument, "VFFQWGHT", &frequencyWeighting);
    installText(instrument, "VFTMWGHT", &timeWeighting);
    installText(instrument, "VFOCTAVE", &octaveAnalysis);
    instrument->setHandler("AT+VFSCH=",
                           [this](const QByteArray &command) { return schedule(command); });
}

// "AT+VFSCH=<sub-command>[,<slot>[,<fields>]]": 0 read a slot, 1 set it,
// 2 clear it, 3 the schedule mode (asked, or set with a value), 4 the limit.
QByteArray SimulatedDravo2::schedule(const QByteArray &command)
{
    const QByteArray arguments = command.mid(int(qstrlen("AT+VFSCH=")));
    const QList<QByteArray> fields = arguments.split(',');
    const QByteArray sub = fields.at(0);
    if (sub == "3" && fields.size() == 1)
        return answer("VFSCH", "3," + QByteArray::number(scheduleMode));
    if (sub == "4" && fields.size() == 1)
        return answer("VFSCH", "4," + QByteArray::number(scheduleMaxHours));
    int number = -1;
    if (fields.size() < 2 || !toInteger(fields.at(1), &number))
        return SimulatedInstrument::error();
    if (sub == "3" && fields.size() == 2 && (number == 0 || number == 1)) {
        scheduleMode = number;
        return SimulatedInstrument::ok();
    }
    if (number < 0 || number >= ScheduleSlots)
        return SimulatedInstrument::error();
    const int slot = number;
    if (sub == "0" && fields.size() == 2) {
        if (scheduleSlots.at(slot).isEmpty())
            return SimulatedInstrument::error();
        return answer("VFSCH", "0," + QByteArray::number(slot) + ',' + scheduleSlots.at(slot));
    }
    if (sub == "2" && fields.size() == 2) {
        scheduleSlots[slot].clear();
        return SimulatedInstrument::ok();
    }
    // A set command carries five more fields; its quoted date-times each hold
    // one comma of their own.
    if (sub == "1" && fields.size() >= 7) {
        const int start = fields.at(0).size() + fields.at(1).size() + 2;
        scheduleSlots[slot] = arguments.mid(start);
        return SimulatedInstrument::ok();
    }
    return SimulatedInstrument::error();
}
