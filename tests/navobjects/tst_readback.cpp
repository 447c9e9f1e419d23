#include "airport.h"
#include "database.h"
#include "point.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"

#include <QDataStream>
#include <QGeoPath>
#include <QTest>

#include <cmath>
#include <cstring>
#include <memory>

// Items read back from their database records against the same items built by their
// constructors, field by field and role by role, and the derived values against the rules they
// follow: the file readers take shortcuts of their own and must end where the constructors do.

namespace {

bool sameDouble(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

QString coordinateText(const QGeoCoordinate &c)
{
    return QStringLiteral("(%1, %2, %3)")
        .arg(c.latitude(), 0, 'g', 17)
        .arg(c.longitude(), 0, 'g', 17)
        .arg(c.altitude(), 0, 'g', 17);
}

// Bit for bit: QGeoCoordinate's own == forgives rounding.
bool sameCoordinate(const QGeoCoordinate &a, const QGeoCoordinate &b)
{
    return sameDouble(a.latitude(), b.latitude()) && sameDouble(a.longitude(), b.longitude())
           && sameDouble(a.altitude(), b.altitude()) && a.isValid() == b.isValid();
}

bool sameRectangle(const QGeoRectangle &a, const QGeoRectangle &b)
{
    return a.type() == b.type() && a.isValid() == b.isValid() && sameCoordinate(a.topLeft(), b.topLeft())
           && sameCoordinate(a.bottomRight(), b.bottomRight());
}

bool sameString(const QString &a, const QString &b)
{
    return a == b && a.isNull() == b.isNull();
}

bool sameVariant(const QVariant &a, const QVariant &b)
{
    if (a.metaType() != b.metaType())
        return false;
    if (a.metaType() == QMetaType::fromType<QGeoCoordinate>())
        return sameCoordinate(a.value<QGeoCoordinate>(), b.value<QGeoCoordinate>());
    if (a.metaType() == QMetaType::fromType<QGeoRectangle>())
        return sameRectangle(a.value<QGeoRectangle>(), b.value<QGeoRectangle>());
    if (a.metaType() == QMetaType::fromType<double>())
        return sameDouble(a.toDouble(), b.toDouble());
    if (a.metaType() == QMetaType::fromType<QString>())
        return sameString(a.toString(), b.toString());
    if (a.metaType() == QMetaType::fromType<QVariantList>()) {
        const QVariantList left = a.toList();
        const QVariantList right = b.toList();
        if (left.size() != right.size())
            return false;
        for (qsizetype i = 0; i < left.size(); ++i) {
            if (!sameVariant(left.at(i), right.at(i)))
                return false;
        }
        return true;
    }
    return a == b;
}

template <typename T>
QByteArray recordOf(const T &item, QDataStream::ByteOrder order = QDataStream::BigEndian)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_4);
    stream.setByteOrder(order);
    stream << item;
    return bytes;
}

template <typename T>
std::unique_ptr<T> readBack(const QByteArray &bytes, QDataStream::ByteOrder order = QDataStream::BigEndian)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_6_4);
    stream.setByteOrder(order);
    T *item = nullptr;
    stream >> item;
    if (stream.status() != QDataStream::Ok || !stream.atEnd()) {
        delete item;
        return nullptr;
    }
    return std::unique_ptr<T>(item);
}

// Every role the class names, then the base fields.
template <typename T>
void compareItems(const T &read, const T &built)
{
    const auto roles = T::roleNames();
    for (auto it = roles.cbegin(); it != roles.cend(); ++it) {
        const QVariant left = read.data(it.key());
        const QVariant right = built.data(it.key());
        QVERIFY2(sameVariant(left, right),
                 qPrintable(QStringLiteral("role %1: %2 / %3")
                                .arg(QString::fromLatin1(it.value()), left.toString(), right.toString())));
    }
    QVERIFY(sameString(read.uid(), built.uid()));
    QVERIFY(sameString(read.search(), built.search()));
    QVERIFY(sameRectangle(read.bounding(), built.bounding()));
    QVERIFY(sameDouble(read.minzoom(), built.minzoom()));
    QVERIFY(sameDouble(read.minzoomDetails(), built.minzoomDetails()));
    QCOMPARE(read.BaseItem::type(), built.BaseItem::type());
}

