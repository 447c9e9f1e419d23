#include "basemodel.h"
#include "database.h"
#include "point.h"
#include "procedure.h"
#include "procedurefixes.h"
#include "record.h"
#include "settings.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QDataStream>
#include <QTest>

#include <memory>

using TestSupport::recordOf;

namespace {

// A leg of the given transition. Fixes are enroute fixes of region ED.
Record leg(const QString &transition, int sequence, int routeType, const QString &fix, const QString &description,
           int pathTerminator = Record::TF, const QString &navaid = QString())
{
    return Record(sequence, routeType, transition, fix, navaid, QStringLiteral("ENRT"), QStringLiteral("ED"),
                  Record::descriptionFromString(description), -1, pathTerminator, -1, 0.0, 0, -1, -1, -1, -1, 0, 0.0,
                  -1);
}

Procedure *procedureWith(int type, const QStringList &transitions, const QString &name = QStringLiteral("TEST1A"))
{
    auto *procedure = new Procedure(name, QStringLiteral("EDDF"), type);
    int sequence = 10;
    for (const QString &transition : transitions) {
        procedure->addRecord(leg(transition, sequence, 1, QString(), QStringLiteral("    "), Record::CA));
        sequence += 10;
    }
    return procedure;
}

QStringList sequences(const QList<Record> &records)
{
    QStringList result;
    for (const Record &record : records)
        result.append(record.sequenceText());
    return result;
}

} // namespace

class TestProcedure : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void identity();
    void typeTexts_data();
    void typeTexts();
    void transitions_data();
    void transitions();
    void runwayThreshold_data();
    void runwayThreshold();
    void matchesRunway_data();
    void matchesRunway();

    void recordSelections();
    void missedApproachStopsTheWalk();
    void transitionRouteType();
    void pointUids();
    void exitsAndEntries();
    void usesPointAndAirport();

    void streamRoundTrip();
    void streamDamaged_data();
    void streamDamaged();
    void modelServesBaseRoles();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestProcedure::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    addProcedureFix(*m_database, QStringLiteral("ANEKI"), QGeoCoordinate(50.0, 8.0));
    addProcedureFix(*m_database, QStringLiteral("KERAX"), QGeoCoordinate(50.5, 8.5));
    addProcedureFix(*m_database, QStringLiteral("TOBAK"), QGeoCoordinate(51.0, 9.0));
    addProcedureFix(*m_database, QStringLiteral("CENTR"), QGeoCoordinate(51.5, 9.5));
}

void TestProcedure::identity()
{
    const Procedure procedure(QStringLiteral("ANEK1A"), QStringLiteral("EDDF"), Procedure::SID);
    QCOMPARE(procedure.uid(), QStringLiteral("EDDF/ANEK1A"));
    QCOMPARE(procedure.search(), QStringLiteral("nosearch"));
    QCOMPARE(procedure.name(), QStringLiteral("ANEK1A"));
    QCOMPARE(procedure.airport(), QStringLiteral("EDDF"));
    QCOMPARE(procedure.type(), 1);
    QCOMPARE(procedure.typeString(), QStringLiteral("SID"));
    QVERIFY(procedure.isAirport(QStringLiteral("EDDF")));
    QVERIFY(!procedure.isAirport(QStringLiteral("eddf")));
    QCOMPARE(procedure.minzoom(), 0.0);
    QVERIFY(!procedure.bounding().isValid());

    QTest::ignoreMessage(QtWarningMsg, "Check int8_t failed (too big)!");
    const Procedure wide(QStringLiteral("X"), QStringLiteral("EDDF"), 300);
    QCOMPARE(wide.type(), 127);
    QCOMPARE(wide.icon(), QString());
}

void TestProcedure::typeTexts_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QString>("glyph");

    QTest::newRow("SID") << "SID" << 1 << "SID" << QString(QChar(0xE098));
    QTest::newRow("APPCH") << "APPCH" << 3 << "APPCH" << QString(QChar(0xF5AF));
    QTest::newRow("sid") << "sid" << 0 << "Unknown procedure type" << QString();
    // clang-format on
}

void TestProcedure::typeTexts()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(QString, typeText);
    QFETCH(QString, glyph);
    if (type == 0)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("Unknown procedure type \"%1\"").arg(text)));
    QCOMPARE(Procedure::typeFromString(text), type);
    QCOMPARE(Procedure::typeToString(type), typeText);
    const QString icon = Procedure::icon(type);
    if (glyph.isEmpty())
        QCOMPARE(icon, QString());
    else
        QCOMPARE(icon, QStringLiteral("<font face=\"Font Awesome 6 Free\">") + glyph + QStringLiteral("</font>"));
    QCOMPARE(Procedure::typeToString(9), QStringLiteral("Unknown procedure type"));
}

