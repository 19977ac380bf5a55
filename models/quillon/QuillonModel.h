#pragma once

#include "ModelRegistry.h"

#include <QString>

// The product name the "QUILLON" human-vibration meter reports.
inline QString quillonProductName()
{
    return QStringLiteral("QUILLON");
}

// The registry row of the "QUILLON": its product name, its data-file extension
// and the makers of its classes.
ModelEntry quillonModel();
