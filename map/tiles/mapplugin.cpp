#include "mapplugin.h"

void MapPlugin::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged();
    notify();
}

QStringList MapPlugin::availableServiceProviders()
{
    return {QStringLiteral("osm"), QStringLiteral("itemsoverlay")};
}

QQmlListProperty<MapPluginParameter> MapPlugin::parameters()
{
    return QQmlListProperty<MapPluginParameter>(this, nullptr, &MapPlugin::appendParameter, &MapPlugin::parameterCount,
                                                &MapPlugin::parameterAt, &MapPlugin::clearParameters);
}

void MapPlugin::addParameter(MapPluginParameter *parameter)
{
    if (!parameter || m_parameters.contains(parameter))
        return;
    m_parameters.append(parameter);
    connect(parameter, &MapPluginParameter::nameChanged, this, &MapPlugin::notify);
    connect(parameter, &MapPluginParameter::valueChanged, this, &MapPlugin::notify);
    connect(parameter, &QObject::destroyed, this, [this, parameter] {
        m_parameters.removeAll(parameter);
        notify();
    });
    notify();
}

QVariant MapPlugin::parameter(const QString &name, const QVariant &fallback) const
{
    for (auto it = m_parameters.crbegin(); it != m_parameters.crend(); ++it) {
        if ((*it)->name() == name)
            return (*it)->value();
    }
    return fallback;
}

void MapPlugin::componentComplete()
{
    m_complete = true;
    if (!m_name.isEmpty() && !isKnown())
        qWarning() << "Unknown map plugin" << m_name << "- known are" << availableServiceProviders();
    emit changed();
}

void MapPlugin::notify()
{
    if (m_complete)
        emit changed();
}

void MapPlugin::appendParameter(QQmlListProperty<MapPluginParameter> *list, MapPluginParameter *parameter)
{
    static_cast<MapPlugin *>(list->object)->addParameter(parameter);
}

qsizetype MapPlugin::parameterCount(QQmlListProperty<MapPluginParameter> *list)
{
    return static_cast<MapPlugin *>(list->object)->m_parameters.size();
}

MapPluginParameter *MapPlugin::parameterAt(QQmlListProperty<MapPluginParameter> *list, qsizetype index)
{
    return static_cast<MapPlugin *>(list->object)->m_parameters.value(index);
}

void MapPlugin::clearParameters(QQmlListProperty<MapPluginParameter> *list)
{
    auto *plugin = static_cast<MapPlugin *>(list->object);
    for (MapPluginParameter *parameter : std::as_const(plugin->m_parameters))
        parameter->disconnect(plugin);
    plugin->m_parameters.clear();
    plugin->notify();
}
