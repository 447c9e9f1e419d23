#include "runway.h"

#include "database.h"
#include "point.h"
#include "richtext.h"
#include "streampacker.h"

#include <QColor>
#include <QDebug>
#include <QGeoRectangle>
#include <QMutex>
#include <QSet>

namespace {

QString uidFor(const QString &airport, const QString &name0, const QString &name1)
{
    QString uid;
    uid.reserve(airport.size() + name0.size() + name1.size() + 2);
    uid.append(airport);
    uid.append(QLatin1Char('/'));
    uid.append(name0);
    uid.append(QLatin1Char('-'));
    uid.append(name1);
    return uid;
}

} // namespace

Runway::Runway(const QString &airport, const QGeoCoordinate &threshold0, const QString &name0, float extension0,
               const QGeoCoordinate &threshold1, const QString &name1, float extension1, float width, int surface,
               int centreLights, int edgeLights)
    : BaseItem(uidFor(airport, name0, name1), QStringLiteral("nosearch"), 10.0, 12.0, -1)
    , m_airport(airport)
    , m_names({name0, name1})
    , m_thresholds({threshold0, threshold1})
    , m_extensions{extension0, extension1}
    , m_width(width)
    , m_surface(checkInt8(knownSurface(surface)))
    , m_centreLights(centreLights > 0)
    , m_edgeLights(edgeLights > 0)
    , m_ilsFrequencies{0.0f, 0.0f}
    , m_ilsIdents({QString(), QString()})
{
    m_length = threshold0.distanceTo(threshold1);
    m_headings[0] = threshold0.azimuthTo(threshold1);
    m_headings[1] = threshold1.azimuthTo(threshold0);
    const double heading0 = m_headings[0];

    const QGeoCoordinate outer0 = threshold0.atDistanceAndAzimuth(m_extensions[0], m_headings[1], 0.0);
    const double halfWidth = static_cast<double>(m_width * 0.5f);

    const QGeoCoordinate corner1 = outer0.atDistanceAndAzimuth(halfWidth, heading0 - 90.0, 0.0);
    const QGeoCoordinate corner2 = outer0.atDistanceAndAzimuth(halfWidth, heading0 + 90.0, 0.0);
    const QGeoCoordinate outer1 = threshold1.atDistanceAndAzimuth(m_extensions[1], heading0, 0.0);
    const QGeoCoordinate corner3 = outer1.atDistanceAndAzimuth(halfWidth, heading0 + 90.0, 0.0);
    const QGeoCoordinate corner4 = outer1.atDistanceAndAzimuth(halfWidth, heading0 - 90.0, 0.0);

    m_outerPolygon = {QVariant::fromValue(corner1), QVariant::fromValue(corner2), QVariant::fromValue(corner3),
                      QVariant::fromValue(corner4)};
    setBounding(QGeoRectangle(QList<QGeoCoordinate>{corner1, corner3}));

    m_innerPolygon = {QVariant::fromValue(threshold0.atDistanceAndAzimuth(halfWidth, heading0 - 90.0, 0.0)),
                      QVariant::fromValue(threshold0.atDistanceAndAzimuth(halfWidth, heading0 + 90.0, 0.0)),
                      QVariant::fromValue(threshold1.atDistanceAndAzimuth(halfWidth, heading0 + 90.0, 0.0)),
                      QVariant::fromValue(threshold1.atDistanceAndAzimuth(halfWidth, heading0 - 90.0, 0.0))};

    m_centreLine = {QVariant::fromValue(threshold0), QVariant::fromValue(threshold1)};
}

Runway::~Runway() = default;

bool Runway::hasAirportCode(const QString &code) const
{
    return code == m_airport;
}

bool Runway::belongsTo(const Point *airport) const
{
    return airport && airport->code() == m_airport;
}

bool Runway::hasEnd(int index) const
{
    return validIndex(index) && !m_names.at(index).isEmpty();
}

QString Runway::endName(int index, bool withPrefix) const
{
    if (!validIndex(index))
        return QString();
    return withPrefix ? toggleRwPrefix(m_names.at(index)) : m_names.at(index);
}

QString Runway::oppositeEndName(const QString &end) const
{
    return end == m_names.at(0) ? m_names.at(1) : m_names.at(0);
}

QGeoCoordinate Runway::endPosition(const QString &end) const
{
    return end == m_names.at(0) ? m_thresholds.at(0) : m_thresholds.at(1);
}

