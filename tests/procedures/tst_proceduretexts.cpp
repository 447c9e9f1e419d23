#include "airport.h"
#include "basemodel.h"
#include "cifploader.h"
#include "database.h"
#include "infotext.h"
#include "point.h"
#include "procedure.h"
#include "procedurefixes.h"
#include "record.h"
#include "richtext.h"
#include "settings.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QTest>

#include <memory>

// The HTML of procedures read as text: link keys, sections and their order, the missed
// approach marker, and escaping of everything that comes from the procedure files.

namespace {

const QString kGlyphOpen = QStringLiteral("<font face=\"Font Awesome 6 Free\">");

Record leg(const QString &transition, int sequence, int routeType, const QString &fix, const QString &description,
           int pathTerminator = Record::TF)
{
    return Record(sequence, routeType, transition, fix, QString(), QStringLiteral("ENRT"), QStringLiteral("ED"),
                  Record::descriptionFromString(description), -1, pathTerminator, -1, 0.0, 0, -1, -1, -1, -1, 0, 0.0,
                  -1);
}

// Sequence numbers of the instruction rows, "M" for the missed-approach row.
QStringList rowHeads(const QString &html)
{
    static const QRegularExpression row(QStringLiteral("<tr><td><b>([^<]*)</b></td>"));
    QStringList result;
    auto matches = row.globalMatch(html);
    while (matches.hasNext())
        result.append(matches.next().captured(1));
    return result;
}

QtMessageHandler s_previousHandler = nullptr;
int s_debugMessages = 0;

void countDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg)
        ++s_debugMessages;
    else
        s_previousHandler(type, context, message);
}

} // namespace

class TestProcedureTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void link();
    void airportLink();
    void details_data();
    void details();
    void typeZeroHeading();
    void instructionsOfAnApproach();
    void instructionsWithoutLegs();
    void transitionTooltip();
    void markupInIdentifiers();
    void dumpRecords();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestProcedureTexts::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
    addProcedureFix(*m_database, QStringLiteral("ANEKI"), QGeoCoordinate(50.0, 8.0));
    addProcedureFix(*m_database, QStringLiteral("KERAX"), QGeoCoordinate(50.5, 8.5));
    addProcedureFix(*m_database, QStringLiteral("TOBAK"), QGeoCoordinate(51.0, 9.0));
}

void TestProcedureTexts::link()
{
    const Procedure procedure(QStringLiteral("ANEK1A"), QStringLiteral("EDDF"), Procedure::SID);
    QCOMPARE(procedure.link(), RichText::link(QStringLiteral("ANEK1A"), QStringLiteral("PROCEDURE>EDDF/ANEK1A")));
    QVERIFY(procedure.link().startsWith(QStringLiteral("<a href=\"PROCEDURE>EDDF/ANEK1A\"")));
    QVERIFY(procedure.link().endsWith(QStringLiteral(">ANEK1A</a>")));
    QCOMPARE(InfoText::procedureLink(&procedure), procedure.link());
}

void TestProcedureTexts::airportLink()
{
    const Procedure procedure(QStringLiteral("ANEK1A"), QStringLiteral("EDDF"), Procedure::SID);
    const QString html = procedure.airportLink();
    const qsizetype point = html.indexOf(QStringLiteral("href=\"POINT>EDDF\""));
    const qsizetype select = html.indexOf(QStringLiteral("href=\"SELECT>EDDF>\""));
    QVERIFY(point >= 0);
    QVERIFY(select > point);
    QVERIFY(html.contains(QStringLiteral(">EDDF</a>")));
    QVERIFY(html.contains(kGlyphOpen + QChar(0xF276) + QStringLiteral("</font></a>")));
    QVERIFY(html.endsWith(QLatin1Char(' ')));
}

