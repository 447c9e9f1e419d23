#include "document.h"
#include "flightplan.h"
#include "fmsimport.h"
#include "planfixture.h"
#include "procedure.h"
#include "terminal.h"
#include "waypoint.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TstFmsImport : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Document> m_document;

    static QString coord(double latitude, double longitude)
    {
        return Waypoint::coordinateCode(QGeoCoordinate(latitude, longitude));
    }

    Point *navaid(int type, const QString &code, double latitude, double longitude)
    {
        auto *point = new Point(type, QGeoCoordinate(latitude, longitude), code, QStringLiteral("ENRT"),
                                QStringLiteral("K1"), code + QStringLiteral(" navaid"), 0, 350.0f, QString());
        m_fixture.db()->addPoint(point);
        return point;
    }

    QString codes() const
    {
        QStringList list;
        for (const Waypoint *w : m_plan->waypoints())
            list.append(w->code());
        return list.join(QLatin1Char(' '));
    }

    QString altitudes() const
    {
        QStringList list;
        for (const Waypoint *w : m_plan->waypoints())
            list.append(QString::number(w->storedAltitude()));
        return list.join(QLatin1Char(' '));
    }

    static QString name(const Procedure *procedure) { return procedure ? procedure->name() : QString(); }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        Database::setCycle(QStringLiteral("2301"));
        m_fixture.airport(QStringLiteral("AAAA"), 50.033333, 8.570556, 364);
        m_fixture.airport(QStringLiteral("BBBB"), 48.3538, 11.7861, 1487);
        m_fixture.fix(QStringLiteral("PQRST"), 49.5, 9.25);
        // A fix of the same code far away must not be taken for the one near the line.
        m_fixture.fix(QStringLiteral("KNG"), 10.0, 10.0);
        navaid(Point::NDB, QStringLiteral("KNG"), 49.2, 10.1);
        navaid(Point::NDB, QStringLiteral("FAR"), 48.9, 10.9);
        navaid(Point::VOR, QStringLiteral("RID"), 49.9, 9.0);
        m_fixture.db()->addProcedure(new Procedure(QStringLiteral("SID1"), QStringLiteral("AAAA"), Procedure::SID));
        m_fixture.db()->addProcedure(new Procedure(QStringLiteral("STAR1"), QStringLiteral("BBBB"), Procedure::STAR));
        m_fixture.db()->addProcedure(new Procedure(QStringLiteral("I26L"), QStringLiteral("BBBB"), Procedure::APPCH));
        m_plan = std::make_unique<Flightplan>();
        m_document = std::make_unique<Document>(m_plan.get());
    }

    void init() { m_document->niew(); }

    void cleanupTestCase()
    {
        m_document.reset();
        m_plan.reset();
        m_fixture.tearDown();
    }

    void importsPlans_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("altitudes");
        QTest::addColumn<QString>("departureRunway");
        QTest::addColumn<QString>("arrivalRunway");
        QTest::addColumn<QStringList>("procedures");
        QTest::addColumn<int>("version");

        QTest::newRow("1100 with procedures")
            << "v1100.fms" << QStringLiteral("AAAA PQRST RID KNG %1 BBBB").arg(coord(49.1, 10.5))
            << "364 0 35000 35000 35000 1487" << "25C" << "26L" << QStringList{"SID1", "STAR1", "I26L"} << 1100;
        // Blanks after the I, a separator line, an empty line; altitudes cut down to whole feet.
        QTest::newRow("3") << "v3.fms" << "AAAA PQRST KNG RID BBBB" << "364 0 1234 -1 0" << "" << ""
                           << QStringList{"", "", ""} << 3;
        // Unknown airport and an NDB 0.6 degree off become coordinates; a runway without RW
        // stays as it is; a runway line after its airport's line comes too late.
        QTest::newRow("1100 edges") << "v1100_edges.fms"
                                    << QStringLiteral("%1 %2 PQRST BBBB").arg(coord(51.0, 7.0), coord(48.3, 10.9))
                                    << "120 8000 8000 1487" << "25C" << "" << QStringList{"", "", ""} << 1100;
        // The third line is the cycle line, even when it is a waypoint.
        QTest::newRow("1100 without cycle line") << "v1100_nocycle.fms" << "PQRST BBBB" << "0 1487" << ""
                                                 << "26L" << QStringList{"", "", ""} << 1100;
        // clang-format on
    }

    void importsPlans()
    {
        QFETCH(QString, file);
        QFETCH(QString, codes);
        QFETCH(QString, altitudes);
        QFETCH(QString, departureRunway);
        QFETCH(QString, arrivalRunway);
        QFETCH(QStringList, procedures);
        QFETCH(int, version);

        if (file != QLatin1String("v1100.fms") && version == 1100)
            QTest::ignoreMessage(QtWarningMsg, "Current data cycle differs from opened flightplan");
        QVERIFY(m_plan->append(QStringLiteral("AAAA"), false));
        m_document->setName(QStringLiteral("kept.fpxml"));
        m_document->setNamed(true);
        QSignalSpy state(m_document.get(), &Document::stateChanged);
        QVERIFY(m_document->import(TestSupport::dataPath(QStringLiteral("fms/") + file)));

        QCOMPARE(this->codes(), codes);
        QCOMPARE(this->altitudes(), altitudes);
        QCOMPARE(m_plan->first()->runwayEnd(), departureRunway);
        QCOMPARE(m_plan->last()->runwayEnd(), arrivalRunway);
        QCOMPARE(name(m_plan->terminal()->sid()), procedures.at(0));
        QCOMPARE(name(m_plan->terminal()->star()), procedures.at(1));
        QCOMPARE(name(m_plan->terminal()->appch()), procedures.at(2));

        // An imported plan is a new, changed document.
        QVERIFY(state.count() > 0);
        QCOMPARE(m_document->name(), QStringLiteral("untitled.fpxml"));
        QVERIFY(!m_document->named());
        QVERIFY(!m_document->saved());

        FmsImport importer(m_plan.get());
        m_plan->clear(false);
        if (version == 1100 && file != QLatin1String("v1100.fms"))
            QTest::ignoreMessage(QtWarningMsg, "Current data cycle differs from opened flightplan");
        QVERIFY(importer.import(TestSupport::dataPath(QStringLiteral("fms/") + file)));
        QCOMPARE(importer.version(), version);
    }

    void resolvesPointsAtTheLinePosition()
    {
        QVERIFY(m_document->import(TestSupport::dataPath(QStringLiteral("fms/v1100.fms"))));
        const QList<Waypoint *> waypoints = m_plan->waypoints();
        QCOMPARE(waypoints.size(), 6);
        QCOMPARE(waypoints.at(0)->type(), int(Point::AIRP));
        QCOMPARE(waypoints.at(1)->uid(), QStringLiteral("K1/ENRT/PQRST"));
        QCOMPARE(waypoints.at(2)->type(), int(Point::VOR));
        // The NDB near the line, not the fix of the same code elsewhere.
        QCOMPARE(waypoints.at(3)->type(), int(Point::NDB));
        QCOMPARE(waypoints.at(4)->type(), int(Point::COORD));
        QCOMPARE(waypoints.at(4)->latitude(), 49.1);
        QCOMPARE(waypoints.at(4)->longitude(), 10.5);
        // The SID's airport and the STAR's and approach's airport carry them.
        QCOMPARE(waypoints.at(0)->procedure(), m_plan->terminal()->sid());
    }

    void refusesMalformedFiles_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        const QString notFms = QStringLiteral("This file is not recognized as a flightplan FMS file.");
        const QString version = QStringLiteral("This file is not at FMS version 3 or FMS1100.");
        QTest::newRow("empty") << "empty.fms" << "Wrong file format" << notFms;
        QTest::newRow("XML document") << "notfms.fms" << "Wrong file format" << notFms;
        QTest::newRow("version 12") << "version12.fms" << "Wrong file format" << version;
        QTest::newRow("version line of one field") << "versiononefield.fms" << "Wrong file format" << version;
        QTest::newRow("cut in half") << "cut.fms" << "Damaged file"
            << "The file announces 6 waypoints on line 14 but holds 3: it is cut short or damaged. Nothing was imported.";
        QTest::newRow("count of 2^31-1") << "hugecount.fms" << "Damaged file"
            << "The file announces 2147483647 waypoints on line 6 but holds 2: it is cut short or damaged. Nothing was imported.";
        QTest::newRow("negative count") << "negativecount.fms" << "Damaged file"
                                        << "Line 6 gives \"-5\" as the number of waypoints. Nothing was imported.";
        QTest::newRow("latitude no number") << "badlatitude.fms" << "Damaged file"
                                            << "Line 6 gives \"49.5x\" as the latitude. Nothing was imported.";
        QTest::newRow("latitude off the earth") << "offearth.fms" << "Damaged file"
                                                << "Line 5 gives \"95.000000\" as the latitude. Nothing was imported.";
        QTest::newRow("3 GiB") << "HUGE" << "Cannot open file" << "The file PATH is too large to be a flight plan.";
        // clang-format on
    }

    void refusesMalformedFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QString, text);

        QTemporaryDir dir;
        QString path = TestSupport::dataPath(QStringLiteral("fms/") + file);
        if (file == QLatin1String("HUGE")) {
            path = dir.filePath(QStringLiteral("huge.fms"));
            QVERIFY(!TestSupport::writeFile(path, "I\n3 version\n").isEmpty() && QFile::resize(path, 3LL << 30));
            text.replace(QStringLiteral("PATH"), path);
        }
        QVERIFY(m_plan->append(QStringLiteral("AAAA"), false));
        m_document->setSaved(true);
        const int points = Database::pointCount();

        QVERIFY(!m_document->import(path));
        QCOMPARE(m_document->msgtitle(), title);
        QCOMPARE(m_document->msgtext(), text);
        // Nothing of the file reached the plan, the document or the database.
        QCOMPARE(codes(), QStringLiteral("AAAA"));
        QVERIFY(m_document->saved());
        QCOMPARE(Database::pointCount(), points);
    }

    // A damaged altitude costs its own value, named in a warning; one beyond the edit range is held in it.
    void readsDamagedNumbers_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("altitudes");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("altitude no number") << "badaltitude.fms" << "AAAA" << "0"
                                            << QStringList{"^FMS file line 4: altitude \"FL350\" is not a number, read as 0$"};
        QTest::newRow("extreme altitudes")
            << "extremes.fms" << "AAAA PQRST RID BBBB" << "-1500 100000 0 -8"
            << QStringList{"^FMS file line 5: altitude -1.0*1e\\+300 outside -1500 to 100000, read as -1500$",
                           "^FMS file line 6: altitude 1.0*1e\\+300 outside -1500 to 100000, read as 100000$",
                           "^FMS file line 7: altitude \"inf\" is not a number, read as 0$"};
        // clang-format on
    }

    void readsDamagedNumbers()
    {
        QFETCH(QString, file);
        QFETCH(QString, codes);
        QFETCH(QString, altitudes);
        QFETCH(QStringList, warnings);
        for (const QString &warning : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QVERIFY2(m_document->import(TestSupport::dataPath(QStringLiteral("fms/") + file)),
                 qPrintable(m_document->msgtext()));
        QCOMPARE(this->codes(), codes);
        QCOMPARE(this->altitudes(), altitudes);
    }

    void refusesMissingFile()
    {
        QVERIFY(!m_document->import(TestSupport::dataPath(QStringLiteral("fms/missing.fms"))));
        QCOMPARE(m_document->msgtitle(), QStringLiteral("Cannot open file"));
        QVERIFY(!m_document->msgtext().isEmpty());
        QVERIFY(m_plan->empty());
    }

    void runwayEndName_data()
    {
        // clang-format off
        QTest::addColumn<QString>("runway");
        QTest::addColumn<QString>("end");
        QTest::newRow("with prefix") << "RW26L" << "26L";
        QTest::newRow("without prefix") << "26L" << "26L";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("prefix alone") << "RW" << "";
        // clang-format on
    }

    void runwayEndName()
    {
        QFETCH(QString, runway);
        QFETCH(QString, end);
        QCOMPARE(FmsImport::runwayEndName(runway), end);
    }
};

QTEST_MAIN(TstFmsImport)
#include "tst_fmsimport.moc"
