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

        Point *nffn = m_fixture.airport(QStringLiteral("NFFN"), -17.755, 177.443, 59);
        Point *nsfa = m_fixture.airport(QStringLiteral("NSFA"), -13.83, -172.008, 58);
        addRunway(QStringLiteral("NFFN"), -17.77, 177.437, QStringLiteral("02"), -17.74, 177.449, QStringLiteral("20"));
        addRunway(QStringLiteral("NSFA"), -13.834, -172.022, QStringLiteral("08"), -13.826, -171.995,
                  QStringLiteral("26"));
        m_points = {{QStringLiteral("NFFN"), nffn}, {QStringLiteral("NSFA"), nsfa}};
        const struct
        {
            int type;
            const char *code;
            double latitude;
            double longitude;
            const char *region;
        } points[] = {{Point::FIX, "NNDA1", -17.55, 177.55, "NF"}, {Point::FIX, "MOKAR", -17.2, 178.1, "NF"},
                      {Point::FIX, "TUVRA", -16.8, 179.3, "NF"},   {Point::FIX, "ONOVA", -16.4, -179.4, "NF"},
                      {Point::VOR, "FAL", -15.6, -176.8, "NS"},    {Point::NDB, "FA", -14.2, -173.1, "NS"},
                      {Point::FIX, "KILOS", -14.05, -172.7, "NS"}, {Point::FIX, "SAMEL", -13.95, -172.4, "NS"},
                      {Point::FIX, "CI08", -13.87, -172.2, "NS"},  {Point::FIX, "FF08", -13.85, -172.1, "NS"}};
        for (const auto &p : points) {
            auto *point = new Point(p.type, QGeoCoordinate(p.latitude, p.longitude), QString::fromLatin1(p.code),
                                    QStringLiteral("ENRT"), QString::fromLatin1(p.region),
                                    p.type == Point::VOR   ? QStringLiteral("FALEOLO")
                                    : p.type == Point::NDB ? QStringLiteral("FAGALII")
                                                           : QString(),
                                    0,
                                    p.type == Point::VOR   ? 113.1f
                                    : p.type == Point::NDB ? 365.0f
                                                           : 0.0f,
                                    p.type == Point::FIX ? QStringLiteral("E   ") : QString());
            m_fixture.db()->addPoint(point);
            m_points.insert(point->code(), point);
        }
        m_airways = {segment(Segment::HIGH, "MOKAR", "TUVRA", "UA251"),
                     segment(Segment::HIGH, "TUVRA", "ONOVA", "UA251"), segment(Segment::LOW, "ONOVA", "FAL", "G224")};

        CifpLoader loader(m_fixture.db());
        loader.setPath(QStringLiteral(WAYLORE_EXPORT_DATA_DIR "/cifp"));
        QVERIFY(loader.load(nffn));
        QVERIFY(loader.load(nsfa));
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
        QVERIFY(m_plan->append(uidOf(QStringLiteral("NFFN")), false));
        QVERIFY(m_plan->append(uidOf(QStringLiteral("NSFA")), false));
        const char *const steps[][2] = {{"NFFN/MOKA1A", "RW02"}, {"NFFN/MOKA1A", "ALL"}, {"NSFA/KILO1B", "KILOS"},
                                        {"NSFA/KILO1B", "ALL"},  {"NSFA/I08", "SAMEL"},  {"NSFA/I08", "ALL"}};
        for (const auto &step : steps)
            QVERIFY2(m_plan->terminal()->addTransition(QString::fromLatin1(step[0]), QString::fromLatin1(step[1])) >= 0,
                     step[0]);
        int row = m_plan->indexOf(uidOf(QStringLiteral("MOKAR")));
        const Point *coordinate = Database::getOrAddCoordPoint(QGeoCoordinate(-14.5, -174.0), false);
        QVERIFY(row > 0 && coordinate);
        for (const QString &uid : {uidOf(QStringLiteral("TUVRA")), uidOf(QStringLiteral("ONOVA")),
                                   uidOf(QStringLiteral("FAL")), coordinate->uid(), uidOf(QStringLiteral("FA"))})
            QVERIFY2(m_plan->insert(++row, uid, false), qPrintable(uid));
        const QList<Waypoint *> w = m_plan->waypoints();
        QStringList codes;
        for (const Waypoint *waypoint : w)
            codes.append(waypoint->code());
        QCOMPARE(codes.join(QLatin1Char(' ')),
                 QStringLiteral("NFFN NNDA1 MOKAR TUVRA ONOVA FAL 145000S1740000W FA KILOS SAMEL CI08 FF08 NSFA"));
        for (int i = 0; i < m_airways.size(); ++i)
            w.at(2 + i)->setAirway(m_airways.at(i));
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

    // XRTA ALDAX (SID ALDA1A) COLTA DUNOP EPMAR FOXIN (STAR FOXI1C) XRTB, UL100 from ALDAX on;
    // the transitions COLTA and DUNOP come with their procedures, or were en-route points (after
    // a route made first, every fix was, and both transitions are chosen then).
    void buildTransitions(bool sidEnRoute, bool starEnRoute, bool routeFirst = false)
    {
        const QStringList fixes{"ALDAX", "COLTA", "DUNOP", "EPMAR", "FOXIN"};
        if (!m_points.contains(QStringLiteral("XRTA"))) {
            for (const QString &code : {QStringLiteral("XRTA"), QStringLiteral("XRTB")})
                m_points.insert(code, m_fixture.airport(code, -20.0, code.endsWith('A') ? 60.1 : 65.9, 30));
            for (int i = 0; i < fixes.size(); ++i) {
                m_points.insert(fixes.at(i), m_fixture.fix(fixes.at(i), -20.0, 60.6 + 1.2 * i));
                if (i > 0)
                    m_ul100.append(m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_points.value(fixes.at(i - 1)),
                                                     m_points.value(fixes.at(i)), QStringLiteral("UL100")));
            }
            CifpLoader loader(m_fixture.db());
            loader.setPath(QStringLiteral(WAYLORE_EXPORT_DATA_DIR "/cifp"));
            QVERIFY(loader.load(m_points.value(QStringLiteral("XRTA"))));
            QVERIFY(loader.load(m_points.value(QStringLiteral("XRTB"))));
        }
        m_plan->clear(false);
        QStringList codes{"XRTA"};
        if (routeFirst)
            codes.append(fixes);
        if (sidEnRoute && !routeFirst)
            codes.append(QStringLiteral("COLTA"));
        if (starEnRoute && !routeFirst)
            codes.append({QStringLiteral("DUNOP"), QStringLiteral("EPMAR")});
        codes.append(QStringLiteral("XRTB"));
        for (const QString &code : std::as_const(codes))
            QVERIFY(m_plan->append(uidOf(code), false));
        Terminal *terminal = m_plan->terminal();
        QVERIFY(sidEnRoute || terminal->addTransition(QStringLiteral("XRTA/ALDA1A"), QStringLiteral("COLTA")) >= 0);
        QVERIFY(terminal->addTransition(QStringLiteral("XRTA/ALDA1A"), QStringLiteral("ALL")) >= 0);
        QVERIFY(starEnRoute || terminal->addTransition(QStringLiteral("XRTB/FOXI1C"), QStringLiteral("DUNOP")) >= 0);
        QVERIFY(terminal->addTransition(QStringLiteral("XRTB/FOXI1C"), QStringLiteral("ALL")) >= 0);
        const QList<Waypoint *> w = m_plan->waypoints();
        QCOMPARE(w.size(), 7);
        for (int i = 0; i < m_ul100.size(); ++i)
            w.at(2 + i)->setAirway(m_ul100.at(i));
        m_plan->update(false, false);
    }

    QString uidOf(const QString &code) const { return m_points.value(code)->uid(); }
    Flightplan *plan() const { return m_plan.get(); }
    Exporter *exporter() const { return m_exporter.get(); }

private:
    void addRunway(const QString &airport, double lat1, double lon1, const QString &end1, double lat2, double lon2,
                   const QString &end2)
    {
        m_fixture.db()->addRunway(new Runway(airport, QGeoCoordinate(lat1, lon1), end1, 0.0f,
                                             QGeoCoordinate(lat2, lon2), end2, 0.0f, 45.0f, 1, 1, 1));
    }

    Segment *segment(int type, const char *from, const char *to, const char *name)
    {
        return m_fixture.segment(Segment::FORWARD, type, m_points.value(QString::fromLatin1(from)),
                                 m_points.value(QString::fromLatin1(to)), QString::fromLatin1(name));
    }

    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Templating> m_templating;
    std::unique_ptr<Exporter> m_exporter;
    QHash<QString, Point *> m_points;
    QList<Segment *> m_airways;
    QList<Segment *> m_ul100;
};
