#pragma once

#include "ModelRegistry.h"

#include <QString>

// The product names the heat-stress monitors report.
inline QString kestrum2ProductName()
{
    return QStringLiteral("KESTRUM 2");
}

inline QString kestrum4ProductName()
{
    return QStringLiteral("KESTRUM 4");
}

// The registry rows of the "KESTRUM 2" (".ksm" files) and of the "KESTRUM 4"
// (".ks4" files).
ModelEntry kestrum2Model();
ModelEntry kestrum4Model();
