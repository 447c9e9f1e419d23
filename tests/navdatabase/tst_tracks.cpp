#include "database.h"
#include "httptestserver.h"
#include "point.h"
#include "segment.h"
#include "settings.h"
#include "testsupport.h"
#include "tracks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

namespace {

// fix("5620N", "5620N", "CY"): an enroute fix. A coordinate's fix serves only at the coordinate,
// a name only near the track's other points.
Point *fix(const QString &code, const QString &name, const QString &region = QStringLiteral("CY"),
           const QGeoCoordinate &position = QGeoCoordinate(50.0, -30.0),
           const QString &terminal = QStringLiteral("ENRT"), int type = Point::FIX)
{
    return new Point(type, position, code, terminal, region, name, 0, 0.0f, QString());
}

QJsonObject track(const QString &type, const QString &code, const QStringList &points)
{
    QJsonObject object;
    object.insert(QStringLiteral("type"), type);
    object.insert(QStringLiteral("code"), code);
    object.insert(QStringLiteral("p0_code"), points.value(0));
    QJsonArray route;
    for (int i = 1; i + 1 < points.size(); ++i)
        route.append(points.at(i));
    object.insert(QStringLiteral("route"), route);
    object.insert(QStringLiteral("p1_code"), points.size() > 1 ? points.last() : QString());
    return object;
}

QByteArray document(const QList<QJsonObject> &objects)
{
    QJsonArray array;
    for (const QJsonObject &object : objects)
        array.append(object);
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QList<Segment *> trackSegments()
{
    QList<Segment *> result;
    for (int row = 0; row < Database::segmentCount(); ++row) {
        Segment *segment = Database::segmentAt(row);
        if (segment && segment->type() == Segment::TRACK)
            result.append(segment);
    }
    return result;
}

// "RESNO>5620N" per segment, by point codes.
QStringList chain(const QList<Segment *> &segments, const QString &name)
{
    QStringList result;
    for (const Segment *segment : segments)
        if (segment->name() == name)
            result.append(segment->from()->code() + QLatin1Char('>') + segment->to()->code());
    return result;
}

// An entry of a track's message, where it lies and the code of its fix (empty where none lies);
// a name of its own (a landfall, a turning point) may be moved elsewhere.
struct Entry
{
    QString text;
    QGeoCoordinate place;
    QString code;
    bool name = false;
};

constexpr double kMetresPerNm = 1852.0;

double uniform(QRandomGenerator &random, double from, double to)
{
    return from + random.generateDouble() * (to - from);
}

// The course of a track flying from one place on through another, at the second.
double onward(const QGeoCoordinate &from, const QGeoCoordinate &at)
{
    return at.azimuthTo(from) + 180.0;
}

double turnDegrees(double course, double other)
{
    const double turn = std::fmod(std::abs(course - other), 360.0);
    return turn > 180.0 ? 360.0 - turn : turn;
}

// A fix at a coordinate marks it, whatever its name: a name's fix lies off every one.
QGeoCoordinate offCoordinates(const QGeoCoordinate &place)
{
    const auto near = [](double degrees) { return std::abs(degrees * 2.0 - std::round(degrees * 2.0)) < 0.2; };
    return near(place.latitude()) && near(place.longitude()) ? QGeoCoordinate(place.latitude() + 0.2, place.longitude())
                                                             : place;
}

// A NAT or PACOTS track of a real shape: coordinates every 10 degrees of longitude (5620N, 56/20,
// half degrees as 5630/20 or H5620), on the Pacific also 20, across 180 degrees; Pacific turning
// points near the legs they are named on; landfall fixes beyond both ends, turning the track
// sharply only where one stands alone, and on the Pacific in rows that curve gently. Some
// coordinates have no fix, in every track that passes them.
QList<Entry> shapedTrack(QRandomGenerator &random, bool nat, QHash<QString, bool> &hasFix, int &names)
{
    const auto name = [&names] {
        QString text(QLatin1Char('Q'));
        for (int number = names++, i = 0; i < 4; ++i, number /= 26)
            text += QChar('A' + number % 26);
        return text;
    };
    QList<Entry> track;
    const bool half = nat && random.bounded(4) == 0;
    int latitude = nat ? 44 + random.bounded(18) : 25 + random.bounded(25);
    const int last = nat ? -50 - 10 * random.bounded(2) : 220 + 10 * random.bounded(2);
    for (int longitude = nat ? -20 : 140 + 10 * random.bounded(2), step = 0;
         nat ? longitude >= last : longitude <= last; longitude += step) {
        latitude = std::clamp(latitude + random.bounded(-2, 3) * std::abs(step) / 10, nat ? 40 : 20, nat ? 64 : 52);
        const QString lat = QStringLiteral("%1").arg(latitude, 2, 10, QLatin1Char('0'));
        const int degrees = longitude > 180 ? 360 - longitude : std::abs(longitude);
        const QString lon = QStringLiteral("%1").arg(degrees % 100, 2, 10, QLatin1Char('0'));
        const QGeoCoordinate place(latitude + (half ? 0.5 : 0.0), longitude > 180 ? longitude - 360 : longitude);
        QString text = lat + QLatin1Char('/') + lon;
        if (half)
            text = random.bounded(2) ? lat + QStringLiteral("30/") + lon : QLatin1Char('H') + lat + lon;
        else if (nat && random.bounded(2))
            text = lat + lon + QLatin1Char('N');
        else if (!nat)
            text = lat + QStringLiteral("N%1").arg(degrees, 3, 10, QLatin1Char('0'))
                   + (longitude > 180 || (longitude == 180 && random.bounded(2)) ? QLatin1Char('W') : QLatin1Char('E'));
        const QString code = nat ? (half ? QLatin1Char('H') + lat + lon : lat + lon + QLatin1Char('N'))
                                 : lat + (longitude > 180 ? QLatin1Char('N') : QLatin1Char('E')) + lon;
        const auto known = hasFix.constFind(code);
        const bool fixed = known != hasFix.cend() ? *known : *hasFix.insert(code, random.bounded(7) != 0);
        if (!nat && track.size() > 1 && longitude != last && random.bounded(3) == 0) {
            const QGeoCoordinate &from = track.last().place;
            const double course = from.azimuthTo(place);
            const QString turningPoint = name();
            track.append(
                {turningPoint,
                 offCoordinates(from.atDistanceAndAzimuth(from.distanceTo(place) * uniform(random, 0.25, 0.75), course)
                                    .atDistanceAndAzimuth(uniform(random, 0.0, 50.0) * kMetresPerNm,
                                                          course + (random.bounded(2) ? 90.0 : -90.0))),
                 turningPoint, true});
        }
        track.append({text, place, fixed ? code : QString()});
        step = nat ? -10 : (random.bounded(3) == 0 ? 20 : 10);
    }
    if (random.bounded(2))
        std::reverse(track.begin(), track.end());
    for (const bool atStart : {true, false}) {
        const int count = int(random.bounded(nat ? 3 : 6));
        QGeoCoordinate from = track.at(atStart ? 1 : track.size() - 2).place;
        QGeoCoordinate at = track.at(atStart ? 0 : track.size() - 1).place;
        double course = onward(from, at) + uniform(random, -1.0, 1.0) * (count == 1 ? 70.0 : 45.0);
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                course = onward(from, at) + uniform(random, -15.0, 15.0);
            const double nm = i == 0 ? uniform(random, 30.0, 400.0) : uniform(random, 20.0, nat ? 150.0 : 300.0);
            from = std::exchange(at, offCoordinates(at.atDistanceAndAzimuth(nm * kMetresPerNm, course)));
            const QString landfall = name();
            track.insert(atStart ? 0 : track.size(), {landfall, at, landfall, true});
        }
    }
    return track;
}

// Whether a name moved to the place, from the entry at the given index of the track, lies elsewhere
// whichever of its neighbours judge it: far from every leg of the track, and from where it would
// continue the track beyond either of the two points before it or after it.
bool elsewhere(const QList<QGeoCoordinate> &track, qsizetype moved, const QGeoCoordinate &place)
{
    for (qsizetype i = 1; i < track.size(); ++i) {
        const double nm = track.at(i - 1).distanceTo(track.at(i)) / kMetresPerNm;
        const double course = track.at(i - 1).azimuthTo(track.at(i));
        for (double along = 0.0; along <= nm; along += 25.0) {
            if (track.at(i - 1).atDistanceAndAzimuth(along * kMetresPerNm, course).distanceTo(place)
                < 500.0 * kMetresPerNm)
                return false;
        }
    }
    for (const qsizetype step : {-1, 1}) {
        for (qsizetype end = moved + step; std::abs(end - moved) <= 2 && end >= 0 && end < track.size(); end += step) {
            for (qsizetype from = end + step; std::abs(from - end) <= 3 && from >= 0 && from < track.size();
                 from += step) {
                const double nm = track.at(end).distanceTo(place) / kMetresPerNm;
                const double turn = turnDegrees(onward(track.at(from), track.at(end)), track.at(end).azimuthTo(place));
                if (nm <= 1440.0 && turn <= 100.0 && nm * std::sin(qDegreesToRadians(turn)) <= 720.0)
                    return false;
            }
        }
    }
    return true;
}

} // namespace

