#include "xpconnect.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtEndian>

#include <cmath>
#include <cstring>

#include "richtext.h"
#include "settings.h"
#include "unit.h"

namespace {

const QString hostKey = QStringLiteral("tracking/xpHost");
const QString portKey = QStringLiteral("tracking/xpPort");

// X-Plane's layout: "RREF" and a NUL, then little-endian int32 frequency and index, then the
// path NUL-padded to 400 bytes. Replies start with "RREF," and carry 8-byte records.
constexpr char requestHeader[5] = {'R', 'R', 'E', 'F', '\0'};
constexpr int pathSize = 400;
constexpr char replyHeader[] = "RREF,";
constexpr int replyHeaderSize = 5;
constexpr int recordSize = 8;

constexpr double feetPerMeter = 1.0 / 0.3048;
constexpr double knotsPerMeterPerSecond = 3600.0 / 1852.0;

// Reads a little-endian int32 or float32 at that offset.
qint32 readInt(const char *data)
{
    return qFromLittleEndian<qint32>(data);
}

float readFloat(const char *data)
{
    const quint32 bits = qFromLittleEndian<quint32>(data);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void appendInt(QByteArray &bytes, qint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

} // namespace

XpConnect::XpConnect(QObject *parent)
    : QObject(parent)
{
    m_watchdog.setInterval(defaultWatchdogMs);
    QObject::connect(&m_watchdog, &QTimer::timeout, this, &XpConnect::watchdogExpired);
}

XpConnect::~XpConnect()
{
    // Without the cancellation X-Plane would go on streaming to a port nobody reads.
    if (m_state != Disconnected)
        sendRequests(0);
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
}

void XpConnect::setWatchdogInterval(int ms)
{
    m_watchdog.setInterval(ms);
}

QString XpConnect::hostFromSetting(const QString &text)
{
    const QString host = text.trimmed();
    return host.isEmpty() ? QStringLiteral("127.0.0.1") : host;
}

quint16 XpConnect::portFromSetting(const QString &text)
{
    bool ok = false;
    const uint port = text.trimmed().toUInt(&ok);
    return ok && port >= 1 && port <= 65535 ? quint16(port) : defaultPort;
}

QByteArray XpConnect::datarefPath(Value value)
{
    switch (value) {
    case Latitude:
        return QByteArrayLiteral("sim/flightmodel/position/latitude");
    case Longitude:
        return QByteArrayLiteral("sim/flightmodel/position/longitude");
    case Elevation:
        return QByteArrayLiteral("sim/flightmodel/position/elevation");
    case TrueHeading:
        return QByteArrayLiteral("sim/flightmodel/position/true_psi");
    case TrueAirspeed:
        return QByteArrayLiteral("sim/flightmodel/position/true_airspeed");
    case GroundSpeed:
        return QByteArrayLiteral("sim/flightmodel/position/groundspeed");
    case VerticalSpeed:
        return QByteArrayLiteral("sim/flightmodel/position/vh_ind_fpm");
    case FuelTotal:
        return QByteArrayLiteral("sim/flightmodel/weight/m_fuel_total");
    case ValueCount:
        break;
    }
    return QByteArray();
}

QByteArray XpConnect::request(int frequency, int index, const QByteArray &path)
{
    QByteArray bytes(requestHeader, sizeof requestHeader);
    appendInt(bytes, frequency);
    appendInt(bytes, index);
    // The last byte stays NUL even for an over-long path, so X-Plane reads a terminated string.
    QByteArray padded = path.left(pathSize - 1);
    padded.resize(pathSize, '\0');
    bytes.append(padded);
    return bytes;
}

void XpConnect::connect()
{
    if (m_state != Disconnected)
        return;
    m_host = hostFromSetting(Settings::getString(hostKey));
    m_port = portFromSetting(Settings::getString(portKey));
    setState(Connecting);
    emit message(tr("Connecting to X-Plane at %1").arg(target()), false);
    m_watchdog.start();

    QHostAddress address;
    if (address.setAddress(m_host)) {
        open(address);
        return;
    }
    // A host name: looked up in the background, the interface must not wait for the resolver.
    m_lookupId = QHostInfo::lookupHost(m_host, this, [this](const QHostInfo &info) {
        if (info.lookupId() != m_lookupId)
            return;
        m_lookupId = -1;
        const QList<QHostAddress> addresses = info.addresses();
        if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
            const QString reason = info.error() != QHostInfo::NoError ? info.errorString() : tr("no address");
            closeSocket();
            setState(Disconnected);
            emit message(tr("Cannot find the X-Plane host %1: %2").arg(m_host, reason), true);
            return;
        }
        QHostAddress chosen = addresses.first();
        for (const QHostAddress &candidate : addresses) {
            if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
                chosen = candidate;
                break;
            }
        }
        open(chosen);
    });
}

void XpConnect::open(const QHostAddress &address)
{
    m_address = address;
    m_socket = new QUdpSocket(this);
    // Any local port: X-Plane answers to the port the requests came from.
    const bool ipv6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    if (!m_socket->bind(ipv6 ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4, 0)) {
        const QString reason = m_socket->errorString();
        closeSocket();
        setState(Disconnected);
        emit message(tr("X-Plane connection error: %1").arg(reason), true);
        return;
    }
    QObject::connect(m_socket, &QUdpSocket::readyRead, this, &XpConnect::readPending);
    sendRequests(frequencyHz);
}

