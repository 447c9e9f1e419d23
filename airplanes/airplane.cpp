#include "airplane.h"

QString Airplane::fullName() const
{
    return manufacturer + QLatin1Char(' ') + name;
}
