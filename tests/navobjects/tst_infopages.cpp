#include "airport.h"
#include "cifploader.h"
#include "database.h"
#include "point.h"
#include "procedure.h"
#include "richtext.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QGeoRectangle>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <algorithm>

#include <memory>

// The information pages of points, airports and runways, read as HTML text against a small
// live database: link keys, sections and their order, empty data, and escaping of everything
// that comes from files and servers.
class TestInfoPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pointWithoutAnything();
    void pointSegments();
    void pointProcedures();

    void airportTooltip();
    void airportTooltipRoles();
    void airportSections_data();
    void airportSections();
    void airportSectionOrder();
    void airportMetar_data();
    void airportMetar();
    void airportMetarRowsEscaped();
    void airportRunways();
    void airportAtcs();
    void airportWithoutData();
    void airportProcedures();
    void hostileAirportEscaped();

    void runwayPage();
    void runwayDetails_data();
    void runwayDetails();
    void runwayProceduresWithoutProcedures();
    void runwayProceduresIls();
    void runwayProcedures();
    void runwayTooltipRole();
    void hostileRunwayEscaped();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
    Airport *m_eddf = nullptr;
    Airport *m_eddx = nullptr;
    Airport *m_hostile = nullptr;
    Runway *m_runway07 = nullptr;
    Runway *m_runway18 = nullptr;
    Runway *m_hostileRunway = nullptr;
    Point *m_alpha = nullptr;
    Point *m_kerax = nullptr;
    Point *m_lonely = nullptr;
};

namespace {

const QGeoCoordinate frankfurt(50.03, 8.53);

// The targets of every link, unescaped as the panel receives them on a click.
QStringList linkTargets(const QString &html)
{
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList targets;
    auto it = href.globalMatch(html);
    while (it.hasNext()) {
        QString target = it.next().captured(1);
        target.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        targets.append(target);
    }
    return targets;
}

int count(const QString &html, const QString &what)
{
    return int(html.count(what));
}

QString glyph(char16_t code)
{
    return QStringLiteral("<font face=\"Font Awesome 6 Free\">") + QChar(code) + QStringLiteral("</font>");
}

// Gives the decoder's row labels markup, as a careless translation could.
class MarkupTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "Metar") == 0 && qstrcmp(sourceText, "Observed") == 0)
            return QStringLiteral("Observed <i>&");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

