#include "fmsimport.h"

#include "database.h"
#include "flightplan.h"
#include "planlimits.h"
#include "point.h"
#include "procedure.h"
#include "terminal.h"
#include "waypoint.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QGeoCoordinate>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextStream>

#include <cmath>

namespace {

// Fields are separated by runs of blanks; a tab is part of a field.
QStringList fields(const QString &line)
{
    return line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// An altitude that is no finite number reads as 0, as the simulator itself reads it; a damaged
// altitude costs that one value, not the whole plan.
double number(const QString &text, const char *field, int lineNumber)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && std::isfinite(value))
        return value;
    qWarning().noquote() << QStringLiteral("FMS file line %1: %2 \"%3\" is not a number, read as 0")
                                .arg(lineNumber)
                                .arg(QLatin1String(field), text);
    return 0.0;
}

// Degrees within the limit, NaN for anything else: a position read as 0 would move the point
// to the other side of the earth and import a route thousands of miles long as a success.
double degrees(const QString &text, double limit)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::abs(value) <= limit ? value : std::nan("");
}

bool skipped(const QStringList &f)
{
    return f.size() < 2 || (f.at(0) == QLatin1String("0") && f.at(1) == QLatin1String("----"));
}

struct WaypointLine
{
    int type = 0;
    QString identifier;
    QString marker; // "ADEP", "ADES" or anything else (version 1100)
    QString runway; // the runway keyword's value as it stood when the line was read
    int altitude = 0;
    double latitude = 0.0;
    double longitude = 0.0;
};

const QStringList s_keywords{QStringLiteral("ADEP"),     QStringLiteral("DEPRWY"),    QStringLiteral("SID"),
                             QStringLiteral("SIDTRANS"), QStringLiteral("ADES"),      QStringLiteral("DESRWY"),
                             QStringLiteral("STAR"),     QStringLiteral("STARTRANS"), QStringLiteral("APP"),
                             QStringLiteral("APPTRANS")};

Procedure *procedure(const QString &airport, const QString &name)
{
    if (airport.isEmpty() || name.isEmpty())
        return nullptr;
    return Database::findProcedure(airport + QLatin1Char('/') + name, true);
}

WaypointLine waypointLine(const QStringList &f, int version, const QHash<QString, QString> &keywords, int lineNumber)
{
    const int first = version == 1100 ? 3 : 2; // altitude, latitude, longitude follow
    WaypointLine line;
    bool ok = false;
    line.type = f.at(0).toInt(&ok, 10);
    if (!ok)
        line.type = 0;
    line.identifier = f.at(1);
    if (version == 1100) {
        line.marker = f.at(2);
        if (line.marker == QLatin1String("ADEP"))
            line.runway = keywords.value(QStringLiteral("DEPRWY"));
        else if (line.marker == QLatin1String("ADES"))
            line.runway = keywords.value(QStringLiteral("DESRWY"));
    }
    const double altitude = number(f.at(first), "altitude", lineNumber);
    line.latitude = degrees(f.at(first + 1), 90.0);
    line.longitude = degrees(f.at(first + 2), 180.0);
    line.altitude = PlanLimits::storedAltitude(std::floor(altitude),
                                               QStringLiteral("FMS file line %1: altitude").arg(lineNumber));
    return line;
}

Point *resolve(const WaypointLine &line)
{
    Point *point = nullptr;
    if (line.type == Point::AIRP) {
        point = Database::lookupPoint(line.identifier, true);
        if (!point)
            qWarning() << "Deserialized airport" << line.identifier
                       << "cannot be found in the navigation data, it will be downgraded to COORD";
    } else if (line.type != Point::COORD) {
        point = Database::findNear(line.identifier, line.type, line.latitude, line.longitude);
        if (!point)
            qWarning() << "Deserialized point" << line.identifier
                       << "cannot be found in the navigation data, it will be downgraded to COORD";
    }
    return point ? point : Database::getOrAddCoordPoint(QGeoCoordinate(line.latitude, line.longitude), true);
}

} // namespace

