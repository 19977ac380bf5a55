#include "ExposureComponent.h"

ExposureComponent::ExposureComponent(QObject *parent)
    : QObject(parent)
{
}

void ExposureComponent::loadFromExperiment(Experiment *run)
{
    Q_UNUSED(run)
}