void TestInfoPages::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();

    m_eddf = new Airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt <Main> & Co"), 364);
    m_eddf->setPosition(frankfurt, QGeoRectangle(frankfurt, 0.1, 0.1));
    m_eddf->setRegion(QStringLiteral("ED"));
    m_eddf->addAtc(4, 119.9f, QStringLiteral("Langen <Tower>"));
    m_eddf->addAtc(1, 122.8f, QStringLiteral("Unicom & Radio"));
    m_eddf->addAtc(9, 130.0f, QStringLiteral("Not listed"));
    m_eddf->addAtc(4, 118.1f, QStringLiteral("Second tower"));
    m_database->addPoint(m_eddf);

    m_eddx = new Airport(QStringLiteral("EDDX"), QStringLiteral("Empty"), 100);
    m_eddx->setPosition(frankfurt.atDistanceAndAzimuth(50000, 0), QGeoRectangle(frankfurt, 0.1, 0.1));
    m_database->addPoint(m_eddx);

    m_hostile = new Airport(QStringLiteral("Q<&>"), QStringLiteral("<b>bold</b>"), 0);
    m_hostile->setPosition(frankfurt.atDistanceAndAzimuth(90000, 0), QGeoRectangle(frankfurt, 0.1, 0.1));
    m_hostile->addAtc(0, 127.0f, QStringLiteral("<script>x</script>"));
    m_database->addPoint(m_hostile);

    m_runway07 = new Runway(QStringLiteral("EDDF"), frankfurt, QStringLiteral("07C"), 0.0f,
                            frankfurt.atDistanceAndAzimuth(4000.0, 70.0), QStringLiteral("25C"), 0.0f, 60.0f, 2, 1, 1);
    m_runway18
        = new Runway(QStringLiteral("EDDF"), frankfurt.atDistanceAndAzimuth(2000.0, 90.0), QStringLiteral("18"), 0.0f,
                     frankfurt.atDistanceAndAzimuth(2000.0, 160.0), QStringLiteral("36"), 0.0f, 45.0f, 1, 1, 1);
    m_runway18->setIlsAt(1, 110.3f, QStringLiteral("IFNW"));
    m_hostileRunway
        = new Runway(QStringLiteral("Q<&>"), frankfurt, QStringLiteral("0<7"), 0.0f,
                     frankfurt.atDistanceAndAzimuth(1000.0, 70.0), QStringLiteral("2&5"), 0.0f, 30.0f, 3, 0, 0);
    m_hostileRunway->setIlsAt(0, 109.5f, QStringLiteral("<I>"));
    m_database->addRunway(m_runway07);
    m_database->addRunway(m_runway18);
    m_database->addRunway(m_hostileRunway);

    // Enroute fixes of the test CIFP file, so that its procedures resolve their exits and entries.
    const auto fix = [this](const QString &code, double distance, double azimuth) {
        auto *point
            = new Point(Point::FIX, frankfurt.atDistanceAndAzimuth(distance, azimuth), code, QStringLiteral("ENRT"),
                        QStringLiteral("ED"), QString(), 0, 0.0f, QStringLiteral("W  E"));
        m_database->addPoint(point);
        return point;
    };
    fix(QStringLiteral("ANEKI"), 30000, 250);
    fix(QStringLiteral("TOBAK"), 60000, 250);
    m_kerax = fix(QStringLiteral("KERAX"), 90000, 250);
    m_alpha = fix(QStringLiteral("ALPHA"), 200000, 10);
    Point *bravo = fix(QStringLiteral("BRAVO"), 250000, 10);
    Point *charlie = fix(QStringLiteral("CHARLIE"), 250000, 30);
    Point *delta = fix(QStringLiteral("DELTA"), 250000, 50);
    m_lonely = fix(QStringLiteral("LONELY"), 300000, 90);

    m_database->addSegment(
        new Segment(Segment::FORWARD, Segment::HIGH, m_alpha, bravo, QStringLiteral("U<1>"), 245, 660));
    m_database->addSegment(new Segment(Segment::NONE, Segment::LOW, m_alpha, charlie, QStringLiteral("L2"), 0, 245));
    m_database->addSegment(new Segment(Segment::FORWARD, Segment::DRCT, m_alpha, delta, QStringLiteral("DCT"), 0, 0));
    m_database->addSegment(
        new Segment(Segment::BACKWARD, Segment::HIGH, m_alpha, delta, QStringLiteral("U3"), 100, 200));

    CifpLoader loader(m_database.get());
    loader.setPath(TestSupport::dataPath(QStringLiteral("cifp")));
    QVERIFY(loader.load(m_eddf));
    // After the file's ANEK1A, but first in the text order of the links.
    m_database->addProcedure(new Procedure(QStringLiteral("A<&>"), QStringLiteral("EDDF"), Procedure::SID));
}

void TestInfoPages::cleanupTestCase()
{
    m_database.reset();
    m_settings.reset();
}

// ---- points

void TestInfoPages::pointWithoutAnything()
{
    QCOMPARE(m_lonely->infoHtml(), QStringLiteral("<body></body>"));
}

