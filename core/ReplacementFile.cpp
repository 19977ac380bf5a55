#include "ReplacementFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system follows in one path before it gives up.
constexpr int kMaxLinks = 40;
constexpr int kCopyNameCharacters = 6;
constexpr int kCopyNameAttempts = 100;
constexpr char kCopyNameAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QByteArray folderOf(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// Where the symbolic link `link` leads, or an empty text when it cannot be
// read (errno says why).
QByteArray linkDestination(const QByteArray &link)
{
    QByteArray destination(PATH_MAX, '\0');
    const ssize_t length = ::readlink(link.constData(), destination.data(), destination.size());
    if (length < 0)
        return QByteArray();
    destination.resize(int(length));
    return destination.startsWith('/') ? destination : folderOf(link) + '/' + destination;
}

bool isCopyName(const QByteArray &name, const QByteArray &prefix)
{
    if (name.size() != prefix.size() + kCopyNameCharacters || !name.startsWith(prefix))
        return false;
    for (int i = prefix.size(); i < name.size(); ++i) {
        if (!std::strchr(kCopyNameAlphabet, name.at(i)) || name.at(i) == '\0')
            return false;
    }
    return true;
}

// Removes the copy `path` when no living writer holds it: a writer holds the
// lock of its copy from the moment it opens it until the copy has taken the
// file's place or is gone, and the system lets go of the lock when the
// writer dies.
void removeIfDead(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held;
    struct stat named;
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.constData(), &named) == 0 && named.st_dev == held.st_dev &&
        named.st_ino == held.st_ino)
        ::unlink(path.constData());
    ::close(fd);
}

bool syncDescriptor(int fd)
{
    int result;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    // A file system that cannot sync (EINVAL) has nothing held back.
    return result == 0 || errno == EINVAL;
}

} // namespace

const char *const ReplacementFile::CopyTag = "valtrix-copy-";

ReplacementFile::ReplacementFile(const QString &fileName)
    : m_name(QFile::encodeName(fileName))
{
}

ReplacementFile::~ReplacementFile()
{
    // Removed while still locked, so that no other writer takes it for dead
    // in between.
    if (!m_committed && !m_copy.isEmpty())
        ::unlink(m_copy.constData());
    if (m_fd >= 0)
        ::close(m_fd);
}

bool ReplacementFile::fail(int error)
{
    m_error = qt_error_string(error);
    return false;
}

bool ReplacementFile::open()
{
    if (!resolveTarget())
        return false;
    removeDeadCopies();
    if (!openUnnamedCopy())
        return false;
    struct stat old;
    if (::stat(m_target.constData(), &old) == 0)
        ::fchmod(m_fd, old.st_mode & 07777);
    return true;
}

bool ReplacementFile::resolveTarget()
{
    // A loop of links, a path through a file or a folder that may not be
    // searched: the system's reason. A file that does not exist yet is
    // made.
    struct stat followed;
    const bool exists = ::stat(m_name.constData(), &followed) == 0;
    if (!exists && errno != ENOENT)
        return fail(errno);
    // A folder is never replaced by a file: refused before anything is
    // written, not when the copy would take its place.
    if (exists && S_ISDIR(followed.st_mode))
        return fail(EISDIR);
    QByteArray path = m_name;
    for (int links = 0;; ++links) {
        struct stat own;
        if (::lstat(path.constData(), &own) != 0 || !S_ISLNK(own.st_mode))
            break;
        if (links == kMaxLinks)
            return fail(ELOOP);
        path = linkDestination(path);
        if (path.isEmpty())
            return fail(errno);
    }
    // A read-only file is the user's decision: it is not replaced.
    if (::access(path.constData(), F_OK) == 0 && ::access(path.constData(), W_OK) != 0)
        return fail(errno);
    m_target = path;
    m_folder = folderOf(path);
    return true;
}

void ReplacementFile::removeDeadCopies() const
{
    DIR *folder = ::opendir(m_folder.constData());
    if (!folder)
        return;
    const QByteArray prefix = nameOf(m_target) + '.' + CopyTag;
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (isCopyName(name, prefix))
            removeIfDead(m_folder + '/' + name);
    }
    ::closedir(folder);
}

bool ReplacementFile::openUnnamedCopy()
{
#ifdef O_TMPFILE
    m_fd = ::open(m_folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd >= 0)
        return ::flock(m_fd, LOCK_EX) == 0 || fail(errno);
    // Kernels and file systems without unnamed files say so in one of these
    // ways; anything else is the folder's own failure.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return fail(errno);
#endif
    return openNamedCopy();
}

bool ReplacementFile::openNamedCopy()
{
    for (int attempt = 0; attempt < kCopyNameAttempts; ++attempt) {
        const QByteArray name = newCopyName();
        m_fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_copy = name;
            return ::flock(m_fd, LOCK_EX) == 0 || fail(errno);
        }
        if (errno != EEXIST)
            return fail(errno);
    }
    return fail(EEXIST);
}

QByteArray ReplacementFile::newCopyName() const
{
    QByteArray name = m_target + '.' + CopyTag;
    const int alphabet = int(sizeof(kCopyNameAlphabet)) - 1;
    for (int i = 0; i < kCopyNameCharacters; ++i)
        name += kCopyNameAlphabet[QRandomGenerator::global()->bounded(alphabet)];
    return name;
}

bool ReplacementFile::write(const QByteArray &bytes)
{
    // A write that comes up short (the disk filled up, a file-size limit
    // was reached) carries no reason of its own: writing the rest then fails
    // at once, with the system's reason.
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(written < 0 ? errno : ENOSPC);
        data += written;
        left -= written;
    }
    return true;
}

bool ReplacementFile::sync()
{
    return syncDescriptor(m_fd) || fail(errno);
}

bool ReplacementFile::nameCopy()
{
    // A copy opened under a name has it already.
    if (!m_copy.isEmpty())
        return true;
    const QByteArray unnamed = "/proc/self/fd/" + QByteArray::number(m_fd);
    for (int attempt = 0; attempt < kCopyNameAttempts; ++attempt) {
        const QByteArray name = newCopyName();
        // Without /proc the descriptor itself, where the system allows it.
        if (::linkat(AT_FDCWD, unnamed.constData(), AT_FDCWD, name.constData(),
                     AT_SYMLINK_FOLLOW) == 0 ||
            ::linkat(m_fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0) {
            m_copy = name;
            return true;
        }
        if (errno != EEXIST)
            return fail(errno);
    }
    return fail(EEXIST);
}

bool ReplacementFile::commit()
{
    if (!nameCopy())
        return false;
    if (::rename(m_copy.constData(), m_target.constData()) != 0)
        return fail(errno);
    m_committed = true;
    return syncFolder();
}

bool ReplacementFile::syncFolder()
{
    const int folder = ::open(m_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return fail(errno);
    const bool synced = syncDescriptor(folder);
    const int reason = errno;
    ::close(folder);
    return synced || fail(reason);
}