void TestProcedureTexts::details_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("legs");
    QTest::addColumn<bool>("outputs");
    QTest::addColumn<bool>("inputs");

    QTest::newRow("SID") << int(Procedure::SID) << 4 << true << false;
    QTest::newRow("STAR") << int(Procedure::STAR) << 4 << false << true;
    QTest::newRow("no legs") << int(Procedure::SID) << 0 << false << false;
    // clang-format on
}

void TestProcedureTexts::details()
{
    QFETCH(int, type);
    QFETCH(int, legs);
    QFETCH(bool, outputs);
    QFETCH(bool, inputs);

    // IF ANEKI, TF KERAX ending a route, TF TOBAK ending one too, TF KERAX ending again.
    Procedure procedure(QStringLiteral("KERA1A"), QStringLiteral("EDDF"), type);
    const QStringList fixes{QStringLiteral("ANEKI"), QStringLiteral("KERAX"), QStringLiteral("TOBAK"),
                            QStringLiteral("KERAX")};
    for (int i = 0; i < legs; ++i)
        procedure.addRecord(leg(QStringLiteral("ALL"), 10 * (i + 1), 2, fixes.at(i),
                                i == 0 ? QStringLiteral("E   ") : QStringLiteral("EE  "),
                                i == 0 ? Record::IF : Record::TF));

    const QString html = procedure.detailHtml();
    const QString typeText = Procedure::typeToString(procedure.type());
    QVERIFY2(html.startsWith(QStringLiteral("<body><h1>") + typeText + QLatin1Char(' ') + procedure.icon()
                             + QStringLiteral(" KERA1A</h1><p>")),
             qPrintable(html));
    QVERIFY(html.contains(QStringLiteral("<b>UID</b>: EDDF/KERA1A<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>Terminal</b>: ") + procedure.airportLink() + QStringLiteral("<br/>")));
    QVERIFY(html.contains(QStringLiteral("<b>Type</b>: ") + procedure.icon() + QLatin1Char(' ') + typeText));
    QVERIFY(html.contains(QStringLiteral("<b>Records</b>: %1<br/>").arg(legs)));
    QVERIFY(html.endsWith(QStringLiteral("</p></body>")));

    const Point *kerax = Database::findPoint(QStringLiteral("ED/ENRT/KERAX"), false);
    const Point *tobak = Database::findPoint(QStringLiteral("ED/ENRT/TOBAK"), false);
    const Point *aneki = Database::findPoint(QStringLiteral("ED/ENRT/ANEKI"), false);
    QCOMPARE(html.contains(QStringLiteral("<b>Outputs</b>: ") + kerax->link() + QLatin1Char(',') + tobak->link()
                           + QStringLiteral("<br/>")),
             outputs);
    QCOMPARE(html.contains(QStringLiteral("<b>Outputs</b>")), outputs);
    QCOMPARE(html.contains(QStringLiteral("<b>Inputs</b>: ") + aneki->link() + QStringLiteral("<br/>")), inputs);
    QCOMPARE(html.contains(QStringLiteral("<b>Inputs</b>")), inputs);
}

void TestProcedureTexts::typeZeroHeading()
{
    QTest::ignoreMessage(QtWarningMsg, "Unknown procedure type \"RNAV\"");
    const Procedure procedure(QStringLiteral("X1"), QStringLiteral("EDDF"),
                              Procedure::typeFromString(QStringLiteral("RNAV")));
    QVERIFY(procedure.detailHtml().startsWith(QStringLiteral("<body><h1>Unknown procedure type  X1</h1>")));
}

