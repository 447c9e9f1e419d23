#include "airport.h"
#include "basemodel.h"
#include "database.h"
#include "runway.h"
#include "settings.h"
#include "testsupport.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QDataStream>
#include <QRegularExpression>
#include <QTest>

#include <memory>

// Runways: identity, geometry worked out at construction, texts, ILS data, role table, the
// database record and the opposite-end lookup through the database.
using TestSupport::recordOf;

class TestRunway : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void roleNames_data();
    void roleNames();

    void identity_data();
    void identity();
    void polygonsWithoutExtension();
    void outwardExtension();
    void surface_data();
    void surface();
    void isHardLong_data();
    void isHardLong();
    void verticalCode_data();
    void verticalCode();
    void toggleRwPrefix_data();
    void toggleRwPrefix();
    void endQueries();
    void ils();
    void roleValues();

    void roundTrip();
    void truncatedRecord();
    void findOppositeEndName_data();
    void findOppositeEndName();

    void model();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

namespace {

const QGeoCoordinate origin(50.03, 8.53);

Runway *makeRunway(const QString &name0, const QString &name1, double length = 3000.0, double heading = 70.0,
                   float ext0 = 0.0f, float ext1 = 0.0f, float width = 45.0f, int surface = 2)
{
    return new Runway(QStringLiteral("EDDF"), origin, name0, ext0, origin.atDistanceAndAzimuth(length, heading), name1,
                      ext1, width, surface, 1, 1);
}

QList<QGeoCoordinate> coordinates(const QVariant &value)
{
    QList<QGeoCoordinate> result;
    for (const QVariant &v : value.toList())
        result.append(v.value<QGeoCoordinate>());
    return result;
}

bool near(const QGeoCoordinate &a, const QGeoCoordinate &b, double metres = 0.01)
{
    return a.distanceTo(b) <= metres;
}

} // namespace

void TestRunway::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();

    auto *eddf = new Airport(QStringLiteral("EDDF"), QStringLiteral("Frankfurt"), 364);
    eddf->setPosition(origin, QGeoRectangle(origin, 0.1, 0.1));
    m_database->addPoint(eddf);
    m_database->addRunway(new Runway(QStringLiteral("EDDF"), origin, QStringLiteral("07C"), 0.0f,
                                     origin.atDistanceAndAzimuth(4000.0, 70.0), QStringLiteral("25C"), 0.0f, 60.0f, 2,
                                     1, 1));
}

void TestRunway::cleanupTestCase()
{
    m_database.reset();
    m_settings.reset();
}

void TestRunway::roleNames_data()
{
    // clang-format off
    QTest::addColumn<int>("role");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("name") << 0x60FFFF << QByteArray("role_name");
    QTest::newRow("codes") << 0x610000 << QByteArray("role_codes");
    QTest::newRow("verticalcodes") << 0x610001 << QByteArray("role_verticalcodes");
    QTest::newRow("width") << 0x610002 << QByteArray("role_width");
    QTest::newRow("surface") << 0x610003 << QByteArray("role_surface");
    QTest::newRow("hascenterlights") << 0x610004 << QByteArray("role_hascenterlights");
    QTest::newRow("hasedgelights") << 0x610005 << QByteArray("role_hasedgelights");
    QTest::newRow("hasmarkings") << 0x610006 << QByteArray("role_hasmarkings");
    QTest::newRow("rect") << 0x610007 << QByteArray("role_rect");
    QTest::newRow("inrect") << 0x610008 << QByteArray("role_inrect");
    QTest::newRow("line") << 0x610009 << QByteArray("role_line");
    QTest::newRow("headings") << 0x61000A << QByteArray("role_headings");
    QTest::newRow("color") << 0x61000B << QByteArray("role_color");
    QTest::newRow("linecolor") << 0x61000C << QByteArray("role_linecolor");
    QTest::newRow("lightcolor") << 0x61000D << QByteArray("role_lightcolor");
    QTest::newRow("tooltip") << 0x61000E << QByteArray("role_tooltip");
    QTest::newRow("base uid") << 0x1FFFF << QByteArray("role_uid");
    QTest::newRow("base bounding") << 0x20000 << QByteArray("role_bounding");
    QTest::newRow("base search") << 0x20001 << QByteArray("role_search");
    QTest::newRow("base minzoom") << 0x20002 << QByteArray("role_minzoom");
    QTest::newRow("base minzoom details") << 0x20003 << QByteArray("role_minzoom_details");
    // clang-format on
}

