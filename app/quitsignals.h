#pragma once

#include <QObject>

class QSocketNotifier;

// The system's requests to end the program (SIGTERM, SIGINT, SIGHUP) end the event loop with 128
// plus the signal's number, so that the program leaves as after its own quit: through the shell's
// exit, which writes what must be written and tells the simulator to stop streaming. A signal
// that the program was started with ignored (nohup) stays ignored. The handler is the system's
// again once it has run: a second request ends even a program whose event loop is stuck.
class QuitSignals : public QObject
{
public:
    QuitSignals();
    ~QuitSignals() override;
    QuitSignals(const QuitSignals &) = delete;
    QuitSignals &operator=(const QuitSignals &) = delete;

private:
    void received();

    QSocketNotifier *m_notifier = nullptr;
};
