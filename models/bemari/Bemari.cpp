#include "Bemari.h"

#include "BemariConfig.h"
#include "BemariModel.h"
#include "BemariResults.h"

Bemari::Bemari()
    : SoundLevelMeter(bemariProductName())
{
}

Bemari::Bemari(Device *probed)
    : SoundLevelMeter(probed)
{
    setConfig(newConfig());
}

SoundLevelConfig *Bemari::newConfig() const
{
    return new BemariConfig;
}

SoundLevelResults *Bemari::newResults() const
{
    return new BemariResults;
}
