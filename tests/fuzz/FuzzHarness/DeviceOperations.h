#pragma once

#include <QList>
#include <QString>

#include <functional>

class Device;

// The exchanges a model device performs with its instrument, each followed by
// what the application then does with what it read (its JSON, a write of it
// back). All go through Device's operations, so every registered model is
// reached through its own overrides.
struct DeviceOperation
{
    QString name;
    // `size` is the record count of a run whose records are downloaded.
    std::function<void(Device *device, int size)> run;
};

class DeviceOperations
{
public:
    static const QList<DeviceOperation> &all();
};
