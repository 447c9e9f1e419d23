#pragma once

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The limit holds for every file of the process, the suite's own log too: a failure told inside
// the scope would be lost past it. While it holds, output to a file waits in a pipe (a megabyte
// at the most, never blocking) and reaches the file after.
class HeldOutput
{
public:
    explicit HeldOutput(int fd)
        : m_fd(fd)
    {
        struct stat status = {};
        if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || pipe2(m_pipe, O_NONBLOCK) != 0)
            return;
        fcntl(m_pipe[1], F_SETPIPE_SZ, 1 << 20);
        std::fflush(nullptr);
        m_saved = dup(fd);
        dup2(m_pipe[1], fd);
        close(m_pipe[1]);
    }
    ~HeldOutput()
    {
        if (m_saved < 0)
            return;
        std::fflush(nullptr);
        dup2(m_saved, m_fd);
        close(m_saved);
        char block[4096];
        for (ssize_t got; (got = read(m_pipe[0], block, sizeof block)) > 0;)
            if (write(m_fd, block, size_t(got)) != got)
                break;
        close(m_pipe[0]);
    }

private:
    int m_fd;
    int m_saved = -1;
    int m_pipe[2] = {-1, -1};
};

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
    // Made before the limit is set; members outlive the destructor's body, so they give their
    // output back once it is lifted.
    HeldOutput out{Resource == RLIMIT_FSIZE ? STDOUT_FILENO : -1};
    HeldOutput errors{Resource == RLIMIT_FSIZE ? STDERR_FILENO : -1};
    rlimit before{};
};
using FileSizeLimit = ProcessLimit<RLIMIT_FSIZE>;
using AddressSpaceLimit = ProcessLimit<RLIMIT_AS>;