void comparePoints(const Point &read, const Point &built)
{
    compareItems(read, built);
    QVERIFY(sameString(read.code(), built.code()));
    QVERIFY(sameString(read.name(), built.name()));
    QVERIFY(sameString(read.description(), built.description()));
    QVERIFY2(sameCoordinate(read.position(), built.position()),
             qPrintable(coordinateText(read.position()) + QStringLiteral(" / ") + coordinateText(built.position())));
    QVERIFY(sameString(read.terminal(), built.terminal()));
    QVERIFY(sameString(read.region(), built.region()));
    QCOMPARE(read.type(), built.type());
    QCOMPARE(read.elevation(), built.elevation());
    QVERIFY(sameDouble(read.frequency(), built.frequency()));
    QCOMPARE(read.isEnrouteIntersection(), built.isEnrouteIntersection());
    QCOMPARE(read.isProcedureWaypoint(), built.isProcedureWaypoint());
    QVERIFY(sameString(read.waypointTypeText(), built.waypointTypeText()));
    QVERIFY(sameString(read.positionText(), built.positionText()));
    QVERIFY(sameString(read.infoHtml(), built.infoHtml()));
    QCOMPARE(bool(qobject_cast<const Airport *>(&read)), bool(qobject_cast<const Airport *>(&built)));
}

// The derived values by their rules, as the constructor has always worked them out.
void checkPointRules(const Point &point, const QString &code, const QString &terminal, const QString &region,
                     const QString &name)
{
    QCOMPARE(point.search(),
             (code + QLatin1Char(' ') + terminal + QLatin1Char(' ') + region + QLatin1Char(' ') + name).toLower());
    QString uid;
    if (region != QLatin1String("*"))
        uid += region + QLatin1Char('/');
    if (terminal != QLatin1String("*"))
        uid += terminal + QLatin1Char('/');
    uid += code;
    QCOMPARE(point.uid(), uid);
    QVERIFY(sameRectangle(point.bounding(), QGeoRectangle(point.position(), 0.001, 0.001)));
    QVERIFY(sameDouble(point.minzoom(), Point::minZoomFor(point.type(), code)));
    QVERIFY(sameDouble(point.minzoomDetails(), Point::minZoomDetailsFor(point.type())));
    QString description = name.isEmpty() ? QStringLiteral("Region %1").arg(region) : name;
    description += terminal == QLatin1String("ENRT") ? QStringLiteral(", enroute")
                                                     : QStringLiteral(", attached to %1").arg(terminal);
    QCOMPARE(point.description(), description);
}

} // namespace

class TestReadBack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void coordinateAsQtReadsIt_data();
    void coordinateAsQtReadsIt();
    void coordinateOfShortOrFailedStream();

    void point_data();
    void point();
    void airport_data();
    void airport();
    void segment_data();
    void segment();
    void runway_data();
    void runway();

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_database;
};

void TestReadBack::initTestCase()
{
    TestSupport::initApplication();
    m_settings = std::make_unique<Settings>();
    m_database = std::make_unique<Database>();
}

void TestReadBack::cleanupTestCase()
{
    m_database.reset();
    m_settings.reset();
}

void TestReadBack::coordinateAsQtReadsIt_data()
{
    // clang-format off
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("altitude");

    const double nan = std::nan("");
    QTest::newRow("plain") << 50.033333 << 8.570556 << nan;
    QTest::newRow("altitude") << -33.9461 << 151.1772 << 6.0;
    QTest::newRow("dateline") << 89.9999 << 179.99999 << nan;
    QTest::newRow("all nan") << nan << nan << nan;
    QTest::newRow("out of range") << 95.0 << -200.0 << 12.0;
    QTest::newRow("tiny") << 1e-300 << -0.0 << 0.0;
    // clang-format on
}

