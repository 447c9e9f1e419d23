#include "filesizelimit.h"
#include "markingtranslator.h"
#include "settings.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPoint>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

// This suite clears the whole store, so it works on a store of its own: suites of other
// subsystems may run in parallel against the program's test store.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void absentKeyGivesDefault_data();
    void absentKeyGivesDefault();
    void roundTrip_data();
    void roundTrip();
    void convertsBetweenTypes();
    void clearErasesEverything();
    void dumpListsEveryKey();
    void secondInstanceAfterDestruction();
    void concurrentAccessFromThreads();
    void storeFailuresAreTold_data();
    void storeFailuresAreTold();
    void everyKeyTheLinesStateIsKept();
    void limitKeepsTheSuiteOutput();

private:
    std::unique_ptr<Settings> m_settings;
};

void TestSettings::initTestCase()
{
    TestSupport::initApplication();
    QCoreApplication::setApplicationName(QStringLiteral("Waylore-tst_settings"));
    m_settings = std::make_unique<Settings>();
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(QDir::home().filePath(QStringLiteral("xdg"))));
}

void TestSettings::cleanupTestCase()
{
    m_settings->clear();
    const QString file = QSettings().fileName();
    m_settings.reset();
    QFile::remove(file);
    QFile::remove(file + QLatin1String(".previous"));
}

void TestSettings::init()
{
    m_settings->clear();
}

void TestSettings::absentKeyGivesDefault_data()
{
    // clang-format off
    QTest::addColumn<QString>("type");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::newRow("int") << "int" << QVariant(42);
    QTest::newRow("string") << "string" << QVariant(QStringLiteral("def"));
    QTest::newRow("url") << "url" << QVariant(QUrl(QStringLiteral("https://example.org/x")));
    QTest::newRow("bytearray") << "bytearray" << QVariant(QByteArray("\x01\x02", 2));
    QTest::newRow("double") << "double" << QVariant(2.5);
    QTest::newRow("bool") << "bool" << QVariant(true);
    // clang-format on
}

static QVariant readTyped(const QString &type, const QString &key, const QVariant &def)
{
    if (type == QLatin1String("int"))
        return Settings::getInt(key, def.toInt());
    if (type == QLatin1String("string"))
        return Settings::getString(key, def.toString());
    if (type == QLatin1String("url"))
        return Settings::getUrl(key, def.toUrl());
    if (type == QLatin1String("bytearray"))
        return Settings::getByteArray(key, def.toByteArray());
    if (type == QLatin1String("double"))
        return Settings::getDouble(key, def.toDouble());
    return Settings::getBool(key, def.toBool());
}

static void writeTyped(const QString &type, const QString &key, const QVariant &value)
{
    if (type == QLatin1String("int"))
        Settings::setInt(key, value.toInt());
    else if (type == QLatin1String("string"))
        Settings::setString(key, value.toString());
    else if (type == QLatin1String("url"))
        Settings::setUrl(key, value.toUrl());
    else if (type == QLatin1String("bytearray"))
        Settings::setByteArray(key, value.toByteArray());
    else if (type == QLatin1String("double"))
        Settings::setDouble(key, value.toDouble());
    else
        Settings::setBool(key, value.toBool());
}

void TestSettings::absentKeyGivesDefault()
{
    QFETCH(QString, type);
    QFETCH(QVariant, defaultValue);
    QCOMPARE(readTyped(type, QStringLiteral("test/absent"), defaultValue), defaultValue);
}

void TestSettings::roundTrip_data()
{
    // clang-format off
    QTest::addColumn<QString>("type");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::newRow("int") << "int" << QVariant(-123456) << QVariant(0);
    QTest::newRow("string with separators") << "string" << QVariant(QStringLiteral("a,b;c=d/é")) << QVariant(QString());
    QTest::newRow("url") << "url" << QVariant(QUrl(QStringLiteral("https://example.org/p?q=1"))) << QVariant(QUrl());
    QTest::newRow("bytearray binary") << "bytearray" << QVariant(QByteArray("\x00\xff\x10", 3)) << QVariant(QByteArray());
    QTest::newRow("double") << "double" << QVariant(48.353783123456789) << QVariant(0.0);
    QTest::newRow("bool false over true default") << "bool" << QVariant(false) << QVariant(true);
    // clang-format on
}

