#include "bezierpath.h"

#include "bezier.h"
#include "listcount.h"
#include "point.h"
#include "recordformat.h"

#include <QGeoShape>
#include <QIODevice>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace {

// Inner points per curved segment: enough for smooth taxiway edges while a whole airport's
// ground layout stays small enough to hand to the map at once.
constexpr int curvePoints = 6;

// Bytes of a stored coordinate and of a stored control (its node index, then the coordinate).
constexpr qint64 coordinateBytes = 3 * 8;
constexpr qint64 controlBytes = 4 + coordinateBytes;

// In the form Qt streams a QHash, but by ascending node index rather than in hash order: the
// hash order follows the process's hash seed, and the same import must give the same file.
void writeControls(QDataStream &stream, const QHash<int, QGeoCoordinate> &controls)
{
    QVarLengthArray<int, 64> indexes;
    for (auto it = controls.cbegin(); it != controls.cend(); ++it)
        indexes.append(it.key());
    std::sort(indexes.begin(), indexes.end());
    ListCount::write(stream, indexes.size());
    for (const int index : indexes)
        stream << qint32(index) << controls.value(index);
}

void writeRing(QDataStream &stream, const QList<QGeoCoordinate> &nodes, const QHash<int, QGeoCoordinate> &controls)
{
    ListCount::write(stream, nodes.size());
    for (const QGeoCoordinate &node : nodes)
        stream << node;
    writeControls(stream, controls);
}

// Whether the control equals a default coordinate (as QGeoCoordinate compares them: every
// component not a number), asked without building one for every node.
bool isNone(const QGeoCoordinate &control)
{
    return std::isnan(control.latitude()) && std::isnan(control.longitude()) && std::isnan(control.altitude());
}

// The readers below stand in for Qt's shape and hash readers, which trust the counts they
// read: a forged count made them allocate gigabytes. Each count is held against the bytes left.
bool readNodes(QDataStream &stream, QList<QGeoCoordinate> &nodes, qint64 count)
{
    if (count < 0)
        return false;
    nodes.reserve(count);
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i)
        nodes.append(readRecordCoordinate(stream));
    return stream.status() == QDataStream::Ok;
}

bool readControls(QDataStream &stream, QHash<int, QGeoCoordinate> &controls)
{
    const qint64 count = RecordFormat::readCount(stream, controlBytes);
    if (count < 0)
        return false;
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        qint32 index = 0;
        stream >> index;
        controls.insert(index, readRecordCoordinate(stream));
    }
    return stream.status() == QDataStream::Ok;
}

// The path in the form Qt Positioning writes a QGeoShape holding a QGeoPath.
bool readShapePath(QDataStream &stream, QList<QGeoCoordinate> &nodes, double &width)
{
    quint32 type = 0;
    stream >> type;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (type != QGeoShape::PathType) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    // Here the count is Qt's qsizetype, 64 bits.
    qint64 count = -1;
    stream >> width >> count;
    if (stream.status() != QDataStream::Ok)
        return false;
    const qint64 left = stream.device() ? stream.device()->bytesAvailable() : 0;
    if (count < 0 || count > left / coordinateBytes) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    return readNodes(stream, nodes, count);
}

} // namespace

BezierPath::BezierPath(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type)
    : BaseItem(uid, search, minzoom, minzoomDetails, type)
{
}

BezierPath::~BezierPath() = default;

void BezierPath::addNode(const QGeoCoordinate &node, const QGeoCoordinate &control)
{
    if (!m_holes.isEmpty()) {
        Ring &hole = m_holes.last();
        hole.nodes.append(node);
        if (!isNone(control))
            hole.controls.insert(int(hole.nodes.size()) - 1, control);
        return;
    }
    m_nodes.addCoordinate(node);
    if (!isNone(control))
        m_controls.insert(m_nodes.size() - 1, control);
}

void BezierPath::close()
{
    m_closed = true;
}

void BezierPath::beginHole()
{
    m_holes.append(Ring());
}

void BezierPath::updateBounding()
{
    setBounding(m_nodes.boundingGeoRectangle());
}

const QVariantList &BezierPath::polyline() const
{
    if (!m_polylineBuilt) {
        m_polylineCache = sample(m_nodes.path(), m_controls, m_closed);
        m_polylineBuilt = true;
    }
    return m_polylineCache;
}

const QVariantList &BezierPath::holes() const
{
    if (!m_holesBuilt) {
        for (const Ring &hole : m_holes)
            m_holesCache.append(QVariant(sample(hole.nodes, hole.controls, true)));
        m_holesBuilt = true;
    }
    return m_holesCache;
}

// An open chain has no segment after its last node; that node's control is never used.
QVariantList BezierPath::sample(const QList<QGeoCoordinate> &path, const QHash<int, QGeoCoordinate> &controls,
                                bool closed)
{
    QVariantList line;
    const int count = int(path.size());
    for (int i = 0; i < count; ++i) {
        const QGeoCoordinate &from = path.at(i);
        line.append(QVariant::fromValue(from));
        const auto control = controls.constFind(i);
        const bool last = i == count - 1;
        if (control == controls.constEnd() || (!closed && last))
            continue;
        const QGeoCoordinate &next = path.at(last ? 0 : i + 1);
        if (from != next)
            line.append(Bezier::quadraticPath(curvePoints, from, *control, next));
    }
    if (closed && count > 0)
        line.append(QVariant::fromValue(path.first()));
    return line;
}

void BezierPath::writePath(QDataStream &stream) const
{
    stream << static_cast<const QGeoShape &>(m_nodes) << m_closed;
    writeControls(stream, m_controls);
    ListCount::write(stream, m_holes.size());
    for (const Ring &hole : m_holes)
        writeRing(stream, hole.nodes, hole.controls);
}

void BezierPath::readPath(QDataStream &stream)
{
    QList<QGeoCoordinate> nodes;
    double width = 0.0;
    bool closed = false;
    QHash<int, QGeoCoordinate> controls;
    if (!readShapePath(stream, nodes, width))
        return;
    stream >> closed;
    if (stream.status() != QDataStream::Ok || !readControls(stream, controls))
        return;
    QList<Ring> holes;
    if (RecordFormat::reading() >= 7) {
        // Every hole takes at least its two counts.
        const qint64 count = RecordFormat::readCount(stream, 8);
        for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
            Ring hole;
            if (!readNodes(stream, hole.nodes, RecordFormat::readCount(stream, coordinateBytes))
                || !readControls(stream, hole.controls))
                return;
            holes.append(std::move(hole));
        }
        if (stream.status() != QDataStream::Ok)
            return;
    }
    m_nodes = QGeoPath(nodes, width);
    m_closed = closed;
    m_controls = std::move(controls);
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
