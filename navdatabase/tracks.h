#pragma once

#include <QGeoCoordinate>
#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <iterator>

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
    // Fixes by key, in the order indexed. Most keys name one fix, which sits in the hash itself;
    // only the others take a block each. A multi-hash gives every fix a block of its own, and a
    // world's worth of them freed at once held the allocator's lock, and with it the main
    // thread's allocations, for tens of milliseconds.
    template <typename Key>
    class PointIndex
    {
    public:
        void reserve(qsizetype size) { m_first.reserve(size); }
        bool holdsMemory() const { return m_first.capacity() > 0 || m_more.capacity() > 0; }
        void insert(const Key &key, Point *point)
        {
            Point *&first = m_first[key];
            if (first)
                m_more.insert(key, point);
            else
                first = point;
        }
        QList<Point *> values(const Key &key) const
        {
            QList<Point *> result;
            if (Point *first = m_first.value(key)) {
                result.append(first);
                // The multi-hash gives the latest first.
                const QList<Point *> more = m_more.values(key);
                std::copy(more.crbegin(), more.crend(), std::back_inserter(result));
            }
            return result;
        }

    private:
        QHash<Key, Point *> m_first;
        QMultiHash<Key, Point *> m_more;
    };

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
    // Joins the fixes chosen for the entries by segments of the track's name; the entries without
    // a fix are returned.
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
    PointIndex<QString> m_pointsByCode;
    PointIndex<QString> m_pointsByName;
    PointIndex<qint64> m_pointsByPlace;
    QList<Segment *> m_segments;
    // The database generation the indexes were built against; a load, an import or any
    // added point moves it, and the resolution then starts over on the new contents.
    qint64 m_generation = 0;
};
