#include "settings.h"

#include <QEvent>
#include <QMutexLocker>
#include <QtGlobal>

Settings *Settings::s_instance = nullptr;

Settings::Settings()
    : QObject(nullptr)
{
    if (s_instance)
        qFatal("Settings singleton already defined!");
    s_instance = this;
    // A write from any thread posts an update request to the store, which the main thread
    // then handles by writing the file back: that must not overlap a worker's access.
    m_settings.installEventFilter(this);
}

Settings::~Settings()
{
    if (s_instance == this)
        s_instance = nullptr;
}

bool Settings::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_settings && event->type() == QEvent::UpdateRequest) {
        QMutexLocker locker(&m_mutex);
        m_settings.sync();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

Settings *Settings::instance()
{
    if (!s_instance)
        qFatal("Settings singleton not allocated!");
    return s_instance;
}

void Settings::clear()
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    settings->m_settings.clear();
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    settings->m_settings.setValue(key, value);
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue)
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    return settings->m_settings.value(key, defaultValue);
}

void Settings::setInt(const QString &key, int value)
{
    setValue(key, QVariant(value));
}

int Settings::getInt(const QString &key, int defaultValue)
{
    return value(key, QVariant(defaultValue)).toInt();
}

void Settings::setString(const QString &key, const QString &value)
{
    setValue(key, QVariant(value));
}

QString Settings::getString(const QString &key, const QString &defaultValue)
{
    return value(key, QVariant(defaultValue)).toString();
}

void Settings::setUrl(const QString &key, const QUrl &value)
{
    setValue(key, QVariant(value));
}

QUrl Settings::getUrl(const QString &key, const QUrl &defaultValue)
{
    return value(key, QVariant(defaultValue)).toUrl();
}

void Settings::setByteArray(const QString &key, const QByteArray &value)
{
    setValue(key, QVariant(value));
}

QByteArray Settings::getByteArray(const QString &key, const QByteArray &defaultValue)
{
    return value(key, QVariant(defaultValue)).toByteArray();
}

void Settings::setDouble(const QString &key, double value)
{
    setValue(key, QVariant(value));
}

double Settings::getDouble(const QString &key, double defaultValue)
{
    return value(key, QVariant(defaultValue)).toDouble();
}

void Settings::setBool(const QString &key, bool value)
{
    setValue(key, QVariant(value));
}

bool Settings::getBool(const QString &key, bool defaultValue)
{
    return value(key, QVariant(defaultValue)).toBool();
}

QHash<QString, QVariant> Settings::dump()
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    QHash<QString, QVariant> result;
    const QStringList keys = settings->m_settings.allKeys();
    for (const QString &key : keys)
        result.insert(key, settings->m_settings.value(key));
    return result;
}
