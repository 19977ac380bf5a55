#include "BemariPlusExposureComponent.h"

#include "BemariPlusResults.h"
#include "DeviceDateTime.h"
#include "Experiment.h"

BemariPlusExposureComponent::BemariPlusExposureComponent(QObject *parent)
    : BemariExposureComponent(parent)
{
}

const SoundLevelResults *BemariPlusExposureComponent::resultsOf(const Experiment *run) const
{
    return qobject_cast<const BemariPlusResults *>(run->results());
}

void BemariPlusExposureComponent::loadLevels(const SoundLevelResults &results)
{
    if (!results.lEq().isEmpty()) {
        BemariExposureComponent::loadLevels(results);
        return;
    }
    const auto &plus = static_cast<const BemariPlusResults &>(results);
    setLEq(plus.weightedText(QStringLiteral("LAEq")));
    setLFMax(plus.weightedText(QStringLiteral("LAFMax")));
    setLMaxDateTime(parseDeviceDateTime(plus.weightedText(QStringLiteral("LAFMaxDateTime"))));
}
