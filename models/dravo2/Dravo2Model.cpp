#include "Dravo2Model.h"

#include "models/dravo2/Dravo2.h"
#include "models/dravo2/Dravo2Config.h"
#include "models/dravo2/Dravo2Experiment.h"
#include "models/dravo2/Dravo2File.h"
#include "models/dravo2/Dravo2Log.h"
#include "models/dravo2/Dravo2Printer.h"
#include "models/dravo2/Dravo2Results.h"

ModelEntry dravo2Model()
{
    ModelEntry entry;
    entry.productName = dravo2ProductName();
    entry.extension = QStringLiteral(".drv");
    entry.makeDevice = [](Device *probed) -> Device * { return new Dravo2(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Dravo2; };
    entry.makeConfig = []() -> DeviceConfig * { return new Dravo2Config; };
    entry.makeExperiment = []() -> Experiment * { return new Dravo2Experiment; };
    entry.makeLog = []() -> Log * { return new Dravo2Log; };
    entry.makeResults = []() -> Results * { return new Dravo2Results; };
    entry.makePrinter = []() -> VfPrinter * { return new Dravo2Printer; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new Dravo2File(fileName); };
    return entry;
}
