#include "BemariExposureComponent.h"

#include "BemariResults.h"
#include "Experiment.h"

BemariExposureComponent::BemariExposureComponent(QObject *parent)
    : ExposureComponent(parent)
{
}

const SoundLevelResults *BemariExposureComponent::resultsOf(const Experiment *run) const
{
    return qobject_cast<const BemariResults *>(run->results());
}

void BemariExposureComponent::loadLevels(const SoundLevelResults &results)
{
    m_lEq = results.lEq();
    m_lFMax = results.lFMax();
    m_lMaxDateTime = results.lMaxDateTime();
}

void BemariExposureComponent::loadFromExperiment(Experiment *run)
{
    const SoundLevelResults *results = run ? resultsOf(run) : nullptr;
    if (!results)
        return;
    // The run's index in the instrument's memory, not its place in the chain.
    m_event = run->index();
    m_label = results->label();
    loadLevels(*results);
}
