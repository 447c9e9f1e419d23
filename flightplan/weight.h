#pragma once

#include <QObject>

class Fuel;

// Load and weights of the flight in kilograms, from the load factor, the current airplane and
// the plan's fuel figures. The update pass calls compute() right after Fuel::update().
class Weight : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int loadfactor READ loadfactor WRITE setLoadfactor NOTIFY modified)
    Q_PROPERTY(int paxcount READ paxcount WRITE setPaxcount NOTIFY modified)
    Q_PROPERTY(int passengers READ passengers WRITE setPassengers NOTIFY modified)
    Q_PROPERTY(int cargo READ cargo WRITE setCargo NOTIFY modified)
    Q_PROPERTY(int payload READ payload WRITE setPayload NOTIFY modified)
    Q_PROPERTY(int zfw READ zfw WRITE setZfw NOTIFY modified)
    Q_PROPERTY(int tow READ tow WRITE setTow NOTIFY modified)
    Q_PROPERTY(int lw READ lw WRITE setLw NOTIFY modified)

public:
    // A null fuel ends the program.
    explicit Weight(Fuel *fuel);

    // Every figure but the load factor.
    void compute();

    int loadfactor() const { return m_loadfactor; }
    int paxcount() const { return m_paxcount; }
    int passengers() const { return m_passengers; }
    int cargo() const { return m_cargo; }
    int payload() const { return m_payload; }
    int zfw() const { return m_zfw; }
    int tow() const { return m_tow; }
    int lw() const { return m_lw; }

    void setLoadfactor(int value);
    void setPaxcount(int value);
    void setPassengers(int value);
    void setCargo(int value);
    void setPayload(int value);
    void setZfw(int value);
    void setTow(int value);
    void setLw(int value);

signals:
    void modified();

private:
    void write(int &field, int value);

    Fuel *m_fuel = nullptr;
    int m_loadfactor = 85;
    int m_paxcount = 0;
    int m_passengers = 0;
    int m_cargo = 0;
    int m_payload = 0;
    int m_zfw = 0;
    int m_tow = 0;
    int m_lw = 0;
};