void TestInfoPages::pointSegments()
{
    const QString html = m_alpha->infoHtml();
    const int outgoing = html.indexOf(QStringLiteral("Outgoing segments"));
    const int incoming = html.indexOf(QStringLiteral("Incoming segments"));
    QVERIFY(outgoing >= 0);
    QVERIFY(incoming > outgoing);
    QVERIFY(html.contains(glyph(0xF2F5) + QStringLiteral(" Outgoing segments")));
    QVERIFY(html.contains(glyph(0xF2F6) + QStringLiteral(" Incoming segments")));

    const QString outPart = html.mid(outgoing, incoming - outgoing);
    const QString inPart = html.mid(incoming);
    const QStringList outTargets = linkTargets(outPart);
    const QStringList inTargets = linkTargets(inPart);

    // Forward U<1> and two-way L2 leave ALPHA; the direct leg never shows.
    QCOMPARE(count(outPart, QStringLiteral("<li>")), 2);
    QVERIFY(outTargets.contains(QStringLiteral("POINT>ED/ENRT/BRAVO")));
    QVERIFY(outTargets.contains(QStringLiteral("SELECT>ED/ENRT/CHARLIE>")));
    QVERIFY(!outTargets.contains(QStringLiteral("POINT>ED/ENRT/DELTA")));
    QVERIFY(outPart.contains(QStringLiteral("to ")));
    QVERIFY(outPart.contains(QStringLiteral("FL245-FL660 (H ")));
    QVERIFY(outPart.contains(QStringLiteral("U&lt;1&gt;")));
    QVERIFY(!html.contains(QStringLiteral("U<1>")));
    QVERIFY(std::any_of(outTargets.cbegin(), outTargets.cend(),
                        [](const QString &t) { return t.startsWith(QStringLiteral("SEGMENT>")); }));

    // Two-way L2 and the backward U3 (flown DELTA to ALPHA) arrive.
    QCOMPARE(count(inPart, QStringLiteral("<li>")), 2);
    QVERIFY(inTargets.contains(QStringLiteral("POINT>ED/ENRT/CHARLIE")));
    QVERIFY(inTargets.contains(QStringLiteral("POINT>ED/ENRT/DELTA")));
    QVERIFY(inPart.contains(QStringLiteral("from ")));
    QVERIFY(inPart.contains(QStringLiteral("FL0-FL245 (L ")));
    QVERIFY(!html.contains(QStringLiteral("DCT")));
}

void TestInfoPages::pointProcedures()
{
    const QList<Procedure *> procedures = Database::proceduresThrough(m_kerax, nullptr, 0);
    // The fixture's procedures pass through KERAX: an empty answer is a fault, not a skip.
    QVERIFY(!procedures.isEmpty());
    const QString html = m_kerax->infoHtml();
    int previous = -1;
    for (int type : {Procedure::SID, Procedure::STAR, Procedure::APPCH}) {
        QStringList links;
        for (const Procedure *procedure : procedures) {
            if (procedure->type() == type)
                links.append(RichText::link(RichText::escape(procedure->name()),
                                            QStringLiteral("PROCEDURE>") + RichText::escape(procedure->uid())));
        }
        const QString heading = QStringLiteral("<h3>") + Procedure::icon(type) + QLatin1Char(' ')
                                + QStringLiteral("Attached %1 procedure").arg(Procedure::typeToString(type));
        QCOMPARE(html.contains(heading), !links.isEmpty());
        if (links.isEmpty())
            continue;
        // Every procedure here is EDDF's, so one line holds them all, in text order.
        links.sort(Qt::CaseSensitive);
        const int at = html.indexOf(heading + QStringLiteral("</h3><ul><li><b>EDDF</b>: ")
                                    + links.join(QStringLiteral(", ")) + QStringLiteral("</li></ul>"));
        QVERIFY2(at > previous, qPrintable(Procedure::typeToString(type)));
        previous = at;
    }
}

// ---- airports

void TestInfoPages::airportTooltip()
{
    const QString html = m_eddf->tooltip();
    QVERIFY(html.startsWith(QStringLiteral("<body><h1>Airport EDDF <img width=\"20\" height=\"20\" "
                                           "src=\"qrc:/icon/airp.svg\"")));
    QVERIFY(html.contains(QStringLiteral("<h2>Frankfurt &lt;Main&gt; &amp; Co</h2>")));
    QVERIFY(html.contains(QStringLiteral("<b>Region</b>: ") + glyph(0xF0AC) + QStringLiteral(" ")));
    QVERIFY(html.contains(QStringLiteral(" (ED)<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>UID</b>: EDDF<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>Elevation</b>: ") + glyph(0xE52F) + QStringLiteral(" 364ft<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>Position</b>: <a href=\"SELECT>EDDF>\"")));
    QVERIFY(html.endsWith(QStringLiteral("</p></body>")));
    QCOMPARE(linkTargets(html), QStringList{QStringLiteral("SELECT>EDDF>")});
}

void TestInfoPages::airportTooltipRoles()
{
    const QString stripped = RichText::stripImages(m_eddf->tooltip());
    QVERIFY(!stripped.contains(QStringLiteral("<img")));
    QVERIFY(!stripped.contains(QStringLiteral("Font Awesome")));
    QVERIFY(stripped.contains(QStringLiteral("Airport EDDF")));

    // The point model reaches an airport as a Point.
    const Point *asPoint = m_eddf;
    QCOMPARE(asPoint->data(Point::RoleTooltip).toString(), stripped);
    QCOMPARE(m_eddf->data(BaseItem::BaseRoleAirport).toString(), stripped);
    QCOMPARE(m_eddf->data(Point::RoleCode).toString(), QStringLiteral("EDDF"));
    QCOMPARE(Airport::roleNames(), Point::roleNames());

    // A navaid keeps its own tooltip.
    QCOMPARE(m_kerax->data(Point::RoleTooltip).toString(), RichText::stripImages(m_kerax->tooltip()));
}

