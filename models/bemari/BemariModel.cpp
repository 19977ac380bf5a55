#include "BemariModel.h"

#include "models/bemari/Bemari.h"
#include "models/bemari/BemariConfig.h"
#include "models/bemari/BemariPlus.h"
#include "models/bemari/BemariPlusConfig.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariResults.h"

ModelEntry bemariModel()
{
    ModelEntry entry;
    entry.productName = bemariProductName();
    entry.extension = QStringLiteral(".bmv");
    entry.makeDevice = [](Device *probed) -> Device * { return new Bemari(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Bemari; };
    entry.makeConfig = []() -> DeviceConfig * { return new BemariConfig; };
    entry.makeResults = []() -> Results * { return new BemariResults; };
    return entry;
}

ModelEntry bemariPlusModel()
{
    ModelEntry entry;
    entry.productName = bemariPlusProductName();
    entry.extension = QStringLiteral(".bmq");
    entry.makeDevice = [](Device *probed) -> Device * { return new BemariPlus(probed); };
    entry.makeDeviceByName = []() -> Device * { return new BemariPlus; };
    entry.makeConfig = []() -> DeviceConfig * { return new BemariPlusConfig; };
    entry.makeResults = []() -> Results * { return new BemariPlusResults; };
    return entry;
}
