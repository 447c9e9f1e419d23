#include "bezierpath.h"

#include "bezier.h"
#include "listcount.h"
#include "point.h"
#include "recordformat.h"

#include <QGeoShape>
#include <QIODevice>

#include <algorithm>
#include <cmath>

namespace {

// Inner points per curved segment: enough for smooth taxiway edges while a whole airport's
// ground layout stays small enough to hand to the map at once.
constexpr int curvePoints = 6;

// Bytes of a stored coordinate and of a stored control (its node index, then the coordinate).
constexpr qint64 coordinateBytes = 3 * 8;
constexpr qint64 controlBytes = 4 + coordinateBytes;

// Whether the control equals a default coordinate (as QGeoCoordinate compares them: every
// component not a number), asked without building one for every node.
bool isNone(const QGeoCoordinate &control)
{
    return std::isnan(control.latitude()) && std::isnan(control.longitude()) && std::isnan(control.altitude());
}

} // namespace

BezierPath::BezierPath(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type)
    : BaseItem(uid, search, minzoom, minzoomDetails, type)
{
}

BezierPath::~BezierPath() = default;

void BezierPath::squeeze(Ring &ring)
{
    ring.nodes.squeeze();
    ring.controls.squeeze();
}

void BezierPath::addToRing(Ring &ring, const QGeoCoordinate &node, const QGeoCoordinate &control)
{
    ring.nodes.append(cornerOf(node));
    if (!isNone(control))
        ring.controls.append(Control{qint32(ring.nodes.size() - 1), cornerOf(control)});
}

void BezierPath::addNode(const QGeoCoordinate &node, const QGeoCoordinate &control)
{
    addToRing(m_holes.isEmpty() ? m_ring : m_holes.last(), node, control);
}

void BezierPath::close()
{
    m_closed = true;
}

void BezierPath::beginHole()
{
    m_holes.append(Ring());
}

QGeoPath BezierPath::nodes() const
{
    QList<QGeoCoordinate> path;
    path.reserve(m_ring.nodes.size());
    for (const Node &node : m_ring.nodes)
        path.append(coordinateOf(node));
    return QGeoPath(path, m_width);
}

bool BezierPath::allCorners(bool (*accept)(double, double, double)) const
{
    const auto ringHolds = [accept](const Ring &ring) {
        return std::all_of(ring.nodes.cbegin(), ring.nodes.cend(),
                           [accept](const Node &n) { return accept(n.latitude, n.longitude, n.altitude); })
               && std::all_of(ring.controls.cbegin(), ring.controls.cend(), [accept](const Control &c) {
                      return accept(c.at.latitude, c.at.longitude, c.at.altitude);
                  });
    };
    return ringHolds(m_ring) && std::all_of(m_holes.cbegin(), m_holes.cend(), ringHolds);
}

QHash<int, QGeoCoordinate> BezierPath::controls() const
{
    QHash<int, QGeoCoordinate> controls;
    for (const Control &control : m_ring.controls)
        controls.insert(control.node, coordinateOf(control.at));
    return controls;
}

// The rectangle QGeoPath gives for the outer chain, worked out on the packed nodes: longitudes
// are followed along the chain, so a chain across the antimeridian gets the narrow rectangle.
void BezierPath::updateBounding()
{
    squeeze(m_ring);
    for (Ring &hole : m_holes)
        squeeze(hole);
    const QList<Node> &path = m_ring.nodes;
    if (path.isEmpty()) {
        setBounding(QGeoRectangle());
        return;
    }
    double minLatitude = path.first().latitude;
    double maxLatitude = minLatitude;
    double deltaX = 0.0;
    double minX = 0.0;
    double maxX = 0.0;
    qsizetype minId = 0;
    qsizetype maxId = 0;
    for (qsizetype i = 1; i < path.size(); ++i) {
        const double from = path.at(i - 1).longitude;
        double to = path.at(i).longitude;
        double delta = to - from;
        if (std::abs(delta) > 180.0) {
            to += to > 0.0 ? -360.0 : 360.0;
            delta = to - from;
        }
        deltaX += delta;
        if (deltaX < minX) {
            minX = deltaX;
            minId = i;
        }
        if (deltaX > maxX) {
            maxX = deltaX;
            maxId = i;
        }
        const double latitude = path.at(i).latitude;
        if (latitude > maxLatitude)
            maxLatitude = latitude;
        if (latitude < minLatitude)
            minLatitude = latitude;
    }
    setBounding(QGeoRectangle(QGeoCoordinate(maxLatitude, path.at(minId).longitude),
                              QGeoCoordinate(minLatitude, path.at(maxId).longitude)));
}

const QVariantList &BezierPath::polyline() const
{
    if (!m_polylineBuilt) {
        m_polylineCache = sample(m_ring, m_closed);
        m_polylineBuilt = true;
    }
    return m_polylineCache;
}

const QVariantList &BezierPath::holes() const
{
    if (!m_holesBuilt) {
        for (const Ring &hole : m_holes)
            m_holesCache.append(QVariant(sample(hole, true)));
        m_holesBuilt = true;
    }
    return m_holesCache;
}

