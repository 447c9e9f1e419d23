#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QVariantHash>

class Flightplan;

namespace Grantlee {
class Engine;
}

// The one template engine of the program: exports, printouts and the operational flight plan
// are rendered from the templates compiled into the resource folder ":/tpl/". Every template
// receives the same common context (the flight plan, airplanes, database, application names,
// the export and print preferences) plus the values its caller adds.
//
// Autoescaping stays on, as the HTML and XML templates need it; a plain-text template turns it
// off itself with {% autoescape off %}, so that "&" or "<" in a name pass unchanged.
class Templating : public QObject
{
    Q_OBJECT

public:
    // A second instance ends the program.
    Templating();
    ~Templating() override;

    // The template of that name rendered for the flight plan; extra values are added to the
    // common context and replace common values of the same key. A template that cannot be
    // loaded or rendered gives an empty text and a warning in the log. Main thread only.
    static QString render(Flightplan *flightplan, const QString &name, const QVariantHash &extra = QVariantHash());

    // The common context every template receives, without the extra values. Besides the
    // objects, "fueltexts" and "masstexts" hold the fuel plan and the load sheet (with the
    // airplane's capacity and maximum masses) as texts in the user's units, and "legs" the
    // waypoints in order, each as "waypoint" with its route "code" (RouteText::code) and its
    // fuel texts "burned" and "remaining";
    // "icaoroute" (with DCT as the preferences say) and "icaoroutenodct" the filed route, and
    // "enroute" the waypoints less the inner SID and STAR fixes and the approach, and
    // "routeparts" the en-route part by direct points and airways (RouteText::parts).
    static QVariantHash commonContext(Flightplan *flightplan);

private:
    static Templating *instance();
    QString renderTemplate(Flightplan *flightplan, const QString &name, const QVariantHash &extra);

    Grantlee::Engine *m_engine = nullptr;
    // Names being rendered right now: a template that reaches its own output again (the plan
    // text read from within the plan text) would otherwise recurse until the stack ends.
    QSet<QString> m_rendering;

    static Templating *s_instance;
};
