#include "weight.h"

#include "airplanelistmodel.h"
#include "fuel.h"
#include "planlimits.h"

Weight::Weight(Fuel *fuel)
    : m_fuel(fuel)
{
    if (!m_fuel)
        qFatal("Cannot create Weight object with NULL pointers!");
}

void Weight::compute()
{
    const Airplane airplane = AirplaneListModel::currentAirplane();
    // Saturating: an airplane or a load factor typed far beyond reason must not wrap a weight
    // around to a negative one.
    m_paxcount = PlanLimits::saturated(double(qint64(airplane.maxpassengers) * m_loadfactor) / 100.0);
    m_passengers = PlanLimits::saturated(qint64(airplane.passengerweight) * m_paxcount);
    m_cargo = PlanLimits::saturated(double(qint64(m_loadfactor) * airplane.maxcargo) / 100.0);
    m_payload = PlanLimits::saturated(qint64(m_passengers) + m_cargo);
    m_zfw = PlanLimits::saturated(qint64(m_payload) + airplane.eow);
    m_tow = PlanLimits::saturated(qint64(m_zfw) + m_fuel->enroute() + m_fuel->totalreserve());
    m_lw = PlanLimits::saturated(qint64(m_zfw) + m_fuel->totalreserve());
}

void Weight::write(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    emit modified();
}

// One-line members, kept as a table.
// clang-format off
void Weight::setLoadfactor(int value) { write(m_loadfactor, value); }
void Weight::setPaxcount(int value) { write(m_paxcount, value); }
void Weight::setPassengers(int value) { write(m_passengers, value); }
void Weight::setCargo(int value) { write(m_cargo, value); }
void Weight::setPayload(int value) { write(m_payload, value); }
void Weight::setZfw(int value) { write(m_zfw, value); }
void Weight::setTow(int value) { write(m_tow, value); }
void Weight::setLw(int value) { write(m_lw, value); }
// clang-format on
