#include "exporter.h"
#include "exportplan.h"
#include "templating.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

// Every file format of one realistic plan against the reference files of tests/export/data,
// the folders and failures of an export, and the route texts.
class TstExporter : public QObject
{
    Q_OBJECT

private:
    ExportPlan m_plan;
    std::unique_ptr<Templating> m_templating;
    std::unique_ptr<Exporter> m_exporter;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        m_plan.setUp();
        m_templating = std::make_unique<Templating>();
        m_exporter = std::make_unique<Exporter>(m_plan.plan());
        m_plan.build();
    }

    void cleanupTestCase()
    {
        m_exporter.reset();
        m_templating.reset();
        m_plan.tearDown();
    }

    void referenceFiles_data()
    {
        QTest::addColumn<int>("format");
        for (int format = Exporter::FMSv11; format <= Exporter::OFP; ++format)
            QTest::newRow(qPrintable(Exporter::templateName(format))) << format;
    }

    // A changed output shows here as a difference to the file we checked once by eye; set
    // WAYLORE_WRITE_REFERENCES to write the files anew after an intended change.
    void referenceFiles()
    {
        QFETCH(int, format);
        const QString name = QStringLiteral(WAYLORE_EXPORT_DATA_DIR "/reference/") + Exporter::templateName(format);
        QVERIFY(m_exporter->toFormat(format, m_dir.filePath(Exporter::templateName(format))));
        QFile written(m_dir.filePath(Exporter::templateName(format)));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray actual = written.readAll();
        if (qEnvironmentVariableIsSet("WAYLORE_WRITE_REFERENCES")) {
            QDir().mkpath(QFileInfo(name).absolutePath());
            QFile out(name);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(actual);
        }
        QFile reference(name);
        QVERIFY2(reference.open(QIODevice::ReadOnly), qPrintable(name));
        QCOMPARE(QString::fromUtf8(actual), QString::fromUtf8(reference.readAll()));
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TstExporter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exporter.moc"
