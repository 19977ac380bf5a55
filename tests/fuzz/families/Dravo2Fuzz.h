#pragma once

#include "FuzzModel.h"

// The "DRAVO 2" rows of the fuzz targets.
QList<FuzzModel> dravo2FuzzModels();
