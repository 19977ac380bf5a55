#pragma once

#include "ModelRegistry.h"

#include <QString>

// The product name the "DRAVO 2" noise dosimeter reports.
inline QString dravo2ProductName()
{
    return QStringLiteral("DRAVO 2");
}

// The registry row of the "DRAVO 2": its product name, its data-file extension
// and the makers of its classes.
ModelEntry dravo2Model();