void TestProcedureTexts::instructionsOfAnApproach()
{
    QVERIFY(m_database->procedureModel());
    CifpLoader loader(m_database.get());
    loader.setPath(TestSupport::dataPath(QStringLiteral("cifp")));
    Airport airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    QVERIFY(loader.load(&airport));
    const Procedure *approach = Database::findProcedure(QStringLiteral("EDDF/I25L"), false);
    QVERIFY(approach);

    const QString html = approach->instructionsHtml();
    QVERIFY(html.startsWith(QStringLiteral("<body><h2>Instructions</h2><h3>") + kGlyphOpen + QChar(0xF30B)
                            + QStringLiteral("</font> Transition ANEKI</h3>")));
    // Transitions in leg order, each with its route type and a full-width table.
    const qsizetype aneki = html.indexOf(QStringLiteral("Transition ANEKI</h3>"));
    const qsizetype kerax = html.indexOf(QStringLiteral("Transition KERAX</h3>"));
    const qsizetype all = html.indexOf(QStringLiteral("Transition ALL</h3>"));
    QVERIFY(aneki < kerax && kerax < all);
    QVERIFY(html.contains(
        QStringLiteral("Transition KERAX</h3><b>Type</b>: Approach Transition<br/><table width=\"100%\">")));
    QVERIFY(
        html.contains(QStringLiteral("Transition ALL</h3><b>Type</b>: Instrument Landing System (ILS) Approach<br/>")));

    // The missed approach row stands once, right before its first leg, and the rest follow.
    const QString allPart = html.mid(all);
    QCOMPARE(rowHeads(allPart), (QStringList{"50", "60", "70", "M", "80", "90", "100"}));
    QVERIFY(allPart.contains(QStringLiteral("<td><b>M</b></td><td>Missed approach ") + kGlyphOpen + QChar(0xF5B0)
                             + QStringLiteral("</font></td>")));
    QCOMPARE(rowHeads(html.mid(aneki, kerax - aneki)), (QStringList{"10", "20"}));
    QVERIFY(html.endsWith(QStringLiteral("</table></body>")));
}

void TestProcedureTexts::instructionsWithoutLegs()
{
    const Procedure procedure(QStringLiteral("EMPTY"), QStringLiteral("EDDF"), Procedure::STAR);
    QCOMPARE(procedure.instructionsHtml(), QStringLiteral("<body><h2>Instructions</h2></body>"));
}

void TestProcedureTexts::transitionTooltip()
{
    Procedure procedure(QStringLiteral("I25L"), QStringLiteral("EDDF"), Procedure::APPCH);
    procedure.addRecord(
        leg(QStringLiteral("ALL"), 10, 12, QStringLiteral("ANEKI"), QStringLiteral("E  F"), Record::IF));
    procedure.addRecord(leg(QStringLiteral("ALL"), 20, 12, QStringLiteral("KERAX"), QStringLiteral("E   ")));
    procedure.addRecord(leg(QStringLiteral("ALL"), 30, 12, QStringLiteral("TOBAK"), QStringLiteral("  M ")));
    procedure.addRecord(leg(QStringLiteral("ALL"), 40, 12, QStringLiteral("ANEKI"), QStringLiteral("E   ")));
    procedure.addRecord(leg(QStringLiteral("OTHER"), 50, 7, QStringLiteral("TOBAK"), QStringLiteral("E   ")));

    const QString tooltip = procedure.transitionTooltip(QStringLiteral("ALL"));
    QVERIFY2(tooltip.startsWith(QStringLiteral("<body><h1>Transition ALL</h1><h2>APPCH I25L</h2><b>Type</b>: "
                                               "Instrument Landing System (ILS) Approach<br/><p>")),
             qPrintable(tooltip));
    // The point links stay; their icons, and every other icon, go.
    QVERIFY(tooltip.contains(QStringLiteral("href=\"POINT>ED/ENRT/KERAX\"")));
    QVERIFY(tooltip.contains(QStringLiteral("href=\"SELECT>ED/ENRT/KERAX>\"")));
    QVERIFY(!tooltip.contains(QStringLiteral("Font Awesome")));
    QVERIFY(!tooltip.contains(QStringLiteral("<img")));
    QCOMPARE(tooltip.count(QStringLiteral("<b><b>M</b></b>: Missed approach:<br/>")), 1);
    const qsizetype missed = tooltip.indexOf(QStringLiteral("<b>M</b>"));
    QVERIFY(tooltip.indexOf(QStringLiteral("<b>20</b>")) < missed);
    QVERIFY(tooltip.indexOf(QStringLiteral("<b>30</b>")) > missed);
    QVERIFY(tooltip.contains(QStringLiteral("<b><b>10</b></b>: [FAF] Initial fix")));
    QVERIFY(!tooltip.contains(QStringLiteral("<b>50</b>")));
    QVERIFY(tooltip.endsWith(QStringLiteral("</p></body>")));
}

