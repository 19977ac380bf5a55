#pragma once

#include <QString>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process can grow past `bytes`: a write
// beyond the limit writes what fits and then fails, as on a disk that fills
// up, with the reason reason() gives. The signal that would end the process
// is ignored meanwhile. Needs no privileges, unlike mounting a small disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // The system's text for a write past the limit.
    static QString reason() { return qt_error_string(EFBIG); }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};