// Everything the file holds, read and checked before anything enters the plan or the database.
struct FmsImport::Content
{
    int version = 0;
    QHash<QString, QString> keywords;
    QList<WaypointLine> lines;
    // Waypoint lines and the simulator's "0 ----" entries: what the file's count counts.
    qint64 entries = 0;
    QString announced; // the count as written, empty when the file gives none
    int announcedLine = 0;
};

FmsImport::FmsImport(Flightplan *flightplan)
    : m_flightplan(flightplan)
{
    if (!m_flightplan)
        qFatal("Cannot create FmsImport object with NULL pointers!");
}

QString FmsImport::runwayEndName(const QString &runway)
{
    // Runway ends carry no prefix anywhere in the program; a name without one is kept as
    // it is rather than given one.
    return runway.startsWith(QLatin1String("RW")) ? runway.mid(2) : runway;
}

bool FmsImport::fail(const QString &title, const QString &text)
{
    m_title = title;
    m_text = text;
    m_version = 0;
    return false;
}

bool FmsImport::import(const QString &path, bool replace)
{
    qInfo() << "Will import file" << path;
    m_version = 0;

    QByteArray bytes;
    QString error;
    if (!PlanLimits::readPlanFile(path, &bytes, &error))
        return fail(tr("Cannot open file"), error);
    QTextStream stream(bytes);
    Content content;
    if (!readHeader(&stream, &content) || !readBody(&stream, &content))
        return false;
    if (!checkCount(content))
        return false;

    QList<Waypoint *> waypoints;
    waypoints.reserve(content.lines.size());
    for (const WaypointLine &line : std::as_const(content.lines)) {
        Point *point = resolve(line);
        if (!point) {
            qDeleteAll(waypoints);
            return fail(tr("Cannot open file"), tr("No navigation database to resolve the waypoints."));
        }
        auto *waypoint = new Waypoint(point);
        if (line.marker == QLatin1String("ADEP") || line.marker == QLatin1String("ADES"))
            waypoint->setRunwayEnd(runwayEndName(line.runway));
        waypoint->setAltitude(line.altitude, false);
        waypoints.append(waypoint);
    }
    if (replace)
        m_flightplan->clear(true);
    insert(waypoints, content.keywords);
    qDeleteAll(waypoints);

    m_version = content.version;
    m_title.clear();
    m_text.clear();
    qInfo() << "File" << path << "was imported with" << m_flightplan->count() << "waypoints, FMS file version"
            << (m_version == 3 ? 3 : 11);
    return true;
}

bool FmsImport::readHeader(QTextStream *stream, Content *content)
{
    if (stream->readLine().trimmed() != QLatin1String("I"))
        return fail(tr("Wrong file format"), tr("This file is not recognized as a flightplan FMS file."));

    const QStringList versionLine = fields(stream->readLine());
    if (versionLine.size() == 2 && versionLine.at(0) == QLatin1String("3"))
        content->version = 3;
    else if (versionLine.size() == 2 && versionLine.at(0) == QLatin1String("1100"))
        content->version = 1100;
    else
        return fail(tr("Wrong file format"), tr("This file is not at FMS version 3 or FMS1100."));

    if (content->version == 1100) {
        // The third line is always the cycle line, whatever it holds.
        const QStringList cycle = fields(stream->readLine());
        if (cycle.size() != 2 || cycle.at(1) != Database::cycle())
            qWarning() << "Current data cycle differs from opened flightplan";
    }
    return true;
}

