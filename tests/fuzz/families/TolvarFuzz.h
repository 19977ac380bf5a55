#pragma once

#include "FuzzModel.h"

// The "TOLVAR 3 PLUS" and "TOLVAR 4" rows of the fuzz targets.
QList<FuzzModel> tolvarFuzzModels();
