#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>

// Helpers shared by every test suite.
namespace TestSupport {

// Names the application as the program does and sends settings and data folders to
// test locations of this process, so that no suite touches a user's own preferences or
// another suite's.
void initApplication();

// Path of a file below tests/data.
QString dataPath(const QString &relative);

// Writes a file of that content; its path, or an empty string when it cannot be written.
QString writeFile(const QString &path, const QByteArray &content);

// From captureMessages() until releaseMessages() every message the process logs is kept here
// instead of printed, for suites that check what a reader reported; a fatal one still reaches
// the handler installed before. Capturing again starts an empty list.
void captureMessages();
void releaseMessages();
QStringList &capturedMessages();
QStringList capturedStartingWith(const QString &prefix);

// The bytes operator<< writes for value: its database record.
template <typename T>
QByteArray recordOf(const T &value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << value;
    return bytes;
}

// One record read back through operator>> into a T *; null when the stream gave none. The
// stream's status through status.
template <typename T>
std::unique_ptr<T> readRecord(const QByteArray &bytes, QDataStream::Status *status = nullptr)
{
    QDataStream in(bytes);
    T *item = nullptr;
    in >> item;
    if (status)
        *status = in.status();
    return std::unique_ptr<T>(item);
}

// What the process has mapped, from the first figure of /proc/self/statm (pages).
long long mappedBytes();

// Runs this test executable again with WAYLORE_FATAL_CASE set to the case, for checks of fatal
// messages that end the process. True when the child ran and did not end normally; its standard
// error goes to standardError.
bool runFatalCase(const QByteArray &which, QByteArray *standardError);

} // namespace TestSupport
