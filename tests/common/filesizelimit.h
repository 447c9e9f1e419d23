#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file of the process grows past bytes (none when negative): a write beyond
// fails with "File too large" through the same paths as on a full disk, the signal ignored.
struct FileSizeLimit
{
    explicit FileSizeLimit(long long bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limit{bytes < 0 ? before.rlim_cur : rlim_t(bytes), before.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before); }
    rlimit before{};
};