QString Runway::codes() const
{
    const QString &name0 = m_names.at(0);
    const QString &name1 = m_names.at(1);
    if (!name0.isEmpty() && !name1.isEmpty())
        return name0 + QLatin1Char('-') + name1;
    if (!name0.isEmpty())
        return name0;
    return name1;
}

bool Runway::isHardLong() const
{
    return m_length >= 2000.0 && (m_surface == 1 || m_surface == 2);
}

bool Runway::hasIls(int index) const
{
    return validIndex(index) && m_ilsFrequencies[index] != 0.0f;
}

void Runway::setIls(const QString &end, float frequency, const QString &ident)
{
    // The second end is tested last, so it wins when both ends carry the same name.
    if (end == m_names.at(0))
        setIlsAt(0, frequency, ident);
    if (end == m_names.at(1))
        setIlsAt(1, frequency, ident);
}

void Runway::setIlsAt(int index, float frequency, const QString &ident)
{
    if (!validIndex(index))
        return;
    m_ilsFrequencies[index] = frequency;
    m_ilsIdents[index] = ident;
}

QString Runway::widthText() const
{
    return QStringLiteral("%1m").arg(double(m_width), 0, 'f', 0);
}

QString Runway::lengthText() const
{
    return QStringLiteral("%1m").arg(m_length, 0, 'f', 0);
}

QString Runway::headingText(int index) const
{
    if (!validIndex(index))
        return QString();
    return QStringLiteral("%1°").arg(m_headings[index], 0, 'f', 0);
}

QString Runway::ilsText(int index) const
{
    if (!hasIls(index))
        return QString();
    return QStringLiteral("%1MHz %2").arg(QString::number(double(m_ilsFrequencies[index])), m_ilsIdents.at(index));
}

QString Runway::surfaceText() const
{
    return surfaceText(m_surface);
}

namespace {

// Once per code for the whole run: the map asks for the colour of every pavement it draws.
void warnUnknownSurface(int code)
{
    static QMutex mutex;
    static QSet<int> warned;
    QMutexLocker locker(&mutex);
    if (!warned.contains(code)) {
        warned.insert(code);
        qWarning() << "Unknown surface type" << code << "fallback to asphalt";
    }
}

} // namespace

int Runway::knownSurface(int code)
{
    // The newer simulator's shades of asphalt and of concrete.
    if (code >= 20 && code <= 38)
        return 1;
    if (code >= 50 && code <= 57)
        return 2;
    if (code < 0 || code > 19) {
        warnUnknownSurface(code);
        return 1;
    }
    return code;
}

QString Runway::surfaceText(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("asphalt");
    case 2:
        return QStringLiteral("concrete");
    case 3:
        return QStringLiteral("grass");
    case 4:
        return QStringLiteral("dirt");
    case 5:
        return QStringLiteral("gravel");
    case 12:
        return QStringLiteral("lakebed");
    case 13:
        return QStringLiteral("water");
    case 14:
        return QStringLiteral("snow");
    default:
        warnUnknownSurface(code);
        return QStringLiteral("asphalt");
    }
}

QString Runway::verticalCode(const QString &name)
{
    if (name.endsWith(QLatin1Char('L')) || name.endsWith(QLatin1Char('R')) || name.endsWith(QLatin1Char('C'))) {
        QString code = name;
        code.insert(code.size() - 1, QLatin1Char('\n'));
        return code;
    }
    return name;
}

QString Runway::toggleRwPrefix(const QString &name)
{
    if (name.isEmpty())
        return name;
    if (name.startsWith(QStringLiteral("RW")))
        return name.mid(2);
    return QStringLiteral("RW") + name;
}

QGeoCoordinate Runway::pointTowards(const QGeoCoordinate &from, float distance, const QGeoCoordinate &to)
{
    return from.atDistanceAndAzimuth(distance, from.azimuthTo(to), 0.0);
}

QString Runway::findOppositeEndName(const QString &airport, const QString &end)
{
    const Runway *runway = Database::findRunwayOfAirport(airport, end);
    if (!runway) {
        qWarning() << "Cannot find opposite ruway" << end << "for airport" << airport;
        return QString();
    }
    return end == runway->endName(0) ? runway->endName(1) : runway->endName(0);
}

QGeoCoordinate Runway::threshold(int index) const
{
    return validIndex(index) ? m_thresholds.at(index) : QGeoCoordinate();
}

float Runway::extension(int index) const
{
    return validIndex(index) ? m_extensions[index] : 0.0f;
}

