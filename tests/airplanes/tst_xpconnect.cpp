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
const QByteArray elevationPath = "sim/flightmodel/position/elevation";
const QByteArray headingPath = "sim/flightmodel/position/true_psi";
const QByteArray tasPath = "sim/flightmodel/position/true_airspeed";
const QByteArray gsPath = "sim/flightmodel/position/groundspeed";
const QByteArray vsPath = "sim/flightmodel/position/vh_ind_fpm";
const QByteArray fuelPath = "sim/flightmodel/weight/m_fuel_total";
const QList<QByteArray> allPaths = {latPath, lonPath, elevationPath, headingPath, tasPath, gsPath, vsPath, fuelPath};

struct Request
{
    qsizetype size = 0;
    QByteArray header;
    qint32 frequency = -1;
    qint32 index = -1;
    QByteArray path;
    bool paddedWithNul = false;
};

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

// The simulator's side of the protocol on 127.0.0.1: reads subscriptions, remembers the index
// each path was given and, while streaming, answers at the requested rate with every subscribed
// value in one datagram.
class FakeSimulator : public QObject
{
public:
    FakeSimulator()
    {
        QObject::connect(&m_socket, &QUdpSocket::readyRead, this, [this] { read(); });
        QObject::connect(&m_stream, &QTimer::timeout, this, [this] { sendAll(); });
    }

    bool listen(quint16 port = 0) { return m_socket.bind(QHostAddress::LocalHost, port); }
    quint16 port() const { return m_socket.localPort(); }
    void stop() { m_socket.close(); }

    void setValue(const QByteArray &path, float value) { m_values.insert(path, value); }
    void setStreaming(bool on) { m_streaming = on; }
    qint32 indexOf(const QByteArray &path) const { return m_indexes.value(path, -1); }

    void send(const QByteArray &bytes) { m_socket.writeDatagram(bytes, m_client, m_clientPort); }
    void reply(const QList<QPair<QByteArray, float>> &values)
    {
        QList<QPair<qint32, float>> records;
        for (const auto &value : values)
            records.append({indexOf(value.first), value.second});
        send(replyBytes(records));
    }

