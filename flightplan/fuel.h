#pragma once

#include <QObject>

// The fuel plan of the flight: taxi, trip, reserves, block and endurance, in the stored fuel
// unit of the current airplane. The update pass sums the trip fuel into enroute and then calls
// update(); property writes from the interface emit modified() when the value changes.
class Fuel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int taxi READ taxi WRITE setTaxi NOTIFY modified)
    Q_PROPERTY(int takeoff READ takeoff WRITE setTakeoff NOTIFY modified)
    Q_PROPERTY(int enroute READ enroute WRITE setEnroute NOTIFY modified)
    Q_PROPERTY(int alternate READ alternate WRITE setAlternate NOTIFY modified)
    Q_PROPERTY(int alternatetime READ alternatetime WRITE setAlternatetime NOTIFY modified)
    Q_PROPERTY(int contingency READ contingency WRITE setContingency NOTIFY modified)
    Q_PROPERTY(int contingencytime READ contingencytime WRITE setContingencytime NOTIFY modified)
    Q_PROPERTY(int extra READ extra WRITE setExtra NOTIFY modified)
    Q_PROPERTY(int extratime READ extratime WRITE setExtratime NOTIFY modified)
    Q_PROPERTY(int final READ final WRITE setFinal NOTIFY modified)
    Q_PROPERTY(int finaltime READ finaltime WRITE setFinaltime NOTIFY modified)
    Q_PROPERTY(int totalreserve READ totalreserve WRITE setTotalreserve NOTIFY modified)
    Q_PROPERTY(int endurance READ endurance WRITE setEndurance NOTIFY modified)
    Q_PROPERTY(int block READ block WRITE setBlock NOTIFY modified)

public:
    Fuel();

    // Fuel burnt at flow per hour during seconds, rounded half away from zero.
    static int fuelForDuration(int flow, int seconds);
    // Every figure but enroute, from enroute and the current airplane.
    void update();

    int taxi() const { return m_taxi; }
    int takeoff() const { return m_takeoff; }
    int enroute() const { return m_enroute; }
    // The update pass accumulates the legs' burns here.
    int *enroutePointer() { return &m_enroute; }
    int alternate() const { return m_alternate; }
    int alternatetime() const { return m_alternatetime; }
    int contingency() const { return m_contingency; }
    int contingencytime() const { return m_contingencytime; }
    int extra() const { return m_extra; }
    int extratime() const { return m_extratime; }
    int final() const { return m_final; }
    int finaltime() const { return m_finaltime; }
    int totalreserve() const { return m_totalreserve; }
    int endurance() const { return m_endurance; }
    int block() const { return m_block; }

    void setTaxi(int value);
    void setTakeoff(int value);
    void setEnroute(int value);
    void setAlternate(int value);
    void setAlternatetime(int value);
    void setContingency(int value);
    void setContingencytime(int value);
    void setExtra(int value);
    void setExtratime(int value);
    void setFinal(int value);
    void setFinaltime(int value);
    void setTotalreserve(int value);
    void setEndurance(int value);
    void setBlock(int value);

signals:
    void modified();

private:
    void write(int &field, int value);

    int m_taxi = 0;
    int m_takeoff = 0;
    int m_enroute = 0;
    int m_alternate = 0;
    int m_alternatetime = 0;
    int m_contingency = 0;
    int m_contingencytime = 0;
    int m_extra = 0;
    int m_extratime = 0;
    int m_final = 0;
    int m_finaltime = 0;
    int m_totalreserve = 0;
    int m_endurance = 0;
    int m_block = 0;
};