void TestInfoPages::airportSections_data()
{
    // clang-format off
    QTest::addColumn<QString>("section");
    QTest::addColumn<bool>("showAll");
    QTest::addColumn<bool>("metar");
    QTest::addColumn<bool>("runways");
    QTest::addColumn<bool>("atcs");
    QTest::addColumn<bool>("procedures");

    QTest::newRow("all") << QString() << false << true << true << true << true;
    QTest::newRow("metar") << "metar" << true << true << false << false << false;
    QTest::newRow("runways") << "runways" << true << false << true << false << false;
    QTest::newRow("atcs") << "atcs" << true << false << false << true << false;
    QTest::newRow("sidstars") << "sidstars" << true << false << false << false << true;
    QTest::newRow("capital M") << "Metar" << true << false << false << false << false;
    QTest::newRow("unknown") << "weather" << true << false << false << false << false;
    // clang-format on
}

void TestInfoPages::airportSections()
{
    QFETCH(QString, section);
    QFETCH(bool, showAll);
    QFETCH(bool, metar);
    QFETCH(bool, runways);
    QFETCH(bool, atcs);
    QFETCH(bool, procedures);

    const QString html = m_eddf->infoHtml(section, QString());
    const QString showAllLink = QStringLiteral("<p><a href=\"POINT>EDDF\" style=\"color: #5E9CAE;\">") + glyph(0xF0FE)
                                + QStringLiteral(" Show all sections for EDDF</a></p>");
    QCOMPARE(html.contains(showAllLink), showAll);
    if (showAll)
        QVERIFY(html.startsWith(QStringLiteral("<body>") + showAllLink));
    QCOMPARE(html.contains(glyph(0xF0C2) + QStringLiteral(" METAR</h3>")), metar);
    QCOMPARE(count(html, glyph(0xF018) + QStringLiteral(" Runway ")), runways ? 2 : 0);
    QCOMPARE(html.contains(glyph(0xE585) + QStringLiteral(" Air Traffic Control (ATC)</h3>")), atcs);
    QCOMPARE(html.contains(glyph(0xE4C1) + QStringLiteral(" SID/STAR procedures</h3>")), procedures);
    QVERIFY(html.endsWith(QStringLiteral("</body>")));
}

void TestInfoPages::airportSectionOrder()
{
    const QString html = m_eddf->infoHtml(QString(), QString());
    const int metar = html.indexOf(QStringLiteral(" METAR</h3>"));
    const int loading = html.indexOf(QStringLiteral("<p><i>Loading METAR...</i></p>"));
    const int runway07 = html.indexOf(QStringLiteral("RUNWAY>EDDF/07C-25C"));
    const int runway18 = html.indexOf(QStringLiteral("RUNWAY>EDDF/18-36"));
    const int atc = html.indexOf(QStringLiteral("Air Traffic Control (ATC)"));
    const int procedures = html.indexOf(QStringLiteral("SID/STAR procedures"));
    QVERIFY(metar >= 0);
    QVERIFY(metar < loading);
    QVERIFY(loading < runway07);
    QVERIFY(runway07 < runway18);
    QVERIFY(runway18 < atc);
    QVERIFY(atc < procedures);
}

void TestInfoPages::airportMetar_data()
{
    // clang-format off
    QTest::addColumn<QString>("metar");
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<bool>("rows");

    QTest::newRow("still loading") << QString() << QStringLiteral("<p><i>Loading METAR...</i></p>") << false;
    QTest::newRow("report with markup in remarks")
        << QStringLiteral("EDDF 121250Z 25010KT 9999 FEW030 18/09 Q1015 RMK <b>A&amp;B</b>")
        << QStringLiteral("<p>EDDF 121250Z 25010KT 9999 FEW030 18/09 Q1015 RMK &lt;b&gt;A&amp;amp;B&lt;/b&gt;</p>")
        << true;
    QTest::newRow("server error page")
        << QStringLiteral("<html><script>alert('x')</script> & more")
        << QStringLiteral("<p>&lt;html&gt;&lt;script&gt;alert('x')&lt;/script&gt; &amp; more</p>") << false;
    // clang-format on
}

