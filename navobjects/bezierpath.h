#pragma once

#include "baseitem.h"

#include <QDataStream>
#include <QGeoCoordinate>
#include <QGeoPath>
#include <QHash>
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
    void updateBounding();

    const QVariantList &polyline() const;
    // One closed polyline (a QVariantList of QGeoCoordinate values) per hole, in file order.
    const QVariantList &holes() const;
    int holeCount() const { return int(m_holes.size()); }

    const QGeoPath &nodes() const { return m_nodes; }
    bool isClosed() const { return m_closed; }
    const QHash<int, QGeoCoordinate> &controls() const { return m_controls; }

    // The path part of a stored record.
    void writePath(QDataStream &stream) const;
    // Leaves the stream status other than Ok when the part cannot be read or is not a path.
    void readPath(QDataStream &stream);

private:
    struct Ring
    {
        QList<QGeoCoordinate> nodes;
        QHash<int, QGeoCoordinate> controls;
    };

    static QVariantList sample(const QList<QGeoCoordinate> &path, const QHash<int, QGeoCoordinate> &controls,
                               bool closed);

    QGeoPath m_nodes;
    bool m_closed = false;
    QHash<int, QGeoCoordinate> m_controls;
    QList<Ring> m_holes;
    mutable QVariantList m_holesCache;
    mutable bool m_holesBuilt = false;
    // Built lazily by whichever thread first asks, in practice the main thread through a model.
    mutable QVariantList m_polylineCache;
    mutable bool m_polylineBuilt = false;
};

QDataStream &operator<<(QDataStream &stream, const BezierPath &path);
QDataStream &operator>>(QDataStream &stream, BezierPath *&path);
