#include "airport.h"
#include "database.h"
#include "point.h"
#include "procedure.h"
#include "procedurefixes.h"
#include "procedurepath.h"
#include "record.h"
#include "runway.h"
#include "settings.h"
#include "testsupport.h"

#include <QGeoRectangle>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>

// The map line of procedure transitions, leg type by leg type, against points worked out
// here; the metre walks against a plain metre-by-metre walk.

namespace {

const QGeoCoordinate kAlpha(50.0, 8.0);
const QGeoCoordinate kBravo(50.1, 8.2);
const QGeoCoordinate kCharlie(50.2, 8.0);
const QGeoCoordinate kDme(50.0, 8.5);
const QGeoCoordinate kCentre(50.05, 8.1);
const QGeoCoordinate kEast(10.0, 179.99);
const QGeoCoordinate kWest(10.0, -179.99);
const QGeoCoordinate kDateline(9.99, 180.0);
const QGeoCoordinate kThreshold07C(50.03, 8.53);
const QGeoCoordinate kThreshold25C(50.04, 8.59);
constexpr double kNm = 1852.0;

qint64 nearestMod360(double x)
{
    return std::llround(x) % 360;
}

// The walks as the legs define them: metre by metre up to 99 999 m.
QGeoCoordinate walk(const QGeoCoordinate &start, double azimuth, int first,
                    const std::function<bool(const QGeoCoordinate &)> &stop)
{
    for (int k = first; k <= 99999; ++k) {
        const QGeoCoordinate p = start.atDistanceAndAzimuth(k, azimuth);
        if (stop(p))
            return p;
    }
    return start.atDistanceAndAzimuth(99999, azimuth);
}

QGeoCoordinate walkDistance(const QGeoCoordinate &start, double azimuth, const QGeoCoordinate &reference, double target,
                            bool atLeast)
{
    return walk(start, azimuth, 1, [&](const QGeoCoordinate &p) {
        const double d = p.distanceTo(reference);
        return atLeast ? d >= target : d <= target;
    });
}

QGeoCoordinate walkBearing(const QGeoCoordinate &start, double azimuth, int first, const QGeoCoordinate &target,
                           int course, const std::function<bool(int)> &accept)
{
    return walk(start, azimuth, first, [&](const QGeoCoordinate &p) {
        return accept(int(nearestMod360(std::abs(p.azimuthTo(target) - course))));
    });
}

// A leg written as "TF BRAVO c=90 d=2.5 t=R n=DME r=1.5 tr=RW25C mis": the terminator, the
// fix, then course, distance, turn, navaid, arc radius, transition and the missed-approach mark.
Record leg(const QString &text)
{
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString fix;
    QString navaid;
    QString transition = QStringLiteral("ALL");
    QString description = QStringLiteral("E   ");
    int course = -1;
    int turn = -1;
    double distance = 0.0;
    double radius = 0.0;
    for (const QString &token : tokens.mid(1)) {
        const QString value = token.section(QLatin1Char('='), 1);
        if (token.startsWith(QLatin1String("c=")))
            course = value.toInt();
        else if (token.startsWith(QLatin1String("d=")))
            distance = value.toDouble();
        else if (token.startsWith(QLatin1String("t=")))
            turn = Record::turnDirectionFromString(value);
        else if (token.startsWith(QLatin1String("n=")))
            navaid = value;
        else if (token.startsWith(QLatin1String("r=")))
            radius = value.toDouble();
        else if (token.startsWith(QLatin1String("tr=")))
            transition = value;
        else if (token == QLatin1String("mis"))
            description = QStringLiteral("  M ");
        else
            fix = token;
    }
    return Record(10, 1, transition, fix, navaid, QStringLiteral("ENRT"), QStringLiteral("ED"),
                  Record::descriptionFromString(description), turn, Record::pathTerminatorFromString(tokens.first()),
                  course, distance, 0, -1, -1, -1, -1, 0, radius, -1);
}

QList<QGeoCoordinate> pathOf(int type, const QString &name, const QStringList &legs, const QString &transition)
{
    Procedure procedure(name, QStringLiteral("EDDF"), type);
    for (const QString &text : legs)
        procedure.addRecord(leg(text));
    QList<QGeoCoordinate> result;
    const QVariantList variants = procedure.buildProcedurePath(transition);
    for (const QVariant &variant : variants)
        result.append(variant.value<QGeoCoordinate>());
    return result;
}

double maxDistanceFrom(const QList<QGeoCoordinate> &points, const QGeoCoordinate &from)
{
    double result = 0.0;
    for (const QGeoCoordinate &point : points)
        result = std::max(result, from.distanceTo(point));
    return result;
}

} // namespace

