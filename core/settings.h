#pragma once

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <utility>

// The one process-wide store of preferences, over the platform's per-user settings store.
// Keys are "group/name"; each key, its type and its default belong to the code that reads it.
// The accessors are static so that any code, on any thread, reads a preference without
// being handed the store; QML reaches the same instance as the context property "settings".
//
// A file the store reads that cannot be read (larger than any the program writes, not a plain
// file), the application's or the organisation's, is set aside under a name that says so, and the
// program does without it; one with lines the store cannot read is set aside as it was and kept
// in place without those lines, with every key its other lines state; where the disk has no room
// for that, the file is left as it is and the session runs on what the store read of it. A store
// that cannot be written back (a full disk) is reported, not left to lose the session's
// preferences in silence.
// Either is told once, through problem, which names the file.
class Settings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString problem READ problem NOTIFY problemChanged)

public:
    // The organisation and application names must be set before: they name the store.
    Settings();
    ~Settings() override;

    // What the pilot must be told about the store, empty while nothing went wrong.
    QString problem() const;

    // Before the application object: sets aside what Qt reads as it is made and could not read
    // (the pilot's logging rules as a pipe would hold the start for good); the store tells it.
    static void setAsideBeforeStart();

    // Erases every preference ("Reset all preferences and quit").
    Q_INVOKABLE void clear();

    static void setInt(const QString &key, int value);
    static int getInt(const QString &key, int defaultValue = 0);

    static void setString(const QString &key, const QString &value);
    static QString getString(const QString &key, const QString &defaultValue = QString());

    static void setUrl(const QString &key, const QUrl &value);
    static QUrl getUrl(const QString &key, const QUrl &defaultValue = QUrl());

    static void setByteArray(const QString &key, const QByteArray &value);
    static QByteArray getByteArray(const QString &key, const QByteArray &defaultValue = QByteArray());

    static void setDouble(const QString &key, double value);
    static double getDouble(const QString &key, double defaultValue = 0.0);

    static void setBool(const QString &key, bool value);
    static bool getBool(const QString &key, bool defaultValue = false);

    // Every key of the store with its value.
    static QHash<QString, QVariant> dump();

signals:
    void problemChanged();

protected:
    // Takes over the store's deferred write-back so that it, too, runs under the lock.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static Settings *instance();
    static void setValue(const QString &key, const QVariant &value);
    static QVariant value(const QString &key, const QVariant &defaultValue);
    // A file of the store that could not be read at the start, and its new name, empty when it
    // could not be moved.
    struct Unreadable
    {
        QString file;
        QString aside;
        bool own; // the application's file, not the organisation's
        // The lines that could not be read (number, text), the rest of the file kept in place.
        QList<std::pair<int, QString>> lines = {};
        // Those lines could not be left out (a full disk): the file is left as the store reads it.
        bool full = false;
    };
    // Moves the unreadable files of the store aside before the store opens them, and takes those
    // set aside before the start.
    static QList<Unreadable> setAsideUnreadable();
    static Unreadable setAside(const QString &file, bool own);
    static Unreadable keptButUnreadableLines(const QString &file, bool own, const QByteArray &bytes);
    static QString linesLeftOut(const QList<std::pair<int, QString>> &lines, const QString &name, const QString &aside);
    static QList<Unreadable> s_setAsideBeforeStart;
    // After a write-back: whether the store file holds the whole store. A file cut short is
    // replaced by the last whole one. Called under the lock.
    bool writtenWhole();

    // QSettings is reentrant, not thread-safe: the database loader, the import and the
    // router read their preferences on worker threads while the main thread writes.
    QMutex m_mutex;
    const QList<Unreadable> m_unreadable = setAsideUnreadable();
    // Once the store cannot be written back: what the pilot is told instead.
    QString m_problem;
    QSettings m_settings;
    bool m_writeFailed = false;
    // A second name of the last store file known whole, while there is one and the store is open.
    QString m_previous;
    bool m_previousWhole = false;
    // Emptied by clear(), and not written since: an empty file is then the whole store.
    bool m_cleared = false;

    static Settings *s_instance;
};
