#pragma once

#include "FuzzModel.h"

// The "QUILLON" row of the fuzz targets.
QList<FuzzModel> quillonFuzzModels();
