#include "quitsignals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#include <utility>
#endif

#if defined(Q_OS_UNIX)
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only write to a pipe: the event loop reads it.
int g_pipe[2] = {-1, -1};
struct sigaction g_previous[std::size(kSignals)];
bool g_installed[std::size(kSignals)] = {};

void handle(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &number, 1);
    errno = saved;
}

bool openPipe()
{
    if (::pipe(g_pipe) != 0)
        return false;
    for (const int end : g_pipe) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

} // namespace
#endif

QuitSignals::QuitSignals()
{
#if defined(Q_OS_UNIX)
    if (g_pipe[0] >= 0 || !openPipe()) {
        qWarning() << "The program cannot follow the system's requests to end";
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::received);
    struct sigaction action = {};
    action.sa_handler = handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        if (::sigaction(kSignals[i], nullptr, &g_previous[i]) == 0 && g_previous[i].sa_handler != SIG_IGN)
            g_installed[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
    }
#endif
}

QuitSignals::~QuitSignals()
{
#if defined(Q_OS_UNIX)
    if (!m_notifier)
        return;
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        if (std::exchange(g_installed[i], false))
            ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    delete m_notifier;
    for (int &end : g_pipe)
        ::close(std::exchange(end, -1));
#endif
}

void QuitSignals::received()
{
#if defined(Q_OS_UNIX)
    unsigned char number = 0;
    if (::read(g_pipe[0], &number, 1) != 1)
        return;
    qInfo() << "Ending on signal" << number;
    QCoreApplication::exit(128 + number);
#endif
}
