#pragma once

#include "bezierpath.h"
#include "paintlightstyle.h"

#include <QDataStream>

#include <memory>

// A painted line or light string on the airport ground: a node chain plus the simulator's line
// and light type codes. The pair of the last two codes is what the database file keeps; the
// drawing style is derived from it when first needed (normally by the map's first data call).
class Paintlight : public BezierPath
{
    Q_OBJECT

public:
    enum PaintlightRoles {
        RolePolyline = BaseRolePaintlight,
        RoleUnknown,
        RoleUnknownString,
        RoleHasLine,
        RoleLineWidth,
        RoleDashedLine,
        RoleLinePattern,
        RoleLineColor,
        RoleHasLight,
        RoleLightColor
    };

    Paintlight();
    ~Paintlight() override;

    // The importer adds the line code, then the light code. From the third code on, the style
    // is built from the first two and every further code is applied on top.
    void addType(int code);
    // High byte: the previous code, low byte: the latest.
    qint16 types() const { return m_types; }
    int typeCount() const { return m_typeCount; }
    const PaintlightStyle *getStyle() const;

    QVariant data(int role) const;
    static QHash<int, QByteArray> roleNames();

private:
    PaintlightStyle *ensureStyle() const;
    int previousCode() const { return (quint16(m_types) >> 8) & 0xFF; }
    int latestCode() const { return quint16(m_types) & 0xFF; }

    qint16 m_types = 0;
    int m_typeCount = 0;
    mutable std::unique_ptr<PaintlightStyle> m_style;

    friend QDataStream &operator>>(QDataStream &stream, Paintlight *&paintlight);
};

QDataStream &operator<<(QDataStream &stream, const Paintlight &paintlight);
// A record that cannot be read completely yields null and no item.
QDataStream &operator>>(QDataStream &stream, Paintlight *&paintlight);