class TestProcedurePath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void legs_data();
    void legs();
    void walksMatchMetreByMetre_data();
    void walksMatchMetreByMetre();
    void inboundDmeLegEndsAtTheDistance();
    void courseToFixCurve();
    void arcsKeepTheirRadius();
    void racetrackSide_data();
    void racetrackSide();
    void missingPointsAreLeftOut();
    void antimeridian();
    void bounding();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestProcedurePath::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    addProcedureFix(*m_database, QStringLiteral("ALPHA"), kAlpha);
    addProcedureFix(*m_database, QStringLiteral("BRAVO"), kBravo);
    addProcedureFix(*m_database, QStringLiteral("CHARL"), kCharlie);
    addProcedureFix(*m_database, QStringLiteral("DMEAA"), kDme);
    addProcedureFix(*m_database, QStringLiteral("CENTR"), kCentre);
    addProcedureFix(*m_database, QStringLiteral("EASTA"), kEast);
    addProcedureFix(*m_database, QStringLiteral("WESTA"), kWest);
    addProcedureFix(*m_database, QStringLiteral("DATEL"), kDateline);
    auto *airport = new Airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    airport->setPosition(kThreshold07C, QGeoRectangle(kThreshold07C, 0.1, 0.1));
    m_database->addPoint(airport);
    m_database->addRunway(new Runway(QStringLiteral("EDDF"), kThreshold07C, QStringLiteral("07C"), 0.0f, kThreshold25C,
                                     QStringLiteral("25C"), 0.0f, 45.0f, 1, 1, 1));
}