void TestProcedure::transitions_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("legs");
    QTest::addColumn<QStringList>("transitions");
    QTest::addColumn<QString>("main");

    QTest::newRow("mixed") << QStringList{"RW25L", "RW25L", "ALL", "ALL", "KERAX"}
                           << QStringList{"RW25L", "ALL", "KERAX"} << "ALL";
    QTest::newRow("all only") << QStringList{"ALL", "ALL"} << QStringList{"ALL"} << "ALL";
    QTest::newRow("one runway") << QStringList{"RW07R", "RW07R"} << QStringList{"RW07R"} << "RW07R";
    QTest::newRow("two runways") << QStringList{"RW07L", "RW07R"} << QStringList{"RW07L", "RW07R"} << "";
    QTest::newRow("no legs") << QStringList{} << QStringList{} << "";
    QTest::newRow("lower all") << QStringList{"all", "RW07R"} << QStringList{"all", "RW07R"} << "";
    // clang-format on
}

void TestProcedure::transitions()
{
    QFETCH(QStringList, legs);
    QFETCH(QStringList, transitions);
    QFETCH(QString, main);
    std::unique_ptr<Procedure> procedure(procedureWith(Procedure::SID, legs));
    QCOMPARE(procedure->transitions(), transitions);
    QCOMPARE(procedure->mainTransition(), main);
}

void TestProcedure::runwayThreshold_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("transition");
    QTest::addColumn<QString>("threshold");

    QTest::newRow("SID both parallels") << 1 << "ANEK1A"
                                        << "RW04B"
                                        << "04L";
    QTest::newRow("STAR plain") << 2 << "KERA2B"
                                << "RW31"
                                << "31";
    QTest::newRow("SID ALL") << 1 << "ANEK1A"
                             << "ALL"
                             << "";
    QTest::newRow("SID empty") << 1 << "ANEK1A"
                               << ""
                               << "";
    QTest::newRow("APPCH ILS") << 3 << "I04R"
                               << "ALL"
                               << "04R";
    QTest::newRow("APPCH RNAV Y") << 3 << "R22-Y"
                                  << "ALL"
                                  << "22";
    QTest::newRow("APPCH transition") << 3 << "I04R"
                                      << "CAMRN"
                                      << "";
    QTest::newRow("APPCH no digits") << 3 << "VDM"
                                     << "ALL"
                                     << "";
    // clang-format on
}

void TestProcedure::runwayThreshold()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, transition);
    QFETCH(QString, threshold);
    const Procedure procedure(name, QStringLiteral("EDDF"), type);
    QCOMPARE(procedure.runwayThreshold(transition), threshold);
}

void TestProcedure::matchesRunway_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("legs");
    QTest::addColumn<QString>("runway");
    QTest::addColumn<bool>("matches");

    QTest::newRow("STAR runway transition") << 2 << "KERA2B" << QStringList{"ALL", "RW27R"} << "27R" << true;
    QTest::newRow("SID both is not left") << 1 << "ANEK1A" << QStringList{"RW04B"} << "04L" << false;
    QTest::newRow("approach name") << 3 << "R27R" << QStringList{"ALL"} << "27R" << true;
    QTest::newRow("unknown type") << 0 << "R27R" << QStringList{"RW27R"} << "27R" << false;
    // clang-format on
}

void TestProcedure::matchesRunway()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QStringList, legs);
    QFETCH(QString, runway);
    QFETCH(bool, matches);
    std::unique_ptr<Procedure> procedure(procedureWith(type, legs, name));
    QCOMPARE(procedure->matchesRunway(runway), matches);
}

void TestProcedure::recordSelections()
{
    std::unique_ptr<Procedure> procedure(procedureWith(Procedure::SID, {"RW25L", "ALL", "ALL", "KERAX"}));
    QCOMPARE(sequences(procedure->recordsOfTransition(QString())), (QStringList{"10", "20", "30", "40"}));
    QCOMPARE(sequences(procedure->recordsOfTransition(QStringLiteral("ALL"))), (QStringList{"20", "30"}));
    QCOMPARE(procedure->recordsOfTransition(QStringLiteral("all")).size(), 0);
    QCOMPARE(procedure->recordsOfTransition(QStringLiteral("TOBAK")).size(), 0);
    QCOMPARE(sequences(procedure->transitionRecords(false)), (QStringList{"10", "20", "30", "40"}));
}

