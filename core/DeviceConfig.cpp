#include "DeviceConfig.h"

DeviceConfig::DeviceConfig(QObject *parent)
    : QObject(parent)
{
}

QJsonObject DeviceConfig::toJson()
{
    return QJsonObject();
}

int DeviceConfig::fromJson(QString json)
{
    Q_UNUSED(json)
    return -1;
}

int DeviceConfig::maxExperimentDuration()
{
    return DefaultMaxExperimentDuration;
}
