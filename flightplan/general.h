#pragma once

#include <QDateTime>
#include <QGeoRectangle>
#include <QList>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <QVariantList>

class Flightplan;
class Waypoint;

// The header of the flight plan: administrative data, times, cruise level and speed,
// transition altitude and alternate. The update pass reads cruiselvl and cruisetas and
// stamps modificationtime; property writes from the interface emit modified() when the value
// changes. The values derived from the waypoint list are computed on every read, under the
// plan's mutex, and are never cached: the plan's modified() is their notification.
class General : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString departureCode READ departureCode NOTIFY modified)
    Q_PROPERTY(QString arrivalCode READ arrivalCode NOTIFY modified)
    Q_PROPERTY(QString departureName READ departureName NOTIFY modified)
    Q_PROPERTY(QString arrivalName READ arrivalName NOTIFY modified)
    Q_PROPERTY(QString shortName READ shortName NOTIFY modified)
    Q_PROPERTY(QString fileName READ fileName NOTIFY modified)
    Q_PROPERTY(QString suggestedFileName READ suggestedFileName NOTIFY modified)
    Q_PROPERTY(QVariantList waypointuids READ waypointuids NOTIFY modified)
    Q_PROPERTY(QVariantList segmentuids READ segmentuids NOTIFY modified)
    Q_PROPERTY(QGeoRectangle bounding READ bounding NOTIFY modified)
    Q_PROPERTY(QString ofp READ ofp NOTIFY modified)
    Q_PROPERTY(QDateTime modificationtime READ modificationtime WRITE setModificationtime NOTIFY modified)
    Q_PROPERTY(QDateTime departuretime READ departuretime WRITE setDeparturetime NOTIFY modified)
    Q_PROPERTY(int departureseconds READ departureseconds NOTIFY modified)
    Q_PROPERTY(QString company READ company WRITE setCompany NOTIFY modified)
    Q_PROPERTY(QString number READ number WRITE setNumber NOTIFY modified)
    Q_PROPERTY(QString pic READ pic WRITE setPic NOTIFY modified)
    Q_PROPERTY(int sequence READ sequence WRITE setSequence NOTIFY modified)
    Q_PROPERTY(int cruiselvl READ cruiselvl WRITE setCruiselvl NOTIFY modified)
    Q_PROPERTY(int cruisetas READ cruisetas WRITE setCruisetas NOTIFY modified)
    Q_PROPERTY(int transition READ transition WRITE setTransition NOTIFY modified)
    Q_PROPERTY(QString performance READ performance NOTIFY modified)
    Q_PROPERTY(QString alternate READ alternate WRITE setAlternate NOTIFY modified)

public:
    // A null argument ends the program.
    General(QList<Waypoint *> *waypoints, QRecursiveMutex *mutex, Flightplan *flightplan);

    // The header of a new, empty plan, from the current airplane and the preferences.
    // Emits nothing.
    void reset();

    // ---- derived from the waypoint list (under the plan's mutex)
    // Empty for an empty plan.
    QString departureCode() const;
    QString arrivalCode() const;
    QString departureName() const;
    QString arrivalName() const;
    // "FROM-TO"; empty unless the plan has a first and a last waypoint.
    QString shortName() const;
    // "FROMTO"; empty unless both ends exist.
    QString fileName() const;
    // As fileName, "untitled" for a plan without ends.
    QString suggestedFileName() const;
    QVariantList waypointuids() const;
    QVariantList segmentuids() const;
    // Invalid for an empty plan.
    QGeoRectangle bounding() const;
    // The operational flight plan, rendered anew on every read.
    QString ofp() const;

    // ---- derived from the stored fields
    // Seconds of the departure time of day, its own seconds ignored; 0 while no departure
    // time is set.
    int departureseconds() const;
    // The speed-and-level group of the ICAO plan, "N0450F350"; a level or speed not set yet
    // (negative) counts as 0.
    QString performance() const;

    QDateTime modificationtime() const { return m_modificationtime; }
    QDateTime departuretime() const { return m_departuretime; }
    QString company() const { return m_company; }
    QString number() const { return m_number; }
    QString pic() const { return m_pic; }
    int sequence() const { return m_sequence; }
    int cruiselvl() const { return m_cruiselvl; }
    int cruisetas() const { return m_cruisetas; }
    int transition() const { return m_transition; }
    QString alternate() const { return m_alternate; }

    void setModificationtime(const QDateTime &value);
    void setDeparturetime(const QDateTime &value);
    void setCompany(const QString &value);
    void setNumber(const QString &value);
    void setPic(const QString &value);
    void setSequence(int value);
    void setCruiselvl(int value);
    void setCruisetas(int value);
    void setTransition(int value);
    void setAlternate(const QString &value);

    // The update pass stamps the time without notifying.
    void touchModificationTime();

signals:
    void modified();
    // The cruise level or speed was written with another value: the legs flown at the old
    // ones are no longer the plan's.
    void cruiseChanged();

private:
    // True when the value differed and was written.
    template <typename T>
    bool write(T &field, const T &value);
    // The first and last waypoints, or null; the caller holds the plan's mutex.
    Waypoint *firstWaypoint() const;
    Waypoint *lastWaypoint() const;

    QDateTime m_modificationtime;
    QDateTime m_departuretime;
    QString m_company;
    QString m_number;
    QString m_pic;
    int m_sequence = 1;
    int m_cruiselvl = -1;
    int m_cruisetas = 0;
    int m_transition = -1;
    QString m_alternate;
    QList<Waypoint *> *m_waypoints = nullptr;
    QRecursiveMutex *m_mutex = nullptr;
    Flightplan *m_flightplan = nullptr;
};