void TestInfoPages::airportMetar()
{
    QFETCH(QString, metar);
    QFETCH(QString, paragraph);
    QFETCH(bool, rows);

    const QString html = m_eddf->infoHtml(QStringLiteral("metar"), metar);
    const QString heading = glyph(0xF0C2) + QStringLiteral(" METAR</h3>");
    QVERIFY(html.contains(heading + paragraph));
    QVERIFY(!html.contains(QStringLiteral("<script")));
    QVERIFY(!html.contains(QStringLiteral("RMK <b>")));
    QCOMPARE(html.contains(QStringLiteral("<ul>")), rows);
    if (rows) {
        QVERIFY(html.contains(paragraph + QStringLiteral("<ul><li><b>")));
        QVERIFY(html.endsWith(QStringLiteral("</li></ul></body>")));
        QVERIFY(html.contains(QStringLiteral("1015 hPa")));
    }
}

void TestInfoPages::airportMetarRowsEscaped()
{
    MarkupTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString html = m_eddf->infoHtml(QStringLiteral("metar"), QStringLiteral("EDDF 121250Z 25010KT 9999 Q1015"));
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(html.contains(QStringLiteral("<li><b>Observed &lt;i&gt;&amp;</b>: ")));
    QVERIFY(!html.contains(QStringLiteral("<i>&")));
}

void TestInfoPages::airportRunways()
{
    const QString html = m_eddf->infoHtml(QStringLiteral("runways"), QString());
    const int first = html.indexOf(QStringLiteral("<h3>") + glyph(0xF018)
                                   + QStringLiteral(" Runway <a href=\"RUNWAY>EDDF/07C-25C\""));
    const int second = html.indexOf(QStringLiteral("<h3>") + glyph(0xF018)
                                    + QStringLiteral(" Runway <a href=\"RUNWAY>EDDF/18-36\""));
    QVERIFY(first > 0);
    QVERIFY(second > first);
    const QString part07 = html.mid(first, second - first);
    const QString part18 = html.mid(second);

    // Inside the airport's page every line is a list item and there is no UID line.
    QVERIFY(part07.contains(QStringLiteral("07C-25C</a></h3><ul><body><li><b>Surface</b>: concrete</li>")));
    QVERIFY(!part07.contains(QStringLiteral("<b>UID</b>")));
    QVERIFY(!part07.contains(QStringLiteral("<br/>")));
    QVERIFY(part07.contains(QStringLiteral("<li><b>RW07C</b>: heading 70°</li>")));
    QVERIFY(part07.contains(QStringLiteral("<li><b>RW25C</b>: heading ")));
    QVERIFY(!part07.contains(QStringLiteral("Instrument Landing System")));

    QVERIFY(part18.contains(
        QStringLiteral("<li><b>Instrument Landing System</b>: </li><ul><li><b>RW36</b>: 110.3MHz IFNW</li></ul>")));
    QVERIFY(!part18.contains(QStringLiteral("<b>RW18</b>: 1")));
}

void TestInfoPages::airportAtcs()
{
    const QString html = m_eddf->infoHtml(QStringLiteral("atcs"), QString());
    const int unicom
        = html.indexOf(QStringLiteral("<li><b>ATC</b>: ") + Atc::typeToString(1) + QStringLiteral("</li>"));
    const int tower = html.indexOf(QStringLiteral("<li><b>ATC</b>: ") + Atc::typeToString(4) + QStringLiteral("</li>"));
    QVERIFY(unicom > 0);
    QVERIFY(tower > unicom);
    QCOMPARE(count(html, QStringLiteral("<b>ATC</b>")), 2);
    QVERIFY(html.contains(QStringLiteral("<ul><li><b>122.8MHz</b>: Unicom &amp; Radio</li></ul>")));
    QVERIFY(html.contains(QStringLiteral("<ul><li><b>119.9MHz</b>: Langen &lt;Tower&gt;</li>"
                                         "<li><b>118.1MHz</b>: Second tower</li></ul>")));
    QVERIFY(!html.contains(QStringLiteral("Not listed")));
    QVERIFY(!html.contains(QStringLiteral("<Tower>")));
}