void TestRunway::roleNames()
{
    QFETCH(int, role);
    QFETCH(QByteArray, name);
    QCOMPARE(Runway::roleNames().size(), 21);
    QCOMPARE(Runway::roleNames().value(role), name);
}

void TestRunway::identity_data()
{
    // clang-format off
    QTest::addColumn<QString>("name0");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QString>("codes");

    QTest::newRow("both ends") << "09L" << "27R" << "EDDF/09L-27R" << "09L-27R";
    QTest::newRow("end 1 unnamed") << "09L" << "" << "EDDF/09L-" << "09L";
    QTest::newRow("end 0 unnamed") << "" << "27R" << "EDDF/-27R" << "27R";
    QTest::newRow("no names") << "" << "" << "EDDF/-" << "";
    // clang-format on
}

void TestRunway::identity()
{
    QFETCH(QString, name0);
    QFETCH(QString, name1);
    QFETCH(QString, uid);
    QFETCH(QString, codes);

    std::unique_ptr<Runway> runway(makeRunway(name0, name1));
    QCOMPARE(runway->uid(), uid);
    QCOMPARE(runway->codes(), codes);
    QCOMPARE(runway->data(Runway::RoleName).toString(), codes);
    QCOMPARE(runway->search(), QStringLiteral("nosearch"));
    QCOMPARE(runway->minzoom(), 10.0);
    QCOMPARE(runway->minzoomDetails(), 12.0);
    QCOMPARE(runway->BaseItem::type(), -1);
}

void TestRunway::polygonsWithoutExtension()
{
    std::unique_ptr<Runway> runway(makeRunway(QStringLiteral("07"), QStringLiteral("25")));
    const QList<QGeoCoordinate> outer = coordinates(runway->data(Runway::RoleRect));
    const QList<QGeoCoordinate> inner = coordinates(runway->data(Runway::RoleInRect));
    QCOMPARE(outer.size(), 4);
    QCOMPARE(inner.size(), 4);
    for (int i = 0; i < 4; ++i)
        QVERIFY2(near(outer.at(i), inner.at(i), 1e-6), qPrintable(QString::number(i)));

    const QList<QGeoCoordinate> line = coordinates(runway->data(Runway::RoleLine));
    QCOMPARE(line, (QList<QGeoCoordinate>{runway->threshold(0), runway->threshold(1)}));
    QVERIFY(qAbs(runway->length() - 3000.0) < 0.01);
    QVERIFY(qAbs(runway->heading(0) - 70.0) < 1e-6);
    QVERIFY(qAbs(runway->heading(1) - runway->threshold(1).azimuthTo(origin)) < 1e-9);
    // Each corner lies half the width to the side of its threshold.
    QVERIFY(qAbs(inner.at(0).distanceTo(origin) - 22.5) < 0.01);
    QVERIFY(qAbs(inner.at(1).distanceTo(origin) - 22.5) < 0.01);
    QVERIFY(qAbs(inner.at(2).distanceTo(runway->threshold(1)) - 22.5) < 0.01);
}

