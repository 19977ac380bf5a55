#include "ModelRegistry.h"

ModelRegistry &ModelRegistry::instance()
{
    static ModelRegistry registry = [] {
        ModelRegistry filled;
        for (const ModelEntry &entry : builtInModels())
            filled.add(entry);
        return filled;
    }();
    return registry;
}

void ModelRegistry::add(const ModelEntry &entry)
{
    for (ModelEntry &existing : m_entries) {
        if (existing.productName == entry.productName) {
            existing = entry;
            return;
        }
    }
    m_entries.append(entry);
}

void ModelRegistry::remove(const QString &productName)
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).productName == productName) {
            m_entries.removeAt(i);
            return;
        }
    }
}

const ModelEntry *ModelRegistry::byProductName(const QString &productName) const
{
    for (const ModelEntry &entry : m_entries) {
        if (entry.productName == productName)
            return &entry;
    }
    return nullptr;
}

const ModelEntry *ModelRegistry::byFileName(const QString &fileName) const
{
    for (const ModelEntry &entry : m_entries) {
        if (!entry.extension.isEmpty() && fileName.endsWith(entry.extension, Qt::CaseSensitive))
            return &entry;
    }
    return nullptr;
}