    QList<Request> requests;
    QHostAddress m_client;
    quint16 m_clientPort = 0;

private:
    void read()
    {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            const QByteArray bytes = datagram.data();
            m_client = datagram.senderAddress();
            m_clientPort = quint16(datagram.senderPort());
            Request request;
            request.size = bytes.size();
            request.header = bytes.left(5);
            QDataStream in(bytes.mid(5, 8));
            in.setByteOrder(QDataStream::LittleEndian);
            in >> request.frequency >> request.index;
            const QByteArray field = bytes.mid(13);
            request.path = field.left(field.indexOf('\0'));
            request.paddedWithNul = field.size() == 400 && field.mid(request.path.size()).count('\0') == 400 - request.path.size();
            requests.append(request);
            if (request.frequency > 0) {
                m_indexes.insert(request.path, request.index);
                m_stream.start(1000 / request.frequency);
            } else {
                m_indexes.remove(request.path);
            }
        }
    }

    void sendAll()
    {
        if (!m_streaming)
            return;
        QList<QPair<QByteArray, float>> values;
        for (auto it = m_indexes.cbegin(); it != m_indexes.cend(); ++it)
            values.append({it.key(), m_values.value(it.key())});
        if (!values.isEmpty())
            reply(values);
    }

    QUdpSocket m_socket;
    QTimer m_stream;
    bool m_streaming = false;
    QHash<QByteArray, qint32> m_indexes;
    QHash<QByteArray, float> m_values;
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
        QVERIFY(m_fake->listen());
        Settings::setString(QStringLiteral("tracking/xpHost"), QStringLiteral("127.0.0.1"));
        Settings::setString(QStringLiteral("tracking/xpPort"), QString::number(m_fake->port()));
        m_xp = std::make_unique<XpConnect>();
        m_stated = std::make_unique<QSignalSpy>(m_xp.get(), &XpConnect::stated);
        m_updated = std::make_unique<QSignalSpy>(m_xp.get(), &XpConnect::updated);
        m_messages = std::make_unique<QSignalSpy>(m_xp.get(), &XpConnect::message);
    }

    void cleanup()
    {
        m_stated.reset();
        m_updated.reset();
        m_messages.reset();
        m_xp.reset();
        m_fake.reset();
    }

    void cleanupTestCase()
    {
        m_airplanes.reset();
        m_settings.reset();
    }

    void settingsFallBack_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("expectedHost");
        QTest::addColumn<int>("expectedPort");
        QTest::newRow("empty") << "" << "" << "127.0.0.1" << 49000;
        QTest::newRow("blanks") << "  " << " 49010 " << "127.0.0.1" << 49010;
        QTest::newRow("name") << " sim.local " << "49001" << "sim.local" << 49001;
        QTest::newRow("not a number") << "10.0.0.5" << "x49000" << "10.0.0.5" << 49000;
        QTest::newRow("zero") << "" << "0" << "127.0.0.1" << 49000;
        QTest::newRow("too large") << "" << "65536" << "127.0.0.1" << 49000;
        QTest::newRow("negative") << "" << "-1" << "127.0.0.1" << 49000;
        QTest::newRow("highest") << "" << "65535" << "127.0.0.1" << 65535;
    }

    void settingsFallBack()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(QString, expectedHost);
        QCOMPARE(XpConnect::hostFromSetting(host), expectedHost);
        QFETCH(int, expectedPort);
        QCOMPARE(int(XpConnect::portFromSetting(port)), expectedPort);
    }

    void subscribesOnePathPerValue()
    {
        m_xp->connect();
        QCOMPARE(m_xp->state(), 1);
        QCOMPARE(m_stated->count(), 1);
        QCOMPARE(messages(*m_messages),
                 QStringList{QStringLiteral("Connecting to X-Plane at 127.0.0.1:%1").arg(m_fake->port())});
        QTRY_COMPARE(m_fake->requests.size(), allPaths.size());
        QSet<QByteArray> paths;
        QSet<qint32> indexes;
        for (const Request &request : std::as_const(m_fake->requests)) {
            QCOMPARE(request.size, 413);
            QCOMPARE(request.header, QByteArray("RREF\0", 5));
            QVERIFY(request.frequency >= 1 && request.frequency <= 20);
            QVERIFY(request.paddedWithNul);
            paths.insert(request.path);
            indexes.insert(request.index);
        }
        QCOMPARE(paths, QSet<QByteArray>(allPaths.cbegin(), allPaths.cend()));
        QCOMPARE(indexes.size(), allPaths.size());
        // A second connect() while connecting changes nothing.
        m_xp->connect();
        QCOMPARE(m_stated->count(), 1);
        QCOMPARE(m_messages->count(), 1);
    }

    void takesInBatchedReply_data()
    {
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
        QTest::newRow("lbs, feet") << 1 << 0 << 0 << 0 << 18000 << 271.6f << 272 << "10000ft" << "4409.25lbs";
        QTest::newRow("kerosene litres") << 1 << 0 << 1 << 0 << 0 << 359.7f << 0 << "FL100" << "2491.17L";
        QTest::newRow("kerosene gallons") << 0 << 1 << 1 << 0 << 0 << 0.2f << 0 << "FL100" << "658.097gal";
        QTest::newRow("avgas litres") << 0 << 0 << 1 << 1 << 0 << 90.0f << 90 << "FL100" << "2781.8L";
    }

    void takesInBatchedReply()
    {
        QFETCH(int, massUnit);
        QFETCH(int, volumeUnit);
        QFETCH(int, fuelUnitType);
        QFETCH(int, fuelType);
        QFETCH(int, transitionAltitude);
        QFETCH(float, trueHeading);
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
        m_fake->reply({{latPath, 50.5f}, {lonPath, -8.25f}, {elevationPath, 3048.0f}, {headingPath, trueHeading},
                       {tasPath, 128.611f}, {gsPath, 102.889f}, {vsPath, -500.0f}, {fuelPath, 2000.0f}});
        QTRY_COMPARE(m_updated->count(), 1);
        QCOMPARE(m_xp->state(), 2);
        QCOMPARE(m_stated->count(), 2);
        QCOMPARE(messages(*m_messages).last(), QStringLiteral("Connected to X-Plane at 127.0.0.1:%1").arg(m_fake->port()));
        QVERIFY(qAbs(m_xp->position().latitude() - 50.5) < 1e-5);
        QVERIFY(qAbs(m_xp->position().longitude() + 8.25) < 1e-5);
        QTEST(m_xp->heading(), "heading");
        const QString tooltip = m_xp->tooltip();
        QFETCH(QString, altitude);
        QFETCH(QString, fuel);
        for (const QString &line : {QStringLiteral("<b>Heading</b>: %1°").arg(m_xp->heading()),
                                    QStringLiteral("<b>Position</b>: 50° 30' 0.0\" N, 8° 15' 0.0\" W"),
                                    QStringLiteral("<b>Altitude</b>: ") + altitude, QStringLiteral("<b>TAS</b>: 250kts"),
                                    QStringLiteral("<b>GS</b>: 200kts"), QStringLiteral("<b>Vertical speed</b>: -500ft/min"),
                                    QStringLiteral("<b>Fuel on board</b>: ") + fuel})
            QVERIFY2(tooltip.contains(line), qPrintable(line + " not in " + tooltip));
    }

    void dropsMalformedDatagram_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"short", "header only", "wrong header", "request header", "length not 5+8n",
                                 "other sender", "unknown index", "negative index", "NaN", "infinity",
                                 "latitude out of range", "longitude out of range"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void dropsMalformedDatagram()
    {
        QFETCH(QString, kind);
        connectToFake();
        m_fake->reply({{latPath, 50.5f}, {lonPath, 8.25f}, {headingPath, 271.0f}, {fuelPath, 1000.0f}});
        QTRY_COMPARE(m_updated->count(), 1);
        const QString tooltip = m_xp->tooltip();

        // Plausible values next to the faulty one, so that taking in any part of it would show.
        QList<QPair<qint32, float>> records = {{m_fake->indexOf(latPath), 10.0f},
                                               {m_fake->indexOf(lonPath), 20.0f},
                                               {m_fake->indexOf(headingPath), 90.0f}};
        QByteArray bad;
        const qint32 fuel = m_fake->indexOf(fuelPath);
        if (kind == "short")
            bad = QByteArray("RREF,\x01\0\0", 8);
        else if (kind == "header only")
            bad = "RREF,";
        else if (kind == "wrong header")
            bad = replyBytes(records, "DATA*");
        else if (kind == "request header")
            bad = replyBytes(records, QByteArray("RREF\0", 5));
        else if (kind == "length not 5+8n")
            bad = replyBytes(records) + QByteArray("\0\0\0", 3);
        else if (kind == "other sender")
            bad = replyBytes(records);
        else if (kind == "unknown index")
            bad = replyBytes(records << QPair<qint32, float>(99, 1.0f));
        else if (kind == "negative index")
            bad = replyBytes(records << QPair<qint32, float>(-1, 1.0f));
        else if (kind == "NaN")
            bad = replyBytes(records << QPair<qint32, float>(fuel, std::numeric_limits<float>::quiet_NaN()));
        else if (kind == "infinity")
            bad = replyBytes(records << QPair<qint32, float>(fuel, -std::numeric_limits<float>::infinity()));
        else if (kind == "latitude out of range")
            bad = replyBytes({{m_fake->indexOf(latPath), 90.5f}, {m_fake->indexOf(lonPath), 20.0f}});
        else if (kind == "longitude out of range")
            bad = replyBytes({{m_fake->indexOf(latPath), 10.0f}, {m_fake->indexOf(lonPath), -180.5f}});
        QVERIFY(!bad.isEmpty());

        if (kind == "other sender") {
            QUdpSocket other;
            QVERIFY(other.bind(QHostAddress::LocalHost, 0));
            QCOMPARE(other.writeDatagram(bad, m_fake->m_client, m_fake->m_clientPort), bad.size());
        } else {
            m_fake->send(bad);
        }
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
        for (const QByteArray &path : allPaths)
            m_fake->setValue(path, 1.0f);
        m_fake->setValue(latPath, 47.0f);
        m_fake->setValue(lonPath, 11.0f);

        // No answer at all: one message per expiry, the requests sent again, still connecting.
        connectToFake();
        QTRY_COMPARE(m_fake->requests.size(), 2 * allPaths.size());
        QCOMPARE(m_xp->state(), 1);
        QCOMPARE(m_stated->count(), 1);
        QCOMPARE(messages(*m_messages).at(1),
                 QStringLiteral("No answer from X-Plane at 127.0.0.1:%1, trying again|error").arg(m_fake->port()));

        m_fake->setStreaming(true);
        QTRY_COMPARE(m_xp->state(), 2);
        const qsizetype before = m_fake->requests.size();
        const int messagesBefore = m_messages->count();

        // Falls silent: back to connecting with one message, subscribed again, position kept.
        m_fake->setStreaming(false);
        QTRY_COMPARE(m_xp->state(), 1);
        QCOMPARE(m_stated->count(), 3);
        QCOMPARE(m_messages->count(), messagesBefore + 1);
        QCOMPARE(messages(*m_messages).last(),
                 QStringLiteral("Connection to X-Plane at 127.0.0.1:%1 lost, trying again|error").arg(m_fake->port()));
        QTRY_COMPARE(m_fake->requests.size(), before + allPaths.size());
        QCOMPARE(m_xp->position(), QGeoCoordinate(47.0, 11.0));

        // Stops altogether and comes back on the same port, as after a restart of the simulator.
        const quint16 port = m_fake->port();
        m_fake = std::make_unique<FakeSimulator>();
        QVERIFY(m_fake->listen(port));
        m_fake->setValue(latPath, 48.0f);
        m_fake->setValue(lonPath, 12.0f);
        m_fake->setStreaming(true);
        QTRY_COMPARE_WITH_TIMEOUT(m_xp->state(), 2, 5000);
        QTRY_COMPARE(m_xp->position(), QGeoCoordinate(48.0, 12.0));
    }

    void disconnectCancels()
    {
        m_xp->setWatchdogInterval(300);
        connectToFake();
        m_fake->reply({{latPath, 50.5f}, {lonPath, 8.25f}});
        QTRY_COMPARE(m_xp->state(), 2);
        const QList<Request> subscribed = m_fake->requests;
        m_fake->requests.clear();

        m_xp->disconnect();
        QCOMPARE(m_xp->state(), 0);
        QCOMPARE(m_stated->count(), 3);
        QCOMPARE(messages(*m_messages).last(), QStringLiteral("Disconnected from X-Plane"));
        QTRY_COMPARE(m_fake->requests.size(), allPaths.size());
        for (qsizetype i = 0; i < subscribed.size(); ++i) {
            const Request &cancel = m_fake->requests.at(i);
            QCOMPARE(cancel.size, 413);
            QCOMPARE(cancel.frequency, 0);
            QCOMPARE(cancel.index, subscribed.at(i).index);
            QCOMPARE(cancel.path, subscribed.at(i).path);
        }

        // Nothing arrives any more, and no watchdog speaks after the end.
        const int messageCount = m_messages->count();
        m_fake->reply({{latPath, 10.0f}, {lonPath, 20.0f}});
        QTest::qWait(700);
        QCOMPARE(m_updated->count(), 1);
        QCOMPARE(m_messages->count(), messageCount);
        QCOMPARE(m_xp->state(), 0);
        m_xp->disconnect();
        QCOMPARE(m_stated->count(), 3);
    }

    void resolvesHostName()
    {
        Settings::setString(QStringLiteral("tracking/xpHost"), QStringLiteral("localhost"));
        m_xp->connect();
        QCOMPARE(m_xp->state(), 1);
        QTRY_COMPARE(m_fake->requests.size(), allPaths.size());
        m_fake->reply({{latPath, 1.0f}, {lonPath, 2.0f}});
        QTRY_COMPARE(m_xp->state(), 2);
        QCOMPARE(messages(*m_messages).last(), QStringLiteral("Connected to X-Plane at localhost:%1").arg(m_fake->port()));
    }

    void unusableHostNameDisconnects()
    {
        // Refused by the name check before any resolver is asked.
        Settings::setString(QStringLiteral("tracking/xpHost"), QStringLiteral("sim..local"));
        m_xp->connect();
        QTRY_COMPARE(m_xp->state(), 0);
        QCOMPARE(m_stated->count(), 2);
        const QString last = messages(*m_messages).last();
        QVERIFY2(last.startsWith("Cannot find the X-Plane host sim..local: ") && last.endsWith("|error"), qPrintable(last));
    }

private:
    void connectToFake()
    {
        m_xp->connect();
        QTRY_COMPARE(m_fake->requests.size(), allPaths.size());
    }

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
