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
// that.
class BezierPath : public BaseItem
{
    Q_OBJECT

public:
    BezierPath(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type);
    ~BezierPath() override;

    // An invalid control point means a straight segment after this node.
    void addNode(const QGeoCoordinate &node, const QGeoCoordinate &control);
    void close();
    void updateBounding();

    const QVariantList &polyline() const;

    const QGeoPath &nodes() const { return m_nodes; }
    bool isClosed() const { return m_closed; }
    const QHash<int, QGeoCoordinate> &controls() const { return m_controls; }

    // The path part of a stored record.
    void writePath(QDataStream &stream) const;
    // Leaves the stream status other than Ok when the part cannot be read or is not a path.
    void readPath(QDataStream &stream);

private:
    void sampleSegment(const QGeoCoordinate &from, int index) const;

    QGeoPath m_nodes;
    bool m_closed = false;
    QHash<int, QGeoCoordinate> m_controls;
    // Built lazily by whichever thread first asks, in practice the main thread through a model.
    mutable QVariantList m_polylineCache;
    mutable bool m_polylineBuilt = false;
};

QDataStream &operator<<(QDataStream &stream, const BezierPath &path);
QDataStream &operator>>(QDataStream &stream, BezierPath *&path);
