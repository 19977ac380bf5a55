#include "WholeFile.h"

#include <QSaveFile>

#include <future>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Writes all of `content`. A write that comes up short (the disk filled up,
// a file-size limit was reached) carries no reason of its own: writing the
// rest then fails at once, with the system's reason.
bool writeAll(QSaveFile &file, const QByteArray &content)
{
    const char *data = content.constData();
    qint64 left = content.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// Puts the written bytes on the disk, where a network or quota file system
// may refuse them only now; the commit's own flush does not say so.
bool syncToDisk(QSaveFile &file, QString *error)
{
#ifdef Q_OS_UNIX
    int result;
    do {
        result = ::fsync(file.handle());
    } while (result != 0 && errno == EINTR);
    // A file system that cannot sync (EINVAL) has nothing held back.
    if (result != 0 && errno != EINVAL) {
        *error = qt_error_string(errno);
        return false;
    }
#else
    Q_UNUSED(file)
    Q_UNUSED(error)
#endif
    return true;
}

} // namespace

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
    QSaveFile file(fileName);
    QString reason;
    // Unbuffered, so that every write is the system's own and a failure shows
    // in its count; a buffered file would fail only in the commit's flush,
    // which the commit does not report. The content goes to the disk while
    // the tail is made.
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(file, content) &&
        (!tail || (syncToDisk(file, &reason) && writeAll(file, tailBytes.get()))) &&
        syncToDisk(file, &reason) && file.commit();
    if (written)
        return true;
    if (reason.isEmpty())
        reason = file.errorString();
    // An uncommitted file removes its temporary file; the old one was never
    // touched.
    if (error)
        *error = reason;
    return false;
}
