#include "weight.h"

#include "airplanelistmodel.h"
#include "fuel.h"

#include <cmath>

Weight::Weight(Fuel *fuel)
    : m_fuel(fuel)
{
    if (!m_fuel)
        qFatal("Cannot create Weight object with NULL pointers!");
}

void Weight::compute()
{
    const Airplane airplane = AirplaneListModel::currentAirplane();
    m_paxcount = int(std::lround(double(qint64(airplane.maxpassengers) * m_loadfactor) / 100.0));
    m_passengers = airplane.passengerweight * m_paxcount;
    m_cargo = int(std::lround(double(qint64(m_loadfactor) * airplane.maxcargo) / 100.0));
    m_payload = m_passengers + m_cargo;
    m_zfw = m_payload + airplane.eow;
    m_tow = m_zfw + m_fuel->enroute() + m_fuel->totalreserve();
    m_lw = m_zfw + m_fuel->totalreserve();
}

void Weight::write(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    emit modified();
}

void Weight::setLoadfactor(int value) { write(m_loadfactor, value); }
void Weight::setPaxcount(int value) { write(m_paxcount, value); }
void Weight::setPassengers(int value) { write(m_passengers, value); }
void Weight::setCargo(int value) { write(m_cargo, value); }
void Weight::setPayload(int value) { write(m_payload, value); }
void Weight::setZfw(int value) { write(m_zfw, value); }
void Weight::setTow(int value) { write(m_tow, value); }
void Weight::setLw(int value) { write(m_lw, value); }