void TestSettings::roundTrip()
{
    QFETCH(QString, type);
    QFETCH(QVariant, value);
    QFETCH(QVariant, defaultValue);
    const QString key = QStringLiteral("test/") + type;
    writeTyped(type, key, value);
    QCOMPARE(readTyped(type, key, defaultValue), value);
}

void TestSettings::convertsBetweenTypes()
{
    Settings::setInt(QStringLiteral("units/mass"), 1);
    QCOMPARE(Settings::getString(QStringLiteral("units/mass"), QStringLiteral("x")), QStringLiteral("1"));
    Settings::setString(QStringLiteral("test/number"), QStringLiteral("8"));
    QCOMPARE(Settings::getInt(QStringLiteral("test/number"), 3), 8);
    // A value that does not convert is 0, not the default: the key exists.
    Settings::setString(QStringLiteral("test/word"), QStringLiteral("abc"));
    QCOMPARE(Settings::getInt(QStringLiteral("test/word"), 3), 0);
}

void TestSettings::clearErasesEverything()
{
    Settings::setInt(QStringLiteral("test/a"), 5);
    Settings::setBool(QStringLiteral("other/b"), true);
    m_settings->clear();
    QCOMPARE(Settings::getInt(QStringLiteral("test/a"), 9), 9);
    QCOMPARE(Settings::getBool(QStringLiteral("other/b"), false), false);
    QVERIFY(Settings::dump().isEmpty());
}

void TestSettings::dumpListsEveryKey()
{
    QVERIFY(Settings::dump().isEmpty());
    Settings::setInt(QStringLiteral("tracking/xpPort"), 49000);
    Settings::setString(QStringLiteral("window/title"), QStringLiteral("t"));
    const QHash<QString, QVariant> dump = Settings::dump();
    QCOMPARE(dump.size(), 2);
    QCOMPARE(dump.value(QStringLiteral("tracking/xpPort")).toInt(), 49000);
    QCOMPARE(dump.value(QStringLiteral("window/title")).toString(), QStringLiteral("t"));
}

void TestSettings::secondInstanceAfterDestruction()
{
    // The store outlives its object: a new instance sees what the old one wrote.
    Settings::setInt(QStringLiteral("test/kept"), 7);
    m_settings.reset();
    m_settings = std::make_unique<Settings>();
    QCOMPARE(Settings::getInt(QStringLiteral("test/kept"), 0), 7);
}

void TestSettings::concurrentAccessFromThreads()
{
    constexpr int threadCount = 8;
    constexpr int rounds = 400;
    std::atomic<int> mismatches{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([t, &mismatches] {
            const QString own = QStringLiteral("thread%1/value").arg(t);
            for (int i = 0; i < rounds; ++i) {
                Settings::setInt(own, i);
                Settings::setString(QStringLiteral("shared/text"), QString::number(t * rounds + i));
                if (Settings::getInt(own, -1) != i)
                    ++mismatches;
                Settings::getString(QStringLiteral("shared/text"));
                if (i % 50 == 0)
                    Settings::dump();
            }
        }));
    }
    for (auto &thread : threads)
        thread->start();
    // The main thread keeps writing and lets the store write itself back meanwhile.
    for (int i = 0; i < rounds; ++i) {
        Settings::setDouble(QStringLiteral("main/value"), i);
        QCoreApplication::processEvents();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(60000));

    QCOMPARE(mismatches.load(), 0);
    for (int t = 0; t < threadCount; ++t)
        QCOMPARE(Settings::getInt(QStringLiteral("thread%1/value").arg(t), -1), rounds - 1);
    QCOMPARE(Settings::getDouble(QStringLiteral("main/value"), -1), double(rounds - 1));
}

