#include "KestrumModel.h"

#include "models/kestrum/Kestrum2.h"
#include "models/kestrum/Kestrum2Config.h"
#include "models/kestrum/Kestrum2Experiment.h"
#include "models/kestrum/Kestrum2File.h"
#include "models/kestrum/Kestrum2Log.h"
#include "models/kestrum/Kestrum2Results.h"

ModelEntry kestrum2Model()
{
    ModelEntry entry;
    entry.productName = kestrum2ProductName();
    entry.extension = QStringLiteral(".ksm");
    entry.makeDevice = [](Device *probed) -> Device * { return new Kestrum2(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Kestrum2; };
    entry.makeConfig = []() -> DeviceConfig * { return new Kestrum2Config; };
    entry.makeExperiment = []() -> Experiment * { return new Kestrum2Experiment; };
    entry.makeLog = []() -> Log * { return new Kestrum2Log; };
    entry.makeResults = []() -> Results * { return new Kestrum2Results; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new Kestrum2File(fileName); };
    return entry;
}
