#pragma once

#include <QByteArray>
#include <QGeoCoordinate>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <optional>

class QUdpSocket;

// The link to a running X-Plane that follows the simulated airplane, published to QML as
// "xpconnect". It subscribes to a few datarefs over the simulator's UDP "RREF" protocol: one
// request per value, and X-Plane then streams "RREF," datagrams with (index, value) records to
// the port the requests came from, several values in one datagram.
//
// Everything runs on the main thread's event loop; nothing waits on the network. The host and
// port come from the preferences "tracking/xpHost" and "tracking/xpPort", read at each connect().
//
// Every reply is checked whole before any value is taken: a datagram that is malformed, comes
// from another sender, names an index we did not subscribe or carries a value that cannot be
// (NaN, infinity, a latitude or longitude out of range) is dropped, so the airplane never jumps
// to a wrong place and never shows a mix of old and half-read values.
class XpConnect : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int state READ state NOTIFY stated)
    Q_PROPERTY(QGeoCoordinate position READ position NOTIFY updated)
    Q_PROPERTY(int heading READ heading NOTIFY updated)
    Q_PROPERTY(QString tooltip READ tooltip NOTIFY updated)

public:
    enum State { Disconnected = 0, Connecting = 1, Connected = 2 };

    // The values we subscribe to, in index order: the index of each request is its position here.
    enum Value {
        Latitude,
        Longitude,
        Elevation,
        TrueHeading,
        TrueAirspeed,
        GroundSpeed,
        VerticalSpeed,
        FuelTotal,
        ValueCount
    };

    static constexpr quint16 defaultPort = 49000;
    static constexpr int defaultWatchdogMs = 5000;
    static constexpr int frequencyHz = 5;
    static constexpr int requestSize = 413;

    explicit XpConnect(QObject *parent = nullptr);
    ~XpConnect() override;

    // These two hide QObject's connect() and disconnect(): inside the class, signal wiring
    // must name QObject::connect explicitly.
    Q_INVOKABLE void connect();
    Q_INVOKABLE void disconnect();

    int state() const { return m_state; }
    QGeoCoordinate position() const { return m_position; }
    int heading() const { return m_heading; }
    QString tooltip() const { return m_tooltip; }

    // Time without a valid reply after which the link counts as lost and subscribes again.
    void setWatchdogInterval(int ms);

    // The simulator's address from the preference: empty means this machine.
    static QString hostFromSetting(const QString &text);
    // The simulator's port from the preference: empty, not a number or outside 1..65535 means
    // the simulator's default.
    static quint16 portFromSetting(const QString &text);

    // The dataref path subscribed under that index.
    static QByteArray datarefPath(Value value);
    // One subscription request in X-Plane's layout; frequency 0 cancels.
    static QByteArray request(int frequency, int index, const QByteArray &path);

signals:
    void stated();
    void updated();
    void message(const QString &text, bool error);

private:
    using Values = std::array<std::optional<float>, ValueCount>;

    void setState(State state);
    void open(const QHostAddress &address);
    void sendRequests(int frequency);
    void readPending();
    // The values of a reply datagram over the ones known so far; nothing when it must be dropped.
    std::optional<Values> parseReply(const QByteArray &datagram) const;
    void takeIn(const Values &values);
    void watchdogExpired();
    void closeSocket();
    QString target() const;
    QString buildTooltip() const;

    QUdpSocket *m_socket = nullptr;
    QTimer m_watchdog;
    QString m_host;
    QHostAddress m_address;
    quint16 m_port = defaultPort;
    // Identifies the host-name lookup in flight; a result of an older one is ignored.
    int m_lookupId = -1;

    State m_state = Disconnected;
    Values m_values;
    QGeoCoordinate m_position;
    int m_heading = -1;
    QString m_tooltip;
};
