#pragma once

#include <QGeoCoordinate>
#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <QStringList>
#include <QTimer>

class Database;
class Point;
class Segment;
class QNetworkReply;

// Keeps the oceanic tracks of the database current: downloads the NAT and PACOTS tracks,
// resolves their points against the enroute fixes of the oceanic regions and replaces every
// TRACK segment at once. The resolution runs in short slices on the owner's thread so that
// the user interface stays live; defaults() adds the predefined tracks synchronously.
class Tracks : public QNetworkAccessManager
{
    Q_OBJECT
    Q_PROPERTY(bool updating READ updating WRITE setUpdating NOTIFY updated)
    Q_PROPERTY(QString log READ log WRITE setLog NOTIFY updated)
    // The last run ended without laying a track: the tracks in use stay, and the log says why.
    Q_PROPERTY(bool failed READ failed NOTIFY updated)

public:
    explicit Tracks(Database *database);
    ~Tracks() override;

    bool updating() const { return m_updating; }
    void setUpdating(bool updating);
    QString log() const { return m_log; }
    void setLog(const QString &log);
    bool failed() const { return m_failed; }

    Q_INVOKABLE void update();
    Q_INVOKABLE void defaults();

    // The track service's address ("database/tracksUrl"), with the service's own as default.
    static QString serviceUrl();

signals:
    void updated();

public slots:
    void loadFile(const QString &url);
    void received(QNetworkReply *reply);

private slots:
    void process();

private:
    void parse(const QString &text);
    void indexPoint(Point *point);
    static QGeoCoordinate parseCoordinate(const QString &text);
    // Lays one track and returns the entries it left out.
    QStringList addTrack(int kind, const QStringList &items);
    // The fixes an entry may name (namesakes of other regions among them) and, for an entry
    // that is a coordinate, its position.
    QList<Point *> candidates(int kind, const QString &entry, QGeoCoordinate *position) const;
    // The enroute fixes within about a mile of the position, whatever their code.
    QList<Point *> fixesAt(const QGeoCoordinate &position) const;
    template <typename Key>
    static QList<Point *> valuesOf(const QMultiHash<Key, Point *> &index, const Key &key);
    // Joins the fixes chosen for the entries by segments of the track's name; the entries
    // without a fix are returned.
    QStringList layTrack(const QString &name, const QStringList &entries, const QList<Point *> &chosen);
    void addPredefinedSegment(Point *from, Point *to, const QString &name);
    void logTrack(const QString &type, const QStringList &items, const QStringList &leftOut);
    // Hands the indexes to another thread to be freed.
    void clearIndexes();
    void restartResolution();
    // Ends a run that lays nothing: the tracks in use stay, the log tells why.
    void fail(const QString &message);
    void reset();

    Database *m_database = nullptr;
    QStringList m_regions;
    bool m_updating = false;
    bool m_failed = false;
    QString m_log;
    QTimer m_timer;
    QJsonArray m_array;
    qint64 m_nextObject = 0;
    qint32 m_nextPoint = 0;
    QMultiHash<QString, Point *> m_pointsByCode;
    QMultiHash<QString, Point *> m_pointsByName;
    QMultiHash<qint64, Point *> m_pointsByPlace;
    QList<Segment *> m_segments;
    // The database generation the indexes were built against; a load, an import or any
    // added point moves it, and the resolution then starts over on the new contents.
    qint64 m_generation = 0;
};
