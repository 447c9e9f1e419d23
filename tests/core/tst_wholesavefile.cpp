#include "filesizelimit.h"
#include "testsupport.h"
#include "wholesavefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <type_traits>

class TestWholeSaveFile : public QObject
{
    Q_OBJECT

private slots:
    void writersGetNoWayPastTheChecks();
};

// Handed on as a QIODevice, as QPdfWriter and QDataStream take it, the file offers no
// QSaveFile::commit(), which is not virtual and would rename a short file over the older one.
void TestWholeSaveFile::writersGetNoWayPastTheChecks()
{
    static_assert(!std::is_convertible_v<WholeSaveFile *, QFileDevice *>);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.pdf"));
    QVERIFY(!TestSupport::writeFile(path, "older").isEmpty());
    {
        WholeSaveFile file(path);
        QIODevice *device = &file;
        QVERIFY(!qobject_cast<QFileDevice *>(device));
        QVERIFY(device->open(QIODevice::WriteOnly));
        // A disk that fills up after 100 bytes.
        const FileSizeLimit limit(100);
        QCOMPARE(device->write(QByteArray(4096, 'x')), qint64(-1));
        QVERIFY(!file.commit());
    }
    QFile older(path);
    QVERIFY(older.open(QIODevice::ReadOnly));
    QCOMPARE(older.readAll(), QByteArray("older"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.pdf")});
}

QTEST_GUILESS_MAIN(TestWholeSaveFile)
#include "tst_wholesavefile.moc"
