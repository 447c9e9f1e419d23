#include "flightplanxml.h"

#include "airplanelistmodel.h"
#include "constants.h"
#include "database.h"
#include "flightplan.h"
#include "general.h"
#include "planlimits.h"
#include "point.h"
#include "procedure.h"
#include "record.h"
#include "segment.h"
#include "terminal.h"
#include "unit.h"
#include "waypoint.h"
#include "weight.h"
#include "xmlstreamreader.h"
#include "xmlstreamwriter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGeoCoordinate>
#include <QMutexLocker>
#include <QRecursiveMutex>

#include <memory>
#include <optional>

// Everything a document holds, read completely before the plan is touched.
struct FlightplanXml::Contents
{
    struct Item
    {
        QString uid;
        int type = 0;
        double latitude = 0.0;
        double longitude = 0.0;
        int altitude = Waypoint::NoAltitude;
        int minAltitude = -1;
        int maxAltitude = -1;
        int ias = 0;
        int maxIas = 0;
        QString comment;
        QString runwayEnd;
        // Elements older documents lack: the procedure the waypoint belongs to, and the leg
        // to the next waypoint (the airway's UID and type, an empty UID for a direct leg).
        bool hasProcedure = false;
        QString procedure;
        bool hasAirway = false;
        QString airway;
        int airwayType = 0;
        // The database point of the UID; null when the waypoint is to become a coordinate
        // point at its stored position.
        Point *point = nullptr;
    };

    QDateTime modificationtime;
    QDateTime departuretime;
    QString company;
    QString number;
    QString pic;
    int sequence = 1;
    QString airplane;
    int cruiselvl = 0;
    int cruisetas = 0;
    int transition = 0;
    QString alternate;
    QString sid;
    QString star;
    QString appch;
    int loadfactor = 0;
    QList<Item> waypoints;
};

namespace {

const QString s_flightplan = QStringLiteral("flightplan");
const QString s_general = QStringLiteral("general");
const QString s_terminal = QStringLiteral("terminal");
const QString s_fuel = QStringLiteral("fuel");
const QString s_weight = QStringLiteral("weight");
const QString s_waypoints = QStringLiteral("waypoints");
const QString s_waypoint = QStringLiteral("waypoint");

QString procedureUid(const Procedure *procedure)
{
    return procedure ? procedure->uid() : QString();
}

bool validPosition(double latitude, double longitude)
{
    // Written as comparisons that fail for NaN.
    return latitude >= -90.0 && latitude <= 90.0 && longitude >= -180.0 && longitude <= 180.0;
}

// The file holds a procedure leg's text in the C locale; found among the waypoint's legs, it
// reads in the pilot's language again. Any other text stays as written.
void readLegComment(Waypoint *waypoint)
{
    const Procedure *procedure = waypoint->procedure();
    const QString comment = waypoint->comment();
    if (!procedure || comment.isEmpty())
        return;
    std::optional<Record> found;
    {
        const Unit::FileTexts fileTexts;
        for (const Record &leg : procedure->recordsOfTransition(QString())) {
            if (leg.fixRolesText(false) == comment) {
                found = leg;
                break;
            }
        }
    }
    if (found)
        waypoint->setLegComment(*found);
}

} // namespace

QString FlightplanXml::toXml(Flightplan *flightplan)
{
    QString text;
    XmlStreamWriter writer(&text);
    writer.writeHeader();
    writeXml(flightplan, writer);
    writer.writeFooter();
    return text;
}

