#include "TolvarModel.h"

#include "models/tolvar/Tolvar.h"
#include "models/tolvar/Tolvar4.h"
#include "models/tolvar/Tolvar4Experiment.h"
#include "models/tolvar/Tolvar4File.h"
#include "models/tolvar/Tolvar4Log.h"
#include "models/tolvar/Tolvar4Printer.h"
#include "models/tolvar/Tolvar4Results.h"
#include "models/tolvar/TolvarExperiment.h"
#include "models/tolvar/TolvarFile.h"
#include "models/tolvar/TolvarLog.h"
#include "models/tolvar/TolvarPrinter.h"
#include "models/tolvar/TolvarResults.h"

ModelEntry tolvarModel()
{
    ModelEntry entry;
    entry.productName = tolvarProductName();
    entry.extension = QStringLiteral(".tlv");
    entry.makeDevice = [](Device *probed) -> Device * { return new Tolvar(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Tolvar; };
    entry.makeExperiment = []() -> Experiment * { return new TolvarExperiment; };
    entry.makeLog = []() -> Log * { return new TolvarLog; };
    entry.makeResults = []() -> Results * { return new TolvarResults; };
    entry.makePrinter = []() -> VfPrinter * { return new TolvarPrinter; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new TolvarFile(fileName); };
    return entry;
}

ModelEntry tolvar4Model()
{
    ModelEntry entry;
    entry.productName = tolvar4ProductName();
    entry.extension = QStringLiteral(".tl4");
    entry.makeDevice = [](Device *probed) -> Device * { return new Tolvar4(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Tolvar4; };
    entry.makeExperiment = []() -> Experiment * { return new Tolvar4Experiment; };
    entry.makeLog = []() -> Log * { return new Tolvar4Log; };
    entry.makeResults = []() -> Results * { return new Tolvar4Results; };
    entry.makePrinter = []() -> VfPrinter * { return new Tolvar4Printer; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new Tolvar4File(fileName); };
    return entry;
}
