#include "database.h"
#include "filesizelimit.h"
#include "httptestserver.h"
#include "netloader.h"
#include "point.h"
#include "settings.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QNetworkProxy>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

const QString WorkingFile = QStringLiteral("the working database");

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList texts(const QSignalSpy &spy)
{
    QStringList result;
    for (const QList<QVariant> &arguments : spy)
        result.append(arguments.first().toString());
    return result;
}

class ArrivedReply : public QNetworkReply
{
public:
    explicit ArrivedReply(qint64 size)
        : m_left(size)
    {
        setAttribute(QNetworkRequest::HttpStatusCodeAttribute, 200);
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        setFinished(true);
    }
    void abort() override {}
    qint64 bytesAvailable() const override { return m_left; }

protected:
    qint64 readData(char *data, qint64 size) override
    {
        const qint64 taken = std::min({size, m_left, qint64(1000)});
        std::fill_n(data, taken, 'd');
        m_left -= taken;
        return taken;
    }

private:
    qint64 m_left;
};

} // namespace

class TestNetLoader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void downloading_data();
    void downloading();
    void failures_data();
    void failures();
    void fullFileIsWrittenAndLoaded();
    void damagedFileKeepsWorkingDatabase();
    void unwritableFile();
    void secondRequestWhileBusy();
    // Closes the database: last.
    void nothingLeftByAClose();

private:
    // Runs one download to its done() and returns the progress texts.
    QStringList download(NetLoader &loader, const HttpTestServer::Reply &reply);
    QByteArray databaseFile(int points);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
    HttpTestServer m_server;
    QString m_path;
};

void TestNetLoader::initTestCase()
{
    // The database file goes to the data folder, which lies in this process's own home.
    TestSupport::initApplication();
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
    QVERIFY(m_server.listen());
    // Without the trailing slash on purpose: the file name still lands at the root.
    Settings::setString(QStringLiteral("database/downloadUrl"), m_server.url(QString()));
    m_path = m_db->filePath();
    QVERIFY(m_path.startsWith(QDir::homePath()));
    QCOMPARE(QFileInfo(m_path).fileName(), QStringLiteral("database_v4.10.0.bin"));
}

void TestNetLoader::init()
{
    writeFile(m_path, WorkingFile.toUtf8());
}

void TestNetLoader::cleanup()
{
    QFile::remove(m_path);
    QDir(m_path).removeRecursively();
}

QStringList TestNetLoader::download(NetLoader &loader, const HttpTestServer::Reply &reply)
{
    m_server.setReply(QStringLiteral("/database_v4.10.0.bin"), reply);
    QSignalSpy started(&loader, &NetLoader::started);
    QSignalSpy progress(&loader, &NetLoader::progress);
    QSignalSpy done(&loader, &NetLoader::done);
    loader.loadAsync();
    [&] { QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000); }();
    // Nothing may follow the end of the attempt, not even when the database later reports a
    // load of its own (an import emits the same signal).
    emit m_db->loaded(true);
    QTest::qWait(50);
    [&] {
        QCOMPARE(done.count(), 1);
        QCOMPARE(started.count(), 1);
    }();
    return texts(progress);
}

void TestNetLoader::downloading_data()
{
    // clang-format off
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("text");
    QTest::newRow("quarter") << qint64(50) << qint64(200) << "Downloading database: 25%";
    QTest::newRow("truncated") << qint64(199) << qint64(200) << "Downloading database: 99%";
    QTest::newRow("unknown total") << qint64(173146112) << qint64(-1) << "Downloading database: 165.1 MB";
    QTest::newRow("large") << qint64(6'000'000'000) << qint64(8'000'000'000) << "Downloading database: 75%";
    // clang-format on
}

void TestNetLoader::downloading()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(QString, text);
    NetLoader loader(m_db.get());
    QSignalSpy progress(&loader, &NetLoader::progress);
    loader.downloading(received, total);
    QCOMPARE(texts(progress), QStringList{text});
}

