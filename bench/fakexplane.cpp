// Plays X-Plane's side of the UDP dataref protocol on this machine, so that the moving map can be
// watched without the simulator: an airplane flies a straight (great-circle) line at 250 kt from
// a chosen start, and every client that subscribes gets its values streamed back in batches.
//
//   fakexplane --port 49000 --lat 50.03 --lon 8.57 --course 257 --altitude 11000
//
// Then set the tracking port in the preferences to the same port (empty for 49000) and connect.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QGeoCoordinate>
#include <QHash>
#include <QNetworkDatagram>
#include <QTextStream>
#include <QTimer>
#include <QUdpSocket>
#include <QtEndian>

#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr double knotsToMetersPerSecond = 1852.0 / 3600.0;
constexpr double groundSpeedKnots = 250.0;
constexpr double fuelBurnKgPerSecond = 0.6;

struct Flight
{
    QGeoCoordinate start;
    double course = 0.0;
    double elevationMeters = 0.0;
    double fuelKg = 0.0;
    QElapsedTimer clock;

    QGeoCoordinate positionAt(double seconds) const
    {
        return start.atDistanceAndAzimuth(seconds * groundSpeedKnots * knotsToMetersPerSecond, course);
    }

    // The value X-Plane would give for that dataref now; 0 for a path this fake does not know.
    float value(const QByteArray &path) const
    {
        const double seconds = clock.elapsed() / 1000.0;
        const QGeoCoordinate here = positionAt(seconds);
        if (path == "sim/flightmodel/position/latitude")
            return float(here.latitude());
        if (path == "sim/flightmodel/position/longitude")
            return float(here.longitude());
        if (path == "sim/flightmodel/position/elevation")
            return float(elevationMeters);
        if (path == "sim/flightmodel/position/true_psi")
            return float(here.azimuthTo(positionAt(seconds + 1.0)));
        if (path == "sim/flightmodel/position/true_airspeed" || path == "sim/flightmodel/position/groundspeed")
            return float(groundSpeedKnots * knotsToMetersPerSecond);
        if (path == "sim/flightmodel/position/vh_ind_fpm")
            return 0.0f;
        if (path == "sim/flightmodel/weight/m_fuel_total")
            return float(qMax(0.0, fuelKg - seconds * fuelBurnKgPerSecond));
        return 0.0f;
    }
};

// One subscriber: its subscriptions by index, streamed at the highest frequency it asked for.
struct Client
{
    QHostAddress address;
    quint16 port = 0;
    QHash<qint32, QPair<QByteArray, int>> subscriptions;
    std::unique_ptr<QTimer> timer;
};

class FakeXPlane
{
public:
    explicit FakeXPlane(const Flight &flight)
        : m_flight(flight)
    {
        QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] { read(); });
    }

    bool listen(quint16 port)
    {
        if (!m_socket.bind(QHostAddress::LocalHost, port)) {
            err() << "Cannot listen on 127.0.0.1:" << port << ": " << m_socket.errorString() << Qt::endl;
            return false;
        }
        out() << "Listening on 127.0.0.1:" << m_socket.localPort() << ", flying from "
              << m_flight.start.toString(QGeoCoordinate::Degrees) << " on course " << m_flight.course << " at "
              << groundSpeedKnots << " kt" << Qt::endl;
        return true;
    }

