#include "basemodel.h"
#include "database.h"
#include "fixreader.h"
#include "point.h"
#include "settings.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

#include <memory>

using TestSupport::recordOf;

namespace {

// Every point as its database record, in row order, and what was logged about the rows.
struct Outcome
{
    QList<QByteArray> records;
    QStringList messages;
    QStringList progress;
};

} // namespace

// The readers that use every core must give what one core gives, in the same order.
class TestParallelImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fixFileSameOnOneAndManyThreads();

private:
    Outcome readFix(const QString &path, int threads);

    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestParallelImport::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
}

void TestParallelImport::cleanup()
{
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    TestSupport::releaseMessages();
}

Outcome TestParallelImport::readFix(const QString &path, int threads)
{
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    m_database->clear();
    TestSupport::captureMessages();
    TestSupport::capturedMessages().clear();
    Outcome outcome;
    FixReader reader(m_database.get(), [&outcome](const QString &text) { outcome.progress.append(text); });
    if (reader.read(path) != 0)
        return outcome;
    for (const Point *point : m_database->pointModel()->items())
        outcome.records.append(recordOf(*point) + point->uid().toUtf8());
    outcome.messages = TestSupport::capturedMessages();
    TestSupport::releaseMessages();
    return outcome;
}

void TestParallelImport::fixFileSameOnOneAndManyThreads()
{
    // About 1.5 MB: several pieces for the other cores. Short rows, a cut-off row, blank
    // lines, duplicate UIDs (renamed in the order of the rows) and names with spaces.
    QByteArray content("I\n1101 Version - data cycle 2302,\n");
    for (int i = 0; i < 40000; ++i) {
        const QByteArray n = QByteArray::number(i % 30000);
        if (i % 4999 == 7)
            content += " 1.5 2.5 SHORT" + n + "\n";
        else if (i % 9000 == 11)
            content += "\n";
        else
            content += " 4" + n + ".25 -7." + n + " F" + n + " ENRT K" + QByteArray::number(i % 3) + " 2105430"
                       + (i % 5 == 0 ? " NAME OF " + n : QByteArray()) + "\n";
    }
    content += QByteArray(70 * 1024, 'x') + "\n";
    content += " 1 2 LAST ENRT K1 0\n99\n";
    QTemporaryDir dir;
    const QString path = TestSupport::writeFile(dir.filePath(QStringLiteral("earth_fix.dat")), content);

    const Outcome one = readFix(path, 1);
    QCOMPARE(one.records.size(), 40000 - 9 - 5 + 1);
    const Outcome many = readFix(path, 8);
    QCOMPARE(many.records.size(), one.records.size());
    for (qsizetype i = 0; i < one.records.size(); ++i)
        QCOMPARE(many.records.at(i), one.records.at(i));
    QCOMPARE(many.messages, one.messages);
    QCOMPARE(many.progress, one.progress);
}

QTEST_GUILESS_MAIN(TestParallelImport)
#include "tst_parallelimport.moc"
