#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

class Flightplan;
class QTextStream;
class Waypoint;

// Import of the simulator's FMS plan files, versions 3 and 1100, into the flight plan.
// Every waypoint line is resolved against the navigation database; a point the database does
// not hold becomes a coordinate waypoint at the line's position. Version 1100 also brings the
// departure and arrival runways, the SID, the STAR and the approach with the transitions it
// names.
//
// The file is read completely before the plan changes: a file whose header cannot be read, that
// holds another number of waypoints than it announces, or a latitude or longitude that is no
// position on earth, leaves the plan as it was, with a title and a text for the user. An
// altitude that is no number reads as 0 and one outside the edit range as its nearest end, each
// with a warning naming the line.
class FmsImport
{
    Q_DECLARE_TR_FUNCTIONS(FmsImport)

public:
    // A null plan ends the program.
    explicit FmsImport(Flightplan *flightplan);

    // Inserts the file's waypoints at the start of the plan; with replace, into the plan
    // emptied as a new plan once the file has read.
    bool import(const QString &path, bool replace = false);

    // Why the last import failed, for the message box.
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    // 3 or 1100 after a successful import, 0 otherwise.
    int version() const { return m_version; }

    // A runway end as the plan names it: without the "RW" that FMS files put in front.
    static QString runwayEndName(const QString &runway);

private:
    struct Content;

    bool fail(const QString &title, const QString &text);
    bool readHeader(QTextStream *stream, Content *content);
    bool readBody(QTextStream *stream, Content *content);
    bool checkCount(const Content &content);
    void insert(const QList<Waypoint *> &waypoints, const QHash<QString, QString> &keywords);

    Flightplan *m_flightplan = nullptr;
    QString m_title;
    QString m_text;
    int m_version = 0;
};