class TestTracks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void resolution_data();
    void resolution();
    void namesakesNearestTheTrack_data();
    void namesakesNearestTheTrack();
    void namesLaidWhereTheMessagePutsThem_data();
    void namesLaidWhereTheMessagePutsThem();
    void shapedTracksLaidOnTheirLine();
    void runReplacesTracks();
    void failuresKeepTracks_data();
    void failuresKeepTracks();
    void noTrackKeepsTracks();
    void secondUpdateIgnored();
    void waitsForDatabaseChange();
    void defaultsBuildTracks();
    void defaultsOnEmptyDatabase();
    void defaultsRefusedWhileUpdating();
    void extraFixServesNatCoordinate();

private:
    // Serves the document at /track and runs one update to its end.
    void run(Tracks &tracks, const QByteArray &body);

    QTemporaryDir m_home;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Database> m_db;
    HttpTestServer m_server;
};

void TestTracks::initTestCase()
{
    qputenv("HOME", m_home.path().toLocal8Bit());
    TestSupport::initApplication();
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    m_settings = std::make_unique<Settings>();
    m_db = std::make_unique<Database>();
    QVERIFY(m_server.listen());
    Settings::setString(QStringLiteral("database/tracksUrl"), m_server.url(QStringLiteral("/track")));
}

void TestTracks::init()
{
    m_db->clear();
}

void TestTracks::run(Tracks &tracks, const QByteArray &body)
{
    HttpTestServer::Reply reply;
    reply.body = body;
    m_server.setReply(QStringLiteral("/track"), reply);
    tracks.update();
    QVERIFY(tracks.updating());
    QTRY_VERIFY_WITH_TIMEOUT(!tracks.updating(), 10000);
}