void TestRunway::outwardExtension()
{
    std::unique_ptr<Runway> runway(makeRunway(QStringLiteral("07"), QStringLiteral("25"), 3000.0, 70.0, 60.0f, 0.0f));
    const QList<QGeoCoordinate> outer = coordinates(runway->data(Runway::RoleRect));
    const QList<QGeoCoordinate> inner = coordinates(runway->data(Runway::RoleInRect));

    // Corners 1 and 2 lie 60 m beyond threshold 0, away from threshold 1; the inner polygon
    // starts at the threshold itself.
    QVERIFY(qAbs(outer.at(0).distanceTo(inner.at(0)) - 60.0) < 0.05);
    QVERIFY(qAbs(outer.at(1).distanceTo(inner.at(1)) - 60.0) < 0.05);
    QVERIFY(outer.at(0).distanceTo(runway->threshold(1)) > inner.at(0).distanceTo(runway->threshold(1)) + 59.0);
    QVERIFY(near(outer.at(2), inner.at(2), 1e-6));
    QVERIFY(near(outer.at(3), inner.at(3), 1e-6));

    // The rectangle comes from the two opposite corners 1 and 3.
    QCOMPARE(runway->bounding(), QGeoRectangle(QList<QGeoCoordinate>{outer.at(0), outer.at(2)}));
}

void TestRunway::surface_data()
{
    // clang-format off
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("markings");
    QTest::addColumn<QString>("warning");

    QTest::newRow("asphalt") << 1 << 1 << "asphalt" << true << "";
    QTest::newRow("concrete") << 2 << 2 << "concrete" << true << "";
    QTest::newRow("20 becomes asphalt") << 20 << 1 << "asphalt" << true << "";
    QTest::newRow("6 stays, shown as asphalt") << 6 << 6 << "asphalt" << false
                                                << "Unknown surface type 6 fallback to asphalt";
    QTest::newRow("19 stays") << 19 << 19 << "asphalt" << false << "Unknown surface type 19 fallback to asphalt";
    // The newer simulator's shades, and a code it does not know.
    QTest::newRow("38 asphalt shade") << 38 << 1 << "asphalt" << true << "";
    QTest::newRow("50 concrete shade") << 50 << 2 << "concrete" << true << "";
    QTest::newRow("57 concrete shade") << 57 << 2 << "concrete" << true << "";
    QTest::newRow("45 unknown") << 45 << 1 << "asphalt" << true << "Unknown surface type 45 fallback to asphalt";
    // clang-format on
}

void TestRunway::surface()
{
    QFETCH(int, code);
    QFETCH(int, stored);
    QFETCH(QString, text);
    QFETCH(bool, markings);
    QFETCH(QString, warning);

    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    std::unique_ptr<Runway> runway(
        makeRunway(QStringLiteral("09"), QStringLiteral("27"), 2500.0, 90.0, 0.0f, 0.0f, 30.0f, code));
    QCOMPARE(runway->surface(), stored);
    QCOMPARE(runway->data(Runway::RoleSurface).toInt(), stored);
    QCOMPARE(runway->data(Runway::RoleHasMarkings).toBool(), markings);
    QCOMPARE(runway->data(Runway::RoleColor).toString(), text);
    // One warning per code for the whole run, however often the map asks.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("surface")));
    QCOMPARE(runway->data(Runway::RoleColor).toString(), text);
    std::unique_ptr<Runway> again(
        makeRunway(QStringLiteral("09"), QStringLiteral("27"), 2500.0, 90.0, 0.0f, 0.0f, 30.0f, code));
    QCOMPARE(again->data(Runway::RoleColor).toString(), text);
}

void TestRunway::isHardLong_data()
{
    // clang-format off
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("surface");
    QTest::addColumn<bool>("hardLong");

    QTest::newRow("1999 m asphalt") << 1999.0 << 1 << false;
    QTest::newRow("2000 m concrete") << 2000.001 << 2 << true;
    QTest::newRow("3000 m asphalt") << 3000.0 << 1 << true;
    QTest::newRow("3000 m grass") << 3000.0 << 3 << false;
    // clang-format on
}

void TestRunway::isHardLong()
{
    QFETCH(double, length);
    QFETCH(int, surface);
    QFETCH(bool, hardLong);
    std::unique_ptr<Runway> runway(
        makeRunway(QStringLiteral("09"), QStringLiteral("27"), length, 90.0, 0.0f, 0.0f, 45.0f, surface));
    QCOMPARE(runway->isHardLong(), hardLong);
}

