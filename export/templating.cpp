#include "templating.h"

#include "airplanelistmodel.h"
#include "database.h"
#include "flightplan.h"
#include "fuel.h"
#include "routetext.h"
#include "settings.h"
#include "unit.h"
#include "waypoint.h"
#include "weight.h"

#include <QCoreApplication>
#include <QDebug>

#include <cmath>

#include <grantlee/cachingloaderdecorator.h>
#include <grantlee/context.h>
#include <grantlee/engine.h>
#include <grantlee/template.h>
#include <grantlee/templateloader.h>

Templating *Templating::s_instance = nullptr;

namespace {

// Sizes for the printed (HTML) templates: body text, tables and titles in points, icons in
// pixels. The printed page has its own scale, so they do not follow the map's font setting.
constexpr int FontSize = 10;
constexpr int FontSizeSmall = 8;
constexpr int FontSizeLarge = 14;
constexpr int IconSize = 12;

const char *const AppShort = "WYLR";
const char *const Website = "https://waylore.example/";

// Masses are stored in kilograms and fuel as kilograms; the printed texts speak the units the
// user chose ("units/mass", and the airplane's fuel unit for fuel), the unit name included.
// Masses are whole kilograms or pounds.
QString massText(int kg)
{
    return Unit::massToString(int(std::lround(Unit::fromStorableMass(kg))), true);
}

// Whole units: a pilot loads and reads "12380lbs", never "12380.3lbs".
QString fuelText(int kg, const Airplane &airplane)
{
    const int displayUnit
        = Settings::getInt(airplane.unittype == 1 ? QStringLiteral("units/volume") : QStringLiteral("units/mass"), 0);
    const double value = Unit::fromStorableFuel(kg, airplane.fueltype, airplane.unittype, displayUnit);
    return QString::number(std::llround(value)) + Unit::fuelUnitToString(airplane.unittype, displayUnit);
}

// The figures of the fuel plan and the load sheet as display texts, and the fuel burnt and on
// board at every waypoint, beside the waypoint itself.
void insertUnitTexts(QVariantHash *context, Flightplan *flightplan, const Airplane &airplane)
{
    QVariantHash fuel{{QStringLiteral("capacity"), fuelText(airplane.fuelcapacity, airplane)}};
    QVariantHash mass{{QStringLiteral("mzfw"), massText(airplane.mzfw)},
                      {QStringLiteral("mtow"), massText(airplane.mtow)},
                      {QStringLiteral("mlw"), massText(airplane.mlw)}};
    QVariantList legs;
    if (flightplan) {
        const Fuel *f = flightplan->fuel();
        fuel.insert(QStringLiteral("taxi"), fuelText(f->taxi(), airplane));
        fuel.insert(QStringLiteral("takeoff"), fuelText(f->takeoff(), airplane));
        fuel.insert(QStringLiteral("enroute"), fuelText(f->enroute(), airplane));
        fuel.insert(QStringLiteral("alternate"), fuelText(f->alternate(), airplane));
        fuel.insert(QStringLiteral("contingency"), fuelText(f->contingency(), airplane));
        fuel.insert(QStringLiteral("extra"), fuelText(f->extra(), airplane));
        fuel.insert(QStringLiteral("final"), fuelText(f->final(), airplane));
        fuel.insert(QStringLiteral("totalreserve"), fuelText(f->totalreserve(), airplane));
        fuel.insert(QStringLiteral("block"), fuelText(f->block(), airplane));
        const Weight *w = flightplan->weight();
        mass.insert(QStringLiteral("passengers"), massText(w->passengers()));
        mass.insert(QStringLiteral("cargo"), massText(w->cargo()));
        mass.insert(QStringLiteral("payload"), massText(w->payload()));
        mass.insert(QStringLiteral("zfw"), massText(w->zfw()));
        mass.insert(QStringLiteral("tow"), massText(w->tow()));
        mass.insert(QStringLiteral("lw"), massText(w->lw()));
        for (Waypoint *waypoint : flightplan->waypoints()) {
            legs.append(QVariantHash{{QStringLiteral("waypoint"), QVariant::fromValue<QObject *>(waypoint)},
                                     {QStringLiteral("code"), RouteText::code(waypoint)},
                                     {QStringLiteral("burned"), fuelText(waypoint->burnedFuel(), airplane)},
                                     {QStringLiteral("remaining"), fuelText(waypoint->remainingFuel(), airplane)}});
        }
    }
    context->insert(QStringLiteral("fueltexts"), fuel);
    context->insert(QStringLiteral("masstexts"), mass);
    context->insert(QStringLiteral("legs"), legs);
}

} // namespace