void FlightplanXml::writeXml(Flightplan *flightplan, XmlStreamWriter &writer)
{
    const Unit::FileTexts fileTexts;
    QMutexLocker<QRecursiveMutex> locker(Flightplan::mutex());
    const General *general = flightplan->general();
    const Terminal *terminal = flightplan->terminal();

    writer.writeStartElement(s_flightplan);

    writer.writeStartElement(s_general);
    writer.writeDateTime(QStringLiteral("modificationtime"), general->modificationtime());
    writer.writeDateTime(QStringLiteral("departuretime"), general->departuretime());
    writer.writeString(QStringLiteral("company"), general->company());
    writer.writeString(QStringLiteral("number"), general->number());
    writer.writeString(QStringLiteral("pic"), general->pic());
    writer.writeInt(QStringLiteral("sequence"), general->sequence());
    writer.writeString(QStringLiteral("airplane"), AirplaneListModel::currentAirplane().icao);
    writer.writeInt(QStringLiteral("cruiselvl"), general->cruiselvl());
    writer.writeInt(QStringLiteral("cruisetas"), general->cruisetas());
    writer.writeInt(QStringLiteral("transition"), general->transition());
    writer.writeString(QStringLiteral("alternate"), general->alternate());
    writer.writeEndElement();

    writer.writeStartElement(s_terminal);
    writer.writeString(QStringLiteral("sid"), procedureUid(terminal->sid()));
    writer.writeString(QStringLiteral("star"), procedureUid(terminal->star()));
    writer.writeString(QStringLiteral("appch"), procedureUid(terminal->appch()));
    writer.writeEndElement();

    // The reserves are computed from the airplane; the elements stay for older readers.
    writer.writeStartElement(s_fuel);
    writer.writeString(QStringLiteral("contingency"), QString());
    writer.writeString(QStringLiteral("extra"), QString());
    writer.writeString(QStringLiteral("final"), QString());
    writer.writeEndElement();

    writer.writeStartElement(s_weight);
    writer.writeInt(QStringLiteral("loadfactor"), flightplan->weight()->loadfactor());
    writer.writeEndElement();

    const LinkedList *list = flightplan->waypointList();
    writer.writeListStart(s_waypoints, list->size());
    for (const Waypoint *waypoint : *list) {
        writer.writeStartElement(s_waypoint);
        writer.writeString(QStringLiteral("uid"), waypoint->uid());
        writer.writeInt(QStringLiteral("type"), waypoint->type());
        writer.writeDouble(QStringLiteral("latitude"), waypoint->latitude());
        writer.writeDouble(QStringLiteral("longitude"), waypoint->longitude());
        writer.writeInt(QStringLiteral("altitude"), waypoint->storedAltitude());
        writer.writeInt(QStringLiteral("minalt"), waypoint->minAltitude());
        writer.writeInt(QStringLiteral("maxalt"), waypoint->maxAltitude());
        writer.writeInt(QStringLiteral("ias"), waypoint->ias());
        writer.writeInt(QStringLiteral("maxias"), waypoint->maxIas());
        writer.writeString(QStringLiteral("comment"), waypoint->comment());
        if (waypoint->type() == Point::AIRP)
            writer.writeString(QStringLiteral("runwayend"), waypoint->runwayEnd());
        // A waypoint of the SID's last fix is often a fix of the approach too: the plan's
        // procedures alone do not say which one it flies.
        writer.writeString(QStringLiteral("procedure"), waypoint->procedureUid());
        if (waypoint->nextWaypoint()) {
            const Segment *airway = waypoint->airwaySegment();
            writer.writeString(QStringLiteral("airway"), airway ? airway->uid() : QString());
            writer.writeInt(QStringLiteral("airwaytype"), airway ? airway->type() : 0);
        }
        writer.writeEndElement();
    }
    writer.writeListEnd(s_waypoints);

    writer.writeEndElement();
}

