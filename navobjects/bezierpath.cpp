#include "bezierpath.h"

#include "bezier.h"

#include <QGeoShape>

namespace {

// Inner points per curved segment: enough for smooth taxiway edges while a whole airport's
// ground layout stays small enough to hand to the map at once.
constexpr int curvePoints = 6;

} // namespace

BezierPath::BezierPath(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type)
    : BaseItem(uid, search, minzoom, minzoomDetails, type)
{
}

BezierPath::~BezierPath() = default;

void BezierPath::addNode(const QGeoCoordinate &node, const QGeoCoordinate &control)
{
    m_nodes.addCoordinate(node);
    if (control != QGeoCoordinate())
        m_controls.insert(m_nodes.size() - 1, control);
}

void BezierPath::close()
{
    m_closed = true;
}

void BezierPath::updateBounding()
{
    setBounding(m_nodes.boundingGeoRectangle());
}

const QVariantList &BezierPath::polyline() const
{
    if (m_polylineBuilt)
        return m_polylineCache;

    const QList<QGeoCoordinate> path = m_nodes.path();
    for (int i = 0; i < path.size(); ++i) {
        m_polylineCache.append(QVariant::fromValue(path.at(i)));
        if (m_controls.contains(i))
            sampleSegment(path.at(i), i);
    }
    if (m_closed && !path.isEmpty())
        m_polylineCache.append(QVariant::fromValue(path.first()));

    m_polylineBuilt = true;
    return m_polylineCache;
}

void BezierPath::sampleSegment(const QGeoCoordinate &from, int index) const
{
    const int count = m_nodes.size();
    const bool last = index == count - 1;
    // An open chain has no segment after its last node; that node's control is never used.
    if (!m_closed && last)
        return;

    const QGeoCoordinate control = m_controls.value(index, QGeoCoordinate());
    const QGeoCoordinate next = m_nodes.coordinateAt(last ? 0 : index + 1);
    if (from == next)
        return;

    m_polylineCache.append(Bezier::quadraticPath(curvePoints, from, control, next));
}

void BezierPath::writePath(QDataStream &stream) const
{
    stream << static_cast<const QGeoShape &>(m_nodes) << m_closed << m_controls;
}

void BezierPath::readPath(QDataStream &stream)
{
    QGeoShape shape;
    bool closed = false;
    stream >> shape >> closed;
    m_controls.clear();
    stream >> m_controls;
    if (stream.status() != QDataStream::Ok)
        return;
    if (shape.type() != QGeoShape::PathType) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_nodes = QGeoPath(shape);
    m_closed = closed;
    updateBounding();
}

QDataStream &operator<<(QDataStream &stream, const BezierPath &path)
{
    path.writePath(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, BezierPath *&path)
{
    if (path)
        path->readPath(stream);
    return stream;
}
