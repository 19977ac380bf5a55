#pragma once

#include "SoundLevelMeter.h"

// The "BEMARI" octave-band sound level meter.
class Bemari : public SoundLevelMeter
{
    Q_OBJECT

public:
    // For a data file: no link, no configuration.
    Bemari();
    // Takes over a probed instrument; holds the default configuration.
    explicit Bemari(Device *probed);

protected:
    SoundLevelConfig *newConfig() const override;
    SoundLevelResults *newResults() const override;
};
