#pragma once

#include <QString>
#include <QtGlobal>

class QFile;
class QMessageLogContext;
class QTextStream;

// The program's log: every message of the process, from any thread, as one line
// "HH:mm:ss Type: text" in the log file of this run.
namespace Logging {

// AppDataLocation + "/" + application name + ".log".
QString logFilePath();

// Creates the data folder and opens the file write-only in text mode, emptying the previous
// run's log. False when it cannot be opened; the caller installs the handler all the same.
bool openLogFile(QFile *file);

// Points the log stream at file (null: nowhere, the lines are lost) and installs the handler.
void install(QFile *file);

// Removes the handler, restoring Qt's default output, then detaches the stream, so that the
// file object may be destroyed: call it before the file dies.
void uninstall();

// The handler itself: serialised, so lines of several threads never mix; a fatal message is
// flushed and then aborts the process.
void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

} // namespace Logging
