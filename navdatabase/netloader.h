#pragma once

#include "wholesavefile.h"

#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QString>

#include <memory>

class Database;
class QNetworkReply;

// Fetches the ready-made database file for this application version from the file server,
// writes it as it arrives to a temporary file beside the old one, and has the database load it
// once it has arrived whole: only a file that loads takes the old one's place, so a failed
// download keeps the working database. The answer never passes through memory whole, and one
// longer than any database file, or slower than the deadline, is broken off as it arrives.
// Every attempt ends in exactly one done(), after a progress text that tells how it ended.
class NetLoader : public QNetworkAccessManager
{
    Q_OBJECT

public:
    explicit NetLoader(Database *database);
    ~NetLoader() override;

    Q_INVOKABLE void loadAsync();
    // At the program's quit, which installs nothing: the download being written and the
    // downloaded file the database may be reading go, so that nothing stays beside the database.
    void discard();

    // The file server's root ("database/downloadUrl"), always ending in "/".
    static QString serverUrl();

    // A body below this size is an error page or a cut transfer, never a database.
    static constexpr qint64 MinimumFileSize = 10 * 1024 * 1024;
    // The whole world's file is some 40 MB; six times that leaves room for growth, and anything
    // longer is no database file.
    static constexpr qint64 kMaximumFileSize = 256 * 1024 * 1024;
    // The whole file must have arrived by then: a server that trickles bytes keeps the time-out
    // between two of them from ever running out.
    static constexpr int kDeadlineMs = 30 * 60 * 1000;

    // Tests bound the download more tightly.
    void setMaximumFileSize(qint64 bytes) { m_maximumFileSize = bytes; }
    void setDeadline(int ms) { m_deadlineMs = ms; }

signals:
    void started();
    void progress(const QString &text);
    void done();

public slots:
    void downloading(qint64 received, qint64 total);
    void received(QNetworkReply *reply);
    void loaded(bool result);

private:
    // Opens the temporary file the answer is written to; false when the database file cannot
    // be replaced.
    bool openFile();
    // Writes what has arrived; false when the disk refuses it.
    bool take(QNetworkReply *reply);
    QString replacementPath() const;
    void finish();
    // Why a reply that ended brought no database, in words: the network layer's codes read as
    // HTTP statuses they are not.
    static QString failure(const QNetworkReply *reply);
    // The file could not be written, with the reason when there is one.
    static QString cannotWrite(const QString &why);

    Database *m_database = nullptr;
    // True from loadAsync until done: one attempt at a time.
    bool m_busy = false;
    // Held only while the database loads the downloaded file, so that a later load from
    // any other source (an import) is never announced as a download.
    QMetaObject::Connection m_loadedConnection;
    // The download as it arrives, while an attempt runs.
    std::unique_ptr<WholeSaveFile> m_file;
    bool m_writeFailed = false;
    // Why the disk refused it ("No space left on device"), for the pilot.
    QString m_writeError;
    qint64 m_maximumFileSize = kMaximumFileSize;
    int m_deadlineMs = kDeadlineMs;
};
