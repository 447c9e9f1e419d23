// Prints how long the map lines of a ten-transition approach take to build: once as the
// procedure builds them, and once through the shown-transitions model, which the map asks for
// every row's line and the bounding of all of them.

#include "benchsupport.h"
#include "database.h"
#include "point.h"
#include "procedure.h"
#include "procedurepath.h"
#include "record.h"
#include "settings.h"
#include "transitionmapmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGeoCoordinate>
#include <QTextStream>

namespace {

Record leg(const QString &transition, int terminator, const QString &fix, int course, double distance,
           const QString &navaid = QString(), double radius = 0.0, int turn = -1)
{
    return Record(10, 7, transition, fix, navaid, QStringLiteral("ENRT"), QStringLiteral("XX"),
                  Record::descriptionFromString(QStringLiteral("E   ")), turn, terminator, course, distance, 0, -1, -1,
                  -1, -1, 0, radius, -1);
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_procedurepath\n"
                                  "Prints how long the map lines of a ten-transition approach take to build.\n"))
        return 0;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Waylore-bench"));
    Settings settings;
    Database database;

    const QGeoCoordinate centre(47.0, 11.0);
    auto fix = [&](const QString &code, double bearing, double nm) {
        database.addPoint(new Point(Point::FIX, centre.atDistanceAndAzimuth(nm * 1852.0, bearing), code,
                                    QStringLiteral("ENRT"), QStringLiteral("XX"), code, 0, 0.0f, QStringLiteral("    ")));
    };
    fix(QStringLiteral("DME"), 0, 0);
    fix(QStringLiteral("FAF"), 250, 6);

    // Ten transitions, each with the legs that walk: distance legs to and from the DME, a
    // manual termination, a procedure turn and a hold, besides arcs and course-to-fix curves.
    Procedure procedure(QStringLiteral("R25"), QStringLiteral("XXXX"), Procedure::APPCH);
    for (int t = 0; t < 10; ++t) {
        const QString name = QStringLiteral("T%1").arg(t);
        const QString a = name + QStringLiteral("A");
        const QString b = name + QStringLiteral("B");
        fix(a, t * 36.0, 30);
        fix(b, t * 36.0 + 20.0, 14);
        procedure.addRecord(leg(name, Record::IF, a, -1, 0));
        procedure.addRecord(leg(name, Record::FD, a, (t * 36 + 180) % 360, 18, QStringLiteral("DME")));
        procedure.addRecord(leg(name, Record::CD, QString(), (t * 36 + 170) % 360, 25, QStringLiteral("DME")));
        procedure.addRecord(leg(name, Record::FM, b, (t * 36 + 90) % 360, 0));
        procedure.addRecord(leg(name, Record::CF, b, (t * 36 + 200) % 360, 0));
        procedure.addRecord(leg(name, Record::PI, b, (t * 36 + 200) % 360, 5, QString(), 0.0, 0));
        procedure.addRecord(leg(name, Record::CF, b, (t * 36 + 20) % 360, 0));
        procedure.addRecord(leg(name, Record::AF, QStringLiteral("FAF"), -1, 0, QStringLiteral("DME")));
        procedure.addRecord(leg(name, Record::HM, QStringLiteral("FAF"), 70, 1.0, QString(), 0.0, 1));
    }

    QTextStream out(stdout);
    const QStringList transitions = procedure.transitions();
    QElapsedTimer timer;
    int points = 0;
    timer.start();
    for (const QString &transition : transitions)
        points += ProcedurePath::build(procedure, transition).size();
    const double built = timer.nsecsElapsed() / 1e6;
    out << "paths of " << transitions.size() << " transitions (" << procedure.transitions().size() * 9
        << " legs, " << points << " points): " << built << " ms\n";

    TransitionMapModel model;
    timer.restart();
    model.setTransitions(&procedure, transitions);
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        model.data(index, TransitionMapModel::RolePolyline);
        model.data(index, TransitionMapModel::RoleTransitionsBounding);
    }
    out << "every row's line and bounding through the model: " << timer.nsecsElapsed() / 1e6 << " ms\n";
    return 0;
}
