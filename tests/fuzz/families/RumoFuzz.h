#pragma once

#include "FuzzModel.h"

// The "RUMO" row of the fuzz targets.
QList<FuzzModel> rumoFuzzModels();
