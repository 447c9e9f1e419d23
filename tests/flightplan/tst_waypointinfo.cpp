#include "flightplan.h"
#include "planfixture.h"
#include "procedure.h"
#include "unit.h"
#include "waypoint.h"

#include <QTest>

namespace {

QString glyph(char16_t codePoint)
{
    return QStringLiteral("<font face=\"Font Awesome 6 Free\">") + QChar(codePoint) + QStringLiteral("</font>");
}

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("<b>%1</b>: %2<br/>").arg(label, value);
}

} // namespace

// A plan from AAAA over fixes to BBBB on the equator; the airplane's name is written in markup.
class TstWaypointInfo : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Procedure> m_sid;
    QHash<QString, Point *> m_points;

    Waypoint *at(int row) const { return m_plan->waypoints().value(row); }

    void fill(const QString &codes)
    {
        for (const QString &code : codes.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(m_plan->append(m_points.value(code)->uid(), false), qPrintable(code));
    }

private slots:
    void initTestCase()
    {
        m_fixture.setUp();
        Airplane airplane = PlanFixture::airplane();
        airplane.name = QStringLiteral("Jet <&> One");
        airplane.v2 = 140;
        airplane.vat = 130;
        m_fixture.setAirplane(airplane);

        m_points.insert(QStringLiteral("AAAA"), m_fixture.airport(QStringLiteral("AAAA"), 0.0, 0.0, 0));
        m_points.insert(QStringLiteral("BBBB"), m_fixture.airport(QStringLiteral("BBBB"), 0.0, 3.0, 0));
        m_points.insert(QStringLiteral("ABC"), m_fixture.fix(QStringLiteral("ABC"), 0.0, 1.0));
        m_points.insert(QStringLiteral("DEF"), m_fixture.fix(QStringLiteral("DEF"), 0.0, 2.0));
        auto *hostile
            = new Point(Point::FIX, QGeoCoordinate(0.5, 1.5), QStringLiteral("A<B"), QStringLiteral("ENRT"),
                        QStringLiteral("K1"), QStringLiteral("Name & <i>co</i>"), 0, 0.0f, QStringLiteral("C   "));
        m_fixture.db()->addPoint(hostile);
        m_points.insert(QStringLiteral("A<B"), hostile);
        auto *vor = new Point(Point::VOR, QGeoCoordinate(-0.5, 1.5), QStringLiteral("VVV"), QStringLiteral("ENRT"),
                              QStringLiteral("K1"), QStringLiteral("Vee"), 100, 116.8f, QString());
        m_fixture.db()->addPoint(vor);
        m_points.insert(QStringLiteral("VVV"), vor);
        m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_points.value(QStringLiteral("ABC")),
                          m_points.value(QStringLiteral("DEF")), QStringLiteral("U1"));
        m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_points.value(QStringLiteral("DEF")),
                          m_points.value(QStringLiteral("A<B")), QStringLiteral("U<2>"));
        m_sid = std::make_unique<Procedure>(QStringLiteral("DEP1A"), QStringLiteral("AAAA"), Procedure::SID);
        m_plan = std::make_unique<Flightplan>();
    }

    void init() { m_plan->clear(false); }

    void cleanupTestCase()
    {
        m_plan.reset();
        m_sid.reset();
        m_fixture.tearDown();
    }

    void titles_data()
    {
        // clang-format off
        QTest::addColumn<QString>("plan");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("title");
        QTest::newRow("departure") << "AAAA ABC BBBB" << 0 << "Departure AAAA";
        QTest::newRow("en route") << "AAAA ABC BBBB" << 1 << "Waypoint ABC";
        QTest::newRow("arrival") << "AAAA ABC BBBB" << 2 << "Arrival BBBB";
        QTest::newRow("lone waypoint") << "ABC" << 0 << "Arrival ABC";
        QTest::newRow("code in markup") << "AAAA A<B BBBB" << 1 << "Waypoint A&lt;B";
        // clang-format on
    }

    void titles()
    {
        QFETCH(QString, plan);
        QFETCH(int, row);
        QFETCH(QString, title);
        fill(plan);
        const QString html = at(row)->infoHtml();
        QVERIFY2(html.startsWith(QStringLiteral("<body><h1>") + title + QStringLiteral(" <img width=\"20\" ")),
                 qPrintable(html));
        QVERIFY(html.endsWith(QStringLiteral("</p></body>")));
    }

    void speedNote_data()
    {
        // clang-format off
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("ias");
        QTest::addColumn<QString>("note"); // empty: no IAS row
        QTest::newRow("departure: V2") << 0 << 150 << "(V2 140kts for Jet &lt;&amp;&gt; One)";
        QTest::newRow("arrival: VAT") << 2 << 140 << "(VAT 130kts for Jet &lt;&amp;&gt; One)";
        QTest::newRow("en route: TAS and GS") << 1 << 250 << "(TAS ";
        QTest::newRow("no IAS, no row") << 1 << 0 << "";
        // clang-format on
    }

    void speedNote()
    {
        QFETCH(int, row);
        QFETCH(int, ias);
        QFETCH(QString, note);
        fill(QStringLiteral("AAAA ABC BBBB"));
        at(1)->setAltitude(10000, false);
        at(row)->setIas(ias, false);
        m_plan->update(false, false);
        const QString html = at(row)->infoHtml();
        if (note.isEmpty()) {
            QVERIFY(!html.contains(QStringLiteral("<b>IAS</b>")));
            return;
        }
        QVERIFY2(html.contains(QStringLiteral("<b>IAS</b>: ") + glyph(0xF625) + QLatin1Char(' ') + at(row)->iasString()
                               + QLatin1Char(' ') + note),
                 qPrintable(html));
        if (row == 1)
            QVERIFY(html.contains(QStringLiteral(", GS %1)<br/>").arg(Unit::iasToString(at(row)->gs(), false))));
    }

    void temperatureRow_data()
    {
        // clang-format off
        QTest::addColumn<int>("altitude");
        QTest::addColumn<bool>("shown");
        QTest::newRow("warm, 3000 ft") << 3000 << false;
        QTest::newRow("below freezing, 20000 ft") << 20000 << true;
        QTest::newRow("not set") << -1 << false;
        // clang-format on
    }

    void temperatureRow()
    {
        QFETCH(int, altitude);
        QFETCH(bool, shown);
        fill(QStringLiteral("AAAA ABC BBBB"));
        at(1)->setAltitude(altitude, false);
        m_plan->update(false, false);
        const QString html = at(1)->infoHtml();
        QCOMPARE(html.contains(QStringLiteral("<b>Air temp.</b>: ") + glyph(0xF2CA) + QLatin1Char(' ')), shown);
    }

    void endsOfThePlan()
    {
        fill(QStringLiteral("AAAA ABC BBBB"));
        for (int row = 0; row < 3; ++row)
            at(row)->setIas(200, false);
        m_plan->update(false, false);
        QVERIFY(!at(0)->infoHtml().contains(QStringLiteral("<b>Total time</b>")));
        QVERIFY(at(0)->infoHtml().contains(QStringLiteral("<b>Destination</b>: ") + glyph(0xF050)));
        QVERIFY(at(1)->infoHtml().contains(QStringLiteral("<b>Total time</b>: ") + glyph(0xF017)));
        QVERIFY(!at(2)->infoHtml().contains(QStringLiteral("<b>Destination</b>")));
        QCOMPARE(at(2)->nextLegHtml(), QStringLiteral("<body></body>"));
        // The links of the panel: the point's page and its place on the map.
        QVERIFY(at(1)->infoHtml().contains(QStringLiteral("<b>More info</b>: for FIX <a href=\"POINT>K1/ENRT/ABC\"")));
        QVERIFY(at(1)->infoHtml().contains(QStringLiteral("<a href=\"SELECT>K1/ENRT/ABC>\"")));
    }

    void nextLeg_data()
    {
        // clang-format off
        QTest::addColumn<int>("altitude");
        QTest::addColumn<int>("nextAltitude");
        QTest::addColumn<int>("ias");
        QTest::addColumn<bool>("difference");
        QTest::addColumn<QString>("vertical"); // the row shown: "Slope", "Vertical speed" or none
        QTest::newRow("level") << 5000 << 5000 << 250 << false << "Vertical speed";
        QTest::newRow("climb") << 5000 << 9000 << 250 << true << "Vertical speed";
        QTest::newRow("climb without IAS") << 5000 << 9000 << 0 << true << "Slope";
        QTest::newRow("no altitude here") << -1 << 9000 << 250 << false << "";
        // clang-format on
    }

    void nextLeg()
    {
        QFETCH(int, altitude);
        QFETCH(int, nextAltitude);
        QFETCH(int, ias);
        QFETCH(bool, difference);
        QFETCH(QString, vertical);
        fill(QStringLiteral("ABC DEF A<B"));
        at(1)->setAltitude(altitude, false);
        at(1)->setIas(ias, false);
        at(2)->setAltitude(nextAltitude, false);
        m_plan->update(false, false);
        const Waypoint *w = at(1);
        const QString html = w->nextLegHtml();
        QVERIFY(html.startsWith(QStringLiteral("<body><h2>Next waypoint</h2>")));
        QVERIFY(html.contains(QStringLiteral("<b>Code</b>: <img width=\"10\" ")));
        QVERIFY(html.contains(QStringLiteral("POINT>K1/ENRT/A&lt;B\"")));
        QVERIFY(html.contains(QStringLiteral("<a href=\"SEGMENT>K1/ENRT/DEF:U&lt;2&gt;:K1/ENRT/A&lt;B\"")));
        QVERIFY(html.contains(QStringLiteral("\">U&lt;2&gt;</a>")));
        QVERIFY(
            html.contains(row(QStringLiteral("Heading"), glyph(0xF14E) + QLatin1Char(' ') + w->headingToNextString())));
        const QString next = Unit::altitudeToString(nextAltitude, false);
        const QString flyAt = difference ? QStringLiteral("%1 (%2)").arg(next, w->altDiffString()) : next;
        QVERIFY2(html.contains(row(QStringLiteral("Fly at"), flyAt)), qPrintable(html));
        QCOMPARE(html.contains(QStringLiteral("<b>Slope</b>")), vertical == QLatin1String("Slope"));
        QCOMPARE(html.contains(QStringLiteral("<b>Vertical speed</b>")), vertical == QLatin1String("Vertical speed"));
        if (vertical == QLatin1String("Vertical speed"))
            QVERIFY(html.contains(
                row(vertical, QStringLiteral("%1 (%2)").arg(w->verticalSpeedString(), w->slopeString()))));
        QCOMPARE(html.contains(QStringLiteral("<b>Next in</b>")), ias != 0);
    }

    // Texts from the data never reach the panel as markup.
    void markupIsEscaped()
    {
        fill(QStringLiteral("AAAA A<B BBBB"));
        Waypoint *w = at(1);
        w->setComment(QStringLiteral("<b>mind</b> & go"));
        const QString html = w->infoHtml();
        QVERIFY(html.contains(row(QStringLiteral("Comment"), QStringLiteral("&lt;b&gt;mind&lt;/b&gt; &amp; go"))));
        QVERIFY(!html.contains(QStringLiteral("<b>mind</b>")));
        QVERIFY(!html.contains(QStringLiteral("<i>co</i>")));
        QVERIFY(html.contains(QStringLiteral("&lt;i&gt;co&lt;/i&gt;")));
        QVERIFY(html.contains(QStringLiteral("<a href=\"POINT>K1/ENRT/A&lt;B\"")));
        QVERIFY(html.contains(QStringLiteral("<a href=\"SELECT>K1/ENRT/A&lt;B>\"")));
        QVERIFY(!html.contains(QStringLiteral("A<B")));
        QVERIFY(!at(0)->nextLegHtml().contains(QStringLiteral("A<B")));

        Procedure named(QStringLiteral("X<&>"), QStringLiteral("AAAA"), Procedure::SID);
        at(0)->setProcedure(&named);
        const QString departure = at(0)->infoHtml();
        at(0)->setProcedure(nullptr);
        QVERIFY(departure.contains(QStringLiteral("<b>SID</b>: <a href=\"PROCEDURE>AAAA/X&lt;&amp;&gt;\"")));
        QVERIFY(departure.contains(QStringLiteral(">X&lt;&amp;&gt;</a><br/>")));
    }

    void frequencyRow()
    {
        fill(QStringLiteral("AAAA VVV BBBB"));
        QCOMPARE(at(1)->frequency(), 116.8f);
        QCOMPARE(at(1)->frequencyText(), QStringLiteral("116.8MHz"));
        QVERIFY(
            at(1)->infoHtml().contains(row(QStringLiteral("Frequency"), glyph(0xE585) + QStringLiteral(" 116.8MHz"))));
        QVERIFY(!at(0)->infoHtml().contains(QStringLiteral("<b>Frequency</b>")));
        QCOMPARE(at(0)->frequency(), 0.0f);
    }

    void tooltipAndText()
    {
        fill(QStringLiteral("AAAA A<B BBBB"));
        at(1)->setIas(250, false);
        at(1)->setAltitude(20000, false);
        m_plan->update(false, false);
        const QString tooltip = m_plan->data(m_plan->index(1), Waypoint::ToolTip).toString();
        QVERIFY(!tooltip.isEmpty());
        QVERIFY(!tooltip.contains(QStringLiteral("Font Awesome")));
        QVERIFY(!tooltip.contains(QStringLiteral("<img")));
        QVERIFY(tooltip.contains(QStringLiteral("<h2>Next waypoint</h2>")));

        const QString text = at(1)->descriptionTxt();
        QVERIFY2(text.contains(QStringLiteral("Waypoint A<B")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Comment")) == false);
        QVERIFY(text.contains(QStringLiteral("More info: for FIX A<B")));
        QVERIFY(text.contains(QStringLiteral("Next waypoint")));
        QVERIFY(!text.contains(QStringLiteral("<b>")));
        QVERIFY(!text.contains(QChar(0xF625)));
        QCOMPARE(at(1)->property("descriptionTxt").toString(), text);
    }

    void descriptionKml()
    {
        fill(QStringLiteral("AAAA ABC DEF BBBB"));
        at(1)->setProcedure(m_sid.get());
        m_plan->update(false, false);
        QCOMPARE(at(1)->airwayName(), QStringLiteral("U1"));
        const QString kml = at(1)->descriptionKml();
        QVERIFY2(kml.contains(QStringLiteral("<a href=\"#ABC;balloonFlyto\"")), qPrintable(kml));
        QVERIFY(!kml.contains(QStringLiteral("balloonFlyto>")));
        QCOMPARE(kml.count(QStringLiteral("<a href=")), 2);
        QVERIFY(kml.contains(QStringLiteral("<a href=\"#DEF;balloonFlyto\"")));
        QVERIFY2(kml.contains(row(QStringLiteral("Airway"), QStringLiteral("U1"))), qPrintable(kml));
        QVERIFY(kml.contains(row(QStringLiteral("SID"), QStringLiteral("DEP1A"))));
        QVERIFY(!kml.contains(QStringLiteral("SEGMENT>")));
        QVERIFY(!kml.contains(QStringLiteral("PROCEDURE>")));
        QVERIFY(!kml.contains(QStringLiteral("POINT>")));
        QVERIFY(!kml.contains(QStringLiteral("Font Awesome")));
        QVERIFY(!kml.contains(QStringLiteral("<img")));

        // A segment of several airways: the balloon names the leg by one of them, as the route.
        at(1)->setAirway(m_fixture.segment(Segment::FORWARD, Segment::HIGH, m_points.value(QStringLiteral("ABC")),
                                           m_points.value(QStringLiteral("DEF")), QStringLiteral("UL9-U1")));
        const QString joined = at(1)->descriptionKml();
        QVERIFY2(joined.contains(row(QStringLiteral("Airway"), QStringLiteral("UL9"))), qPrintable(joined));
        QVERIFY(!joined.contains(QStringLiteral("SEGMENT>")));
    }
};

QTEST_MAIN(TstWaypointInfo)
#include "tst_waypointinfo.moc"