void TestTracks::resolution_data()
{
    // clang-format off
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QGeoCoordinate>("at"); // where the entry, the track's other fix and the fixes lie
    QTest::addColumn<QStringList>("fixes"); // code/name/region, or code/name/region@latitude,longitude
    QTest::addColumn<QString>("expected");  // code of the point reached, empty for none

    const QGeoCoordinate there(50.0, -30.0);
    QTest::newRow("name") << "N" << "RESNO" << there << QStringList{"RESNO/RESNO/EG"} << "RESNO";
    QTest::newRow("NAT whole") << "N" << "56/20" << QGeoCoordinate(56, -20) << QStringList{"X1/56/20/EG", "5620N/5620N/EG"} << "5620N";
    QTest::newRow("NAT half") << "N" << "5430/20" << QGeoCoordinate(54.5, -20) << QStringList{"X2/5430/20/EG", "H5420/H5420/EG"} << "H5420";
    QTest::newRow("NAT quarter, the fix at it") << "N" << "5515/20" << QGeoCoordinate(55.25, -20) << QStringList{"X3/5515/20/EG"} << "X3";
    QTest::newRow("NAT east, the fix at it") << "N" << "50N004E" << QGeoCoordinate(50, 4) << QStringList{"X4/50N004E/EG"} << "X4";
    // Written the other way round, in a region of no track: the fix lies at the coordinate.
    QTest::newRow("NAT fix named the other way") << "N" << "48/40" << QGeoCoordinate(48, -40) << QStringList{"48N40/48N40/LP", "4840N/4840N/CY@48.5,-40"} << "48N40";
    QTest::newRow("NAT written as the code, the fix named otherwise") << "N" << "5620N" << QGeoCoordinate(56, -20) << QStringList{"56N20/56N20/BI"} << "56N20";
    QTest::newRow("NAT form A") << "N" << "57N030W" << QGeoCoordinate(57, -30) << QStringList{"5730N/5730N/CY"} << "5730N";
    QTest::newRow("NAT code off its coordinate") << "N" << "56/20" << QGeoCoordinate(56, -20) << QStringList{"5620N/5620N/EG@56.5,-20"} << "";
    QTest::newRow("PACOTS form B") << "P" << "50/40" << QGeoCoordinate(50, -40) << QStringList{"X5/50/40/PA", "5040N/5040N/PA"} << "5040N";
    QTest::newRow("PACOTS name fallback") << "P" << "50/40" << QGeoCoordinate(50, -40) << QStringList{"X5/50/40/PA"} << "X5";
    QTest::newRow("PACOTS north west") << "P" << "26N170W" << QGeoCoordinate(26, -170) << QStringList{"X6/26N170W/PA", "26N70/26N70/PA"} << "26N70";
    QTest::newRow("PACOTS by name") << "P" << "26N170W" << QGeoCoordinate(26, -170) << QStringList{"X6/26N170W/PA"} << "X6";
    QTest::newRow("PACOTS north east") << "P" << "28N180E" << QGeoCoordinate(28, 180) << QStringList{"28E80/28E80/RJ"} << "28E80";
    QTest::newRow("PACOTS south east") << "P" << "30S170E" << QGeoCoordinate(-30, 170) << QStringList{"30S70/30S70/P"} << "30S70";
    QTest::newRow("PACOTS south west") << "P" << "15S050W" << QGeoCoordinate(-15, -50) << QStringList{"1550W/1550W/P"} << "1550W";
    QTest::newRow("PACOTS minutes") << "P" << "3030N14000W" << QGeoCoordinate(30.5, -140) << QStringList{"3030N/3030N/PA", "X7/3030N14000W/PA"} << "X7";
    // 180°W is 180°E.
    QTest::newRow("PACOTS on the date line") << "P" << "40N180W" << QGeoCoordinate(40, 180) << QStringList{"DATEL/DATEL/PA"} << "DATEL";
    // Under a mile off, which at 62°N is two minutes of longitude.
    QTest::newRow("NAT far north, a fix under a mile off") << "N" << "62/30" << QGeoCoordinate(62, -30) << QStringList{"62N30/62N30/BI@62,-30.03"} << "62N30";
    // A data set that names 56N 50W 56N50, the code of 56N 150W.
    QTest::newRow("PACOTS code named the other way") << "P" << "56N150W" << QGeoCoordinate(56, -150) << QStringList{"56N50/56N50/CY@56,-50"} << "";
    QTest::newRow("PACOTS name where the code is elsewhere") << "P" << "56N150W" << QGeoCoordinate(56, -150) << QStringList{"56N50/56N50/CY@56,-50", "X9/56N150W/PA"} << "X9";
    QTest::newRow("out of range is a name") << "P" << "95N010W" << there << QStringList{"X8/95N010W/PA"} << "X8";
    QTest::newRow("region not oceanic") << "N" << "RESNO" << there << QStringList{"RESNO/RESNO/ED"} << "";
    QTest::newRow("region case") << "N" << "RESNO" << there << QStringList{"RESNO/RESNO/eg"} << "";
    QTest::newRow("lowest row wins") << "N" << "DUPE" << there << QStringList{"D1/DUPE/EG", "D2/DUPE/CY"} << "D1";
    QTest::newRow("unknown") << "N" << "NOSUCH" << there << QStringList{"RESNO/RESNO/EG"} << "";
    // clang-format on
}

void TestTracks::resolution()
{
    QFETCH(QString, type);
    QFETCH(QString, entry);
    QFETCH(QGeoCoordinate, at);
    QFETCH(QStringList, fixes);
    QFETCH(QString, expected);

    // A degree west of the entry: near it, but no fix at its coordinate.
    m_db->addPoint(fix(QStringLiteral("ANCHR"), QStringLiteral("ANCHR"), QStringLiteral("EG"),
                       QGeoCoordinate(at.latitude(), at.longitude() - 1.0)));
    for (const QString &entry : fixes) {
        // The name may itself hold a slash: code first, region last.
        const QString fields = entry.section(QLatin1Char('@'), 0, 0);
        const QString code = fields.section(QLatin1Char('/'), 0, 0);
        const QString region = fields.section(QLatin1Char('/'), -1);
        const QString name = fields.section(QLatin1Char('/'), 1, -2);
        const QStringList elsewhere = entry.section(QLatin1Char('@'), 1).split(QLatin1Char(','));
        m_db->addPoint(
            fix(code, name, region,
                elsewhere.size() == 2 ? QGeoCoordinate(elsewhere.at(0).toDouble(), elsewhere.at(1).toDouble()) : at));
    }
    // A VOR and a terminal fix of that name never serve.
    m_db->addPoint(fix(QStringLiteral("V1"), entry, QStringLiteral("EG"), at, QStringLiteral("ENRT"), Point::VOR));
    m_db->addPoint(fix(QStringLiteral("T1"), entry, QStringLiteral("EG"), at, QStringLiteral("EGLL")));
    Tracks tracks(m_db.get());
    run(tracks, document({track(type, QStringLiteral("X"), {QStringLiteral("ANCHR"), entry})}));

    const QList<Segment *> segments = trackSegments();
    if (expected.isEmpty()) {
        QVERIFY(segments.isEmpty());
        return;
    }
    QCOMPARE(segments.size(), 1);
    QCOMPARE(segments.first()->from()->code(), QStringLiteral("ANCHR"));
    QCOMPARE(segments.first()->to()->code(), expected);
    QCOMPARE(segments.first()->name(),
             (type == QLatin1String("N") ? QStringLiteral("NATX") : QStringLiteral("PACOTX")));
}

