#pragma once

#include "baseitem.h"

#include <QDataStream>
#include <QGeoCoordinate>
#include <QGeoPath>
#include <QHash>
#include <QList>
#include <QVariantList>

// A chain of airport-ground nodes as the simulator's airport file gives them, where a node may
// carry one Bezier control point that shapes the curve towards the next node. The map gets the
// chain as a sampled polyline, built on the first request and kept: nodes are never added after
// that. A pavement or boundary polygon may have holes (the rings after its first, such as the
// grass inside an apron): each is a closed chain of the same kind, which the map cuts out.
class BezierPath : public BaseItem
{
    Q_OBJECT

public:
    BezierPath(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type);
    ~BezierPath() override;

    // An invalid control point means a straight segment after this node. The node goes to the
    // hole begun last, if any, else to the outer chain.
    void addNode(const QGeoCoordinate &node, const QGeoCoordinate &control);
    void close();
    // Begins a hole: the nodes added from now on make it.
    void beginHole();
    // Also gives back the room the node lists grew beyond their nodes: readers call it once a
    // path is complete (nodes added later are kept all the same).
    void updateBounding();

    const QVariantList &polyline() const;
    // One closed polyline (a QVariantList of QGeoCoordinate values) per hole, in file order.
    const QVariantList &holes() const;
    int holeCount() const { return int(m_holes.size()); }

    // Built on each call from the packed nodes: for tests and inspection, not for drawing.
    QGeoPath nodes() const;
    bool isClosed() const { return m_closed; }
    QHash<int, QGeoCoordinate> controls() const;
    // Whether accept(latitude, longitude, altitude) holds for every node and control point of
    // the outer chain and the holes, without building a coordinate of any.
    bool allCorners(bool (*accept)(double, double, double)) const;

    // The path part of a stored record.
    void writePath(QDataStream &stream) const;
    // Leaves the stream status other than Ok when the part cannot be read or is not a path.
    void readPath(QDataStream &stream);

private:
    // The ground layout of a world has about a million nodes: each is kept as its three
    // components, not as a QGeoCoordinate (a heap block of its own), and the few controls as a
    // list by ascending node index rather than a hash table per path.
    using Node = Corner;
    struct Control
    {
        qint32 node;
        Node at;
    };
    struct Ring
    {
        QList<Node> nodes;
        QList<Control> controls;
    };

    static void squeeze(Ring &ring);
    static void addToRing(Ring &ring, const QGeoCoordinate &node, const QGeoCoordinate &control);
    static QVariantList sample(const Ring &ring, bool closed);
    static void writeNodes(QDataStream &stream, const QList<Node> &nodes);
    static void writeControls(QDataStream &stream, const QList<Control> &controls);
    static bool readNodes(QDataStream &stream, QList<Node> &nodes, qint64 count);
    static bool readControls(QDataStream &stream, QList<Control> &controls);
    static Node readNode(QDataStream &stream);

    Ring m_ring;
    double m_width = 0.0;
    bool m_closed = false;
    QList<Ring> m_holes;
    mutable QVariantList m_holesCache;
    mutable bool m_holesBuilt = false;
    // Built lazily by whichever thread first asks, in practice the main thread through a model.
    mutable QVariantList m_polylineCache;
    mutable bool m_polylineBuilt = false;
};

QDataStream &operator<<(QDataStream &stream, const BezierPath &path);
QDataStream &operator>>(QDataStream &stream, BezierPath *&path);