bool FlightplanXml::fromXml(Flightplan *flightplan, const QString &text, QString *error, bool replace)
{
    QString ignored;
    QString *message = error ? error : &ignored;
    XmlStreamReader reader(text, message);
    QStringList names{QCoreApplication::applicationName()};
    if (!reader.readHeader(&names))
        return false;
    // The whole text, footer included, must read before the plan changes.
    auto contents = std::make_unique<Contents>();
    if (replace) {
        // The header a new plan starts from, made aside: the plan itself stays until the text
        // has read.
        QList<Waypoint *> none;
        QRecursiveMutex unshared;
        General fresh(&none, &unshared, flightplan);
        fresh.reset();
        seed(fresh, flightplan, contents.get());
    } else {
        seed(*flightplan->general(), flightplan, contents.get());
    }
    if (!readContents(reader, contents.get(), message) || !reader.readFooter())
        return false;
    if (replace)
        flightplan->clear(true);
    apply(flightplan, *contents);
    return true;
}

bool FlightplanXml::readXml(Flightplan *flightplan, XmlStreamReader &reader, QString *error)
{
    auto contents = std::make_unique<Contents>();
    seed(*flightplan->general(), flightplan, contents.get());
    QString ignored;
    if (!readContents(reader, contents.get(), error ? error : &ignored))
        return false;
    apply(flightplan, *contents);
    return true;
}

void FlightplanXml::seed(const General &general, Flightplan *flightplan, Contents *c)
{
    // An empty value element keeps the value the plan has, so reading starts from those.
    c->modificationtime = general.modificationtime();
    c->departuretime = general.departuretime();
    c->company = general.company();
    c->number = general.number();
    c->pic = general.pic();
    c->sequence = general.sequence();
    c->cruiselvl = general.cruiselvl();
    c->cruisetas = general.cruisetas();
    c->transition = general.transition();
    c->alternate = general.alternate();
    c->loadfactor = flightplan->weight()->loadfactor();
}

