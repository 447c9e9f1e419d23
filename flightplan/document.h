#pragma once

#include <QObject>
#include <QString>

class Flightplan;

// The file side of the one flight plan: its file name, whether it is saved, and new, open,
// save, save as and the import of FMS plan files. Every user change of the plan (its edited
// signal) marks the document unsaved.
//
// A failed call returns false with msgtitle and msgtext for the message box, and leaves the
// document as it was: a file that cannot be opened never becomes the file the next save
// writes to, and a save never leaves a half-written file in place of a good one.
class Document : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY stateChanged)
    Q_PROPERTY(bool named READ named WRITE setNamed NOTIFY stateChanged)
    Q_PROPERTY(bool saved READ saved WRITE setSaved NOTIFY stateChanged)
    Q_PROPERTY(QString msgtitle READ msgtitle CONSTANT)
    Q_PROPERTY(QString msgtext READ msgtext CONSTANT)

public:
    // A null plan ends the program.
    explicit Document(Flightplan *flightplan, QObject *parent = nullptr);

    QString path() const { return m_path; }
    QString name() const { return m_name; }
    void setName(const QString &name);
    bool named() const { return m_named; }
    void setNamed(bool named);
    bool saved() const { return m_saved; }
    void setSaved(bool saved);
    QString msgtitle() const { return m_msgtitle; }
    QString msgtext() const { return m_msgtext; }

    // An empty, unnamed and saved document.
    Q_INVOKABLE void niew(bool log = false);
    Q_INVOKABLE bool save();
    Q_INVOKABLE bool saveAs(const QString &path);
    // Replaces the plan with a flight-plan document and makes it the document's file. The plan
    // is replaced only by a file that reads whole: a refused file leaves the open plan as it was.
    Q_INVOKABLE bool open(const QString &path);
    // Replaces the plan with an FMS plan file, as a new, unsaved and unnamed document; a refused
    // file leaves the open plan and document as they were.
    Q_INVOKABLE bool import(const QString &path);

signals:
    void stateChanged();

public slots:
    void setAsModified();

private:
    bool writeFile(const QString &path);
    void setMessage(const QString &title, const QString &text);

    Flightplan *m_flightplan = nullptr;
    QString m_path;
    QString m_name;
    bool m_named = false;
    bool m_saved = true;
    QString m_msgtitle;
    QString m_msgtext;
};
