#include "netloader.h"

#include "database.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

namespace {

constexpr int TransferTimeoutMs = 30000;

} // namespace

NetLoader::NetLoader(Database *database)
    : QNetworkAccessManager(nullptr)
    , m_database(database)
{
    if (!database)
        qFatal("Cannot create NetLoader object with NULL pointers!");
    connect(this, &QNetworkAccessManager::finished, this, &NetLoader::received);
    setAutoDeleteReplies(true);
    // A server that stops sending must not leave the database dialog busy for ever.
    setTransferTimeout(TransferTimeoutMs);
}

NetLoader::~NetLoader()
{
    QObject::disconnect(m_loadedConnection);
}

QString NetLoader::serverUrl()
{
    QString url
        = Settings::getString(QStringLiteral("database/downloadUrl"), QStringLiteral("https://data.waylore.example/"));
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

void NetLoader::loadAsync()
{
    if (m_busy) {
        qWarning() << "Database download already under way";
        return;
    }
    const QUrl url(serverUrl() + m_database->fileName(), QUrl::TolerantMode);
    qInfo() << "Start downloading database from" << url;
    m_busy = true;
    QNetworkReply *reply = get(QNetworkRequest(url));
    connect(reply, &QNetworkReply::downloadProgress, this, &NetLoader::downloading);
    emit started();
}

void NetLoader::downloading(qint64 received, qint64 total)
{
    qint64 percent = received;
    if (total > 0)
        percent = received * 100 / total;
    emit progress(tr("Downloading database:") + QLatin1Char(' ') + QString::number(int(percent)) + QLatin1Char('%'));
    qInfo() << "Downloading database" << received << total;
}

void NetLoader::received(QNetworkReply *reply)
{
    if (!reply)
        return;
    QNetworkReply::NetworkError error = reply->error();
    // A reply aborted by the time-out is closed and holds nothing.
    const QByteArray bytes = reply->isOpen() ? reply->readAll() : QByteArray();
    qInfo() << "Download finished" << error << bytes.size();
    if (!m_busy) {
        qWarning() << "Database reply outside a download ignored";
        return;
    }
    if (bytes.size() < MinimumFileSize)
        error = QNetworkReply::ContentNotFoundError;

    if (error == QNetworkReply::NoError) {
        emit progress(tr("Writing database file..."));
        if (!writeFile(bytes)) {
            emit progress(tr("ERROR: cannot write databasefile"));
            finish();
            return;
        }
        emit progress(tr("Loading database..."));
        m_loadedConnection = connect(m_database, &Database::loaded, this, &NetLoader::loaded);
        m_database->loadReplacementAsync(replacementPath());
        return;
    }

    emit progress(tr("ERROR: cannot download database") + QStringLiteral(" (code=%1)").arg(int(error)));
    finish();
}

void NetLoader::loaded(bool result)
{
    if (!m_loadedConnection)
        return;
    qInfo() << "Netloader DB async load finished with success" << result;
    QObject::disconnect(m_loadedConnection);
    m_loadedConnection = QMetaObject::Connection();
    emit progress(result ? tr("Database successfully downloaded!") : tr("ERROR: cannot load database file!"));
    finish();
}

// Beside the database file, which stays in place until the new one has been read whole.
QString NetLoader::replacementPath() const
{
    return m_database->filePath() + QStringLiteral(".download");
}

bool NetLoader::writeFile(const QByteArray &bytes)
{
    const QString target = m_database->filePath();
    // A folder where the file should be: nothing could ever replace it.
    if (QFileInfo(target).isDir()) {
        qWarning() << "Cannot replace database file" << target;
        return false;
    }
    const QString path = replacementPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning() << "Cannot open database file" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qWarning() << "Cannot write database file" << path << file.errorString();
        return false;
    }
    qInfo() << "File written to" << path;
    return true;
}

void NetLoader::finish()
{
    m_busy = false;
    emit done();
}
