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

public:
    explicit Tracks(Database *database);
    ~Tracks() override;

    bool updating() const { return m_updating; }
    void setUpdating(bool updating);
    QString log() const { return m_log; }
    void setLog(const QString &log);

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
    void addTrack(int kind, const QStringList &items);
    // The fixes an entry may name (namesakes of other regions among them) and, for an entry
    // that is a coordinate, its position.
    QList<Point *> candidates(int kind, const QString &entry, QGeoCoordinate *position) const;
    static QList<Point *> valuesOf(const QMultiHash<QString, Point *> &index, const QString &key);
    void addPredefinedSegment(Point *from, Point *to, const QString &name);
    void restartResolution();
    void reset();

    Database *m_database = nullptr;
    QStringList m_regions;
    bool m_updating = false;
    QString m_log;
    QTimer m_timer;
    QJsonArray m_array;
    qint64 m_nextObject = 0;
    qint32 m_nextPoint = 0;
    QMultiHash<QString, Point *> m_pointsByCode;
    QMultiHash<QString, Point *> m_pointsByName;
    QList<Segment *> m_segments;
    // The database generation the indexes were built against; a load, an import or any
    // added point moves it, and the resolution then starts over on the new contents.
    qint64 m_generation = 0;
};
