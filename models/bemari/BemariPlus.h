#pragma once

#include "SoundLevelMeter.h"

// The "BEMARI+" octave-band sound level meter. It is the "BEMARI"'s twin
// but for its results (levels per frequency weighting, overload, mode) and
// its time-weighting write, which the instrument may answer with ERROR
// although it took the value.
class BemariPlus : public SoundLevelMeter
{
    Q_OBJECT

public:
    // For a data file: no link, no configuration.
    BemariPlus();
    // Takes over a probed instrument; holds the default configuration.
    explicit BemariPlus(Device *probed);

    // An ERROR answer is checked by reading the setting back: 0 when the
    // instrument holds exactly the value written, else -1 (whatever the
    // read-back's answer); -3 when the read-back cannot be sent.
    int writeTimeWeighting(const QString &weighting) override;

protected:
    SoundLevelConfig *newConfig() const override;
    SoundLevelResults *newResults() const override;

private:
    int readBackTimeWeighting(const QString &written);
};
