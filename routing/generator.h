#pragma once

#include "router.h"

#include <QList>
#include <QString>
#include <QStringList>

class Flightplan;
class Point;

// The route generator behind the interface's dialog: the departure and arrival, the SID exit
// ("output") where the route leaves the departure's procedures and the STAR entry ("input")
// where it joins the arrival's, the search (Router) and the found route turned into the
// flight plan's waypoints.
class Generator : public Router
{
    Q_OBJECT
    Q_PROPERTY(QStringList outputnames READ outputnames NOTIFY changed)
    Q_PROPERTY(QStringList inputnames READ inputnames NOTIFY changed)
    Q_PROPERTY(int outputindex READ outputindex WRITE setOutput NOTIFY changed)
    Q_PROPERTY(int inputindex READ inputindex WRITE setInput NOTIFY changed)
    Q_PROPERTY(double distance READ distance NOTIFY done)

public:
    // A null plan ends the program.
    explicit Generator(Flightplan *flightplan, QObject *parent = nullptr);
    ~Generator() override;

    // Forgets the exits and entries and takes the plan's first and last waypoints as
    // departure and arrival.
    Q_INVOKABLE void init();
    Q_INVOKABLE QString getDepartureUID() const;
    Q_INVOKABLE QString getArrivalUID() const;
    // False, with the point unchanged, when no point has the UID.
    Q_INVOKABLE bool setDeparture(const QString &uid);
    Q_INVOKABLE bool setArrival(const QString &uid);
    // -1 chooses none; any other index outside the list is refused.
    Q_INVOKABLE void setOutput(int index);
    Q_INVOKABLE void setInput(int index);
    // Replaces the plan's waypoints by the route found; false when there is none or the
    // navigation data changed since the search.
    Q_INVOKABLE bool activateFlightplan();

    QStringList outputnames() const { return m_outputNames; }
    QStringList inputnames() const { return m_inputNames; }
    int outputindex() const { return m_outputIndex; }
    int inputindex() const { return m_inputIndex; }
    QList<Point *> outputs() const { return m_outputs; }
    QList<Point *> inputs() const { return m_inputs; }

    // What the lists show for a point: its code and the procedures that leave or reach the
    // airway network there, as "TOBAK (TOBA1F, TOBA2G)".
    static QString exitName(const Point *point, const QStringList &procedures);

signals:
    void changed();

private:
    // The exit (SID) or entry (STAR) points of the airport's procedures, by code, with their
    // names.
    static void collect(Point *airport, int type, QList<Point *> &points, QStringList &names);
    void publishEndpoints();
    // The database replaced its lists: the same points, by UID, from the new ones.
    void reattachToDatabase();

    Flightplan *m_flightplan = nullptr;
    Point *m_departure = nullptr;
    Point *m_arrival = nullptr;
    QList<Point *> m_outputs;
    QList<Point *> m_inputs;
    QStringList m_outputNames;
    QStringList m_inputNames;
    int m_outputIndex = -1;
    int m_inputIndex = -1;
};
