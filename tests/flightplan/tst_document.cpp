#include "document.h"
#include "filesizelimit.h"
#include "flightplan.h"
#include "flightplanxml.h"
#include "fuel.h"
#include "general.h"
#include "planfixture.h"
#include "procedure.h"
#include "runway.h"
#include "terminal.h"
#include "waypoint.h"
#include "weight.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TstDocument : public QObject
{
    Q_OBJECT

private:
    PlanFixture m_fixture;
    std::unique_ptr<Flightplan> m_plan;
    std::unique_ptr<Document> m_document;
    QTemporaryDir m_dir;
    Procedure *m_sid = nullptr;
    Procedure *m_star = nullptr;
    Procedure *m_appch = nullptr;
    QString m_coordUid;

    static QString shortest(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    // Departure, a fix, a coordinate point and the arrival, every field set to something that
    // tells a lost or shifted value apart.
    void fillPlan(Flightplan *plan)
    {
        QVERIFY(plan->append(QStringLiteral("AAAA"), false));
        QVERIFY(plan->append(QStringLiteral("K1/ENRT/PRECI"), false));
        QVERIFY(plan->append(m_coordUid, false));
        QVERIFY(plan->append(QStringLiteral("BBBB"), false));
        // First: a cruise written flies the plan anew.
        plan->general()->setCruiselvl(330);
        plan->general()->setCruisetas(440);
        const QList<Waypoint *> w = plan->waypoints();
        w[0]->setRunwayEnd(QStringLiteral("25C"));
        w[0]->setAltitude(364, false);
        w[0]->setIas(180, false);
        w[1]->setMinAltitude(5000);
        w[1]->setMaxAltitude(24000);
        w[1]->setMaxIas(250);
        w[1]->setAltitude(23000, false);
        w[1]->setIas(247, false);
        w[1]->setComment(QStringLiteral("Expect <direct> & \"climb\" \u00e9t\u00e9\nsecond line"));
        w[2]->setComment(QStringLiteral("  leading and trailing blanks  "));
        w[3]->setRunwayEnd(QString());
        w[3]->setAltitude(1487, false);

        General *general = plan->general();
        general->setDeparturetime(QDateTime(QDate(2026, 7, 14), QTime(14, 37, 59)));
        general->setCompany(QStringLiteral("Corvel & Sons"));
        general->setNumber(QStringLiteral("WYLR042"));
        general->setPic(QStringLiteral("J. Doe"));
        general->setSequence(3);
        general->setTransition(6000);
        general->setAlternate(QStringLiteral("CCCC"));
        plan->terminal()->setSid(m_sid);
        plan->terminal()->setStar(m_star);
        plan->terminal()->setAppch(m_appch);
        plan->weight()->setLoadfactor(73);
        plan->update(false, false);
    }

    static QString snapshot(Flightplan *plan)
    {
        QStringList lines;
        const General *g = plan->general();
        lines << g->modificationtime().toString(Qt::TextDate) << g->departuretime().toString(Qt::TextDate)
              << g->company() << g->number() << g->pic() << QString::number(g->sequence())
              << QString::number(g->cruiselvl()) << QString::number(g->cruisetas()) << QString::number(g->transition())
              << g->alternate();
        const Terminal *t = plan->terminal();
        for (const Procedure *p : {t->sid(), t->star(), t->appch()})
            lines << (p ? p->uid() : QStringLiteral("-"));
        lines << QString::number(plan->weight()->loadfactor());
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
                  << w->comment() << w->runwayEnd() << (w->procedure() ? w->procedure()->uid() : QStringLiteral("-"));
        }
        return lines.join(QLatin1Char('\n'));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_fixture.setUp();
        m_fixture.airport(QStringLiteral("AAAA"), 50.03333333333333, 8.570555555555556, 364);
        m_fixture.airport(QStringLiteral("BBBB"), -33.94611111111111, 151.1772222222222, 21);
        // An airport fit to be an alternate near the arrival: opening a plan must not swap
        // the alternate the user chose for it.
        Point *alternate = m_fixture.airport(QStringLiteral("DDDD"), -34.5, 150.5, 50);
        m_fixture.db()->addRunway(new Runway(QStringLiteral("DDDD"), alternate->position(), QStringLiteral("09"), 0.0f,
                                             alternate->position().atDistanceAndAzimuth(3000.0, 90.0),
                                             QStringLiteral("27"), 0.0f, 45.0f, 1, 0, 0));
        // Coordinates that six significant digits would move by tens of metres.
        m_fixture.fix(QStringLiteral("PRECI"), 49.123456789012345, -179.98765432109876);
        m_coordUid
            = Database::getOrAddCoordPoint(QGeoCoordinate(-12.345678901234567, 45.678901234567891), false)->uid();
        m_sid = new Procedure(QStringLiteral("SID1"), QStringLiteral("AAAA"), Procedure::SID);
        m_star = new Procedure(QStringLiteral("STAR1"), QStringLiteral("BBBB"), Procedure::STAR);
        m_appch = new Procedure(QStringLiteral("I07"), QStringLiteral("BBBB"), Procedure::APPCH);
        m_fixture.db()->addProcedure(m_sid);
        m_fixture.db()->addProcedure(m_star);
        m_fixture.db()->addProcedure(m_appch);
        m_plan = std::make_unique<Flightplan>();
        m_document = std::make_unique<Document>(m_plan.get());
    }

    void init() { m_document->niew(); }

    void cleanupTestCase()
    {
        m_document.reset();
        m_plan.reset();
        m_fixture.tearDown();
    }

    void newDocumentIsCleanAndUnnamed()
    {
        fillPlan(m_plan.get());
        QSignalSpy state(m_document.get(), &Document::stateChanged);
        m_document->niew(true);
        QVERIFY(m_plan->empty());
        QCOMPARE(m_document->name(), QStringLiteral("untitled.fpxml"));
        QVERIFY(!m_document->named());
        QVERIFY(m_document->saved());
        QVERIFY(m_document->path().isEmpty());
        QVERIFY(state.count() > 0);
    }

    void planEditsMarkTheDocumentModified()
    {
        QSignalSpy state(m_document.get(), &Document::stateChanged);
        QVERIFY(m_plan->append(QStringLiteral("AAAA"), false));
        QVERIFY(!m_document->saved());
        QVERIFY(state.count() > 0);
    }

    void roundTripKeepsEveryField()
    {
        fillPlan(m_plan.get());
        const QString expected = snapshot(m_plan.get());
        const QString file = path(QStringLiteral("roundtrip.fpxml"));
        QVERIFY2(m_document->saveAs(file), qPrintable(m_document->msgtext()));
        QCOMPARE(m_document->name(), QStringLiteral("roundtrip.fpxml"));
        QVERIFY(m_document->named());
        QVERIFY(m_document->saved());

        // A second plan, as a later session would open the file.
        Flightplan other;
        Document otherDocument(&other);
        {
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
            // With a real world loaded this is about the room left; a small file still opens.
            const AddressSpaceLimit limit(TestSupport::mappedBytes() + 60 * 1024 * 1024);
#endif
            QVERIFY2(otherDocument.open(file), qPrintable(otherDocument.msgtext()));
        }
        QCOMPARE(snapshot(&other), expected);
        QCOMPARE(otherDocument.name(), QStringLiteral("roundtrip.fpxml"));
        QVERIFY(otherDocument.named());
        QVERIFY(otherDocument.saved());

        // Saved again, it is the very same file.
        const QString again = path(QStringLiteral("again.fpxml"));
        QVERIFY(otherDocument.saveAs(again));
        QCOMPARE(readFile(again), readFile(file));

        // A document of an older version, without the waypoints' procedure and leg elements,
        // reads into the same plan here, where neither was a choice.
        QString older = QString::fromUtf8(readFile(file));
        const int elements = older.count(QStringLiteral("<procedure>")) + older.count(QStringLiteral("<airway>"));
        older.remove(QRegularExpression(QStringLiteral("\\s*<(procedure|airway|airwaytype)>[^<]*</\\1>")));
        QCOMPARE(elements, 4 + 3);
        QVERIFY(!older.contains(QStringLiteral("<procedure>")) && !older.contains(QStringLiteral("<airway")));
        Flightplan old;
        QString error;
        QVERIFY2(FlightplanXml::fromXml(&old, older, &error), qPrintable(error));
        QCOMPARE(snapshot(&old), expected);
    }

    void coordinatesAreWrittenExactly()
    {
        fillPlan(m_plan.get());
        const QString text = FlightplanXml::toXml(m_plan.get());
        // The shortest text that reads back as the same double, not six digits.
        QVERIFY(text.contains(QStringLiteral("<latitude>%1</latitude>").arg(shortest(49.123456789012345))));
        QVERIFY(text.contains(QStringLiteral("<longitude>%1</longitude>").arg(shortest(-179.98765432109876))));
        QCOMPARE(shortest(49.123456789012345).toDouble(), 49.123456789012345);
        QVERIFY(text.contains(QStringLiteral("appname=\"Waylore\"")));
        QCOMPARE(text.count(QStringLiteral("<runwayend")), 2);
    }

    void unknownPointsBecomeCoordinates_data()
    {
        // clang-format off
        QTest::addColumn<QString>("uid");
        QTest::addColumn<int>("type");
        QTest::newRow("coordinate of an earlier session") << "1.5;2.5" << 28;
        QTest::newRow("fix missing from the data") << "ZZ/ENRT/NOFIX" << 11;
        // clang-format on
    }

    void unknownPointsBecomeCoordinates()
    {
        QFETCH(QString, uid);
        QFETCH(int, type);
        fillPlan(m_plan.get());
        QString text = FlightplanXml::toXml(m_plan.get());
        text.replace(QStringLiteral("<uid>K1/ENRT/PRECI</uid>\n                <type>11</type>"),
                     QStringLiteral("<uid>%1</uid>\n                <type>%2</type>").arg(uid).arg(type));
        QVERIFY(text.contains(uid));
        m_document->niew();
        QString error;
        QVERIFY2(FlightplanXml::fromXml(m_plan.get(), text, &error), qPrintable(error));
        const Waypoint *w = m_plan->waypoints().at(1);
        QCOMPARE(w->type(), int(Point::COORD));
        // At the stored position to the last bit, keeping the pilot's values.
        QVERIFY(w->latitude() == 49.123456789012345);
        QVERIFY(w->longitude() == -179.98765432109876);
        QVERIFY(w->comment().startsWith(QStringLiteral("Expect <direct>")));
        QCOMPARE(w->maxAltitude(), 24000);
    }

    void emptyAlternateTakesTheNearest()
    {
        fillPlan(m_plan.get());
        QString text = FlightplanXml::toXml(m_plan.get());
        QVERIFY(text.contains(QStringLiteral("<alternate>CCCC</alternate>")));
        text.replace(QStringLiteral("<alternate>CCCC</alternate>"), QStringLiteral("<alternate></alternate>"));
        m_document->niew();
        QString error;
        QVERIFY2(FlightplanXml::fromXml(m_plan.get(), text, &error), qPrintable(error));
        QCOMPARE(m_plan->general()->alternate(), QStringLiteral("DDDD"));
    }

    void emptyValuesKeepThePlanValues()
    {
        fillPlan(m_plan.get());
        QString text = FlightplanXml::toXml(m_plan.get());
        text.replace(QStringLiteral("<cruiselvl>330</cruiselvl>"), QStringLiteral("<cruiselvl></cruiselvl>"));
        text.replace(QStringLiteral("<minalt>5000</minalt>"), QStringLiteral("<minalt>0</minalt>"));
        m_document->niew();
        const int resetLevel = m_plan->general()->cruiselvl();
        QString error;
        QVERIFY2(FlightplanXml::fromXml(m_plan.get(), text, &error), qPrintable(error));
        QCOMPARE(m_plan->general()->cruiselvl(), resetLevel);
        // A zero constraint is no constraint.
        QCOMPARE(m_plan->waypoints().at(1)->minAltitude(), -1);
    }

    // Numbers no edit field would accept are held within the field's range, with a warning
    // naming the field, so that no leg, fuel or weight computation sees them.
    void extremeValuesAreHeldWithinLimits_data()
    {
        // clang-format off
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("warning");
        QTest::newRow("altitude") << "<altitude>23000</altitude>" << "<altitude>-2147483648</altitude>"
                                  << "altitude" << -1500
                                  << "^Waypoint 2 K1/ENRT/PRECI altitude -2147483648 outside -1500 to 100000, read as -1500$";
        // An airfield below sea level keeps its elevation: nothing to warn about.
        QTest::newRow("below sea level") << "<altitude>23000</altitude>" << "<altitude>-11</altitude>"
                                         << "altitude" << -11 << QString();
        QTest::newRow("constraint") << "<maxalt>24000</maxalt>" << "<maxalt>2147483647</maxalt>"
                                    << "maxalt" << 100000
                                    << "^Waypoint 2 K1/ENRT/PRECI maxalt 2147483647 outside -1500 to 100000, read as 100000$";
        QTest::newRow("speed") << "<ias>247</ias>" << "<ias>2147483647</ias>" << "ias" << 8000
                               << "^Waypoint 2 K1/ENRT/PRECI ias 2147483647 outside 0 to 8000, read as 8000$";
        QTest::newRow("load factor") << "<loadfactor>73</loadfactor>" << "<loadfactor>2147483647</loadfactor>"
                                     << "loadfactor" << 100
                                     << "^Plan loadfactor 2147483647 outside 0 to 100, read as 100$";
        QTest::newRow("cruise level") << "<cruiselvl>330</cruiselvl>" << "<cruiselvl>-2147483648</cruiselvl>"
                                      << "cruiselvl" << 0
                                      << "^Plan cruiselvl -2147483648 outside 0 to 1000, read as 0$";
        // clang-format on
    }

    void extremeValuesAreHeldWithinLimits()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, warning);
        fillPlan(m_plan.get());
        QString text = FlightplanXml::toXml(m_plan.get());
        QVERIFY2(text.contains(from), qPrintable(from));
        text.replace(from, to);
        m_document->niew();
        if (warning.isEmpty())
            QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        else
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QString error;
        QVERIFY2(FlightplanXml::fromXml(m_plan.get(), text, &error), qPrintable(error));
        const Waypoint *w = m_plan->waypoints().at(1);
        const QHash<QString, int> read{{"altitude", w->storedAltitude()},
                                       {"maxalt", w->maxAltitude()},
                                       {"ias", w->ias()},
                                       {"loadfactor", m_plan->weight()->loadfactor()},
                                       {"cruiselvl", m_plan->general()->cruiselvl()}};
        QCOMPARE(read.value(field, -99), value);
        // The weights stay those of a real airplane: at least the empty one, never negative.
        QVERIFY(m_plan->weight()->zfw() >= PlanFixture::airplane().eow);
        QVERIFY(m_plan->fuel()->totalreserve() >= 0);
    }

    void malformedDocumentsAreRefused_data()
    {
        // clang-format off
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("error");

        QTest::newRow("truncated") << "TRUNCATE" << ""
                                   << "^Error expecting <\\w+> start element at line \\d+!$";
        QTest::newRow("empty file") << "EMPTY" << "" << "^Error expecting XML document at line \\d+!$";
        QTest::newRow("not XML") << "NOTXML" << "" << "at line \\d+!$";
        QTest::newRow("wrong root") << "<content " << "<contents "
                                    << "^Error expecting <content> start element at line 2!$";
        QTest::newRow("other program") << "appname=\"Waylore\"" << "appname=\"waylore\""
                                       << "^This file has been generated with waylore, it can not be opened!$";
        QTest::newRow("XML version") << "version=\"1.0\"" << "version=\"2.0\"" << "at line 1!$";
        QTest::newRow("coordinate no number")
            << QStringLiteral("<latitude>%1</latitude>").arg(shortest(49.123456789012345)) << "<latitude>49.12.3</latitude>"
            << "^Error at line LINE expecting number got 49.12.3!$";
        QTest::newRow("integer too large") << "<altitude>23000</altitude>" << "<altitude>99999999999</altitude>"
                                           << "^Error at line LINE expecting integer got 99999999999!$";
        QTest::newRow("bad date") << "<departuretime>" << "<departuretime>Someday "
                                  << "^Error at line LINE expecting date and time got Someday";
        QTest::newRow("count below elements") << "count=\"4\"" << "count=\"3\""
                                              << "^Error expecting </waypoints> end element at line \\d+!$";
        QTest::newRow("count above elements") << "count=\"4\"" << "count=\"5\""
                                              << "^Error expecting <waypoint> start element at line \\d+!$";
        QTest::newRow("count no number") << "count=\"4\"" << "count=\"four\""
                                         << "^Invalid list count four for element <waypoints> at line \\d+!$";
        QTest::newRow("airport without runway end") << "<runwayend>25C</runwayend>" << ""
                                                    << "^Error expecting <runwayend> start element at line \\d+!$";
        QTest::newRow("fix with runway end")
            << "<comment>  leading and trailing blanks  </comment>"
            << "<comment>  leading and trailing blanks  </comment><runwayend>07</runwayend>"
            << "^Error expecting </waypoint> end element at line \\d+!$";
        QTest::newRow("unknown point off the earth")
            << QStringLiteral("<uid>K1/ENRT/PRECI</uid>\n                <type>11</type>\n                <latitude>%1").arg(shortest(49.123456789012345))
            << "<uid>K1/ENRT/NOWHERE</uid>\n                <type>11</type>\n                <latitude>91.5"
            << "^Waypoint K1/ENRT/NOWHERE has no position on earth \\(91.5, -179.98\\d+\\), it can not be opened!$";
        QTest::newRow("3 GiB") << "HUGE" << "" << "^The file .*/bad.fpxml is too large to be a flight plan.$";
        QTest::newRow("named pipe") << "PIPE" << "" << "^.*/bad.fpxml is a folder, a device or a pipe, not a file.$";
        QTest::newRow("text after the root") << "</content>" << "</content>\n<content/>"
                                             << "^End of document was expected at line \\d+$";
        // clang-format on
    }

    void malformedDocumentsAreRefused()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, error);

        fillPlan(m_plan.get());
        const QString good = path(QStringLiteral("good.fpxml"));
        QVERIFY(m_document->saveAs(good));
        const QByteArray goodBytes = readFile(good);
        QString text = QString::fromUtf8(goodBytes);
        if (from == QLatin1String("TRUNCATE"))
            text.truncate(text.indexOf(QStringLiteral("<waypoint>")) + 300);
        else if (from == QLatin1String("EMPTY"))
            text.clear();
        else if (from == QLatin1String("NOTXML"))
            text = QStringLiteral("I\n1100 Version\n");
        else if (from != QLatin1String("HUGE") && from != QLatin1String("PIPE")) {
            QVERIFY2(text.contains(from), qPrintable(from));
            text.replace(from, to);
        }
        const int at = to.isEmpty() ? -1 : text.indexOf(to);
        if (at >= 0)
            error.replace(QStringLiteral("LINE"), QString::number(text.left(at).count(QLatin1Char('\n')) + 1));
        const QString bad = path(QStringLiteral("bad.fpxml"));
        QFile::remove(bad);
        if (from == QLatin1String("PIPE"))
            QCOMPARE(mkfifo(QFile::encodeName(bad).constData(), 0600), 0);
        else
            QVERIFY(writeFile(bad, text.toUtf8()));
        if (from == QLatin1String("HUGE"))
            QVERIFY(QFile::resize(bad, 3LL << 30));

        // A changed plan in a named document, as the user has it before opening.
        QVERIFY(m_plan->append(QStringLiteral("DDDD"), false));
        m_plan->waypoints().at(0)->setComment(QStringLiteral("unsaved change"));
        m_document->setAsModified();
        const QString before = snapshot(m_plan.get());

        QVERIFY(!m_document->open(bad));
        QVERIFY2(QRegularExpression(error).match(m_document->msgtext()).hasMatch(), qPrintable(m_document->msgtext()));
        QCOMPARE(m_document->msgtitle(), QStringLiteral("Cannot open file"));
        // Nothing changed: plan, name, path, saved state.
        QCOMPARE(snapshot(m_plan.get()), before);
        QCOMPARE(m_document->name(), QStringLiteral("good.fpxml"));
        QCOMPARE(m_document->path(), good);
        QVERIFY(m_document->named());
        QVERIFY(!m_document->saved());
        // So the next save goes to the document's own file, never over the unreadable one.
        QVERIFY(m_document->save());
        if (from != QLatin1String("HUGE") && from != QLatin1String("PIPE"))
            QCOMPARE(readFile(bad), text.toUtf8());
        QVERIFY(readFile(good).contains("unsaved change"));
    }

    void failedSavesAreReported_data()
    {
        // clang-format off
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "missing/folder/plan.fpxml";
        QTest::newRow("folder is a file") << "afile.txt/plan.fpxml";
        QTest::newRow("folder not writable") << "/proc/waylore-plan.fpxml";
        QTest::newRow("disk full") << "kept.fpxml";
        // clang-format on
    }

    void failedSavesAreReported()
    {
        QFETCH(QString, target);
        QVERIFY(writeFile(path(QStringLiteral("afile.txt")), "text"));
        const QString file = QDir::isAbsolutePath(target) ? target : path(target);

        fillPlan(m_plan.get());
        QVERIFY(m_document->saveAs(path(QStringLiteral("kept.fpxml"))));
        QVERIFY(m_plan->append(QStringLiteral("DDDD"), false));
        m_document->setAsModified();

        const bool diskFull = target == QLatin1String("kept.fpxml");
        const QByteArray before = readFile(file);
        const FileSizeLimit limit(diskFull ? 100 : -1);
        QVERIFY(!(diskFull ? m_document->save() : m_document->saveAs(file)));
        QCOMPARE(m_document->msgtitle(), QStringLiteral("Cannot save file"));
        QVERIFY(!m_document->msgtext().isEmpty());
        QCOMPARE(QFile::exists(file), diskFull);
        QCOMPARE(readFile(file), before);
        // The document is still the file it was.
        QCOMPARE(m_document->name(), QStringLiteral("kept.fpxml"));
        QCOMPARE(m_document->path(), path(QStringLiteral("kept.fpxml")));
        QVERIFY(!m_document->saved());
    }

    void saveOfANewDocumentFails()
    {
        QVERIFY(!m_document->save());
        QCOMPARE(m_document->msgtitle(), QStringLiteral("Cannot save file"));
        QVERIFY(m_document->saved());
        QVERIFY(!m_document->named());
    }

    void saveReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("plan.fpxml"));
        QVERIFY(m_plan->append(QStringLiteral("AAAA"), false));
        QVERIFY(m_document->saveAs(file));
        const QByteArray first = readFile(file);
        QVERIFY(m_plan->append(QStringLiteral("BBBB"), false));
        QVERIFY(!m_document->saved());
        QSignalSpy state(m_document.get(), &Document::stateChanged);
        QVERIFY(m_document->save());
        QVERIFY(m_document->saved());
        QCOMPARE(state.count(), 1);
        const QByteArray second = readFile(file);
        QVERIFY(second != first);
        QVERIFY(second.contains("<uid>BBBB</uid>"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.fpxml")});
    }

    void openOfAMissingFileFails()
    {
        QVERIFY(!m_document->open(path(QStringLiteral("nothing-here.fpxml"))));
        QCOMPARE(m_document->msgtitle(), QStringLiteral("Cannot open file"));
        QVERIFY(!m_document->msgtext().isEmpty());
        QCOMPARE(m_document->name(), QStringLiteral("untitled.fpxml"));
        QVERIFY(!m_document->named());
    }

    void openedDocumentTurnsUnsavedOnEdit()
    {
        fillPlan(m_plan.get());
        const QString file = path(QStringLiteral("edit.fpxml"));
        QVERIFY(m_document->saveAs(file));
        const QString saved = snapshot(m_plan.get());
        QVERIFY(m_plan->append(QStringLiteral("DDDD"), false));
        QSignalSpy modified(m_plan.get(), &Flightplan::modified);
        QVERIFY(m_document->open(file));
        QCOMPARE(snapshot(m_plan.get()), saved);
        QVERIFY(modified.count() > 0);
        QVERIFY(m_document->saved());
        QSignalSpy state(m_document.get(), &Document::stateChanged);
        QVERIFY(m_plan->remove(1));
        QVERIFY(!m_document->saved());
        QVERIFY(state.count() > 0);
    }

    void stateProperties()
    {
        QSignalSpy state(m_document.get(), &Document::stateChanged);
        m_document->setName(QStringLiteral("untitled.fpxml"));
        m_document->setNamed(false);
        m_document->setSaved(true);
        QCOMPARE(state.count(), 0);
        m_document->setSaved(false);
        m_document->setAsModified();
        QCOMPARE(state.count(), 2);
    }
};

QTEST_MAIN(TstDocument)
#include "tst_document.moc"
