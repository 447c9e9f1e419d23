#include "airport.h"
#include "database.h"
#include "markingtranslator.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "settings.h"
#include "testsupport.h"
#include "unit.h"

#include <QBuffer>
#include <QDataStream>
#include <QGeoRectangle>
#include <QTest>

#include <memory>

using TestSupport::recordOf;

namespace {

// A leg with the fields the texts read; everything else blank.
Record leg(int pathTerminator, int course = -1, double distance = 0.0, int isTime = 0, int turn = -1,
           const QString &fix = QStringLiteral("FIXA"), const QString &navaid = QStringLiteral("NAVB"),
           int altitudeDescription = -1, int altitude1 = -1, int altitude2 = -1, int speed = 0, quint32 description = 0,
           double arcRadius = 0.0, int theta = -1)
{
    return Record(10, 1, QStringLiteral("ALL"), fix, navaid, QStringLiteral("ENRT"), QStringLiteral("XX"), description,
                  turn, pathTerminator, course, distance, isTime, altitudeDescription, altitude1, altitude2, -1, speed,
                  arcRadius, theta);
}

Record withDescription(const QString &code)
{
    return leg(Record::IF, -1, 0.0, 0, -1, QStringLiteral("FIXA"), QString(), -1, -1, -1, 0,
               Record::descriptionFromString(code));
}

} // namespace

Q_DECLARE_METATYPE(Record)

class TestRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void routeTypeFromString_data();
    void routeTypeFromString();
    void pathTerminatorFromString();
    void altitudeDescriptionFromString_data();
    void altitudeDescriptionFromString();
    void turnDirectionFromString_data();
    void turnDirectionFromString();
    void description_data();
    void description();

    void narrowsWithWarnings();
    void altitudeKeepsFlightLevels();
    void limits_data();
    void limits();
    void altitudeText_data();
    void altitudeText();
    void legText_data();
    void legText();
    void valueTexts();
    void fixRolesText();
    void debugString();

    void copyAndEquality();
    void everyFieldKept_data();
    void everyFieldKept();
    void textsInContextRecord();
    void streamRoundTrip_data();
    void streamRoundTrip();
    void streamBytes();
    void streamReadsEarlierAltitudes();

    void lookupOrder();
    void lookupNamesakes_data();
    void lookupNamesakes();
    void lookupMisses();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestRecord::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    // An airport-section fix, an enroute fix and a fix that has no region.
    m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(50.0, 8.0), QStringLiteral("DF25C"),
                                   QStringLiteral("EDDF"), QStringLiteral("ED"), QStringLiteral("DF25C"), 0, 0.0f,
                                   QStringLiteral("    ")));
    m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(50.5, 8.5), QStringLiteral("ANEKI"),
                                   QStringLiteral("ENRT"), QStringLiteral("ED"), QStringLiteral("ANEKI"), 0, 0.0f,
                                   QStringLiteral("    ")));
    m_database->addPoint(new Point(Point::FIX, QGeoCoordinate(51.0, 9.0), QStringLiteral("LOOSE"),
                                   QStringLiteral("EDDF"), QStringLiteral("*"), QStringLiteral("LOOSE"), 0, 0.0f,
                                   QStringLiteral("    ")));
}

void TestRecord::routeTypeFromString_data()
{
    // clang-format off
    QTest::addColumn<int>("procedureType");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("expected");

    QTest::newRow("SID 1") << int(Procedure::SID) << "1" << 1;
    QTest::newRow("STAR 1") << int(Procedure::STAR) << "1" << 4;
    QTest::newRow("APPCH Z") << int(Procedure::APPCH) << "Z" << 25;
    QTest::newRow("APPCH 1") << int(Procedure::APPCH) << "1" << -1;
    QTest::newRow("SID Z") << int(Procedure::SID) << "Z" << -1;
    QTest::newRow("lower case") << int(Procedure::APPCH) << "i" << -1;
    QTest::newRow("unknown procedure") << int(Procedure::UNKNOWN) << "1" << -1;
    // clang-format on
}

