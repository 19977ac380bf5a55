#pragma once

#include "BemariModel.h"
#include "SoundLevelConfig.h"

// The measurement settings of a "BEMARI+".
class BemariPlusConfig : public SoundLevelConfig
{
    Q_OBJECT

public:
    explicit BemariPlusConfig(QObject *parent = nullptr)
        : SoundLevelConfig(bemariPlusProductName(), parent)
    {
    }
};