float Runway::ilsFrequency(int index) const
{
    return validIndex(index) ? m_ilsFrequencies[index] : 0.0f;
}

QString Runway::ilsIdent(int index) const
{
    return validIndex(index) ? m_ilsIdents.at(index) : QString();
}

double Runway::heading(int index) const
{
    return validIndex(index) ? m_headings[index] : 0.0;
}

QVariant Runway::data(int role) const
{
    switch (role) {
    case RoleName:
        return codes();
    case RoleCodes:
        return m_names;
    case RoleVerticalCodes:
        return QVariantList{verticalCode(m_names.at(0)), verticalCode(m_names.at(1))};
    case RoleWidth:
        return m_width;
    case RoleSurface:
        return int(m_surface);
    case RoleHasCenterLights:
        return m_centreLights;
    case RoleHasEdgeLights:
        return m_edgeLights;
    case RoleHasMarkings:
        return m_surface == 1 || m_surface == 2;
    case RoleRect:
        return m_outerPolygon;
    case RoleInRect:
        return m_innerPolygon;
    case RoleLine:
        return m_centreLine;
    case RoleHeadings:
        return QVariantList{m_headings[0], m_headings[1]};
    case RoleColor:
        return surfaceText();
    case RoleLineColor:
        return QColor(QStringLiteral("#f5f5f5"));
    case RoleLightColor:
        return QColor(QStringLiteral("yellow"));
    case RoleTooltip:
        return RichText::stripImages(infoHtml());
    default:
        return BaseItem::data(role);
    }
}

QHash<int, QByteArray> Runway::roleNames()
{
    QHash<int, QByteArray> roles = BaseItem::roleNames();
    roles.insert(RoleName, "role_name");
    roles.insert(RoleCodes, "role_codes");
    roles.insert(RoleVerticalCodes, "role_verticalcodes");
    roles.insert(RoleWidth, "role_width");
    roles.insert(RoleSurface, "role_surface");
    roles.insert(RoleHasCenterLights, "role_hascenterlights");
    roles.insert(RoleHasEdgeLights, "role_hasedgelights");
    roles.insert(RoleHasMarkings, "role_hasmarkings");
    roles.insert(RoleRect, "role_rect");
    roles.insert(RoleInRect, "role_inrect");
    roles.insert(RoleLine, "role_line");
    roles.insert(RoleHeadings, "role_headings");
    roles.insert(RoleColor, "role_color");
    roles.insert(RoleLineColor, "role_linecolor");
    roles.insert(RoleLightColor, "role_lightcolor");
    roles.insert(RoleTooltip, "role_tooltip");
    return roles;
}

QDataStream &operator<<(QDataStream &stream, const Runway &runway)
{
    StreamPacker(stream) << runway.airport() << runway.endName(0) << runway.endName(1) << runway.threshold(0)
                         << runway.threshold(1) << runway.extension(0) << runway.extension(1) << runway.width()
                         << static_cast<qint8>(runway.surface()) << static_cast<qint8>(runway.hasCentreLights() ? 1 : 0)
                         << static_cast<qint8>(runway.hasEdgeLights() ? 1 : 0) << runway.ilsFrequency(0)
                         << runway.ilsFrequency(1) << runway.ilsIdent(0) << runway.ilsIdent(1);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, Runway *&runway)
{
    runway = nullptr;

    QString airport;
    QString name0;
    QString name1;
    QGeoCoordinate threshold0;
    QGeoCoordinate threshold1;
    float extension0 = 0.0f;
    float extension1 = 0.0f;
    float width = 0.0f;
    qint8 surface = 0;
    qint8 centreLights = 0;
    qint8 edgeLights = 0;
    float ils0 = 0.0f;
    float ils1 = 0.0f;
    QString ident0;
    QString ident1;
    stream >> airport >> name0 >> name1;
    threshold0 = readRecordCoordinate(stream);
    threshold1 = readRecordCoordinate(stream);
    stream >> extension0 >> extension1 >> width >> surface >> centreLights >> edgeLights >> ils0 >> ils1 >> ident0
        >> ident1;
    if (stream.status() != QDataStream::Ok)
        return stream;

    runway = new Runway(airport, threshold0, name0, extension0, threshold1, name1, extension1, width, surface,
                        centreLights != 0 ? 1 : 0, edgeLights != 0 ? 1 : 0);
    runway->setIlsAt(0, ils0, ident0);
    runway->setIlsAt(1, ils1, ident1);
    return stream;
}
