#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Plain-language decoding of one METAR or SPECI report for the airport information page.
// Only the observation itself is decoded: remarks and trend groups are left out. Every text
// is translated in the context "Metar" at call time, so the rows follow the language in force.
namespace Metar {

// Ordered (label, value) rows; an empty list means there is nothing worth showing.
// Never fails: whatever cannot be read is left out.
QList<QPair<QString, QString>> decode(const QString &metar);

// One present-weather group ("-SHRA") as a phrase, or an empty text when the token is none.
QString decodeWeather(const QString &token);

// A temperature field ("M05", "12", "//" or empty) as "-5 °C", or an empty text.
QString formatTemperature(const QString &field);

// A wind-speed field ("05", "P99") as "5" or "more than 99".
QString formatSpeed(const QString &field);

} // namespace Metar