void TestRecord::routeTypeFromString()
{
    QFETCH(int, procedureType);
    QFETCH(QString, code);
    QFETCH(int, expected);
    if (expected < 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Unknown record type .* for "
                                                                             "procedure type %1$")
                                                                  .arg(procedureType)));
    QCOMPARE(Record::routeTypeFromString(procedureType, code), expected);
}

void TestRecord::pathTerminatorFromString()
{
    QCOMPARE(Record::pathTerminatorFromString(QStringLiteral("IF")), 0);
    QCOMPARE(Record::pathTerminatorFromString(QStringLiteral("HM")), 22);
    QTest::ignoreMessage(QtWarningMsg, "Unknown record termination \"if\"");
    QCOMPARE(Record::pathTerminatorFromString(QStringLiteral("if")), -1);
    QTest::ignoreMessage(QtWarningMsg, "Unknown record termination \"\"");
    QCOMPARE(Record::pathTerminatorFromString(QString()), -1);
}

void TestRecord::altitudeDescriptionFromString_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("expected");
    QTest::newRow("blank") << " " << 2;
    QTest::newRow("V") << "V" << 9;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("lower b") << "b" << -1;
    // clang-format on
}

void TestRecord::altitudeDescriptionFromString()
{
    QFETCH(QString, code);
    QFETCH(int, expected);
    if (expected < 0)
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("Unknown record altitude description \"%1\"").arg(code)));
    QCOMPARE(Record::altitudeDescriptionFromString(code), expected);
}

void TestRecord::turnDirectionFromString_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("expected");
    QTest::newRow("R") << "R" << 1;
    QTest::newRow("lower l") << "l" << -1;
    QTest::newRow("LR") << "LR" << -1;
    // clang-format on
}

void TestRecord::turnDirectionFromString()
{
    QFETCH(QString, code);
    QFETCH(int, expected);
    QCOMPARE(Record::turnDirectionFromString(code), expected);
}

void TestRecord::description_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<quint32>("packed");
    QTest::addColumn<QString>("text");
    // Flags in the order fly-over, end of route, stepdown, missed approach, IAF, FACF, FAF, holding.
    QTest::addColumn<QString>("flags");

    QTest::newRow("VMA") << "V MA" << quint32(0x56204D41) << "V|-|M|A"
                         << "00011000";
    QTest::newRow("E  F") << "E  F" << quint32(0x45202046) << "E|-|-|F"
                          << "01000010";
    QTest::newRow("two chars") << "EB" << quint32(0) << "-|-|-|-"
                               << "00000000";
    QTest::newRow("D roles") << "E  D" << quint32(0x45202044) << "E|-|-|D"
                             << "00001100";
    QTest::newRow("latin-1 letter") << QString::fromUtf8("\u00c9  H") << quint32(0xC9202048)
                                    << QString::fromUtf8("\u00c9|-|-|H") << "00000001";
    QTest::newRow("above latin-1") << QString::fromUtf8("\u0100  H") << quint32(0x00202048) << "-|-|-|H"
                                   << "00000001";
    // clang-format on
}

void TestRecord::description()
{
    QFETCH(QString, code);
    QFETCH(quint32, packed);
    QFETCH(QString, text);
    QFETCH(QString, flags);

    QCOMPARE(Record::descriptionFromString(code), packed);
    const Record record = withDescription(code);
    QCOMPARE(record.descriptionText(), text);
    const QList<bool> expected = {flags.at(0) == '1', flags.at(1) == '1', flags.at(2) == '1', flags.at(3) == '1',
                                  flags.at(4) == '1', flags.at(5) == '1', flags.at(6) == '1', flags.at(7) == '1'};
    const QList<bool> actual
        = {record.isFlyOver(), record.isEndOfRoute(), record.isStepdown(), record.isMissedApproach(),
           record.isIAF(),     record.isFACF(),       record.isFAF(),      record.isHolding()};
    QCOMPARE(actual, expected);
}

void TestRecord::narrowsWithWarnings()
{
    QTest::ignoreMessage(QtWarningMsg, "Check int16_t failed (too big)!");
    QTest::ignoreMessage(QtWarningMsg, "Check int8_t failed (too small)!");
    const Record record(40000, -300, QStringLiteral("ALL"), QString(), QString(), QString(), QString(), 0, -1, 0, -1,
                        0.0, 0, -1, -1, -1, -1, 0, 0.0, -1);
    QCOMPARE(record.sequence(), 32767);
    QCOMPARE(record.routeType(), -128);
}