// Fixes of one name in several oceanic regions may lie oceans apart: a coordinate takes the one
// at its position, a name the one nearest the point before it (the first, the one after it).
void TestTracks::namesakesNearestTheTrack_data()
{
    // clang-format off
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("latitudes"); // of the points reached, in order

    QTest::newRow("name after a point") << "N" << QStringList{"ANCHR", "DUPE"} << "50 51";
    QTest::newRow("name first") << "N" << QStringList{"DUPE", "ANCHR"} << "51 50";
    QTest::newRow("coordinate") << "N" << QStringList{"ANCHR", "56/20"} << "50 56";
    QTest::newRow("name after a coordinate") << "N" << QStringList{"56/20", "DUPE"} << "56 51";
    QTest::newRow("name before a coordinate") << "N" << QStringList{"DUPE", "56/20"} << "51 56";
    // The only fix of the name lies an ocean away, as an ELSIR near Vancouver for NAT R.
    QTest::newRow("lone namesake an ocean away") << "N" << QStringList{"FARAW", "56/20", "ANCHR"} << "56 50";
    // Three entries from 56/20, 3,432 NM away, it would be within reach.
    QTest::newRow("lone namesake an ocean away, unknown names between") << "N" << QStringList{"FARAW", "NOSU1", "NOSU2", "56/20", "ANCHR"} << "56 50";
    QTest::newRow("names alone, one a continent away beyond unknown names") << "N" << QStringList{"NEARB", "ANCHR", "NOSU1", "NOSU2", "INLND"} << "52 50";
    // Names alone: the two that agree place the track, the third lies an ocean away.
    QTest::newRow("unambiguous fixes that disagree") << "N" << QStringList{"ANCHR", "NEARB", "FARAW"} << "50 52";
    // Every name has namesakes: the first in row order lies on the other ocean.
    QTest::newRow("namesakes on the Atlantic") << "N" << QStringList{"DUPE", "TWIN"} << "51 52";
    QTest::newRow("namesakes on the Pacific") << "P" << QStringList{"TWIN", "DUPE"} << "12 10";
    // clang-format on
}

void TestTracks::namesakesNearestTheTrack()
{
    QFETCH(QString, type);
    QFETCH(QStringList, entries);
    QFETCH(QString, latitudes);

    const auto add = [this](const char *code, const char *region, double latitude, double longitude) {
        m_db->addPoint(new Point(Point::FIX, QGeoCoordinate(latitude, longitude), QString::fromLatin1(code),
                                 QStringLiteral("ENRT"), QString::fromLatin1(region), QString::fromLatin1(code), 0,
                                 0.0f, QString()));
    };
    add("ANCHR", "EG", 50.0, -30.0);
    add("DUPE", "PA", 10.0, 150.0);
    add("DUPE", "CY", 51.0, -31.0);
    add("5620N", "PA", 0.0, 0.0);
    add("5620N", "EG", 56.0, -20.0);
    add("FARAW", "CY", 49.2, -123.5);
    add("NEARB", "CY", 52.0, -35.0);
    add("TWIN", "CY", 52.0, -32.0);
    add("TWIN", "PA", 12.0, 148.0);
    add("INLND", "CY", 49.98, -97.51);

    Tracks tracks(m_db.get());
    run(tracks, document({track(type, QStringLiteral("X"), entries)}));
    const QList<Segment *> segments = trackSegments();
    QCOMPARE(segments.size(), 1);
    QCOMPARE(QStringLiteral("%1 %2").arg(segments.first()->from()->latitude()).arg(segments.first()->to()->latitude()),
             latitudes);
}

// A name is laid only where its neighbours in the message put it, a coordinate's place counting
// whether or not a fix marks it; the entries left out between are bridged by one leg.
void TestTracks::namesLaidWhereTheMessagePutsThem_data()
{
    // clang-format off
    QTest::addColumn<QString>("type");    // N, P, or the identifier of a built-in track
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("legs");
    QTest::addColumn<QString>("leftOut"); // as the pilot's track log names them

    // REUTR, in Rhode Island, lies 1,100 NM beyond the leg's west end, 53N50.
    QTest::newRow("middle, beyond the leg, unknown names beside") << "N" << "MALOT 5320N NOSUCH NOSUC2 REUTR NOSUC3 5350N CRONO" << "MALOT>53N20 53N20>53N50 53N50>CRONO" << "NOSUCH NOSUC2 REUTR NOSUC3";
    // NADMA, in Baffin Bay, lies 1,156 NM off the track's end at right angles to it.
    QTest::newRow("last, off at a right angle") << "N" << "MALOT 5320N 5430N 5440N 5350N NADMA" << "MALOT>53N20 53N20>54N30 54N30>54N40 54N40>53N50" << "NADMA";
    // BACKF lies back over the whole track, 1,198 NM from CRONO beyond a last leg of 139 NM.
    QTest::newRow("last, back over a short last leg") << "N" << "53/40 53/50 CRONO BACKF" << "53N40>53N50 53N50>CRONO" << "BACKF";
    // NEEKO and BACKF lie back over the track, each where the one before it would put it.
    QTest::newRow("last, a row of names back over the track") << "N" << "53/40 53/50 NEEKO BACKF" << "53N40>53N50" << "NEEKO BACKF";
    // DOGIF lies 448 NM off its leg; once it is left out, DANNO turns 84 degrees 397 NM off 30N160W.
    QTest::newRow("a wrong name before a right last one") << "P" << "SEALS 36N150E 36N160E 34N180E DOGIF 30N160W DANNO" << "SEALS>DANNO" << "36N150E 36N160E 34N180E DOGIF 30N160W";
    // ONWRD lies 580 NM beyond CRONO: with either left out the other fits, and ONWRD fits worse.
    QTest::newRow("the worse of two misfits left out") << "N" << "53/40 53/50 ONWRD CRONO" << "53N40>53N50 53N50>CRONO" << "ONWRD";
    QTest::newRow("PACOTS, no fix at any coordinate") << "P" << "SEALS 36N150E 37N160E 36N170E 33N180E 29N170W DANNO" << "SEALS>DANNO" << "36N150E 37N160E 36N170E 33N180E 29N170W";
    // MALOT 54/20 55/30 55/40 54/50 NEEKO, NEEKO between 55/40 and 54/50.
    QTest::newRow("built-in, last back along the track") << "D" << "" << "MALOT>54N50" << "";
    QTest::newRow("built-in PACOTS, no fix at any coordinate") << "11" << "" << "SEALS>DANNO" << "";
    // clang-format on
}

