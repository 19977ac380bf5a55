#pragma once

#include "BemariModel.h"
#include "SoundLevelConfig.h"

// The measurement settings of a "BEMARI".
class BemariConfig : public SoundLevelConfig
{
    Q_OBJECT

public:
    explicit BemariConfig(QObject *parent = nullptr)
        : SoundLevelConfig(bemariProductName(), parent)
    {
    }
};