void TestRecord::altitudeKeepsFlightLevels()
{
    const Record high = leg(Record::TF, -1, 0.0, 0, -1, QStringLiteral("FIXA"), QString(), 3, 41000, 33000);
    QCOMPARE(high.altitude1(), 41000);
    QCOMPARE(high.altitude2(), 33000);
    // "B" gives its ceiling first, so the window runs from FL330 up to FL410.
    QCOMPARE(high.minAltitude(), 33000);
    QCOMPARE(high.maxAltitude(), 41000);

    QTest::ignoreMessage(QtWarningMsg, "Check altitude failed (too big)! 70000");
    QTest::ignoreMessage(QtWarningMsg, "Check altitude failed (too small)! -500");
    const Record clamped = leg(Record::TF, -1, 0.0, 0, -1, QStringLiteral("FIXA"), QString(), 3, 70000, -500);
    QCOMPARE(clamped.altitude1(), Record::kAltitudeMax);
    QCOMPARE(clamped.altitude2(), -1);
    // Half a window keeps the limit that is known, on its own side.
    QCOMPARE(clamped.minAltitude(), -1);
    QCOMPARE(clamped.maxAltitude(), Record::kAltitudeMax);
}

void TestRecord::limits_data()
{
    // clang-format off
    QTest::addColumn<int>("altitudeDescription");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    // altitude1 8000, altitude2 6000
    QTest::newRow("+") << 0 << 8000 << -1;
    // "B" gives its ceiling first: at or above the second field, at or below the first.
    QTest::newRow("B") << 3 << 6000 << 8000;
    QTest::newRow("C") << 4 << 6000 << -1;
    QTest::newRow("unknown") << -1 << -1 << -1;
    // clang-format on
}

void TestRecord::limits()
{
    QFETCH(int, altitudeDescription);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    const Record record
        = leg(Record::TF, -1, 0.0, 0, -1, QStringLiteral("FIXA"), QString(), altitudeDescription, 8000, 6000);
    QCOMPARE(record.minAltitude(), minimum);
    QCOMPARE(record.maxAltitude(), maximum);
}

void TestRecord::altitudeText_data()
{
    // clang-format off
    QTest::addColumn<int>("altitudeDescription");
    QTest::addColumn<int>("altitude1");
    QTest::addColumn<int>("altitude2");
    QTest::addColumn<QString>("expected");

    QTest::newRow("+") << 0 << 5000 << -1 << "at or above 5000ft";
    QTest::newRow("+ blank") << 0 << -1 << -1 << "";
    // The floor of a "B" window is its second field, so it comes first in the text.
    QTest::newRow("B") << 3 << 8000 << 6000 << "at or above 6000ft to at or below 8000ft";
    QTest::newRow("B half blank") << 3 << 8000 << -1 << "";
    QTest::newRow("C") << 4 << -1 << 4000 << "at or above 4000ft";
    QTest::newRow("G") << 5 << 2000 << -1 << "at 2000ft, glide slope FAF altitude at -1ft";
    QTest::newRow("unknown") << -1 << 5000 << -1 << "Unknown record altitude description";
    // clang-format on
}

void TestRecord::altitudeText()
{
    QFETCH(int, altitudeDescription);
    QFETCH(int, altitude1);
    QFETCH(int, altitude2);
    QFETCH(QString, expected);
    const Record record
        = leg(Record::TF, -1, 0.0, 0, -1, QStringLiteral("FIXA"), QString(), altitudeDescription, altitude1, altitude2);
    QCOMPARE(record.altitudeText(), expected);
}

