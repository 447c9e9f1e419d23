#include "mappluginparameter.h"

void MapPluginParameter::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged();
}

void MapPluginParameter::setValue(const QVariant &value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged();
}