void TestProcedureTexts::markupInIdentifiers()
{
    Procedure procedure(QStringLiteral("A<1&B"), QStringLiteral("Q&<"), Procedure::SID);
    procedure.addRecord(leg(QStringLiteral("T<1&"), 10, 1, QStringLiteral("<X&>"), QStringLiteral("E   "), Record::IF));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot find FIX point")));

    QCOMPARE(procedure.link(),
             RichText::link(QStringLiteral("A&lt;1&amp;B"), QStringLiteral("PROCEDURE>Q&amp;&lt;/A&lt;1&amp;B")));
    QCOMPARE(InfoText::procedureLink(&procedure), procedure.link());
    QVERIFY(procedure.airportLink().contains(QStringLiteral("href=\"POINT>Q&amp;&lt;\"")));
    QVERIFY(procedure.airportLink().contains(QStringLiteral("href=\"SELECT>Q&amp;&lt;>\"")));

    const QString details = procedure.detailHtml();
    QVERIFY(details.contains(QStringLiteral(" A&lt;1&amp;B</h1>")));
    QVERIFY(details.contains(QStringLiteral("<b>UID</b>: Q&amp;&lt;/A&lt;1&amp;B<br/>")));

    const QString instructions = procedure.instructionsHtml();
    QVERIFY(instructions.contains(QStringLiteral("Transition T&lt;1&amp;</h3>")));
    QVERIFY(instructions.contains(QStringLiteral("Initial fix &lt;X&amp;&gt;")));
    const QString tooltip = procedure.transitionTooltip(QStringLiteral("T<1&"));
    QVERIFY(tooltip.contains(QStringLiteral("<h1>Transition T&lt;1&amp;</h1><h2>SID A&lt;1&amp;B</h2>")));

    // Nothing of the identifiers reaches the markup raw.
    for (const QString &html : {details, instructions, tooltip}) {
        QVERIFY2(!html.contains(QStringLiteral("<1")) && !html.contains(QStringLiteral("<X"))
                     && !html.contains(QStringLiteral("&<")) && !html.contains(QStringLiteral("1&B")),
                 qPrintable(html));
    }
}

void TestProcedureTexts::dumpRecords()
{
    Procedure procedure(QStringLiteral("I25L"), QStringLiteral("EDDF"), Procedure::APPCH);
    for (int i = 0; i < 12; ++i)
        procedure.addRecord(leg(i < 6 ? QStringLiteral("ALL") : QStringLiteral("KERAX"), 10 * (i + 1), 12, QString(),
                                i == 3 ? QStringLiteral("  M ") : QStringLiteral("    "), Record::CA));
    s_debugMessages = 0;
    s_previousHandler = qInstallMessageHandler(countDebug);
    procedure.dumpRecords();
    qInstallMessageHandler(s_previousHandler);
    QCOMPARE(s_debugMessages, 12);

    QTest::ignoreMessage(
        QtDebugMsg,
        qPrintable(QLatin1Char('"') + procedure.transitionRecords(true).first().toDebugString() + QLatin1Char('"')));
    Procedure one(QStringLiteral("X"), QStringLiteral("EDDF"), Procedure::APPCH);
    one.addRecord(procedure.transitionRecords(true).first());
    one.dumpRecords();
}

QTEST_GUILESS_MAIN(TestProcedureTexts)
#include "tst_proceduretexts.moc"
