#include "DeviceFactory.h"

#include "Device.h"
#include "ModelRegistry.h"

Device *DeviceFactory::create(Device *probed)
{
    if (!probed)
        return nullptr;
    return ModelRegistry::instance().create(probed->productName(), &ModelEntry::makeDevice, probed);
}

Device *DeviceFactory::createByName(const QString &productName)
{
    return ModelRegistry::instance().create(productName, &ModelEntry::makeDeviceByName);
}