void TestRecord::legText_data()
{
    // clang-format off
    QTest::addColumn<Record>("record");
    QTest::addColumn<QString>("expected");

    const QString fix = QStringLiteral("FIXA");
    const QString navaid = QStringLiteral("NAVB");
    QTest::newRow("FD") << leg(Record::FD, 70, 12.5)
                        << QString::fromUtf8("Track 70° from fix FIXA to DME NAVB distance 12.5nm");
    QTest::newRow("RF") << leg(Record::RF, -1, 0, 0, 0, fix, navaid, -1, -1, -1, 0, 0, 2.5)
                        << "Constant radius 2.5nm arc center NAVB to fix FIXA";
    QTest::newRow("PI") << leg(Record::PI, 90, 1.0, 1, 0)
                        << QString::fromUtf8("045/180 procedure from FIXA heading 90° turn left 270° (1min each)");
    QTest::newRow("PI blank course") << leg(Record::PI, -1, 10.0, 0, 1)
                                     << QString::fromUtf8(
                                            "045/180 procedure from FIXA heading -1° turn right 179° (10nm each)");
    QTest::newRow("HF") << leg(Record::HF, 180, 1.0, 1, 0)
                        << QString::fromUtf8("Racetrack course 180° reversal left 0° (1min each), single circuit "
                                             "terminating at fix FIXA");
    QTest::newRow("unknown") << leg(-1) << "Unknown record termination";
    QTest::newRow("percent in identifier") << leg(Record::CF, 10, 0, 0, -1, QStringLiteral("A%2B"))
                                                  << QString::fromUtf8("Course 10° to fix A%2B");
    // clang-format on
}

void TestRecord::legText()
{
    QFETCH(Record, record);
    QFETCH(QString, expected);
    QCOMPARE(record.legText(false), expected);
}

void TestRecord::valueTexts()
{
    QCOMPARE(leg(Record::TF, -1, 1.0, 1).distanceText(), QStringLiteral("1min"));
    QCOMPARE(leg(Record::TF, -1, 10.5).distanceText(), QStringLiteral("10.5nm"));
    // A stored float prints as the float it is, not as the double it widens to.
    QCOMPARE(leg(Record::TF, -1, 0.1).distanceText(), QStringLiteral("0.1nm"));
    QCOMPARE(leg(Record::TF, -1, 3.19).distanceText(), QStringLiteral("3.19nm"));
    QCOMPARE(leg(Record::TF, -1, 1250.0).distanceText(), QStringLiteral("1250nm"));
    Unit::setInterfaceLocale(QLocale(QLocale::German));
    const QString german = leg(Record::TF, -1, 10.5).distanceText();
    Unit::setInterfaceLocale(QLocale::c());
    QCOMPARE(german, QStringLiteral("10,5nm"));
    QCOMPARE(
        leg(Record::RF, -1, 0, 0, -1, QStringLiteral("F"), QStringLiteral("N"), -1, -1, -1, 0, 0, 2.5).radiusText(),
        QStringLiteral("2.5nm"));
    QCOMPARE(
        leg(Record::RF, -1, 0, 0, -1, QStringLiteral("F"), QStringLiteral("N"), -1, -1, -1, 0, 0, 1.3).radiusText(),
        QStringLiteral("1.3nm"));
    QCOMPARE(leg(Record::TF, -1, 0, 0, -1, QStringLiteral("F"), QString(), -1, -1, -1, 0).speedText(), QString());
    QCOMPARE(leg(Record::TF, -1, 0, 0, -1, QStringLiteral("F"), QString(), -1, -1, -1, 230).speedText(),
             QStringLiteral("limited to 230kts"));
    QCOMPARE(leg(Record::TF, -1, 0, 0, -1, QStringLiteral("F"), QString(), -1, -1, -1, -5).speedLimit(), 0);
    QCOMPARE(leg(Record::TF, -1, 0, 0, -1, QStringLiteral("F"), QString(), -1, -1, -1, 250).speedLimit(), 250);
    QCOMPARE(leg(Record::TF, -1, 0, 0, 3).turnDirectionText(), QString());
    QCOMPARE(Record::routeTypeText(13), QStringLiteral("GNSS Landing System (GLS)Approach"));
    QCOMPARE(Record::routeTypeText(26), QStringLiteral("Unknown record type"));
    QCOMPARE(leg(Record::TF, -1, 0, 0, 2).turnDirectionText(), QStringLiteral("either"));
}

