#pragma once

// One realistic plan for the export suites, Nadi (NFFN) to Faleolo (NSFA): a SID, two airways,
// a point beyond the 180th meridian, a VOR, an NDB, a latitude/longitude point, a STAR and an
// approach, read from procedure files of our own, with the header a pilot fills in; and the
// template engine and exporter that write it.

#include "cifploader.h"
#include "exporter.h"
#include "flightplan.h"
#include "general.h"
#include "planfixture.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "templating.h"
#include "terminal.h"
#include "waypoint.h"

#include <QDateTime>
#include <QTest>

class ExportPlan
{
public:
    void setUp()
    {
        m_fixture.setUp();
        Airplane airplane = PlanFixture::airplane();
        airplane.icao = QStringLiteral("B738");
        airplane.name = QStringLiteral("Boeing 737-800");
        airplane.mtow = 79000;
        m_fixture.setAirplane(airplane);
        Settings::setInt(QStringLiteral("units/transitionAltitude"), 11000);
        Database::setCycle(QStringLiteral("2401"));

        m_nffn = m_fixture.airport(QStringLiteral("NFFN"), -17.755, 177.443, 59);
        m_nsfa = m_fixture.airport(QStringLiteral("NSFA"), -13.83, -172.008, 58);
        m_uids.insert(QStringLiteral("NFFN"), m_nffn->uid());
        m_uids.insert(QStringLiteral("NSFA"), m_nsfa->uid());
        m_fixture.db()->addRunway(new Runway(QStringLiteral("NFFN"), QGeoCoordinate(-17.77, 177.437), QStringLiteral("02"),
                                             0.0f, QGeoCoordinate(-17.74, 177.449), QStringLiteral("20"), 0.0f, 45.0f, 1, 1, 1));
        m_fixture.db()->addRunway(new Runway(QStringLiteral("NSFA"), QGeoCoordinate(-13.834, -172.022), QStringLiteral("08"),
                                             0.0f, QGeoCoordinate(-13.826, -171.995), QStringLiteral("26"), 0.0f, 45.0f, 1, 1, 1));
        fix(QStringLiteral("NNDA1"), -17.55, 177.55, QStringLiteral("NF"));
        Point *mokar = fix(QStringLiteral("MOKAR"), -17.2, 178.1, QStringLiteral("NF"));
        Point *tuvra = fix(QStringLiteral("TUVRA"), -16.8, 179.3, QStringLiteral("NF"));
        Point *onova = fix(QStringLiteral("ONOVA"), -16.4, -179.4, QStringLiteral("NF"));
        Point *fal = add(new Point(Point::VOR, QGeoCoordinate(-15.6, -176.8), QStringLiteral("FAL"), QStringLiteral("ENRT"),
                                   QStringLiteral("NS"), QStringLiteral("FALEOLO"), 0, 113.1f, QString()));
        add(new Point(Point::NDB, QGeoCoordinate(-14.2, -173.1), QStringLiteral("FA"), QStringLiteral("ENRT"),
                      QStringLiteral("NS"), QStringLiteral("FAGALII"), 0, 365.0f, QString()));
        fix(QStringLiteral("KILOS"), -14.05, -172.7, QStringLiteral("NS"));
        fix(QStringLiteral("SAMEL"), -13.95, -172.4, QStringLiteral("NS"));
        fix(QStringLiteral("CI08"), -13.87, -172.2, QStringLiteral("NS"));
        fix(QStringLiteral("FF08"), -13.85, -172.1, QStringLiteral("NS"));
        m_mokarTuvra = m_fixture.segment(Segment::FORWARD, Segment::HIGH, mokar, tuvra, QStringLiteral("UA251"));
        m_tuvraOnova = m_fixture.segment(Segment::FORWARD, Segment::HIGH, tuvra, onova, QStringLiteral("UA251"));
        m_onovaFal = m_fixture.segment(Segment::FORWARD, Segment::LOW, onova, fal, QStringLiteral("G224"));

        CifpLoader loader(m_fixture.db());
        loader.setPath(QStringLiteral(WAYLORE_EXPORT_DATA_DIR "/cifp"));
        QVERIFY(loader.load(m_nffn));
        QVERIFY(loader.load(m_nsfa));
        m_plan = std::make_unique<Flightplan>();
        m_templating = std::make_unique<Templating>();
        m_exporter = std::make_unique<Exporter>(m_plan.get());
        build();
    }

