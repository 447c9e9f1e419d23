#include "netloader.h"

#include "database.h"
#include "replyguard.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {

constexpr int TransferTimeoutMs = 30000;
// What the network layer holds before it is written out.
constexpr qint64 ReadBufferBytes = 1024 * 1024;
// The longest reason phrase shown beside a status: the server's own words.
constexpr qsizetype kReasonLength = 60;

// A reason phrase as a plain text: it is shown in the dialog, and the server may put anything in it.
QString plainReason(const QByteArray &phrase)
{
    QString reason;
    for (const char c : phrase.left(kReasonLength)) {
        if (QChar::isLetterOrNumber(uchar(c)) || c == ' ' || c == '-' || c == '\'')
            reason += QLatin1Char(c);
    }
    return reason.simplified();
}

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
    // Left by a program that ended while it read a download: never installed, and no later
    // download takes it up.
    if (QFileInfo(replacementPath()).isFile())
        QFile::remove(replacementPath());
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
    emit started();
    if (!openFile()) {
        emit progress(tr("ERROR: cannot write databasefile"));
        finish();
        return;
    }
    QNetworkReply *reply = ReplyGuard::get(this, QNetworkRequest(url));
    ReplyGuard::attach(reply, m_maximumFileSize, m_deadlineMs, ReadBufferBytes);
    connect(reply, &QNetworkReply::downloadProgress, this, &NetLoader::downloading);
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] {
        if (!take(reply))
            ReplyGuard::abort(reply);
    });
}

bool NetLoader::openFile()
{
    const QString target = m_database->filePath();
    // A folder where the file should be: nothing could ever replace it.
    if (QFileInfo(target).isDir()) {
        qWarning() << "Cannot replace database file" << target;
        return false;
    }
    const QString path = replacementPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_file = std::make_unique<WholeSaveFile>(path);
    m_writeFailed = false;
    m_writeError.clear();
    if (!m_file->open(QIODevice::WriteOnly)) {
        qWarning() << "Cannot open database file" << path << m_file->errorString();
        m_file.reset();
        return false;
    }
    return true;
}

bool NetLoader::take(QNetworkReply *reply)
{
    if (!m_file || m_writeFailed)
        return false;
    // Unpacked within the bound when the server sent it compressed; a read the guard breaks off
    // ends the download at once.
    for (QByteArray bytes; !(bytes = ReplyGuard::read(reply, ReadBufferBytes)).isEmpty();) {
        if (!m_file)
            return false;
        if (m_file->write(bytes) != bytes.size()) {
            qWarning() << "Cannot write database file" << m_file->fileName() << m_file->errorString();
            m_writeFailed = true;
            m_writeError = m_file->errorString();
            return false;
        }
    }
    return true;
}

void NetLoader::downloading(qint64 received, qint64 total)
{
    // Without a length, what has arrived is all there is to tell.
    const QString amount = total > 0
                               ? QString::number(int(received * 100 / total)) + QLatin1Char('%')
                               : QString::number(double(received) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
    emit progress(tr("Downloading database:") + QLatin1Char(' ') + amount);
    qInfo() << "Downloading database" << received << total;
}

void NetLoader::received(QNetworkReply *reply)
{
    if (!reply)
        return;
    const QNetworkReply::NetworkError error = reply->error();
    // A reply aborted (by the time-out too) is closed and holds nothing more.
    if (reply->isOpen())
        take(reply);
    // A reply broken off while it emits goes on emitting what it had started: the attempt is over.
    disconnect(reply, nullptr, this, nullptr);
    if (!m_busy || !m_file) {
        qWarning() << "Database reply outside a download ignored";
        return;
    }
    // Dropping the file without a commit removes what was written of it.
    const std::unique_ptr<WholeSaveFile> file = std::move(m_file);
    const qint64 size = file->size();
    qInfo() << "Download finished" << error << size;
    if (m_writeFailed) {
        emit progress(cannotWrite(m_writeError));
        finish();
        return;
    }
    // A failed write is told above: what is left cancelled is the network layer's own time-out
    // between two bytes.
    if (const QString why = ReplyGuard::failure(reply); !why.isEmpty()) {
        emit progress(tr("ERROR: cannot download database") + QStringLiteral(": ") + why);
        finish();
        return;
    }
    // A short body is an error page or a cut transfer: the reply's own error, when it has one,
    // says which.
    if (error != QNetworkReply::NoError || size < MinimumFileSize) {
        qWarning() << "Cannot download database" << error << reply->errorString() << size;
        emit progress(tr("ERROR: cannot download database") + QStringLiteral(": ") + failure(reply));
        finish();
        return;
    }
    emit progress(tr("Writing database file..."));
    if (!file->commit()) {
        qWarning() << "Cannot write database file" << file->fileName() << file->errorString();
        emit progress(cannotWrite(file->errorString()));
        finish();
        return;
    }
    qInfo() << "File written to" << file->fileName();
    emit progress(tr("Loading database..."));
    m_loadedConnection = connect(m_database, &Database::loaded, this, &NetLoader::loaded);
    m_database->loadReplacementAsync(replacementPath());
}

QString NetLoader::failure(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return tr("the server answered %1 %2")
            .arg(QString::number(status),
                 plainReason(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray()))
            .trimmed();
    switch (reply->error()) {
    case QNetworkReply::NoError:
        return tr("the answer is too short for a database file");
    case QNetworkReply::TooManyRedirectsError:
        return tr("the server redirects in a loop");
    case QNetworkReply::RemoteHostClosedError:
        return tr("the server closed the connection before the end");
    default:
        // The network layer's own words, in its own translation.
        return reply->errorString();
    }
}

QString NetLoader::cannotWrite(const QString &why)
{
    const QString text = tr("ERROR: cannot write databasefile");
    return why.isEmpty() ? text : text + QStringLiteral(": ") + why;
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

void NetLoader::discard()
{
    // Dropping the file without a commit removes what was written of it.
    m_file.reset();
    QFile::remove(replacementPath());
}

// Beside the database file, which stays in place until the new one has been read whole.
QString NetLoader::replacementPath() const
{
    return m_database->filePath() + QStringLiteral(".download");
}

void NetLoader::finish()
{
    m_busy = false;
    emit done();
}
