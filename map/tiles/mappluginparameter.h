#pragma once

#include <QObject>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

// One named setting of a map plugin.
class MapPluginParameter : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(PluginParameter)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QVariant value READ value WRITE setValue NOTIFY valueChanged)

public:
    explicit MapPluginParameter(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    QString name() const { return m_name; }
    void setName(const QString &name);
    QVariant value() const { return m_value; }
    void setValue(const QVariant &value);

signals:
    void nameChanged();
    void valueChanged();

private:
    QString m_name;
    QVariant m_value;
};
