#pragma once

#include "ModelRegistry.h"

#include <QString>

// The product name the "RUMO" multi-sensor logger reports.
inline QString rumoProductName()
{
    return QStringLiteral("RUMO");
}

// The registry row of the "RUMO": its product name, its data-file extension
// and the makers of its classes.
ModelEntry rumoModel();
