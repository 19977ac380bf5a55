#include "QmlFileName.h"

#include <QUrl>

QString QmlFileName::toLocalPath(const QString &urlOrPath)
{
    // A URL decodes its escapes ("%20") and keeps a Linux path absolute.
    if (urlOrPath.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(urlOrPath).toLocalFile();
    return urlOrPath;
}
