#pragma once

#include <QString>

class VfFile;

// Makes a model's data-file object, by file extension or by product name.
class FileFactory
{
public:
    // The file object of the model whose extension ends the name
    // (case-sensitive); null when none does.
    static VfFile *createByExtension(const QString &fileName);
    // The file object of the named model. When the name does not end with the
    // model's extension, the extension is appended to `fileName` itself.
    static VfFile *createByName(const QString &productName, QString &fileName);
    // The name createByName would give the named model's file: `fileName`
    // with the model's extension appended unless it ends with it.
    static QString dataFileName(const QString &productName, const QString &fileName);
};
