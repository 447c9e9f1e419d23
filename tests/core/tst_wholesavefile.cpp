#include "filesizelimit.h"
#include "testsupport.h"
#include "wholesavefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <type_traits>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

// The whole-file writer as the writers use it: through a QIODevice, as QPdfWriter and QDataStream
// take it.
class TestWholeSaveFile : public QObject
{
    Q_OBJECT

private slots:
    void writersGetNoWayPastTheChecks();
};

void TestWholeSaveFile::writersGetNoWayPastTheChecks()
{
    // QSaveFile::commit() is not virtual: a writer that could reach it would rename a short
    // file over the older one.
    static_assert(!std::is_convertible_v<WholeSaveFile *, QFileDevice *>);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QVERIFY(!TestSupport::writeFile(path, "older").isEmpty());
    const QByteArray bytes(4096, 'x');
    {
        WholeSaveFile file(path);
        QIODevice *device = &file;
        QVERIFY(!qobject_cast<QFileDevice *>(device));
        QVERIFY(device->open(QIODevice::WriteOnly));
        // A disk that fills up after 100 bytes.
        const FileSizeLimit limit(100);
        QCOMPARE(device->write(bytes), qint64(-1));
        QVERIFY(!file.commit());
        QVERIFY(!file.errorString().isEmpty());
    }
    QCOMPARE(contentOf(path), QByteArray("older"));
    {
        WholeSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        QCOMPARE(file.pos(), qint64(4096));
        QVERIFY(file.commit());
    }
    QCOMPARE(contentOf(path), bytes);
    {
        // A writing given up leaves the file as it was.
        WholeSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("new"), qint64(3));
        file.cancelWriting();
        QVERIFY(!file.commit());
    }
    QCOMPARE(contentOf(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.pdf")});
}

QTEST_GUILESS_MAIN(TestWholeSaveFile)
#include "tst_wholesavefile.moc"
