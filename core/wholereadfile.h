#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>

// Every file the program reads whole is read up to a bound that fits what it can hold, without
// reserving that bound: QIODevice::read(maxSize) allocates for maxSize first, so a 33-byte plan
// took 128 MB and ended the program for want of memory when a loaded world had left less.
// Only the file's own size is allocated, and the bound is checked on what actually arrives, so a
// file that grows while it is read is refused too. A pipe, a device or a folder is refused before
// it is opened: opening a named pipe waits for a writer that never comes.
//
// A header alone, like WholeSaveFile, for any part of the program that reads a file.
namespace WholeReadFile {

enum class Outcome {
    Read,
    NotAFile, // a folder, a device, a pipe, a socket
    CannotOpen,
    TooLarge, // larger than the bound given; the caller says what the file was meant to be
    Failed,
};

// What a file that grows past its announced size is read in, up to the bound.
constexpr qint64 kPiece = 64 * 1024;

// The whole file at path, when it holds at most largest bytes. On any other outcome bytes is
// empty and error (when given) says why for the pilot, except for TooLarge.
inline Outcome read(const QString &path, qint64 largest, QByteArray *bytes, QString *error = nullptr,
                    QIODevice::OpenMode mode = QIODevice::ReadOnly)
{
    bytes->clear();
    const auto fail = [error](Outcome outcome, const QString &why) {
        if (error)
            *error = why;
        return outcome;
    };
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return fail(Outcome::NotAFile,
                    QCoreApplication::translate("WholeReadFile", "%1 is a folder, a device or a pipe, not a file.")
                        .arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    if (!file.open(mode | QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(Outcome::CannotOpen, file.errorString());
    const qint64 size = file.size();
    if (size > largest)
        return fail(Outcome::TooLarge, QString());
    // One byte more than announced shows the end without a second allocation.
    QByteArray read(qsizetype(size + 1), Qt::Uninitialized);
    qint64 at = 0;
    for (;;) {
        if (at == read.size()) {
            if (at > largest)
                break;
            read.resize(qsizetype(std::min(largest + 1, at + kPiece)));
        }
        const qint64 got = file.read(read.data() + at, read.size() - at);
        if (got < 0)
            return fail(Outcome::Failed, file.errorString());
        if (got == 0)
            break;
        at += got;
    }
    if (at > largest)
        return fail(Outcome::TooLarge, QString());
    read.truncate(qsizetype(at));
    *bytes = std::move(read);
    return Outcome::Read;
}

} // namespace WholeReadFile
