#pragma once

#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QString>
#include <QVarLengthArray>

#include <functional>

class Database;
class Point;
class Procedure;
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

    // The procedures of the airport's file, not yet handed to the database; safe to call on
    // several threads at once (it touches no database).
    QList<Procedure *> read(const QString &airportCode) const;
    // The files of all the airports, read on every core and handed to the database in the
    // order of the airports: the same outcome as load() for each in turn. Stops handing over
    // once stop() is true.
    void loadAll(const QList<Point *> &airports, const std::function<bool()> &stop = {});

    using Fields = QVarLengthArray<QByteArrayView, 40>;

    struct Texts;

private:
    // The same leg from the fields as views into the line, built in place at the end of
    // records (a leg is a QObject: a copy would make a second one); texts keeps the texts and
    // codes of the file already made, so that legs share them.
    static void appendRecord(QList<Record> &records, const Fields &fields, int sequence, int procedureType,
                             const QString &airportCode, Texts &texts);

    Database *m_database;
    QString m_path;
};