// The same bytes give the same coordinate through both readers, in both byte orders and with
// doubles written as floats, and leave the stream at the same place.
void TestReadBack::coordinateAsQtReadsIt()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, altitude);

    for (const auto order : {QDataStream::BigEndian, QDataStream::LittleEndian}) {
        for (const auto precision : {QDataStream::DoublePrecision, QDataStream::SinglePrecision}) {
            QByteArray bytes;
            {
                QDataStream out(&bytes, QIODevice::WriteOnly);
                out.setByteOrder(order);
                out.setFloatingPointPrecision(precision);
                out << latitude << longitude << altitude << qint32(77);
            }
            QDataStream qtStream(bytes);
            qtStream.setByteOrder(order);
            qtStream.setFloatingPointPrecision(precision);
            QGeoCoordinate expected;
            qtStream >> expected;

            QDataStream ourStream(bytes);
            ourStream.setByteOrder(order);
            ourStream.setFloatingPointPrecision(precision);
            const QGeoCoordinate read = readRecordCoordinate(ourStream);
            QVERIFY2(sameCoordinate(read, expected),
                     qPrintable(coordinateText(read) + QStringLiteral(" / ") + coordinateText(expected)));
            QCOMPARE(ourStream.status(), qtStream.status());
            qint32 after = 0;
            ourStream >> after;
            QCOMPARE(after, 77);
        }
    }
}

void TestReadBack::coordinateOfShortOrFailedStream()
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << 50.0 << 8.0 << 1.0;
    }
    for (int size = 0; size < bytes.size(); size += 4) {
        QDataStream qtStream(bytes.left(size));
        QGeoCoordinate expected;
        qtStream >> expected;
        QDataStream ourStream(bytes.left(size));
        readRecordCoordinate(ourStream);
        QCOMPARE(ourStream.status(), qtStream.status());
        QCOMPARE(ourStream.device()->pos(), qtStream.device()->pos());
    }

    // After a failure Qt reads on; so does the record reader.
    QDataStream qtStream(bytes);
    qtStream.setStatus(QDataStream::ReadCorruptData);
    QGeoCoordinate expected;
    qtStream >> expected;
    QDataStream ourStream(bytes);
    ourStream.setStatus(QDataStream::ReadCorruptData);
    const QGeoCoordinate read = readRecordCoordinate(ourStream);
    QVERIFY(sameCoordinate(read, expected));
    QCOMPARE(ourStream.status(), QDataStream::ReadCorruptData);
    QCOMPARE(ourStream.device()->pos(), qtStream.device()->pos());
}

void TestReadBack::point_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<QGeoCoordinate>("position");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("elevation");
    QTest::addColumn<float>("frequency");
    QTest::addColumn<QString>("waypointType");

    QTest::newRow("enroute fix") << int(Point::FIX) << QGeoCoordinate(49.9, 8.9) << "ANEKI" << "ENRT" << "ED"
                                 << QString() << 0 << 0.0f << "C   ";
    QTest::newRow("terminal fix") << int(Point::FIX) << QGeoCoordinate(50.1, 8.4) << "DF432" << "EDDF" << "ED"
                                  << "" << 0 << 0.0f << "W  F";
    QTest::newRow("vor") << int(Point::VOR) << QGeoCoordinate(50.05, 8.63, 110.0) << "FFM" << "ENRT" << "ED"
                         << "FRANKFURT" << 364 << 114.2f << QString();
    QTest::newRow("ndb outside ascii") << int(Point::NDB) << QGeoCoordinate(52.13, 7.69) << "MÜN" << "ENRT"
                                       << "ED" << "Münster Osnabrück" << 160 << 342.5f << QString();
    QTest::newRow("capital outside ascii") << int(Point::FIX) << QGeoCoordinate(60.1, 19.9) << "ÅLAND" << "ENRT"
                                           << "EF" << "ÆRØ İSTANBUL" << 0 << 0.0f << "R   ";
    QTest::newRow("dme near dateline") << int(Point::DME) << QGeoCoordinate(-17.7, 179.9999) << "NAN" << "ENRT"
                                       << "NF" << "Nadi" << -12 << 112.5f << QString();
    QTest::newRow("coordinate") << int(Point::COORD) << QGeoCoordinate(50.0, 8.0) << "N50E008" << "ENRT" << "*"
                                << QString() << 0 << 0.0f << QString();
    QTest::newRow("stars") << int(Point::FIX) << QGeoCoordinate(1.0, 2.0) << "STAR" << "*" << "*" << "Star"
                           << 0 << 0.0f << QString();
    QTest::newRow("no position") << int(Point::ILS) << QGeoCoordinate() << "IFM" << "EDDF" << "ED" << "ILS 25L"
                                 << 364 << 110.7f << QString();
    QTest::newRow("empty texts") << int(Point::UNKNOWN) << QGeoCoordinate(0.0, 0.0) << "" << "" << "" << ""
                                 << 0 << 0.0f << "";
    // clang-format on
}

