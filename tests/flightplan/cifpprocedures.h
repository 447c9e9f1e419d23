#pragma once

// The procedures of a CIFP test file, read straight into Procedure objects that the suite owns,
// so that the terminal suites work on exactly the legs of the file whatever the database
// holds; the UID entry points are tested on the database's own copies.

#include "procedure.h"
#include "record.h"

#include <QFile>
#include <QTextStream>

#include <memory>
#include <vector>

class CifpProcedures
{
public:
    // Reads <folder>/<airport>.dat; false when the file cannot be read.
    bool read(const QString &folder, const QString &airport)
    {
        QFile file(folder + QLatin1Char('/') + airport + QStringLiteral(".dat"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return false;
        QTextStream stream(&file);
        Procedure *procedure = nullptr;
        QString line;
        while (stream.readLineInto(&line)) {
            const QStringList f = line.split(QLatin1Char(','));
            const QStringList head = f.value(0).split(QLatin1Char(':'));
            if (f.size() < 31 || head.size() != 2)
                continue;
            const int type = Procedure::typeFromString(head.at(0));
            if (!procedure || procedure->name() != f.at(2)) {
                m_owned.push_back(std::make_unique<Procedure>(f.at(2), airport, type));
                procedure = m_owned.back().get();
            }
            procedure->addRecord(record(f, head.at(1).toInt(), type, airport));
        }
        return true;
    }

    Procedure *find(const QString &name) const
    {
        for (const auto &procedure : m_owned) {
            if (procedure->name() == name)
                return procedure.get();
        }
        return nullptr;
    }

private:
    static QString bare(QString text) { return text.remove(QLatin1Char(' ')); }

    static int altitude(const QString &text)
    {
        const QString t = text.trimmed();
        if (t.startsWith(QLatin1String("FL")))
            return t.mid(2).toInt() * 100;
        bool ok = false;
        const int value = t.toInt(&ok);
        return ok ? value : -1;
    }

    // Only the columns the plan reads: transition, fix, terminal, region, description,
    // path terminator, altitudes and speed.
    static Record record(const QStringList &f, int sequence, int type, const QString &airport)
    {
        QString transition = bare(f.at(3));
        if (transition.isEmpty())
            transition = QStringLiteral("ALL");
        const bool airportSection = f.at(6) == QLatin1String("P");
        QString fix = bare(f.at(4));
        if (airportSection && fix.startsWith(QLatin1String("RW")))
            fix.remove(0, 2);
        bool ok = false;
        const int speed = f.at(27).trimmed().toInt(&ok);
        return Record(sequence, Record::routeTypeFromString(type, f.at(1)), transition, fix, QString(),
                      airportSection ? airport : QStringLiteral("ENRT"), bare(f.at(5)),
                      Record::descriptionFromString(f.at(8)), Record::turnDirectionFromString(f.at(9)),
                      Record::pathTerminatorFromString(f.at(11)), -1, 0.0, 0,
                      Record::altitudeDescriptionFromString(f.at(22)), altitude(f.at(23)), altitude(f.at(24)), -1,
                      ok ? speed : 0, 0.0, -1);
    }

    std::vector<std::unique_ptr<Procedure>> m_owned;
};
