#pragma once

#include <csignal>
#include <sys/resource.h>

// A write past the file size limit fails as on a full disk, its signal ignored. Sanitizers map
// their shadow memory as they go: no address-space limit holds for their builds.
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
