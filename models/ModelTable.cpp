#include "ModelRegistry.h"

#include "models/bemari/BemariModel.h"
#include "models/dravo2/Dravo2Model.h"
#include "models/kestrum/KestrumModel.h"
#include "models/quillon/QuillonModel.h"
#include "models/rumo/RumoModel.h"
#include "models/tolvar/TolvarModel.h"

// The rows of every model family, in the order in which the factories test
// product names and file extensions. A family adds its row here.
QList<ModelEntry> builtInModels()
{
    return {dravo2Model(),   bemariModel(), bemariPlusModel(), quillonModel(), kestrum2Model(),
            kestrum4Model(), tolvarModel(), tolvar4Model(),    rumoModel()};
}