void TestProcedurePath::legs_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("legs");
    QTest::addColumn<QString>("transition");
    QTest::addColumn<int>("size");
    QTest::addColumn<QGeoCoordinate>("first");
    QTest::addColumn<QGeoCoordinate>("last");

    const int sid = Procedure::SID;
    const int star = Procedure::STAR;
    const int appch = Procedure::APPCH;
    const QString all = QStringLiteral("ALL");

    QTest::newRow("TF") << star << "S1" << QStringList{"IF ALPHA", "TF BRAVO"} << all << 2 << kAlpha << kBravo;
    QTest::newRow("DF") << star << "S1" << QStringList{"IF ALPHA", "DF BRAVO"} << all << 2 << kAlpha << kBravo;
    QTest::newRow("CF blank inbound") << star << "S1" << QStringList{"IF ALPHA", "CF BRAVO c=0"} << all << 2
                                      << kAlpha << kBravo;
    QTest::newRow("CF within 15 degrees")
        << star << "S1" << QStringList{"IF ALPHA c=90", "CF CHARL c=10"} << all << 2 << kAlpha << kCharlie;
    QTest::newRow("CF curved") << star << "S1" << QStringList{"IF ALPHA c=90", "CF BRAVO c=0"} << all << 52
                               << kAlpha << kBravo;
    QTest::newRow("CF first leg") << star << "S1" << QStringList{"CF BRAVO c=0"} << all << 1 << kBravo << kBravo;
    QTest::newRow("CA") << star << "S1" << QStringList{"IF ALPHA", "CA c=90"} << all << 2 << kAlpha
                        << kAlpha.atDistanceAndAzimuth(kNm, 90);
    QTest::newRow("CA first leg") << star << "S1" << QStringList{"CA c=90", "DF BRAVO"} << all << 1 << kBravo
                                  << kBravo;
    QTest::newRow("FC") << star << "S1" << QStringList{"IF ALPHA", "FC ALPHA c=90 d=2.5"} << all << 2 << kAlpha
                        << walkDistance(kAlpha, 90, kAlpha, 2.5 * kNm, true);
    QTest::newRow("FD away from the DME")
        << star << "S1" << QStringList{"IF ALPHA", "FD ALPHA c=270 d=22 n=DMEAA"} << all << 2 << kAlpha
        << walkDistance(kAlpha, 270, kDme, 22 * kNm, true);
    QTest::newRow("CD towards the DME")
        << star << "S1" << QStringList{"IF ALPHA", "CD c=90 d=10 n=DMEAA"} << all << 2 << kAlpha
        << walkDistance(kAlpha, 90, kDme, 10 * kNm, false);
    QTest::newRow("CD passing the DME") << star << "S1" << QStringList{"IF ALPHA", "CD c=90 d=25 n=DMEAA"} << all
                                        << 2 << kAlpha << walkDistance(kAlpha, 90, kDme, 25 * kNm, true);
    QTest::newRow("CD never reaching") << star << "S1" << QStringList{"IF ALPHA", "CD c=0 d=5 n=DMEAA"} << all << 2
                                       << kAlpha << kAlpha.atDistanceAndAzimuth(99999, 0);
    QTest::newRow("FD first leg") << star << "S1" << QStringList{"FD ALPHA c=90 d=5 n=DMEAA"} << all << 1 << kAlpha
                                  << kAlpha;
    QTest::newRow("RF") << star << "S1" << QStringList{"IF ALPHA", "RF BRAVO n=CENTR r=4"} << all << 52 << kAlpha
                        << kBravo;
    QTest::newRow("RF first leg") << star << "S1" << QStringList{"RF BRAVO n=CENTR r=4"} << all << 1 << kBravo
                                  << kBravo;
    QTest::newRow("AF") << star << "S1" << QStringList{"IF ALPHA", "AF BRAVO n=CENTR"} << all << 52 << kAlpha
                        << kBravo;
    QTest::newRow("FM last leg") << star << "S1" << QStringList{"IF ALPHA", "FM ALPHA c=90"} << all << 2 << kAlpha
                                 << kAlpha.atDistanceAndAzimuth(3 * kNm, 90);
    QTest::newRow("FM same course") << star << "S1" << QStringList{"IF ALPHA", "FM ALPHA c=90", "TF BRAVO c=90"}
                                    << all << 3 << kAlpha << kBravo;
    QTest::newRow("FM turning") << star << "S1" << QStringList{"FM ALPHA c=90", "TF CHARL c=0"} << all << 2
                                << walkBearing(kAlpha, 90, 1852, kCharlie, 90, [](int g) { return g > 45; })
                                << kCharlie;
    QTest::newRow("FM next fix missing") << star << "S1" << QStringList{"FM ALPHA c=90", "CA c=0"} << all << 0
                                         << QGeoCoordinate() << QGeoCoordinate();
    QTest::newRow("HM") << star << "S1" << QStringList{"IF ALPHA", "HM ALPHA c=270 d=1 t=R"} << all << 202 << kAlpha
                        << kAlpha;
    QTest::newRow("HA") << star << "S1" << QStringList{"HA ALPHA c=270 d=2"} << all << 201 << kAlpha << kAlpha;
    QTest::newRow("HF") << star << "S1" << QStringList{"HF ALPHA c=90 d=1"} << all << 201 << kAlpha << kAlpha;
    QTest::newRow("PI last leg") << star << "S1" << QStringList{"IF ALPHA", "PI ALPHA c=270 d=5 t=L"} << all << 103
                                 << kAlpha << kAlpha;
    QTest::newRow("PI then another fix")
        << star << "S1" << QStringList{"PI ALPHA c=270 d=5 t=R", "TF BRAVO"} << all << 102 << kAlpha << kBravo;
    QTest::newRow("SID from its runway") << sid << "ANEK1A"
                                         << QStringList{"CA c=250 tr=RW25C", "DF BRAVO tr=RW25C"} << "RW25C" << 3
                                         << kThreshold07C << kBravo;
    QTest::newRow("SID runway unknown") << sid << "ANEK1A" << QStringList{"CA c=250 tr=RW99", "DF BRAVO tr=RW99"}
                                        << "RW99" << 1 << kBravo << kBravo;
    QTest::newRow("approach to its runway")
        << appch << "I25C" << QStringList{"IF ALPHA", "TF BRAVO", "CA c=250 mis", "TF CHARL"} << all << 3 << kAlpha
        << kThreshold25C;
    QTest::newRow("approach transition") << appch << "I25C" << QStringList{"IF CHARL tr=CHARL", "TF ALPHA tr=CHARL"}
                                         << "CHARL" << 2 << kCharlie << kAlpha;
    QTest::newRow("STAR runway transition") << star << "KERA2B" << QStringList{"IF ALPHA tr=RW25C", "TF BRAVO tr=RW25C"}
                                            << "RW25C" << 2 << kAlpha << kBravo;
    QTest::newRow("every leg up to the missed approach")
        << appch << "I25C" << QStringList{"IF CHARL tr=CHARL", "IF ALPHA", "TF BRAVO", "CA c=250 mis", "TF CHARL"}
        << "" << 3 << kCharlie << kBravo;
    QTest::newRow("no legs of the transition") << star << "S1" << QStringList{"IF ALPHA"} << "KERAX" << 0
                                               << QGeoCoordinate() << QGeoCoordinate();
    QTest::newRow("unknown terminator") << star << "S1" << QStringList{"IF ALPHA", "VA BRAVO c=90"} << all << 2
                                        << kAlpha << kBravo;
    // clang-format on
}

