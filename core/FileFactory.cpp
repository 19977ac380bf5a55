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
    fileName = dataFileName(productName, fileName);
    return entry->makeFile(fileName);
}

QString FileFactory::dataFileName(const QString &productName, const QString &fileName)
{
    const ModelEntry *entry = ModelRegistry::instance().byProductName(productName);
    if (!entry || fileName.endsWith(entry->extension, Qt::CaseSensitive))
        return fileName;
    return fileName + entry->extension;
}
