#include "ResultsFactory.h"

#include "ModelRegistry.h"

Results *ResultsFactory::create(const QString &productName)
{
    return ModelRegistry::instance().create(productName, &ModelEntry::makeResults);
}