void TestRecord::fixRolesText()
{
    // An initial approach fix with holding, at or above 5000 ft, speed 210.
    const Record iaf = leg(Record::IF, -1, 0, 0, -1, QStringLiteral("FIXA"), QString(), 0, 5000, -1, 210,
                           Record::descriptionFromString(QStringLiteral("E  C")));
    QCOMPARE(iaf.fixRolesText(false),
             QStringLiteral("[IAF] Initial fix FIXA, holding, at or above 5000ft, limited to 210kts"));

    const Record facf = leg(Record::TF, -1, 0, 0, -1, QStringLiteral("FIXA"), QString(), -1, -1, -1, 0,
                            Record::descriptionFromString(QStringLiteral("EY D")));
    QVERIFY(facf.fixRolesText(false).startsWith(QStringLiteral("[IAF/FACF] Track to fix FIXA, fly-over")));

    const Record plain = leg(Record::TF, -1, 0, 0, -1, QStringLiteral("FIXA"), QString(), 0, -1, -1, 0);
    QCOMPARE(plain.fixRolesText(false), QStringLiteral("Track to fix FIXA"));
}

void TestRecord::debugString()
{
    const Record noTurn(20, 2, QStringLiteral("ALL"), QStringLiteral("ANEKI"), QString(), QStringLiteral("ENRT"),
                        QStringLiteral("ED"), Record::descriptionFromString(QStringLiteral("E  B")), -1, Record::TF,
                        250, 12.5, 0, 0, 5000, -1, 5000, 0, 0.0, -1);
    QCOMPARE(noTurn.toDebugString(),
             QString::fromUtf8("ALL:20 (SID or SID Common Route) ED/ENRT/ANEKI- (Track to fix ANEKI) "
                               "D[250°->12.5nm] A[0:5000<-1:5000] S[0] R-T[0;-1] ARINC=E|-|-|B"));
    QVERIFY(!noTurn.toDebugString().contains(QStringLiteral("(turn ")));

    const Record turn(30, 1, QStringLiteral("RW25C"), QStringLiteral("ANEKI"), QStringLiteral("DF25C"),
                      QStringLiteral("ENRT"), QStringLiteral("ED"), 0, 1, Record::RF, -1, 0.0, 0, 2, 3000, -1, -1, 220,
                      2.75, -1);
    QVERIFY(turn.toDebugString().contains(QStringLiteral(") (turn right) D[")));
    QVERIFY(turn.toDebugString().contains(QStringLiteral("R-T[2.75;-1]")));
    Unit::setInterfaceLocale(QLocale(QLocale::German)); // the log's numbers stay the C locale's
    const QString logged = turn.toDebugString();
    Unit::setInterfaceLocale(QLocale::c());
    QVERIFY(logged.contains(QStringLiteral("(Constant radius 2.75nm arc center DF25C to fix ANEKI)")));
}

void TestRecord::copyAndEquality()
{
    const Record original = leg(Record::FD, 70, 12.5, 0, 1);
    const Record copy(original);
    QCOMPARE(copy, original);
    Record assigned;
    assigned = original;
    QCOMPARE(assigned, original);

    QVERIFY(leg(Record::FD, 70, 12.5) != leg(Record::FD, 70, 12.6));
    QVERIFY(leg(Record::FD, 70, 12.5, 0) != leg(Record::FD, 70, 12.5, 1));
    QVERIFY(leg(Record::FD, 70, 12.5, 0, -1, QStringLiteral("fixa")) != leg(Record::FD, 70, 12.5));

    QList<Record> list{original, leg(Record::IF)};
    const QList<Record> listCopy = list;
    list[0] = leg(Record::CA);
    QCOMPARE(listCopy.at(0), original);
}