void TestRunway::verticalCode_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("09") << "09" << "09";
    QTest::newRow("36C") << "36C" << "36\nC";
    QTest::newRow("09L") << "09L" << "09\nL";
    QTest::newRow("27R") << "27R" << "27\nR";
    QTest::newRow("lower case") << "09l" << "09l";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("lone L") << "L" << "\nL";
    // clang-format on
}

void TestRunway::verticalCode()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(Runway::verticalCode(name), code);
}

void TestRunway::toggleRwPrefix_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toggled");
    QTest::newRow("RW27") << "RW27" << "27";
    QTest::newRow("27") << "27" << "RW27";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("lower case prefix") << "rw27" << "RWrw27";
    QTest::newRow("RW alone") << "RW" << "";
    // clang-format on
}

void TestRunway::toggleRwPrefix()
{
    QFETCH(QString, name);
    QFETCH(QString, toggled);
    QCOMPARE(Runway::toggleRwPrefix(name), toggled);
}

void TestRunway::endQueries()
{
    std::unique_ptr<Runway> runway(makeRunway(QStringLiteral("09"), QStringLiteral("27")));
    QCOMPARE(runway->endName(1, true), QStringLiteral("RW27"));
    QCOMPARE(runway->endName(0, false), QStringLiteral("09"));
    QCOMPARE(runway->endName(2, false), QString());
    QCOMPARE(runway->endName(-1, true), QString());
    QVERIFY(runway->hasEnd(0));
    QVERIFY(runway->hasEnd(1));
    QVERIFY(!runway->hasEnd(2));
    QVERIFY(!runway->hasEnd(-1));
    QCOMPARE(runway->headingText(-1), QString());
    QCOMPARE(runway->headingText(2), QString());

    QCOMPARE(runway->oppositeEndName(QStringLiteral("09")), QStringLiteral("27"));
    QCOMPARE(runway->oppositeEndName(QStringLiteral("27")), QStringLiteral("09"));
    QCOMPARE(runway->oppositeEndName(QStringLiteral("18")), QStringLiteral("09"));
    QCOMPARE(runway->endPosition(QStringLiteral("09")), runway->threshold(0));
    QCOMPARE(runway->endPosition(QStringLiteral("27")), runway->threshold(1));

    QVERIFY(runway->hasAirportCode(QStringLiteral("EDDF")));
    QVERIFY(!runway->hasAirportCode(QStringLiteral("eddf")));
    Airport eddf(QStringLiteral("EDDF"), QString(), 0);
    Airport egll(QStringLiteral("EGLL"), QString(), 0);
    QVERIFY(runway->belongsTo(&eddf));
    QVERIFY(!runway->belongsTo(&egll));
    QVERIFY(!runway->belongsTo(nullptr));

    const QGeoCoordinate far = origin.atDistanceAndAzimuth(3999.4, 92.3);
    const Runway measured(QStringLiteral("EDDF"), origin, QStringLiteral("09"), 0.0f, far, QStringLiteral("27"), 0.0f,
                          45.0f, 1, 0, 0);
    QCOMPARE(measured.lengthText(), QStringLiteral("3999m"));
    QCOMPARE(measured.widthText(), QStringLiteral("45m"));
    QCOMPARE(measured.headingText(0), QStringLiteral("92°"));

    const QGeoCoordinate towards = Runway::pointTowards(origin, 500.0f, runway->threshold(1));
    QVERIFY(qAbs(towards.distanceTo(origin) - 500.0) < 0.01);
    QVERIFY(qAbs(origin.azimuthTo(towards) - 70.0) < 1e-6);
}

