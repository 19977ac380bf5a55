#include "FuzzModel.h"

#include "BemariFuzz.h"
#include "Dravo2Fuzz.h"
#include "KestrumFuzz.h"
#include "QuillonFuzz.h"
#include "RumoFuzz.h"
#include "TolvarFuzz.h"

// One line per family: its rows of the fuzz targets.
QList<FuzzModel> fuzzModels()
{
    QList<FuzzModel> models;
    models += dravo2FuzzModels();
    models += bemariFuzzModels();
    models += kestrumFuzzModels();
    models += quillonFuzzModels();
    models += rumoFuzzModels();
    models += tolvarFuzzModels();
    return models;
}

const FuzzModel *fuzzModel(const QString &productName)
{
    static const QList<FuzzModel> models = fuzzModels();
    for (const FuzzModel &model : models) {
        if (model.productName == productName)
            return &model;
    }
    return nullptr;
}
