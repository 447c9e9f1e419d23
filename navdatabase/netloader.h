#pragma once

#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QString>

class Database;
class QNetworkReply;

// Fetches the ready-made database file for this application version from the file server,
// stores it beside the old one once it has arrived whole, and has the database load it: only a
// file that loads takes the old one's place, so a failed download keeps the working database.
// Every attempt ends in exactly one done(), after a progress text that tells how it ended.
class NetLoader : public QNetworkAccessManager
{
    Q_OBJECT

public:
    explicit NetLoader(Database *database);
    ~NetLoader() override;

    Q_INVOKABLE void loadAsync();

    // The file server's root ("database/downloadUrl"), always ending in "/".
    static QString serverUrl();

    // A body below this size is an error page or a cut transfer, never a database.
    static constexpr qint64 MinimumFileSize = 10 * 1024 * 1024;

signals:
    void started();
    void progress(const QString &text);
    void done();

public slots:
    void downloading(qint64 received, qint64 total);
    void received(QNetworkReply *reply);
    void loaded(bool result);

private:
    bool writeFile(const QByteArray &bytes);
    QString replacementPath() const;
    void finish();

    Database *m_database = nullptr;
    // True from loadAsync until done: one attempt at a time.
    bool m_busy = false;
    // Held only while the database loads the downloaded file, so that a later load from
    // any other source (an import) is never announced as a download.
    QMetaObject::Connection m_loadedConnection;
};
