#include "ExperimentFactory.h"

#include "ModelRegistry.h"

Experiment *ExperimentFactory::create(const QString &productName)
{
    return ModelRegistry::instance().create(productName, &ModelEntry::makeExperiment);
}
