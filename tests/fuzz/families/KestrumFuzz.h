#pragma once

#include "FuzzModel.h"

// The "KESTRUM 2" and "KESTRUM 4" rows of the fuzz targets.
QList<FuzzModel> kestrumFuzzModels();
