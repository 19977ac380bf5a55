#include "LogFactory.h"

#include "ModelRegistry.h"

Log *LogFactory::create(const QString &productName)
{
    return ModelRegistry::instance().create(productName, &ModelEntry::makeLog);
}
