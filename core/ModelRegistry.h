#pragma once

#include <QList>
#include <QString>
#include <functional>

class Device;
class DeviceConfig;
class Experiment;
class ExposureComponent;
class Log;
class Results;
class VfFile;
class VfPrinter;

// One row per instrument model: its product name, its data-file extension and
// how to make each of its classes. Every factory reads this one table, so a
// model family is added by adding its row. A maker left empty means that the
// model has no such class.
struct ModelEntry
{
    QString productName;
    QString extension;
    std::function<Device *(Device *probed)> makeDevice;
    std::function<Device *()> makeDeviceByName;
    std::function<DeviceConfig *()> makeConfig;
    std::function<Experiment *()> makeExperiment;
    std::function<Log *()> makeLog;
    std::function<Results *()> makeResults;
    std::function<VfPrinter *()> makePrinter;
    std::function<VfFile *(const QString &fileName)> makeFile;
    std::function<ExposureComponent *()> makeExposureComponent;
};

class ModelRegistry
{
public:
    // The registry filled with the rows of every built model family.
    static ModelRegistry &instance();

    // Adds a row, or replaces the row of the same product name.
    void add(const ModelEntry &entry);
    void remove(const QString &productName);

    // Exact, case-sensitive matches; null when nothing matches.
    const ModelEntry *byProductName(const QString &productName) const;
    const ModelEntry *byFileName(const QString &fileName) const;
    QList<ModelEntry> entries() const { return m_entries; }

    // Makes the class of the named model that `maker` builds; null when the
    // model is unknown or has no such class.
    template <typename T, typename... Args>
    T *create(const QString &productName, std::function<T *(Args...)> ModelEntry::*maker,
              Args... args) const
    {
        const ModelEntry *entry = byProductName(productName);
        if (!entry || !(entry->*maker))
            return nullptr;
        return (entry->*maker)(args...);
    }

private:
    ModelRegistry() = default;
    QList<ModelEntry> m_entries;
};

// The rows of the model families, in the order the factories test them
// (models/ModelTable.cpp).
QList<ModelEntry> builtInModels();