void TestRunway::ils()
{
    std::unique_ptr<Runway> runway(makeRunway(QStringLiteral("09L"), QStringLiteral("27R")));
    QVERIFY(!runway->hasIls(0));
    runway->setIls(QStringLiteral("27R"), 109.5f, QStringLiteral("IFRE"));
    QVERIFY(!runway->hasIls(0));
    QVERIFY(runway->hasIls(1));
    QCOMPARE(runway->ilsText(1), QStringLiteral("109.5MHz IFRE"));
    QCOMPARE(runway->ilsText(0), QString());
    QCOMPARE(runway->ilsText(2), QString());

    runway->setIls(QStringLiteral("18"), 110.3f, QStringLiteral("IXX"));
    QCOMPARE(runway->ilsText(1), QStringLiteral("109.5MHz IFRE"));
    QVERIFY(!runway->hasIls(0));

    runway->setIlsAt(0, 110.3f, QStringLiteral("IFLW"));
    QCOMPARE(runway->ilsText(0), QStringLiteral("110.3MHz IFLW"));
    runway->setIlsAt(5, 111.1f, QStringLiteral("BAD"));
    QVERIFY(!runway->hasIls(5));

    // Two ends of one name: the second end takes the data.
    std::unique_ptr<Runway> twin(makeRunway(QStringLiteral("09"), QStringLiteral("09")));
    twin->setIls(QStringLiteral("09"), 108.9f, QStringLiteral("ITW"));
    QCOMPARE(twin->ilsText(1), QStringLiteral("108.9MHz ITW"));
}

void TestRunway::roleValues()
{
    Runway runway(QStringLiteral("EDDF"), origin, QStringLiteral("07C"), 0.0f, origin.atDistanceAndAzimuth(4000, 70),
                  QStringLiteral("25C"), 0.0f, 60.0f, 2, 3, 0);
    QCOMPARE(runway.data(Runway::RoleVerticalCodes).toList(), (QVariantList{"07\nC", "25\nC"}));
    QCOMPARE(runway.data(Runway::RoleHasCenterLights).toBool(), true);
    QCOMPARE(runway.data(Runway::RoleHasEdgeLights).toBool(), false);
    const QVariantList headings = runway.data(Runway::RoleHeadings).toList();
    QCOMPARE(headings.size(), 2);
    QCOMPARE(headings.at(0).toDouble(), runway.heading(0));
    QCOMPARE(headings.at(1).toDouble(), runway.heading(1));
    QVERIFY(!runway.data(Runway::RoleTooltip + 1).isValid());
}

void TestRunway::roundTrip()
{
    std::unique_ptr<Runway> original(
        makeRunway(QStringLiteral("09L"), QStringLiteral("27R"), 3200.0, 88.0, 60.5f, 120.25f, 45.0f, 13));
    Runway edgeOnly(QStringLiteral("LOWI"), origin, QStringLiteral("08"), 0.0f, origin.atDistanceAndAzimuth(2000, 80),
                    QStringLiteral(""), 0.0f, 45.0f, 2, 0, 1);
    original->setIls(QStringLiteral("27R"), 109.5f, QStringLiteral("IFRE"));
    original->setIls(QStringLiteral("09L"), 111.95f, QStringLiteral("IFLW"));

    for (const Runway *runway : {static_cast<const Runway *>(original.get()), static_cast<const Runway *>(&edgeOnly)}) {
        const QByteArray bytes = recordOf(*runway);
        // Every float goes out as an 8-byte double: five of them, beside two 24-byte
        // coordinates, three bytes and five strings.
        int strings = 0;
        for (const QString &s :
             {runway->airport(), runway->endName(0), runway->endName(1), runway->ilsIdent(0), runway->ilsIdent(1)})
            strings += 4 + 2 * s.size();
        QCOMPARE(bytes.size(), strings + 2 * 24 + 5 * 8 + 3);

        QDataStream in(bytes);
        Runway *read = nullptr;
        in >> read;
        std::unique_ptr<Runway> copy(read);
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(copy);
        QVERIFY(in.atEnd());
        QCOMPARE(copy->uid(), runway->uid());
        QCOMPARE(copy->airport(), runway->airport());
        QCOMPARE(copy->threshold(0), runway->threshold(0));
        QCOMPARE(copy->threshold(1), runway->threshold(1));
        QCOMPARE(copy->endName(0), runway->endName(0));
        QCOMPARE(copy->endName(1), runway->endName(1));
        QCOMPARE(copy->extension(0), runway->extension(0));
        QCOMPARE(copy->extension(1), runway->extension(1));
        QCOMPARE(copy->width(), runway->width());
        QCOMPARE(copy->surface(), runway->surface());
        QCOMPARE(copy->hasCentreLights(), runway->hasCentreLights());
        QCOMPARE(copy->hasEdgeLights(), runway->hasEdgeLights());
        QCOMPARE(copy->ilsFrequency(0), runway->ilsFrequency(0));
        QCOMPARE(copy->ilsFrequency(1), runway->ilsFrequency(1));
        QCOMPARE(copy->ilsIdent(0), runway->ilsIdent(0));
        QCOMPARE(copy->ilsIdent(1), runway->ilsIdent(1));
        QCOMPARE(copy->ilsText(0), runway->ilsText(0));
        for (int role : {Runway::RoleRect, Runway::RoleInRect, Runway::RoleLine, Runway::RoleHeadings})
            QCOMPARE(copy->data(role), runway->data(role));
        QCOMPARE(copy->bounding(), runway->bounding());
    }
}

