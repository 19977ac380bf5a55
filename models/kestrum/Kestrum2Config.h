#pragma once

#include "KestrumConfig.h"
#include "KestrumModel.h"

// The unit and interval of a "KESTRUM 2".
class Kestrum2Config : public KestrumConfig
{
    Q_OBJECT

public:
    Kestrum2Config()
        : KestrumConfig(kestrum2ProductName())
    {
    }
};