void XpConnect::disconnect()
{
    if (m_state == Disconnected)
        return;
    sendRequests(0);
    closeSocket();
    setState(Disconnected);
    emit message(tr("Disconnected from X-Plane"), false);
}

void XpConnect::closeSocket()
{
    m_watchdog.stop();
    if (m_lookupId >= 0) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    if (m_socket) {
        m_socket->close();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
}

void XpConnect::sendRequests(int frequency)
{
    if (!m_socket)
        return;
    for (int index = 0; index < ValueCount; ++index) {
        const QByteArray bytes = request(frequency, index, datarefPath(Value(index)));
        if (m_socket->writeDatagram(bytes, m_address, m_port) != bytes.size()) {
            // One message per round: the next values would fail for the same reason.
            emit message(tr("X-Plane connection error: %1").arg(m_socket->errorString()), true);
            return;
        }
    }
}

void XpConnect::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stated();
}

QString XpConnect::target() const
{
    return QStringLiteral("%1:%2").arg(m_host).arg(m_port);
}

void XpConnect::readPending()
{
    // The socket may be closed by a slot of updated() or stated() while datagrams are pending.
    while (m_socket && m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (!datagram.isValid())
            continue;
        if (datagram.senderPort() != m_port
            || !datagram.senderAddress().isEqual(m_address, QHostAddress::TolerantConversion))
            continue;
        if (const std::optional<Values> values = parseReply(datagram.data()))
            takeIn(*values);
    }
}

std::optional<XpConnect::Values> XpConnect::parseReply(const QByteArray &datagram) const
{
    const qsizetype size = datagram.size();
    if (size < replyHeaderSize + recordSize || (size - replyHeaderSize) % recordSize != 0
        || !datagram.startsWith(replyHeader))
        return std::nullopt;
    Values values = m_values;
    for (qsizetype offset = replyHeaderSize; offset < size; offset += recordSize) {
        const qint32 index = readInt(datagram.constData() + offset);
        const float value = readFloat(datagram.constData() + offset + 4);
        if (index < 0 || index >= ValueCount || !std::isfinite(value))
            return std::nullopt;
        if (index == Latitude && std::fabs(value) > 90.0f)
            return std::nullopt;
        if (index == Longitude && std::fabs(value) > 180.0f)
            return std::nullopt;
        // Metres: from below the lowest airfields to the edge of space.
        if (index == Elevation && (value < -1000.0f || value > 100000.0f))
            return std::nullopt;
        values[index] = value;
    }
    return values;
}

void XpConnect::takeIn(const Values &values)
{
    m_values = values;
    m_watchdog.start();
    if (m_state == Connecting) {
        setState(Connected);
        emit message(tr("Connected to X-Plane at %1").arg(target()), false);
    }
    if (!m_values[Latitude] || !m_values[Longitude])
        return;
    m_position = QGeoCoordinate(*m_values[Latitude], *m_values[Longitude]);
    if (m_values[TrueHeading]) {
        const int heading = int(std::lround(std::fmod(double(*m_values[TrueHeading]), 360.0)));
        m_heading = ((heading % 360) + 360) % 360;
    }
    m_tooltip = buildTooltip();
    emit updated();
}

void XpConnect::watchdogExpired()
{
    const bool wasConnected = m_state == Connected;
    setState(Connecting);
    if (wasConnected)
        emit message(tr("Connection to X-Plane at %1 lost, trying again").arg(target()), true);
    else
        emit message(tr("No answer from X-Plane at %1, trying again").arg(target()), true);
    sendRequests(frequencyHz);
}

QString XpConnect::buildTooltip() const
{
    QList<QPair<QString, QString>> lines;
    if (m_heading >= 0)
        lines.append({tr("Heading"), Unit::headingToString(m_heading, true)});
    lines.append({tr("Position"), m_position.toString(QGeoCoordinate::DegreesMinutesSecondsWithHemisphere)});
    if (const auto elevation = m_values[Elevation])
        lines.append({tr("Altitude"), Unit::altitudeToString(int(std::lround(*elevation * feetPerMeter)), true)});
    if (const auto tas = m_values[TrueAirspeed])
        lines.append({tr("TAS"), Unit::iasToString(double(std::lround(*tas * knotsPerMeterPerSecond)), true)});
    if (const auto gs = m_values[GroundSpeed])
        lines.append({tr("GS"), Unit::iasToString(double(std::lround(*gs * knotsPerMeterPerSecond)), true)});
    if (const auto vs = m_values[VerticalSpeed])
        lines.append({tr("Vertical speed"), Unit::vertspeedToString(int(std::lround(*vs)), true)});
    if (const auto fuel = m_values[FuelTotal])
        lines.append({tr("Fuel on board"), Unit::fuelToString(int(std::lround(*fuel)), true)});

    RichText text;
    text.beginParagraph();
    for (qsizetype i = 0; i < lines.size(); ++i)
        text.addLabelValue(lines.at(i).first, lines.at(i).second, i + 1 < lines.size() ? 2 : 0);
    text.endParagraph();
    return text.html();
}
