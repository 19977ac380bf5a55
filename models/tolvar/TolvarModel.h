#pragma once

#include "ModelRegistry.h"

#include <QString>

// The product names the two air-sampling pumps report.
inline QString tolvarProductName()
{
    return QStringLiteral("TOLVAR 3 PLUS");
}

inline QString tolvar4ProductName()
{
    return QStringLiteral("TOLVAR 4");
}

// The registry rows of the pumps: product name, data-file extension and the
// makers of their classes. The pumps have no configuration class.
ModelEntry tolvarModel();
ModelEntry tolvar4Model();
