#pragma once

#include <QObject>
#include <QString>

// Fixed values the user interface needs (map layer zoom thresholds, input ranges, the link
// colour), so that QML holds none of them. Set as the QML context property "constants".
// A layer switch is enabled while the map zoom is at least its threshold.
class Constants : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool debug READ debug CONSTANT)
    Q_PROPERTY(QString linkColor READ linkColor CONSTANT)
    Q_PROPERTY(double minzoomNdb READ minzoomNdb CONSTANT)
    Q_PROPERTY(double minzoomVorDme READ minzoomVorDme CONSTANT)
    Q_PROPERTY(double minzoomFix READ minzoomFix CONSTANT)
    Q_PROPERTY(double minzoomAirport READ minzoomAirport CONSTANT)
    Q_PROPERTY(double minzoomLowSegment READ minzoomLowSegment CONSTANT)
    Q_PROPERTY(double minzoomHighSegment READ minzoomHighSegment CONSTANT)
    Q_PROPERTY(double minzoomTrackSegment READ minzoomTrackSegment CONSTANT)
    Q_PROPERTY(double minzoomAirportGround READ minzoomAirportGround CONSTANT)
    Q_PROPERTY(double minAsKts READ minAsKts CONSTANT)
    Q_PROPERTY(double maxAsKts READ maxAsKts CONSTANT)
    Q_PROPERTY(int minVs READ minVs CONSTANT)
    Q_PROPERTY(int maxVs READ maxVs CONSTANT)
    Q_PROPERTY(int minAlt READ minAlt CONSTANT)
    Q_PROPERTY(int maxAlt READ maxAlt CONSTANT)
    Q_PROPERTY(int minRwyLen READ minRwyLen CONSTANT)
    Q_PROPERTY(int maxRwyLen READ maxRwyLen CONSTANT)
    Q_PROPERTY(int maxWeight READ maxWeight CONSTANT)
    Q_PROPERTY(int maxPassengers READ maxPassengers CONSTANT)
    Q_PROPERTY(int maxCargo READ maxCargo CONSTANT)
    Q_PROPERTY(int maxFuel READ maxFuel CONSTANT)

public:
    explicit Constants(QObject *parent = nullptr);

    // The getters are static so that native code (RichText's links) reads the same values
    // without an instance.
    static bool debug() { return false; }
    static QString linkColor();
    static double minzoomNdb() { return 3.0; }
    static double minzoomVorDme() { return 5.2; }
    static double minzoomFix() { return 8.5; }
    static double minzoomAirport() { return 6.0; }
    static double minzoomLowSegment() { return 7.5; }
    static double minzoomHighSegment() { return 6.0; }
    static double minzoomTrackSegment() { return 3.0; }
    static double minzoomAirportGround() { return 10.0; }
    static double minAsKts() { return 6.0; }
    static double maxAsKts() { return 8000.0; }
    static int minVs() { return 1; }
    static int maxVs() { return 5000; }
    static int minAlt() { return 0; }
    static int maxAlt() { return 100000; }
    static int minRwyLen() { return 0; }
    static int maxRwyLen() { return 100000; }
    static int maxWeight() { return 1000000; }
    static int maxPassengers() { return 1000; }
    static int maxCargo() { return 500000; }
    static int maxFuel() { return 500000; }
};