void TestReadBack::point()
{
    QFETCH(int, type);
    QFETCH(QGeoCoordinate, position);
    QFETCH(QString, code);
    QFETCH(QString, terminal);
    QFETCH(QString, region);
    QFETCH(QString, name);
    QFETCH(int, elevation);
    QFETCH(float, frequency);
    QFETCH(QString, waypointType);

    const Point built(type, position, code, terminal, region, name, elevation, frequency, waypointType);
    checkPointRules(built, code, terminal, region, name);
    for (const auto order : {QDataStream::BigEndian, QDataStream::LittleEndian}) {
        const QByteArray record = recordOf(built, order);
        std::unique_ptr<Point> read = readBack<Point>(record, order);
        QVERIFY(read);
        comparePoints(*read, built);
        checkPointRules(*read, code, terminal, region, name);
        QCOMPARE(recordOf(*read, order), record);
    }
}

void TestReadBack::airport_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QGeoCoordinate>("position");
    QTest::addColumn<QGeoRectangle>("bounding");
    QTest::addColumn<int>("atcs");

    const QGeoCoordinate frankfurt(50.033333, 8.570556, 111.0);
    QTest::newRow("four letters") << "EDDF" << "Frankfurt Main" << "ED" << frankfurt
                                  << QGeoRectangle(QGeoCoordinate(50.05, 8.52), QGeoCoordinate(50.01, 8.6)) << 3;
    QTest::newRow("three letters") << "X1Y" << "Strip" << "K2" << QGeoCoordinate(40.0, -100.0)
                                   << QGeoRectangle(QGeoCoordinate(40.0, -100.0), QGeoCoordinate(40.0, -100.0)) << 0;
    QTest::newRow("outside ascii") << "ÖREB" << "Örebro Flygplats" << "ES" << QGeoCoordinate(59.22, 15.04)
                                   << QGeoRectangle(QGeoCoordinate(59.23, 15.0), QGeoCoordinate(59.21, 15.1)) << 1;
    QTest::newRow("no bounding") << "ZZZZ" << "" << "*" << QGeoCoordinate(10.0, 10.0) << QGeoRectangle() << 0;
    QTest::newRow("dateline") << "NFFN" << "Nadi" << "NF" << QGeoCoordinate(-17.75, 177.44)
                              << QGeoRectangle(QGeoCoordinate(-17.7, 179.99), QGeoCoordinate(-17.8, -179.99)) << 2;
    // clang-format on
}

void TestReadBack::airport()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, region);
    QFETCH(QGeoCoordinate, position);
    QFETCH(QGeoRectangle, bounding);
    QFETCH(int, atcs);

    Airport built(code, name, 364);
    built.setPosition(position, bounding);
    built.setRegion(region);
    for (int i = 0; i < atcs; ++i)
        built.addAtc(i % 7, 118.0f + i, QStringLiteral("Station %1").arg(i));

    const QByteArray record = recordOf<Point>(built);
    std::unique_ptr<Point> read = readBack<Point>(record);
    QVERIFY(read);
    const auto *airport = qobject_cast<const Airport *>(read.get());
    QVERIFY(airport);
    comparePoints(*read, built);
    QVERIFY(sameString(airport->tooltip(), built.tooltip()));
    QVERIFY(sameString(airport->infoHtml(QString(), QString()), built.infoHtml(QString(), QString())));
    for (int type = -1; type < 8; ++type) {
        const QList<Atc> left = airport->atcsOfType(type);
        const QList<Atc> right = built.atcsOfType(type);
        QCOMPARE(left.size(), right.size());
        for (qsizetype i = 0; i < left.size(); ++i) {
            QVERIFY(sameString(left.at(i).name(), right.at(i).name()));
            QVERIFY(sameDouble(left.at(i).frequency(), right.at(i).frequency()));
        }
    }
    // The UID and search text keep the region "*" they were built with.
    QCOMPARE(read->uid(), code);
    QCOMPARE(read->search(), (code + QStringLiteral(" * * ") + name).toLower());
    QVERIFY(sameRectangle(read->bounding(), bounding));
    QCOMPARE(read->description(), name);
    QCOMPARE(read->terminal(), QStringLiteral("*"));
    QCOMPARE(read->region(), region);
    QCOMPARE(recordOf(*read), record);
}

