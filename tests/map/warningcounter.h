#pragma once

#include <QtGlobal>

// Counts the warnings (and critical messages) logged while it is installed, passing every
// message on to the handler it replaced: suites that must fail on any QML warning read it.
class WarningCounter
{
public:
    WarningCounter()
    {
        s_previous = qInstallMessageHandler(&WarningCounter::handle);
        s_count = 0;
    }
    ~WarningCounter() { qInstallMessageHandler(s_previous); }
    WarningCounter(const WarningCounter &) = delete;
    WarningCounter &operator=(const WarningCounter &) = delete;

    int count() const { return s_count; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg || type == QtCriticalMsg)
            ++s_count;
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline int s_count = 0;
    static inline QtMessageHandler s_previous = nullptr;
};