    void tearDown()
    {
        m_exporter.reset();
        m_templating.reset();
        m_plan.reset();
        m_fixture.tearDown();
    }

    // NFFN NNDA1 MOKAR (SID MOKA1A) TUVRA ONOVA (UA251) FAL (G224) 1430S17400W FA KILOS SAMEL
    // (STAR KILO1B) CI08 FF08 (approach I08) NSFA, with the altitudes set by hand so that
    // they do not depend on the profile computation.
    void build()
    {
        m_plan->clear(false);
        QVERIFY(m_plan->append(m_nffn->uid(), false));
        QVERIFY(m_plan->append(m_nsfa->uid(), false));
        Terminal *t = m_plan->terminal();
        const char *const steps[][2] = {{"NFFN/MOKA1A", "RW02"}, {"NFFN/MOKA1A", "ALL"}, {"NSFA/KILO1B", "KILOS"},
                                        {"NSFA/KILO1B", "ALL"},  {"NSFA/I08", "SAMEL"},  {"NSFA/I08", "ALL"}};
        for (const auto &step : steps)
            QVERIFY2(t->addTransition(QString::fromLatin1(step[0]), QString::fromLatin1(step[1])) >= 0, step[0]);
        int row = m_plan->indexOf(uidOf(QStringLiteral("MOKAR")));
        QVERIFY(row > 0);
        const Point *coordinate = Database::getOrAddCoordPoint(QGeoCoordinate(-14.5, -174.0), false);
        QVERIFY(coordinate);
        for (const QString &uid : {uidOf(QStringLiteral("TUVRA")), uidOf(QStringLiteral("ONOVA")), uidOf(QStringLiteral("FAL")),
                                   coordinate->uid(), uidOf(QStringLiteral("FA"))})
            QVERIFY2(m_plan->insert(++row, uid, false), qPrintable(uid));
        const QList<Waypoint *> w = m_plan->waypoints();
        QCOMPARE(codes(), QStringLiteral("NFFN NNDA1 MOKAR TUVRA ONOVA FAL 145000S1740000W FA KILOS SAMEL CI08 FF08 NSFA"));
        w.at(2)->setAirway(m_mokarTuvra);
        w.at(3)->setAirway(m_tuvraOnova);
        w.at(4)->setAirway(m_onovaFal);
        const int altitudes[] = {59, 3000, 10000, 35000, 35000, 35000, 35000, 24000, 10000, 5000, 4000, 2000, 58};
        for (int i = 0; i < w.size(); ++i) {
            w.at(i)->setAltitude(altitudes[i], false);
            w.at(i)->setIas(i == 0 || i == w.size() - 1 ? 150 : 280, false);
        }
        General *general = m_plan->general();
        general->setNumber(QStringLiteral("FJ861"));
        general->setCompany(QStringLiteral("Island Air"));
        general->setPic(QStringLiteral("J. Doe"));
        general->setCruiselvl(350);
        general->setCruisetas(450);
        general->setTransition(11000);
        general->setAlternate(QStringLiteral("NFFN"));
        general->setDeparturetime(QDateTime(QDate(2024, 5, 6), QTime(21, 30), Qt::UTC));
        m_plan->update(false, false);
    }

    QString codes() const
    {
        QStringList list;
        for (const Waypoint *w : m_plan->waypoints())
            list.append(w->code());
        return list.join(QLatin1Char(' '));
    }

    QString uidOf(const QString &code) const { return m_uids.value(code); }
    Flightplan *plan() const { return m_plan.get(); }
    Exporter *exporter() const { return m_exporter.get(); }
    PlanFixture &fixture() { return m_fixture; }

private:
    Point *add(Point *point)
    {
        m_fixture.db()->addPoint(point);
        m_uids.insert(point->code(), point->uid());
        return point;
    }

    Point *fix(const QString &code, double latitude, double longitude, const QString &region)
    {
        return add(new Point(Point::FIX, QGeoCoordinate(latitude, longitude), code, QStringLiteral("ENRT"), region, QString(),
                             0, 0.0f, QStringLiteral("E   ")));
    }

    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Templating> m_templating;
    std::unique_ptr<Exporter> m_exporter;
    QHash<QString, QString> m_uids;
    Point *m_nffn = nullptr;
    Point *m_nsfa = nullptr;
    Segment *m_mokarTuvra = nullptr;
    Segment *m_tuvraOnova = nullptr;
    Segment *m_onovaFal = nullptr;
};
