#include "logging.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Child process: logs into the file named by the environment, then a fatal message.
int runFatalCase(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile file(QString::fromLocal8Bit(qgetenv("WAYLORE_LOG_TEST_FILE")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return 0;
    Logging::install(&file);
    qWarning("before the end");
    qFatal("Cannot create Test object with NULL pointers!");
    return 0;
}

} // namespace

class TestLogging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void lineFormat_data();
    void lineFormat();
    void logFileIsTruncatedPerRun();
    void threadsWriteWholeLines();
    void uninstallDetachesTheFile();
    void unopenedFileLosesLines();
    void fatalFlushesThenAborts();

private:
    QTemporaryDir m_dir;
};

void TestLogging::initTestCase()
{
    TestSupport::initApplication();
    QVERIFY(m_dir.isValid());
}

void TestLogging::cleanup()
{
    Logging::uninstall();
}

void TestLogging::lineFormat_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("debug") << int(QtDebugMsg) << "Select from \"map\"" << " Debug: Select from \"map\"";
    QTest::newRow("info") << int(QtInfoMsg) << "Running" << " Info: Running";
    QTest::newRow("warning") << int(QtWarningMsg) << "Point with UID" << " Warning: Point with UID";
    QTest::newRow("critical") << int(QtCriticalMsg) << "Unable to open" << " Critical: Unable to open";
    QTest::newRow("several lines") << int(QtWarningMsg) << "one\ntwo" << " Warning: one\ntwo";
    QTest::newRow("non-ascii") << int(QtInfoMsg) << "Zürich – 5 °C" << " Info: Zürich – 5 °C";
    // clang-format on
}

void TestLogging::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QStringLiteral("format.log"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    Logging::install(&file);
    const QString before = QTime::currentTime().toString(Qt::TextDate);
    Logging::messageHandler(QtMsgType(type), QMessageLogContext(), text);
    const QString after = QTime::currentTime().toString(Qt::TextDate);
    Logging::uninstall();
    QFile read(path);
    QVERIFY(read.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString content = QString::fromUtf8(read.readAll());
    QVERIFY2(content == before + expected + "\n" || content == after + expected + "\n", qPrintable(content));
}

void TestLogging::logFileIsTruncatedPerRun()
{
    const QString path = Logging::logFilePath();
    QCOMPARE(path, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Waylore.log"));
    for (const char *run : {"first run", "second run"}) {
        QFile file(path);
        QVERIFY(Logging::openLogFile(&file));
        Logging::install(&file);
        qInfo("%s", run);
        Logging::uninstall();
    }
    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().endsWith(QStringLiteral(" Info: second run")));
}

void TestLogging::threadsWriteWholeLines()
{
    const QString path = m_dir.filePath(QStringLiteral("threads.log"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    Logging::install(&file);
    const int count = 10000;
    auto writer = [](char name) {
        return QThread::create([name] {
            for (int i = 0; i < count; ++i)
                qInfo("thread %c line %d of a message long enough to be cut if two writers shared the stream", name, i);
        });
    };
    std::unique_ptr<QThread> a(writer('A'));
    std::unique_ptr<QThread> b(writer('B'));
    a->start();
    b->start();
    QVERIFY(a->wait(60000));
    QVERIFY(b->wait(60000));
    Logging::uninstall();

    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 2 * count);
    static const QRegularExpression whole(
        QStringLiteral("^\\d\\d:\\d\\d:\\d\\d Info: thread ([AB]) line (\\d+) of a message long enough to be cut if "
                       "two writers shared the stream$"));
    int next[2] = {0, 0};
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = whole.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const int thread = m.captured(1) == QLatin1String("A") ? 0 : 1;
        QCOMPARE(m.captured(2).toInt(), next[thread]++);
    }
}

void TestLogging::uninstallDetachesTheFile()
{
    const QString path = m_dir.filePath(QStringLiteral("detach.log"));
    {
        auto file = std::make_unique<QFile>(path);
        QVERIFY(file->open(QIODevice::WriteOnly | QIODevice::Text));
        Logging::install(file.get());
        qWarning("while open");
        Logging::uninstall();
    }
    // The file object is gone: later messages go to Qt's default output, not through it.
    TestSupport::captureMessages();
    qWarning("after the file died");
    TestSupport::releaseMessages();
    QCOMPARE(TestSupport::capturedMessages(), QStringList{QStringLiteral("after the file died")});
    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().endsWith(QStringLiteral(" Warning: while open")));
}

// The program runs on without a log when the file cannot be opened.
void TestLogging::unopenedFileLosesLines()
{
    QFile file(m_dir.filePath(QStringLiteral("missing/folder/never.log")));
    QVERIFY(!file.open(QIODevice::WriteOnly | QIODevice::Text));
    Logging::install(&file);
    qWarning("lost");
    qInfo("lost too");
    Logging::uninstall();
    QVERIFY(!QFile::exists(file.fileName()));
}

void TestLogging::fatalFlushesThenAborts()
{
    const QString path = m_dir.filePath(QStringLiteral("fatal.log"));
    qputenv("WAYLORE_LOG_TEST_FILE", path.toLocal8Bit());
    QByteArray standardError;
    QVERIFY(TestSupport::runFatalCase("fatal", &standardError));
    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).endsWith(QStringLiteral(" Warning: before the end")));
    QVERIFY(lines.at(1).endsWith(QStringLiteral(" Fatal: Cannot create Test object with NULL pointers!")));
    // Nothing is echoed to a console.
    QVERIFY2(!standardError.contains("before the end"), standardError.constData());
}

int main(int argc, char *argv[])
{
    if (!qgetenv("WAYLORE_FATAL_CASE").isEmpty())
        return runFatalCase(argc, argv);
    QCoreApplication app(argc, argv);
    TestLogging test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_logging.moc"