void TestSettings::storeFailuresAreTold_data()
{
    // clang-format off
    QTest::addColumn<QString>("at");        // in the home; another than the pilot's, beside the pilot's whole one
    QTest::addColumn<QByteArray>("stored"); // the file at the start; "|": a named pipe
    QTest::addColumn<qint64>("grownTo");    // its size made this with nothing written, 0: as it is
    QTest::addColumn<int>("fileLimit"); // bytes a file may take (as the store is made, where it cannot be mended); 0: the
                                        // file cut to nothing; -1: after the last write-back, a line the store cannot
                                        // read put in by another writer
    QTest::addColumn<QByteArray>("left");   // at the place once the store is made; empty: nothing, "|": the pipe
    QTest::addColumn<QString>("problem");   // "^$": none, and the file's key read
    const QByteArray garbage = QByteArrayLiteral("\xff\xfe\x00[section without its end\nkey=\x01\x02\n");
    const QByteArray whole("[test]\nkept=7\n");
    const QString none = QStringLiteral("^$");
    const QString own = QStringLiteral("settings/Corvel/Waylore-tst_settings.conf");
    const QString shared = QStringLiteral("settings/Corvel.conf");
    const QString qts = QStringLiteral("settings/QtProject.conf");
    const QString unwritten = QStringLiteral("^The preferences cannot be written to .+: the disk may be full .+$");
    const QString setAside = QStringLiteral("^The preferences file .+/Waylore-tst_settings.conf cannot be read. It is kept as .+\\.unreadable-\\d{8}-\\d{6}, .+default preferences.$");
    const QString otherAside = QStringLiteral("^The preferences file .+/%1 cannot be read. It is kept as .+\\.unreadable-\\d{8}-\\d{6}, and the program does without it.$");
    const QString sharedAside = otherAside.arg(QLatin1String("settings/Corvel.conf"));
    const auto lines = [](const QString &numbers, const QString &file, const QString &texts) {
        return QStringLiteral("^Lines? %1 of the preferences file .+/%2 cannot be read: %3. Every other preference is kept, and the file as it was is kept as .+/%2\\.unreadable-\\d{8}-\\d{6}.$").arg(numbers, QRegularExpression::escape(file), texts);
    };
    const QString ownFile = QStringLiteral("Waylore-tst_settings.conf");
    QTest::newRow("unreadable file") << own << garbage << 0LL << 0 << QByteArray("key=\x01\x02\n") << lines("1", ownFile, "\"\uFFFD\uFFFD\uFFFD\\[section without its end\"");
    QTest::newRow("a quote left open") << own << QByteArray("[test]\nkept=7\n[ui]\nlanguage=fr\npilotName=\"Jean Dupont\n[units]\nmass=1\n") << 0LL << 0 << QByteArray("[test]\nkept=7\n[ui]\nlanguage=fr\n[units]\nmass=1\n") << lines("5", ownFile, "\"pilotName=\"Jean Dupont\"");
    QTest::newRow("two quote lines above a quoted list") << own << QByteArray("[General]\npath=\n\"remember: the list below is mine\nkeep it\"\n[airplanes]\nlist=\"A320, heavy\", B738\n[test]\nkept=7\n") << 0LL << 0 << QByteArray("[General]\npath=\n[airplanes]\nlist=\"A320, heavy\", B738\n[test]\nkept=7\n") << lines("3, 4", ownFile, "\"\"remember: the list below is mine\", \"keep it\"\"");
    QTest::newRow("lines ended by CR alone") << own << QByteArray("[test]\rkept=7\rA note of mine\rmore=8\r") << 0LL << 0 << QByteArray("[test]\rkept=7\rmore=8\r") << lines("3", ownFile, "\"A note of mine\"");
    QTest::newRow("no room for the mend") << own << QByteArray("[test]\nkept=7\nA note of mine\n") << 0LL << 8 << QByteArray("[test]\nkept=7\nA note of mine\n") << QStringLiteral("^The preferences file .+/Waylore-tst_settings.conf has lines that cannot be read, and they cannot be left out: the disk is full. The file is kept as it is, .+$");
    QTest::newRow("more lines than told") << own << QByteArray("a\nb\nc\nd\ne\nf\n[test]\nkept=7\n") << 0LL << 0 << whole << lines("1, 2, 3, 4, 5, …", ownFile, "\"a\", \"b\", \"c\", \"d\", \"e\", …");
    QTest::newRow("3 GiB") << own << whole << (3LL << 30) << 0 << QByteArray() << setAside;
    QTest::newRow("shared unreadable") << shared << garbage << 0LL << 0 << QByteArray("key=\x01\x02\n") << lines("1", QStringLiteral("Corvel.conf"), "\".+\"");
    QTest::newRow("shared: a quote left open last") << shared << QByteArray("[test]\nshared=5\nnote=\"open\n") << 0LL << 0 << QByteArray("[test]\nshared=5\n") << lines("3", QStringLiteral("Corvel.conf"), "\"note=\"open\"");
    QTest::newRow("shared pipe") << shared << QByteArray("|") << 0LL << 0 << QByteArray() << sharedAside;
    QTest::newRow("Qt's store unreadable") << qts << garbage << 0LL << 0 << QByteArray("key=\x01\x02\n") << lines("1", QStringLiteral("QtProject.conf"), "\".+\"");
    QTest::newRow("Qt's store: section without ]") << qts << QByteArray("[FileDialog\nviewMode=Detail\n") << 0LL << 0 << QByteArray("[FileDialog]\nviewMode=Detail\n") << lines("1", QStringLiteral("QtProject.conf"), "\"\\[FileDialog\"");
    QTest::newRow("Qt's logging rules 3 GiB") << QStringLiteral(".qttest/config/QtProject/qtlogging.ini") << whole << (3LL << 30) << 0 << QByteArray() << otherAside.arg(QLatin1String("QtProject/qtlogging.ini"));
    QTest::newRow("system-wide pipe") << QStringLiteral("xdg/Corvel.conf") << QByteArray("|") << 0LL << 0 << QByteArray("|") << none;
    QTest::newRow("damaged by another writer") << own << whole << 0LL << -1 << whole << none;
    QTest::newRow("write cut short") << own << whole << 0LL << 100 << whole << unwritten;
    QTest::newRow("write cut to nothing") << own << whole << 0LL << 0 << whole << unwritten;
    // clang-format on
}

