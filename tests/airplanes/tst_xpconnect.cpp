#include <QtTest>

#include <QDataStream>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <memory>

#include "airplanelistmodel.h"
#include "settings.h"
#include "testsupport.h"
#include "xpconnect.h"

namespace {

const QByteArray latPath = "sim/flightmodel/position/latitude";
const QByteArray lonPath = "sim/flightmodel/position/longitude";
const QByteArray headingPath = "sim/flightmodel/position/true_psi";
const QByteArray fuelPath = "sim/flightmodel/weight/m_fuel_total";
const QList<QByteArray> allPaths = {latPath,
                                    lonPath,
                                    "sim/flightmodel/position/elevation",
                                    headingPath,
                                    "sim/flightmodel/position/true_airspeed",
                                    "sim/flightmodel/position/groundspeed",
                                    "sim/flightmodel/position/vh_ind_fpm",
                                    fuelPath};

// The fields of a subscription request: frequency at byte 5, index at 9, NUL-padded path from 13.
qint32 field(const QByteArray &request, int offset)
{
    return qFromLittleEndian<qint32>(request.constData() + offset);
}
QByteArray pathOf(const QByteArray &request)
{
    return request.mid(13, request.indexOf('\0', 13) - 13);
}

// "RREF," followed by the records, written the way X-Plane lays them out.
QByteArray replyBytes(const QList<QPair<qint32, float>> &records, const QByteArray &header = "RREF,")
{
    QByteArray bytes = header;
    QDataStream out(&bytes, QIODevice::Append);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    for (const auto &record : records)
        out << record.first << record.second;
    return bytes;
}

// The simulator's side on 127.0.0.1: keeps the requests it reads, learns the index each path was
// given and, while streaming, answers at the requested rate with all its values in one datagram.
class FakeSimulator : public QObject
{
public:
    FakeSimulator()
    {
        QObject::connect(&socket, &QUdpSocket::readyRead, this, [this] { read(); });
        QObject::connect(&m_stream, &QTimer::timeout, this, [this] {
            if (streaming)
                reply(values);
        });
    }

    void send(const QByteArray &bytes) { socket.writeDatagram(bytes, client, clientPort); }
    void reply(const QHash<QByteArray, float> &byPath)
    {
        QList<QPair<qint32, float>> records;
        for (auto it = byPath.cbegin(); it != byPath.cend(); ++it)
            records.append({indexes.value(it.key()), it.value()});
        send(replyBytes(records));
    }

    QUdpSocket socket;
    QList<QByteArray> requests;
    QHash<QByteArray, qint32> indexes;
    QHash<QByteArray, float> values;
    bool streaming = false;
    QHostAddress client;
    quint16 clientPort = 0;

private:
    void read()
    {
        while (socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = socket.receiveDatagram();
            client = datagram.senderAddress();
            clientPort = quint16(datagram.senderPort());
            const QByteArray request = datagram.data();
            requests.append(request);
            if (field(request, 5) > 0) {
                indexes.insert(pathOf(request), field(request, 9));
                m_stream.start(1000 / field(request, 5));
            }
        }
    }

    QTimer m_stream;
};

// Messages as "text|error" for compact comparisons.
QStringList messages(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &args : spy)
        texts.append(args.at(0).toString() + (args.at(1).toBool() ? "|error" : ""));
    return texts;
}

} // namespace

class TstXpConnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::initApplication();
        m_settings = std::make_unique<Settings>();
        m_airplanes = std::make_unique<AirplaneListModel>();
    }

    void init()
    {
        m_settings->clear();
        m_airplanes->setAirplanes({Airplane()});
        m_fake = std::make_unique<FakeSimulator>();
        QVERIFY(m_fake->socket.bind(QHostAddress::LocalHost, 0));
        Settings::setString(QStringLiteral("tracking/xpHost"), QStringLiteral("127.0.0.1"));
        Settings::setString(QStringLiteral("tracking/xpPort"), QString::number(m_fake->socket.localPort()));
        m_xp = std::make_unique<XpConnect>();
        m_stated = std::make_unique<QSignalSpy>(m_xp.get(), &XpConnect::stated);
        m_updated = std::make_unique<QSignalSpy>(m_xp.get(), &XpConnect::updated);
        m_messages = std::make_unique<QSignalSpy>(m_xp.get(), &XpConnect::message);
    }

    void portFallsBackToDefault_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        for (const char *text : {"", "x49000", "0", "65536", "-1"})
            QTest::newRow(text) << QString::fromLatin1(text) << 49000;
        QTest::newRow("blanks") << " 49010 " << 49010;
        QTest::newRow("highest") << "65535" << 65535;
        // clang-format on
    }

    void portFallsBackToDefault()
    {
        QFETCH(QString, text);
        QTEST(int(XpConnect::portFromSetting(text)), "port");
        QCOMPARE(XpConnect::hostFromSetting(QStringLiteral(" ")), QStringLiteral("127.0.0.1"));
    }

    void subscribesOnePathPerValue()
    {
        // A host name is looked up without waiting; "localhost" stays on this machine.
        Settings::setString(QStringLiteral("tracking/xpHost"), QStringLiteral("localhost"));
        m_xp->connect();
        QCOMPARE(m_xp->state(), 1);
        QCOMPARE(m_stated->count(), 1);
        QCOMPARE(messages(*m_messages), QStringList{"Connecting to X-Plane at localhost:" + port()});
        QTRY_COMPARE(m_fake->requests.size(), allPaths.size());
        QSet<QByteArray> paths;
        QSet<qint32> indexes;
        for (const QByteArray &request : std::as_const(m_fake->requests)) {
            QCOMPARE(request.size(), 413);
            QVERIFY(request.startsWith(QByteArray("RREF\0", 5)));
            QVERIFY(field(request, 5) >= 1 && field(request, 5) <= 20);
            const QByteArray path = pathOf(request);
            QCOMPARE(request.mid(13 + path.size()), QByteArray(400 - path.size(), '\0'));
            paths.insert(path);
            indexes.insert(field(request, 9));
        }
        QCOMPARE(paths, QSet<QByteArray>(allPaths.cbegin(), allPaths.cend()));
        QCOMPARE(indexes.size(), allPaths.size());
        m_xp->connect(); // while connecting: changes nothing
        QCOMPARE(m_messages->count(), 1);
    }

    void takesInBatchedReply_data()
    {
        // clang-format off
        QTest::addColumn<int>("massUnit");
        QTest::addColumn<int>("volumeUnit");
        QTest::addColumn<int>("fuelUnitType");
        QTest::addColumn<int>("fuelType");
        QTest::addColumn<int>("transitionAltitude");
        QTest::addColumn<float>("trueHeading");
        QTest::addColumn<int>("heading");
        QTest::addColumn<QString>("altitude");
        QTest::addColumn<QString>("fuel");
        // 2000 kg of fuel: 2000 / 0.453592 = 4409.249 lbs; kerosene 2000 / 0.802837 = 2491.166 L
        // = 658.0967 gal (3.78541 L each); avgas 2000 / 0.718958 = 2781.804 L. 3048 m = 10000 ft.
        QTest::newRow("kg, flight level") << 0 << 0 << 0 << 0 << 5000 << 271.4f << 271 << "FL100" << "2000kg";
        QTest::newRow("lbs, feet") << 1 << 0 << 0 << 0 << 18000 << 271.6f << 272 << "10000ft" << "4409lbs";
        QTest::newRow("kerosene litres") << 1 << 0 << 1 << 0 << 0 << 359.7f << 0 << "FL100" << "2491L";
        QTest::newRow("kerosene gallons") << 0 << 1 << 1 << 0 << 0 << 0.2f << 0 << "FL100" << "658gal";
        QTest::newRow("avgas litres") << 0 << 0 << 1 << 1 << 0 << 90.0f << 90 << "FL100" << "2782L";
        // clang-format on
    }

    void takesInBatchedReply()
    {
        QFETCH(int, massUnit);
        QFETCH(int, volumeUnit);
        QFETCH(int, transitionAltitude);
        QFETCH(int, fuelUnitType);
        QFETCH(int, fuelType);
        QFETCH(float, trueHeading);
        QFETCH(QString, altitude);
        QFETCH(QString, fuel);
        Settings::setInt(QStringLiteral("units/mass"), massUnit);
        Settings::setInt(QStringLiteral("units/volume"), volumeUnit);
        Settings::setInt(QStringLiteral("units/transitionAltitude"), transitionAltitude);
        Airplane airplane;
        airplane.unittype = fuelUnitType;
        airplane.fueltype = fuelType;
        m_airplanes->setAirplanes({airplane});

        connectToFake();
        QCOMPARE(m_xp->heading(), -1);
        // 128.611 m/s = 250.0 kt, 102.889 m/s = 200.0 kt.
        m_fake->reply({{latPath, 50.5f},
                       {lonPath, -8.25f},
                       {allPaths[2], 3048.0f},
                       {headingPath, trueHeading},
                       {allPaths[4], 128.611f},
                       {allPaths[5], 102.889f},
                       {allPaths[6], -500.0f},
                       {fuelPath, 2000.0f}});
        QTRY_COMPARE(m_updated->count(), 1);
        QCOMPARE(m_xp->state(), 2);
        QCOMPARE(m_stated->count(), 2);
        QCOMPARE(messages(*m_messages).last(), "Connected to X-Plane at 127.0.0.1:" + port());
        QVERIFY(qAbs(m_xp->position().latitude() - 50.5) < 1e-5 && qAbs(m_xp->position().longitude() + 8.25) < 1e-5);
        QTEST(m_xp->heading(), "heading");
        const QString tooltip = m_xp->tooltip();
        for (const QString &line :
             {QStringLiteral("<b>Heading</b>: %1°").arg(m_xp->heading()),
              QStringLiteral("<b>Position</b>: 50° 30' 0.0\" N, 8° 15' 0.0\" W"), "<b>Altitude</b>: " + altitude,
              QStringLiteral("<b>TAS</b>: 250kts"), QStringLiteral("<b>GS</b>: 200kts"),
              QStringLiteral("<b>Vertical speed</b>: -500ft/min"), "<b>Fuel on board</b>: " + fuel})
            QVERIFY2(tooltip.contains(line), qPrintable(line + " not in " + tooltip));
    }

    void dropsMalformedDatagram_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("raw");        // sent as it stands when given
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QByteArray>("badPath");    // a subscribed path or an index of our own
        QTest::addColumn<float>("badValue");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("otherSender");
        const auto row = [](const char *name, const QByteArray &raw, const QByteArray &header, const QByteArray &badPath = {},
                            float badValue = 0.f, const QByteArray &tail = {}, bool otherSender = false) {
            QTest::newRow(name) << raw << header << badPath << badValue << tail << otherSender;
        };
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        row("short", QByteArray("RREF,\1\0\0", 8), {});
        row("header only", "RREF,", {});
        row("wrong header", {}, "DATA*");
        row("request header", {}, QByteArray("RREF\0", 5));
        row("not 5+8n", {}, "RREF,", {}, 0.f, QByteArray(3, '\0'));
        row("other sender", {}, "RREF,", {}, 0.f, {}, true);
        row("unknown index", {}, "RREF,", "99", 1.f);
        row("negative index", {}, "RREF,", "-1", 1.f);
        row("NaN", {}, "RREF,", fuelPath, nan);
        row("infinity", {}, "RREF,", fuelPath, -inf);
        row("latitude > 90", {}, "RREF,", latPath, 90.5f);
        row("longitude < -180", {}, "RREF,", lonPath, -180.5f);
        row("elevation beyond any height", {}, "RREF,", "sim/flightmodel/position/elevation", 3e38f);
        row("elevation 101 km", {}, "RREF,", "sim/flightmodel/position/elevation", 101000.0f);
        row("elevation below the earth", {}, "RREF,", "sim/flightmodel/position/elevation", -1001.0f);
        // clang-format on
    }

    void dropsMalformedDatagram()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QByteArray, header);
        QFETCH(QByteArray, badPath);
        QFETCH(float, badValue);
        QFETCH(QByteArray, tail);
        QFETCH(bool, otherSender);
        connectToFake();
        m_fake->reply({{latPath, 50.5f}, {lonPath, 8.25f}, {headingPath, 271.0f}, {fuelPath, 1000.0f}});
        QTRY_COMPARE(m_updated->count(), 1);
        const QString tooltip = m_xp->tooltip();

        // Plausible values before the faulty one, so that taking in any part of it would show.
        QByteArray bad = raw;
        if (bad.isEmpty()) {
            const QHash<QByteArray, qint32> &index = m_fake->indexes;
            QList<QPair<qint32, float>> records
                = {{index[latPath], 10.f}, {index[lonPath], 20.f}, {index[headingPath], 90.f}};
            if (!badPath.isEmpty())
                records.append({index.value(badPath, badPath.toInt()), badValue});
            bad = replyBytes(records, header) + tail;
        }
        QUdpSocket other;
        if (otherSender)
            QVERIFY(other.bind(QHostAddress::LocalHost, 0)
                    && other.writeDatagram(bad, m_fake->client, m_fake->clientPort) > 0);
        else
            m_fake->send(bad);
        // A valid fuel-only report behind it: once it is in, the faulty one has been dealt with.
        m_fake->reply({{fuelPath, 1500.0f}});
        QTRY_COMPARE(m_updated->count(), 2);
        QCOMPARE(m_xp->position(), QGeoCoordinate(50.5, 8.25));
        QCOMPARE(m_xp->heading(), 271);
        QCOMPARE(m_xp->state(), 2);
        QCOMPARE(m_xp->tooltip(), QString(tooltip).replace(QStringLiteral("1000kg"), QStringLiteral("1500kg")));
    }

    void watchdogSubscribesAgain()
    {
        m_xp->setWatchdogInterval(800);
        m_fake->values = {{latPath, 47.0f}, {lonPath, 11.0f}};

        // No answer at all: one message per expiry, the requests sent again, still connecting.
        // A busy machine may let more than one expiry pass before a look: each has its own.
        connectToFake();
        QTRY_VERIFY(m_fake->requests.size() >= 2 * allPaths.size());
        QTRY_COMPARE(m_fake->requests.size(), m_messages->size() * allPaths.size());
        QCOMPARE(m_xp->state(), 1);
        QCOMPARE(m_stated->count(), 1);
        QCOMPARE(messages(*m_messages).at(1), "No answer from X-Plane at 127.0.0.1:" + port() + ", trying again|error");

        m_fake->streaming = true;
        QTRY_COMPARE(m_xp->state(), 2);
        const qsizetype requestsBefore = m_fake->requests.size();
        const qsizetype messagesBefore = m_messages->size();

        // Falls silent: back to connecting with one message, subscribed again, position kept.
        m_fake->streaming = false;
        QTRY_COMPARE(m_xp->state(), 1);
        QCOMPARE(m_stated->count(), 3);
        QVERIFY(m_messages->size() > messagesBefore);
        QCOMPARE(messages(*m_messages).at(messagesBefore),
                 "Connection to X-Plane at 127.0.0.1:" + port() + " lost, trying again|error");
        QTRY_COMPARE(m_fake->requests.size(), requestsBefore + (m_messages->size() - messagesBefore) * allPaths.size());
        QCOMPARE(m_xp->position(), QGeoCoordinate(47.0, 11.0));

        // Stops altogether and comes back on the same port, as after a restart of the simulator.
        const quint16 simulatorPort = m_fake->socket.localPort();
        m_fake = std::make_unique<FakeSimulator>();
        QVERIFY(m_fake->socket.bind(QHostAddress::LocalHost, simulatorPort));
        m_fake->values = {{latPath, 48.0f}, {lonPath, 12.0f}};
        m_fake->streaming = true;
        QTRY_COMPARE_WITH_TIMEOUT(m_xp->position(), QGeoCoordinate(48.0, 12.0), 5000);
        QCOMPARE(m_xp->state(), 2);
    }

    void disconnectCancels()
    {
        m_xp->setWatchdogInterval(300);
        connectToFake();
        m_fake->reply({{latPath, 50.5f}, {lonPath, 8.25f}});
        QTRY_COMPARE(m_xp->state(), 2);
        const QList<QByteArray> subscribed = std::exchange(m_fake->requests, {});

        m_xp->disconnect();
        QCOMPARE(m_xp->state(), 0);
        QCOMPARE(m_stated->count(), 3);
        QCOMPARE(messages(*m_messages).last(), QStringLiteral("Disconnected from X-Plane"));
        QTRY_COMPARE(m_fake->requests.size(), allPaths.size());
        for (qsizetype i = 0; i < subscribed.size(); ++i) {
            QCOMPARE(m_fake->requests.at(i).size(), 413);
            QCOMPARE(field(m_fake->requests.at(i), 5), 0);
            QCOMPARE(m_fake->requests.at(i).mid(9), subscribed.at(i).mid(9)); // index and path
        }

        // Nothing arrives any more, and no watchdog speaks after the end.
        const qsizetype messageCount = m_messages->size();
        m_fake->reply({{latPath, 10.0f}, {lonPath, 20.0f}});
        QTest::qWait(700);
        QCOMPARE(m_updated->count(), 1);
        QCOMPARE(m_messages->size(), messageCount);
        m_xp->disconnect();
        QCOMPARE(m_stated->count(), 3);
    }

    void unusableHostNameDisconnects()
    {
        // Refused by the name check before any resolver is asked.
        Settings::setString(QStringLiteral("tracking/xpHost"), QStringLiteral("sim..local"));
        m_xp->connect();
        QTRY_COMPARE(m_xp->state(), 0);
        QCOMPARE(m_stated->count(), 2);
        const QString last = messages(*m_messages).last();
        QVERIFY2(last.startsWith("Cannot find the X-Plane host sim..local: ") && last.endsWith("|error"),
                 qPrintable(last));
    }

private:
    QString port() const { return QString::number(m_fake->socket.localPort()); }

    void connectToFake()
    {
        m_xp->connect();
        QTRY_COMPARE(m_fake->requests.size(), allPaths.size());
    }

    // Destroyed in reverse order after the last test: the link before the simulator and the store.
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<AirplaneListModel> m_airplanes;
    std::unique_ptr<FakeSimulator> m_fake;
    std::unique_ptr<XpConnect> m_xp;
    std::unique_ptr<QSignalSpy> m_stated;
    std::unique_ptr<QSignalSpy> m_updated;
    std::unique_ptr<QSignalSpy> m_messages;
};

QTEST_GUILESS_MAIN(TstXpConnect)

#include "tst_xpconnect.moc"
