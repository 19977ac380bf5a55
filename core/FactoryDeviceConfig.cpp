#include "FactoryDeviceConfig.h"

#include "ModelRegistry.h"

FactoryDeviceConfig::FactoryDeviceConfig(QObject *parent)
    : QObject(parent)
{
}

DeviceConfig *FactoryDeviceConfig::create(const QString &productName)
{
    return ModelRegistry::instance().create(productName, &ModelEntry::makeConfig);
}
