#pragma once

#include <QString>

// File names that QML hands over: a "file:" URL (from a file dialog) or a
// plain path.
class QmlFileName
{
public:
    // The local path of a file URL; any other text is taken as a path.
    static QString toLocalPath(const QString &urlOrPath);
};