void TestInfoPages::airportWithoutData()
{
    const QString html = m_eddx->infoHtml(QString(), QString());
    QVERIFY(!html.contains(QStringLiteral(" Runway ")));
    QVERIFY(!html.contains(QStringLiteral("RUNWAY>")));
    QVERIFY(html.contains(QStringLiteral("Air Traffic Control (ATC)</h3><p><i>No ATCs for EDDX</i></p>")));
    QVERIFY(html.endsWith(QStringLiteral("SID/STAR procedures</h3><p><i>No procedures for EDDX</i></p></body>")));
}

void TestInfoPages::airportProcedures()
{
    QVERIFY(Database::hasProcedures(m_eddf));
    const QString html = m_eddf->infoHtml(QStringLiteral("sidstars"), QString());
    QVERIFY(!html.contains(QStringLiteral("No procedures")));
    int previous = -1;
    for (int type : {Procedure::SID, Procedure::STAR, Procedure::APPCH}) {
        QStringList links;
        for (const Procedure *procedure : Database::proceduresOf(m_eddf, type))
            links.append(RichText::link(RichText::escape(procedure->name()),
                                        QStringLiteral("PROCEDURE>") + RichText::escape(procedure->uid())));
        const QString line = QStringLiteral("<li><b>") + Procedure::icon(type) + QLatin1Char(' ')
                             + Procedure::typeToString(type) + QStringLiteral("</b>: ");
        QCOMPARE(html.contains(line), !links.isEmpty());
        if (links.isEmpty())
            continue;
        links.sort(Qt::CaseSensitive);
        const int at = html.indexOf(line + links.join(QStringLiteral(", ")) + QStringLiteral("</li>"));
        QVERIFY2(at > previous, qPrintable(Procedure::typeToString(type)));
        previous = at;
    }
    // The SID named with markup in initTestCase, added last and sorted first.
    QVERIFY(html.contains(QStringLiteral(">A&lt;&amp;&gt;</a>, <a href=\"PROCEDURE>EDDF/ANEK1A\"")));
    QVERIFY(!html.contains(QStringLiteral("A<&>")));
}

void TestInfoPages::hostileAirportEscaped()
{
    const QString tooltip = m_hostile->tooltip();
    QVERIFY(tooltip.contains(QStringLiteral("<h1>Airport Q&lt;&amp;&gt; ")));
    QVERIFY(tooltip.contains(QStringLiteral("<h2>&lt;b&gt;bold&lt;/b&gt;</h2>")));
    QVERIFY(tooltip.contains(QStringLiteral("<b>UID</b>: Q&lt;&amp;&gt;<br/>")));
    QVERIFY(linkTargets(tooltip).contains(QStringLiteral("SELECT>Q<&>>")));

    const QString page = m_hostile->infoHtml(QStringLiteral("atcs"), QString());
    QVERIFY(page.contains(QStringLiteral("Show all sections for Q&lt;&amp;&gt;</a>")));
    QCOMPARE(linkTargets(page).first(), QStringLiteral("POINT>Q<&>"));
    QVERIFY(page.contains(QStringLiteral("&lt;script&gt;x&lt;/script&gt;")));
    QVERIFY(!page.contains(QStringLiteral("<script>")));

    const QString all = m_hostile->infoHtml(QString(), QString());
    QVERIFY(all.contains(QStringLiteral("No procedures for Q&lt;&amp;&gt;")));
    QVERIFY(linkTargets(all).contains(QStringLiteral("RUNWAY>Q<&>/0<7-2&5")));
    QVERIFY(!all.contains(QStringLiteral("0<7")));
}

// ---- runways

void TestInfoPages::runwayPage()
{
    const QString html = m_runway07->infoHtml();
    QVERIFY(html.startsWith(QStringLiteral("<body><h1>Runway 07C-25C ") + glyph(0xF018) + QStringLiteral("</h1>")));
    QVERIFY(html.contains(QStringLiteral("<h2>Attached to <a href=\"POINT>EDDF\" style=\"color: #5E9CAE;\">EDDF</a> "
                                         "<a href=\"SELECT>EDDF>\" style=\"color: #5E9CAE;\">")
                          + glyph(0xF276) + QStringLiteral("</a> </h2>")));
    QCOMPARE(linkTargets(html), (QStringList{QStringLiteral("POINT>EDDF"), QStringLiteral("SELECT>EDDF>")}));
    QVERIFY(html.contains(QStringLiteral("<h3>Description</h3><p><body><b>UID</b>: EDDF/07C-25C<br/>")));
    QVERIFY(html.endsWith(QStringLiteral("</ul></body></p></body>")));
    // The ILS lines belong to the airport's page and the procedures text, not to this one.
    QVERIFY(!m_runway18->infoHtml().contains(QStringLiteral("Instrument Landing System")));
}

