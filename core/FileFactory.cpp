#include "FileFactory.h"

#include "ModelRegistry.h"
#include "VfFile.h"

VfFile *FileFactory::createByExtension(const QString &fileName)
{
    const ModelEntry *entry = ModelRegistry::instance().byFileName(fileName);
    if (!entry || !entry->makeFile)
        return nullptr;
    return entry->makeFile(fileName);
}

VfFile *FileFactory::createByName(const QString &productName, QString &fileName)
{
    const ModelEntry *entry = ModelRegistry::instance().byProductName(productName);
    if (!entry || !entry->makeFile)
        return nullptr;
    if (!fileName.endsWith(entry->extension, Qt::CaseSensitive))
        fileName += entry->extension;
    return entry->makeFile(fileName);
}
