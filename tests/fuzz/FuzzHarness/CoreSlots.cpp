#include "CoreSlots.h"

#include "Core.h"

#include <QVariant>

namespace {

int addSchedule(Core &core, const QString &text)
{
    core.addSchedule(text);
    // Keep the edited list from filling up over the inputs.
    while (!core.virtualSchedulelist().value<QList<QObject *>>().isEmpty())
        core.removeSchedule(0);
    return 0;
}

// Refreshes the results and reads them back as the results page does.
int refresh(Core &core, void (Core::*slot)(QString), const QString &text)
{
    (core.*slot)(text);
    core.experiment();
    return 0;
}

} // namespace

const QList<CoreSlot> &CoreSlots::all()
{
    static const QList<CoreSlot> list = {
        {"sndConfiguration",
         [](Core &core, const QString &text) { return core.sndConfiguration(text); }, true},
        {"sndScheduleList",
         [](Core &core, const QString &text) { return core.sndScheduleList(text); }, true},
        {"sndCalibration",
         [](Core &core, const QString &text) { return core.sndCalibration(text); }, true},
        {"addSchedule", addSchedule, false},
        {"refreshWorkingHours",
         [](Core &core, const QString &text) {
             return refresh(core, &Core::refreshWorkingHours, text);
         },
         false},
        {"refreshGeneralData",
         [](Core &core, const QString &text) {
             return refresh(core, &Core::refreshGeneralData, text);
         },
         false},
        {"refreshPartialResults",
         [](Core &core, const QString &text) {
             return refresh(core, &Core::refreshPartialResults, text);
         },
         false},
    };
    return list;
}

int CoreSlots::indexOf(const QByteArray &name)
{
    const QList<CoreSlot> &list = all();
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).name == name)
            return i;
    }
    return -1;
}