void TestReadBack::segment_data()
{
    // clang-format off
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("type");
    QTest::addColumn<QGeoCoordinate>("from");
    QTest::addColumn<QGeoCoordinate>("to");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minLevel");
    QTest::addColumn<int>("maxLevel");

    QTest::newRow("airway") << int(Segment::FORWARD) << int(Segment::HIGH) << QGeoCoordinate(50.0, 8.0)
                            << QGeoCoordinate(51.0, 9.5) << "UL984" << 245 << 460;
    QTest::newRow("backward low") << int(Segment::BACKWARD) << int(Segment::LOW) << QGeoCoordinate(10.0, 20.0)
                                  << QGeoCoordinate(9.0, 19.0) << "V12" << 0 << 180;
    QTest::newRow("across the dateline") << int(Segment::NONE) << int(Segment::TRACK)
                                         << QGeoCoordinate(-17.0, 179.5) << QGeoCoordinate(-18.0, -179.5) << "A"
                                         << 0 << 0;
    QTest::newRow("same place") << int(Segment::NONE) << int(Segment::DRCT) << QGeoCoordinate(1.0, 1.0)
                                << QGeoCoordinate(1.0, 1.0) << "" << 0 << 0;
    QTest::newRow("westward") << int(Segment::FORWARD) << int(Segment::PROC) << QGeoCoordinate(45.0, 10.0)
                              << QGeoCoordinate(45.0, 2.0) << "Ü1" << 1 << 2;
    // clang-format on
}

void TestReadBack::segment()
{
    QFETCH(int, direction);
    QFETCH(int, type);
    QFETCH(QGeoCoordinate, from);
    QFETCH(QGeoCoordinate, to);
    QFETCH(QString, name);
    QFETCH(int, minLevel);
    QFETCH(int, maxLevel);

    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    auto *p0 = new Point(Point::FIX, from, QStringLiteral("F") + tag, QStringLiteral("ENRT"), QStringLiteral("ZZ"),
                         QString(), 0, 0.0f, QString());
    auto *p1 = new Point(Point::VOR, to, QStringLiteral("T") + tag, QStringLiteral("ENRT"), QStringLiteral("ZY"),
                         QStringLiteral("End"), 0, 113.0f, QString());
    m_database->addPoint(p0);
    m_database->addPoint(p1);

    const Segment built(direction, type, p0, p1, name, minLevel, maxLevel);
    const QByteArray record = recordOf(built);
    std::unique_ptr<Segment> read = readBack<Segment>(record);
    QVERIFY(read);
    compareItems(*read, built);
    QCOMPARE(read->from(), p0);
    QCOMPARE(read->to(), p1);
    QCOMPARE(read->name(), built.name());
    QCOMPARE(read->direction(), built.direction());
    QCOMPARE(read->type(), built.type());
    QCOMPARE(read->minLevel(), built.minLevel());
    QCOMPARE(read->maxLevel(), built.maxLevel());
    QCOMPARE(read->distance(), built.distance());
    QVERIFY(sameString(read->infoHtml(), built.infoHtml()));
    QCOMPARE(recordOf(*read), record);

    // The geometry by its rules.
    QCOMPARE(read->uid(), p0->uid() + QLatin1Char(':') + name + QLatin1Char(':') + p1->uid());
    QCOMPARE(read->search(), QStringLiteral("nosearch"));
    QVERIFY(sameRectangle(read->bounding(), QGeoPath({from, to}).boundingGeoRectangle()));
    QVERIFY(sameDouble(read->data(Segment::RoleDistance).toDouble(), p0->distanceTo(p1)));
    const QGeoCoordinate centre = from.atDistanceAndAzimuth(from.distanceTo(to) / 2.0, from.azimuthTo(to), 0.0);
    QVERIFY(sameCoordinate(read->data(Segment::RoleCenter).value<QGeoCoordinate>(), centre));
    QCOMPARE(read->data(Segment::RoleArrowRotation).toInt(), int(from.azimuthTo(to) - 90.0));
}

