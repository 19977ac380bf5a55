#include "Dravo2Model.h"

#include "models/dravo2/Dravo2.h"
#include "models/dravo2/Dravo2Config.h"

ModelEntry dravo2Model()
{
    ModelEntry entry;
    entry.productName = dravo2ProductName();
    entry.extension = QStringLiteral(".drv");
    entry.makeDevice = [](Device *probed) -> Device * { return new Dravo2(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Dravo2; };
    entry.makeConfig = []() -> DeviceConfig * { return new Dravo2Config; };
    return entry;
}
