#include "FactoryExposureComponent.h"

#include "ModelRegistry.h"

FactoryExposureComponent::FactoryExposureComponent(QObject *parent)
    : QObject(parent)
{
}

ExposureComponent *FactoryExposureComponent::create(const QString &productName)
{
    return ModelRegistry::instance().create(productName, &ModelEntry::makeExposureComponent);
}
