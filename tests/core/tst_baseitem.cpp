#include "baseitem.h"
#include "testsupport.h"

#include <QMetaEnum>
#include <QTest>

namespace {

class Item : public BaseItem
{
public:
    Item(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type)
        : BaseItem(uid, search, minzoom, minzoomDetails, type)
    {
    }
};

QGeoRectangle rect(double north, double west, double south, double east)
{
    return QGeoRectangle(QGeoCoordinate(north, west), QGeoCoordinate(south, east));
}

} // namespace

class TestBaseItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    void constructorStoresFields();
    void roleValues();
    void data_data();
    void data();
    void roleNames();
    void boundingFromCoordinate();
    void boundingKeptExactly_data();
    void boundingKeptExactly();
    void isVisible_data();
    void isVisible();
    void matches_data();
    void matches();
    void matchesFoldsCase_data();
    void matchesFoldsCase();
    void typeInMask_data();
    void typeInMask();
    void narrowing_data();
    void narrowing();
    void nextUid_data();
    void nextUid();
};

void TestBaseItem::constructorStoresFields()
{
    Item item("LFPG", "Paris CDG", 4.5, 11.0, 7);
    QCOMPARE(item.uid(), QString("LFPG"));
    QCOMPARE(item.search(), QString("paris cdg"));
    QCOMPARE(item.minzoom(), 4.5);
    QCOMPARE(item.minzoomDetails(), 11.0);
    QCOMPARE(item.type(), 7);
    QVERIFY(!item.bounding().isValid());
    QVERIFY(!item.parent());

    item.setUid("LFPG_1");
    QCOMPARE(item.uid(), QString("LFPG_1"));
    item.setBounding(rect(2, 1, 0, 3));
    QCOMPARE(item.bounding(), rect(2, 1, 0, 3));
}

void TestBaseItem::roleValues()
{
    // Stored files do not carry roles, but QML and every item class number from these.
    QCOMPARE(int(BaseItem::UID), 131071);
    QCOMPARE(int(BaseItem::MinZoomDetails), 131075);
    const int bases[] = {BaseItem::BaseRoleAirport,   BaseItem::BaseRoleBounday,    BaseItem::BaseRolePoint,
                         BaseItem::BaseRoleProcedure, BaseItem::BaseRoleRecord,     BaseItem::BaseRoleRunway,
                         BaseItem::BaseRoleSegment,   BaseItem::BaseRoleTaxiway,    BaseItem::BaseRoleTaxiname,
                         BaseItem::BaseRoleWaypoint,  BaseItem::BaseRolePaintlight, BaseItem::BaseRoleStartup,
                         BaseItem::BaseRoleFlightPlan};
    for (int n = 0; n < 13; ++n)
        QCOMPARE(bases[n], 0x10FFFF + n * 0x100000);

    const QMetaEnum roles = QMetaEnum::fromType<BaseItem::Roles>();
    QCOMPARE(roles.keyToValue("MinZoom"), 0x20002);
    QCOMPARE(roles.keyToValue("Bounding"), 0x20000);
    QCOMPARE(roles.keyToValue("BaseRoleBounday"), 0x20FFFF);
}

void TestBaseItem::data_data()
{
    // clang-format off
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("uid") << int(BaseItem::UID) << QVariant(QString("EDDF"));
    QTest::newRow("bounding") << int(BaseItem::Bounding) << QVariant::fromValue(rect(2, 1, 0, 3));
    QTest::newRow("search") << int(BaseItem::Search) << QVariant(QString("frankfurt main"));
    QTest::newRow("minzoom") << 0x20002 << QVariant(6.5);
    QTest::newRow("minzoom details") << int(BaseItem::MinZoomDetails) << QVariant(12.0);
    QTest::newRow("role 0") << 0 << QVariant();
    QTest::newRow("display") << int(Qt::DisplayRole) << QVariant();
    QTest::newRow("point base") << int(BaseItem::BaseRolePoint) << QVariant();
    QTest::newRow("runway role") << int(BaseItem::BaseRoleRunway) + 3 << QVariant();
    // clang-format on
}