bool FlightplanXml::readContents(XmlStreamReader &reader, Contents *c, QString *error)
{
    if (!reader.readStartElement(s_flightplan))
        return false;

    if (!reader.readStartElement(s_general)
        || !reader.readDateTime(QStringLiteral("modificationtime"), &c->modificationtime)
        || !reader.readDateTime(QStringLiteral("departuretime"), &c->departuretime)
        || !reader.readString(QStringLiteral("company"), &c->company)
        || !reader.readString(QStringLiteral("number"), &c->number)
        || !reader.readString(QStringLiteral("pic"), &c->pic)
        || !reader.readInt(QStringLiteral("sequence"), &c->sequence)
        || !reader.readString(QStringLiteral("airplane"), &c->airplane)
        || !reader.readInt(QStringLiteral("cruiselvl"), &c->cruiselvl)
        || !reader.readInt(QStringLiteral("cruisetas"), &c->cruisetas)
        || !reader.readInt(QStringLiteral("transition"), &c->transition)
        || !reader.readString(QStringLiteral("alternate"), &c->alternate) || !reader.readEndElement(s_general))
        return false;

    if (!reader.readStartElement(s_terminal) || !reader.readString(QStringLiteral("sid"), &c->sid)
        || !reader.readString(QStringLiteral("star"), &c->star)
        || !reader.readString(QStringLiteral("appch"), &c->appch) || !reader.readEndElement(s_terminal))
        return false;

    QString dropped;
    if (!reader.readStartElement(s_fuel) || !reader.readString(QStringLiteral("contingency"), &dropped)
        || !reader.readString(QStringLiteral("extra"), &dropped)
        || !reader.readString(QStringLiteral("final"), &dropped) || !reader.readEndElement(s_fuel))
        return false;

    if (!reader.readStartElement(s_weight) || !reader.readInt(QStringLiteral("loadfactor"), &c->loadfactor)
        || !reader.readEndElement(s_weight))
        return false;

    // The values the computations take, held within what the edit fields allow.
    c->cruiselvl = PlanLimits::bounded(c->cruiselvl, Constants::minAlt() / 100, Constants::maxAlt() / 100,
                                       QStringLiteral("Plan cruiselvl"));
    c->cruisetas = PlanLimits::bounded(c->cruisetas, 0, int(Constants::maxAsKts()), QStringLiteral("Plan cruisetas"));
    c->transition = PlanLimits::altitude(c->transition, QStringLiteral("Plan transition"));
    c->loadfactor = PlanLimits::bounded(c->loadfactor, 0, 100, QStringLiteral("Plan loadfactor"));

    int count = 0;
    if (!reader.readListStart(s_waypoints, &count))
        return false;
    // The count comes from the file: no reservation on its word, the elements must follow.
    for (int i = 0; i < count; ++i) {
        Contents::Item item;
        if (!reader.readStartElement(s_waypoint) || !reader.readString(QStringLiteral("uid"), &item.uid)
            || !reader.readInt(QStringLiteral("type"), &item.type)
            || !reader.readDouble(QStringLiteral("latitude"), &item.latitude)
            || !reader.readDouble(QStringLiteral("longitude"), &item.longitude)
            || !reader.readInt(QStringLiteral("altitude"), &item.altitude)
            || !reader.readInt(QStringLiteral("minalt"), &item.minAltitude)
            || !reader.readInt(QStringLiteral("maxalt"), &item.maxAltitude)
            || !reader.readInt(QStringLiteral("ias"), &item.ias)
            || !reader.readInt(QStringLiteral("maxias"), &item.maxIas)
            || !reader.readString(QStringLiteral("comment"), &item.comment))
            return false;
        if (item.minAltitude == 0)
            item.minAltitude = -1;
        if (item.maxAltitude == 0)
            item.maxAltitude = -1;
        const QString at = QStringLiteral("Waypoint %1 %2").arg(i + 1).arg(item.uid);
        item.altitude = PlanLimits::storedAltitude(item.altitude, at + QStringLiteral(" altitude"));
        item.minAltitude = PlanLimits::storedAltitude(item.minAltitude, at + QStringLiteral(" minalt"));
        item.maxAltitude = PlanLimits::storedAltitude(item.maxAltitude, at + QStringLiteral(" maxalt"));
        item.ias = PlanLimits::bounded(item.ias, 0, int(Constants::maxAsKts()), at + QStringLiteral(" ias"));
        item.maxIas = PlanLimits::bounded(item.maxIas, 0, int(Constants::maxAsKts()), at + QStringLiteral(" maxias"));
        if (item.type == Point::AIRP && !reader.readString(QStringLiteral("runwayend"), &item.runwayEnd))
            return false;
        item.hasProcedure = reader.nextIsStartElement(QStringLiteral("procedure"));
        if (item.hasProcedure && !reader.readString(QStringLiteral("procedure"), &item.procedure))
            return false;
        item.hasAirway = reader.nextIsStartElement(QStringLiteral("airway"));
        if (item.hasAirway
            && (!reader.readString(QStringLiteral("airway"), &item.airway)
                || !reader.readInt(QStringLiteral("airwaytype"), &item.airwayType)))
            return false;
        if (!reader.readEndElement(s_waypoint))
            return false;

        // A coordinate waypoint is expected to be missing from a later run's database.
        item.point = Database::findPoint(item.uid, item.type != Point::COORD);
        if (!item.point && !validPosition(item.latitude, item.longitude)) {
            // The waypoint would become a point off the earth.
            *error = QCoreApplication::translate("FlightplanXml",
                                                 "Waypoint %1 has no position on earth (%2, %3), it can not be opened!")
                         .arg(item.uid)
                         .arg(item.latitude, 0, 'g', 17)
                         .arg(item.longitude, 0, 'g', 17);
            return false;
        }
        c->waypoints.append(item);
    }
    return reader.readListEnd(s_waypoints) && reader.readEndElement(s_flightplan);
}