void TestTracks::namesLaidWhereTheMessagePutsThem()
{
    QFETCH(QString, type);
    QFETCH(QString, entries);
    QFETCH(QString, legs);
    QFETCH(QString, leftOut);

    // clang-format off
    for (const auto &[code, region, latitude, longitude] :
         {std::tuple("MALOT", "EI", 53.0, -15.0), std::tuple("53N20", "EI", 53.0, -20.0), std::tuple("54N30", "EI", 54.0, -30.0),
          std::tuple("54N40", "CY", 54.0, -40.0), std::tuple("53N40", "CY", 53.0, -40.0), std::tuple("53N50", "CY", 53.0, -50.0),
          std::tuple("54N50", "CY", 54.0, -50.0), std::tuple("CRONO", "CY", 51.38, -52.71), std::tuple("REUTR", "K6", 41.69, -71.49),
          std::tuple("NADMA", "CY", 71.07, -64.93), std::tuple("BACKF", "EI", 53.0, -20.0), std::tuple("ONWRD", "CY", 44.0, -62.0),
          std::tuple("NEEKO", "CY", 54.0, -45.0), std::tuple("SEALS", "RJ", 35.32, 146.0), std::tuple("DOGIF", "PH", 23.26, -163.85),
          std::tuple("DANNO", "PH", 23.53, -161.58)})
        m_db->addPoint(fix(QString::fromLatin1(code), QString::fromLatin1(code), QString::fromLatin1(region), QGeoCoordinate(latitude, longitude)));
    // clang-format on
    Tracks tracks(m_db.get());
    QString name
        = (type.front().isDigit() || type == QLatin1String("P") ? QStringLiteral("PACOT") : QStringLiteral("NAT"));
    if (type == QLatin1String("N") || type == QLatin1String("P")) {
        run(tracks, document({track(type, QStringLiteral("X"), entries.split(QLatin1Char(' ')))}));
        name += QLatin1Char('X');
        QVERIFY2(leftOut.isEmpty() ? !tracks.log().contains(QStringLiteral("Left out"))
                                   : tracks.log().endsWith(QStringLiteral("Left out: %1<br/>").arg(leftOut)),
                 qPrintable(tracks.log()));
    } else {
        tracks.defaults();
        name += type;
    }
    QCOMPARE(chain(trackSegments(), name).join(QLatin1Char(' ')), legs);
}

// Real-shaped tracks are laid whole; with any one name moved elsewhere, that name alone is left
// out, and no leg leaves the track's line. Every track and every moved name is one track of the
// same answer.
void TestTracks::shapedTracksLaidOnTheirLine()
{
    QRandomGenerator random(6811);
    QHash<QString, bool> hasFix;
    int names = 0;
    QList<QJsonObject> objects;
    QHash<QString, QList<Entry>> sent;
    for (int t = 0; t < 200; ++t) {
        const bool nat = t % 2 == 0;
        const QList<Entry> shaped = shapedTrack(random, nat, hasFix, names);
        QList<QGeoCoordinate> places;
        for (const Entry &entry : shaped) {
            places.append(entry.place);
            if (entry.name
                || (!entry.code.isEmpty() && !Database::findPointByName(entry.code, "ENRT", {"CY", "PA"}, Point::FIX)))
                m_db->addPoint(fix(entry.code, entry.code, nat ? "CY" : "PA", entry.place));
        }
        for (qsizetype moved = -1; moved < shaped.size(); ++moved) {
            if (moved >= 0 && !shaped.at(moved).name)
                continue;
            QList<Entry> message = shaped;
            if (moved >= 0) {
                QGeoCoordinate place;
                do
                    place = offCoordinates(QGeoCoordinate(uniform(random, nat ? 30 : 5, nat ? 72 : 62),
                                                          nat ? uniform(random, -75, 5)
                                                              : std::remainder(uniform(random, 120, 250), 360.0)));
                while (!elsewhere(places, moved, place));
                message[moved] = {QStringLiteral("W%1").arg(names++), place, QString(), true};
                m_db->addPoint(fix(message.at(moved).text, message.at(moved).text, nat ? "CY" : "PA", place));
            }
            const QString code = QStringLiteral("%1v%2").arg(t).arg(moved + 1);
            QStringList texts;
            for (const Entry &entry : std::as_const(message))
                texts.append(entry.text);
            objects.append(track(nat ? "N" : "P", code, texts));
            sent.insert((nat ? "NAT" : "PACOT") + code, message);
        }
    }
    Tracks tracks(m_db.get());
    run(tracks, document(objects));

    QHash<QString, QString> leftOut;
    QString current;
    for (const QString &line : tracks.log().split("<br/>")) {
        if (line.startsWith("-&nbsp;"))
            current = (line.at(7) == 'N' ? "NAT" : "PACOT") + line.section(' ', 0, 0).section('/', 1);
        else if (line.startsWith("&nbsp;&nbsp;Left out: "))
            leftOut.insert(current, line.mid(22));
    }
    const QList<Segment *> segments = trackSegments();
    for (auto it = sent.cbegin(); it != sent.cend(); ++it) {
        QStringList legs;
        QStringList out;
        QString laid;
        QString told;
        for (const Entry &entry : it.value()) {
            if (entry.code.isEmpty())
                out.append(entry.text);
            else if (const QString from = std::exchange(laid, entry.code); !from.isEmpty())
                legs.append(from + '>' + laid);
            told += QStringLiteral("%1 (%2 %3) ")
                        .arg(entry.text)
                        .arg(entry.place.latitude(), 0, 'f', 2)
                        .arg(entry.place.longitude(), 0, 'f', 2);
        }
        QVERIFY2(chain(segments, it.key()) == legs && leftOut.value(it.key()) == out.join(' '),
                 qPrintable(QStringLiteral("%1: %2\nlegs %3\nwanted %4\nleft out %5\nwanted %6")
                                .arg(it.key(), told, chain(segments, it.key()).join(' '), legs.join(' '),
                                     leftOut.value(it.key()), out.join(' '))));
    }
}

