#pragma once

#include "FuzzModel.h"

// The sound level meters "BEMARI" and "BEMARI+".
QList<FuzzModel> bemariFuzzModels();