void FlightplanXml::apply(Flightplan *flightplan, const Contents &c)
{
    // The plan was made for this airplane type: its legs, fuel and weights are computed for
    // it, and its cruise is held within it. A type the list does not hold leaves the current
    // airplane.
    if (!c.airplane.isEmpty())
        AirplaneListModel::instance()->selectByIcao(c.airplane);

    General *general = flightplan->general();
    general->setModificationtime(c.modificationtime);
    general->setDeparturetime(c.departuretime);
    general->setCompany(c.company);
    general->setNumber(c.number);
    general->setPic(c.pic);
    general->setSequence(c.sequence);
    general->setCruiselvl(c.cruiselvl);
    general->setCruisetas(c.cruisetas);
    general->setTransition(c.transition);
    general->setAlternate(c.alternate);
    // The stored legs fly the stored cruise; one the airplane brought lower is flown anew.
    const bool cruiseFitted = general->cruiselvl() != c.cruiselvl || general->cruisetas() != c.cruisetas;

    Procedure *sid = c.sid.isEmpty() ? nullptr : Database::findProcedure(c.sid, true);
    Procedure *star = c.star.isEmpty() ? nullptr : Database::findProcedure(c.star, true);
    Procedure *appch = c.appch.isEmpty() ? nullptr : Database::findProcedure(c.appch, true);

    flightplan->weight()->setLoadfactor(c.loadfactor);

    QList<Waypoint *> waypoints;
    waypoints.reserve(c.waypoints.size());
    for (const Contents::Item &item : c.waypoints) {
        Point *point = item.point;
        if (!point) {
            const QGeoCoordinate position(item.latitude, item.longitude);
            qWarning() << "Point" << item.uid
                       << "cannot be found in the navigation database, it will be transformed to COORD" << position;
            point = Database::getOrAddCoordPoint(position, true);
            if (!point) {
                qCritical() << "Cannot fetch or create point coordinates" << position << "in the database!";
                qFatal("Cannot reconstruct Waypoint with NULL point!");
            }
        }
        auto *waypoint = new Waypoint(point);
        waypoint->setMinAltitude(item.minAltitude);
        waypoint->setMaxAltitude(item.maxAltitude);
        waypoint->setMaxIas(item.maxIas);
        waypoint->setAltitude(item.altitude, false);
        waypoint->setIas(item.ias, false);
        waypoint->setComment(item.comment);
        if (item.type == Point::AIRP)
            waypoint->setRunwayEnd(item.runwayEnd);
        waypoints.append(waypoint);
    }
    for (int i = 0; i + 1 < waypoints.size(); ++i) {
        const Contents::Item &item = c.waypoints.at(i);
        if (item.hasAirway)
            waypoints.at(i)->chooseLeg(item.airway, item.airwayType, waypoints.at(i + 1)->uid());
    }

    flightplan->bulkInsert(0, waypoints, sid, star, appch, cruiseFitted, true);
    qDeleteAll(waypoints);

    // The terminal links every waypoint a procedure passes, the last procedure set winning;
    // the document knows which one each waypoint was in. Links only name procedures of the
    // plan: one the database lost leaves the terminal's choice.
    {
        QMutexLocker<QRecursiveMutex> locker(Flightplan::mutex());
        const QList<Waypoint *> inserted = flightplan->waypoints();
        for (int i = 0; i < c.waypoints.size() && i < inserted.size(); ++i) {
            const Contents::Item &item = c.waypoints.at(i);
            if (!item.hasProcedure)
                continue;
            if (item.procedure.isEmpty()) {
                inserted.at(i)->setProcedure(nullptr);
                continue;
            }
            for (Procedure *procedure : {sid, star, appch}) {
                if (procedure && procedure->uid() == item.procedure)
                    inserted.at(i)->setProcedure(procedure);
            }
        }
        for (Waypoint *waypoint : inserted)
            readLegComment(waypoint);
    }
    flightplan->signalDataHasChanged(-1, -1);

    // The insertion stamps the time of its update pass and proposes the nearest alternate;
    // the document's own values are what the user saved.
    if (c.modificationtime.isValid())
        general->setModificationtime(c.modificationtime);
    if (!c.alternate.isEmpty())
        general->setAlternate(c.alternate);
}