void TestRunway::truncatedRecord()
{
    std::unique_ptr<Runway> runway(makeRunway(QStringLiteral("09"), QStringLiteral("27")));
    runway->setIls(QStringLiteral("27"), 109.5f, QStringLiteral("IXX"));
    const QByteArray bytes = recordOf(*runway);
    for (int cut : {0, 5, 40, 100, int(bytes.size()) - 1}) {
        QDataStream in(bytes.left(cut));
        Runway *read = reinterpret_cast<Runway *>(quintptr(1));
        in >> read;
        QCOMPARE(read, nullptr);
        QVERIFY(in.status() != QDataStream::Ok);
    }
}

void TestRunway::findOppositeEndName_data()
{
    // clang-format off
    QTest::addColumn<QString>("airport");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("opposite");
    QTest::addColumn<bool>("unknownAirport");

    QTest::newRow("from 07C") << "EDDF" << "07C" << "25C" << false;
    QTest::newRow("from 25C") << "EDDF" << "25C" << "07C" << false;
    QTest::newRow("by combined name") << "EDDF" << "07C-25C" << "07C" << false;
    QTest::newRow("unknown runway") << "EDDF" << "18" << "" << false;
    QTest::newRow("unknown airport") << "XXXX" << "07C" << "" << true;
    // clang-format on
}

void TestRunway::findOppositeEndName()
{
    QFETCH(QString, airport);
    QFETCH(QString, end);
    QFETCH(QString, opposite);
    QFETCH(bool, unknownAirport);

    if (unknownAirport)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Point with UID .* not found in database!$"));
    if (opposite.isEmpty())
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(QStringLiteral("Cannot find opposite ruway \"%1\" for airport \"%2\"").arg(end, airport)));
    QCOMPARE(Runway::findOppositeEndName(airport, end), opposite);
}

void TestRunway::model()
{
    BaseModel<Runway> model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    std::unique_ptr<Runway> a(makeRunway(QStringLiteral("07L"), QStringLiteral("25R")));
    std::unique_ptr<Runway> b(makeRunway(QStringLiteral("18"), QStringLiteral("36"), 4000.0, 180.0));
    model.beginReset();
    model.add(a.get());
    model.add(b.get());
    model.endReset();

    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.roleNames(), Runway::roleNames());
    QCOMPARE(model.data(model.index(1), Runway::RoleName).toString(), QStringLiteral("18-36"));
    QCOMPARE(model.find(QStringLiteral("EDDF/07L-25R")), a.get());
    QCOMPARE(coordinates(model.data(model.index(0), Runway::RoleRect)).size(), 4);
}

QTEST_GUILESS_MAIN(TestRunway)
#include "tst_runway.moc"