// An open chain has no segment after its last node; that node's control is never used.
QVariantList BezierPath::sample(const Ring &ring, bool closed)
{
    QVariantList line;
    const qsizetype count = ring.nodes.size();
    auto control = ring.controls.cbegin();
    for (qsizetype i = 0; i < count; ++i) {
        const QGeoCoordinate from = coordinateOf(ring.nodes.at(i));
        line.append(QVariant::fromValue(from));
        while (control != ring.controls.cend() && control->node < i)
            ++control;
        const bool last = i == count - 1;
        if (control == ring.controls.cend() || control->node != i || (!closed && last))
            continue;
        const QGeoCoordinate next = coordinateOf(ring.nodes.at(last ? 0 : i + 1));
        if (from != next)
            line.append(Bezier::quadraticPath(curvePoints, from, coordinateOf(control->at), next));
    }
    if (closed && count > 0)
        line.append(QVariant::fromValue(coordinateOf(ring.nodes.first())));
    return line;
}

// A coordinate is written as Qt Positioning writes one: latitude, longitude, altitude.
void BezierPath::writeNodes(QDataStream &stream, const QList<Node> &nodes)
{
    for (const Node &node : nodes)
        stream << node.latitude << node.longitude << node.altitude;
}

// In the form Qt streams a QHash of them, but by ascending node index: hash order would follow
// the process's hash seed, and the same import must give the same file.
void BezierPath::writeControls(QDataStream &stream, const QList<Control> &controls)
{
    ListCount::write(stream, controls.size());
    for (const Control &control : controls)
        stream << control.node << control.at.latitude << control.at.longitude << control.at.altitude;
}

void BezierPath::writePath(QDataStream &stream) const
{
    // The outer chain in the form Qt Positioning writes a QGeoShape holding a QGeoPath; the
    // count there is Qt's qsizetype, 64 bits.
    stream << quint32(QGeoShape::PathType) << m_width << qint64(m_ring.nodes.size());
    writeNodes(stream, m_ring.nodes);
    stream << m_closed;
    writeControls(stream, m_ring.controls);
    ListCount::write(stream, m_holes.size());
    for (const Ring &hole : m_holes) {
        ListCount::write(stream, hole.nodes.size());
        writeNodes(stream, hole.nodes);
        writeControls(stream, hole.controls);
    }
}

BezierPath::Node BezierPath::readNode(QDataStream &stream)
{
    return cornerOf(readRecordCoordinate(stream));
}

// The readers below stand in for Qt's shape and hash readers, which trust the counts they
// read: a forged count made them allocate gigabytes. Each count is held against the bytes left.
bool BezierPath::readNodes(QDataStream &stream, QList<Node> &nodes, qint64 count)
{
    if (count < 0)
        return false;
    nodes.reserve(count);
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i)
        nodes.append(readNode(stream));
    return stream.status() == QDataStream::Ok;
}

// Files written before controls were sorted hold them in hash order; as the hash they were
// read into, a later entry of the same node replaces an earlier one.
bool BezierPath::readControls(QDataStream &stream, QList<Control> &controls)
{
    const qint64 count = RecordFormat::readCount(stream, controlBytes);
    if (count < 0)
        return false;
    controls.reserve(count);
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        qint32 index = 0;
        stream >> index;
        controls.append(Control{index, readNode(stream)});
    }
    if (stream.status() != QDataStream::Ok)
        return false;
    std::stable_sort(controls.begin(), controls.end(),
                     [](const Control &a, const Control &b) { return a.node < b.node; });
    // Keep the last of each run of one node.
    qsizetype kept = 0;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        if (i + 1 < controls.size() && controls.at(i + 1).node == controls.at(i).node)
            continue;
        controls[kept++] = controls.at(i);
    }
    controls.resize(kept);
    return true;
}

void BezierPath::readPath(QDataStream &stream)
{
    quint32 type = 0;
    stream >> type;
    if (stream.status() != QDataStream::Ok)
        return;
    if (type != QGeoShape::PathType) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    Ring ring;
    double width = 0.0;
    qint64 count = -1;
    stream >> width >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    const qint64 left = stream.device() ? stream.device()->bytesAvailable() : 0;
    if (count < 0 || count > left / coordinateBytes) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    if (!readNodes(stream, ring.nodes, count))
        return;
    bool closed = false;
    stream >> closed;
    if (stream.status() != QDataStream::Ok || !readControls(stream, ring.controls))
        return;
    QList<Ring> holes;
    if (RecordFormat::reading() >= 7) {
        // Every hole takes at least its two counts.
        const qint64 holeCount = RecordFormat::readCount(stream, 8);
        for (qint64 i = 0; i < holeCount && stream.status() == QDataStream::Ok; ++i) {
            Ring hole;
            if (!readNodes(stream, hole.nodes, RecordFormat::readCount(stream, coordinateBytes))
                || !readControls(stream, hole.controls))
                return;
            holes.append(std::move(hole));
        }
        if (stream.status() != QDataStream::Ok)
            return;
    }
    m_ring = std::move(ring);
    m_width = width;
    m_closed = closed;
    m_holes = std::move(holes);
    m_polylineBuilt = false;
    m_polylineCache.clear();
    m_holesBuilt = false;
    m_holesCache.clear();
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
