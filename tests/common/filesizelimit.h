#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, the process takes no more than bytes of the resource (any when negative). A
// write past the file size fails as on a full disk, the signal ignored; the sanitizers map their
// shadow memory as they go, so no address-space limit holds for their builds.
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
