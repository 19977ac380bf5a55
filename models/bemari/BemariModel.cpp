#include "BemariModel.h"

#include "models/bemari/Bemari.h"
#include "models/bemari/BemariConfig.h"
#include "models/bemari/BemariExperiment.h"
#include "models/bemari/BemariExposureComponent.h"
#include "models/bemari/BemariFile.h"
#include "models/bemari/BemariLog.h"
#include "models/bemari/BemariPlus.h"
#include "models/bemari/BemariPlusConfig.h"
#include "models/bemari/BemariPlusExperiment.h"
#include "models/bemari/BemariPlusExposureComponent.h"
#include "models/bemari/BemariPlusFile.h"
#include "models/bemari/BemariPlusLog.h"
#include "models/bemari/BemariPlusPrinter.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariPrinter.h"
#include "models/bemari/BemariResults.h"

ModelEntry bemariModel()
{
    ModelEntry entry;
    entry.productName = bemariProductName();
    entry.extension = QStringLiteral(".bmv");
    entry.makeDevice = [](Device *probed) -> Device * { return new Bemari(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Bemari; };
    entry.makeConfig = []() -> DeviceConfig * { return new BemariConfig; };
    entry.makeExperiment = []() -> Experiment * { return new BemariExperiment; };
    entry.makeLog = []() -> Log * { return new BemariLog; };
    entry.makeResults = []() -> Results * { return new BemariResults; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new BemariFile(fileName); };
    entry.makeExposureComponent = []() -> ExposureComponent * {
        return new BemariExposureComponent;
    };
    entry.makePrinter = []() -> VfPrinter * { return new BemariPrinter; };
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
    entry.makeExperiment = []() -> Experiment * { return new BemariPlusExperiment; };
    entry.makeLog = []() -> Log * { return new BemariPlusLog; };
    entry.makeResults = []() -> Results * { return new BemariPlusResults; };
    entry.makeFile = [](const QString &fileName) -> VfFile * {
        return new BemariPlusFile(fileName);
    };
    entry.makeExposureComponent = []() -> ExposureComponent * {
        return new BemariPlusExposureComponent;
    };
    entry.makePrinter = []() -> VfPrinter * { return new BemariPlusPrinter; };
    return entry;
}
