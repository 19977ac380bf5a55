#pragma once

#include "KestrumConfig.h"
#include "KestrumModel.h"

// The unit and interval of a "KESTRUM 4".
class Kestrum4Config : public KestrumConfig
{
    Q_OBJECT

public:
    Kestrum4Config()
        : KestrumConfig(kestrum4ProductName())
    {
    }
};
