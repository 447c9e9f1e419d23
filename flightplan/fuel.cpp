#include "fuel.h"

#include "airplanelistmodel.h"
#include "planlimits.h"

namespace {

// Figures of the airplane file or of a very long plan must not overflow the int fields: every
// result saturates at the ends of the int range.
int rounded(double value)
{
    return PlanLimits::saturated(value);
}

int sum(qint64 a, qint64 b, qint64 c = 0, qint64 d = 0, qint64 e = 0)
{
    return PlanLimits::saturated(a + b + c + d + e);
}

// Endurance of a quantity at the cruise flow; an airplane without cruise flow has none.
int secondsAtFlow(double quantity, int flow)
{
    return flow == 0 ? 0 : rounded(quantity * 3600.0 / flow);
}

} // namespace

Fuel::Fuel() = default;

int Fuel::fuelForDuration(int flow, int seconds)
{
    // 64 bits: a day at a heavy jet's flow already passes the 32-bit range.
    return rounded(double(qint64(flow) * seconds) / 3600.0);
}

void Fuel::update()
{
    const Airplane airplane = AirplaneListModel::currentAirplane();
    const int enroute = m_enroute;
    m_alternatetime = 1080;
    m_alternate = rounded(airplane.alternatefuel * 1080.0 / 3600.0);
    m_extra = airplane.extrafuel;
    m_finaltime = PlanLimits::saturated(qint64(airplane.finalfuel) * 60);
    m_contingency = rounded(airplane.contingencyfuel * double(enroute) / 100.0);
    m_contingencytime = secondsAtFlow(m_contingency, airplane.cruisefuel);
    m_extratime = secondsAtFlow(m_extra, airplane.cruisefuel);
    m_final = rounded(double(qint64(airplane.cruisefuel) * m_finaltime) / 3600.0);
    m_totalreserve = sum(m_contingency, m_alternate, m_extra, m_final);
    m_block = sum(m_totalreserve, enroute, airplane.taxifuel);
    m_taxi = airplane.taxifuel;
    m_takeoff = sum(m_block, -qint64(m_taxi));
    m_endurance = sum(m_contingencytime, secondsAtFlow(enroute, airplane.cruisefuel), m_alternatetime, m_extratime,
                      m_finaltime);
}

void Fuel::write(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    emit modified();
}

// One-line members, kept as a table.
// clang-format off
void Fuel::setTaxi(int value) { write(m_taxi, value); }
void Fuel::setTakeoff(int value) { write(m_takeoff, value); }
void Fuel::setEnroute(int value) { write(m_enroute, value); }
void Fuel::setAlternate(int value) { write(m_alternate, value); }
void Fuel::setAlternatetime(int value) { write(m_alternatetime, value); }
void Fuel::setContingency(int value) { write(m_contingency, value); }
void Fuel::setContingencytime(int value) { write(m_contingencytime, value); }
void Fuel::setExtra(int value) { write(m_extra, value); }
void Fuel::setExtratime(int value) { write(m_extratime, value); }
void Fuel::setFinal(int value) { write(m_final, value); }
void Fuel::setFinaltime(int value) { write(m_finaltime, value); }
void Fuel::setTotalreserve(int value) { write(m_totalreserve, value); }
void Fuel::setEndurance(int value) { write(m_endurance, value); }
void Fuel::setBlock(int value) { write(m_block, value); }
// clang-format on
