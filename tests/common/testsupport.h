#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

} // namespace TestSupport