void TestNetLoader::failures_data()
{
    // clang-format off
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<qint64>("sendOnly");
    // Filler after the body; the framing: "", "no length", "chunked", "gzip", "announced past...",
    // "drip", "redirect to itself", or a reason phrase ("<...").
    QTest::addColumn<qint64>("filler");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("last");

    const int full = int(NetLoader::MinimumFileSize);
    const qint64 past = 64 * 1024 * 1024;
    const QString tooLong("ERROR: cannot download database: the answer is too long");
    QTest::newRow("404") << 404 << full << 0 << qint64(-1) << qint64(0) << "" << "ERROR: cannot download database: the server answered 404 Not Found";
    QTest::newRow("server error") << 500 << full << 0 << qint64(-1) << qint64(0) << "" << "ERROR: cannot download database: the server answered 500 Internal Server Error";
    // A short body is told as too short only when the reply had no error of its own.
    QTest::newRow("server error page") << 500 << 100 << 0 << qint64(-1) << qint64(0) << "" << "ERROR: cannot download database: the server answered 500 Internal Server Error";
    QTest::newRow("server error, marked-up reason") << 503 << 100 << 0 << qint64(-1) << qint64(0) << "<b>Down</b> & out" << "ERROR: cannot download database: the server answered 503 bDownb out";
    QTest::newRow("short body") << 200 << 2000 << 0 << qint64(-1) << qint64(0) << "" << "ERROR: cannot download database: the answer is too short for a database file";
    QTest::newRow("one byte short") << 200 << full - 1 << 0 << qint64(-1) << qint64(0) << "" << "ERROR: cannot download database: the answer is too short for a database file";
    // Cut past the minimum by more than the network layer may hold unread (a few MiB).
    QTest::newRow("connection cut") << 200 << full + 8 * 1024 * 1024 << 0 << qint64(full + 4 * 1024 * 1024) << qint64(0) << ""
                                    << "ERROR: cannot download database: the server closed the connection before the end";
    QTest::newRow("compressed, connection cut") << 200 << full + 8 * 1024 * 1024 << 0 << qint64(full + 4 * 1024 * 1024) << qint64(0) << "gzip"
                                                << "ERROR: cannot download database: the server closed the connection before the end";
    QTest::newRow("redirect loop") << 302 << 0 << 0 << qint64(-1) << qint64(0) << "redirect to itself" << "ERROR: cannot download database: the server redirects in a loop";
    QTest::newRow("slow") << 200 << full << 3000 << qint64(-1) << qint64(0) << "" << "ERROR: cannot download database: the service did not answer in time";
    // Ended by the network layer's time-out; the next downloads are answered all the same.
    QTest::newRow("headers without end") << 200 << full << 0 << qint64(-1) << qint64(0) << "endless headers" << "ERROR: cannot download database: the service did not answer in time";
    // The test's bound is 24 MiB; the program's own is judged at the headers.
    QTest::newRow("announced past the largest file") << 200 << 100 << 0 << qint64(-1) << qint64(0)
                                                     << "announced past the largest file" << tooLong;
    QTest::newRow("too long, announced") << 200 << 0 << 0 << qint64(-1) << past << "" << tooLong;
    QTest::newRow("too long, no length") << 200 << 0 << 0 << qint64(-1) << past << "no length" << tooLong;
    QTest::newRow("too long, chunked") << 200 << 0 << 0 << qint64(-1) << past << "chunked" << tooLong;
    QTest::newRow("drip") << 200 << 0 << 0 << qint64(-1) << qint64(1024 * 1024) << "drip"
                          << "ERROR: cannot download database: the service did not answer in time";
    // clang-format on
}