bool FmsImport::readBody(QTextStream *stream, Content *content)
{
    const int version = content->version;
    int lineNumber = version == 1100 ? 3 : 2;
    const int minimumFields = version == 1100 ? 6 : 5;
    while (!stream->atEnd()) {
        const QString text = stream->readLine();
        ++lineNumber;
        const QStringList f = fields(text);
        // Version 3 gives the index of its last waypoint (the count less one) on its fourth line,
        // version 1100 the count on the NUMENR line.
        if (version == 3 && lineNumber == 4 && f.size() == 1) {
            content->announced = f.at(0);
            content->announcedLine = lineNumber;
        } else if (version == 1100 && f.size() == 2 && f.at(0) == QLatin1String("NUMENR")) {
            content->announced = f.at(1);
            content->announcedLine = lineNumber;
        }
        if (f.size() >= 2 && f.at(0) == QLatin1String("0") && f.at(1) == QLatin1String("----"))
            ++content->entries;
        if (skipped(f))
            continue;
        if (version == 1100 && s_keywords.contains(f.at(0)))
            content->keywords.insert(f.at(0), f.at(1));
        if (f.size() < minimumFields)
            continue;
        const WaypointLine line = waypointLine(f, version, content->keywords, lineNumber);
        const int latitude = version == 1100 ? 4 : 3;
        if (std::isnan(line.latitude))
            return fail(
                tr("Damaged file"),
                tr("Line %1 gives \"%2\" as the latitude. Nothing was imported.").arg(lineNumber).arg(f.at(latitude)));
        if (std::isnan(line.longitude))
            return fail(tr("Damaged file"), tr("Line %1 gives \"%2\" as the longitude. Nothing was imported.")
                                                .arg(lineNumber)
                                                .arg(f.at(latitude + 1)));
        content->lines.append(line);
        ++content->entries;
    }
    return true;
}

// A file cut short, or one whose count was damaged, would otherwise come in as a shorter plan
// that looks whole.
bool FmsImport::checkCount(const Content &content)
{
    if (content.announced.isEmpty())
        return true;
    bool ok = false;
    qint64 announced = content.announced.toLongLong(&ok, 10);
    if (ok && content.version == 3)
        ++announced;
    if (!ok || announced < 0)
        return fail(tr("Damaged file"), tr("Line %1 gives \"%2\" as the number of waypoints. Nothing was imported.")
                                            .arg(content.announcedLine)
                                            .arg(content.announced));
    if (announced != content.entries)
        return fail(tr("Damaged file"),
                    tr("The file announces %1 waypoints on line %2 but holds %3: it is cut short or damaged. "
                       "Nothing was imported.")
                        .arg(announced)
                        .arg(content.announcedLine)
                        .arg(content.entries));
    return true;
}

// The file lists a SID's exit and a STAR's entry; a named transition's other fixes come from
// the procedure, inserted as the pilot inserts a transition, so that the plan flies the
// transition the file names. The procedures are set once their transitions are in, and link
// the waypoints they fly.
void FmsImport::insert(const QList<Waypoint *> &waypoints, const QHash<QString, QString> &keywords)
{
    const QString departure = keywords.value(QStringLiteral("ADEP"));
    const QString arrival = keywords.value(QStringLiteral("ADES"));
    Procedure *sid = procedure(departure, keywords.value(QStringLiteral("SID")));
    Procedure *star = procedure(arrival, keywords.value(QStringLiteral("STAR")));
    Procedure *approach = procedure(arrival, keywords.value(QStringLiteral("APP")));

    m_flightplan->bulkInsert(0, waypoints, nullptr, nullptr, nullptr, false, true);
    Terminal *terminal = m_flightplan->terminal();
    const std::pair<Procedure *, QString> transitions[] = {{sid, keywords.value(QStringLiteral("SIDTRANS"))},
                                                           {star, keywords.value(QStringLiteral("STARTRANS"))},
                                                           {approach, keywords.value(QStringLiteral("APPTRANS"))}};
    for (const auto &[named, transition] : transitions) {
        if (!named || transition.isEmpty())
            continue;
        if (transition == QLatin1String("ALL") || !named->transitions().contains(transition)) {
            qWarning() << "Procedure" << named->uid() << "has no transition" << transition << "of the FMS file";
            continue;
        }
        const int position = terminal->insertPosition(named, transition);
        if (terminal->insertTransition(named, transition, position, false) < 0)
            qWarning() << "Transition" << transition << "of" << named->uid() << "does not fit the FMS file's route";
    }
    terminal->setSid(sid);
    terminal->setStar(star);
    terminal->setAppch(approach);
    m_flightplan->update(false, true);
    m_flightplan->signalDataHasChanged(-1, -1);
}