void TestProcedurePath::legs()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QStringList, legs);
    QFETCH(QString, transition);
    QFETCH(int, size);
    QFETCH(QGeoCoordinate, first);
    QFETCH(QGeoCoordinate, last);

    const QList<QGeoCoordinate> path = pathOf(type, name, legs, transition);
    QCOMPARE(path.size(), size);
    for (const QGeoCoordinate &point : path)
        QVERIFY2(point.isValid(), qPrintable(point.toString()));
    if (size == 0)
        return;
    // A hold starts on its first arc, which is drawn on a slightly larger sphere.
    QVERIFY2(path.first().distanceTo(first) < 5.0, qPrintable(path.first().toString()));
    QVERIFY2(path.last().distanceTo(last) < 0.5, qPrintable(path.last().toString()));
}

void TestProcedurePath::walksMatchMetreByMetre_data()
{
    // clang-format off
    QTest::addColumn<QGeoCoordinate>("start");
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<QGeoCoordinate>("reference");
    // "least" and "most": distance to reference against target metres; "greater" and "less":
    // the rounded bearing deviation from course against the target.
    QTest::addColumn<QString>("condition");
    QTest::addColumn<double>("target");
    QTest::addColumn<int>("course");

    const QGeoCoordinate equator(0.0, 0.0);
    const QGeoCoordinate aside(0.3, 0.05);
    double closest = 1e9;
    for (int k = 1; k <= 99999; ++k)
        closest = std::min(closest, equator.atDistanceAndAzimuth(k, 0).distanceTo(aside));

    QTest::newRow("outbound 2.5 NM") << kAlpha << 90.0 << kAlpha << "least" << 2.5 * kNm << 0;
    QTest::newRow("target 0") << kAlpha << 90.0 << kAlpha << "least" << 0.0 << 0;
    QTest::newRow("beyond the walk") << kAlpha << 90.0 << kAlpha << "least" << 200000.0 << 0;
    QTest::newRow("inbound 10 NM") << kAlpha << 90.0 << kDme << "most" << 10 * kNm << 0;
    QTest::newRow("inbound missing") << kAlpha << 0.0 << kDme << "most" << 5 * kNm << 0;
    QTest::newRow("grazing, 0.4 m inside") << equator << 0.0 << aside << "most" << closest + 0.4 << 0;
    QTest::newRow("grazing, 0.1 mm inside") << equator << 0.0 << aside << "most" << closest + 1e-4 << 0;
    QTest::newRow("grazing from outside") << equator << 180.0 << aside << "least" << 40000.0 << 0;
    QTest::newRow("manual termination") << kAlpha << 90.0 << kCharlie << "greater" << 45.0 << 90;
    QTest::newRow("manual, same course") << kAlpha << 90.0 << kCharlie << "greater" << -45.0 << 90;
    QTest::newRow("manual, wrapping bearing") << kAlpha << 95.0 << QGeoCoordinate(50.3, 8.05) << "greater" << 30.0
                                              << 0;
    QTest::newRow("manual, blank course") << kAlpha << -1.0 << QGeoCoordinate(50.5, 8.3) << "greater" << 10.0 << -1;
    QTest::newRow("intercept") << QGeoCoordinate(49.99, 7.8) << 80.0 << kAlpha << "less" << 5.0 << 90;
    QTest::newRow("intercept behind") << QGeoCoordinate(50.1, 8.1) << 90.0 << kAlpha << "less" << 5.0 << 270;
    QTest::newRow("near the pole") << QGeoCoordinate(89.5, 0.0) << 90.0 << QGeoCoordinate(89.6, 100.0) << "greater"
                                   << 20.0 << 90;
    QTest::newRow("over the antimeridian") << QGeoCoordinate(10.0, 179.9) << 90.0 << QGeoCoordinate(10.2, -179.8)
                                           << "less" << 5.0 << 45;
    QTest::newRow("passing close by") << kAlpha << 90.0 << QGeoCoordinate(50.0005, 8.3) << "greater" << 90.0 << 90;
    // clang-format on
}