void TestNetLoader::failures()
{
    QFETCH(int, status);
    QFETCH(int, bodySize);
    QFETCH(int, delayMs);
    QFETCH(qint64, sendOnly);
    QFETCH(qint64, filler);
    QFETCH(QString, shape);
    QFETCH(QString, last);

    HttpTestServer::Reply reply;
    reply.status = status;
    reply.body = QByteArray(bodySize, 'd');
    reply.contentType = "application/octet-stream";
    reply.delayMs = delayMs;
    reply.sendOnly = sendOnly;
    reply.filler = filler;
    reply.chunked = shape == QLatin1String("chunked");
    if (shape == QLatin1String("gzip")) {
        reply.encoding = "gzip";
        reply.body = HttpTestServer::gzip(reply.body);
    }
    if (shape == QLatin1String("no length"))
        reply.contentLength = -2;
    if (shape == QLatin1String("announced past the largest file")) {
        reply.contentLength = NetLoader::kMaximumFileSize + 1;
        reply.keepOpen = true;
    }
    if (shape == QLatin1String("drip"))
        reply.trickleMs = 20;
    reply.endlessHeaders = shape == QLatin1String("endless headers");
    if (shape == QLatin1String("redirect to itself"))
        reply.location = "/database_v4.10.0.bin";
    if (shape.startsWith(QLatin1Char('<')))
        reply.reason = shape.toLatin1();

    // What a program that ended abruptly left goes at the next start.
    writeFile(m_path + QStringLiteral(".download"), "left");
    NetLoader loader(m_db.get());
    // Short only where the server is to be slow: a busy machine may take long to read an answer.
    loader.setTransferTimeout(delayMs > 0 || reply.endlessHeaders ? 500 : 30000);
    if (shape != QLatin1String("announced past the largest file"))
        loader.setMaximumFileSize(24 * 1024 * 1024);
    loader.setDeadline(shape == QLatin1String("drip") ? 1500 : 60000);
    QElapsedTimer clock;
    clock.start();
    const QStringList progress = download(loader, reply);
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.last(), last);
    QVERIFY(!progress.contains(QStringLiteral("Writing database file...")));
    // Broken off as it arrives, not once the server is done.
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    // The working file is untouched, and nothing of the answer is left beside it.
    QCOMPARE(readFile(m_path), WorkingFile.toUtf8());
    QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files), QStringList{QFileInfo(m_path).fileName()});
    if (reply.endlessHeaders) {
        HttpTestServer::Reply gone;
        gone.status = 404;
        for (int again = 0; again < 2; ++again)
            QCOMPARE(download(loader, gone).last(),
                     "ERROR: cannot download database: the server answered 404 Not Found");
        m_server.hangUp();
    }
}

// A real database file of at least the minimum size: points whose long names hardly compress.
QByteArray TestNetLoader::databaseFile(int points)
{
    QRandomGenerator random(42);
    m_db->clear();
    m_db->beginModifying();
    for (int i = 0; i < points; ++i) {
        QString name(200, Qt::Uninitialized);
        for (QChar &c : name)
            c = QChar(char16_t(0x4E00 + random.bounded(0x5000)));
        m_db->addPoint(new Point(Point::FIX, QGeoCoordinate(random.bounded(80.0), random.bounded(170.0)),
                                 QStringLiteral("F%1").arg(i), QStringLiteral("ENRT"), QStringLiteral("ZZ"), name, 0,
                                 0.0f, QString()));
    }
    m_db->endModifying();
    const QByteArray working = readFile(m_path);
    if (!m_db->save())
        return QByteArray();
    const QByteArray bytes = readFile(m_path);
    m_db->clear();
    writeFile(m_path, working);
    return bytes;
}

void TestNetLoader::fullFileIsWrittenAndLoaded()
{
    HttpTestServer::Reply reply;
    reply.body = databaseFile(30000);
    QVERIFY(reply.body.size() >= NetLoader::MinimumFileSize);
    reply.contentType = "application/octet-stream";

    NetLoader loader(m_db.get());
    QSignalSpy databaseLoaded(m_db.get(), &Database::loaded);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QStringList progress = download(loader, reply);
        QVERIFY(progress.size() >= 4);
        QVERIFY(progress.first().startsWith(QStringLiteral("Downloading database: ")));
        QCOMPARE(progress.mid(progress.size() - 3),
                 (QStringList{"Writing database file...", "Loading database...", "Database successfully downloaded!"}));
        QCOMPARE(readFile(m_path), reply.body);
        QCOMPARE(Database::pointCount(), 30000);
    }
    // No temporary file is left beside the database.
    QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files), QStringList{QFileInfo(m_path).fileName()});
}

