#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// One kind of background a map's plugin offers (street, satellite, ...).
class MapType : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Map types come from the map's plugin.")
    Q_PROPERTY(MapStyle style READ style CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString description READ description CONSTANT)
    Q_PROPERTY(bool mobile READ mobile CONSTANT)
    Q_PROPERTY(bool night READ night CONSTANT)

public:
    enum MapStyle {
        NoMap = 0,
        StreetMap,
        SatelliteMapDay,
        SatelliteMapNight,
        TerrainMap,
        HybridMap,
        TransitMap,
        GrayStreetMap,
        PedestrianMap,
        CarNavigationMap,
        CycleMap,
        CustomMap = 100
    };
    Q_ENUM(MapStyle)

    MapType(MapStyle style, const QString &key, const QString &name, const QString &description, bool night,
            QObject *parent = nullptr)
        : QObject(parent)
        , m_style(style)
        , m_key(key)
        , m_name(name)
        , m_description(description)
        , m_night(night)
    {
    }

    MapStyle style() const { return m_style; }
    // The provider repository's name of the type ("street", "satellite", ...).
    QString key() const { return m_key; }
    QString name() const { return m_name; }
    QString description() const { return m_description; }
    bool mobile() const { return false; }
    bool night() const { return m_night; }

private:
    MapStyle m_style;
    QString m_key;
    QString m_name;
    QString m_description;
    bool m_night;
};
