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
    return readBackTimeWeighting(weighting);
}

// Whatever the instrument answers after it said ERROR, only its holding the
// very value written makes the write stand: a BUSY, an ERROR or no answer at
// all leaves it refused, and the user is not told to wait for a write that
// did not take.
int BemariPlus::readBackTimeWeighting(const QString &written)
{
    bool sent = false;
    QByteArray reply = exchange("AT+VFTMWGHT?\r\n", &sent);
    if (!sent)
        return -3;
    reply.replace("\r\n+VFTMWGHT: \"", "");
    reply.replace("\"\r\n\r\nOK\r\n", "");
    const int nul = reply.indexOf('\0');
    const QString held = QString::fromLatin1(nul < 0 ? reply : reply.left(nul));
    return held == written ? 0 : -1;
}