void TestTracks::runReplacesTracks()
{
    for (const auto &[code, latitude, longitude] :
         {std::tuple("RESNO", 55.0, -15.0), std::tuple("5620N", 56.0, -20.0), std::tuple("5730N", 57.0, -30.0),
          std::tuple("JANJO", 56.5, -57.0), std::tuple("DANNO", 23.5, -161.6), std::tuple("26N70", 26.0, -170.0),
          std::tuple("28E80", 28.0, 180.0), std::tuple("54N40", 54.0, -40.0), std::tuple("53N50", 53.0, -50.0),
          std::tuple("LIVBU", 49.98, -97.51)})
        m_db->addPoint(fix(QString::fromLatin1(code), QString::fromLatin1(code), QStringLiteral("PA"),
                           QGeoCoordinate(latitude, longitude)));
    Point *resno = Database::findPointByName(QStringLiteral("RESNO"), QStringLiteral("ENRT"), {QStringLiteral("PA")},
                                             Point::FIX);
    Point *janjo = Database::findPointByName(QStringLiteral("JANJO"), QStringLiteral("ENRT"), {QStringLiteral("PA")},
                                             Point::FIX);
    QVERIFY(resno && janjo);
    auto *old = new Segment(Segment::FORWARD, Segment::TRACK, resno, janjo, QStringLiteral("NATOLD"), 0, 0);
    m_db->addSegment(old);
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::HIGH, resno, janjo, QStringLiteral("UN540"), 245, 460));

    Tracks tracks(m_db.get());
    QSignalSpy databaseUpdated(m_db.get(), &Database::updated);
    run(tracks, document({track(QStringLiteral("N"), QStringLiteral("A"),
                                {QStringLiteral("RESNO"), QStringLiteral("56/20"), QStringLiteral("5515/20"),
                                 QStringLiteral("57/30"), QStringLiteral("JANJO")}),
                          track(QStringLiteral("P"), QStringLiteral("11"),
                                {QStringLiteral("DANNO"), QStringLiteral("26N170W"), QStringLiteral("28N180E")}),
                          // Unknown names between do not bring a fix a continent away within reach.
                          track(QStringLiteral("N"), QStringLiteral("B"),
                                QStringList{"5440N", "NOSUCH", "LIVBU", "NOSUC2", "5350N"})}));

    const QList<Segment *> segments = trackSegments();
    QCOMPARE(chain(segments, QStringLiteral("NATA")), QStringList({"RESNO>5620N", "5620N>5730N", "5730N>JANJO"}));
    QCOMPARE(chain(segments, QStringLiteral("PACOT11")), QStringList({"DANNO>26N70", "26N70>28E80"}));
    QCOMPARE(chain(segments, QStringLiteral("NATB")), QStringList{"54N40>53N50"});
    QCOMPARE(segments.size(), 6);
    for (const Segment *segment : segments) {
        QVERIFY(segment->isForward());
        QCOMPARE(segment->minLevel(), 0);
        QCOMPARE(segment->maxLevel(), 0);
    }
    // The replaced segment may still sit in a flight plan: it must stay readable.
    QCOMPARE(old->name(), QStringLiteral("NATOLD"));
    QCOMPARE(old->from(), resno);
    QVERIFY(Database::findSegment(old->uid(), false) == nullptr);
    QCOMPARE(Database::segmentCount(), 7);
    QVERIFY(databaseUpdated.count() >= 1);

    QVERIFY(!tracks.failed());
    QCOMPARE(tracks.log(), QStringLiteral("-&nbsp;N/A RESNO 56/20 5515/20 57/30 JANJO<br/>"
                                          "&nbsp;&nbsp;Left out: 5515/20<br/>"
                                          "-&nbsp;P/11 DANNO 26N170W 28N180E<br/>"
                                          "-&nbsp;N/B 5440N NOSUCH LIVBU NOSUC2 5350N<br/>"
                                          "&nbsp;&nbsp;Left out: NOSUCH LIVBU NOSUC2<br/>"));
}

void TestTracks::failuresKeepTracks_data()
{
    // clang-format off
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reason");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<qint64>("sendOnly");
    QTest::addColumn<QString>("logStart");

    const QByteArray valid = document({track(QStringLiteral("N"), QStringLiteral("A"), {QStringLiteral("AAA"), QStringLiteral("BBB")})});
    QTest::newRow("404") << 404 << QByteArray() << QByteArray("gone") << 0 << qint64(-1) << "Cannot download tracks: ";
    QTest::newRow("reason escaped") << 500 << QByteArray("Broken <b> & co") << QByteArray("x") << 0 << qint64(-1)
                                    << "Cannot download tracks: ";
    QTest::newRow("short body") << 200 << QByteArray() << valid << 0 << qint64(10) << "Cannot download tracks: ";
    QTest::newRow("slow") << 200 << QByteArray() << valid << 2000 << qint64(-1)
                          << "Cannot download tracks: the service did not answer in time";
    // Ended by the network layer's time-out; the next runs are answered all the same.
    QTest::newRow("headers without end") << 200 << QByteArray() << valid << 0 << qint64(-1)
                                         << "Cannot download tracks: the service did not answer in time";
    // Parsed whole, an answer far longer than any day's tracks would be read whole first.
    QTest::newRow("too long") << 200 << QByteArray() << QByteArray(5 * 1024 * 1024, ' ') + valid << 0 << qint64(-1)
                              << "Cannot download tracks: the answer is too long";
    QTest::newRow("malformed") << 200 << QByteArray() << QByteArray("[{\"type\":\"N\",") << 0 << qint64(-1)
                               << "Cannot read tracks: ";
    QTest::newRow("empty") << 200 << QByteArray() << QByteArray(" \r\n") << 0 << qint64(-1)
                           << "Cannot read tracks: the answer is empty.";
    QTest::newRow("object") << 200 << QByteArray() << QByteArray("{\"type\":\"N\"}") << 0 << qint64(-1)
                            << "Cannot read tracks: expected a list of tracks.";
    // clang-format on
}

