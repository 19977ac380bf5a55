#pragma once

#include <QString>

class Device;

// Makes a model's device by its product name.
class DeviceFactory
{
public:
    // A model device built from a probed base device, using its link; null
    // when no model has the probed device's product name.
    static Device *create(Device *probed);
    // A model device with no link, carrying an identity read from a file.
    static Device *createByName(const QString &productName);
};