void TestBaseItem::data()
{
    QFETCH(int, role);
    QFETCH(QVariant, expected);
    Item item("EDDF", "Frankfurt Main", 6.5, 12.0, 1);
    item.setBounding(rect(2, 1, 0, 3));
    const QVariant value = item.data(role);
    QCOMPARE(value.isValid(), expected.isValid());
    if (!expected.isValid())
        return;
    QCOMPARE(value.metaType(), expected.metaType());
    QCOMPARE(value, expected);
}

void TestBaseItem::roleNames()
{
    const QHash<int, QByteArray> expected = {
        {0x1FFFF, "role_uid"},     {0x20000, "role_bounding"},        {0x20001, "role_search"},
        {0x20002, "role_minzoom"}, {0x20003, "role_minzoom_details"},
    };
    QCOMPARE(BaseItem::roleNames(), expected);
}

void TestBaseItem::boundingFromCoordinate()
{
    Item item("X", "x", 0, 0, 0);
    item.setBoundingFromCoordinate(QGeoCoordinate(48.0, 11.0));
    const QGeoRectangle bounding = item.bounding();
    QVERIFY(bounding.isValid());
    QCOMPARE(bounding.center(), QGeoCoordinate(48.0, 11.0));
    QVERIFY(qAbs(bounding.width() - 0.001) < 1e-12);
    QVERIFY(qAbs(bounding.height() - 0.001) < 1e-12);
    // Qt's centre-and-size rectangle, corner for corner.
    QCOMPARE(bounding, QGeoRectangle(QGeoCoordinate(48.0, 11.0), 0.001, 0.001));
    QVERIFY(!Item("Y", "y", 0, 0, 0).bounding().isValid());
}

void TestBaseItem::boundingKeptExactly_data()
{
    // clang-format off
    QTest::addColumn<QGeoRectangle>("bounding");
    QTest::newRow("default") << QGeoRectangle();
    QTest::newRow("corners") << rect(2, 1, 0, 3);
    QTest::newRow("across the date line") << rect(10.5, 179.5, 9.5, -179.5);
    QTest::newRow("around a point near the pole") << QGeoRectangle(QGeoCoordinate(89.995, 20.0), 0.001, 0.001);
    QGeoCoordinate odd;
    odd.setLatitude(95.0); // out of range, as a damaged file may hold it
    odd.setLongitude(-200.0);
    odd.setAltitude(1200.0);
    QTest::newRow("out of range with altitude") << QGeoRectangle(odd, QGeoCoordinate(1.0, 2.0, 3.0));
    // clang-format on
}

// The corners come back as set, out-of-range values and altitudes included.
void TestBaseItem::boundingKeptExactly()
{
    QFETCH(QGeoRectangle, bounding);
    Item item("X", "x", 0, 0, 0);
    item.setBounding(bounding);
    // Corner for corner, altitudes included.
    QCOMPARE(item.bounding(), bounding);
    // QCOMPARE takes NaN for equal to NaN.
    QCOMPARE(item.boundingNorth(), bounding.topLeft().latitude());
    QCOMPARE(item.boundingWest(), bounding.topLeft().longitude());
    QCOMPARE(item.boundingSouth(), bounding.bottomRight().latitude());
    QCOMPARE(item.boundingEast(), bounding.bottomRight().longitude());
    QCOMPARE(item.data(BaseItem::Bounding).value<QGeoRectangle>(), bounding);
}

void TestBaseItem::isVisible_data()
{
    // clang-format off
    QTest::addColumn<double>("minzoom");
    QTest::addColumn<int>("type");
    QTest::addColumn<QGeoRectangle>("bounding");
    QTest::addColumn<QGeoRectangle>("area");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("visible");

    const QGeoRectangle world = rect(90, -180, -90, 180);
    const QGeoRectangle europe = rect(60, -10, 35, 30);
    const QGeoRectangle paris = rect(49.1, 2.4, 48.9, 2.7);

    QTest::newRow("zoom equal to minzoom") << 10.0 << 1 << paris << europe << 10.0 << -1 << true;
    QTest::newRow("zoom just below") << 10.0 << 1 << paris << europe << 9.99 << -1 << false;
    QTest::newRow("invalid area") << 0.0 << 1 << world << QGeoRectangle() << 10.0 << -1 << false;
    QTest::newRow("outside area") << 0.0 << 1 << paris << rect(10, 10, 0, 20) << 10.0 << -1 << false;
    QTest::newRow("type bit clear") << 0.0 << 1 << paris << europe << 10.0 << 0x1 << false;
    QTest::newRow("type bit set") << 0.0 << 1 << paris << europe << 10.0 << 0x2 << true;
    QTest::newRow("type 33 is bit 1") << 0.0 << 33 << paris << europe << 10.0 << 0x2 << true;
    QTest::newRow("no type, bit 31") << 0.0 << -1 << paris << europe << 10.0 << int(0x80000000) << true;
    QTest::newRow("no type, all but 31") << 0.0 << -1 << paris << europe << 10.0 << 0x7FFFFFFF << false;
    // clang-format on
}

