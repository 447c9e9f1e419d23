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
// The QSaveFile is held, not inherited: its commit() is not virtual, and a writer handed the file
// as a QSaveFile or QFileDevice could commit it past these checks. Writers get a QIODevice.
//
// A header alone: the map engine, which links nothing of core, caches its files through it too.
class WholeSaveFile : public QIODevice
{
public:
    explicit WholeSaveFile(const QString &name)
        : m_file(name)
    {
    }

    QString fileName() const { return m_file.fileName(); }
    QFileDevice::FileError error() const { return m_file.error(); }
    qint64 size() const override { return m_file.size(); }
    bool seek(qint64 pos) override { return m_file.seek(pos) && QIODevice::seek(pos); }
    // What was written is dropped: commit() then fails and leaves the older file.
    void cancelWriting() { m_file.cancelWriting(); }

    // For writing, unbuffered, whatever else the mode says.
    bool open(OpenMode mode) override
    {
        if (!m_file.open(mode | Unbuffered)) {
            setErrorString(m_file.errorString());
            return false;
        }
        return QIODevice::open(mode | Unbuffered);
    }

    // False, the temporary removed and the reason in errorString(), after any failed write, a
    // failed sync or a cancelled writing.
    bool commit()
    {
        QString reason = m_reason;
        if (reason.isEmpty() && m_file.error() != QFileDevice::NoError)
            reason = m_file.errorString();
#if defined(Q_OS_UNIX)
        // A file system that cannot sync says so with these; anything else is the data lost.
        if (reason.isEmpty() && m_file.isOpen() && ::fsync(m_file.handle()) != 0 && errno != EINVAL && errno != EROFS)
            reason = qt_error_string(errno);
#endif
        if (!reason.isEmpty())
            m_file.cancelWriting();
        if (m_file.commit() && reason.isEmpty()) {
            QIODevice::close();
            return true;
        }
        setErrorString(reason.isEmpty() ? m_file.errorString() : reason);
        QIODevice::close();
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
    qint64 readData(char *, qint64) override
    {
        return -1;
    }

    qint64 writeData(const char *data, qint64 length) override
    {
        qint64 done = 0;
        while (done < length) {
            const qint64 written = m_file.write(data + done, length - done);
            if (written <= 0) {
                if (m_reason.isEmpty())
                    m_reason = written < 0 ? m_file.errorString() : qt_error_string(EIO);
                setErrorString(m_reason);
                return -1;
            }
            done += written;
        }
        return done;
    }

private:
    QSaveFile m_file;
    QString m_reason;
};