void TestProcedurePath::walksMatchMetreByMetre()
{
    QFETCH(QGeoCoordinate, start);
    QFETCH(double, azimuth);
    QFETCH(QGeoCoordinate, reference);
    QFETCH(QString, condition);
    QFETCH(double, target);
    QFETCH(int, course);

    QGeoCoordinate expected;
    QGeoCoordinate found;
    if (condition == QLatin1String("least") || condition == QLatin1String("most")) {
        const bool atLeast = condition == QLatin1String("least");
        expected = walkDistance(start, azimuth, reference, target, atLeast);
        found = atLeast ? ProcedurePath::walkToDistanceAtLeast(start, azimuth, 1, 99999, reference, target)
                        : ProcedurePath::walkToDistanceAtMost(start, azimuth, 1, 99999, reference, target);
    } else {
        const int limit = int(target);
        std::function<bool(int)> accept;
        if (condition == QLatin1String("greater"))
            accept = [limit](int g) { return g > limit; };
        else
            accept = [limit](int g) { return g < limit; };
        const int first = condition == QLatin1String("greater") ? 1852 : 1;
        expected = walkBearing(start, azimuth, first, reference, course, accept);
        found = ProcedurePath::walkToBearing(start, azimuth, first, 99999, reference, course, accept);
    }
    QVERIFY2(found.distanceTo(expected) < 0.01, qPrintable(QStringLiteral("%1 m from %2 instead of %3 m")
                                                               .arg(start.distanceTo(found))
                                                               .arg(start.toString())
                                                               .arg(start.distanceTo(expected))));
}

void TestProcedurePath::inboundDmeLegEndsAtTheDistance()
{
    // Starting 19 NM from the DME, a leg inbound to 10 NM ends about 9 NM on, not one metre out.
    for (const QString &text : {QStringLiteral("FD ALPHA c=90 d=10 n=DMEAA"), QStringLiteral("CD c=90 d=10 n=DMEAA")}) {
        const QList<QGeoCoordinate> path
            = pathOf(Procedure::STAR, QStringLiteral("S1"), {QStringLiteral("IF ALPHA"), text}, QStringLiteral("ALL"));
        QCOMPARE(path.size(), 2);
        QVERIFY(path.last().distanceTo(kDme) <= 10 * kNm);
        QVERIFY(path.last().distanceTo(kDme) > 10 * kNm - 1.0);
        QVERIFY(kAlpha.distanceTo(path.last()) > 8 * kNm);
    }
}