void TestRecord::everyFieldKept_data()
{
    // clang-format off
    QTest::addColumn<Record>("changed");
    const auto with = [](const QString &transition, const QString &fix, const QString &region, int altitude1,
                         double distance, int fixKind) {
        Record record(40, 5, transition, fix, QStringLiteral("FFM"), QStringLiteral("EDDF"), region, 0x45202020, 1,
                      Record::CF, 2475, distance, 0, 3, altitude1, 5000, 5000, 210, 3.25, 1200);
        record.setKinds(fixKind, Record::VhfNavaid);
        return record;
    };
    const QString rw07 = QStringLiteral("RW07");
    const QString fix = QStringLiteral("DF610");
    const QString ed = QStringLiteral("ED");
    QTest::newRow("unchanged") << with(rw07, fix, ed, 33000, 8.5, Record::WaypointFix);
    QTest::newRow("transition") << with(QStringLiteral("RW25"), fix, ed, 33000, 8.5, Record::WaypointFix);
    QTest::newRow("no transition") << with(QString(), fix, ed, 33000, 8.5, Record::WaypointFix);
    QTest::newRow("fix") << with(rw07, QStringLiteral("DF611"), ed, 33000, 8.5, Record::WaypointFix);
    QTest::newRow("region") << with(rw07, fix, QStringLiteral("EB"), 33000, 8.5, Record::WaypointFix);
    QTest::newRow("flight level") << with(rw07, fix, ed, 33100, 8.5, Record::WaypointFix);
    QTest::newRow("distance") << with(rw07, fix, ed, 33000, 8.6, Record::WaypointFix);
    QTest::newRow("fix kind") << with(rw07, fix, ed, 33000, 8.5, Record::NdbNavaid);
    // clang-format on
}

// A leg copies with its fields and differs from another in any one of them.
void TestRecord::everyFieldKept()
{
    QFETCH(Record, changed);
    Record base(40, 5, QStringLiteral("RW07"), QStringLiteral("DF610"), QStringLiteral("FFM"), QStringLiteral("EDDF"),
                QStringLiteral("ED"), 0x45202020, 1, Record::CF, 2475, 8.5, 0, 3, 33000, 5000, 5000, 210, 3.25, 1200);
    base.setKinds(Record::WaypointFix, Record::VhfNavaid);
    QCOMPARE(changed == base, QByteArray(QTest::currentDataTag()) == "unchanged");
    Record copy = base;
    copy = changed;
    QCOMPARE(copy, changed);
    QCOMPARE(copy.transition(), changed.transition());
    QCOMPARE(copy.transition().isNull(), changed.transition().isNull());
    QCOMPARE(copy.altitude1(), changed.altitude1());
    // A million legs are held at once: the leg stays a few pointers wide.
    QVERIFY(sizeof(Record) <= 80);
}

namespace {

} // namespace

void TestRecord::textsInContextRecord()
{
    MarkingTranslator translator("Record");
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const Record left = leg(Record::TF, -1, 0.0, 0, 0);
    const QString turn = left.turnDirectionText();
    const QString speed
        = leg(Record::TF, -1, 0.0, 0, -1, QStringLiteral("FIXA"), QString(), -1, -1, -1, 230).speedText();
    const QString routeType = Record::routeTypeText(99);
    const QString runwayTransition = Record::routeTypeText(1);
    const QString logLine = left.toDebugString();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(runwayTransition, QStringLiteral("<SID Runway Transition>"));
    QVERIFY2(logLine.contains(QStringLiteral("(SID Runway Transition)")), qPrintable(logLine));
    QCOMPARE(turn, QStringLiteral("<left>"));
    QCOMPARE(speed, QStringLiteral("<limited to %1kts>").arg(230));
    QCOMPARE(routeType, QStringLiteral("<Unknown record type>"));
    QCOMPARE(left.turnDirectionText(), QStringLiteral("left"));
}

void TestRecord::streamRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<Record>("record");
    QTest::newRow("blank leg") << Record(0, -1,
                                         QStringLiteral("ALL"), QString(), QString(), QString(), QString(), 0, -1, -1,
                                                        -1, 0.0, 0, -1, -1, -1, -1, 0, 0.0, -1);
    QTest::newRow("RF leg") << Record(
        40, 1,
        QStringLiteral("RW25C"), QStringLiteral("DF25C"),
                                                QStringLiteral("CENTR"),
                                                               QStringLiteral("EDDF"), QStringLiteral("ED"), 0x45202042,
                                                                                                      0, Record::RF,
                                                                                                      249, 3.7, 0, 3,
                                                                                                      8000, 6000, 5000,
                                                                                                      250, 2.5, 123);
    QTest::newRow("flight levels") << leg(Record::TF, 90, 0.1, 1, 2,
                                          QStringLiteral("HIGH"), QString(), 3, 41000, 33000, 280, 0xFFFFFFFF);
    QTest::newRow("unicode") << leg(Record::TF, 90, 0.0, 0, -1, QString::fromUtf8("\u00c4BC"), QStringLiteral(""));
    // clang-format on
}

