#pragma once

#include "mappluginparameter.h"

#include <QObject>
#include <QQmlListProperty>
#include <QQmlParserStatus>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// Chooses where a map's tiles come from: "osm" (tile servers described by a provider repository)
// or "itemsoverlay" (no tiles, a transparent map for items). Parameters are its children.
class MapPlugin
    : public QObject
    , public QQmlParserStatus
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Plugin)
    Q_INTERFACES(QQmlParserStatus)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QStringList availableServiceProviders READ availableServiceProviders CONSTANT)
    Q_PROPERTY(QQmlListProperty<MapPluginParameter> parameters READ parameters)
    Q_CLASSINFO("DefaultProperty", "parameters")

public:
    explicit MapPlugin(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    QString name() const { return m_name; }
    void setName(const QString &name);
    static QStringList availableServiceProviders();
    bool isKnown() const { return availableServiceProviders().contains(m_name); }
    bool hasTiles() const { return m_name == QLatin1String("osm"); }

    QQmlListProperty<MapPluginParameter> parameters();
    // Adds a parameter from C++ (the plugin does not take ownership).
    void addParameter(MapPluginParameter *parameter);
    // The last parameter of that name, or the fallback.
    QVariant parameter(const QString &name, const QVariant &fallback = QVariant()) const;

    void classBegin() override {}
    void componentComplete() override;

signals:
    void nameChanged();
    // The name or any parameter changed after completion.
    void changed();

private:
    static void appendParameter(QQmlListProperty<MapPluginParameter> *list, MapPluginParameter *parameter);
    static qsizetype parameterCount(QQmlListProperty<MapPluginParameter> *list);
    static MapPluginParameter *parameterAt(QQmlListProperty<MapPluginParameter> *list, qsizetype index);
    static void clearParameters(QQmlListProperty<MapPluginParameter> *list);
    void notify();

    QString m_name;
    QList<MapPluginParameter *> m_parameters;
    bool m_complete = false;
};
