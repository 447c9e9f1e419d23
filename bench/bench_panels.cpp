// Times the flight-plan panel and the point search as a pilot meets them, drawn by the scene
// graph of a real window (run under xvfb-run for the OpenGL renderer): a waypoint inserted into
// a 1,000-waypoint plan until the table, and then the profile, show it (goal under 50 ms); the
// frames of a table scrolled without pause (median goal under 16 ms); a keystroke in the point
// search over a synthetic world-size database until the list shows the result (goal under
// 100 ms).

#include "airplanelistmodel.h"
#include "benchsupport.h"
#include "constants.h"
#include "database.h"
#include "flightplan.h"
#include "general.h"
#include "point.h"
#include "settings.h"
#include "syntheticpoints.h"
#include "templating.h"
#include "unit.h"
#include "waypoint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)

namespace {

constexpr int Airports = 35000;
constexpr int Fixes = 250000;
constexpr int Navaids = 30000;
constexpr int PlanSize = 1000;

// The main window as far as the two panels reach it: its ids, and the shared selection,
// analytics and procedure display reduced to what the panels call.
const char *const RootDocument = R"(
import QtQuick
import QtQuick.Window
import Waylore.Ui

Window {
    width: 1200
    height: 800
    visible: true

    property alias flightplanPanel: flightplanPanel
    property alias pointPanel: pointPanel

    QtObject {
        id: ism
        property int currentTableRow: -1
        property int currentListRow: -1
        signal selected(string uid)
        function selectFromRoute(row) { currentTableRow = row; selected(""); }
        function selectFromList(row) { currentListRow = row; selected(""); }
        function selectFromUID(uid) {}
        function setHovered(hovered, uid) {}
        function clear() { currentTableRow = -1; currentListRow = -1; selected(""); }
    }
    QtObject { id: ga; function sendEvent(name, location, title, parameters) {} }
    QtObject { id: procedureManager; function removeAll() {} function setProcedure(uid) {} }
    QtObject { id: settingsFlightplan; property bool autocompute: true }
    QtObject { id: generatorDialog; function open() {} }
    QtObject { id: waypointEditDialog; property string code; property int index; function open() {} }

    FlightplanPanel {
        id: flightplanPanel
        width: 850
        height: 800
    }
    PointPanel {
        id: pointPanel
        x: 850
        width: 350
        height: 800
    }
}
)";

// Waits for the next frame the window puts on screen; false when none came within a second.
bool nextFrame(QQuickWindow *window)
{
    QEventLoop loop;
    bool swapped = false;
    const auto connection = QObject::connect(window, &QQuickWindow::frameSwapped, &loop, [&]() {
        swapped = true;
        loop.quit();
    });
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    window->update();
    loop.exec();
    QObject::disconnect(connection);
    return swapped;
}

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void report(const char *what, const QList<double> &times, double goal)
{
    const double worst = times.isEmpty() ? 0.0 : *std::max_element(times.begin(), times.end());
    std::printf("%-52s median %7.2f ms  max %7.2f ms  (goal under %.0f ms, %lld runs)\n", what, median(times), worst,
                goal, static_cast<long long>(times.size()));
}

// Airport, fixes, airport, with cruise values so that the profile has a shape.
void fillPlan(Flightplan &plan, QRandomGenerator &random)
{
    QList<Waypoint *> waypoints;
    for (int i = 0; i < PlanSize; ++i) {
        const bool end = i == 0 || i == PlanSize - 1;
        auto *waypoint = new Waypoint(end ? Database::pointAt(random.bounded(Airports))
                                          : Database::pointAt(Airports + random.bounded(Fixes)));
        waypoint->setAltitude(end ? 500 : 35000, false);
        waypoint->setIas(end ? 250.0 : 0.78, false);
        waypoints.append(waypoint);
    }
    plan.bulkInsert(0, waypoints, nullptr, nullptr, nullptr, false, false);
    qDeleteAll(waypoints);
}

// A waypoint inserted near the top of the table (in view) and removed again, each until the
// next frame is on screen.
QList<double> timeInserts(Flightplan &plan, QQuickWindow *window, QRandomGenerator &random)
{
    QList<double> times;
    for (int run = 0; run < 15; ++run) {
        const QString uid = Database::pointAt(Airports + random.bounded(Fixes))->uid();
        QElapsedTimer timer;
        timer.start();
        if (!plan.insert(3, uid, false))
            continue;
        if (nextFrame(window))
            times.append(timer.nsecsElapsed() / 1e6);
        plan.remove(3, false);
        // The rows' add and remove transitions run out before the next insert.
        settle(400);
    }
    return times;
}

// Frames of the table moved by one row each, driven back to back.
QList<double> timeScroll(QQuickItem *table, QQuickWindow *window)
{
    QList<double> times;
    QElapsedTimer timer;
    nextFrame(window);
    timer.start();
    const qreal step = 40.0;
    for (int frame = 0; frame < 240; ++frame) {
        table->setProperty("contentY", (frame + 1) * step);
        if (!nextFrame(window))
            break;
        times.append(timer.nsecsElapsed() / 1e6);
        timer.restart();
    }
    return times;
}

void sendKey(QQuickWindow *window, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(window, &press);
    QCoreApplication::sendEvent(window, &release);
}