void TestRecord::streamRoundTrip()
{
    QFETCH(Record, record);
    const QByteArray bytes = recordOf(record);
    QDataStream in(bytes);
    Record read;
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(in.atEnd());
    QCOMPARE(read, record);
    QCOMPARE(read.toDebugString(), record.toDebugString());
}

void TestRecord::streamBytes()
{
    const Record record(10, 1, QStringLiteral("ALL"), QStringLiteral("AB"), QStringLiteral("FFM"),
                        QStringLiteral("ENRT"), QStringLiteral("ED"), 0x56204D41, 1, Record::DF, 90, 1.5, 0, 0, 5000,
                        -1, 18000, 210, 0.0, -1);
    // clang-format off
    const QByteArray pinned = QByteArray::fromHex(
        "000a"                          // sequence
        "01"                            // route type
        "00000006" "0041004c004c"       // transition ALL
        "00000004" "00410042"           // fix AB
        "00000006" "00460046004d"       // navaid FFM
        "00000008" "0045004e00520054"   // terminal ENRT
        "00000004" "00450044"           // region ED
        "56204d41"                      // description
        "01" "03"                       // turn direction, path terminator
        "005a"                          // course
        "3ff8000000000000"              // distance as a double
        "00" "00"                       // time flag, altitude description
        "1388" "ffff" "4650"            // altitudes 5000, none, 18000
        "00d2"                          // speed
        "0000000000000000"              // arc radius as a double
        "ffff"                          // theta
        "00" "00");                     // kinds of fix and navaid: not told
    // clang-format on
    QCOMPARE(recordOf(record).toHex(), pinned.toHex());
}

void TestRecord::streamReadsEarlierAltitudes()
{
    // Files written while the altitudes were 16-bit signed fields: -1 and the clamped 32767
    // must read as before.
    const Record earlier = leg(Record::TF, 90, 0.0, 0, -1, QStringLiteral("F"), QString(), 3, 32767, -1);
    QByteArray bytes = recordOf(earlier);
    QDataStream in(bytes);
    Record read;
    in >> read;
    QCOMPARE(read.altitude1(), 32767);
    QCOMPARE(read.altitude2(), -1);
    QCOMPARE(read.transitionAltitude(), -1);
}

void TestRecord::lookupOrder()
{
    // The fix under its own terminal.
    const Record airportFix(10, 1, QStringLiteral("RW25C"), QStringLiteral("DF25C"), QStringLiteral("ANEKI"),
                            QStringLiteral("EDDF"), QStringLiteral("ED"), 0, -1, Record::CF, 250, 0, 0, -1, -1, -1, -1,
                            0, 0, -1);
    QCOMPARE(airportFix.fixUid(), QStringLiteral("ED/EDDF/DF25C"));
    // The navaid with the fix's region and terminal: found as an enroute point of the region.
    QCOMPARE(airportFix.navaidUid(), QStringLiteral("ED/ENRT/ANEKI"));
    QCOMPARE(airportFix.fixPosition(), QGeoCoordinate(50.0, 8.0));
    QCOMPARE(airportFix.navaidPosition(), QGeoCoordinate(50.5, 8.5));
    QVERIFY(airportFix.fixText(true).contains(QStringLiteral("POINT>ED/EDDF/DF25C")));
    QCOMPARE(airportFix.fixText(false), QStringLiteral("DF25C"));

    // Region "*" is left out of the UID: terminal/identifier.
    const Record noRegion(10, 1, QStringLiteral("ALL"), QStringLiteral("LOOSE"), QString(), QStringLiteral("EDDF"),
                          QStringLiteral("*"), 0, -1, Record::TF, -1, 0, 0, -1, -1, -1, -1, 0, 0, -1);
    QCOMPARE(noRegion.fixUid(), QStringLiteral("EDDF/LOOSE"));
    // An empty navaid is no lookup and no warning.
    QCOMPARE(noRegion.navaidPoint(), nullptr);

    // Third try: without region.
    const Record wrongRegion(10, 1, QStringLiteral("ALL"), QStringLiteral("LOOSE"), QString(), QStringLiteral("EDDF"),
                             QStringLiteral("LF"), 0, -1, Record::TF, -1, 0, 0, -1, -1, -1, -1, 0, 0, -1);
    QCOMPARE(wrongRegion.fixUid(), QStringLiteral("EDDF/LOOSE"));
}

