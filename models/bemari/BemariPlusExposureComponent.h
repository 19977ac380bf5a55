#pragma once

#include "BemariExposureComponent.h"

// The exposure component of a "BEMARI+" run. The instrument sends no overall
// levels, so a run that carries none gives its A-weighted Leq, F maximum and
// the time of that maximum.
class BemariPlusExposureComponent : public BemariExposureComponent
{
    Q_OBJECT

public:
    explicit BemariPlusExposureComponent(QObject *parent = nullptr);

protected:
    const SoundLevelResults *resultsOf(const Experiment *run) const override;
    void loadLevels(const SoundLevelResults &results) override;
};