void TestBaseItem::isVisible()
{
    QFETCH(double, minzoom);
    QFETCH(int, type);
    QFETCH(QGeoRectangle, bounding);
    QFETCH(QGeoRectangle, area);
    QFETCH(double, zoom);
    QFETCH(int, mask);
    QFETCH(bool, visible);
    Item item("X", "x", minzoom, minzoom, type);
    item.setBounding(bounding);
    QCOMPARE(item.isVisible(area, zoom, mask), visible);
}

void TestBaseItem::matches_data()
{
    // clang-format off
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("match");

    const QString cdg = "LFPG Paris Charles de Gaulle";
    QTest::newRow("empty text, bit set") << cdg << 1 << "" << 0x2 << true;
    QTest::newRow("empty text, bit clear") << cdg << 1 << "" << 0x1 << false;
    QTest::newRow("upper-case text") << cdg << 1 << "LFP" << -1 << true;
    QTest::newRow("inside") << cdg << 1 << "charles de" << -1 << true;
    QTest::newRow("absent") << cdg << 1 << "orly" << -1 << false;
    QTest::newRow("text found, bit clear") << cdg << 1 << "lfp" << 0 << false;
    QTest::newRow("hyphen") << "Saint-Exupery" << 1 << "t-ex" << -1 << true;
    QTest::newRow("dot") << "St. Maarten" << 1 << "st." << -1 << true;
    QTest::newRow("dot is no wildcard") << "Stx Maarten" << 1 << "st." << -1 << false;
    QTest::newRow("no type, bit 31") << "boundary" << -1 << "" << int(0x80000000) << true;
    // clang-format on
}

void TestBaseItem::matches()
{
    QFETCH(QString, search);
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(int, mask);
    QFETCH(bool, match);
    Item item("X", search, 0, 0, type);
    QCOMPARE(item.matches(text, mask), match);
}

// Whatever the script, the answer is that of a case-insensitive search in the stored text.
void TestBaseItem::matchesFoldsCase_data()
{
    // clang-format off
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("match");

    QTest::newRow("ascii") << "Paris Orly" << "orly" << true;
    QTest::newRow("ascii upper text") << "Paris Orly" << "ORLY" << true;
    QTest::newRow("ascii mixed text") << "Paris Orly" << "oRlY" << true;
    QTest::newRow("umlaut upper text") << QString::fromUtf8("\u00c4tna") << QString::fromUtf8("\u00c4T") << true;
    QTest::newRow("umlaut lower text") << QString::fromUtf8("\u00c4tna") << QString::fromUtf8("\u00e4tn") << true;
    QTest::newRow("ascii text, accented search") << QString::fromUtf8("Z\u00fcrich") << "rich" << true;
    QTest::newRow("accent is not the letter") << QString::fromUtf8("Z\u00fcrich") << "zur" << false;
    QTest::newRow("long s") << QString::fromUtf8("Flu\u017ftrasse") << "ustr" << QString::fromUtf8("flu\u017ftrasse").contains("ustr", Qt::CaseInsensitive);
    QTest::newRow("kelvin sign") << QString::fromUtf8("\u212aastrup") << "kas" << true;
    QTest::newRow("cyrillic") << QString::fromUtf8("\u041c\u043e\u0441\u043a\u0432\u0430") << QString::fromUtf8("\u041c\u041e\u0421") << true;
    // clang-format on
}

void TestBaseItem::matchesFoldsCase()
{
    QFETCH(QString, search);
    QFETCH(QString, text);
    QFETCH(bool, match);
    Item item("X", search, 0, 0, 0);
    QCOMPARE(item.matches(text, -1), match);
    QCOMPARE(item.matches(text, -1), search.toLower().contains(text, Qt::CaseInsensitive));
}

