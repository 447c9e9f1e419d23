#include "baseitem.h"

#include <QDebug>
#include <QStringList>

#include <cmath>

BaseItem::BaseItem(const QString &uid, const QString &search, double minzoom, double minzoomDetails, int type)
    : QObject(nullptr)
    , m_uid(uid)
    , m_search(search.toLower())
    , m_minzoom(minzoom)
    , m_minzoomDetails(minzoomDetails)
    , m_type(type)
{
}

BaseItem::~BaseItem() = default;

BaseItem::Corner BaseItem::cornerOf(const QGeoCoordinate &coordinate)
{
    return {coordinate.latitude(), coordinate.longitude(), coordinate.altitude()};
}

// Through the setters: the constructor would drop components out of range, which a rectangle
// read from a file may hold.
QGeoCoordinate BaseItem::coordinateOf(const Corner &corner)
{
    QGeoCoordinate coordinate;
    coordinate.setLatitude(corner.latitude);
    coordinate.setLongitude(corner.longitude);
    coordinate.setAltitude(corner.altitude);
    return coordinate;
}

void BaseItem::setUid(const QString &uid)
{
    m_uid = uid;
}

QGeoRectangle BaseItem::bounding() const
{
    return QGeoRectangle(coordinateOf(m_topLeft), coordinateOf(m_bottomRight));
}

void BaseItem::setBounding(const QGeoRectangle &bounding)
{
    m_topLeft = cornerOf(bounding.topLeft());
    m_bottomRight = cornerOf(bounding.bottomRight());
}

void BaseItem::setBoundingFromCoordinate(const QGeoCoordinate &position)
{
    // Every point, start-up position and taxi name of the world gets one: Qt's centre-and-size
    // constructor spends thousands of instructions on wrapping rules that only the poles and the
    // date line need. Away from them its result is the centre plus and minus half the size,
    // which is set here directly (the same doubles, bit for bit; the corners have no altitude).
    constexpr double half = 0.001 / 2.0;
    const double latitude = position.latitude();
    const double longitude = position.longitude();
    if (std::fabs(latitude) < 89.99 && std::fabs(longitude) < 179.99) {
        m_topLeft = {latitude + half, longitude - half, qQNaN()};
        m_bottomRight = {latitude - half, longitude + half, qQNaN()};
        return;
    }
    setBounding(QGeoRectangle(position, 0.001, 0.001));
}

QVariant BaseItem::data(int role) const
{
    switch (role) {
    case UID:
        return m_uid;
    case Bounding:
        return QVariant::fromValue(bounding());
    case Search:
        return m_search;
    case MinZoom:
        return m_minzoom;
    case MinZoomDetails:
        return m_minzoomDetails;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> BaseItem::roleNames()
{
    return {
        {UID, "role_uid"},
        {Bounding, "role_bounding"},
        {Search, "role_search"},
        {MinZoom, "role_minzoom"},
        {MinZoomDetails, "role_minzoom_details"},
    };
}

namespace {

// C++ % keeps the sign of the dividend; the bit number is the mathematical remainder.
int typeBit(int type)
{
    return ((type % 32) + 32) % 32;
}

} // namespace

bool BaseItem::typeInMask(int type, int mask)
{
    return (static_cast<quint32>(mask) >> typeBit(type)) & 1u;
}

int BaseItem::withTypeInMask(int mask, int type, bool in)
{
    const quint32 flag = 1u << typeBit(type);
    const quint32 bits = static_cast<quint32>(mask);
    return static_cast<qint32>(in ? (bits | flag) : (bits & ~flag));
}

bool BaseItem::isVisible(const QGeoRectangle &area, double zoom, int mask) const
{
    if (m_minzoom > zoom)
        return false;
    if (!typeInMask(m_type, mask))
        return false;
    if (!area.isValid())
        return false;
    return bounding().intersects(area);
}

bool BaseItem::isPlainAscii(QStringView text, bool allowUpper)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || (!allowUpper && u >= 'A' && u <= 'Z'))
            return false;
    }
    return true;
}

bool BaseItem::matches(const QString &text, int mask) const
{
    if (!typeInMask(m_type, mask))
        return false;
    if (text.isEmpty())
        return true;
    // The lists test every item on each keystroke, and folding case character by character is
    // the bulk of that. The search text is stored lower-cased, so when it and a lower-case text
    // are plain ASCII the case-sensitive search gives the same answer, several times faster.
    // Outside ASCII (a long s folds to s, for one) only the folding search is right.
    if (isPlainAscii(text, false) && isPlainAscii(m_search, true))
        return m_search.contains(text, Qt::CaseSensitive);
    return m_search.contains(text, Qt::CaseInsensitive);
}

quint16 BaseItem::checkUint16(int value)
{
    if (value > 65535) {
        qWarning() << "Check uint16_t failed (too big)!";
        return 65535;
    }
    if (value < 0) {
        qWarning() << "Check uint16_t failed (too small)!";
        return 0;
    }
    return static_cast<quint16>(value);
}

quint8 BaseItem::checkUint8(int value)
{
    if (value > 255) {
        qWarning() << "Check uint8_t failed (too big)!";
        return 255;
    }
    if (value < 0) {
        qWarning() << "Check uint8_t failed (too small)!";
        return 0;
    }
    return static_cast<quint8>(value);
}

qint16 BaseItem::checkInt16(int value)
{
    if (value > 32767) {
        qWarning() << "Check int16_t failed (too big)!";
        return 32767;
    }
    if (value < -32768) {
        qWarning() << "Check int16_t failed (too small)!";
        return -32768;
    }
    return static_cast<qint16>(value);
}

qint8 BaseItem::checkInt8(int value)
{
    if (value > 127) {
        qWarning() << "Check int8_t failed (too big)!";
        return 127;
    }
    if (value < -128) {
        qWarning() << "Check int8_t failed (too small)!";
        return -128;
    }
    return static_cast<qint8>(value);
}

QString BaseItem::nextUid(const QString &uid)
{
    const QStringList parts = uid.split(QLatin1Char('_'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return uid + QStringLiteral("_1");
    bool ok = false;
    quint64 number = parts.last().toUInt(&ok, 10);
    if (!ok)
        number = 0;
    // 64 bits so that the largest 32-bit suffix still counts on instead of wrapping to 0.
    return uid + QLatin1Char('_') + QString::number(number + 1);
}
