#pragma once

#include "baseitem.h"
#include "record.h"

#include <QDataStream>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Point;

// One SID, STAR or approach of an airport with its legs in file order. Transitions are not
// objects of their own: every leg names the transition it belongs to ("ALL" for the common
// part), and everything else (transitions, entries, exits, runways) is derived from the legs
// on each request. Built by the CIFP reader or the database-file reader, owned by the
// database, and never changed once handed over.
class Procedure : public BaseItem
{
    Q_OBJECT

public:
    enum Types { UNKNOWN = 0, SID = 1, STAR = 2, APPCH = 3 };
    Q_ENUM(Types)

    Procedure(const QString &name, const QString &airport, int type);
    ~Procedure() override;

    void addRecord(const Record &record);
    void setRecords(const QList<Record> &records);

    QString name() const { return m_name; }
    QString airport() const { return m_airport; }
    int type() const { return m_procedureType; }
    QString typeString() const;
    QString icon() const;
    bool isAirport(const QString &code) const;

    static QString typeToString(int type);
    static int typeFromString(const QString &text);
    static QString icon(int type);

    // ---- transitions
    QStringList transitions() const;
    QString mainTransition() const;
    QString runwayThreshold(const QString &transition) const;

    // ---- leg selections and points (nothing is cached: fixes are looked up on each call)
    QList<Record> recordsOfTransition(const QString &transition) const;
    QList<Record> transitionRecords(const QString &transition, bool withMissedApproach) const;
    QList<Record> transitionRecords(bool withMissedApproach) const;
    int transitionRouteType(const QString &transition) const;
    QStringList pointUids(const QString &transition, bool withMissedApproach) const;
    QStringList pointUids(bool withMissedApproach) const;
    QList<Point *> outputPoints() const;
    QList<Point *> inputPoints() const;
    QStringList outputs(bool asLinks) const;
    QStringList inputs(bool asLinks) const;
    bool usesPoint(const Point *point) const;
    bool matchesRunway(const QString &runway) const;
    Point *airportPoint() const;

    // ---- texts (proceduretexts.cpp); all HTML, every text from the data escaped
    QString link() const;
    QString airportLink() const;
    QString detailHtml() const;
    QString instructionsHtml() const;
    QString transitionTooltip(const QString &transition) const;
    void dumpRecords() const;

    // ---- map path (procedurepath.cpp): the line the map draws for a transition, every leg
    // when the transition is empty; QGeoCoordinate values in flying order.
    QVariantList buildProcedurePath(const QString &transition) const;

private:
    QString m_name;
    QString m_airport;
    qint8 m_procedureType;
    QList<Record> m_records;

    friend QDataStream &operator<<(QDataStream &stream, const Procedure &procedure);
    friend QDataStream &operator>>(QDataStream &stream, Procedure *&procedure);
};

// The procedure's record in the navigation database file: name, airport, type, then the legs
// as a list.
QDataStream &operator<<(QDataStream &stream, const Procedure &procedure);
// Always hands back a new procedure, owned by the caller, even when the stream failed: the
// caller tests the stream status. A damaged leg list leaves the procedure without legs.
QDataStream &operator>>(QDataStream &stream, Procedure *&procedure);
