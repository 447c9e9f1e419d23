#include "flightplan.h"
#include "fuel.h"
#include "general.h"
#include "planfixture.h"
#include "segment.h"
#include "settings.h"
#include "templating.h"
#include "unit.h"
#include "waypoint.h"
#include "weight.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <cmath>

namespace {

// A value whose reading renders the very template that reads it, as a plan text that quoted
// itself would.
class Reentrant : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text CONSTANT)

public:
    QString text() const { return Templating::render(nullptr, QStringLiteral("self.txt")); }
};

int runFatalCase(const QByteArray &which, int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (which == "second") {
        Templating first;
        Templating second;
    } else {
        Templating::render(nullptr, QStringLiteral("ofp.txt"));
    }
    return 0;
}

QStringList lines(const QString &text)
{
    return text.split(QLatin1Char('\n'));
}

// The first line with that start; after a line that starts with "after" when one is given.
QString lineStartingWith(const QString &text, const QString &start, const QString &after = QString())
{
    bool searching = after.isEmpty();
    for (const QString &line : lines(text)) {
        if (!searching) {
            searching = line.startsWith(after);
            continue;
        }
        if (line.startsWith(start))
            return line;
    }
    return QString();
}

} // namespace

// The template engine: what every template receives, how the caller's values join it, how
// failures end, and the operational flight plan text of a real plan.
class TstTemplating : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Templating> m_templating;
    std::unique_ptr<Flightplan> m_plan;
    Point *m_eddf = nullptr;
    Point *m_dotsi = nullptr;
    Point *m_vesan = nullptr;
    Point *m_rolis = nullptr;
    Point *m_lfpg = nullptr;
    Segment *m_airway1 = nullptr;
    Segment *m_airway2 = nullptr;

    // With airways: EDDF DOTSI (UL607) VESAN (UL607) ROLIS LFPG; without: the same less
    // VESAN, so that no leg lies on an airway, and DOTSI ROLIS flown that many times.
    void buildPlan(bool airways, int loops = 1)
    {
        m_plan->clear(false);
        QList<Point *> points = airways ? QList<Point *>{m_eddf, m_dotsi, m_vesan, m_rolis, m_lfpg}
                                        : QList<Point *>{m_eddf, m_dotsi, m_rolis, m_lfpg};
        for (int loop = 1; !airways && loop < loops; ++loop)
            points = points.mid(0, 1) + QList<Point *>{m_dotsi, m_rolis} + points.mid(1);
        for (int i = 0; i < points.size(); ++i)
            QVERIFY(m_plan->insertWaypoint(i, new Waypoint(points.at(i)), false));
        const QList<Waypoint *> waypoints = m_plan->waypoints();
        if (airways) {
            waypoints.at(1)->setAirway(m_airway1);
            waypoints.at(2)->setAirway(m_airway2);
        }
        const QList<int> altitudes
            = airways ? QList<int>{364, 20000, 35000, 20000, 392} : QList<int>{364, 20000, 20000, 392};
        for (int i = 0; i < waypoints.size(); ++i) {
            const int altitude = i + 1 < altitudes.size() ? altitudes.at(i) : 20000;
            waypoints.at(i)->setAltitude(i + 1 == waypoints.size() ? altitudes.last() : altitude, false);
            waypoints.at(i)->setIas(250, false);
        }
        General *general = m_plan->general();
        general->setNumber(QStringLiteral("WYLR042"));
        general->setCompany(QStringLiteral("Smith & <Sons>"));
        general->setPic(QStringLiteral("J. Doe"));
        general->setCruiselvl(350);
        general->setCruisetas(450);
        general->setDeparturetime(QDateTime(QDate(2024, 5, 6), QTime(14, 37, 59)));
        m_plan->update(false, false);
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        Airplane airplane = PlanFixture::airplane();
        airplane.name = QStringLiteral("Jet <B> & Co");
        m_fixture.setAirplane(airplane);
        m_templating = std::make_unique<Templating>();
        m_eddf = m_fixture.airport(QStringLiteral("EDDF"), 50.03, 8.57, 364);
        m_dotsi = m_fixture.fix(QStringLiteral("DOTSI"), 49.8, 7.6);
        m_vesan = m_fixture.fix(QStringLiteral("VESAN"), 49.6, 6.2);
        m_rolis = m_fixture.fix(QStringLiteral("ROLIS"), 49.4, 4.5);
        m_lfpg = m_fixture.airport(QStringLiteral("LFPG"), 49.01, 2.55, 392);
        m_airway1 = m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_dotsi, m_vesan, QStringLiteral("UL607"));
        m_airway2 = m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_vesan, m_rolis, QStringLiteral("UL607"));
        m_plan = std::make_unique<Flightplan>();
    }

    void cleanupTestCase()
    {
        m_plan.reset();
        m_templating.reset();
        m_fixture.tearDown();
    }

    void init()
    {
        Settings::setBool(QStringLiteral("exporter/addDirectToExportedRoute"), true);
        Settings::setInt(QStringLiteral("units/mass"), 0);
        Settings::setInt(QStringLiteral("units/volume"), 0);
    }

    void templatesOfTheLibraryAreCompiledIn()
    {
        // The library is static and registers its resources without Q_INIT_RESOURCE.
        QVERIFY(QFile::exists(QStringLiteral(":/tpl/ofp.txt")));
    }

    void commonContext()
    {
        const QVariantHash context = Templating::commonContext(m_plan.get());
        QCOMPARE(context.value(QStringLiteral("flightplan")).value<QObject *>(), m_plan.get());
        QCOMPARE(context.value(QStringLiteral("database")).value<QObject *>(), m_fixture.db());
        QCOMPARE(context.value(QStringLiteral("appname")).toString(), QStringLiteral("Waylore"));
        QCOMPARE(context.value(QStringLiteral("appversion")).toString(), QStringLiteral("4.10.0"));

        const QString text = Templating::render(m_plan.get(), QStringLiteral("context.txt"));
        const QString expected
            = QStringLiteral("appname=Waylore|appshort=WYLR|appversion=4.10.0|website=https://waylore.example/"
                             "|direct=yes|fontsize=10|fontsizesmall=8|fontsizelarge=14|iconsize=12"
                             "|airplane=TEST|database=%1|flightplan=%2|note=")
                  .arg(Database::pointCount())
                  .arg(m_plan->count());
        QCOMPARE(text.trimmed(), expected);
    }

    void directFollowsThePreference()
    {
        Settings::setBool(QStringLiteral("exporter/addDirectToExportedRoute"), false);
        QVERIFY(
            Templating::render(m_plan.get(), QStringLiteral("context.txt")).contains(QStringLiteral("|direct=no|")));
    }

    void extraValuesAddAndReplace()
    {
        const QString text = Templating::render(
            m_plan.get(), QStringLiteral("context.txt"),
            {{QStringLiteral("appname"), QStringLiteral("Other")}, {QStringLiteral("note"), QStringLiteral("added")}});
        QVERIFY2(text.startsWith(QStringLiteral("appname=Other|")), qPrintable(text));
        QVERIFY2(text.trimmed().endsWith(QStringLiteral("|note=added")), qPrintable(text));
        // The next render starts from the common context again.
        QVERIFY(Templating::render(m_plan.get(), QStringLiteral("context.txt"))
                    .startsWith(QStringLiteral("appname=Waylore|")));
    }

    void failuresGiveEmptyTextAndWarning_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::newRow("missing") << "absent.txt" << "Cannot load template.*absent\\.txt";
        QTest::newRow("unclosed tag") << "broken.txt" << "Cannot load template.*broken\\.txt";
        // clang-format on
    }

    void failuresGiveEmptyTextAndWarning()
    {
        QFETCH(QString, name);
        QFETCH(QString, warning);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QCOMPARE(Templating::render(m_plan.get(), name), QString());
    }

    void templateReachingItselfIsNotRenderedAgain()
    {
        Reentrant again;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("self\\.txt.*reaches its own output"));
        const QString text = Templating::render(nullptr, QStringLiteral("self.txt"),
                                                {{QStringLiteral("again"), QVariant::fromValue<QObject *>(&again)}});
        QCOMPARE(text, QStringLiteral("[]"));
        // The guard is released afterwards.
        QCOMPARE(Templating::render(nullptr, QStringLiteral("self.txt")), QStringLiteral("[]"));
    }

    void htmlTemplatesStillEscape()
    {
        const QString text = Templating::render(nullptr, QStringLiteral("escaped.html"),
                                                {{QStringLiteral("name"), QStringLiteral("A&B <C>")}});
        QCOMPARE(text.trimmed(), QStringLiteral("<p>A&amp;B &lt;C&gt;</p>"));
    }

    void filters_data()
    {
        // clang-format off
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << QVariant(0) << "0:00|000";
        QTest::newRow("seconds are cut") << QVariant(59) << "0:00|059";
        QTest::newRow("hour and minutes") << QVariant(3900) << "1:05|3900";
        QTest::newRow("past ten hours") << QVariant(37230) << "10:20|37230";
        QTest::newRow("course") << QVariant(5) << "0:00|005";
        QTest::newRow("negative means none") << QVariant(-60) << "-0:01|";
        QTest::newRow("number as text") << QVariant(QStringLiteral("125")) << "0:02|125";
        QTest::newRow("not a number") << QVariant(QStringLiteral("abc")) << "|";
        // clang-format on
    }

    // The filters of the file formats, on values a plan holds.
    void formatFilters_data()
    {
        // clang-format off
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("latitude") << "lat" << QVariant(-17.755) << "-17.755000";
        QTest::newRow("a hair west of Greenwich") << "lon" << QVariant(-0.0000001) << "0.000000";
        QTest::newRow("hemisphere, south") << "lat:\"h\"" << QVariant(-17.755) << "S 17.755000";
        QTest::newRow("hemisphere, west") << "lon:\"h\"" << QVariant(-179.4) << "W 179.400000";
        QTest::newRow("minutes, latitude") << "lat:\"dm\"" << QVariant(-14.5) << "S1430.0";
        QTest::newRow("minutes, longitude") << "lon:\"dm\"" << QVariant(8.5705) << "E00834.2";
        QTest::newRow("minutes round up to the degree") << "lat:\"dm\"" << QVariant(49.99999) << "N5000.0";
        QTest::newRow("below the transition") << "altitude:6000" << QVariant(5999) << "5999ft";
        QTest::newRow("at the transition") << "altitude:6000" << QVariant(6000) << "FL060";
        QTest::newRow("cruise") << "altitude:6000" << QVariant(35000) << "FL350";
        QTest::newRow("no altitude") << "altitude:6000" << QVariant(0) << "";
        QTest::newRow("no transition altitude") << "altitude" << QVariant(364) << "FL003";
        QTest::newRow("level truncated, as in the table") << "altitude:6000" << QVariant(11360) << "FL113";
        QTest::newRow("airport") << "fmstype" << QVariant(1) << "1";
        QTest::newRow("DME as VOR") << "fmstype" << QVariant(13) << "3";
        QTest::newRow("ILS as fix") << "fmstype" << QVariant(4) << "11";
        QTest::newRow("coordinate") << "fmstype" << QVariant(28) << "28";
        QTest::newRow("float distance") << "shortest" << QVariant(3.19f) << "3.19";
        QTest::newRow("float radius") << "shortest" << QVariant(1.3f) << "1.3";
        QTest::newRow("double") << "shortest" << QVariant(0.1 + 0.2) << "0.30000000000000004";
        QTest::newRow("whole") << "shortest" << QVariant(35000.0) << "35000";
        QTest::newRow("feet to metres") << "shortest:\"metres\"" << QVariant(364) << "110.9";
        QTest::newRow("flight level to metres") << "shortest:\"metres\"" << QVariant(35000) << "10668";
        QTest::newRow("duration filed") << "duration:\"hhmm\"" << QVariant(3900) << "0105";
        QTest::newRow("wrap, a line of the full width") << "wrap:10" << QVariant(QStringLiteral("ABCD EFGHI JK")) << "ABCD EFGHI\nJK";
        QTest::newRow("wrap, a long word whole") << "wrap:10" << QVariant(QStringLiteral("A BCDEFGHIJKL M")) << "A\nBCDEFGHIJKL\nM";
        // clang-format on
    }

    void formatFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        // The template applies every filter to the value, one after the other.
        const QStringList columns{"lat",        "lon",        "lat:\"h\"",           "lon:\"h\"",
                                  "lat:\"dm\"", "lon:\"dm\"", "altitude:6000",       "altitude",
                                  "fmstype",    "shortest",   "shortest:\"metres\"", "duration:\"hhmm\"",
                                  "wrap:10"};
        const qsizetype column = columns.indexOf(filter);
        QVERIFY(column >= 0);
        const QString text
            = Templating::render(nullptr, QStringLiteral("formatfilters.txt"), {{QStringLiteral("value"), value}});
        QCOMPARE(text.split(QLatin1Char('|')).value(column), expected);
    }

    void filters()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        QCOMPARE(Templating::render(nullptr, QStringLiteral("filters.txt"), {{QStringLiteral("value"), value}}),
                 expected);
    }

    void ofpHeader()
    {
        buildPlan(true);
        const QString text
            = m_plan->general() ? Templating::render(m_plan.get(), QStringLiteral("ofp.txt")) : QString();
        QVERIFY2(text.startsWith(QStringLiteral("OPERATIONAL FLIGHT PLAN\n")), qPrintable(text.left(80)));
        QCOMPARE(lineStartingWith(text, QStringLiteral("FLIGHT")).simplified(),
                 QStringLiteral("FLIGHT WYLR042 SEQ 1 COMPANY Smith & <Sons>"));
        QCOMPARE(lineStartingWith(text, QStringLiteral("PIC")).simplified(), QStringLiteral("PIC J. Doe"));
        QCOMPARE(lineStartingWith(text, QStringLiteral("DATE")).simplified(),
                 QStringLiteral("DATE 06 May 2024 ETD 14:37"));
        QVERIFY(lineStartingWith(text, QStringLiteral("FROM")).contains(QStringLiteral("EDDF")));
        QVERIFY(lineStartingWith(text, QStringLiteral("TO ")).contains(QStringLiteral("LFPG")));
        // Plain text: names keep their "&" and "<".
        QCOMPARE(lineStartingWith(text, QStringLiteral("AIRPLANE")).simplified(),
                 QStringLiteral("AIRPLANE TEST Jet <B> & Co"));
        QCOMPARE(lineStartingWith(text, QStringLiteral("CRUISE")).simplified(),
                 QStringLiteral("CRUISE FL350 TAS 450 KT"));
        QVERIFY(!text.contains(QStringLiteral("&amp;")));
        QVERIFY(!text.contains(QStringLiteral("&lt;")));
    }

    void ofpRoute_data()
    {
        // clang-format off
        QTest::addColumn<bool>("airways");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<int>("loops");
        QTest::addColumn<QString>("route");
        QTest::newRow("direct legs") << false << true << 1 << "EDDF DCT DOTSI DCT ROLIS DCT LFPG";
        QTest::newRow("direct legs, no DCT") << false << false << 1 << "EDDF DOTSI ROLIS LFPG";
        QTest::newRow("airway points in between are left out") << true << true << 1 << "EDDF DCT DOTSI UL607 ROLIS DCT LFPG";
        QTest::newRow("airway, no DCT") << true << false << 1 << "EDDF DOTSI UL607 ROLIS LFPG";
        // Lines of at most 80 characters, each as full as whole words allow: 78 and 54.
        QTest::newRow("long route") << false << true << 6
            << "EDDF DCT DOTSI DCT ROLIS DCT DOTSI DCT ROLIS DCT DOTSI DCT ROLIS DCT DOTSI DCT\n"
               "ROLIS DCT DOTSI DCT ROLIS DCT DOTSI DCT ROLIS DCT LFPG";
        // 81 characters: the last word goes on.
        QTest::newRow("long route, no DCT") << false << false << 6
            << "EDDF DOTSI ROLIS DOTSI ROLIS DOTSI ROLIS DOTSI ROLIS DOTSI ROLIS DOTSI ROLIS\nLFPG";
        // clang-format on
    }

    void ofpRoute()
    {
        QFETCH(bool, airways);
        QFETCH(bool, direct);
        QFETCH(int, loops);
        QFETCH(QString, route);
        buildPlan(airways, loops);
        Settings::setBool(QStringLiteral("exporter/addDirectToExportedRoute"), direct);
        const QStringList all = lines(Templating::render(m_plan.get(), QStringLiteral("ofp.txt")));
        const qsizetype at = all.indexOf(QStringLiteral("ROUTE"));
        QVERIFY(at >= 0);
        // The route runs up to the blank line before the leg table.
        const qsizetype end = all.indexOf(QString(), at);
        QVERIFY(end > at);
        QCOMPARE(all.mid(at + 1, end - at - 1).join(QLatin1Char('\n')), route);
    }

    // A segment that several airways share comes with their names joined; every text written
    // for an FMS or a controller names each leg by one of them.
    void joinedAirwaysTakeOneName_data()
    {
        // clang-format off
        QTest::addColumn<QString>("first");  // DOTSI-VESAN
        QTest::addColumn<QString>("second"); // VESAN-ROLIS
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("legs");   // the airways of both legs as written
        QTest::newRow("the next leg's airway") << "UL607-UL608" << "UL608" << "EDDF DCT DOTSI UL608 ROLIS DCT LFPG" << "UL608 UL608";
        QTest::newRow("the previous leg's airway") << "UL608" << "J1-UL608" << "EDDF DCT DOTSI UL608 ROLIS DCT LFPG" << "UL608 UL608";
        QTest::newRow("both joined alike: the first") << "UL607-UL608" << "UL607-UL608" << "EDDF DCT DOTSI UL607 ROLIS DCT LFPG"
                                                      << "UL607 UL607";
        QTest::newRow("three names, the last shared") << "J110-J230-J80" << "J80-J5" << "EDDF DCT DOTSI J80 ROLIS DCT LFPG" << "J80 J80";
        QTest::newRow("none shared: the first") << "UL607-UL608" << "UM1" << "EDDF DCT DOTSI UL607 VESAN UM1 ROLIS DCT LFPG"
                                                << "UL607 UM1";
        QTest::newRow("none shared after a lone one") << "UM1" << "UL607-UL608" << "EDDF DCT DOTSI UM1 VESAN UL607 ROLIS DCT LFPG"
                                                      << "UM1 UL607";
        // clang-format on
    }

    void joinedAirwaysTakeOneName()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, route);
        QFETCH(QString, legs);
        buildPlan(true);
        const QList<Waypoint *> waypoints = m_plan->waypoints();
        waypoints.at(1)->setAirway(m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_dotsi, m_vesan, first));
        waypoints.at(2)->setAirway(m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_vesan, m_rolis, second));
        const QStringList expected = legs.split(QLatin1Char(' '));

        const QString ofp = Templating::render(m_plan.get(), QStringLiteral("ofp.txt"));
        const QStringList all = lines(ofp);
        QCOMPARE(all.value(all.indexOf(QStringLiteral("ROUTE")) + 1), route);
        QCOMPARE(lineStartingWith(ofp, QStringLiteral("DOTSI "), QStringLiteral("WPT"))
                     .simplified()
                     .section(QLatin1Char(' '), 1, 1),
                 expected.at(0));
        QCOMPARE(lineStartingWith(ofp, QStringLiteral("VESAN "), QStringLiteral("WPT"))
                     .simplified()
                     .section(QLatin1Char(' '), 1, 1),
                 expected.at(1));

        // The FMS file's via column: the airway that leads to each waypoint.
        const QString fms = Templating::render(m_plan.get(), QStringLiteral("fms11.fms"));
        QCOMPARE(lineStartingWith(fms, QStringLiteral("11 VESAN ")).section(QLatin1Char(' '), 2, 2), expected.at(0));
        QCOMPARE(lineStartingWith(fms, QStringLiteral("11 ROLIS ")).section(QLatin1Char(' '), 2, 2), expected.at(1));

        // The parts the FMC add-ons take, through the same legs.
        const QString ixeg = Templating::render(m_plan.get(), QStringLiteral("ixeg737.fpl"));
        QCOMPARE(ixeg.simplified(), QString(route).remove(QStringLiteral("DCT ")));
    }

    // The leg table: the distances are great circles on the sphere of 6371.0072 km worked
    // out beside the test (EDDF-DOTSI 39.963 NM, DOTSI-VESAN 55.676, VESAN-ROLIS 67.366,
    // ROLIS-LFPG 79.995, 243.000 in all); altitudes below the transition altitude of 6000 ft
    // in feet, above it as flight levels; fuel in whole kilograms.
    // In a German interface, whose decimals take a comma: the plan keeps its points.
    void ofpLegsAndTotals()
    {
        Unit::setInterfaceLocale(QLocale(QLocale::German));
        const auto restore = qScopeGuard([] { Unit::setInterfaceLocale(QLocale::c()); });
        Settings::setInt(QStringLiteral("units/transitionAltitude"), 6000);
        buildPlan(true);
        m_plan->general()->setTransition(6000);
        const QString text = Templating::render(m_plan.get(), QStringLiteral("ofp.txt"));
        const struct
        {
            const char *code;
            const char *airway;
            const char *distance;
            const char *altitude;
            const char *toGo;
        } rows[] = {{"EDDF", "DCT", "40.0", "364ft", "243.0"},
                    {"DOTSI", "UL607", "55.7", "FL200", "203.0"},
                    {"VESAN", "UL607", "67.4", "FL350", "147.4"},
                    {"ROLIS", "DCT", "80.0", "FL200", "80.0"},
                    {"LFPG", nullptr, nullptr, "392ft", "0.0"}};
        static const QRegularExpression fuel(QStringLiteral("^[0-9]+kg$"));
        // The rulers span the table, and every row ends where they do: no column runs past
        // them, none falls short.
        const qsizetype ruler = lineStartingWith(text, QStringLiteral("-----")).size();
        QCOMPARE(lineStartingWith(text, QStringLiteral("=====")).size(), ruler);
        QCOMPARE(lineStartingWith(text, QStringLiteral("WPT ")).size(), ruler);
        for (const QString &line : lines(text))
            QVERIFY2(line.size() <= ruler, qPrintable(line));
        for (const auto &row : rows) {
            const QString code = QString::fromLatin1(row.code);
            const QString line = lineStartingWith(text, code + QLatin1Char(' '), QStringLiteral("WPT"));
            QCOMPARE(line.size(), ruler);
            const QStringList cells = line.simplified().split(QLatin1Char(' '));
            QCOMPARE(cells.first(), code);
            QCOMPARE(cells.value(cells.size() - 3), QString::fromLatin1(row.toGo));
            QVERIFY2(fuel.match(cells.last()).hasMatch() && fuel.match(cells.value(cells.size() - 2)).hasMatch(),
                     qPrintable(cells.join(' ')));
            if (row.airway) {
                QCOMPARE(cells.value(1), QString::fromLatin1(row.airway));
                QCOMPARE(cells.value(3), QString::fromLatin1(row.distance));
                QCOMPARE(cells.value(5), QString::fromLatin1(row.altitude));
            } else {
                QCOMPARE(cells.value(1), QString::fromLatin1(row.altitude));
            }
        }
        // Whole kilograms from the stored kilograms: trip, block, and beside the take-off weight
        // the maximum of a new airplane profile, 78000 kg.
        QCOMPARE(lineStartingWith(text, QStringLiteral("TOTAL ")).simplified().section(QLatin1Char(' '), 0, 1),
                 QStringLiteral("TOTAL 243.0"));
        QCOMPARE(lineStartingWith(text, QStringLiteral("TRIP")).simplified().section(QLatin1Char(' '), 0, 1),
                 QStringLiteral("TRIP %1kg").arg(m_plan->fuel()->enroute()));
        QCOMPARE(lineStartingWith(text, QStringLiteral("BLOCK")).simplified().section(QLatin1Char(' '), 0, 1),
                 QStringLiteral("BLOCK %1kg").arg(m_plan->fuel()->block()));
        QCOMPARE(lineStartingWith(text, QStringLiteral("TAKEOFF WEIGHT")).simplified(),
                 QStringLiteral("TAKEOFF WEIGHT %1kg 78000kg").arg(m_plan->weight()->tow()));
        Settings::setInt(QStringLiteral("units/transitionAltitude"), 0);
    }

    // Every mass and fuel figure in whole units of the preferences: pounds for masses, and the
    // airplane's fuel unit (pounds, or litres and gallons of kerosene at 0.802837 kg/L).
    // Worked by hand: the maximum take-off mass of 78000 kg is 171960.7 lbs, the capacity of
    // 24000 kg of fuel 52911.0 lbs, 29894.0 L or 7897.2 gal.
    void ofpMassesAndFuelInTheChosenUnits_data()
    {
        // clang-format off
        QTest::addColumn<int>("massUnit");
        QTest::addColumn<int>("volumeUnit");
        QTest::addColumn<int>("fuelUnitType");
        QTest::addColumn<QString>("mtow");
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<double>("fuelPerKg");
        QTest::newRow("kilograms") << 0 << 0 << 0 << "78000kg" << "24000kg" << 1.0;
        QTest::newRow("pounds") << 1 << 0 << 0 << "171961lbs" << "52911lbs" << 1.0 / 0.453592;
        QTest::newRow("pounds, fuel in litres") << 1 << 0 << 1 << "171961lbs" << "29894L" << 1.0 / 0.802837;
        QTest::newRow("kilograms, fuel in gallons") << 0 << 1 << 1 << "78000kg" << "7897gal" << 1.0 / 0.802837 / 3.78541;
        // clang-format on
    }

    void ofpMassesAndFuelInTheChosenUnits()
    {
        QFETCH(int, massUnit);
        QFETCH(int, volumeUnit);
        QFETCH(int, fuelUnitType);
        QFETCH(QString, mtow);
        QFETCH(QString, capacity);
        QFETCH(double, fuelPerKg);
        const Airplane before = AirplaneListModel::currentAirplane();
        const auto restore = qScopeGuard([this, before] { m_fixture.setAirplane(before); });
        Airplane airplane = before;
        airplane.unittype = fuelUnitType;
        airplane.mtow = 78000;
        airplane.fuelcapacity = 24000;
        m_fixture.setAirplane(airplane);
        Settings::setInt(QStringLiteral("units/mass"), massUnit);
        Settings::setInt(QStringLiteral("units/volume"), volumeUnit);
        buildPlan(true);
        const QString text = Templating::render(m_plan.get(), QStringLiteral("ofp.txt"));

        const QString massSuffix = massUnit == 0 ? QStringLiteral("kg") : QStringLiteral("lbs");
        const QString fuelSuffix
            = capacity.right(capacity.size() - capacity.indexOf(QRegularExpression(QStringLiteral("[a-zA-Z]"))));
        const QString tow = lineStartingWith(text, QStringLiteral("TAKEOFF WEIGHT")).simplified();
        QVERIFY2(tow.endsWith(QLatin1Char(' ') + mtow), qPrintable(tow));
        QVERIFY2(QRegularExpression(QStringLiteral("^TAKEOFF WEIGHT [0-9]+%1 ").arg(massSuffix)).match(tow).hasMatch(),
                 qPrintable(tow));
        QCOMPARE(lineStartingWith(text, QStringLiteral("BLOCK")).simplified().section(QLatin1Char(' '), 3),
                 QStringLiteral("CAPACITY ") + capacity);
        // The trip fuel, stored in kilograms, rounded once in the unit shown.
        const qint64 trip = std::llround(m_plan->fuel()->enroute() * fuelPerKg);
        QVERIFY(trip > 0);
        QCOMPARE(lineStartingWith(text, QStringLiteral("TRIP")).simplified().section(QLatin1Char(' '), 0, 1),
                 QStringLiteral("TRIP %1%2").arg(trip).arg(fuelSuffix));
        QVERIFY(lineStartingWith(text, QStringLiteral("TOTAL "))
                    .endsWith(QStringLiteral("TRIP FUEL %1%2").arg(trip).arg(fuelSuffix)));
        // No figure with decimals anywhere among the masses and fuel.
        QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[0-9]\\.[0-9]+(kg|lbs|L|gal)\\b"))),
                 qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("KG")));
        if (massSuffix != QLatin1String("kg") && fuelSuffix != QLatin1String("kg"))
            QVERIFY2(!text.contains(QStringLiteral("kg")), qPrintable(text));
    }

    void ofpOfAnEmptyPlan()
    {
        m_plan->clear(false);
        const QString text = Templating::render(m_plan.get(), QStringLiteral("ofp.txt"));
        QVERIFY(text.startsWith(QStringLiteral("OPERATIONAL FLIGHT PLAN\n")));
        const QStringList all = lines(text);
        QCOMPARE(all.value(all.indexOf(QStringLiteral("ROUTE")) + 1), QString());
        QVERIFY(lineStartingWith(text, QStringLiteral("TOTAL ")).contains(QStringLiteral("0.0")));
    }

    void singletonMessages_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("second instance") << QByteArray("second") << "Templating singleton already defined!";
        QTest::newRow("before construction") << QByteArray("unallocated") << "Templating singleton not allocated!";
        // clang-format on
    }

    void singletonMessages()
    {
        QFETCH(QByteArray, which);
        QFETCH(QString, message);
        QByteArray standardError;
        QVERIFY(TestSupport::runFatalCase(which, &standardError));
        QVERIFY2(standardError.contains(message.toUtf8()), qPrintable(message));
    }
};

int main(int argc, char *argv[])
{
    const QByteArray fatalCase = qgetenv("WAYLORE_FATAL_CASE");
    if (!fatalCase.isEmpty())
        return runFatalCase(fatalCase, argc, argv);
    QCoreApplication app(argc, argv);
    TstTemplating test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_templating.moc"
