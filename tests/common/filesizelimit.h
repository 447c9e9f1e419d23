#pragma once

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// The limit holds for every file of the process, the suite's own output too: written to a file
// (a log of a run beside busy loops), a failure reported inside the scope would be lost past the
// limit. Output to such a file goes to a pipe while the limit holds, and to the file after it.
class HeldOutput
{
public:
    explicit HeldOutput(int fd)
        : m_fd(fd)
    {
        struct stat status = {};
        if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || pipe(m_pipe) != 0)
            return;
        std::fflush(nullptr);
        m_saved = dup(fd);
        dup2(m_pipe[1], fd);
        close(m_pipe[1]);
        m_reader = std::thread([this] {
            char block[4096];
            for (ssize_t got; (got = read(m_pipe[0], block, sizeof block)) > 0;)
                m_text.append(block, size_t(got));
        });
    }
    // After the limit is lifted.
    void release()
    {
        if (m_saved < 0)
            return;
        std::fflush(nullptr);
        dup2(m_saved, m_fd);
        close(m_saved);
        m_saved = -1;
        m_reader.join();
        close(m_pipe[0]);
        for (size_t done = 0; done < m_text.size();) {
            const ssize_t wrote = write(m_fd, m_text.data() + done, m_text.size() - done);
            if (wrote <= 0)
                break;
            done += size_t(wrote);
        }
    }

private:
    int m_fd;
    int m_saved = -1;
    int m_pipe[2] = {-1, -1};
    std::string m_text;
    std::thread m_reader;
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
    ~ProcessLimit()
    {
        setrlimit(Resource, &before);
        if constexpr (Resource == RLIMIT_FSIZE) {
            out.release();
            errors.release();
        }
    }
    HeldOutput out{Resource == RLIMIT_FSIZE ? STDOUT_FILENO : -1};
    HeldOutput errors{Resource == RLIMIT_FSIZE ? STDERR_FILENO : -1};
    rlimit before{};
};
using FileSizeLimit = ProcessLimit<RLIMIT_FSIZE>;
using AddressSpaceLimit = ProcessLimit<RLIMIT_AS>;