void TestProcedurePath::courseToFixCurve()
{
    // Inbound 90 onto a course of 0: arms of the plain length; inbound 270: the difference is
    // 180 degrees or more and the arms double, so the curve swings out farther.
    const QList<QGeoCoordinate> plain
        = pathOf(Procedure::STAR, QStringLiteral("S1"),
                 {QStringLiteral("IF ALPHA c=90"), QStringLiteral("CF BRAVO c=0")}, QStringLiteral("ALL"));
    const QList<QGeoCoordinate> doubled
        = pathOf(Procedure::STAR, QStringLiteral("S1"),
                 {QStringLiteral("IF ALPHA c=270"), QStringLiteral("CF BRAVO c=0")}, QStringLiteral("ALL"));
    QCOMPARE(plain.size(), 52);
    QCOMPARE(doubled.size(), 52);
    // The curve leaves in the inbound direction: east, or west.
    QVERIFY(plain.at(1).longitude() > kAlpha.longitude());
    QVERIFY(doubled.at(1).longitude() < kAlpha.longitude());
    QVERIFY(maxDistanceFrom(doubled, kBravo) > maxDistanceFrom(plain, kBravo));

    // After a radius arc the inbound direction is the arc's last piece.
    const QList<QGeoCoordinate> afterArc
        = pathOf(Procedure::STAR, QStringLiteral("S1"),
                 {QStringLiteral("IF ALPHA"), QStringLiteral("RF BRAVO n=CENTR r=4"), QStringLiteral("CF CHARL c=270")},
                 QStringLiteral("ALL"));
    QCOMPARE(afterArc.size(), 52 + 51);
    QCOMPARE(afterArc.last(), kCharlie);
}

void TestProcedurePath::arcsKeepTheirRadius()
{
    const QList<QGeoCoordinate> rf
        = pathOf(Procedure::STAR, QStringLiteral("S1"),
                 {QStringLiteral("IF ALPHA"), QStringLiteral("RF BRAVO n=CENTR r=4")}, QStringLiteral("ALL"));
    QCOMPARE(rf.size(), 52);
    // The arc is drawn on a slightly larger sphere than QGeoCoordinate measures on.
    for (int i = 1; i <= 50; ++i)
        QVERIFY(std::abs(kCentre.distanceTo(rf.at(i)) - 4 * kNm) < 10.0);
    QVERIFY(std::abs(kCentre.azimuthTo(rf.at(1)) - kCentre.azimuthTo(kAlpha)) < 0.01);

    const QList<QGeoCoordinate> af
        = pathOf(Procedure::STAR, QStringLiteral("S1"),
                 {QStringLiteral("IF ALPHA"), QStringLiteral("AF BRAVO n=CENTR")}, QStringLiteral("ALL"));
    const double radius = kCentre.distanceTo(kBravo);
    for (int i = 1; i <= 50; ++i)
        QVERIFY(std::abs(kCentre.distanceTo(af.at(i)) - radius) < radius * 0.002);
}

void TestProcedurePath::racetrackSide_data()
{
    // clang-format off
    QTest::addColumn<QString>("turn");
    QTest::addColumn<double>("side");
    QTest::newRow("right") << "t=R" << 90.0;
    QTest::newRow("left") << "t=L" << -90.0;
    QTest::newRow("none") << "" << -90.0;
    QTest::newRow("either") << "t=E" << -90.0;
    // clang-format on
}

void TestProcedurePath::racetrackSide()
{
    QFETCH(QString, turn);
    QFETCH(double, side);
    const QList<QGeoCoordinate> path = pathOf(Procedure::STAR, QStringLiteral("S1"),
                                              {QStringLiteral("HM ALPHA c=270 d=3 ") + turn}, QStringLiteral("ALL"));
    QCOMPARE(path.size(), 201);
    QCOMPARE(path.last(), kAlpha);
    // The second turn starts abeam the inbound leg's start, 2 NM to the side of the turns; a
    // leg of 3 (minutes) is drawn 3 NM long.
    const QGeoCoordinate start = kAlpha.atDistanceAndAzimuth(3 * kNm, 90);
    QVERIFY(path.at(100).distanceTo(start.atDistanceAndAzimuth(2 * kNm, 270 + side)) < 20.0);
}