void TestProcedure::missedApproachStopsTheWalk()
{
    // FAF, runway, then three missed-approach legs, of which only the first carries the mark.
    Procedure approach(QStringLiteral("I25L"), QStringLiteral("EDDF"), Procedure::APPCH);
    approach.addRecord(leg(QStringLiteral("ALL"), 10, 12, QStringLiteral("ANEKI"), QStringLiteral("E  F")));
    approach.addRecord(leg(QStringLiteral("ALL"), 20, 12, QStringLiteral("RW25L"), QStringLiteral("G GY")));
    approach.addRecord(leg(QStringLiteral("ALL"), 30, 12, QString(), QStringLiteral("  M "), Record::CA));
    approach.addRecord(leg(QStringLiteral("ALL"), 40, 12, QStringLiteral("TOBAK"), QStringLiteral("E   ")));
    approach.addRecord(leg(QStringLiteral("ALL"), 50, 12, QStringLiteral("TOBAK"), QStringLiteral("E  H"), Record::HM));
    QCOMPARE(sequences(approach.transitionRecords(QStringLiteral("ALL"), false)), (QStringList{"10", "20"}));
    QCOMPARE(sequences(approach.transitionRecords(QStringLiteral("ALL"), true)),
             (QStringList{"10", "20", "30", "40", "50"}));
    QCOMPARE(sequences(approach.recordsOfTransition(QStringLiteral("ALL"))),
             (QStringList{"10", "20", "30", "40", "50"}));

    // A mark in another transition does not end the walk of this one.
    Procedure other(QStringLiteral("I25L"), QStringLiteral("EDDF"), Procedure::APPCH);
    other.addRecord(leg(QStringLiteral("KERAX"), 10, 7, QString(), QStringLiteral("  M "), Record::CA));
    other.addRecord(leg(QStringLiteral("ALL"), 20, 12, QString(), QStringLiteral("    "), Record::CA));
    QCOMPARE(sequences(other.transitionRecords(QStringLiteral("ALL"), false)), (QStringList{"20"}));
    QCOMPARE(other.transitionRecords(false).size(), 0);
}

void TestProcedure::transitionRouteType()
{
    Procedure procedure(QStringLiteral("ANEK1A"), QStringLiteral("EDDF"), Procedure::SID);
    procedure.addRecord(leg(QStringLiteral("RW25L"), 10, 1, QString(), QStringLiteral("    "), Record::CA));
    procedure.addRecord(leg(QStringLiteral("RW25L"), 20, 1, QString(), QStringLiteral("    "), Record::CA));
    procedure.addRecord(leg(QStringLiteral("ALL"), 30, 2, QString(), QStringLiteral("    "), Record::CA));
    procedure.addRecord(leg(QStringLiteral("ALL"), 40, 3, QString(), QStringLiteral("    "), Record::CA));
    procedure.addRecord(leg(QStringLiteral("ALL"), 50, 2, QString(), QStringLiteral("    "), Record::CA));
    QCOMPARE(procedure.transitionRouteType(QStringLiteral("RW25L")), 1);
    QCOMPARE(procedure.transitionRouteType(QStringLiteral("ALL")), -1);
    QCOMPARE(procedure.transitionRouteType(QString()), -1);
    QCOMPARE(procedure.transitionRouteType(QStringLiteral("KERAX")), -1);
}

void TestProcedure::pointUids()
{
    // Two legs sharing a fix without navaid: the fix once, the empty text once.
    Procedure star(QStringLiteral("KERA2B"), QStringLiteral("EDDF"), Procedure::STAR);
    star.addRecord(leg(QStringLiteral("ALL"), 10, 5, QStringLiteral("KERAX"), QStringLiteral("E   "), Record::IF));
    star.addRecord(leg(QStringLiteral("ALL"), 20, 5, QStringLiteral("KERAX"), QStringLiteral("E  H"), Record::HM));
    QCOMPARE(star.pointUids(QStringLiteral("ALL"), false), (QStringList{"ED/ENRT/KERAX", ""}));

    // Without the flag only the marked leg drops out; its followers still count.
    Procedure approach(QStringLiteral("R25L"), QStringLiteral("EDDF"), Procedure::APPCH);
    approach.addRecord(
        leg(QStringLiteral("ANEKI"), 10, 7, QStringLiteral("ANEKI"), QStringLiteral("E  A"), Record::IF));
    approach.addRecord(leg(QStringLiteral("ALL"), 20, 19, QStringLiteral("KERAX"), QStringLiteral("E  F"), Record::RF,
                           QStringLiteral("CENTR")));
    approach.addRecord(leg(QStringLiteral("ALL"), 30, 19, QStringLiteral("ANEKI"), QStringLiteral("E M "), Record::TF));
    approach.addRecord(leg(QStringLiteral("ALL"), 40, 19, QStringLiteral("TOBAK"), QStringLiteral("E   "), Record::TF));
    QCOMPARE(approach.pointUids(QStringLiteral("ALL"), false),
             (QStringList{"ED/ENRT/KERAX", "ED/ENRT/CENTR", "ED/ENRT/TOBAK", ""}));
    QCOMPARE(approach.pointUids(QStringLiteral("ALL"), true),
             (QStringList{"ED/ENRT/KERAX", "ED/ENRT/CENTR", "ED/ENRT/ANEKI", "", "ED/ENRT/TOBAK"}));
    QCOMPARE(approach.pointUids(false),
             (QStringList{"ED/ENRT/ANEKI", "", "ED/ENRT/KERAX", "ED/ENRT/CENTR", "ED/ENRT/TOBAK"}));
}

