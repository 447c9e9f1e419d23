#pragma once

#include "navdatareader.h"

#include <QByteArrayView>
#include <QGeoCoordinate>
#include <QGeoPath>
#include <QHash>
#include <QVarLengthArray>

class Airport;
class Boundary;
class CifpLoader;
class Paintlight;
class Point;
class Taxiway;
class LineReader;

// Reader of the simulator's airport file apt.dat (versions 1100 and 1200): land airports with
// their radio frequencies and runways, and their ground layout (pavements, boundaries, painted
// lines and light strings, taxiway name labels, start-up locations). Seaplane bases, heliports,
// water runways and helipads are left out. Each airport is handed to the database once its
// last row has been read, and its procedure file is then read through the CifpLoader.
//
// The world file has millions of rows, most of them ground nodes. The file is read in large
// blocks and a line is only a view into them; only rows that begin with the digit 1 are looked
// at, numbers are read from the bytes and only the texts an item keeps become strings.
class AptReader : public NavDataReader
{
public:
    // cifpLoader may be null: the airports then get no procedures.
    AptReader(Database *database, ProgressFn progress, CancelFn cancelled, CifpLoader *cifpLoader);
    ~AptReader() override;

    // 1 when the file cannot be opened, else 0.
    int read(const QString &path) override;

    quint32 airportCount() const { return m_airportCount; }
    quint32 runwayCount() const { return m_runwayCount; }

    using Fields = QVarLengthArray<QByteArrayView, 32>;

private:
    enum State { Nothing = 0, Pavement = 1, PaintedLine = 2, AirportBoundary = 3 };
    struct AirportItems;
    struct Batch;

    // The rows of the lines given, as far as they go; cancelled() ends them early.
    void readLines(LineReader &lines);
    // The airports of the file's body (after its header), each from its airport row to the
    // next, read on every core into stores of their own and handed to the database in order.
    void readAirports(const QByteArray &body);
    bool cutAtAirports(const QByteArray &body, QList<qsizetype> &starts);
    bool takeBatch(Batch &batch);

    void readRow(QByteArrayView line, const Fields &fields);
    void startAirport(const Fields &fields);
    void commitAirport();
    void readRunway(const Fields &fields);
    void readFrequency(int type, const Fields &fields);
    void startTaxiway(const Fields &fields);
    void startPaintlight();
    void startBoundary();
    void readNode(int code, const Fields &fields);
    // Hands the pavement or boundary whose rings are read over to the database, once its first
    // ring is closed; the rings after the first are its holes.
    void finishPolygon();
    void readTaxiNode(const Fields &fields);
    void readTaxiEdge(const Fields &fields);
    void readStartup(const Fields &fields);
    void readMetadata(const Fields &fields);
    void dropPending();

    CifpLoader *m_cifpLoader;
    Airport *m_airport = nullptr;
    QGeoPath m_runwayEnds;
    QHash<int, QGeoCoordinate> m_taxiNodes;
    int m_state = Nothing;
    Taxiway *m_taxiway = nullptr;
    Paintlight *m_paintlight = nullptr;
    Boundary *m_boundary = nullptr;
    // Whether the ring being read of a pavement or boundary is closed (113, 114), and whether
    // its first one is.
    bool m_ringClosed = false;
    bool m_outerClosed = false;
    int m_lineType = 0;
    int m_lightType = 0;
    quint32 m_airportCount = 0;
    quint32 m_runwayCount = 0;
    // Airports whose procedure files are read, on every core, once the file is read.
    QList<Point *> m_procedureAirports;
    int m_harvestsTaken = 0;
};
