#pragma once

#include "astar.h"

#include <QList>
#include <QString>
#include <QThread>

#include <atomic>

class Point;
class Segment;

// The route search on a thread of its own. start() takes the routing options from the
// preferences and the ends set through setEndpoints, run() searches the database's routing
// graph, and done() reaches the main thread when the search is over, with the status, the
// message and the route ready to read. Everything but run() belongs to the main thread.
class Router : public QThread
{
    Q_OBJECT

public:
    explicit Router(QObject *parent = nullptr);
    // Stops a search under way and waits for its thread.
    ~Router() override;

    // Point UIDs; output and input name the chosen SID exit and STAR entry, empty for none.
    // Read when a search starts.
    void setEndpoints(const QString &departure, const QString &arrival, const QString &output = QString(),
                      const QString &input = QString());

    Q_INVOKABLE bool isBusy() const { return m_busy; }
    Q_INVOKABLE bool getStatus() const { return m_status; }
    Q_INVOKABLE QString getMessage() const { return m_message; }

    // Nautical miles along the route found by the last search, 0 without one.
    double distance() const { return m_distance; }
    // The points of the last route found, departure and arrival included; empty without one.
    QList<Point *> route() const { return m_route; }
    // Per leg of route(), whether it follows an airway segment (false: a direct leg).
    QList<bool> airwayLegs() const { return m_airwayLegs; }
    // Per leg of route(), the airway segment the search flew (null for a direct leg): where
    // a LOW and a HIGH airway join the same two points, the one the search chose.
    QList<Segment *> legSegments() const { return m_legSegments; }
    // The database generation the route was found in.
    qint64 routeGeneration() const { return m_routeGeneration; }
    int expandedNodes() const { return m_expanded; }

public slots:
    // Reads "generator/airwayNavigation", "generator/radioNavigation" and
    // "generator/airwayRoutingOptions" and starts the search; ignored while one runs.
    void start();
    // Asks the search to stop; its done() follows shortly.
    void stop();

signals:
    void progress(int percent);
    void done();

protected:
    void run() override;
    // For the generator's own refusals after the search.
    void setMessage(const QString &message) { m_message = message; }

private slots:
    void finish();
    // The database replaced its lists: the points of the last route are about to go.
    void forgetRoute();

private:
    struct Request
    {
        QString departure;
        QString arrival;
        QString output;
        QString input;
        Routing::AStar::Options options;
    };

    struct Outcome
    {
        bool status = false;
        QString message;
        double distance = 0.0;
        QList<Point *> route;
        QList<bool> airwayLegs;
        QList<Segment *> legSegments;
        qint64 generation = 0;
        // Database::storeSerial when the points were taken.
        quint64 storeSerial = 0;
        int expanded = 0;
    };

    Outcome search();
    // The database segment behind an edge of the graph; caller holds the database unchanged.
    static Segment *segmentOf(const Routing::Graph &graph, int edge);

    // Main thread.
    QString m_departure;
    QString m_arrival;
    QString m_output;
    QString m_input;
    bool m_busy = false;
    bool m_status = false;
    QString m_message;
    double m_distance = 0.0;
    QList<Point *> m_route;
    QList<bool> m_airwayLegs;
    QList<Segment *> m_legSegments;
    qint64 m_routeGeneration = 0;
    int m_expanded = 0;

    // Handed over at start() and at the thread's end.
    Request m_request;
    Outcome m_outcome;
    std::atomic<bool> m_stop{false};
    // The search's work arrays, kept for the next search on the same graph.
    Routing::AStar m_astar;
};
