#include "recordformat.h"

namespace {

thread_local int t_reading = RecordFormat::Newest;

} // namespace

int RecordFormat::reading()
{
    return t_reading;
}

RecordFormat::Scope::Scope(int format)
    : m_previous(t_reading)
{
    t_reading = format;
}

RecordFormat::Scope::~Scope()
{
    t_reading = m_previous;
}
