#include "QuillonModel.h"

#include "models/quillon/Quillon.h"
#include "models/quillon/QuillonConfig.h"
#include "models/quillon/QuillonExperiment.h"
#include "models/quillon/QuillonExposureComponent.h"
#include "models/quillon/QuillonFile.h"
#include "models/quillon/QuillonLog.h"
#include "models/quillon/QuillonPrinter.h"
#include "models/quillon/QuillonResults.h"

ModelEntry quillonModel()
{
    ModelEntry entry;
    entry.productName = quillonProductName();
    entry.extension = QStringLiteral(".qln");
    entry.makeDevice = [](Device *probed) -> Device * { return new Quillon(probed); };
    entry.makeDeviceByName = []() -> Device * { return new Quillon; };
    entry.makeConfig = []() -> DeviceConfig * { return new QuillonConfig; };
    entry.makeExperiment = []() -> Experiment * { return new QuillonExperiment; };
    entry.makeLog = []() -> Log * { return new QuillonLog; };
    entry.makeResults = []() -> Results * { return new QuillonResults; };
    entry.makePrinter = []() -> VfPrinter * { return new QuillonPrinter; };
    entry.makeFile = [](const QString &fileName) -> VfFile * { return new QuillonFile(fileName); };
    entry.makeExposureComponent = []() -> ExposureComponent * {
        return new QuillonExposureComponent;
    };
    return entry;
}
