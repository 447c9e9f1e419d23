#include "atc.h"

Atc::Atc()
    : QObject(nullptr)
    , m_type(-1)
    , m_frequency(0.0f)
{
}

Atc::Atc(int type, float frequency, const QString &name)
    : QObject(nullptr)
    , m_type(type)
    , m_frequency(frequency)
    , m_name(name)
{
}

Atc::Atc(const Atc &other)
    : QObject(nullptr)
    , m_type(other.m_type)
    , m_frequency(other.m_frequency)
    , m_name(other.m_name)
{
}

Atc &Atc::operator=(const Atc &other)
{
    m_type = other.m_type;
    m_frequency = other.m_frequency;
    m_name = other.m_name;
    return *this;
}

Atc::~Atc() = default;

QString Atc::typeToString(int type)
{
    // clang-format off
    switch (type) {
    case 0: return tr("AWOS, ASOS, ATIS");
    case 1: return tr("Unicom, CTAF, Radio");
    case 2: return tr("Clearance delivery");
    case 3: return tr("Ground");
    case 4: return tr("Tower");
    case 5: return tr("Approach");
    case 6: return tr("Departure");
    default: return tr("Unknown ATC type");
    }
    // clang-format on
}

QString Atc::typeText() const
{
    return typeToString(m_type);
}

QString Atc::frequencyText() const
{
    // Six significant digits, so that 118.1 stored as a float reads 118.1.
    return tr("%1MHz").arg(double(m_frequency), 0, 'g', 6);
}

QDataStream &operator<<(QDataStream &stream, const Atc &atc)
{
    return stream << atc.m_type << atc.m_frequency << atc.m_name;
}

QDataStream &operator>>(QDataStream &stream, Atc &atc)
{
    return stream >> atc.m_type >> atc.m_frequency >> atc.m_name;
}