void TestProcedurePath::missingPointsAreLeftOut()
{
    QTest::ignoreMessage(QtWarningMsg, "Cannot find FIX point \"NOPE\" for transition \"ALL\"");
    QList<QGeoCoordinate> path = pathOf(
        Procedure::STAR, QStringLiteral("S1"),
        {QStringLiteral("IF ALPHA"), QStringLiteral("TF NOPE"), QStringLiteral("TF BRAVO")}, QStringLiteral("ALL"));
    QCOMPARE(path, (QList<QGeoCoordinate>{kAlpha, kBravo}));

    // An arc whose centre is unknown leaves one point, from which no inbound direction can be
    // taken: the course-to-fix leg after it is a straight line.
    QTest::ignoreMessage(QtWarningMsg, "Cannot find complementary point \"NOPE\" for transition \"ALL\"");
    path = pathOf(Procedure::STAR, QStringLiteral("S1"),
                  {QStringLiteral("IF ALPHA"), QStringLiteral("RF BRAVO n=NOPE r=2"), QStringLiteral("CF CHARL c=270")},
                  QStringLiteral("ALL"));
    QCOMPARE(path, (QList<QGeoCoordinate>{kAlpha, kCharlie}));

    QTest::ignoreMessage(QtWarningMsg, "Cannot find complementary point \"NOPE\" for transition \"ALL\"");
    path = pathOf(Procedure::STAR, QStringLiteral("S1"),
                  {QStringLiteral("IF ALPHA"), QStringLiteral("CD c=90 d=3 n=NOPE")}, QStringLiteral("ALL"));
    QCOMPARE(path, (QList<QGeoCoordinate>{kAlpha}));

    // A procedure turn whose next fix is unknown returns to its own fix.
    QTest::ignoreMessage(QtWarningMsg, "Cannot find FIX point \"NOPE\" for transition \"ALL\"");
    path = pathOf(Procedure::STAR, QStringLiteral("S1"),
                  {QStringLiteral("PI ALPHA c=270 d=5"), QStringLiteral("CF NOPE c=90")}, QStringLiteral("ALL"));
    QCOMPARE(path.size(), 102);
    QCOMPARE(path.last(), kAlpha);
}

void TestProcedurePath::antimeridian()
{
    const QList<QGeoCoordinate> path
        = pathOf(Procedure::STAR, QStringLiteral("S1"),
                 {QStringLiteral("IF EASTA"), QStringLiteral("TF WESTA"), QStringLiteral("FC WESTA c=90 d=2"),
                  QStringLiteral("RF EASTA n=DATEL r=0.6"), QStringLiteral("HM EASTA c=90 d=2 t=R")},
                 QStringLiteral("ALL"));
    QCOMPARE(path.size(), 2 + 1 + 51 + 201);
    for (const QGeoCoordinate &point : path) {
        QVERIFY2(point.isValid(), qPrintable(point.toString()));
        QVERIFY(std::abs(point.longitude()) > 179.8);
    }
    QVERIFY(path.at(2).distanceTo(walkDistance(kWest, 90, kWest, 2 * kNm, true)) < 0.01);

    const QGeoRectangle box = ProcedurePath::boundingOf(path);
    QVERIFY(box.isValid());
    QVERIFY(box.topLeft().longitude() > 0.0);
    QVERIFY(box.bottomRight().longitude() < 0.0);
    for (const QGeoCoordinate &point : path)
        QVERIFY(box.contains(point));
}

void TestProcedurePath::bounding()
{
    QVERIFY(!ProcedurePath::boundingOf({}).isValid());
    const QGeoRectangle box = ProcedurePath::boundingOf({kAlpha, kBravo, kCharlie});
    QCOMPARE(box.topLeft(), QGeoCoordinate(50.2, 8.0));
    QCOMPARE(box.bottomRight(), QGeoCoordinate(50.0, 8.2));
    const QGeoRectangle one = ProcedurePath::boundingOf({kAlpha});
    QCOMPARE(one.center(), kAlpha);
}

QTEST_GUILESS_MAIN(TestProcedurePath)
#include "tst_procedurepath.moc"