// Typing words letter by letter into the search field, then emptying it: the time from each
// keystroke to the next frame.
void timeSearch(QQuickItem *field, QObject *list, QQuickWindow *window)
{
    QList<double> first, filtering, narrowing, emptying;
    const QStringList words{QStringLiteral("KLA"), QStringLiteral("EDD"), QStringLiteral("ZUR"),
                            QStringLiteral("LOW"), QStringLiteral("AIR"), QStringLiteral("BEN")};
    QMetaObject::invokeMethod(field, "forceActiveFocus");
    for (const QString &word : words) {
        for (int i = 0; i < word.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            sendKey(window, Qt::Key_A + (word.at(i).unicode() - 'A'), word.at(i));
            nextFrame(window);
            const double elapsed = timer.nsecsElapsed() / 1e6;
            (i == 0 ? first : i == 1 ? filtering : narrowing).append(elapsed);
        }
        QQmlProperty::write(field, QStringLiteral("text"), word.left(2));
        settle(50);
        QElapsedTimer timer;
        timer.start();
        QQmlProperty::write(field, QStringLiteral("text"), QString());
        nextFrame(window);
        emptying.append(timer.nsecsElapsed() / 1e6);
        settle(50);
    }
    const int rows = list->property("count").toInt();
    std::printf("Point search over %d points (%d in the list unfiltered):\n", Database::pointCount(), rows);
    report("  first character (filter kept)", first, 100);
    report("  second character (first filter)", filtering, 100);
    report("  third character (narrower filter)", narrowing, 100);
    report("  field emptied (every point of the checked types)", emptying, 100);
}

} // namespace

int main(int argc, char **argv)
{
    if (BenchSupport::answersHelp(argc, argv,
                                  "Usage: bench_panels\n"
                                  "Times the flight-plan panel and the point search in a real window. Run it under Xvfb.\n"))
        return 0;
    // The profile chart is a widget-backed item: it needs QApplication.
    QApplication app(argc, argv);
    BenchSupport::initQuietApplication();

    Settings settings;
    Constants constants;
    Unit unit;
    Templating templating;
    Database db;
    AirplaneListModel airplanes;
    QRandomGenerator random(2024);
    db.beginModifying();
    BenchSupport::addSyntheticPoints(db, random, Airports, Fixes, Navaids);
    db.endModifying();

    Flightplan plan;
    QObject::connect(&airplanes, &AirplaneListModel::changed, &plan, &Flightplan::airplaneChanged);
    fillPlan(plan, random);
    plan.update(false, false);
    std::printf("Synthetic world: %d points; plan of %d waypoints, %.0f nm; platform %s\n", Database::pointCount(),
                plan.count(), plan.distance(), qPrintable(QGuiApplication::platformName()));

    {
        // What an insert costs the plan itself, and the briefing that the panel shows: the
        // rest of the figures below is the views' share.
        QElapsedTimer timer;
        timer.start();
        plan.insert(3, Database::pointAt(Airports + 11)->uid(), false);
        const double insert = timer.nsecsElapsed() / 1e6;
        plan.remove(3, false);
        timer.restart();
        const qsizetype briefing = plan.general()->ofp().size();
        std::printf("Insert into the plan alone %.2f ms; its briefing (%lld characters) renders in %.2f ms\n", insert,
                    static_cast<long long>(briefing), timer.nsecsElapsed() / 1e6);
    }
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("screenshot_mode"), false);
    context->setContextProperty(QStringLiteral("settings"), &settings);
    context->setContextProperty(QStringLiteral("constants"), &constants);
    context->setContextProperty(QStringLiteral("unit"), &unit);
    context->setContextProperty(QStringLiteral("airplanes"), &airplanes);
    context->setContextProperty(QStringLiteral("flightplan"), &plan);
    db.registerModels(context);

    QQmlComponent component(&engine);
    component.setData(RootDocument, QUrl(QStringLiteral("qrc:/bench/Root.qml")));
    QObject *root = component.create();
    auto *window = qobject_cast<QQuickWindow *>(root);
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return 1;
    }
    if (!nextFrame(window)) {
        std::fprintf(stderr, "The window draws no frame\n");
        return 1;
    }
    settle(500);

    auto *flightplanPanel = root->property("flightplanPanel").value<QQuickItem *>();
    auto *table = flightplanPanel->property("table").value<QQuickItem *>();
    auto *tabBar = flightplanPanel->property("tabBar").value<QObject *>();

    std::printf("Flight-plan panel, %d waypoints:\n", plan.count());
    report("  insert in view, table tab shown", timeInserts(plan, window, random), 50);
    tabBar->setProperty("currentIndex", 1);
    settle(300);
    report("  insert, profile tab shown", timeInserts(plan, window, random), 50);
    tabBar->setProperty("currentIndex", 0);
    settle(300);
    report("  table scroll, one row per frame", timeScroll(table, window), 16);
    {
        // The same window redrawn with nothing changed: the floor of any frame here.
        QList<double> idle;
        QElapsedTimer timer;
        nextFrame(window);
        for (int frame = 0; frame < 60; ++frame) {
            timer.restart();
            if (nextFrame(window))
                idle.append(timer.nsecsElapsed() / 1e6);
        }
        report("  the whole window redrawn unchanged", idle, 16);
    }

    auto *pointPanel = root->property("pointPanel").value<QQuickItem *>();
    timeSearch(pointPanel->property("search").value<QQuickItem *>(), pointPanel->property("list").value<QObject *>(), window);

    delete root;
    return 0;
}
