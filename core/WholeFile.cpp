#include "WholeFile.h"

#include "ReplacementFile.h"

#include <future>

bool WholeFile::write(const QString &fileName, const QByteArray &content, QString *error)
{
    return write(fileName, content, nullptr, error);
}

bool WholeFile::write(const QString &fileName, const QByteArray &content,
                      const std::function<QByteArray()> &tail, QString *error)
{
    std::future<QByteArray> tailBytes;
    if (tail)
        tailBytes = std::async(std::launch::async, tail);
    ReplacementFile file(fileName);
    // The content goes to the disk while the tail is made.
    const bool written = file.open() && file.write(content) &&
                         (!tail || (file.sync() && file.write(tailBytes.get()))) && file.sync() &&
                         file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}
