#pragma once

#include "ModelRegistry.h"

#include <QString>

// The product names the two sound level meters report.
inline QString bemariProductName()
{
    return QStringLiteral("BEMARI");
}

inline QString bemariPlusProductName()
{
    return QStringLiteral("BEMARI+");
}

// The registry rows of the "BEMARI" and the "BEMARI+": product name, data-file
// extension and the makers of their classes.
ModelEntry bemariModel();
ModelEntry bemariPlusModel();
