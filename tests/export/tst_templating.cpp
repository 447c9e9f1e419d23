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
#include <QScopeGuard>
#include <QRegularExpression>
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
    // VESAN, so that no leg lies on an airway.
    void buildPlan(bool airways)
    {
        m_plan->clear(false);
        const QList<Point *> points = airways ? QList<Point *>{m_eddf, m_dotsi, m_vesan, m_rolis, m_lfpg}
                                              : QList<Point *>{m_eddf, m_dotsi, m_rolis, m_lfpg};
        for (int i = 0; i < points.size(); ++i)
            QVERIFY(m_plan->insertWaypoint(i, new Waypoint(points.at(i)), false));
        const QList<Waypoint *> waypoints = m_plan->waypoints();
        if (airways) {
            waypoints.at(1)->setAirway(m_airway1);
            waypoints.at(2)->setAirway(m_airway2);
        }
        const QList<int> altitudes = airways ? QList<int>{364, 20000, 35000, 20000, 392}
                                             : QList<int>{364, 20000, 20000, 392};
        for (int i = 0; i < waypoints.size(); ++i) {
            waypoints.at(i)->setAltitude(altitudes.at(i), false);
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
        const QString expected = QStringLiteral(
                                     "appname=Waylore|appshort=WYLR|appversion=4.10.0|website=https://waylore.example/"
                                     "|direct=yes|fontsize=10|fontsizesmall=8|fontsizelarge=14|iconsize=12"
                                     "|airplane=TEST|database=%1|flightplan=%2|note=")
                                     .arg(Database::pointCount())
                                     .arg(m_plan->count());
        QCOMPARE(text.trimmed(), expected);
    }

    void directFollowsThePreference()
    {
        Settings::setBool(QStringLiteral("exporter/addDirectToExportedRoute"), false);
        QVERIFY(Templating::render(m_plan.get(), QStringLiteral("context.txt")).contains(QStringLiteral("|direct=no|")));
    }

    void extraValuesAddAndReplace()
    {
        const QString text = Templating::render(m_plan.get(), QStringLiteral("context.txt"),
                                                {{QStringLiteral("appname"), QStringLiteral("Other")},
                                                 {QStringLiteral("note"), QStringLiteral("added")}});
        QVERIFY2(text.startsWith(QStringLiteral("appname=Other|")), qPrintable(text));
        QVERIFY2(text.trimmed().endsWith(QStringLiteral("|note=added")), qPrintable(text));
        // The next render starts from the common context again.
        QVERIFY(Templating::render(m_plan.get(), QStringLiteral("context.txt")).startsWith(QStringLiteral("appname=Waylore|")));
    }

    void failuresGiveEmptyTextAndWarning_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::newRow("missing") << "absent.txt" << "Cannot load template.*absent\\.txt";
        QTest::newRow("unclosed tag") << "broken.txt" << "Cannot load template.*broken\\.txt";
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
    }

    void filters()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, expected);
        QCOMPARE(Templating::render(nullptr, QStringLiteral("filters.txt"), {{QStringLiteral("value"), value}}), expected);
    }

    void ofpHeader()
    {
        buildPlan(true);
        const QString text = m_plan->general() ? Templating::render(m_plan.get(), QStringLiteral("ofp.txt")) : QString();
        QVERIFY2(text.startsWith(QStringLiteral("OPERATIONAL FLIGHT PLAN\n")), qPrintable(text.left(80)));
        QCOMPARE(lineStartingWith(text, QStringLiteral("FLIGHT")).simplified(),
                 QStringLiteral("FLIGHT WYLR042 SEQ 1 COMPANY Smith & <Sons>"));
        QCOMPARE(lineStartingWith(text, QStringLiteral("PIC")).simplified(), QStringLiteral("PIC J. Doe"));
        QCOMPARE(lineStartingWith(text, QStringLiteral("DATE")).simplified(), QStringLiteral("DATE 06 May 2024 ETD 14:37"));
        QVERIFY(lineStartingWith(text, QStringLiteral("FROM")).contains(QStringLiteral("EDDF")));
        QVERIFY(lineStartingWith(text, QStringLiteral("TO ")).contains(QStringLiteral("LFPG")));
        // Plain text: names keep their "&" and "<".
        QCOMPARE(lineStartingWith(text, QStringLiteral("AIRPLANE")).simplified(), QStringLiteral("AIRPLANE TEST Jet <B> & Co"));
        QCOMPARE(lineStartingWith(text, QStringLiteral("CRUISE")).simplified(), QStringLiteral("CRUISE FL350 TAS 450 KT"));
        QVERIFY(!text.contains(QStringLiteral("&amp;")));
        QVERIFY(!text.contains(QStringLiteral("&lt;")));
    }

    void ofpRoute_data()
    {
        QTest::addColumn<bool>("airways");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("route");
        QTest::newRow("direct legs") << false << true << "EDDF DCT DOTSI DCT ROLIS DCT LFPG";
        QTest::newRow("direct legs, no DCT") << false << false << "EDDF DOTSI ROLIS LFPG";
        QTest::newRow("airway points in between are left out") << true << true << "EDDF DCT DOTSI UL607 ROLIS DCT LFPG";
        QTest::newRow("airway, no DCT") << true << false << "EDDF DOTSI UL607 ROLIS LFPG";
    }

    void ofpRoute()
    {
        QFETCH(bool, airways);
        QFETCH(bool, direct);
        QFETCH(QString, route);
        buildPlan(airways);
        Settings::setBool(QStringLiteral("exporter/addDirectToExportedRoute"), direct);
        const QStringList all = lines(Templating::render(m_plan.get(), QStringLiteral("ofp.txt")));
        const qsizetype at = all.indexOf(QStringLiteral("ROUTE"));
        QVERIFY(at >= 0);
        QCOMPARE(all.value(at + 1), route);
    }

    void ofpLegsAndTotals()
    {
        buildPlan(true);
        const QString text = Templating::render(m_plan.get(), QStringLiteral("ofp.txt"));
        const QList<Waypoint *> waypoints = m_plan->waypoints();
        QVERIFY(m_plan->duration() > 0);

        const QStringList codes{"EDDF", "DOTSI", "VESAN", "ROLIS", "LFPG"};
        for (int i = 0; i < codes.size(); ++i) {
            const Waypoint *w = waypoints.at(i);
            const QStringList cells = lineStartingWith(text, codes.at(i) + QLatin1Char(' '), QStringLiteral("WPT")).simplified().split(QLatin1Char(' '));
            QVERIFY2(!cells.isEmpty(), qPrintable(codes.at(i)));
            QCOMPARE(cells.first(), codes.at(i));
            // From the end of the row: fuel on board, burnt fuel, distance to go, elapsed time.
            QCOMPARE(cells.value(cells.size() - 1), Unit::fuelToString(w->remainingFuel(), true));
            QCOMPARE(cells.value(cells.size() - 2), Unit::fuelToString(w->burnedFuel(), true));
            QCOMPARE(cells.value(cells.size() - 3), QString::number(w->remainingDistance(), 'f', 1));
            const int elapsedMinutes = w->elapsedTime() / 60;
            QCOMPARE(cells.value(cells.size() - 4),
                     QStringLiteral("%1:%2").arg(elapsedMinutes / 60).arg(elapsedMinutes % 60, 2, 10, QLatin1Char('0')));
            if (i < codes.size() - 1) {
                QCOMPARE(cells.value(2), QStringLiteral("%1").arg(w->headingToNext(), 3, 10, QLatin1Char('0')));
                QCOMPARE(cells.value(3), QString::number(w->distanceToNext(), 'f', 1));
                QCOMPARE(cells.value(5), QString::number(w->altitude()));
            }
        }
        QCOMPARE(lineStartingWith(text, QStringLiteral("DOTSI"), QStringLiteral("WPT")).split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1),
                 QStringLiteral("UL607"));

        const int minutes = m_plan->duration() / 60;
        const QString duration = QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
        QCOMPARE(lineStartingWith(text, QStringLiteral("TOTAL ")).simplified(),
                 QStringLiteral("TOTAL %1 %2 TRIP FUEL %3kg")
                     .arg(QString::number(m_plan->distance(), 'f', 1), duration)
                     .arg(m_plan->fuel()->enroute()));
        QCOMPARE(lineStartingWith(text, QStringLiteral("TRIP")).simplified(),
                 QStringLiteral("TRIP %1kg %2").arg(m_plan->fuel()->enroute()).arg(duration));
        QCOMPARE(lineStartingWith(text, QStringLiteral("BLOCK")).simplified().section(QLatin1Char(' '), 0, 1),
                 QStringLiteral("BLOCK %1kg").arg(m_plan->fuel()->block()));
        QCOMPARE(lineStartingWith(text, QStringLiteral("TAKEOFF WEIGHT")).simplified(),
                 QStringLiteral("TAKEOFF WEIGHT %1kg %2kg").arg(m_plan->weight()->tow()).arg(PlanFixture::airplane().mtow));
    }

    // Every mass and fuel figure of the plan text in the units of the preferences: pounds for
    // masses, and the airplane's fuel unit (pounds, or litres and gallons of its fuel).
    void ofpMassesAndFuelInTheChosenUnits_data()
    {
        QTest::addColumn<int>("massUnit");
        QTest::addColumn<int>("volumeUnit");
        QTest::addColumn<int>("fuelUnitType");
        QTest::addColumn<QString>("massSuffix");
        QTest::addColumn<QString>("fuelSuffix");
        QTest::newRow("kilograms") << 0 << 0 << 0 << "kg" << "kg";
        QTest::newRow("pounds") << 1 << 0 << 0 << "lbs" << "lbs";
        QTest::newRow("pounds, fuel in litres") << 1 << 0 << 1 << "lbs" << "L";
        QTest::newRow("kilograms, fuel in gallons") << 0 << 1 << 1 << "kg" << "gal";
    }

    void ofpMassesAndFuelInTheChosenUnits()
    {
        QFETCH(int, massUnit);
        QFETCH(int, volumeUnit);
        QFETCH(int, fuelUnitType);
        QFETCH(QString, massSuffix);
        QFETCH(QString, fuelSuffix);
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

        const auto mass = [](int kg) { return Unit::massToString(int(std::lround(Unit::fromStorableMass(kg))), true); };
        const Weight *m = m_plan->weight();
        QVERIFY(mass(m->tow()).endsWith(massSuffix));
        QCOMPARE(lineStartingWith(text, QStringLiteral("TAKEOFF WEIGHT")).simplified(),
                 QStringLiteral("TAKEOFF WEIGHT %1 %2").arg(mass(m->tow()), mass(78000)));
        QCOMPARE(lineStartingWith(text, QStringLiteral("ZERO FUEL WEIGHT")).simplified().section(QLatin1Char(' '), 3, 3),
                 mass(m->zfw()));
        QCOMPARE(lineStartingWith(text, QStringLiteral("PAYLOAD")).simplified(), QStringLiteral("PAYLOAD ") + mass(m->payload()));
        if (massUnit == 1)
            QCOMPARE(mass(m->payload()), QString::number(std::lround(m->payload() / 0.453592)) + QStringLiteral("lbs"));

        const Fuel *f = m_plan->fuel();
        QVERIFY(f->enroute() > 0);
        QVERIFY(Unit::fuelToString(f->block(), true).endsWith(fuelSuffix));
        QCOMPARE(lineStartingWith(text, QStringLiteral("TRIP")).simplified().section(QLatin1Char(' '), 0, 1),
                 QStringLiteral("TRIP ") + Unit::fuelToString(f->enroute(), true));
        QCOMPARE(lineStartingWith(text, QStringLiteral("BLOCK")).simplified().section(QLatin1Char(' '), 3),
                 QStringLiteral("CAPACITY ") + Unit::fuelToString(24000, true));
        QVERIFY(lineStartingWith(text, QStringLiteral("TOTAL ")).endsWith(QStringLiteral("TRIP FUEL ")
                                                                            + Unit::fuelToString(f->enroute(), true)));
        const QStringList arrival = lineStartingWith(text, QStringLiteral("LFPG "), QStringLiteral("WPT")).simplified().split(QLatin1Char(' '));
        QCOMPARE(arrival.last(), Unit::fuelToString(m_plan->last()->remainingFuel(), true));
        QVERIFY(arrival.last().endsWith(fuelSuffix));
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
        QTest::addColumn<QByteArray>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("second instance") << QByteArray("second") << "Templating singleton already defined!";
        QTest::newRow("before construction") << QByteArray("unallocated") << "Templating singleton not allocated!";
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