void TestBaseItem::typeInMask_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("in");

    QTest::newRow("0 in 1") << 0 << 1 << true;
    QTest::newRow("31 in sign bit") << 31 << int(0x80000000) << true;
    QTest::newRow("32 wraps to 0") << 32 << 1 << true;
    QTest::newRow("-1 is 31") << -1 << int(0x80000000) << true;
    QTest::newRow("-1 not in 0x7fffffff") << -1 << 0x7FFFFFFF << false;
    QTest::newRow("-2 is 30") << -2 << 0x40000000 << true;
    QTest::newRow("all ones") << 17 << -1 << true;
    QTest::newRow("empty mask") << 5 << 0 << false;
    // clang-format on
}

void TestBaseItem::typeInMask()
{
    QFETCH(int, type);
    QFETCH(int, mask);
    QFETCH(bool, in);
    QCOMPARE(BaseItem::typeInMask(type, mask), in);
}

void TestBaseItem::narrowing_data()
{
    // clang-format off
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("warning");

    QTest::newRow("int8 200") << "int8" << 200 << 127 << "Check int8_t failed (too big)!";
    QTest::newRow("int8 -129") << "int8" << -129 << -128 << "Check int8_t failed (too small)!";
    QTest::newRow("int8 127") << "int8" << 127 << 127 << "";
    QTest::newRow("int8 -128") << "int8" << -128 << -128 << "";
    QTest::newRow("int16 32767") << "int16" << 32767 << 32767 << "";
    QTest::newRow("int16 32768") << "int16" << 32768 << 32767 << "Check int16_t failed (too big)!";
    QTest::newRow("int16 -32769") << "int16" << -32769 << -32768 << "Check int16_t failed (too small)!";
    QTest::newRow("uint16 -1") << "uint16" << -1 << 0 << "Check uint16_t failed (too small)!";
    QTest::newRow("uint16 65536") << "uint16" << 65536 << 65535 << "Check uint16_t failed (too big)!";
    QTest::newRow("uint16 65535") << "uint16" << 65535 << 65535 << "";
    QTest::newRow("uint8 256") << "uint8" << 256 << 255 << "Check uint8_t failed (too big)!";
    QTest::newRow("uint8 -5") << "uint8" << -5 << 0 << "Check uint8_t failed (too small)!";
    QTest::newRow("uint8 0") << "uint8" << 0 << 0 << "";
    // clang-format on
}

void TestBaseItem::narrowing()
{
    QFETCH(QString, function);
    QFETCH(int, value);
    QFETCH(int, result);
    QFETCH(QString, warning);

    if (warning.isEmpty())
        QTest::failOnWarning(QRegularExpression(".*"));
    else
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));

    int actual = 0;
    if (function == "int8")
        actual = BaseItem::checkInt8(value);
    else if (function == "int16")
        actual = BaseItem::checkInt16(value);
    else if (function == "uint16")
        actual = BaseItem::checkUint16(value);
    else
        actual = BaseItem::checkUint8(value);
    QCOMPARE(actual, result);
}

void TestBaseItem::nextUid_data()
{
    // clang-format off
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QString>("next");

    QTest::newRow("plain") << "ABC" << "ABC_1";
    QTest::newRow("numbered") << "ABC_1" << "ABC_1_2";
    QTest::newRow("twice numbered") << "ABC_1_2" << "ABC_1_2_3";
    QTest::newRow("letter suffix") << "ABC_X" << "ABC_X_1";
    QTest::newRow("empty suffix") << "ABC_" << "ABC__1";
    QTest::newRow("lone underscore") << "_" << "__1";
    QTest::newRow("empty") << "" << "_1";
    QTest::newRow("region uid") << "ED/ENRT/DF_9" << "ED/ENRT/DF_9_10";
    QTest::newRow("too big for 32 bits") << "A_4294967296" << "A_4294967296_1";
    QTest::newRow("largest 32 bits") << "A_4294967295" << "A_4294967295_4294967296";
    // clang-format on
}

void TestBaseItem::nextUid()
{
    QFETCH(QString, uid);
    QFETCH(QString, next);
    QCOMPARE(BaseItem::nextUid(uid), next);
}

QTEST_GUILESS_MAIN(TestBaseItem)
#include "tst_baseitem.moc"
