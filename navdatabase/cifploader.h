#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Database;
class Point;
class Record;

// Reads the CIFP procedure file of one airport (SIDs, STARs and approaches) into the
// navigation database. The importer calls it once per airport on its own thread, inside the
// modification it holds open; the reader takes no lock itself.
class CifpLoader : public QObject
{
    Q_OBJECT

public:
    explicit CifpLoader(Database *database);
    ~CifpLoader() override;

    // The CIFP folder, without a trailing separator.
    void setPath(const QString &path);
    QString path() const { return m_path; }

    // False only for a null airport. A missing or unreadable file adds nothing and still gives
    // true: most airports have no procedures.
    bool load(Point *airport);

private:
    // One procedure line split into its 38 fields, turned into a leg. airportCode keys the
    // fixes of the airport section; procedureType decodes the route type.
    static Record recordFromFields(const QStringList &fields, int sequence, int procedureType,
                                   const QString &airportCode);
    // Column readers; a text that is not a number gives the column's blank value.
    static int tenthsToWhole(const QString &text);
    static int altitudeFromString(const QString &text);

    Database *m_database;
    QString m_path;
};
