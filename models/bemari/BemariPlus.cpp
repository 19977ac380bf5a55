#include "BemariPlus.h"

#include "BemariModel.h"
#include "BemariPlusConfig.h"
#include "BemariPlusResults.h"

BemariPlus::BemariPlus()
    : SoundLevelMeter(bemariPlusProductName())
{
}

BemariPlus::BemariPlus(Device *probed)
    : SoundLevelMeter(probed)
{
    setConfig(newConfig());
}

SoundLevelConfig *BemariPlus::newConfig() const
{
    return new BemariPlusConfig;
}

SoundLevelResults *BemariPlus::newResults() const
{
    return new BemariPlusResults;
}

int BemariPlus::writeTimeWeighting(const QString &weighting)
{
    if (!SoundLevelConfig::timeWeightings().contains(weighting))
        return -1;
    QByteArray reply;
    if (sendSetting("VFTMWGHT", weighting, &reply) != 0)
        return -3;
    const int code = exactFinalLineCode(reply);
    if (code != -1)
        return busyCode(code);
    BemariPlusConfig held;
    const int readBack = readTimeWeighting(&held);
    if (readBack != 0)
        return readBack;
    return held.timeWeighting() == weighting ? 0 : -1;
}
