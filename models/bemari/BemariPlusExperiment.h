#pragma once

#include "BemariExperiment.h"

// One run of a "BEMARI+"; its list entry and JSON are the "BEMARI"'s.
class BemariPlusExperiment : public BemariExperiment
{
    Q_OBJECT

public:
    explicit BemariPlusExperiment(QObject *parent = nullptr)
        : BemariExperiment(parent)
    {
    }
};