void TestReadBack::runway_data()
{
    // clang-format off
    QTest::addColumn<QString>("airport");
    QTest::addColumn<QGeoCoordinate>("threshold0");
    QTest::addColumn<QGeoCoordinate>("threshold1");
    QTest::addColumn<QString>("name0");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<int>("surface");
    QTest::addColumn<float>("ils0");
    QTest::addColumn<QString>("ident0");

    QTest::newRow("with ils") << "EDDF" << QGeoCoordinate(50.0458, 8.5865) << QGeoCoordinate(50.0273, 8.5346)
                              << "07L" << "25R" << 2 << 110.7f << "IFMF";
    QTest::newRow("grass") << "ÖREB" << QGeoCoordinate(59.2, 15.0) << QGeoCoordinate(59.21, 15.02) << "01" << "19"
                           << 3 << 0.0f << QString();
    QTest::newRow("one end") << "X1Y" << QGeoCoordinate(-17.75, 179.999) << QGeoCoordinate(-17.76, -179.999)
                             << "" << "27" << 25 << 0.0f << "";
    // clang-format on
}

void TestReadBack::runway()
{
    QFETCH(QString, airport);
    QFETCH(QGeoCoordinate, threshold0);
    QFETCH(QGeoCoordinate, threshold1);
    QFETCH(QString, name0);
    QFETCH(QString, name1);
    QFETCH(int, surface);
    QFETCH(float, ils0);
    QFETCH(QString, ident0);

    Runway built(airport, threshold0, name0, 60.0f, threshold1, name1, 0.0f, 45.0f, surface, 1, 0);
    built.setIlsAt(0, ils0, ident0);
    built.setIlsAt(1, 109.5f, QStringLiteral("IRW"));

    const QByteArray record = recordOf(built);
    std::unique_ptr<Runway> read = readBack<Runway>(record);
    QVERIFY(read);
    compareItems(*read, built);
    QVERIFY(sameString(read->airport(), built.airport()));
    QVERIFY(sameString(read->codes(), built.codes()));
    QVERIFY(sameDouble(read->length(), built.length()));
    QVERIFY(sameDouble(read->width(), built.width()));
    QCOMPARE(read->surface(), built.surface());
    QCOMPARE(read->hasCentreLights(), built.hasCentreLights());
    QCOMPARE(read->hasEdgeLights(), built.hasEdgeLights());
    QCOMPARE(read->isHardLong(), built.isHardLong());
    for (int end = 0; end < 2; ++end) {
        QVERIFY(sameString(read->endName(end), built.endName(end)));
        QVERIFY(sameCoordinate(read->threshold(end), built.threshold(end)));
        QVERIFY(sameDouble(read->extension(end), built.extension(end)));
        QVERIFY(sameDouble(read->heading(end), built.heading(end)));
        QVERIFY(sameDouble(read->ilsFrequency(end), built.ilsFrequency(end)));
        QVERIFY(sameString(read->ilsIdent(end), built.ilsIdent(end)));
        QVERIFY(sameString(read->ilsText(end), built.ilsText(end)));
    }
    QVERIFY(sameString(read->detailsHtml(2, true), built.detailsHtml(2, true)));
    QCOMPARE(read->uid(), airport + QLatin1Char('/') + name0 + QLatin1Char('-') + name1);
    QCOMPARE(recordOf(*read), record);
}

QTEST_GUILESS_MAIN(TestReadBack)
#include "tst_readback.moc"