void TestTracks::failuresKeepTracks()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reason);
    QFETCH(QByteArray, body);
    QFETCH(int, delayMs);
    QFETCH(qint64, sendOnly);
    QFETCH(QString, logStart);

    m_db->addPoint(fix(QStringLiteral("AAA"), QStringLiteral("AAA")));
    m_db->addPoint(fix(QStringLiteral("BBB"), QStringLiteral("BBB")));
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::TRACK, Database::pointAt(0), Database::pointAt(1),
                                 QStringLiteral("NATOLD"), 0, 0));

    HttpTestServer::Reply reply;
    reply.status = status;
    reply.reason = reason;
    reply.body = body;
    reply.delayMs = delayMs;
    reply.sendOnly = sendOnly;
    reply.endlessHeaders = QByteArray(QTest::currentDataTag()) == "headers without end";
    m_server.setReply(QStringLiteral("/track"), reply);

    Tracks tracks(m_db.get());
    // Short only where the server is to be too slow: a busy machine may take longer to answer.
    tracks.setTransferTimeout(delayMs > 0 || reply.endlessHeaders ? 300 : 30000);
    QSignalSpy updated(&tracks, &Tracks::updated);
    tracks.update();
    QTRY_VERIFY_WITH_TIMEOUT(!tracks.updating(), 10000);

    QVERIFY2(tracks.log().startsWith(logStart), qPrintable(tracks.log()));
    QVERIFY(tracks.failed());
    QVERIFY(!tracks.log().contains(QLatin1Char('<')));
    if (!reason.isEmpty())
        QVERIFY2(tracks.log().contains(QStringLiteral("Broken &lt;b&gt; &amp; co")), qPrintable(tracks.log()));
    QCOMPARE(updated.count(), 2); // the start and the end
    const QList<Segment *> segments = trackSegments();
    QCOMPARE(segments.size(), 1);
    QCOMPARE(segments.first()->name(), QStringLiteral("NATOLD"));
    if (reply.endlessHeaders) {
        reply.endlessHeaders = false;
        m_server.setReply(QStringLiteral("/track"), reply);
        for (int again = 0; again < 2; ++again) {
            tracks.update();
            QTRY_VERIFY_WITH_TIMEOUT(!tracks.updating(), 20000);
            QVERIFY2(!tracks.failed(), qPrintable(tracks.log()));
        }
        m_server.hangUp();
    }
}

// An answer that lays no track would take the track from every plan that flies one.
void TestTracks::noTrackKeepsTracks()
{
    m_db->addPoint(fix(QStringLiteral("AAA"), QStringLiteral("AAA")));
    m_db->addPoint(fix(QStringLiteral("BBB"), QStringLiteral("BBB")));
    m_db->addSegment(new Segment(Segment::FORWARD, Segment::TRACK, Database::pointAt(0), Database::pointAt(1),
                                 QStringLiteral("NATOLD"), 0, 0));
    Tracks tracks(m_db.get());
    tracks.setLog(QStringLiteral("earlier"));
    run(tracks, "[]");
    QCOMPARE(chain(trackSegments(), QStringLiteral("NATOLD")), QStringList{"AAA>BBB"});
    QVERIFY(tracks.failed());
    QCOMPARE(tracks.log(), QStringLiteral("Cannot read tracks: the answer holds no track."));

    // A lower-case type is not a known one: a log line, no track.
    run(tracks,
        document({track(QStringLiteral("n"), QStringLiteral("A"), {QStringLiteral("AAA"), QStringLiteral("BBB")})}));
    QCOMPARE(chain(trackSegments(), QStringLiteral("NATOLD")), QStringList{"AAA>BBB"});
    QVERIFY(tracks.failed());
    QCOMPARE(tracks.log(),
             QStringLiteral("-&nbsp;n/A AAA BBB<br/>No track could be laid on the fixes of the database."));

    // Entries from the service are plain text in the rich-text log.
    run(tracks,
        document({track(QStringLiteral("N"), QStringLiteral("<i>"), {QStringLiteral("A&B"), QStringLiteral("BBB")})}));
    QCOMPARE(tracks.log(), QStringLiteral("-&nbsp;N/&lt;i&gt; A&amp;B BBB<br/>&nbsp;&nbsp;Left out: A&amp;B<br/>"
                                          "No track could be laid on the fixes of the database."));
}

void TestTracks::secondUpdateIgnored()
{
    HttpTestServer::Reply reply;
    reply.body = "[]";
    reply.delayMs = 200;
    m_server.setReply(QStringLiteral("/track"), reply);
    const int before = m_server.requests().size();
    Tracks tracks(m_db.get());
    tracks.update();
    tracks.update();
    QTRY_VERIFY_WITH_TIMEOUT(!tracks.updating(), 10000);
    QCOMPARE(m_server.requests().size(), before + 1);
    QCOMPARE(m_server.requests().last(), QStringLiteral("/track"));
}

void TestTracks::waitsForDatabaseChange()
{
    m_db->addPoint(fix(QStringLiteral("AAA"), QStringLiteral("AAA")));
    Tracks tracks(m_db.get());
    HttpTestServer::Reply reply;
    reply.body
        = document({track(QStringLiteral("N"), QStringLiteral("A"), {QStringLiteral("AAA"), QStringLiteral("LATE")})});
    m_server.setReply(QStringLiteral("/track"), reply);

    // A load holds the database while the reply arrives: the run waits for it, then
    // resolves against what the load left.
    m_db->beginModifying();
    tracks.update();
    QTest::qWait(400);
    QVERIFY(tracks.updating());
    m_db->addPoint(fix(QStringLiteral("LATE"), QStringLiteral("LATE")));
    m_db->endModifying();
    QTRY_VERIFY_WITH_TIMEOUT(!tracks.updating(), 10000);
    QCOMPARE(chain(trackSegments(), QStringLiteral("NATA")), QStringList{"AAA>LATE"});
}

