#pragma once

#include "baseitem.h"

#include <QDataStream>
#include <QGeoCoordinate>
#include <QString>
#include <QVariant>

// One start-up location of an airport's ground layout (gate, hangar, tie-down, other parking)
// with the classes of airplanes that may use it. Every start-up location carries the UID "NOUID".
class Startup : public BaseItem
{
    Q_OBJECT

public:
    enum StartupRoles { RolePosition = BaseRoleStartup, RoleHeading, RoleCode, RoleTooltip };

    Startup(int type, int airplanes, const QGeoCoordinate &position, float heading, const QString &name);
    ~Startup() override;

    int startupType() const { return m_startupType; }
    int airplanes() const { return m_airplanes; }
    QGeoCoordinate position() const { return coordinateOf(m_position); }
    float heading() const { return m_heading; }
    QString name() const { return m_name; }

    // 1 gate, 2 hangar, 3 misc, 4 tie-down; 0 (with a warning) for a word the file format does not know.
    static int typeFromString(const QString &word);
    // Bits 2 heavy, 4 jets, 8 turboprops, 16 props, 32 helos, each for its word standing on its own.
    static int airplanesFromString(const QString &text);
    static QString typeText(int type);
    static QString airplanesText(int airplanes);

    QString tooltipHtml() const;

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();

private:
    qint8 m_startupType;
    qint8 m_airplanes;
    Corner m_position;
    float m_heading;
    QString m_name;
};

QDataStream &operator<<(QDataStream &stream, const Startup &startup);
// A record that cannot be read completely yields null and no start-up location.
QDataStream &operator>>(QDataStream &stream, Startup *&startup);