void TestProcedure::exitsAndEntries()
{
    // Two SID legs end at TOBAK: twice as points, once as UID.
    Procedure sid(QStringLiteral("TOBA1A"), QStringLiteral("EDDF"), Procedure::SID);
    sid.addRecord(leg(QStringLiteral("RW25L"), 10, 1, QStringLiteral("ANEKI"), QStringLiteral("E   "), Record::DF));
    sid.addRecord(leg(QStringLiteral("RW25L"), 20, 1, QStringLiteral("TOBAK"), QStringLiteral("EE  "), Record::TF));
    sid.addRecord(leg(QStringLiteral("RW07R"), 30, 1, QStringLiteral("TOBAK"), QStringLiteral("E  F"), Record::TF));
    sid.addRecord(leg(QStringLiteral("KERAX"), 40, 3, QStringLiteral("GHOST"), QStringLiteral("EE  "), Record::TF));
    QTest::ignoreMessage(QtWarningMsg, "Cannot find FIX point \"GHOST\" for transition \"KERAX\"");
    const QList<Point *> exits = sid.outputPoints();
    QCOMPARE(exits.size(), 2);
    QCOMPARE(exits.at(0), exits.at(1));
    QTest::ignoreMessage(QtWarningMsg, "Cannot find FIX point \"GHOST\" for transition \"KERAX\"");
    QCOMPARE(sid.outputs(false), QStringList{QStringLiteral("ED/ENRT/TOBAK")});
    QTest::ignoreMessage(QtWarningMsg, "Cannot find FIX point \"GHOST\" for transition \"KERAX\"");
    const QStringList links = sid.outputs(true);
    QCOMPARE(links.size(), 1);
    QVERIFY(links.first().contains(QStringLiteral("POINT>ED/ENRT/TOBAK")));
    QVERIFY(sid.inputPoints().isEmpty());

    Procedure star(QStringLiteral("KERA2B"), QStringLiteral("EDDF"), Procedure::STAR);
    star.addRecord(leg(QStringLiteral("KERAX"), 10, 4, QStringLiteral("KERAX"), QStringLiteral("EE  "), Record::IF));
    star.addRecord(leg(QStringLiteral("ALL"), 20, 5, QStringLiteral("ANEKI"), QStringLiteral("E   "), Record::IF));
    star.addRecord(leg(QStringLiteral("ALL"), 30, 5, QStringLiteral("TOBAK"), QStringLiteral("E  F"), Record::TF));
    QCOMPARE(star.inputs(false), (QStringList{"ED/ENRT/KERAX", "ED/ENRT/ANEKI"}));
    QVERIFY(star.outputPoints().isEmpty());

    // Only the initial fixes of approach transitions enter an approach.
    Procedure approach(QStringLiteral("I25L"), QStringLiteral("EDDF"), Procedure::APPCH);
    approach.addRecord(
        leg(QStringLiteral("TOBAK"), 10, 7, QStringLiteral("TOBAK"), QStringLiteral("E  A"), Record::IF));
    approach.addRecord(leg(QStringLiteral("ALL"), 20, 12, QStringLiteral("ANEKI"), QStringLiteral("E  I"), Record::IF));
    QCOMPARE(approach.inputs(false), QStringList{QStringLiteral("ED/ENRT/TOBAK")});

    const Procedure unknown(QStringLiteral("X"), QStringLiteral("EDDF"), Procedure::UNKNOWN);
    QVERIFY(unknown.inputs(false).isEmpty());
    QVERIFY(unknown.outputs(false).isEmpty());
}

