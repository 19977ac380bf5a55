#include "RumoModel.h"

#include "models/rumo/Rumo.h"
#include "models/rumo/RumoConfig.h"
#include "models/rumo/RumoExperiment.h"
#include "models/rumo/RumoFile.h"
#include "models/rumo/RumoLog.h"
#include "models/rumo/RumoPrinter.h"
#include "models/rumo/RumoResults.h"

ModelEntry rumoModel()
{
    ModelEntry entry;
    entry.productName = rumoProductName();
    entry.extension = QStringLiteral(".rmx");
    entry.makeDevice = [](Device *probed) -> Device * { return new Rumo(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Rumo; };
    entry.makeConfig = []() -> DeviceConfig * { return new RumoConfig; };
    entry.makeExperiment = []() -> Experiment * { return new RumoExperiment; };
    entry.makeLog = []() -> Log * { return new RumoLog; };
    entry.makeResults = []() -> Results * { return new RumoResults; };
    entry.makePrinter = []() -> VfPrinter * { return new RumoPrinter; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new RumoFile(fileName); };
    return entry;
}
