#pragma once

#include <QObject>
#include <QString>

class DeviceConfig;

// Makes a model's configuration by its product name.
class FactoryDeviceConfig : public QObject
{
    Q_OBJECT

public:
    explicit FactoryDeviceConfig(QObject *parent = nullptr);

    // Null when no model of that name has one. The caller owns the result.
    static DeviceConfig *create(const QString &productName);
};