void TestSettings::storeFailuresAreTold()
{
    QFETCH(QString, at);
    QFETCH(QByteArray, stored);
    QFETCH(qint64, grownTo);
    QFETCH(int, fileLimit);
    QFETCH(QByteArray, left);
    QFETCH(QString, problem);
    const QString file = QSettings().fileName();
    at = QDir::home().filePath(at);
    const bool shared = at != file;
    const bool unreadable = problem.contains(QLatin1String("unreadable"));
    const bool writeFails = problem.contains(QLatin1String("cannot be written"));
    m_settings.reset();
    QVERIFY(QDir().mkpath(QFileInfo(file).path()) && QDir().mkpath(QFileInfo(at).path()));
    QVERIFY(!shared || !TestSupport::writeFile(file, "[test]\nkept=7\n").isEmpty());
    QVERIFY(stored == "|" ? ::mkfifo(QFile::encodeName(at).constData(), 0600) == 0
                          : !TestSupport::writeFile(at, stored).isEmpty());
    QVERIFY(grownTo == 0 || QFile::resize(at, grownTo));
    {
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        const AddressSpaceLimit limit(TestSupport::mappedBytes() + 256 * 1024 * 1024);
#endif
        const FileSizeLimit full(problem.contains(QLatin1String("disk is full")) ? fileLimit : -1);
        Settings::setAsideBeforeStart();
        m_settings = std::make_unique<Settings>();
    }
    QFile mended(at);
    QCOMPARE(left == "|" || left.isEmpty() ? QFileInfo::exists(at) : mended.open(QIODevice::ReadOnly), !left.isEmpty());
    QVERIFY(!mended.isOpen() || mended.readAll() == left);
    QCOMPARE(Settings::getInt(QStringLiteral("test/kept")), shared || left.contains("kept=7") ? 7 : 0);
    { // installed once the store has read the language chosen
        const QString untranslated = m_settings->problem();
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        const QString marked = m_settings->problem();
        QCOMPARE(QString(marked).remove(QLatin1Char('<')).remove(QLatin1Char('>')), untranslated);
        QCOMPARE(marked.startsWith(QLatin1Char('<')) && marked.endsWith(QLatin1Char('>')), !untranslated.isEmpty());
        // Each line quoted as the language quotes.
        QCOMPARE(marked.count(QLatin1String("<\"")), untranslated.startsWith(QLatin1String("Lines "))
                                                         ? untranslated.count(QLatin1String("\", \"")) + 1
                                                         : 0);
    }
    QSignalSpy told(m_settings.get(), &Settings::problemChanged);
    Settings::setString(QStringLiteral("test/text"), QString(300, QLatin1Char('x')));
    if (writeFails && fileLimit == 0) {
        QSettings().sync();
        QVERIFY(QFile::resize(file, 0));
        QSettings().sync();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    } else if (writeFails) {
        const FileSizeLimit limit(fileLimit);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        Settings::setString(QStringLiteral("test/more"), QString(300, QLatin1Char('y')));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
    QCOMPARE(told.count(), writeFails ? 1 : 0);
    QVERIFY2(QRegularExpression(problem).match(m_settings->problem()).hasMatch(), qPrintable(m_settings->problem()));
    const QDir folder = QFileInfo(at).dir();
    const QStringList aside
        = folder.entryList({QFileInfo(at).fileName() + ".unreadable-*"}, QDir::System | QDir::Files);
    QCOMPARE(aside.size(), unreadable ? 1 : 0);
    QFile kept(unreadable ? folder.filePath(aside.value(0)) : file);
    QVERIFY(stored == "|" || kept.open(QIODevice::ReadOnly));
    const QByteArray whole = unreadable ? stored : left;
    QVERIFY(!kept.isOpen() || kept.size() == (grownTo ? grownTo : whole.size()));
    QVERIFY(!kept.isOpen() || kept.read(whole.size()) == whole);
    QVERIFY(!unreadable || kept.remove());
    QVERIFY(!shared || !QFileInfo::exists(at) || QFile::remove(at));
    Settings::setInt(QStringLiteral("test/kept"), 9);
    if (fileLimit < 0) { // left so, the file would be set aside at the next start
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QVERIFY(!TestSupport::writeFile(file + ".new", "[test]\nkept=9\ngarbage\n").isEmpty());
        QVERIFY(QFile::remove(file) && QFile::rename(file + ".new", file));
    }
    m_settings.reset();
    QVERIFY(!QFile::exists(file + QLatin1String(".previous")));
    QFile back(file);
    QVERIFY(back.open(QIODevice::ReadOnly) && !back.readAll().contains("garbage"));
    QCOMPARE(QSettings().value(QStringLiteral("test/kept")).toInt(), 9);
    m_settings = std::make_unique<Settings>();
    QVERIFY(m_settings->problem().isEmpty());
}

// Files put together from every kind of line the store reads or refuses, at every place, with
// each kind of line end: after the mend the store holds exactly the keys the lines state on their
// own, with their values, and the lines left out are told by their numbers.
void TestSettings::everyKeyTheLinesStateIsKept()
{
    struct Kind
    {
        QByteArray text;     // its lines; "K": the key's name, "S": a section's
        QByteArray key = {}; // the key it states; empty: none
        QVariant value = {};
        QList<int> told = {};  // its lines left out or mended
        bool lastOnly = false; // states its key only as the file's last line, without a break
    };
    QList<Kind> kinds = {
        {"K=plain value", "K", QStringLiteral("plain value")},
        {"K = spaced out ", "K", QStringLiteral("spaced out")},
        {"# K = b", "# K", QStringLiteral("b")},
        {"K=before;after \"", "K", QStringLiteral("before")},
        {"K=\"one two\"", "K", QStringLiteral("one two")},
        {"K=#1 [x]", "K", QStringLiteral("#1 [x]")},
        {"K=abc\\\ndef", "K", QStringLiteral("abcdef")},
        {""},
        {"; a \"note\" = ["},
        {"[General]", "S"},
        {"[S]", "S"},
        {"[S", "S", {}, {0}},
        {"A note of mine", {}, {}, {0}},
        {"# note", {}, {}, {0}},
        {"\"", {}, {}, {0}},
        {"word\\", {}, {}, {0}},
        {"\"remember: the list below is mine\nkeep it\"", {}, {}, {0, 1}},
        {"K=\"two\nlines\"", {}, {}, {0, 1}},
        {"K=\"Jean Dupont", "K", QStringLiteral("Jean Dupont"), {0}, true},
    };
    // Lines the store writes itself: it reads each value back as it was given, a number as text.
    const QVariantList written = {QStringLiteral("a=b;c"),
                                  QStringLiteral(" two\nlines, \"quoted\" #1 [x] \u00e9 "),
                                  QStringList{QStringLiteral("A320"), QStringLiteral("B738, heavy")},
                                  QByteArray("\0\xff=;\"\\", 6),
                                  QPoint(3, -4),
                                  QString(),
                                  42};
    const QString scratch = QDir::home().filePath(QStringLiteral("written.ini"));
    for (const QVariant &value : written) {
        QFile::remove(scratch);
        QSettings(scratch, QSettings::IniFormat).setValue(QStringLiteral("K"), value);
        QFile file(scratch);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray line = file.readAll().split('\n').value(1);
        QVERIFY2(line.startsWith("K="), line.constData());
        kinds.append({line, "K", value.typeId() == QMetaType::Int ? QVariant(value.toString()) : value});
    }
    // A store in memory where the system has one: each start writes its mend whole, synced.
    m_settings.reset();
    const QTemporaryDir memory(QDir(QStringLiteral("/dev/shm")).exists()
                                   ? QStringLiteral("/dev/shm/tst_settings-XXXXXX")
                                   : QDir::home().filePath(QStringLiteral("XXXXXX")));
    const auto setPath = [](const QString &path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    };
    setPath(memory.path());
    const QString application = QCoreApplication::applicationName();
    const auto back = qScopeGuard([&] {
        m_settings.reset();
        QCoreApplication::setApplicationName(application);
        setPath(QDir::home().filePath(QStringLiteral("settings")));
        m_settings = std::make_unique<Settings>();
    });
    // What the store logs of each file is no part of the case.
    const QtMessageHandler logged
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const auto logAgain = qScopeGuard([logged] { qInstallMessageHandler(logged); });
    const QByteArray ends[] = {"\n", "\r\n", "\r"};
    QRandomGenerator random(68);
    for (int round = 0; round < 2000; ++round) {
        // A file of its own: the store keeps what it read of a file as long as its size and time
        // (to the millisecond) are the same.
        QCoreApplication::setApplicationName(application + QString::number(round));
        const QString store = QSettings().fileName();
        const QByteArray end = ends[round % 3];
        QByteArray text = random.bounded(4) == 0 ? QByteArray("\xef\xbb\xbf") : QByteArray();
        QHash<QString, QVariant> kept;
        QStringList told;
        QString section;
        int line = 1;
        const int count = random.bounded(1, 12);
        const bool ended = random.bounded(3) != 0;
        for (int i = 0; i < count; ++i) {
            const Kind &kind = kinds[random.bounded(kinds.size())];
            const QByteArray name = (kind.text.startsWith('[') ? "s" : "k") + QByteArray::number(i);
            QByteArray lines = kind.text;
            lines.replace('\n', end).replace('K', name).replace('S', name);
            text += lines;
            const bool last = i == count - 1 && !ended;
            if (!last)
                text += end;
            const QString key = QString::fromUtf8(QByteArray(kind.key).replace('K', name).replace('S', name));
            if (kind.text.startsWith('['))
                section = kind.text == "[General]" ? QString() : key + QLatin1Char('/');
            else if (!key.isEmpty() && (!kind.lastOnly || last))
                kept.insert(section + key, kind.value);
            for (const int offset : kind.told) {
                if (!kind.lastOnly || !last)
                    told << QString::number(line + offset);
            }
            line += int(kind.text.count('\n')) + 1;
        }
        m_settings.reset();
        QVERIFY(QDir().mkpath(QFileInfo(store).path()) && !TestSupport::writeFile(store, text).isEmpty());
        m_settings = std::make_unique<Settings>();
        const QString problem = m_settings->problem();
        const QString shown = told.first(std::min<qsizetype>(told.size(), 5)).join(QLatin1String(", "))
                              + (told.size() > 5 ? QStringLiteral(", …") : QString());
        const QString expected = told.isEmpty() ? QString()
                                                : QLatin1String(told.size() > 1 ? "Lines " : "Line ") + shown
                                                      + QLatin1String(" of the preferences file ");
        const QByteArray generated = QByteArray(text).replace('\r', "\\r").replace('\n', "\\n");
        QVERIFY2(Settings::dump() == kept, generated.constData());
        QVERIFY2(problem.startsWith(expected) && problem.isEmpty() == told.isEmpty(),
                 qPrintable(QString::fromUtf8(generated) + QLatin1String(": ") + problem));
        QFile file(store);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(!told.isEmpty() || file.readAll() == text.sliced(text.startsWith("\xef") ? 3 : 0),
                 generated.constData());
        for (const QString &aside : QFileInfo(store).dir().entryList({QFileInfo(store).fileName() + ".unreadable-*"}))
            QVERIFY(QFileInfo(store).dir().remove(aside));
    }
}

// A failure told inside a file size limit reaches the suite's log file all the same.
void TestSettings::limitKeepsTheSuiteOutput()
{
    QTemporaryFile log;
    QVERIFY(log.open());
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(log.handle(), STDOUT_FILENO);
    {
        const FileSizeLimit limit(1);
        std::fputs("FAIL!  : told inside the limit\n", stdout);
        std::fflush(stdout);
    }
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    QVERIFY(log.seek(0));
    QCOMPARE(log.readAll(), QByteArray("FAIL!  : told inside the limit\n"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
