#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, the process may take no more than bytes of the resource (no limit when
// negative). A write past a file's size limit fails with "File too large" through the same paths
// as on a full disk, the signal ignored. The sanitizers map their shadow memory as they go: no
// address-space limit holds for a sanitizer's build.
template <auto Resource>
struct ProcessLimit
{
    explicit ProcessLimit(long long bytes)
    {
        getrlimit(Resource, &before);
        rlimit limit{bytes < 0 ? before.rlim_cur : rlim_t(bytes), before.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(Resource, &limit);
    }
    ~ProcessLimit() { setrlimit(Resource, &before); }
    rlimit before{};
};
using FileSizeLimit = ProcessLimit<RLIMIT_FSIZE>;
using AddressSpaceLimit = ProcessLimit<RLIMIT_AS>;
