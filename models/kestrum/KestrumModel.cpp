#include "KestrumModel.h"

#include "models/kestrum/Kestrum2.h"
#include "models/kestrum/Kestrum2Config.h"
#include "models/kestrum/Kestrum2Experiment.h"
#include "models/kestrum/Kestrum2File.h"
#include "models/kestrum/Kestrum2Log.h"
#include "models/kestrum/Kestrum2Printer.h"
#include "models/kestrum/Kestrum2Results.h"
#include "models/kestrum/Kestrum4.h"
#include "models/kestrum/Kestrum4Config.h"
#include "models/kestrum/Kestrum4Experiment.h"
#include "models/kestrum/Kestrum4File.h"
#include "models/kestrum/Kestrum4Log.h"
#include "models/kestrum/Kestrum4Printer.h"
#include "models/kestrum/Kestrum4Results.h"

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
    entry.makePrinter = []() -> VfPrinter * { return new Kestrum2Printer; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new Kestrum2File(fileName); };
    return entry;
}

ModelEntry kestrum4Model()
{
    ModelEntry entry;
    entry.productName = kestrum4ProductName();
    entry.extension = QStringLiteral(".ks4");
    entry.makeDevice = [](Device *probed) -> Device * { return new Kestrum4(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Kestrum4; };
    entry.makeConfig = []() -> DeviceConfig * { return new Kestrum4Config; };
    entry.makeExperiment = []() -> Experiment * { return new Kestrum4Experiment; };
    entry.makeLog = []() -> Log * { return new Kestrum4Log; };
    entry.makeResults = []() -> Results * { return new Kestrum4Results; };
    entry.makePrinter = []() -> VfPrinter * { return new Kestrum4Printer; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new Kestrum4File(fileName); };
    return entry;
}