// Fixes of one ident, region and kind may lie oceans apart; a procedure's leg means the one
// nearest its airport, whichever the data lists first.
void TestRecord::lookupNamesakes_data()
{
    // clang-format off
    QTest::addColumn<int>("fixKind");
    QTest::addColumn<QString>("terminal");
    QTest::newRow("waypoint") << int(Record::WaypointFix) << "EDDF";
    QTest::newRow("any kind") << int(Record::AnyKind) << "EDDF";
    QTest::newRow("other airport") << int(Record::WaypointFix) << "YSSY";
    // clang-format on
}

void TestRecord::lookupNamesakes()
{
    QFETCH(int, fixKind);
    QFETCH(QString, terminal);
    if (!Database::findPoint(QStringLiteral("ED/ENRT/TWINS"), false)) {
        for (const QGeoCoordinate &position : {QGeoCoordinate(-33.0, 151.0), QGeoCoordinate(50.2, 8.7)})
            m_database->addPoint(new Point(Point::FIX, position, QStringLiteral("TWINS"), QStringLiteral("ENRT"),
                                           QStringLiteral("ED"), QStringLiteral("TWINS"), 0, 0.0f,
                                           QStringLiteral("    ")));
        for (const char *code : {"EDDF", "YSSY"}) {
            auto *airport = new Airport(QString::fromLatin1(code), QString::fromLatin1(code), 0);
            const QGeoCoordinate centre = code[0] == 'E' ? QGeoCoordinate(50.03, 8.57) : QGeoCoordinate(-33.95, 151.18);
            airport->setPosition(centre, QGeoRectangle(centre, centre));
            m_database->addPoint(airport);
        }
    }
    Record record(10, 1, QStringLiteral("ALL"), QStringLiteral("TWINS"), QString(), terminal, QStringLiteral("ED"), 0,
                  -1, Record::TF, -1, 0, 0, -1, -1, -1, -1, 0, 0, -1);
    record.setKinds(fixKind, Record::VhfNavaid);
    const QGeoCoordinate expected
        = terminal == QLatin1String("EDDF") ? QGeoCoordinate(50.2, 8.7) : QGeoCoordinate(-33.0, 151.0);
    QCOMPARE(record.fixPosition(), expected);
}

void TestRecord::lookupMisses()
{
    const Record missing(10, 1, QStringLiteral("KERAX"), QStringLiteral("<b>X&"), QStringLiteral("\"NAV"),
                         QStringLiteral("ENRT"), QString(), 0, -1, Record::FD, 10, 1.0, 0, -1, -1, -1, -1, 0, 0, -1);
    QTest::ignoreMessage(QtWarningMsg, "Cannot find FIX point \"<b>X&\" for transition \"KERAX\"");
    QCOMPARE(missing.fixPoint(), nullptr);
    QTest::ignoreMessage(QtWarningMsg, "Cannot find complementary point \"\\\"NAV\" for transition \"KERAX\"");
    QCOMPARE(missing.navaidUid(), QString());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot find FIX point")));
    QVERIFY(!missing.fixPosition().isValid());

    // Bare identifiers: as they are in plain text, which looks nothing up, escaped where the text is HTML.
    QCOMPARE(missing.fixText(false), QStringLiteral("<b>X&"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot find FIX point")));
    QCOMPARE(missing.fixText(true), QStringLiteral("&lt;b&gt;X&amp;"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot find complementary point")));
    QCOMPARE(missing.navaidText(true), QStringLiteral("&quot;NAV"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot find FIX point")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot find complementary point")));
    QVERIFY(!missing.fixRolesText(true).contains(QStringLiteral("<b>")));
}

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