void TestInfoPages::runwayDetails_data()
{
    // clang-format off
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("withIls");
    QTest::addColumn<QString>("expected");

    const QString length = glyph(0xF547) + QLatin1Char(' ') + m_runway18->lengthText();
    const QString width = glyph(0xF07D) + QStringLiteral(" 45m");
    const QString heading18 = m_runway18->headingText(0);
    const QString heading36 = m_runway18->headingText(1);

    QTest::newRow("runway page") << 2 << false
                                 << QStringLiteral("<body><b>UID</b>: EDDF/18-36<br/><b>Surface</b>: asphalt<br/>"
                                                   "<b>Length</b>: %1<br/><b>Width</b>: %2<br/>"
                                                   "<b>Available thresholds</b>: <ul><li><b>RW18</b>: heading %3</li>"
                                                   "<li><b>RW36</b>: heading %4</li></ul></body>")
                                        .arg(length, width, heading18, heading36);
    QTest::newRow("runway page with ILS")
        << 2 << true
        << QStringLiteral("<body><b>UID</b>: EDDF/18-36<br/><b>Surface</b>: asphalt<br/>"
                          "<b>Length</b>: %1<br/><b>Width</b>: %2<br/>"
                          "<b>Available thresholds</b>: <ul><li><b>RW18</b>: heading %3</li>"
                          "<li><b>RW36</b>: heading %4</li></ul>"
                          "<b>Instrument Landing System</b>: <ul><li><b>RW36</b>: 110.3MHz IFNW</li></ul></body>")
               .arg(length, width, heading18, heading36);
    QTest::newRow("airport list")
        << 4 << true
        << QStringLiteral("<body><li><b>Surface</b>: asphalt</li><li><b>Length</b>: %1</li><li><b>Width</b>: %2</li>"
                          "<li><b>Available thresholds</b>: </li><ul><li><b>RW18</b>: heading %3</li>"
                          "<li><b>RW36</b>: heading %4</li></ul>"
                          "<li><b>Instrument Landing System</b>: </li><ul><li><b>RW36</b>: 110.3MHz IFNW</li></ul></body>")
               .arg(length, width, heading18, heading36);
    QTest::newRow("plain lines")
        << 0 << false
        << QStringLiteral("<body><b>Surface</b>: asphalt<b>Length</b>: %1<b>Width</b>: %2"
                          "<b>Available thresholds</b>: <ul><li><b>RW18</b>: heading %3</li>"
                          "<li><b>RW36</b>: heading %4</li></ul></body>")
               .arg(length, width, heading18, heading36);
    // clang-format on
}

void TestInfoPages::runwayDetails()
{
    QFETCH(int, flags);
    QFETCH(bool, withIls);
    QFETCH(QString, expected);
    QCOMPARE(m_runway18->detailsHtml(flags, withIls), expected);
}

void TestInfoPages::runwayProceduresWithoutProcedures()
{
    // No CIFP procedures for runway 18-36.
    const QString html = m_runway18->proceduresHtml();
    const QString section = QStringLiteral("<ul><li>No SID</li><li>No STAR</li><li>No APPCH</li></ul>");
    QVERIFY(
        html.contains(QStringLiteral("<h3>") + glyph(0xE4C1) + QStringLiteral(" Procedures for RW18</h3>") + section));
    QVERIFY(
        html.contains(QStringLiteral("<h3>") + glyph(0xE4C1) + QStringLiteral(" Procedures for RW36</h3>") + section));
    QVERIFY(html.indexOf(QStringLiteral("RW18</h3>")) < html.indexOf(QStringLiteral("RW36</h3>")));
}

