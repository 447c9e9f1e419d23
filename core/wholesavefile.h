#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cerrno>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

// Every file the program writes replaces the older one only with the whole of what was written,
// or leaves it as it was and says why. QSaveFile alone does not hold that promise in Qt 6.4: what
// it buffers (any write of 16 KB or less) reaches the disk in the flush inside commit(), which
// does not look at that flush's result, so a full disk renames an empty temporary over the file
// and commit() returns true. Here nothing is buffered, a write the system takes only in part is
// pushed on until the system says why it stops, the first failure is kept (later calls may clear
// errorString()), and the bytes are on the disk before the rename.
//
// A header alone: the map engine, which links nothing of core, caches its files through it too.
class WholeSaveFile : public QSaveFile
{
public:
    explicit WholeSaveFile(const QString &name)
        : QSaveFile(name)
    {
    }

    // Unbuffered, whatever else the mode says.
    bool open(OpenMode mode) override { return QSaveFile::open(mode | Unbuffered); }

    // In place of QSaveFile::commit(): false, the temporary removed and the reason in
    // errorString(), after any failed write, a failed sync or a cancelled writing.
    bool commit()
    {
        QString reason = m_reason;
        if (reason.isEmpty() && error() != NoError)
            reason = errorString();
#if defined(Q_OS_UNIX)
        // A file system that cannot sync says so with these; anything else is the data lost.
        if (reason.isEmpty() && isOpen() && ::fsync(handle()) != 0 && errno != EINVAL && errno != EROFS)
            reason = qt_error_string(errno);
#endif
        if (reason.isEmpty())
            return QSaveFile::commit();
        cancelWriting();
        QSaveFile::commit();
        setErrorString(reason);
        return false;
    }

    // The whole of bytes in place of path's file; else false with the reason in error.
    static bool replace(const QString &path, const QByteArray &bytes, QString *error = nullptr)
    {
        WholeSaveFile file(path);
        const bool whole = file.open(WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        if (!whole && error)
            *error = file.errorString();
        return whole;
    }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        qint64 done = 0;
        while (done < length) {
            const qint64 written = QSaveFile::writeData(data + done, length - done);
            if (written <= 0) {
                if (m_reason.isEmpty())
                    m_reason = written < 0 ? errorString() : qt_error_string(EIO);
                return -1;
            }
            done += written;
        }
        return done;
    }

private:
    QString m_reason;
};
