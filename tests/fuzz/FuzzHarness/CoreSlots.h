#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class Core;

// The Core slots that take user JSON: the ones that send it on to the
// instrument (configuration, schedules, calibration) and the ones that must
// not talk to it at all (the schedule form, working hours, hearing-protector
// data, exposure components).
struct CoreSlot
{
    QByteArray name;
    // Calls the slot with `text`: the slot's result (0 for slots without one).
    std::function<int(Core &core, const QString &text)> call;
    bool sends;
};

class CoreSlots
{
public:
    static const QList<CoreSlot> &all();
    // The index of the slot called `name`, or -1.
    static int indexOf(const QByteArray &name);
};