void TestInfoPages::runwayProceduresIls()
{
    QVERIFY(!m_runway07->proceduresHtml().contains(QStringLiteral("Instrument Landing System")));
    QCOMPARE(count(m_runway07->proceduresHtml(), QStringLiteral("<h3>")), 2);

    const QString html = m_runway18->proceduresHtml();
    QVERIFY(html.startsWith(
        QStringLiteral("<body><h3>") + glyph(0xE585)
        + QStringLiteral(" Instrument Landing System</h3><ul><li><b>RW36</b>: 110.3MHz IFNW</li></ul><h3>")));
    QCOMPARE(count(html, QStringLiteral("MHz")), 1);
}

void TestInfoPages::runwayProcedures()
{
    bool any = false;
    for (const QString &end : {QStringLiteral("07C"), QStringLiteral("25C")}) {
        for (int type : {Procedure::SID, Procedure::STAR, Procedure::APPCH})
            any = any || !Database::proceduresOfRunway(QStringLiteral("EDDF"), type, end).isEmpty();
    }
    QVERIFY(any);

    const QString html = m_runway07->proceduresHtml();
    for (const QString &end : {QStringLiteral("07C"), QStringLiteral("25C")}) {
        QString expected = QStringLiteral("<h3>") + glyph(0xE4C1) + QStringLiteral(" Procedures for RW") + end
                           + QStringLiteral("</h3><ul>");
        for (int type : {Procedure::SID, Procedure::STAR, Procedure::APPCH}) {
            QStringList links;
            for (const Procedure *procedure : Database::proceduresOfRunway(QStringLiteral("EDDF"), type, end))
                links.append(RichText::link(RichText::escape(procedure->name()),
                                            QStringLiteral("PROCEDURE>") + RichText::escape(procedure->uid())));
            // Kept in the order the database gives them.
            expected += links.isEmpty() ? QStringLiteral("<li>No %1</li>").arg(Procedure::typeToString(type))
                                        : QStringLiteral("<li><b>") + Procedure::icon(type) + QLatin1Char(' ')
                                              + Procedure::typeToString(type) + QStringLiteral("</b>: ")
                                              + links.join(QStringLiteral(", ")) + QStringLiteral("</li>");
        }
        expected += QStringLiteral("</ul>");
        QVERIFY2(html.contains(expected), qPrintable(end));
    }
}

void TestInfoPages::runwayTooltipRole()
{
    QCOMPARE(int(Runway::RoleTooltip), 0x61000E);
    QCOMPARE(Runway::roleNames().value(Runway::RoleTooltip), QByteArray("role_tooltip"));
    const QString tooltip = m_runway07->data(Runway::RoleTooltip).toString();
    QCOMPARE(tooltip, RichText::stripImages(m_runway07->infoHtml()));
    QVERIFY(!tooltip.contains(QStringLiteral("Font Awesome")));
    QVERIFY(tooltip.contains(QStringLiteral("Runway 07C-25C")));
    QVERIFY(linkTargets(tooltip).contains(QStringLiteral("POINT>EDDF")));
}

void TestInfoPages::hostileRunwayEscaped()
{
    QCOMPARE(m_hostileRunway->link(),
             QStringLiteral(
                 "<a href=\"RUNWAY>Q&lt;&amp;&gt;/0&lt;7-2&amp;5\" style=\"color: #5E9CAE;\">0&lt;7-2&amp;5</a>"));
    const QString page = m_hostileRunway->infoHtml();
    QVERIFY(page.contains(QStringLiteral("<h1>Runway 0&lt;7-2&amp;5 ")));
    QCOMPARE(linkTargets(page), (QStringList{QStringLiteral("POINT>Q<&>"), QStringLiteral("SELECT>Q<&>>")}));
    QVERIFY(page.contains(QStringLiteral("<li><b>RW0&lt;7</b>: heading ")));
    const QString details = m_hostileRunway->detailsHtml(4, true);
    QVERIFY(details.contains(QStringLiteral("<li><b>RW0&lt;7</b>: 109.5MHz &lt;I&gt;</li>")));
    const QString procedures = m_hostileRunway->proceduresHtml();
    QVERIFY(procedures.contains(QStringLiteral("Procedures for RW2&amp;5</h3>")));
    for (const QString &html : {page, details, procedures}) {
        QVERIFY(!html.contains(QStringLiteral("0<7")));
        QVERIFY(!html.contains(QStringLiteral("<I>")));
    }
}

QTEST_GUILESS_MAIN(TestInfoPages)
#include "tst_infopages.moc"
