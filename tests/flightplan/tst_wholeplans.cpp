#include "airplanelistmodel.h"
#include "cifploader.h"
#include "document.h"
#include "flightplan.h"
#include "fuel.h"
#include "general.h"
#include "planfixture.h"
#include "procedure.h"
#include "profile.h"
#include "runway.h"
#include "terminal.h"
#include "unit.h"
#include "waypoint.h"
#include "weight.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// Whole plans as a pilot builds them, checked end to end: every leg against a great-circle
// computation of its own, the totals of distance, time and fuel against the sums of the legs,
// the phases and the tops of climb and descent, and the saved document read back into a
// second plan, equal down to every waypoint field.
class TstWholePlans : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    QTemporaryDir m_dir;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    QHash<QString, QString> m_uid; // code -> UID

    Point *airport(const QString &code, double latitude, double longitude, int elevation)
    {
        Point *point = m_fixture.airport(code, latitude, longitude, elevation);
        m_uid.insert(code, point->uid());
        return point;
    }

    Point *fix(const QString &code, double latitude, double longitude, const QString &terminal = QStringLiteral("ENRT"),
               const QString &region = QStringLiteral("XX"))
    {
        auto *point = new Point(Point::FIX, QGeoCoordinate(latitude, longitude), code, terminal, region, QString(), 0,
                                0.0f, QStringLiteral("E   "));
        m_fixture.db()->addPoint(point);
        m_uid.insert(code, point->uid());
        return point;
    }

    void addRunway(const QString &airport, double lat1, double lon1, const QString &end1, double lat2, double lon2,
                   const QString &end2)
    {
        m_fixture.db()->addRunway(new Runway(airport, QGeoCoordinate(lat1, lon1), end1, 0.0f,
                                             QGeoCoordinate(lat2, lon2), end2, 0.0f, 45.0f, 1, 1, 1));
    }

    // A new document for the airplane of that type, whose cruise level and speed the new
    // header takes, with the points of the route appended in order.
    void start(const QString &icao, const QStringList &route)
    {
        m_fixture.airplanes()->selectByIcao(icao);
        QCOMPARE(AirplaneListModel::currentAirplane().icao, icao);
        m_document->niew();
        for (const QString &code : route)
            QVERIFY2(m_plan->append(m_uid.value(code, code), false), qPrintable(code));
    }

    QString codes() const
    {
        QStringList list;
        for (const Waypoint *w : m_plan->waypoints())
            list.append(w->code());
        return list.join(QLatin1Char(' '));
    }

    static int flowOfPhase(const Airplane &airplane, int phase)
    {
        switch (phase) {
        case 1:
        case 2:
            return airplane.climbfuel;
        case 3:
            return airplane.cruisefuel;
        case 4:
        case 5:
            return airplane.descentfuel;
        default:
            return 0;
        }
    }

    // Every leg and every total of the plan, recomputed here from the positions and the
    // current airplane.
    void checkLegsAndTotals(Flightplan *plan)
    {
        const QList<Waypoint *> w = plan->waypoints();
        QVERIFY(w.size() >= 2);
        const Airplane airplane = AirplaneListModel::currentAirplane();
        double distance = 0.0;
        int time = 0;
        int fuel = 0;
        for (int i = 0; i < w.size(); ++i) {
            const Waypoint *p = w.at(i);
            const QString at = p->code() + QLatin1Char('#') + QString::number(i);
            QVERIFY2(std::isfinite(p->temperature()) && std::isfinite(p->airPressure()), qPrintable(at));
            QVERIFY2(std::isfinite(p->slope()) && std::isfinite(p->distanceToNext()), qPrintable(at));
            QCOMPARE(p->flownDistance(), distance);
            QCOMPARE(p->elapsedTime(), time);
            QCOMPARE(p->burnedFuel(), fuel);
            if (i == w.size() - 1) {
                QCOMPARE(p->distanceToNext(), 0.0);
                QCOMPARE(p->timeToNext(), 0);
                QCOMPARE(p->headingToNext(), -1);
                break;
            }
            const QGeoCoordinate from = p->position();
            const QGeoCoordinate to = w.at(i + 1)->position();
            const double nm = from.distanceTo(to) / 1852.0;
            QVERIFY2(std::abs(p->distanceToNext() - nm) < 1e-6, qPrintable(at));
            const int heading = int(std::lround(from.azimuthTo(to))) % 360;
            QVERIFY2(p->headingToNext() % 360 == heading,
                     qPrintable(at + QStringLiteral(" heading %1").arg(p->headingToNext())));
            // The time of the leg is its distance at the true airspeed the waypoint shows
            // (in still air), and that speed lies between the IAS and twice it.
            const int ias = i == 0 && w.size() == 2 ? plan->general()->cruisetas() * 2 / 3 : p->ias();
            if (ias > 0) {
                const int tas = Unit::convertIasToTas(ias, p->storedAltitude());
                QVERIFY2(tas >= ias && tas < 2 * ias, qPrintable(at + QStringLiteral(" TAS %1").arg(tas)));
                QVERIFY2(std::abs(p->timeToNext() - nm * 3600.0 / tas) <= 0.5, qPrintable(at));
            } else {
                QCOMPARE(p->timeToNext(), 0);
            }
            distance += p->distanceToNext();
            time += p->timeToNext();
            fuel += int(std::lround(double(flowOfPhase(airplane, p->phase())) * p->timeToNext() / 3600.0));
        }
        QCOMPARE(plan->distance(), distance);
        QCOMPARE(plan->duration(), time);
        QCOMPARE(plan->fuel()->enroute(), fuel);

        // What is left at each waypoint, down to nothing at the arrival.
        const Fuel *f = plan->fuel();
        for (const Waypoint *p : w) {
            QCOMPARE(p->remainingDistance(), plan->distance() - p->flownDistance());
            QCOMPARE(p->remainingTime(), plan->duration() - p->elapsedTime());
            QCOMPARE(p->remainingFuel(), f->takeoff() - p->burnedFuel());
        }
        QCOMPARE(w.last()->remainingDistance(), 0.0);
        QCOMPARE(w.last()->remainingTime(), 0);

        // The fuel plan and the weights add up.
        QCOMPARE(f->taxi(), airplane.taxifuel);
        QCOMPARE(f->totalreserve(), f->contingency() + f->alternate() + f->extra() + f->final());
        QCOMPARE(f->block(), f->totalreserve() + f->enroute() + f->taxi());
        QCOMPARE(f->takeoff(), f->block() - f->taxi());
        QCOMPARE(f->contingency(), int(std::lround(airplane.contingencyfuel * f->enroute() / 100.0)));
        QVERIFY(f->endurance() > plan->duration());
        const Weight *m = plan->weight();
        QCOMPARE(m->payload(), m->passengers() + m->cargo());
        QCOMPARE(m->zfw(), m->payload() + airplane.eow);
        QCOMPARE(m->tow() - m->lw(), f->enroute());
        QCOMPARE(m->lw(), m->zfw() + f->totalreserve());
    }

    // Phases run from the departure to the arrival and never back; the climb ends at one
    // top of climb before the one top of descent, and the altitudes rise up to it and fall
    // after it.
    enum Tops { NoTops, CruiseTops, AnyTops };

    // With CruiseTops the plan levels off at its cruise level; with AnyTops the climb may
    // turn straight into the descent.
    void checkPhasesAndTops(Flightplan *plan, Tops expected)
    {
        const QList<Waypoint *> w = plan->waypoints();
        QCOMPARE(w.first()->phase(), w.size() == 2 ? 3 : 1);
        QCOMPARE(w.last()->phase(), 5);
        for (int i = 1; i < w.size(); ++i)
            QVERIFY2(w.at(i)->phase() >= w.at(i - 1)->phase(), qPrintable(phases(plan)));
        if (expected == NoTops) {
            for (const Waypoint *p : w)
                QCOMPARE(p->topId(), 0);
            return;
        }
        int toc = -1;
        int tod = -1;
        for (int i = 0; i < w.size(); ++i) {
            if (w.at(i)->isTOC()) {
                QVERIFY2(toc < 0, qPrintable(phases(plan)));
                toc = i;
            }
            if (w.at(i)->isTOD()) {
                QVERIFY2(tod < 0, qPrintable(phases(plan)));
                tod = i;
            }
        }
        QVERIFY2(toc > 0 && tod >= toc && tod < w.size() - 1, qPrintable(phases(plan)));
        if (expected == AnyTops)
            return;
        const int cruiseAltitude = plan->general()->cruiselvl() * 100;
        QCOMPARE(w.at(toc)->altitude(), cruiseAltitude);
        QCOMPARE(w.at(tod)->altitude(), cruiseAltitude);
        QCOMPARE(plan->profile()->property("topOfCruise").toString(), w.at(toc)->code());
        for (int i = 1; i <= toc; ++i)
            QVERIFY2(w.at(i)->altitude() >= w.at(i - 1)->altitude(), qPrintable(phases(plan)));
        for (int i = toc; i <= tod; ++i)
            QCOMPARE(w.at(i)->altitude(), cruiseAltitude);
        for (int i = tod + 1; i < w.size(); ++i)
            QVERIFY2(w.at(i)->altitude() <= w.at(i - 1)->altitude(), qPrintable(phases(plan)));
    }

    static QString phases(Flightplan *plan)
    {
        QStringList list;
        for (const Waypoint *w : plan->waypoints())
            list.append(QStringLiteral("%1:%2/%3/%4[%5-%6]")
                            .arg(w->code())
                            .arg(w->phase())
                            .arg(w->topId())
                            .arg(w->storedAltitude())
                            .arg(w->minAltitude())
                            .arg(w->maxAltitude()));
        return list.join(QLatin1Char(' '));
    }

    // The map path of every leg: valid positions, and no step across the map except the two
    // points a leg gets on either side of the 180th meridian. Returns the number of crossings.
    static int checkPaths(Flightplan *plan)
    {
        int crossings = 0;
        for (const Waypoint *waypoint : plan->waypoints()) {
            const QVariantList path = waypoint->path();
            for (int i = 0; i < path.size(); ++i) {
                const QGeoCoordinate c = path.at(i).value<QGeoCoordinate>();
                if (!c.isValid() || !std::isfinite(c.latitude()) || !std::isfinite(c.longitude())) {
                    qWarning() << "invalid path point of" << waypoint->code() << c;
                    return -1;
                }
                if (i == 0)
                    continue;
                const QGeoCoordinate before = path.at(i - 1).value<QGeoCoordinate>();
                if (std::abs(c.longitude() - before.longitude()) <= 180.0)
                    continue;
                if (std::abs(c.longitude()) != 180.0 || c.longitude() != -before.longitude()
                    || c.latitude() != before.latitude()) {
                    qWarning() << "path of" << waypoint->code() << "jumps from" << before << "to" << c;
                    return -1;
                }
                ++crossings;
            }
        }
        return crossings;
    }

    // Everything the document keeps and everything the plan computes from it.
    static QStringList snapshot(Flightplan *plan)
    {
        QStringList lines;
        const General *g = plan->general();
        lines << g->modificationtime().toString(Qt::TextDate) << g->departuretime().toString(Qt::TextDate)
              << g->company() << g->number() << g->pic() << QString::number(g->sequence())
              << QString::number(g->cruiselvl()) << QString::number(g->cruisetas()) << QString::number(g->transition())
              << g->alternate() << AirplaneListModel::currentAirplane().icao;
        const Terminal *t = plan->terminal();
        for (const Procedure *p : {t->sid(), t->star(), t->appch()})
            lines << (p ? p->uid() : QStringLiteral("-"));
        const Fuel *f = plan->fuel();
        const Weight *m = plan->weight();
        lines << QStringLiteral("fuel %1 %2 %3 %4 %5 %6 %7 %8 %9")
                     .arg(f->taxi())
                     .arg(f->enroute())
                     .arg(f->contingency())
                     .arg(f->alternate())
                     .arg(f->extra())
                     .arg(f->final())
                     .arg(f->totalreserve())
                     .arg(f->block())
                     .arg(f->endurance())
              << QStringLiteral("weight %1 %2 %3 %4 %5 %6 %7")
                     .arg(m->loadfactor())
                     .arg(m->paxcount())
                     .arg(m->payload())
                     .arg(m->zfw())
                     .arg(m->tow())
                     .arg(m->lw())
                     .arg(m->cargo())
              << QStringLiteral("totals %1 %2").arg(plan->distance(), 0, 'g', 17).arg(plan->duration());
        for (const Waypoint *w : plan->waypoints()) {
            lines << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                         .arg(w->uid())
                         .arg(w->type())
                         .arg(w->latitude(), 0, 'g', 17)
                         .arg(w->longitude(), 0, 'g', 17)
                         .arg(w->storedAltitude())
                         .arg(w->minAltitude())
                         .arg(w->maxAltitude())
                         .arg(w->ias())
                         .arg(w->maxIas())
                  << w->comment() << w->runwayEnd()
                  << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                         .arg(w->phase())
                         .arg(w->topId())
                         .arg(w->distanceToNext(), 0, 'g', 17)
                         .arg(w->timeToNext())
                         .arg(w->burnedFuel())
                         .arg(w->remainingFuel())
                         .arg(w->airwayName());
        }
        return lines;
    }

    static QString links(Flightplan *plan)
    {
        QStringList list;
        for (const Waypoint *w : plan->waypoints())
            list.append(w->procedure() ? w->procedure()->name() : QStringLiteral("-"));
        const Terminal *t = plan->terminal();
        return list.join(QLatin1Char(' '))
               + QStringLiteral(" | %1 %2 %3").arg(t->sidTransition(), t->starTransition(), t->appchTransition());
    }

    // Saved, then opened into a second plan while another airplane is current, as a later
    // session would: the document brings its airplane back and every value with it.
    void checkRoundTrip(const QString &name, const QString &otherIcao, const QString &alternate)
    {
        // A plan opened without an alternate takes the nearest airport; this one has its own.
        m_plan->general()->setAlternate(alternate);
        m_plan->general()->setDeparturetime(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53)));
        m_plan->general()->setCompany(QStringLiteral("Corvel Air"));
        m_plan->general()->setPic(QStringLiteral("A. Pilot"));
        m_plan->general()->setNumber(QStringLiteral("WYLR314"));
        m_plan->general()->setSequence(2);
        m_plan->general()->setTransition(18000);
        m_plan->weight()->setLoadfactor(77);
        m_plan->update(false, false);
        const QStringList expected = snapshot(m_plan.get());
        const QString expectedLinks = links(m_plan.get());
        const QString icao = AirplaneListModel::currentAirplane().icao;

        const QString file = m_dir.filePath(name);
        QVERIFY2(m_document->saveAs(file), qPrintable(m_document->msgtext()));

        m_fixture.airplanes()->selectByIcao(otherIcao);
        QCOMPARE(AirplaneListModel::currentAirplane().icao, otherIcao);
        Flightplan other;
        QObject::connect(m_fixture.airplanes(), &AirplaneListModel::changed, &other, &Flightplan::airplaneChanged);
        Document otherDocument(&other);
        QVERIFY2(otherDocument.open(file), qPrintable(otherDocument.msgtext()));
        QCOMPARE(AirplaneListModel::currentAirplane().icao, icao);
        const QStringList read = snapshot(&other);
        QCOMPARE(read.size(), expected.size());
        for (int i = 0; i < read.size(); ++i)
            QVERIFY2(read.at(i) == expected.at(i),
                     qPrintable(QStringLiteral("line %1: %2 read as %3").arg(i).arg(expected.at(i), read.at(i))));
        QVERIFY(otherDocument.saved());
        checkLegsAndTotals(&other);
        // Each waypoint comes back in its procedure, a fix that two of them pass included.
        QCOMPARE(links(&other), expectedLinks);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_fixture.setUp();
        m_fixture.airplanes()->setAirplanes(AirplaneListModel::defaultAirplanes());

        // Europe and the North Atlantic.
        airport(QStringLiteral("EGLL"), 51.4775, -0.461389, 83);
        airport(QStringLiteral("KJFK"), 40.639801, -73.7789, 13);
        airport(QStringLiteral("LFPG"), 49.009722, 2.547778, 392);
        airport(QStringLiteral("EDDM"), 48.353783, 11.786086, 1487);
        fix(QStringLiteral("CPT"), 51.492, -1.219);
        fix(QStringLiteral("STU"), 51.99, -5.04);
        fix(QStringLiteral("MALOT"), 53.0, -15.0);
        fix(QStringLiteral("5720N"), 57.0, -20.0);
        fix(QStringLiteral("5830N"), 58.0, -30.0);
        fix(QStringLiteral("5840N"), 58.0, -40.0);
        fix(QStringLiteral("5750N"), 57.0, -50.0);
        fix(QStringLiteral("LOMSI"), 55.0, -57.0);
        fix(QStringLiteral("DENDU"), 51.0, -63.0);
        fix(QStringLiteral("SCUPP"), 42.4, -70.3);

        // The North Pacific, across the 180th meridian.
        airport(QStringLiteral("RJAA"), 35.764722, 140.386389, 141);
        airport(QStringLiteral("PANC"), 61.174361, -149.996361, 152);
        fix(QStringLiteral("PETAL"), 38.0, 145.0);
        fix(QStringLiteral("ONEMU"), 43.0, 155.0);
        fix(QStringLiteral("NIPPI"), 48.0, 165.0);
        fix(QStringLiteral("NUZAN"), 51.0, 175.0);
        fix(QStringLiteral("OMOTO"), 53.0, -175.0);
        fix(QStringLiteral("NODLE"), 56.0, -165.0);
        fix(QStringLiteral("ENH"), 60.5, -151.3);

        // A SID of XDEP, a STAR and an approach of EDDF, from the CIFP test files.
        airport(QStringLiteral("XDEP"), 50.9, 6.9, 200);
        airport(QStringLiteral("EDDF"), 50.03, 8.57, 364);
        addRunway(QStringLiteral("XDEP"), 50.9, 6.88, QStringLiteral("09"), 50.9, 6.92, QStringLiteral("27"));
        addRunway(QStringLiteral("EDDF"), 50.03, 8.53, QStringLiteral("07C"), 50.04, 8.59, QStringLiteral("25C"));
        addRunway(QStringLiteral("EDDF"), 50.02, 8.53, QStringLiteral("07R"), 50.03, 8.60, QStringLiteral("25L"));
        fix(QStringLiteral("DEPA1"), 50.8, 7.2);
        fix(QStringLiteral("DEPA2"), 50.6, 7.5);
        fix(QStringLiteral("KERAX"), 50.4, 7.8, QStringLiteral("ENRT"), QStringLiteral("ED"));
        fix(QStringLiteral("TOBAK"), 50.3, 8.0, QStringLiteral("ENRT"), QStringLiteral("ED"));
        fix(QStringLiteral("ANEKI"), 50.15, 8.2, QStringLiteral("ENRT"), QStringLiteral("ED"));
        fix(QStringLiteral("CI25L"), 50.08, 8.75, QStringLiteral("EDDF"), QStringLiteral("ED"));
        fix(QStringLiteral("FF25L"), 50.06, 8.65, QStringLiteral("EDDF"), QStringLiteral("ED"));
        CifpLoader loader(m_fixture.db());
        loader.setPath(TestSupport::dataPath(QStringLiteral("cifp")));
        QVERIFY(loader.load(Database::findPoint(m_uid.value(QStringLiteral("XDEP")))));
        QVERIFY(loader.load(Database::findPoint(m_uid.value(QStringLiteral("EDDF")))));

        m_plan = std::make_unique<Flightplan>();
        // As the program wires it: a new current airplane recomputes the plan.
        connect(m_fixture.airplanes(), &AirplaneListModel::changed, m_plan.get(), &Flightplan::airplaneChanged);
        m_document = std::make_unique<Document>(m_plan.get());
        m_tester = std::make_unique<QAbstractItemModelTester>(m_plan.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void cleanupTestCase()
    {
        m_tester.reset();
        m_document.reset();
        m_plan.reset();
        m_fixture.tearDown();
    }

    // Departure and arrival alone: one leg flown at two thirds of the cruise speed, all of it
    // at the cruise fuel flow; no profile, no tops.
    void twoAirportsOnly()
    {
        start(QStringLiteral("A320"), {QStringLiteral("LFPG"), QStringLiteral("EDDM")});
        m_plan->computeProfile();
        const QList<Waypoint *> w = m_plan->waypoints();
        const Airplane a320 = AirplaneListModel::currentAirplane();
        QCOMPARE(m_plan->general()->cruiselvl(), a320.ceilinglvl);
        QCOMPARE(m_plan->general()->cruisetas(), a320.maxcruisetas);

        // About 370 NM from Paris to Munich.
        const double nm = w.first()->position().distanceTo(w.last()->position()) / 1852.0;
        QVERIFY(nm > 360.0 && nm < 380.0);
        QVERIFY(std::abs(m_plan->distance() - nm) < 1e-6);
        QCOMPARE(w.first()->ias(), 0);
        QCOMPARE(w.first()->verticalSpeed(), 5001);
        const int tas = Unit::convertIasToTas(a320.maxcruisetas * 2 / 3, 392);
        QCOMPARE(m_plan->duration(), int(std::lround(nm * 3600.0 / tas)));
        QCOMPARE(m_plan->fuel()->enroute(), int(std::lround(double(a320.cruisefuel) * m_plan->duration() / 3600.0)));

        checkLegsAndTotals(m_plan.get());
        checkPhasesAndTops(m_plan.get(), NoTops);
        QCOMPARE(checkPaths(m_plan.get()), 0);
        checkRoundTrip(QStringLiteral("LFPGEDDM.fpxml"), QStringLiteral("C172"), QStringLiteral("EDDN"));
    }

    // London to New York over the North Atlantic: climb, a long cruise over the oceanic
    // fixes, descent.
    void northAtlantic()
    {
        start(QStringLiteral("B77W"),
              QStringLiteral("EGLL CPT STU MALOT 5720N 5830N 5840N 5750N LOMSI DENDU SCUPP KJFK")
                  .split(QLatin1Char(' ')));
        m_plan->general()->setCruiselvl(370);
        m_plan->general()->setCruisetas(490);
        m_plan->computeProfile();

        checkLegsAndTotals(m_plan.get());
        checkPhasesAndTops(m_plan.get(), CruiseTops);
        QCOMPARE(checkPaths(m_plan.get()), 0);

        // Over the oceanic fixes the route is only a little longer than the great circle of
        // about 2,990 NM, and flown in six to eight hours of still air.
        const QList<Waypoint *> w = m_plan->waypoints();
        const double direct = w.first()->position().distanceTo(w.last()->position()) / 1852.0;
        QVERIFY(direct > 2950.0 && direct < 3000.0);
        QVERIFY2(m_plan->distance() > direct && m_plan->distance() < direct * 1.08,
                 qPrintable(QString::number(m_plan->distance())));
        QVERIFY2(m_plan->duration() > 6 * 3600 && m_plan->duration() < 8 * 3600,
                 qPrintable(QString::number(m_plan->duration())));
        // Westbound.
        QVERIFY(w.at(4)->headingToNext() > 260 && w.at(4)->headingToNext() < 300);
        // Most of the trip fuel is burnt in the cruise.
        const Airplane b77w = AirplaneListModel::currentAirplane();
        int cruiseFuel = 0;
        for (const Waypoint *p : w) {
            if (p->phase() == 3)
                cruiseFuel += Fuel::fuelForDuration(b77w.cruisefuel, p->timeToNext());
        }
        QVERIFY(cruiseFuel > m_plan->fuel()->enroute() / 2);
        QVERIFY(m_plan->fuel()->block() < b77w.fuelcapacity);
        QVERIFY(m_plan->weight()->tow() < b77w.mtow);

        checkRoundTrip(QStringLiteral("EGLLKJFK.fpxml"), QStringLiteral("A320"), QStringLiteral("KEWR"));
    }

    // Tokyo to Anchorage across the 180th meridian, with a coordinate waypoint just west of
    // it: every distance the short way, the map legs split at the meridian.
    void acrossTheAntimeridian()
    {
        const QString coord = Database::getOrAddCoordPoint(QGeoCoordinate(52.0, 179.5), false)->uid();
        start(QStringLiteral("B738"), QStringLiteral("RJAA PETAL ONEMU NIPPI NUZAN").split(QLatin1Char(' ')));
        for (const QString &code : QStringList{coord, QStringLiteral("OMOTO"), QStringLiteral("NODLE"),
                                               QStringLiteral("ENH"), QStringLiteral("PANC")})
            QVERIFY2(m_plan->append(m_uid.value(code, code), false), qPrintable(code));
        m_plan->general()->setCruiselvl(360);
        m_plan->computeProfile();

        checkLegsAndTotals(m_plan.get());
        checkPhasesAndTops(m_plan.get(), CruiseTops);
        // The one leg from the coordinate point to OMOTO crosses.
        QCOMPARE(checkPaths(m_plan.get()), 1);

        const QList<Waypoint *> w = m_plan->waypoints();
        const double direct = w.first()->position().distanceTo(w.last()->position()) / 1852.0;
        QVERIFY(direct > 2900.0 && direct < 3050.0);
        QVERIFY2(m_plan->distance() > direct && m_plan->distance() < direct * 1.1,
                 qPrintable(QString::number(m_plan->distance())));
        // About 160 NM from 52N 179.5E to 53N 175W, eastbound, not around the earth.
        QCOMPARE(w.at(5)->code(), Waypoint::coordinateCode(QGeoCoordinate(52.0, 179.5)));
        QVERIFY2(w.at(5)->distanceToNext() > 150.0 && w.at(5)->distanceToNext() < 250.0,
                 qPrintable(QString::number(w.at(5)->distanceToNext())));
        QVERIFY(w.at(5)->headingToNext() > 45 && w.at(5)->headingToNext() < 90);
        for (const Waypoint *p : w)
            QVERIFY(p->distanceToNext() < 700.0);

        checkRoundTrip(QStringLiteral("RJAAPANC.fpxml"), QStringLiteral("B350"), QStringLiteral("PAFA"));
    }

    // A document of a type the airplane list does not hold opens for the current airplane.
    void documentOfAnotherAirplaneType()
    {
        start(QStringLiteral("B738"), {QStringLiteral("LFPG"), QStringLiteral("EDDM")});
        const QString file = m_dir.filePath(QStringLiteral("unknown.fpxml"));
        QVERIFY(m_document->saveAs(file));
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QByteArray bytes = stored.readAll();
        stored.close();
        QVERIFY(bytes.contains("<airplane>B738</airplane>"));
        bytes.replace("<airplane>B738</airplane>", "<airplane>ZZ99</airplane>");
        QVERIFY(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(stored.write(bytes), bytes.size());
        stored.close();

        m_fixture.airplanes()->selectByIcao(QStringLiteral("A320"));
        m_document->niew();
        QVERIFY2(m_document->open(file), qPrintable(m_document->msgtext()));
        QCOMPARE(AirplaneListModel::currentAirplane().icao, QStringLiteral("A320"));
        QCOMPARE(m_plan->count(), 2);
        checkLegsAndTotals(m_plan.get());
    }

    // A short hop with SID, STAR and approach from the CIFP files: the constraints of the legs
    // shape the profile, and the procedures come back with the document.
    void terminalProcedures()
    {
        start(QStringLiteral("A320"), {QStringLiteral("XDEP"), QStringLiteral("EDDF")});
        // A level the 97 NM flight reaches, so that it climbs, levels off and descends.
        m_plan->general()->setCruiselvl(150);
        m_plan->general()->setCruisetas(420);
        Terminal *t = m_plan->terminal();
        const struct
        {
            const char *uid;
            const char *transition;
        } steps[] = {
            {"XDEP/DEP1A", "RW09"}, {"XDEP/DEP1A", "ALL"},  {"XDEP/DEP1A", "KERAX"}, {"EDDF/KERA2B", "KERAX"},
            {"EDDF/KERA2B", "ALL"}, {"EDDF/I25L", "ANEKI"}, {"EDDF/I25L", "ALL"},
        };
        for (const auto &step : steps)
            QVERIFY2(t->addTransition(QString::fromLatin1(step.uid), QString::fromLatin1(step.transition)) >= 0,
                     step.uid);
        QCOMPARE(codes(), QStringLiteral("XDEP DEPA1 DEPA2 KERAX TOBAK ANEKI CI25L FF25L EDDF"));
        // The runway transitions chose the runway ends already.
        QCOMPARE(m_plan->first()->runwayEnd(), QStringLiteral("09"));
        QCOMPARE(m_plan->last()->runwayEnd(), QStringLiteral("25L"));
        m_plan->computeProfile();

        QCOMPARE(t->sidIdentifier(), QStringLiteral("DEP1A"));
        QCOMPARE(t->starIdentifier(), QStringLiteral("KERA2B"));
        QCOMPARE(t->appchIdentifier(), QStringLiteral("I25L"));
        QCOMPARE(t->departureRunway(), QStringLiteral("09"));
        QCOMPARE(t->arrivalRunway(), QStringLiteral("25L"));

        // KERAX is to be crossed between FL080 and FL120 ("B", the upper altitude first): the
        // window must reach the plan with its floor as the minimum, not upside down.
        const Waypoint *kerax = m_plan->waypoints().at(3);
        QVERIFY2(kerax->minAltitude() == 8000 && kerax->maxAltitude() == 12000, qPrintable(phases(m_plan.get())));
        // The altitudes keep the windows of the legs.
        for (const Waypoint *p : m_plan->waypoints()) {
            if (p->minAltitude() > p->maxAltitude() && p->maxAltitude() != -1)
                continue;
            if (p->minAltitude() > 0)
                QVERIFY2(p->altitude() >= p->minAltitude(), qPrintable(phases(m_plan.get())));
            if (p->maxAltitude() > 0)
                QVERIFY2(p->altitude() <= p->maxAltitude(), qPrintable(phases(m_plan.get())));
        }
        checkLegsAndTotals(m_plan.get());
        checkPhasesAndTops(m_plan.get(), AnyTops);
        QCOMPARE(checkPaths(m_plan.get()), 0);
        checkRoundTrip(QStringLiteral("XDEPEDDF.fpxml"), QStringLiteral("B738"), QStringLiteral("EDDS"));
    }
};

QTEST_MAIN(TstWholePlans)
#include "tst_wholeplans.moc"