void TestProcedure::usesPointAndAirport()
{
    Procedure sid(QStringLiteral("TOBA1A"), QStringLiteral("EDDF"), Procedure::SID);
    sid.addRecord(leg(QStringLiteral("ALL"), 10, 2, QStringLiteral("TOBAK"), QStringLiteral("EE  "), Record::TF));
    QVERIFY(sid.usesPoint(Database::findPoint(QStringLiteral("ED/ENRT/TOBAK"), false)));
    QVERIFY(!sid.usesPoint(Database::findPoint(QStringLiteral("ED/ENRT/KERAX"), false)));
    QCOMPARE(sid.airportPoint(), nullptr);
}

void TestProcedure::streamRoundTrip()
{
    const Procedure empty(QStringLiteral("ANEK1A"), QStringLiteral("EDDF"), Procedure::SID);
    QByteArray bytes = recordOf(empty);
    // name, airport, type and the count 0.
    QCOMPARE(bytes.size(), 4 + 12 + 4 + 8 + 1 + 4);
    QVERIFY(bytes.endsWith(QByteArray::fromHex("0100000000")));
    {
        QDataStream in(bytes);
        Procedure *read = nullptr;
        in >> read;
        std::unique_ptr<Procedure> owner(read);
        QCOMPARE(in.status(), QDataStream::Ok);
        QCOMPARE(read->uid(), QStringLiteral("EDDF/ANEK1A"));
        QCOMPARE(read->type(), 1);
        QVERIFY(read->transitions().isEmpty());
    }

    std::unique_ptr<Procedure> full(procedureWith(Procedure::APPCH, {"KERAX", "ALL", "ALL"}, QStringLiteral("R22-Y")));
    bytes = recordOf(*full);
    QDataStream in(bytes);
    Procedure *read = nullptr;
    in >> read;
    std::unique_ptr<Procedure> owner(read);
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read->name(), QStringLiteral("R22-Y"));
    QCOMPARE(read->type(), 3);
    QCOMPARE(read->recordsOfTransition(QString()), full->recordsOfTransition(QString()));
}

void TestProcedure::streamDamaged_data()
{
    // clang-format off
    std::unique_ptr<Procedure> full(procedureWith(Procedure::STAR, {"ALL", "ALL", "ALL"}));
    const QByteArray bytes = recordOf(*full);
    const QByteArray header
        = recordOf(Procedure(QStringLiteral("TEST1A"), QStringLiteral("EDDF"), Procedure::STAR)).chopped(4);

    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("truncated in the last leg") << bytes.chopped(3);
    QTest::newRow("truncated in the count") << bytes.left(header.size() + 2);
    QTest::newRow("null count") << header + QByteArray::fromHex("ffffffff");
    QTest::newRow("huge count") << header + QByteArray::fromHex("7ffffff0") + bytes.mid(header.size() + 4);
    QTest::newRow("extended negative count") << header + QByteArray::fromHex("fffffffe8000000000000000");
    // clang-format on
}

void TestProcedure::streamDamaged()
{
    QFETCH(QByteArray, bytes);
    QDataStream in(bytes);
    Procedure *read = nullptr;
    in >> read;
    std::unique_ptr<Procedure> owner(read);
    QVERIFY(in.status() != QDataStream::Ok);
    QVERIFY(read);
    QCOMPARE(read->uid(), QStringLiteral("EDDF/TEST1A"));
    QVERIFY(read->transitions().isEmpty());
}

void TestProcedure::modelServesBaseRoles()
{
    BaseModel<Procedure> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto *sid = new Procedure(QStringLiteral("ANEK1A"), QStringLiteral("EDDF"), Procedure::SID);
    auto *star = new Procedure(QStringLiteral("KERA2B"), QStringLiteral("EDDF"), Procedure::STAR);
    model.beginReset();
    model.add(sid);
    model.add(star);
    model.endReset();
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.roleNames().size(), 5);
    QCOMPARE(model.data(model.index(1, 0), BaseItem::UID).toString(), QStringLiteral("EDDF/KERA2B"));
    QCOMPARE(model.data(model.index(0, 0), BaseItem::Search).toString(), QStringLiteral("nosearch"));
    QCOMPARE(model.find(QStringLiteral("EDDF/ANEK1A")), sid);
    model.beginReset();
    model.clear();
    model.endReset();
    delete sid;
    delete star;
}

QTEST_MAIN(TestProcedure)
#include "tst_procedure.moc"
