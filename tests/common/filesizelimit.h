#pragma once

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of this process grows past bytes: a write beyond fails with "File too
// large" (the signal it would raise is ignored), through the same paths as on a full disk. A
// header alone, for the Qt Quick runner too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        rlimit limit{};
        if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
            qFatal("The file size limit cannot be read");
        m_before = limit.rlim_cur;
        std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = rlim_t(bytes);
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            qFatal("The file size limit cannot be set");
    }
    ~FileSizeLimit()
    {
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = m_before;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlim_t m_before = RLIM_INFINITY;
};
