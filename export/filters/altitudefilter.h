#pragma once

#include <grantlee/filter.h>

// {{ feet|altitude:transition }}: an altitude in feet as a pilot reads it against the
// transition altitude: at or above it a flight level of three digits ("FL350", "FL070"),
// below it feet ("4000ft"). Empty for no altitude (0 or less) and for a value that is no
// number; a missing or negative transition altitude counts as 0.
class AltitudeFilter : public Grantlee::Filter
{
public:
    QVariant doFilter(const QVariant &input, const QVariant &argument = QVariant(),
                      bool autoescape = false) const override;
    bool isSafe() const override { return true; }
};