// A download that arrives whole but does not load keeps the working database, loaded and on disk.
void TestNetLoader::damagedFileKeepsWorkingDatabase()
{
    const QByteArray working = databaseFile(10);
    writeFile(m_path, working);
    QVERIFY(m_db->load());
    QCOMPARE(Database::pointCount(), 10);

    HttpTestServer::Reply reply;
    reply.body = QByteArray(int(NetLoader::MinimumFileSize), 'b');
    reply.body.replace(0, 9, "WAYLORE42");
    NetLoader loader(m_db.get());
    const QStringList progress = download(loader, reply);
    QCOMPARE(progress.last(), QStringLiteral("ERROR: cannot load database file!"));
    QCOMPARE(Database::pointCount(), 10);
    QVERIFY(Database::findPoint(QStringLiteral("ZZ/ENRT/F9"), false));
    QCOMPARE(readFile(m_path), working);
    QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files), QStringList{QFileInfo(m_path).fileName()});
    m_db->clear();
}

void TestNetLoader::unwritableFile()
{
    // A folder where the file should be: nothing can replace it.
    QFile::remove(m_path);
    QVERIFY(QDir().mkpath(m_path));
    HttpTestServer::Reply reply;
    reply.body = QByteArray(int(NetLoader::MinimumFileSize), 'w');
    NetLoader loader(m_db.get());
    const QStringList progress = download(loader, reply);
    // Known before anything is fetched.
    QCOMPARE(progress, QStringList{"ERROR: cannot write databasefile"});
    QVERIFY(QFileInfo(m_path).isDir());

    QVERIFY(QDir(m_path).removeRecursively());
    writeFile(m_path, WorkingFile.toUtf8());
    reply.delayMs = 60000;
    m_server.setReply(QStringLiteral("/database_v4.10.0.bin"), reply);
    NetLoader full(m_db.get());
    QSignalSpy told(&full, &NetLoader::progress);
    const qsizetype asked = m_server.requests().size();
    full.loadAsync();
    QTRY_COMPARE(m_server.requests().size(), asked + 1);
    ArrivedReply arrived(NetLoader::MinimumFileSize);
    {
        const FileSizeLimit limit(NetLoader::MinimumFileSize - 1);
        full.received(&arrived);
    }
    // The disk's own words: this limit stands for a full disk.
    QCOMPARE(texts(told), QStringList{"ERROR: cannot write databasefile: File too large"});
    QCOMPARE(readFile(m_path), WorkingFile.toUtf8());
    QCOMPARE(QDir(QFileInfo(m_path).absolutePath()).entryList(QDir::Files), QStringList{QFileInfo(m_path).fileName()});
}

void TestNetLoader::secondRequestWhileBusy()
{
    HttpTestServer::Reply reply;
    reply.status = 404;
    reply.delayMs = 200;
    const int before = m_server.requests().size();
    NetLoader loader(m_db.get());
    QSignalSpy started(&loader, &NetLoader::started);
    QSignalSpy done(&loader, &NetLoader::done);
    m_server.setReply(QStringLiteral("/database_v4.10.0.bin"), reply);
    loader.loadAsync();
    loader.loadAsync();
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 10000);
    QCOMPARE(started.count(), 1);
    QCOMPARE(m_server.requests().size(), before + 1);
    QCOMPARE(m_server.requests().last(), QStringLiteral("/database_v4.10.0.bin"));
    // Once over, a new attempt is taken.
    loader.loadAsync();
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 10000);
}

// Nothing of a download read while the program closes stays beside the working file.
void TestNetLoader::nothingLeftByAClose()
{
    const QString left = m_path + QStringLiteral(".download");
    writeFile(left, QByteArray(int(NetLoader::MinimumFileSize), 'd'));
    m_db->loadReplacementAsync(left);
    m_db.reset();
    QVERIFY(!QFile::exists(left));
}

QTEST_MAIN(TestNetLoader)
#include "tst_netloader.moc"