void TestTracks::defaultsBuildTracks()
{
    for (const auto &[name, latitude, longitude] :
         {std::tuple("RESNO", 55.0, -15.0), std::tuple("5620N", 56.0, -20.0), std::tuple("5730N", 57.0, -30.0),
          std::tuple("5740N", 57.0, -40.0), std::tuple("5650N", 56.0, -50.0), std::tuple("JANJO", 56.5, -57.0),
          // PACOTS F without a fix at its coordinates: bridged from BOSKE across the Pacific to SEALS.
          std::tuple("ALCOA", 37.8, -124.0), std::tuple("BUTEN", 37.8, -127.0), std::tuple("BOSKE", 37.83, -130.0),
          std::tuple("SEALS", 35.32, 146.0)})
        m_db->addPoint(fix(QString::fromLatin1(name), QString::fromLatin1(name), QStringLiteral("EG"),
                           QGeoCoordinate(latitude, longitude)));
    // PACOTS E at its fixes' places, without a fix at its coordinates: rows of names at both ends
    // that curve, bridged across the Pacific.
    for (const auto &[name, latitude, longitude] :
         {std::tuple("BOXER", 42.72, -126.18), std::tuple("KYLLE", 43.44, -126.66), std::tuple("KANUA", 47.69, -129.77),
          std::tuple("ORNAI", 50.0, -133.4), std::tuple("POOFF", 55.3, 178.62), std::tuple("OPAKE", 53.0, 169.89),
          std::tuple("OLCOT", 51.43, 165.56), std::tuple("OPHET", 50.96, 164.38), std::tuple("OGDEN", 49.49, 161.04),
          std::tuple("OMOTO", 49.0, 160.01)})
        m_db->addPoint(fix(QString::fromLatin1(name), QString::fromLatin1(name), QStringLiteral("PA"),
                           QGeoCoordinate(latitude, longitude)));
    // PACOTS C without PORGE.
    for (const char *name : {"JOWEN", "LOHNE", "ARCAL", "ECOMI", "NATES", "NIKLL", "NYMPH", "NUZAN", "NRKEY", "NIPPI"})
        m_db->addPoint(fix(QString::fromLatin1(name), QString::fromLatin1(name), QStringLiteral("PH")));
    const int points = Database::pointCount();

    Tracks tracks(m_db.get());
    QSignalSpy updated(&tracks, &Tracks::updated);
    tracks.defaults();
    QCOMPARE(updated.count(), 0);
    QCOMPARE(Database::pointCount(), points + 1);
    Point *extra = Database::findPoint(
        Point::uidFor(QStringLiteral("K6"), QStringLiteral("ENRT"), QStringLiteral("H4160")), false);
    QVERIFY(extra);
    QCOMPARE(extra->name(), QStringLiteral("4130N06000W"));
    QCOMPARE(extra->position(), QGeoCoordinate(41.5, -60.0));

    QList<Segment *> segments = trackSegments();
    QCOMPARE(chain(segments, QStringLiteral("NATA")),
             QStringList({"RESNO>5620N", "5620N>5730N", "5730N>5740N", "5740N>5650N", "5650N>JANJO"}));
    QCOMPARE(chain(segments, QStringLiteral("PACOTC")),
             QStringList({"JOWEN>LOHNE", "LOHNE>ARCAL", "ARCAL>ECOMI", "ECOMI>NATES", "NATES>NIKLL", "NIKLL>NYMPH",
                          "NYMPH>NUZAN", "NUZAN>NRKEY", "NRKEY>NIPPI"}));
    QCOMPARE(chain(segments, QStringLiteral("PACOTF")), QStringList({"ALCOA>BUTEN", "BUTEN>BOSKE", "BOSKE>SEALS"}));
    QCOMPARE(chain(segments, QStringLiteral("PACOTE")).join(' '),
             QStringLiteral("BOXER>KYLLE KYLLE>KANUA KANUA>ORNAI ORNAI>POOFF POOFF>OPAKE OPAKE>OLCOT OLCOT>OPHET "
                            "OPHET>OGDEN OGDEN>OMOTO"));
    const int total = segments.size();

    // Once more, as a second import over the same database would: nothing doubles.
    tracks.defaults();
    QCOMPARE(Database::pointCount(), points + 1);
    QCOMPARE(trackSegments().size(), total);
}

void TestTracks::defaultsOnEmptyDatabase()
{
    Tracks tracks(m_db.get());
    tracks.defaults();
    QCOMPARE(Database::pointCount(), 1);
    QVERIFY(trackSegments().isEmpty());
}

void TestTracks::defaultsRefusedWhileUpdating()
{
    HttpTestServer::Reply reply;
    reply.body = "[]";
    reply.delayMs = 300;
    m_server.setReply(QStringLiteral("/track"), reply);
    Tracks tracks(m_db.get());
    tracks.update();
    tracks.defaults();
    QCOMPARE(Database::pointCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!tracks.updating(), 10000);
}

void TestTracks::extraFixServesNatCoordinate()
{
    m_db->addPoint(
        fix(QStringLiteral("NASBA"), QStringLiteral("NASBA"), QStringLiteral("K6"), QGeoCoordinate(42, -58)));
    Tracks tracks(m_db.get());
    tracks.defaults();
    run(tracks, document({track(QStringLiteral("N"), QStringLiteral("Z"),
                                {QStringLiteral("4130/60"), QStringLiteral("NASBA")})}));
    QCOMPARE(chain(trackSegments(), QStringLiteral("NATZ")), QStringList{"H4160>NASBA"});
}

QTEST_MAIN(TestTracks)
#include "tst_tracks.moc"