private:
    static QTextStream &out()
    {
        static QTextStream stream(stdout);
        return stream;
    }

    static QTextStream &err()
    {
        static QTextStream stream(stderr);
        return stream;
    }

    void read()
    {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            const QByteArray bytes = datagram.data();
            if (bytes.size() != 413 || !bytes.startsWith(QByteArray("RREF\0", 5))) {
                err() << "Ignored a datagram of " << bytes.size() << " bytes" << Qt::endl;
                continue;
            }
            const qint32 frequency = qFromLittleEndian<qint32>(bytes.constData() + 5);
            const qint32 index = qFromLittleEndian<qint32>(bytes.constData() + 9);
            const QByteArray field = bytes.mid(13);
            const QByteArray path = field.left(field.indexOf('\0'));
            subscribe(datagram.senderAddress(), quint16(datagram.senderPort()), frequency, index, path);
        }
    }

    void subscribe(const QHostAddress &address, quint16 port, qint32 frequency, qint32 index, const QByteArray &path)
    {
        const QString key = address.toString() + QLatin1Char(':') + QString::number(port);
        Client &client = m_clients[key];
        client.address = address;
        client.port = port;
        if (frequency > 0)
            client.subscriptions.insert(index, {path, frequency});
        else
            client.subscriptions.remove(index);
        out() << key << (frequency > 0 ? " subscribed " : " cancelled ") << index << " " << path << " at " << frequency
              << " Hz" << Qt::endl;

        if (client.subscriptions.isEmpty()) {
            m_clients.erase(key);
            return;
        }
        int fastest = 1;
        for (const auto &subscription : std::as_const(client.subscriptions))
            fastest = qMax(fastest, subscription.second);
        if (!client.timer) {
            client.timer = std::make_unique<QTimer>();
            QObject::connect(client.timer.get(), &QTimer::timeout, client.timer.get(), [this, key] { stream(key); });
        }
        client.timer->start(1000 / qMin(fastest, 100));
    }

    // Every subscribed value of that client in one "RREF," datagram, as X-Plane batches them.
    void stream(const QString &key)
    {
        const auto found = m_clients.find(key);
        if (found == m_clients.end())
            return;
        const Client &client = found->second;
        QByteArray bytes("RREF,");
        QDataStream data(&bytes, QIODevice::Append);
        data.setByteOrder(QDataStream::LittleEndian);
        data.setFloatingPointPrecision(QDataStream::SinglePrecision);
        for (auto it = client.subscriptions.cbegin(); it != client.subscriptions.cend(); ++it)
            data << it.key() << m_flight.value(it.value().first);
        m_socket.writeDatagram(bytes, client.address, client.port);
        if (++m_sent % 50 == 0)
            out() << "Sent " << m_sent << " replies, airplane at "
                  << m_flight.positionAt(m_flight.clock.elapsed() / 1000.0).toString(QGeoCoordinate::Degrees)
                  << Qt::endl;
    }

    Flight m_flight;
    QUdpSocket m_socket;
    std::map<QString, Client> m_clients;
    qint64 m_sent = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the simulator's dataref service, flying a straight line at 250 kt."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("UDP port to listen on (49000)."),
                                  QStringLiteral("port"), QStringLiteral("49000"));
    const QCommandLineOption lat(QStringLiteral("lat"), QStringLiteral("Start latitude in degrees."),
                                 QStringLiteral("deg"), QStringLiteral("50.0333"));
    const QCommandLineOption lon(QStringLiteral("lon"), QStringLiteral("Start longitude in degrees."),
                                 QStringLiteral("deg"), QStringLiteral("8.5706"));
    const QCommandLineOption course(QStringLiteral("course"), QStringLiteral("True course in degrees."),
                                    QStringLiteral("deg"), QStringLiteral("257"));
    const QCommandLineOption altitude(QStringLiteral("altitude"), QStringLiteral("Altitude in feet."),
                                      QStringLiteral("ft"), QStringLiteral("11000"));
    const QCommandLineOption fuel(QStringLiteral("fuel"), QStringLiteral("Fuel on board at the start in kg."),
                                  QStringLiteral("kg"), QStringLiteral("5000"));
    const QCommandLineOption duration(QStringLiteral("duration"),
                                      QStringLiteral("Seconds to run; 0 runs until interrupted."), QStringLiteral("s"),
                                      QStringLiteral("0"));
    parser.addOptions({port, lat, lon, course, altitude, fuel, duration});
    parser.process(app);

    bool ok = true;
    auto number = [&](const QCommandLineOption &option) {
        bool valid = false;
        const double value = parser.value(option).toDouble(&valid);
        ok = ok && valid;
        return value;
    };
    Flight flight;
    flight.start = QGeoCoordinate(number(lat), number(lon));
    flight.course = number(course);
    flight.elevationMeters = number(altitude) * 0.3048;
    flight.fuelKg = number(fuel);
    const double seconds = number(duration);
    const double listenPort = number(port);
    if (!ok || !flight.start.isValid() || listenPort < 0 || listenPort > 65535 || seconds < 0) {
        std::fprintf(stderr, "Invalid option value; see --help\n");
        return 2;
    }
    flight.clock.start();

    FakeXPlane simulator(flight);
    if (!simulator.listen(quint16(listenPort)))
        return 1;
    if (seconds > 0)
        QTimer::singleShot(int(seconds * 1000), &app, &QCoreApplication::quit);
    return app.exec();
}