Templating::Templating()
{
    if (s_instance)
        qFatal("Templating singleton already defined!");

    m_engine = new Grantlee::Engine(this);
    // Grantlee's own tag and filter libraries, wherever its prefix lies on this machine; an
    // installed program finds them, and ours, beside the executable through the library paths.
    m_engine->addPluginPath(QStringLiteral(WAYLORE_GRANTLEE_PREFIX_LIB));
    // Our own filters ({% load waylorefilters %}).
    m_engine->addPluginPath(QStringLiteral(WAYLORE_GRANTLEE_PLUGIN_DIR));
    // A line holding nothing but a tag ({% for %}, {% if %}) leaves no blank line behind, so
    // that the line-oriented text formats can be written readably.
    m_engine->setSmartTrimEnabled(true);

    auto files = QSharedPointer<Grantlee::FileSystemTemplateLoader>::create();
    files->setTemplateDirs({QStringLiteral(":/tpl")});
    // The templates are compiled in and never change: each is parsed once.
    m_engine->addTemplateLoader(QSharedPointer<Grantlee::CachingLoaderDecorator>::create(files));

    s_instance = this;
}

Templating::~Templating()
{
    if (s_instance == this)
        s_instance = nullptr;
}

Templating *Templating::instance()
{
    if (!s_instance)
        qFatal("Templating singleton not allocated!");
    return s_instance;
}

QString Templating::render(Flightplan *flightplan, const QString &name, const QVariantHash &extra)
{
    return instance()->renderTemplate(flightplan, name, extra);
}

QVariantHash Templating::commonContext(Flightplan *flightplan)
{
    QVariantHash context;
    context.insert(QStringLiteral("flightplan"), QVariant::fromValue<QObject *>(flightplan));
    // The current airplane under the name the airplane list gives it, so that templates read
    // airplanes.current.<field> as QML does.
    const Airplane airplane = AirplaneListModel::currentAirplane();
    context.insert(QStringLiteral("airplanes"),
                   QVariantHash{{QStringLiteral("current"), QVariant::fromValue(airplane)}});
    context.insert(QStringLiteral("database"), QVariant::fromValue<QObject *>(Database::instance()));
    context.insert(QStringLiteral("direct"),
                   Settings::getBool(QStringLiteral("exporter/addDirectToExportedRoute"), true));
    context.insert(QStringLiteral("appname"), QCoreApplication::applicationName());
    context.insert(QStringLiteral("appshort"), QString::fromLatin1(AppShort));
    context.insert(QStringLiteral("appversion"), QCoreApplication::applicationVersion());
    context.insert(QStringLiteral("website"), QString::fromLatin1(Website));
    context.insert(QStringLiteral("fontsize"), FontSize);
    context.insert(QStringLiteral("fontsizesmall"), FontSizeSmall);
    context.insert(QStringLiteral("fontsizelarge"), FontSizeLarge);
    context.insert(QStringLiteral("iconsize"), IconSize);
    insertUnitTexts(&context, flightplan, airplane);
    // The route as filed, and the waypoints the simulator's FMS takes when it flies the SID
    // and STAR itself: those procedures keep only their exit and entry fixes. A file that
    // names the SID and STAR transitions takes the transition forms, which leave out the fixes
    // those names fly, lest the unit fly them twice.
    QVariantList enroute;
    QVariantList transitionEnroute;
    if (flightplan) {
        const QList<Waypoint *> waypoints = flightplan->waypoints();
        context.insert(QStringLiteral("icaoroute"),
                       RouteText::icao(waypoints, context.value(QStringLiteral("direct")).toBool()));
        context.insert(QStringLiteral("icaoroutenodct"), RouteText::icao(waypoints, false));
        context.insert(QStringLiteral("routeparts"), RouteText::parts(waypoints));
        const QList<const Waypoint *> named = RouteText::namedTransitionFixes(flightplan->terminal(), waypoints);
        context.insert(QStringLiteral("transitionparts"), RouteText::parts(waypoints, named));
        for (Waypoint *waypoint : flightplan->nosidstarwaypoints()) {
            enroute.append(QVariant::fromValue<QObject *>(waypoint));
            if (!named.contains(waypoint))
                transitionEnroute.append(QVariant::fromValue<QObject *>(waypoint));
        }
    }
    context.insert(QStringLiteral("enroute"), enroute);
    context.insert(QStringLiteral("transitionenroute"), transitionEnroute);
    return context;
}

QString Templating::renderTemplate(Flightplan *flightplan, const QString &name, const QVariantHash &extra)
{
    if (m_rendering.contains(name)) {
        qWarning() << "Template" << name << "reaches its own output; not rendered again";
        return QString();
    }

    Grantlee::Template tpl = m_engine->loadByName(name);
    if (!tpl || tpl->error() != Grantlee::NoError) {
        qWarning() << "Cannot load template" << name << (tpl ? tpl->errorString() : QString());
        return QString();
    }

    // Files, the operational flight plan and printouts keep the formats their readers expect,
    // whatever the interface language.
    const Unit::FileTexts fileTexts;
    QVariantHash values = commonContext(flightplan);
    for (auto it = extra.cbegin(); it != extra.cend(); ++it)
        values.insert(it.key(), it.value());
    Grantlee::Context context(values);

    m_rendering.insert(name);
    const QString text = tpl->render(&context);
    m_rendering.remove(name);

    // Half a document is worse than none: the caller would print or export it as complete.
    if (tpl->error() != Grantlee::NoError) {
        qWarning() << "Cannot render template" << name << tpl->errorString();
        return QString();
    }
    return text;
}
