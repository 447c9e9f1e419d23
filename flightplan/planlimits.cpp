#include "planlimits.h"

#include "constants.h"
#include "wholereadfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

#include <climits>
#include <cmath>

int PlanLimits::bounded(double value, int minimum, int maximum, const QString &field)
{
    const double held = std::isnan(value) ? minimum : qBound(double(minimum), value, double(maximum));
    if (held != value)
        qWarning().noquote() << QStringLiteral("%1 %2 outside %3 to %4, read as %5")
                                    .arg(field)
                                    .arg(value, 0, 'g', 17)
                                    .arg(minimum)
                                    .arg(maximum)
                                    .arg(int(held));
    return int(held);
}

int PlanLimits::altitude(double feet, const QString &field)
{
    return bounded(feet, Constants::minAlt(), Constants::maxAlt(), field);
}

int PlanLimits::storedAltitude(double feet, const QString &field)
{
    return feet == -1.0 ? -1 : bounded(feet, LowestAirfield, Constants::maxAlt(), field);
}

int PlanLimits::saturated(qint64 value)
{
    return int(qBound(qint64(INT_MIN), value, qint64(INT_MAX)));
}

int PlanLimits::saturated(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::lround(qBound(double(INT_MIN), value, double(INT_MAX))));
}

bool PlanLimits::readPlanFile(const QString &path, QByteArray *bytes, QString *error)
{
    switch (WholeReadFile::read(path, kLargestPlanFile, bytes, error, QIODevice::Text)) {
    case WholeReadFile::Outcome::Read:
        return true;
    case WholeReadFile::Outcome::TooLarge:
        *error = QCoreApplication::translate("PlanLimits", "The file %1 is too large to be a flight plan.")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    default:
        return false;
    }
}
